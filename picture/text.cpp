#include "picture/text.h"

std::u32string DecodeText(std::string_view text)
{
    std::u32string out;
    std::size_t i = 0;
    while (i < text.size()) {
        const auto lead = static_cast<unsigned char>(text[i]);
        const std::size_t extra = lead >= 0xF0 && lead < 0xF8   ? 3
                                  : lead >= 0xE0 && lead < 0xF0 ? 2
                                  : lead >= 0xC0 && lead < 0xE0 ? 1
                                                                : 0;
        char32_t cp = lead & (0x7Fu >> extra);
        bool wellFormed = extra > 0 && i + extra < text.size();
        for (std::size_t k = 1; wellFormed && k <= extra; ++k) {
            const auto next = static_cast<unsigned char>(text[i + k]);
            wellFormed = (next & 0xC0u) == 0x80u;
            cp = (cp << 6) | (next & 0x3Fu);
        }
        if (wellFormed) {
            out.push_back(cp);
            i += extra + 1;
        } else {
            out.push_back(lead);
            ++i;
        }
    }
    return out;
}

std::string EncodeUtf8(std::u32string_view text)
{
    std::string out;
    out.reserve(text.size());
    for (char32_t cp : text) {
        if ((cp >= 0xD800 && cp <= 0xDFFF) || cp > 0x10FFFF) {
            cp = 0xFFFD;
        }
        if (cp < 0x80) {
            out += static_cast<char>(cp);
        } else if (cp < 0x800) {
            out += static_cast<char>(0xC0 | (cp >> 6));
            out += static_cast<char>(0x80 | (cp & 0x3F));
        } else if (cp < 0x10000) {
            out += static_cast<char>(0xE0 | (cp >> 12));
            out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
            out += static_cast<char>(0x80 | (cp & 0x3F));
        } else {
            out += static_cast<char>(0xF0 | (cp >> 18));
            out += static_cast<char>(0x80 | ((cp >> 12) & 0x3F));
            out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
            out += static_cast<char>(0x80 | (cp & 0x3F));
        }
    }
    return out;
}

TextExtent MonoFont::Measure(std::string_view text) const
{
    return TextExtent{static_cast<int>(DecodeText(text).size()) * m_metrics.advance,
                      m_metrics.lineHeight};
}

const Glyph& MonoFont::GlyphFor(char32_t character) const
{
    auto it = m_glyphs.find(character);
    if (it == m_glyphs.end()) {
        it = m_glyphs.emplace(character, MakeGlyph(character)).first;
    }
    return it->second;
}

void MonoFont::Draw(Raster& target, int x, int y, std::string_view text) const
{
    const std::u32string chars = DecodeText(text);
    const int boxWidth = static_cast<int>(chars.size()) * m_metrics.advance;
    target.Fill(x, y, x + boxWidth, y + m_metrics.lineHeight, kWhite);
    const int baseline = y + m_metrics.ascent;
    int pen = x;
    for (char32_t cp : chars) {
        const Glyph& g = GlyphFor(cp);
        for (int r = 0; r < g.rows; ++r) {
            const int py = baseline - g.top + r;
            // Ink stays inside the text's box.
            if (py < y || py >= y + m_metrics.lineHeight)
                continue;
            for (int c = 0; c < g.width; ++c) {
                const int px = pen + g.left + c;
                if (px < x || px >= x + boxWidth)
                    continue;
                if (g.bits[static_cast<std::size_t>(r * g.width + c)])
                    target.Put(px, py, kBlack);
            }
        }
        pen += m_metrics.advance;
    }
}
