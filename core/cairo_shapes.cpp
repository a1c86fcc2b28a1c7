#include "core/cairo_shapes.h"

#include <numbers>
#include <stdexcept>
#include <string>

#include <cairo-ft.h>

#include "core/text.h"

namespace {

// The program's font as cairo draws it: loaded once from the file MonoFont
// draws with, and kept for the life of the process.
struct CairoFont {
    FT_Face face = nullptr;
    cairo_font_face_t* cairo = nullptr;
};

const CairoFont& ProgramFont()
{
    static const CairoFont font = [] {
        const std::string& path = MonoFont::Default().Path();
        FT_Library library = nullptr;
        CairoFont loaded;
        if (FT_Init_FreeType(&library) != 0 ||
            FT_New_Face(library, path.c_str(), 0, &loaded.face) != 0) {
            throw FontError("Vorlen: the font file '" + path + "' could not be loaded.");
        }
        loaded.cairo = cairo_ft_font_face_create_for_ft_face(loaded.face, 0);
        CheckCairoStatus(cairo_font_face_status(loaded.cairo));
        return loaded;
    }();
    return font;
}

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

CairoShapePainter::CairoShapePainter(cairo_t* cr) : m_cr(cr)
{
    cairo_set_font_face(cr, ProgramFont().cairo);
    cairo_set_font_size(cr, MonoFont::Default().PixelSize());
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
        const unsigned long index = FT_Get_Char_Index(ProgramFont().face, text.text[i]);
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
