#include "dialogs/analysis_window.h"

#include <algorithm>

#include <wx/dcclient.h>
#include <wx/display.h>

#include "dialogs/own_input_gtk.h"
#include "dialogs/screen_picture.h"
#include "picture/draw_at_scale.h"
#include "polezero/analysis_picture.h"

static_assert(CDesignAnalysisWindow::kClientWidth == polezero::kAnalysisPictureWidth &&
              CDesignAnalysisWindow::kClientHeight == polezero::kAnalysisPictureHeight);

CDesignAnalysisWindow::CDesignAnalysisWindow(wxWindow* designer, const polezero::Design& design)
    : wxDialog(designer, wxID_ANY, "Analiza dizajna", wxDefaultPosition, wxDefaultSize,
               wxCAPTION | wxSYSTEM_MENU | wxCLOSE_BOX),
      m_picture(kClientWidth, kClientHeight)
{
    TakeOwnInput(*this);
    SetClientSize(kClientWidth, kClientHeight);
    // The picture is shown on a child window that takes the focus: a GTK
    // window without one gets no keys.
    m_canvas = new wxWindow(this, wxID_ANY, wxPoint(0, 0), GetClientSize());
    m_canvas->SetBackgroundStyle(wxBG_STYLE_PAINT);
    m_canvas->Bind(wxEVT_PAINT, &CDesignAnalysisWindow::OnPaint, this);
    Bind(wxEVT_CHAR_HOOK, &CDesignAnalysisWindow::OnKey, this);
    Bind(wxEVT_CLOSE_WINDOW, &CDesignAnalysisWindow::OnClose, this);
    PlaceBeside(*designer);
    ShowDesign(design);
    Show();
}

void CDesignAnalysisWindow::ShowDesign(const polezero::Design& design)
{
    using polezero::MarkerKind;
    const auto zeros = polezero::MarkersOf(design, MarkerKind::Zero);
    const auto poles = polezero::MarkersOf(design, MarkerKind::Pole);
    // On a scaled desktop the picture is drawn at the screen's resolution,
    // sharp, as vorlen-render --scale draws it; at scale 1 it is the exact
    // raster of --analysis-picture.
    const int scale = DeviceScale(*this);
    if (m_picture.Width() != kClientWidth * scale || m_picture.Height() != kClientHeight * scale)
        m_picture = Raster(kClientWidth * scale, kClientHeight * scale);
    DrawAtScale(m_picture, scale, ScreenTools().Tools(),
                [&](Surface& surface) { polezero::DrawDesignAnalysis(surface, zeros, poles); });
    m_shown = ScreenBitmap(m_picture, scale);
    m_canvas->Refresh(false);
    m_canvas->Update();
}

// To the right of the designer, or else to its left, so that both show
// whole; on a screen too small for that, on the side with more room.
void CDesignAnalysisWindow::PlaceBeside(const wxWindow& designer)
{
    constexpr int kGap = 8;
    const int display = wxDisplay::GetFromWindow(&designer);
    const wxRect screen =
        wxDisplay(display == wxNOT_FOUND ? 0u : static_cast<unsigned>(display)).GetClientArea();
    const wxRect beside = designer.GetScreenRect();
    const wxSize size = GetSize();
    const int right = beside.GetRight() + 1 + kGap;
    const int left = beside.GetLeft() - kGap - size.x;
    int x = right;
    if (right + size.x > screen.GetRight() + 1) {
        if (left >= screen.GetLeft())
            x = left;
        else if (screen.GetRight() - beside.GetRight() >= beside.GetLeft() - screen.GetLeft())
            x = screen.GetRight() + 1 - size.x;
        else
            x = screen.GetLeft();
    }
    const int lowest = std::max(screen.GetTop(), screen.GetBottom() + 1 - size.y);
    Move(std::max(x, screen.GetLeft()), std::clamp(beside.GetTop(), screen.GetTop(), lowest));
}

void CDesignAnalysisWindow::OnPaint(wxPaintEvent&)
{
    wxPaintDC dc(m_canvas);
    if (m_shown.IsOk())
        dc.DrawBitmap(m_shown, 0, 0, false);
}

// Esc closes this window, not the designer. No other key does anything
// here: the window blocks events, so none reaches the designer either.
void CDesignAnalysisWindow::OnKey(wxKeyEvent& event)
{
    if (event.GetKeyCode() == WXK_ESCAPE) {
        Close();
        return;
    }
    event.Skip();
}

void CDesignAnalysisWindow::OnClose(wxCloseEvent&)
{
    Destroy();
}
