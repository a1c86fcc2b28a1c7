// The document: the single-document framework needs one, but Vorlen keeps
// no data in it. Opening any file succeeds without reading it; saving
// writes a file of zero bytes.
#pragma once

#include <functional>

#include <wx/docview.h>

class CVorlenDoc : public wxDocument {
public:
    CVorlenDoc() = default;

    // Called with the absolute path each time the document takes a file's
    // name (opened or saved), so that the application can keep its
    // recent-file list; the document knows nothing of that list.
    void SetFileNamedHandler(std::function<void(const wxString&)> handler)
    {
        m_onFileNamed = std::move(handler);
    }

    // Makes the existing document a fresh "Untitled" one.
    bool OnNewDocument() override;
    // Makes the existing document stand for the file; if the file cannot be
    // opened the user is told and nothing changes.
    bool OpenFile(const wxString& path);

    // Save rewrites the document's file without asking once it has one;
    // Save As always asks. Both write zero bytes.
    bool Save() override;
    bool SaveAs() override;

    // "Untitled" until the document has a file, then the file's name.
    wxString GetUserReadableName() const override;

protected:
    bool DoSaveDocument(const wxString& path) override;
    bool DoOpenDocument(const wxString& path) override;

private:
    void OnSaveCommand(wxCommandEvent& event);
    void OnSaveAsCommand(wxCommandEvent& event);
    void FileNamed(const wxString& path);

    std::function<void(const wxString&)> m_onFileNamed;

    wxDECLARE_DYNAMIC_CLASS(CVorlenDoc);
    wxDECLARE_EVENT_TABLE();
};
