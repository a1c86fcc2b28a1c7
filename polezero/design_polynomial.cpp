#include "polezero/design_polynomial.h"

#include <algorithm>
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <limits>
#include <numbers>

#include "portable_math.h"

namespace polezero {

namespace {

constexpr double kInfinity = std::numeric_limits<double>::infinity();
constexpr double kLargestKept = 0x1p400;
constexpr double kSmallestKept = 0x1p-400;

// ln 2 in two pieces: the first has 33 significant bits, so n times it is
// exact for |n| < 2^20, and the second is the rest, rounded.
constexpr double kLn2High = 0x1.62e42feep-1;
constexpr double kLn2Low = 0x1.a39ef35793c76p-33;

// The parts of (re + j im) * 2^exponent brought to a larger part in
// [0.5, 1), or to the limits' infinity or zero. `exponent` is wide enough
// for the sum of two limits and a shift.
ScaledComplex Normalise(double re, double im, long long exponent)
{
    if (!std::isfinite(re) || !std::isfinite(im)) {
        // The value has left even this range: its parts as plain doubles.
        const int shift = static_cast<int>(std::clamp<long long>(exponent, -4096, 4096));
        return {std::ldexp(re, shift), std::ldexp(im, shift), 0};
    }
    const double larger = std::max(std::fabs(re), std::fabs(im));
    if (larger == 0.0) {
        return {re, im, 0};
    }
    int shift = 0;
    std::frexp(larger, &shift);
    exponent += shift;
    if (exponent > kScaledExponentLimit) {
        return {re == 0.0 ? re : std::copysign(kInfinity, re),
                im == 0.0 ? im : std::copysign(kInfinity, im), 0};
    }
    if (exponent < -kScaledExponentLimit) {
        return {std::copysign(0.0, re), std::copysign(0.0, im), 0};
    }
    return {std::ldexp(re, -shift), std::ldexp(im, -shift), static_cast<int>(exponent)};
}

// The value as it is when its larger part lies within the kept range and
// its exponent within the limits (nearly always); normalised otherwise.
ScaledComplex Kept(double re, double im, long long exponent)
{
    const double larger = std::max(std::fabs(re), std::fabs(im));
    const bool inRange = larger >= kSmallestKept && larger <= kLargestKept;
    if (inRange && exponent >= -kScaledExponentLimit && exponent <= kScaledExponentLimit) {
        return {re, im, static_cast<int>(exponent)};
    }
    return Normalise(re, im, exponent);
}

// part * 2^-drop for drop >= 0: one multiplication by an exact power of two
// while that is a normal double (the same single rounding as std::ldexp
// where the result falls among the subnormals), std::ldexp beyond.
double Lowered(double part, long long drop)
{
    if (drop == 0) {
        return part;
    }
    if (drop <= 1022) {
        // 2^-drop from its bits (the WebAssembly C++ library has no
        // std::bit_cast).
        const auto bits = static_cast<std::uint64_t>(1023 - drop) << 52;
        double factor = 0.0;
        std::memcpy(&factor, &bits, sizeof factor);
        return part * factor;
    }
    return std::ldexp(part, -static_cast<int>(std::min<long long>(drop, 4096)));
}

bool IsZero(const ScaledComplex& value)
{
    return value.re == 0.0 && value.im == 0.0;
}

}  // namespace

ScaledComplex Scaled(std::complex<double> value)
{
    return Normalise(value.real(), value.imag(), 0);
}

ScaledComplex ScaledExp(double x)
{
    if (std::isnan(x)) {
        return {x, 0.0, 0};
    }
    // e^x = 2^n e^r with n the nearest whole number to x / ln 2 and
    // |r| <= ln 2 / 2. Beyond +-2^27 the value is far past the limits.
    constexpr double kFarthest = 0x1p27;
    const double turns = std::clamp(std::nearbyint(x / std::numbers::ln2), -kFarthest, kFarthest);
    const double r = (x - turns * kLn2High) - turns * kLn2Low;
    return Normalise(portable::Exp(r), 0.0, static_cast<long long>(turns));
}

ScaledComplex Multiply(const ScaledComplex& a, const ScaledComplex& b)
{
    return Kept(a.re * b.re - a.im * b.im, a.re * b.im + a.im * b.re,
                static_cast<long long>(a.exponent) + b.exponent);
}

ScaledComplex Subtract(const ScaledComplex& a, const ScaledComplex& b)
{
    // A zero's exponent says nothing about its size: the other's is taken.
    if (a.exponent == b.exponent || IsZero(a)) {
        return Kept(a.re - b.re, a.im - b.im, b.exponent);
    }
    if (IsZero(b)) {
        return Kept(a.re - b.re, a.im - b.im, a.exponent);
    }
    const int to = std::max(a.exponent, b.exponent);
    const long long aDrop = static_cast<long long>(to) - a.exponent;
    const long long bDrop = static_cast<long long>(to) - b.exponent;
    return Kept(Lowered(a.re, aDrop) - Lowered(b.re, bDrop),
                Lowered(a.im, aDrop) - Lowered(b.im, bDrop), to);
}

std::complex<double> ToDouble(const ScaledComplex& value)
{
    // An exponent within the limits moves a part at most 2^28 binary
    // places: std::ldexp overflows to +-inf and underflows to a correctly
    // rounded subnormal or zero.
    return {std::ldexp(value.re, value.exponent), std::ldexp(value.im, value.exponent)};
}

std::vector<ScaledComplex> ExpandRoots(std::span<const std::complex<double>> roots)
{
    std::vector<ScaledComplex> poly{Scaled(1.0)};
    poly.reserve(roots.size() + 1);
    for (const std::complex<double>& root : roots) {
        // (p_0 + p_1 z^-1 + ...)(1 - c z^-1): p'_k = p_k - c p_{k-1}. A
        // root is a pixel's offset over 60, below 2^26: kept as it is, its
        // exponent 0 is nearly always that of the coefficients.
        const ScaledComplex c = Kept(root.real(), root.imag(), 0);
        poly.emplace_back();
        for (std::size_t k = poly.size() - 1; k > 0; --k) {
            poly[k] = Subtract(poly[k], Multiply(c, poly[k - 1]));
        }
    }
    return poly;
}

std::vector<ScaledComplex> ImpulseResponse(std::span<const ScaledComplex> b,
                                           std::span<const ScaledComplex> a, int length)
{
    const std::size_t count = static_cast<std::size_t>(std::max(length, 0));
    std::vector<ScaledComplex> y(count);
    for (std::size_t n = 0; n < count; ++n) {
        ScaledComplex sum = n < b.size() ? b[n] : ScaledComplex{};
        const std::size_t last = std::min(n, a.size() == 0 ? 0 : a.size() - 1);
        for (std::size_t k = 1; k <= last; ++k) {
            sum = Subtract(sum, Multiply(a[k], y[n - k]));
        }
        y[n] = sum;
    }
    return y;
}

}  // namespace polezero
