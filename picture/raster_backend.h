// The exact backend: every Surface operation sets the pixels of a raster by
// fixed integer rules, so that the same picture is the same pixels in the
// window and in vorlen-render, on every machine.
#pragma once

#include <string_view>

#include "picture/raster.h"
#include "picture/surface_backend.h"
#include "picture/text.h"

class RasterBackend final : public SurfaceBackend {
public:
    // Text is drawn in `font`, which must outlive the backend.
    RasterBackend(Raster& target, const MonoFont& font) : m_target(target), m_font(font) {}

    void SetPixel(int x, int y, Rgb colour) override;
    void FillRect(int left, int top, int right, int bottom, Rgb colour) override;
    // The pixels of the box whose centres lie inside the inscribed ellipse;
    // those with a 4-neighbour outside it are the outline.
    void Ellipse(int left, int top, int right, int bottom) override;
    // The diamond rule of cosmetic lines (raster_backend.cpp).
    void Line(int x0, int y0, int x1, int y1) override;
    // The font's monochrome glyphs.
    void Text(int x, int y, std::string_view text) override;
    TextExtent MeasureText(std::string_view text) const override { return m_font.Measure(text); }

private:
    Raster& m_target;
    const MonoFont& m_font;
};
