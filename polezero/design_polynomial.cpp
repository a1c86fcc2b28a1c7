#include "polezero/design_polynomial.h"

#include <algorithm>
#include <cmath>
#include <cstddef>
#include <limits>

namespace polezero {

std::vector<LongComplex> ExpandRoots(std::span<const LongComplex> roots)
{
    std::vector<LongComplex> poly{1.0L};
    poly.reserve(roots.size() + 1);
    for (const LongComplex& root : roots) {
        // (p_0 + p_1 z^-1 + ...)(1 - c z^-1): p'_k = p_k - c p_{k-1}.
        poly.push_back(0.0L);
        for (std::size_t k = poly.size() - 1; k > 0; --k) {
            poly[k] -= root * poly[k - 1];
        }
    }
    return poly;
}

std::vector<LongComplex> ImpulseResponse(std::span<const LongComplex> b,
                                         std::span<const LongComplex> a, int length)
{
    const std::size_t count = static_cast<std::size_t>(std::max(length, 0));
    std::vector<LongComplex> y(count);
    for (std::size_t n = 0; n < count; ++n) {
        // The products written out: std::complex's operator* recovers
        // infinities as C's Annex G asks, at many times the cost, and an
        // infinite sample here is reported as "no value" anyway.
        long double re = n < b.size() ? b[n].real() : 0.0L;
        long double im = n < b.size() ? b[n].imag() : 0.0L;
        const std::size_t last = std::min(n, a.size() == 0 ? 0 : a.size() - 1);
        for (std::size_t k = 1; k <= last; ++k) {
            const LongComplex& ak = a[k];
            const LongComplex& past = y[n - k];
            re -= ak.real() * past.real() - ak.imag() * past.imag();
            im -= ak.real() * past.imag() + ak.imag() * past.real();
        }
        y[n] = LongComplex(re, im);
    }
    return y;
}

double ToDouble(long double value)
{
    constexpr long double kLargest = std::numeric_limits<double>::max();
    if (std::isnan(value)) {
        return std::numeric_limits<double>::quiet_NaN();
    }
    if (std::fabs(value) > kLargest) {
        constexpr double kInfinity = std::numeric_limits<double>::infinity();
        return value > 0 ? kInfinity : -kInfinity;
    }
    return static_cast<double>(value);
}

}  // namespace polezero
