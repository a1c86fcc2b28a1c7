// Bold serif text for the diagrams: DejaVu Serif Bold through FreeType,
// rendered monochrome so that the pictures keep to their four colours, and
// the few pieces of mathematical notation the diagrams need (subscripts,
// the sampler arrows).
#pragma once

#include <functional>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "resources/generator/indexed_image.h"

struct InkPoint {
    int x;
    int y;
};

// The inked pixels of typeset text, relative to an origin on the baseline
// where the pen started (y grows downwards, so letters have negative y).
class Ink {
public:
    void Add(int x, int y) { m_points.push_back({x, y}); }
    void Append(const Ink& other, int dx, int dy);
    bool Empty() const { return m_points.empty(); }
    // The smallest box holding every inked pixel; Empty() must be false.
    PixelBox Bounds() const;
    const std::vector<InkPoint>& Points() const { return m_points; }

private:
    std::vector<InkPoint> m_points;
};

class SerifBoldFont {
public:
    // The file of "DejaVu Serif:bold" as fontconfig knows it. Throws
    // std::runtime_error telling which package to install when fontconfig
    // only offers a substitute.
    static std::string Locate();

    explicit SerifBoldFont(const std::string& path);
    ~SerifBoldFont();
    SerifBoldFont(const SerifBoldFont&) = delete;
    SerifBoldFont& operator=(const SerifBoldFont&) = delete;

    // Adds the glyphs of `text` (UTF-32) at `pixelSize` to `ink`, the pen
    // starting at (penX, baselineY); returns the pen position after the
    // last glyph. Throws when a character has no glyph in the font.
    int Typeset(Ink& ink, std::u32string_view text, int pixelSize, int penX, int baselineY) const;

private:
    struct Impl;
    std::unique_ptr<Impl> m_impl;
};

// Something to write at a given font size; its ink is relative to the
// baseline origin, so a layout can move it anywhere.
using Label = std::function<Ink(const SerifBoldFont&, int pixelSize)>;

Label Plain(std::u32string text);
// Text with a little notation: "_" sets the next character as a subscript
// (smaller and lowered) and "·" is a multiplication dot on the axis, as in
// U"L·F_s".
Label Formula(std::u32string text);
// A sampler block's symbol: an arrow drawn to the letter's cap height, then
// the letter (down-sampler by M, up-sampler by L).
Label SamplerSymbol(bool down, std::u32string letter);

// How far above the baseline the mathematical axis lies at `pixelSize`:
// the height of fraction bars and multiplication dots.
double AxisHeight(const SerifBoldFont& font, int pixelSize);
