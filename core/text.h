// Text in pictures: one fixed-width font, drawn with FreeType as monochrome
// glyphs (no grey edges), so that the GUI and vorlen-render draw the same
// pixels.
#pragma once

#include <memory>
#include <stdexcept>
#include <string>
#include <string_view>

#include "core/raster.h"

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

class MonoFont {
public:
    // The program's font: DejaVu Sans Mono if fontconfig knows it, else
    // fontconfig's best "monospace" match. Loaded once; throws FontError
    // with a message for the user when no font can be found or loaded.
    static MonoFont& Default();

    // A font from a file, at the program's pixel size. Throws FontError.
    static std::unique_ptr<MonoFont> Load(const std::string& path);

    ~MonoFont();
    MonoFont(const MonoFont&) = delete;
    MonoFont& operator=(const MonoFont&) = delete;

    const std::string& Path() const;
    // The face's family name, such as "DejaVu Sans Mono".
    const std::string& Family() const;
    // The size the glyphs are drawn at: pixels per em.
    int PixelSize() const;
    // The box of a text is LineHeight() rows tall and Advance() columns per
    // character; its baseline is Ascent() rows below the box's top.
    int LineHeight() const;
    int Ascent() const;
    int Advance() const;
    // The advance of the glyph outlines without hinting, in pixels: what
    // vector renderers lay text out with, against the whole-pixel Advance().
    double OutlineAdvance() const;
    // The opaque box that Draw paints for this text.
    TextExtent Measure(std::string_view text) const;
    // Black glyphs on a white box whose top-left corner is (x, y).
    void Draw(Raster& target, int x, int y, std::string_view text) const;

private:
    struct Impl;
    explicit MonoFont(std::unique_ptr<Impl> impl);
    std::unique_ptr<Impl> m_impl;
};
