#include "polezero/design_editor.h"

#include <utility>

#include "polezero/design_edit.h"
#include "polezero/geometry.h"

namespace polezero {

namespace {

bool IsLoadable(const std::vector<Marker>& markers)
{
    int zeros = 0;
    int poles = 0;
    for (const Marker& marker : markers) {
        if (!InDesignArea(marker.at.x, marker.at.y)) {
            return false;
        }
        ++(marker.kind == MarkerKind::Zero ? zeros : poles);
    }
    return zeros <= kMostMarkersOfAKind && poles <= kMostMarkersOfAKind;
}

}  // namespace

void DesignEditor::Open()
{
    m_design = Design{};
    m_history.Clear();
    m_drag.reset();
}

PressOutcome DesignEditor::Place(MarkerKind kind, int x, int y)
{
    return PlaceMarker(m_design, kind, x, y);
}

void DesignEditor::Commit(Design before)
{
    if (m_design.markers != before.markers) {
        m_history.Record(std::move(before));
    }
}

void DesignEditor::Clear()
{
    Design before = m_design;
    ClearDesign(m_design);
    Commit(std::move(before));
}

void DesignEditor::Change(std::vector<Marker> markers)
{
    Design before = m_design;
    SetMarkers(m_design, std::move(markers));
    Commit(std::move(before));
}

bool DesignEditor::Remove(int x, int y, bool pairs)
{
    auto kept = RemovedAt(m_design.markers, x, y, pairs);
    if (kept) {
        Change(std::move(*kept));
    }
    return kept.has_value();
}

bool DesignEditor::Move(PixelPoint from, PixelPoint to, bool pairs)
{
    auto moved = DraggedTo(m_design.markers, from, to, pairs);
    if (moved) {
        Change(std::move(*moved));
    }
    return moved.has_value();
}

bool DesignEditor::Load(std::vector<Marker> markers)
{
    if (!IsLoadable(markers)) {
        return false;
    }
    Change(std::move(markers));
    return true;
}

bool DesignEditor::Restore(std::optional<Design> design)
{
    if (!design) {
        return false;
    }
    m_design = std::move(*design);
    return true;
}

bool DesignEditor::Undo()
{
    return Restore(m_history.Undo(m_design));
}

bool DesignEditor::Redo()
{
    return Restore(m_history.Redo(m_design));
}

bool DesignEditor::BeginDrag(int x, int y)
{
    if (!PickMarker(m_design.markers, x, y)) {
        return false;
    }
    m_drag = DragState{m_design, PixelPoint{x, y}, DistancesOf(m_design.markers)};
    return true;
}

bool DesignEditor::DragTo(int x, int y, bool pairs)
{
    if (!m_drag) {
        return false;
    }
    const auto moved = DraggedTo(m_drag->before.markers, m_drag->from, PixelPoint{x, y}, pairs);
    const std::vector<Marker>& wanted = moved ? *moved : m_drag->before.markers;
    if (wanted == m_design.markers) {
        return false;
    }
    if (moved) {
        SetMarkers(m_design, wanted, &m_drag->distances);
    } else {
        m_design = m_drag->before;
    }
    return true;
}

void DesignEditor::EndDrag()
{
    if (m_drag) {
        Commit(std::move(m_drag->before));
        m_drag.reset();
    }
}

bool DesignEditor::CancelDrag()
{
    if (!m_drag) {
        return false;
    }
    const bool moved = m_design.markers != m_drag->before.markers;
    if (moved) {
        m_design = std::move(m_drag->before);
    }
    m_drag.reset();
    return moved;
}

}  // namespace polezero
