// "Analiza dizajna": the designer's design seen as a filter. The window only
// shows the core's picture of the design analysis
// (polezero::DrawDesignAnalysis, the picture vorlen-render
// --analysis-picture writes) on 800 x 600 client pixels; the designer hands
// it each new design.
//
// It is a view of its own, not one of the written designer's pictures: it
// keeps what it drew, and a repaint that the window system asks for shows
// the current picture again.
//
// It is a child of the designer, so that it takes input while the designer
// is modal and is destroyed with it. Closing it (Esc, the close box)
// destroys it; the designer opens a new one when asked again.
#pragma once

#include <span>

#include <wx/bitmap.h>
#include <wx/dialog.h>

#include "picture/raster.h"
#include "polezero/design.h"

class CDesignAnalysisWindow : public wxDialog {
public:
    static constexpr int kClientWidth = 800;
    static constexpr int kClientHeight = 600;

    // Beside the designer where the screen has room for it, else over it
    // where it hides least of the canvases (AnalysisWindowPlace); shown.
    CDesignAnalysisWindow(wxWindow* designer, const polezero::Design& design);

    // Draws the analysis of the design's markers and shows it at once.
    void ShowDesign(const polezero::Design& design);

    // The picture as last drawn, in the screen's pixels: the picture's
    // pixels times the desktop's scale in each direction.
    const Raster& Picture() const { return m_picture; }

private:
    void Place(const wxWindow& designer);
    void OnPaint(wxPaintEvent& event);
    void OnKey(wxKeyEvent& event);
    void OnClose(wxCloseEvent& event);

    wxWindow* m_canvas;  // a child: deleted with the window
    Raster m_picture;
    wxBitmap m_shown;  // m_picture as the screen takes it
};

// Where a window of `size` (with its frame) goes, its top-left corner: to
// the right of the designer, or else to its left, when it fits there whole
// on the screen's usable area; otherwise, as on a laptop's screen of 1366
// x 768, wholly on the screen where it covers the least of the designer's
// `canvases` (then the least of the designer, then nearest to its right
// side). The designer stays where it is. Screen pixels throughout.
wxPoint AnalysisWindowPlace(const wxRect& screen, const wxSize& size, const wxRect& designer,
                            std::span<const wxRect> canvases);
