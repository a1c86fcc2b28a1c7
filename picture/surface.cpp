#include "picture/surface.h"

Surface::Surface(Raster& target, const MonoFont& font)
    : m_raster(std::in_place, target, font), m_backend(&*m_raster)
{
}

Surface::Surface(SurfaceBackend& backend) : m_backend(&backend) {}

void Surface::MoveTo(int x, int y)
{
    m_currentX = x;
    m_currentY = y;
}

void Surface::LineTo(int x, int y)
{
    // A line that ends where it starts leaves out its only pixel.
    if (x != m_currentX || y != m_currentY) {
        m_backend->Line(m_currentX, m_currentY, x, y);
    }
    MoveTo(x, y);
}
