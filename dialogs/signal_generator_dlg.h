// "Odabir generatora ulaznog signala": the only place where the test signal
// x(n) is made. Opening it makes the three-cosine signal; each formula's
// radio button remakes x(n) with that formula at every click; the "a="
// field sets the parameter a as it is typed.
#pragma once

#include "dialogs/template_dialog.h"

class CSignalGeneratorDlg : public CTemplateDialog {
public:
    static constexpr int kCosine = 1000;
    static constexpr int kExponential = 1001;
    static constexpr int kThreeCosines = 1002;
    static constexpr int kParamEdit = 1003;
    static constexpr int kRectangularPulse = 1006;
    static constexpr int kTriangularPulse = 1007;

    explicit CSignalGeneratorDlg(wxWindow* parent);

private:
    void OnInitDialog(wxInitDialogEvent& event);
};
