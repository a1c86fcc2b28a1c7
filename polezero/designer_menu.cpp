#include "polezero/designer_menu.h"

#include "language/language.h"

namespace polezero {

namespace {

using enum DesignerCommand;

constexpr DesignerMenuEntry kMenu[] = {
    {Undo, N_("Ponisti"), "Ctrl+Z"},
    {Redo, N_("Ponovi"), "Ctrl+Y"},
    {None, nullptr, nullptr},
    {RemoveMarker, N_("Ukloni marker"), "Del"},
    {ConjugatePairs, N_("Konjugovani parovi"), nullptr, true},
    {None, nullptr, nullptr},
    {OpenDesign, N_("Otvori dizajn..."), "Ctrl+O"},
    {SaveDesign, N_("Sacuvaj dizajn..."), "Ctrl+S"},
    {None, nullptr, nullptr},
    {CopyCoefficients, N_("Kopiraj koeficijente"), "Ctrl+C"},
    {None, nullptr, nullptr},
    {DesignAnalysis, N_("Analiza dizajna..."), "Ctrl+A"},
};

}  // namespace

std::span<const DesignerMenuEntry> DesignerMenu()
{
    return kMenu;
}

}  // namespace polezero
