#include "dialogs/analysis_window.h"

#include <algorithm>
#include <tuple>
#include <vector>

#include <wx/dcclient.h>
#include <wx/display.h>

#include "dialogs/own_input_gtk.h"
#include "dialogs/screen_picture.h"
#include "language/language.h"
#include "picture/draw_at_scale.h"
#include "polezero/analysis_picture.h"
#include "polezero/dialog_face.h"

static_assert(CDesignAnalysisWindow::kClientWidth == polezero::kAnalysisPictureWidth &&
              CDesignAnalysisWindow::kClientHeight == polezero::kAnalysisPictureHeight);

CDesignAnalysisWindow::CDesignAnalysisWindow(wxWindow* designer, const polezero::Design& design)
    : wxDialog(designer, wxID_ANY, wxString::FromUTF8(Tr("Analiza dizajna")), wxDefaultPosition,
               wxDefaultSize, wxCAPTION | wxSYSTEM_MENU | wxCLOSE_BOX),
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
    Place(*designer);
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

namespace {

// The area two rectangles share.
long long Overlap(const wxRect& a, const wxRect& b)
{
    const wxRect common = a.Intersect(b);
    return common.IsEmpty() ? 0 : static_cast<long long>(common.width) * common.height;
}

}  // namespace

wxPoint AnalysisWindowPlace(const wxRect& screen, const wxSize& size, const wxRect& designer,
                            std::span<const wxRect> canvases)
{
    constexpr int kGap = 8;
    const int lowest = std::max(screen.GetTop(), screen.GetBottom() + 1 - size.y);
    const int top = std::clamp(designer.GetTop(), screen.GetTop(), lowest);
    const wxPoint right(designer.GetRight() + 1 + kGap, top);
    const wxPoint left(designer.GetLeft() - kGap - size.x, top);
    if (size.y <= screen.height) {
        for (const wxPoint& beside : {right, left})
            if (screen.Contains(wxRect(beside, size)))
                return beside;
    }

    // Over the designer. The area covered changes its slope only where an
    // edge of the window meets an edge of a canvas or of the designer, so
    // the least of it lies at such a place or at the screen's edges.
    const int rightmost = std::max(screen.GetLeft(), screen.GetRight() + 1 - size.x);
    std::vector<int> xs = {screen.GetLeft(), rightmost};
    std::vector<int> ys = {screen.GetTop(), lowest};
    std::vector<wxRect> edges(canvases.begin(), canvases.end());
    edges.push_back(designer);
    for (const wxRect& r : edges) {
        for (int x :
             {r.GetLeft() - size.x, r.GetLeft(), r.GetRight() + 1 - size.x, r.GetRight() + 1})
            xs.push_back(std::clamp(x, screen.GetLeft(), rightmost));
        for (int y :
             {r.GetTop() - size.y, r.GetTop(), r.GetBottom() + 1 - size.y, r.GetBottom() + 1})
            ys.push_back(std::clamp(y, screen.GetTop(), lowest));
    }
    auto cost = [&](wxPoint at) {
        const wxRect window(at, size);
        long long onCanvases = 0;
        for (const wxRect& canvas : canvases)
            onCanvases += Overlap(window, canvas);
        const long long dx = at.x - right.x;
        const long long dy = at.y - right.y;
        return std::tuple(onCanvases, Overlap(window, designer), dx * dx + dy * dy);
    };
    wxPoint best(xs.front(), ys.front());
    for (int x : xs)
        for (int y : ys)
            if (cost(wxPoint(x, y)) < cost(best))
                best = wxPoint(x, y);
    return best;
}

void CDesignAnalysisWindow::Place(const wxWindow& designer)
{
    const int display = wxDisplay::GetFromWindow(&designer);
    const wxRect screen =
        wxDisplay(display == wxNOT_FOUND ? 0u : static_cast<unsigned>(display)).GetClientArea();
    std::vector<wxRect> canvases;
    for (const polezero::DialogBox& frame : {polezero::kPlaneFrame, polezero::kResponseFrame}) {
        const polezero::PixelBox box = polezero::ToPixels(frame);
        canvases.emplace_back(designer.ClientToScreen(wxPoint(box.left, box.top)),
                              wxSize(box.right - box.left, box.bottom - box.top));
    }
    Move(AnalysisWindowPlace(screen, GetSize(), designer.GetScreenRect(), canvases));
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
