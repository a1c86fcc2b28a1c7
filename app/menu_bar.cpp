#include "app/menu_bar.h"

#include <vector>

#include "app/command_ids.h"
#include "app/recent_files.h"
#include "language/language.h"

namespace {

// Position of the first recent-file item in the File menu: after New, Open,
// Save, Save As and a separator.
constexpr size_t kRecentPosition = 5;

wxMenu* Submenu(std::initializer_list<std::pair<int, const char*>> items)
{
    auto* menu = new wxMenu;
    for (const auto& [id, text] : items) {
        if (id == wxID_SEPARATOR)
            menu->AppendSeparator();
        else
            menu->Append(id, wxString::FromUTF8(text));
    }
    return menu;
}

}  // namespace

MainMenus CreateMainMenuBar()
{
    MainMenus menus;
    menus.bar = new wxMenuBar;

    menus.file = Submenu({
        {cmd::kFileNew, "&New\tCtrl+N"},
        {cmd::kFileOpen, "&Open...\tCtrl+O"},
        {cmd::kFileSave, "&Save\tCtrl+S"},
        {cmd::kFileSaveAs, "Save &As..."},
        {wxID_SEPARATOR, ""},
        {wxID_SEPARATOR, ""},
        {cmd::kExit, "E&xit"},
    });
    ShowRecentFiles(menus.file, RecentFileList{});
    menus.bar->Append(menus.file, "&File");

    menus.signalGenerator = new wxMenu;
    menus.bar->Append(menus.signalGenerator, Tr("Odabir ulaznog signla"));
    menus.dft = new wxMenu;
    menus.bar->Append(menus.dft, "DFT");

    menus.bar->Append(Submenu({
                          {cmd::kFilterParams, Tr("Parametri Filtra")},
                          {wxID_SEPARATOR, ""},
                          {cmd::kFilterSpectrum, Tr("Filtriranje u frekv. domenu")},
                      }),
                      Tr("NF Filtar"));
    menus.bar->Append(Submenu({
                          {cmd::kDecimatorDiagram, Tr("Blok shema decimatora")},
                          {wxID_SEPARATOR, ""},
                          {cmd::kDecimatorParams, Tr("Podesavanje parametara")},
                          {wxID_SEPARATOR, ""},
                          {cmd::kDecimationTime, Tr("Vremenski Domen")},
                          {cmd::kDecimationFrequency, Tr("Frekvencijski Domen")},
                      }),
                      Tr("Decimacija"));
    menus.bar->Append(Submenu({
                          {cmd::kInterpolatorDiagram, Tr("Blok shema interpolatora")},
                          {wxID_SEPARATOR, ""},
                          {cmd::kInterpolatorParams, Tr("Podesavanje parametara")},
                          {wxID_SEPARATOR, ""},
                          {cmd::kInterpolationTime, Tr("Vremenski Domen")},
                          {cmd::kInterpolationFrequency, Tr("Frekvencijski Domen")},
                      }),
                      Tr("Interpolacija"));
    menus.bar->Append(Submenu({
                          {cmd::kConverterDiagram, Tr("Blok shema konvertora")},
                          {wxID_SEPARATOR, ""},
                          {cmd::kConverterParams, Tr("Parametri konvertora frekvencije")},
                          {wxID_SEPARATOR, ""},
                          {cmd::kConversionTime, Tr("Vremenski domen")},
                          {cmd::kConversionFrequency, Tr("Frekvencijski domen")},
                      }),
                      Tr("Konverzija "));

    // GTK menu bars have no separators between titles; the two that stand
    // around "Ad Hoc Filter" elsewhere are left out.
    menus.adHocFilter = new wxMenu;
    menus.bar->Append(menus.adHocFilter, "Ad Hoc Filter");

    menus.bar->Append(Submenu({{cmd::kAbout, "&About Vorlen..."}}), "&Help");
    return menus;
}

wxAcceleratorTable CreateAcceleratorTable()
{
    const std::vector<wxAcceleratorEntry> entries = {
        {wxACCEL_CTRL, 'N', cmd::kFileNew},           {wxACCEL_CTRL, 'O', cmd::kFileOpen},
        {wxACCEL_CTRL, 'S', cmd::kFileSave},          {wxACCEL_CTRL, 'Z', cmd::kEditUndo},
        {wxACCEL_ALT, WXK_BACK, cmd::kEditUndo},      {wxACCEL_CTRL, 'X', cmd::kEditCut},
        {wxACCEL_SHIFT, WXK_DELETE, cmd::kEditCut},   {wxACCEL_CTRL, 'C', cmd::kEditCopy},
        {wxACCEL_CTRL, WXK_INSERT, cmd::kEditCopy},   {wxACCEL_CTRL, 'V', cmd::kEditPaste},
        {wxACCEL_SHIFT, WXK_INSERT, cmd::kEditPaste}, {wxACCEL_NORMAL, WXK_F6, cmd::kNextPane},
        {wxACCEL_SHIFT, WXK_F6, cmd::kPrevPane},
    };
    return wxAcceleratorTable(static_cast<int>(entries.size()), entries.data());
}

void ShowRecentFiles(wxMenu* file, const RecentFileList& files)
{
    for (int id = cmd::kRecentFile1; id <= cmd::kRecentFileLast; ++id)
        while (wxMenuItem* item = file->FindChildItem(id))
            file->Destroy(item);
    if (files.Empty()) {
        file->Insert(kRecentPosition, cmd::kRecentFile1, "Recent File");
        file->Enable(cmd::kRecentFile1, false);
        return;
    }
    for (size_t i = 0; i < files.Files().size(); ++i)
        file->Insert(kRecentPosition + i, cmd::kRecentFile1 + static_cast<int>(i),
                     wxString::FromUTF8(files.MenuLabel(i)));
}
