#include "plot/plot_axis.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstddef>
#include <limits>
#include <numbers>

#include <fmt/format.h>

#include "portable_math.h"

namespace polezero {

namespace {

constexpr double kPi = std::numbers::pi;
constexpr double kLargest = 1e300;

double Clamped(double value)
{
    return std::clamp(value, -kLargest, kLargest);
}

// A round step: mantissa (1, 2 or 5) times 10^exponent, times pi for
// AxisUnit::Pi.
struct Step {
    int mantissa;
    int exponent;
    double Value(AxisUnit unit) const
    {
        const double plain = mantissa * portable::Pow(10.0, exponent);
        return unit == AxisUnit::Pi ? plain * kPi : plain;
    }
};

Step NextStep(Step step)
{
    switch (step.mantissa) {
    case 1: return {2, step.exponent};
    case 2: return {5, step.exponent};
    default: return {1, step.exponent + 1};
    }
}

// How one axis writes its numbers: all ticks alike, in exponent form when
// the largest is large or the step tiny, with the digits the step needs.
struct NumberStyle {
    bool scientific;
    int digits;  // after the point, in either form
};

// For ticks that are multiples of a step 1, 2 or 5 times 10^exponent, the
// largest of them `largest` in magnitude.
NumberStyle StyleFor(double largest, int exponent)
{
    if (largest >= 1e5 || exponent < -3) {
        const int lead =
            largest > 0.0 ? static_cast<int>(std::floor(portable::Log10(largest))) : exponent;
        return {true, std::clamp(lead - exponent, 0, 6)};
    }
    return {false, std::max(0, -exponent)};
}

// The text of `value` in the axis' style; never depends on the locale.
std::string PlainText(double value, NumberStyle style)
{
    if (value == 0.0) {
        return "0";
    }
    if (!style.scientific) {
        return fmt::format("{:.{}f}", value, style.digits);
    }
    // "2e+06" reads better as "2e6", "5e-04" as "5e-4".
    const std::string result = fmt::format("{:.{}e}", value, style.digits);
    const std::size_t e = result.find('e');
    std::string exponentText = result.substr(e + 1);
    const bool negative = exponentText.front() == '-';
    exponentText.erase(0, 1);
    exponentText.erase(0, std::min(exponentText.find_first_not_of('0'), exponentText.size() - 1));
    return result.substr(0, e) + "e" + (negative ? "-" : "") + exponentText;
}

// m pi for a whole multiple m of 10^exponent: "pi", "-pi", "20pi".
std::string PiMultipleText(double multiple, NumberStyle style)
{
    if (multiple == 0.0) {
        return "0";
    }
    if (std::abs(multiple) == 1.0) {
        return multiple < 0.0 ? "-pi" : "pi";
    }
    return PlainText(multiple, style) + "pi";
}

}  // namespace

std::string HalfPiText(long long halves)
{
    if (halves == 0) {
        return "0";
    }
    const std::string sign = halves < 0 ? "-" : "";
    // Magnitude in halves without overflowing at the most negative value.
    const unsigned long long count = halves < 0 ? 0ULL - static_cast<unsigned long long>(halves)
                                                : static_cast<unsigned long long>(halves);
    if (count % 2 == 1) {
        return sign + (count == 1 ? "" : std::to_string(count)) + "pi/2";
    }
    const unsigned long long whole = count / 2;
    return sign + (whole == 1 ? "" : std::to_string(whole)) + "pi";
}

Axis FitAxis(double low, double high, double minSpan, AxisUnit unit, double padding)
{
    padding = std::clamp(padding, 0.0, 1.0);  // also NaN: not below 0
    if (!(minSpan > 0.0) || !std::isfinite(minSpan)) {
        minSpan = 1.0;
    }
    minSpan = std::min(minSpan, kLargest);
    if (!std::isfinite(low) || !std::isfinite(high) || low > high) {
        low = -0.5 * minSpan;
        high = 0.5 * minSpan;
    }
    low = Clamped(low);
    high = Clamped(high);
    // A span too small for the numbers' own precision would need more than
    // a few million steps to reach them from 0: widen it with their size.
    const double size = std::max(std::abs(low), std::abs(high));
    const double span = std::max({high - low, minSpan, size * 1e-6});
    const double middle = 0.5 * low + 0.5 * high;
    low = std::min(low, middle - 0.5 * span) - padding * span;
    high = std::max(high, middle + 0.5 * span) + padding * span;

    // The smallest round step that covers [low, high] in at most
    // kMaxAxisIntervals. The step is then at least an eighth of the span, and
    // the span at least a millionth of the largest bound, so the tick
    // indices stay below about 10^7 and convert safely.
    const int exponent = static_cast<int>(
        std::floor(portable::Log10(span / kMaxAxisIntervals / (unit == AxisUnit::Pi ? kPi : 1.0))));
    Step step{1, exponent};
    if (unit == AxisUnit::Pi && exponent < 0) {
        step = Step{5, -1};  // pi/2, the finest step the pi labels have
    }
    double first = 0.0;
    double last = 0.0;
    for (;;) {
        const double value = step.Value(unit);
        first = std::floor(low / value);
        last = std::ceil(high / value);
        if (last - first <= kMaxAxisIntervals) {
            break;
        }
        step = NextStep(step);
    }

    const double stepValue = step.Value(unit);
    Axis axis{first * stepValue, last * stepValue, {}};
    // Ticks in units of the step's own multiplier (pi for AxisUnit::Pi).
    const double unitStep = step.mantissa * portable::Pow(10.0, step.exponent);
    const NumberStyle style =
        StyleFor(std::max(std::abs(first), std::abs(last)) * unitStep, step.exponent);
    const auto firstIndex = static_cast<long long>(first);
    const auto lastIndex = static_cast<long long>(last);
    for (long long i = firstIndex; i <= lastIndex; ++i) {
        const double value = static_cast<double>(i) * stepValue;
        std::string text;
        if (unit == AxisUnit::Plain) {
            text = PlainText(value, style);
        } else if (step.exponent < 0) {
            text = HalfPiText(i);  // the step is pi/2
        } else {
            text = PiMultipleText(static_cast<double>(i) * unitStep, style);
        }
        axis.ticks.push_back({value, std::move(text)});
    }
    return axis;
}

Axis FrequencyAxis()
{
    Axis axis{0.0, 2.0 * kPi, {}};
    for (long long halves = 0; halves <= 4; ++halves) {
        axis.ticks.push_back({static_cast<double>(halves) * 0.5 * kPi, HalfPiText(halves)});
    }
    return axis;
}

Axis SampleAxis(int count)
{
    count = std::max(count, 1);
    Axis axis{-0.5, count - 0.5, {}};
    Step step{1, 0};
    while ((count - 1) / static_cast<int>(step.Value(AxisUnit::Plain)) > kMaxAxisIntervals - 1) {
        step = NextStep(step);
    }
    const int every = static_cast<int>(step.Value(AxisUnit::Plain));
    for (int n = 0; n < count; n += every) {
        axis.ticks.push_back({static_cast<double>(n), std::to_string(n)});
    }
    return axis;
}

ValueSpan FiniteSpan(std::span<const double> values)
{
    constexpr double kNone = std::numeric_limits<double>::quiet_NaN();
    ValueSpan result{kNone, kNone};
    for (const double value : values) {
        if (!std::isfinite(value)) {
            continue;
        }
        if (!(value >= result.low)) {
            result.low = value;
        }
        if (!(value <= result.high)) {
            result.high = value;
        }
    }
    return result;
}

ValueSpan SpikeTolerantSpan(std::span<const double> values)
{
    const ValueSpan raw = FiniteSpan(values);
    if (!std::isfinite(raw.low)) {
        return raw;
    }
    constexpr std::size_t kHalfWindow = 2;
    std::vector<double> smoothed;
    smoothed.reserve(values.size());
    std::array<double, 2 * kHalfWindow + 1> window{};
    for (std::size_t i = 0; i < values.size(); ++i) {
        std::size_t used = 0;
        const std::size_t from = i >= kHalfWindow ? i - kHalfWindow : 0;
        const std::size_t to = std::min(values.size(), i + kHalfWindow + 1);
        for (std::size_t j = from; j < to; ++j) {
            if (std::isfinite(values[j])) {
                window[used++] = values[j];
            }
        }
        if (used == 0) {
            continue;
        }
        const auto middle = window.begin() + static_cast<std::ptrdiff_t>(used / 2);
        std::nth_element(window.begin(), middle,
                         window.begin() + static_cast<std::ptrdiff_t>(used));
        smoothed.push_back(*middle);
    }
    const ValueSpan calm = FiniteSpan(smoothed);
    // Clamped so that the reach itself cannot overflow.
    const double reach = Clamped(calm.high) - Clamped(calm.low);
    return {std::max(raw.low, Clamped(calm.low) - reach),
            std::min(raw.high, Clamped(calm.high) + reach)};
}

}  // namespace polezero
