#include "dsp/lowpass.h"

#include <algorithm>
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <numbers>

#include "workspace/workspace.h"

namespace {

constexpr int kMaxOrder = kFilterTapCapacity - 1;

// n = trunc(3.3 / df + 1) - 1, i.e. floor(3.3 / df) up to the rounding of the
// addition. A narrower transition needs a longer filter; the limit is what
// the tap storage holds. df <= 0 and NaN have no order of their own and are
// treated as the narrowest transition. Testing the range before truncating
// keeps infinities and huge quotients away from the int conversion.
int FilterOrder(float df)
{
    const double quotient = 3.3 / static_cast<double>(df) + 1.0;
    if (!(df > 0.0f) || !(quotient < kMaxOrder + 2.0)) {
        return kMaxOrder;
    }
    return static_cast<int>(quotient) - 1;
}

// Taps c(0)..c(n) into g_filterTaps, the rest zero.
void DesignTaps(int order, int centre, float fg)
{
    g_filterTaps.fill(0.0f);
    for (int m = 0; m <= order; ++m) {
        if (m == centre) {
            continue;  // sin(0 fg) / (0 pi) has no value; c(h) is set below
        }
        const int k = m - centre;
        // w(m) = 0.54 - 0.46 cos(2 pi m / n)
        const double window = 0.54 - 0.46 * std::cos((m * (2 * std::numbers::pi)) / order);
        // c(m) = w(m) sin(k fg) / (k pi)
        g_filterTaps[m] = static_cast<float>(window * std::sin(k * static_cast<double>(fg)) /
                                             (k * std::numbers::pi));
    }
    // c(h) = fg / pi, the limit of sin(k fg) / (k pi) as k -> 0
    g_filterTaps[centre] = static_cast<float>(static_cast<double>(fg) * std::numbers::inv_pi);
}

}  // namespace

void LowPassFilter(std::span<const float> input, std::span<float> output, int length, float df,
                   float fg)
{
    const std::size_t inputLength = length > 0 ? static_cast<std::size_t>(length) : 0;

    // The clearing covers twice the input: callers size their buffers for it.
    std::fill_n(output.begin(), std::min(2 * inputLength, output.size()), 0.0f);

    const int order = FilterOrder(df);
    const int centre = order / 2;
    g_filterLength = 2 * centre + 1;
    DesignTaps(order, centre, fg);

    // Full linear convolution with all n + 1 taps: length + n output samples,
    // plus a trailing zero when n is even (length + 2h + 1 in both cases).
    // A negative length has no samples; length + 2h + 1 still counts the zeros.
    const std::int64_t wanted = static_cast<std::int64_t>(length) + 2 * centre + 1;
    const std::size_t produced =
        wanted > 0 ? std::min(static_cast<std::size_t>(wanted), output.size()) : 0;
    const std::size_t available = std::min(inputLength, input.size());
    const auto taps = static_cast<std::size_t>(order) + 1;
    for (std::size_t i = 0; i < produced; ++i) {
        // y(i) = sum_{j = 0}^{min(i, n)} c(j) x(i - j) in increasing j; each
        // product of two floats is exact in double, the running sum is double.
        double sum = 0.0;
        for (std::size_t j = 0; j < taps && j <= i; ++j) {
            const double x = i - j < available ? static_cast<double>(input[i - j]) : 0.0;
            sum += static_cast<double>(g_filterTaps[j]) * x;
        }
        output[i] = static_cast<float>(sum);
    }
}
