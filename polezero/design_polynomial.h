// The polynomials of a pole-zero design and the difference equation they
// make. Long double throughout, for its wider range: coefficients of many
// roots far from the origin, and the impulse response of an unstable
// filter, leave the range of double long before that of long double.
#pragma once

#include <complex>
#include <span>
#include <vector>

namespace polezero {

using LongComplex = std::complex<long double>;

// P(z) = prod over roots (1 - c_i z^-1) as coefficients of z^0, z^-1, ...,
// the factors multiplied in the order given. No roots: [1].
std::vector<LongComplex> ExpandRoots(std::span<const LongComplex> roots);

// The first `length` samples of the impulse response of B/A, by the
// difference equation (a[0] = 1):
//   y(n) = b(n) - sum_{k=1}^{min(n, P)} a(k) y(n - k),  b(n) = 0 past B.
std::vector<LongComplex> ImpulseResponse(std::span<const LongComplex> b,
                                         std::span<const LongComplex> a, int length);

// The nearest double; beyond the range of double, +-inf (converting such a
// value directly is undefined behaviour).
double ToDouble(long double value);

}  // namespace polezero
