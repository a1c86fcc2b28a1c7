// The designer's events: which presses count, what the design holds after
// them, Reset and reopening, and full tables.
#include "tests/polezero/designer_checks.h"

#include <bit>
#include <cmath>
#include <cstdint>
#include <cstring>
#include <vector>

#include "polezero/dialog_face.h"
#include "tests/support/test_tools.h"

using polezero::PixelPoint;

namespace {

using polezero::PressOutcome;

Raster FreshClientArea()
{
    ResetWorkspace();
    return polezero::DesignerSession({.tools = &TestTools().Tools()}).ClientArea();
}

bool ResponseIsEmptyDesign(const WrittenFields& fields)
{
    for (double v : fields.response) {
        if (v != 1.0) {
            return false;
        }
    }
    return true;
}

}  // namespace

TEST_F(DesignerTest, OpeningGivesAnEmptyDesignInZeroPlacementAndDrawsNothing)
{
    EXPECT_TRUE(ResponseIsEmptyDesign(Fields()));
    EXPECT_EQ(1, Fields().zeroCount);
    EXPECT_EQ(1, Fields().poleCount);
    EXPECT_TRUE(Fields().placeZeros);
    EXPECT_TRUE(session.Readout().cartesian.empty());
    EXPECT_TRUE(session.Readout().polar.empty());
    // Only the face: the canvas frames are white inside, nothing is drawn.
    for (int y = 12; y < 244; ++y) {
        for (int x = 11; x < 249; ++x) {
            ASSERT_EQ(kWhite, Client().Pixel(x, y)) << x << ", " << y;
        }
    }
}

TEST_F(DesignerTest, OnlyPressesInsideTheDesignAreaCount)
{
    const Raster before = Client();
    for (const auto& [x, y] : std::vector<std::pair<int, int>>{
             {15, 100}, {247, 100}, {100, 15}, {100, 242}, {-5, -5}, {INT32_MAX, INT32_MIN}}) {
        EXPECT_EQ(PressOutcome::Outside, session.Press(x, y)) << x << ", " << y;
    }
    EXPECT_EQ(1, Fields().zeroCount);
    EXPECT_TRUE(ResponseIsEmptyDesign(Fields()));
    EXPECT_TRUE(std::equal(before.Bytes().begin(), before.Bytes().end(), Client().Bytes().begin()));

    // The corners of the area are accepted, though row and column 16 lie
    // outside the canvas's white fill.
    EXPECT_EQ(PressOutcome::Placed, session.Press(16, 16));
    EXPECT_EQ(PressOutcome::Placed, session.Press(246, 241));
    EXPECT_EQ(3, Fields().zeroCount);
    EXPECT_EQ(16, Fields().zeros[1].x);
    EXPECT_EQ(241, Fields().zeros[2].y);
}

TEST_F(DesignerTest, TheStoredResponseIsTheProductOfDistancesOfAllMarkers)
{
    const std::vector<std::tuple<bool, int, int>> markers = {
        {true, 190, 70},  {false, 150, 110}, {true, 40, 200}, {false, 128, 131},
        {true, 130, 130}, {false, 246, 16},  {true, 60, 135}};
    for (const auto& [zero, x, y] : markers) {
        Place(zero, x, y);
    }
    for (int k = 0; k < polezero::kSampleCount; ++k) {
        double expected = 1.0;
        for (const auto& [zero, x, y] : markers) {
            expected = zero ? expected * Distance(k, x, y) : expected / Distance(k, x, y);
        }
        ASSERT_NEAR(Fields().response[static_cast<std::size_t>(k)] / expected, 1.0, 1e-7)
            << "k = " << k;
    }
    // Zeros and poles each keep their placement order.
    EXPECT_EQ(5, Fields().zeroCount);
    EXPECT_EQ(4, Fields().poleCount);
    EXPECT_EQ((PixelPoint{40, 200}), Fields().zeros[2]);
    EXPECT_EQ((PixelPoint{246, 16}), Fields().poles[3]);
}

TEST_F(DesignerTest, AZeroAndAPoleOnOnePixelCancel)
{
    Place(true, 100, 90);
    const auto before = Fields().response;
    Place(true, 170, 150);
    Place(false, 170, 150);
    for (std::size_t k = 0; k < before.size(); ++k) {
        ASSERT_NEAR(Fields().response[k] / before[k], 1.0, 1e-12) << "k = " << k;
    }
    EXPECT_EQ(3, Fields().zeroCount);
    EXPECT_EQ(2, Fields().poleCount);
    EXPECT_EQ(kRed, Client().Pixel(166, 150));  // the pole's cross over the zero's ring
}

TEST_F(DesignerTest, RadioButtonsChangeOnlyThePlacementMode)
{
    Place(true, 100, 100);
    const Raster before = Client();
    session.PlacePoles();
    EXPECT_FALSE(Fields().placeZeros);
    EXPECT_TRUE(std::equal(before.Bytes().begin(), before.Bytes().end(), Client().Bytes().begin()));
    ASSERT_EQ(PressOutcome::Placed, session.Press(110, 100));
    EXPECT_EQ(2, Fields().poleCount);
    EXPECT_EQ(2, Fields().zeroCount);
}

TEST_F(DesignerTest, ResetEmptiesTheDesignButLeavesOuterMarkersAndTheResponseOnScreen)
{
    Place(true, 30, 40);     // outside the unit circle
    Place(false, 150, 140);  // inside it
    const Raster before = Client();
    session.Reset();

    EXPECT_TRUE(ResponseIsEmptyDesign(Fields()));
    EXPECT_EQ(1, Fields().zeroCount);
    EXPECT_EQ(1, Fields().poleCount);
    EXPECT_FALSE(Fields().placeZeros);            // the mode stays
    EXPECT_EQ(kBlack, Client().Pixel(28, 40));    // the outer zero's ring stays
    EXPECT_EQ(kWhite, Client().Pixel(150, 136));  // the inner pole is wiped...
    EXPECT_EQ(kBlue, Client().Pixel(130, 140));   // ...the axes drawn again
    for (int y = 275; y < 489; ++y) {             // the response picture stays
        for (int x = 10; x < 696; ++x) {
            ASSERT_EQ(before.Pixel(x, y), Client().Pixel(x, y)) << x << ", " << y;
        }
    }

    // The next press redraws the z-plane with the new marker alone.
    Place(true, 100, 100);
    EXPECT_EQ(kWhite, Client().Pixel(28, 40));
    EXPECT_EQ(kBlack, Client().Pixel(98, 100));
}

TEST_F(DesignerTest, ReopeningForgetsTheDesignAndTheScreen)
{
    Place(false, 100, 100);
    session.Move(100, 100);
    session.Open();
    EXPECT_TRUE(Fields().placeZeros);
    EXPECT_EQ(1, Fields().poleCount);
    EXPECT_TRUE(ResponseIsEmptyDesign(Fields()));
    EXPECT_TRUE(session.Readout().cartesian.empty());
    const Raster fresh = FreshClientArea();
    EXPECT_TRUE(std::equal(fresh.Bytes().begin(), fresh.Bytes().end(), Client().Bytes().begin()));
}

TEST_F(DesignerTest, AFullTableIgnoresThePressAndWritesNothing)
{
    for (int i = 1; i < (polezero::kMostMarkersOfAKind + 1); ++i) {
        Place(true, 100 + i % 100, 60);
    }
    EXPECT_EQ((polezero::kMostMarkersOfAKind + 1), Fields().zeroCount);
    const auto response = Fields().response;
    const double peak = Fields().responsePeakIndex;
    const Raster before = Client();
    EXPECT_EQ(PressOutcome::TableFull, session.Press(120, 120));
    EXPECT_EQ((polezero::kMostMarkersOfAKind + 1), Fields().zeroCount);
    EXPECT_EQ(peak, Fields().responsePeakIndex);
    EXPECT_EQ(0, std::memcmp(response.data(), Fields().response.data(), sizeof response));
    EXPECT_TRUE(std::equal(before.Bytes().begin(), before.Bytes().end(), Client().Bytes().begin()));
    // The other table still takes markers.
    Place(false, 120, 120);
}

TEST(DialogFace, FramesAndCanvasesLieWhereTheDesignerDraws)
{
    using polezero::ToPixels;
    const polezero::PixelBox client = ToPixels(polezero::kClientUnits);
    EXPECT_EQ(polezero::kClientWidth, client.right);
    EXPECT_EQ(polezero::kClientHeight, client.bottom);
    const polezero::PixelBox plane = ToPixels(polezero::kPlaneFrame);
    const polezero::PixelBox response = ToPixels(polezero::kResponseFrame);
    EXPECT_EQ((std::array{10, 11, 250, 245}),
              (std::array{plane.left, plane.top, plane.right, plane.bottom}));
    EXPECT_EQ((std::array{10, 275, 696, 489}),
              (std::array{response.left, response.top, response.right, response.bottom}));
    // Each canvas lies inside its frame's border.
    EXPECT_TRUE(plane.left < 17 && plane.top < 17 && 247 < plane.right && 242 < plane.bottom);
    EXPECT_TRUE(response.left < 17 && response.top < 280 && 660 < response.right &&
                465 < response.bottom);
}

// The sample points are made at build time; they must be the C library's
// values that the press arithmetic has always used, not the correctly
// rounded ones a compiler would fold from constants (sin w_516 differs).
TEST(SampleGrid, IsTheCLibrarysSineAndCosineBitForBit)
{
    volatile double opaque = polezero::kSampleStep;
    const double step = opaque;
    const polezero::SampleOffsets& points = polezero::SamplePoints();
    for (std::size_t k = 0; k < points.u.size(); ++k) {
        const double w = static_cast<double>(k) * step;
        ASSERT_EQ(std::bit_cast<std::uint64_t>(60 * std::cos(w)),
                  std::bit_cast<std::uint64_t>(points.u[k]))
            << "k = " << k;
        ASSERT_EQ(std::bit_cast<std::uint64_t>(60 * std::sin(w)),
                  std::bit_cast<std::uint64_t>(points.v[k]))
            << "k = " << k;
    }
}
