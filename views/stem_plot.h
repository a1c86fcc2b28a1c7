// The stem plot: every picture of a signal or a spectrum is one call.
//
// A horizontal axis from x = 60 to 684 with an arrow at 685, a vertical axis
// of 135 pixels with an arrow, the largest magnitude as "%10.1f" at
// (5, baseline - 130), the count as "%d" after the last sample, sample
// numbers under the axis every count / 10 samples, and one black stem per
// sample scaled so that the largest magnitude is 120 pixels tall, capped by
// a small white ellipse. Axes and arrows are blue. Nothing is cleared first.
#pragma once

#include <span>

#include "picture/surface.h"

// Geometry shared with the views' layout.
inline constexpr int kPlotLeft = 60;         // x of sample 0 and of the vertical axis
inline constexpr int kPlotAxisRight = 684;   // last pixel of the horizontal axis
inline constexpr int kPlotWidth = 600;       // pixels the samples share (step = 600 / count)
inline constexpr int kStemFullHeight = 120;  // the largest magnitude's stem, in pixels
inline constexpr int kVerticalAxisHeight = 135;

// m = the largest |v| of values[0..count-1], found as the plot finds it:
// v > m takes v, otherwise -v > m takes -v. So m is 0 when every value is 0,
// a NaN never becomes m, and an infinity does. Positions past the end of
// `values` count as 0.
float LargestMagnitude(std::span<const float> values, int count);

// The stem height of v in pixels, signed, |h| <= 120: (v 120) / m in double,
// rounded to float. Cases with no quotient never reach a conversion to int:
// m = 0 (all values zero) and a NaN v give 0; an infinite v gives a
// full-height stem of its sign, also when m is that infinity.
float StemHeight(float value, float largest);

// Draws `count` samples of `values` at the baseline row. Values past the end
// of the span are drawn as zeros (so a caller can show a signal followed by
// zeros without a buffer for them). Counts below 10 are drawn too: from 1
// to 9 every sample gets a number; 0 (or a negative count) gives the axes,
// "0.0" and the count label "0" only.
void DrawStemPlot(Surface& surface, std::span<const float> values, int baseline, int count);
