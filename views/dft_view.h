// "DFT": the test signal x(n) and the magnitude of its 100-point DFT.
#pragma once

#include "picture/surface.h"
#include "views/view_options.h"

// Clears the plot area, draws x(n) at baseline 150 and |X(k)|, k = 0..99, at
// baseline 430. Leaves the transform in g_spectrum[0..99].
void DrawDftView(Surface& surface, const ViewOptions& options = {});
