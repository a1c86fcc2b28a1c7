#include "app/settings_store.h"

#include <cstdlib>
#include <memory>

#include <wx/fileconf.h>
#include <wx/filename.h>
#include <wx/log.h>

#include "app/recent_files.h"

namespace settings {

namespace {

constexpr const char* kKey = "Local AppWizard-Generated Applications";
constexpr const char* kApplication = "Vorlen";
constexpr const char* kSection = "/Recent File List";

wxString ValueName(std::size_t index)
{
    return wxString::Format("File%d", static_cast<int>(index + 1));
}

std::unique_ptr<wxFileConfig> Open()
{
    auto config = std::make_unique<wxFileConfig>(kApplication, kKey, FilePath(), wxString(),
                                                 wxCONFIG_USE_LOCAL_FILE);
    // File names are kept as they are: "$HOME" in a name is not a variable.
    config->SetExpandEnvVars(false);
    return config;
}

}  // namespace

wxString FilePath()
{
    wxString base;
    const char* xdg = std::getenv("XDG_CONFIG_HOME");
    if (xdg && *xdg == '/') {
        base = wxString::FromUTF8(xdg);
    } else {
        const char* home = std::getenv("HOME");
        base = wxString::FromUTF8(home ? home : "") + "/.config";
    }
    return base + "/" + kKey + "/" + kApplication + ".conf";
}

std::vector<std::string> LoadRecentFiles()
{
    wxLogNull quiet;  // a damaged file must not stop the program
    std::vector<std::string> files;
    auto config = Open();
    config->SetPath(kSection);
    for (std::size_t i = 0; i < RecentFileList::kCapacity; ++i) {
        wxString value;
        if (config->Read(ValueName(i), &value) && !value.empty())
            files.push_back(value.ToStdString(wxConvUTF8));
    }
    return files;
}

bool SaveRecentFiles(const std::vector<std::string>& files)
{
    wxLogNull quiet;
    const wxFileName path(FilePath());
    if (!path.DirExists() && !wxFileName::Mkdir(path.GetPath(), wxS_DIR_DEFAULT, wxPATH_MKDIR_FULL))
        return false;
    auto config = Open();
    config->SetPath(kSection);
    for (std::size_t i = 0; i < RecentFileList::kCapacity; ++i)
        config->Write(ValueName(i), i < files.size() ? wxString::FromUTF8(files[i]) : wxString());
    return config->Flush();
}

}  // namespace settings
