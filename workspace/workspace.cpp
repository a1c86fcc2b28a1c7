#include "workspace/workspace.h"

#include <numbers>

namespace {
// Start values, constant-initialised so that they hold before any code runs.
constexpr float kSignalParam = 0.5f;
constexpr std::int32_t kFilterLength = 10;
constexpr std::int32_t kDecimationFactor = 2;
constexpr std::int32_t kInterpolationFactor = 2;
constexpr float kTransitionWidth = 0.1f;
constexpr float kCutoff = static_cast<float>(std::numbers::pi / 2.0);  // 1.5707964
}  // namespace

float g_signalParam = kSignalParam;
std::int32_t g_filterLength = kFilterLength;
std::int32_t g_decimationFactor = kDecimationFactor;
std::int32_t g_interpolationFactor = kInterpolationFactor;
float g_transitionWidth = kTransitionWidth;
float g_cutoff = kCutoff;

std::array<float, kSignalLength> g_inputSignal;
std::array<SpectrumEntry, kSpectrumCapacity> g_spectrum;
std::array<float, kFilterTapCapacity> g_filterTaps;
std::array<float, kDownsampledCapacity> g_downsampled;
std::array<float, kUpsampledCapacity> g_upsampled;
std::array<float, kInterpolatedCapacity> g_interpolated;
std::array<float, kConvertedCapacity> g_convertedSignal;

void ResetWorkspace()
{
    g_signalParam = kSignalParam;
    g_filterLength = kFilterLength;
    g_decimationFactor = kDecimationFactor;
    g_interpolationFactor = kInterpolationFactor;
    g_transitionWidth = kTransitionWidth;
    g_cutoff = kCutoff;

    g_inputSignal.fill(0.0f);
    g_spectrum.fill(SpectrumEntry{0.0f, 0.0f});
    g_filterTaps.fill(0.0f);
    g_downsampled.fill(0.0f);
    g_upsampled.fill(0.0f);
    g_interpolated.fill(0.0f);
    g_convertedSignal.fill(0.0f);
}
