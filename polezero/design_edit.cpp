#include "polezero/design_edit.h"

#include <algorithm>
#include <cstdint>
#include <cstdlib>

#include "polezero/geometry.h"

namespace polezero {

std::optional<std::size_t> PickMarker(std::span<const Marker> markers, int x, int y)
{
    std::optional<std::size_t> picked;
    std::int64_t nearest = std::int64_t{kPickRadius} * kPickRadius;
    for (std::size_t i = 0; i < markers.size(); ++i) {
        // In 64 bits: the pointer may lie anywhere a 32-bit pixel can.
        const std::int64_t dx = std::int64_t{markers[i].at.x} - x;
        const std::int64_t dy = std::int64_t{markers[i].at.y} - y;
        if (std::llabs(dx) > kPickRadius || std::llabs(dy) > kPickRadius) {
            continue;
        }
        const std::int64_t squared = dx * dx + dy * dy;
        // "<=": a later marker at the same distance wins.
        if (squared <= nearest) {
            nearest = squared;
            picked = i;
        }
    }
    return picked;
}

std::optional<std::size_t> MirrorPartner(std::span<const Marker> markers, std::size_t index)
{
    const Marker& marker = markers[index];
    if (marker.at.y == kOriginY) {
        return std::nullopt;
    }
    const PixelPoint mirror{marker.at.x, MirrorRow(marker.at.y)};
    for (std::size_t i = markers.size(); i-- > 0;) {
        if (i != index && markers[i].kind == marker.kind && markers[i].at == mirror) {
            return i;
        }
    }
    return std::nullopt;
}

std::optional<std::vector<Marker>> RemovedAt(std::span<const Marker> markers, int x, int y,
                                             bool pairs)
{
    const auto picked = PickMarker(markers, x, y);
    if (!picked) {
        return std::nullopt;
    }
    const auto partner = pairs ? MirrorPartner(markers, *picked) : std::nullopt;
    std::vector<Marker> kept;
    for (std::size_t i = 0; i < markers.size(); ++i) {
        if (i != *picked && i != partner) {
            kept.push_back(markers[i]);
        }
    }
    return kept;
}

std::optional<std::vector<Marker>> DraggedTo(std::span<const Marker> markers, PixelPoint from,
                                             PixelPoint to, bool pairs)
{
    const auto picked = PickMarker(markers, from.x, from.y);
    if (!picked || !InDesignArea(to.x, to.y)) {
        return std::nullopt;
    }
    const auto partner = pairs ? MirrorPartner(markers, *picked) : std::nullopt;
    const PixelPoint mirror{to.x, MirrorRow(to.y)};
    if (partner && !InDesignArea(mirror.x, mirror.y)) {
        return std::nullopt;
    }
    std::vector<Marker> moved(markers.begin(), markers.end());
    moved[*picked].at = to;
    if (partner) {
        moved[*partner].at = mirror;
    }
    if (std::equal(moved.begin(), moved.end(), markers.begin(), markers.end())) {
        return std::nullopt;
    }
    return moved;
}

}  // namespace polezero
