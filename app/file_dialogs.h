// The Open and Save As dialogs: every file is offered ("All Files (*.*)").
#pragma once

#include <wx/filedlg.h>
#include <wx/filename.h>

inline constexpr const char* kAllFilesFilter = "All Files (*.*)|*";

// The chosen file as an absolute path. wxGTK answers GetPath() from the
// native chooser, which is empty when the choice was made without it (as in
// tests); the directory and file name are always known.
inline wxString ChosenPath(const wxFileDialog& dialog)
{
    wxString path = dialog.GetPath();
    if (path.empty() && !dialog.GetFilename().empty())
        path = wxFileName(dialog.GetDirectory(), dialog.GetFilename()).GetFullPath();
    return wxFileName(path).GetAbsolutePath();
}
