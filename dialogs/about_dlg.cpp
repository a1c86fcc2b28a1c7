#include "dialogs/about_dlg.h"

#include "resources/embedded.h"

namespace {

using enum DlgControl;

constexpr DlgItem kTemplate[] = {
    {Icon, wxID_STATIC, nullptr, {11, 17, 20, 20}, AppIcon32Png},
    {Static, wxID_STATIC, "Vorlen Version 1.0", {40, 10, 119, 8}},
    {Static, wxID_STATIC, "Autor: tim programa Vorlen", {40, 25, 90, 8}},  // widened
    {DefaultButton, CTemplateDialog::kAcceptId, "Izlaz", {195, 10, 50, 14}},
    {Group, wxID_STATIC, "Kontakt", {45, 41, 210, 69}},
    {Static, wxID_STATIC, "Vorlen, program za ucenje digitalne obrade signala", {49, 54, 197, 9}},
    {Static, wxID_STATIC, "Diskretni signali", {50, 65, 91, 8}},
    {Static, wxID_STATIC, "DFT i NF filtriranje", {50, 75, 105, 11}},
    {Static, wxID_STATIC, "Decimacija i interpolacija", {50, 85, 110, 9}},
    {Static, wxID_STATIC, "Konverzija frekvencije odabiranja", {50, 95, 196, 13}},
};

// The template's serif face at its 10 points: DejaVu Serif, which comes with
// the DejaVu fonts the pictures use.
TemplateStyle AboutStyle()
{
    TemplateStyle style;
    style.font = wxFont(wxFontInfo(10).Family(wxFONTFAMILY_ROMAN).FaceName("DejaVu Serif"));
    return style;
}

}  // namespace

CAboutDlg::CAboutDlg()
    : CTemplateDialog(nullptr, "About Vorlen", wxSize(262, 117), kTemplate, AboutStyle())
{
}
