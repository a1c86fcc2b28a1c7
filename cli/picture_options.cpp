#include "cli/picture_options.h"

#include "cli/count_text.h"

PictureOptions::PictureOptions(CLI::App& app)
    : m_formatOption(app.add_option("--format", m_format,
                                    "png | svg | pdf (default: the extension of -o, else png)")
                         ->option_text("NAME")),
      m_scaleOption(app.add_option("--scale", m_scale,
                                   "a PNG N times the size, drawn sharp, 1.." +
                                       std::to_string(kMaxScale) +
                                       " (default 1, the exact picture)")
                        ->option_text("N"))
{
}

std::optional<std::string> PictureOptions::Read(const std::string& output, int width, int height,
                                                int maxSide, PictureRequest& request) const
{
    PictureRequest result;
    const std::optional<PictureFormat> named = FormatOfFileName(output);
    if (m_formatOption->count() > 0) {
        const std::optional<PictureFormat> format = FormatNamed(m_format);
        if (!format) {
            return "--format: '" + m_format + "' is not png, svg or pdf";
        }
        if (named && *named != *format) {
            return "--format " + std::string(FormatName(*format)) +
                   " does not match the file name " + output;
        }
        result.format = *format;
    } else if (named) {
        result.format = *named;
    }

    if (m_scaleOption->count() > 0) {
        const std::optional<int> scale = ParseCount(m_scale, 1, kMaxScale);
        if (!scale) {
            return "--scale: '" + m_scale + "' is not a whole number from 1 to " +
                   std::to_string(kMaxScale);
        }
        result.scale = *scale;
    }
    if (result.scale > 1 && result.format != PictureFormat::Png) {
        return "--scale is for PNG pictures; " + std::string(FormatName(result.format)) +
               " has no pixels to scale";
    }
    if (static_cast<long long>(width) * result.scale > maxSide ||
        static_cast<long long>(height) * result.scale > maxSide) {
        return "--scale " + std::to_string(result.scale) + " makes the picture " +
               std::to_string(static_cast<long long>(width) * result.scale) + "x" +
               std::to_string(static_cast<long long>(height) * result.scale) +
               "; neither side may pass " + std::to_string(maxSide);
    }
    request = result;
    return std::nullopt;
}
