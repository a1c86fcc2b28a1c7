#include "resources/generator/icons.h"

#include <stdexcept>
#include <vector>

namespace {

struct IconLayout {
    int size;
    int corner;            // how many pixels the card's corners are cut
    int baseline;          // row of the time axis
    int axisLeft;          // first and last column of the time axis
    int axisRight;
    int stemWidth;
    int headDiameter;
    std::vector<int> stemX;        // first column of each stem
    std::vector<int> sampleValue;  // rows above (positive) or below the axis
};

const IconLayout& LayoutFor(int size)
{
    // Samples of both signs at distinct heights, so that no two heads touch
    // and the stems read as a signal swinging about its axis.
    static const IconLayout k32{32, 3, 17, 3, 28, 1, 5, {5, 10, 15, 20, 25}, {12, 5, -10, -5, 7}};
    static const IconLayout k16{16, 2, 9, 2, 13, 1, 3, {3, 6, 9, 12}, {5, -3, 4, -4}};
    if (size == 32)
        return k32;
    if (size == 16)
        return k16;
    throw std::invalid_argument("icons are drawn at 16 or 32 pixels");
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

    // The card: a square with cut corners, a one-pixel border.
    const int last = size - 1;
    for (int y = 0; y <= last; ++y)
        for (int x = 0; x <= last; ++x) {
            const int dx = std::min(x, last - x);
            const int dy = std::min(y, last - y);
            if (dx + dy < L.corner)
                continue;
            const bool edge = dx == 0 || dy == 0 || dx + dy == L.corner;
            image.Set(x, y, edge ? kIconBorder : kIconCard);
        }

    image.Fill({L.axisLeft, L.baseline, L.axisRight, L.baseline}, kIconAxis);
    for (std::size_t i = 0; i < L.stemX.size(); ++i) {
        const int x = L.stemX[i];
        const int value = L.sampleValue[i];
        const int tip = L.baseline - value;
        const PixelBox stem = value > 0 ? PixelBox{x, tip, x + L.stemWidth - 1, L.baseline - 1}
                                        : PixelBox{x, L.baseline + 1, x + L.stemWidth - 1, tip};
        image.Fill(stem, kIconStem);
        // The head is centred on the stem and on the sample's row.
        const int headLeft = x + (L.stemWidth - L.headDiameter) / 2;
        const int headTop = tip - L.headDiameter / 2;
        Disc(image, headLeft, headTop, L.headDiameter, kIconHead);
    }
    return image;
}
