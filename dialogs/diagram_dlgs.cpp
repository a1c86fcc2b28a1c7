#include "dialogs/diagram_dlgs.h"

#include "forms/dialog_forms.h"

// The picture's box is the area reserved for it; the bitmap keeps its size.

CDecimatorDiagramDlg::CDecimatorDiagramDlg(wxWindow* parent)
    : CTemplateDialog(parent, kDecimatorDiagramForm)
{
}

CInterpolatorDiagramDlg::CInterpolatorDiagramDlg(wxWindow* parent)
    : CTemplateDialog(parent, kInterpolatorDiagramForm)
{
}

CConverterDiagramDlg::CConverterDiagramDlg(wxWindow* parent)
    : CTemplateDialog(parent, kConverterDiagramForm)
{
}
