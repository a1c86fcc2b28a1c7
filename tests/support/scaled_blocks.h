// The one check of a picture drawn at a scale against the exact raster:
// away from the shapes that are antialiased, every picture pixel is a
// scale x scale block of its colour, so that lines are `scale` pixels wide
// with no grey beside them.
#pragma once

#include <gtest/gtest.h>

#include <string>
#include <variant>
#include <vector>

#include "picture/raster.h"
#include "picture/vector_picture.h"

// Where antialiased outlines stand for the raster's pixels: the boxes of
// ellipses, text and slanted lines, one pixel wider all round.
inline std::vector<ShapeBox> SoftBoxes(const VectorPicture& shapes)
{
    std::vector<ShapeBox> boxes;
    for (const Shape& shape : shapes.shapes) {
        const auto* line = std::get_if<LineShape>(&shape);
        const bool straight = line != nullptr && (line->x0 == line->x1 || line->y0 == line->y1);
        if (!std::holds_alternative<RectShape>(shape) && !straight) {
            const ShapeBox box = BoxOf(shape);
            boxes.push_back({box.left - 1, box.top - 1, box.right + 1, box.bottom + 1});
        }
    }
    return boxes;
}

inline bool InAny(const std::vector<ShapeBox>& boxes, long long x, long long y)
{
    for (const ShapeBox& b : boxes) {
        if (x >= b.left && x < b.right && y >= b.top && y < b.bottom) {
            return true;
        }
    }
    return false;
}

// `scaled` is `exact` (drawn as `shapes`) at `scale`: the sizes agree, and
// every pixel outside SoftBoxes(shapes), at least `share` of all, is a
// block of its colour.
inline testing::AssertionResult ScaledInBlocks(const Raster& exact, const VectorPicture& shapes,
                                               const Raster& scaled, int scale, double share = 0.75)
{
    if (exact.Width() * scale != scaled.Width() || exact.Height() * scale != scaled.Height()) {
        return testing::AssertionFailure()
               << "the scaled picture is " << scaled.Width() << "x" << scaled.Height() << ", not "
               << scale << " times " << exact.Width() << "x" << exact.Height();
    }
    const std::vector<ShapeBox> soft = SoftBoxes(shapes);
    long long compared = 0;
    for (int y = 0; y < exact.Height(); ++y) {
        for (int x = 0; x < exact.Width(); ++x) {
            if (InAny(soft, x, y)) {
                continue;
            }
            ++compared;
            for (int k = 0; k < scale * scale; ++k) {
                const Rgb want = exact.Pixel(x, y);
                const Rgb got = scaled.Pixel(scale * x + k % scale, scale * y + k / scale);
                if (!(want == got)) {
                    return testing::AssertionFailure() << "picture pixel (" << x << ", " << y
                                                       << ") is not a block of its colour";
                }
            }
        }
    }
    const auto all = static_cast<long long>(exact.Width()) * exact.Height();
    if (static_cast<double>(compared) < share * static_cast<double>(all)) {
        return testing::AssertionFailure()
               << "only " << compared << " of " << all << " pixels lie away from the soft shapes";
    }
    return testing::AssertionSuccess();
}
