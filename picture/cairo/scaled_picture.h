// Pictures drawn at a whole scale from their shapes with cairo: what
// vorlen-render --scale writes and what the desktop shows at GDK_SCALE=2.
#pragma once

#include <memory>

#include "picture/draw_at_scale.h"
#include "picture/freetype_font.h"

class CairoFontFace;

// Rectangles as whole pixels, ellipses, lines and text antialiased by
// cairo; text in `font`, which must outlive the painter. cairo failing
// throws std::runtime_error.
class CairoScaledPainter final : public ScaledPainter {
public:
    explicit CairoScaledPainter(const FreeTypeFont& font);
    ~CairoScaledPainter() override;

    void Paint(Raster& target, const VectorPicture& picture, int scale) const override;

private:
    std::unique_ptr<CairoFontFace> m_font;
};
