// A picture as shapes instead of pixels: the Surface operations of one
// drawing, in order, at the picture's own coordinates. VectorRecorder makes
// it; it is written as SVG (svg_picture.h), as PDF, and as pixels at any
// whole scale (cairo_picture.h).
//
// The shapes are placed so that, drawn at scale 1, they cover the very
// pixels the raster backend sets: rectangles and pixels exactly, lines on
// pixel centres, ellipses in their boxes, text in its box.
#pragma once

#include <array>
#include <optional>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

#include "picture/raster.h"
#include "picture/surface_backend.h"
#include "picture/text.h"

// [left, right) x [top, bottom) in one colour; never empty, never off the
// page. A run of single pixels set in one colour becomes one of these.
struct RectShape {
    int left;
    int top;
    int right;
    int bottom;
    Rgb colour;
    bool operator==(const RectShape&) const = default;
};

// The ellipse inscribed in [left, right) x [top, bottom); left < right and
// top < bottom.
struct EllipseShape {
    int left;
    int top;
    int right;
    int bottom;
    bool operator==(const EllipseShape&) const = default;
};

// A line from pixel (x0, y0), drawn, to pixel (x1, y1), not drawn; the two
// differ.
struct LineShape {
    int x0;
    int y0;
    int x1;
    int y1;
    bool operator==(const LineShape&) const = default;
};

// One line of text, its box's top-left corner at (x, y), with the measures
// of the font it was drawn in, so that every writer places it alike.
struct TextShape {
    int x;
    int y;
    std::u32string text;
    int advance;     // columns per character
    int lineHeight;  // rows of the box
    int ascent;      // from the box's top to the baseline
    std::u32string_view Characters() const { return text; }
    bool operator==(const TextShape&) const = default;
};

using Shape = std::variant<RectShape, EllipseShape, LineShape, TextShape>;

struct VectorPicture {
    int width = 0;  // the page, in picture pixels
    int height = 0;
    std::vector<Shape> shapes;  // in drawing order: later shapes cover earlier ones
    bool operator==(const VectorPicture&) const = default;
};

// The geometry every writer uses, so that SVG, PDF and pixels agree.

struct Point {
    double x;
    double y;
};

// The area a line covers: one pixel tall over every column it crosses when
// it is at least as wide as it is tall, one pixel wide over every row
// otherwise (as the raster backend sets one pixel per column or row),
// centred on the line through the centres of its end pixels, from the outer
// edge of the start pixel to the inner edge of the end pixel. Corners in
// order around the outline.
std::array<Point, 4> LineOutline(const LineShape& line);

// The smallest axis-aligned box around LineOutline(line).
struct Bounds {
    double left;
    double top;
    double right;
    double bottom;
};
Bounds LineBounds(const LineShape& line);

// The ellipse the outline is stroked along: the inscribed ellipse shrunk by
// half a pixel, so that a 1-pixel stroke ends at the box's edges, with the
// white interior filled inside it. A box at most two pixels across has no
// interior: `solid` then says to fill the whole inscribed ellipse black
// (centre and radii are the inscribed ellipse's).
struct EllipsePath {
    double cx;
    double cy;
    double rx;
    double ry;
    bool solid;
};
EllipsePath OutlinePath(const EllipseShape& ellipse);

// Where the raster puts a text: its opaque box, its baseline, and
// each character's pen position (box left + i advances).
struct TextPlacement {
    // The white box [left, right) x [top, bottom); it may reach off the page.
    long long left;
    long long top;
    long long right;
    long long bottom;
    long long baseline;
    int advance;
    double PenX(std::size_t i) const
    {
        return static_cast<double>(left) + static_cast<double>(i) * advance;
    }
};
TextPlacement PlaceText(const TextShape& text);

// The pixels [left, right) x [top, bottom) that a shape can touch when
// drawn at scale 1 (lines: the pixels their outline reaches into; text: its
// opaque box). A shape drawn at any scale stays inside its box scaled.
struct ShapeBox {
    long long left;
    long long top;
    long long right;
    long long bottom;
};
ShapeBox BoxOf(const Shape& shape);

// A backend that records what is drawn on a page of width x height pixels.
// Shapes that lie wholly off the page are left out, and so are shapes that
// a later FillRect wholly covers: they could never be seen, and a picture
// that is redrawn over and over (the designer's, event after event) would
// otherwise grow with every redraw.
class VectorRecorder final : public SurfaceBackend {
public:
    // Text is measured in `font`, which must outlive the recorder.
    VectorRecorder(int width, int height, const MonoFont& font);

    void SetPixel(int x, int y, Rgb colour) override;
    void FillRect(int left, int top, int right, int bottom, Rgb colour) override;
    void Ellipse(int left, int top, int right, int bottom) override;
    void Line(int x0, int y0, int x1, int y1) override;
    void Text(int x, int y, std::string_view text) override;
    TextExtent MeasureText(std::string_view text) const override { return m_font->Measure(text); }

    // Everything drawn so far.
    const VectorPicture& Picture();

private:
    void Add(Shape shape);
    void EndRun();
    // Drops the shapes recorded so far that lie wholly inside the box.
    void DropCovered(const ShapeBox& cover);
    bool OnPage(long long left, long long top, long long right, long long bottom) const;

    const MonoFont* m_font;  // a pointer, so that a recorder can be copied
    VectorPicture m_picture;
    std::vector<ShapeBox> m_boxes;  // BoxOf() each of m_picture.shapes
    // Pixels set one after another in one colour along a row or a column,
    // not yet added: the axes and stems are hundreds of pixels each.
    std::optional<RectShape> m_run;
};
