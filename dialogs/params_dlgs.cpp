#include "dialogs/params_dlgs.h"

#include <cstdint>
#include <string>

#include <wx/button.h>
#include <wx/textctrl.h>

#include "core/field_rules.h"
#include "core/params.h"

namespace {

using enum DlgControl;
using Dlg = CParamsDlg;

constexpr DlgItem kLowPassTemplate[] = {
    {DefaultButton, Dlg::kAcceptId, "Izlaz", {280, 7, 50, 14}},
    {Static,
     wxID_STATIC,
     "Filtriranje se vrsi prozoriranjem i to Hamming-ovim prozorom.",
     {13, 14, 209, 11}},
    {Edit, Dlg::kTransitionWidthEdit, nullptr, {166, 28, 40, 12}},
    {Edit, Dlg::kCutoffEdit, nullptr, {166, 46, 40, 12}},
    // widened
    {Static, wxID_STATIC, "Normalizovana sirina prelazne oblasti df:", {23, 29, 135, 11}},
    {Static, wxID_STATIC, "Granicna frekvencija propusnog opsega fg:", {22, 47, 140, 12}},
    {Static, wxID_STATIC, "0,035 < df", {213, 29, 36, 12}},
    {Static, wxID_STATIC, "0 < fg < pi", {223, 47, 36, 8}},  // widened
    {Group, wxID_STATIC, nullptr, {7, 7, 259, 65}},
};
constexpr ParamField kLowPassFields[] = {
    {Dlg::kTransitionWidthEdit, Param::TransitionWidth},
    {Dlg::kCutoffEdit, Param::Cutoff},
};

constexpr DlgItem kDecimatorTemplate[] = {
    {DefaultButton, Dlg::kAcceptId, "Izlaz", {284, 7, 50, 14}},
    {Edit, Dlg::kTransitionWidthEdit, nullptr, {166, 15, 40, 12}},
    {Edit, Dlg::kCutoffEdit, nullptr, {166, 33, 40, 12}},
    // widened
    {Static, wxID_STATIC, "Normalizovana sirina prelazne oblasti df:", {28, 17, 135, 11}},
    // widened
    {Static, wxID_STATIC, "Granicna ucestanost propusnog opsega wg:", {22, 33, 142, 12}},
    {Static, wxID_STATIC, "0,035 < df", {213, 15, 36, 12}},
    {Static, wxID_STATIC, "0 < wg < pi", {214, 33, 39, 8}},  // widened
    {Group, wxID_STATIC, "Parametri NF filtra", {7, 7, 253, 44}},
    {Static, wxID_STATIC, "Faktor Decimacije M:", {95, 70, 69, 10}},  // widened to the left
    {Edit, Dlg::kFactorEdit, nullptr, {166, 70, 40, 12}},
    {Group, wxID_STATIC, "Parametri downsemplera", {7, 62, 252, 26}},
    {Button, Dlg::kAutoWgButton, "Auto wg", {273, 64, 49, 16}},
    {CentredStatic,
     wxID_STATIC,
     "Pomocu 'Auto wg' se odredjuje optimalno wg da se izbegne aliasing",
     {264, 30, 68, 35}},  // widened both ways: four lines fit
    {Group, wxID_STATIC, nullptr, {262, 23, 72, 65}},
};
constexpr ParamField kDecimatorFields[] = {
    {Dlg::kTransitionWidthEdit, Param::TransitionWidth},
    {Dlg::kCutoffEdit, Param::Cutoff},
    {Dlg::kFactorEdit, Param::DecimationFactor},
};

constexpr DlgItem kInterpolatorTemplate[] = {
    {DefaultButton, Dlg::kAcceptId, "Izlaz", {286, 7, 50, 14}},
    {Edit, Dlg::kTransitionWidthEdit, nullptr, {166, 15, 40, 12}},
    {Edit, Dlg::kCutoffEdit, nullptr, {166, 33, 40, 12}},
    // widened to the left
    {Static, wxID_STATIC, "Normalizovana sirina prelazne oblasti df:", {28, 17, 135, 11}},
    // widened
    {Static, wxID_STATIC, "Granicna ucestanost propusnog opsega wg:", {22, 33, 142, 12}},
    {Static, wxID_STATIC, "0,035 < df", {213, 15, 37, 10}},
    {Static, wxID_STATIC, "0 < wg < pi", {214, 34, 39, 8}},  // widened
    {Group, wxID_STATIC, "Parametri NF filtra", {7, 7, 253, 44}},
    {Static, wxID_STATIC, "Faktor Inerpolacije L:", {93, 70, 69, 10}},
    {Edit, Dlg::kFactorEdit, nullptr, {166, 68, 40, 12}},
    {Group, wxID_STATIC, "Parametri upsemplera", {7, 61, 252, 26}},
    {Static, wxID_STATIC, "L<15", {212, 70, 23, 9}},
    {Button, Dlg::kAutoWgButton, "Auto wg", {275, 64, 49, 16}},
    {CentredStatic,
     wxID_STATIC,
     "Pomocu 'Auto wg' se odredjuje optimalno wg da se izbegne aliasing",
     {266, 30, 68, 35}},  // widened both ways: four lines fit
    {Group, wxID_STATIC, nullptr, {264, 22, 72, 65}},
};
constexpr ParamField kInterpolatorFields[] = {
    {Dlg::kTransitionWidthEdit, Param::TransitionWidth},
    {Dlg::kCutoffEdit, Param::Cutoff},
    {Dlg::kFactorEdit, Param::InterpolationFactor},
};

constexpr DlgItem kConverterTemplate[] = {
    {DefaultButton, Dlg::kAcceptId, "Izlaz", {273, 15, 50, 14}},
    {Edit, Dlg::kTransitionWidthEdit, nullptr, {175, 23, 40, 12}},
    {Edit, Dlg::kCutoffEdit, nullptr, {175, 42, 40, 12}},
    // widened to the left
    {Static, wxID_STATIC, "Normalizovana sirina prelazne oblasti df:", {37, 26, 135, 11}},
    {Static, wxID_STATIC, "Granicna frekvencija propusnog opsega fg:", {31, 42, 140, 12}},
    {Static, wxID_STATIC, "0,035 < df", {223, 23, 37, 12}},
    {Static, wxID_STATIC, "0 < fg < pi", {231, 42, 36, 8}},  // widened, within the box
    {Group, wxID_STATIC, "Parametri NF filtra", {17, 15, 253, 44}},
    {Static, wxID_STATIC, "Faktor Inerpolacije L:", {105, 113, 69, 10}},
    {Edit, Dlg::kFactorEdit, nullptr, {179, 112, 40, 12}},
    {Group, wxID_STATIC, "Parametri konvertora", {19, 100, 252, 44}},
    {Static, wxID_STATIC, "Faktor Decimacije M:", {103, 128, 69, 10}},
    {Edit, Dlg::kSecondFactorEdit, nullptr, {179, 127, 40, 12}},
    {CentredStatic,
     wxID_STATIC,
     "Konvertorom se vrsi povecanje frekvencije odabiranja za racionalni faktor L/M.",
     {23, 74, 245, 18}},
    {Group, wxID_STATIC, "VAZNA  NAPOMENA :", {19, 64, 252, 33}},
    {Static, wxID_STATIC, "L<15", {228, 113, 23, 9}},
};
constexpr ParamField kConverterFields[] = {
    {Dlg::kTransitionWidthEdit, Param::TransitionWidth},
    {Dlg::kCutoffEdit, Param::Cutoff},
    {Dlg::kFactorEdit, Param::InterpolationFactor},
    {Dlg::kSecondFactorEdit, Param::DecimationFactor},
};

}  // namespace

CParamsDlg::CParamsDlg(wxWindow* parent, const wxString& caption, wxSize size,
                       std::span<const DlgItem> items, std::span<const ParamField> fields,
                       int autoWgFactorEdit)
    : CTemplateDialog(parent, caption, size, items), m_fields(fields)
{
    for (const ParamField& field : fields) {
        Edit(field.editId).Bind(wxEVT_TEXT, [this, field](wxCommandEvent&) {
            StoreParam(field.param, FieldText(Edit(field.editId)));
        });
    }
    if (autoWgFactorEdit != 0) {
        // wg = pi / factor, with the factor the edit's text gives now; the
        // text written into the fg edit is then stored by the fg rule.
        Button(kAutoWgButton).Bind(wxEVT_BUTTON, [this, autoWgFactorEdit](wxCommandEvent&) {
            const std::int32_t factor = FactorFromText(FieldText(Edit(autoWgFactorEdit)));
            Edit(kCutoffEdit).SetValue(ComputeAutoWg(factor).text);
        });
    }
    Bind(wxEVT_INIT_DIALOG, &CParamsDlg::OnInitDialog, this);
}

void CParamsDlg::OnInitDialog(wxInitDialogEvent&)
{
    // Each fill is a change of its edit, so the edit's rule stores the text
    // just written before the next edit is filled: opening rounds df and fg
    // to the two decimals shown.
    for (const ParamField& field : m_fields)
        Edit(field.editId).SetValue(ParamFillText(field.param));
    FocusFirstControl();
}

CLowPassParamsDlg::CLowPassParamsDlg(wxWindow* parent)
    : CParamsDlg(parent, "Parametri NF filtra", wxSize(337, 79), kLowPassTemplate, kLowPassFields)
{
}

CDecimatorParamsDlg::CDecimatorParamsDlg(wxWindow* parent)
    : CParamsDlg(parent, "Parametri decimatora", wxSize(341, 95), kDecimatorTemplate,
                 kDecimatorFields, kFactorEdit)
{
}

CInterpolatorParamsDlg::CInterpolatorParamsDlg(wxWindow* parent)
    : CParamsDlg(parent, "Parametri interpolatora", wxSize(343, 94), kInterpolatorTemplate,
                 kInterpolatorFields, kFactorEdit)
{
}

CConverterParamsDlg::CConverterParamsDlg(wxWindow* parent)
    : CParamsDlg(parent, "Konvertor frekvencije odabiranja", wxSize(330, 159), kConverterTemplate,
                 kConverterFields)
{
}
