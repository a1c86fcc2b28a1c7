#include "cli/polezero_render.h"

#include <cmath>
#include <limits>
#include <span>
#include <utility>

#include <nlohmann/json.hpp>

#include "cli/drawn_picture.h"
#include "cli/png_writer.h"
#include "polezero/design.h"
#include "polezero/design_file.h"

namespace {

// Keys in the order they are written; numbers as doubles, printed with the
// fewest digits that read back to the same double; NaN and infinities as
// null.
using Json = nlohmann::ordered_json;

Json Markers(std::span<const polezero::PixelPoint> markers)
{
    Json list = Json::array();
    for (const polezero::PixelPoint& p : markers) {
        list.push_back(Json::array({p.x, p.y}));
    }
    return list;
}

// The stored response; null where a sample does not fit a double (beyond
// the largest, below the smallest normal one, or not a number).
Json StoredResponse(const polezero::Response& response)
{
    Json values = Json::array();
    for (int k = 0; k < polezero::kSampleCount; ++k) {
        const polezero::ScaledValue value = polezero::SampleValue(response, k);
        if (polezero::FitsDouble(value)) {
            values.push_back(std::ldexp(value.mantissa, value.exponent));
        } else {
            values.push_back(nullptr);
        }
    }
    return values;
}

}  // namespace

PoleZeroRendering RenderPoleZero(const DesktopPictureTools& tools,
                                 const std::vector<polezero::Marker>* design,
                                 std::span<const polezero::DesignerEvent> events,
                                 const PictureRequest& request)
{
    const bool vector = request.format != PictureFormat::Png;
    polezero::DesignerSession session(
        {.tools = &tools.Tools(), .scale = vector ? 1 : request.scale, .recordShapes = vector});
    if (design != nullptr) {
        session.Load(*design);
    }
    for (const polezero::DesignerEvent& event : events) {
        session.Apply(event);
    }

    using polezero::MarkerKind;
    const polezero::Design& shown = session.CurrentDesign();
    Json designer = Json::object();
    designer["response"] = StoredResponse(shown.response);
    designer["normalised"] = Json(polezero::NormalisedResponse(shown, session.PeakIndex()));
    designer["peakIndex"] = session.PeakIndex();
    designer["zeros"] = Markers(polezero::MarkersOf(shown, MarkerKind::Zero));
    designer["poles"] = Markers(polezero::MarkersOf(shown, MarkerKind::Pole));
    designer["placeZeros"] = session.PlacingZeros();
    designer["cartesian"] = session.Readout().cartesian;
    designer["polar"] = session.Readout().polar;
    Json dump = Json::object();
    dump["polezero"] = std::move(designer);
    std::optional<VectorPicture> shapes;
    if (const VectorPicture* recorded = session.RecordedShapes()) {
        shapes = *recorded;
    }
    return PoleZeroRendering{session.ClientArea(),
                             std::move(shapes),
                             dump.dump(2) + "\n",
                             polezero::DesignFileText(shown.markers),
                             polezero::MarkersOf(shown, MarkerKind::Zero),
                             polezero::MarkersOf(shown, MarkerKind::Pole)};
}

void WritePoleZeroPicture(std::FILE* stream, const PoleZeroRendering& rendering,
                          const PictureRequest& request, const DesktopPictureTools& tools)
{
    if (rendering.shapes) {
        WriteShapes(stream, *rendering.shapes, request, tools);
    } else {
        WritePng(stream, rendering.picture);
    }
}
