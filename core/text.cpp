#include "core/text.h"

#include "core/font_lookup.h"

#include <ft2build.h>
#include FT_FREETYPE_H

#include <map>
#include <mutex>
#include <vector>

namespace {

// About 9 points on a 96 dpi screen: a line of 14 pixels, so that the plot
// labels fit between their axes.
constexpr int kPixelSize = 12;

struct Glyph {
    int left = 0;  // from the pen position to the bitmap's first column
    int top = 0;   // from the baseline up to the bitmap's first row
    int width = 0;
    int rows = 0;
    std::vector<bool> bits;  // rows x width, true where the glyph is inked
};

std::string FindFontFile()
{
    // The preferred face by name, else whatever fontconfig calls monospace.
    std::optional<FontMatch> match = MatchFont("DejaVu Sans Mono:spacing=mono");
    if (!match || match->family != "DejaVu Sans Mono")
        match = MatchFont("monospace:spacing=mono");
    if (!match || match->file.empty())
        throw FontError(
            "Vorlen: no fixed-width font was found. Install one, for example with "
            "'apt-get install fonts-dejavu-core'.");
    return match->file;
}

}  // namespace

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

struct MonoFont::Impl {
    FT_Library library = nullptr;
    FT_Face face = nullptr;
    std::string path;
    std::string family;
    int ascent = 0;
    int lineHeight = 0;
    int advance = 0;
    double outlineAdvance = 0.0;
    mutable std::map<char32_t, Glyph> glyphs;

    ~Impl()
    {
        if (face)
            FT_Done_Face(face);
        if (library)
            FT_Done_FreeType(library);
    }

    const Glyph& GlyphFor(char32_t cp) const
    {
        auto it = glyphs.find(cp);
        if (it != glyphs.end())
            return it->second;
        Glyph g;
        if (FT_Load_Char(face, cp, FT_LOAD_RENDER | FT_LOAD_TARGET_MONO | FT_LOAD_MONOCHROME) ==
            0) {
            const FT_Bitmap& bm = face->glyph->bitmap;
            g.left = face->glyph->bitmap_left;
            g.top = face->glyph->bitmap_top;
            g.width = static_cast<int>(bm.width);
            g.rows = static_cast<int>(bm.rows);
            g.bits.resize(static_cast<std::size_t>(g.width * g.rows));
            for (int r = 0; r < g.rows; ++r) {
                const unsigned char* row = bm.buffer + r * bm.pitch;
                for (int c = 0; c < g.width; ++c) {
                    const bool on = bm.pixel_mode == FT_PIXEL_MODE_MONO
                                        ? (row[c >> 3] & (0x80 >> (c & 7))) != 0
                                        : row[c] >= 128;
                    g.bits[static_cast<std::size_t>(r * g.width + c)] = on;
                }
            }
        }
        return glyphs.emplace(cp, std::move(g)).first->second;
    }
};

MonoFont::MonoFont(std::unique_ptr<Impl> impl) : m_impl(std::move(impl)) {}
MonoFont::~MonoFont() = default;

std::unique_ptr<MonoFont> MonoFont::Load(const std::string& path)
{
    auto impl = std::make_unique<Impl>();
    impl->path = path;
    if (FT_Init_FreeType(&impl->library) != 0)
        throw FontError("Vorlen: the FreeType library could not be initialised.");
    if (FT_New_Face(impl->library, path.c_str(), 0, &impl->face) != 0)
        throw FontError("Vorlen: the font file '" + path + "' could not be loaded.");
    if (FT_Set_Pixel_Sizes(impl->face, 0, kPixelSize) != 0)
        throw FontError("Vorlen: the font '" + path + "' cannot be drawn at " +
                        std::to_string(kPixelSize) + " pixels.");
    const FT_Size_Metrics& m = impl->face->size->metrics;
    impl->family = impl->face->family_name != nullptr ? impl->face->family_name : "";
    impl->ascent = static_cast<int>((m.ascender + 63) >> 6);
    impl->lineHeight = impl->ascent + static_cast<int>((-m.descender + 63) >> 6);
    if (FT_Load_Char(impl->face, 'M', FT_LOAD_DEFAULT | FT_LOAD_TARGET_MONO) != 0)
        throw FontError("Vorlen: the font '" + path + "' has no Latin letters.");
    impl->advance = static_cast<int>((impl->face->glyph->advance.x + 32) >> 6);
    impl->outlineAdvance = static_cast<double>(impl->face->glyph->linearHoriAdvance) / 65536.0;
    return std::unique_ptr<MonoFont>(new MonoFont(std::move(impl)));
}

MonoFont& MonoFont::Default()
{
    static std::unique_ptr<MonoFont> font;
    static std::once_flag once;
    std::call_once(once, [] { font = Load(FindFontFile()); });
    return *font;
}

const std::string& MonoFont::Path() const
{
    return m_impl->path;
}

const std::string& MonoFont::Family() const
{
    return m_impl->family;
}

int MonoFont::PixelSize() const
{
    return kPixelSize;
}

int MonoFont::LineHeight() const
{
    return m_impl->lineHeight;
}

int MonoFont::Ascent() const
{
    return m_impl->ascent;
}

int MonoFont::Advance() const
{
    return m_impl->advance;
}

double MonoFont::OutlineAdvance() const
{
    return m_impl->outlineAdvance;
}

TextExtent MonoFont::Measure(std::string_view text) const
{
    return TextExtent{static_cast<int>(DecodeText(text).size()) * m_impl->advance,
                      m_impl->lineHeight};
}

void MonoFont::Draw(Raster& target, int x, int y, std::string_view text) const
{
    const std::u32string chars = DecodeText(text);
    const int boxWidth = static_cast<int>(chars.size()) * m_impl->advance;
    target.Fill(x, y, x + boxWidth, y + m_impl->lineHeight, kWhite);
    const int baseline = y + m_impl->ascent;
    int pen = x;
    for (char32_t cp : chars) {
        const Glyph& g = m_impl->GlyphFor(cp);
        for (int r = 0; r < g.rows; ++r) {
            const int py = baseline - g.top + r;
            // Ink stays inside the text's box.
            if (py < y || py >= y + m_impl->lineHeight)
                continue;
            for (int c = 0; c < g.width; ++c) {
                const int px = pen + g.left + c;
                if (px < x || px >= x + boxWidth)
                    continue;
                if (g.bits[static_cast<std::size_t>(r * g.width + c)])
                    target.Put(px, py, kBlack);
            }
        }
        pen += m_impl->advance;
    }
}
