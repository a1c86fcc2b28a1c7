#include "resources/generator/icons.h"

#include <algorithm>
#include <cmath>
#include <numbers>
#include <stdexcept>
#include <vector>

namespace {

struct IconLayout {
    int size;
    int corner;    // how many pixels the card's corners are cut
    int border;    // width of the card's border
    int line;      // thickness of the time axis and of each stem
    int baseline;  // top row of the time axis
    int axisLeft;  // first and last column of the time axis
    int axisRight;
    int headDiameter;
    std::vector<int> stemX;        // first column of each stem
    std::vector<int> sampleValue;  // rows above (positive) or below the axis
};

const IconLayout& LayoutFor(int size)
{
    // Samples of both signs at distinct heights, so that no two heads touch
    // and the stems read as a signal swinging about its axis. The small
    // sizes are drawn pixel by pixel; 256 is the 32-pixel plot scaled by 8
    // with round heads and a smooth corner cut, so that it still reads as
    // the same picture when a desktop shrinks it.
    static const IconLayout k16{16, 2, 1, 1, 9, 2, 13, 3, {3, 6, 9, 12}, {5, -3, 4, -4}};
    static const IconLayout k32{
        32, 3, 1, 1, 17, 3, 28, 5, {5, 10, 15, 20, 25}, {12, 5, -10, -5, 7}};
    static const IconLayout k48{
        48, 4, 2, 2, 25, 4, 43, 8, {7, 15, 23, 31, 39}, {16, 8, -14, -7, 11}};
    static const IconLayout k256{
        256, 24, 8, 8, 136, 24, 231, 40, {40, 80, 120, 160, 200}, {96, 40, -80, -40, 56}};
    for (const IconLayout* layout : {&k16, &k32, &k48, &k256})
        if (layout->size == size)
            return *layout;
    throw std::invalid_argument("icons are drawn at 16, 32, 48 or 256 pixels");
}

// A filled disc of `diameter` pixels whose bounding square starts at
// (left, top).
void Disc(IndexedImage& image, int left, int top, int diameter, std::uint8_t colour)
{
    const double r = diameter / 2.0;
    for (int y = 0; y < diameter; ++y)
        for (int x = 0; x < diameter; ++x) {
            const double dx = x + 0.5 - r;
            const double dy = y + 0.5 - r;
            // A little inside the true circle, so that small discs come out
            // round (a plus at 3 pixels) rather than square.
            if (dx * dx + dy * dy <= 0.8 * r * r)
                image.Set(left + x, top + y, colour);
        }
}

}  // namespace

IndexedImage DrawAppIcon(int size)
{
    const IconLayout& L = LayoutFor(size);
    IndexedImage image(size, size, kIconTransparent);

    // The card: a square with cut corners and a border, which runs along
    // the cut about as thick as along the sides (a diagonal step of one
    // pixel is 1.4 pixels across).
    const int last = size - 1;
    const int diagonalBorder = static_cast<int>(std::lround(L.border * std::numbers::sqrt2));
    for (int y = 0; y <= last; ++y)
        for (int x = 0; x <= last; ++x) {
            const int dx = std::min(x, last - x);
            const int dy = std::min(y, last - y);
            if (dx + dy < L.corner)
                continue;
            const bool edge = dx < L.border || dy < L.border || dx + dy < L.corner + diagonalBorder;
            image.Set(x, y, edge ? kIconBorder : kIconCard);
        }

    const int axisBottom = L.baseline + L.line - 1;
    image.Fill({L.axisLeft, L.baseline, L.axisRight, axisBottom}, kIconAxis);
    for (std::size_t i = 0; i < L.stemX.size(); ++i) {
        const int x = L.stemX[i];
        const int value = L.sampleValue[i];
        // The sample's own row band, `line` rows from `tip` down.
        const int tip = L.baseline - value;
        const int right = x + L.line - 1;
        const PixelBox stem = value > 0 ? PixelBox{x, tip, right, L.baseline - 1}
                                        : PixelBox{x, axisBottom + 1, right, tip + L.line - 1};
        image.Fill(stem, kIconStem);
        // The head is centred on the stem and on the sample's row band.
        const int headLeft = x + (L.line - L.headDiameter) / 2;
        const int headTop = tip + (L.line - L.headDiameter) / 2;
        Disc(image, headLeft, headTop, L.headDiameter, kIconHead);
    }
    return image;
}
