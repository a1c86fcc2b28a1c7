#include "polezero/filter_analysis.h"

#include <algorithm>
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <limits>
#include <numbers>
#include <tuple>

#include "portable_math.h"

#include "polezero/design_polynomial.h"
#include "polezero/geometry.h"

namespace polezero {

namespace {

constexpr double kPi = std::numbers::pi;
constexpr double kNoValue = std::numeric_limits<double>::quiet_NaN();
constexpr std::int64_t kUnit = kPixelsPerUnit;
constexpr double kDbPerNeper = 20.0 / std::numbers::ln10;

// u^2 + v^2 in pixels squared: |u|, |v| <= 2^31 + 130, so each square is
// below 2^63 and their sum below 2^64.
std::uint64_t SquaredPixelRadius(PlaneOffset offset)
{
    return static_cast<std::uint64_t>(offset.u * offset.u) +
           static_cast<std::uint64_t>(offset.v * offset.v);
}

// One factor (1 - c e^-jw) of B (sign +1) or of A (sign -1), held in the form
// its value on the unit circle needs. With psi = w - arg c and
// s = sin(psi / 2):
//   |1 - c e^-jw|^2 = (r - 1)^2 + 4 r s^2
// which stays accurate for roots near the circle, where 1 - 2 r cos psi + r^2
// would cancel.
struct Factor {
    double r;          // |c|
    double rMinusOne;  // |c| - 1, from the integers
    double theta;      // arg c
    bool onCircle;     // |c| = 1 exactly
    int quarter;       // c = j^quarter when c is 1, j, -1 or -j; else -1
    double sign;
};

Factor MakeFactor(PixelPoint pixel, double sign)
{
    const PlaneOffset offset = OffsetOf(pixel);
    const std::uint64_t squared = SquaredPixelRadius(offset);
    const double n = static_cast<double>(squared);
    const double radius = std::sqrt(n);
    constexpr double unit = static_cast<double>(kUnit);
    Factor factor{};
    factor.r = radius / unit;
    // r - 1 = (sqrt(n) - 60) / 60 = (n - 3600) / (60 (sqrt(n) + 60)).
    factor.rMinusOne = (n - unit * unit) / (unit * (radius + unit));
    factor.theta = portable::Atan2(static_cast<double>(offset.v), static_cast<double>(offset.u));
    factor.onCircle = squared == static_cast<std::uint64_t>(kUnit * kUnit);
    factor.quarter = -1;
    if (factor.onCircle) {
        if (offset.v == 0) {
            factor.quarter = offset.u > 0 ? 0 : 2;
        } else if (offset.u == 0) {
            factor.quarter = offset.v > 0 ? 1 : 3;
        }
    }
    factor.sign = sign;
    return factor;
}

double SquaredDistance(const Factor& f, double s)
{
    return f.rMinusOne * f.rMinusOne + 4.0 * f.r * s * s;
}

// arg(1 - c e^-jw), continuous in w. Inside or on the circle the principal
// value is continuous already (its real part 1 - r cos psi is positive, or
// zero only at a root on the circle). Outside,
//   1 - c e^-jw = -c e^-jw (1 - e^jw / c)
// and arg(-c e^-jw) = pi - psi, while 1 - e^jw / c has a positive real part.
double ContinuousPhase(const Factor& f, double psi, double s, double sinPsi)
{
    if (f.rMinusOne <= 0.0) {
        return portable::Atan2(f.r * sinPsi, -f.rMinusOne + 2.0 * f.r * s * s);
    }
    // r (1 - e^j psi / r) = (r - 1 + 2 s^2) - j sin psi
    return kPi - psi + portable::Atan2(-sinPsi, f.rMinusOne + 2.0 * s * s);
}

// -d/dw arg(1 - c e^-jw) = (r^2 - r cos psi) / (1 - 2 r cos psi + r^2)
//                        = r (r - 1 + 2 s^2) / ((r - 1)^2 + 4 r s^2),
// exactly 1/2 for a root on the circle away from it.
double FactorDelay(const Factor& f, double s, double squaredDistance)
{
    if (f.onCircle) {
        return 0.5;
    }
    return f.r * (f.rMinusOne + 2.0 * s * s) / squaredDistance;
}

// Whether a root on the circle lies exactly on the grid point w_k = 2 pi k / N
// (decided on integers: j^q is at 2 pi k / N when 4 k = q N), or so close
// that s rounds to 0.
bool AtRoot(const Factor& f, int k, int points, double s)
{
    if (!f.onCircle) {
        return false;
    }
    if (s == 0.0) {
        return true;
    }
    return f.quarter >= 0 && std::int64_t{4} * k == std::int64_t{f.quarter} * points;
}

// log |B/A| at w (natural log); +-inf where a root lies on w.
double LogMagnitude(std::span<const Factor> factors, double w)
{
    double sum = 0.0;
    for (const Factor& f : factors) {
        const double s = portable::Sin(0.5 * (w - f.theta));
        sum += f.sign * 0.5 * portable::Log(SquaredDistance(f, s));
    }
    return sum;
}

// log g = -(largest finite log |B/A| over the designer's samples), or 0 when
// none is finite.
double LogGain(std::span<const Factor> factors)
{
    double largest = -std::numeric_limits<double>::infinity();
    for (int k = 0; k < kSampleCount; ++k) {
        const double value = LogMagnitude(factors, k * kSampleStep);
        if (std::isfinite(value)) {
            largest = std::max(largest, value);
        }
    }
    return std::isfinite(largest) ? -largest : 0.0;
}

struct GridResponse {
    std::vector<double> magnitudeDb;
    std::vector<double> phase;
    std::vector<double> groupDelay;
};

GridResponse ResponseOnGrid(std::span<const Factor> factors, double logGain, int points)
{
    const std::size_t count = static_cast<std::size_t>(points);
    GridResponse response{std::vector<double>(count), std::vector<double>(count),
                          std::vector<double>(count)};
    for (int k = 0; k < points; ++k) {
        const double w = AnalysisFrequency(k, points);
        double logMagnitude = 0.0;
        double phase = 0.0;
        double delay = 0.0;
        bool onRoot = false;
        for (const Factor& f : factors) {
            const double psi = w - f.theta;
            const double s = portable::Sin(0.5 * psi);
            const double sinPsi = 2.0 * s * portable::Cos(0.5 * psi);
            const bool atRoot = AtRoot(f, k, points, s);
            onRoot = onRoot || atRoot;
            const double squared = atRoot ? 0.0 : SquaredDistance(f, s);
            logMagnitude += f.sign * 0.5 * portable::Log(squared);
            if (!onRoot) {
                phase += f.sign * ContinuousPhase(f, psi, s, sinPsi);
                delay += f.sign * FactorDelay(f, s, squared);
            }
        }
        const std::size_t i = static_cast<std::size_t>(k);
        response.magnitudeDb[i] =
            std::isfinite(logMagnitude) ? kDbPerNeper * (logGain + logMagnitude) : kNoValue;
        response.phase[i] = onRoot ? kNoValue : phase;
        response.groupDelay[i] = onRoot ? kNoValue : delay;
    }
    // The first value into [-pi, pi]; the rest follow by the same turn count.
    const auto first = std::find_if(response.phase.begin(), response.phase.end(),
                                    [](double value) { return std::isfinite(value); });
    if (first != response.phase.end()) {
        const double turns = std::round(*first / (2.0 * kPi));
        for (double& value : response.phase) {
            value -= 2.0 * kPi * turns;
        }
    }
    return response;
}

// The pixels, as a sorted list, and their mirror images in the real axis.
bool IsConjugateSymmetric(std::span<const PixelPoint> markers)
{
    std::vector<std::tuple<std::int64_t, std::int64_t>> pixels;
    std::vector<std::tuple<std::int64_t, std::int64_t>> mirrored;
    for (const PixelPoint& p : markers) {
        pixels.emplace_back(p.x, p.y);
        mirrored.emplace_back(p.x, 2 * std::int64_t{kOriginY} - std::int64_t{p.y});
    }
    std::sort(pixels.begin(), pixels.end());
    std::sort(mirrored.begin(), mirrored.end());
    return pixels == mirrored;
}

bool SamePixel(PixelPoint first, PixelPoint second)
{
    return first.x == second.x && first.y == second.y;
}

std::complex<double> ToDoubleComplex(const ScaledComplex& value, bool real)
{
    const std::complex<double> plain = ToDouble(value);
    return {plain.real(), real ? 0.0 : plain.imag()};
}

std::vector<std::complex<double>> ToDoubleComplex(std::span<const ScaledComplex> values, bool real)
{
    std::vector<std::complex<double>> result;
    result.reserve(values.size());
    for (const ScaledComplex& value : values) {
        result.push_back(ToDoubleComplex(value, real));
    }
    return result;
}

// Each value times `scale`, rounded to double.
std::vector<std::complex<double>> ScaledToDouble(std::span<const ScaledComplex> values,
                                                 const ScaledComplex& scale, bool real)
{
    std::vector<std::complex<double>> result;
    result.reserve(values.size());
    for (const ScaledComplex& value : values) {
        result.push_back(ToDoubleComplex(Multiply(value, scale), real));
    }
    return result;
}

}  // namespace

double AnalysisFrequency(int k, int points)
{
    return 2.0 * kPi * k / points;
}

FilterAnalysis AnalyseDesign(std::span<const PixelPoint> zeros, std::span<const PixelPoint> poles,
                             int points, int impulseLength)
{
    points = std::max(points, 0);
    impulseLength = std::max(impulseLength, 0);
    FilterAnalysis result;
    for (const PixelPoint& zero : zeros) {
        result.zeros.push_back(PixelRoot(zero));
    }
    for (const PixelPoint& pole : poles) {
        result.poles.push_back(PixelRoot(pole));
    }
    result.realCoefficients = IsConjugateSymmetric(zeros) && IsConjugateSymmetric(poles);
    result.stable = std::all_of(poles.begin(), poles.end(), [](PixelPoint pole) {
        return SquaredPixelRadius(OffsetOf(pole)) < static_cast<std::uint64_t>(kUnit * kUnit);
    });

    // A zero and a pole at one pixel cancel; what is left makes the response.
    std::vector<bool> zeroCancelled(zeros.size(), false);
    std::vector<bool> poleCancelled(poles.size(), false);
    for (std::size_t p = 0; p < poles.size(); ++p) {
        for (std::size_t z = 0; z < zeros.size(); ++z) {
            if (!zeroCancelled[z] && SamePixel(zeros[z], poles[p])) {
                zeroCancelled[z] = poleCancelled[p] = true;
                break;
            }
        }
    }
    std::vector<Factor> factors;
    std::vector<std::complex<double>> keptZeros, keptPoles;
    for (std::size_t z = 0; z < zeros.size(); ++z) {
        if (!zeroCancelled[z]) {
            factors.push_back(MakeFactor(zeros[z], 1.0));
            keptZeros.push_back(result.zeros[z]);
        }
    }
    for (std::size_t p = 0; p < poles.size(); ++p) {
        if (!poleCancelled[p]) {
            factors.push_back(MakeFactor(poles[p], -1.0));
            keptPoles.push_back(result.poles[p]);
        }
    }

    const bool real = result.realCoefficients;
    const std::vector<ScaledComplex> b = ExpandRoots(result.zeros);
    const std::vector<ScaledComplex> a = ExpandRoots(result.poles);
    result.b = ToDoubleComplex(b, real);
    result.a = ToDoubleComplex(a, real);

    const double logGain = LogGain(factors);
    result.gain = portable::Exp(logGain);
    GridResponse response = ResponseOnGrid(factors, logGain, points);
    result.magnitudeDb = std::move(response.magnitudeDb);
    result.phase = std::move(response.phase);
    result.groupDelay = std::move(response.groupDelay);

    // Without a cancelled pair the polynomials are those of b and a.
    const bool allKept = keptZeros.size() == zeros.size() && keptPoles.size() == poles.size();
    const std::vector<ScaledComplex> impulse =
        allKept ? ImpulseResponse(b, a, impulseLength)
                : ImpulseResponse(ExpandRoots(keptZeros), ExpandRoots(keptPoles), impulseLength);
    // g itself when it is an ordinary double, so that h(0) = g exactly for a
    // filter with b(0) = 1; e^log g with its own exponent when it is not.
    const ScaledComplex scale =
        std::isnormal(result.gain) ? Scaled(result.gain) : ScaledExp(logGain);
    result.impulse = ScaledToDouble(impulse, scale, real);
    return result;
}

}  // namespace polezero
