// Editing a design: after remove, drag, undo, redo and load the session
// equals a freshly opened one into which the remaining markers were pressed
// in order, design and client area alike; which edits count for undo; pair
// mode.
#include "tests/polezero/designer_checks.h"

#include <cstring>
#include <limits>
#include <optional>
#include <utility>
#include <vector>

#include "picture/surface.h"
#include "polezero/design.h"
#include "polezero/design_edit.h"
#include "polezero/design_editor.h"
#include "polezero/pictures.h"
#include "polezero/undo_history.h"
#include "tests/support/test_tools.h"

namespace {

using polezero::Marker;
using polezero::MarkerKind;
using polezero::PressOutcome;
using Kind = polezero::DesignerEvent::Kind;

constexpr MarkerKind Z = MarkerKind::Zero;
constexpr MarkerKind P = MarkerKind::Pole;

// A fresh dialog into which `markers` were pressed in order, each with its
// radio button first.
polezero::DesignerSession Fresh(const std::vector<Marker>& markers)
{
    polezero::DesignerSession fresh({.tools = &TestTools().Tools()});
    for (const Marker& m : markers) {
        m.kind == Z ? fresh.PlaceZeros() : fresh.PlacePoles();
        EXPECT_EQ(PressOutcome::Placed, fresh.Press(m.at.x, m.at.y));
    }
    return fresh;
}

// The client area of a fresh dialog with the empty design drawn as a press
// draws it.
Raster EmptyDesignDrawn()
{
    polezero::DesignerSession fresh({.tools = &TestTools().Tools()});
    Raster client = fresh.ClientArea();
    Surface surface(client, TestFont());
    polezero::DrawDesign(surface, fresh.CurrentDesign(), fresh.PeakIndex());
    return client;
}

bool SameBytes(const Raster& a, const Raster& b)
{
    return std::equal(a.Bytes().begin(), a.Bytes().end(), b.Bytes().begin(), b.Bytes().end());
}

class EditTest : public DesignerTest {
protected:
    void Press(MarkerKind kind, int x, int y) { Place(kind == Z, x, y); }

    void PressAll(const std::vector<Marker>& markers)
    {
        for (const Marker& m : markers) {
            Press(m.kind, m.at.x, m.at.y);
        }
    }

    // The session equals a fresh dialog with `markers` pressed in order:
    // the markers, every sample bit for bit, the peak and every pixel.
    void ExpectFreshWith(const std::vector<Marker>& markers)
    {
        const polezero::Design& design = session.CurrentDesign();
        EXPECT_EQ(markers, design.markers);
        const polezero::DesignerSession fresh = Fresh(markers);
        const polezero::Design& wanted = fresh.CurrentDesign();
        EXPECT_EQ(fresh.PeakIndex(), session.PeakIndex());
        for (int k = 0; k < polezero::kSampleCount; ++k) {
            const auto a = polezero::SampleValue(wanted.response, k);
            const auto b = polezero::SampleValue(design.response, k);
            ASSERT_TRUE(std::memcmp(&a.mantissa, &b.mantissa, sizeof a.mantissa) == 0 &&
                        a.exponent == b.exponent)
                << "k = " << k;
        }
        EXPECT_TRUE(SameBytes(markers.empty() ? EmptyDesignDrawn() : fresh.ClientArea(), Client()));
    }

    // Nothing changed: the same design and the same pixels as before.
    void ExpectUnchanged(const polezero::Design& before, const Raster& shown)
    {
        EXPECT_EQ(before.markers, session.CurrentDesign().markers);
        EXPECT_TRUE(SameBytes(shown, Client()));
    }
};

// Markers that leave pixels outside the canvas's white fill (the pole at
// the left edge) and markers of both kinds interleaved.
const std::vector<Marker> kDesign = {
    {Z, {130, 70}}, {P, {16, 100}},  {Z, {130, 190}}, {P, {130, 76}},
    {Z, {200, 60}}, {P, {130, 184}}, {Z, {240, 235}},
};

}  // namespace

TEST_F(EditTest, RemoveTakesTheNearestMarkerWithinFivePixelsAndRedrawsAsFresh)
{
    PressAll(kDesign);
    // (17, 104) is 4.1 pixels from the edge pole: its cross, left of the
    // canvas fill, goes with it.
    ASSERT_TRUE(session.Remove(17, 104));
    std::vector<Marker> left = kDesign;
    left.erase(left.begin() + 1);
    ExpectFreshWith(left);
    EXPECT_EQ(kWhite, Client().Pixel(12, 100));

    // Just beyond 5 pixels (4, 4 away): nothing.
    const polezero::Design before = session.CurrentDesign();
    const Raster shown = Client();
    EXPECT_FALSE(session.Remove(204, 64));
    ExpectUnchanged(before, shown);
    // Exactly 5 (3, 4 away) picks.
    EXPECT_TRUE(session.Remove(203, 64));
    left.erase(left.begin() + 3);
    ExpectFreshWith(left);
}

TEST_F(EditTest, OfEqualDistancesTheLatestPlacedMarkerGoes)
{
    PressAll({{Z, {100, 100}}, {P, {104, 100}}, {Z, {100, 100}}, {Z, {60, 60}}});
    ASSERT_TRUE(session.Remove(102, 100));  // 2 from each: the later zero
    ExpectFreshWith({{Z, {100, 100}}, {P, {104, 100}}, {Z, {60, 60}}});
    ASSERT_TRUE(session.Remove(101, 100));  // nearer to the zero
    ExpectFreshWith({{P, {104, 100}}, {Z, {60, 60}}});
}

TEST_F(EditTest, RemovingTheLastMarkerDrawsTheEmptyDesignAsAPressDoes)
{
    PressAll({{P, {150, 150}}});
    ASSERT_TRUE(session.Remove(150, 150));
    ExpectFreshWith({});
}

TEST_F(EditTest, DragMovesAMarkerKeepingItsPlaceInTheOrder)
{
    PressAll(kDesign);
    session.Drag(129, 77, 100, 80);  // the first pole after the edge one
    std::vector<Marker> moved = kDesign;
    moved[3].at = {100, 80};
    ExpectFreshWith(moved);

    const polezero::Design before = session.CurrentDesign();
    const Raster shown = Client();
    session.Drag(100, 80, 247, 80);  // to outside the design area
    ExpectUnchanged(before, shown);
    session.Drag(180, 180, 100, 100);  // nothing under the press
    ExpectUnchanged(before, shown);
    session.Drag(100, 80, 100, 80);  // to where it is
    ExpectUnchanged(before, shown);
    EXPECT_TRUE(session.Undo());  // only the first drag was a change...
    ExpectFreshWith(kDesign);
    EXPECT_TRUE(session.Undo());  // ...before it, the last press
    ExpectFreshWith(std::vector<Marker>(kDesign.begin(), kDesign.end() - 1));
}

TEST_F(EditTest, ALiveDragRedrawsAtEachMoveAndEndsAsTheStepDoes)
{
    PressAll(kDesign);
    ASSERT_FALSE(session.BeginDrag(180, 180));
    ASSERT_TRUE(session.BeginDrag(201, 61));
    EXPECT_TRUE(session.DragTo(150, 40));
    std::vector<Marker> moved = kDesign;
    moved[4].at = {150, 40};
    ExpectFreshWith(moved);
    EXPECT_TRUE(session.DragTo(5, 40));  // outside: shown where it was
    ExpectFreshWith(kDesign);
    EXPECT_FALSE(session.DragTo(5, 41));  // still outside: nothing to redraw
    EXPECT_TRUE(session.EndDrag(160, 50));
    moved[4].at = {160, 50};
    ExpectFreshWith(moved);
    EXPECT_FALSE(session.Dragging());

    // A drag the window system takes away puts the design back.
    ASSERT_TRUE(session.BeginDrag(160, 50));
    session.DragTo(170, 50);
    EXPECT_TRUE(session.CancelDrag());
    ExpectFreshWith(moved);
    EXPECT_TRUE(session.Undo());  // one change: the finished drag
    ExpectFreshWith(kDesign);
}

TEST_F(EditTest, UndoAndRedoStepThroughPressesEditsResetAndLoads)
{
    Press(Z, 100, 100);
    session.PlacePoles();                   // radio buttons do not count
    session.Move(120, 120);                 // nor do pointer moves
    session.Apply({Kind::Pair, 150, 110});  // a pair is one change
    session.Remove(150, 150);
    session.Reset();
    ASSERT_TRUE(session.Load({{Z, {60, 200}}, {P, {62, 198}}}));

    const std::vector<std::vector<Marker>> steps = {
        {},
        {{Z, {100, 100}}},
        {{Z, {100, 100}}, {P, {150, 110}}, {P, {150, 150}}},
        {{Z, {100, 100}}, {P, {150, 110}}},
        {},
        {{Z, {60, 200}}, {P, {62, 198}}},
    };
    for (std::size_t i = steps.size() - 1; i-- > 0;) {
        ASSERT_TRUE(session.Undo()) << i;
        ExpectFreshWith(steps[i]);
        EXPECT_FALSE(session.PlacingZeros());  // the mode stays as set
    }
    EXPECT_FALSE(session.Undo());
    for (std::size_t i = 1; i < steps.size(); ++i) {
        ASSERT_TRUE(session.Redo()) << i;
        ExpectFreshWith(steps[i]);
    }
    EXPECT_FALSE(session.Redo());

    // A new change empties redo; reopening empties both.
    session.Undo();
    session.Undo();
    Press(P, 70, 70);
    EXPECT_FALSE(session.CanRedo());
    const int peak = session.PeakIndex();
    ASSERT_NE(0, peak);
    session.Open();
    EXPECT_FALSE(session.CanUndo());
    EXPECT_FALSE(session.Pairs());
    EXPECT_EQ(peak, Fields().responsePeakIndex);  // as the written designer leaves it
}

TEST_F(EditTest, EditsThatChangeNothingAreNoStepsForUndo)
{
    session.Reset();           // an empty design
    session.Remove(100, 100);  // nothing there
    EXPECT_EQ(PressOutcome::Outside, session.Press(10, 10));
    EXPECT_FALSE(session.CanUndo());
    Press(Z, 100, 100);
    session.Drag(100, 100, 100, 100);
    ASSERT_TRUE(session.Undo());
    EXPECT_FALSE(session.CanUndo());
}

TEST_F(EditTest, LoadingReplacesTheDesignAndKeepsTheMode)
{
    PressAll(kDesign);
    session.PlacePoles();
    const std::vector<Marker> loaded = {{P, {130, 130}}, {Z, {190, 130}}, {Z, {70, 130}}};
    ASSERT_TRUE(session.Load(loaded));
    ExpectFreshWith(loaded);
    EXPECT_FALSE(session.PlacingZeros());

    // What no design file can hold is refused whole.
    std::vector<Marker> tooMany(500, Marker{Z, {100, 100}});
    EXPECT_FALSE(session.Load(tooMany));
    EXPECT_FALSE(session.Load({{Z, {100, 100}}, {P, {15, 100}}}));
    ExpectFreshWith(loaded);
}

TEST_F(EditTest, PairsArePressesAtAPointAndItsMirror)
{
    EXPECT_EQ(PressOutcome::Placed, session.Pair(100, 90));   // and (100, 170)
    EXPECT_EQ(PressOutcome::Placed, session.Pair(160, 130));  // on the axis: one
    EXPECT_EQ(PressOutcome::Placed, session.Pair(200, 17));   // mirror 243: outside
    EXPECT_EQ(PressOutcome::Placed, session.Pair(40, 243));   // outside, its mirror 17 not
    // Rows at the ends of int: their mirrors lie beyond it, and outside.
    EXPECT_EQ(PressOutcome::Outside, session.Pair(100, std::numeric_limits<int>::min()));
    EXPECT_EQ(PressOutcome::Outside, session.Pair(100, std::numeric_limits<int>::max()));
    ExpectFreshWith(
        {{Z, {100, 90}}, {Z, {100, 170}}, {Z, {160, 130}}, {Z, {200, 17}}, {Z, {40, 17}}});
    ASSERT_TRUE(session.Undo());
    ASSERT_TRUE(session.Undo());
    ASSERT_TRUE(session.Undo());
    ExpectFreshWith({{Z, {100, 90}}, {Z, {100, 170}}});

    // Pair mode: every press a pair, of the current kind.
    session.SetPairs(true);
    session.PlacePoles();
    EXPECT_EQ(PressOutcome::Placed, session.Press(90, 100));
    ExpectFreshWith({{Z, {100, 90}}, {Z, {100, 170}}, {P, {90, 100}}, {P, {90, 160}}});
}

TEST_F(EditTest, InPairModeRemoveAndDragTakeTheMirrorPartnerAlong)
{
    PressAll({{P, {90, 100}}, {P, {90, 160}}, {Z, {90, 160}}, {P, {90, 160}}, {P, {120, 130}}});
    session.SetPairs(true);
    // The pole at (90, 100): its partner is the latest other pole at (90, 160).
    session.Drag(90, 100, 80, 110);
    ExpectFreshWith(
        {{P, {80, 110}}, {P, {90, 160}}, {Z, {90, 160}}, {P, {80, 150}}, {P, {120, 130}}});
    // A partner whose place would leave the design area: no drag.
    const polezero::Design before = session.CurrentDesign();
    const Raster shown = Client();
    session.Drag(80, 110, 80, 17);
    ExpectUnchanged(before, shown);
    // On the real axis a marker is its own mirror.
    ASSERT_TRUE(session.Remove(120, 130));
    ASSERT_TRUE(session.Remove(80, 150));
    ExpectFreshWith({{P, {90, 160}}, {Z, {90, 160}}});
    ASSERT_TRUE(session.Remove(90, 160));  // the zero, the latest: no partner
    ExpectFreshWith({{P, {90, 160}}});
}

TEST_F(EditTest, APairMeetingAFullTablePlacesWhatFits)
{
    std::vector<Marker> full(498, Marker{Z, {100, 100}});
    ASSERT_TRUE(session.Load(full));
    EXPECT_EQ(PressOutcome::PlacedOneOfPair, session.Pair(100, 90));
    EXPECT_EQ(PressOutcome::TableFull, session.Pair(100, 90));
    EXPECT_EQ((polezero::kMostMarkersOfAKind + 1), Fields().zeroCount);
}

// The edits' rules at their exact limits, without a session.

TEST(DesignEdits, APickReachesExactlyFivePixelsInEveryDirection)
{
    const std::vector<Marker> one = {{Z, {100, 100}}};
    for (const auto& [dx, dy] : {std::pair{5, 0}, {-5, 0}, {0, 5}, {0, -5}, {3, 4}, {-4, -3}}) {
        EXPECT_EQ(0u, polezero::PickMarker(one, 100 + dx, 100 + dy)) << dx << ", " << dy;
    }
    for (const auto& [dx, dy] : {std::pair{6, 0}, {0, -6}, {4, 4}, {5, 1}}) {
        EXPECT_FALSE(polezero::PickMarker(one, 100 + dx, 100 + dy)) << dx << ", " << dy;
    }
}

TEST(DesignEdits, AMirrorPartnerIsOfTheSameKindAndOnlyPairsNeedItsPlace)
{
    // A pole at the zero's mirror is no partner: it stays.
    const std::vector<Marker> mixed = {{P, {90, 100}}, {Z, {90, 160}}};
    EXPECT_EQ((std::vector<Marker>{{P, {90, 100}}}), polezero::RemovedAt(mixed, 90, 160, true));
    // Alone, a marker goes anywhere in the area, also where its mirror
    // (243) would lie outside; in pair mode too, having no partner.
    const std::vector<Marker> single = {{Z, {100, 100}}};
    EXPECT_EQ((std::vector<Marker>{{Z, {100, 17}}}),
              polezero::DraggedTo(single, {100, 100}, {100, 17}, false));
    EXPECT_EQ((std::vector<Marker>{{Z, {100, 17}}}),
              polezero::DraggedTo(single, {100, 100}, {100, 17}, true));
}

TEST(DesignEdits, ALoadTakesUpTo499OfAKindAllInsideTheArea)
{
    polezero::DesignEditor editor;
    std::vector<Marker> full(polezero::kMostMarkersOfAKind, Marker{Z, {100, 100}});
    full.insert(full.end(), polezero::kMostMarkersOfAKind, Marker{P, {60, 60}});
    EXPECT_TRUE(editor.Load(full));
    // The corners of the area are inside; one pixel beyond any edge is not.
    EXPECT_TRUE(editor.Load({{Z, {16, 16}}, {P, {246, 241}}}));
    for (const polezero::PixelPoint at :
         {polezero::PixelPoint{15, 100}, {247, 100}, {100, 15}, {100, 242}}) {
        EXPECT_FALSE(editor.Load({{Z, {100, 100}}, {P, at}})) << at.x << ", " << at.y;
    }
    EXPECT_EQ(2u, editor.Current().markers.size());
}

TEST(UndoHistory, KeepsTheLatestThousandStepsAndForgetsTheOldest)
{
    polezero::UndoHistory history;
    const auto step = [](int i) {
        polezero::Design design;
        design.markers = {{Z, {16 + i % 200, 16 + i / 200}}};
        return design;
    };
    constexpr int kRecorded = static_cast<int>(polezero::UndoHistory::kMostSteps) + 1;
    for (int i = 0; i < kRecorded; ++i) {
        history.Record(step(i));
    }
    std::optional<polezero::Design> undone;
    for (int i = kRecorded - 1; i >= 1; --i) {
        undone = history.Undo(polezero::Design{});
        ASSERT_TRUE(undone.has_value()) << i;
        ASSERT_EQ(step(i).markers, undone->markers);
    }
    EXPECT_FALSE(history.Undo(polezero::Design{}));  // step 0 is forgotten
}
