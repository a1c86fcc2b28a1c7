// The block painter: pictures at a whole scale for front ends without
// cairo. Rectangles, text and straight lines are the exact raster's pixels
// grown into blocks; every shape stays within its box scaled; ellipses are
// rings with a white inside.
#include <gtest/gtest.h>

#include <stdexcept>

#include "picture/block_painter.h"
#include "picture/raster.h"
#include "picture/surface.h"
#include "picture/vector_picture.h"
#include "tests/support/test_tools.h"

namespace {

// The same drawing on the exact raster and as shapes.
template <class Draw>
void DrawBoth(Raster& exact, VectorPicture& shapes, Draw draw)
{
    Surface onRaster(exact, TestFont());
    draw(onRaster);
    VectorRecorder recorder(exact.Width(), exact.Height(), TestFont());
    Surface onShapes(recorder);
    draw(onShapes);
    shapes = recorder.Picture();
}

TEST(BlockPainter, RectanglesTextAndStraightLinesAreTheRasterInBlocks)
{
    for (int scale : {1, 2, 3}) {
        Raster exact(120, 60);
        VectorPicture shapes;
        DrawBoth(exact, shapes, [](Surface& s) {
            s.FillRect(3, 4, 17, 9, kBlue);
            s.SetPixel(119, 59, kRed);  // the last pixel of the page
            s.MoveTo(0, 20);
            s.LineTo(100, 20);  // across: the end pixel is not drawn
            s.MoveTo(110, 0);
            s.LineTo(110, 59);  // down to the last row but one
            s.TextOut(5, 30, "fg = 3,14 |X(k)|");
        });
        Raster scaled(120 * scale, 60 * scale);
        BlockPainter(TestFont()).Paint(scaled, shapes, scale);
        for (int y = 0; y < scaled.Height(); ++y) {
            for (int x = 0; x < scaled.Width(); ++x) {
                ASSERT_EQ(scaled.Pixel(x, y), exact.Pixel(x / scale, y / scale))
                    << "scale " << scale << " at " << x << "," << y;
            }
        }
    }
}

TEST(BlockPainter, EllipsesAndSlantedLinesStayInTheirBoxes)
{
    Raster exact(40, 40);
    VectorPicture shapes;
    DrawBoth(exact, shapes, [](Surface& s) {
        s.Ellipse(5, 5, 25, 19);
        s.Ellipse(30, 30, 32, 32);  // two pixels across: solid
        s.MoveTo(2, 38);
        s.LineTo(37, 21);
    });
    const int scale = 2;
    Raster scaled(40 * scale, 40 * scale);
    BlockPainter(TestFont()).Paint(scaled, shapes, scale);
    for (const Shape& shape : shapes.shapes) {
        const ShapeBox box = BoxOf(shape);
        bool inked = false;
        for (int y = 0; y < scaled.Height(); ++y) {
            for (int x = 0; x < scaled.Width(); ++x) {
                const bool inside = x >= box.left * scale && x < box.right * scale &&
                                    y >= box.top * scale && y < box.bottom * scale;
                if (inside && scaled.Pixel(x, y) == kBlack) {
                    inked = true;
                }
            }
        }
        EXPECT_TRUE(inked);
    }
    // Nothing outside the boxes of all shapes together.
    for (int y = 0; y < scaled.Height(); ++y) {
        for (int x = 0; x < scaled.Width(); ++x) {
            bool covered = false;
            for (const Shape& shape : shapes.shapes) {
                const ShapeBox box = BoxOf(shape);
                covered = covered || (x >= box.left * scale && x < box.right * scale &&
                                      y >= box.top * scale && y < box.bottom * scale);
            }
            if (!covered) {
                ASSERT_EQ(scaled.Pixel(x, y), kWhite) << x << "," << y;
            }
        }
    }
    // The ring's inside is white, its rim black, two pixels wide at the
    // middle of the left side.
    EXPECT_EQ(scaled.Pixel(30, 24), kWhite);
    EXPECT_EQ(scaled.Pixel(10, 24), kBlack);
    EXPECT_EQ(scaled.Pixel(11, 24), kBlack);
    EXPECT_EQ(scaled.Pixel(12, 24), kWhite);
    EXPECT_EQ(scaled.Pixel(62, 62), kBlack);  // the solid one
}

TEST(BlockPainter, RefusesAScaleBelowOne)
{
    Raster target(10, 10);
    EXPECT_THROW(BlockPainter(TestFont()).Paint(target, VectorPicture{10, 10, {}}, 0),
                 std::invalid_argument);
}

}  // namespace
