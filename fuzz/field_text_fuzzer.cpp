// The field rules on any text: never NaN, never an infinity, never outside
// their ranges, and ReadNumber reads what the C library's strtod reads
// wherever the two share a grammar.
#include <cfloat>
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <numbers>
#include <string>
#include <string_view>

#include "fuzz/fuzz_check.h"
#include "workspace/field_rules.h"

namespace {

bool IsBlank(char c)
{
    return c == ' ' || c == '\t' || c == '\n' || c == '\v' || c == '\f' || c == '\r';
}

// strtod also reads hexadecimal numbers, "inf" and "nan", which the fields
// read as 0. Past the blanks and the sign, does the text start one of them?
bool StrtodReadsMore(std::string_view text)
{
    std::size_t i = 0;
    while (i < text.size() && IsBlank(text[i])) {
        ++i;
    }
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) {
        ++i;
    }
    const std::string_view rest = text.substr(i);
    if (rest.empty()) {
        return false;
    }
    const char c = rest[0];
    return c == 'i' || c == 'I' || c == 'n' || c == 'N' ||
           (rest.size() >= 2 && c == '0' && (rest[1] == 'x' || rest[1] == 'X'));
}

// The same double, the sign of a zero included.
bool Same(double first, double second)
{
    return first == second && std::signbit(first) == std::signbit(second);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    // A std::string, so that strtod finds a terminating NUL; an embedded NUL
    // ends the number for both readers.
    const std::string text(reinterpret_cast<const char*>(data), size);

    const double number = ReadNumber(text);
    FUZZ_CHECK(!std::isnan(number));
    if (!StrtodReadsMore(text)) {
        FUZZ_CHECK(Same(number, std::strtod(text.c_str(), nullptr)));
    }

    const float a = SignalParamFromText(text);
    FUZZ_CHECK(std::isfinite(a));
    const float df = TransitionWidthFromText(text);
    FUZZ_CHECK(df >= 0.035f && df <= FLT_MAX);
    constexpr float kPi = static_cast<float>(std::numbers::pi);
    const float fg = CutoffFromText(text);
    FUZZ_CHECK(fg >= 0.0f && fg <= kPi);
    const std::int32_t factor = FactorFromText(text);
    FUZZ_CHECK(factor >= 0 && factor <= 15);

    // What the dialogs then show, and "Auto wg" from the stored factor.
    FUZZ_CHECK(FormatFieldValue(a).size() >= 10);
    FUZZ_CHECK(FormatFactor(factor).size() == 10);
    const AutoWgResult autoWg = ComputeAutoWg(factor);
    FUZZ_CHECK(autoWg.cutoff > 0.0f && autoWg.cutoff <= kPi);
    return 0;
}
