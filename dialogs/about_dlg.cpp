#include "dialogs/about_dlg.h"

#include "forms/dialog_forms.h"

namespace {

// The template's serif face at its 10 points: DejaVu Serif, which comes with
// the DejaVu fonts the pictures use.
TemplateStyle AboutStyle()
{
    TemplateStyle style;
    style.font = wxFont(wxFontInfo(10).Family(wxFONTFAMILY_ROMAN).FaceName("DejaVu Serif"));
    return style;
}

}  // namespace

CAboutDlg::CAboutDlg() : CTemplateDialog(nullptr, kAboutForm, AboutStyle()) {}
