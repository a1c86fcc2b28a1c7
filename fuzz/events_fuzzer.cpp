// The designer's --events scripts on any text: the parser never throws and
// either gives events or one reason; the events, replayed on a designer,
// keep the design within its tables whatever their coordinates.
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <variant>

#include "fuzz/fuzz_check.h"
#include "polezero/event_script.h"
#include "polezero/session.h"
#include "tests/support/test_tools.h"
#include "workspace/workspace.h"

namespace {

// Presses cost a full redraw; a longer script adds nothing new.
constexpr std::size_t kMostEventsReplayed = 48;

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string_view script(reinterpret_cast<const char*>(data), size);
    const polezero::ScriptResult result = polezero::ParseEventScript(script);
    if (const auto* error = std::get_if<std::string>(&result)) {
        FUZZ_CHECK(!error->empty());
        return 0;
    }
    const auto& events = std::get<std::vector<polezero::DesignerEvent>>(result);
    FUZZ_CHECK(events.size() <= size);

    static polezero::DesignerSession session({.tools = &TestTools().Tools()});
    session.Open();
    std::size_t replayed = 0;
    for (const polezero::DesignerEvent& event : events) {
        if (++replayed > kMostEventsReplayed) {
            break;
        }
        session.Apply(event);
        const polezero::Design& design = session.CurrentDesign();
        FUZZ_CHECK(polezero::CountOf(design, polezero::MarkerKind::Zero) <=
                   polezero::kMostMarkersOfAKind);
        FUZZ_CHECK(polezero::CountOf(design, polezero::MarkerKind::Pole) <=
                   polezero::kMostMarkersOfAKind);
        FUZZ_CHECK(session.PeakIndex() >= 0 && session.PeakIndex() < polezero::kSampleCount);
        FUZZ_CHECK(session.Readout().cartesian.size() <= 2 && session.Readout().polar.size() <= 2);
    }
    return 0;
}
