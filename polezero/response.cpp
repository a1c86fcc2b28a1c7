#include "polezero/response.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace polezero {

namespace {

// Between markers a mantissa stays within [2^-512, 2^512]. A factor is a
// pixel distance, at most 223 and, when not 0, at least 1.2e-8
// (no pixel lies nearer to a sample point), so the next product or quotient
// stays far inside the normal doubles and rounds as it would at any
// exponent.
constexpr double kLargestKept = 0x1p512;
constexpr double kSmallestKept = 0x1p-512;

// Brings a finite non-zero mantissa back to [0.5, 1), moving its power of
// two into the exponent: exact.
void Renormalise(double& mantissa, int& exponent)
{
    if (mantissa == 0.0 || !std::isfinite(mantissa)) {
        return;
    }
    int shift = 0;
    mantissa = std::frexp(mantissa, &shift);
    exponent += shift;
}

// The distances from (u, v) to every P_k: a loop without branches that the
// compiler computes two or more samples at a time. The table and the
// distances never overlap; the restrict-qualified parameters say so, so that
// no run-time check is needed.
void ComputeDistances(double* __restrict distance, const double* __restrict pu,
                      const double* __restrict pv, double u, double v)
{
    for (std::size_t k = 0; k < kSampleCount; ++k) {
        const double dx = pu[k] - u;
        const double dy = pv[k] - v;
        distance[k] = std::sqrt(dx * dx + dy * dy);
    }
}

// mantissa[k] times (a zero) or over (a pole) distance[k], for all k, two
// or more samples at a time.
template <bool zero>
void ApplyFactor(double* __restrict mantissa, const double* __restrict distance)
{
    for (std::size_t k = 0; k < kSampleCount; ++k) {
        mantissa[k] = zero ? mantissa[k] * distance[k] : mantissa[k] / distance[k];
    }
}

// Whether a is above b, for b never NaN; both normalised and not negative.
bool Above(ScaledValue a, ScaledValue b)
{
    if (!(a.mantissa > 0.0) || std::isinf(b.mantissa)) {
        return false;
    }
    if (std::isinf(a.mantissa) || b.mantissa == 0.0) {
        return true;
    }
    return a.exponent > b.exponent || (a.exponent == b.exponent && a.mantissa > b.mantissa);
}

}  // namespace

Response EmptyResponse()
{
    Response response;
    response.mantissa.fill(1.0);
    response.exponent.fill(0);
    return response;
}

void ApplyMarker(Response& response, int x, int y, bool zero)
{
    ApplyDistances(response, DistancesFrom(x, y), zero);
}

Distances DistancesFrom(int x, int y)
{
    const SampleOffsets& points = SamplePoints();
    Distances distances;
    ComputeDistances(distances.data(), points.u.data(), points.v.data(), x - kOriginX,
                     kOriginY - y);
    return distances;
}

void ApplyDistances(Response& response, const Distances& distances, bool zero)
{
    if (zero) {
        ApplyFactor<true>(response.mantissa.data(), distances.data());
    } else {
        ApplyFactor<false>(response.mantissa.data(), distances.data());
    }
    // The rare renormalisation (some 50 markers apart at the most) after, in
    // a plain loop.
    for (std::size_t k = 0; k < kSampleCount; ++k) {
        const double size = std::fabs(response.mantissa[k]);
        if (!(size >= kSmallestKept && size <= kLargestKept)) {
            Renormalise(response.mantissa[k], response.exponent[k]);
        }
    }
}

ScaledValue SampleValue(const Response& response, int k)
{
    const std::size_t i = static_cast<std::size_t>(k);
    ScaledValue value{response.mantissa[i], response.exponent[i]};
    if (value.mantissa == 0.0 || !std::isfinite(value.mantissa)) {
        value.exponent = 0;
        return value;
    }
    int shift = 0;
    value.mantissa = std::frexp(value.mantissa, &shift);
    value.exponent += shift;
    return value;
}

double StoredValue(const Response& response, int k)
{
    const ScaledValue value = SampleValue(response, k);
    return std::ldexp(value.mantissa, value.exponent);
}

bool FitsDouble(ScaledValue value)
{
    if (value.mantissa == 0.0) {
        return true;
    }
    // m in [0.5, 1): m 2^e is a normal double for e in [-1021, 1024].
    return std::isfinite(value.mantissa) &&
           value.exponent >= std::numeric_limits<double>::min_exponent &&
           value.exponent <= std::numeric_limits<double>::max_exponent;
}

ScaledValue FindResponsePeak(const Response& response, int& peakIndex)
{
    ScaledValue peak;
    for (int k = 0; k < kSampleCount; ++k) {
        const ScaledValue value = SampleValue(response, k);
        if (Above(value, peak)) {
            peak = value;
            peakIndex = k;
        }
    }
    return peak;
}

std::array<double, kSampleCount> NormaliseResponse(const Response& response, ScaledValue peak)
{
    std::array<double, kSampleCount> normalised{};
    for (int k = 0; k < kSampleCount; ++k) {
        const ScaledValue value = SampleValue(response, k);
        double& n = normalised[static_cast<std::size_t>(k)];
        if (std::isinf(peak.mantissa)) {
            n = std::isinf(value.mantissa) ? 1.0 : 0.0;
        } else if (peak.mantissa > 0.0 && !std::isnan(value.mantissa)) {
            // Both mantissas lie in [0.5, 1) (or the sample is 0): one
            // rounding, then an exact power of two unless the result is
            // below the normal doubles. The exponents differ by far less
            // than int can hold (some 30 per marker).
            n = std::ldexp(value.mantissa / peak.mantissa, value.exponent - peak.exponent);
        }
    }
    return normalised;
}

}  // namespace polezero
