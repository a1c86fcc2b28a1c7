#include "polezero/response.h"

#include <cmath>

#include "polezero/geometry.h"

namespace polezero {

void ApplyMarker(int x, int y, bool zero)
{
    const double u = x - kOriginX;
    const double v = kOriginY - y;
    for (int k = 0; k < kResponseLength; ++k) {
        const double w = k * kSampleStep;
        const double dx = kPixelsPerUnit * std::cos(w) - u;
        const double dy = kPixelsPerUnit * std::sin(w) - v;
        const double d = std::sqrt(dx * dx + dy * dy);
        double& value = g_response[static_cast<std::size_t>(k)];
        value = zero ? value * d : value / d;
    }
}

void ResetResponse()
{
    g_response.fill(1.0);
}

double FindResponsePeak(std::span<const double, kResponseLength> values)
{
    double m = 0.0;
    for (int i = 0; i < kResponseLength; ++i) {
        const double value = values[static_cast<std::size_t>(i)];
        if (value > m) {
            m = value;
            g_responsePeakIndex = i;
        }
    }
    return m;
}

std::array<double, kResponseLength> NormaliseResponse(
    std::span<const double, kResponseLength> values, double peak)
{
    std::array<double, kResponseLength> normalised{};
    for (std::size_t k = 0; k < normalised.size(); ++k) {
        const double value = values[k];
        if (std::isinf(peak)) {
            normalised[k] = value == peak ? 1.0 : 0.0;
        } else if (peak > 0.0 && !std::isnan(value)) {
            normalised[k] = value / peak;
        }
    }
    return normalised;
}

}  // namespace polezero
