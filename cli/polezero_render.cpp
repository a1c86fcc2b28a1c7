#include "cli/polezero_render.h"

#include <algorithm>

#include <nlohmann/json.hpp>

#include "core/workspace.h"

namespace {

// Keys in the order they are written; numbers as doubles, printed with the
// fewest digits that read back to the same double; NaN and infinities as
// null.
using Json = nlohmann::ordered_json;

Json Markers(const std::array<PixelPoint, kMarkerCapacity>& table, int count)
{
    Json list = Json::array();
    const int last = std::clamp(count, 1, kMarkerCapacity);
    for (int slot = 1; slot < last; ++slot) {
        const PixelPoint& p = table[static_cast<std::size_t>(slot)];
        list.push_back(Json::array({p.x, p.y}));
    }
    return list;
}

}  // namespace

PoleZeroRendering RenderPoleZero(std::span<const polezero::DesignerEvent> events)
{
    polezero::DesignerSession session(false);
    for (const polezero::DesignerEvent& event : events) {
        session.Apply(event);
    }

    Json designer = Json::object();
    designer["response"] = Json(std::vector<double>(g_response.begin(), g_response.end()));
    // Always a whole number from 0 to 599.
    designer["peakIndex"] = static_cast<int>(g_responsePeakIndex);
    designer["zeros"] = Markers(g_zeros, g_zeroCount);
    designer["poles"] = Markers(g_poles, g_poleCount);
    designer["placeZeros"] = g_placeZeros;
    designer["cartesian"] = session.Readout().cartesian;
    designer["polar"] = session.Readout().polar;
    Json dump = Json::object();
    dump["polezero"] = std::move(designer);
    return PoleZeroRendering{session.ClientArea(), dump.dump(2) + "\n"};
}
