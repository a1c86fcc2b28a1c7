// The designer's design and what changes it, without pictures: presses,
// Reset, removing, dragging and loading markers, undo and redo. The
// session (session.h) decides what each change draws.
//
// A change for undo is whatever one gesture did to the markers: a press or
// a pair, a removal, a drag, Reset, a loaded design. A gesture that leaves
// the markers as they were records nothing.
#pragma once

#include <optional>
#include <vector>

#include "polezero/design.h"
#include "polezero/designer.h"
#include "polezero/undo_history.h"

namespace polezero {

class DesignEditor {
public:
    const Design& Current() const { return m_design; }

    // An empty design, no undo or redo, no drag.
    void Open();

    // One press of `kind` at (x, y), as the written designer makes it. It
    // is part of the change that Commit ends (a pair is two presses).
    PressOutcome Place(MarkerKind kind, int x, int y);
    // Ends a change begun when the design was `before`: kept for undo when
    // the markers differ, and a new change empties redo.
    void Commit(Design before);

    // Reset: an empty design; a change when there were markers.
    void Clear();

    // These apply an edit of the markers (design_edit.h) and say whether
    // one applied; the design is then rebuilt from the markers, so that it
    // equals a fresh one into which they were pressed in order.
    bool Remove(int x, int y, bool pairs);
    bool Move(PixelPoint from, PixelPoint to, bool pairs);
    // Replaces the markers (at most 499 of a kind, all in the design area,
    // as the design file reader guarantees); anything else is refused and
    // changes nothing.
    bool Load(std::vector<Marker> markers);

    // Put the design before the latest change back, or the one the latest
    // undo left; false when there is none.
    bool Undo();
    bool Redo();
    bool CanUndo() const { return m_history.CanUndo(); }
    bool CanRedo() const { return m_history.CanRedo(); }

    // A drag in steps: the press picks a marker (false: none there); each
    // step puts it at the pointer, or where it was while the pointer is
    // outside the design area, and says whether the markers changed; the
    // release keeps the result as one change; a lost drag puts the design
    // back (true when it had moved).
    bool BeginDrag(int x, int y);
    bool DragTo(int x, int y, bool pairs);
    void EndDrag();
    bool CancelDrag();
    bool Dragging() const { return m_drag.has_value(); }

private:
    struct DragState {
        Design before;  // the design when the drag began
        PixelPoint from;
        KnownDistances distances;  // of before.markers
    };

    // Puts `markers` in place of the design's as one change.
    void Change(std::vector<Marker> markers);
    bool Restore(std::optional<Design> design);

    Design m_design;
    UndoHistory m_history;
    std::optional<DragState> m_drag;
};

}  // namespace polezero
