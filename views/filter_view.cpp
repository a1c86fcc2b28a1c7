#include "views/filter_view.h"

#include <array>

#include "app/workspace.h"
#include "views/plot_area.h"
#include "views/view_support.h"

namespace {
constexpr std::string_view kInputTitle = "Amplitudska karakteristika ulaznog signala | X(k) | :";
constexpr std::string_view kFilterTitle = "Spektar impulsnog odziva filtra | H(k) | :";
constexpr std::string_view kOutputTitle = "Amplitudska karakteristika izlaznog signala | Y(k) | :";
constexpr int kInputTitleY = 5;
constexpr int kInputBaseline = 150;
constexpr int kFilterTitleY = 175;
constexpr int kFilterBaseline = 320;
constexpr int kOutputTitleY = 345;
constexpr int kOutputBaseline = 490;
}  // namespace

void DrawFilterSpectrumView(Surface& surface, const ViewOptions& options)
{
    ClearPlotArea(surface);
    // One scratch array serves all three plots; each transform overwrites it.
    std::array<float, kSignalLength> magnitudes{};

    SpectrumOf(options, g_inputSignal, kSignalLength, magnitudes);
    DrawTitle(surface, kInputTitleY, kInputTitle);
    DrawPlot(surface, options, kInputTitle, magnitudes, kInputBaseline, kSignalLength);

    FilterWithWorkspaceDesign(options, g_inputSignal, g_downsampled, kSignalLength);
    // The taps c(0)..c(n) followed by zeros: the design clears all 100.
    SpectrumOf(options, g_filterTaps, kSignalLength, magnitudes);
    DrawTitle(surface, kFilterTitleY, kFilterTitle);
    DrawPlot(surface, options, kFilterTitle, magnitudes, kFilterBaseline, kSignalLength);

    // The spectrum of the filtered time signal cut to 100 samples, not
    // X(k) H(k): the tail the filter's delay pushes past sample 99 is lost.
    SpectrumOf(options, g_downsampled, kSignalLength, magnitudes);
    DrawTitle(surface, kOutputTitleY, kOutputTitle);
    DrawPlot(surface, options, kOutputTitle, magnitudes, kOutputBaseline, kSignalLength);
}
