// Event scripts: every step written as text reads back as the same event.
#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <variant>
#include <vector>

#include "polezero/event_script.h"

using polezero::DesignerEvent;
using Kind = DesignerEvent::Kind;

namespace {

bool operator==(const DesignerEvent& a, const DesignerEvent& b)
{
    return a.kind == b.kind && a.x == b.x && a.y == b.y && a.x2 == b.x2 && a.y2 == b.y2;
}

}  // namespace

TEST(EventScript, EveryStepWrittenReadsBackAsTheSameEvent)
{
    const std::vector<DesignerEvent> events = {
        {Kind::Zeros},
        {Kind::Poles},
        {Kind::Press, INT32_MIN, INT32_MAX},
        {Kind::Move, -1, 0},
        {Kind::Reset},
        {Kind::Open},
        {Kind::Pair, 130, 70},
        {Kind::PairsOn},
        {Kind::PairsOff},
        {Kind::Remove, 16, 241},
        {Kind::Drag, 100, 120, 140, 90},
        {Kind::Undo},
        {Kind::Redo},
    };
    const std::string script = polezero::EventScriptText(events);
    EXPECT_EQ(
        "zeros; poles; press -2147483648,2147483647; move -1,0; reset; open; pair 130,70; "
        "pairs on; pairs off; remove 16,241; drag 100,120 140,90; undo; redo",
        script);
    const polezero::ScriptResult read = polezero::ParseEventScript(script);
    ASSERT_TRUE(std::holds_alternative<std::vector<DesignerEvent>>(read));
    const auto& back = std::get<std::vector<DesignerEvent>>(read);
    ASSERT_EQ(events.size(), back.size());
    for (std::size_t i = 0; i < events.size(); ++i) {
        EXPECT_TRUE(events[i] == back[i]) << i;
    }
    EXPECT_EQ("", polezero::EventScriptText({}));
    // The list of steps that messages and --help give is the table's.
    EXPECT_EQ(
        "zeros, poles, press X,Y, move X,Y, reset, open, pair X,Y, pairs on, pairs off, "
        "remove X,Y, drag X1,Y1 X2,Y2, undo, redo",
        polezero::EventStepList());
}
