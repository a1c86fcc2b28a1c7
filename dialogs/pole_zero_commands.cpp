#include "dialogs/pole_zero_commands.h"

#include <wx/defs.h>

#include "polezero/designer_menu.h"

namespace designer_cmd {

namespace {

struct KeyBinding {
    int key;
    int modifiers;
    int command;
};

// Letters come as their capitals; Ctrl+Shift+Z is redo too, as many
// programs have it.
constexpr KeyBinding kKeys[] = {
    {'Z', wxMOD_CONTROL, kUndo},
    {'Y', wxMOD_CONTROL, kRedo},
    {'Z', wxMOD_CONTROL | wxMOD_SHIFT, kRedo},
    {WXK_DELETE, wxMOD_NONE, kRemoveMarker},
    {WXK_NUMPAD_DELETE, wxMOD_NONE, kRemoveMarker},
    {'O', wxMOD_CONTROL, kOpenDesign},
    {'S', wxMOD_CONTROL, kSaveDesign},
    {'C', wxMOD_CONTROL, kCopyCoefficients},
    {'A', wxMOD_CONTROL, kDesignAnalysis},
};

}  // namespace

int IdOf(polezero::DesignerCommand command)
{
    using enum polezero::DesignerCommand;
    switch (command) {
    case None: return 0;
    case Undo: return kUndo;
    case Redo: return kRedo;
    case RemoveMarker: return kRemoveMarker;
    case ConjugatePairs: return kConjugatePairs;
    case OpenDesign: return kOpenDesign;
    case SaveDesign: return kSaveDesign;
    case CopyCoefficients: return kCopyCoefficients;
    case DesignAnalysis: return kDesignAnalysis;
    }
    return 0;
}

int CommandForKey(int key, int modifiers)
{
    for (const KeyBinding& binding : kKeys) {
        if (binding.key == key && binding.modifiers == modifiers) {
            return binding.command;
        }
    }
    return 0;
}

}  // namespace designer_cmd
