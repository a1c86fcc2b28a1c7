#include "polezero/session.h"

#include <cstdint>
#include <utility>

#include "polezero/dialog_face.h"
#include "polezero/geometry.h"
#include "polezero/pictures.h"

namespace polezero {

DesignerSession::DesignerSession(const DesignerOptions& options) : m_canvas(options)
{
    Open();
}

void DesignerSession::Open()
{
    // Opening empties the design but, as in the written designer, leaves
    // the peak index as the last design left it.
    m_editor.Open();
    m_placeZeros = true;
    m_pairs = false;
    m_canvas.Open();
    m_readout = {};
}

void DesignerSession::PlaceZeros()
{
    m_placeZeros = true;
}

void DesignerSession::PlacePoles()
{
    m_placeZeros = false;
}

PressOutcome DesignerSession::PressOnce(int x, int y)
{
    const MarkerKind kind = m_placeZeros ? MarkerKind::Zero : MarkerKind::Pole;
    const PressOutcome outcome = m_editor.Place(kind, x, y);
    if (outcome == PressOutcome::Placed) {
        DrawPictures(Over::WhatIsThere);
    }
    return outcome;
}

PressOutcome DesignerSession::Press(int x, int y)
{
    if (m_pairs) {
        return Pair(x, y);
    }
    Design before = m_editor.Current();
    const PressOutcome outcome = PressOnce(x, y);
    m_editor.Commit(std::move(before));
    return outcome;
}

PressOutcome DesignerSession::Pair(int x, int y)
{
    Design before = m_editor.Current();
    const PressOutcome first = PressOnce(x, y);
    PressOutcome second = PressOutcome::Outside;
    // In 64 bits: the mirror of a row far outside is beyond the range of int.
    const std::int64_t mirror = 2 * std::int64_t{kOriginY} - y;
    if (y != kOriginY && InDesignArea(x, mirror)) {
        second = PressOnce(x, static_cast<int>(mirror));
    }
    m_editor.Commit(std::move(before));
    if (first == PressOutcome::Placed && second == PressOutcome::TableFull) {
        return PressOutcome::PlacedOneOfPair;
    }
    if (first == PressOutcome::Outside) {
        return second;
    }
    return first;
}

void DesignerSession::SetPairs(bool on)
{
    m_pairs = on;
}

void DesignerSession::Move(int x, int y)
{
    m_readout = ReadPointer(x, y);
}

void DesignerSession::Reset()
{
    // The peak index and the response picture stay as they are.
    m_editor.Clear();
    m_canvas.Draw(DrawReset);
}

bool DesignerSession::Remove(int x, int y)
{
    const bool removed = m_editor.Remove(x, y, m_pairs);
    if (removed) {
        DrawPictures(Over::EmptyFrames);
    }
    return removed;
}

void DesignerSession::Drag(int x1, int y1, int x2, int y2)
{
    if (m_editor.Move(PixelPoint{x1, y1}, PixelPoint{x2, y2}, m_pairs)) {
        DrawPictures(Over::EmptyFrames);
    }
}

bool DesignerSession::Load(std::vector<Marker> markers)
{
    const bool loaded = m_editor.Load(std::move(markers));
    if (loaded) {
        DrawPictures(Over::EmptyFrames);
    }
    return loaded;
}

bool DesignerSession::Undo()
{
    const bool undone = m_editor.Undo();
    if (undone) {
        DrawPictures(Over::EmptyFrames);
    }
    return undone;
}

bool DesignerSession::Redo()
{
    const bool redone = m_editor.Redo();
    if (redone) {
        DrawPictures(Over::EmptyFrames);
    }
    return redone;
}

bool DesignerSession::BeginDrag(int x, int y)
{
    return m_editor.BeginDrag(x, y);
}

bool DesignerSession::DragTo(int x, int y)
{
    const bool moved = m_editor.DragTo(x, y, m_pairs);
    if (moved) {
        DrawPictures(Over::EmptyFrames);
    }
    return moved;
}

bool DesignerSession::EndDrag(int x, int y)
{
    if (!m_editor.Dragging()) {
        return false;
    }
    const bool redrawn = DragTo(x, y);
    m_editor.EndDrag();
    return redrawn;
}

bool DesignerSession::CancelDrag()
{
    const bool moved = m_editor.CancelDrag();
    if (moved) {
        DrawPictures(Over::EmptyFrames);
    }
    return moved;
}

PressOutcome DesignerSession::Apply(const DesignerEvent& event)
{
    using Kind = DesignerEvent::Kind;
    switch (event.kind) {
    case Kind::Zeros: PlaceZeros(); break;
    case Kind::Poles: PlacePoles(); break;
    case Kind::Press: return Press(event.x, event.y);
    case Kind::Move: Move(event.x, event.y); break;
    case Kind::Reset: Reset(); break;
    case Kind::Open: Open(); break;
    case Kind::Pair: return Pair(event.x, event.y);
    case Kind::PairsOn: SetPairs(true); break;
    case Kind::PairsOff: SetPairs(false); break;
    case Kind::Remove: Remove(event.x, event.y); break;
    case Kind::Drag: Drag(event.x, event.y, event.x2, event.y2); break;
    case Kind::Undo: Undo(); break;
    case Kind::Redo: Redo(); break;
    }
    return PressOutcome::Outside;
}

void DesignerSession::DrawPictures(Over over)
{
    // As a press draws them: with the peak of the response as it is, also
    // for an empty design that Reset left with an earlier design's peak.
    FindResponsePeak(m_editor.Current().response, m_peakIndex);
    m_canvas.Draw([this, over](Surface& surface) {
        if (over == Over::EmptyFrames) {
            // Every pixel a picture or a marker can reach lies inside the
            // two canvas frames.
            DrawCanvasFrames(surface);
        }
        DrawDesign(surface, m_editor.Current(), m_peakIndex);
    });
}

}  // namespace polezero
