// The design's markers as they stand in the workspace.
#pragma once

#include <span>

#include "workspace/workspace.h"

namespace polezero {

// The zeros and the poles in placement order: slots 1 .. count - 1 of
// g_zeros and g_poles, never past the tables' ends.
std::span<const PixelPoint> PlacedZeros();
std::span<const PixelPoint> PlacedPoles();

}  // namespace polezero
