#include "polezero/designer.h"

#include "core/workspace.h"
#include "polezero/geometry.h"
#include "polezero/pictures.h"
#include "polezero/response.h"

namespace polezero {

void InitialiseDesign()
{
    ResetResponse();
    g_zeroCount = 1;
    g_poleCount = 1;
    g_placeZeros = true;
}

void SetPlaceZeros(bool zeros)
{
    g_placeZeros = zeros;
}

PressOutcome PressCanvas(Surface& surface, int x, int y)
{
    if (!InDesignArea(x, y)) {
        return PressOutcome::Outside;
    }
    const bool zero = g_placeZeros;
    std::int32_t& count = zero ? g_zeroCount : g_poleCount;
    // Slot 0 is never used, so 499 markers of a kind fit.
    if (count < 1 || count >= kMarkerCapacity) {
        return PressOutcome::TableFull;
    }
    ApplyMarker(x, y, zero);
    DrawResponse(surface, g_response);
    (zero ? g_zeros : g_poles)[static_cast<std::size_t>(count)] = PixelPoint{x, y};
    ++count;
    DrawZPlane(surface);
    return PressOutcome::Placed;
}

void ResetDesign(Surface& surface)
{
    ResetResponse();
    surface.Ellipse(kCircleLeft, kCircleTop, kCircleRight, kCircleBottom);
    g_zeroCount = 1;
    g_poleCount = 1;
    DrawAxes(surface);
}

}  // namespace polezero
