// The per-user settings file: it keeps only the recent-file list, under
// "$XDG_CONFIG_HOME/Local AppWizard-Generated Applications/Vorlen.conf",
// section [Recent File List], values File1 to File4.
#pragma once

#include <string>
#include <vector>

#include <wx/string.h>

namespace settings {

wxString FilePath();

// A missing, unreadable or damaged file gives an empty list, never an error.
std::vector<std::string> LoadRecentFiles();

// Creates missing folders; returns false if the file could not be written.
bool SaveRecentFiles(const std::vector<std::string>& files);

}  // namespace settings
