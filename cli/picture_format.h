// The file formats vorlen-render writes pictures in.
#pragma once

#include <optional>
#include <string_view>

enum class PictureFormat { Png, Svg, Pdf };

// "png", "svg" or "pdf": the --format names, and the extensions of the
// files all writes.
std::string_view FormatName(PictureFormat format);

// The format --format names, in any case; nullopt for any other text.
std::optional<PictureFormat> FormatNamed(std::string_view name);

// The format a file name's extension names (".svg", ".PDF", ...); nullopt
// when it ends in none of the three.
std::optional<PictureFormat> FormatOfFileName(std::string_view fileName);
