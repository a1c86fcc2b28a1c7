// The polynomials of a pole-zero design and the difference equation they
// make, over a range far beyond that of double: the coefficients of many
// roots far from the origin, and the impulse response of an unstable
// filter, leave the range of double long before they stop being useful
// once multiplied by a tiny gain.
//
// Each value carries its own power of two, as the designer's response does
// (response.h). Its parts are plain doubles, every operation on them IEEE
// double arithmetic, so the results have the same bits on every machine;
// the power of two is an integer.
#pragma once

#include <complex>
#include <span>
#include <vector>

namespace polezero {

// (re + j im) * 2^exponent, re and im sharing the exponent.
// - The larger part is kept within [2^-400, 2^400] in magnitude, or both
//   parts are zero (exponent 0): far enough from both ends of the double
//   range that a product of two such parts, or of one and a root, is
//   rounded as with an unlimited exponent range. A part more than some
//   2^1000 below the other can be lost to it, far below the other's
//   rounding.
// - The exponent stays within +-kScaledExponentLimit: a value beyond it is
//   +-inf in each non-zero part, one below it 0 (with the part's sign).
//   A value with a part that is not finite holds its parts as they are,
//   with exponent 0.
struct ScaledComplex {
    double re = 0.0;
    double im = 0.0;
    int exponent = 0;
};

inline constexpr int kScaledExponentLimit = 1 << 28;

// `value` normalised: the larger part in [0.5, 1).
ScaledComplex Scaled(std::complex<double> value);

// e^x (x real), normalised: a range far beyond that of double for the gain
// of a design whose g is no ordinary double.
ScaledComplex ScaledExp(double x);

// The product, rounded as the product of the parts in doubles with an
// unlimited exponent range would be: (ar br - ai bi) + j (ar bi + ai br).
ScaledComplex Multiply(const ScaledComplex& a, const ScaledComplex& b);

// a - b, each part rounded once after the smaller exponent is brought to
// the larger.
ScaledComplex Subtract(const ScaledComplex& a, const ScaledComplex& b);

// The nearest double of each part; beyond the range of double +-inf, below
// it a subnormal or zero.
std::complex<double> ToDouble(const ScaledComplex& value);

// P(z) = prod over roots (1 - c_i z^-1) as coefficients of z^0, z^-1, ...,
// the factors multiplied in the order given:
//   p'_k = p_k - c p_{k-1}. No roots: [1].
std::vector<ScaledComplex> ExpandRoots(std::span<const std::complex<double>> roots);

// The first `length` samples of the impulse response of B/A, by the
// difference equation (a[0] = 1):
//   y(n) = b(n) - sum_{k=1}^{min(n, P)} a(k) y(n - k),  b(n) = 0 past B,
// the terms subtracted in the order of k.
std::vector<ScaledComplex> ImpulseResponse(std::span<const ScaledComplex> b,
                                           std::span<const ScaledComplex> a, int length);

}  // namespace polezero
