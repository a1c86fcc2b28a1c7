// The pole-zero designer and its analysis picture for the browser page:
// one designer session, opened afresh at every opening of the dialog, as
// the desktop makes a new dialog each time. The page forwards a person's
// gestures as the designer's events and shows the client area the session
// keeps, which is what vorlen-render polezero draws after the same events.
#include <cstdint>
#include <memory>
#include <string>
#include <variant>
#include <vector>

#include <nlohmann/json.hpp>

#include "picture/draw_at_scale.h"
#include "picture/raster.h"
#include "picture/surface.h"
#include "polezero/analysis_picture.h"
#include "polezero/design.h"
#include "polezero/design_edit.h"
#include "polezero/design_file.h"
#include "polezero/event_script.h"
#include "polezero/filter_analysis.h"
#include "polezero/octave_text.h"
#include "polezero/readout.h"
#include "polezero/response.h"
#include "polezero/session.h"
#include "web/page_tools.h"
#include "web/rgba.h"

namespace {

using polezero::DesignerSession;

std::unique_ptr<DesignerSession>& Session()
{
    static std::unique_ptr<DesignerSession> session;
    return session;
}

// The scale the designer and the analysis picture are drawn at: device
// pixels per client pixel.
int& Scale()
{
    static int scale = 1;
    return scale;
}

// The open session; one is opened when none is, so that no call finds
// nothing.
DesignerSession& Open()
{
    auto& session = Session();
    if (!session) {
        session = std::make_unique<DesignerSession>(
            polezero::DesignerOptions{.tools = &PageTools(), .scale = Scale()});
    }
    return *session;
}

const char* Returned(std::string text)
{
    static std::string returned;
    returned = std::move(text);
    return returned.c_str();
}

std::vector<polezero::PixelPoint> MarkersOf(polezero::MarkerKind kind)
{
    return polezero::MarkersOf(Open().CurrentDesign(), kind);
}

// The read-out's lines as the list boxes show them, in the current language.
std::vector<std::string> Shown(const std::vector<std::string>& lines)
{
    std::vector<std::string> shown;
    for (const std::string& line : lines) {
        shown.push_back(polezero::ShownReadoutLine(line));
    }
    return shown;
}

}  // namespace

extern "C" {

// A fresh designer: an empty design in zero placement, empty canvases and
// read-outs, no undo, pair mode off; drawn at `scale` device pixels per
// client pixel (1 to 4; anything else is 1).
void vorlen_designer_open(int scale)
{
    Scale() = scale >= 1 && scale <= kLargestPageScale ? scale : 1;
    Session().reset();
    Open();
}

// Runs the steps of an event script (vorlen-render's --events). Returns
// what the last press or pair did (0 placed, 1 outside the design area,
// 2 no room: 499 of that kind, 3 a pair of which only the first found
// room), 1 when no step pressed, -1 for a script that cannot be read (and
// then runs nothing).
int vorlen_designer_events(const char* script)
{
    const polezero::ScriptResult parsed = polezero::ParseEventScript(script);
    const auto* events = std::get_if<std::vector<polezero::DesignerEvent>>(&parsed);
    if (events == nullptr) {
        return -1;
    }
    polezero::PressOutcome outcome = polezero::PressOutcome::Outside;
    for (const polezero::DesignerEvent& event : *events) {
        outcome = Open().Apply(event);
    }
    return static_cast<int>(outcome);
}

// A drag in steps, as the pointer moves; each says whether it redrew.
bool vorlen_designer_begin_drag(int x, int y)
{
    return Open().BeginDrag(x, y);
}
bool vorlen_designer_drag_to(int x, int y)
{
    return Open().DragTo(x, y);
}
bool vorlen_designer_end_drag(int x, int y)
{
    return Open().EndDrag(x, y);
}
bool vorlen_designer_cancel_drag()
{
    return Open().CancelDrag();
}

// Whether a marker lies under (x, y): what remove and a drag would take.
bool vorlen_designer_marker_at(int x, int y)
{
    return polezero::PickMarker(Open().CurrentDesign().markers, x, y).has_value();
}

// The client area, 750 x 518 times the scale, RGBA, valid until the next
// call that draws.
const std::uint8_t* vorlen_designer_pixels()
{
    static std::vector<std::uint8_t> rgba;
    return OpaqueRgba(Open().ClientArea(), rgba);
}

// What the controls and the menu show, as JSON: {"placeZeros", "pairs",
// "canUndo", "canRedo", "dragging", "zeros", "poles" (counts),
// "cartesian", "polar" (the list boxes' lines)}.
const char* vorlen_designer_state()
{
    const DesignerSession& session = Open();
    const polezero::Design& design = session.CurrentDesign();
    const nlohmann::json state{
        {"placeZeros", session.PlacingZeros()},
        {"pairs", session.Pairs()},
        {"canUndo", session.CanUndo()},
        {"canRedo", session.CanRedo()},
        {"dragging", session.Dragging()},
        {"zeros", polezero::CountOf(design, polezero::MarkerKind::Zero)},
        {"poles", polezero::CountOf(design, polezero::MarkerKind::Pole)},
        {"cartesian", Shown(session.Readout().cartesian)},
        {"polar", Shown(session.Readout().polar)},
    };
    return Returned(state.dump());
}

// Loads a design file's text: "" when loaded (the pictures redrawn),
// otherwise why it is no design, and nothing changes.
const char* vorlen_designer_load(const char* text)
{
    auto parsed = polezero::ParseDesignFile(text);
    if (auto* reason = std::get_if<std::string>(&parsed)) {
        return Returned(*reason);
    }
    Open().Load(std::move(std::get<std::vector<polezero::Marker>>(parsed)));
    return Returned(std::string());
}

// The design file of the design as it is.
const char* vorlen_designer_save()
{
    return Returned(polezero::DesignFileText(Open().CurrentDesign().markers));
}

// The markers in the order of the design, as the design file lists them:
// a JSON array of [kind, x, y], kind 0 for a zero and 1 for a pole.
const char* vorlen_designer_markers()
{
    nlohmann::json markers = nlohmann::json::array();
    for (const polezero::Marker& marker : Open().CurrentDesign().markers) {
        markers.push_back(
            {marker.kind == polezero::MarkerKind::Zero ? 0 : 1, marker.at.x, marker.at.y});
    }
    return Returned(markers.dump());
}

// The coefficients as Octave text, what "Kopiraj koeficijente" copies.
const char* vorlen_designer_octave()
{
    const polezero::FilterAnalysis analysis =
        polezero::AnalyseDesign(MarkersOf(polezero::MarkerKind::Zero),
                                MarkersOf(polezero::MarkerKind::Pole), polezero::kSampleCount, 0);
    return Returned(polezero::OctaveCoefficients(analysis));
}

// The design's analysis picture, 800 x 600 times the designer's scale,
// RGBA, as the analysis window and vorlen-render --analysis-picture draw it.
const std::uint8_t* vorlen_analysis_pixels()
{
    const int scale = Scale();
    static Raster picture(polezero::kAnalysisPictureWidth, polezero::kAnalysisPictureHeight);
    if (picture.Width() != polezero::kAnalysisPictureWidth * scale) {
        picture = Raster(polezero::kAnalysisPictureWidth * scale,
                         polezero::kAnalysisPictureHeight * scale);
    }
    picture.Fill(0, 0, picture.Width(), picture.Height(), kBackground);
    const auto zeros = MarkersOf(polezero::MarkerKind::Zero);
    const auto poles = MarkersOf(polezero::MarkerKind::Pole);
    DrawAtScale(picture, scale, PageTools(),
                [&](Surface& surface) { polezero::DrawDesignAnalysis(surface, zeros, poles); });
    static std::vector<std::uint8_t> rgba;
    return OpaqueRgba(picture, rgba);
}

}  // extern "C"
