// Asking fontconfig for a font file. The program's text and the artwork
// generator both need one; each decides which match it accepts.
#pragma once

#include <optional>
#include <string>

struct FontMatch {
    std::string file;
    std::string family;
    int weight = 0;  // fontconfig's scale: 80 regular, 200 bold
};

// fontconfig's best match for a pattern such as "DejaVu Serif:bold" or
// "monospace:spacing=mono". fontconfig always offers some font, so callers
// check the family they got; nullopt only when fontconfig cannot answer.
std::optional<FontMatch> MatchFont(const std::string& pattern);
