// The designer's own commands beyond its controls, and the context menu
// that offers them, top to bottom: the desktop dialog and the browser page
// show this one table.
#pragma once

#include <span>

namespace polezero {

enum class DesignerCommand {
    None,  // a separator
    Undo,
    Redo,
    RemoveMarker,
    ConjugatePairs,
    OpenDesign,
    SaveDesign,
    CopyCoefficients,
    DesignAnalysis,
};

// One line of the context menu: a command with its label and the shortcut
// shown beside it (nullptr: none), or a separator (DesignerCommand::None).
// The label is the Serbian text; a menu shows Tr(label).
struct DesignerMenuEntry {
    DesignerCommand command;
    const char* label;
    const char* shortcut;
    bool check = false;  // a check item
};

// The design's other views (the analysis window) last.
std::span<const DesignerMenuEntry> DesignerMenu();

}  // namespace polezero
