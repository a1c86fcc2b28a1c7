// One opened designer dialog without a window: its design, undo and redo,
// its client area as a raster, the lines of its two list boxes, and the
// events a user gives it. The dialog forwards its events here and shows the
// result; vorlen-render replays a script of events through the same class.
//
// Events and their coordinates are in picture pixels, the dialog's logical
// pixels. The client area may have `scale` raster pixels to each of them
// (the dialog on a desktop at GDK_SCALE=2): every drawing event is then
// drawn at that scale through the vector path (DrawAtScale), with lines
// `scale` pixels wide, and still draws over what the last one left, as the
// written designer does. At scale 1 it is the exact raster.
//
// The session's design is the designer's only state. After every event the
// session also writes it into the workspace fields of the written designer
// (g_zeros, g_poles, g_zeroCount, g_poleCount, g_placeZeros, g_response,
// g_responsePeakIndex), for code that reads them; it never reads them back.
#pragma once

#include <cstdint>
#include <functional>
#include <optional>
#include <vector>

#include "picture/draw_at_scale.h"
#include "picture/raster.h"
#include "picture/surface.h"
#include "picture/vector_picture.h"
#include "polezero/design.h"
#include "polezero/designer.h"
#include "polezero/readout.h"
#include "polezero/undo_history.h"

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
    // frames and empty list boxes. `controlFrames`: whether the client area
    // also shows the black frames among the controls (the dialog does;
    // vorlen-render draws no controls). `scale`: raster pixels per picture
    // pixel, from 1. `recordShapes`: whether the session also keeps what it
    // draws as shapes (RecordedShapes), for SVG and PDF. Throws
    // std::invalid_argument for a scale below 1.
    // `tools` draw every picture and must outlive the session.
    explicit DesignerSession(const PictureTools& tools, bool controlFrames, int scale = 1,
                             bool recordShapes = false);

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
    bool CanUndo() const { return m_history.CanUndo(); }
    bool CanRedo() const { return m_history.CanRedo(); }
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
    bool Dragging() const { return m_drag.has_value(); }

    // Runs one event; the outcome of a press or a pair, Outside for the
    // others.
    PressOutcome Apply(const DesignerEvent& event);

    // What the window system shows of a region it asks to repaint, given in
    // picture pixels: the controls and the empty frames, never the
    // pictures. Only the raster: the recorded shapes are what the events
    // drew.
    void Uncover(int left, int top, int right, int bottom);

    const Design& CurrentDesign() const { return m_design; }
    // Width and height are the client area's times Scale().
    const Raster& ClientArea() const { return m_client; }
    int Scale() const { return m_scale; }
    // The client area as shapes on a page of its size in picture pixels:
    // the face as the last opening drew it, then every drawing since, in
    // order (without the shapes that later ones wholly cover). Null unless
    // the session records shapes.
    const VectorPicture* RecordedShapes();
    const PointerReadout& Readout() const { return m_readout; }

private:
    struct DragState {
        Design before;  // the design when the drag began
        PixelPoint from;
        KnownDistances distances;  // of before.markers
    };

    PressOutcome PressOnce(int x, int y);
    // Puts an undone or redone design in place and redraws; false for none.
    bool Restore(std::optional<Design> design);
    // Puts `markers` in place of the design's, records `before` for undo
    // when they differ, and redraws.
    void Change(std::vector<Marker> markers);
    // The design as it now is, drawn on the empty frames.
    void RedrawOnEmptyFrames();
    // Runs `draw` on the client area at the session's scale, and on the
    // recorded shapes.
    void Draw(const std::function<void(Surface&)>& draw);
    void Publish() const;

    const PictureTools* m_tools;
    bool m_controlFrames;
    int m_scale;
    Raster m_face;                           // the client area as a fresh dialog shows it
    Raster m_client;                         // what is on the screen now
    std::optional<VectorRecorder> m_shapes;  // since the last opening, when recorded
    PointerReadout m_readout;
    Design m_design;
    UndoHistory m_history;
    bool m_pairs = false;
    std::optional<DragState> m_drag;
};

}  // namespace polezero
