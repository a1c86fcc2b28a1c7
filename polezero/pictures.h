// The designer's two pictures: the z-plane with its markers and the
// normalised magnitude response. Both draw through the surface only, so the
// dialog and vorlen-render draw the same pixels.
#pragma once

#include <span>

#include "picture/surface.h"
#include "polezero/design.h"

namespace polezero {

inline constexpr Rgb kOlive{85, 85, 0};

// The blue axes through the origin, rows and columns 20 .. 239, drawn over
// whatever lies there.
void DrawAxes(Surface& surface);

// Fills the z-plane canvas white, draws the unit circle (black ring, white
// inside), the axes, then each zero as a small ring and each pole as a ring
// with a red cross reaching 4 pixels left and up and 3 right and down; zeros
// before poles, each kind in placement order. A marker near the canvas edge
// reaches past the white fill, and what it left there is never cleared.
void DrawZPlane(Surface& surface, std::span<const PixelPoint> zeros,
                std::span<const PixelPoint> poles);

// Fills the response canvas white and draws, from the normalised samples n
// (NormaliseResponse):
// - pass-band bars: a toggle that starts on and flips at every sample above
//   0.707, across bands; while it is on, the sample gets a dotted bar in its
//   column, dot j (j = 1, 2, ...) at row 452 - 2j coloured (170, 3j, 170),
//   up to the first j with 2j >= 150 n;
// - the curve from (50, 450) through (50 + k, trunc(450 - 150 n_k)), with
//   the blue axis pixel (50 + k, 450) and the red -3 dB pixel (50 + k, 343)
//   set after each segment;
// - last, rows 450 up to 301 of the blue magnitude axis in column 50 and of
//   the olive peak marker in column 50 + peakIndex (0 .. 599).
void DrawResponse(Surface& surface, std::span<const double, kSampleCount> normalised,
                  int peakIndex);

// Both pictures of a design, as a press draws them, normalised by the
// sample at `peakIndex` (PeakOf).
void DrawDesign(Surface& surface, const Design& design, int peakIndex);

}  // namespace polezero
