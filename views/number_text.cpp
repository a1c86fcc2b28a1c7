#include "views/number_text.h"

#include <array>
#include <charconv>
#include <cmath>
#include <cstddef>

namespace {
constexpr std::size_t kPeakWidth = 10;
constexpr int kPeakDecimals = 1;
}  // namespace

std::string FormatPeakLabel(float value)
{
    std::string digits;
    if (std::isnan(value)) {
        digits = std::signbit(value) ? "-nan" : "nan";
    } else if (std::isinf(value)) {
        digits = value < 0 ? "-inf" : "inf";
    } else {
        // The widest float in fixed notation: sign, 39 digits, point, one decimal.
        std::array<char, 64> buffer{};
        // std::to_chars follows no locale and rounds the exact binary value
        // half to even, as glibc's printf does.
        const auto [end, error] = std::to_chars(buffer.data(), buffer.data() + buffer.size(),
                                                value, std::chars_format::fixed, kPeakDecimals);
        if (error == std::errc{}) {
            digits.assign(buffer.data(), end);
        }
    }
    if (digits.size() < kPeakWidth) {
        digits.insert(0, kPeakWidth - digits.size(), ' ');
    }
    return digits;
}

std::string FormatCountLabel(int value)
{
    std::array<char, 16> buffer{};
    const auto [end, error] = std::to_chars(buffer.data(), buffer.data() + buffer.size(), value);
    return error == std::errc{} ? std::string(buffer.data(), end) : std::string();
}
