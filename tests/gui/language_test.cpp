// The program in English (run with LANGUAGE=en, tests/gui/CMakeLists.txt):
// menus, dialogs and the designer show the catalogue's texts, none of the
// Serbian ones they replace. Whether those texts fit is checked by the
// layout tests, which run in English too.
#include <set>
#include <string>

#include <wx/listbox.h>
#include <wx/menu.h>
#include <wx/toplevel.h>

#include "app/command_ids.h"
#include "dialogs/about_dlg.h"
#include "dialogs/diagram_dlgs.h"
#include "dialogs/params_dlgs.h"
#include "dialogs/signal_generator_dlg.h"
#include "language/built_in.h"
#include "tests/gui/designer_support.h"

namespace {

// A text of `window` or its children still in Serbian: one whose
// translation is another text.
std::string SerbianLeftIn(wxTopLevelWindow& window)
{
    std::set<std::string> shown = {window.GetTitle().utf8_string()};
    for (wxWindow* child : window.GetChildren()) {
        shown.insert(child->GetLabel().utf8_string());
    }
    for (const CatalogueEntry& entry : BuiltInCatalogue(Language::kEnglish)) {
        if (entry.id != entry.text && shown.contains(std::string(entry.id))) {
            return std::string(entry.id);
        }
    }
    return "";
}

}  // namespace

TEST(English, MenusAndEveryDialogShowTheTranslatedTexts)
{
    if (CurrentLanguage() != Language::kEnglish)
        GTEST_SKIP() << "run with LANGUAGE=en";
    wxMenuBar& bar = *Frame().GetMenuBar();
    EXPECT_EQ("Input Signal", bar.GetMenuLabelText(1));
    EXPECT_EQ("Low-pass Filter", bar.GetMenuLabelText(3));
    EXPECT_EQ("Conversion", bar.GetMenuLabelText(6));
    EXPECT_EQ("Parameter Settings", bar.GetMenu(4)->GetLabelText(cmd::kDecimatorParams));

    CSignalGeneratorDlg generator(&Frame());
    CLowPassParamsDlg lowPass(&Frame());
    CDecimatorParamsDlg decimator(&Frame());
    CInterpolatorParamsDlg interpolator(&Frame());
    CConverterParamsDlg converter(&Frame());
    CDecimatorDiagramDlg decimatorDiagram(&Frame());
    CInterpolatorDiagramDlg interpolatorDiagram(&Frame());
    CConverterDiagramDlg converterDiagram(&Frame());
    CAboutDlg about;
    for (wxDialog* dlg : std::initializer_list<wxDialog*>{
             &generator, &lowPass, &decimator, &interpolator, &converter, &decimatorDiagram,
             &interpolatorDiagram, &converterDiagram, &about}) {
        EXPECT_EQ("", SerbianLeftIn(*dlg)) << dlg->GetTitle();
    }
    EXPECT_EQ("Input signal generator", generator.GetTitle());
    EXPECT_EQ("Close", generator.FindWindow(CTemplateDialog::kAcceptId)->GetLabel());
}

TEST(English, TheDesignerShowsItsCaptionsAndReadOutInEnglish)
{
    if (CurrentLanguage() != Language::kEnglish)
        GTEST_SKIP() << "run with LANGUAGE=en";
    ResetWorkspace();
    WhileOpen<CPoleZeroDlg>(cmd::kAdHocFilter, [](CPoleZeroDlg& dlg) {
        EXPECT_EQ("", SerbianLeftIn(dlg));
        EXPECT_EQ("Place ZEROS", dlg.FindWindow(DesignerControls::kPlaceZeros)->GetLabel());
        PointerTo(dlg, 160, 100);
        auto* polar = dynamic_cast<wxListBox*>(dlg.FindWindow(DesignerControls::kPolarList));
        ASSERT_NE(nullptr, polar);
        ASSERT_EQ(2u, polar->GetCount());
        EXPECT_EQ("|z|:       0.71", polar->GetString(0));
        ClickIzlaz(dlg);
    });
}
