#include "dialogs/params_dlgs.h"

#include <cstdint>
#include <string>

#include <wx/button.h>
#include <wx/textctrl.h>

#include "workspace/field_rules.h"
#include "workspace/params.h"

CParamsDlg::CParamsDlg(wxWindow* parent, const ParamsForm& form)
    : CTemplateDialog(parent, form.form), m_fields(form.fields)
{
    const int autoWgFactorEdit = form.autoWgFactorEdit;
    for (const ParamField& field : form.fields) {
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

CLowPassParamsDlg::CLowPassParamsDlg(wxWindow* parent) : CParamsDlg(parent, kLowPassForm) {}

CDecimatorParamsDlg::CDecimatorParamsDlg(wxWindow* parent) : CParamsDlg(parent, kDecimatorForm) {}

CInterpolatorParamsDlg::CInterpolatorParamsDlg(wxWindow* parent)
    : CParamsDlg(parent, kInterpolatorForm)
{
}

CConverterParamsDlg::CConverterParamsDlg(wxWindow* parent) : CParamsDlg(parent, kConverterForm) {}
