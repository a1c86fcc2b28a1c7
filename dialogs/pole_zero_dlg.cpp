#include "dialogs/pole_zero_dlg.h"

#include <wx/button.h>
#include <wx/clipbrd.h>
#include <wx/dcbuffer.h>
#include <wx/listbox.h>
#include <wx/menu.h>
#include <wx/radiobut.h>
#include <wx/region.h>
#include <wx/utils.h>

#include "dialogs/design_file_dialogs.h"
#include "dialogs/pole_zero_commands.h"
#include "dialogs/repaint_region_gtk.h"
#include "dialogs/screen_picture.h"
#include "forms/dialog_forms.h"
#include "language/language.h"
#include "polezero/design_edit.h"
#include "polezero/dialog_face.h"
#include "polezero/filter_analysis.h"
#include "polezero/octave_text.h"

namespace {

using enum DlgControl;
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
    // template's scale. The dialog's pixels are fixed, so its text keeps
    // its size in pixels when the desktop sets text larger.
    style.font = wxFont(wxFontInfo(7).FaceName("DejaVu Sans"));
    style.textSizeInPixels = true;
    return style;
}

}  // namespace

CPoleZeroDlg::CPoleZeroDlg(wxWindow* parent)
    : CTemplateDialog(parent, kDesignerForm, DesignerStyle()),
      // The canvases are drawn at the desktop's scale, so that they are as
      // sharp as the controls beside them.
      m_session(
          {.tools = &ScreenTools().Tools(), .controlFrames = true, .scale = DeviceScale(*this)})
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
    Bind(wxEVT_LEFT_UP, &CPoleZeroDlg::OnCanvasRelease, this);
    Bind(wxEVT_MOTION, &CPoleZeroDlg::OnCanvasMouseMove, this);
    Bind(wxEVT_CONTEXT_MENU, &CPoleZeroDlg::OnContextMenu, this);
    Bind(wxEVT_MENU, &CPoleZeroDlg::OnMenuCommand, this);
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

void CPoleZeroDlg::ShowOutcome(polezero::PressOutcome outcome)
{
    switch (outcome) {
    case polezero::PressOutcome::Placed: ShowPictures(); break;
    case polezero::PressOutcome::TableFull: wxBell(); break;
    case polezero::PressOutcome::Outside: break;
    case polezero::PressOutcome::PlacedOneOfPair:
        ShowPictures();
        wxBell();
        break;
    }
}

// A press: Ctrl picks a marker to drag, Shift places a pair, a plain press
// does what the written designer does (a pair in pair mode).
void CPoleZeroDlg::OnCanvasClick(wxMouseEvent& event)
{
    const wxPoint at = event.GetPosition();
    FinishDrag();
    if (event.ControlDown())
        m_session.BeginDrag(at.x, at.y);
    else if (event.ShiftDown())
        ShowOutcome(m_session.Pair(at.x, at.y));
    else
        ShowOutcome(m_session.Press(at.x, at.y));
    event.Skip();
}

void CPoleZeroDlg::OnCanvasRelease(wxMouseEvent& event)
{
    const wxPoint at = event.GetPosition();
    if (m_session.EndDrag(at.x, at.y))
        ShowPictures();
    event.Skip();
}

void CPoleZeroDlg::OnCanvasMouseMove(wxMouseEvent& event)
{
    event.Skip();
    const wxPoint at = event.GetPosition();
    // While the button is held GTK sends the moves here, wherever the
    // pointer goes; a release the dialog never saw ends the drag too.
    if (m_session.Dragging()) {
        const bool redrawn =
            event.LeftIsDown() ? m_session.DragTo(at.x, at.y) : m_session.EndDrag(at.x, at.y);
        if (redrawn)
            ShowPictures();
    }
    if (GetCapture() == this)
        return;
    m_session.Move(at.x, at.y);
    ShowReadout();
}

void CPoleZeroDlg::FinishDrag()
{
    if (!m_session.Dragging())
        return;
    const wxPoint at = PointerPosition();
    if (m_session.EndDrag(at.x, at.y))
        ShowPictures();
}

wxPoint CPoleZeroDlg::PointerPosition() const
{
    return ScreenToClient(wxGetMousePosition());
}

void CPoleZeroDlg::OnContextMenu(wxContextMenuEvent& event)
{
    FinishDrag();
    // From the keyboard (the menu key) there is no position: the pointer's.
    const wxPoint screen = event.GetPosition();
    m_menuAt = screen == wxDefaultPosition ? PointerPosition() : ScreenToClient(screen);

    wxMenu menu;
    for (const polezero::DesignerMenuEntry& entry : polezero::DesignerMenu()) {
        const int id = designer_cmd::IdOf(entry.command);
        if (id == 0) {
            menu.AppendSeparator();
            continue;
        }
        wxString label = wxString::FromUTF8(Tr(entry.label));
        if (entry.shortcut)
            label += "\t" + wxString::FromUTF8(entry.shortcut);
        if (entry.check)
            menu.AppendCheckItem(id, label);
        else
            menu.Append(id, label);
    }
    const auto& markers = m_session.CurrentDesign().markers;
    menu.Enable(designer_cmd::kUndo, m_session.CanUndo());
    menu.Enable(designer_cmd::kRedo, m_session.CanRedo());
    menu.Enable(designer_cmd::kRemoveMarker,
                polezero::PickMarker(markers, m_menuAt.x, m_menuAt.y).has_value());
    menu.Check(designer_cmd::kConjugatePairs, m_session.Pairs());
    menu.Enable(designer_cmd::kCopyCoefficients, !markers.empty());
    PopupMenu(&menu, m_menuAt);
}

void CPoleZeroDlg::OnMenuCommand(wxCommandEvent& event)
{
    RunCommand(event.GetId(), m_menuAt);
}

void CPoleZeroDlg::RunCommand(int command, wxPoint at)
{
    FinishDrag();
    switch (command) {
    case designer_cmd::kUndo:
        if (m_session.Undo())
            ShowPictures();
        break;
    case designer_cmd::kRedo:
        if (m_session.Redo())
            ShowPictures();
        break;
    case designer_cmd::kRemoveMarker:
        if (m_session.Remove(at.x, at.y))
            ShowPictures();
        break;
    case designer_cmd::kConjugatePairs: m_session.SetPairs(!m_session.Pairs()); break;
    case designer_cmd::kOpenDesign: OpenDesign(); break;
    case designer_cmd::kSaveDesign:
        ChooseAndSaveDesign(this, m_session.CurrentDesign().markers);
        break;
    case designer_cmd::kCopyCoefficients: CopyCoefficients(); break;
    case designer_cmd::kDesignAnalysis: ShowAnalysis(); break;
    default: break;
    }
}

void CPoleZeroDlg::OpenDesign()
{
    if (auto markers = ChooseAndReadDesign(this)) {
        m_session.Load(std::move(*markers));
        ShowPictures();
    }
}

void CPoleZeroDlg::CopyCoefficients()
{
    using polezero::MarkerKind;
    const polezero::Design& design = m_session.CurrentDesign();
    const polezero::FilterAnalysis analysis = polezero::AnalyseDesign(
        polezero::MarkersOf(design, MarkerKind::Zero),
        polezero::MarkersOf(design, MarkerKind::Pole), polezero::kSampleCount, 0);
    wxClipboard& clipboard = *wxTheClipboard;
    if (clipboard.Open()) {
        clipboard.SetData(new wxTextDataObject(polezero::OctaveCoefficients(analysis)));
        clipboard.Close();
    }
}

CDesignAnalysisWindow* CPoleZeroDlg::AnalysisWindow() const
{
    // A closed window is hidden until it is deleted at the next idle time.
    return m_analysis && m_analysis->IsShown() ? m_analysis.get() : nullptr;
}

void CPoleZeroDlg::ShowAnalysis()
{
    if (CDesignAnalysisWindow* open = AnalysisWindow())
        open->Raise();
    else
        m_analysis = new CDesignAnalysisWindow(this, m_session.CurrentDesign());
}

void CPoleZeroDlg::ResetDesign()
{
    FinishDrag();
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
    if (const int command = designer_cmd::CommandForKey(event.GetKeyCode(), event.GetModifiers())) {
        RunCommand(command, PointerPosition());
        return;
    }
    event.Skip();
}

// The dialog has no close box; a close request that the window manager
// sends anyway (Alt+F4) does nothing, so that the design is never lost.
// OK and Enter close it.
void CPoleZeroDlg::OnClose(wxCloseEvent& event)
{
    if (!event.CanVeto()) {
        event.Skip();
        return;
    }
    event.Veto();
}

void CPoleZeroDlg::ShowReadout()
{
    const polezero::PointerReadout& readout = m_session.Readout();
    for (const auto& [id, lines] :
         {std::pair{kCartesianList, &readout.cartesian}, std::pair{kPolarList, &readout.polar}}) {
        wxListBox& list = List(id);
        list.Clear();
        for (const std::string& line : *lines)
            list.Append(wxString::FromUTF8(polezero::ShownReadoutLine(line)));
    }
}

// Every change of the design is shown through here, and so the analysis
// window follows each one, a drag at every pointer move included.
void CPoleZeroDlg::ShowPictures()
{
    m_commandPaint = true;
    Refresh(false);
    Update();
    if (CDesignAnalysisWindow* analysis = AnalysisWindow())
        analysis->ShowDesign(m_session.CurrentDesign());
}

void CPoleZeroDlg::OnPaint(wxPaintEvent&)
{
    wxAutoBufferedPaintDC dc(this);
    if (!m_commandPaint) {
        wxRegion uncovered = RepaintRegion(*this);
        if (const wxRegion own = m_ownWindows.Take(uncovered); !own.IsEmpty())
            uncovered.Subtract(own);
        for (wxRegionIterator it(uncovered); it; ++it) {
            const wxRect r = it.GetRect();
            m_session.Uncover(r.x, r.y, r.x + r.width, r.y + r.height);
        }
    }
    m_commandPaint = false;

    // The raster has the screen's pixels: Scale() of them to a client pixel.
    dc.DrawBitmap(ScreenBitmap(m_session.ClientArea(), m_session.Scale()), 0, 0, false);
}
