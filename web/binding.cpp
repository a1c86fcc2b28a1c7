// The browser page's way into the core: a narrow C interface over coarse
// calls, compiled with the core into vorlen.wasm. The page keeps the texts
// of the fields and the choice of view; the core keeps the workspace, as it
// does on the desktop, and draws into buffers the page puts on its canvas.
//
// Strings go in as UTF-8 and come back as UTF-8 in a buffer of this file,
// valid until the next call that returns one.
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include <nlohmann/json.hpp>

#include "dsp/signals.h"
#include "language/language.h"
#include "picture/draw_at_scale.h"
#include "picture/raster.h"
#include "picture/surface.h"
#include "views/analysis_views.h"
#include "web/catalogue.h"
#include "web/page_tools.h"
#include "web/rgba.h"
#include "workspace/field_rules.h"
#include "workspace/params.h"
#include "workspace/workspace.h"

namespace {

// The main window's picture, as vorlen-render draws it by default.
constexpr int kPictureWidth = 800;
constexpr int kPictureHeight = 600;

const char* Returned(std::string text)
{
    static std::string returned;
    returned = std::move(text);
    return returned.c_str();
}

const Param* FindParam(std::string_view name)
{
    for (const ParamInfo& info : Params()) {
        if (info.name == name) {
            return &info.param;
        }
    }
    return nullptr;
}

// The draw function of a view by its command name: nothing for "blank", an
// analysis view, or false for a name that is neither.
bool FindView(std::string_view name, AnalysisViewFunction& draw)
{
    draw = nullptr;
    if (name == kBlankView) {
        return true;
    }
    for (const AnalysisView& view : AnalysisViews()) {
        if (view.name == name) {
            draw = view.draw;
            return true;
        }
    }
    return false;
}

// The picture every drawing goes to, kept between calls while its scale
// stays.
Raster& Picture(int scale)
{
    static Raster picture(kPictureWidth, kPictureHeight, kBackground);
    if (picture.Width() != kPictureWidth * scale) {
        picture = Raster(kPictureWidth * scale, kPictureHeight * scale, kBackground);
    }
    return picture;
}

// Draws the named view on the picture, freshly white, as the main window
// does: from the workspace, at `scale` pixels per picture pixel (1 to 4).
// False for an unknown view or scale.
bool DrawOnPicture(const char* view, int scale)
{
    AnalysisViewFunction draw = nullptr;
    if (!FindView(view, draw) || scale < 1 || scale > kLargestPageScale) {
        return false;
    }
    Raster& picture = Picture(scale);
    picture.Fill(0, 0, picture.Width(), picture.Height(), kBackground);
    if (draw != nullptr) {
        DrawAtScale(picture, scale, PageTools(),
                    [draw](Surface& surface) { draw(surface, ViewOptions{}); });
    }
    return true;
}

}  // namespace

extern "C" {

// Every parameter and buffer back to its start-of-process value.
void vorlen_reset()
{
    ResetWorkspace();
}

// Stores what the named field's rule reads from `text` (a, df, fg, M, L);
// false for an unknown name.
bool vorlen_store(const char* name, const char* text)
{
    const Param* param = FindParam(name);
    if (param == nullptr) {
        return false;
    }
    StoreParam(*param, text);
    return true;
}

// The text a dialog fills the named field with; empty for an unknown name.
const char* vorlen_fill_text(const char* name)
{
    const Param* param = FindParam(name);
    return Returned(param == nullptr ? std::string() : ParamFillText(*param));
}

// Fills x(n) with the named formula, with the stored a; false for an
// unknown name.
bool vorlen_generate(const char* name)
{
    const TestSignal* signal = FindTestSignal(name);
    if (signal == nullptr) {
        return false;
    }
    signal->generate();
    return true;
}

// What "Auto wg" writes into the fg field for the factor field's text.
const char* vorlen_auto_wg(const char* factorText)
{
    return Returned(ComputeAutoWg(FactorFromText(factorText)).text);
}

// Draws the named view and returns its pixels: 800 x 600 times `scale`,
// rows top first, red, green, blue and an opaque alpha per pixel, valid
// until the next drawing. Null for an unknown view or a scale outside 1..4.
const std::uint8_t* vorlen_draw(const char* view, int scale)
{
    if (!DrawOnPicture(view, scale)) {
        return nullptr;
    }
    static std::vector<std::uint8_t> rgba;
    return OpaqueRgba(Picture(scale), rgba);
}

// The drawing alone, without handing out its pixels: what benchmarks time
// against the native program's drawing. False for an unknown view.
bool vorlen_draw_only(const char* view)
{
    return DrawOnPicture(view, 1);
}

// Sets the language of what the core draws and of the catalogue: "sr", or
// "en" with its translations as JSON, {"Serbian text": "translation", ...}
// (po/en.po made into en.json). Another name, or a catalogue that is not
// such an object, leaves Serbian.
void vorlen_set_language(const char* name, const char* translations)
{
    std::vector<std::pair<std::string, std::string>> entries;
    const nlohmann::json json = nlohmann::json::parse(translations, nullptr, false);
    const std::optional<Language> language = ParseLanguageName(name);
    if (!language || !json.is_object()) {
        SetCatalogue(entries);
        SetLanguage(Language::kSerbian);
        return;
    }
    for (const auto& [id, text] : json.items()) {
        if (text.is_string()) {
            entries.emplace_back(id, text.get<std::string>());
        }
    }
    SetCatalogue(entries);
    SetLanguage(*language);
}

// What the page builds itself from, as JSON: the views, the signals, the
// fields, the dialogs' templates (web/catalogue.h).
const char* vorlen_catalogue()
{
    return Returned(CatalogueJson());
}

}  // extern "C"
