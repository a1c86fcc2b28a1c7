#include <gtest/gtest.h>

#include <algorithm>
#include <climits>
#include <cmath>
#include <limits>
#include <vector>

#include "app/workspace.h"
#include "dsp/lowpass.h"
#include "dsp/signals.h"

namespace {

constexpr double kPi = 3.141592653589793;
constexpr float kSentinel = 7.0f;
constexpr float kHalfPi = 1.5707964f;

// Number of taps up to the last non-zero one.
int TapCount()
{
    int count = kFilterTapCapacity;
    while (count > 0 && g_filterTaps[count - 1] == 0.0f) {
        --count;
    }
    return count;
}

// Designs with the given df and fg = 1 (no tap lands on a zero of sin(k fg)).
int TapsFor(float df)
{
    std::vector<float> out(2);
    LowPassFilter({}, out, 0, df, 1.0f);
    return TapCount();
}

}  // namespace

TEST(LowPass, DefaultDesignHasTheWorkedCoefficients)
{
    ResetWorkspace();
    std::vector<float> out(200);
    LowPassFilter(g_inputSignal, out, 100, 0.1f, kHalfPi);
    EXPECT_EQ(g_filterLength, 33);
    EXPECT_EQ(g_filterTaps[16], 0.5f);
    for (int k = 1; k <= 16; ++k) {
        const double expected = k == 1 ? 0.315496 : k == 3 ? -0.097878 : k == 5 ? 0.050647 : 0.0;
        if (k % 2 == 0) {
            EXPECT_LT(std::abs(g_filterTaps[16 - k]), 3e-8) << k;
        } else if (expected != 0.0) {
            EXPECT_NEAR(g_filterTaps[16 - k], expected, 5e-7) << k;
        }
        EXPECT_NEAR(g_filterTaps[16 + k], g_filterTaps[16 - k], 1e-7) << k;
    }
    EXPECT_TRUE(std::all_of(g_filterTaps.begin() + 33, g_filterTaps.end(), [](float c) { return c == 0.0f; }));

    // The window is 0.08 at both ends: with fg = 1 the end taps are 0.08 times
    // the ideal response sin(16) / (16 pi).
    LowPassFilter({}, out, 0, 0.1f, 1.0f);
    EXPECT_NEAR(g_filterTaps[0], 0.08 * std::sin(16.0) / (16 * kPi), 1e-9);
    EXPECT_NEAR(g_filterTaps[32], 0.08 * std::sin(16.0) / (16 * kPi), 1e-9);
}

TEST(LowPass, OrderFollowsTheTransitionWidth)
{
    ResetWorkspace();
    EXPECT_EQ(TapsFor(0.3f), 11);  // 3.3 / 0.3 is 10.9999996 in float-then-double
    EXPECT_EQ(g_filterLength, 11);
    EXPECT_EQ(TapsFor(0.15f), 22);  // odd order 21: one tap more than N
    EXPECT_EQ(g_filterLength, 21);
    EXPECT_EQ(TapsFor(0.035f), 95);
    EXPECT_EQ(g_filterLength, 95);
    EXPECT_EQ(TapsFor(3.3f), 2);  // n = 1: fg / pi and 0.08 sin(fg) / pi
    EXPECT_EQ(g_filterLength, 1);
    EXPECT_NEAR(g_filterTaps[1], 0.08 * std::sin(1.0) / kPi, 1e-9);
    const float inf = std::numeric_limits<float>::infinity();
    for (float wide : {4.0f, inf}) {
        EXPECT_EQ(TapsFor(wide), 1);
        EXPECT_EQ(g_filterLength, 1);
        EXPECT_EQ(g_filterTaps[0], static_cast<float>(1.0 / kPi));
    }
    // Too narrow for the 100 taps, or no width at all: the longest filter.
    for (float narrow : {0.0331f, 0.01f, 1e-30f, 0.0f, -0.0f, -1.0f, -inf, std::nanf("")}) {
        EXPECT_EQ(TapsFor(narrow), 100) << narrow;
        EXPECT_EQ(g_filterLength, 99) << narrow;
    }
}

TEST(LowPass, ImpulseReproducesTheTapsAndPiPassesTheInput)
{
    ResetWorkspace();
    std::vector<float> impulse(100), out(200);
    impulse[0] = 1.0f;
    for (float df : {0.1f, 0.15f}) {
        LowPassFilter(impulse, out, 100, df, kHalfPi);
        const int n = TapCount() - 1;
        EXPECT_TRUE(std::equal(g_filterTaps.begin(), g_filterTaps.begin() + n + 1, out.begin()));
        EXPECT_TRUE(std::all_of(out.begin() + n + 1, out.end(), [](float y) { return y == 0.0f; }));
    }
    // df = 0.15: 100 + 21 output samples, the last one c(21) x(99).
    std::vector<float> ones(100, 1.0f);
    LowPassFilter(ones, out, 100, 0.15f, kHalfPi);
    EXPECT_EQ(out[120], g_filterTaps[21]);
    EXPECT_NE(out[120], 0.0f);
    EXPECT_EQ(out[121], 0.0f);

    GenerateThreeCosines();
    LowPassFilter(g_inputSignal, out, 100, 0.1f, 3.1415927f);
    EXPECT_EQ(g_filterTaps[16], 1.0f);
    for (int i = 0; i < 100; ++i) {
        EXPECT_NEAR(out[i + 16], g_inputSignal[i], 1e-5) << i;
    }
    EXPECT_EQ(out[132], 0.0f);  // n even: the last of the 133 is always 0

    LowPassFilter(g_inputSignal, out, 100, 0.1f, 0.0f);
    EXPECT_TRUE(std::all_of(out.begin(), out.end(), [](float y) { return y == 0.0f; }));
}

TEST(LowPass, ClearsAndWritesOnlyItsShareOfTheOutput)
{
    ResetWorkspace();
    GenerateThreeCosines();
    std::vector<float> out(300, kSentinel);
    LowPassFilter(g_inputSignal, std::span<float>(out).first(250), 100, 0.1f, kHalfPi);
    EXPECT_NE(out[131], 0.0f);  // 133 samples ...
    EXPECT_TRUE(std::all_of(out.begin() + 132, out.begin() + 200, [](float y) { return y == 0.0f; }));
    EXPECT_TRUE(std::all_of(out.begin() + 200, out.end(), [](float y) { return y == kSentinel; }));

    // length 0: nothing read, N zeros written, nothing cleared beyond them.
    std::fill(out.begin(), out.end(), kSentinel);
    LowPassFilter({}, out, 0, 0.1f, kHalfPi);
    EXPECT_TRUE(std::all_of(out.begin(), out.begin() + 33, [](float y) { return y == 0.0f; }));
    EXPECT_EQ(out[33], kSentinel);

    // An output too small for the result and an input shorter than length.
    std::fill(out.begin(), out.end(), kSentinel);
    const std::vector<float> ones(10, 1.0f);
    LowPassFilter(ones, std::span<float>(out).subspan(1, 150), INT_MAX, 0.035f, kHalfPi);
    EXPECT_EQ(out[0], kSentinel);
    EXPECT_EQ(out[151], kSentinel);
    // From y(104) on the 95 taps reach only inputs past the 10 given ones,
    // which read as zero.
    EXPECT_NE(out[1 + 103], 0.0f);
    EXPECT_TRUE(std::all_of(out.begin() + 1 + 104, out.begin() + 151, [](float y) { return y == 0.0f; }));

    LowPassFilter(ones, out, 10, 0.1f, std::nanf(""));  // defined, if useless
    EXPECT_TRUE(std::isnan(out[0]));
}
