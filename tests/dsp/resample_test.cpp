#include <gtest/gtest.h>

#include <algorithm>
#include <climits>
#include <vector>

#include "app/workspace.h"
#include "dsp/resample.h"
#include "dsp/signals.h"

namespace {

constexpr float kSentinel = -7.0f;

std::vector<float> Ramp(int count)
{
    std::vector<float> x(static_cast<std::size_t>(count));
    for (int n = 0; n < count; ++n) {
        x[n] = static_cast<float>(n + 1);
    }
    return x;
}

}  // namespace

TEST(Downsample, KeepsEveryMthSampleFromTheFirst)
{
    ResetWorkspace();
    const std::vector<float> x = Ramp(100);
    struct Case { int factor, count, last; };
    for (const Case c : {Case{1, 100, 99}, Case{2, 50, 98}, Case{3, 33, 96}, Case{15, 6, 75}}) {
        g_downsampled.fill(kSentinel);
        Downsample(x, c.factor, 100);
        for (int i = 0; i < c.count; ++i) {
            ASSERT_EQ(g_downsampled[i], x[i * c.factor]) << c.factor;
        }
        EXPECT_EQ(g_downsampled[c.count - 1], x[c.last]);
        EXPECT_EQ(g_downsampled[c.count], kSentinel);
    }
}

TEST(Downsample, InvalidFactorsAndLongResultsStayInBounds)
{
    ResetWorkspace();
    const std::vector<float> x = Ramp(100);
    std::vector<float> out(20, kSentinel);
    for (int factor : {0, -1, -2, INT_MIN}) {
        EXPECT_EQ(Downsample(x, factor, -100, out), 0);
        EXPECT_EQ(Downsample(x, factor, 100, out), 0);
    }
    EXPECT_EQ(Downsample(x, 2, -100, out), 0);
    EXPECT_TRUE(std::all_of(out.begin(), out.end(), [](float y) { return y == kSentinel; }));

    // Stops at the end of the output; reads past the input as zero.
    EXPECT_EQ(Downsample(x, 1, 1000, std::span<float>(out).first(10)), 10);
    EXPECT_EQ(out[10], kSentinel);
    EXPECT_EQ(Downsample(x, 60, 200, out), 3);
    EXPECT_EQ(out[2], 0.0f);

    // The L = 15, M = 1 converter with the longest filter: 1595 samples need
    // storage of their own; g_downsampled takes only its 200.
    GenerateThreeCosines();
    const auto inputBefore = g_inputSignal;
    std::fill(g_interpolated.begin(), g_interpolated.end(), 1.0f);
    EXPECT_EQ(Downsample(g_interpolated, 1, 1500 + 95, g_convertedSignal), 1595);
    EXPECT_EQ(g_convertedSignal[1594], 1.0f);
    Downsample(g_interpolated, 1, 1595);
    EXPECT_EQ(g_inputSignal, inputBefore);
}

TEST(Upsample, InsertsZerosAndDownsamplingUndoesIt)
{
    ResetWorkspace();
    const std::vector<float> x = Ramp(100);
    for (int factor = 1; factor <= 15; ++factor) {
        g_upsampled.fill(kSentinel);
        Upsample(x, factor);
        for (int m = 0; m < 1500; ++m) {
            const float expected = m % factor == 0 && m < 100 * factor ? x[m / factor] : 0.0f;
            ASSERT_EQ(g_upsampled[m], expected) << factor << " " << m;
        }
        std::vector<float> back(100, kSentinel);
        EXPECT_EQ(Downsample(g_upsampled, factor, 100 * factor, back), 100);
        EXPECT_EQ(back, x);
    }
}

TEST(Upsample, OutOfRangeFactorsDropWhatDoesNotFit)
{
    ResetWorkspace();
    const std::vector<float> x = Ramp(100);
    auto nonZero = [] { return std::count_if(g_upsampled.begin(), g_upsampled.end(), [](float w) { return w != 0; }); };

    Upsample(x, 0);  // every sample lands on entry 0; the last one stays
    EXPECT_EQ(g_upsampled[0], x[99]);
    EXPECT_EQ(nonZero(), 1);
    for (int factor : {-1, -15, INT_MIN}) {
        Upsample(x, factor);
        EXPECT_EQ(g_upsampled[0], x[0]);
        EXPECT_EQ(nonZero(), 1);
    }
    Upsample(x, 16);  // x(0)..x(93) fit
    EXPECT_EQ(g_upsampled[93 * 16], x[93]);
    EXPECT_EQ(nonZero(), 94);
    Upsample(x, INT_MAX);
    EXPECT_EQ(nonZero(), 1);
    Upsample(std::span<const float>(x).first(10), 2);  // past the input: zeros
    EXPECT_EQ(nonZero(), 10);
}
