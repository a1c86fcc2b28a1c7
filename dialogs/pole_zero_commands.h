// The pole-zero designer's own commands, beyond its controls: their ids
// for the commands of polezero::DesignerMenu(), and the keys that run them.
#pragma once

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

// The id of a command of polezero::DesignerMenu(); 0 for a separator.
int IdOf(polezero::DesignerCommand command);

// The command a key runs, 0 for none: `key` as wxKeyEvent::GetKeyCode()
// gives it, `modifiers` as GetModifiers().
int CommandForKey(int key, int modifiers);

}  // namespace designer_cmd
