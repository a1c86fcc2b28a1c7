#include "picture/table_font.h"

#include <algorithm>
#include <cstddef>
#include <string>

namespace {

FontMetrics MetricsOf(const GlyphTable& table)
{
    FontMetrics metrics;
    metrics.family = std::string(table.family);
    metrics.pixelSize = table.pixelSize;
    metrics.lineHeight = table.lineHeight;
    metrics.ascent = table.ascent;
    metrics.advance = table.advance;
    metrics.outlineAdvance = table.outlineAdvance;
    return metrics;
}

bool FitsTheBits(const GlyphTableEntry& entry, const GlyphTable& table)
{
    const std::size_t count = std::size_t{entry.width} * entry.rows;
    return entry.firstBit <= table.bits.size() * 8 &&
           count <= table.bits.size() * 8 - entry.firstBit;
}

}  // namespace

TableFont::TableFont(const GlyphTable& table) : MonoFont(MetricsOf(table)), m_table(table)
{
    bool whole = FitsTheBits(table.missing, table);
    for (std::size_t i = 0; whole && i < table.glyphs.size(); ++i) {
        whole = FitsTheBits(table.glyphs[i], table) &&
                (i == 0 || table.glyphs[i - 1].character < table.glyphs[i].character);
    }
    if (!whole)
        throw FontError("Vorlen: the glyph table of '" + Family() + "' is damaged.");
}

const GlyphTableEntry& TableFont::EntryFor(char32_t character) const
{
    const auto it = std::lower_bound(
        m_table.glyphs.begin(), m_table.glyphs.end(), character,
        [](const GlyphTableEntry& entry, char32_t c) { return entry.character < c; });
    return it != m_table.glyphs.end() && it->character == character ? *it : m_table.missing;
}

bool TableFont::Holds(char32_t character) const
{
    return &EntryFor(character) != &m_table.missing;
}

Glyph TableFont::MakeGlyph(char32_t character) const
{
    const GlyphTableEntry& entry = EntryFor(character);
    Glyph g;
    g.left = entry.left;
    g.top = entry.top;
    g.width = entry.width;
    g.rows = entry.rows;
    g.bits.resize(std::size_t{entry.width} * entry.rows);
    for (std::size_t i = 0; i < g.bits.size(); ++i) {
        const std::size_t bit = entry.firstBit + i;
        g.bits[i] = (m_table.bits[bit >> 3] & (0x80u >> (bit & 7))) != 0;
    }
    return g;
}
