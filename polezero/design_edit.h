// Edits of a design's markers beyond placing them: picking the marker under
// the pointer, its mirror partner, removing and moving. Each gives the new
// list of markers, or nothing when the edit changes nothing; the caller
// rebuilds the design from the list (SetMarkers).
#pragma once

#include <cstddef>
#include <optional>
#include <span>
#include <vector>

#include "polezero/design.h"

namespace polezero {

// A marker is picked within this distance of its centre, in pixels.
inline constexpr int kPickRadius = 5;

// The marker (of either kind) whose centre is nearest to (x, y), if it lies
// within kPickRadius (Euclidean); of equal distances the latest placed.
std::optional<std::size_t> PickMarker(std::span<const Marker> markers, int x, int y);

// The partner of markers[index] in a conjugate pair: the latest other
// marker of the same kind exactly at its mirror (x, 260 - y). A marker on
// the real axis is its own mirror and has none.
std::optional<std::size_t> MirrorPartner(std::span<const Marker> markers, std::size_t index);

// Removes the marker picked at (x, y), and with `pairs` also its partner.
// Nothing picked: nothing.
std::optional<std::vector<Marker>> RemovedAt(std::span<const Marker> markers, int x, int y,
                                             bool pairs);

// Moves the marker picked at `from` to `to`, keeping its place in the
// order; with `pairs` its partner moves to (to.x, 260 - to.y). Nothing
// picked, `to` outside the design area, the partner's place outside it, or
// nothing moved: nothing.
std::optional<std::vector<Marker>> DraggedTo(std::span<const Marker> markers, PixelPoint from,
                                             PixelPoint to, bool pairs);

}  // namespace polezero
