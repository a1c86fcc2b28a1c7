// The analysis views: titles and baselines, the numbers their plots show,
// and the cases the menu's parameters can reach (M = 0, L = 0, L = 15, ...).
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <functional>
#include <numbers>
#include <string>
#include <vector>

#include "dsp/dft.h"
#include "dsp/signals.h"
#include "tests/support/test_tools.h"
#include "tests/views/plot_checks.h"
#include "views/analysis_views.h"
#include "views/conversion_views.h"
#include "views/decimation_views.h"
#include "views/dft_view.h"
#include "views/filter_view.h"
#include "views/interpolation_views.h"
#include "views/plot_area.h"
#include "workspace/workspace.h"

namespace {

class Views : public ::testing::Test {
protected:
    void SetUp() override
    {
        ResetWorkspace();
        GenerateThreeCosines();  // what the signal dialog shows first, a = 0.5
    }

    // Draws on a fresh plot-area-sized raster and returns what was plotted.
    ViewRecord Draw(AnalysisViewFunction view)
    {
        ViewRecord record;
        Surface surface(m_picture, TestFont());
        view(surface, ViewOptions{&record});
        return record;
    }

    static void Tone(int cycles)
    {
        for (int n = 0; n < kSignalLength; ++n) {
            g_inputSignal[n] =
                static_cast<float>(std::cos(2 * std::numbers::pi * cycles * n / 100.0));
        }
    }

    Raster m_picture{kPlotAreaWidth, kPlotAreaHeight + 100, kBackground};
};

std::vector<float> Values(const ViewRecord& record, std::size_t plot)
{
    return plot < record.plots.size() ? record.plots[plot].values : std::vector<float>{};
}

// Bins whose magnitude exceeds `above`.
std::vector<int> Peaks(const std::vector<float>& magnitudes, float above)
{
    std::vector<int> bins;
    for (std::size_t k = 0; k < magnitudes.size(); ++k) {
        if (magnitudes[k] > above) {
            bins.push_back(static_cast<int>(k));
        }
    }
    return bins;
}

bool AllZero(const std::vector<float>& values)
{
    return std::all_of(values.begin(), values.end(), [](float v) { return v == 0.0f; });
}

struct Layout {
    AnalysisViewFunction view;
    std::vector<std::string> titles;
    std::vector<int> titleRows;
    std::vector<int> baselines;
    std::vector<int> counts;  // at the defaults: df = 0.1 (N = 33), M = 2, L = 2
};

}  // namespace

TEST_F(Views, TitlesBaselinesAndCountsOfEveryView)
{
    const std::vector<Layout> layouts = {
        {DrawDftView,
         {"Signal u vremenskom domenu x(n):", "Amplitudska karakteristika | X(k) | :"},
         {5, 285},
         {150, 430},
         {100, 100}},
        {DrawFilterSpectrumView,
         {"Amplitudska karakteristika ulaznog signala | X(k) | :",
          "Spektar impulsnog odziva filtra | H(k) | :",
          "Amplitudska karakteristika izlaznog signala | Y(k) | :"},
         {5, 175, 345},
         {150, 320, 490},
         {100, 100, 100}},
        {DrawDecimationTimeView,
         {"Vremenski oblik medjurezultata w(n):", "Vremenski oblik izlaznog signala y(m):"},
         {5, 245},
         {150, 400},
         {133, 133}},
        {DrawDecimationFrequencyView,
         {"Amplitudska karakteristika ulaznog signala | X(k) | :",
          "Amplitudska karakteristika medjurezultata | W(k) | :",
          "Amplitudska karakteristika izlaznog signala | Y(k) | :"},
         {5, 175, 345},
         {150, 320, 490},
         {100, 100, 100}},
        {DrawInterpolationTimeView,
         {"Vremenski oblik medjurezultata w(m):", "Vremenski oblik izlaznog signala y(m):"},
         {5, 245},
         {150, 420},
         {233, 233}},
        {DrawInterpolationFrequencyView,
         {"Amplitudska karakteristika ulaznog signala | X(k) |:",
          "Amplitudska karakteristika medjurezultata | W(k) | :",
          "Amplitudska karakteristika izlaznog signala | Y(k) | :"},
         {5, 175, 345},
         {150, 320, 490},
         {200, 200, 200}},
        {DrawConversionTimeView,
         {"Vremenski oblik ulaznog signala x(n):", "Vremenski oblik izlaznog signala y(m):"},
         {5, 280},
         {150, 420},
         {100, 100}},
        {DrawConversionFrequencyView,
         {"Amplitudska karakteristika medjurezultata:",
          "Amplitudska karakteristika izlaznog signala:",
          "Amplitudska karakteristika izlaznog signala:"},
         {5, 175, 345},
         {150, 320, 490},
         {200, 200, 200}},
    };
    for (std::size_t v = 0; v < layouts.size(); ++v) {
        const Layout& layout = layouts[v];
        SCOPED_TRACE(std::string(AnalysisViews()[v].name));
        ASSERT_EQ(layout.view, AnalysisViews()[v].draw);
        m_picture.Fill(0, 0, m_picture.Width(), m_picture.Height(), kBlack);
        const ViewRecord record = Draw(layout.view);
        ASSERT_EQ(layout.titles.size(), record.plots.size());
        EXPECT_EQ(v != 0, record.designedFilter);
        for (std::size_t p = 0; p < record.plots.size(); ++p) {
            const int y = layout.baselines[p];
            EXPECT_EQ(layout.titles[p], record.plots[p].title);
            EXPECT_EQ(y, record.plots[p].baseline);
            EXPECT_EQ(layout.counts[p], record.plots[p].count);
            EXPECT_TRUE(TextAt(m_picture, 250, layout.titleRows[p], layout.titles[p]));
            EXPECT_EQ(kBlue, m_picture.Pixel(685, y));  // the plot's arrow tips
            EXPECT_EQ(kBlue, m_picture.Pixel(60, y - 135));
        }
        // Cleared first: the black fill is gone from the whole plot area.
        EXPECT_EQ(kWhite, m_picture.Pixel(1799, 0));
        EXPECT_EQ(kWhite, m_picture.Pixel(799, 599));
    }
}

TEST_F(Views, DftOfTheFirstSignalShowsItsThreeTones)
{
    const ViewRecord record = Draw(DrawDftView);
    EXPECT_EQ(3.0f, record.plots[0].peak);  // x(0) = 3
    const std::vector<float> spectrum = Values(record, 1);
    EXPECT_EQ((std::vector<int>{1, 10, 20, 80, 90, 99}), Peaks(spectrum, 1.0f));
    for (int k : {1, 10, 20, 80, 90, 99}) {
        EXPECT_NEAR(50.0f, spectrum[k], 1e-3f) << k;
    }

    g_inputSignal.fill(1.0f);
    EXPECT_EQ((std::vector<int>{0}), Peaks(Values(Draw(DrawDftView), 1), 1e-3f));
}

TEST_F(Views, FilterSpectraMatchTheDefaultDesign)
{
    Tone(10);
    const ViewRecord record = Draw(DrawFilterSpectrumView);
    const std::vector<float> h = Values(record, 1);
    for (int k = 0; k < 100; ++k) {
        if (k <= 20 || k >= 80) {
            EXPECT_NEAR(1.0f, h[k], 0.005f) << k;
        } else if (k >= 30 && k <= 70) {
            EXPECT_LT(h[k], 0.005f) << k;
        }
    }
    EXPECT_NEAR(0.5f, h[25], 0.01f);
    EXPECT_NEAR(0.5f, h[75], 0.01f);

    const std::vector<float> x = Values(record, 0);
    const std::vector<float> y = Values(record, 2);
    EXPECT_NEAR(50.0f, x[10], 1e-3f);
    EXPECT_NEAR(50.0f, x[90], 1e-3f);
    EXPECT_NEAR(41.9f, y[10], 0.05f);
    EXPECT_NEAR(41.9f, y[90], 0.05f);

    Tone(30);  // above the cut-off
    const std::vector<float> stopped = Values(Draw(DrawFilterSpectrumView), 2);
    EXPECT_NEAR(0.2f, stopped[30], 0.1f);
    EXPECT_NEAR(0.2f, stopped[70], 0.1f);
    EXPECT_LE(*std::max_element(stopped.begin(), stopped.end()), 1.1f);

    g_cutoff = 0.0f;
    const ViewRecord closed = Draw(DrawFilterSpectrumView);
    EXPECT_TRUE(AllZero(Values(closed, 1)));
    EXPECT_TRUE(AllZero(Values(closed, 2)));
}

TEST_F(Views, DecimationTimeKeepsEveryMthSampleOnTheIntermediateAxis)
{
    const ViewRecord record = Draw(DrawDecimationTimeView);
    const std::vector<float> w = Values(record, 0);
    const std::vector<float> y = Values(record, 1);
    ASSERT_EQ(133u, y.size());
    for (int m = 0; m < 50; ++m) {
        EXPECT_EQ(w[2 * m], y[m]) << m;
    }
    EXPECT_TRUE(std::all_of(y.begin() + 50, y.end(), [](float v) { return v == 0.0f; }));
    EXPECT_FALSE(AllZero(std::vector<float>(w.begin() + 100, w.end())));  // the filter's tail
}

TEST_F(Views, DecimationSpectrumRepeatsAtMultiplesOfQ)
{
    Tone(10);
    const ViewRecord record = Draw(DrawDecimationFrequencyView);
    const std::vector<float> w = Values(record, 1);
    const std::vector<float> y = Values(record, 2);
    EXPECT_NEAR(41.9f, w[10], 0.05f);
    EXPECT_NEAR(41.9f, w[90], 0.05f);
    EXPECT_EQ((std::vector<int>{10, 40, 60, 90}), Peaks(y, 5.0f));
    for (int k : {10, 40, 60, 90}) {
        EXPECT_NEAR(20.9f, y[k], 0.05f) << k;
    }

    struct Case {
        int m;
        int q;
        std::vector<int> zeroBins;  // past the last copy
    };
    for (const Case& c : std::vector<Case>{
             {1, 100, {}}, {3, 33, {99}}, {4, 25, {}}, {7, 14, {98, 99}}, {15, 6, {90, 95, 99}}}) {
        SCOPED_TRACE("M = " + std::to_string(c.m));
        GenerateThreeCosines();
        g_decimationFactor = c.m;
        const ViewRecord r = Draw(DrawDecimationFrequencyView);
        const std::vector<float> out = Values(r, 2);
        for (int copy = 1; copy < c.m; ++copy) {
            for (int k = 0; k < c.q; ++k) {
                ASSERT_EQ(out[k], out[copy * c.q + k]) << "copy " << copy << " bin " << k;
            }
        }
        for (int k : c.zeroBins) {
            EXPECT_EQ(0.0f, out[k]) << "bin " << k;  // not |W(k)| left over
        }
        if (c.m == 1) {
            EXPECT_EQ(Values(r, 1), out);
        }
    }
}

TEST_F(Views, DecimationByZeroShowsZerosWhereTheOutputWouldBe)
{
    g_decimationFactor = 0;
    const ViewRecord time = Draw(DrawDecimationTimeView);
    EXPECT_EQ(133, time.plots[1].count);
    EXPECT_TRUE(AllZero(Values(time, 1)));
    EXPECT_FALSE(AllZero(Values(time, 0)));

    const ViewRecord frequency = Draw(DrawDecimationFrequencyView);
    EXPECT_EQ(100, frequency.plots[2].count);
    EXPECT_TRUE(AllZero(Values(frequency, 2)));
    EXPECT_EQ(50.0f, frequency.plots[0].peak);
}

TEST_F(Views, InterpolationSpectraOfAToneUpSampledByTwo)
{
    Tone(10);
    const ViewRecord record = Draw(DrawInterpolationFrequencyView);
    const std::vector<float> x = Values(record, 0);
    const std::vector<float> w = Values(record, 1);
    const std::vector<float> y = Values(record, 2);
    EXPECT_EQ((std::vector<int>{10, 90, 110, 190}), Peaks(w, 1.0f));
    for (int k = 0; k < 200; ++k) {
        ASSERT_NEAR(x[k], w[k], 1e-3f) << k;  // W(k) = X(k mod 100)
    }
    EXPECT_NEAR(46.7f, y[10], 0.05f);
    EXPECT_NEAR(46.7f, y[190], 0.05f);
    EXPECT_NEAR(0.1f, y[90], 0.05f);
    EXPECT_NEAR(0.1f, y[110], 0.05f);
}

TEST_F(Views, InterpolationTimeAtOneAndFifteen)
{
    g_interpolationFactor = 1;
    ViewRecord record = Draw(DrawInterpolationTimeView);
    EXPECT_EQ(133, record.plots[0].count);
    EXPECT_TRUE(std::equal(g_inputSignal.begin(), g_inputSignal.end(), Values(record, 0).begin()));

    // 1500 + N samples of w, N more than g_upsampled holds: drawn as zeros.
    g_interpolationFactor = 15;
    g_transitionWidth = 0.035f;
    record = Draw(DrawInterpolationTimeView);
    ASSERT_EQ(1595, record.plots[0].count);
    ASSERT_EQ(1595, record.plots[1].count);
    const std::vector<float> w = Values(record, 0);
    EXPECT_EQ(g_inputSignal[99], w[1485]);
    EXPECT_TRUE(std::all_of(w.begin() + 1486, w.end(), [](float v) { return v == 0.0f; }));
    for (int i = 1500; i < 1595; ++i) {
        ASSERT_TRUE(IsBlack(m_picture, 60 + i, 150) && !IsBlack(m_picture, 60 + i, 149)) << i;
    }
}

TEST_F(Views, InterpolationByZeroPlotsNoSamples)
{
    g_interpolationFactor = 0;
    const ViewRecord time = Draw(DrawInterpolationTimeView);
    // Only the filter's N output samples, all zero; x(99), which up-sampling
    // by 0 leaves at the start of its buffer, is no sample of w.
    EXPECT_EQ(33, time.plots[0].count);
    EXPECT_TRUE(AllZero(Values(time, 0)));
    EXPECT_TRUE(AllZero(Values(time, 1)));

    const ViewRecord frequency = Draw(DrawInterpolationFrequencyView);
    for (const PlotRecord& plot : frequency.plots) {
        EXPECT_EQ(0, plot.count) << plot.title;
    }
    EXPECT_TRUE(TextAt(m_picture, 50, 492, "0"));
}

TEST_F(Views, ConversionAtTheDefaultsTakesEverySecondFilteredSample)
{
    const ViewRecord time = Draw(DrawConversionTimeView);
    const std::vector<float> y = Values(time, 1);
    ASSERT_EQ(100u, y.size());
    for (int m = 0; m < 100; ++m) {
        EXPECT_EQ(g_interpolated[2 * m], y[m]) << m;
    }
    EXPECT_EQ(g_interpolated[2 * 116 - 2], g_convertedSignal[115]);  // all 116 computed

    const ViewRecord frequency = Draw(DrawConversionFrequencyView);
    const std::vector<float> out = Values(frequency, 2);
    EXPECT_TRUE(std::equal(out.begin(), out.begin() + 100, out.begin() + 100));
}

TEST_F(Views, ConversionByThreeHalvesOfATone)
{
    Tone(10);
    g_interpolationFactor = 3;
    const ViewRecord record = Draw(DrawConversionFrequencyView);
    const std::vector<float> w = Values(record, 0);
    const std::vector<float> v = Values(record, 1);
    const std::vector<float> y = Values(record, 2);
    EXPECT_EQ((std::vector<int>{10, 90, 110, 190, 210, 290}), Peaks(w, 1.0f));
    EXPECT_NEAR(47.6f, v[10], 0.05f);
    EXPECT_NEAR(47.6f, v[290], 0.05f);
    for (int k : {90, 110, 190, 210}) {
        EXPECT_NEAR(0.2f, v[k], 0.1f) << k;
    }
    EXPECT_EQ((std::vector<int>{10, 140, 160, 290}), Peaks(y, 2.0f));
    for (int k : {10, 140, 160, 290}) {
        EXPECT_NEAR(23.7f, y[k], 0.05f) << k;
    }
}

TEST_F(Views, ConversionCopiesStartAtFloorOfR100LOverM)
{
    g_decimationFactor = 3;  // L = 2: q = 66, copies at 0, 66, 133
    const std::vector<float> y = Values(Draw(DrawConversionFrequencyView), 2);
    ASSERT_EQ(200u, y.size());
    for (int k = 0; k < 66; ++k) {
        ASSERT_EQ(y[k], y[66 + k]) << k;
        ASSERT_EQ(y[k], y[133 + k]) << k;
    }
    EXPECT_NE(0.0f, y[0]);
    EXPECT_EQ(0.0f, y[132]);  // between copies: 0, not |V(132)|
    EXPECT_EQ(0.0f, y[199]);

    g_interpolationFactor = 3;
    g_decimationFactor = 2;  // q = 150: two copies cover the 300 bins exactly
    const std::vector<float> z = Values(Draw(DrawConversionFrequencyView), 2);
    EXPECT_TRUE(std::equal(z.begin(), z.begin() + 150, z.begin() + 150));
}

TEST_F(Views, ConversionOutputHasItsOwnStorageAndLeavesOtherBuffersIntact)
{
    g_interpolationFactor = 15;
    g_decimationFactor = 1;
    g_transitionWidth = 0.035f;
    g_downsampled.fill(7.0f);
    const auto input = g_inputSignal;

    const ViewRecord time = Draw(DrawConversionTimeView);
    EXPECT_EQ(1500, time.plots[1].count);
    // All 1500 + 95 filtered samples were kept, the last in the last slot.
    EXPECT_EQ(g_interpolated[1594], g_convertedSignal[1594]);
    EXPECT_NE(0.0f, g_convertedSignal[1500]);
    Draw(DrawConversionFrequencyView);
    EXPECT_EQ(input, g_inputSignal);
    EXPECT_TRUE(
        std::all_of(g_downsampled.begin(), g_downsampled.end(), [](float v) { return v == 7.0f; }));
}

TEST_F(Views, ConversionWithoutAFactorOrWithFewOutputSamples)
{
    struct Case {
        int l;
        int m;
        int timeCount;       // y(m) in the time view
        int frequencyCount;  // each spectrum
    };
    for (const Case& c : std::vector<Case>{
             {2, 0, 0, 200}, {0, 2, 0, 0}, {0, 0, 0, 0}, {1, 11, 9, 100}, {1, 15, 6, 100}}) {
        SCOPED_TRACE("L = " + std::to_string(c.l) + ", M = " + std::to_string(c.m));
        g_interpolationFactor = c.l;
        g_decimationFactor = c.m;
        const ViewRecord time = Draw(DrawConversionTimeView);
        EXPECT_EQ(100, time.plots[0].count);
        EXPECT_EQ(c.timeCount, time.plots[1].count);
        const ViewRecord frequency = Draw(DrawConversionFrequencyView);
        for (const PlotRecord& plot : frequency.plots) {
            EXPECT_EQ(c.frequencyCount, plot.count);
        }
        if (c.m == 0) {
            EXPECT_TRUE(AllZero(Values(frequency, 2)));
        }
    }
    // Nine samples, 66 pixels apart: the count label after the last one.
    g_interpolationFactor = 1;
    g_decimationFactor = 11;
    Draw(DrawConversionTimeView);
    EXPECT_TRUE(TextAt(m_picture, 644, 422, "9"));
}

TEST_F(Views, EveryViewTransformsTheLengthsItShows)
{
    static std::vector<int> lengths;
    const TransformFunction counting = [](std::span<const float> samples, int count) {
        lengths.push_back(count);
        ComputeDft(samples, count);
    };
    g_interpolationFactor = 2;
    g_decimationFactor = 3;
    const std::vector<std::vector<int>> expected = {
        {100}, {100, 100, 100}, {}, {100, 100, 33}, {}, {100, 200, 200}, {}, {200, 200, 66},
    };
    for (std::size_t v = 0; v < AnalysisViews().size(); ++v) {
        lengths.clear();
        Surface surface(m_picture, TestFont());
        AnalysisViews()[v].draw(surface, ViewOptions{nullptr, counting});
        EXPECT_EQ(expected[v], lengths) << AnalysisViews()[v].name;
    }
}

// Every length the menu's M and L can make has its roots built into the
// program, so that each spectrum has the same bits wherever it is drawn.
TEST_F(Views, EveryLengthTheFactorsMakeHasBuiltInRoots)
{
    static std::vector<int> lengths;
    const TransformFunction counting = [](std::span<const float>, int count) {
        lengths.push_back(count);
    };
    for (std::int32_t down = 0; down <= kLargestFactor; ++down) {
        for (std::int32_t up = 0; up <= kLargestFactor; ++up) {
            g_decimationFactor = down;
            g_interpolationFactor = up;
            lengths.clear();
            for (const auto& view : AnalysisViews()) {
                Surface surface(m_picture, TestFont());
                view.draw(surface, ViewOptions{nullptr, counting});
            }
            for (const int count : lengths) {
                ASSERT_TRUE(count <= 0 || HasBuiltInRoots(count))
                    << "M = " << down << ", L = " << up << ": " << count;
            }
        }
    }
}

TEST_F(Views, AWidePictureLeavesNothingBesideANarrowerOne)
{
    Raster fresh(kPlotAreaWidth, kPlotAreaHeight, kBackground);
    Surface freshSurface(fresh, TestFont());
    DrawDftView(freshSurface);

    g_interpolationFactor = 15;
    g_transitionWidth = 0.035f;
    Raster reused(kPlotAreaWidth, kPlotAreaHeight, kBackground);
    Surface reusedSurface(reused, TestFont());
    DrawInterpolationTimeView(reusedSurface);
    DrawDftView(reusedSurface);
    EXPECT_EQ(0, DifferentPixels(fresh, reused, kPlotAreaWidth, kPlotAreaHeight));
}

TEST_F(Views, EveryViewClearsThePlotAreaAndDrawsNothingOutsideIt)
{
    g_interpolationFactor = 15;
    g_decimationFactor = 1;
    g_transitionWidth = 0.035f;
    for (const AnalysisView& view : AnalysisViews()) {
        Raster r(kPlotAreaWidth + 40, kPlotAreaHeight + 40, kUntouched);
        Surface s(r, TestFont());
        view.draw(s, {});
        for (int y = 0; y < r.Height(); ++y) {
            for (int x = 0; x < r.Width(); ++x) {
                const bool inside = x < kPlotAreaWidth && y < kPlotAreaHeight;
                ASSERT_EQ(inside, !(r.Pixel(x, y) == kUntouched))
                    << view.name << " " << x << "," << y;
            }
        }
    }
}

TEST_F(Views, AnOverflowingSignalCompletesEveryView)
{
    // a = 3: the exponential passes the largest float after about 80
    // samples; spectra and filtered signals become infinite or NaN.
    g_signalParam = 3.0f;
    GenerateExponential();
    ASSERT_TRUE(std::isinf(g_inputSignal[99]));
    for (const AnalysisView& view : AnalysisViews()) {
        const ViewRecord record = Draw(view.draw);
        ASSERT_FALSE(record.plots.empty()) << view.name;
    }
    const ViewRecord dft = Draw(DrawDftView);
    EXPECT_TRUE(std::isinf(dft.plots[0].peak));
    EXPECT_TRUE(TextAt(m_picture, 5, 20, "       inf"));
}
