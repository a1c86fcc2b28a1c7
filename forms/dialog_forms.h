// The templates of the program's dialogs and the ids of their controls.
#pragma once

#include <span>

#include "forms/form.h"
#include "workspace/params.h"

// "Odabir generatora ulaznog signala". The radio buttons are listed by
// formula; on screen the two pulses come first, from top to bottom.
struct SignalControls {
    static constexpr int kCosine = 1000;
    static constexpr int kExponential = 1001;
    static constexpr int kThreeCosines = 1002;
    static constexpr int kParamEdit = 1003;
    static constexpr int kRectangularPulse = 1006;
    static constexpr int kTriangularPulse = 1007;
};
extern const Form kSignalForm;

// The four parameter dialogs: each edit is bound to one parameter.
struct ParamsControls {
    static constexpr int kTransitionWidthEdit = 1003;
    static constexpr int kCutoffEdit = 1004;
    static constexpr int kFactorEdit = 1005;
    static constexpr int kSecondFactorEdit = 1006;
    static constexpr int kAutoWgButton = 1008;
};

struct ParamField {
    int editId;
    Param param;
};

struct ParamsForm {
    Form form;
    // In the order they are filled at opening.
    std::span<const ParamField> fields;
    // The edit whose factor "Auto wg" reads (wg = pi / factor); 0 in a
    // dialog without that button.
    int autoWgFactorEdit;
};
extern const ParamsForm kLowPassForm;       // "Parametri NF filtra": df and fg
extern const ParamsForm kDecimatorForm;     // "Parametri decimatora": df, wg and M
extern const ParamsForm kInterpolatorForm;  // "Parametri interpolatora": df, wg and L
extern const ParamsForm kConverterForm;     // "Konvertor frekvencije odabiranja": df, fg, L, M

// The block diagrams, each a picture at its own size.
extern const Form kDecimatorDiagramForm;
extern const Form kInterpolatorDiagramForm;
extern const Form kConverterDiagramForm;

extern const Form kAboutForm;

// "Ad Hoc Projektovanje filtara ": the pole-zero designer. Its units are
// fixed pixels (1.5 x 1.625 per unit), not the font's; the canvas frames
// and the two black frames are part of its client area's picture, not
// controls.
struct DesignerControls {
    static constexpr int kResetButton = 2;
    static constexpr int kPlaceZeros = 1000;
    static constexpr int kPlacePoles = 1001;
    static constexpr int kCartesianList = 1004;
    static constexpr int kPolarList = 1005;
};
extern const Form kDesignerForm;
