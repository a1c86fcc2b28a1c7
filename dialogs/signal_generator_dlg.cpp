#include "dialogs/signal_generator_dlg.h"

#include <wx/radiobut.h>
#include <wx/textctrl.h>

#include "dsp/signals.h"
#include "forms/dialog_forms.h"
#include "workspace/params.h"

CSignalGeneratorDlg::CSignalGeneratorDlg(wxWindow* parent) : CTemplateDialog(parent, kSignalForm)
{
    OnEveryClick(Radio(kCosine), GenerateCosine);
    OnEveryClick(Radio(kExponential), GenerateExponential);
    OnEveryClick(Radio(kThreeCosines), GenerateThreeCosines);
    OnEveryClick(Radio(kRectangularPulse), GenerateRectangularPulse);
    OnEveryClick(Radio(kTriangularPulse), GenerateTriangularPulse);
    // a is stored as typed; x(n) follows at the next click of a formula.
    Edit(kParamEdit).Bind(wxEVT_TEXT, [this](wxCommandEvent&) {
        StoreParam(Param::SignalParam, FieldText(Edit(kParamEdit)));
    });
    Bind(wxEVT_INIT_DIALOG, &CSignalGeneratorDlg::OnInitDialog, this);
}

void CSignalGeneratorDlg::OnInitDialog(wxInitDialogEvent&)
{
    CheckQuietly(Radio(kThreeCosines));
    // Filling the field is a change like any other: a becomes the value of
    // the text shown, a rounded to two decimals.
    Edit(kParamEdit).SetValue(ParamFillText(Param::SignalParam));
    GenerateThreeCosines();
    FocusFirstControl();
}
