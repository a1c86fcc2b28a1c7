// The designer's --events scripts on any text: the parser never throws and
// either gives events or one reason; the events, replayed on a designer,
// keep the design within its tables whatever their coordinates.
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <variant>

#include "cli/polezero_script.h"
#include "fuzz/fuzz_check.h"
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
    const ScriptResult result = ParseEventScript(script);
    if (const auto* error = std::get_if<std::string>(&result)) {
        FUZZ_CHECK(!error->empty());
        return 0;
    }
    const auto& events = std::get<std::vector<polezero::DesignerEvent>>(result);
    FUZZ_CHECK(events.size() <= size);

    static polezero::DesignerSession session(TestTools().Tools(), false);
    session.Open();
    std::size_t replayed = 0;
    for (const polezero::DesignerEvent& event : events) {
        if (++replayed > kMostEventsReplayed) {
            break;
        }
        session.Apply(event);
        FUZZ_CHECK(g_zeroCount >= 1 && g_zeroCount <= kMarkerCapacity);
        FUZZ_CHECK(g_poleCount >= 1 && g_poleCount <= kMarkerCapacity);
        FUZZ_CHECK(g_responsePeakIndex >= 0.0 && g_responsePeakIndex < kResponseLength);
        FUZZ_CHECK(session.Readout().cartesian.size() <= 2 && session.Readout().polar.size() <= 2);
    }
    return 0;
}
