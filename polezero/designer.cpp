#include "polezero/designer.h"

#include "polezero/geometry.h"
#include "polezero/pictures.h"

namespace polezero {

PressOutcome PlaceMarker(Design& design, int x, int y)
{
    if (!InDesignArea(x, y)) {
        return PressOutcome::Outside;
    }
    const MarkerKind kind = design.placeZeros ? MarkerKind::Zero : MarkerKind::Pole;
    if (!HasRoomFor(design, kind)) {
        return PressOutcome::TableFull;
    }
    AddMarker(design, Marker{kind, PixelPoint{x, y}});
    return PressOutcome::Placed;
}

void ClearDesign(Design& design)
{
    design.response = EmptyResponse();
    design.markers.clear();
}

void DrawReset(Surface& surface)
{
    surface.Ellipse(kCircleLeft, kCircleTop, kCircleRight, kCircleBottom);
    DrawAxes(surface);
}

}  // namespace polezero
