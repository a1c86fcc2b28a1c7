// The pole-zero designer's events: what opening the dialog, the two radio
// buttons, a press on the canvas and Reset do to the design in the
// workspace and to the pictures on the dialog's client area.
//
// The design lives in the workspace: g_placeZeros, g_zeroCount and
// g_poleCount, the markers in g_zeros and g_poles (slots 1 .. count - 1, in
// placement order) and the un-normalised response g_response.
#pragma once

#include "core/surface.h"

namespace polezero {

// Each opening of the dialog: an empty design (every response sample 1.0,
// no markers) in zero placement. Nothing is drawn.
void InitialiseDesign();

// The radio buttons: a press places a zero (true) or a pole (false).
// Nothing is redrawn and no marker changes.
void SetPlaceZeros(bool zeros);

enum class PressOutcome {
    Placed,     // a marker was added and both pictures redrawn
    Outside,    // outside the design area: nothing changes
    TableFull,  // the table of the marker kind holds 499 markers already:
                // nothing changes (the dialog rings the bell)
};

// A left press at client pixel (x, y): inside the design area it applies the
// new marker's factor to the response, draws the response, stores the
// marker and draws the z-plane.
PressOutcome PressCanvas(Surface& surface, int x, int y);

// "Reset" and Esc: an empty design, drawn as the unit circle's white disc
// and the axes only. The z-plane canvas is not filled, so markers outside
// the unit circle stay on the screen until the next press redraws it; the
// response picture and the placement mode stay as they are.
void ResetDesign(Surface& surface);

}  // namespace polezero
