#include "polezero/markers.h"

#include <algorithm>
#include <array>
#include <cstdint>

namespace polezero {

namespace {

std::span<const PixelPoint> Placed(const std::array<PixelPoint, kMarkerCapacity>& table,
                                   std::int32_t count)
{
    const std::int32_t end = std::clamp<std::int32_t>(count, 1, kMarkerCapacity);
    return std::span<const PixelPoint>(table).subspan(1, static_cast<std::size_t>(end - 1));
}

}  // namespace

std::span<const PixelPoint> PlacedZeros()
{
    return Placed(g_zeros, g_zeroCount);
}

std::span<const PixelPoint> PlacedPoles()
{
    return Placed(g_poles, g_poleCount);
}

}  // namespace polezero
