#include "workspace/field_rules.h"

#include "workspace/number_text.h"
#include "workspace/workspace.h"

#include <algorithm>
#include <array>
#include <cfloat>
#include <charconv>
#include <cmath>
#include <limits>
#include <numbers>
#include <string>
#include <system_error>
#include <utility>

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

    // Mantissa. The position of its first non-zero digit and the exponent
    // give the order of magnitude, which tells an overflow from an underflow
    // when the conversion below is out of range.
    const std::size_t mantissaBegin = i;
    long long leadingDigitPower =
        0;  // power of ten of the first non-zero digit, before the exponent
    bool nonZero = false;
    std::size_t intDigits = 0;
    while (i < size && IsDigit(text[i])) {
        if (!nonZero && text[i] != '0') {
            nonZero = true;
            leadingDigitPower = -1;  // corrected by the digits that follow
        }
        if (nonZero) {
            ++leadingDigitPower;
        }
        ++intDigits;
        ++i;
    }
    std::size_t fracDigits = 0;
    if (i < size && text[i] == '.') {
        std::size_t j = i + 1;
        while (j < size && IsDigit(text[j])) {
            if (!nonZero && text[j] != '0') {
                nonZero = true;
                leadingDigitPower = -static_cast<long long>(fracDigits + 1);
            }
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
    long long exponent = 0;
    if (i < size && (text[i] == 'e' || text[i] == 'E')) {
        std::size_t j = i + 1;
        bool negativeExponent = false;
        if (j < size && (text[j] == '+' || text[j] == '-')) {
            negativeExponent = text[j] == '-';
            ++j;
        }
        if (j < size && IsDigit(text[j])) {
            // Saturates far beyond any double's range, so it cannot overflow.
            constexpr long long kExponentLimit = 1'000'000'000'000LL;
            while (j < size && IsDigit(text[j])) {
                exponent = std::min(exponent * 10 + (text[j] - '0'), kExponentLimit);
                ++j;
            }
            if (negativeExponent) {
                exponent = -exponent;
            }
            i = j;
        }
    }

    // std::from_chars refuses a leading '+', so the sign is written back
    // only when it is a minus.
    std::string number;
    number.reserve(i - mantissaBegin + 1);
    if (negative) {
        number.push_back('-');
    }
    number.append(text.substr(mantissaBegin, i - mantissaBegin));

    double value = 0.0;
    const auto result = std::from_chars(number.data(), number.data() + number.size(), value,
                                        std::chars_format::general);
    if (result.ec == std::errc::result_out_of_range) {
        // The exact value rounds to zero or to infinity; which one follows
        // from the order of magnitude.
        const bool overflow = nonZero && leadingDigitPower + exponent > 0;
        const double magnitude = overflow ? std::numeric_limits<double>::infinity() : 0.0;
        return negative ? -magnitude : magnitude;
    }
    if (result.ec != std::errc{} || std::isnan(value)) {
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
