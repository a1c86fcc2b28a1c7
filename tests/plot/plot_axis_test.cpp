// The analysis plots' axes: ranges of round steps that cover the data, the
// texts of their ticks, and the spike-tolerant span of the group delay.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <limits>
#include <numbers>
#include <string>
#include <vector>

#include "plot/plot_axis.h"

using namespace polezero;

namespace {

constexpr double kPi = std::numbers::pi;
constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();
constexpr double kInf = std::numeric_limits<double>::infinity();

std::vector<std::string> Texts(const Axis& axis)
{
    std::vector<std::string> texts;
    for (const AxisTick& tick : axis.ticks) {
        texts.push_back(tick.text);
    }
    return texts;
}

// Whether step / unit is 1, 2 or 5 times a power of ten.
bool IsRoundStep(double step, double unit)
{
    const double scaled = step / unit;
    const double power = std::pow(10.0, std::floor(std::log10(scaled) + 1e-9));
    const double mantissa = scaled / power;
    for (const double round : {1.0, 2.0, 5.0, 10.0}) {
        if (std::abs(mantissa - round) < 1e-9 * round) {
            return true;
        }
    }
    return false;
}

}  // namespace

TEST(PlotAxis, RangesAreFewRoundStepsThatCoverTheData)
{
    struct Case {
        double low;
        double high;
        double minSpan;
        AxisUnit unit;
    };
    const std::vector<Case> cases = {
        {-63.2, 0.0, 20.0, AxisUnit::Plain},
        {0.0, 0.0, 2.0, AxisUnit::Plain},
        {0.1, 9.3, 2.0, AxisUnit::Plain},
        {-1e-7, 3e-7, 1e-9, AxisUnit::Plain},
        {1e299, 1e300, 1.0, AxisUnit::Plain},
        {-3e9, 2.9e9, 1.0, AxisUnit::Plain},
        {1000.0, 1000.0001, 1.0, AxisUnit::Plain},
        {-3.2, 3.2, kPi, AxisUnit::Pi},
        {-310.0, 2.0, kPi, AxisUnit::Pi},
        {0.0, 0.0, kPi, AxisUnit::Pi},
        {5e8, 5e8, kPi, AxisUnit::Pi},
    };
    for (const Case& c : cases) {
        const Axis axis = FitAxis(c.low, c.high, c.minSpan, c.unit);
        const std::string name = std::to_string(c.low) + ".." + std::to_string(c.high);
        ASSERT_GE(axis.ticks.size(), 2u) << name;
        EXPECT_LE(axis.ticks.size(), static_cast<std::size_t>(kMaxAxisIntervals + 1)) << name;
        EXPECT_LE(axis.low, c.low) << name;
        EXPECT_GE(axis.high, c.high) << name;
        EXPECT_GE(axis.high - axis.low, c.minSpan) << name;
        EXPECT_EQ(axis.low, axis.ticks.front().value) << name;
        EXPECT_EQ(axis.high, axis.ticks.back().value) << name;
        const double step = axis.ticks[1].value - axis.ticks[0].value;
        EXPECT_TRUE(IsRoundStep(step, c.unit == AxisUnit::Pi ? kPi : 1.0)) << name << " " << step;
        if (c.unit == AxisUnit::Pi) {
            EXPECT_GE(step, kPi / 2 - 1e-12) << name;
        }
        // The smallest that fits: one round step finer (1 -> 0.5, 2 -> 1,
        // 5 -> 2) needs more than kMaxAxisIntervals to cover the data with
        // its padding, unless the step is pi/2, the finest pi step.
        const double unit = c.unit == AxisUnit::Pi ? kPi : 1.0;
        if (c.unit == AxisUnit::Plain || step > kPi / 2 + 1e-12) {
            const double power = std::pow(10.0, std::floor(std::log10(step / unit) + 1e-9));
            const double mantissa = std::round(step / unit / power);
            const double finer = unit * power *
                                 (mantissa == 1.0   ? 0.5
                                  : mantissa == 2.0 ? 1.0
                                                    : 2.0);
            const double size = std::max(std::abs(c.low), std::abs(c.high));
            const double span = std::max({c.high - c.low, c.minSpan, size * 1e-6});
            const double middle = 0.5 * c.low + 0.5 * c.high;
            const double low = std::min(c.low, middle - 0.5 * span) - 0.05 * span;
            const double high = std::max(c.high, middle + 0.5 * span) + 0.05 * span;
            EXPECT_GT(std::ceil(high / finer) - std::floor(low / finer), kMaxAxisIntervals)
                << name << ": a step of " << finer << " fits too";
        }
    }
    // Nothing to fit, or nonsense: the range about 0 of the least span.
    for (const auto& [low, high] : {std::pair{kNaN, 1.0}, {0.0, kInf}, {-kInf, kInf}, {3.0, 1.0}}) {
        const Axis axis = FitAxis(low, high, 2.0, AxisUnit::Plain);
        EXPECT_LE(axis.low, -1.0);
        EXPECT_GE(axis.high, 1.0);
        EXPECT_LT(axis.high - axis.low, 4.0);
    }
    // Beyond the range of double's steps: clamped, still finite.
    const Axis huge = FitAxis(-std::numeric_limits<double>::max(),
                              std::numeric_limits<double>::max(), 1.0, AxisUnit::Plain);
    EXPECT_TRUE(std::isfinite(huge.low) && std::isfinite(huge.high));
    EXPECT_LE(huge.ticks.size(), static_cast<std::size_t>(kMaxAxisIntervals + 1));
}

TEST(PlotAxis, TicksReadAsPiMultiplesOrPlainNumbers)
{
    EXPECT_EQ((std::vector<std::string>{"0", "pi/2", "pi", "3pi/2", "2pi"}),
              Texts(FrequencyAxis()));
    EXPECT_EQ(2 * kPi, FrequencyAxis().high);
    EXPECT_EQ("-pi/2", HalfPiText(-1));
    EXPECT_EQ("-pi", HalfPiText(-2));
    EXPECT_EQ("-5pi/2", HalfPiText(-5));

    EXPECT_EQ((std::vector<std::string>{"-3pi/2", "-pi", "-pi/2", "0", "pi/2", "pi", "3pi/2"}),
              Texts(FitAxis(-3.2, 3.2, kPi, AxisUnit::Pi)));
    // A long unwrapped phase: steps of 5 pi.
    const std::vector<std::string> longPhase = Texts(FitAxis(-100.0, 0.0, kPi, AxisUnit::Pi));
    EXPECT_EQ("-35pi", longPhase.front());
    EXPECT_EQ("5pi", longPhase.back());

    // Decimals as the step has them, alike on one axis; exponent form for
    // large numbers and tiny steps, without "+" or leading zeros.
    EXPECT_EQ((std::vector<std::string>{"-0.2", "0", "0.2", "0.4", "0.6", "0.8", "1.0", "1.2"}),
              Texts(FitAxis(-0.1, 1.1, 1.0, AxisUnit::Plain)));
    EXPECT_EQ((std::vector<std::string>{"-5.0e8", "0", "5.0e8", "1.0e9", "1.5e9", "2.0e9", "2.5e9",
                                        "3.0e9", "3.5e9"}),
              Texts(FitAxis(0.0, 2.9e9, 1.0, AxisUnit::Plain)));
    EXPECT_EQ((std::vector<std::string>{"-2e-5", "0", "2e-5", "4e-5", "6e-5", "8e-5"}),
              Texts(FitAxis(0.0, 7e-5, 1e-9, AxisUnit::Plain)));

    EXPECT_EQ((std::vector<std::string>{"0", "5", "10", "15", "20", "25", "30"}),
              Texts(SampleAxis(32)));
    EXPECT_EQ(-0.5, SampleAxis(32).low);
    EXPECT_EQ(31.5, SampleAxis(32).high);
    EXPECT_EQ((std::vector<std::string>{"0"}), Texts(SampleAxis(0)));
    EXPECT_EQ("60", Texts(SampleAxis(64)).back());
}
// The exact points where a rule changes: the exponent form from a largest
// tick of 1e5 and from steps below a thousandth, and exactly
// kMaxAxisIntervals intervals still one step.
TEST(PlotAxis, LabelsAndStepsChangeExactlyAtTheirBoundaries)
{
    EXPECT_EQ((std::vector<std::string>{"0", "10000", "20000", "30000", "40000", "50000", "60000",
                                        "70000", "80000"}),
              Texts(FitAxis(0.0, 8e4, 1.0, AxisUnit::Plain, 0.0)));
    EXPECT_EQ((std::vector<std::string>{"0", "2.0e4", "4.0e4", "6.0e4", "8.0e4", "1.0e5"}),
              Texts(FitAxis(0.0, 1e5, 1.0, AxisUnit::Plain, 0.0)));
    EXPECT_EQ((std::vector<std::string>{"0", "0.001", "0.002", "0.003", "0.004", "0.005", "0.006",
                                        "0.007", "0.008"}),
              Texts(FitAxis(0.0, 0.008, 1e-9, AxisUnit::Plain, 0.0)));
    EXPECT_EQ((std::vector<std::string>{"0", "1", "2", "3", "4", "5", "6", "7", "8"}),
              Texts(FitAxis(0.0, 8.0, 1.0, AxisUnit::Plain, 0.0)));
    // A sample axis has at most kMaxAxisIntervals ticks, whatever the count.
    for (int count = 1; count <= 2000; ++count) {
        ASSERT_LE(SampleAxis(count).ticks.size(), static_cast<std::size_t>(kMaxAxisIntervals))
            << count;
    }
    EXPECT_EQ((std::vector<std::string>{"0", "20", "40", "60", "80"}), Texts(SampleAxis(81)));
}

TEST(PlotAxis, SpikesNarrowerThanTheSamplingDoNotSetTheRange)
{
    // A flat delay of 1 with one sample of 7200 (a root a fraction of a
    // pixel off the circle) and one of -5000: both trimmed to the curve.
    std::vector<double> delay(216, 1.0);
    delay[40] = 7200.0;
    delay[41] = kNaN;
    delay[150] = -5000.0;
    ValueSpan span = SpikeTolerantSpan(delay);
    EXPECT_EQ(1.0, span.low);
    EXPECT_EQ(1.0, span.high);
    // Two neighbouring samples are still a spike.
    std::vector<double> pair = delay;
    pair[60] = pair[61] = 900.0;
    EXPECT_EQ(1.0, SpikeTolerantSpan(pair).high);

    // A resonator's peak, several samples wide, stays in the range whole.
    const double peak[] = {2.0, 6.0, 15.0, 19.0, 15.0, 6.0, 2.0};
    for (int i = 0; i < 7; ++i) {
        delay[100 + i] = peak[i];
    }
    delay[40] = 1.0;
    span = SpikeTolerantSpan(delay);
    EXPECT_EQ(19.0, span.high);
    // With the spike back, the range reaches past the peak but not to the spike.
    delay[40] = 7200.0;
    span = SpikeTolerantSpan(delay);
    EXPECT_GE(span.high, 19.0);
    EXPECT_LE(span.high, 2 * 19.0);

    // Nothing finite: no span, and FitAxis makes its least range of that.
    span = SpikeTolerantSpan(std::vector<double>{kNaN, kInf, -kInf});
    EXPECT_TRUE(std::isnan(span.low) && std::isnan(span.high));
    EXPECT_TRUE(std::isnan(FiniteSpan(std::vector<double>{}).low));
    EXPECT_EQ(-2.0, FiniteSpan(std::vector<double>{kNaN, 3.0, -2.0, kInf}).low);
}
