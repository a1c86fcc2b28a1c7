#include "dialogs/pole_zero_dlg.h"

#include <algorithm>

#include <wx/button.h>
#include <wx/dcbuffer.h>
#include <wx/image.h>
#include <wx/listbox.h>
#include <wx/radiobut.h>
#include <wx/region.h>
#include <wx/utils.h>

#include "polezero/dialog_face.h"

namespace {

using enum DlgControl;
using Dlg = CPoleZeroDlg;

// The canvas frames and the two black frames are part of the client area's
// picture (polezero::DrawDialogFace), not controls.
constexpr DlgItem kTemplate[] = {
    {DefaultButton, Dlg::kAcceptId, "OK", {443, 7, 50, 14}},
    {Button, Dlg::kResetButton, "Reset", {443, 24, 50, 14}},
    {FirstRadio, Dlg::kPlaceZeros, "Postavljanje NULA", {207, 22, 89, 12}},
    {Radio, Dlg::kPlacePoles, "Postavljanje POLOVA", {207, 38, 89, 12}},
    {ListBox, Dlg::kCartesianList, nullptr, {271, 76, 63, 22}},
    {CentredStatic, wxID_STATIC, "Pozicija u Dekartovim koordinatama", {183, 79, 82, 19}},
    {ListBox, Dlg::kPolarList, nullptr, {271, 108, 63, 22}},
    {CentredStatic, wxID_STATIC, "Pozicija u polarnim koordinatama", {179, 104, 82, 19}},
};

// The template's own scale, 1.5 x 1.625 pixels per unit, whatever the font:
// the designer draws at fixed client pixels.
wxRect FixedUnitsToPixels(const DlgBox& box)
{
    const polezero::PixelBox b = polezero::ToPixels({box.x, box.y, box.w, box.h});
    return wxRect(b.left, b.top, b.right - b.left, b.bottom - b.top);
}

TemplateStyle DesignerStyle()
{
    TemplateStyle style;
    style.toPixels = FixedUnitsToPixels;
    style.closeBox = false;
    // Small enough that every caption and read-out line shows whole at the
    // template's scale.
    style.font = wxFont(wxFontInfo(7).FaceName("DejaVu Sans"));
    return style;
}

}  // namespace

CPoleZeroDlg::CPoleZeroDlg(wxWindow* parent)
    : CTemplateDialog(parent, "Ad Hoc Projektovanje filtara ", wxSize(500, 319), kTemplate,
                      DesignerStyle()),
      m_session(true)
{
    SetBackgroundStyle(wxBG_STYLE_PAINT);
    // Esc resets the design instead of closing, as the Reset button does.
    SetEscapeId(wxID_NONE);
    OnEveryClick(Radio(kPlaceZeros), [this] { OnPlaceZeros(); });
    OnEveryClick(Radio(kPlacePoles), [this] { OnPlacePoles(); });
    Button(kResetButton).Bind(wxEVT_BUTTON, &CPoleZeroDlg::OnResetButton, this);
    Bind(wxEVT_INIT_DIALOG, &CPoleZeroDlg::OnInitDialog, this);
    Bind(wxEVT_LEFT_DOWN, &CPoleZeroDlg::OnCanvasClick, this);
    // wxGTK turns the second press of a double click into a double-click
    // event; for the designer it is a press like any other.
    Bind(wxEVT_LEFT_DCLICK, &CPoleZeroDlg::OnCanvasClick, this);
    Bind(wxEVT_MOTION, &CPoleZeroDlg::OnCanvasMouseMove, this);
    Bind(wxEVT_CHAR_HOOK, &CPoleZeroDlg::OnKey, this);
    Bind(wxEVT_CLOSE_WINDOW, &CPoleZeroDlg::OnClose, this);
    Bind(wxEVT_PAINT, &CPoleZeroDlg::OnPaint, this);
}

void CPoleZeroDlg::OnInitDialog(wxInitDialogEvent&)
{
    // The session opened with the dialog: an empty design in zero placement.
    CheckQuietly(Radio(kPlaceZeros));
    FocusFirstControl();
}

void CPoleZeroDlg::OnPlaceZeros()
{
    m_session.PlaceZeros();
}

void CPoleZeroDlg::OnPlacePoles()
{
    m_session.PlacePoles();
}

void CPoleZeroDlg::OnCanvasClick(wxMouseEvent& event)
{
    const wxPoint at = event.GetPosition();
    switch (m_session.Press(at.x, at.y)) {
    case polezero::PressOutcome::Placed: ShowPictures(); break;
    case polezero::PressOutcome::TableFull: wxBell(); break;
    case polezero::PressOutcome::PlacedOneOfPair:
        ShowPictures();
        wxBell();
        break;
    case polezero::PressOutcome::Outside: break;
    }
    event.Skip();
}

void CPoleZeroDlg::OnCanvasMouseMove(wxMouseEvent& event)
{
    event.Skip();
    if (GetCapture() == this)
        return;
    const wxPoint at = event.GetPosition();
    m_session.Move(at.x, at.y);
    ShowReadout();
}

void CPoleZeroDlg::ResetDesign()
{
    m_session.Reset();
    ShowPictures();
}

void CPoleZeroDlg::OnResetButton(wxCommandEvent&)
{
    ResetDesign();
}

void CPoleZeroDlg::OnKey(wxKeyEvent& event)
{
    if (event.GetKeyCode() == WXK_ESCAPE) {
        ResetDesign();
        return;
    }
    event.Skip();
}

// Without a close box only the window manager can ask to close; that is
// the cancel command, which resets the design and keeps the dialog open.
void CPoleZeroDlg::OnClose(wxCloseEvent& event)
{
    if (!event.CanVeto()) {
        event.Skip();
        return;
    }
    event.Veto();
    ResetDesign();
}

void CPoleZeroDlg::ShowReadout()
{
    const polezero::PointerReadout& readout = m_session.Readout();
    for (const auto& [id, lines] : {std::pair{kCartesianList, &readout.cartesian},
                                    std::pair{kPolarList, &readout.polar}}) {
        wxListBox& list = List(id);
        list.Clear();
        for (const std::string& line : *lines)
            list.Append(wxString::FromUTF8(line));
    }
}

void CPoleZeroDlg::ShowPictures()
{
    m_commandPaint = true;
    Refresh(false);
    Update();
}

void CPoleZeroDlg::OnPaint(wxPaintEvent&)
{
    wxAutoBufferedPaintDC dc(this);
    if (!m_commandPaint) {
        for (wxRegionIterator it(GetUpdateRegion()); it; ++it) {
            const wxRect r = it.GetRect();
            m_session.Uncover(r.x, r.y, r.x + r.width, r.y + r.height);
        }
    }
    m_commandPaint = false;

    const Raster& client = m_session.ClientArea();
    wxImage image(client.Width(), client.Height(), false);
    const auto bytes = client.Bytes();
    std::copy(bytes.begin(), bytes.end(), image.GetData());
    dc.DrawBitmap(wxBitmap(image, 24), 0, 0, false);
}
