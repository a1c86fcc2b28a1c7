// One opened designer dialog without a window: its editor (the design, undo
// and redo), its canvas (the client area), the placement mode, the lines of
// its two list boxes, and the events a user gives it. The dialog forwards
// its events here and shows the result; vorlen-render and the browser page
// replay events through the same class.
#pragma once

#include <cstdint>

#include "polezero/design.h"
#include "polezero/design_editor.h"
#include "polezero/designer.h"
#include "polezero/designer_canvas.h"
#include "polezero/readout.h"

namespace polezero {

struct DesignerEvent {
    enum class Kind {
        Zeros,     // radio button "Postavljanje NULA"
        Poles,     // radio button "Postavljanje POLOVA"
        Press,     // left press at (x, y)
        Move,      // pointer move to (x, y)
        Reset,     // button "Reset" or Esc
        Open,      // the dialog closed and opened again
        Pair,      // Shift + left press at (x, y)
        PairsOn,   // context menu "Konjugovani parovi" checked
        PairsOff,  // ... and cleared
        Remove,    // "Ukloni marker" or Delete with the pointer at (x, y)
        Drag,      // Ctrl + press at (x, y), drag, release at (x2, y2)
        Undo,      // Ctrl+Z
        Redo,      // Ctrl+Y
    };
    Kind kind;
    std::int32_t x = 0;
    std::int32_t y = 0;
    std::int32_t x2 = 0;
    std::int32_t y2 = 0;
};

class DesignerSession {
public:
    // Opens the dialog: an empty design in zero placement, empty canvas
    // frames and empty list boxes. Throws as DesignerCanvas does.
    explicit DesignerSession(const DesignerOptions& options);

    // The written events.
    void Open();  // also: pair mode off, no undo or redo
    void PlaceZeros();
    void PlacePoles();
    // In pair mode a press places a pair (Pair).
    PressOutcome Press(int x, int y);
    void Move(int x, int y);
    void Reset();

    // Editing. Each of these, like a press and Reset, is one change for
    // undo when it changes the markers; one that leaves them as they were
    // changes nothing at all. After remove, drag, undo, redo and load the
    // response is rebuilt from the markers and both pictures are drawn on
    // the empty frames, so the dialog equals a fresh one into which the
    // markers were pressed in order.

    // (x, y) and, when y is not 130 and (x, 260 - y) lies in the design
    // area, its mirror: exactly two presses, of the current kind. Placed
    // when the first press placed its marker.
    PressOutcome Pair(int x, int y);
    void SetPairs(bool on);
    bool Pairs() const { return m_pairs; }
    // These three say whether they changed the design (and redrew).
    bool Remove(int x, int y);
    bool Undo();
    bool Redo();
    void Drag(int x1, int y1, int x2, int y2);
    bool CanUndo() const { return m_editor.CanUndo(); }
    bool CanRedo() const { return m_editor.CanRedo(); }
    // Replaces the markers with these (at most 499 of a kind, all in the
    // design area, as the design file reader guarantees); the mode stays.
    // Anything else is refused (false) and changes nothing.
    bool Load(std::vector<Marker> markers);

    // A drag in steps, as the dialog sees it: the press picks a marker
    // (false: none under the pointer, nothing happens until the release);
    // every move redraws the design with the marker at the pointer (where it
    // was while the pointer is outside the design area); the release keeps
    // that as one change; a lost drag puts the design back. DragTo says
    // whether it redrew, and so do EndDrag and CancelDrag.
    bool BeginDrag(int x, int y);
    bool DragTo(int x, int y);
    bool EndDrag(int x, int y);
    bool CancelDrag();
    bool Dragging() const { return m_editor.Dragging(); }

    // Runs one event; the outcome of a press or a pair, Outside for the
    // others.
    PressOutcome Apply(const DesignerEvent& event);

    // What the window system shows of a region it asks to repaint
    // (DesignerCanvas::Uncover).
    void Uncover(int left, int top, int right, int bottom)
    {
        m_canvas.Uncover(left, top, right, bottom);
    }

    const Design& CurrentDesign() const { return m_editor.Current(); }
    // What the next press places.
    bool PlacingZeros() const { return m_placeZeros; }
    // The sample the response picture is normalised by: where the last
    // peak search left it. An opening and Reset keep it, as the written
    // designer does.
    int PeakIndex() const { return m_peakIndex; }
    const Raster& ClientArea() const { return m_canvas.ClientArea(); }
    int Scale() const { return m_canvas.Scale(); }
    const VectorPicture* RecordedShapes() { return m_canvas.RecordedShapes(); }
    const PointerReadout& Readout() const { return m_readout; }

private:
    PressOutcome PressOnce(int x, int y);
    // Finds the peak again and draws both pictures, over what the canvases
    // show (a press) or on the empty frames (every other change).
    enum class Over { WhatIsThere, EmptyFrames };
    void DrawPictures(Over over);

    DesignEditor m_editor;
    DesignerCanvas m_canvas;
    PointerReadout m_readout;
    bool m_placeZeros = true;
    bool m_pairs = false;
    int m_peakIndex = 0;
};

}  // namespace polezero
