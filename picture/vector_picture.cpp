#include "picture/vector_picture.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <utility>

std::array<Point, 4> LineOutline(const LineShape& line)
{
    const double dx = static_cast<double>(line.x1) - line.x0;
    const double dy = static_cast<double>(line.y1) - line.y0;
    // The start pixel is covered whole and the end pixel not at all: the
    // covered span runs from the start pixel's outer edge to the end pixel's
    // inner edge, which for a line running toward -x is one pixel to the
    // right of the end's left edge.
    if (std::abs(dx) >= std::abs(dy)) {
        const double from = dx > 0 ? line.x0 : line.x0 + 1.0;
        const double to = dx > 0 ? line.x1 : line.x1 + 1.0;
        const double slope = dy / dx;
        // The centre line passes through (x0 + 1/2, y0 + 1/2).
        auto centre = [&](double x) { return line.y0 + 0.5 + (x - line.x0 - 0.5) * slope; };
        return {Point{from, centre(from) - 0.5}, Point{to, centre(to) - 0.5},
                Point{to, centre(to) + 0.5}, Point{from, centre(from) + 0.5}};
    }
    const double from = dy > 0 ? line.y0 : line.y0 + 1.0;
    const double to = dy > 0 ? line.y1 : line.y1 + 1.0;
    const double slope = dx / dy;
    auto centre = [&](double y) { return line.x0 + 0.5 + (y - line.y0 - 0.5) * slope; };
    return {Point{centre(from) - 0.5, from}, Point{centre(to) - 0.5, to},
            Point{centre(to) + 0.5, to}, Point{centre(from) + 0.5, from}};
}

Bounds LineBounds(const LineShape& line)
{
    Bounds bounds{INFINITY, INFINITY, -INFINITY, -INFINITY};
    for (const Point& corner : LineOutline(line)) {
        bounds.left = std::min(bounds.left, corner.x);
        bounds.top = std::min(bounds.top, corner.y);
        bounds.right = std::max(bounds.right, corner.x);
        bounds.bottom = std::max(bounds.bottom, corner.y);
    }
    return bounds;
}

EllipsePath OutlinePath(const EllipseShape& ellipse)
{
    const double width = static_cast<double>(ellipse.right) - ellipse.left;
    const double height = static_cast<double>(ellipse.bottom) - ellipse.top;
    const double cx = ellipse.left + width / 2;
    const double cy = ellipse.top + height / 2;
    if (width <= 2 || height <= 2) {
        return EllipsePath{cx, cy, width / 2, height / 2, true};
    }
    return EllipsePath{cx, cy, width / 2 - 0.5, height / 2 - 0.5, false};
}

TextPlacement PlaceText(const TextShape& text)
{
    const long long width = static_cast<long long>(text.text.size()) * text.advance;
    return TextPlacement{text.x,
                         text.y,
                         text.x + width,
                         static_cast<long long>(text.y) + text.lineHeight,
                         static_cast<long long>(text.y) + text.ascent,
                         text.advance};
}

ShapeBox BoxOf(const Shape& shape)
{
    struct Boxes {
        ShapeBox operator()(const RectShape& r) const { return {r.left, r.top, r.right, r.bottom}; }
        ShapeBox operator()(const EllipseShape& e) const
        {
            return {e.left, e.top, e.right, e.bottom};
        }
        ShapeBox operator()(const LineShape& line) const
        {
            // The corners lie within a pixel of the end pixels, whose
            // coordinates are ints: the conversions cannot overflow.
            const Bounds bounds = LineBounds(line);
            return {static_cast<long long>(std::floor(bounds.left)),
                    static_cast<long long>(std::floor(bounds.top)),
                    static_cast<long long>(std::ceil(bounds.right)),
                    static_cast<long long>(std::ceil(bounds.bottom))};
        }
        ShapeBox operator()(const TextShape& text) const
        {
            const TextPlacement place = PlaceText(text);
            return {place.left, place.top, place.right, place.bottom};
        }
    };
    return std::visit(Boxes{}, shape);
}

VectorRecorder::VectorRecorder(int width, int height, const MonoFont& font) : m_font(&font)
{
    m_picture.width = width;
    m_picture.height = height;
}

bool VectorRecorder::OnPage(long long left, long long top, long long right, long long bottom) const
{
    return left < m_picture.width && top < m_picture.height && right > 0 && bottom > 0 &&
           left < right && top < bottom;
}

void VectorRecorder::Add(Shape shape)
{
    EndRun();
    m_boxes.push_back(BoxOf(shape));
    m_picture.shapes.push_back(std::move(shape));
}

void VectorRecorder::EndRun()
{
    if (m_run) {
        m_boxes.push_back({m_run->left, m_run->top, m_run->right, m_run->bottom});
        m_picture.shapes.emplace_back(std::in_place_type<RectShape>, *m_run);
        m_run.reset();
    }
}

void VectorRecorder::DropCovered(const ShapeBox& cover)
{
    EndRun();
    std::size_t kept = 0;
    for (std::size_t i = 0; i < m_boxes.size(); ++i) {
        const ShapeBox& box = m_boxes[i];
        if (box.left >= cover.left && box.top >= cover.top && box.right <= cover.right &&
            box.bottom <= cover.bottom) {
            continue;
        }
        if (kept != i) {
            m_boxes[kept] = box;
            m_picture.shapes[kept] = std::move(m_picture.shapes[i]);
        }
        ++kept;
    }
    m_boxes.resize(kept);
    m_picture.shapes.erase(m_picture.shapes.begin() + static_cast<std::ptrdiff_t>(kept),
                           m_picture.shapes.end());
}

void VectorRecorder::SetPixel(int x, int y, Rgb colour)
{
    if (!OnPage(x, y, x + 1LL, y + 1LL)) {
        return;
    }
    if (m_run && m_run->colour == colour) {
        // A run grows at either end, along its row or down its column; a
        // single pixel can still become either.
        RectShape& run = *m_run;
        if (run.bottom - run.top == 1 && y == run.top && (x == run.right || x == run.left - 1)) {
            run.left = std::min(run.left, x);
            run.right = std::max(run.right, x + 1);
            return;
        }
        if (run.right - run.left == 1 && x == run.left && (y == run.bottom || y == run.top - 1)) {
            run.top = std::min(run.top, y);
            run.bottom = std::max(run.bottom, y + 1);
            return;
        }
    }
    EndRun();
    m_run = RectShape{x, y, x + 1, y + 1, colour};
}

void VectorRecorder::FillRect(int left, int top, int right, int bottom, Rgb colour)
{
    if (!OnPage(left, top, right, bottom)) {
        return;
    }
    const RectShape rect{std::max(left, 0), std::max(top, 0), std::min(right, m_picture.width),
                         std::min(bottom, m_picture.height), colour};
    DropCovered({rect.left, rect.top, rect.right, rect.bottom});
    Add(rect);
}

void VectorRecorder::Ellipse(int left, int top, int right, int bottom)
{
    if (left > right) {
        std::swap(left, right);
    }
    if (top > bottom) {
        std::swap(top, bottom);
    }
    if (OnPage(left, top, right, bottom)) {
        Add(EllipseShape{left, top, right, bottom});
    }
}

void VectorRecorder::Line(int x0, int y0, int x1, int y1)
{
    // Every pixel the line sets lies in the box of its two end pixels.
    if (OnPage(std::min(x0, x1), std::min(y0, y1), std::max(x0, x1) + 1LL,
               std::max(y0, y1) + 1LL)) {
        Add(LineShape{x0, y0, x1, y1});
    }
}

void VectorRecorder::Text(int x, int y, std::string_view text)
{
    TextShape shape{
        x, y, DecodeText(text), m_font->Advance(), m_font->LineHeight(), m_font->Ascent()};
    const TextPlacement place = PlaceText(shape);
    if (OnPage(place.left, place.top, place.right, place.bottom)) {
        Add(std::move(shape));
    }
}

const VectorPicture& VectorRecorder::Picture()
{
    EndRun();
    return m_picture;
}
