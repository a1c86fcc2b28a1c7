// The plot area: the window under the menu bar on which every analysis
// draws. It owns the raster the commands draw into and shows it one raster
// pixel to one screen pixel, also on a scaled screen, where the raster has
// the screen's pixels and the pictures are drawn PictureScale() times
// larger.
#pragma once

#include <chrono>

#include <wx/region.h>
#include <wx/window.h>

#include "picture/raster.h"
#include "picture/surface.h"
#include "views/plot_area.h"

class CPlotWindow : public wxWindow {
public:
    explicit CPlotWindow(wxWindow* parent);

    // The raster a command draws into; call ShowPicture() when done.
    Raster& Picture() { return m_raster; }
    // Raster pixels per picture pixel: the desktop's scale (GDK_SCALE),
    // which GTK keeps to whole numbers.
    int PictureScale() const;
    // Shows the raster as the command left it, at once.
    void ShowPicture();
    // Clears the whole picture to the background (a new or opened document).
    void ErasePicture();

    // A drop-down menu that covered `screenRect` has closed. The window
    // system will ask for that part to be repainted; it shows the picture
    // again instead of clearing it, because a menu is expected to put back
    // what it covered (Windows menus save the pixels beneath them). Other
    // windows that uncover the picture still leave it cleared.
    void RestoreAfterMenu(const wxRect& screenRect);

    // The smallest raster, in picture pixels: wide and tall enough for the
    // widest plots whatever the window's size.
    static constexpr int kMinWidth = kPlotAreaWidth;
    static constexpr int kMinHeight = 700;

private:
    wxSize PhysicalClientSize() const;
    void OnPaint(wxPaintEvent& event);
    void OnSize(wxSizeEvent& event);

    Raster m_raster;
    // Set while a command's picture waits to be painted; any other paint is
    // the window system's, and shows its region cleared.
    bool m_commandPaint = false;
    // What closed menus covered, in client coordinates, until the window
    // system has had it repainted. Should that repaint never come (a
    // compositing window manager redraws by itself), the area is forgotten
    // after a while, so that it cannot keep a later uncovering from
    // clearing.
    wxRegion m_menuCovered;
    std::chrono::steady_clock::time_point m_menuClosedAt;

    wxDECLARE_EVENT_TABLE();
};
