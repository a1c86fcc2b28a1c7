// vorlen-render's options for the picture's file format and scale:
// --format png|svg|pdf and --scale N.
#pragma once

#include <optional>
#include <string>

#include <CLI/CLI.hpp>

#include "cli/picture_format.h"

// The largest --scale: four times the 800 x 600 default is a 3200 x 2400
// picture, sharp on any projector.
inline constexpr int kMaxScale = 4;

struct PictureRequest {
    PictureFormat format = PictureFormat::Png;
    int scale = 1;  // PNG pixels per picture pixel; 1 is the exact raster
};

// Registers the two options on an app before it parses, and reads them
// after.
class PictureOptions {
public:
    explicit PictureOptions(CLI::App& app);

    // The request for writing `output` (empty for all) at width x height
    // picture pixels, or the one-line reason for bad usage: an unknown
    // format; a format that contradicts the file name's extension; a scale
    // that is not 1..kMaxScale, or above 1 for SVG or PDF, or one that
    // makes a side longer than `maxSide`.
    std::optional<std::string> Read(const std::string& output, int width, int height, int maxSide,
                                    PictureRequest& request) const;

private:
    std::string m_format;
    std::string m_scale;
    CLI::Option* m_formatOption;
    CLI::Option* m_scaleOption;
};
