#include "polezero/session.h"

#include <algorithm>
#include <stdexcept>
#include <utility>

#include "polezero/design_edit.h"
#include "polezero/dialog_face.h"
#include "polezero/geometry.h"
#include "polezero/pictures.h"

namespace polezero {

namespace {

int CheckedScale(int scale)
{
    if (scale < 1) {
        throw std::invalid_argument("the scale of the designer is at least 1");
    }
    return scale;
}

Raster FaceRaster(const PictureTools& tools, bool controlFrames, int scale)
{
    Raster face(kClientWidth * scale, kClientHeight * scale, kDialogFace);
    DrawAtScale(face, scale, tools,
                [controlFrames](Surface& surface) { DrawDialogFace(surface, controlFrames); });
    return face;
}

// A coordinate of picture pixels in raster pixels, kept within the raster's
// `size` so that no product overflows.
int ToRaster(int picture, int scale, int size)
{
    return static_cast<int>(
        std::clamp(static_cast<long long>(picture) * scale, 0LL, static_cast<long long>(size)));
}

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

DesignerSession::DesignerSession(const PictureTools& tools, bool controlFrames, int scale,
                                 bool recordShapes)
    : m_tools(&tools), m_controlFrames(controlFrames), m_scale(CheckedScale(scale)),
      m_face(FaceRaster(tools, controlFrames, m_scale)), m_client(m_face)
{
    if (recordShapes) {
        m_shapes.emplace(kClientWidth, kClientHeight, tools.font);
    }
    Open();
}

void DesignerSession::Open()
{
    // Opening empties the design but, as in the written designer, leaves
    // the peak index as the last design left it.
    const int peakIndex = m_design.peakIndex;
    m_design = Design{};
    m_design.peakIndex = peakIndex;
    m_history.Clear();
    m_pairs = false;
    m_drag.reset();
    m_client = m_face;
    if (m_shapes) {
        m_shapes.emplace(kClientWidth, kClientHeight, m_tools->font);
        Surface surface(*m_shapes);
        DrawDialogFace(surface, m_controlFrames);
    }
    m_readout = {};
    Publish();
}

void DesignerSession::PlaceZeros()
{
    m_design.placeZeros = true;
    Publish();
}

void DesignerSession::PlacePoles()
{
    m_design.placeZeros = false;
    Publish();
}

PressOutcome DesignerSession::PressOnce(int x, int y)
{
    const PressOutcome outcome = PlaceMarker(m_design, x, y);
    if (outcome == PressOutcome::Placed) {
        Draw([this](Surface& surface) { DrawDesign(surface, m_design); });
    }
    return outcome;
}

PressOutcome DesignerSession::Press(int x, int y)
{
    if (m_pairs) {
        return Pair(x, y);
    }
    Design before = m_design;
    const PressOutcome outcome = PressOnce(x, y);
    if (outcome == PressOutcome::Placed) {
        m_history.Record(std::move(before));
    }
    Publish();
    return outcome;
}

PressOutcome DesignerSession::Pair(int x, int y)
{
    Design before = m_design;
    const PressOutcome first = PressOnce(x, y);
    PressOutcome second = PressOutcome::Outside;
    const int mirror = MirrorRow(y);
    if (y != kOriginY && InDesignArea(x, mirror)) {
        second = PressOnce(x, mirror);
    }
    if (first == PressOutcome::Placed || second == PressOutcome::Placed) {
        m_history.Record(std::move(before));
    }
    Publish();
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
    Design before = m_design;
    ClearDesign(m_design);
    Draw(DrawReset);
    if (!before.markers.empty()) {
        m_history.Record(std::move(before));
    }
    Publish();
}

void DesignerSession::Change(std::vector<Marker> markers)
{
    Design before = m_design;
    SetMarkers(m_design, std::move(markers));
    if (m_design.markers != before.markers) {
        m_history.Record(std::move(before));
    }
    RedrawOnEmptyFrames();
    Publish();
}

bool DesignerSession::Remove(int x, int y)
{
    auto kept = RemovedAt(m_design.markers, x, y, m_pairs);
    if (kept) {
        Change(std::move(*kept));
    }
    return kept.has_value();
}

void DesignerSession::Drag(int x1, int y1, int x2, int y2)
{
    if (auto moved = DraggedTo(m_design.markers, PixelPoint{x1, y1}, PixelPoint{x2, y2}, m_pairs)) {
        Change(std::move(*moved));
    }
}

bool DesignerSession::Load(std::vector<Marker> markers)
{
    if (!IsLoadable(markers)) {
        return false;
    }
    Change(std::move(markers));
    return true;
}

bool DesignerSession::Restore(std::optional<Design> design)
{
    if (!design) {
        return false;
    }
    // The placement mode is a setting, not part of what was changed.
    design->placeZeros = m_design.placeZeros;
    m_design = std::move(*design);
    RedrawOnEmptyFrames();
    Publish();
    return true;
}

bool DesignerSession::Undo()
{
    return Restore(m_history.Undo(m_design));
}

bool DesignerSession::Redo()
{
    return Restore(m_history.Redo(m_design));
}

bool DesignerSession::BeginDrag(int x, int y)
{
    if (!PickMarker(m_design.markers, x, y)) {
        return false;
    }
    m_drag = DragState{m_design, PixelPoint{x, y}, DistancesOf(m_design.markers)};
    return true;
}

bool DesignerSession::DragTo(int x, int y)
{
    if (!m_drag) {
        return false;
    }
    const auto moved = DraggedTo(m_drag->before.markers, m_drag->from, PixelPoint{x, y}, m_pairs);
    const std::vector<Marker>& wanted = moved ? *moved : m_drag->before.markers;
    if (wanted == m_design.markers) {
        return false;
    }
    if (moved) {
        SetMarkers(m_design, wanted, &m_drag->distances);
    } else {
        m_design = m_drag->before;
    }
    RedrawOnEmptyFrames();
    Publish();
    return true;
}

bool DesignerSession::EndDrag(int x, int y)
{
    if (!m_drag) {
        return false;
    }
    const bool redrawn = DragTo(x, y);
    if (m_design.markers != m_drag->before.markers) {
        m_history.Record(std::move(m_drag->before));
    }
    m_drag.reset();
    return redrawn;
}

bool DesignerSession::CancelDrag()
{
    if (!m_drag) {
        return false;
    }
    const bool moved = m_design.markers != m_drag->before.markers;
    if (moved) {
        m_design = std::move(m_drag->before);
        RedrawOnEmptyFrames();
        Publish();
    }
    m_drag.reset();
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

void DesignerSession::Uncover(int left, int top, int right, int bottom)
{
    const int width = m_client.Width();
    const int height = m_client.Height();
    m_client.CopyFrom(m_face, ToRaster(left, m_scale, width), ToRaster(top, m_scale, height),
                      ToRaster(right, m_scale, width), ToRaster(bottom, m_scale, height));
}

const VectorPicture* DesignerSession::RecordedShapes()
{
    return m_shapes ? &m_shapes->Picture() : nullptr;
}

void DesignerSession::RedrawOnEmptyFrames()
{
    // As a press draws it: with the peak of the response as it is, also
    // for an empty design that Reset left with an earlier design's peak.
    FindResponsePeak(m_design.response, m_design.peakIndex);
    Draw([this](Surface& surface) {
        // Every pixel a picture or a marker can reach lies inside the two
        // canvas frames.
        DrawCanvasFrames(surface);
        DrawDesign(surface, m_design);
    });
}

void DesignerSession::Draw(const std::function<void(Surface&)>& draw)
{
    DrawAtScale(m_client, m_scale, *m_tools, draw);
    if (m_shapes) {
        Surface surface(*m_shapes);
        draw(surface);
    }
}

void DesignerSession::Publish() const
{
    g_placeZeros = m_design.placeZeros;
    std::int32_t zeros = 1;
    std::int32_t poles = 1;
    for (const Marker& marker : m_design.markers) {
        std::int32_t& count = marker.kind == MarkerKind::Zero ? zeros : poles;
        auto& table = marker.kind == MarkerKind::Zero ? g_zeros : g_poles;
        table[static_cast<std::size_t>(count++)] = marker.at;
    }
    g_zeroCount = zeros;
    g_poleCount = poles;
    for (int k = 0; k < kSampleCount; ++k) {
        g_response[static_cast<std::size_t>(k)] = StoredValue(m_design.response, k);
    }
    g_responsePeakIndex = m_design.peakIndex;
}

}  // namespace polezero
