#include <gtest/gtest.h>

#include <algorithm>
#include <climits>
#include <cmath>
#include <limits>
#include <numbers>
#include <vector>

#include "dsp/lowpass.h"
#include "workspace/workspace.h"

namespace {
constexpr float kHalfPi = 1.5707964f;

bool AllEqual(std::span<const float> values, float value)
{
    return std::all_of(values.begin(), values.end(), [value](float y) { return y == value; });
}

// Designs with fg = 1, where no tap lands on a zero of sin(k fg), and counts
// the taps up to the last non-zero one.
int TapsFor(float df)
{
    LowPassFilter({}, {}, 0, df, 1.0f);
    int count = kFilterTapCapacity;
    while (count > 0 && g_filterTaps[count - 1] == 0.0f) {
        --count;
    }
    return count;
}
}  // namespace

TEST(LowPass, DefaultDesignHasTheWorkedCoefficients)
{
    LowPassFilter({}, {}, 0, 0.1f, kHalfPi);
    EXPECT_EQ(g_filterLength, 33);
    EXPECT_EQ(g_filterTaps[16], 0.5f);
    EXPECT_NEAR(g_filterTaps[15], 0.315496, 5e-7);
    EXPECT_NEAR(g_filterTaps[17], 0.315496, 5e-7);
    EXPECT_NEAR(g_filterTaps[13], -0.097878, 5e-7);
    EXPECT_NEAR(g_filterTaps[21], 0.050647, 5e-7);
    EXPECT_LT(std::abs(g_filterTaps[14]), 3e-8);  // even distance from the centre
    EXPECT_TRUE(AllEqual(std::span(g_filterTaps).subspan(33), 0.0f));

    // The window is 0.08 at both ends: with fg = 1 the end taps are 0.08
    // times the ideal response sin(16) / (16 pi).
    TapsFor(0.1f);
    EXPECT_NEAR(g_filterTaps[0], 0.08 * std::sin(16.0) / (16 * std::numbers::pi), 1e-9);
    EXPECT_NEAR(g_filterTaps[32], 0.08 * std::sin(16.0) / (16 * std::numbers::pi), 1e-9);
}

TEST(LowPass, OrderFollowsTheTransitionWidth)
{
    const float inf = std::numeric_limits<float>::infinity();
    struct Case {
        float df;
        int taps, length;
    };
    const Case cases[] = {
        {0.3f, 11, 11},   // 3.3 / 0.3 is 10.9999996 in float-then-double: n = 10
        {0.15f, 22, 21},  // odd order 21: one tap more than N
        {0.035f, 95, 95},
        {3.3f, 2, 1},
        {4.0f, 1, 1},
        {inf, 1, 1},
        // Too narrow for the 100 taps, or no width at all: the longest filter.
        {0.0331f, 100, 99},
        {0.0f, 100, 99},
        {-1.0f, 100, 99},
        {std::nanf(""), 100, 99},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(TapsFor(c.df), c.taps) << c.df;
        EXPECT_EQ(g_filterLength, c.length) << c.df;
    }
}

TEST(LowPass, ImpulseReproducesTheTapsAndPiPassesTheInputDelayed)
{
    std::vector<float> x(100), out(200);
    x[0] = 1.0f;
    for (float df : {0.1f, 0.15f}) {
        LowPassFilter(x, out, 100, df, kHalfPi);
        EXPECT_TRUE(std::equal(g_filterTaps.begin(), g_filterTaps.end(), out.begin()));
        EXPECT_TRUE(AllEqual(std::span(out).subspan(100), 0.0f));
    }
    std::fill(x.begin(), x.end(), 1.0f);  // odd order: 121 samples, the last c(21) x(99)
    LowPassFilter(x, out, 100, 0.15f, kHalfPi);
    EXPECT_EQ(out[120], g_filterTaps[21]);
    EXPECT_EQ(out[121], 0.0f);

    for (int n = 0; n < 100; ++n) {
        x[n] = static_cast<float>(std::sin(0.7 * n * n));
    }
    LowPassFilter(x, out, 100, 0.1f, 3.1415927f);
    for (int n = 0; n < 100; ++n) {
        ASSERT_NEAR(out[n + 16], x[n], 2e-6) << n;
    }
}

TEST(LowPass, ClearsAndWritesOnlyItsShareOfTheOutput)
{
    const std::vector<float> x(100, 1.0f);
    std::vector<float> out(300, 7.0f);
    LowPassFilter(x, std::span(out).first(250), 100, 0.1f, kHalfPi);
    EXPECT_NE(out[131], 0.0f);  // 133 samples, the last always 0 for even n
    EXPECT_TRUE(AllEqual(std::span(out).subspan(132, 68), 0.0f));
    EXPECT_TRUE(AllEqual(std::span(out).subspan(200), 7.0f));

    // An output too small and an input shorter than length: from y(104) on the
    // 95 taps reach only inputs past the 10 given, which read as zero.
    std::fill(out.begin(), out.end(), 7.0f);
    LowPassFilter(std::span(x).first(10), std::span(out).subspan(1, 150), INT_MAX, 0.035f, kHalfPi);
    EXPECT_EQ(out[0], 7.0f);
    EXPECT_EQ(out[151], 7.0f);
    EXPECT_TRUE(AllEqual(std::span(out).subspan(105, 46), 0.0f));
}
