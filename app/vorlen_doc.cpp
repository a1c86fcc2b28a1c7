#include "app/vorlen_doc.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <wx/app.h>
#include <wx/file.h>
#include <wx/filename.h>
#include <wx/log.h>
#include <wx/msgdlg.h>

#include "app/command_ids.h"
#include "app/file_dialogs.h"

wxIMPLEMENT_DYNAMIC_CLASS(CVorlenDoc, wxDocument);

wxBEGIN_EVENT_TABLE(CVorlenDoc, wxDocument)
    EVT_MENU(cmd::kFileSave, CVorlenDoc::OnSaveCommand)
    EVT_MENU(cmd::kFileSaveAs, CVorlenDoc::OnSaveAsCommand)
wxEND_EVENT_TABLE()

namespace {

constexpr const char* kUntitled = "Untitled";

void ReportFailure(const wxString& message)
{
    wxMessageBox(message, "Vorlen", wxOK | wxICON_EXCLAMATION, wxTheApp->GetTopWindow());
}

// Creates the file, or empties it if it is there. Only a regular file is
// written: a folder, FIFO or device in its place fails, as Open refuses them
// too. Writing to a FIFO would wait for a reader, so its open never blocks
// (O_NONBLOCK), should one appear between the check and the open.
bool CreateEmptyRegularFile(const wxString& path)
{
    const wxCharBuffer name = path.fn_str();
    struct stat info {};
    if (::stat(name, &info) == 0 && !S_ISREG(info.st_mode))
        return false;
    const int fd = ::open(name, O_WRONLY | O_CREAT | O_TRUNC | O_NONBLOCK | O_CLOEXEC, 0666);
    if (fd < 0)
        return false;
    const bool regular = ::fstat(fd, &info) == 0 && S_ISREG(info.st_mode);
    return ::close(fd) == 0 && regular;
}

}  // namespace

bool CVorlenDoc::OnNewDocument()
{
    Modify(false);
    SetDocumentSaved(false);
    SetFilename(kUntitled, true);
    UpdateAllViews();
    return true;
}

bool CVorlenDoc::OpenFile(const wxString& path)
{
    const wxString absolute = wxFileName(path).GetAbsolutePath();
    if (!DoOpenDocument(absolute)) {
        ReportFailure("Failed to open document.");
        return false;
    }
    Modify(false);
    SetDocumentSaved(true);
    SetFilename(absolute, true);
    UpdateAllViews();
    FileNamed(absolute);
    return true;
}

bool CVorlenDoc::Save()
{
    if (!GetDocumentSaved())
        return SaveAs();
    return OnSaveDocument(GetFilename());
}

bool CVorlenDoc::SaveAs()
{
    const wxFileName current(GetFilename());
    wxFileDialog dialog(GetDocumentWindow(), "Save As",
                        GetDocumentSaved() ? current.GetPath() : wxString(), current.GetFullName(),
                        kAllFilesFilter, wxFD_SAVE | wxFD_OVERWRITE_PROMPT);
    if (dialog.ShowModal() != wxID_OK)
        return false;
    const wxString path = ChosenPath(dialog);
    if (!OnSaveDocument(path))
        return false;
    SetFilename(path, true);
    FileNamed(path);
    return true;
}

wxString CVorlenDoc::GetUserReadableName() const
{
    if (!GetDocumentSaved())
        return kUntitled;
    return wxFileName(GetFilename()).GetFullName();
}

bool CVorlenDoc::DoSaveDocument(const wxString& path)
{
    // The document holds nothing, so saving creates or empties the file.
    if (!CreateEmptyRegularFile(path)) {
        ReportFailure("Failed to save document.");
        return false;
    }
    return true;
}

bool CVorlenDoc::DoOpenDocument(const wxString& path)
{
    // Any readable file will do; its contents are not needed.
    wxLogNull quiet;
    wxFile file;
    return wxFileName::FileExists(path) && file.Open(path, wxFile::read);
}

void CVorlenDoc::OnSaveCommand(wxCommandEvent&)
{
    Save();
}

void CVorlenDoc::OnSaveAsCommand(wxCommandEvent&)
{
    SaveAs();
}

void CVorlenDoc::FileNamed(const wxString& path)
{
    if (m_onFileNamed)
        m_onFileNamed(path);
}
