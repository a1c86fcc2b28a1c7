// vorlen-glyphs: writes the picture font's glyph table (picture/glyph_table.h)
// as a C++ source, from a font file read with FreeType at the pictures' one
// pixel size.
//
//   vorlen-glyphs FONT-FILE FILE.cpp
//
// The glyphs are FreeTypeFont's own, so that TableFont draws exactly what
// the desktop draws. The table holds every character the program's texts
// use: all of U+0000..U+00FF (ASCII, and the Latin-1 characters a byte that
// is not UTF-8 stands for when a text is decoded) and the letters with
// diacritics of Serbian. Characters the font has no glyph of are left out;
// they draw the missing glyph, which the table holds too.
#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <exception>
#include <fstream>
#include <iterator>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include <fmt/format.h>

#include "picture/freetype_font.h"

namespace {

// Č č Ć ć Đ đ Š š Ž ž
constexpr char32_t kSerbianLetters[] = {0x010C, 0x010D, 0x0106, 0x0107, 0x0110,
                                        0x0111, 0x0160, 0x0161, 0x017D, 0x017E};

std::vector<char32_t> CharactersOfTheProgram()
{
    std::vector<char32_t> characters;
    for (char32_t c = 0; c <= 0xFF; ++c) {
        characters.push_back(c);
    }
    characters.insert(characters.end(), std::begin(kSerbianLetters), std::end(kSerbianLetters));
    std::sort(characters.begin(), characters.end());
    return characters;
}

// A character no font maps: FreeType draws glyph 0 for it.
char32_t UnmappedCharacter(const FreeTypeFont& font)
{
    for (const char32_t c : {char32_t{0xFFFF}, char32_t{0xFFFE}, char32_t{0x10FFFF}}) {
        if (font.GlyphIndex(c) == 0)
            return c;
    }
    throw FontError("the font maps every noncharacter; its missing glyph cannot be found");
}

class Writer {
public:
    // The entry of a glyph, its bits appended.
    std::string Entry(char32_t character, const Glyph& g)
    {
        if (g.left < INT16_MIN || g.left > INT16_MAX || g.top < INT16_MIN || g.top > INT16_MAX ||
            g.width > UINT16_MAX || g.rows > UINT16_MAX || m_bits.size() > UINT32_MAX)
            throw FontError(fmt::format("the glyph of U+{:04X} is too large", unsigned{character}));
        const std::string entry =
            fmt::format("{{0x{:04X}, {}, {}, {}, {}, {}}}", unsigned{character}, g.left, g.top,
                        g.width, g.rows, m_bits.size());
        m_bits.insert(m_bits.end(), g.bits.begin(), g.bits.end());
        return entry;
    }

    std::string Bytes() const
    {
        std::string text;
        for (std::size_t byte = 0; byte * 8 < m_bits.size(); ++byte) {
            unsigned value = 0;
            for (std::size_t k = 0; k < 8; ++k) {
                const std::size_t i = byte * 8 + k;
                if (i < m_bits.size() && m_bits[i])
                    value |= 0x80u >> k;
            }
            text += fmt::format("{}0x{:02X},", byte % 16 == 0 ? "\n    " : " ", value);
        }
        return text;
    }

private:
    std::vector<bool> m_bits;
};

// A C++ string literal of `text`.
std::string Quoted(std::string_view text)
{
    std::string quoted = "\"";
    for (const char c : text) {
        if (c == '"' || c == '\\')
            quoted += '\\';
        quoted += c;
    }
    return quoted + '"';
}

std::string Comment(char32_t c)
{
    if (c >= 0x21 && c < 0x7F && c != '\\')
        return fmt::format("  // {}", static_cast<char>(c));
    return "";
}

std::string Table(const std::string& fontFile)
{
    const std::unique_ptr<FreeTypeFont> font = FreeTypeFont::FromFile(fontFile);
    const FontMetrics& m = font->Metrics();
    Writer writer;
    const std::string missing = writer.Entry(0, font->GlyphFor(UnmappedCharacter(*font)));
    std::string entries;
    std::size_t count = 0;
    for (const char32_t c : CharactersOfTheProgram()) {
        if (font->GlyphIndex(c) == 0)
            continue;
        entries += "    " + writer.Entry(c, font->GlyphFor(c)) + "," + Comment(c) + "\n";
        ++count;
    }
    const std::string name = fontFile.substr(fontFile.find_last_of('/') + 1);
    std::string text = fmt::format(
        "// Made by `vorlen-glyphs` at build time from {}; not to be edited.\n"
        "#include \"picture/glyph_table.h\"\n\n"
        "namespace {{\n\n"
        "constexpr GlyphTableEntry kGlyphs[{}] = {{\n{}}};\n\n",
        name, count, entries);
    text += "constexpr std::uint8_t kBits[] = {" + writer.Bytes() + "\n};\n\n";
    text += "}  // namespace\n\n";
    text += "const GlyphTable& ProgramGlyphTable()\n{\n";
    text += fmt::format(
        "    static constexpr GlyphTable table{{{}, {}, {}, {}, {}, {:a},\n"
        "                                      {}, kGlyphs, kBits}};\n",
        Quoted(m.family), m.pixelSize, m.lineHeight, m.ascent, m.advance, m.outlineAdvance,
        missing);
    text += "    return table;\n}\n";
    return text;
}

}  // namespace

int main(int argc, char** argv)
{
    if (argc != 3) {
        std::fprintf(stderr, "usage: vorlen-glyphs FONT-FILE FILE.cpp\n");
        return 2;
    }
    std::string text;
    try {
        text = Table(argv[1]);
    } catch (const std::exception& e) {
        std::fprintf(stderr, "vorlen-glyphs: %s\n", e.what());
        return 1;
    }
    // Written beside the source and renamed over it, so that a failed run
    // never leaves a half table for the next build to take as made.
    const std::string path = argv[2];
    const std::string partial = path + ".partial";
    std::ofstream out(partial, std::ios::binary | std::ios::trunc);
    out << text;
    out.close();
    if (!out || std::rename(partial.c_str(), path.c_str()) != 0) {
        std::remove(partial.c_str());
        std::fprintf(stderr, "vorlen-glyphs: cannot write %s\n", path.c_str());
        return 1;
    }
    return 0;
}
