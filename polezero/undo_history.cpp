#include "polezero/undo_history.h"

#include <utility>

namespace polezero {

void UndoHistory::Push(Design design)
{
    m_undo.push_back(std::move(design));
    if (m_undo.size() > kMostSteps) {
        m_undo.pop_front();
    }
}

void UndoHistory::Record(Design before)
{
    Push(std::move(before));
    m_redo.clear();
}

std::optional<Design> UndoHistory::Undo(Design current)
{
    if (m_undo.empty()) {
        return std::nullopt;
    }
    Design previous = std::move(m_undo.back());
    m_undo.pop_back();
    m_redo.push_back(std::move(current));
    return previous;
}

std::optional<Design> UndoHistory::Redo(Design current)
{
    if (m_redo.empty()) {
        return std::nullopt;
    }
    Design next = std::move(m_redo.back());
    m_redo.pop_back();
    Push(std::move(current));
    return next;
}

void UndoHistory::Clear()
{
    m_undo.clear();
    m_redo.clear();
}

}  // namespace polezero
