// Undo and redo for the designer: stacks of whole design values. Restoring
// a value gives back exactly the design it was, response included, so an
// undone design is bit for bit what it had been.
#pragma once

#include <cstddef>
#include <deque>
#include <optional>
#include <vector>

#include "polezero/design.h"

namespace polezero {

class UndoHistory {
public:
    // The oldest changes are forgotten beyond this many (a design value is
    // some 7 KB and more with many markers).
    static constexpr std::size_t kMostSteps = 1000;

    // A change was made; `before` is what undoing it brings back. Empties
    // the redo stack.
    void Record(Design before);

    // The design before the latest change, or nothing when there is none;
    // `current` becomes what redo brings back.
    std::optional<Design> Undo(Design current);
    // The design the latest undo left, or nothing; `current` goes back onto
    // the undo stack.
    std::optional<Design> Redo(Design current);

    void Clear();
    bool CanUndo() const { return !m_undo.empty(); }
    bool CanRedo() const { return !m_redo.empty(); }

private:
    void Push(Design design);

    std::deque<Design> m_undo;
    std::vector<Design> m_redo;
};

}  // namespace polezero
