#include "views/decimation_views.h"

#include <algorithm>
#include <array>

#include "dsp/resample.h"
#include "views/plot_area.h"
#include "views/view_support.h"
#include "workspace/workspace.h"

namespace {

constexpr std::string_view kIntermediateTitle = N_("Vremenski oblik medjurezultata w(n):");
constexpr int kTimeOutputTitleY = 245;
constexpr int kTimeOutputBaseline = 400;

// w(n): x(n) filtered into g_downsampled, 100 + N samples, copied out so
// that the down-sampling can write g_downsampled again.
using Intermediate = std::array<float, kDownsampledCapacity>;

Intermediate FilterInput(const ViewOptions& options)
{
    FilterWithWorkspaceDesign(options, g_inputSignal, g_downsampled, kSignalLength);
    return g_downsampled;
}

}  // namespace

void DrawDecimationTimeView(Surface& surface, const ViewOptions& options)
{
    ClearPlotArea(surface);
    const Intermediate w = FilterInput(options);
    const int shown = kSignalLength + g_filterLength;
    DrawTitle(surface, kTopTitleY, kIntermediateTitle);
    DrawPlot(surface, options, kIntermediateTitle, w, kTopBaseline, shown);

    // Only the first 100 samples of w are decimated; y(m) is drawn on w's
    // axis, its floor(100 / M) samples followed by zeros.
    g_downsampled.fill(0.0f);
    Downsample(w, g_decimationFactor, kSignalLength);
    DrawTitle(surface, kTimeOutputTitleY, kTimeOutputTitle);
    DrawPlot(surface, options, kTimeOutputTitle, g_downsampled, kTimeOutputBaseline, shown);
}

void DrawDecimationFrequencyView(Surface& surface, const ViewOptions& options)
{
    ClearPlotArea(surface);
    const Intermediate w = FilterInput(options);
    const int m = g_decimationFactor;
    const int q = Downsample(w, m, kSignalLength, g_downsampled);

    std::array<float, kSignalLength> magnitudes{};
    SpectrumOf(options, g_inputSignal, kSignalLength, magnitudes);
    DrawTitle(surface, kTopTitleY, kInputSpectrumTitle);
    DrawPlot(surface, options, kInputSpectrumTitle, magnitudes, kTopBaseline, kSignalLength);

    SpectrumOf(options, w, kSignalLength, magnitudes);
    DrawTitle(surface, kMiddleTitleY, kIntermediateSpectrumTitle);
    DrawPlot(surface, options, kIntermediateSpectrumTitle, magnitudes, kMiddleBaseline,
             kSignalLength);

    // The q-point spectrum of y shown M times across the same 100-bin axis:
    // copy r starts at r q. The bins past M q (M not dividing 100) belong to
    // no copy and are 0, not the |W(k)| still in the array.
    magnitudes.fill(0.0f);
    SpectrumOf(options, g_downsampled, q, magnitudes);
    for (int r = 1; r < m && q > 0; ++r) {
        std::copy_n(magnitudes.begin(), q, magnitudes.begin() + r * q);
    }
    DrawTitle(surface, kBottomTitleY, kOutputSpectrumTitle);
    DrawPlot(surface, options, kOutputSpectrumTitle, magnitudes, kBottomBaseline, kSignalLength);
}
