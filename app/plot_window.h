// The plot area: the window under the menu bar on which every analysis
// draws. It owns the raster the commands draw into and shows it one raster
// pixel to one screen pixel, also on a scaled screen.
#pragma once

#include <wx/window.h>

#include "core/raster.h"
#include "core/surface.h"
#include "views/plot_area.h"

class CPlotWindow : public wxWindow {
public:
    explicit CPlotWindow(wxWindow* parent);

    // The raster a command draws into; call ShowPicture() when done.
    Raster& Picture() { return m_raster; }
    // Shows the raster as the command left it, at once.
    void ShowPicture();
    // Clears the whole picture to the background (a new or opened document).
    void ErasePicture();

    // The smallest raster: wide and tall enough for the widest plots
    // whatever the window's size.
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

    wxDECLARE_EVENT_TABLE();
};
