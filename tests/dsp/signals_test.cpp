#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "app/workspace.h"
#include "dsp/signals.h"

namespace {

// Indices n with x(n) != 0, as "first..last" when they are contiguous.
std::pair<int, int> NonZeroRange()
{
    int first = -1, last = -1, count = 0;
    for (int n = 0; n < kSignalLength; ++n) {
        if (g_inputSignal[n] != 0.0f) {
            first = first < 0 ? n : first;
            last = n;
            ++count;
        }
    }
    EXPECT_EQ(count, first < 0 ? 0 : last - first + 1) << "pulse has a hole";
    return {first, last};
}

}  // namespace

TEST(Signals, CosinesHaveTheirPeriodsAndAreEvenInA)
{
    ResetWorkspace();
    g_signalParam = 0.5f;
    GenerateThreeCosines();
    EXPECT_EQ(g_inputSignal[0], 3.0f);
    const double w = 3.141592653589793 / 50;  // 2 pi a / 50 with a = 0.5
    for (int n = 0; n < kSignalLength; ++n) {
        EXPECT_NEAR(g_inputSignal[n], std::cos(w * n) + std::cos(10 * w * n) + std::cos(20 * w * n), 1e-6);
    }
    g_signalParam = 1.0f;  // one period per 50 samples
    GenerateCosine();
    EXPECT_NEAR(g_inputSignal[25], -1.0f, 1e-6);
    EXPECT_NEAR(g_inputSignal[50], 1.0f, 1e-6);
    const auto positive = g_inputSignal;
    g_signalParam = -1.0f;
    GenerateCosine();
    EXPECT_EQ(g_inputSignal, positive);
}

TEST(Signals, ExponentialRoundsEveryStepToFloat)
{
    ResetWorkspace();
    GenerateExponential();  // a = 0.5: x(n) = 0.5^(n+1), exact in float
    EXPECT_EQ(g_inputSignal[0], 0.5f);
    EXPECT_EQ(g_inputSignal[1], 0.25f);
    EXPECT_EQ(g_inputSignal[9], std::ldexp(1.0f, -10));
    EXPECT_EQ(g_inputSignal[99], std::ldexp(1.0f, -100));

    g_signalParam = 1.1f;
    GenerateExponential();
    float chain = 1.1f;  // float multiplication rounds each product
    for (int n = 1; n < kSignalLength; ++n) {
        chain *= 1.1f;
        ASSERT_EQ(g_inputSignal[n], chain) << n;
    }
    EXPECT_NE(g_inputSignal[99], static_cast<float>(std::pow(static_cast<double>(1.1f), 100)));

    g_signalParam = -3.0f;  // 3^81 is past the float range: infinities, no fault
    GenerateExponential();
    EXPECT_EQ(g_inputSignal[98], -std::numeric_limits<float>::infinity());
    EXPECT_EQ(g_inputSignal[99], std::numeric_limits<float>::infinity());
}

TEST(Signals, RectangularPulseEdges)
{
    struct Case { float a; int first, last; float storedA; };
    const float inf = std::numeric_limits<float>::infinity();
    const Case cases[] = {
        {0.5f, 25, 75, 0.5f}, {1.0f, 0, 99, 1.0f}, {2.0f, 0, 99, 1.0f}, {inf, 0, 99, 1.0f},
        // 50 a = 0.99999998 for the float nearest 0.02: h = 0, not 1
        {0.02f, 50, 50, 0.02f}, {0.0f, 50, 50, 0.0f}, {-0.02f, 50, 50, -0.02f},
        {-0.5f, -1, -1, -0.5f}, {-1e30f, -1, -1, -1e30f}, {-inf, -1, -1, -inf},
    };
    for (const Case& c : cases) {
        ResetWorkspace();
        g_signalParam = c.a;
        GenerateRectangularPulse();
        EXPECT_EQ(NonZeroRange(), std::make_pair(c.first, c.last)) << "a = " << c.a;
        EXPECT_EQ(g_signalParam, c.storedA);
        for (int n = c.first; n >= 0 && n <= c.last; ++n) {
            EXPECT_EQ(g_inputSignal[n], 1.0f);
        }
    }
    g_signalParam = std::numeric_limits<float>::quiet_NaN();
    GenerateRectangularPulse();
    EXPECT_EQ(NonZeroRange().first, -1);
}

TEST(Signals, TriangularPulseShapeAndDegenerateA)
{
    ResetWorkspace();
    GenerateTriangularPulse();  // a = 0.5: falls by 0.04 per sample
    EXPECT_EQ(NonZeroRange(), std::make_pair(26, 74));
    EXPECT_EQ(g_inputSignal[50], 1.0f);
    EXPECT_NEAR(g_inputSignal[49], 0.96f, 1e-7);
    EXPECT_NEAR(g_inputSignal[26], 0.04f, 1e-7);
    EXPECT_NEAR(g_inputSignal[74], 0.04f, 1e-7);

    g_signalParam = 2.0f;  // lowered to 1: the full triangle
    GenerateTriangularPulse();
    EXPECT_EQ(g_signalParam, 1.0f);
    EXPECT_EQ(g_inputSignal[0], 0.0f);
    EXPECT_NEAR(g_inputSignal[99], 0.02f, 1e-7);

    g_signalParam = 0.0f;  // 1 - 0/0 at the peak: completes with a single 1
    GenerateTriangularPulse();
    EXPECT_EQ(NonZeroRange(), std::make_pair(50, 50));
    EXPECT_EQ(g_inputSignal[50], 1.0f);

    for (float a : {-0.5f, std::numeric_limits<float>::quiet_NaN()}) {
        g_signalParam = a;
        GenerateTriangularPulse();
        EXPECT_EQ(NonZeroRange().first, -1);
    }
}
