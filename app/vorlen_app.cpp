#include "app/vorlen_app.h"

#include <cstdio>
#include <cstdlib>
#include <optional>
#include <set>
#include <string>
#include <utility>

#include <wx/cmdline.h>
#include <wx/msgdlg.h>

#include "app/command_ids.h"
#include "app/file_dialogs.h"
#include "app/main_frame.h"
#include "app/settings_store.h"
#include "app/vorlen_doc.h"
#include "app/vorlen_view.h"
#include "dialogs/about_dlg.h"
#include "dialogs/screen_picture.h"
#include "language/built_in.h"

wxBEGIN_EVENT_TABLE(CVorlenApp, wxApp)
    EVT_MENU(cmd::kFileNew, CVorlenApp::OnFileNew)
    EVT_MENU(cmd::kFileOpen, CVorlenApp::OnFileOpen)
    EVT_MENU_RANGE(cmd::kRecentFile1, cmd::kRecentFileLast, CVorlenApp::OnRecentFile)
    EVT_MENU(cmd::kAbout, CVorlenApp::OnAbout)
    EVT_MENU(cmd::kExit, CVorlenApp::OnExit)
wxEND_EVENT_TABLE()

namespace {

// wxWidgets checks its callers with assertions, and by default a failed one
// opens a debug dialog whose "Stop" ends the program. That dialog is meant
// for developers of wxWidgets, never for a student: every failed check is
// reported once on stderr instead, in every build, and the program goes on.
//
// One check is dropped without a word: Vorlen's command ids run up to
// 57681, and wxWidgets checks menu ids against the 15-bit limit of Windows
// menus; GTK menus carry any int.
void ReportAssertOnStderr(const wxString& file, int line, const wxString& func,
                          const wxString& cond, const wxString& msg)
{
    if (cond.Contains("itemid < 0x7fff"))
        return;
    static std::set<std::pair<std::string, int>> reported;
    if (!reported.emplace(file.ToStdString(wxConvUTF8), line).second)
        return;
    std::fprintf(stderr, "Vorlen: wxWidgets check \"%s\" failed in %s (%s:%d)%s%s\n",
                 static_cast<const char*>(cond.utf8_str()),
                 static_cast<const char*>(func.utf8_str()),
                 static_cast<const char*>(file.utf8_str()), line, msg.empty() ? "" : ": ",
                 static_cast<const char*>(msg.utf8_str()));
}

// The single document type: no file filter, no extension.
class CDocManager : public wxDocManager {
public:
    // No framework file history: the recent-file list is the application's.
    CDocManager() : wxDocManager(0, false) { SetMaxDocsOpen(1); }
    wxString MakeNewDocumentName() override { return "Untitled"; }
};

}  // namespace

const char* VorlenVersionLine()
{
    return "vorlen " VORLEN_VERSION;
}

// vorlen [FILE]: the file, if any, is opened as the document.
void CVorlenApp::OnInitCmdLine(wxCmdLineParser& parser)
{
    parser.SetLogo("Vorlen: the basics of discrete-time signal processing.");
    parser.AddSwitch("h", "help", "show this help and exit", wxCMD_LINE_OPTION_HELP);
    parser.AddLongSwitch("version", "show the version and exit");
    parser.AddLongOption("lang",
                         "the language of the texts: sr (Serbian) or en (English); default: "
                         "the locale's (LANGUAGE, LC_ALL, LC_MESSAGES, LANG)",
                         wxCMD_LINE_VAL_STRING);
    parser.AddParam("FILE", wxCMD_LINE_VAL_STRING, wxCMD_LINE_PARAM_OPTIONAL);
}

bool CVorlenApp::OnCmdLineParsed(wxCmdLineParser& parser)
{
    if (parser.Found("version")) {
        std::printf("%s\n", VorlenVersionLine());
        std::exit(0);
    }
    // The language is set before any window is made: menus and dialogs
    // take their texts when they are built.
    Language language = LanguageFromEnvironment();
    if (wxString name; parser.Found("lang", &name)) {
        const std::optional<Language> chosen = ParseLanguageName(name.utf8_string());
        if (!chosen) {
            std::fprintf(stderr, "vorlen: --lang: '%s' is not a language of Vorlen (sr or en)\n",
                         static_cast<const char*>(name.utf8_str()));
            std::exit(2);
        }
        language = *chosen;
    }
    UseBuiltInLanguage(language);
    if (parser.GetParamCount() > 0)
        m_fileToOpen = parser.GetParam(0);
    return true;
}

// Help is a success and bad usage an error of its own (status 2), not a
// failed start-up.
bool CVorlenApp::OnCmdLineHelp(wxCmdLineParser& parser)
{
    parser.Usage();
    std::exit(0);
}

bool CVorlenApp::OnCmdLineError(wxCmdLineParser& parser)
{
    parser.Usage();
    std::exit(2);
}

bool CVorlenApp::OnInit()
{
    wxSetAssertHandler(ReportAssertOnStderr);
    SetAppName("Vorlen");
    SetAppDisplayName("Vorlen");
    if (!wxApp::OnInit())
        return false;

    // Every picture needs the font; without one there is nothing to show.
    try {
        ScreenTools();
    } catch (const FontError& e) {
        std::fprintf(stderr, "%s\n", e.what());
        wxMessageBox(wxString::FromUTF8(e.what()), "Vorlen", wxOK | wxICON_ERROR);
        return false;
    }

    // A settings file that cannot be used costs the recent-file list, never
    // the start; the next save replaces it with a sound one.
    std::string settingsProblem;
    m_recent.Assign(settings::LoadRecentFiles(&settingsProblem));
    if (!settingsProblem.empty())
        std::fprintf(
            stderr, "Vorlen: the settings file %s %s; the recent-file list starts empty.\n",
            static_cast<const char*>(settings::FilePath().utf8_str()), settingsProblem.c_str());

    m_docManager = new CDocManager;
    new wxDocTemplate(m_docManager, "Vorlen", "*", "", "", "Vorlen.Document", "Vorlen Document",
                      wxCLASSINFO(CVorlenDoc), wxCLASSINFO(CVorlenView));

    m_frame = new CMainFrame(m_docManager);
    m_frame->ShowRecentFiles(m_recent);
    SetTopWindow(m_frame);

    if (!m_docManager->CreateDocument(wxString(), wxDOC_NEW)) {
        std::fprintf(stderr, "Vorlen: the document could not be created.\n");
        return false;
    }
    Document()->SetFileNamedHandler([this](const wxString& path) { AddRecentFile(path); });
    m_frame->Show();
    m_frame->Update();
    // The file named on the command line is opened once the main window is
    // on screen, so that the message of a failure appears centred over it.
    if (!m_fileToOpen.empty() && !Document()->OpenFile(m_fileToOpen)) {
        std::fprintf(stderr, "Vorlen: failed to open document '%s'.\n",
                     static_cast<const char*>(m_fileToOpen.utf8_str()));
        m_frame->Destroy();
        m_frame = nullptr;
        return false;
    }
    return true;
}

int CVorlenApp::OnExit()
{
    settings::SaveRecentFiles(m_recent.Files());
    delete m_docManager;
    m_docManager = nullptr;
    return wxApp::OnExit();
}

CVorlenDoc* CVorlenApp::Document() const
{
    if (!m_docManager)
        return nullptr;
    return wxDynamicCast(m_docManager->GetCurrentDocument(), CVorlenDoc);
}

void CVorlenApp::AddRecentFile(const wxString& path)
{
    m_recent.Add(path.ToStdString(wxConvUTF8));
    RecentFilesChanged();
}

void CVorlenApp::RecentFilesChanged()
{
    settings::SaveRecentFiles(m_recent.Files());
    if (m_frame)
        m_frame->ShowRecentFiles(m_recent);
}

void CVorlenApp::OnFileNew(wxCommandEvent&)
{
    if (CVorlenDoc* doc = Document())
        doc->OnNewDocument();
}

void CVorlenApp::OnFileOpen(wxCommandEvent&)
{
    CVorlenDoc* doc = Document();
    if (!doc)
        return;
    wxFileDialog dialog(m_frame, "Open", wxString(), wxString(), kAllFilesFilter,
                        wxFD_OPEN | wxFD_FILE_MUST_EXIST);
    if (dialog.ShowModal() == wxID_OK)
        doc->OpenFile(ChosenPath(dialog));
}

void CVorlenApp::OnRecentFile(wxCommandEvent& event)
{
    const auto index = static_cast<std::size_t>(event.GetId() - cmd::kRecentFile1);
    CVorlenDoc* doc = Document();
    if (!doc || index >= m_recent.Files().size())
        return;
    const wxString path = wxString::FromUTF8(m_recent.Files()[index]);
    if (!doc->OpenFile(path)) {
        // A file that can no longer be opened leaves the list.
        m_recent.Remove(index);
        RecentFilesChanged();
    }
}

void CVorlenApp::OnAbout(wxCommandEvent&)
{
    CAboutDlg dialog;
    if (m_frame)
        dialog.CentreOver(*m_frame);
    dialog.ShowModal();
}

void CVorlenApp::OnExit(wxCommandEvent&)
{
    if (m_frame)
        m_frame->Close();
}
