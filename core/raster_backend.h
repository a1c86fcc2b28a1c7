// The exact backend: every Surface operation sets the pixels of a raster by
// fixed integer rules, so that the same picture is the same pixels in the
// window and in vorlen-render, on every machine.
#pragma once

#include <string_view>

#include "core/raster.h"
#include "core/surface_backend.h"

class RasterBackend final : public SurfaceBackend {
public:
    explicit RasterBackend(Raster& target) : m_target(target) {}

    void SetPixel(int x, int y, Rgb colour) override;
    void FillRect(int left, int top, int right, int bottom, Rgb colour) override;
    // The pixels of the box whose centres lie inside the inscribed ellipse;
    // those with a 4-neighbour outside it are the outline.
    void Ellipse(int left, int top, int right, int bottom) override;
    // The diamond rule of cosmetic lines (raster_backend.cpp).
    void Line(int x0, int y0, int x1, int y1) override;
    // Monochrome glyphs of MonoFont::Default().
    void Text(int x, int y, std::string_view text) override;

private:
    Raster& m_target;
};
