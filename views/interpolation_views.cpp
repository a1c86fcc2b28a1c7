#include "views/interpolation_views.h"

#include <algorithm>
#include <array>
#include <span>

#include "dsp/resample.h"
#include "views/plot_area.h"
#include "views/view_support.h"
#include "workspace/workspace.h"

namespace {

constexpr std::string_view kIntermediateTitle = N_("Vremenski oblik medjurezultata w(m):");
// This title has no blank before its colon, unlike the others.
constexpr std::string_view kInputSpectrumTitleNoBlank =
    N_("Amplitudska karakteristika ulaznog signala | X(k) |:");

constexpr int kTimeOutputTitleY = 245;
constexpr int kTimeOutputBaseline = 420;

}  // namespace

void DrawInterpolationTimeView(Surface& surface, const ViewOptions& options)
{
    ClearPlotArea(surface);
    const int length = kSignalLength * ResamplingFactor(g_interpolationFactor);
    Upsample(g_inputSignal, ResamplingFactor(g_interpolationFactor));
    DrawTitle(surface, kTopTitleY, kIntermediateTitle);
    FilterWithWorkspaceDesign(options, g_upsampled, g_interpolated, length);
    const int shown = length + g_filterLength;

    // w(m) is the first 100 L entries; the plot draws everything after them
    // as zeros, so neither the end of g_upsampled (L = 15) nor what Upsample
    // leaves at entry 0 for L = 0 is ever shown as a sample of w.
    const std::span<const float> w = std::span<const float>(g_upsampled).first(length);
    DrawPlot(surface, options, kIntermediateTitle, w, kTopBaseline, shown);
    DrawTitle(surface, kTimeOutputTitleY, kTimeOutputTitle);
    DrawPlot(surface, options, kTimeOutputTitle, g_interpolated, kTimeOutputBaseline, shown);
}

void DrawInterpolationFrequencyView(Surface& surface, const ViewOptions& options)
{
    ClearPlotArea(surface);
    const int factor = ResamplingFactor(g_interpolationFactor);
    const int bins = kSignalLength * factor;
    std::array<float, kUpsampledCapacity> magnitudes{};

    // The spectrum of a zero-inserted signal is X(k mod 100): the 100-point
    // spectrum of x repeated L times is what W(k) should look like.
    SpectrumOf(options, g_inputSignal, kSignalLength, magnitudes);
    for (int r = 1; r < factor; ++r) {
        std::copy_n(magnitudes.begin(), kSignalLength, magnitudes.begin() + r * kSignalLength);
    }
    DrawTitle(surface, kTopTitleY, kInputSpectrumTitleNoBlank);
    DrawPlot(surface, options, kInputSpectrumTitleNoBlank, magnitudes, kTopBaseline, bins);

    Upsample(g_inputSignal, factor);
    SpectrumOf(options, g_upsampled, bins, magnitudes);
    DrawTitle(surface, kMiddleTitleY, kIntermediateSpectrumTitle);
    DrawPlot(surface, options, kIntermediateSpectrumTitle, magnitudes, kMiddleBaseline, bins);

    // The filter's tail of N samples past 100 L is not transformed.
    FilterWithWorkspaceDesign(options, g_upsampled, g_interpolated, bins);
    SpectrumOf(options, g_interpolated, bins, magnitudes);
    DrawTitle(surface, kBottomTitleY, kOutputSpectrumTitle);
    DrawPlot(surface, options, kOutputSpectrumTitle, magnitudes, kBottomBaseline, bins);
}
