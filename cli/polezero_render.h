// vorlen-render polezero: the designer dialog's client area after a series
// of events, and the numbers behind it.
#pragma once

#include <cstdio>
#include <optional>
#include <span>
#include <string>
#include <vector>

#include "cli/picture_options.h"
#include "picture/cairo/desktop_tools.h"
#include "picture/raster.h"
#include "picture/vector_picture.h"
#include "polezero/session.h"

struct PoleZeroRendering {
    // The client area at the template's size times the scale, controls not
    // drawn, as the dialog shows it at that desktop scale.
    Raster picture;
    // The same as shapes, when SVG or PDF was asked for.
    std::optional<VectorPicture> shapes;
    std::string dump;        // the --dump text, ending in a newline
    std::string designFile;  // the --save-design text of the design at the end
    // The design at the end, for its analysis.
    std::vector<polezero::PixelPoint> zeros;
    std::vector<polezero::PixelPoint> poles;
};

// Opens a fresh dialog, loads `design` (a design file's markers) unless it
// is null, runs the events in order and reads off the result: the client
// area at request.scale for PNG, also as shapes for SVG and PDF. The dump
// (the same for every request) is
//   {"polezero": {"response": [600 numbers, null where not a double],
//    "normalised": [600 numbers, what the picture is drawn from],
//    "peakIndex": int, "zeros": [[x, y], ...], "poles": [[x, y], ...],
//    "placeZeros": bool, "cartesian": [lines], "polar": [lines]}}
PoleZeroRendering RenderPoleZero(const DesktopPictureTools& tools,
                                 const std::vector<polezero::Marker>* design,
                                 std::span<const polezero::DesignerEvent> events,
                                 const PictureRequest& request = {});

// Writes the picture `request` asks for: the PNG of the client area, or the
// shapes as SVG or PDF. Throws as DrawnPicture::Write does.
void WritePoleZeroPicture(std::FILE* stream, const PoleZeroRendering& rendering,
                          const PictureRequest& request, const DesktopPictureTools& tools);
