#include "picture/raster_backend.h"

#include <algorithm>
#include <cstdlib>
#include <vector>

namespace {

// ceil(numerator / denominator) for a positive denominator.
long long CeilDiv(long long numerator, long long denominator)
{
    long long q = numerator / denominator;
    if (numerator % denominator != 0 && numerator > 0)
        ++q;
    return q;
}

// Whether the centre of pixel i of a run of n pixels lies inside a unit
// interval scaled to the run: returns (2i + 1 - n) / n, the centre's position
// relative to the run's middle, in units of the half-run.
double Relative(int i, int n)
{
    return (2.0 * i + 1.0 - n) / n;
}

}  // namespace

void RasterBackend::SetPixel(int x, int y, Rgb colour)
{
    m_target.Put(x, y, colour);
}

void RasterBackend::FillRect(int left, int top, int right, int bottom, Rgb colour)
{
    m_target.Fill(left, top, right, bottom, colour);
}

// Lines follow the diamond convention of cosmetic lines: one pixel per
// column for x-major lines and one per row for y-major ones, the pixel
// nearest the true line; where the line passes exactly between two pixels
// the upper one (x-major) or the left one (y-major) is lit. The first pixel
// is drawn, the last is not, so joined lines never draw a corner twice.
void RasterBackend::Line(int startX, int startY, int endX, int endY)
{
    const long long x0 = startX;
    const long long y0 = startY;
    const long long dx = endX - x0;
    const long long dy = endY - y0;
    const long long adx = std::llabs(dx);
    const long long ady = std::llabs(dy);
    if (adx >= ady) {
        const long long step = dx > 0 ? 1 : -1;
        for (long long i = 0; i < adx; ++i) {
            // y offset = round(i * dy / adx), halves rounded toward -y.
            const long long off = CeilDiv(2 * i * dy - adx, 2 * adx);
            m_target.Put(static_cast<int>(x0 + step * i), static_cast<int>(y0 + off), kBlack);
        }
    } else {
        const long long step = dy > 0 ? 1 : -1;
        for (long long i = 0; i < ady; ++i) {
            const long long off = CeilDiv(2 * i * dx - ady, 2 * ady);
            m_target.Put(static_cast<int>(x0 + off), static_cast<int>(y0 + step * i), kBlack);
        }
    }
}

// The ellipse covers the pixels of the box whose centres lie inside the
// inscribed ellipse. Of those, a pixel with a 4-neighbour outside the
// ellipse belongs to the outline (a closed, one-pixel-thin ring); the others
// are interior.
void RasterBackend::Ellipse(int left, int top, int right, int bottom)
{
    if (left > right)
        std::swap(left, right);
    if (top > bottom)
        std::swap(top, bottom);
    const int width = right - left;
    const int height = bottom - top;
    if (width <= 0 || height <= 0)
        return;

    // Inside run [first, last] of each row; an empty run has first > last.
    // Relative(width - 1 - i) is exactly -Relative(i), and u * u + v * v
    // grows with |u|, so a row's run is the middle of the row, as far from
    // its right end as from its left: found from the left alone.
    std::vector<int> first(static_cast<std::size_t>(height));
    std::vector<int> last(static_cast<std::size_t>(height));
    for (int j = 0; j < height; ++j) {
        const double v = Relative(j, height);
        int lo = 0;
        while (lo < width) {
            const double u = Relative(lo, width);
            if (u * u + v * v <= 1.0)
                break;
            ++lo;
        }
        first[static_cast<std::size_t>(j)] = lo;
        last[static_cast<std::size_t>(j)] = lo < width ? width - 1 - lo : -1;
    }
    auto inside = [&](int i, int j) {
        if (i < 0 || j < 0 || i >= width || j >= height)
            return false;
        return i >= first[static_cast<std::size_t>(j)] && i <= last[static_cast<std::size_t>(j)];
    };
    for (int j = 0; j < height; ++j) {
        for (int i = first[static_cast<std::size_t>(j)]; i <= last[static_cast<std::size_t>(j)];
             ++i) {
            const bool edge =
                !inside(i - 1, j) || !inside(i + 1, j) || !inside(i, j - 1) || !inside(i, j + 1);
            m_target.Put(left + i, top + j, edge ? kBlack : kWhite);
        }
    }
}

void RasterBackend::Text(int x, int y, std::string_view text)
{
    m_font.Draw(m_target, x, y, text);
}
