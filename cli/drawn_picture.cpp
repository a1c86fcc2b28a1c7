#include "cli/drawn_picture.h"

#include <cerrno>
#include <cstring>
#include <string_view>

#include "cli/png_writer.h"
#include "core/output_error.h"
#include "core/pdf_picture.h"
#include "core/scaled_picture.h"
#include "core/svg_picture.h"

namespace {

void WriteBytes(std::FILE* stream, std::string_view bytes)
{
    errno = 0;
    if (std::fwrite(bytes.data(), 1, bytes.size(), stream) != bytes.size()) {
        throw OutputError(std::strerror(errno != 0 ? errno : EIO));
    }
}

}  // namespace

DrawnPicture::DrawnPicture(const PictureRequest& request, int width, int height)
    : m_request(request)
{
    if (request.format == PictureFormat::Png && request.scale == 1) {
        m_raster.emplace(width, height, kBackground);
        m_surface = std::make_unique<Surface>(*m_raster);
    } else {
        m_recorder.emplace(width, height);
        m_surface = std::make_unique<Surface>(*m_recorder);
    }
}

void DrawnPicture::Write(std::FILE* stream)
{
    if (m_raster) {
        WritePng(stream, *m_raster);
        return;
    }
    WriteShapes(stream, m_recorder->Picture(), m_request);
}

void WriteShapes(std::FILE* stream, const VectorPicture& picture, const PictureRequest& request)
{
    switch (request.format) {
    case PictureFormat::Png: {
        Raster scaled(picture.width * request.scale, picture.height * request.scale, kBackground);
        PaintScaled(scaled, picture, request.scale);
        WritePng(stream, scaled);
        break;
    }
    case PictureFormat::Svg: WriteBytes(stream, SvgDocument(picture)); break;
    case PictureFormat::Pdf: WriteBytes(stream, PdfDocument(picture)); break;
    }
}
