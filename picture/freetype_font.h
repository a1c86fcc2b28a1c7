// The picture font read from a font file with FreeType: how the desktop
// program, vorlen-render and the generator of the browser's glyph table
// get their glyphs.
#pragma once

#include <memory>
#include <string>
#include <vector>

#include "picture/text.h"

struct FT_FaceRec_;

class FreeTypeFont final : public MonoFont {
public:
    // The size every picture's text is drawn at: about 9 points on a 96 dpi
    // screen, a line of 14 pixels, so that the plot labels fit between their
    // axes.
    static constexpr int kPixelSize = 12;

    // A font file at kPixelSize. Throws FontError with a message for the
    // user when it cannot be read or drawn.
    static std::unique_ptr<FreeTypeFont> FromFile(const std::string& path);
    // The same from the bytes of a font file; `name` stands for the file in
    // messages.
    static std::unique_ptr<FreeTypeFont> FromMemory(std::vector<unsigned char> bytes,
                                                    const std::string& name);

    ~FreeTypeFont() override;

    // The file it was read from, or the name it was given.
    const std::string& Path() const { return m_path; }
    // The FreeType face, for vector renderers that draw its outlines. It
    // lives as long as this font; FT_Reference_Face keeps it longer.
    FT_FaceRec_* Face() const;
    // The face's glyph index of a character (0: none).
    unsigned GlyphIndex(char32_t character) const;

private:
    struct Loaded;
    FreeTypeFont(std::unique_ptr<Loaded> face, FontMetrics metrics, std::string path);
    // Sets the pixel size and reads the metrics of a face just opened.
    static std::unique_ptr<FreeTypeFont> Load(std::unique_ptr<Loaded> face,
                                              const std::string& name);
    Glyph MakeGlyph(char32_t character) const override;

    std::unique_ptr<Loaded> m_face;
    std::string m_path;
};
