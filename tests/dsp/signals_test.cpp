#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <limits>

#include "dsp/signals.h"
#include "workspace/workspace.h"

namespace {
const float kInf = std::numeric_limits<float>::infinity();
const float kNaN = std::numeric_limits<float>::quiet_NaN();

long NonZeroSamples()
{
    return std::count_if(g_inputSignal.begin(), g_inputSignal.end(),
                         [](float x) { return x != 0.0f; });
}
}  // namespace

TEST(Signals, FormulasAndTheExponentialsRoundingChain)
{
    ResetWorkspace();
    GenerateThreeCosines();  // a = 0.5: 0.5, 5 and 10 cycles per 50 samples
    const double w = 3.141592653589793 / 50;
    for (int n = 0; n < kSignalLength; ++n) {
        ASSERT_NEAR(g_inputSignal[n], std::cos(w * n) + std::cos(10 * w * n) + std::cos(20 * w * n),
                    1e-6);
    }
    g_signalParam = -1.0f;  // cos is even: one period per 50 samples
    GenerateCosine();
    EXPECT_NEAR(g_inputSignal[25], -1.0f, 1e-6);

    g_signalParam = 1.1f;
    GenerateExponential();
    float chain = 1.1f;  // x(0) = a; float multiplication rounds each step
    for (int n = 0; n < kSignalLength; ++n, chain *= 1.1f) {
        ASSERT_EQ(g_inputSignal[n], chain) << n;
    }
    EXPECT_NE(g_inputSignal[99], static_cast<float>(std::pow(static_cast<double>(1.1f), 100)));
}

TEST(Signals, RectangularPulseEdgesAndLoweredA)
{
    struct Case {
        float a;
        int first, last;
        float stored;
    };
    const Case cases[] = {
        {0.5f, 25, 75, 0.5f},     {2.0f, 0, 99, 1.0f},  {kInf, 0, 99, 1.0f},
        {0.02f, 50, 50, 0.02f},  // 50 a = 0.99999998 for the float nearest 0.02
        {-0.02f, 50, 50, -0.02f}, {-0.5f, 1, 0, -0.5f}, {-1e30f, 1, 0, -1e30f},
        {kNaN, 1, 0, 0.0f},
    };
    for (const Case& c : cases) {
        g_signalParam = c.a;
        GenerateRectangularPulse();
        EXPECT_EQ(NonZeroSamples(), c.last - c.first + 1) << c.a;
        EXPECT_EQ(
            std::count(g_inputSignal.begin() + c.first, g_inputSignal.begin() + c.last + 1, 1.0f),
            c.last - c.first + 1)
            << c.a;
        EXPECT_TRUE(g_signalParam == c.stored || std::isnan(c.a)) << c.a;
    }
}

TEST(Signals, TriangularPulseShapeAndDegenerateA)
{
    ResetWorkspace();
    GenerateTriangularPulse();  // a = 0.5: falls by 0.04 per sample to 0 at n = 25
    EXPECT_EQ(NonZeroSamples(), 49);
    EXPECT_EQ(g_inputSignal[50], 1.0f);
    EXPECT_NEAR(g_inputSignal[74], 0.04f, 1e-7);

    g_signalParam = 2.0f;  // lowered to 1: the full triangle
    GenerateTriangularPulse();
    EXPECT_EQ(g_signalParam, 1.0f);
    EXPECT_EQ(g_inputSignal[0], 0.0f);
    EXPECT_NEAR(g_inputSignal[99], 0.02f, 1e-7);

    g_signalParam = 0.0f;  // the peak reads 1 - 0/0: it completes with a 1
    GenerateTriangularPulse();
    EXPECT_EQ(NonZeroSamples(), 1);
    EXPECT_EQ(g_inputSignal[50], 1.0f);
    for (float a : {-0.5f, kNaN}) {
        g_signalParam = a;
        GenerateTriangularPulse();
        EXPECT_EQ(NonZeroSamples(), 0) << a;
    }
}
