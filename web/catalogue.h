// What the browser page builds itself from, as one JSON document written by
// the core: the views it can draw, the test signals, the fields, and every
// dialog's template, so that the page lays out the dialogs the desktop
// builds from the same tables.
#pragma once

#include <string>
#include <string_view>

// The view of the plot area before any command: white, nothing drawn.
inline constexpr std::string_view kBlankView = "blank";

// {
//   "views":   [{"name", "summary"}...]   blank first, then the analyses in menu order
//   "signals": ["cosine", ...]            in the signal dialog's order of formulas
//   "params":  ["a", "df", "fg", "M", "L"]
//   "forms":   {"signal": FORM, "lowpass": PARAMS, "decimator": PARAMS,
//               "interpolator": PARAMS, "converter": PARAMS,
//               "decimatorDiagram": FORM, "interpolatorDiagram": FORM,
//               "converterDiagram": FORM, "about": FORM, "designer": FORM}
// }
// FORM:   {"caption", "width", "height", "items": [{"kind", "id", "text"
//          (absent for none), "box": [x, y, w, h], "image" (file name, when
//          it shows one)}...]}
// The signal FORM adds "formulas": {radio id: signal name} and "paramEdit",
// the id of its a= field.
// The designer FORM adds each item's "pixels" [left, top, width, height] in
// client pixels (its units are fixed pixels), "pixelWidth" and
// "pixelHeight", "frames" (the black frames among its controls, in pixels),
// "menu" (the context menu: {"command", "label", "shortcut", "check"} or
// {"separator": true}) and the ids of its controls ("placeZeros",
// "placePoles", "reset", "cartesian", "polar").
// PARAMS: FORM and "fields": [{"editId", "param"}...] in the order they are
//          filled, "autoWgFactorEdit" (0 without "Auto wg") and "autoWgButton"
// Kinds are named as DlgControl's enumerators, first letter small. Texts
// and captions are in the current language (language/language.h).
std::string CatalogueJson();
