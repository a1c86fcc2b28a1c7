// A palette picture in memory and the two file formats the artwork is kept
// in: Windows BMP (8 bits per pixel) for the diagrams, PNG for the icons.
#pragma once

#include <array>
#include <cstdint>
#include <span>
#include <string>
#include <vector>

struct PaletteColour {
    std::uint8_t r;
    std::uint8_t g;
    std::uint8_t b;
};

// A rectangle of pixels, both ends inclusive (the way the diagrams' layouts
// give their boxes).
struct PixelBox {
    int left;
    int top;
    int right;
    int bottom;

    int Width() const { return right - left + 1; }
    int Height() const { return bottom - top + 1; }
    bool Contains(int x, int y) const { return x >= left && x <= right && y >= top && y <= bottom; }
};

class IndexedImage {
public:
    IndexedImage(int width, int height, std::uint8_t fill);

    int Width() const { return m_width; }
    int Height() const { return m_height; }
    std::uint8_t At(int x, int y) const;
    // Writes outside the picture are dropped.
    void Set(int x, int y, std::uint8_t index);
    void Fill(const PixelBox& box, std::uint8_t index);

private:
    int m_width;
    int m_height;
    std::vector<std::uint8_t> m_pixels;  // rows top first
};

// BITMAPFILEHEADER + BITMAPINFOHEADER, a 256-entry palette (entries past the
// given colours are black), bottom-up rows padded to four bytes.
std::vector<std::uint8_t> EncodeBmp8(const IndexedImage& image,
                                     std::span<const PaletteColour> palette);

// A palette PNG, 4 bits per pixel (so at most 16 colours); the entry
// `transparent`, if not negative, is fully transparent.
std::vector<std::uint8_t> EncodePng4(const IndexedImage& image,
                                     std::span<const PaletteColour> palette, int transparent);

// Throws std::runtime_error naming the file when it cannot be written.
void WriteFileBytes(const std::string& path, std::span<const std::uint8_t> bytes);
