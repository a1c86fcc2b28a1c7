// One opened designer dialog without a window: its client area as a raster,
// the lines of its two list boxes, and the events a user gives it. The
// dialog forwards its events here and shows the result; vorlen-render
// replays a script of events through the same class.
#pragma once

#include <cstdint>
#include <vector>

#include "core/raster.h"
#include "polezero/designer.h"
#include "polezero/readout.h"

namespace polezero {

struct DesignerEvent {
    enum class Kind {
        Zeros,  // radio button "Postavljanje NULA"
        Poles,  // radio button "Postavljanje POLOVA"
        Press,  // left press at (x, y)
        Move,   // pointer move to (x, y)
        Reset,  // button "Reset" or Esc
        Open,   // the dialog closed and opened again
    };
    Kind kind;
    std::int32_t x = 0;
    std::int32_t y = 0;
};

class DesignerSession {
public:
    // Opens the dialog: an empty design in zero placement, empty canvas
    // frames and empty list boxes. `controlFrames`: whether the client area
    // also shows the black frames among the controls (the dialog does;
    // vorlen-render draws no controls).
    explicit DesignerSession(bool controlFrames);

    void Open();
    void PlaceZeros();
    void PlacePoles();
    PressOutcome Press(int x, int y);
    void Move(int x, int y);
    void Reset();
    // Runs one event; the outcome of a press, Outside for the others.
    PressOutcome Apply(const DesignerEvent& event);

    // What the window system shows of a region it asks to repaint: the
    // controls and the empty frames, never the pictures.
    void Uncover(int left, int top, int right, int bottom);

    const Raster& ClientArea() const { return m_client; }
    const PointerReadout& Readout() const { return m_readout; }

private:
    Raster m_face;    // the client area as a fresh dialog shows it
    Raster m_client;  // what is on the screen now
    PointerReadout m_readout;
};

}  // namespace polezero
