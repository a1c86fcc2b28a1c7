// The two pictures pixel by pixel: the z-plane's markers, the response's
// bars, curve, reference rows and peak marker, and responses that are not
// finite.
#include "tests/polezero/designer_checks.h"

#include <array>
#include <vector>

#include "picture/surface.h"
#include "polezero/pictures.h"
#include "tests/support/test_tools.h"

namespace {

constexpr Rgb kOlive{85, 85, 0};

std::set<int> EveryOtherColumn(int first, int last)
{
    std::set<int> columns;
    for (int x = first; x <= last; x += 2) {
        columns.insert(x);
    }
    return columns;
}

// Black pixels of the response canvas above row 450, away from the axis
// column: where the curve runs.
int CurvePixelsAboveTheAxis(const Raster& r, int firstColumn)
{
    int count = 0;
    for (int y = 280; y < 450; ++y) {
        for (int x = firstColumn; x < 660; ++x) {
            count += r.Pixel(x, y) == kBlack ? 1 : 0;
        }
    }
    return count;
}

}  // namespace

TEST_F(DesignerTest, AZeroAtOneGivesTheHighPassPicture)
{
    Place(true, 190, 130);  // z = 1, the sample point of w = 0
    EXPECT_EQ(0.0, Fields().response[0]);
    EXPECT_EQ(300.0, Fields().responsePeakIndex);  // z = -1 is farthest away

    // |1 - e^{jw}| / 2 > 0.707 exactly for k = 150 .. 450; the toggle gives
    // bars to every other one, from the first.
    std::set<int> bars = EveryOtherColumn(200, 500);
    bars.erase(350);  // the peak marker is drawn over it
    EXPECT_EQ(bars, BarColumns(Client()));
    EXPECT_EQ((Rgb{170, 6, 170}), Client().Pixel(200, 448));
    EXPECT_EQ((Rgb{170, 30, 170}), Client().Pixel(202, 432));

    // The curve touches row 300 at the peak and never rises above it.
    EXPECT_EQ(kBlack, Client().Pixel(350, 300));
    for (int y = 280; y < 300; ++y) {
        for (int x = 17; x < 660; ++x) {
            ASSERT_EQ(kWhite, Client().Pixel(x, y)) << x << ", " << y;
        }
    }
    // Last of all, the magnitude axis and the olive peak column.
    for (int y = 301; y <= 450; ++y) {
        ASSERT_EQ(kBlue, Client().Pixel(50, y)) << y;
        ASSERT_EQ(kOlive, Client().Pixel(350, y)) << y;
    }
    EXPECT_EQ(kWhite, Client().Pixel(350, 451));
    EXPECT_EQ(kBlue, Client().Pixel(649, 450));
    EXPECT_EQ(kRed, Client().Pixel(649, 343));
    EXPECT_EQ(kWhite, Client().Pixel(650, 450));
}

TEST_F(DesignerTest, AZeroAtTheCentreIsFlatWithFullBarsEverywhere)
{
    Place(true, 130, 130);
    const int peakColumn = 50 + static_cast<int>(Fields().responsePeakIndex);
    std::set<int> expected = EveryOtherColumn(52, 648);
    expected.erase(peakColumn);
    std::set<int> bars = BarColumns(Client());
    bars.erase(peakColumn);
    EXPECT_EQ(expected, bars);
    for (int x = 52; x < 649; x += 2) {
        if (x == peakColumn) {
            continue;
        }
        ASSERT_EQ((Rgb{170, 225, 170}), Client().Pixel(x, 302)) << x;  // dot 75
        ASSERT_EQ(kBlack, Client().Pixel(x, 300)) << x;
        ASSERT_EQ(kWhite, Client().Pixel(x, 299)) << x;
    }
}

TEST_F(DesignerTest, MarkersAreRingsAndPolesCarryAnUnevenCross)
{
    Place(true, 60, 200);
    Place(false, 200, 60);
    const Raster& r = Client();
    // A ring of the 5 x 5 box (x - 2, y - 2)-(x + 3, y + 3): white inside.
    EXPECT_EQ(kWhite, r.Pixel(60, 200));
    EXPECT_EQ(kBlack, r.Pixel(58, 200));
    EXPECT_EQ(kBlack, r.Pixel(62, 200));
    EXPECT_EQ(kBlack, r.Pixel(60, 198));
    EXPECT_EQ(kWhite, r.Pixel(63, 200));
    // The cross: 4 pixels left and up, 3 right and down, red over the ring.
    for (int i = -4; i <= 3; ++i) {
        EXPECT_EQ(kRed, r.Pixel(200 + i, 60)) << i;
        EXPECT_EQ(kRed, r.Pixel(200, 60 + i)) << i;
    }
    EXPECT_EQ(kWhite, r.Pixel(204, 60));
    EXPECT_EQ(kWhite, r.Pixel(200, 64));
    EXPECT_EQ(kWhite, r.Pixel(195, 60));
}

// Poles are drawn after every zero, whatever the order of placement: a pole
// placed before a zero on the same pixel still shows its whole cross over
// the zero's ring.
TEST_F(DesignerTest, PolesAreDrawnOverZeros)
{
    Place(false, 100, 100);
    Place(true, 100, 100);
    for (int i = -4; i <= 3; ++i) {
        EXPECT_EQ(kRed, Client().Pixel(100 + i, 100)) << i;
        EXPECT_EQ(kRed, Client().Pixel(100, 100 + i)) << i;
    }
    // Off the cross, the ring is still the ring.
    EXPECT_EQ(kBlack, Client().Pixel(98, 99));
    EXPECT_EQ(kBlack, Client().Pixel(102, 101));
}

TEST_F(DesignerTest, AMarkerAtTheCanvasEdgeLeavesPixelsNoRedrawClears)
{
    Place(false, 16, 100);
    for (int x = 12; x <= 19; ++x) {
        EXPECT_EQ(kRed, Client().Pixel(x, 100)) << x;
    }
    session.Reset();
    Place(true, 130, 60);
    // The white fill starts at column 17: what lay left of it stays.
    for (int x = 12; x <= 16; ++x) {
        EXPECT_EQ(kRed, Client().Pixel(x, 100)) << x;
    }
    EXPECT_EQ(kWhite, Client().Pixel(17, 100));
}

// In each step the segment is drawn first and the blue and red reference
// pixels of its column after it, so only the next step's segment can cover
// them again.
TEST_F(DesignerTest, ReferencePixelsFollowEachSegment)
{
    // A notch: steep segments cross both reference rows.
    Place(true, 130, 70);
    Place(true, 130, 190);
    Place(false, 130, 76);
    Place(false, 130, 184);
    const WrittenFields fields = Fields();
    const double peak = *std::max_element(fields.response.begin(), fields.response.end());
    std::array<int, polezero::kSampleCount> row{};
    for (int k = 0; k < polezero::kSampleCount; ++k) {
        row[static_cast<std::size_t>(k)] =
            static_cast<int>(450 - 150 * (fields.response[static_cast<std::size_t>(k)] / peak));
    }
    const int peakColumn = 50 + static_cast<int>(fields.responsePeakIndex);
    int checked = 0;
    for (int k = 1; k < polezero::kSampleCount; ++k) {
        const int x = 50 + k;
        if (x == peakColumn) {
            continue;
        }
        // What the next segment alone draws in this column.
        Raster next(700, 500, kWhite);
        Surface surface(next, TestFont());
        if (k + 1 < polezero::kSampleCount) {
            surface.MoveTo(x, row[static_cast<std::size_t>(k)]);
            surface.LineTo(x + 1, row[static_cast<std::size_t>(k + 1)]);
        }
        ASSERT_EQ(next.Pixel(x, 343) == kBlack ? kBlack : kRed, Client().Pixel(x, 343)) << x;
        ASSERT_EQ(next.Pixel(x, 450) == kBlack ? kBlack : kBlue, Client().Pixel(x, 450)) << x;
        ++checked;
    }
    EXPECT_GT(checked, 590);
}

TEST_F(DesignerTest, APoleOnASamplePointMakesThatSampleThePeak)
{
    Place(false, 190, 130);  // P_0: a division by zero
    EXPECT_TRUE(std::isinf(Fields().response[0]));
    EXPECT_EQ(0.0, Fields().responsePeakIndex);
    // Beside an infinity every finite sample is 0: the curve lies on the
    // axis, and no column but 50 has a bar.
    EXPECT_EQ(std::set<int>{}, BarColumns(Client()));
    EXPECT_EQ(0, CurvePixelsAboveTheAxis(Client(), 52));
}

TEST_F(DesignerTest, ZeroOverZeroIsNeverThePeakAndDrawsAsZero)
{
    Place(true, 190, 130);
    Place(false, 190, 130);  // sample 0 is 0 / 0
    EXPECT_TRUE(std::isnan(Fields().response[0]));
    EXPECT_NE(0.0, Fields().responsePeakIndex);
    // The curve starts on the axis: a NaN is drawn as 0, and the first
    // segment, to the next sample near the top, starts there.
    EXPECT_EQ(kWhite, Client().Pixel(50, 300));
    EXPECT_EQ(kWhite, Client().Pixel(49, 300));
}

// Far more markers of one kind than a double's range holds: the picture
// still shows the true response, peaked where the distances say.
TEST_F(DesignerTest, TwoHundredFarPolesPeakAtTheNearestSamplePoint)
{
    // Each far pole divides every sample by 100 or more: as plain doubles
    // some 170 of them leave nothing but 0.
    for (int i = 0; i < 200; ++i) {
        Place(false, 246, 241);
    }
    int nearest = 0;
    for (int k = 1; k < polezero::kSampleCount; ++k) {
        nearest = Distance(k, 246, 241) < Distance(nearest, 246, 241) ? k : nearest;
    }
    EXPECT_EQ(nearest, Fields().responsePeakIndex);
    const int column = 50 + nearest;
    EXPECT_EQ(kBlack, Client().Pixel(column, 300));  // the curve at the top...
    EXPECT_EQ(kOlive, Client().Pixel(column, 400));
    // ...and a narrow pass band around it: (d_min / d)^200 > 0.707 only close by.
    const std::set<int> bars = BarColumns(Client());
    ASSERT_FALSE(bars.empty());
    EXPECT_GE(*bars.begin(), column - 20);
    EXPECT_LE(*bars.rbegin(), column + 20);
    EXPECT_GT(CurvePixelsAboveTheAxis(Client(), 51), 0);
}

TEST_F(DesignerTest, TwoHundredFarZerosPeakAtTheFarthestSamplePoint)
{
    for (int i = 0; i < 200; ++i) {
        Place(true, 246, 241);
    }
    int farthest = 0;
    for (int k = 1; k < polezero::kSampleCount; ++k) {
        farthest = Distance(k, 246, 241) > Distance(farthest, 246, 241) ? k : farthest;
    }
    EXPECT_EQ(farthest, Fields().responsePeakIndex);
    // The stored values no longer fit a double: +inf, as plain arithmetic
    // would leave them; the picture is drawn from the true values.
    EXPECT_TRUE(std::isinf(Fields().response[0]));
    const std::set<int> bars = BarColumns(Client());
    ASSERT_FALSE(bars.empty());
    EXPECT_GE(*bars.begin(), 50 + farthest - 40);
    EXPECT_LE(*bars.rbegin(), 50 + farthest + 40);
}
