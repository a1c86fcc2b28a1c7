// vorlen-render polezero: the designer dialog's client area after a series
// of events, and the numbers behind it.
#pragma once

#include <span>
#include <string>
#include <vector>

#include "core/raster.h"
#include "polezero/session.h"

struct PoleZeroRendering {
    Raster picture;          // the client area at the template's size, controls not drawn
    std::string dump;        // the --dump text, ending in a newline
    std::string designFile;  // the --save-design text of the design at the end
};

// Opens a fresh dialog, loads `design` (a design file's markers) unless it
// is null, runs the events in order and reads off the result. The dump is
//   {"polezero": {"response": [600 numbers, null where not a double],
//    "normalised": [600 numbers, what the picture is drawn from],
//    "peakIndex": int, "zeros": [[x, y], ...], "poles": [[x, y], ...],
//    "placeZeros": bool, "cartesian": [lines], "polar": [lines]}}
PoleZeroRendering RenderPoleZero(const std::vector<polezero::Marker>* design,
                                 std::span<const polezero::DesignerEvent> events);
