#include "workspace/number_text.h"

#include <array>
#include <charconv>
#include <cmath>

std::string RightAligned(std::string text, std::size_t width)
{
    if (text.size() < width) {
        text.insert(0, width - text.size(), ' ');
    }
    return text;
}

std::string FormatFixed(double value, int decimals, std::size_t width)
{
    if (std::isnan(value)) {
        return RightAligned(std::signbit(value) ? "-nan" : "nan", width);
    }
    if (std::isinf(value)) {
        return RightAligned(value < 0 ? "-inf" : "inf", width);
    }
    // The widest double in fixed notation has 309 integer digits; the
    // program asks for at most six decimals.
    std::array<char, 400> buffer{};
    // std::to_chars follows no locale and rounds the exact binary value half
    // to even, as glibc's printf does.
    const auto [end, error] = std::to_chars(buffer.data(), buffer.data() + buffer.size(), value,
                                            std::chars_format::fixed, decimals);
    if (error != std::errc{}) {
        return RightAligned("", width);
    }
    return RightAligned(std::string(buffer.data(), end), width);
}

std::string FormatPeakLabel(float value)
{
    return FormatFixed(value, 1, 10);
}

std::string FormatCountLabel(int value)
{
    std::array<char, 16> buffer{};
    const auto [end, error] = std::to_chars(buffer.data(), buffer.data() + buffer.size(), value);
    return error == std::errc{} ? std::string(buffer.data(), end) : std::string();
}
