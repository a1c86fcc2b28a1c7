#include "picture/cairo/pdf_picture.h"

#include <memory>
#include <new>

#include <cairo-pdf.h>
#include <cairo.h>

#include "picture/cairo/cairo_shapes.h"

namespace {

// PDF measures in points, 72 to the inch; a CSS pixel is 1/96 inch.
constexpr double kPointsPerPixel = 0.75;

cairo_status_t AppendBytes(void* closure, const unsigned char* data, unsigned int length)
{
    try {
        static_cast<std::string*>(closure)->append(reinterpret_cast<const char*>(data), length);
    } catch (const std::bad_alloc&) {
        return CAIRO_STATUS_NO_MEMORY;
    }
    return CAIRO_STATUS_SUCCESS;
}

}  // namespace

std::string PdfDocument(const VectorPicture& picture, const FreeTypeFont& font)
{
    const CairoFontFace face(font);
    std::string bytes;
    std::unique_ptr<cairo_surface_t, decltype(&cairo_surface_destroy)> surface(
        cairo_pdf_surface_create_for_stream(AppendBytes, &bytes, picture.width * kPointsPerPixel,
                                            picture.height * kPointsPerPixel),
        cairo_surface_destroy);
    CheckCairoStatus(cairo_surface_status(surface.get()));
    // An empty date leaves the creation date out.
    cairo_pdf_surface_set_metadata(surface.get(), CAIRO_PDF_METADATA_CREATE_DATE, "");
    {
        std::unique_ptr<cairo_t, decltype(&cairo_destroy)> cr(cairo_create(surface.get()),
                                                              cairo_destroy);
        cairo_scale(cr.get(), kPointsPerPixel, kPointsPerPixel);
        cairo_set_source_rgb(cr.get(), kBackground.r / 255.0, kBackground.g / 255.0,
                             kBackground.b / 255.0);
        cairo_paint(cr.get());
        CairoShapePainter painter(cr.get(), face);
        for (const Shape& shape : picture.shapes) {
            painter.Paint(shape);
        }
        CheckCairoStatus(cairo_status(cr.get()));
    }
    cairo_surface_finish(surface.get());
    CheckCairoStatus(cairo_surface_status(surface.get()));
    return bytes;
}
