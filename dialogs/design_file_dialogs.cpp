#include "dialogs/design_file_dialogs.h"

#include <wx/filedlg.h>
#include <wx/filename.h>
#include <wx/msgdlg.h>

#include <filesystem>

#include "language/language.h"
#include "output/output_set.h"
#include "polezero/design_file.h"

namespace {

// The chooser's filter: the design files by the name of their kind, then
// every file.
wxString Filter()
{
    return wxString::FromUTF8(Tr("Dizajn (*.json)")) + "|*.json|All Files (*.*)|*";
}

// The chosen file. wxGTK answers GetPath() from the native chooser, which
// is empty when the choice was made without it (as in tests); the folder
// and the name are always known.
wxString ChosenPath(const wxFileDialog& dialog)
{
    wxString path = dialog.GetPath();
    if (path.empty() && !dialog.GetFilename().empty())
        path = wxFileName(dialog.GetDirectory(), dialog.GetFilename()).GetFullPath();
    return path;
}

void Report(wxWindow* parent, const wxString& caption, const wxString& message)
{
    wxMessageBox(message, caption, wxOK | wxICON_ERROR, parent);
}

}  // namespace

std::optional<std::vector<polezero::Marker>> ChooseAndReadDesign(wxWindow* parent)
{
    const wxString caption = wxString::FromUTF8(Tr("Otvori dizajn"));
    wxFileDialog dialog(parent, caption, wxString(), wxString(), Filter(),
                        wxFD_OPEN | wxFD_FILE_MUST_EXIST);
    if (dialog.ShowModal() != wxID_OK)
        return std::nullopt;
    const wxString path = ChosenPath(dialog);
    polezero::DesignFileRead read = polezero::ReadDesignFile(path.utf8_string());
    const wxString name = wxFileName(path).GetFullName();
    const wxString reason = wxString::FromUTF8(read.message);
    switch (read.status) {
    case polezero::DesignFileRead::Status::Loaded: return std::move(read.markers);
    case polezero::DesignFileRead::Status::Refused:
        Report(
            parent, caption,
            wxString::Format(wxString::FromUTF8(Tr("Datoteka %s nije dizajn: %s")), name, reason));
        break;
    case polezero::DesignFileRead::Status::CannotRead:
        Report(parent, caption,
               wxString::Format(wxString::FromUTF8(Tr("Datoteka %s ne moze da se procita: %s")),
                                name, reason));
        break;
    }
    return std::nullopt;
}

void ChooseAndSaveDesign(wxWindow* parent, std::span<const polezero::Marker> markers)
{
    const wxString caption = wxString::FromUTF8(Tr("Sacuvaj dizajn"));
    wxFileDialog dialog(parent, caption, wxString(), wxString::FromUTF8(Tr("dizajn.json")),
                        Filter(), wxFD_SAVE | wxFD_OVERWRITE_PROMPT);
    if (dialog.ShowModal() != wxID_OK)
        return;
    wxFileName file(ChosenPath(dialog));
    if (!file.HasExt())
        file.SetExt("json");
    if (const auto failure = WriteDesignFile(file.GetFullPath(), polezero::DesignFileText(markers)))
        Report(parent, caption,
               wxString::Format(wxString::FromUTF8(Tr("Dizajn nije sacuvan u %s: %s")),
                                file.GetFullName(), wxString::FromUTF8(*failure)));
}

std::optional<std::string> WriteDesignFile(const wxString& path, const std::string& text)
{
    // The same whole-or-nothing replacement as every other file the program
    // writes: a failure leaves an earlier design of that name as it was.
    try {
        WriteWholeFile(std::filesystem::path(path.utf8_string()), text);
    } catch (const OutputError& error) {
        return std::string(error.what());
    }
    return std::nullopt;
}
