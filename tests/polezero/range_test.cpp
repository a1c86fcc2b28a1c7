// The range rule: every response sample keeps its own binary exponent, so
// the response is the written press arithmetic carried out with an
// unlimited exponent range, and a design inside the double range is plain
// double arithmetic bit for bit.
#include "tests/polezero/designer_checks.h"

#include <array>
#include <cmath>
#include <cstring>
#include <vector>

#include "picture/surface.h"
#include "polezero/dialog_face.h"
#include "polezero/filter_analysis.h"
#include "polezero/pictures.h"
#include "tests/support/test_tools.h"

using polezero::PixelPoint;

namespace {

struct Press {
    bool zero;
    int x;
    int y;
};

// The distance of the written press: the formula as the designer states it.
double WrittenDistance(int k, int x, int y)
{
    const double w = k * 0.010471975513333334;
    const double dx = 60 * std::cos(w) - (x - 130);
    const double dy = 60 * std::sin(w) - (130 - y);
    return std::sqrt(dx * dx + dy * dy);
}

// The written arithmetic in plain doubles.
std::array<double, polezero::kSampleCount> PlainResponse(const std::vector<Press>& presses)
{
    std::array<double, polezero::kSampleCount> values;
    values.fill(1.0);
    for (const Press& p : presses) {
        for (int k = 0; k < polezero::kSampleCount; ++k) {
            double& v = values[static_cast<std::size_t>(k)];
            v = p.zero ? v * WrittenDistance(k, p.x, p.y) : v / WrittenDistance(k, p.x, p.y);
        }
    }
    return values;
}

// The same with an unlimited exponent: after every product std::frexp
// splits the value into a mantissa in [0.5, 1) and a power of two that is
// summed as an integer.
struct Unlimited {
    double mantissa;
    long exponent;
};

std::array<Unlimited, polezero::kSampleCount> UnlimitedResponse(const std::vector<Press>& presses)
{
    std::array<Unlimited, polezero::kSampleCount> values;
    values.fill(Unlimited{0.5, 1});
    for (const Press& p : presses) {
        for (int k = 0; k < polezero::kSampleCount; ++k) {
            Unlimited& v = values[static_cast<std::size_t>(k)];
            const double d = WrittenDistance(k, p.x, p.y);
            int shift = 0;
            v.mantissa = std::frexp(p.zero ? v.mantissa * d : v.mantissa / d, &shift);
            v.exponent += shift;
        }
    }
    return values;
}

// value / peak with the unlimited values, rounded once, as a double.
std::array<double, polezero::kSampleCount> UnlimitedNormalised(
    const std::array<Unlimited, polezero::kSampleCount>& values)
{
    Unlimited peak{0.5, -100000};
    for (const Unlimited& v : values) {
        if (v.exponent > peak.exponent ||
            (v.exponent == peak.exponent && v.mantissa > peak.mantissa)) {
            peak = v;
        }
    }
    std::array<double, polezero::kSampleCount> n;
    for (std::size_t k = 0; k < n.size(); ++k) {
        n[k] = std::ldexp(values[k].mantissa / peak.mantissa,
                          static_cast<int>(values[k].exponent - peak.exponent));
    }
    return n;
}

// Distinct pseudo-random presses in the design area, zeros and poles mixed.
std::vector<Press> ManyPresses(int zeros, int poles, unsigned start)
{
    std::vector<Press> presses;
    unsigned state = start;
    auto next = [&state](int range) {
        state = state * 1103515245u + 12345u;
        return static_cast<int>((state >> 8) % static_cast<unsigned>(range));
    };
    while (zeros > 0 || poles > 0) {
        const bool zero = poles == 0 || (zeros > 0 && next(2) == 0);
        presses.push_back({zero, 16 + next(231), 16 + next(226)});
        --(zero ? zeros : poles);
    }
    return presses;
}

class RangeTest : public DesignerTest {
protected:
    void PlaceAll(const std::vector<Press>& presses)
    {
        for (const Press& p : presses) {
            Place(p.zero, p.x, p.y);
        }
    }
    const polezero::Design& Design() const { return session.CurrentDesign(); }
};

}  // namespace

TEST_F(RangeTest, ADesignInsideTheDoubleRangeIsPlainDoubleArithmeticBitForBit)
{
    // A zero on P_0 makes sample 0 exactly 0; poles near the circle make
    // steep peaks; nothing leaves the normal doubles.
    std::vector<Press> presses = ManyPresses(20, 20, 7);
    presses.insert(presses.begin() + 5, Press{true, 190, 130});
    presses.push_back({false, 130, 71});
    PlaceAll(presses);

    const auto plain = PlainResponse(presses);
    EXPECT_EQ(0, std::memcmp(plain.data(), Fields().response.data(), sizeof plain));
    EXPECT_EQ(0.0, Fields().response[0]);

    // The picture's values: value / peak in doubles, the written way.
    double peak = 0.0;
    for (double v : plain) {
        peak = std::max(peak, v);
    }
    const auto normalised = polezero::NormalisedResponse(Design(), session.PeakIndex());
    for (std::size_t k = 0; k < plain.size(); ++k) {
        ASSERT_EQ(plain[k] / peak, normalised[k]) << "k = " << k;
    }
}

TEST_F(RangeTest, EverySampleOf499ZerosAnd499PolesIsTheUnlimitedArithmetic)
{
    const std::vector<Press> presses = ManyPresses(499, 499, 42);
    PlaceAll(presses);
    const auto expected = UnlimitedResponse(presses);
    for (int k = 0; k < polezero::kSampleCount; ++k) {
        const polezero::ScaledValue value = polezero::SampleValue(Design().response, k);
        ASSERT_EQ(expected[static_cast<std::size_t>(k)].mantissa, value.mantissa) << "k = " << k;
        ASSERT_EQ(expected[static_cast<std::size_t>(k)].exponent, value.exponent) << "k = " << k;
    }
    EXPECT_EQ(UnlimitedNormalised(expected),
              polezero::NormalisedResponse(Design(), session.PeakIndex()));
}

// One scale factor for all samples is not enough: 400 zeros hugging the
// circle at z = 1 put the samples more than 2^1074 apart, and the poles that
// follow must bring the small ones back.
TEST_F(RangeTest, SamplesFartherApartThanTheDoubleRangeComeBackWithThePoles)
{
    std::vector<Press> presses(400, Press{true, 189, 130});
    PlaceAll(presses);
    int lowest = INT32_MAX;
    int highest = INT32_MIN;
    for (int k = 0; k < polezero::kSampleCount; ++k) {
        const int e = polezero::SampleValue(Design().response, k).exponent;
        lowest = std::min(lowest, e);
        highest = std::max(highest, e);
    }
    EXPECT_GT(highest - lowest, 1074);

    // Poles just outside the circle: now |H| = (d_zero / d_pole)^400 is 1 at
    // z = 1 and below 1 everywhere else.
    for (int i = 0; i < 400; ++i) {
        presses.push_back({false, 191, 130});
        Place(false, 191, 130);
    }
    const auto expected = UnlimitedNormalised(UnlimitedResponse(presses));
    const auto normalised = polezero::NormalisedResponse(Design(), session.PeakIndex());
    EXPECT_EQ(expected, normalised);
    // Sample 0, some 2^2700 below the others after the zeros, is the peak ...
    EXPECT_EQ(0, session.PeakIndex());
    EXPECT_EQ(1.0, normalised[0]);
    EXPECT_GT(normalised[300], 0.0);
    // ... and the picture is the one these values draw.
    Raster wanted(polezero::kClientWidth, polezero::kClientHeight);
    Surface surface(wanted, TestFont());
    polezero::DrawResponse(surface, expected, session.PeakIndex());
    for (int y = 280; y < 465; ++y) {
        for (int x = 17; x < 660; ++x) {
            ASSERT_EQ(wanted.Pixel(x, y), Client().Pixel(x, y)) << x << ", " << y;
        }
    }
}

// Against an independent calculation of |H| (summed logarithms in the
// analysis): many markers of one kind and a full design draw their true
// response.
TEST_F(RangeTest, LargeDesignsDrawTheResponseTheAnalysisComputes)
{
    for (const auto& presses : {ManyPresses(165, 0, 3), ManyPresses(499, 499, 9)}) {
        session.Open();
        PlaceAll(presses);
        std::vector<PixelPoint> zeros, poles;
        for (const Press& p : presses) {
            (p.zero ? zeros : poles).push_back(PixelPoint{p.x, p.y});
        }
        const polezero::FilterAnalysis analysis = polezero::AnalyseDesign(zeros, poles, 600, 0);
        const auto normalised = polezero::NormalisedResponse(Design(), session.PeakIndex());
        for (std::size_t k = 0; k < normalised.size(); ++k) {
            // The analysis samples at 2 pi k / 600, a hair from the
            // designer's k * 0.010471975513333334.
            ASSERT_NEAR(std::pow(10.0, analysis.magnitudeDb[k] / 20.0), normalised[k], 1e-4)
                << "k = " << k << " of " << presses.size();
        }
        EXPECT_GT(*std::max_element(normalised.begin(), normalised.end()), 0.999);
    }
}
