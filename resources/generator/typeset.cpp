#include "resources/generator/typeset.h"

#include "picture/cairo/font_lookup.h"

#include <fontconfig/fontconfig.h>
#include <ft2build.h>
#include FT_FREETYPE_H
#include FT_OUTLINE_H

#include <algorithm>
#include <cmath>
#include <stdexcept>

void Ink::Append(const Ink& other, int dx, int dy)
{
    for (const InkPoint& p : other.m_points)
        m_points.push_back({p.x + dx, p.y + dy});
}

PixelBox Ink::Bounds() const
{
    PixelBox box{m_points.at(0).x, m_points.at(0).y, m_points.at(0).x, m_points.at(0).y};
    for (const InkPoint& p : m_points) {
        box.left = std::min(box.left, p.x);
        box.right = std::max(box.right, p.x);
        box.top = std::min(box.top, p.y);
        box.bottom = std::max(box.bottom, p.y);
    }
    return box;
}

std::string SerifBoldFont::Locate()
{
    const std::optional<FontMatch> match = MatchFont("DejaVu Serif:bold");
    // Only the path is needed; closing fontconfig also frees its caches,
    // which leak checkers would otherwise report.
    FcFini();
    // fontconfig always offers something; only the real face will do, since
    // the pictures are committed and must come out the same every time.
    if (!match || match->family != "DejaVu Serif" || match->weight < FC_WEIGHT_BOLD)
        throw std::runtime_error(
            "the font 'DejaVu Serif Bold' is not installed (fontconfig offers no "
            "'DejaVu Serif:bold'); install it with 'apt-get install fonts-dejavu-core'");
    return match->file;
}

struct SerifBoldFont::Impl {
    FT_Library library = nullptr;
    FT_Face face = nullptr;

    ~Impl()
    {
        if (face)
            FT_Done_Face(face);
        if (library)
            FT_Done_FreeType(library);
    }
};

SerifBoldFont::SerifBoldFont(const std::string& path) : m_impl(std::make_unique<Impl>())
{
    if (FT_Init_FreeType(&m_impl->library) != 0)
        throw std::runtime_error("the FreeType library could not be initialised");
    if (FT_New_Face(m_impl->library, path.c_str(), 0, &m_impl->face) != 0)
        throw std::runtime_error("the font file '" + path + "' could not be loaded");
}

SerifBoldFont::~SerifBoldFont() = default;

int SerifBoldFont::Typeset(Ink& ink, std::u32string_view text, int pixelSize, int penX,
                           int baselineY) const
{
    FT_Face face = m_impl->face;
    if (FT_Set_Pixel_Sizes(face, 0, static_cast<FT_UInt>(pixelSize)) != 0)
        throw std::runtime_error("the font cannot be set at " + std::to_string(pixelSize) +
                                 " pixels");
    // The pen moves in 1/64 pixels, so that spacing follows the font's
    // design rather than piling up rounding.
    FT_Pos pen = static_cast<FT_Pos>(penX) * 64;
    for (char32_t cp : text) {
        const FT_UInt index = FT_Get_Char_Index(face, cp);
        if (index == 0)
            throw std::runtime_error("the font has no glyph for U+" +
                                     std::to_string(static_cast<unsigned>(cp)));
        // Unhinted: at these sizes the hinters either thin the bold strokes
        // or fuse the dot of an i with its stem. Monochrome, so that no grey
        // edge pixel breaks the pictures' four colours.
        if (FT_Load_Glyph(face, index, FT_LOAD_NO_HINTING | FT_LOAD_NO_BITMAP) != 0)
            throw std::runtime_error("a glyph could not be loaded");
        const FT_GlyphSlot slot = face->glyph;
        FT_Outline_Translate(&slot->outline, pen & 63, 0);
        if (FT_Render_Glyph(slot, FT_RENDER_MODE_MONO) != 0)
            throw std::runtime_error("a glyph could not be rendered");
        const FT_Bitmap& bitmap = slot->bitmap;
        const int originX = static_cast<int>(pen >> 6);
        for (unsigned r = 0; r < bitmap.rows; ++r) {
            const unsigned char* row =
                bitmap.buffer + static_cast<std::ptrdiff_t>(r) * bitmap.pitch;
            for (unsigned c = 0; c < bitmap.width; ++c)
                if (row[c >> 3] & (0x80u >> (c & 7u)))
                    ink.Add(originX + slot->bitmap_left + static_cast<int>(c),
                            baselineY - slot->bitmap_top + static_cast<int>(r));
        }
        pen += slot->linearHoriAdvance >> 10;  // 16.16 to 26.6
    }
    return static_cast<int>((pen + 32) >> 6);
}

Label Plain(std::u32string text)
{
    return [text = std::move(text)](const SerifBoldFont& font, int size) {
        Ink ink;
        font.Typeset(ink, text, size, 0, 0);
        return ink;
    };
}

Label Formula(std::u32string text)
{
    return [text = std::move(text)](const SerifBoldFont& font, int size) {
        // TeX's proportions for a first-level subscript: two thirds of the
        // size, lowered by a quarter of it.
        const int subSize = std::max(4, static_cast<int>(std::lround(size * 0.66)));
        const int drop = static_cast<int>(std::lround(size * 0.25));
        // A drawn square dot: the font's own is a shapeless speck this small.
        const int dot = std::max(2, static_cast<int>(std::lround(size * 0.13)));
        const int dotSpace = std::max(1, static_cast<int>(std::lround(size * 0.1)));
        const int dotTop = static_cast<int>(std::lround(-AxisHeight(font, size) - dot / 2.0));

        Ink ink;
        int pen = 0;
        std::u32string run;
        auto flush = [&] {
            pen = font.Typeset(ink, run, size, pen, 0);
            run.clear();
        };
        for (std::size_t i = 0; i < text.size(); ++i) {
            if (text[i] == U'_' && i + 1 < text.size()) {
                flush();
                pen = font.Typeset(ink, text.substr(++i, 1), subSize, pen, drop);
            } else if (text[i] == U'\u00B7') {
                flush();
                pen += dotSpace;
                for (int y = 0; y < dot; ++y)
                    for (int x = 0; x < dot; ++x)
                        ink.Add(pen + x, dotTop + y);
                pen += dot + dotSpace;
            } else {
                run.push_back(text[i]);
            }
        }
        flush();
        return ink;
    };
}

Label SamplerSymbol(bool down, std::u32string letter)
{
    return [down, letter = std::move(letter)](const SerifBoldFont& font, int size) {
        Ink glyph;
        font.Typeset(glyph, letter, size, 0, 0);
        const PixelBox cap = glyph.Bounds();
        const int height = cap.Height();
        // A shaft as thick as a bold stem and a solid head, so the arrow
        // reads at a glance next to the letter.
        const int shaft = std::max(2, static_cast<int>(std::lround(height * 0.17)));
        const int halfHead = std::max(2, static_cast<int>(std::lround(height * 0.27)));
        const int headLength = std::max(3, static_cast<int>(std::lround(height * 0.45)));
        const int width = shaft + 2 * halfHead;
        Ink ink;
        for (int row = 0; row < height; ++row) {
            // Distance from the tip, counted in rows.
            const int fromTip = down ? height - 1 - row : row;
            int spread = 0;
            if (fromTip < headLength)
                spread = static_cast<int>(
                    std::lround(halfHead * static_cast<double>(fromTip) / (headLength - 1)));
            const int left = halfHead - spread;
            const int right = halfHead + shaft - 1 + spread;
            for (int x = left; x <= right; ++x)
                ink.Add(x, cap.top + row);
        }
        const int gap = std::max(1, static_cast<int>(std::lround(height * 0.16)));
        ink.Append(glyph, width + gap - cap.left, 0);
        return ink;
    };
}

double AxisHeight(const SerifBoldFont& font, int pixelSize)
{
    // Half the x-height, within a pixel of TeX's quarter of the size.
    Ink x;
    font.Typeset(x, U"x", pixelSize, 0, 0);
    const PixelBox box = x.Bounds();
    return -(box.top + box.bottom + 1) / 2.0;
}
