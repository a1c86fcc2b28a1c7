// The application shell: menu tree, title, File commands, recent files,
// failure messages and the plot area's repaint rule.
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <gtk/gtk.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <vector>

#include <wx/timer.h>

#include <wx/filedlg.h>
#include <wx/msgdlg.h>

#include "app/command_ids.h"
#include "app/plot_window.h"
#include "app/settings_store.h"
#include "dialogs/template_dialog_gtk.h"
#include "tests/gui/gui_support.h"
#include "workspace/workspace.h"

namespace {

struct Item {
    int id;
    std::string label;  // empty for a separator
    bool operator==(const Item&) const = default;
};

std::vector<Item> Items(const wxMenu* menu)
{
    std::vector<Item> items;
    for (const wxMenuItem* item : menu->GetMenuItems())
        items.push_back(item->IsSeparator()
                            ? Item{wxID_SEPARATOR, ""}
                            : Item{item->GetId(), item->GetItemLabel().ToStdString()});
    return items;
}

std::uintmax_t FileSize(const std::string& path)
{
    return std::filesystem::file_size(path);
}

bool PictureIsBlank(const Raster& r, int left, int top, int right, int bottom)
{
    for (int y = top; y < bottom; ++y)
        for (int x = left; x < right; ++x)
            if (!(r.Pixel(x, y) == kBackground))
                return false;
    return true;
}

void Scribble(Raster& r)
{
    r.Fill(0, 0, 400, 300, kBlack);
}

void OpenFile(const std::string& path)
{
    wxTEST_DIALOG(Command(cmd::kFileOpen), wxExpectModal<wxFileDialog>(path));
}

const wxMenu* FileMenu()
{
    return Frame().GetMenuBar()->GetMenu(0);
}

}  // namespace

// Runs first: the recent-file list is still empty.
TEST(Shell, StartsUntitledWithAGreyRecentFilePlaceholder)
{
    EXPECT_EQ(Title(), "Untitled - Vorlen");
    const wxMenuItem* placeholder = FileMenu()->FindItem(cmd::kRecentFile1);
    ASSERT_NE(placeholder, nullptr);
    EXPECT_EQ(placeholder->GetItemLabel(), "Recent File");
    EXPECT_FALSE(placeholder->IsEnabled());
    EXPECT_TRUE(PictureIsBlank(Frame().PlotWindow()->Picture(), 0, 0, 800, 600));
}

TEST(Shell, MenuBarHasEveryTitleItemAndIdInOrder)
{
    const wxMenuBar* bar = Frame().GetMenuBar();
    const std::vector<std::string> titles = {
        "&File",         "Odabir ulaznog signla", "DFT",           "NF Filtar", "Decimacija",
        "Interpolacija", "Konverzija ",           "Ad Hoc Filter", "&Help"};
    ASSERT_EQ(bar->GetMenuCount(), titles.size());
    for (size_t i = 0; i < titles.size(); ++i)
        EXPECT_EQ(bar->GetMenuLabel(i).ToStdString(), titles[i]);

    const int sep = wxID_SEPARATOR;
    EXPECT_EQ(Items(bar->GetMenu(0)), (std::vector<Item>{{57600, "&New\tCtrl+N"},
                                                         {57601, "&Open...\tCtrl+O"},
                                                         {57603, "&Save\tCtrl+S"},
                                                         {57604, "Save &As..."},
                                                         {sep, ""},
                                                         {57616, "Recent File"},
                                                         {sep, ""},
                                                         {57665, "E&xit"}}));
    EXPECT_TRUE(Items(bar->GetMenu(1)).empty());
    EXPECT_TRUE(Items(bar->GetMenu(2)).empty());
    EXPECT_EQ(Items(bar->GetMenu(3)),
              (std::vector<Item>{
                  {32782, "Parametri Filtra"}, {sep, ""}, {32783, "Filtriranje u frekv. domenu"}}));
    EXPECT_EQ(Items(bar->GetMenu(4)), (std::vector<Item>{{32784, "Blok shema decimatora"},
                                                         {sep, ""},
                                                         {32778, "Podesavanje parametara"},
                                                         {sep, ""},
                                                         {32776, "Vremenski Domen"},
                                                         {32777, "Frekvencijski Domen"}}));
    EXPECT_EQ(Items(bar->GetMenu(5)), (std::vector<Item>{{32785, "Blok shema interpolatora"},
                                                         {sep, ""},
                                                         {32779, "Podesavanje parametara"},
                                                         {sep, ""},
                                                         {32780, "Vremenski Domen"},
                                                         {32781, "Frekvencijski Domen"}}));
    EXPECT_EQ(Items(bar->GetMenu(6)),
              (std::vector<Item>{{32789, "Blok shema konvertora"},
                                 {sep, ""},
                                 {32788, "Parametri konvertora frekvencije"},
                                 {sep, ""},
                                 {32790, "Vremenski domen"},
                                 {32787, "Frekvencijski domen"}}));
    EXPECT_TRUE(Items(bar->GetMenu(7)).empty());
    EXPECT_EQ(Items(bar->GetMenu(8)), (std::vector<Item>{{57664, "&About Vorlen..."}}));
}

// With larger text (the gui_text_* runs) the titles take more room, and
// the window is as wide as they need: every one shows whole on the screen.
// At 96 dpi the window keeps its size.
TEST(Shell, MenuBarShowsEveryTitleWholeAtAnyTextSize)
{
    Pump();
    // The window's width on the screen, which GTK's own layout may exceed.
    const int shown = gdk_window_get_width(gtk_widget_get_window(Frame().GetHandle()));
    int titles = 0;
    GList* items = gtk_container_get_children(GTK_CONTAINER(Frame().GetMenuBar()->m_widget));
    for (GList* item = items; item; item = item->next, ++titles) {
        int least = 0;
        int natural = 0;
        gtk_widget_get_preferred_width(GTK_WIDGET(item->data), &least, &natural);
        GtkAllocation title;
        gtk_widget_get_allocation(GTK_WIDGET(item->data), &title);
        EXPECT_GE(title.width, natural) << titles;
        EXPECT_LE(title.x + title.width, shown) << titles;
    }
    g_list_free(items);
    EXPECT_EQ(9, titles);
    if (TextResolution() == 96.0) {
        EXPECT_EQ(840, shown);
    }
}

TEST(Shell, EveryCommandIdIsRouted)
{
    // Commands whose dialogs or pictures are not there yet must still reach
    // a handler (ProcessWindowEvent reports whether one took the event).
    for (int id : {32771, 32776, 32777, 32780, 32781, 32783, 32787, 32790, 57634, 57635, 57637,
                   57643, 57680, 57681}) {
        wxCommandEvent event(wxEVT_MENU, id);
        EXPECT_TRUE(Frame().ProcessWindowEvent(event)) << id;
    }
}

TEST(Shell, IgnoredKeysChangeNothing)
{
    Raster& picture = Frame().PlotWindow()->Picture();
    Scribble(picture);
    g_inputSignal[3] = 7.0f;
    for (int id : {cmd::kEditCopy, cmd::kEditCut, cmd::kEditPaste, cmd::kEditUndo, cmd::kNextPane,
                   cmd::kPrevPane})
        WithoutDialogs([id] { Command(id); });
    EXPECT_EQ(Title(), "Untitled - Vorlen");
    EXPECT_EQ(g_inputSignal[3], 7.0f);
    EXPECT_EQ(picture.Pixel(10, 10), kBlack);
    ResetWorkspace();
}

TEST(Shell, OpenNamesTheWindowListsTheFileAndErasesThePicture)
{
    const std::string path = MakeFile("notes.txt", "anything at all");
    Scribble(Frame().PlotWindow()->Picture());
    g_signalParam = 0.25f;
    g_inputSignal[0] = 3.0f;

    OpenFile(path);

    EXPECT_EQ(Title(), "notes.txt - Vorlen");
    EXPECT_TRUE(PictureIsBlank(Frame().PlotWindow()->Picture(), 0, 0, 800, 600));
    EXPECT_EQ(g_signalParam, 0.25f);  // the workspace belongs to no document
    EXPECT_EQ(g_inputSignal[0], 3.0f);
    EXPECT_EQ(FileSize(path), 15u);  // opening reads and changes nothing
    ASSERT_FALSE(wxGetApp().RecentFiles().Empty());
    EXPECT_EQ(wxGetApp().RecentFiles().Files()[0], path);
    const wxMenuItem* first = FileMenu()->FindItem(cmd::kRecentFile1);
    ASSERT_NE(first, nullptr);
    EXPECT_EQ(first->GetItemLabel().ToStdString(), "&1 " + path);
    EXPECT_TRUE(first->IsEnabled());
    ResetWorkspace();
}

TEST(Shell, NewReturnsToUntitledAndErasesThePicture)
{
    OpenFile(MakeFile("a.dat", "x"));
    Scribble(Frame().PlotWindow()->Picture());
    Command(cmd::kFileNew);
    EXPECT_EQ(Title(), "Untitled - Vorlen");
    EXPECT_TRUE(PictureIsBlank(Frame().PlotWindow()->Picture(), 0, 0, 800, 600));
}

TEST(Shell, SaveAsksForANameOnceThenRewritesTheFileEmpty)
{
    Command(cmd::kFileNew);
    const std::string path = MakeFile("saved.vorlen", "old contents");
    Scribble(Frame().PlotWindow()->Picture());

    wxTEST_DIALOG(Command(cmd::kFileSave), wxExpectModal<wxFileDialog>(path));
    EXPECT_EQ(FileSize(path), 0u);
    EXPECT_EQ(Title(), "saved.vorlen - Vorlen");
    EXPECT_EQ(wxGetApp().RecentFiles().Files()[0], path);
    // Saving does not touch the picture.
    EXPECT_EQ(Frame().PlotWindow()->Picture().Pixel(10, 10), kBlack);

    std::ofstream(path) << "written by someone else";
    WithoutDialogs([] { Command(cmd::kFileSave); });  // no dialog this time
    EXPECT_EQ(FileSize(path), 0u);

    const std::string other = PrivateDir() + "/copy.vorlen";
    wxTEST_DIALOG(Command(cmd::kFileSaveAs), wxExpectModal<wxFileDialog>(other));
    EXPECT_TRUE(std::filesystem::exists(other));
    EXPECT_EQ(FileSize(other), 0u);
    EXPECT_EQ(Title(), "copy.vorlen - Vorlen");
}

TEST(Shell, AFileThatCannotBeOpenedChangesNothing)
{
    OpenFile(MakeFile("kept.txt"));
    const auto recentBefore = wxGetApp().RecentFiles().Files();
    g_cutoff = 1.0f;
    Scribble(Frame().PlotWindow()->Picture());

    for (const std::string& bad : {PrivateDir() + "/no-such-file", PrivateDir()}) {
        wxTEST_DIALOG(Command(cmd::kFileOpen), wxExpectModal<wxFileDialog>(bad),
                      ExpectMessage("Failed to open document."));
        EXPECT_EQ(Title(), "kept.txt - Vorlen");
        EXPECT_EQ(wxGetApp().RecentFiles().Files(), recentBefore);
        EXPECT_EQ(g_cutoff, 1.0f);
        EXPECT_EQ(Frame().PlotWindow()->Picture().Pixel(10, 10), kBlack);
    }
    ResetWorkspace();
}

TEST(Shell, AFileThatCannotBeSavedChangesNothing)
{
    OpenFile(MakeFile("before.txt", "abc"));
    const auto recentBefore = wxGetApp().RecentFiles().Files();
    const std::string bad = PrivateDir() + "/missing-folder/out.vorlen";
    wxTEST_DIALOG(Command(cmd::kFileSaveAs), wxExpectModal<wxFileDialog>(bad),
                  ExpectMessage("Failed to save document."));
    EXPECT_FALSE(std::filesystem::exists(bad));
    EXPECT_EQ(Title(), "before.txt - Vorlen");
    EXPECT_EQ(wxGetApp().RecentFiles().Files(), recentBefore);
    EXPECT_EQ(FileSize(PrivateDir() + "/before.txt"), 3u);

    // Saving onto a folder fails the same way.
    wxTEST_DIALOG(Command(cmd::kFileSaveAs), wxExpectModal<wxFileDialog>(PrivateDir()),
                  ExpectMessage("Failed to save document."));
    EXPECT_EQ(Title(), "before.txt - Vorlen");
}

TEST(Shell, RecentFilesHoldFourNewestFirstAndAreStored)
{
    std::vector<std::string> paths;
    for (int i = 1; i <= 5; ++i) {
        // Appended piece by piece: GCC 12 warns falsely (-Wrestrict) about
        // "literal" + string in optimised builds.
        std::string name = "r";
        name += std::to_string(i);
        name += ".txt";
        paths.push_back(MakeFile(name));
    }
    for (const std::string& p : paths)
        OpenFile(p);
    const std::vector<std::string> expected = {paths[4], paths[3], paths[2], paths[1]};
    EXPECT_EQ(wxGetApp().RecentFiles().Files(), expected);
    EXPECT_EQ(FileMenu()->FindItem(cmd::kRecentFileLast)->GetItemLabel().ToStdString(),
              "&4 " + paths[1]);

    // What the next start will read.
    EXPECT_EQ(settings::LoadRecentFiles(), expected);
    std::ifstream stored(settings::FilePath().ToStdString());
    const std::string text((std::istreambuf_iterator<char>(stored)),
                           std::istreambuf_iterator<char>());
    // wxFileConfig writes the blanks of a section name escaped.
    EXPECT_NE(text.find("[Recent\\ File\\ List]"), std::string::npos) << text;
    EXPECT_NE(text.find("File1=" + paths[4]), std::string::npos);
    EXPECT_NE(
        settings::FilePath().Find("/.config/Local AppWizard-Generated Applications/Vorlen.conf"),
        wxNOT_FOUND);

    // A recent entry opens its file.
    WithoutDialogs([] { Command(cmd::kRecentFile1 + 2); });
    EXPECT_EQ(Title(), "r3.txt - Vorlen");
    EXPECT_EQ(wxGetApp().RecentFiles().Files()[0], paths[2]);
}

TEST(Shell, ARecentFileThatWasDeletedIsReportedAndDropped)
{
    const std::string gone = MakeFile("gone.txt");
    const std::string stays = MakeFile("stays.txt");
    OpenFile(gone);
    OpenFile(stays);
    std::filesystem::remove(gone);
    ASSERT_EQ(wxGetApp().RecentFiles().Files()[1], gone);

    wxTEST_DIALOG(Command(cmd::kRecentFile1 + 1), ExpectMessage("Failed to open document."));

    EXPECT_EQ(Title(), "stays.txt - Vorlen");
    const auto& files = wxGetApp().RecentFiles().Files();
    EXPECT_EQ(std::find(files.begin(), files.end(), gone), files.end());
    EXPECT_EQ(files[0], stays);
    EXPECT_EQ(settings::LoadRecentFiles(), files);
}

TEST(Shell, ARepaintClearsOnlyTheRegionTheWindowSystemAsksFor)
{
    CPlotWindow* plot = Frame().PlotWindow();
    Pump();
    Scribble(plot->Picture());
    plot->ShowPicture();
    Pump();
    EXPECT_EQ(plot->Picture().Pixel(10, 10), kBlack);

    plot->RefreshRect(wxRect(100, 100, 50, 40), false);
    plot->Update();
    Pump();
    EXPECT_TRUE(PictureIsBlank(plot->Picture(), 100, 100, 150, 140));
    EXPECT_EQ(plot->Picture().Pixel(99, 100), kBlack);
    EXPECT_EQ(plot->Picture().Pixel(150, 139), kBlack);
    EXPECT_EQ(plot->Picture().Pixel(120, 99), kBlack);
}

TEST(Shell, SavingOntoAFifoOrADeviceFailsInsteadOfWaiting)
{
    OpenFile(MakeFile("plain.txt", "abc"));
    const std::string fifo = PrivateDir() + "/pipe";
    ASSERT_EQ(mkfifo(fifo.c_str(), 0600), 0);
    // A reader that never reads: a save that wrongly opens the FIFO shows
    // as a wrong result instead of waiting for ever.
    const int reader = open(fifo.c_str(), O_RDONLY | O_NONBLOCK);
    for (const std::string& bad : {fifo, std::string("/dev/null")}) {
        wxTEST_DIALOG(Command(cmd::kFileSaveAs), wxExpectModal<wxFileDialog>(bad),
                      ExpectMessage("Failed to save document."));
        EXPECT_EQ(Title(), "plain.txt - Vorlen");
    }
    EXPECT_TRUE(std::filesystem::is_fifo(fifo));

    // The document's own file replaced by a FIFO: Save fails the same way.
    const std::string own = PrivateDir() + "/plain.txt";
    std::filesystem::remove(own);
    ASSERT_EQ(mkfifo(own.c_str(), 0600), 0);
    const int ownReader = open(own.c_str(), O_RDONLY | O_NONBLOCK);
    wxTEST_DIALOG(Command(cmd::kFileSave), ExpectMessage("Failed to save document."));
    EXPECT_TRUE(std::filesystem::is_fifo(own));
    close(reader);
    close(ownReader);
    std::filesystem::remove(fifo);
    std::filesystem::remove(own);
    Command(cmd::kFileNew);
}

TEST(Shell, TheAreaOfAClosedMenuShowsThePictureAgainWhileOtherRepaintsClear)
{
    CPlotWindow* plot = Frame().PlotWindow();
    Pump();
    Scribble(plot->Picture());
    plot->ShowPicture();
    Pump();

    // A drop-down closed over (20, 20)-(120, 100); then the window system
    // asks for a larger region, the menu's and more, to be repainted.
    plot->RestoreAfterMenu(wxRect(plot->ClientToScreen(wxPoint(20, 20)), wxSize(100, 80)));
    plot->RefreshRect(wxRect(0, 0, 200, 150), false);
    plot->Update();
    Pump();
    const Raster& picture = plot->Picture();
    EXPECT_EQ(picture.Pixel(20, 20), kBlack);
    EXPECT_EQ(picture.Pixel(119, 99), kBlack);
    EXPECT_TRUE(PictureIsBlank(picture, 0, 0, 200, 20));
    EXPECT_TRUE(PictureIsBlank(picture, 120, 0, 200, 150));
    EXPECT_TRUE(PictureIsBlank(picture, 0, 100, 200, 150));
    EXPECT_EQ(picture.Pixel(200, 150), kBlack);

    // Once repainted, the menu's area is like any other: a window that
    // uncovers it later leaves it cleared.
    plot->RefreshRect(wxRect(20, 20, 100, 80), false);
    plot->Update();
    Pump();
    EXPECT_TRUE(PictureIsBlank(picture, 20, 20, 120, 100));
}

namespace {

// Presses "Continue" on the debug dialog that wxWidgets shows for a failed
// check, if one is open; true if there was one.
bool ContinuePastAssertDialog()
{
    bool found = false;
    GList* windows = gtk_window_list_toplevels();
    for (GList* w = windows; w; w = w->next) {
        GtkWidget* window = GTK_WIDGET(w->data);
        if (!gtk_widget_get_visible(window) || !GTK_IS_DIALOG(window) ||
            std::string(G_OBJECT_TYPE_NAME(window)).find("Assert") == std::string::npos)
            continue;
        found = true;
        // Its answers: 0 Stop, 1 Continue, 2 Continue and show no more.
        gtk_dialog_response(GTK_DIALOG(window), 1);
    }
    g_list_free(windows);
    return found;
}

// Everything written to stderr while `code` runs.
template <class Code>
std::string CaptureStderr(Code code)
{
    const std::string path = PrivateDir() + "/stderr.txt";
    std::fflush(stderr);
    const int saved = dup(2);
    const int file = open(path.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0600);
    dup2(file, 2);
    close(file);
    code();
    std::fflush(stderr);
    dup2(saved, 2);
    close(saved);
    std::ifstream in(path);
    return std::string((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
}

}  // namespace

TEST(Shell, AFailedWxWidgetsCheckIsOneLineOnStderrNeverADialog)
{
    bool dialogShown = false;
    wxTimer watchdog;
    watchdog.Bind(wxEVT_TIMER, [&](wxTimerEvent&) { dialogShown |= ContinuePastAssertDialog(); });
    watchdog.Start(100);
    const std::string output = CaptureStderr([] {
        for (int i = 0; i < 3; ++i)
            wxFAIL_MSG("a check the test makes fail");
    });
    watchdog.Stop();
    EXPECT_FALSE(dialogShown);
    EXPECT_NE(output.find("a check the test makes fail"), std::string::npos) << output;
    EXPECT_EQ(std::count(output.begin(), output.end(), '\n'), 1) << output;
}
