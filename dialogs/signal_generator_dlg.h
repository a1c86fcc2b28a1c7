// "Odabir generatora ulaznog signala": the only place where the test signal
// x(n) is made. Opening it makes the three-cosine signal; each formula's
// radio button remakes x(n) with that formula at every click; the "a="
// field sets the parameter a as it is typed.
#pragma once

#include "dialogs/template_dialog.h"
#include "forms/dialog_forms.h"

class CSignalGeneratorDlg : public CTemplateDialog {
public:
    static constexpr int kCosine = SignalControls::kCosine;
    static constexpr int kExponential = SignalControls::kExponential;
    static constexpr int kThreeCosines = SignalControls::kThreeCosines;
    static constexpr int kParamEdit = SignalControls::kParamEdit;
    static constexpr int kRectangularPulse = SignalControls::kRectangularPulse;
    static constexpr int kTriangularPulse = SignalControls::kTriangularPulse;

    explicit CSignalGeneratorDlg(wxWindow* parent);

private:
    void OnInitDialog(wxInitDialogEvent& event);
};
