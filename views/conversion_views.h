// "Konverzija ": the sampling rate changed by L/M. x(n) is up-sampled by L
// with zero insertion into w(m), low-pass filtered into v(m), and every
// M-th sample of v(m) becomes y(m). One filter, g_transitionWidth and
// g_cutoff as they are, serves both stages.
//
// y(m) goes to g_convertedSignal (up to 1595 samples), never to the
// 200-sample g_downsampled, so x(n) and every other buffer stay intact.
//
// M = 0 keeps no sample: the time view's y(m) plot, whose count is the
// number of output samples, has 0 samples (axes and labels, no stems); the
// frequency view's third plot keeps its 100 L-bin axis and shows zeros.
// L = 0 gives plots of 0 samples wherever a plot has 100 L of them.
#pragma once

#include "picture/surface.h"
#include "views/view_options.h"

// x(n) at baseline 150; at 420 the first floor(100 L / M) samples of y(m),
// decimated from all 100 L + N samples of v(m).
void DrawConversionTimeView(Surface& surface, const ViewOptions& options = {});

// |W(k)| at 150, |V(k)| of the first 100 L samples of v at 320, and at 490
// the q-point spectrum of y (q = floor(100 L / M), from the first 100 L
// samples of v) repeated M times, copy r starting at floor(r 100 L / M).
// Bins that no copy reaches are 0. All three plots have 100 L bins.
void DrawConversionFrequencyView(Surface& surface, const ViewOptions& options = {});
