#include "cli/picture_format.h"

#include <array>
#include <cctype>
#include <filesystem>
#include <string>
#include <utility>

namespace {

constexpr std::array kFormats{std::pair{PictureFormat::Png, std::string_view("png")},
                              std::pair{PictureFormat::Svg, std::string_view("svg")},
                              std::pair{PictureFormat::Pdf, std::string_view("pdf")}};

bool SameLetters(std::string_view text, std::string_view lowerCase)
{
    if (text.size() != lowerCase.size()) {
        return false;
    }
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (std::tolower(static_cast<unsigned char>(text[i])) != lowerCase[i]) {
            return false;
        }
    }
    return true;
}

}  // namespace

std::string_view FormatName(PictureFormat format)
{
    for (const auto& [known, name] : kFormats) {
        if (known == format) {
            return name;
        }
    }
    return "png";
}

std::optional<PictureFormat> FormatNamed(std::string_view name)
{
    for (const auto& [format, known] : kFormats) {
        if (SameLetters(name, known)) {
            return format;
        }
    }
    return std::nullopt;
}

std::optional<PictureFormat> FormatOfFileName(std::string_view fileName)
{
    // As std::filesystem sees it: ".svg" alone is a hidden file's name.
    const std::string extension = std::filesystem::path(fileName).extension().string();
    if (extension.empty()) {
        return std::nullopt;
    }
    return FormatNamed(std::string_view(extension).substr(1));
}
