#include "web/catalogue.h"

#include <cstddef>
#include <string>

#include <nlohmann/json.hpp>

#include "dsp/signals.h"
#include "forms/dialog_forms.h"
#include "language/language.h"
#include "polezero/designer_menu.h"
#include "polezero/dialog_face.h"
#include "views/analysis_views.h"
#include "workspace/params.h"

namespace {

using nlohmann::json;

const char* KindName(DlgControl kind)
{
    switch (kind) {
    case DlgControl::DefaultButton: return "defaultButton";
    case DlgControl::Button: return "button";
    case DlgControl::Static: return "static";
    case DlgControl::CentredStatic: return "centredStatic";
    case DlgControl::Edit: return "edit";
    case DlgControl::FirstRadio: return "firstRadio";
    case DlgControl::Radio: return "radio";
    case DlgControl::Group: return "group";
    case DlgControl::GroupCentred: return "groupCentred";
    case DlgControl::GroupRight: return "groupRight";
    case DlgControl::Icon: return "icon";
    case DlgControl::Picture: return "picture";
    case DlgControl::ListBox: return "listBox";
    }
    return "";
}

json FormJson(const Form& form)
{
    json items = json::array();
    for (const DlgItem& item : form.items) {
        json entry{{"kind", KindName(item.kind)},
                   {"id", item.id},
                   {"box", {item.box.x, item.box.y, item.box.w, item.box.h}}};
        if (item.text != nullptr) {
            entry["text"] = Tr(item.text);
        }
        if (const char* file = ImageFileName(item.image)) {
            entry["image"] = file;
        }
        items.push_back(std::move(entry));
    }
    return {{"caption", Tr(form.caption)},
            {"width", form.width},
            {"height", form.height},
            {"items", std::move(items)}};
}

const char* ParamName(Param param)
{
    for (const ParamInfo& info : Params()) {
        if (info.param == param) {
            return info.name.data();
        }
    }
    return "";
}

json ParamsFormJson(const ParamsForm& form)
{
    json result = FormJson(form.form);
    json fields = json::array();
    for (const ParamField& field : form.fields) {
        fields.push_back({{"editId", field.editId}, {"param", ParamName(field.param)}});
    }
    result["fields"] = std::move(fields);
    result["autoWgFactorEdit"] = form.autoWgFactorEdit;
    result["autoWgButton"] = ParamsControls::kAutoWgButton;
    return result;
}

// The signal dialog's radio buttons, each with the formula it generates.
json SignalFormJson()
{
    json result = FormJson(kSignalForm);
    result["formulas"] = {
        {std::to_string(SignalControls::kCosine), "cosine"},
        {std::to_string(SignalControls::kExponential), "exponential"},
        {std::to_string(SignalControls::kThreeCosines), "three-cosines"},
        {std::to_string(SignalControls::kRectangularPulse), "rectangular"},
        {std::to_string(SignalControls::kTriangularPulse), "triangular"},
    };
    result["paramEdit"] = SignalControls::kParamEdit;
    return result;
}

const char* CommandName(polezero::DesignerCommand command)
{
    using enum polezero::DesignerCommand;
    switch (command) {
    case None: return "";
    case Undo: return "undo";
    case Redo: return "redo";
    case RemoveMarker: return "remove";
    case ConjugatePairs: return "pairs";
    case OpenDesign: return "open";
    case SaveDesign: return "save";
    case CopyCoefficients: return "copy";
    case DesignAnalysis: return "analysis";
    }
    return "";
}

json PixelBoxJson(const polezero::PixelBox& box)
{
    return {box.left, box.top, box.right - box.left, box.bottom - box.top};
}

// The designer's template at its fixed scale: each item's box also in
// client pixels, the black frames among the controls, and its context menu.
json DesignerFormJson()
{
    json result = FormJson(kDesignerForm);
    for (std::size_t i = 0; i < kDesignerForm.items.size(); ++i) {
        const DlgBox& box = kDesignerForm.items[i].box;
        result["items"][i]["pixels"] =
            PixelBoxJson(polezero::ToPixels({box.x, box.y, box.w, box.h}));
    }
    result["pixelWidth"] = polezero::kClientWidth;
    result["pixelHeight"] = polezero::kClientHeight;
    result["frames"] = {PixelBoxJson(polezero::ToPixels(polezero::kModeFrame)),
                        PixelBoxJson(polezero::ToPixels(polezero::kReadoutFrame))};
    json menu = json::array();
    for (const polezero::DesignerMenuEntry& entry : polezero::DesignerMenu()) {
        if (entry.command == polezero::DesignerCommand::None) {
            menu.push_back({{"separator", true}});
            continue;
        }
        json item{{"command", CommandName(entry.command)}, {"label", Tr(entry.label)}};
        if (entry.shortcut != nullptr) {
            item["shortcut"] = entry.shortcut;
        }
        if (entry.check) {
            item["check"] = true;
        }
        menu.push_back(std::move(item));
    }
    result["menu"] = std::move(menu);
    result["placeZeros"] = DesignerControls::kPlaceZeros;
    result["placePoles"] = DesignerControls::kPlacePoles;
    result["reset"] = DesignerControls::kResetButton;
    result["cartesian"] = DesignerControls::kCartesianList;
    result["polar"] = DesignerControls::kPolarList;
    return result;
}

}  // namespace

std::string CatalogueJson()
{
    json views = json::array();
    views.push_back({{"name", kBlankView}, {"summary", "the background colour, nothing drawn"}});
    for (const AnalysisView& view : AnalysisViews()) {
        views.push_back({{"name", view.name}, {"summary", view.summary}});
    }
    json signals = json::array();
    for (const TestSignal& signal : TestSignals()) {
        signals.push_back(signal.name);
    }
    json params = json::array();
    for (const ParamInfo& info : Params()) {
        params.push_back(info.name);
    }
    const json forms{
        {"signal", SignalFormJson()},
        {"lowpass", ParamsFormJson(kLowPassForm)},
        {"decimator", ParamsFormJson(kDecimatorForm)},
        {"interpolator", ParamsFormJson(kInterpolatorForm)},
        {"converter", ParamsFormJson(kConverterForm)},
        {"decimatorDiagram", FormJson(kDecimatorDiagramForm)},
        {"interpolatorDiagram", FormJson(kInterpolatorDiagramForm)},
        {"converterDiagram", FormJson(kConverterDiagramForm)},
        {"about", FormJson(kAboutForm)},
        {"designer", DesignerFormJson()},
    };
    const json catalogue{{"views", std::move(views)},
                         {"signals", std::move(signals)},
                         {"params", std::move(params)},
                         {"forms", forms}};
    return catalogue.dump();
}
