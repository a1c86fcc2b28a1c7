#include "picture/freetype_font.h"

#include <ft2build.h>
#include FT_FREETYPE_H
#include FT_MODULE_H

#include <cstdlib>
#include <utility>

// A FreeType library of its own and one face in it. Both are reference
// counted by FreeType: a renderer that keeps the face beyond this font
// takes a reference with FT_Reference_Face and FT_Reference_Library.
struct FreeTypeFont::Loaded {
    FT_Library library = nullptr;
    FT_Face face = nullptr;
    std::vector<unsigned char> bytes;  // a face made from memory reads them while it lives

    ~Loaded()
    {
        if (face)
            FT_Done_Face(face);
        if (library)
            FT_Done_Library(library);
    }
};

namespace {

// FT_Init_FreeType allocates the library's memory record apart from the
// library and frees it only in FT_Done_FreeType, which cannot wait for the
// references cairo holds. With one static record, the last FT_Done_Library
// (ours or cairo's) frees everything the library allocated.
void* Allocate(FT_Memory, long size)
{
    return std::malloc(static_cast<size_t>(size));
}

void Free(FT_Memory, void* block)
{
    std::free(block);
}

void* Reallocate(FT_Memory, long, long newSize, void* block)
{
    return std::realloc(block, static_cast<size_t>(newSize));
}

FT_MemoryRec_ g_memory = {nullptr, Allocate, Free, Reallocate};

bool NewLibrary(FT_Library* library)
{
    if (FT_New_Library(&g_memory, library) != 0)
        return false;
    FT_Add_Default_Modules(*library);
    FT_Set_Default_Properties(*library);
    return true;
}

}  // namespace

FreeTypeFont::FreeTypeFont(std::unique_ptr<Loaded> face, FontMetrics metrics, std::string path)
    : MonoFont(std::move(metrics)), m_face(std::move(face)), m_path(std::move(path))
{
}

FreeTypeFont::~FreeTypeFont() = default;

FT_FaceRec_* FreeTypeFont::Face() const
{
    return m_face->face;
}

unsigned FreeTypeFont::GlyphIndex(char32_t character) const
{
    return FT_Get_Char_Index(m_face->face, character);
}

std::unique_ptr<FreeTypeFont> FreeTypeFont::FromFile(const std::string& path)
{
    auto face = std::make_unique<Loaded>();
    if (!NewLibrary(&face->library))
        throw FontError("Vorlen: the FreeType library could not be initialised.");
    if (FT_New_Face(face->library, path.c_str(), 0, &face->face) != 0)
        throw FontError("Vorlen: the font file '" + path + "' could not be loaded.");
    return Load(std::move(face), path);
}

std::unique_ptr<FreeTypeFont> FreeTypeFont::FromMemory(std::vector<unsigned char> bytes,
                                                       const std::string& name)
{
    auto face = std::make_unique<Loaded>();
    face->bytes = std::move(bytes);
    if (!NewLibrary(&face->library))
        throw FontError("Vorlen: the FreeType library could not be initialised.");
    if (FT_New_Memory_Face(face->library, face->bytes.data(),
                           static_cast<FT_Long>(face->bytes.size()), 0, &face->face) != 0)
        throw FontError("Vorlen: the font '" + name + "' could not be loaded.");
    return Load(std::move(face), name);
}

std::unique_ptr<FreeTypeFont> FreeTypeFont::Load(std::unique_ptr<Loaded> face,
                                                 const std::string& name)
{
    FT_Face ft = face->face;
    if (FT_Set_Pixel_Sizes(ft, 0, kPixelSize) != 0)
        throw FontError("Vorlen: the font '" + name + "' cannot be drawn at " +
                        std::to_string(kPixelSize) + " pixels.");
    const FT_Size_Metrics& m = ft->size->metrics;
    FontMetrics metrics;
    metrics.family = ft->family_name != nullptr ? ft->family_name : "";
    metrics.pixelSize = kPixelSize;
    metrics.ascent = static_cast<int>((m.ascender + 63) >> 6);
    metrics.lineHeight = metrics.ascent + static_cast<int>((-m.descender + 63) >> 6);
    if (FT_Load_Char(ft, 'M', FT_LOAD_DEFAULT | FT_LOAD_TARGET_MONO) != 0)
        throw FontError("Vorlen: the font '" + name + "' has no Latin letters.");
    metrics.advance = static_cast<int>((ft->glyph->advance.x + 32) >> 6);
    metrics.outlineAdvance = static_cast<double>(ft->glyph->linearHoriAdvance) / 65536.0;
    return std::unique_ptr<FreeTypeFont>(
        new FreeTypeFont(std::move(face), std::move(metrics), name));
}

Glyph FreeTypeFont::MakeGlyph(char32_t character) const
{
    Glyph g;
    FT_Face ft = m_face->face;
    if (FT_Load_Char(ft, character, FT_LOAD_RENDER | FT_LOAD_TARGET_MONO | FT_LOAD_MONOCHROME) !=
        0) {
        return g;
    }
    const FT_Bitmap& bm = ft->glyph->bitmap;
    g.left = ft->glyph->bitmap_left;
    g.top = ft->glyph->bitmap_top;
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
    return g;
}
