// The four parameter dialogs: the low-pass filter's df and fg, and with them
// the decimation factor M, the interpolation factor L, or both.
//
// Every edit is bound to one workspace value and stores it through that
// value's field rule at every change of its text: typed, pasted, or written
// by the dialog itself (the fill at opening, "Auto wg"). So while a dialog
// is open, each bound value is its rule applied to its edit's text, and
// closing it, in any way, keeps everything.
#pragma once

#include <span>

#include "dialogs/template_dialog.h"
#include "forms/dialog_forms.h"
#include "workspace/params.h"

class CParamsDlg : public CTemplateDialog {
public:
    static constexpr int kTransitionWidthEdit = ParamsControls::kTransitionWidthEdit;
    static constexpr int kCutoffEdit = ParamsControls::kCutoffEdit;
    static constexpr int kFactorEdit = ParamsControls::kFactorEdit;
    static constexpr int kSecondFactorEdit = ParamsControls::kSecondFactorEdit;
    static constexpr int kAutoWgButton = ParamsControls::kAutoWgButton;

protected:
    CParamsDlg(wxWindow* parent, const ParamsForm& form);

private:
    void OnInitDialog(wxInitDialogEvent& event);

    std::span<const ParamField> m_fields;
};

// "Parametri NF filtra": df and fg.
class CLowPassParamsDlg : public CParamsDlg {
public:
    explicit CLowPassParamsDlg(wxWindow* parent);
};

// "Parametri decimatora": df, wg and M, with "Auto wg" = pi / M.
class CDecimatorParamsDlg : public CParamsDlg {
public:
    explicit CDecimatorParamsDlg(wxWindow* parent);
};

// "Parametri interpolatora": df, wg and L, with "Auto wg" = pi / L.
class CInterpolatorParamsDlg : public CParamsDlg {
public:
    explicit CInterpolatorParamsDlg(wxWindow* parent);
};

// "Konvertor frekvencije odabiranja": df, fg, L and M.
class CConverterParamsDlg : public CParamsDlg {
public:
    explicit CConverterParamsDlg(wxWindow* parent);
};
