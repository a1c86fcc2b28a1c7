// The design analysis picture against the analysis it is drawn from: curve
// pixels at the rows of their values, stems as tall as h(n), ticks at their
// values, gaps and edges where values are missing or infinite, awkward
// designs, and the panel of numbers.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <limits>
#include <random>
#include <string>
#include <vector>

#include "language/language.h"
#include "picture/raster.h"
#include "picture/surface.h"
#include "picture/text.h"
#include "polezero/analysis_panel.h"
#include "polezero/analysis_picture.h"
#include "tests/support/test_tools.h"

using polezero::PixelPoint;

using namespace polezero;

namespace {

constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();
constexpr double kInf = std::numeric_limits<double>::infinity();
constexpr Rgb kGrey{215, 215, 215};

// A notch at pi/2 (zeros on the circle at +-j, exactly on grid points) and a
// resonator pair at 3 pi/4 just inside the circle.
const std::vector<PixelPoint> kZeros{{130, 70}, {130, 190}};
const std::vector<PixelPoint> kPoles{{130, 76}, {130, 184}, {90, 90}, {90, 170}};

FilterAnalysis Analyse(const std::vector<PixelPoint>& zeros, const std::vector<PixelPoint>& poles)
{
    return AnalyseDesign(zeros, poles, kAnalysisPicturePoints, kAnalysisPictureImpulse);
}

Raster Draw(const FilterAnalysis& analysis)
{
    Raster raster(kAnalysisPictureWidth, kAnalysisPictureHeight, Rgb{1, 2, 3});
    Surface surface(raster, TestFont());
    DrawDesignAnalysis(surface, analysis);
    return raster;
}

// The row of value v, straight from the axis: its high at the box's top
// row, its low at the bottom row.
double RowOf(const PlotFrame& plot, double v)
{
    const PlotBox& b = plot.Box();
    return b.top + (plot.Y().high - v) / (plot.Y().high - plot.Y().low) * b.height;
}

// Black rows of column x strictly inside the box.
std::vector<int> InkRows(const Raster& r, const PlotFrame& plot, int x)
{
    std::vector<int> rows;
    for (int y = plot.Box().top + 1; y < plot.Box().Bottom(); ++y) {
        if (r.Pixel(x, y) == kBlack) {
            rows.push_back(y);
        }
    }
    return rows;
}

// Each finite sample k has its pixel at its row in column left + k, and the
// column holds no ink beyond the rows of its neighbours' values.
void ExpectCurveFollows(const Raster& r, const PlotFrame& plot, const std::vector<double>& values,
                        const char* name)
{
    ASSERT_EQ(static_cast<std::size_t>(kAnalysisPlotSize), values.size());
    const int last = static_cast<int>(values.size()) - 1;
    for (int k = 0; k <= last; ++k) {
        const int x = plot.Box().left + k;
        const double row = RowOf(plot, values[k]);
        if (!std::isfinite(values[k]) || row < plot.Box().top || row > plot.Box().Bottom()) {
            continue;
        }
        EXPECT_EQ(kBlack, r.Pixel(x, static_cast<int>(std::lround(row)))) << name << " k = " << k;
        double low = row;
        double high = row;
        bool nearGap = false;
        for (int j = std::max(k - 1, 0); j <= std::min(k + 1, last); ++j) {
            nearGap = nearGap || !std::isfinite(values[j]);
            low = std::min(low, RowOf(plot, values[j]));
            high = std::max(high, RowOf(plot, values[j]));
        }
        if (nearGap || k == 0) {
            continue;  // column left + 0 is the frame's
        }
        for (const int y : InkRows(r, plot, x)) {
            EXPECT_TRUE(y >= low - 1 && y <= high + 1) << name << " k = " << k << " ink at " << y;
        }
    }
}

}  // namespace

TEST(AnalysisPicture, CurvesRunThroughTheRowsOfTheirValues)
{
    const FilterAnalysis analysis = Analyse(kZeros, kPoles);
    const AnalysisPlots plots = LayOutAnalysisPlots(analysis);
    const Raster r = Draw(analysis);
    ExpectCurveFollows(r, plots.magnitude, analysis.magnitudeDb, "magnitude");
    ExpectCurveFollows(r, plots.phase, analysis.phase, "phase");
    ExpectCurveFollows(r, plots.delay, analysis.groupDelay, "group delay");

    // The ranges hold the data: 0 dB peak near the top, the notch's
    // bottomless dip down to the deepest floor, phase and delay whole (the
    // resonator's delay peak is many samples wide).
    EXPECT_LE(plots.magnitude.Y().high, 10.0);
    EXPECT_GE(plots.magnitude.Y().high, 0.0);
    EXPECT_EQ(-70.0, plots.magnitude.Y().low);
    for (const auto* plot : {&plots.phase, &plots.delay}) {
        const auto& values = plot == &plots.phase ? analysis.phase : analysis.groupDelay;
        for (const double v : values) {
            if (std::isfinite(v)) {
                EXPECT_TRUE(v >= plot->Y().low && v <= plot->Y().high) << v;
            }
        }
    }

    // The -3 dB line is red wherever the curve does not cross it.
    const int halfPower = static_cast<int>(std::lround(RowOf(plots.magnitude, -3.0)));
    int red = 0;
    for (int x = plots.magnitude.Box().left + 1; x < plots.magnitude.Box().Right(); ++x) {
        red += r.Pixel(x, halfPower) == kRed ? 1 : 0;
    }
    EXPECT_GT(red, 180);
}

TEST(AnalysisPicture, StemsAreAsTallAsTheImpulseResponse)
{
    const FilterAnalysis analysis = Analyse(kZeros, kPoles);
    const PlotFrame& plot = LayOutAnalysisPlots(analysis).impulse;
    const Raster r = Draw(analysis);
    ASSERT_EQ(32u, analysis.impulse.size());
    const int base = static_cast<int>(std::lround(RowOf(plot, 0.0)));
    int checked = 0;
    for (int n = 0; n < 32; ++n) {
        // 32 cells of 216 / 32 pixels, each stem in its cell's middle.
        const int x = static_cast<int>(std::lround(plot.Box().left + (n + 0.5) * 216.0 / 32.0));
        const double h = analysis.impulse[n].real();
        const int tip = static_cast<int>(std::lround(RowOf(plot, h)));
        if (std::abs(tip - base) < 5) {
            continue;  // the ring covers the stem
        }
        const std::vector<int> ink = InkRows(r, plot, x);
        ASSERT_FALSE(ink.empty()) << n;
        // From the base line to the ring around the tip, whose middle is white.
        EXPECT_EQ(h > 0 ? tip - 2 : base, ink.front()) << n;
        EXPECT_EQ(h > 0 ? base : tip + 2, ink.back()) << n;
        EXPECT_EQ(kWhite, r.Pixel(x, tip)) << n;
        EXPECT_EQ(kBlack, r.Pixel(x, (tip + base) / 2)) << n;
        ++checked;
    }
    EXPECT_GT(checked, 10);
    // The base line, between the rings of the first two stems.
    EXPECT_EQ(kBlue, r.Pixel(plot.Box().left + 7, base));
}

TEST(AnalysisPicture, TicksSitAtQuarterTurnsAndAtTheirValues)
{
    const FilterAnalysis analysis = Analyse(kZeros, kPoles);
    const AnalysisPlots plots = LayOutAnalysisPlots(analysis);
    const Raster r = Draw(analysis);
    for (const PlotFrame* plot : {&plots.magnitude, &plots.phase, &plots.delay}) {
        const PlotBox& b = plot->Box();
        for (int q = 0; q <= 4; ++q) {
            for (int y = b.Bottom() + 1; y <= b.Bottom() + 4; ++y) {
                EXPECT_EQ(kBlack, r.Pixel(b.left + 54 * q, y)) << q;
                if (q < 4) {
                    EXPECT_EQ(kWhite, r.Pixel(b.left + 54 * q + 27, y)) << q;
                }
            }
            // The grid line of the tick, where no curve crosses the top row.
            if (q > 0 && q < 4) {
                EXPECT_EQ(kGrey, r.Pixel(b.left + 54 * q, b.top + 1)) << q;
            }
        }
        ASSERT_GE(plot->Y().ticks.size(), 3u);
        for (const AxisTick& tick : plot->Y().ticks) {
            const int row = static_cast<int>(std::lround(RowOf(*plot, tick.value)));
            EXPECT_EQ(kBlack, r.Pixel(b.left - 3, row)) << tick.text;
            EXPECT_EQ(kWhite, r.Pixel(b.left - 3, row + 3)) << tick.text;
            // Its label ends left of the tick mark, on the tick's row.
            const int labelRight = b.left - 1 - 4 - 3;
            const int labelTop = row - TestFont().LineHeight() / 2;
            const int width = TestFont().Measure(tick.text).width;
            bool ink = false;
            for (int y = labelTop; y < labelTop + TestFont().LineHeight(); ++y) {
                for (int x = labelRight - width; x < labelRight; ++x) {
                    ink = ink || r.Pixel(x, y) == kBlack;
                }
            }
            EXPECT_TRUE(ink) << tick.text;
        }
    }
    EXPECT_EQ("pi/2", plots.delay.X().ticks[1].text);
}

TEST(AnalysisPicture, MissingValuesLeaveGapsAndInfiniteOnesRunToTheEdge)
{
    // A pole on the circle at j (k = 54 of 216) and a zero on it at -1
    // (k = 108): no phase or delay there; |H| infinite and zero.
    const FilterAnalysis analysis = Analyse({{70, 130}}, {{130, 70}, {150, 110}});
    ASSERT_TRUE(std::isnan(analysis.groupDelay[54]));
    ASSERT_TRUE(std::isnan(analysis.magnitudeDb[108]));
    const AnalysisPlots plots = LayOutAnalysisPlots(analysis);
    const Raster r = Draw(analysis);
    for (const int k : {54, 108}) {
        EXPECT_TRUE(InkRows(r, plots.delay, plots.delay.Box().left + k).empty()) << k;
        EXPECT_TRUE(InkRows(r, plots.phase, plots.phase.Box().left + k).empty()) << k;
    }
    ExpectCurveFollows(r, plots.delay, analysis.groupDelay, "group delay");

    // The magnitude climbs to the top edge beside the pole and falls to the
    // floor beside the zero, every row of the way.
    const PlotBox& m = plots.magnitude.Box();
    const int beforePole =
        static_cast<int>(std::lround(RowOf(plots.magnitude, analysis.magnitudeDb[53])));
    for (int y = m.top + 1; y < beforePole; ++y) {
        EXPECT_EQ(kBlack, r.Pixel(m.left + 53, y)) << y;
    }
    const int beforeZero =
        static_cast<int>(std::lround(RowOf(plots.magnitude, analysis.magnitudeDb[107])));
    for (int y = beforeZero; y < m.Bottom(); ++y) {
        EXPECT_EQ(kBlack, r.Pixel(m.left + 107, y)) << y;
    }

    // Two zeros and a pole at j: one zero is left there, and |H| = 0.
    const FilterAnalysis twice = Analyse({{130, 70}, {130, 70}}, {{130, 70}});
    const PlotFrame twicePlot = LayOutAnalysisPlots(twice).magnitude;
    const Raster twiceRaster = Draw(twice);
    const int beforeDouble = static_cast<int>(std::lround(RowOf(twicePlot, twice.magnitudeDb[53])));
    for (int y = beforeDouble; y < m.Bottom(); ++y) {
        EXPECT_EQ(kBlack, twiceRaster.Pixel(m.left + 53, y)) << y;
    }

    // A zero alone at j, -1 or -j, each on a grid point: the curve falls to
    // the floor there.
    for (const auto& [zero, k] : {std::pair{PixelPoint{130, 70}, 54},
                                  {PixelPoint{70, 130}, 108},
                                  {PixelPoint{130, 190}, 162}}) {
        const FilterAnalysis single = Analyse({zero}, {});
        const PlotFrame plot = LayOutAnalysisPlots(single).magnitude;
        const Raster drawn = Draw(single);
        const int before = static_cast<int>(std::lround(RowOf(plot, single.magnitudeDb[k - 1])));
        for (int y = before; y < plot.Box().Bottom(); ++y) {
            ASSERT_EQ(kBlack, drawn.Pixel(plot.Box().left + k - 1, y)) << k << ", row " << y;
        }
    }

    // A sample alone between gaps is a dot; nothing is drawn for the rest.
    FilterAnalysis lonely = Analyse({}, {});
    std::fill(lonely.phase.begin(), lonely.phase.end(), kNaN);
    lonely.phase[100] = 0.0;
    const AnalysisPlots lonelyPlots = LayOutAnalysisPlots(lonely);
    const Raster dot = Draw(lonely);
    for (int k = 1; k < kAnalysisPlotSize; ++k) {  // column 0 is the frame's
        const std::vector<int> ink =
            InkRows(dot, lonelyPlots.phase, lonelyPlots.phase.Box().left + k);
        EXPECT_EQ(k == 100 ? 1u : 0u, ink.size()) << k;
    }
}

TEST(AnalysisPicture, AwkwardDesignsDrawWithinThePicture)
{
    // The empty design: flat at 0 dB, 0 rad, 0 samples; one stem of 1.
    {
        const FilterAnalysis analysis = Analyse({}, {});
        const AnalysisPlots plots = LayOutAnalysisPlots(analysis);
        const Raster r = Draw(analysis);
        for (const PlotFrame* plot : {&plots.magnitude, &plots.phase, &plots.delay}) {
            const int zero = static_cast<int>(std::lround(RowOf(*plot, 0.0)));
            ASSERT_GT(zero, plot->Box().top);  // not on the frame
            for (int k = 1; k < kAnalysisPlotSize; ++k) {
                EXPECT_EQ(std::vector<int>{zero}, InkRows(r, *plot, plot->Box().left + k)) << k;
            }
        }
        const int oneRow = static_cast<int>(std::lround(RowOf(plots.impulse, 1.0)));
        const int first = static_cast<int>(std::lround(plots.impulse.Box().left + 0.5 * 216 / 32));
        EXPECT_EQ(oneRow - 2, InkRows(r, plots.impulse, first).front());
    }

    // 499 + 499 markers anywhere on the canvas; and an analysis with every
    // kind of value out of range, whose tick labels are as long as they
    // get. Both draw; every plot keeps its frame whole, however wide the
    // labels of its neighbour on the right.
    std::mt19937 random(16);
    std::uniform_int_distribution<int> x(16, 246);
    std::uniform_int_distribution<int> y(16, 241);
    std::vector<PixelPoint> zeros;
    std::vector<PixelPoint> poles;
    for (int i = 0; i < 499; ++i) {
        zeros.push_back({x(random), y(random)});
        poles.push_back({x(random), y(random)});
    }
    FilterAnalysis wild = Analyse({{130, 70}}, {{190, 130}});
    wild.gain = kInf;
    wild.magnitudeDb = {kNaN, kInf, -kInf, 1e308, -1e308, 0.0, kNaN};
    wild.phase = {std::numeric_limits<double>::max(), -std::numeric_limits<double>::max(), 0.0};
    wild.groupDelay = {};
    wild.impulse = {{kInf, 0.0}, {kNaN, kNaN}, {1e308, 0.0}, {-1e308, 0.0}, {-kInf, 1.0}};
    wild.b = {{kNaN, kInf}};
    for (const FilterAnalysis& analysis : {Analyse(zeros, poles), wild}) {
        const Raster r = Draw(analysis);
        const AnalysisPlots plots = LayOutAnalysisPlots(analysis);
        for (const PlotFrame* plot :
             {&plots.magnitude, &plots.phase, &plots.delay, &plots.impulse}) {
            EXPECT_TRUE(std::isfinite(plot->Y().low) && plot->Y().low < plot->Y().high);
            EXPECT_EQ(kBlack, r.Pixel(plot->Box().left, plot->Box().top));
            EXPECT_EQ(kBlack, r.Pixel(plot->Box().Right(), plot->Box().Bottom()));
        }
        // Nothing of the first fill is left: the picture covers itself.
        EXPECT_NE((Rgb{1, 2, 3}), r.Pixel(799, 599));
    }
    const std::vector<std::string> lines = AnalysisPanelLines(wild, 38);
    EXPECT_NE(lines.end(), std::find(lines.begin(), lines.end(), "g = inf"));
    EXPECT_NE(lines.end(), std::find(lines.begin(), lines.end(), " b0 =  nan + jinf"));
}

TEST(AnalysisPicture, PanelShowsTheNumbersAndCutsLongLists)
{
    const FilterAnalysis notch = Analyse(kZeros, kPoles);
    const std::vector<std::string> lines = AnalysisPanelLines(notch, 38);
    for (const std::string& expected :
         {std::string("g = ") + PanelNumber(notch.gain), std::string("stabilan: da"),
          std::string("realni koeficijenti: da"), std::string("Nule (2):"),
          std::string(" z1 =  0.000 + j1.000"), std::string(" z2 =  0.000 - j1.000"),
          std::string("Polovi (4):"), std::string(" p3 = -0.667 + j0.667"), std::string("b (3):"),
          std::string(" b1 =  0.000"), std::string(" b2 =  1.000"), std::string("a (5):")}) {
        EXPECT_NE(lines.end(), std::find(lines.begin(), lines.end(), expected)) << expected;
    }
    EXPECT_EQ(lines.end(), std::find_if(lines.begin(), lines.end(), [](const std::string& line) {
                  return line.find("jos") != std::string::npos;
              }));
    const std::vector<std::string> unstable = AnalysisPanelLines(Analyse({}, {{150, 40}}), 38);
    EXPECT_NE(unstable.end(), std::find(unstable.begin(), unstable.end(), "stabilan: ne"));
    EXPECT_NE(unstable.end(),
              std::find(unstable.begin(), unstable.end(), "realni koeficijenti: ne"));
    EXPECT_NE(unstable.end(), std::find(unstable.begin(), unstable.end(), "Nule: nema"));

    // 499 zeros and 3 poles: the poles whole, the long lists cut, and what
    // is shown plus what is left out is every entry. The lines fill the
    // panel exactly.
    std::vector<PixelPoint> many;
    for (int i = 0; i < 499; ++i) {
        many.push_back({20 + i % 220, 20 + i / 220});
    }
    const FilterAnalysis crowded =
        AnalyseDesign(many, std::vector<PixelPoint>{{100, 100}, {100, 160}, {150, 130}}, 8, 4);
    const std::vector<std::string> cut = AnalysisPanelLines(crowded, 38);
    EXPECT_EQ(38u, cut.size());
    // Drawn, the panel keeps the margin of its top at its bottom too.
    const Raster crowdedPicture = Draw(crowded);
    for (int y = kAnalysisPictureHeight - kAnalysisPanelTop; y < kAnalysisPictureHeight; ++y) {
        for (int x = kAnalysisPanelLeft; x < kAnalysisPictureWidth; ++x) {
            ASSERT_EQ(kWhite, crowdedPicture.Pixel(x, y)) << "(" << x << ", " << y << ")";
        }
    }
    auto entries = [&](char name) {
        return std::count_if(cut.begin(), cut.end(), [&](const std::string& line) {
            return line.size() > 2 && line[0] == ' ' && line[1] == name;
        });
    };
    // The count after "... jos" in the list under `title`, up to its end.
    auto leftOut = [&](const std::string& title) {
        auto it = std::find(cut.begin(), cut.end(), title);
        const auto end = std::find(it, cut.end(), std::string());
        it = std::find_if(it, end, [](const std::string& l) { return l.starts_with(" ... jos "); });
        return it == end ? 0 : std::stoi(it->substr(9));
    };
    EXPECT_EQ(3, entries('p'));
    EXPECT_EQ(0, leftOut("Polovi (3):"));
    EXPECT_EQ(499, entries('z') + leftOut("Nule (499):"));
    EXPECT_EQ(500, entries('b') + leftOut("b (500):"));
    EXPECT_EQ(4, entries('a'));
    EXPECT_GE(entries('z'), 4);

    // Each line of the panel is drawn, the last one inside the picture.
    const Raster r = Draw(notch);
    const int lineHeight = TestFont().LineHeight();
    for (std::size_t i = 0; i < lines.size(); ++i) {
        const int top = kAnalysisPanelTop + static_cast<int>(i) * lineHeight;
        int ink = 0;
        for (int y = top; y < top + lineHeight; ++y) {
            for (int x = kAnalysisPanelLeft; x < kAnalysisPictureWidth; ++x) {
                ink += r.Pixel(x, y) == kBlack ? 1 : 0;
            }
        }
        EXPECT_EQ(lines[i].empty(), ink == 0) << lines[i];
    }
    EXPECT_LE(kAnalysisPanelTop + 38 * lineHeight, kAnalysisPictureHeight);
}

// The panel in another language: its words from the catalogue, numbers and
// symbols as they are; a catalogue's pattern that fmt cannot use gives the
// Serbian line instead of failing the drawing.
TEST(AnalysisPicture, PanelWordsComeFromTheCatalogue)
{
    // Serbian again after the test, whatever it ends with.
    struct SerbianAfterwards {
        ~SerbianAfterwards()
        {
            SetLanguage(Language::kSerbian);
            SetCatalogue(std::span<const CatalogueEntry>{});
        }
    } restore;
    const std::vector<std::pair<std::string, std::string>> english = {
        {"stabilan: ", "stable: "},
        {"da", "yes"},
        {"ne", "no"},
        {"Nule", "Zeros"},
        {"Polovi", "Poles"},
        {"nema", "none"},
        {" ... jos {}", " ... {} more"}};
    SetCatalogue(english);
    SetLanguage(Language::kEnglish);
    std::vector<PixelPoint> many;
    for (int i = 0; i < 60; ++i) {
        many.push_back({20 + i, 40});
    }
    const std::vector<std::string> lines = AnalysisPanelLines(Analyse(many, {}), 38);
    for (const char* expected : {"stable: yes", "Zeros (60):", "Poles: none"}) {
        EXPECT_NE(lines.end(), std::find(lines.begin(), lines.end(), expected)) << expected;
    }
    // Not in this catalogue: still Serbian.
    EXPECT_NE(lines.end(), std::find(lines.begin(), lines.end(), "realni koeficijenti: no"));
    const auto more = std::find_if(lines.begin(), lines.end(), [](const std::string& line) {
        return line.starts_with(" ... ") && line.ends_with(" more");
    });
    ASSERT_NE(lines.end(), more);

    const std::string leftOut = more->substr(5, more->size() - 10);  // " ... K more"

    const std::vector<std::pair<std::string, std::string>> broken = {
        {" ... jos {}", " ... {:q} more"}};
    SetCatalogue(broken);
    const std::vector<std::string> fallback = AnalysisPanelLines(Analyse(many, {}), 38);
    EXPECT_NE(fallback.end(), std::find(fallback.begin(), fallback.end(), " ... jos " + leftOut));
}

TEST(AnalysisPicture, PanelNumbersAreShortAndExact)
{
    EXPECT_EQ("0.000", PanelNumber(0.0));
    EXPECT_EQ("0.000", PanelNumber(-0.0));
    EXPECT_EQ("-4.999e-4", PanelNumber(-0.0004999));  // never rounded to "-0.000"
    EXPECT_EQ("-0.001", PanelNumber(-0.0005));
    EXPECT_EQ("-0.500", PanelNumber(-0.5));
    EXPECT_EQ("999.000", PanelNumber(999.0));
    EXPECT_EQ("1.000e3", PanelNumber(1000.0));
    EXPECT_EQ("2.000e285", PanelNumber(2e285));
    EXPECT_EQ("-1.000e-300", PanelNumber(-1e-300));
    EXPECT_EQ("inf", PanelNumber(kInf));
    EXPECT_EQ("-inf", PanelNumber(-kInf));
    EXPECT_EQ("nan", PanelNumber(kNaN));
    EXPECT_EQ("0.500 - j0.866", PanelComplex({0.5, -0.866}));
    EXPECT_EQ("-1.000", PanelComplex({-1.0, -0.0}));
    EXPECT_EQ("0.000 + j1.000", PanelComplex({0.0, 1.0}));
}
