// "Interpolacija": x(n) up-sampled by L with zero insertion into w(m), which
// the low-pass filter smooths into y(m), in the time and the frequency
// domain. L is g_interpolationFactor; the filter uses g_transitionWidth and
// g_cutoff as they are (no cut-off from L, no gain of L).
//
// L = 0 inserts nothing and keeps nothing: w(m) has no samples, so every
// 100 L-sample plot is a plot of 0 samples, and the time view's plots show
// only the filter's N output samples, all zero.
#pragma once

#include "picture/surface.h"
#include "views/view_options.h"

// w(m) followed by N zeros at baseline 150 and y(m) at 420, both 100 L + N
// samples. For L = 15 those N zeros lie past the 1500 samples g_upsampled
// holds; they are drawn as zeros, not read from anywhere.
void DrawInterpolationTimeView(Surface& surface, const ViewOptions& options = {});

// |X(k)| repeated L times at 150, |W(k)| at 320 and |Y(k)| of the first
// 100 L samples of y at 490, each 100 L bins.
void DrawInterpolationFrequencyView(Surface& surface, const ViewOptions& options = {});
