#include <gtest/gtest.h>

#include <algorithm>
#include <climits>
#include <span>
#include <vector>

#include "dsp/resample.h"
#include "workspace/workspace.h"

namespace {
// x(n) = n + 1: every sample distinct and non-zero.
std::vector<float> Ramp()
{
    std::vector<float> x(100);
    for (int n = 0; n < 100; ++n) {
        x[n] = static_cast<float>(n + 1);
    }
    return x;
}

long NonZeroUpsampled()
{
    return std::count_if(g_upsampled.begin(), g_upsampled.end(), [](float w) { return w != 0.0f; });
}
}  // namespace

TEST(Resample, UpThenDownByTheSameFactorReturnsX)
{
    const std::vector<float> x = Ramp();
    for (int factor = 1; factor <= 15; ++factor) {
        g_upsampled.fill(-1.0f);
        Upsample(x, factor);
        EXPECT_EQ(NonZeroUpsampled(), 100) << factor;  // L - 1 zeros after each
        std::vector<float> back(100);
        EXPECT_EQ(Downsample(g_upsampled, factor, 100 * factor, back), 100);
        EXPECT_EQ(back, x) << factor;
    }
}

TEST(Resample, CountsTruncateAndEveryWriteStaysInBounds)
{
    const std::vector<float> x = Ramp();
    g_downsampled.fill(-1.0f);
    Downsample(x, 3, 100);  // 33 samples; x(99) is never kept
    EXPECT_EQ(g_downsampled[32], x[96]);
    EXPECT_EQ(g_downsampled[33], -1.0f);

    std::vector<float> out(12, -1.0f);
    for (int factor : {0, -2, INT_MIN}) {
        EXPECT_EQ(Downsample(x, factor, -100, out), 0);
    }
    EXPECT_EQ(Downsample(x, 1, 1000, std::span(out).subspan(1, 10)), 10);
    EXPECT_EQ(out[0], -1.0f);
    EXPECT_EQ(out[11], -1.0f);

    // L = 15, M = 1, N = 95: the converter's 1595 samples go to storage of
    // their own, and g_downsampled takes only its 200.
    std::fill(g_interpolated.begin(), g_interpolated.end(), 1.0f);
    EXPECT_EQ(Downsample(g_interpolated, 1, 1595, g_convertedSignal), 1595);
    Downsample(g_interpolated, 1, 1595);

    // Past the input's end the positions read as zero, from the very first:
    // 9 samples of a longer buffer, M = 3, 12 positions.
    const std::vector<float> longer = {1, 2, 3, 4, 5, 6, 7, 8, 9, 10};
    std::vector<float> kept(4, -1.0f);
    EXPECT_EQ(4, Downsample(std::span(longer).first(9), 3, 12, kept));
    EXPECT_EQ((std::vector<float>{1, 4, 7, 0}), kept);

    Upsample(x, 0);  // every sample lands on entry 0; the last one stays
    EXPECT_EQ(g_upsampled[0], x[99]);
    EXPECT_EQ(NonZeroUpsampled(), 1);
    for (int factor : {-1, INT_MIN, INT_MAX}) {
        Upsample(x, factor);  // only x(0) at entry 0 fits
        EXPECT_EQ(NonZeroUpsampled(), 1);
    }
    Upsample(x, 16);  // x(0)..x(93) fit
    EXPECT_EQ(NonZeroUpsampled(), 94);
}
