// The design-file reader on any text: it never throws and either refuses
// with one line or gives markers a design can hold, which write back to the
// same text's markers and load into a designer.
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

#include "fuzz/fuzz_check.h"
#include "polezero/design_file.h"
#include "polezero/geometry.h"
#include "polezero/session.h"
#include "tests/support/test_tools.h"
#include "workspace/workspace.h"

namespace {

// Loading redraws the design; larger designs add nothing new to check.
constexpr std::size_t kMostMarkersLoaded = 64;

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    const auto result = polezero::ParseDesignFile(text);
    if (const auto* reason = std::get_if<std::string>(&result)) {
        FUZZ_CHECK(!reason->empty() && reason->find('\n') == std::string::npos);
        return 0;
    }
    const auto& markers = std::get<std::vector<polezero::Marker>>(result);
    int counts[2] = {0, 0};
    for (const polezero::Marker& marker : markers) {
        FUZZ_CHECK(polezero::InDesignArea(marker.at.x, marker.at.y));
        ++counts[marker.kind == polezero::MarkerKind::Zero ? 0 : 1];
    }
    FUZZ_CHECK(counts[0] <= polezero::kMostMarkersOfAKind &&
               counts[1] <= polezero::kMostMarkersOfAKind);

    const auto again = polezero::ParseDesignFile(polezero::DesignFileText(markers));
    FUZZ_CHECK(std::holds_alternative<std::vector<polezero::Marker>>(again));
    FUZZ_CHECK(std::get<std::vector<polezero::Marker>>(again) == markers);

    if (markers.size() <= kMostMarkersLoaded) {
        static polezero::DesignerSession session({.tools = &TestTools().Tools()});
        session.Open();
        FUZZ_CHECK(session.Load(markers));
        FUZZ_CHECK(session.CurrentDesign().markers == markers);
    }
    return 0;
}
