// Hamming-window low-pass FIR: design from a transition width and a cut-off,
// then full linear convolution of a signal with the design.
#pragma once

#include <span>

// Designs the filter into g_filterTaps and g_filterLength, then filters.
//
//   order     n = trunc(3.3 / df + 1) - 1, at most 99 (the taps hold 100)
//   centre    h = n / 2, g_filterLength = N = 2 h + 1
//   taps      c(m) = w(m) sin(k fg) / (k pi), k = m - h, m = 0..n, c(h) = fg / pi
//   window    w(m) = 0.54 - 0.46 cos(2 pi m / n)
//   output    y(i) = sum_{j = 0}^{min(i, n)} c(j) x(i - j), i = 0..length + 2h
//
// df is the normalised transition width (> 0), fg the cut-off in radians per
// sample (0..pi). Taps past c(n) are zero. Output entries 0..2 length - 1 are
// cleared first, then length + N samples are written; the filter delays the
// signal by h samples. Input samples from `length` on (or past the end of
// `input`) count as zero; nothing past the end of `output` is written.
//
// Cases the parameter dialogs never produce but that stay defined: a df so
// small that n would exceed 99, df <= 0 and a NaN df all give the longest
// filter that fits, n = 99; a df above 3.3 (+inf included) gives n = 0. A
// non-finite fg makes the taps and the output NaN or infinite.
void LowPassFilter(std::span<const float> input, std::span<float> output, int length, float df,
                   float fg);
