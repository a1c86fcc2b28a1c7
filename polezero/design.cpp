#include "polezero/design.h"

#include <algorithm>
#include <utility>

namespace polezero {

int CountOf(const Design& design, MarkerKind kind)
{
    return static_cast<int>(std::count_if(design.markers.begin(), design.markers.end(),
                                          [kind](const Marker& m) { return m.kind == kind; }));
}

std::vector<PixelPoint> MarkersOf(const Design& design, MarkerKind kind)
{
    std::vector<PixelPoint> points;
    for (const Marker& marker : design.markers) {
        if (marker.kind == kind) {
            points.push_back(marker.at);
        }
    }
    return points;
}

bool HasRoomFor(const Design& design, MarkerKind kind)
{
    return CountOf(design, kind) < kMostMarkersOfAKind;
}

void AddMarker(Design& design, Marker marker)
{
    ApplyMarker(design.response, marker.at.x, marker.at.y, marker.kind == MarkerKind::Zero);
    design.markers.push_back(marker);
}

KnownDistances DistancesOf(const std::vector<Marker>& markers)
{
    KnownDistances known;
    known.at.reserve(markers.size());
    known.distances.reserve(markers.size());
    for (const Marker& marker : markers) {
        known.at.push_back(marker.at);
        known.distances.push_back(DistancesFrom(marker.at.x, marker.at.y));
    }
    return known;
}

void SetMarkers(Design& design, std::vector<Marker> markers, const KnownDistances* known)
{
    design.response = EmptyResponse();
    for (std::size_t i = 0; i < markers.size(); ++i) {
        const Marker& marker = markers[i];
        const bool zero = marker.kind == MarkerKind::Zero;
        if (known != nullptr && i < known->at.size() && known->at[i] == marker.at) {
            ApplyDistances(design.response, known->distances[i], zero);
        } else {
            ApplyMarker(design.response, marker.at.x, marker.at.y, zero);
        }
    }
    design.markers = std::move(markers);
}

ScaledValue PeakOf(const Design& design, int peakIndex)
{
    const ScaledValue value = SampleValue(design.response, peakIndex);
    // With no sample above 0 the index is left from before and the picture
    // normalises by 0.
    return value.mantissa > 0.0 ? value : ScaledValue{};
}

std::array<double, kSampleCount> NormalisedResponse(const Design& design, int peakIndex)
{
    return NormaliseResponse(design.response, PeakOf(design, peakIndex));
}

}  // namespace polezero
