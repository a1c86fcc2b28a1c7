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
    int LineHeight() const;
    // The opaque box that Draw paints for this text.
    TextExtent Measure(std::string_view text) const;
    // Black glyphs on a white box whose top-left corner is (x, y).
    void Draw(Raster& target, int x, int y, std::string_view text) const;

private:
    struct Impl;
    explicit MonoFont(std::unique_ptr<Impl> impl);
    std::unique_ptr<Impl> m_impl;
};
