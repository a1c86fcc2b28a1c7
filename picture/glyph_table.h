// The picture font as data: its metrics and the monochrome bitmaps of the
// characters the program draws, at the one pixel size pictures use. The
// build writes the program's table with vorlen-glyphs (picture/generator/),
// which reads the font file with FreeType, so that a front end without
// FreeType (the browser) draws the same pixels as the desktop.
#pragma once

#include <cstdint>
#include <span>
#include <string_view>

struct GlyphTableEntry {
    char32_t character = 0;
    std::int16_t left = 0;  // as Glyph: from the pen position to the first column
    std::int16_t top = 0;   // and from the baseline up to the first row
    std::uint16_t width = 0;
    std::uint16_t rows = 0;
    // Where the glyph's rows x width bits begin in GlyphTable::bits, counted
    // in bits.
    std::uint32_t firstBit = 0;
};

struct GlyphTable {
    std::string_view family;
    int pixelSize = 0;
    int lineHeight = 0;
    int ascent = 0;
    int advance = 0;
    double outlineAdvance = 0.0;
    // The font's glyph 0, which FreeType draws for a character the font has
    // no glyph of; a character not in `glyphs` draws it too.
    GlyphTableEntry missing;
    // By character, ascending; a character the font has no glyph of is left
    // out.
    std::span<const GlyphTableEntry> glyphs;
    // Every glyph's bits row by row, the top-left pixel first, eight to a
    // byte with the first in the most significant bit.
    std::span<const std::uint8_t> bits;
};

// The table built into the program, of the font the desktop finds.
const GlyphTable& ProgramGlyphTable();
