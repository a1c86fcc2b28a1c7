// The application: start-up, the document manager, the recent-file list
// and the application-wide commands (New, Open, the recent files, About,
// Exit).
#pragma once

#include <wx/app.h>
#include <wx/docview.h>

#include "app/recent_files.h"

class CMainFrame;
class CVorlenDoc;

class CVorlenApp : public wxApp {
public:
    bool OnInit() override;
    int OnExit() override;
    void OnInitCmdLine(wxCmdLineParser& parser) override;
    bool OnCmdLineParsed(wxCmdLineParser& parser) override;
    bool OnCmdLineHelp(wxCmdLineParser& parser) override;
    bool OnCmdLineError(wxCmdLineParser& parser) override;

    CMainFrame* MainFrame() const { return m_frame; }
    CVorlenDoc* Document() const;
    const RecentFileList& RecentFiles() const { return m_recent; }

    // Puts the file at the top of the recent-file list and keeps the list in
    // the settings store.
    void AddRecentFile(const wxString& path);

private:
    void OnFileNew(wxCommandEvent& event);
    void OnFileOpen(wxCommandEvent& event);
    void OnRecentFile(wxCommandEvent& event);
    void OnAbout(wxCommandEvent& event);
    void OnExit(wxCommandEvent& event);

    void RecentFilesChanged();

    wxDocManager* m_docManager = nullptr;
    CMainFrame* m_frame = nullptr;
    RecentFileList m_recent;
    wxString m_fileToOpen;

    wxDECLARE_EVENT_TABLE();
};

wxDECLARE_APP(CVorlenApp);

// "vorlen 1.2.3": what --version prints.
const char* VorlenVersionLine();
