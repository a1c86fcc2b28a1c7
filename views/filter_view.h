// "NF Filtar" / "Filtriranje u frekv. domenu": what the low-pass filter does
// to x(n), as three magnitude spectra.
#pragma once

#include "picture/surface.h"
#include "views/view_options.h"

// |X(k)| at baseline 150, |H(k)| of the designed taps at 320 and |Y(k)| of
// the first 100 filtered samples at 490, k = 0..99. Designs the filter from
// g_transitionWidth and g_cutoff into g_filterTaps and g_filterLength, and
// leaves the filtered signal in g_downsampled.
void DrawFilterSpectrumView(Surface& surface, const ViewOptions& options = {});
