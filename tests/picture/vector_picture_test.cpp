// Pictures as shapes: what the recorder keeps, where a line's outline lies,
// and the scaled painter's pixels against the exact raster.
#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <cstring>
#include <memory>
#include <random>
#include <set>
#include <string>
#include <utility>
#include <variant>
#include <vector>

#include "picture/cairo/cairo_shapes.h"
#include "picture/cairo/scaled_picture.h"
#include "picture/draw_at_scale.h"
#include "picture/surface.h"
#include "picture/svg_picture.h"
#include "picture/text.h"
#include "picture/vector_picture.h"
#include "tests/support/scaled_blocks.h"
#include "tests/support/test_tools.h"

namespace {

constexpr Rgb kMark{200, 10, 10};  // a colour no operation draws with
constexpr Rgb kGreen{0, 160, 0};

bool SameRect(const Shape& shape, RectShape want)
{
    const auto* rect = std::get_if<RectShape>(&shape);
    return rect != nullptr && rect->left == want.left && rect->top == want.top &&
           rect->right == want.right && rect->bottom == want.bottom && rect->colour == want.colour;
}

// Whether a point lies inside a convex quadrilateral: +1 strictly inside,
// 0 on its edge, -1 outside.
int Inside(const std::array<Point, 4>& quad, double x, double y)
{
    int sign = 0;
    bool onEdge = false;
    for (std::size_t i = 0; i < 4; ++i) {
        const Point a = quad[i];
        const Point b = quad[(i + 1) % 4];
        const double cross = (b.x - a.x) * (y - a.y) - (b.y - a.y) * (x - a.x);
        if (std::abs(cross) < 1e-9) {
            onEdge = true;
            continue;
        }
        const int s = cross > 0 ? 1 : -1;
        if (sign != 0 && s != sign) {
            return -1;
        }
        sign = s;
    }
    return onEdge ? 0 : 1;
}

// Draws the same operations on the exact raster and on the recorder.
template <class Draw>
std::pair<Raster, VectorPicture> BothWays(int width, int height, Draw draw)
{
    Raster raster(width, height, kMark);
    Surface exact(raster, TestFont());
    draw(exact);
    VectorRecorder recorder(width, height, TestFont());
    Surface shapes(recorder);
    draw(shapes);
    return {std::move(raster), recorder.Picture()};
}

void DrawSample(Surface& s)
{
    s.FillRect(2, 2, 60, 40, kWhite);
    for (int x = 5; x < 50; ++x) {
        s.SetPixel(x, 30, kBlue);
    }
    for (int y = 30; y > 8; --y) {
        s.SetPixel(12, y, kBlack);
    }
    s.Ellipse(10, 6, 15, 10);
    s.MoveTo(20, 28);
    s.LineTo(45, 28);
    s.LineTo(45, 12);
    s.LineTo(30, 20);
    s.TextOut(20, 33, "x(n)");
    s.Ellipse(40, 2, 70, 22);  // partly off the page
}

}  // namespace

TEST(VectorRecorder, KeepsTheDrawingOrderAndJoinsRunsOfPixels)
{
    VectorRecorder recorder(100, 50, TestFont());
    Surface s(recorder);
    for (int x = 10; x < 14; ++x) {
        s.SetPixel(x, 5, kBlue);  // a row, left to right
    }
    s.SetPixel(9, 5, kBlue);  // and one more at its left end
    for (int y = 20; y > 16; --y) {
        s.SetPixel(3, y, kBlack);  // a column, upward
    }
    s.SetPixel(3, 16, kRed);  // the colour changes: a new run
    s.SetPixel(4, 16, kRed);
    s.Ellipse(30, 20, 25, 15);  // corners given the other way round
    s.SetPixel(5, 16, kRed);    // after a shape: a new run
    s.FillRect(-10, -10, 5, 5, kWhite);
    s.SetPixel(-1, 0, kBlack);               // off the page
    s.FillRect(100, 0, 120, 10, kWhite);     // off the page
    s.TextOut(-500, 10, "off to the left");  // wholly off the page
    s.MoveTo(7, 7);
    s.LineTo(7, 7);  // nothing to draw
    s.LineTo(9, 8);

    const VectorPicture& picture = recorder.Picture();
    EXPECT_EQ(100, picture.width);
    EXPECT_EQ(50, picture.height);
    ASSERT_EQ(7u, picture.shapes.size());
    EXPECT_TRUE(SameRect(picture.shapes[0], {9, 5, 14, 6, kBlue}));
    EXPECT_TRUE(SameRect(picture.shapes[1], {3, 17, 4, 21, kBlack}));
    EXPECT_TRUE(SameRect(picture.shapes[2], {3, 16, 5, 17, kRed}));
    const auto* ellipse = std::get_if<EllipseShape>(&picture.shapes[3]);
    ASSERT_NE(nullptr, ellipse);
    EXPECT_EQ((std::array{25, 15, 30, 20}),
              (std::array{ellipse->left, ellipse->top, ellipse->right, ellipse->bottom}));
    EXPECT_TRUE(SameRect(picture.shapes[4], {5, 16, 6, 17, kRed}));
    EXPECT_TRUE(SameRect(picture.shapes[5], {0, 0, 5, 5, kWhite}));  // clipped to the page
    const auto* line = std::get_if<LineShape>(&picture.shapes[6]);
    ASSERT_NE(nullptr, line);
    EXPECT_EQ((std::array{7, 7, 9, 8}), (std::array{line->x0, line->y0, line->x1, line->y1}));
}

// A rectangle filled over shapes that lie wholly inside it hides them for
// good: the recorder drops them, and keeps every shape that reaches out of
// it (however little), in order. Pixels set one by one are not rectangles
// that hide anything.
TEST(VectorRecorder, DropsTheShapesALaterRectangleWhollyCovers)
{
    VectorRecorder recorder(100, 50, TestFont());
    Surface s(recorder);
    s.Ellipse(10, 10, 15, 15);  // inside
    s.Ellipse(40, 20, 46, 26);  // one column beyond the rectangle's right edge
    s.MoveTo(10, 6);
    s.LineTo(20, 8);         // inside
    s.LineTo(20, 30);        // its outline's last row is 29: inside
    s.LineTo(20, 31);        // reaches row 30: kept
    s.TextOut(20, 9, "ab");  // its opaque box inside
    s.TextOut(40, 9, "ab");  // its box reaching past column 45: kept
    for (int y = 20; y < 25; ++y) {
        s.SetPixel(12, y, kBlue);  // a run still pending: inside
    }
    s.FillRect(8, 4, 45, 30, kGreen);
    s.SetPixel(30, 10, kRed);  // a pixel over the rectangle hides nothing
    s.SetPixel(31, 10, kWhite);
    s.FillRect(-20, -20, 35, 15, kWhite);  // clipped to the page, then it covers the pixels
    s.FillRect(200, 0, 300, 50, kWhite);   // off the page: nothing changes

    const VectorPicture& picture = recorder.Picture();
    ASSERT_EQ(5u, picture.shapes.size());
    EXPECT_EQ(Shape(EllipseShape{40, 20, 46, 26}), picture.shapes[0]);
    EXPECT_EQ(Shape(LineShape{20, 30, 20, 31}), picture.shapes[1]);
    EXPECT_TRUE(std::holds_alternative<TextShape>(picture.shapes[2]));
    EXPECT_TRUE(SameRect(picture.shapes[3], {8, 4, 45, 30, kGreen}));
    EXPECT_TRUE(SameRect(picture.shapes[4], {0, 0, 35, 15, kWhite}));
    EXPECT_EQ(40, std::get<TextShape>(picture.shapes[2]).x);

    // The boxes it goes by hold every pixel a shape's outline reaches into,
    // if only by a tenth of a pixel, where an antialiased drawing tints it.
    const ShapeBox down = BoxOf(LineShape{20, 30, 20, 31});
    EXPECT_EQ((std::array{20LL, 30LL, 21LL, 31LL}),
              (std::array{down.left, down.top, down.right, down.bottom}));
    const ShapeBox slanted = BoxOf(LineShape{10, 6, 20, 8});
    EXPECT_EQ((std::array{10LL, 5LL, 20LL, 9LL}),
              (std::array{slanted.left, slanted.top, slanted.right, slanted.bottom}));
    const ShapeBox back = BoxOf(LineShape{20, 8, 10, 6});
    EXPECT_EQ((std::array{11LL, 6LL, 21LL, 10LL}),
              (std::array{back.left, back.top, back.right, back.bottom}));
}

// Sampled at pixel centres, a line's outline holds exactly the pixels the
// raster backend sets for it, in every direction; only a centre that lies
// on the outline's edge (the raster's tie) may go either way.
TEST(LineOutline, CoversTheRasterLinesPixels)
{
    std::mt19937 random(17);
    std::uniform_int_distribution<int> coordinate(-3, 40);
    std::vector<LineShape> lines;
    for (int x = 0; x <= 20; ++x) {
        for (int y = 0; y <= 20; ++y) {
            if (x != 10 || y != 10) {
                lines.push_back({10, 10, x, y});  // every direction and short lengths
            }
        }
    }
    for (int i = 0; i < 300; ++i) {
        LineShape line{coordinate(random), coordinate(random), coordinate(random),
                       coordinate(random)};
        if (line.x0 != line.x1 || line.y0 != line.y1) {
            lines.push_back(line);
        }
    }
    for (const LineShape& line : lines) {
        SCOPED_TRACE("(" + std::to_string(line.x0) + ", " + std::to_string(line.y0) + ") to (" +
                     std::to_string(line.x1) + ", " + std::to_string(line.y1) + ")");
        Raster raster(50, 50, kMark);
        // Shifted by 5 so that negative coordinates land on the raster.
        Surface surface(raster, TestFont());
        surface.MoveTo(line.x0 + 5, line.y0 + 5);
        surface.LineTo(line.x1 + 5, line.y1 + 5);
        const auto outline = LineOutline(line);
        int lit = 0;
        for (int y = 0; y < 50; ++y) {
            for (int x = 0; x < 50; ++x) {
                const bool set = raster.Pixel(x, y) == kBlack;
                lit += set;
                const int inside = Inside(outline, x - 5 + 0.5, y - 5 + 0.5);
                if (inside != 0) {
                    ASSERT_EQ(set, inside > 0) << "pixel (" << x - 5 << ", " << y - 5 << ")";
                }
            }
        }
        EXPECT_EQ(std::max(std::abs(line.x1 - line.x0), std::abs(line.y1 - line.y0)), lit);
    }
}

// At scale 1 the painter puts rectangles, pixels and straight lines on the
// raster's very pixels, and shows what lies under nothing; ellipses and text
// differ only inside their boxes.
TEST(PaintScaled, AtScaleOneMatchesTheRasterOutsideEllipsesAndText)
{
    const auto [raster, picture] = BothWays(64, 48, DrawSample);
    Raster painted(64, 48, kMark);
    TestTools().Painter().Paint(painted, picture, 1);
    const auto soft = SoftBoxes(picture);
    int compared = 0;
    for (int y = 0; y < 48; ++y) {
        for (int x = 0; x < 64; ++x) {
            if (!InAny(soft, x, y)) {
                ++compared;
                ASSERT_EQ(raster.Pixel(x, y), painted.Pixel(x, y)) << "(" << x << ", " << y << ")";
            }
        }
    }
    EXPECT_GT(compared, 64 * 48 / 2);
}

// At scale 2 every pixel outside ellipses and text is a 2 x 2 block of the
// raster's colour: lines two pixels wide with no grey at their edges.
TEST(PaintScaled, AtScaleTwoEveryPixelIsATwoByTwoBlock)
{
    const auto [raster, picture] = BothWays(64, 48, DrawSample);
    Raster painted(128, 96, kMark);
    TestTools().Painter().Paint(painted, picture, 2);
    EXPECT_TRUE(ScaledInBlocks(raster, picture, painted, 2, 0.5));
    // The text: an opaque box twice the size (nothing under it shows, though
    // it lies partly beyond the white rectangle), with its ink inside.
    const TextExtent box = TestFont().Measure("x(n)");
    int ink = 0;
    for (int y = 66; y < 66 + 2 * box.height; ++y) {
        for (int x = 40; x < 40 + 2 * box.width; ++x) {
            const Rgb c = painted.Pixel(x, y);
            ASSERT_TRUE(c.r == c.g && c.g == c.b) << "(" << x << ", " << y << ") is not grey";
            ink += c.r < 128;
        }
    }
    EXPECT_GT(ink, 40);
}

// A later shape covers an earlier one wherever they meet, whichever way the
// painter lays them down (rectangles directly, text and lines in layers,
// ellipses stamped); transparent parts of layers and stamps show what was
// there before.
TEST(PaintScaled, LaterShapesCoverEarlierOnesAndNothingElseIsTouched)
{
    auto draw = [](Surface& s) {
        s.TextOut(4, 4, "MMMM");
        s.FillRect(10, 6, 14, 30, kGreen);  // over the text
        s.TextOut(12, 24, "W");             // over the rectangle
        s.Ellipse(36, 2, 48, 12);
        s.FillRect(37, 6, 47, 7, kBlue);  // through the ellipse
        s.Ellipse(42, 4, 50, 12);         // over the rectangle and the first ellipse
        s.MoveTo(2, 40);
        s.LineTo(45, 36);
        s.SetPixel(20, 38, kRed);  // on the line
    };
    for (const int scale : {1, 2, 3}) {
        SCOPED_TRACE("scale " + std::to_string(scale));
        VectorRecorder recorder(64, 48, TestFont());
        Surface shapes(recorder);
        draw(shapes);
        Raster painted(64 * scale, 48 * scale, kMark);
        TestTools().Painter().Paint(painted, recorder.Picture(), scale);
        auto at = [&](double x, double y) {
            return painted.Pixel(static_cast<int>(x * scale), static_cast<int>(y * scale));
        };
        EXPECT_EQ(kGreen, at(10.5, 10.5));  // the rectangle over the first text's box
        EXPECT_EQ(kWhite, at(12.2, 24.5));  // the second text's box over the rectangle
        EXPECT_EQ(kRed, at(20.5, 38.5));    // the pixel over the line
        EXPECT_EQ(kBlue, at(38.5, 6.5));    // the rectangle over the first ellipse
        EXPECT_EQ(kWhite, at(46, 6.5));     // the second ellipse's interior over both
        EXPECT_EQ(kMark, at(36.1, 2.1));    // a box corner outside the ellipse
        EXPECT_EQ(kMark, at(55, 20));       // under nothing at all
        EXPECT_EQ(kMark, at(2.5, 30.5));
    }
}

TEST(PaintScaled, RefusesAScaleBelowOne)
{
    Raster raster(4, 4);
    EXPECT_THROW(TestTools().Painter().Paint(raster, VectorPicture{4, 4, {}}, 0),
                 std::invalid_argument);
}

// A picture drawn at a scale covers the whole device raster: where its size
// is no multiple of the scale, the last partial picture pixel is painted
// too.
TEST(PaintScaled, DrawAtScaleCoversTheLastRowAndColumnOfOddSizes)
{
    for (const int scale : {2, 3}) {
        for (const auto& [width, height] : {std::pair{7, 5}, {6, 5}, {7, 6}}) {
            SCOPED_TRACE("scale " + std::to_string(scale) + ", " + std::to_string(width) + " x " +
                         std::to_string(height));
            Raster device(width, height, kMark);
            DrawAtScale(device, scale, TestTools().Tools(),
                        [](Surface& surface) { surface.FillRect(0, 0, 1000, 1000, kBlack); });
            EXPECT_EQ(kBlack, device.Pixel(width - 1, height - 1));
            EXPECT_EQ(kBlack, device.Pixel(0, height - 1));
            EXPECT_EQ(kBlack, device.Pixel(width - 1, 0));
        }
    }
}

// SVG coordinates: a thousandth of a pixel, trailing zeros dropped, and a
// value a hair below 0 written "0", never "-0".
TEST(SvgDocument, CoordinatesHaveThreeDecimalsAtMostAndNoMinusZero)
{
    VectorRecorder recorder(3100, 10, TestFont());
    recorder.Line(0, 0, 3000, 1);  // starts at y = -1/6000
    recorder.Line(0, 5, 8, 6);
    const std::string svg = SvgDocument(recorder.Picture(), TestFont().Metrics());
    EXPECT_NE(std::string::npos, svg.find("d=\"M0 0L3000 1L3000 2L0 1Z\"")) << svg;
    EXPECT_NE(std::string::npos, svg.find("d=\"M0 4.938L8 5.938L8 6.938L0 5.938Z\"")) << svg;
}

// A box at most two pixels across in either direction has no interior: a
// solid dot; from three on, a ring half a pixel inside the box.
TEST(OutlinePath, BoxesUpToTwoPixelsAcrossAreSolidDots)
{
    EXPECT_TRUE(OutlinePath(EllipseShape{10, 10, 12, 12}).solid);
    EXPECT_TRUE(OutlinePath(EllipseShape{10, 10, 20, 12}).solid);
    EXPECT_TRUE(OutlinePath(EllipseShape{10, 10, 12, 20}).solid);
    const EllipsePath ring = OutlinePath(EllipseShape{10, 10, 13, 13});
    EXPECT_FALSE(ring.solid);
    EXPECT_EQ(11.5, ring.cx);
    EXPECT_EQ(1.0, ring.rx);
}

// Where an antialiased edge lets the raster show through, the painter
// blends as cairo itself does, rounding each product to the nearest: the
// picture equals cairo's painting of the same shapes straight onto it.
TEST(PaintScaled, EdgesBlendWithTheRasterAsCairoDoes)
{
    VectorRecorder recorder(40, 20, TestFont());
    Surface surface(recorder);
    surface.Ellipse(3, 3, 5, 5);     // a solid dot, stamped
    surface.Ellipse(10, 2, 12, 13);  // a solid one, tall
    surface.MoveTo(20, 2);
    surface.LineTo(37, 15);  // slanted
    const VectorPicture& picture = recorder.Picture();
    const Rgb under{200, 120, 37};
    for (const int scale : {2, 3}) {
        SCOPED_TRACE("scale " + std::to_string(scale));
        Raster painted(40 * scale, 20 * scale, under);
        TestTools().Painter().Paint(painted, picture, scale);

        using Image = std::unique_ptr<cairo_surface_t, decltype(&cairo_surface_destroy)>;
        Image image(cairo_image_surface_create(CAIRO_FORMAT_RGB24, 40 * scale, 20 * scale),
                    cairo_surface_destroy);
        {
            const CairoFontFace face(TestFont());
            std::unique_ptr<cairo_t, decltype(&cairo_destroy)> cr(cairo_create(image.get()),
                                                                  cairo_destroy);
            cairo_set_source_rgb(cr.get(), under.r / 255.0, under.g / 255.0, under.b / 255.0);
            cairo_paint(cr.get());
            cairo_scale(cr.get(), scale, scale);
            CairoShapePainter painter(cr.get(), face);
            for (const Shape& shape : picture.shapes) {
                painter.Paint(shape);
            }
        }
        cairo_surface_flush(image.get());
        const unsigned char* data = cairo_image_surface_get_data(image.get());
        const int stride = cairo_image_surface_get_stride(image.get());
        int blended = 0;
        for (int y = 0; y < painted.Height(); ++y) {
            for (int x = 0; x < painted.Width(); ++x) {
                std::uint32_t word = 0;
                std::memcpy(&word, data + y * stride + 4 * x, 4);
                const Rgb cairo{static_cast<std::uint8_t>(word >> 16),
                                static_cast<std::uint8_t>(word >> 8),
                                static_cast<std::uint8_t>(word)};
                ASSERT_EQ(cairo, painted.Pixel(x, y)) << "(" << x << ", " << y << ")";
                blended += cairo != under && cairo != kBlack;
            }
        }
        EXPECT_GT(blended, 20);  // edges were compared, not only flat colour
    }
}
