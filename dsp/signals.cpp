#include "dsp/signals.h"

#include <array>
#include <cmath>
#include <cstdlib>

#include "workspace/workspace.h"

namespace {

constexpr double kC1 = 0.12566370614359174;  // 2 pi / 50
constexpr double kC10 = 1.2566370614359172;  // 2 pi / 5
constexpr double kC20 = 2.5132741228718345;  // 4 pi / 5
constexpr int kCentre = kSignalLength / 2;   // the pulses sit on sample 50

// The pulses are at most as wide as the buffer: a above 1 becomes 1, and the
// workspace keeps the lowered value. +inf is lowered too; a NaN is not (it is
// not above 1) and is handled by PulseHalfWidth.
float LowerPulseParam()
{
    if (g_signalParam > 1.0f) {
        g_signalParam = 1.0f;
    }
    return g_signalParam;
}

// h = trunc(50 a), or -1 when there is no pulse at all. Once 50 a <= -1 the
// truncation is negative anyway; testing that first keeps a hugely negative
// or NaN a away from the float-to-int conversion, which would be undefined.
// After LowerPulseParam, 50 a <= 50, so the conversion is always in range.
int PulseHalfWidth(float a)
{
    const double halfWidth = 50.0 * static_cast<double>(a);
    if (!(halfWidth > -1.0)) {
        return -1;
    }
    return static_cast<int>(halfWidth);
}

}  // namespace

void GenerateCosine()
{
    const double a = g_signalParam;
    for (int n = 0; n < kSignalLength; ++n) {
        // x(n) = cos((a n) C1)
        g_inputSignal[n] = static_cast<float>(std::cos(a * n * kC1));
    }
}

void GenerateExponential()
{
    const float a = g_signalParam;
    // x(n) = a x(n-1), x(0) = a. The product of two floats is exact in double,
    // so the stored float is the correctly rounded product.
    float x = a;
    for (int n = 0; n < kSignalLength; ++n) {
        g_inputSignal[n] = x;
        x = static_cast<float>(static_cast<double>(a) * static_cast<double>(x));
    }
}

void GenerateThreeCosines()
{
    const double a = g_signalParam;
    for (int n = 0; n < kSignalLength; ++n) {
        const double t = a * n;
        // x(n) = (cos(t C1) + cos(t C10)) + cos(t C20), rounded once
        g_inputSignal[n] =
            static_cast<float>((std::cos(t * kC1) + std::cos(t * kC10)) + std::cos(t * kC20));
    }
}

void GenerateRectangularPulse()
{
    const int h = PulseHalfWidth(LowerPulseParam());
    g_inputSignal.fill(0.0f);
    // x(n) = 1 for 50 - h <= n <= 50 + h (no n at all when h = -1); with
    // h = 50 the right end n = 100 falls outside the buffer and is dropped.
    for (int n = kCentre - h; n <= kCentre + h && n < kSignalLength; ++n) {
        g_inputSignal[n] = 1.0f;
    }
}

void GenerateTriangularPulse()
{
    const float a = LowerPulseParam();
    const int h = PulseHalfWidth(a);
    g_inputSignal.fill(0.0f);
    const double span = 100.0 * static_cast<double>(a);
    for (int n = kCentre - h; n <= kCentre + h && n < kSignalLength; ++n) {
        const int distance = 2 * std::abs(n - kCentre);
        // x(n) = 1 - 2 |n - 50| / (100 a). At the peak the quotient is 0 for
        // every non-zero a; defining it as 0 also for a = 0 keeps the peak at
        // 1 instead of the 0/0 the formula would give.
        g_inputSignal[n] = distance == 0 ? 1.0f : static_cast<float>(1.0 - distance / span);
    }
}

void ClearSignal()
{
    g_inputSignal.fill(0.0f);
}

namespace {

constexpr std::array kTestSignals{
    TestSignal{"cosine", GenerateCosine},
    TestSignal{"exponential", GenerateExponential},
    TestSignal{"three-cosines", GenerateThreeCosines},
    TestSignal{"rectangular", GenerateRectangularPulse},
    TestSignal{"triangular", GenerateTriangularPulse},
    TestSignal{"none", ClearSignal},
};

}  // namespace

std::span<const TestSignal> TestSignals()
{
    return kTestSignals;
}

const TestSignal* FindTestSignal(std::string_view name)
{
    for (const TestSignal& signal : kTestSignals) {
        if (signal.name == name) {
            return &signal;
        }
    }
    return nullptr;
}
