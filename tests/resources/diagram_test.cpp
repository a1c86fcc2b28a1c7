// The three block diagrams as the program carries them: read back as BMP
// files and checked against the pixel boxes of their elements.
#include <gtest/gtest.h>

#include <cstdint>
#include <functional>
#include <ostream>
#include <span>
#include <string>
#include <vector>

#include "resources/embedded.h"

namespace {

struct Colour {
    int r, g, b;
    bool operator==(const Colour&) const = default;
};
constexpr Colour kCyan{128, 255, 255};
constexpr Colour kBlue{0, 128, 255};
constexpr Colour kNavy{0, 0, 128};
constexpr Colour kBlack{0, 0, 0};

void PrintTo(Colour c, std::ostream* os)
{
    *os << '(' << c.r << ", " << c.g << ", " << c.b << ')';
}

// Both ends inclusive.
struct Box {
    int left, top, right, bottom;
    bool Contains(int x, int y) const { return x >= left && x <= right && y >= top && y <= bottom; }
    Box Inset(int n) const { return {left + n, top + n, right - n, bottom - n}; }
    bool operator==(const Box&) const = default;
};

std::uint32_t Le(std::span<const unsigned char> b, std::size_t at, int bytes)
{
    std::uint32_t v = 0;
    for (int i = bytes - 1; i >= 0; --i)
        v = (v << 8) | b[at + static_cast<std::size_t>(i)];
    return v;
}

// Reads an 8-bit BMP with a 256-entry palette, checking every header field
// a loader relies on; pixels come out top row first.
struct Bitmap {
    int width = 0, height = 0;
    std::vector<Colour> pixels;
    Colour At(int x, int y) const { return pixels[static_cast<std::size_t>(y * width + x)]; }
};

Bitmap ReadBmp8(std::span<const unsigned char> file)
{
    Bitmap bmp;
    EXPECT_GE(file.size(), 1078u);
    if (file.size() < 1078)
        return bmp;
    EXPECT_EQ(file[0], 'B');
    EXPECT_EQ(file[1], 'M');
    EXPECT_EQ(Le(file, 2, 4), file.size());
    EXPECT_EQ(Le(file, 10, 4), 14u + 40u + 256u * 4u);  // pixels right after the palette
    EXPECT_EQ(Le(file, 14, 4), 40u);                    // BITMAPINFOHEADER
    bmp.width = static_cast<int>(Le(file, 18, 4));
    bmp.height = static_cast<int>(Le(file, 22, 4));  // positive: bottom-up
    EXPECT_EQ(Le(file, 26, 2), 1u);
    EXPECT_EQ(Le(file, 28, 2), 8u);
    EXPECT_EQ(Le(file, 30, 4), 0u);  // uncompressed
    const std::uint32_t colours = Le(file, 46, 4);
    EXPECT_TRUE(colours == 256 || colours == 0) << colours;
    const auto stride = static_cast<std::size_t>((bmp.width + 3) / 4 * 4);
    EXPECT_EQ(file.size(), 1078 + stride * static_cast<std::size_t>(bmp.height));
    if (file.size() != 1078 + stride * static_cast<std::size_t>(bmp.height))
        return bmp;
    for (int y = 0; y < bmp.height; ++y) {
        const std::size_t row = 1078 + stride * static_cast<std::size_t>(bmp.height - 1 - y);
        for (int x = 0; x < bmp.width; ++x) {
            const std::size_t entry = 54 + 4u * file[row + static_cast<std::size_t>(x)];
            bmp.pixels.push_back({file[entry + 2], file[entry + 1], file[entry]});
        }
    }
    return bmp;
}

enum class Symbol { Filter, Down, Up };

// A diagram's elements and their pixel boxes.
struct Layout {
    std::function<std::span<const unsigned char>()> file;
    std::vector<Box> texts;  // titles, signal names, rates, fraction boxes
    std::vector<Box> lines;  // signal lines and fraction bars
    std::vector<std::pair<Box, Symbol>> blocks;
    // A text box whose rows are a whole title line's, of which the word
    // fills only the middle.
    Box wordBeforeFraction = {0, 0, -1, -1};
};

const Layout& Decimator()
{
    static const Layout layout{
        DecimatorDiagramBmp,
        {{17, 25, 443, 48},
         {69, 73, 98, 88},
         {70, 108, 86, 127},
         {193, 74, 232, 89},
         {202, 110, 218, 129},
         {333, 74, 367, 89},
         {338, 100, 370, 139}},
        {{62, 91, 105, 92}, {184, 93, 239, 94}, {318, 92, 370, 93}, {338, 122, 370, 123}},
        {{{105, 72, 185, 120}, Symbol::Filter}, {{239, 71, 319, 119}, Symbol::Down}}};
    return layout;
}

const Layout& Interpolator()
{
    static const Layout layout{
        InterpolatorDiagramBmp,
        {{34, 17, 417, 37},
         {62, 87, 95, 104},
         {69, 118, 82, 133},
         {193, 86, 237, 103},
         {201, 117, 230, 132},
         {335, 84, 374, 101},
         {336, 117, 365, 132}},
        {{62, 108, 101, 109}, {190, 107, 239, 108}, {327, 106, 366, 107}},
        {{{101, 86, 190, 132}, Symbol::Up}, {{239, 85, 328, 131}, Symbol::Filter}}};
    return layout;
}

const Layout& Converter()
{
    static const Layout layout{ConverterDiagramBmp,
                               {{59, 17, 392, 34},
                                {158, 35, 238, 65},
                                {246, 35, 270, 65},
                                {7, 87, 40, 104},
                                {14, 118, 27, 133},
                                {143, 87, 175, 104},
                                {146, 117, 175, 132},
                                {284, 86, 312, 103},
                                {281, 117, 310, 132},
                                {417, 82, 456, 99},
                                {418, 110, 456, 139}},
                               {{7, 108, 46, 109},
                                {135, 107, 184, 108},
                                {272, 106, 323, 107},
                                {414, 106, 449, 107},
                                {246, 49, 270, 50},
                                {418, 125, 437, 126}},
                               {{{46, 86, 135, 132}, Symbol::Up},
                                {{184, 85, 273, 131}, Symbol::Filter},
                                {{324, 86, 413, 131}, Symbol::Down}},
                               {158, 35, 238, 65}};
    return layout;
}

class Diagram : public testing::TestWithParam<const Layout& (*)()> {
protected:
    const Layout& layout = GetParam()();
    Bitmap bmp = ReadBmp8(layout.file());
};

TEST_P(Diagram, IsAn8BitBmpOf461By181InExactlyTheFourColours)
{
    ASSERT_EQ(bmp.width, 461);
    ASSERT_EQ(bmp.height, 181);
    int count[4] = {};
    for (const Colour c : bmp.pixels) {
        const int i = c == kCyan ? 0 : c == kBlue ? 1 : c == kNavy ? 2 : c == kBlack ? 3 : -1;
        ASSERT_NE(i, -1) << testing::PrintToString(c);
        ++count[i];
    }
    for (int n : count)
        EXPECT_GT(n, 0);
}

TEST_P(Diagram, BlocksHaveA2PixelNavyOutlineAroundABlueInterior)
{
    ASSERT_EQ(bmp.pixels.size(), 461u * 181u);
    for (const auto& [box, symbol] : layout.blocks) {
        const Box interior = box.Inset(2);
        int ink = 0;
        for (int y = box.top; y <= box.bottom; ++y)
            for (int x = box.left; x <= box.right; ++x) {
                const Colour c = bmp.At(x, y);
                if (!interior.Contains(x, y)) {
                    ASSERT_EQ(c, kNavy) << x << "," << y;
                } else if (!interior.Inset(2).Contains(x, y)) {
                    ASSERT_EQ(c, kBlue) << "the symbol touches the outline at " << x << "," << y;
                } else {
                    ink += c == kBlack;
                }
            }
        EXPECT_GT(ink, 40) << "no symbol in the block at x " << box.left;
    }
}

TEST_P(Diagram, LinesAreSolidBlackWhereNoBlockCoversThem)
{
    ASSERT_EQ(bmp.pixels.size(), 461u * 181u);
    for (const Box& line : layout.lines) {
        EXPECT_EQ(line.bottom - line.top, 1) << "lines are 2 pixels thick";
        for (int y = line.top; y <= line.bottom; ++y)
            for (int x = line.left; x <= line.right; ++x) {
                bool underBlock = false;
                for (const auto& [box, symbol] : layout.blocks)
                    underBlock = underBlock || box.Contains(x, y);
                if (!underBlock) {
                    ASSERT_EQ(bmp.At(x, y), kBlack) << x << "," << y;
                }
            }
    }
}

// Every pixel belongs to the element whose box holds it: ink only in the
// text boxes, lines and block interiors; navy and blue only in blocks; the
// light cyan background everywhere else.
TEST_P(Diagram, EveryColourStaysInsideItsElementsBoxes)
{
    ASSERT_EQ(bmp.pixels.size(), 461u * 181u);
    auto inAny = [](const std::vector<Box>& boxes, int x, int y) {
        for (const Box& b : boxes)
            if (b.Contains(x, y))
                return true;
        return false;
    };
    for (int y = 0; y < 181; ++y)
        for (int x = 0; x < 461; ++x) {
            bool inBlock = false;
            for (const auto& [box, symbol] : layout.blocks)
                inBlock = inBlock || box.Contains(x, y);
            const Colour c = bmp.At(x, y);
            if (inBlock)
                continue;  // checked pixel by pixel above
            if (c == kBlack) {
                ASSERT_TRUE(inAny(layout.texts, x, y) || inAny(layout.lines, x, y))
                    << "stray ink at " << x << "," << y;
            } else {
                ASSERT_EQ(c, kCyan) << "at " << x << "," << y;
            }
        }
}

// The texts are fitted to their boxes: each is there, and large enough that
// its ink spans most of its box one way and much of it the other.
TEST_P(Diagram, EveryTextFillsItsBox)
{
    ASSERT_EQ(bmp.pixels.size(), 461u * 181u);
    for (const Box& box : layout.texts) {
        Box ink{box.right, box.bottom, box.left, box.top};
        for (int y = box.top; y <= box.bottom; ++y)
            for (int x = box.left; x <= box.right; ++x)
                if (bmp.At(x, y) == kBlack) {
                    ink = {std::min(ink.left, x), std::min(ink.top, y), std::max(ink.right, x),
                           std::max(ink.bottom, y)};
                }
        ASSERT_LE(ink.left, ink.right) << "no text in the box at " << box.left << "," << box.top;
        const double w = double(ink.right - ink.left + 1) / (box.right - box.left + 1);
        const double h = double(ink.bottom - ink.top + 1) / (box.bottom - box.top + 1);
        if (box == layout.wordBeforeFraction) {
            EXPECT_GE(w, 0.85);
            continue;
        }
        EXPECT_GE(std::max(w, h), 0.85) << "box at " << box.left << "," << box.top;
        EXPECT_GE(std::min(w, h), 0.6) << "box at " << box.left << "," << box.top;
    }
}

// The arrow is the symbol's leftmost shape; its head carries most of its
// ink, in the lower half for the down-sampler and the upper for the
// up-sampler.
TEST_P(Diagram, SamplerArrowsPointTheRightWay)
{
    ASSERT_EQ(bmp.pixels.size(), 461u * 181u);
    for (const auto& [box, symbol] : layout.blocks) {
        if (symbol == Symbol::Filter)
            continue;
        const Box inside = box.Inset(2);
        auto columnInk = [&](int x) {
            int n = 0;
            for (int y = inside.top; y <= inside.bottom; ++y)
                n += bmp.At(x, y) == kBlack;
            return n;
        };
        int first = inside.left;
        while (first < inside.right && columnInk(first) == 0)
            ++first;
        int last = first;
        while (last < inside.right && columnInk(last + 1) > 0)
            ++last;
        int top = inside.bottom, bottom = inside.top;
        for (int y = inside.top; y <= inside.bottom; ++y)
            for (int x = first; x <= last; ++x)
                if (bmp.At(x, y) == kBlack) {
                    top = std::min(top, y);
                    bottom = std::max(bottom, y);
                }
        ASSERT_GT(bottom - top, 8) << "no arrow in the block at x " << box.left;
        int upper = 0, lower = 0;
        for (int y = top; y <= bottom; ++y)
            for (int x = first; x <= last; ++x)
                if (bmp.At(x, y) == kBlack)
                    ++(2 * (y - top) < bottom - top ? upper : lower);
        if (symbol == Symbol::Down)
            EXPECT_GT(lower, upper + upper / 4) << "block at x " << box.left;
        else
            EXPECT_GT(upper, lower + lower / 4) << "block at x " << box.left;
    }
}

INSTANTIATE_TEST_SUITE_P(Artwork, Diagram, testing::Values(&Decimator, &Interpolator, &Converter),
                         [](const auto& info) {
                             return std::string(info.index == 0   ? "Decimator"
                                                : info.index == 1 ? "Interpolator"
                                                                  : "Converter");
                         });

}  // namespace
