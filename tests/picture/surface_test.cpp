// The drawing surface, pixel by pixel: edge rules and clipping.
#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

#include "picture/surface.h"
#include "picture/text.h"
#include "tests/support/test_tools.h"

namespace {

constexpr Rgb kMark{200, 10, 10};  // a colour no operation draws with

// A raster filled with kMark, so that every pixel an operation touches shows.
Raster Marked(int width, int height)
{
    return Raster(width, height, kMark);
}

// The raster as rows of characters: '#' black, 'o' white, '.' untouched,
// 'B' blue, '?' anything else.
std::vector<std::string> Picture(const Raster& r, int left, int top, int right, int bottom)
{
    std::vector<std::string> rows;
    for (int y = top; y < bottom; ++y) {
        std::string row;
        for (int x = left; x < right; ++x) {
            const Rgb c = r.Pixel(x, y);
            row += c == kBlack   ? '#'
                   : c == kWhite ? 'o'
                   : c == kMark  ? '.'
                   : c == kBlue  ? 'B'
                                 : '?';
        }
        rows.push_back(row);
    }
    return rows;
}

std::vector<std::pair<int, int>> Touched(const Raster& r)
{
    std::vector<std::pair<int, int>> out;
    for (int y = 0; y < r.Height(); ++y)
        for (int x = 0; x < r.Width(); ++x)
            if (!(r.Pixel(x, y) == kMark))
                out.emplace_back(x, y);
    return out;
}

}  // namespace

TEST(SurfaceFillRect, IncludesLeftAndTopExcludesRightAndBottom)
{
    Raster r = Marked(8, 8);
    Surface s(r, TestFont());
    s.FillRect(2, 3, 6, 5, kWhite);
    EXPECT_EQ(Picture(r, 0, 0, 8, 8), (std::vector<std::string>{
                                          "........",
                                          "........",
                                          "........",
                                          "..oooo..",
                                          "..oooo..",
                                          "........",
                                          "........",
                                          "........",
                                      }));
}

TEST(SurfaceFillRect, EmptyOrInvertedRectanglesDrawNothing)
{
    Raster r = Marked(8, 8);
    Surface s(r, TestFont());
    s.FillRect(3, 3, 3, 6, kWhite);
    s.FillRect(3, 3, 6, 3, kWhite);
    s.FillRect(6, 6, 2, 2, kWhite);
    EXPECT_TRUE(Touched(r).empty());
}

TEST(SurfaceSetPixel, PaintsExactlyOnePixel)
{
    Raster r = Marked(4, 4);
    Surface s(r, TestFont());
    s.SetPixel(2, 1, kBlue);
    EXPECT_EQ(Touched(r), (std::vector<std::pair<int, int>>{{2, 1}}));
    EXPECT_EQ(r.Pixel(2, 1), kBlue);
}

// In every octant: the start pixel is drawn, the end pixel is not, one pixel
// per step along the major axis, each within half a pixel of the true line.
TEST(SurfaceLine, LeavesOutTheEndPointInAllEightOctants)
{
    const std::vector<std::pair<int, int>> ends = {
        {17, 13}, {13, 17}, {7, 17}, {3, 13}, {3, 7},   {7, 3}, {13, 3}, {17, 7},
        {20, 10}, {10, 20}, {0, 10}, {10, 0}, {20, 20}, {0, 0}, {0, 20}, {20, 0},
    };
    for (const auto& [ex, ey] : ends) {
        SCOPED_TRACE("to " + std::to_string(ex) + "," + std::to_string(ey));
        Raster r = Marked(21, 21);
        Surface s(r, TestFont());
        s.MoveTo(10, 10);
        s.LineTo(ex, ey);
        const int dx = ex - 10;
        const int dy = ey - 10;
        const int steps = std::max(std::abs(dx), std::abs(dy));
        const auto pixels = Touched(r);
        ASSERT_EQ(static_cast<int>(pixels.size()), steps);
        EXPECT_EQ(r.Pixel(10, 10), kBlack);
        EXPECT_EQ(r.Pixel(ex, ey), kMark);
        for (const auto& [px, py] : pixels) {
            EXPECT_EQ(r.Pixel(px, py), kBlack);
            // Distance along the minor axis from the ideal line.
            if (std::abs(dx) >= std::abs(dy))
                EXPECT_LE(std::abs((py - 10) - double(px - 10) * dy / dx), 0.5);
            else
                EXPECT_LE(std::abs((px - 10) - double(py - 10) * dx / dy), 0.5);
        }
    }
}

TEST(SurfaceLine, SingleStepDrawsOnlyTheStartAndZeroLengthDrawsNothing)
{
    Raster r = Marked(5, 5);
    Surface s(r, TestFont());
    s.MoveTo(2, 2);
    s.LineTo(3, 2);
    EXPECT_EQ(Touched(r), (std::vector<std::pair<int, int>>{{2, 2}}));

    Raster q = Marked(5, 5);
    Surface t(q, TestFont());
    t.MoveTo(1, 1);
    t.LineTo(1, 1);
    EXPECT_TRUE(Touched(q).empty());
}

TEST(SurfaceLine, TiesGoToTheUpperOrLeftPixelWhicheverWayTheLineRuns)
{
    // x-major: at x = 1 the line (0,0)-(2,1) is exactly between rows 0 and 1.
    for (bool reverse : {false, true}) {
        Raster r = Marked(4, 4);
        Surface s(r, TestFont());
        s.MoveTo(reverse ? 3 : 1, reverse ? 2 : 1);
        s.LineTo(reverse ? 1 : 3, reverse ? 1 : 2);
        // (1,1) -> (3,2) draws columns 1 and 2; column 2 is the tie.
        EXPECT_EQ(r.Pixel(2, 1), kBlack) << "reverse " << reverse;
        EXPECT_EQ(r.Pixel(2, 2), kMark) << "reverse " << reverse;
    }
    // y-major: at y = 2 the line (1,1)-(2,3) is exactly between columns 1 and 2.
    Raster r = Marked(4, 4);
    Surface s(r, TestFont());
    s.MoveTo(1, 1);
    s.LineTo(2, 3);
    EXPECT_EQ(Picture(r, 0, 0, 4, 4), (std::vector<std::string>{
                                          "....",
                                          ".#..",
                                          ".#..",
                                          "....",
                                      }));
}

TEST(SurfaceLine, ContinuesFromTheLastEndPoint)
{
    Raster r = Marked(6, 6);
    Surface s(r, TestFont());
    s.MoveTo(1, 1);
    s.LineTo(4, 1);
    s.LineTo(4, 4);
    EXPECT_EQ(Picture(r, 0, 0, 6, 6), (std::vector<std::string>{
                                          "......",
                                          ".####.",
                                          "....#.",
                                          "....#.",
                                          "......",
                                          "......",
                                      }));
}

TEST(SurfaceEllipse, FiveByFourBox)
{
    Raster r = Marked(9, 8);
    Surface s(r, TestFont());
    s.Ellipse(2, 2, 7, 6);
    EXPECT_EQ(Picture(r, 0, 0, 9, 8), (std::vector<std::string>{
                                          ".........",
                                          ".........",
                                          "...###...",
                                          "..#ooo#..",
                                          "..#ooo#..",
                                          "...###...",
                                          ".........",
                                          ".........",
                                      }));
}

TEST(SurfaceEllipse, CircleInBox70To190)
{
    Raster r = Marked(260, 260);
    Surface s(r, TestFont());
    s.Ellipse(70, 70, 190, 190);
    int minX = 999, maxX = -1, minY = 999, maxY = -1;
    for (const auto& [x, y] : Touched(r)) {
        minX = std::min(minX, x);
        maxX = std::max(maxX, x);
        minY = std::min(minY, y);
        maxY = std::max(maxY, y);
        // 120 pixels across, centred on the middle of pixels 129 and 130.
        if (r.Pixel(x, y) == kBlack) {
            const double d = std::hypot(x + 0.5 - 130.0, y + 0.5 - 130.0);
            EXPECT_GE(d, 58.5) << x << "," << y;
            EXPECT_LE(d, 60.0) << x << "," << y;
        }
    }
    EXPECT_EQ(minX, 70);
    EXPECT_EQ(maxX, 189);
    EXPECT_EQ(minY, 70);
    EXPECT_EQ(maxY, 189);
    EXPECT_EQ(r.Pixel(130, 130), kWhite);
    EXPECT_EQ(r.Pixel(70, 130), kBlack);
    EXPECT_EQ(r.Pixel(189, 129), kBlack);
    EXPECT_EQ(r.Pixel(130, 70), kBlack);
    EXPECT_EQ(r.Pixel(129, 189), kBlack);
    EXPECT_EQ(r.Pixel(71, 71), kMark);  // the box's corner lies outside the circle

    // Each row: outline pixels at both ends, white between, nothing outside.
    for (int y = 70; y < 190; ++y) {
        int first = -1, last = -1;
        for (int x = 0; x < 260; ++x)
            if (!(r.Pixel(x, y) == kMark)) {
                if (first < 0)
                    first = x;
                last = x;
            }
        ASSERT_GE(first, 0);
        EXPECT_EQ(first + last, 259) << "row " << y << " is symmetric";
        EXPECT_EQ(r.Pixel(first, y), kBlack);
        EXPECT_EQ(r.Pixel(last, y), kBlack);
        for (int x = first; x <= last; ++x)
            EXPECT_FALSE(r.Pixel(x, y) == kMark);
    }
}

TEST(SurfaceEllipse, HidesWhatLiesUnderItsInterior)
{
    Raster r = Marked(12, 12);
    Surface s(r, TestFont());
    for (int y = 0; y < 12; ++y)
        s.SetPixel(5, y, kBlue);
    s.Ellipse(3, 3, 8, 8);
    EXPECT_EQ(r.Pixel(5, 5), kWhite);
    EXPECT_EQ(r.Pixel(5, 3), kBlack);
    EXPECT_EQ(r.Pixel(5, 1), kBlue);
}

TEST(SurfaceText, PaintsAnOpaqueBoxFromItsTopLeftCorner)
{
    Raster r = Marked(200, 40);
    Surface s(r, TestFont());
    s.TextOut(10, 20, "  12.5");
    const TextExtent box = TestFont().Measure("  12.5");
    EXPECT_EQ(box.width % 6, 0);
    int black = 0;
    for (const auto& [x, y] : Touched(r)) {
        EXPECT_GE(x, 10);
        EXPECT_LT(x, 10 + box.width);
        EXPECT_GE(y, 20);
        EXPECT_LT(y, 20 + box.height);
        const Rgb c = r.Pixel(x, y);
        EXPECT_TRUE(c == kBlack || c == kWhite);
        black += c == kBlack;
    }
    EXPECT_EQ(static_cast<int>(Touched(r).size()), box.width * box.height);
    EXPECT_GT(black, 10);
    // The leading blanks are box, not ink.
    const int cell = box.width / 6;
    for (int y = 20; y < 20 + box.height; ++y)
        for (int x = 10; x < 10 + 2 * cell; ++x)
            EXPECT_EQ(r.Pixel(x, y), kWhite);
}

// Drawing partly off any edge writes exactly the part of the picture that
// lies on the raster: the same as drawing on a bigger raster and cropping.
TEST(SurfaceClipping, EqualsCroppingAtEveryEdge)
{
    auto drawAll = [](Surface& s, int dx, int dy) {
        s.FillRect(dx - 7, dy - 3, dx + 5, dy + 4, kWhite);
        s.Ellipse(dx - 12, dy - 9, dx + 11, dy + 8);
        s.MoveTo(dx - 30, dy - 11);
        s.LineTo(dx + 25, dy + 13);
        s.SetPixel(dx - 1, dy + 1, kBlue);
        s.TextOut(dx - 20, dy - 6, "-123.4");
    };
    const int W = 40, H = 30, pad = 40;
    for (int cx : {-8, 0, 20, 39, 47}) {
        for (int cy : {-6, 0, 15, 29, 35}) {
            SCOPED_TRACE(std::to_string(cx) + "," + std::to_string(cy));
            Raster small = Marked(W, H);
            Surface a(small, TestFont());
            drawAll(a, cx, cy);
            Raster big = Marked(W + 2 * pad, H + 2 * pad);
            Surface b(big, TestFont());
            drawAll(b, cx + pad, cy + pad);
            for (int y = 0; y < H; ++y)
                for (int x = 0; x < W; ++x)
                    ASSERT_EQ(small.Pixel(x, y), big.Pixel(x + pad, y + pad)) << x << "," << y;
        }
    }
}

TEST(SurfaceClipping, FarOutsideCoordinatesWriteNothing)
{
    Raster r = Marked(10, 10);
    Surface s(r, TestFont());
    s.FillRect(-1000000, -5, -1, 20, kWhite);
    s.Ellipse(11, 11, 60, 60);
    s.MoveTo(-2000000000, 5);
    s.LineTo(-1999999000, 6);
    s.TextOut(-500, -500, "hidden");
    s.SetPixel(10, 0, kBlue);
    s.SetPixel(0, -1, kBlue);
    EXPECT_TRUE(Touched(r).empty());
}

TEST(Raster, ReadingOutsideIsAnErrorNotANeighbouringPixel)
{
    Raster r(4, 3, kMark);
    EXPECT_THROW(r.Pixel(4, 0), std::out_of_range);
    EXPECT_THROW(r.Pixel(0, 3), std::out_of_range);
    EXPECT_THROW(r.Pixel(-1, 1), std::out_of_range);
    EXPECT_EQ(r.Pixel(3, 2), kMark);
}

TEST(Raster, ResizeKeepsWhatOverlapsAndFillsTheRest)
{
    Raster r(3, 2, kMark);
    r.Put(2, 1, kBlue);
    r.Resize(5, 4, kWhite);
    EXPECT_EQ(r.Pixel(2, 1), kBlue);
    EXPECT_EQ(r.Pixel(0, 0), kMark);
    EXPECT_EQ(r.Pixel(3, 1), kWhite);
    EXPECT_EQ(r.Pixel(1, 3), kWhite);
    r.Resize(2, 1);
    EXPECT_EQ(r.Pixel(1, 0), kMark);
    EXPECT_EQ(r.Width(), 2);

    // Narrower and taller at once: every kept row stays.
    Raster tall(3, 3, kMark);
    tall.Put(0, 2, kBlue);
    tall.Resize(1, 6, kWhite);
    EXPECT_EQ(tall.Pixel(0, 2), kBlue);
    EXPECT_EQ(tall.Pixel(0, 3), kWhite);
}
