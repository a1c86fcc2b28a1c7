#include "picture/block_painter.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <stdexcept>
#include <variant>

#include "picture/vector_picture.h"

namespace {

// The target pixels whose centres lie in [from, to) along one axis, at
// `scale` target pixels per picture pixel.
struct Span {
    long long first;
    long long last;  // one past
};
Span CentresWithin(double from, double to, int scale)
{
    return {static_cast<long long>(std::ceil(from * scale - 0.5)),
            static_cast<long long>(std::ceil(to * scale - 0.5))};
}

class Painter {
public:
    Painter(Raster& target, const MonoFont& font, int scale)
        : m_target(target), m_font(font), m_scale(scale)
    {
    }

    void operator()(const RectShape& rect) const
    {
        Block(rect.left, rect.top, rect.right, rect.bottom, rect.colour);
    }

    // The line's outline, a parallelogram: a target pixel is inked when its
    // centre lies inside, on the left and top edges included.
    void operator()(const LineShape& line) const
    {
        const std::array<Point, 4> corners = LineOutline(line);
        const Bounds bounds = LineBounds(line);
        const Span rows = CentresWithin(bounds.top, bounds.bottom, m_scale);
        const Span columns = CentresWithin(bounds.left, bounds.right, m_scale);
        double turn = 0.0;  // the outline's orientation
        for (std::size_t i = 0; i < 4; ++i) {
            const Point& a = corners[i];
            const Point& b = corners[(i + 1) % 4];
            turn += a.x * b.y - b.x * a.y;
        }
        for (long long y = rows.first; y < rows.last; ++y) {
            for (long long x = columns.first; x < columns.last; ++x) {
                const Point centre{(static_cast<double>(x) + 0.5) / m_scale,
                                   (static_cast<double>(y) + 0.5) / m_scale};
                bool inside = true;
                for (std::size_t i = 0; i < 4 && inside; ++i) {
                    const Point& a = corners[i];
                    const Point& b = corners[(i + 1) % 4];
                    const double side =
                        (b.x - a.x) * (centre.y - a.y) - (b.y - a.y) * (centre.x - a.x);
                    inside = turn > 0 ? side >= 0 : side <= 0;
                }
                if (inside) {
                    Put(x, y, kBlack);
                }
            }
        }
    }

    // A stroke one picture pixel wide along the outline path, white inside;
    // a small box is one solid ellipse.
    void operator()(const EllipseShape& ellipse) const
    {
        const EllipsePath path = OutlinePath(ellipse);
        const double outerX = path.solid ? path.rx : path.rx + 0.5;
        const double outerY = path.solid ? path.ry : path.ry + 0.5;
        const double innerX = path.rx - 0.5;
        const double innerY = path.ry - 0.5;
        const Span rows = CentresWithin(path.cy - outerY, path.cy + outerY, m_scale);
        const Span columns = CentresWithin(path.cx - outerX, path.cx + outerX, m_scale);
        const auto within = [](double dx, double dy, double rx, double ry) {
            return rx > 0 && ry > 0 && (dx * dx) / (rx * rx) + (dy * dy) / (ry * ry) <= 1.0;
        };
        for (long long y = rows.first; y < rows.last; ++y) {
            for (long long x = columns.first; x < columns.last; ++x) {
                const double dx = (static_cast<double>(x) + 0.5) / m_scale - path.cx;
                const double dy = (static_cast<double>(y) + 0.5) / m_scale - path.cy;
                if (!within(dx, dy, outerX, outerY)) {
                    continue;
                }
                const bool interior = !path.solid && within(dx, dy, innerX, innerY);
                Put(x, y, interior ? kWhite : kBlack);
            }
        }
    }

    // The opaque box, then each glyph's ink in blocks, kept within the box
    // as the raster keeps it.
    void operator()(const TextShape& text) const
    {
        const TextPlacement place = PlaceText(text);
        Block(place.left, place.top, place.right, place.bottom, kWhite);
        for (std::size_t i = 0; i < text.text.size(); ++i) {
            const Glyph& glyph = m_font.GlyphFor(text.text[i]);
            const long long left = static_cast<long long>(place.PenX(i)) + glyph.left;
            const long long top = place.baseline - glyph.top;
            for (int row = 0; row < glyph.rows; ++row) {
                for (int column = 0; column < glyph.width; ++column) {
                    const long long x = left + column;
                    const long long y = top + row;
                    const bool inBox =
                        x >= place.left && x < place.right && y >= place.top && y < place.bottom;
                    if (inBox && glyph.bits[static_cast<std::size_t>(row * glyph.width + column)]) {
                        Block(x, y, x + 1, y + 1, kBlack);
                    }
                }
            }
        }
    }

private:
    // Picture pixels [left, right) x [top, bottom), as target blocks.
    void Block(long long left, long long top, long long right, long long bottom, Rgb colour) const
    {
        const auto clamp = [](long long v, int limit) {
            return static_cast<int>(std::clamp<long long>(v, 0, limit));
        };
        m_target.Fill(clamp(left * m_scale, m_target.Width()),
                      clamp(top * m_scale, m_target.Height()),
                      clamp(right * m_scale, m_target.Width()),
                      clamp(bottom * m_scale, m_target.Height()), colour);
    }

    void Put(long long x, long long y, Rgb colour) const
    {
        if (x >= 0 && y >= 0 && x < m_target.Width() && y < m_target.Height()) {
            m_target.Put(static_cast<int>(x), static_cast<int>(y), colour);
        }
    }

    Raster& m_target;
    const MonoFont& m_font;
    int m_scale;
};

}  // namespace

void BlockPainter::Paint(Raster& target, const VectorPicture& picture, int scale) const
{
    if (scale < 1) {
        throw std::invalid_argument("a picture is painted at a scale of 1 or more");
    }
    const Painter painter(target, m_font, scale);
    for (const Shape& shape : picture.shapes) {
        std::visit(painter, shape);
    }
}
