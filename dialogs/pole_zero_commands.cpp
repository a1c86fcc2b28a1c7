#include "dialogs/pole_zero_commands.h"

#include <wx/defs.h>

namespace designer_cmd {

namespace {

constexpr MenuEntry kMenu[] = {
    {kUndo, "Ponisti", "Ctrl+Z"},
    {kRedo, "Ponovi", "Ctrl+Y"},
    {0, nullptr, nullptr},
    {kRemoveMarker, "Ukloni marker", "Del"},
    {kConjugatePairs, "Konjugovani parovi", nullptr, true},
    {0, nullptr, nullptr},
    {kOpenDesign, "Otvori dizajn...", "Ctrl+O"},
    {kSaveDesign, "Sacuvaj dizajn...", "Ctrl+S"},
    {0, nullptr, nullptr},
    {kCopyCoefficients, "Kopiraj koeficijente", "Ctrl+C"},
    {0, nullptr, nullptr},
    {kDesignAnalysis, "Analiza dizajna...", "Ctrl+A"},
};

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

std::span<const MenuEntry> ContextMenu()
{
    return kMenu;
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
