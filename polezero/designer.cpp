#include "polezero/designer.h"

#include "polezero/geometry.h"
#include "polezero/pictures.h"

namespace polezero {

PressOutcome PressCanvas(Design& design, Surface& surface, int x, int y)
{
    if (!InDesignArea(x, y)) {
        return PressOutcome::Outside;
    }
    const MarkerKind kind = design.placeZeros ? MarkerKind::Zero : MarkerKind::Pole;
    if (!HasRoomFor(design, kind)) {
        return PressOutcome::TableFull;
    }
    AddMarker(design, Marker{kind, PixelPoint{x, y}});
    DrawDesign(surface, design);
    return PressOutcome::Placed;
}

void ResetDesign(Design& design, Surface& surface)
{
    design.response = EmptyResponse();
    design.markers.clear();
    surface.Ellipse(kCircleLeft, kCircleTop, kCircleRight, kCircleBottom);
    DrawAxes(surface);
}

}  // namespace polezero
