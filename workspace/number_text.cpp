#include "workspace/number_text.h"

#include <array>
#include <cmath>
#include <string_view>

#include <fmt/format.h>

namespace {

// The text of a value without digits, as printf gives it.
std::string NonFiniteText(double value)
{
    if (std::isnan(value)) {
        return std::signbit(value) ? "-nan" : "nan";
    }
    return value < 0 ? "-inf" : "inf";
}

// The shortest digits of a finite non-zero |value| and the power of ten of
// the first: value = 0.d1 d2 ... dn * 10^(point) with d1 and dn not 0.
struct Digits {
    std::string digits;
    int point;
};

// fmt's "{}" writes the shortest digits that read back to the value, in a
// fixed or a scientific form of its own choosing: they are taken from
// whichever it wrote.
Digits ShortestDigits(double magnitude)
{
    const std::string text = fmt::format("{}", magnitude);
    const std::size_t e = text.find('e');
    const std::string_view mantissa = std::string_view(text).substr(0, e);
    int exponent = e == std::string::npos ? 0 : std::stoi(text.substr(e + 1));
    Digits result{"", 0};
    bool afterPoint = false;
    int integerDigits = 0;
    for (const char c : mantissa) {
        if (c == '.') {
            afterPoint = true;
            continue;
        }
        if (!afterPoint) {
            ++integerDigits;
        }
        if (result.digits.empty() && c == '0') {
            if (afterPoint) {
                --exponent;  // a leading zero after the point
            }
            continue;
        }
        result.digits.push_back(c);
    }
    // Leading zeros before the point were whole-number digits too: only
    // "0.xxx" has one, and it holds no power of ten.
    const bool leadingZero = mantissa.front() == '0';
    result.point = exponent + (leadingZero ? 0 : integerDigits);
    while (result.digits.size() > 1 && result.digits.back() == '0') {
        result.digits.pop_back();
    }
    return result;
}

}  // namespace

std::string RightAligned(std::string text, std::size_t width)
{
    if (text.size() < width) {
        text.insert(0, width - text.size(), ' ');
    }
    return text;
}

std::string FormatFixed(double value, int decimals, std::size_t width)
{
    if (!std::isfinite(value)) {
        return RightAligned(NonFiniteText(value), width);
    }
    // fmt follows no locale and writes the digits of the exact binary value
    // rounded half to even, as glibc's printf does.
    return RightAligned(fmt::format("{:.{}f}", value, decimals), width);
}

std::string FormatPeakLabel(float value)
{
    return FormatFixed(value, 1, 10);
}

std::string FormatCountLabel(int value)
{
    return fmt::format("{}", value);
}

std::string ShortestText(double value)
{
    if (!std::isfinite(value)) {
        return NonFiniteText(value);
    }
    if (value == 0.0) {
        return std::signbit(value) ? "-0" : "0";
    }
    const std::string sign = value < 0 ? "-" : "";
    const Digits d = ShortestDigits(std::fabs(value));
    const int count = static_cast<int>(d.digits.size());
    const int exponent = d.point - 1;  // of d1.d2...dn

    // Scientific: d1[.d2...dn]e+XX, at least two exponent digits.
    std::string scientific = d.digits.substr(0, 1);
    if (count > 1) {
        // Appended piece by piece: GCC 12 at -O3 warns falsely (-Wrestrict)
        // about a literal added to a temporary string.
        scientific += '.';
        scientific.append(d.digits, 1);
    }
    scientific += fmt::format("e{}{:02}", exponent < 0 ? '-' : '+', std::abs(exponent));

    // Fixed: the whole number's digits, or the digits around the point.
    std::size_t fixedLength = 0;
    if (d.point >= count) {
        fixedLength = static_cast<std::size_t>(d.point);
    } else if (d.point > 0) {
        fixedLength = static_cast<std::size_t>(count) + 1;
    } else {
        fixedLength = static_cast<std::size_t>(2 - d.point + count);
    }
    if (scientific.size() < fixedLength) {
        return sign + scientific;
    }
    if (d.point >= count) {
        // All the digits of the exact whole number, not the shortest ones
        // padded with zeros.
        return sign + fmt::format("{:.0f}", std::fabs(value));
    }
    if (d.point > 0) {
        return sign + d.digits.substr(0, static_cast<std::size_t>(d.point)) + "." +
               d.digits.substr(static_cast<std::size_t>(d.point));
    }
    return sign + "0." + std::string(static_cast<std::size_t>(-d.point), '0') + d.digits;
}
