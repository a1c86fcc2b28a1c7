// The shapes of a VectorPicture drawn with cairo, in user units of picture
// pixels: one painter for PDF pages and for the layers of scaled pictures,
// so that both draw every shape the same way.
#pragma once

#include <vector>

#include <cairo.h>

#include "picture/freetype_font.h"
#include "picture/vector_picture.h"

// A picture font as cairo draws it. The cairo face holds its own
// references to the FreeType face and library, so it may outlive `font`.
class CairoFontFace {
public:
    explicit CairoFontFace(const FreeTypeFont& font);
    ~CairoFontFace();
    CairoFontFace(const CairoFontFace&) = delete;
    CairoFontFace& operator=(const CairoFontFace&) = delete;

    cairo_font_face_t* Face() const { return m_face; }
    int PixelSize() const { return m_pixelSize; }
    unsigned long GlyphIndex(char32_t character) const { return m_font.GlyphIndex(character); }

private:
    const FreeTypeFont& m_font;
    cairo_font_face_t* m_face;
    int m_pixelSize;
};

class CairoShapePainter {
public:
    // Sets `font` and fixed font options on `cr`.
    CairoShapePainter(cairo_t* cr, const CairoFontFace& font);

    void operator()(const RectShape& rect);
    // Filled white and stroked black along OutlinePath(), or solid black.
    void operator()(const EllipseShape& ellipse);
    // LineOutline() filled black.
    void operator()(const LineShape& line);
    // The white box, then the glyphs at PlaceText()'s pen positions, clipped
    // to the box, as text (each glyph mapped back to its character).
    void operator()(const TextShape& text);

    void Paint(const Shape& shape) { std::visit(*this, shape); }

private:
    cairo_t* m_cr;
    const CairoFontFace& m_font;
    std::vector<cairo_glyph_t> m_glyphs;
    std::vector<cairo_text_cluster_t> m_clusters;
};

// Throws std::runtime_error naming cairo's status unless it is success.
void CheckCairoStatus(cairo_status_t status);
