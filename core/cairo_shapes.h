// The shapes of a VectorPicture drawn with cairo, in user units of picture
// pixels: one painter for PDF pages and for the layers of scaled pictures,
// so that both draw every shape the same way. Internal to core/.
#pragma once

#include <vector>

#include <cairo.h>

#include "core/vector_picture.h"

class CairoShapePainter {
public:
    // Sets the program's font and fixed font options on `cr`.
    explicit CairoShapePainter(cairo_t* cr);

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
    std::vector<cairo_glyph_t> m_glyphs;
    std::vector<cairo_text_cluster_t> m_clusters;
};

// Throws std::runtime_error naming cairo's status unless it is success.
void CheckCairoStatus(cairo_status_t status);
