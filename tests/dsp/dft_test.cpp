#include <gtest/gtest.h>

#include <algorithm>
#include <bit>
#include <cmath>
#include <cstdint>
#include <random>
#include <vector>

#include "dsp/dft.h"
#include "portable_math.h"
#include "workspace/workspace.h"

namespace {
constexpr double kTwoPi = 6.283185307179586;

std::vector<float> Magnitudes(int count)
{
    std::vector<float> m(static_cast<std::size_t>(count));
    SpectrumMagnitudes(m, count);
    return m;
}
}  // namespace

TEST(Dft, TonesLandInTheirBins)
{
    std::vector<float> x(100);
    for (int n = 0; n < 100; ++n) {
        x[n] = static_cast<float>(std::cos(kTwoPi * 5 * n / 100));
    }
    ComputeDft(x, 100);
    const std::vector<float> m = Magnitudes(100);
    for (int k = 0; k < 100; ++k) {
        EXPECT_NEAR(m[k], k == 5 || k == 95 ? 50.0f : 0.0f, 1e-4) << k;
    }
}

// At the half turn every twiddle is exactly +1 or -1 with no imaginary
// part, so a constant of even length sums to exactly 0 there, and bin N/2
// of any real signal is real.
TEST(Dft, TheHalfTurnBinOfAConstantIsExactlyZero)
{
    for (const int count : {64, 100}) {
        ComputeDft(std::vector<float>(static_cast<std::size_t>(count), 1.0f), count);
        EXPECT_EQ(static_cast<float>(count), g_spectrum[0].re) << count;
        EXPECT_EQ(0.0f, g_spectrum[count / 2].re) << count;
        EXPECT_EQ(0.0f, g_spectrum[count / 2].im) << count;
    }
}

TEST(Dft, MatchesTheTermByTermReferenceWithinRounding)
{
    std::mt19937 random(12345);
    std::uniform_real_distribution<float> uniform(-1.0f, 1.0f);
    for (int count : {1, 2, 3, 7, 100, 133, 999, 1500}) {
        std::vector<float> noise(static_cast<std::size_t>(count));
        std::generate(noise.begin(), noise.end(), [&] { return uniform(random); });
        const std::span<const float> full(noise);
        // The second is shorter than N: the missing samples count as zero.
        for (std::span<const float> x :
             {full, full.first(std::min<std::size_t>(full.size(), 100))}) {
            ComputeDftLiteral(x, count);
            const std::vector<SpectrumEntry> reference(g_spectrum.begin(),
                                                       g_spectrum.begin() + count);
            ComputeDft(x, count);
            float largest = 0.0f;
            for (const SpectrumEntry& e : reference) {
                largest = std::max(largest, Magnitude(e));
            }
            for (int k = 0; k < count; ++k) {
                ASSERT_NEAR(g_spectrum[k].re, reference[k].re, 1e-5f * largest)
                    << count << " " << k;
                ASSERT_NEAR(g_spectrum[k].im, reference[k].im, 1e-5f * largest)
                    << count << " " << k;
            }
        }
    }
}

// Each partial sum is rounded to float after every term, so terms below half
// an ulp of the sum vanish one by one instead of adding up. Exact equality:
// both transforms, at whatever optimisation level the tests are built.
TEST(Dft, RoundsEveryPartialSumToFloat)
{
    // X(0).re = 1 + 99 terms of 3e-8, each below half an ulp of 1.0f.
    std::vector<float> x(100, 3e-8f);
    x[0] = 1.0f;
    // X(25).im: 1 from n = 1, where the sine is 1, then 3e-8 from every
    // other odd n, the signs chosen so that each term adds.
    std::vector<float> y(100, 0.0f);
    y[1] = 1.0f;
    for (int n = 3; n < 100; n += 2) {
        y[n] = n % 4 == 1 ? 3e-8f : -3e-8f;
    }
    for (const bool literal : {false, true}) {
        const auto transform = literal ? ComputeDftLiteral : ComputeDft;
        transform(x, 100);
        EXPECT_EQ(g_spectrum[0].re, 1.0f) << (literal ? "literal" : "fast");
        transform(y, 100);
        EXPECT_EQ(g_spectrum[25].im, 1.0f) << (literal ? "literal" : "fast");
    }
}

TEST(Dft, WritesOnlyTheEntriesItOwns)
{
    const std::vector<float> x(100, 1.0f);
    g_spectrum.fill(SpectrumEntry{7.0f, 7.0f});
    for (int count : {0, -1, -2147483647}) {
        ComputeDft(x, count);
    }
    auto untouched = [](SpectrumEntry e) { return e.im == 7.0f; };
    EXPECT_TRUE(std::all_of(g_spectrum.begin(), g_spectrum.end(), untouched));
    ComputeDft(x, 50);  // entries from 50 on keep what they held
    EXPECT_EQ(g_spectrum[0].re, 50.0f);
    EXPECT_EQ(g_spectrum[50].re, 7.0f);

    // Above 1500: X(0)..X(1499) of the 1600-point transform of 100 ones,
    // |X(k)| = |sin(100 pi k / 1600) / sin(pi k / 1600)|.
    ComputeDft(x, 1600);
    const double k = 1499;
    const double expected =
        std::abs(std::sin(k * kTwoPi * 50 / 1600) / std::sin(k * kTwoPi / 3200));
    EXPECT_NEAR(Magnitude(g_spectrum[1499]), expected, 1e-3);

    EXPECT_EQ(Magnitude(SpectrumEntry{3e30f, -4e30f}), 5e30f);  // no overflow in the squares
    std::vector<float> guarded(12, -1.0f);
    SpectrumMagnitudes(std::span<float>(guarded).subspan(1, 10), 5000);
    EXPECT_EQ(guarded[0], -1.0f);
    EXPECT_EQ(guarded[11], -1.0f);
}

// The roots of every length the views transform are built in, made at build
// time; they must be the C library's values, computed at run time, that the
// transform has always multiplied by. Other lengths compute them at once,
// with the portable functions, the same bits on every platform.
TEST(Dft, BuiltInRootsAreTheCLibrarysForEveryLengthTheViewsTransform)
{
    const auto same = [](double expected, double actual) {
        return std::bit_cast<std::uint64_t>(expected) == std::bit_cast<std::uint64_t>(actual);
    };
    for (int up = 1; up <= kLargestFactor; ++up) {
        for (int down = 1; down <= kLargestFactor; ++down) {
            const int count = kSignalLength * up / down;
            ASSERT_TRUE(HasBuiltInRoots(count)) << count;
            for (int j = 0; 2 * j <= count; ++j) {
                volatile double opaque = TransformAngle(2 * static_cast<std::int64_t>(j), count);
                const double angle = opaque;
                const UnitRoot root = TransformRoot(count, j);
                ASSERT_TRUE(same(std::cos(angle), root.c)) << count << ":" << j;
                ASSERT_TRUE(same(std::sin(angle), root.s)) << count << ":" << j;
            }
        }
    }
    for (const int count : {1, 2, 5, 101, 1501}) {
        EXPECT_FALSE(HasBuiltInRoots(count)) << count;
        EXPECT_EQ(portable::Cos(TransformAngle(6, count)), TransformRoot(count, 3).c) << count;
        EXPECT_EQ(portable::Sin(TransformAngle(6, count)), TransformRoot(count, 3).s) << count;
    }
}
