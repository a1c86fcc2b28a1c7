// The picture font drawn from a glyph table made at build time: the same
// metrics and pixels as FreeTypeFont over the font file the table was made
// from, for every character in the table. A character not in it draws the
// font's missing glyph, as FreeType does for a character the font lacks.
#pragma once

#include "picture/glyph_table.h"
#include "picture/text.h"

class TableFont final : public MonoFont {
public:
    // The table must outlive the font. Throws FontError when it is not
    // whole: a glyph reaching past its bits, or characters out of order.
    explicit TableFont(const GlyphTable& table = ProgramGlyphTable());

    // Whether the table has the character's own glyph.
    bool Holds(char32_t character) const;

private:
    Glyph MakeGlyph(char32_t character) const override;
    const GlyphTableEntry& EntryFor(char32_t character) const;

    const GlyphTable& m_table;
};
