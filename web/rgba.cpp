#include "web/rgba.h"

#include <cstddef>

const std::uint8_t* OpaqueRgba(const Raster& raster, std::vector<std::uint8_t>& buffer)
{
    const std::size_t pixels = static_cast<std::size_t>(raster.Width()) * raster.Height();
    buffer.resize(pixels * 4);
    const std::uint8_t* rgb = raster.Bytes().data();
    std::uint8_t* out = buffer.data();
    for (std::size_t pixel = 0; pixel < pixels; ++pixel) {
        out[0] = rgb[0];
        out[1] = rgb[1];
        out[2] = rgb[2];
        out[3] = 255;
        out += 4;
        rgb += 3;
    }
    return buffer.data();
}
