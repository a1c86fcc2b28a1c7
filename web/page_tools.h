// What the page's pictures are drawn with: the picture font from the glyph
// table made at build time, and the block painter for screens with finer
// pixels. Built once, alive until the page goes.
#pragma once

#include "picture/draw_at_scale.h"

const PictureTools& PageTools();

// Screens up to four device pixels per picture pixel are drawn for.
inline constexpr int kLargestPageScale = 4;
