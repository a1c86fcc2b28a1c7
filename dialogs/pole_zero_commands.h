// The pole-zero designer's own commands, beyond its controls: their ids,
// the context menu that offers them and the keys that run them.
#pragma once

#include <span>

#include "polezero/designer_menu.h"

namespace designer_cmd {

inline constexpr int kUndo = 33001;
inline constexpr int kRedo = 33002;
inline constexpr int kRemoveMarker = 33003;
inline constexpr int kConjugatePairs = 33004;
inline constexpr int kOpenDesign = 33005;
inline constexpr int kSaveDesign = 33006;
inline constexpr int kCopyCoefficients = 33007;
inline constexpr int kDesignAnalysis = 33008;

// One line of the context menu: a command with its label and the shortcut
// shown beside it (nullptr: none), or a separator (id 0).
struct MenuEntry {
    int id;
    const char* label;
    const char* shortcut;
    bool check = false;  // a check item
};

// Top to bottom, as polezero::DesignerMenu() lists it.
std::span<const MenuEntry> ContextMenu();

// The id of a command of polezero::DesignerMenu(); 0 for a separator.
int IdOf(polezero::DesignerCommand command);

// The command a key runs, 0 for none: `key` as wxKeyEvent::GetKeyCode()
// gives it, `modifiers` as GetModifiers().
int CommandForKey(int key, int modifiers);

}  // namespace designer_cmd
