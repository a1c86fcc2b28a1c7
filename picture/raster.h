// An RGB picture in memory: what every window that shows pictures owns, and
// what vorlen-render writes out as PNG.
#pragma once

#include <cstdint>
#include <span>
#include <vector>

struct Rgb {
    std::uint8_t r;
    std::uint8_t g;
    std::uint8_t b;
    bool operator==(const Rgb&) const = default;
};

inline constexpr Rgb kWhite{255, 255, 255};
inline constexpr Rgb kBlack{0, 0, 0};
inline constexpr Rgb kBlue{0, 0, 255};
inline constexpr Rgb kRed{255, 0, 0};

// The colour of a window's client area where nothing has been drawn, and of
// any region the window system asks to repaint.
inline constexpr Rgb kBackground = kWhite;

class Raster {
public:
    Raster(int width, int height, Rgb fill = kBackground);

    int Width() const { return m_width; }
    int Height() const { return m_height; }
    bool Contains(int x, int y) const { return x >= 0 && y >= 0 && x < m_width && y < m_height; }

    // Reading outside the raster is a programming error: it throws
    // std::out_of_range rather than read a neighbouring row.
    Rgb Pixel(int x, int y) const;

    // Writes that fall outside the raster are dropped. Inline: the drawing
    // of lines, ellipses and shading sets one pixel at a time.
    void Put(int x, int y, Rgb colour)
    {
        if (!Contains(x, y))
            return;
        std::uint8_t* pixel = m_bytes.data() + Offset(x, y);
        pixel[0] = colour.r;
        pixel[1] = colour.g;
        pixel[2] = colour.b;
    }
    // Fills [left, right) x [top, bottom), clipped to the raster.
    void Fill(int left, int top, int right, int bottom, Rgb colour);

    // Copies [left, right) x [top, bottom) of `source` to the same place
    // here, clipped to both rasters.
    void CopyFrom(const Raster& source, int left, int top, int right, int bottom);

    // Changes the size, keeping what overlaps and filling the rest.
    void Resize(int width, int height, Rgb fill = kBackground);

    // Rows of width * 3 bytes, top row first, red-green-blue per pixel.
    std::span<const std::uint8_t> Bytes() const { return m_bytes; }
    // The same bytes, writable, for painters that compose whole rows.
    std::span<std::uint8_t> MutableBytes() { return m_bytes; }

private:
    std::size_t Offset(int x, int y) const
    {
        return (static_cast<std::size_t>(y) * static_cast<std::size_t>(m_width) +
                static_cast<std::size_t>(x)) *
               3;
    }

    int m_width;
    int m_height;
    std::vector<std::uint8_t> m_bytes;
};
