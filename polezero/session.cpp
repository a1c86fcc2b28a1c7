#include "polezero/session.h"

#include "polezero/dialog_face.h"

namespace polezero {

namespace {

Raster FaceRaster(bool controlFrames)
{
    Raster face(kClientWidth, kClientHeight, kDialogFace);
    Surface surface(face);
    DrawDialogFace(surface, controlFrames);
    return face;
}

}  // namespace

DesignerSession::DesignerSession(bool controlFrames)
    : m_face(FaceRaster(controlFrames)), m_client(m_face)
{
    Open();
}

void DesignerSession::Open()
{
    InitialiseDesign();
    m_client = m_face;
    m_readout = {};
}

void DesignerSession::PlaceZeros()
{
    SetPlaceZeros(true);
}

void DesignerSession::PlacePoles()
{
    SetPlaceZeros(false);
}

PressOutcome DesignerSession::Press(int x, int y)
{
    Surface surface(m_client);
    return PressCanvas(surface, x, y);
}

void DesignerSession::Move(int x, int y)
{
    m_readout = ReadPointer(x, y);
}

void DesignerSession::Reset()
{
    Surface surface(m_client);
    ResetDesign(surface);
}

PressOutcome DesignerSession::Apply(const DesignerEvent& event)
{
    switch (event.kind) {
    case DesignerEvent::Kind::Zeros: PlaceZeros(); break;
    case DesignerEvent::Kind::Poles: PlacePoles(); break;
    case DesignerEvent::Kind::Press: return Press(event.x, event.y);
    case DesignerEvent::Kind::Move: Move(event.x, event.y); break;
    case DesignerEvent::Kind::Reset: Reset(); break;
    case DesignerEvent::Kind::Open: Open(); break;
    }
    return PressOutcome::Outside;
}

void DesignerSession::Uncover(int left, int top, int right, int bottom)
{
    m_client.CopyFrom(m_face, left, top, right, bottom);
}

}  // namespace polezero
