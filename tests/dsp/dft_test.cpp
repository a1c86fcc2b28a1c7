#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <random>
#include <vector>

#include "app/workspace.h"
#include "dsp/dft.h"
#include "dsp/signals.h"

namespace {

constexpr double kTwoPi = 6.283185307179586;
const SpectrumEntry kUntouched{7.0f, -7.0f};

std::vector<float> Magnitudes(int count)
{
    std::vector<float> m(static_cast<std::size_t>(count));
    SpectrumMagnitudes(m, count);
    return m;
}

// Every bin other than `peaks` is below `floor`; each peak is near `height`.
void ExpectPeaks(const std::vector<float>& m, std::initializer_list<int> peaks, float height, float floor)
{
    for (int k = 0; k < static_cast<int>(m.size()); ++k) {
        if (std::find(peaks.begin(), peaks.end(), k) != peaks.end()) {
            EXPECT_NEAR(m[k], height, 1e-3) << "k = " << k;
        } else {
            EXPECT_LT(m[k], floor) << "k = " << k;
        }
    }
}

}  // namespace

TEST(Dft, TonesLandInTheirBins)
{
    ResetWorkspace();
    std::vector<float> x(100);
    ComputeDft(x, 100);
    ExpectPeaks(Magnitudes(100), {}, 0.0f, 1e-30f);  // all zero stays exactly zero

    std::fill(x.begin(), x.end(), 1.0f);
    ComputeDft(x, 100);
    ExpectPeaks(Magnitudes(100), {0}, 100.0f, 1e-4f);

    for (int n = 0; n < 100; ++n) {
        x[n] = static_cast<float>(std::cos(kTwoPi * 5 * n / 100));
    }
    ComputeDft(x, 100);
    ExpectPeaks(Magnitudes(100), {5, 95}, 50.0f, 1e-4f);

    GenerateThreeCosines();  // a = 0.5: tones at 1, 10 and 20 cycles per 100
    ComputeDft(g_inputSignal, 100);
    ExpectPeaks(Magnitudes(100), {1, 10, 20, 80, 90, 99}, 50.0f, 1e-4f);

    // 100 samples zero-inserted to 1500 (L = 15): the spectrum repeats.
    std::vector<float> up(1500);
    for (int n = 0; n < 100; ++n) {
        up[15 * n] = x[n];
    }
    ComputeDft(up, 1500);
    const std::vector<float> m = Magnitudes(1500);
    for (int k = 0; k < 1500; ++k) {
        ASSERT_NEAR(m[k], k % 100 == 5 || k % 100 == 95 ? 50.0f : 0.0f, 2e-4) << k;
    }
}

TEST(Dft, MatchesTheTermByTermReference)
{
    std::mt19937 random(12345);
    std::uniform_real_distribution<float> uniform(-1.0f, 1.0f);
    for (int count : {1, 2, 3, 7, 64, 100, 133, 999, 1500}) {
        std::vector<std::vector<float>> signals(3, std::vector<float>(static_cast<std::size_t>(count)));
        for (int n = 0; n < count; ++n) {
            signals[0][n] = uniform(random);
            signals[1][n] = static_cast<float>(n % 17 < 5) - 0.25f;
            signals[2][n] = static_cast<float>(std::exp(-0.01 * n) * std::cos(0.3 * n * n));
        }
        signals.push_back(std::vector<float>(signals[0].begin(), signals[0].begin() + std::min(count, 100)));
        for (const std::vector<float>& x : signals) {
            ComputeDftLiteral(x, count);
            const std::vector<SpectrumEntry> reference(g_spectrum.begin(), g_spectrum.begin() + count);
            ComputeDft(x, count);
            float largest = 0.0f;
            for (const SpectrumEntry& e : reference) {
                largest = std::max(largest, Magnitude(e));
            }
            for (int k = 0; k < count; ++k) {
                ASSERT_NEAR(g_spectrum[k].re, reference[k].re, 1e-5f * largest) << count << " " << k;
                ASSERT_NEAR(g_spectrum[k].im, reference[k].im, 1e-5f * largest) << count << " " << k;
            }
        }
    }
}

TEST(Dft, WritesOnlyTheBinsItOwns)
{
    ResetWorkspace();
    const std::vector<float> x(100, 1.0f);
    g_spectrum.fill(kUntouched);
    for (int count : {0, -1, -2147483647}) {
        ComputeDft(x, count);
        ComputeDftLiteral(x, count);
    }
    EXPECT_TRUE(std::all_of(g_spectrum.begin(), g_spectrum.end(),
                            [](SpectrumEntry e) { return e.re == kUntouched.re && e.im == kUntouched.im; }));

    ComputeDft(x, 100);
    g_spectrum[99] = kUntouched;
    ComputeDft(x, 50);  // entries 50..99 keep the earlier call's values
    EXPECT_EQ(g_spectrum[99].re, kUntouched.re);
    EXPECT_EQ(g_spectrum[0].re, 50.0f);

    // Past the 1500 entries: X(0)..X(1499) of the 1600-point transform, and
    // samples past the given 100 count as zero.
    ComputeDft(x, 1600);
    EXPECT_EQ(g_spectrum[0].re, 100.0f);
    EXPECT_NEAR(Magnitude(g_spectrum[1499]), std::abs(std::sin(kTwoPi * 1499 * 50 / 1600) /
                                                      std::sin(kTwoPi * 1499 / 2 / 1600)), 1e-3);
}

TEST(Dft, MagnitudesStopAtTheirBuffer)
{
    EXPECT_EQ(Magnitude(SpectrumEntry{3.0f, -4.0f}), 5.0f);
    EXPECT_EQ(Magnitude(SpectrumEntry{3e30f, 4e30f}), 5e30f);  // no float overflow in the squares
    g_spectrum.fill(SpectrumEntry{0.0f, 2.0f});
    std::vector<float> buffer(12, -1.0f);
    SpectrumMagnitudes(std::span<float>(buffer).subspan(1, 10), 5000);
    EXPECT_EQ(buffer, (std::vector<float>{-1, 2, 2, 2, 2, 2, 2, 2, 2, 2, 2, -1}));
    SpectrumMagnitudes(buffer, -3);
    EXPECT_EQ(buffer[0], -1.0f);
}
