#include "workspace/field_rules.h"

#include "workspace/number_text.h"
#include "workspace/workspace.h"

#include <cfloat>
#include <cmath>
#include <numbers>
#include <string>
#include <system_error>
#include <utility>

#include <fast_float/fast_float.h>

namespace {

// The C library's white space in the classic locale.
bool IsBlank(char c)
{
    return c == ' ' || c == '\t' || c == '\n' || c == '\v' || c == '\f' || c == '\r';
}

bool IsDigit(char c)
{
    return c >= '0' && c <= '9';
}

// Rounds to float, saturating instead of overflowing: converting a double
// beyond the range of float is undefined in C++, and the fields must never
// hold an infinity.
float ToStoredFloat(double v)
{
    if (v > static_cast<double>(FLT_MAX)) {
        return FLT_MAX;
    }
    if (v < -static_cast<double>(FLT_MAX)) {
        return -FLT_MAX;
    }
    return static_cast<float>(v);
}

}  // namespace

double ReadNumber(std::string_view text)
{
    const std::size_t size = text.size();
    std::size_t i = 0;
    while (i < size && IsBlank(text[i])) {
        ++i;
    }
    bool negative = false;
    if (i < size && (text[i] == '+' || text[i] == '-')) {
        negative = text[i] == '-';
        ++i;
    }

    // Mantissa: digits, then a point and digits; at least one digit.
    const std::size_t mantissaBegin = i;
    std::size_t intDigits = 0;
    while (i < size && IsDigit(text[i])) {
        ++intDigits;
        ++i;
    }
    std::size_t fracDigits = 0;
    if (i < size && text[i] == '.') {
        std::size_t j = i + 1;
        while (j < size && IsDigit(text[j])) {
            ++fracDigits;
            ++j;
        }
        if (intDigits + fracDigits > 0) {
            i = j;
        }
    }
    if (intDigits + fracDigits == 0) {
        return 0.0;
    }

    // Exponent, only if at least one digit follows the marker and its sign.
    if (i < size && (text[i] == 'e' || text[i] == 'E')) {
        std::size_t j = i + 1;
        if (j < size && (text[j] == '+' || text[j] == '-')) {
            ++j;
        }
        if (j < size && IsDigit(text[j])) {
            while (j < size && IsDigit(text[j])) {
                ++j;
            }
            i = j;
        }
    }

    // fast_float refuses a leading '+', so the sign is written back only
    // when it is a minus. It rounds correctly however many digits there
    // are, and takes a value beyond the range of double to an infinity of
    // its sign and one below it to a zero of its sign (reporting the range
    // or not, as its versions differ), with an exponent of any length.
    std::string number;
    number.reserve(i - mantissaBegin + 1);
    if (negative) {
        number.push_back('-');
    }
    number.append(text.substr(mantissaBegin, i - mantissaBegin));

    double value = 0.0;
    const auto result = fast_float::from_chars(number.data(), number.data() + number.size(), value,
                                               fast_float::chars_format::general);
    const bool read = result.ec == std::errc{} || result.ec == std::errc::result_out_of_range;
    if (!read || result.ptr != number.data() + number.size() || std::isnan(value)) {
        return 0.0;  // cannot happen for the text built above
    }
    return value;
}

float SignalParamFromText(std::string_view text)
{
    return ToStoredFloat(ReadNumber(text));
}

float TransitionWidthFromText(std::string_view text)
{
    constexpr double kNarrowest = 0.035;
    const double v = ReadNumber(text);
    return v > kNarrowest ? ToStoredFloat(v) : static_cast<float>(kNarrowest);
}

float CutoffFromText(std::string_view text)
{
    const double v = ReadNumber(text);
    if (v >= std::numbers::pi) {
        return static_cast<float>(std::numbers::pi);
    }
    const float f = ToStoredFloat(v);
    return f <= 0.0f ? 0.0f : f;
}

std::int32_t FactorFromText(std::string_view text)
{
    // Decided in double, so that values beyond int (and infinities) are never
    // converted: trunc(v) <= 0 exactly when v < 1.
    const double v = ReadNumber(text);
    if (!(v >= 1.0)) {
        return 0;
    }
    if (v >= kLargestFactor) {
        return kLargestFactor;
    }
    return static_cast<std::int32_t>(v);
}

std::string FormatFieldValue(float value)
{
    return FormatFixed(value, 2, 10);
}

std::string FormatFactor(std::int32_t factor)
{
    return RightAligned(FormatCountLabel(factor), 10);
}

std::string FormatAutoWg(float value)
{
    return FormatFixed(value, 6, 0);
}

AutoWgResult ComputeAutoWg(std::int32_t factor)
{
    // wg = pi / factor, in double, rounded to float when stored.
    const float wg = factor == 0 ? static_cast<float>(std::numbers::pi)
                                 : static_cast<float>(std::numbers::pi / factor);
    std::string text = FormatAutoWg(wg);
    const float stored = CutoffFromText(text);
    return AutoWgResult{std::move(text), stored};
}
