#include "dialogs/signal_generator_dlg.h"

#include <wx/radiobut.h>
#include <wx/textctrl.h>

#include "core/params.h"
#include "dsp/signals.h"

namespace {

using enum DlgControl;
using Dlg = CSignalGeneratorDlg;

// The radio buttons are listed by formula; on screen the two pulses come
// first, from top to bottom.
constexpr DlgItem kTemplate[] = {
    {DefaultButton, Dlg::kAcceptId, "Izlaz", {155, 108, 50, 14}},
    {FirstRadio,
     Dlg::kCosine,
     " trigonometrijska funkcija:        y(n)=cos(2*pi*a*n/N)",
     {13, 53, 187, 15}},  // widened
    {Radio, Dlg::kExponential, " eksponencijalna funkcija:       y(n)=a^n", {13, 68, 185, 15}},
    {Radio,
     Dlg::kThreeCosines,
     " y(n)=cos(2*pi*a*n/N)+cos(10*2*pi*a*n/N)+cos(20*2*pi*a*n/N)",
     {13, 83, 224, 15}},  // widened
    // widened: a fill such as -99.99 shows whole
    {Edit, Dlg::kParamEdit, nullptr, {65, 113, 38, 12}},
    {Static, wxID_STATIC, "a=", {53, 114, 10, 11}},  // widened
    {Static,
     wxID_STATIC,
     "Odaberite zeljenu funkciju ulaznog signala: ",
     {17, 15, 145, 13}},  // widened
    {Radio,
     Dlg::kRectangularPulse,
     "pravougaona f-ja:    y(n)=1                               za  |n-N/2| <N*a/2",
     {13, 28, 224, 11}},  // widened
    {Radio,
     Dlg::kTriangularPulse,
     "trougaona funkcija: y(n)=2* |n-N/2| /(a*N)-1     za   |n-N/2| <a*N/2",
     {13, 41, 229, 12}},  // widened
    // widened with the radio buttons
    {GroupRight, wxID_STATIC, "F-ja ulaznog signala", {7, 7, 242, 94}},
    {GroupCentred, wxID_STATIC, "Parametar", {45, 102, 63, 29}},
};

}  // namespace

CSignalGeneratorDlg::CSignalGeneratorDlg(wxWindow* parent)
    : CTemplateDialog(parent, "Odabir generatora ulaznog signala", wxSize(256, 138), kTemplate)
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
