// vorlen-render all: every analysis picture and its dump in one run.
#pragma once

#include "cli/render_options.h"

// For each of AnalysisViews(), in menu order, writes <name>.png (.svg, .pdf
// as options.picture asks) and <name>.json into options.outDir (made, with
// its parents, if missing), byte for byte what `vorlen-render <name> -o
// <name>.png --dump <name>.json` with the same options writes: before each picture the workspace is
// returned to its start and the options are applied again, since a command
// changes it (a filter design sets the filter length that every dump
// reports, and buffers are reused). Nothing is renamed into place until all
// files are written, so each pair, and the whole set, appears whole or not
// at all. Throws OutputError.
void RenderAll(const RenderOptions& options);
