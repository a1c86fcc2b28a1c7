#include "app/plot_window.h"

#include <algorithm>
#include <cmath>

#include <wx/bitmap.h>
#include <wx/dcbuffer.h>
#include <wx/image.h>
#include <wx/region.h>

#include "dialogs/repaint_region_gtk.h"
#include "dialogs/screen_picture.h"

namespace {

// How long after a menu closed its area is still taken for the menu's: the
// window system's repaint comes at once, but a command chosen from the menu
// runs first, and may take a while on a slow machine.
constexpr std::chrono::seconds kMenuRepaintWait(2);

}  // namespace

wxBEGIN_EVENT_TABLE(CPlotWindow, wxWindow)
    EVT_PAINT(CPlotWindow::OnPaint)
    EVT_SIZE(CPlotWindow::OnSize)
wxEND_EVENT_TABLE()

CPlotWindow::CPlotWindow(wxWindow* parent)
    : wxWindow(parent, wxID_ANY, wxDefaultPosition, wxDefaultSize, wxFULL_REPAINT_ON_RESIZE),
      m_raster(kMinWidth, kMinHeight)
{
    SetBackgroundStyle(wxBG_STYLE_PAINT);
    SetBackgroundColour(wxColour(kBackground.r, kBackground.g, kBackground.b));
}

void CPlotWindow::ShowPicture()
{
    m_commandPaint = true;
    Refresh(false);
    Update();
}

void CPlotWindow::ErasePicture()
{
    m_raster.Fill(0, 0, m_raster.Width(), m_raster.Height(), kBackground);
    m_commandPaint = true;
    Refresh(false);
}

void CPlotWindow::RestoreAfterMenu(const wxRect& screenRect)
{
    if (screenRect.IsEmpty())
        return;
    const wxRect covered = wxRect(ScreenToClient(screenRect.GetPosition()), screenRect.GetSize())
                               .Intersect(wxRect(GetClientSize()));
    if (covered.IsEmpty())
        return;
    if (std::chrono::steady_clock::now() - m_menuClosedAt > kMenuRepaintWait)
        m_menuCovered.Clear();
    m_menuCovered.Union(covered);
    m_menuClosedAt = std::chrono::steady_clock::now();
}

int CPlotWindow::PictureScale() const
{
    return DeviceScale(*this);
}

wxSize CPlotWindow::PhysicalClientSize() const
{
    const double scale = GetContentScaleFactor();
    const wxSize logical = GetClientSize();
    return wxSize(static_cast<int>(std::ceil(logical.x * scale)),
                  static_cast<int>(std::ceil(logical.y * scale)));
}

void CPlotWindow::OnSize(wxSizeEvent& event)
{
    const wxSize size = PhysicalClientSize();
    const int width = std::max(size.x, kMinWidth * PictureScale());
    const int height = std::max(size.y, kMinHeight * PictureScale());
    if (width != m_raster.Width() || height != m_raster.Height())
        m_raster.Resize(width, height, kBackground);
    event.Skip();
}

void CPlotWindow::OnPaint(wxPaintEvent&)
{
    wxAutoBufferedPaintDC dc(this);
    // The raster is in physical pixels; on a scaled screen (GDK_SCALE=2)
    // window coordinates are logical ones.
    const double scale = GetContentScaleFactor();
    if (!m_commandPaint) {
        // Nothing is redrawn from a model: what the window system asks to
        // repaint comes back empty until a command draws again, except
        // where a menu's drop-down was: that shows the picture again.
        const wxRegion asked = RepaintRegion(*this);
        wxRegion cleared(asked);
        if (!m_menuCovered.IsEmpty()) {
            if (std::chrono::steady_clock::now() - m_menuClosedAt <= kMenuRepaintWait) {
                cleared.Subtract(m_menuCovered);
                m_menuCovered.Subtract(asked);
            } else {
                m_menuCovered.Clear();
            }
        }
        for (wxRegionIterator it(cleared); it; ++it) {
            const wxRect r = it.GetRect();
            m_raster.Fill(static_cast<int>(std::floor(r.x * scale)),
                          static_cast<int>(std::floor(r.y * scale)),
                          static_cast<int>(std::ceil((r.x + r.width) * scale)),
                          static_cast<int>(std::ceil((r.y + r.height) * scale)), kBackground);
        }
    }
    m_commandPaint = false;

    // Only the part of the raster inside the window is converted and shown,
    // one raster pixel to one screen pixel.
    const wxSize client = PhysicalClientSize();
    const int width = std::min(client.x, m_raster.Width());
    const int height = std::min(client.y, m_raster.Height());
    if (width <= 0 || height <= 0)
        return;
    wxImage image(width, height, false);
    unsigned char* out = image.GetData();
    const auto bytes = m_raster.Bytes();
    const std::size_t rowBytes = static_cast<std::size_t>(m_raster.Width()) * 3;
    for (int y = 0; y < height; ++y)
        std::copy_n(bytes.data() + static_cast<std::size_t>(y) * rowBytes,
                    static_cast<std::size_t>(width) * 3,
                    out + static_cast<std::size_t>(y) * static_cast<std::size_t>(width) * 3);
    dc.DrawBitmap(wxBitmap(image, 24, scale), 0, 0, false);
}
