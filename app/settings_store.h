// The per-user settings file: it keeps only the recent-file list, under
// "$XDG_CONFIG_HOME/Local AppWizard-Generated Applications/Vorlen.conf",
// section [Recent File List], values File1 to File4, in the INI form that
// wxFileConfig reads and writes.
//
// The file is read and written here rather than through wxFileConfig: a
// damaged file (made by hand, by another program, or cut short) must never
// stop or slow down the start, and wxFileConfig meets several kinds of
// damage with debug assertions.
#pragma once

#include <string>
#include <vector>

#include <wx/string.h>

namespace settings {

wxString FilePath();

// The stored list. A missing file gives an empty list. So does a file that
// cannot be used: not a regular file (a folder, a FIFO, ...), larger than
// any recent-file list (64 KiB), unreadable, not UTF-8 text, or not in the
// INI form (a line that is neither a [section], a name=value pair nor a
// comment; a section or an entry given twice). Then `problem`, if given,
// says why in a few words for one line on stderr; it stays empty otherwise.
std::vector<std::string> LoadRecentFiles(std::string* problem = nullptr);

// Replaces the file as a whole (a new file renamed over the old one, through
// the program's one way of writing files, output/output_set.h), so that a
// damaged file becomes a sound one and an interrupted write leaves the old
// file. Creates missing folders; a symbolic link in the file's place is
// followed and stays. Returns false, leaving nothing behind, if the file
// cannot be written or if something other than a regular file stands in its
// place.
bool SaveRecentFiles(const std::vector<std::string>& files);

}  // namespace settings
