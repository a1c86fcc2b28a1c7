#include "views/conversion_views.h"

#include <algorithm>
#include <array>

#include "dsp/resample.h"
#include "views/plot_area.h"
#include "views/view_support.h"
#include "workspace/workspace.h"

namespace {

constexpr std::string_view kInputTitle = N_("Vremenski oblik ulaznog signala x(n):");
constexpr std::string_view kConverterIntermediateTitle =
    N_("Amplitudska karakteristika medjurezultata:");
// The filtered and the converted spectrum share one title.
constexpr std::string_view kConverterOutputTitle =
    N_("Amplitudska karakteristika izlaznog signala:");

constexpr int kTimeOutputTitleY = 280;
constexpr int kTimeOutputBaseline = 420;

// floor(100 L / M): how many converted samples the views show; none for M <= 0.
int ConvertedCount(int length, int factor)
{
    return factor > 0 ? length / factor : 0;
}

}  // namespace

void DrawConversionTimeView(Surface& surface, const ViewOptions& options)
{
    ClearPlotArea(surface);
    const int up = ResamplingFactor(g_interpolationFactor);
    const int down = g_decimationFactor;
    const int length = kSignalLength * up;
    Upsample(g_inputSignal, up);
    DrawTitle(surface, kTopTitleY, kInputTitle);
    DrawPlot(surface, options, kInputTitle, g_inputSignal, kTopBaseline, kSignalLength);

    // The whole filtered signal, tail included, is decimated; only the first
    // floor(100 L / M) samples are drawn, all of which Downsample wrote.
    FilterWithWorkspaceDesign(options, g_upsampled, g_interpolated, length);
    Downsample(g_interpolated, down, length + g_filterLength, g_convertedSignal);
    DrawTitle(surface, kTimeOutputTitleY, kTimeOutputTitle);
    DrawPlot(surface, options, kTimeOutputTitle, g_convertedSignal, kTimeOutputBaseline,
             ConvertedCount(length, down));
}

void DrawConversionFrequencyView(Surface& surface, const ViewOptions& options)
{
    ClearPlotArea(surface);
    const int up = ResamplingFactor(g_interpolationFactor);
    const int down = g_decimationFactor;
    const int bins = kSignalLength * up;
    std::array<float, kUpsampledCapacity> magnitudes{};

    Upsample(g_inputSignal, up);
    SpectrumOf(options, g_upsampled, bins, magnitudes);
    DrawTitle(surface, kTopTitleY, kConverterIntermediateTitle);
    DrawPlot(surface, options, kConverterIntermediateTitle, magnitudes, kTopBaseline, bins);

    FilterWithWorkspaceDesign(options, g_upsampled, g_interpolated, bins);
    SpectrumOf(options, g_interpolated, bins, magnitudes);
    DrawTitle(surface, kMiddleTitleY, kConverterOutputTitle);
    DrawPlot(surface, options, kConverterOutputTitle, magnitudes, kMiddleBaseline, bins);

    // Copy r starts at floor(r 100 L / M), not at r q: when M does not
    // divide 100 L the copies spread over the whole axis (L = 2, M = 3
    // starts them at 0, 66 and 133), and the bins left between them are 0,
    // not the |V(k)| still in the array.
    const int q = ConvertedCount(bins, down);
    Downsample(g_interpolated, down, bins, g_convertedSignal);
    magnitudes.fill(0.0f);
    SpectrumOf(options, g_convertedSignal, q, magnitudes);
    for (int r = 1; r < down && q > 0; ++r) {
        const int start = static_cast<int>((static_cast<long long>(r) * bins) / down);
        const int copied = std::min(q, bins - start);
        std::copy_n(magnitudes.begin(), copied, magnitudes.begin() + start);
    }
    DrawTitle(surface, kBottomTitleY, kConverterOutputTitle);
    DrawPlot(surface, options, kConverterOutputTitle, magnitudes, kBottomBaseline, bins);
}
