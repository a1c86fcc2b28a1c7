// The block diagrams of the decimator, the interpolator and the sample-rate
// converter, each a fixed picture shown at its own size of 461 x 181
// pixels, whatever the font makes of the dialog around it.
#pragma once

#include "dialogs/template_dialog.h"

class CDecimatorDiagramDlg : public CTemplateDialog {
public:
    explicit CDecimatorDiagramDlg(wxWindow* parent);
};

class CInterpolatorDiagramDlg : public CTemplateDialog {
public:
    explicit CInterpolatorDiagramDlg(wxWindow* parent);
};

class CConverterDiagramDlg : public CTemplateDialog {
public:
    explicit CConverterDiagramDlg(wxWindow* parent);
};
