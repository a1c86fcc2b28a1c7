#include <gtest/gtest.h>

#include <algorithm>
#include <bit>
#include <cstdint>

#include "workspace/workspace.h"

TEST(Workspace, StartsWithTheDocumentedValuesAndCapacities)
{
    ResetWorkspace();
    EXPECT_EQ(g_signalParam, 0.5f);
    EXPECT_EQ(g_filterLength, 10);
    EXPECT_EQ(g_decimationFactor, 2);
    EXPECT_EQ(g_interpolationFactor, 2);
    EXPECT_EQ(g_transitionWidth, 0.1f);
    // pi/2 rounded to a float: 1.5707964, bit pattern 0x3FC90FDB.
    EXPECT_EQ(std::bit_cast<std::uint32_t>(g_cutoff), 0x3FC90FDBu);

    EXPECT_EQ(g_inputSignal.size(), 100u);
    EXPECT_EQ(g_spectrum.size(), 1500u);
    EXPECT_EQ(g_filterTaps.size(), 100u);
    EXPECT_EQ(g_downsampled.size(), 200u);
    EXPECT_EQ(g_upsampled.size(), 1500u);
    EXPECT_EQ(g_interpolated.size(), 3000u);
    EXPECT_EQ(g_convertedSignal.size(), 1595u);
    EXPECT_EQ(sizeof(SpectrumEntry), 2 * sizeof(float));
}

TEST(Workspace, ResetUndoesEveryWrite)
{
    g_signalParam = 3.0f;
    g_filterLength = 95;
    g_decimationFactor = 0;
    g_interpolationFactor = 15;
    g_transitionWidth = 0.035f;
    g_cutoff = 0.0f;
    g_inputSignal[99] = 1.0f;
    g_spectrum[1499] = SpectrumEntry{1.0f, -1.0f};
    g_filterTaps[0] = 1.0f;
    g_downsampled[199] = 1.0f;
    g_upsampled[1499] = 1.0f;
    g_interpolated[2999] = 1.0f;
    g_convertedSignal[1594] = 1.0f;

    ResetWorkspace();

    EXPECT_EQ(g_signalParam, 0.5f);
    EXPECT_EQ(g_filterLength, 10);
    EXPECT_EQ(g_decimationFactor, 2);
    EXPECT_EQ(g_interpolationFactor, 2);
    EXPECT_EQ(g_transitionWidth, 0.1f);
    EXPECT_EQ(g_cutoff, 1.5707964f);
    auto zero = [](float v) { return v == 0.0f; };
    EXPECT_TRUE(std::all_of(g_inputSignal.begin(), g_inputSignal.end(), zero));
    EXPECT_TRUE(std::all_of(g_filterTaps.begin(), g_filterTaps.end(), zero));
    EXPECT_TRUE(std::all_of(g_downsampled.begin(), g_downsampled.end(), zero));
    EXPECT_TRUE(std::all_of(g_upsampled.begin(), g_upsampled.end(), zero));
    EXPECT_TRUE(std::all_of(g_interpolated.begin(), g_interpolated.end(), zero));
    EXPECT_TRUE(std::all_of(g_convertedSignal.begin(), g_convertedSignal.end(), zero));
    EXPECT_EQ(g_spectrum[1499].re, 0.0f);
    EXPECT_EQ(g_spectrum[1499].im, 0.0f);
}
