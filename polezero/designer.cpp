#include "polezero/designer.h"

#include "polezero/geometry.h"
#include "polezero/pictures.h"

namespace polezero {

PressOutcome PlaceMarker(Design& design, MarkerKind kind, int x, int y)
{
    if (!InDesignArea(x, y)) {
        return PressOutcome::Outside;
    }
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
