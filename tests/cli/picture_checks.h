// Shared checks of the vector pictures' tests: what the SVG and PDF that
// vorlen-render writes look like rasterised, against the exact raster.
#pragma once

#include "tests/cli/cli_support.h"

#include <algorithm>
#include <string>
#include <variant>
#include <vector>

#include "picture/raster.h"
#include "picture/vector_picture.h"
#include "tests/support/scaled_blocks.h"

namespace cli_test {

class PictureFormatTest : public CliTest {
protected:
    // A tool's whole output, or a failure naming the tool.
    std::string Tool(const std::string& command)
    {
        const Outcome outcome = RunShell(command);
        EXPECT_EQ(0, outcome.status) << command << ": " << outcome.err;
        return outcome.out;
    }

    Outcome RunShell(const std::string& command) const
    {
        const fs::path out = m_root / "tool.out";
        const fs::path err = m_root / "tool.err";
        const int raw = std::system((command + " >" + out.string() + " 2>" + err.string()).c_str());
        return Outcome{WIFEXITED(raw) ? WEXITSTATUS(raw) : -1, ReadFile(out), ReadFile(err)};
    }
};

inline Rgb At(const Picture& p, int x, int y)
{
    const std::size_t i = (static_cast<std::size_t>(y) * p.width + x) * 3;
    return Rgb{p.rgb[i], p.rgb[i + 1], p.rgb[i + 2]};
}

// How dark a pixel is, 0 (white) to 1 (black).
inline double Ink(Rgb c)
{
    return 1.0 - (c.r + c.g + c.b) / (3.0 * 255);
}

// A picture drawn by the core both as the exact raster and as shapes.
struct Drawn {
    Raster raster;
    VectorPicture shapes;
};

struct Box {
    long long left;
    long long top;
    long long right;
    long long bottom;
    bool Holds(int x, int y) const { return x >= left && x < right && y >= top && y < bottom; }
};

// The boxes of the ellipses and the texts: there antialiased outlines and
// glyphs stand for the raster's pixels.
inline std::vector<Box> BoxesOf(const VectorPicture& shapes, bool ellipses)
{
    std::vector<Box> boxes;
    for (const Shape& shape : shapes.shapes) {
        if (const auto* e = std::get_if<EllipseShape>(&shape); e && ellipses) {
            boxes.push_back({e->left, e->top, e->right, e->bottom});
        } else if (const auto* t = std::get_if<TextShape>(&shape); t && !ellipses) {
            const TextPlacement p = PlaceText(*t);
            boxes.push_back({p.left, p.top, p.right, p.bottom});
        }
    }
    return boxes;
}

// The boxes of the lines that are neither level nor upright: there the
// antialiased outline stands for the raster's staircase.
inline std::vector<Box> SlantedLineBoxes(const VectorPicture& shapes)
{
    std::vector<Box> boxes;
    for (const Shape& shape : shapes.shapes) {
        if (const auto* l = std::get_if<LineShape>(&shape); l && l->x0 != l->x1 && l->y0 != l->y1) {
            const ShapeBox b = BoxOf(shape);
            boxes.push_back({b.left, b.top, b.right, b.bottom});
        }
    }
    return boxes;
}

inline bool InAny(const std::vector<Box>& boxes, int x, int y)
{
    for (const Box& b : boxes) {
        if (b.Holds(x, y)) {
            return true;
        }
    }
    return false;
}

// The ink in a box and its centre of gravity.
struct InkSpot {
    double amount = 0;
    double x = 0;
    double y = 0;
};

inline InkSpot InkIn(const Box& box, auto pixel)
{
    InkSpot spot;
    for (long long y = box.top; y < box.bottom; ++y) {
        for (long long x = box.left; x < box.right; ++x) {
            const double ink = Ink(pixel(static_cast<int>(x), static_cast<int>(y)));
            spot.amount += ink;
            spot.x += ink * static_cast<double>(x);
            spot.y += ink * static_cast<double>(y);
        }
    }
    if (spot.amount > 0) {
        spot.x /= spot.amount;
        spot.y /= spot.amount;
    }
    return spot;
}

// How closely a rasterised vector picture must follow the raster.
struct Landing {
    // How far the ink of a text may lie from the raster's across the line:
    // the raster's glyphs are hinted to whole pixels, the outlines are not.
    double textShift = 0.6;
    // The least share of the picture outside ellipses, text and slanted
    // lines, compared pixel for pixel.
    double comparedShare = 0.9;
};

// The vector picture, rasterised at one pixel per picture pixel, shows the
// exact raster: every pixel away from ellipses, text and slanted lines
// equal, and each of those with about the raster's ink in its box, centred
// where the raster's is.
inline void ExpectLandsOnTheRaster(const Picture& shown, const Drawn& drawn, Landing landing = {})
{
    ASSERT_EQ(drawn.raster.Width(), shown.width);
    ASSERT_EQ(drawn.raster.Height(), shown.height);
    const std::vector<Box> ellipses = BoxesOf(drawn.shapes, true);
    const std::vector<Box> texts = BoxesOf(drawn.shapes, false);
    const std::vector<Box> slanted = SlantedLineBoxes(drawn.shapes);
    int compared = 0;
    for (int y = 0; y < shown.height; ++y) {
        for (int x = 0; x < shown.width; ++x) {
            // Outlines and glyphs stay inside their boxes.
            if (InAny(ellipses, x, y) || InAny(texts, x, y) || InAny(slanted, x, y)) {
                continue;
            }
            ++compared;
            ASSERT_EQ(drawn.raster.Pixel(x, y), At(shown, x, y)) << "(" << x << ", " << y << ")";
        }
    }
    EXPECT_GT(compared, shown.width * shown.height * landing.comparedShare);
    auto exact = [&](int x, int y) { return drawn.raster.Pixel(x, y); };
    auto vector = [&](int x, int y) { return At(shown, x, y); };
    for (const std::vector<Box>* boxes : {&ellipses, &texts, &slanted}) {
        for (const Box& box : *boxes) {
            const InkSpot want = InkIn(box, exact);
            const InkSpot got = InkIn(box, vector);
            const std::string where =
                "the box at (" + std::to_string(box.left) + ", " + std::to_string(box.top) + ")";
            EXPECT_NEAR(want.amount, got.amount, 0.4 * want.amount + 1) << where;
            EXPECT_NEAR(want.x, got.x, boxes == &texts ? landing.textShift : 0.6) << where;
            EXPECT_NEAR(want.y, got.y, 0.6) << where;
        }
    }
}

// A decoded PNG as a raster.
inline Raster RasterOf(const Picture& picture)
{
    Raster raster(picture.width, picture.height);
    std::copy(picture.rgb.begin(), picture.rgb.end(), raster.MutableBytes().begin());
    return raster;
}

}  // namespace cli_test
