#include "picture/cairo/cairo_shapes.h"

#include <numbers>
#include <stdexcept>
#include <string>

#include <cairo-ft.h>
#include <ft2build.h>
#include FT_MODULE_H

#include "picture/text.h"

namespace {

void SetColour(cairo_t* cr, Rgb colour)
{
    cairo_set_source_rgb(cr, colour.r / 255.0, colour.g / 255.0, colour.b / 255.0);
}

}  // namespace

void CheckCairoStatus(cairo_status_t status)
{
    if (status != CAIRO_STATUS_SUCCESS) {
        throw std::runtime_error(std::string("cairo: ") + cairo_status_to_string(status));
    }
}

CairoFontFace::CairoFontFace(const FreeTypeFont& font)
    : m_font(font), m_face(cairo_ft_font_face_create_for_ft_face(font.Face(), 0)),
      m_pixelSize(font.PixelSize())
{
    static cairo_user_data_key_t key;
    CheckCairoStatus(cairo_font_face_status(m_face));
    // cairo may keep the face (in its font caches) after this object and
    // the font are gone: it keeps the FreeType face and library alive.
    FT_Face face = font.Face();
    FT_Library library = face->glyph->library;
    FT_Reference_Library(library);
    FT_Reference_Face(face);
    const cairo_status_t status = cairo_font_face_set_user_data(m_face, &key, face, [](void* data) {
        FT_Face held = static_cast<FT_Face>(data);
        FT_Library library = held->glyph->library;
        FT_Done_Face(held);
        FT_Done_Library(library);
    });
    if (status != CAIRO_STATUS_SUCCESS) {
        FT_Done_Face(face);
        FT_Done_Library(library);
        cairo_font_face_destroy(m_face);
        CheckCairoStatus(status);
    }
}

CairoFontFace::~CairoFontFace()
{
    cairo_font_face_destroy(m_face);
}

CairoShapePainter::CairoShapePainter(cairo_t* cr, const CairoFontFace& font)
    : m_cr(cr), m_font(font)
{
    cairo_set_font_face(cr, font.Face());
    cairo_set_font_size(cr, font.PixelSize());
    // Fixed choices rather than the desktop's, so that a picture is the same
    // pixels in the window and in vorlen-render. Glyphs are placed one by
    // one, so their metrics need no hinting.
    cairo_font_options_t* options = cairo_font_options_create();
    cairo_font_options_set_antialias(options, CAIRO_ANTIALIAS_GRAY);
    cairo_font_options_set_hint_style(options, CAIRO_HINT_STYLE_SLIGHT);
    cairo_font_options_set_hint_metrics(options, CAIRO_HINT_METRICS_OFF);
    cairo_set_font_options(cr, options);
    cairo_font_options_destroy(options);
    cairo_set_line_width(cr, 1.0);
}

void CairoShapePainter::operator()(const RectShape& rect)
{
    SetColour(m_cr, rect.colour);
    cairo_rectangle(m_cr, rect.left, rect.top, rect.right - rect.left, rect.bottom - rect.top);
    cairo_fill(m_cr);
}

void CairoShapePainter::operator()(const EllipseShape& ellipse)
{
    const EllipsePath path = OutlinePath(ellipse);
    cairo_new_path(m_cr);
    cairo_save(m_cr);
    cairo_translate(m_cr, path.cx, path.cy);
    cairo_scale(m_cr, path.rx, path.ry);
    cairo_arc(m_cr, 0, 0, 1, 0, 2 * std::numbers::pi);
    cairo_restore(m_cr);
    if (path.solid) {
        SetColour(m_cr, kBlack);
        cairo_fill(m_cr);
        return;
    }
    SetColour(m_cr, kWhite);
    cairo_fill_preserve(m_cr);
    SetColour(m_cr, kBlack);
    cairo_stroke(m_cr);
}

void CairoShapePainter::operator()(const LineShape& line)
{
    const auto corners = LineOutline(line);
    cairo_move_to(m_cr, corners[0].x, corners[0].y);
    for (std::size_t i = 1; i < corners.size(); ++i) {
        cairo_line_to(m_cr, corners[i].x, corners[i].y);
    }
    cairo_close_path(m_cr);
    SetColour(m_cr, kBlack);
    cairo_fill(m_cr);
}

void CairoShapePainter::operator()(const TextShape& text)
{
    const TextPlacement place = PlaceText(text);
    const auto left = static_cast<double>(place.left);
    const auto top = static_cast<double>(place.top);
    const auto width = static_cast<double>(place.right - place.left);
    const auto height = static_cast<double>(place.bottom - place.top);
    SetColour(m_cr, kWhite);
    cairo_rectangle(m_cr, left, top, width, height);
    cairo_fill(m_cr);

    // One glyph and one cluster per character, so that a PDF reader maps
    // every glyph back to its character.
    const std::string utf8 = EncodeUtf8(text.Characters());
    m_glyphs.clear();
    m_clusters.clear();
    for (std::size_t i = 0; i < text.text.size(); ++i) {
        const unsigned long index = m_font.GlyphIndex(text.text[i]);
        m_glyphs.push_back(
            cairo_glyph_t{index, place.PenX(i), static_cast<double>(place.baseline)});
        const auto bytes = static_cast<int>(EncodeUtf8(text.Characters().substr(i, 1)).size());
        m_clusters.push_back(cairo_text_cluster_t{bytes, 1});
    }
    cairo_save(m_cr);
    // The ink stays inside the box, as on the raster.
    cairo_rectangle(m_cr, left, top, width, height);
    cairo_clip(m_cr);
    SetColour(m_cr, kBlack);
    cairo_show_text_glyphs(m_cr, utf8.data(), static_cast<int>(utf8.size()), m_glyphs.data(),
                           static_cast<int>(m_glyphs.size()), m_clusters.data(),
                           static_cast<int>(m_clusters.size()), cairo_text_cluster_flags_t{});
    cairo_restore(m_cr);
}
