#include "polezero/designer_menu.h"

namespace polezero {

namespace {

using enum DesignerCommand;

constexpr DesignerMenuEntry kMenu[] = {
    {Undo, "Ponisti", "Ctrl+Z"},
    {Redo, "Ponovi", "Ctrl+Y"},
    {None, nullptr, nullptr},
    {RemoveMarker, "Ukloni marker", "Del"},
    {ConjugatePairs, "Konjugovani parovi", nullptr, true},
    {None, nullptr, nullptr},
    {OpenDesign, "Otvori dizajn...", "Ctrl+O"},
    {SaveDesign, "Sacuvaj dizajn...", "Ctrl+S"},
    {None, nullptr, nullptr},
    {CopyCoefficients, "Kopiraj koeficijente", "Ctrl+C"},
    {None, nullptr, nullptr},
    {DesignAnalysis, "Analiza dizajna...", "Ctrl+A"},
};

}  // namespace

std::span<const DesignerMenuEntry> DesignerMenu()
{
    return kMenu;
}

}  // namespace polezero
