// "Decimacija": x(n) low-pass filtered into w(n), every M-th sample of w(n)
// kept as y(m), in the time and the frequency domain. M is
// g_decimationFactor; the filter uses g_transitionWidth and g_cutoff as they
// are (no cut-off is derived from M).
//
// M = 0 is no decimation step at all: y(m) has no samples. The plots keep
// their usual axes and show zeros there (y's time plot N + 100 zero stems,
// Y(k) 100 zero bins), so the picture still reads "nothing came out".
#pragma once

#include "picture/surface.h"
#include "views/view_options.h"

// w(n), 100 + N samples, at baseline 150; y(m) followed by zeros on the
// same 100 + N sample axis at 400. Leaves y(m) in g_downsampled, zeros after.
void DrawDecimationTimeView(Surface& surface, const ViewOptions& options = {});

// |X(k)| at 150, |W(k)| of the first 100 samples of w at 320, and at 490 the
// q-point spectrum of y (q = 100 / M) repeated M times from bin 0, the
// copies starting at multiples of q. Bins that no copy reaches (M not
// dividing 100) are 0.
void DrawDecimationFrequencyView(Surface& surface, const ViewOptions& options = {});
