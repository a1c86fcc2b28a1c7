#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <complex>
#include <cstdint>
#include <limits>
#include <numbers>
#include <random>
#include <vector>

#include "polezero/design_polynomial.h"
#include "polezero/filter_analysis.h"

using polezero::PixelPoint;

namespace {

using namespace polezero;

using Complex = std::complex<double>;
constexpr double kPi = std::numbers::pi;
constexpr double kDesignerStep = 0.010471975513333334;

Complex Root(PixelPoint pixel)
{
    return Complex(pixel.x - 130, 130 - pixel.y) / 60.0;
}

// prod (1 - c e^-jw) over `roots`, evaluated directly.
Complex Product(const std::vector<PixelPoint>& roots, double w)
{
    Complex value = 1.0;
    for (const PixelPoint& root : roots) {
        value *= 1.0 - Root(root) * std::polar(1.0, -w);
    }
    return value;
}

// The designer's own normalisation: pixel distances from each sample point,
// multiplied for zeros and divided for poles, scaled by the largest sample.
std::vector<double> DesignerResponse(const std::vector<PixelPoint>& zeros,
                                     const std::vector<PixelPoint>& poles)
{
    std::vector<double> response(600, 1.0);
    for (int k = 0; k < 600; ++k) {
        const double w = k * kDesignerStep;
        for (const PixelPoint& zero : zeros) {
            response[k] *=
                std::hypot(60 * std::cos(w) - (zero.x - 130), 60 * std::sin(w) - (130 - zero.y));
        }
        for (const PixelPoint& pole : poles) {
            response[k] /=
                std::hypot(60 * std::cos(w) - (pole.x - 130), 60 * std::sin(w) - (130 - pole.y));
        }
    }
    const double peak = *std::max_element(response.begin(), response.end());
    for (double& value : response) {
        value /= peak;
    }
    return response;
}

// Markers anywhere on the z-plane canvas, but not on the unit circle.
std::vector<PixelPoint> RandomMarkers(std::mt19937& random, int count)
{
    std::uniform_int_distribution<int> x(16, 246);
    std::uniform_int_distribution<int> y(16, 241);
    std::vector<PixelPoint> markers;
    while (static_cast<int>(markers.size()) < count) {
        const PixelPoint p{x(random), y(random)};
        const int squared = (p.x - 130) * (p.x - 130) + (130 - p.y) * (130 - p.y);
        if (std::abs(squared - 3600) > 200) {
            markers.push_back(p);
        }
    }
    return markers;
}

}  // namespace

TEST(FilterAnalysis, SingleZeroFollowsItsClosedForm)
{
    const PixelPoint zero{160, 100};  // c = 0.5 + 0.5j
    const Complex c(0.5, 0.5);
    const FilterAnalysis analysis = AnalyseDesign(std::vector{zero}, {}, 360, 4);

    // The largest |1 - c e^-jw| is 1 + |c|, at w = arg c + pi; the designer's
    // samples come within half a step of it.
    const double peak = 1.0 + std::abs(c);
    EXPECT_NEAR(1.0 / peak, analysis.gain, 1e-5);
    ASSERT_EQ(2u, analysis.b.size());
    EXPECT_EQ(Complex(1.0), analysis.b[0]);
    EXPECT_EQ(-c, analysis.b[1]);
    EXPECT_EQ(std::vector<Complex>{1.0}, analysis.a);
    EXPECT_FALSE(analysis.realCoefficients);
    EXPECT_TRUE(analysis.stable);

    const double r = std::abs(c);
    const double theta = std::arg(c);
    ASSERT_EQ(360u, analysis.magnitudeDb.size());
    for (int k = 0; k < 360; ++k) {
        const double w = 2 * kPi * k / 360;
        const Complex value = 1.0 - c * std::polar(1.0, -w);
        EXPECT_NEAR(20 * std::log10(analysis.gain * std::abs(value)), analysis.magnitudeDb[k],
                    1e-12);
        EXPECT_NEAR(std::arg(value), analysis.phase[k], 1e-12) << k;
        const double cosine = std::cos(w - theta);
        EXPECT_NEAR((r * r - r * cosine) / (1 - 2 * r * cosine + r * r), analysis.groupDelay[k],
                    1e-12);
    }
    // FIR: g b(n), then nothing.
    const std::vector<Complex> expected{analysis.gain, -analysis.gain * c, 0.0, 0.0};
    for (int n = 0; n < 4; ++n) {
        EXPECT_NEAR(0.0, std::abs(expected[n] - analysis.impulse[n]), 1e-15) << n;
    }
}

TEST(FilterAnalysis, SinglePoleRingsAsGTimesPToTheN)
{
    // Inside, then outside the circle: the impulse response g p^n either way.
    for (const PixelPoint pole : {PixelPoint{157, 80}, PixelPoint{40, 190}}) {
        const Complex p = Root(pole);
        const FilterAnalysis analysis = AnalyseDesign({}, std::vector{pole}, 720, 40);
        EXPECT_EQ(std::abs(p) < 1, analysis.stable);
        for (int n = 0; n < 40; ++n) {
            const Complex expected = analysis.gain * std::pow(p, n);
            EXPECT_NEAR(0.0, std::abs(expected - analysis.impulse[n]) / std::abs(expected), 1e-12)
                << n;
        }
        // 1 / (1 - p e^-jw): magnitude, and a delay of the opposite sign to a zero's.
        const double r = std::abs(p);
        for (int k = 0; k < 720; k += 7) {
            const double w = 2 * kPi * k / 720;
            const Complex value = 1.0 / (1.0 - p * std::polar(1.0, -w));
            EXPECT_NEAR(20 * std::log10(analysis.gain * std::abs(value)), analysis.magnitudeDb[k],
                        1e-11);
            const double cosine = std::cos(w - std::arg(p));
            EXPECT_NEAR(-(r * r - r * cosine) / (1 - 2 * r * cosine + r * r),
                        analysis.groupDelay[k], 1e-11);
            // The phase is arg H up to whole turns.
            const double turns = (analysis.phase[k] - std::arg(value)) / (2 * kPi);
            EXPECT_NEAR(std::round(turns), turns, 1e-11) << k;
        }
        // Outside, 1 - p e^-jw winds once around 0: the phase climbs by 2 pi
        // over the circle. Inside it returns to where it began.
        const double climb = analysis.phase[719] - analysis.phase[0];
        EXPECT_NEAR(std::abs(p) > 1 ? 2 * kPi : 0.0, climb, 0.02);
    }
}

TEST(FilterAnalysis, ConjugatePairsGiveRealCoefficientsDecidedOnPixels)
{
    const std::vector<PixelPoint> zeros{{150, 100}, {100, 130}, {150, 160}};
    const std::vector<PixelPoint> poles{{120, 150}, {120, 110}};
    const FilterAnalysis analysis = AnalyseDesign(zeros, poles, 64, 32);
    EXPECT_TRUE(analysis.realCoefficients);
    // (1 - c z^-1)(1 - conj(c) z^-1) = 1 - 2 Re c z^-1 + |c|^2 z^-2, then (1 + 0.5 z^-1).
    const Complex c = Root({150, 100});
    const std::vector<double> pair{1.0, -2 * c.real(), std::norm(c)};
    const std::vector<double> expected{1.0, pair[1] + 0.5, pair[2] + 0.5 * pair[1], 0.5 * pair[2]};
    ASSERT_EQ(4u, analysis.b.size());
    for (std::size_t i = 0; i < 4; ++i) {
        EXPECT_NEAR(expected[i], analysis.b[i].real(), 1e-15) << i;
        EXPECT_EQ(0.0, analysis.b[i].imag()) << i;
    }
    for (const Complex& value : analysis.a) {
        EXPECT_EQ(0.0, value.imag());
    }
    for (const Complex& value : analysis.impulse) {
        EXPECT_EQ(0.0, value.imag());
    }
    // A real filter's magnitude is even in w.
    for (int k = 1; k < 64; ++k) {
        EXPECT_NEAR(analysis.magnitudeDb[k], analysis.magnitudeDb[64 - k], 1e-9) << k;
    }

    // One extra copy of a zero, or a mirror image in another column, breaks
    // the pairing; the poles alone do too.
    std::vector<PixelPoint> unpaired = zeros;
    unpaired.push_back({150, 100});
    EXPECT_FALSE(AnalyseDesign(unpaired, poles, 8, 0).realCoefficients);
    EXPECT_FALSE(
        AnalyseDesign(std::vector<PixelPoint>{{150, 100}, {151, 160}}, {}, 8, 0).realCoefficients);
    EXPECT_FALSE(AnalyseDesign(zeros, std::vector<PixelPoint>{{120, 150}}, 8, 0).realCoefficients);
    const FilterAnalysis complexPole = AnalyseDesign({}, std::vector<PixelPoint>{{120, 150}}, 8, 4);
    EXPECT_NE(0.0, complexPole.a[1].imag());
    EXPECT_NE(0.0, complexPole.impulse[1].imag());
}

TEST(FilterAnalysis, MagnitudeIsTheDesignersNormalisedPixelDistances)
{
    std::mt19937 random(2024);
    for (int trial = 0; trial < 5; ++trial) {
        const std::vector<PixelPoint> zeros = RandomMarkers(random, 1 + trial * 3);
        const std::vector<PixelPoint> poles = RandomMarkers(random, trial * 2);
        const FilterAnalysis analysis = AnalyseDesign(zeros, poles, 600, 0);
        const std::vector<double> designer = DesignerResponse(zeros, poles);
        for (int k = 0; k < 600; ++k) {
            // The grids differ by under 1e-9 rad (3.141592654 against pi).
            EXPECT_NEAR(20 * std::log10(designer[k]), analysis.magnitudeDb[k], 1e-5)
                << trial << ":" << k;
        }
        EXPECT_NEAR(
            0.0, *std::max_element(analysis.magnitudeDb.begin(), analysis.magnitudeDb.end()), 1e-5);
    }
}

TEST(FilterAnalysis, PhaseIsTheUnwrappedArgumentAndDelayItsDerivative)
{
    std::mt19937 random(77);
    constexpr int kPoints = 20000;
    for (int trial = 0; trial < 3; ++trial) {
        const std::vector<PixelPoint> zeros = RandomMarkers(random, 4 + trial);
        const std::vector<PixelPoint> poles = RandomMarkers(random, 3 + trial);
        const FilterAnalysis analysis = AnalyseDesign(zeros, poles, kPoints, 0);
        // Unwrapped from the principal value at w = 0, step by step.
        std::vector<double> unwrapped(kPoints);
        for (int k = 0; k < kPoints; ++k) {
            const double w = 2 * kPi * k / kPoints;
            const double principal = std::arg(Product(zeros, w) / Product(poles, w));
            if (k == 0) {
                unwrapped[k] = principal;
            } else {
                const double step = std::remainder(principal - unwrapped[k - 1], 2 * kPi);
                unwrapped[k] = unwrapped[k - 1] + step;
            }
            ASSERT_NEAR(unwrapped[k], analysis.phase[k], 1e-9) << trial << ":" << k;
        }
        const double dw = 2 * kPi / kPoints;
        for (int k = 1; k + 1 < kPoints; ++k) {
            const double derivative = -(unwrapped[k + 1] - unwrapped[k - 1]) / (2 * dw);
            ASSERT_NEAR(derivative, analysis.groupDelay[k], 1e-3 * (1 + std::abs(derivative)))
                << trial << ":" << k;
        }
    }
}

TEST(FilterAnalysis, EmptyDesignIsTheIdentity)
{
    const FilterAnalysis analysis = AnalyseDesign({}, {}, 5, 3);
    EXPECT_EQ(1.0, analysis.gain);
    EXPECT_EQ(std::vector<Complex>{1.0}, analysis.b);
    EXPECT_EQ(std::vector<Complex>{1.0}, analysis.a);
    EXPECT_EQ(std::vector<double>(5, 0.0), analysis.magnitudeDb);
    EXPECT_EQ(std::vector<double>(5, 0.0), analysis.phase);
    EXPECT_EQ(std::vector<double>(5, 0.0), analysis.groupDelay);
    EXPECT_EQ((std::vector<Complex>{1.0, 0.0, 0.0}), analysis.impulse);
    EXPECT_TRUE(analysis.realCoefficients);
    EXPECT_TRUE(analysis.stable);
}

TEST(FilterAnalysis, RootsOnTheCircleAtAGridPointLeaveNoValueThere)
{
    // A zero at j: H(e^jw) = 0 at w = pi/2, sample 1 of 4 and 3 of 12
    // (where 2 pi k / N is not exactly the double nearest pi / 2).
    for (const int points : {4, 12}) {
        const FilterAnalysis analysis =
            AnalyseDesign(std::vector<PixelPoint>{{130, 70}}, {}, points, 0);
        const int root = points / 4;
        for (int k = 0; k < points; ++k) {
            const bool hole = k == root;
            EXPECT_EQ(hole, std::isnan(analysis.magnitudeDb[k])) << points << ":" << k;
            EXPECT_EQ(hole, std::isnan(analysis.phase[k])) << k;
            EXPECT_EQ(hole, std::isnan(analysis.groupDelay[k])) << k;
            if (!hole) {
                EXPECT_EQ(0.5, analysis.groupDelay[k]);  // a root on the circle delays by 1/2
            }
        }
        // The phase jumps by +pi across the root (the limit from inside).
        if (points == 12) {
            const double before = analysis.phase[2];
            const double after = analysis.phase[4];
            EXPECT_NEAR(kPi - 2 * kPi / 12, after - before, 1e-12);
        }
    }
    // Other pixels on the circle, such as (166, 82) at 0.6 + 0.8j, lie at
    // angles that are no rational part of a turn: never a hole.
    const FilterAnalysis offGrid = AnalyseDesign(std::vector<PixelPoint>{{166, 82}}, {}, 65536, 0);
    EXPECT_TRUE(std::all_of(offGrid.magnitudeDb.begin(), offGrid.magnitudeDb.end(),
                            [](double value) { return std::isfinite(value); }));
}

TEST(FilterAnalysis, PoleOnTheFirstDesignerSampleNormalisesTheLargestFiniteOne)
{
    // 1 / (1 - z^-1): infinite at w = 0; the largest finite designer sample
    // is a neighbour of it (w_599, which lies a hair closer to 2 pi than w_1
    // to 0).
    const FilterAnalysis analysis = AnalyseDesign({}, std::vector<PixelPoint>{{190, 130}}, 600, 3);
    EXPECT_FALSE(analysis.stable);
    double largest = 0.0;
    for (int k = 1; k < 600; ++k) {
        largest = std::max(largest, 1.0 / std::abs(1.0 - std::polar(1.0, -k * kDesignerStep)));
    }
    EXPECT_NEAR(1.0, analysis.gain * largest, 1e-9);
    EXPECT_TRUE(std::isnan(analysis.magnitudeDb[0]));
    EXPECT_NEAR(0.0, analysis.magnitudeDb[1], 1e-5);
    // The accumulator: g, g, g, ...
    for (const Complex& value : analysis.impulse) {
        EXPECT_EQ(Complex(analysis.gain, 0.0), value);
    }
}

TEST(FilterAnalysis, ZeroAndPoleAtOnePixelCancelInTheResponseOnly)
{
    const std::vector<PixelPoint> zeros{{190, 130}, {150, 120}};
    const std::vector<PixelPoint> poles{{100, 90}, {190, 130}};
    const FilterAnalysis both = AnalyseDesign(zeros, poles, 600, 20);
    const FilterAnalysis reduced = AnalyseDesign(std::vector<PixelPoint>{{150, 120}},
                                                 std::vector<PixelPoint>{{100, 90}}, 600, 20);
    EXPECT_EQ(reduced.magnitudeDb, both.magnitudeDb);  // no 0/0 at w = 0
    EXPECT_EQ(reduced.phase, both.phase);
    EXPECT_EQ(reduced.groupDelay, both.groupDelay);
    EXPECT_EQ(reduced.gain, both.gain);
    EXPECT_EQ(reduced.impulse, both.impulse);
    EXPECT_EQ(3u, both.b.size());  // the difference equation as placed
    EXPECT_FALSE(both.stable);
}

TEST(FilterAnalysis, HugeDesignsStayDefined)
{
    // 499 zeros at the canvas corner and 499 poles near the circle: each
    // log stays finite, whatever the product would do.
    const std::vector<PixelPoint> zeros(499, PixelPoint{16, 16});
    const std::vector<PixelPoint> poles(499, PixelPoint{189, 130});
    FilterAnalysis analysis = AnalyseDesign(zeros, poles, 600, 100);
    EXPECT_TRUE(std::all_of(analysis.magnitudeDb.begin(), analysis.magnitudeDb.end(),
                            [](double value) { return std::isfinite(value); }));
    EXPECT_NEAR(0.0, *std::max_element(analysis.magnitudeDb.begin(), analysis.magnitudeDb.end()),
                1e-6);
    EXPECT_TRUE(std::all_of(analysis.groupDelay.begin(), analysis.groupDelay.end(),
                            [](double value) { return std::isfinite(value); }));
    EXPECT_EQ(0.0, analysis.gain);  // exp(-log max|B/A|) is below the smallest double
    EXPECT_EQ(500u, analysis.b.size());

    // Far off the canvas: coefficients beyond double are infinite, and an
    // unstable impulse response overflows; nothing is left undefined.
    analysis = AnalyseDesign(std::vector<PixelPoint>(300, PixelPoint{1000130, 130}),
                             std::vector<PixelPoint>{{100000, 130}}, 16, 2000);
    EXPECT_TRUE(std::isinf(analysis.b[150].real()));
    EXPECT_NEAR(-5e6, analysis.b[1].real(), 1e-6);
    EXPECT_TRUE(std::isfinite(analysis.impulse[1].real()));
    EXPECT_FALSE(std::isfinite(analysis.impulse[1999].real()));

    // The extremes of the pixel type: no integer overflows on the way.
    constexpr std::int32_t kLeast = std::numeric_limits<std::int32_t>::min();
    constexpr std::int32_t kMost = std::numeric_limits<std::int32_t>::max();
    analysis = AnalyseDesign(std::vector<PixelPoint>{{kLeast, kLeast}, {kLeast, kMost}},
                             std::vector<PixelPoint>{{kMost, kMost}}, 8, 4);
    EXPECT_FALSE(analysis.stable);
    EXPECT_FALSE(analysis.realCoefficients);  // the mirror of row kLeast is no int32 row
    EXPECT_EQ((kLeast - 130.0) / 60, analysis.zeros[0].real());
}

// Within the range of double the coefficients and the impulse response are
// the plain double arithmetic of the difference equation, bit for bit: the
// exponent each value carries only ever moves whole powers of two.
TEST(FilterAnalysis, InsideTheDoubleRangeTheNumbersArePlainDoubleArithmetic)
{
    std::mt19937 random(99);
    const std::vector<PixelPoint> zeros = RandomMarkers(random, 12);
    const std::vector<PixelPoint> poles = RandomMarkers(random, 9);
    // p'_k = p_k - c p_{k-1}, the product's parts written out.
    const auto expand = [](const std::vector<PixelPoint>& roots) {
        std::vector<Complex> p{1.0};
        for (const PixelPoint& pixel : roots) {
            const Complex c = Root(pixel);
            p.push_back(0.0);
            for (std::size_t k = p.size() - 1; k > 0; --k) {
                const Complex q = p[k - 1];
                p[k] = {p[k].real() - (c.real() * q.real() - c.imag() * q.imag()),
                        p[k].imag() - (c.real() * q.imag() + c.imag() * q.real())};
            }
        }
        return p;
    };
    const std::vector<Complex> b = expand(zeros);
    const std::vector<Complex> a = expand(poles);
    const FilterAnalysis analysis = AnalyseDesign(zeros, poles, 8, 40);
    EXPECT_EQ(b, analysis.b);
    EXPECT_EQ(a, analysis.a);
    std::vector<Complex> y;
    for (std::size_t n = 0; n < 40; ++n) {
        Complex sum = n < b.size() ? b[n] : 0.0;
        for (std::size_t k = 1; k <= std::min(n, a.size() - 1); ++k) {
            const Complex q = y[n - k];
            sum = {sum.real() - (a[k].real() * q.real() - a[k].imag() * q.imag()),
                   sum.imag() - (a[k].real() * q.imag() + a[k].imag() * q.real())};
        }
        y.push_back(sum);
        ASSERT_EQ(analysis.gain * sum.real(), analysis.impulse[n].real()) << n;
        ASSERT_EQ(analysis.gain * sum.imag(), analysis.impulse[n].imag()) << n;
    }
}

// 300 zeros at c = 16666.67 (a pixel far off the canvas): b_n = C(300, n)
// (-c)^n reaches 1e1266 and g = 1 / max |1 - c e^-jw|^300 falls to 1e-1267,
// neither of them a double, yet h(n) = g b_n is an ordinary number near
// n = 300 and must come out right.
TEST(FilterAnalysis, AnImpulseResponseBeyondTheDoubleRangeOnBothSidesIsFinite)
{
    constexpr int kCount = 300;
    const PixelPoint far{1000130, 130};
    const double c = Root(far).real();
    const FilterAnalysis analysis =
        AnalyseDesign(std::vector<PixelPoint>(kCount, far), {}, 4, kCount + 2);
    EXPECT_EQ(0.0, analysis.gain);
    EXPECT_TRUE(std::isinf(analysis.b[kCount].real()));
    double largest = 0.0;
    for (int k = 0; k < 600; ++k) {
        largest = std::max(largest, std::abs(1.0 - c * std::polar(1.0, -k * kDesignerStep)));
    }
    int finite = 0;
    for (int n = 0; n <= kCount; ++n) {
        // log |h(n)| = log C(300, n) + n log c - 300 log max|1 - c e^-jw|
        const double logSize = std::lgamma(kCount + 1.0) - std::lgamma(n + 1.0) -
                               std::lgamma(kCount - n + 1.0) + n * std::log(c) -
                               kCount * std::log(largest);
        const double expected = (n % 2 == 0 ? 1.0 : -1.0) * std::exp(logSize);
        if (!std::isnormal(expected)) {
            continue;
        }
        ++finite;
        EXPECT_NEAR(1.0, analysis.impulse[n].real() / expected, 1e-9) << n;
    }
    EXPECT_EQ(0.0, analysis.impulse[kCount + 1].real());
    EXPECT_GT(finite, 40);
    EXPECT_NEAR(std::pow(c / (c + 1.0), kCount), analysis.impulse[kCount].real(), 1e-9);
}

// The ends of the scaled range: a value past 2^(2^28) is infinite in each
// part that is not zero, one below 2^-(2^28) a zero of its sign; neither is
// an integer overflow on the way.
TEST(ScaledArithmetic, BeyondItsOwnLimitsValuesBecomeInfiniteOrZero)
{
    const ScaledComplex top{0.75, -0.5, kScaledExponentLimit};
    const ScaledComplex overflow = Multiply(top, top);
    EXPECT_TRUE(std::isinf(overflow.re) && overflow.re > 0.0);
    EXPECT_TRUE(std::isinf(overflow.im) && overflow.im < 0.0);
    const ScaledComplex bottom{0.75, -0.5, -kScaledExponentLimit};
    const ScaledComplex underflow = Multiply(bottom, bottom);
    EXPECT_EQ(0.0, underflow.re);
    EXPECT_TRUE(std::signbit(underflow.im));
    EXPECT_EQ(Complex(INFINITY, -INFINITY), ToDouble(top));
    EXPECT_EQ(Complex(0.0, -0.0), ToDouble(bottom));
    EXPECT_TRUE(std::isnan(Subtract(overflow, overflow).re));

    // A zero's exponent says nothing: 0 - x is -x however small x is.
    const ScaledComplex tiny{0.5, 0.25, -5000};
    const ScaledComplex negated = Subtract(ScaledComplex{}, tiny);
    EXPECT_EQ(-0.5, negated.re);
    EXPECT_EQ(-0.25, negated.im);
    EXPECT_EQ(-5000, negated.exponent);
    // e^x beyond double: e^-2000 = 0.763086348361375659 * 2^-2885.
    const ScaledComplex small = ScaledExp(-2000.0);
    EXPECT_EQ(-2885, small.exponent);
    EXPECT_NEAR(0.763086348361375659, small.re, 2e-16);
}
