#include "views/dft_view.h"

#include <array>

#include "views/plot_area.h"
#include "views/view_support.h"
#include "workspace/workspace.h"

namespace {
constexpr std::string_view kSignalTitle = N_("Signal u vremenskom domenu x(n):");
constexpr std::string_view kSpectrumTitle = N_("Amplitudska karakteristika | X(k) | :");
constexpr int kSignalTitleY = 5;
constexpr int kSignalBaseline = 150;
constexpr int kSpectrumTitleY = 285;
constexpr int kSpectrumBaseline = 430;
}  // namespace

void DrawDftView(Surface& surface, const ViewOptions& options)
{
    ClearPlotArea(surface);
    DrawTitle(surface, kSignalTitleY, kSignalTitle);
    DrawPlot(surface, options, kSignalTitle, g_inputSignal, kSignalBaseline, kSignalLength);

    // Always 100 bins, whatever the other parameters: the real signal's
    // spectrum is drawn whole, mirror-symmetric about k = 50.
    std::array<float, kSignalLength> magnitudes{};
    SpectrumOf(options, g_inputSignal, kSignalLength, magnitudes);
    DrawTitle(surface, kSpectrumTitleY, kSpectrumTitle);
    DrawPlot(surface, options, kSpectrumTitle, magnitudes, kSpectrumBaseline, kSignalLength);
}
