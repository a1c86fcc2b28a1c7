#include "picture/raster.h"

#include <algorithm>
#include <stdexcept>
#include <string>

Raster::Raster(int width, int height, Rgb fill) : m_width(0), m_height(0)
{
    Resize(width, height, fill);
}

Rgb Raster::Pixel(int x, int y) const
{
    if (!Contains(x, y))
        throw std::out_of_range("pixel (" + std::to_string(x) + ", " + std::to_string(y) +
                                ") lies outside the raster");
    const std::size_t i = Offset(x, y);
    return Rgb{m_bytes[i], m_bytes[i + 1], m_bytes[i + 2]};
}

void Raster::Fill(int left, int top, int right, int bottom, Rgb colour)
{
    left = std::max(left, 0);
    top = std::max(top, 0);
    right = std::min(right, m_width);
    bottom = std::min(bottom, m_height);
    if (left >= right || top >= bottom)
        return;
    // One row is filled pixel by pixel, the others are copies of it.
    const auto first = m_bytes.begin() + static_cast<std::ptrdiff_t>(Offset(left, top));
    const auto rowBytes = static_cast<std::ptrdiff_t>(right - left) * 3;
    for (std::ptrdiff_t i = 0; i < rowBytes; i += 3) {
        first[i] = colour.r;
        first[i + 1] = colour.g;
        first[i + 2] = colour.b;
    }
    for (int y = top + 1; y < bottom; ++y)
        std::copy(first, first + rowBytes,
                  m_bytes.begin() + static_cast<std::ptrdiff_t>(Offset(left, y)));
}

void Raster::CopyFrom(const Raster& source, int left, int top, int right, int bottom)
{
    left = std::max(left, 0);
    top = std::max(top, 0);
    right = std::min({right, m_width, source.m_width});
    bottom = std::min({bottom, m_height, source.m_height});
    if (left >= right || top >= bottom)
        return;
    const auto rowBytes = static_cast<std::ptrdiff_t>(right - left) * 3;
    for (int y = top; y < bottom; ++y) {
        const auto from =
            source.m_bytes.begin() + static_cast<std::ptrdiff_t>(source.Offset(left, y));
        std::copy(from, from + rowBytes,
                  m_bytes.begin() + static_cast<std::ptrdiff_t>(Offset(left, y)));
    }
}

void Raster::Resize(int width, int height, Rgb fill)
{
    if (width < 0 || height < 0)
        throw std::invalid_argument("raster size must not be negative");
    std::vector<std::uint8_t> bytes(static_cast<std::size_t>(width) *
                                    static_cast<std::size_t>(height) * 3);
    for (std::size_t i = 0; i < bytes.size(); i += 3) {
        bytes[i] = fill.r;
        bytes[i + 1] = fill.g;
        bytes[i + 2] = fill.b;
    }
    const int keepW = std::min(width, m_width);
    const int keepH = std::min(height, m_height);
    for (int y = 0; y < keepH; ++y) {
        const auto from = m_bytes.begin() + static_cast<std::ptrdiff_t>(Offset(0, y));
        std::copy(from, from + keepW * 3,
                  bytes.begin() + static_cast<std::ptrdiff_t>(y) * width * 3);
    }
    m_bytes = std::move(bytes);
    m_width = width;
    m_height = height;
}
