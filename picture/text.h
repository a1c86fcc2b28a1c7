// Text in pictures: one fixed-width font at one pixel size, drawn as
// monochrome glyphs (no grey edges), so that every front end draws the same
// pixels. The font is an object handed to what draws text; where its glyphs
// come from (a font file read with FreeType, or a table made at build time)
// is the business of the class that makes it.
#pragma once

#include <map>
#include <stdexcept>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "picture/raster.h"

class FontError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// The characters of a text: UTF-8 decoded, and a byte that starts no
// well-formed sequence standing for itself (as Latin-1), so that no text is
// dropped.
std::u32string DecodeText(std::string_view text);

// UTF-8 of characters; anything that is not a Unicode scalar value (a
// surrogate, a number past U+10FFFF) becomes U+FFFD.
std::string EncodeUtf8(std::u32string_view text);

struct TextExtent {
    int width;
    int height;
};

// The face's measures at the pixel size it is drawn at.
struct FontMetrics {
    std::string family;  // such as "DejaVu Sans Mono"
    int pixelSize = 0;   // pixels per em
    // A text's box is lineHeight rows tall and advance columns per
    // character; its baseline is ascent rows below the box's top.
    int lineHeight = 0;
    int ascent = 0;
    int advance = 0;
    // The advance of the glyph outlines without hinting, in pixels: what
    // vector renderers lay text out with, against the whole-pixel advance.
    double outlineAdvance = 0.0;
};

// One character's monochrome bitmap, placed relative to the pen position on
// the baseline.
struct Glyph {
    int left = 0;  // from the pen position to the bitmap's first column
    int top = 0;   // from the baseline up to the bitmap's first row
    int width = 0;
    int rows = 0;
    std::vector<bool> bits;  // rows x width, true where the glyph is inked
};

class MonoFont {
public:
    virtual ~MonoFont() = default;
    MonoFont(const MonoFont&) = delete;
    MonoFont& operator=(const MonoFont&) = delete;

    const FontMetrics& Metrics() const { return m_metrics; }
    const std::string& Family() const { return m_metrics.family; }
    int PixelSize() const { return m_metrics.pixelSize; }
    int LineHeight() const { return m_metrics.lineHeight; }
    int Ascent() const { return m_metrics.ascent; }
    int Advance() const { return m_metrics.advance; }
    double OutlineAdvance() const { return m_metrics.outlineAdvance; }

    // The opaque box that Draw paints for this text.
    TextExtent Measure(std::string_view text) const;
    // Black glyphs on a white box whose top-left corner is (x, y); the ink
    // stays inside the box.
    void Draw(Raster& target, int x, int y, std::string_view text) const;

    // A character's glyph, made once and kept.
    const Glyph& GlyphFor(char32_t character) const;

protected:
    explicit MonoFont(FontMetrics metrics) : m_metrics(std::move(metrics)) {}
    // The glyph of a character; an empty one for a character the font
    // cannot draw.
    virtual Glyph MakeGlyph(char32_t character) const = 0;

private:
    FontMetrics m_metrics;
    mutable std::map<char32_t, Glyph> m_glyphs;
};
