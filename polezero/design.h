// A pole-zero design as a value: its markers in placement order and the
// response built from them. The designer's editor owns one; undo keeps
// earlier ones.
#pragma once

#include <array>
#include <cstddef>
#include <vector>

#include "polezero/geometry.h"
#include "polezero/response.h"

namespace polezero {

enum class MarkerKind { Zero, Pole };

struct Marker {
    MarkerKind kind;
    PixelPoint at;  // client pixel of the press
    bool operator==(const Marker&) const = default;
};

// A design holds at most this many markers of each kind (the written
// designer's tables have 500 slots, slot 0 unused).
inline constexpr int kMostMarkersOfAKind = 499;

struct Design {
    std::vector<Marker> markers;  // both kinds, in placement order
    // The factors of the markers applied in placement order, one press at a
    // time; never changed otherwise.
    Response response = EmptyResponse();
};

int CountOf(const Design& design, MarkerKind kind);

// The markers of one kind, in placement order.
std::vector<PixelPoint> MarkersOf(const Design& design, MarkerKind kind);

// Whether another marker of this kind fits (fewer than 499 placed).
bool HasRoomFor(const Design& design, MarkerKind kind);

// One accepted press: the marker's factor applied to the response, the
// marker stored last in the order.
void AddMarker(Design& design, Marker marker);

// The distances of each marker of a list (DistancesFrom), kept while a drag
// moves one or two of them: the others' need not be computed again at every
// step.
struct KnownDistances {
    std::vector<PixelPoint> at;
    std::vector<Distances> distances;
};
KnownDistances DistancesOf(const std::vector<Marker>& markers);

// The design of exactly these markers: a fresh response with every factor
// applied in order, as successive presses on a freshly opened dialog apply
// them, bit for bit. A marker that stands where the one of the same index
// in `known` stood takes its distances from there.
void SetMarkers(Design& design, std::vector<Marker> markers, const KnownDistances* known = nullptr);

// The sample at `peakIndex` (where FindResponsePeak left it) as the picture
// normalises by it: 0 when it is not above 0. Sample 1 lies on no pixel, so
// every design has a sample above 0 and the peak search after a press
// always finds one; the index is left from before only in a design no
// press has touched since (an opened or reset one).
ScaledValue PeakOf(const Design& design, int peakIndex);
// The picture's values: each sample divided by that peak.
std::array<double, kSampleCount> NormalisedResponse(const Design& design, int peakIndex);

}  // namespace polezero
