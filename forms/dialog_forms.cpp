#include "forms/dialog_forms.h"

#include "language/language.h"

namespace {

using enum DlgControl;

constexpr DlgItem kSignalItems[] = {
    {DefaultButton, kAcceptId, N_("Izlaz"), {155, 108, 50, 14}},
    {FirstRadio,
     SignalControls::kCosine,
     N_(" trigonometrijska funkcija:        y(n)=cos(2*pi*a*n/N)"),
     {13, 53, 187, 15}},  // widened
    {Radio,
     SignalControls::kExponential,
     N_(" eksponencijalna funkcija:       y(n)=a^n"),
     {13, 68, 185, 15}},
    {Radio,
     SignalControls::kThreeCosines,
     " y(n)=cos(2*pi*a*n/N)+cos(10*2*pi*a*n/N)+cos(20*2*pi*a*n/N)",
     {13, 83, 224, 15}},  // widened
    // widened: a fill such as -99.99 shows whole
    {Edit, SignalControls::kParamEdit, nullptr, {65, 113, 38, 12}},
    {Static, kNoId, "a=", {53, 114, 10, 11}},  // widened
    {Static,
     kNoId,
     N_("Odaberite zeljenu funkciju ulaznog signala: "),
     {17, 15, 145, 13}},  // widened
    {Radio,
     SignalControls::kRectangularPulse,
     N_("pravougaona f-ja:    y(n)=1                               za  |n-N/2| <N*a/2"),
     {13, 28, 224, 11}},  // widened
    {Radio,
     SignalControls::kTriangularPulse,
     N_("trougaona funkcija: y(n)=2* |n-N/2| /(a*N)-1     za   |n-N/2| <a*N/2"),
     {13, 41, 229, 12}},  // widened
    // widened with the radio buttons
    {GroupRight, kNoId, N_("F-ja ulaznog signala"), {7, 7, 242, 94}},
    {GroupCentred, kNoId, N_("Parametar"), {45, 102, 63, 29}},
};

constexpr DlgItem kLowPassItems[] = {
    {DefaultButton, kAcceptId, N_("Izlaz"), {280, 7, 50, 14}},
    {Static,
     kNoId,
     N_("Filtriranje se vrsi prozoriranjem i to Hamming-ovim prozorom."),
     {13, 14, 209, 11}},
    {Edit, ParamsControls::kTransitionWidthEdit, nullptr, {166, 28, 40, 12}},
    {Edit, ParamsControls::kCutoffEdit, nullptr, {166, 46, 40, 12}},
    // widened
    {Static, kNoId, N_("Normalizovana sirina prelazne oblasti df:"), {23, 29, 135, 11}},
    {Static, kNoId, N_("Granicna frekvencija propusnog opsega fg:"), {22, 47, 140, 12}},
    {Static, kNoId, N_("0,035 < df"), {213, 29, 36, 12}},
    {Static, kNoId, "0 < fg < pi", {223, 47, 36, 8}},  // widened
    {Group, kNoId, nullptr, {7, 7, 259, 65}},
};

constexpr ParamField kLowPassFields[] = {
    {ParamsControls::kTransitionWidthEdit, Param::TransitionWidth},
    {ParamsControls::kCutoffEdit, Param::Cutoff},
};

constexpr DlgItem kDecimatorItems[] = {
    {DefaultButton, kAcceptId, N_("Izlaz"), {284, 7, 50, 14}},
    {Edit, ParamsControls::kTransitionWidthEdit, nullptr, {166, 15, 40, 12}},
    {Edit, ParamsControls::kCutoffEdit, nullptr, {166, 33, 40, 12}},
    // widened
    {Static, kNoId, N_("Normalizovana sirina prelazne oblasti df:"), {28, 17, 135, 11}},
    // widened
    {Static, kNoId, N_("Granicna ucestanost propusnog opsega wg:"), {22, 33, 142, 12}},
    {Static, kNoId, N_("0,035 < df"), {213, 15, 36, 12}},
    {Static, kNoId, "0 < wg < pi", {214, 33, 39, 8}},  // widened
    {Group, kNoId, N_("Parametri NF filtra"), {7, 7, 253, 44}},
    {Static, kNoId, N_("Faktor Decimacije M:"), {95, 70, 69, 10}},  // widened to the left
    {Edit, ParamsControls::kFactorEdit, nullptr, {166, 70, 40, 12}},
    {Group, kNoId, N_("Parametri downsemplera"), {7, 62, 252, 26}},
    {Button, ParamsControls::kAutoWgButton, "Auto wg", {273, 64, 49, 16}},
    {CentredStatic,
     kNoId,
     N_("Pomocu 'Auto wg' se odredjuje optimalno wg da se izbegne aliasing"),
     {264, 30, 68, 35}},  // widened both ways: four lines fit
    {Group, kNoId, nullptr, {262, 23, 72, 65}},
};

constexpr ParamField kDecimatorFields[] = {
    {ParamsControls::kTransitionWidthEdit, Param::TransitionWidth},
    {ParamsControls::kCutoffEdit, Param::Cutoff},
    {ParamsControls::kFactorEdit, Param::DecimationFactor},
};

constexpr DlgItem kInterpolatorItems[] = {
    {DefaultButton, kAcceptId, N_("Izlaz"), {286, 7, 50, 14}},
    {Edit, ParamsControls::kTransitionWidthEdit, nullptr, {166, 15, 40, 12}},
    {Edit, ParamsControls::kCutoffEdit, nullptr, {166, 33, 40, 12}},
    // widened to the left
    {Static, kNoId, N_("Normalizovana sirina prelazne oblasti df:"), {28, 17, 135, 11}},
    // widened
    {Static, kNoId, N_("Granicna ucestanost propusnog opsega wg:"), {22, 33, 142, 12}},
    {Static, kNoId, N_("0,035 < df"), {213, 15, 37, 10}},
    {Static, kNoId, "0 < wg < pi", {214, 34, 39, 8}},  // widened
    {Group, kNoId, N_("Parametri NF filtra"), {7, 7, 253, 44}},
    {Static, kNoId, N_("Faktor Inerpolacije L:"), {93, 70, 69, 10}},
    {Edit, ParamsControls::kFactorEdit, nullptr, {166, 68, 40, 12}},
    {Group, kNoId, N_("Parametri upsemplera"), {7, 61, 252, 26}},
    {Static, kNoId, "L<15", {212, 70, 23, 9}},
    {Button, ParamsControls::kAutoWgButton, "Auto wg", {275, 64, 49, 16}},
    {CentredStatic,
     kNoId,
     N_("Pomocu 'Auto wg' se odredjuje optimalno wg da se izbegne aliasing"),
     {266, 30, 68, 35}},  // widened both ways: four lines fit
    {Group, kNoId, nullptr, {264, 22, 72, 65}},
};

constexpr ParamField kInterpolatorFields[] = {
    {ParamsControls::kTransitionWidthEdit, Param::TransitionWidth},
    {ParamsControls::kCutoffEdit, Param::Cutoff},
    {ParamsControls::kFactorEdit, Param::InterpolationFactor},
};

constexpr DlgItem kConverterItems[] = {
    {DefaultButton, kAcceptId, N_("Izlaz"), {273, 15, 50, 14}},
    {Edit, ParamsControls::kTransitionWidthEdit, nullptr, {175, 23, 40, 12}},
    {Edit, ParamsControls::kCutoffEdit, nullptr, {175, 42, 40, 12}},
    // widened to the left
    {Static, kNoId, N_("Normalizovana sirina prelazne oblasti df:"), {37, 26, 135, 11}},
    {Static, kNoId, N_("Granicna frekvencija propusnog opsega fg:"), {31, 42, 140, 12}},
    {Static, kNoId, N_("0,035 < df"), {223, 23, 37, 12}},
    {Static, kNoId, "0 < fg < pi", {231, 42, 36, 8}},  // widened, within the box
    {Group, kNoId, N_("Parametri NF filtra"), {17, 15, 253, 44}},
    {Static, kNoId, N_("Faktor Inerpolacije L:"), {105, 113, 69, 10}},
    {Edit, ParamsControls::kFactorEdit, nullptr, {179, 112, 40, 12}},
    {Group, kNoId, N_("Parametri konvertora"), {19, 100, 252, 44}},
    {Static, kNoId, N_("Faktor Decimacije M:"), {103, 128, 69, 10}},
    {Edit, ParamsControls::kSecondFactorEdit, nullptr, {179, 127, 40, 12}},
    {CentredStatic,
     kNoId,
     N_("Konvertorom se vrsi povecanje frekvencije odabiranja za racionalni faktor L/M."),
     {23, 74, 245, 18}},
    {Group, kNoId, N_("VAZNA  NAPOMENA :"), {19, 64, 252, 33}},
    {Static, kNoId, "L<15", {228, 113, 23, 9}},
};

constexpr ParamField kConverterFields[] = {
    {ParamsControls::kTransitionWidthEdit, Param::TransitionWidth},
    {ParamsControls::kCutoffEdit, Param::Cutoff},
    {ParamsControls::kFactorEdit, Param::InterpolationFactor},
    {ParamsControls::kSecondFactorEdit, Param::DecimationFactor},
};

constexpr DlgItem kDecimatorDiagramItems[] = {
    {DefaultButton, kAcceptId, N_("Izlaz"), {130, 130, 50, 14}},
    {Picture, kNoId, nullptr, {7, 7, 314, 118}, FormImage::DecimatorDiagram},
};

constexpr DlgItem kInterpolatorDiagramItems[] = {
    {DefaultButton, kAcceptId, N_("Izlaz"), {127, 130, 50, 14}},
    {Picture, kNoId, nullptr, {7, 7, 314, 118}, FormImage::InterpolatorDiagram},
};

constexpr DlgItem kConverterDiagramItems[] = {
    {DefaultButton, kAcceptId, "OK", {133, 129, 50, 14}},
    {Picture, kNoId, nullptr, {7, 7, 314, 118}, FormImage::ConverterDiagram},
};

constexpr DlgItem kAboutItems[] = {
    {Icon, kNoId, nullptr, {11, 17, 20, 20}, FormImage::AppIcon},
    {Static, kNoId, "Vorlen Version 1.0", {40, 10, 119, 8}},
    {Static, kNoId, N_("Autor: tim programa Vorlen"), {40, 25, 90, 8}},  // widened
    {DefaultButton, kAcceptId, N_("Izlaz"), {195, 10, 50, 14}},
    {Group, kNoId, N_("Kontakt"), {45, 41, 210, 69}},
    {Static, kNoId, N_("Vorlen, program za ucenje digitalne obrade signala"), {49, 54, 197, 9}},
    {Static, kNoId, N_("Diskretni signali"), {50, 65, 91, 8}},
    {Static, kNoId, N_("DFT i NF filtriranje"), {50, 75, 105, 11}},
    {Static, kNoId, N_("Decimacija i interpolacija"), {50, 85, 110, 9}},
    {Static, kNoId, N_("Konverzija frekvencije odabiranja"), {50, 95, 196, 13}},
};

constexpr DlgItem kDesignerItems[] = {
    {DefaultButton, kAcceptId, "OK", {443, 7, 50, 14}},
    {Button, DesignerControls::kResetButton, "Reset", {443, 24, 50, 14}},
    {FirstRadio, DesignerControls::kPlaceZeros, N_("Postavljanje NULA"), {207, 22, 89, 12}},
    {Radio, DesignerControls::kPlacePoles, N_("Postavljanje POLOVA"), {207, 38, 89, 12}},
    {ListBox, DesignerControls::kCartesianList, nullptr, {271, 76, 63, 22}},
    {CentredStatic, kNoId, N_("Pozicija u Dekartovim koordinatama"), {183, 79, 82, 19}},
    {ListBox, DesignerControls::kPolarList, nullptr, {271, 108, 63, 22}},
    {CentredStatic, kNoId, N_("Pozicija u polarnim koordinatama"), {179, 104, 82, 19}},
};

}  // namespace

const char* ImageFileName(FormImage image)
{
    switch (image) {
    case FormImage::None: return nullptr;
    case FormImage::DecimatorDiagram: return "decimator.bmp";
    case FormImage::InterpolatorDiagram: return "interpolator.bmp";
    case FormImage::ConverterDiagram: return "converter.bmp";
    case FormImage::AppIcon: return "vorlen-32.png";
    }
    return nullptr;
}

const Form kSignalForm{N_("Odabir generatora ulaznog signala"), 256, 138, kSignalItems};

const ParamsForm kLowPassForm{
    {N_("Parametri NF filtra"), 337, 79, kLowPassItems}, kLowPassFields, 0};
const ParamsForm kDecimatorForm{{N_("Parametri decimatora"), 341, 95, kDecimatorItems},
                                kDecimatorFields,
                                ParamsControls::kFactorEdit};
const ParamsForm kInterpolatorForm{{N_("Parametri interpolatora"), 343, 94, kInterpolatorItems},
                                   kInterpolatorFields,
                                   ParamsControls::kFactorEdit};
const ParamsForm kConverterForm{
    {N_("Konvertor frekvencije odabiranja"), 330, 159, kConverterItems}, kConverterFields, 0};

const Form kDecimatorDiagramForm{N_("Blok shema decimacije sa celobrojnim faktorom"), 327, 151,
                                 kDecimatorDiagramItems};
const Form kInterpolatorDiagramForm{N_("Blok shema Interpolacije sa celobrojnim faktorom"), 328,
                                    151, kInterpolatorDiagramItems};
const Form kConverterDiagramForm{N_("Blok shema konvertora frekvencije odabiranja"), 328, 150,
                                 kConverterDiagramItems};

const Form kAboutForm{"About Vorlen", 262, 117, kAboutItems};

const Form kDesignerForm{N_("Ad Hoc Projektovanje filtara "), 500, 319, kDesignerItems};
