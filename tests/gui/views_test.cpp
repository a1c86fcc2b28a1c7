// The analysis commands of the main window: each draws, on the plot area's
// raster, exactly the picture the core view draws for the same workspace.
#include <string>
#include <vector>

#include "app/command_ids.h"
#include "app/plot_window.h"
#include "dsp/signals.h"
#include "tests/gui/gui_support.h"
#include "tests/support/test_tools.h"
#include "views/conversion_views.h"
#include "views/decimation_views.h"
#include "views/dft_view.h"
#include "views/filter_view.h"
#include "views/interpolation_views.h"
#include "views/plot_area.h"
#include "workspace/workspace.h"

namespace {

struct AnalysisCommand {
    int id;
    void (*view)(Surface&, const ViewOptions&);
};

const std::vector<AnalysisCommand> kAnalyses = {
    {cmd::kDft, DrawDftView},
    {cmd::kFilterSpectrum, DrawFilterSpectrumView},
    {cmd::kDecimationTime, DrawDecimationTimeView},
    {cmd::kDecimationFrequency, DrawDecimationFrequencyView},
    {cmd::kInterpolationTime, DrawInterpolationTimeView},
    {cmd::kInterpolationFrequency, DrawInterpolationFrequencyView},
    {cmd::kConversionTime, DrawConversionTimeView},
    {cmd::kConversionFrequency, DrawConversionFrequencyView},
};

// The workspace the signal dialog would leave, with factors that make the
// pictures differ from the defaults.
void PrepareWorkspace()
{
    ResetWorkspace();
    g_signalParam = 0.7f;
    GenerateThreeCosines();
    g_decimationFactor = 3;
    g_interpolationFactor = 3;
}

// Pixels of the plot area where the two rasters differ.
int Differences(const Raster& shown, const Raster& expected)
{
    int count = 0;
    for (int y = 0; y < kPlotAreaHeight; ++y)
        for (int x = 0; x < kPlotAreaWidth; ++x)
            count += shown.Pixel(x, y) == expected.Pixel(x, y) ? 0 : 1;
    return count;
}

Raster CorePicture(const AnalysisCommand& analysis, const Raster& like)
{
    Raster expected(like.Width(), like.Height(), kBackground);
    Surface surface(expected, TestFont());
    analysis.view(surface, {});
    return expected;
}

}  // namespace

TEST(Views, EachAnalysisCommandDrawsTheCorePictureOnThePlotArea)
{
    Raster& picture = Frame().PlotWindow()->Picture();
    ASSERT_GE(picture.Width(), kPlotAreaWidth);
    ASSERT_GE(picture.Height(), kPlotAreaHeight);
    for (const AnalysisCommand& analysis : kAnalyses) {
        SCOPED_TRACE(analysis.id);
        PrepareWorkspace();
        // Whatever was there before: the command clears its area itself and
        // leaves everything outside it alone.
        picture.Fill(0, 0, picture.Width(), picture.Height(), kBlack);
        WithoutDialogs([&] { Command(analysis.id); });
        Pump();

        PrepareWorkspace();
        const Raster expected = CorePicture(analysis, picture);
        EXPECT_EQ(0, Differences(picture, expected));
        EXPECT_EQ(kBlack, picture.Pixel(0, kPlotAreaHeight));
        if (picture.Contains(kPlotAreaWidth, 0)) {
            EXPECT_EQ(kBlack, picture.Pixel(kPlotAreaWidth, 0));
        }
    }
}

TEST(Views, ANarrowerPictureAfterAWideOneLeavesNoStaleStems)
{
    Raster& picture = Frame().PlotWindow()->Picture();
    PrepareWorkspace();
    g_interpolationFactor = 15;
    g_transitionWidth = 0.035f;
    WithoutDialogs([] { Command(cmd::kInterpolationTime); });
    // The wide plot reaches past x = 1600.
    EXPECT_FALSE(picture.Pixel(60 + 1590, 150) == kBackground);

    WithoutDialogs([] { Command(cmd::kDecimationTime); });
    Pump();
    const Raster expected = CorePicture({cmd::kDecimationTime, DrawDecimationTimeView}, picture);
    EXPECT_EQ(0, Differences(picture, expected));
}
