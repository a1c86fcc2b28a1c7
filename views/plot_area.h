// The plot area: the part of the main window every analysis picture owns.
#pragma once

#include "picture/surface.h"

// Wide enough for the widest plot: up to 1500 + 99 samples one pixel apart
// from x = 60, whose ellipses end near x = 1660 and whose count label ends
// near x = 1680. Clearing only the first 800 columns would leave the stems
// of an earlier, wider picture standing beside a narrower one.
inline constexpr int kPlotAreaWidth = 1800;
// Every plot's stems, ellipses and labels end above row 600.
inline constexpr int kPlotAreaHeight = 600;

// Fills [0, kPlotAreaWidth) x [0, kPlotAreaHeight) with white; nothing
// outside it is touched.
void ClearPlotArea(Surface& surface);
