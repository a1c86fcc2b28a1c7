#include "core/cairo_picture.h"

#include <algorithm>
#include <cstdint>
#include <memory>
#include <new>
#include <numbers>
#include <stdexcept>
#include <vector>

#include <cairo-ft.h>
#include <cairo-pdf.h>
#include <cairo.h>

#include "core/text.h"

namespace {

// PDF measures in points, 72 to the inch; a CSS pixel is 1/96 inch.
constexpr double kPointsPerPixel = 0.75;

// The program's font as cairo draws it, loaded once from the file MonoFont
// uses and kept for the life of the process.
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
        return loaded;
    }();
    return font;
}

void CheckStatus(cairo_status_t status)
{
    if (status != CAIRO_STATUS_SUCCESS) {
        throw std::runtime_error(std::string("cairo: ") + cairo_status_to_string(status));
    }
}

void SetColour(cairo_t* cr, Rgb colour)
{
    cairo_set_source_rgb(cr, colour.r / 255.0, colour.g / 255.0, colour.b / 255.0);
}

class ShapePainter {
public:
    explicit ShapePainter(cairo_t* cr) : m_cr(cr)
    {
        const MonoFont& font = MonoFont::Default();
        cairo_set_font_face(cr, ProgramFont().cairo);
        cairo_set_font_size(cr, font.PixelSize());
        // Fixed choices rather than the desktop's, so that a picture is the
        // same pixels in the window and in vorlen-render; glyph positions
        // are set one by one, so metrics are left unhinted.
        cairo_font_options_t* options = cairo_font_options_create();
        cairo_font_options_set_antialias(options, CAIRO_ANTIALIAS_GRAY);
        cairo_font_options_set_hint_style(options, CAIRO_HINT_STYLE_SLIGHT);
        cairo_font_options_set_hint_metrics(options, CAIRO_HINT_METRICS_OFF);
        cairo_set_font_options(cr, options);
        cairo_font_options_destroy(options);
        cairo_set_line_width(cr, 1.0);
    }

    void operator()(const RectShape& rect)
    {
        SetColour(m_cr, rect.colour);
        cairo_rectangle(m_cr, rect.left, rect.top, rect.right - rect.left, rect.bottom - rect.top);
        cairo_fill(m_cr);
    }

    void operator()(const EllipseShape& ellipse)
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

    void operator()(const LineShape& line)
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

    void operator()(const TextShape& text)
    {
        const TextPlacement place = PlaceText(text);
        const auto left = static_cast<double>(place.left);
        const auto top = static_cast<double>(place.top);
        const auto width = static_cast<double>(place.right - place.left);
        const auto height = static_cast<double>(place.bottom - place.top);
        SetColour(m_cr, kWhite);
        cairo_rectangle(m_cr, left, top, width, height);
        cairo_fill(m_cr);

        // One glyph and one cluster per character, so that a PDF reader
        // maps every glyph back to its character.
        const std::string utf8 = EncodeUtf8(text.text);
        m_glyphs.clear();
        m_clusters.clear();
        for (std::size_t i = 0; i < text.text.size(); ++i) {
            const unsigned long index = FT_Get_Char_Index(ProgramFont().face, text.text[i]);
            m_glyphs.push_back(cairo_glyph_t{index, place.PenX(i), static_cast<double>(place.baseline)});
            const auto bytes = static_cast<int>(EncodeUtf8(text.text.substr(i, 1)).size());
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

private:
    cairo_t* m_cr;
    std::vector<cairo_glyph_t> m_glyphs;
    std::vector<cairo_text_cluster_t> m_clusters;
};

// Draws every shape in user units of picture pixels.
void PaintShapes(cairo_t* cr, const VectorPicture& picture)
{
    ShapePainter painter(cr);
    for (const Shape& shape : picture.shapes) {
        std::visit(painter, shape);
    }
    CheckStatus(cairo_status(cr));
}

cairo_status_t AppendBytes(void* closure, const unsigned char* data, unsigned int length)
{
    try {
        static_cast<std::string*>(closure)->append(reinterpret_cast<const char*>(data), length);
    } catch (const std::bad_alloc&) {
        return CAIRO_STATUS_NO_MEMORY;
    }
    return CAIRO_STATUS_SUCCESS;
}

using SurfacePtr = std::unique_ptr<cairo_surface_t, decltype(&cairo_surface_destroy)>;
using ContextPtr = std::unique_ptr<cairo_t, decltype(&cairo_destroy)>;

}  // namespace

std::string PdfDocument(const VectorPicture& picture)
{
    std::string bytes;
    {
        SurfacePtr surface(cairo_pdf_surface_create_for_stream(
                               AppendBytes, &bytes, picture.width * kPointsPerPixel,
                               picture.height * kPointsPerPixel),
                           cairo_surface_destroy);
        CheckStatus(cairo_surface_status(surface.get()));
        // An empty date leaves the creation date out.
        cairo_pdf_surface_set_metadata(surface.get(), CAIRO_PDF_METADATA_CREATE_DATE, "");
        ContextPtr cr(cairo_create(surface.get()), cairo_destroy);
        cairo_scale(cr.get(), kPointsPerPixel, kPointsPerPixel);
        SetColour(cr.get(), kBackground);
        cairo_paint(cr.get());
        PaintShapes(cr.get(), picture);
        cr.reset();
        cairo_surface_finish(surface.get());
        CheckStatus(cairo_surface_status(surface.get()));
    }
    return bytes;
}

void PaintScaled(Raster& target, const VectorPicture& picture, int scale)
{
    if (scale < 1) {
        throw std::invalid_argument("the scale of a picture is at least 1");
    }
    const int width = static_cast<int>(
        std::min<long long>(target.Width(), static_cast<long long>(picture.width) * scale));
    const int height = static_cast<int>(
        std::min<long long>(target.Height(), static_cast<long long>(picture.height) * scale));
    if (width <= 0 || height <= 0) {
        return;
    }
    SurfacePtr surface(cairo_image_surface_create(CAIRO_FORMAT_RGB24, width, height),
                       cairo_surface_destroy);
    CheckStatus(cairo_surface_status(surface.get()));

    // Each pixel as one 32-bit word 0x00RRGGBB in native byte order.
    const auto bytes = target.Bytes();
    const std::size_t rowBytes = static_cast<std::size_t>(target.Width()) * 3;
    unsigned char* data = cairo_image_surface_get_data(surface.get());
    const int stride = cairo_image_surface_get_stride(surface.get());
    for (int y = 0; y < height; ++y) {
        const std::uint8_t* from = bytes.data() + static_cast<std::size_t>(y) * rowBytes;
        auto* to = reinterpret_cast<std::uint32_t*>(data + static_cast<std::ptrdiff_t>(y) * stride);
        for (int x = 0; x < width; ++x, from += 3) {
            to[x] = (std::uint32_t{from[0]} << 16) | (std::uint32_t{from[1]} << 8) | from[2];
        }
    }
    cairo_surface_mark_dirty(surface.get());
    {
        ContextPtr cr(cairo_create(surface.get()), cairo_destroy);
        cairo_scale(cr.get(), scale, scale);
        PaintShapes(cr.get(), picture);
    }
    cairo_surface_flush(surface.get());
    for (int y = 0; y < height; ++y) {
        const auto* from =
            reinterpret_cast<const std::uint32_t*>(data + static_cast<std::ptrdiff_t>(y) * stride);
        for (int x = 0; x < width; ++x) {
            const std::uint32_t p = from[x];
            target.Put(x, y, Rgb{static_cast<std::uint8_t>(p >> 16), static_cast<std::uint8_t>(p >> 8),
                                 static_cast<std::uint8_t>(p)});
        }
    }
}

void DrawAtScale(Raster& target, int scale, const std::function<void(Surface&)>& draw)
{
    if (scale == 1) {
        Surface surface(target);
        draw(surface);
        return;
    }
    if (scale < 1) {
        throw std::invalid_argument("the scale of a picture is at least 1");
    }
    // The page covers the whole raster, a partial picture pixel included.
    VectorRecorder recorder((target.Width() + scale - 1) / scale, (target.Height() + scale - 1) / scale);
    Surface surface(recorder);
    draw(surface);
    PaintScaled(target, recorder.Picture(), scale);
}
