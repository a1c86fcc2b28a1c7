#include "cli/drawn_picture.h"

#include <cerrno>
#include <cstring>
#include <string_view>

#include "cli/png_writer.h"
#include "output/output_error.h"
#include "picture/cairo/pdf_picture.h"
#include "picture/svg_picture.h"

namespace {

void WriteBytes(std::FILE* stream, std::string_view bytes)
{
    errno = 0;
    if (std::fwrite(bytes.data(), 1, bytes.size(), stream) != bytes.size()) {
        throw OutputError(std::strerror(errno != 0 ? errno : EIO));
    }
}

}  // namespace

DrawnPicture::DrawnPicture(const PictureRequest& request, int width, int height,
                           const DesktopPictureTools& tools)
    : m_request(request), m_tools(tools)
{
    if (request.format == PictureFormat::Png && request.scale == 1) {
        m_raster.emplace(width, height, kBackground);
        m_surface = std::make_unique<Surface>(*m_raster, tools.Font());
    } else {
        m_recorder.emplace(width, height, tools.Font());
        m_surface = std::make_unique<Surface>(*m_recorder);
    }
}

void DrawnPicture::Write(std::FILE* stream)
{
    if (m_raster) {
        WritePng(stream, *m_raster);
        return;
    }
    WriteShapes(stream, m_recorder->Picture(), m_request, m_tools);
}

void WriteShapes(std::FILE* stream, const VectorPicture& picture, const PictureRequest& request,
                 const DesktopPictureTools& tools)
{
    switch (request.format) {
    case PictureFormat::Png: {
        Raster scaled(picture.width * request.scale, picture.height * request.scale, kBackground);
        tools.Painter().Paint(scaled, picture, request.scale);
        WritePng(stream, scaled);
        break;
    }
    case PictureFormat::Svg:
        WriteBytes(stream, SvgDocument(picture, tools.Font().Metrics()));
        break;
    case PictureFormat::Pdf: WriteBytes(stream, PdfDocument(picture, tools.Font())); break;
    }
}
