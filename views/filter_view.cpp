#include "views/filter_view.h"

#include <array>

#include "views/plot_area.h"
#include "views/view_support.h"
#include "workspace/workspace.h"

namespace {
constexpr std::string_view kFilterTitle = N_("Spektar impulsnog odziva filtra | H(k) | :");
}  // namespace

void DrawFilterSpectrumView(Surface& surface, const ViewOptions& options)
{
    ClearPlotArea(surface);
    // One scratch array serves all three plots; each transform overwrites it.
    std::array<float, kSignalLength> magnitudes{};

    SpectrumOf(options, g_inputSignal, kSignalLength, magnitudes);
    DrawTitle(surface, kTopTitleY, kInputSpectrumTitle);
    DrawPlot(surface, options, kInputSpectrumTitle, magnitudes, kTopBaseline, kSignalLength);

    FilterWithWorkspaceDesign(options, g_inputSignal, g_downsampled, kSignalLength);
    // The taps c(0)..c(n) followed by zeros: the design clears all 100.
    SpectrumOf(options, g_filterTaps, kSignalLength, magnitudes);
    DrawTitle(surface, kMiddleTitleY, kFilterTitle);
    DrawPlot(surface, options, kFilterTitle, magnitudes, kMiddleBaseline, kSignalLength);

    // The spectrum of the filtered time signal cut to 100 samples, not
    // X(k) H(k): the tail the filter's delay pushes past sample 99 is lost.
    SpectrumOf(options, g_downsampled, kSignalLength, magnitudes);
    DrawTitle(surface, kBottomTitleY, kOutputSpectrumTitle);
    DrawPlot(surface, options, kOutputSpectrumTitle, magnitudes, kBottomBaseline, kSignalLength);
}
