// Checks of drawn pictures shared by the views tests. Text and ellipses are
// compared with the font and the surface drawing them alone, so that the
// checks test where a plot puts them, not the glyphs' or the ellipse's shape.
#pragma once

#include <gtest/gtest.h>

#include <string>
#include <string_view>

#include "picture/raster.h"
#include "picture/surface.h"
#include "picture/text.h"
#include "tests/support/test_tools.h"

// A colour no picture uses: a raster filled with it shows every pixel drawn.
inline constexpr Rgb kUntouched{200, 10, 10};

inline bool IsBlack(const Raster& r, int x, int y)
{
    return r.Pixel(x, y) == kBlack;
}

// Pixels (x, top..bottom), both ends included, are black.
inline ::testing::AssertionResult StemPixels(const Raster& r, int x, int top, int bottom)
{
    for (int y = top; y <= bottom; ++y) {
        if (!IsBlack(r, x, y)) {
            return ::testing::AssertionFailure() << "(" << x << ", " << y << ") is not black";
        }
    }
    return ::testing::AssertionSuccess();
}

// The region [x, x + w) x [y, y + h) looks exactly like `text` drawn alone
// with its box's top-left corner at (x, y).
inline ::testing::AssertionResult TextAt(const Raster& r, int x, int y, std::string_view text)
{
    const TextExtent box = TestFont().Measure(text);
    Raster alone(box.width, box.height, kUntouched);
    TestFont().Draw(alone, 0, 0, text);
    for (int j = 0; j < box.height; ++j) {
        for (int i = 0; i < box.width; ++i) {
            if (!r.Contains(x + i, y + j) || !(r.Pixel(x + i, y + j) == alone.Pixel(i, j))) {
                return ::testing::AssertionFailure()
                       << "\"" << std::string(text) << "\" is not at (" << x << ", " << y
                       << "): pixel (" << x + i << ", " << y + j << ") differs";
            }
        }
    }
    return ::testing::AssertionSuccess();
}

// The ellipse of the box (left, top, right, bottom) is drawn there, outline
// and interior.
inline ::testing::AssertionResult EllipseAt(const Raster& r, int left, int top, int right,
                                            int bottom)
{
    Raster alone(right - left, bottom - top, kUntouched);
    Surface(alone, TestFont()).Ellipse(0, 0, right - left, bottom - top);
    for (int j = 0; j < alone.Height(); ++j) {
        for (int i = 0; i < alone.Width(); ++i) {
            const Rgb want = alone.Pixel(i, j);
            if (!(want == kUntouched) && !(r.Pixel(left + i, top + j) == want)) {
                return ::testing::AssertionFailure()
                       << "no ellipse in the box (" << left << ", " << top << ", " << right << ", "
                       << bottom << "): pixel (" << left + i << ", " << top + j << ") differs";
            }
        }
    }
    return ::testing::AssertionSuccess();
}

// Pixels that differ between two rasters of the same size, over [0, w) x [0, h).
inline int DifferentPixels(const Raster& a, const Raster& b, int width, int height)
{
    int count = 0;
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            count += a.Pixel(x, y) == b.Pixel(x, y) ? 0 : 1;
        }
    }
    return count;
}
