#include "dialogs/diagram_dlgs.h"

#include "resources/embedded.h"

namespace {

using enum DlgControl;
constexpr int kAccept = CTemplateDialog::kAcceptId;

// The picture's box is the area reserved for it; the bitmap keeps its size.
constexpr DlgItem kDecimatorTemplate[] = {
    {DefaultButton, kAccept, "Izlaz", {130, 130, 50, 14}},
    {Picture, wxID_STATIC, nullptr, {7, 7, 314, 118}, DecimatorDiagramBmp},
};

constexpr DlgItem kInterpolatorTemplate[] = {
    {DefaultButton, kAccept, "Izlaz", {127, 130, 50, 14}},
    {Picture, wxID_STATIC, nullptr, {7, 7, 314, 118}, InterpolatorDiagramBmp},
};

constexpr DlgItem kConverterTemplate[] = {
    {DefaultButton, kAccept, "OK", {133, 129, 50, 14}},
    {Picture, wxID_STATIC, nullptr, {7, 7, 314, 118}, ConverterDiagramBmp},
};

}  // namespace

CDecimatorDiagramDlg::CDecimatorDiagramDlg(wxWindow* parent)
    : CTemplateDialog(parent, "Blok shema decimacije sa celobrojnim faktorom", wxSize(327, 151),
                      kDecimatorTemplate)
{
}

CInterpolatorDiagramDlg::CInterpolatorDiagramDlg(wxWindow* parent)
    : CTemplateDialog(parent, "Blok shema Interpolacije sa celobrojnim faktorom", wxSize(328, 151),
                      kInterpolatorTemplate)
{
}

CConverterDiagramDlg::CConverterDiagramDlg(wxWindow* parent)
    : CTemplateDialog(parent, "Blok shema konvertora frekvencije odabiranja", wxSize(328, 150),
                      kConverterTemplate)
{
}
