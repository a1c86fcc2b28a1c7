#include "cli/polezero_render.h"

#include <span>

#include <nlohmann/json.hpp>

#include "core/workspace.h"
#include "polezero/markers.h"

namespace {

// Keys in the order they are written; numbers as doubles, printed with the
// fewest digits that read back to the same double; NaN and infinities as
// null.
using Json = nlohmann::ordered_json;

Json Markers(std::span<const PixelPoint> markers)
{
    Json list = Json::array();
    for (const PixelPoint& p : markers) {
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
    designer["zeros"] = Markers(polezero::PlacedZeros());
    designer["poles"] = Markers(polezero::PlacedPoles());
    designer["placeZeros"] = g_placeZeros;
    designer["cartesian"] = session.Readout().cartesian;
    designer["polar"] = session.Readout().polar;
    Json dump = Json::object();
    dump["polezero"] = std::move(designer);
    return PoleZeroRendering{session.ClientArea(), dump.dump(2) + "\n"};
}
