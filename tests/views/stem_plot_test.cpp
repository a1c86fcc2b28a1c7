// The stem plot against its worked numbers, pixel by pixel.
#include <gtest/gtest.h>

#include <cfloat>
#include <clocale>
#include <cmath>
#include <cstdio>
#include <limits>
#include <string>
#include <vector>

#include "tests/support/test_tools.h"
#include "tests/views/plot_checks.h"
#include "views/stem_plot.h"
#include "workspace/number_text.h"

namespace {

constexpr float kInf = std::numeric_limits<float>::infinity();
constexpr float kNaN = std::numeric_limits<float>::quiet_NaN();

Raster Plot(const std::vector<float>& values, int baseline, int count, int width = 800,
            int height = 320)
{
    Raster r(width, height, kUntouched);
    Surface s(r, TestFont());
    DrawStemPlot(s, values, baseline, count);
    return r;
}

std::string Printf(const char* format, double value)
{
    char text[128];
    std::snprintf(text, sizeof text, format, value);
    return text;
}

// Black pixels in column x from row `from` to row `to` (inclusive, either order).
int BlackRun(const Raster& r, int x, int from, int to)
{
    int count = 0;
    for (int y = std::min(from, to); y <= std::max(from, to); ++y) {
        count += IsBlack(r, x, y) ? 1 : 0;
    }
    return count;
}

}  // namespace

TEST(StemPlot, WorkedNumbersForOneHundredSamplesAtBaseline150)
{
    // m = 2 at i = 10; -m at i = 20; everything else half of m.
    std::vector<float> v(100, 1.0f);
    v[10] = 2.0f;
    v[20] = -2.0f;
    const Raster r = Plot(v, 150, 100);

    // Stems at 60 + 6 i: +m from row 150 up to row 30 with the ellipse
    // centred on its end, -m down to row 270 with the ellipse hanging below.
    EXPECT_TRUE(StemPixels(r, 120, 32, 150));
    EXPECT_TRUE(EllipseAt(r, 118, 28, 123, 32));
    EXPECT_EQ(kUntouched, r.Pixel(120, 27));
    EXPECT_TRUE(StemPixels(r, 180, 150, 269));
    EXPECT_TRUE(EllipseAt(r, 178, 270, 183, 274));
    EXPECT_EQ(kUntouched, r.Pixel(180, 275));
    // Half of m: 60 pixels.
    EXPECT_TRUE(StemPixels(r, 90, 92, 150));
    EXPECT_TRUE(EllipseAt(r, 88, 88, 93, 92));
    for (int i = 0; i < 100; ++i) {
        EXPECT_TRUE(IsBlack(r, 60 + 6 * i, i == 20 ? 151 : 149)) << "stem " << i;
        EXPECT_EQ(kUntouched, r.Pixel(63 + 6 * i, 100)) << "between stems " << i;
    }
    EXPECT_TRUE(TextAt(r, 5, 20, "       2.0"));
}

TEST(StemPlot, AxesAndArrowHeadsAreBlue)
{
    const Raster r = Plot(std::vector<float>(100, 0.0f), 150, 100);
    // The horizontal axis where no stem or ellipse covers it.
    for (int x = 63; x <= 684; x += 6) {
        EXPECT_EQ(kBlue, r.Pixel(x, 150)) << x;
    }
    // Tips, then the heads widening one pixel every three rows or columns.
    EXPECT_EQ(kBlue, r.Pixel(60, 15));
    EXPECT_EQ(kUntouched, r.Pixel(60, 14));
    EXPECT_EQ(kBlue, r.Pixel(685, 150));
    EXPECT_EQ(kUntouched, r.Pixel(686, 150));
    // The peak label's box (rows 20..34) hides the vertical head's lower part.
    for (const auto& [x, y] :
         std::vector<std::pair<int, int>>{{61, 18}, {59, 18}, {61, 19}, {59, 19}}) {
        EXPECT_EQ(kBlue, r.Pixel(x, y)) << x << "," << y;
    }
    EXPECT_EQ(kUntouched, r.Pixel(61, 17));
    EXPECT_EQ(kUntouched, r.Pixel(62, 19));
    EXPECT_EQ(kBlue, r.Pixel(682, 151));
    EXPECT_EQ(kBlue, r.Pixel(676, 147));
    EXPECT_EQ(kUntouched, r.Pixel(683, 151));
    // The vertical axis under the peak label's box (rows 20..34 hide it).
    EXPECT_TRUE(r.Pixel(60, 40) == kBlue && r.Pixel(60, 149) == kBlue);
}

struct LabelCase {
    int count;
    int step;
    std::vector<int> labels;  // sample numbers shown
    int countLabelX;
};

TEST(StemPlot, PixelStepSampleNumbersAndCountLabel)
{
    const std::vector<LabelCase> cases = {
        {100, 6, {0, 10, 20, 30, 40, 50, 60, 70, 80, 90}, 650},
        {150, 4, {0, 15, 30, 45, 60, 75, 90, 105, 120, 135}, 650},
        {200, 3, {0, 20, 40, 60, 80, 100, 120, 140, 160, 180}, 650},
        {1400, 1, {0, 140, 280, 420, 560, 700, 840, 980, 1120, 1260}, 1450},
        {5, 120, {0, 1, 2, 3, 4}, 650},  // below 10: every sample numbered
        {1, 600, {0}, 650},
    };
    for (const LabelCase& c : cases) {
        SCOPED_TRACE("count " + std::to_string(c.count));
        // Positive values keep the stems above the label row.
        const Raster r = Plot(std::vector<float>(c.count, 1.0f), 150, c.count, 1600);
        EXPECT_TRUE(StemPixels(r, 60 + (c.count - 1) * c.step, 31, 150));
        EXPECT_EQ(kUntouched, r.Pixel(60 + (c.count - 1) * c.step + 3, 100));
        std::vector<std::pair<int, int>> boxes;  // [left, right) of every expected label
        for (int k : c.labels) {
            const int x = 55 + k * c.step;
            EXPECT_TRUE(TextAt(r, x, 152, std::to_string(k)));
            boxes.emplace_back(x, x + TestFont().Measure(std::to_string(k)).width);
        }
        const std::string countText = std::to_string(c.count);
        EXPECT_TRUE(TextAt(r, c.countLabelX, 152, countText));
        boxes.emplace_back(c.countLabelX, c.countLabelX + TestFont().Measure(countText).width);
        // No other label anywhere on the label rows.
        for (int x = 0; x < r.Width(); ++x) {
            bool inBox = false;
            for (const auto& [left, right] : boxes) {
                inBox = inBox || (x >= left && x < right);
            }
            for (int y = 156; y < 167 && !inBox; ++y) {
                ASSERT_FALSE(IsBlack(r, x, y)) << "stray ink at (" << x << ", " << y << ")";
            }
        }
    }
}

TEST(StemPlot, ASinglePositiveMaximumAndZerosElsewhere)
{
    std::vector<float> v(100, 0.0f);
    v[40] = 7.5f;
    const Raster r = Plot(v, 150, 100);
    EXPECT_EQ(121 - 2, BlackRun(r, 300, 32, 150));  // rows 150..30, two under the ellipse
    EXPECT_TRUE(EllipseAt(r, 298, 28, 303, 32));
    for (int i : {0, 1, 39, 41, 99}) {
        const int x = 60 + 6 * i;
        EXPECT_TRUE(IsBlack(r, x, 150)) << i;
        EXPECT_FALSE(IsBlack(r, x, 149)) << i;
        EXPECT_TRUE(EllipseAt(r, x - 2, 150, x + 3, 154)) << i;
    }
    EXPECT_TRUE(TextAt(r, 5, 20, "       7.5"));
}

TEST(StemPlot, ANegativeLargestMagnitudeScalesTheStemsAndIsLabelledWithoutSign)
{
    std::vector<float> v(100, 0.0f);
    v[50] = -12.5f;
    v[51] = 6.25f;
    const Raster r = Plot(v, 150, 100);
    EXPECT_TRUE(StemPixels(r, 360, 150, 269));
    EXPECT_TRUE(EllipseAt(r, 358, 270, 363, 274));
    EXPECT_TRUE(StemPixels(r, 366, 92, 150));  // half of m: 60 pixels up
    EXPECT_FALSE(IsBlack(r, 366, 87));
    EXPECT_TRUE(TextAt(r, 5, 20, "      12.5"));
}

TEST(StemPlot, AllZeroValuesDrawZeroHeightStemsAndLabelZero)
{
    const Raster r = Plot(std::vector<float>(100, 0.0f), 150, 100);
    for (int i = 0; i < 100; ++i) {
        const int x = 60 + 6 * i;
        ASSERT_TRUE(IsBlack(r, x, 150) && !IsBlack(r, x, 149)) << i;
        ASSERT_TRUE(EllipseAt(r, x - 2, 150, x + 3, 154)) << i;
    }
    EXPECT_TRUE(TextAt(r, 5, 20, "       0.0"));
}

TEST(StemPlot, NoSamplesDrawsAxesPeakAndCountOnly)
{
    for (int count : {0, -3}) {
        const Raster r = Plot(std::vector<float>(5, 1.0f), 150, count);
        EXPECT_EQ(kBlue, r.Pixel(685, 150));
        EXPECT_EQ(kBlue, r.Pixel(60, 15));
        EXPECT_TRUE(TextAt(r, 5, 20, "       0.0"));
        EXPECT_TRUE(TextAt(r, 50, 152, "0"));
        // Nothing black outside the two labels: no stems, no sample numbers.
        for (int y = 0; y < r.Height(); ++y) {
            for (int x = 0; x < r.Width(); ++x) {
                const bool peakLabel = x >= 5 && x < 75 && y >= 20 && y < 35;
                const bool countLabel = x >= 50 && x < 57 && y >= 152 && y < 167;
                ASSERT_TRUE(peakLabel || countLabel || !IsBlack(r, x, y)) << x << "," << y;
            }
        }
    }
}

TEST(StemPlot, NonFiniteValuesDrawWithoutConvertingThemToIntegers)
{
    // m = inf: finite values have no height, the infinities full height of
    // their sign, the NaN none.
    {
        const Raster r = Plot({5.0f, kInf, -kInf, kNaN, -3.0f, 0, 0, 0, 0, 0}, 150, 10);
        EXPECT_TRUE(TextAt(r, 5, 20, "       inf"));
        for (int i : {0, 3, 4}) {
            EXPECT_TRUE(IsBlack(r, 60 + 60 * i, 150) && !IsBlack(r, 60 + 60 * i, 149)) << i;
            EXPECT_TRUE(EllipseAt(r, 58 + 60 * i, 150, 63 + 60 * i, 154)) << i;
        }
        EXPECT_TRUE(StemPixels(r, 120, 32, 150));
        EXPECT_TRUE(EllipseAt(r, 118, 28, 123, 32));
        EXPECT_TRUE(StemPixels(r, 180, 150, 269));
        EXPECT_TRUE(EllipseAt(r, 178, 270, 183, 274));
    }
    // A NaN is never the largest magnitude.
    {
        const Raster r = Plot({kNaN, 2.0f, kNaN, 0, 0, 0, 0, 0, 0, 0}, 150, 10);
        EXPECT_TRUE(TextAt(r, 5, 20, "       2.0"));
        EXPECT_TRUE(IsBlack(r, 60, 150) && !IsBlack(r, 60, 149));
        EXPECT_TRUE(StemPixels(r, 120, 32, 150));
    }
    EXPECT_EQ(0.0f, LargestMagnitude(std::vector<float>(3, kNaN), 3));
    EXPECT_EQ(0.0f, StemHeight(kNaN, 0.0f));
    EXPECT_EQ(-120.0f, StemHeight(-kInf, kInf));
}

TEST(StemPlot, PeakLabelIsPrintfTenPointOneInTheCLocale)
{
    const std::vector<float> values = {0.0f,   3.0f,       12.5f, 0.25f,  0.35f, 0.05f,
                                       0.75f,  -1.5f,      1e-3f, 99.95f, 1e10f, FLT_MAX,
                                       1e-40f, 1234567.8f, kInf,  -kInf,  kNaN};
    for (float v : values) {
        EXPECT_EQ(Printf("%10.1f", v), FormatPeakLabel(v)) << v;
    }
    EXPECT_EQ("       3.0", FormatPeakLabel(3.0f));
    for (int v : {0, 7, 1595, -12, std::numeric_limits<int>::min()}) {
        EXPECT_EQ(std::to_string(v), FormatCountLabel(v));
    }
}

TEST(StemPlot, PeakLabelIgnoresACommaDecimalLocale)
{
    const std::string saved = std::setlocale(LC_NUMERIC, nullptr);
    bool comma = false;
    for (const char* name : {"de_DE.UTF-8", "de_DE.utf8", "fr_FR.UTF-8", "ru_RU.UTF-8", "de_DE"}) {
        if (std::setlocale(LC_NUMERIC, name) != nullptr && Printf("%.1f", 0.5) == "0,5") {
            comma = true;
            break;
        }
    }
    if (!comma) {
        std::setlocale(LC_NUMERIC, saved.c_str());
        GTEST_SKIP() << "no locale with a decimal comma is installed";
    }
    const std::string text = FormatPeakLabel(3.0f);
    std::setlocale(LC_NUMERIC, saved.c_str());
    EXPECT_EQ("       3.0", text);
}
