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
    FindResponsePeak(design.response, design.peakIndex);
    design.markers.push_back(marker);
}

void SetMarkers(Design& design, std::vector<Marker> markers)
{
    design.response = EmptyResponse();
    for (const Marker& marker : markers) {
        ApplyMarker(design.response, marker.at.x, marker.at.y, marker.kind == MarkerKind::Zero);
    }
    // The peak search of each press in between leaves nothing behind: the
    // last one finds a sample above 0 in any design (Design::peakIndex), and
    // with it the peak. An empty design is drawn as a press draws it, with
    // the peak of the all-ones response.
    FindResponsePeak(design.response, design.peakIndex);
    design.markers = std::move(markers);
}

ScaledValue PeakOf(const Design& design)
{
    const ScaledValue value = SampleValue(design.response, design.peakIndex);
    // With no sample above 0 the index is left from before and the picture
    // normalises by 0.
    return value.mantissa > 0.0 ? value : ScaledValue{};
}

std::array<double, kSampleCount> NormalisedResponse(const Design& design)
{
    return NormaliseResponse(design.response, PeakOf(design));
}

}  // namespace polezero
