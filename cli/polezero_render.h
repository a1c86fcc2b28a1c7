// vorlen-render polezero: the designer dialog's client area after a series
// of events, and the numbers behind it.
#pragma once

#include <span>
#include <string>

#include "core/raster.h"
#include "polezero/session.h"

struct PoleZeroRendering {
    Raster picture;    // the client area at the template's size, controls not drawn
    std::string dump;  // the --dump text, ending in a newline
};

// Opens a fresh dialog, runs the events in order and reads off the result.
// The dump is
//   {"polezero": {"response": [600 numbers, non-finite as null],
//    "peakIndex": int, "zeros": [[x, y], ...], "poles": [[x, y], ...],
//    "placeZeros": bool, "cartesian": [lines], "polar": [lines]}}
PoleZeroRendering RenderPoleZero(std::span<const polezero::DesignerEvent> events);
