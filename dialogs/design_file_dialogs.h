// Opening and saving the designer's design files from the dialog: the file
// choosers, the messages when a file cannot be used, and the one place
// where the GUI writes a design file.
#pragma once

#include <optional>
#include <span>
#include <string>
#include <vector>

#include <wx/string.h>

#include "polezero/design.h"

class wxWindow;

// Asks for a design file (*.json) and reads it. Nothing when the person
// cancels or the file is refused or unreadable; then a message box over
// `parent` has said why, and the design is to stay as it is.
std::optional<std::vector<polezero::Marker>> ChooseAndReadDesign(wxWindow* parent);

// Asks where to save the design (".json" added to a name without an
// extension) and writes it; a failure is reported in a message box.
void ChooseAndSaveDesign(wxWindow* parent, std::span<const polezero::Marker> markers);

// Writes the design file text under a temporary name beside `path` and
// renames it into place, so that a failure leaves the old file whole.
// Returns the reason for a failure, or nothing.
std::optional<std::string> WriteDesignFile(const wxString& path, const std::string& text);
