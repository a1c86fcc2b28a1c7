// The designer at a desktop scale: at scale 2 every event draws what it
// draws at scale 1, in 2 x 2 blocks, over what the last one left (Reset
// only the circle and the axes); repaints the window system asks for are
// given in picture pixels; and the drawing as shapes holds what the raster
// shows and nothing that is covered.
#include "tests/polezero/designer_checks.h"

#include <algorithm>
#include <climits>
#include <functional>
#include <stdexcept>
#include <variant>
#include <vector>

#include "picture/surface.h"
#include "picture/vector_picture.h"
#include "polezero/designer.h"
#include "polezero/dialog_face.h"
#include "polezero/pictures.h"
#include "tests/support/scaled_blocks.h"
#include "tests/support/test_tools.h"

namespace {

using Kind = polezero::DesignerEvent::Kind;
using polezero::DesignerEvent;
using polezero::DesignerSession;

std::vector<DesignerEvent> Steps(std::initializer_list<DesignerEvent> events)
{
    return events;
}

}  // namespace

// The same events on a session at scale 1 that keeps its shapes (they say
// where the outlines are antialiased) and on sessions at scales 2 and 3,
// compared after each group: presses (markers far outside the circle, one
// at the design area's corner, reaching past the canvas's white fill),
// Reset, a press after it, edits that redraw on empty frames, reopening.
TEST(DesignerAtScale, EveryEventDrawsWhatScaleOneDrawsInBlocks)
{
    const std::vector<std::vector<DesignerEvent>> groups = {
        Steps({{Kind::Press, 130, 70},
               {Kind::Press, 30, 40},
               {Kind::Press, 16, 16},
               {Kind::Poles},
               {Kind::Press, 130, 76},
               {Kind::Press, 150, 140},
               {Kind::Press, 40, 200}}),
        Steps({{Kind::Reset}}),
        Steps({{Kind::Press, 200, 200}}),
        Steps({{Kind::Remove, 200, 200},
               {Kind::Pair, 170, 100},
               {Kind::Drag, 170, 100, 175, 95},
               {Kind::Undo}}),
        Steps({{Kind::Open}, {Kind::Press, 246, 241}}),
    };
    ResetWorkspace();
    DesignerSession exact({.tools = &TestTools().Tools(), .recordShapes = true});
    DesignerSession twice({.tools = &TestTools().Tools(), .scale = 2});
    DesignerSession thrice({.tools = &TestTools().Tools(), .scale = 3});
    for (std::size_t g = 0; g < groups.size(); ++g) {
        SCOPED_TRACE("after group " + std::to_string(g));
        for (const DesignerEvent& event : groups[g]) {
            exact.Apply(event);
            twice.Apply(event);
            thrice.Apply(event);
        }
        const VectorPicture& shapes = *exact.RecordedShapes();
        EXPECT_TRUE(ScaledInBlocks(exact.ClientArea(), shapes, twice.ClientArea(), 2, 0.9));
        EXPECT_TRUE(ScaledInBlocks(exact.ClientArea(), shapes, thrice.ClientArea(), 3, 0.9));
    }
}

// The written Reset at scale 2: the circle's white disc and the axes are
// drawn, nothing else. The zero outside the circle and the response stay;
// the pole inside is wiped; the next press redraws the z-plane.
TEST(DesignerAtScale, ResetDrawsOnlyTheCircleAndTheAxes)
{
    ResetWorkspace();
    DesignerSession session({.tools = &TestTools().Tools(), .scale = 2});
    session.Press(30, 40);
    session.PlacePoles();
    session.Press(150, 140);
    const Raster before = session.ClientArea();
    session.Reset();
    const Raster& after = session.ClientArea();

    int changed = 0;
    for (int y = 0; y < after.Height(); ++y) {
        for (int x = 0; x < after.Width(); ++x) {
            const bool inCircle = x >= 2 * 70 && x < 2 * 190 && y >= 2 * 70 && y < 2 * 190;
            const bool onAxis = (x / 2 == 130 && y / 2 >= 20 && y / 2 <= 239) ||
                                (y / 2 == 130 && x / 2 >= 20 && x / 2 <= 239);
            if (!inCircle && !onAxis) {
                ASSERT_EQ(before.Pixel(x, y), after.Pixel(x, y)) << "(" << x << ", " << y << ")";
            } else {
                changed += !(before.Pixel(x, y) == after.Pixel(x, y));
            }
        }
    }
    EXPECT_GT(changed, 50);                            // the pole's ring and cross
    EXPECT_EQ(kWhite, after.Pixel(2 * 147, 2 * 140));  // the cross is gone
    EXPECT_EQ(kBlue, after.Pixel(2 * 130, 2 * 150));   // the axis through it is back

    // The outer zero's ring, in the box (28, 38)-(33, 43), stays until the
    // next press fills the z-plane.
    auto darkInRing = [&session] {
        int dark = 0;
        for (int y = 2 * 38; y < 2 * 43; ++y) {
            for (int x = 2 * 28; x < 2 * 33; ++x) {
                dark += session.ClientArea().Pixel(x, y).r < 128;
            }
        }
        return dark;
    };
    EXPECT_GT(darkInRing(), 20);
    session.PlaceZeros();
    session.Press(100, 100);
    EXPECT_EQ(0, darkInRing());
}

// The window system's repaints come in picture pixels: a region of them is
// the region scale times as large; any rectangle, however far it reaches,
// stays on the raster.
TEST(DesignerAtScale, UncoverTakesPicturePixels)
{
    ResetWorkspace();
    DesignerSession fresh({.tools = &TestTools().Tools(), .controlFrames = true, .scale = 2});
    DesignerSession session({.tools = &TestTools().Tools(), .controlFrames = true, .scale = 2});
    ASSERT_EQ(1500, session.ClientArea().Width());
    ASSERT_EQ(1036, session.ClientArea().Height());
    session.Press(100, 100);
    const Raster before = session.ClientArea();
    // Over the horizontal axis, picture row 130: raster rows 260 and 261
    // from column 120 to 159 show the empty canvas again.
    session.Uncover(60, 130, 80, 131);
    for (int y = 250; y < 270; ++y) {
        for (int x = 110; x < 170; ++x) {
            const bool uncovered = x >= 120 && x < 160 && y >= 260 && y < 262;
            ASSERT_EQ(uncovered ? kWhite : before.Pixel(x, y), session.ClientArea().Pixel(x, y))
                << "(" << x << ", " << y << ")";
        }
    }
    EXPECT_EQ(kBlue, before.Pixel(140, 260));
    session.Uncover(INT_MIN, INT_MIN, INT_MAX, INT_MAX);
    EXPECT_TRUE(std::ranges::equal(fresh.ClientArea().Bytes(), session.ClientArea().Bytes()));

    EXPECT_THROW(DesignerSession({.tools = &TestTools().Tools(), .scale = 0}),
                 std::invalid_argument);
}

// What a session records is the face and then only what can still be seen:
// each press covers the last one's pictures, so after any number of them
// the shapes are the face and one drawing of the design; Reset's circle and
// axes come on top; opening again leaves the face alone.
TEST(DesignerAtScale, RecordedShapesAreWhatTheClientAreaShows)
{
    ResetWorkspace();
    DesignerSession session({.tools = &TestTools().Tools(), .recordShapes = true});
    for (const auto& [x, y] : {std::pair{130, 70}, {100, 160}, {60, 60}, {200, 120}}) {
        session.Press(x, y);
    }
    session.PlacePoles();
    session.Press(140, 90);

    auto record = [](const std::function<void(Surface&)>& draw) {
        VectorRecorder recorder(polezero::kClientWidth, polezero::kClientHeight, TestFont());
        Surface surface(recorder);
        polezero::DrawDialogFace(surface, false);
        draw(surface);
        return recorder.Picture();
    };
    const polezero::Design design = session.CurrentDesign();
    const int peak = session.PeakIndex();
    EXPECT_EQ(record([&](Surface& s) { polezero::DrawDesign(s, design, peak); }),
              *session.RecordedShapes());

    session.Reset();
    EXPECT_EQ(record([&](Surface& s) {
                  polezero::DrawDesign(s, design, peak);
                  polezero::DrawReset(s);
              }),
              *session.RecordedShapes());
    session.Open();
    EXPECT_EQ(record([](Surface&) {}), *session.RecordedShapes());
    EXPECT_EQ(nullptr, DesignerSession({.tools = &TestTools().Tools()}).RecordedShapes());
}
