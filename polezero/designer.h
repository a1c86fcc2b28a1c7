// The written designer's two drawing events on a design: a press on the
// canvas and Reset, each as the change it makes to the design and the
// drawing it makes on the client area. Opening the dialog is a fresh
// Design; the radio buttons choose the kind a press places.
#pragma once

#include "picture/surface.h"
#include "polezero/design.h"

namespace polezero {

enum class PressOutcome {
    Placed,     // a marker was added and both pictures redrawn
    Outside,    // outside the design area: nothing changes
    TableFull,  // the design holds 499 markers of that kind already:
                // nothing changes (the dialog rings the bell)
    // A pair of which only the first marker found room: it was placed and
    // drawn, its mirror refused (the dialog rings the bell).
    PlacedOneOfPair,
};

// A left press at client pixel (x, y): inside the design area it adds a
// marker of `kind`. When it is Placed, the press draws both pictures:
// DrawDesign (pictures.h), the response first, then the z-plane with every
// marker.
PressOutcome PlaceMarker(Design& design, MarkerKind kind, int x, int y);

// "Reset" and Esc: an empty design. The response picture stays as it is.
void ClearDesign(Design& design);

// What Reset draws: the unit circle's white disc and the axes only. The
// z-plane canvas is not filled, so markers outside the unit circle stay on
// the screen until the next press redraws it, and so does the response.
void DrawReset(Surface& surface);

}  // namespace polezero
