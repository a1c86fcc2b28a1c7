// vorlen-render as a function, so that tests can run it in-process.
#pragma once

#include <ostream>

#include "cli/render_options.h"

// Exit statuses.
inline constexpr int kExitOk = 0;
inline constexpr int kExitCannotWrite = 1;
inline constexpr int kExitCannotRead = 1;  // a design file that cannot be read
inline constexpr int kExitUsage = 2;

// Runs the whole program: reads the command line, applies the field options
// to the workspace, draws, writes the PNG (and the dump). Help and version go
// to `out`; every failure is one line on `err`. Returns the exit status.
int RunRenderer(int argc, const char* const argv[], std::ostream& out, std::ostream& err);

// How the commands of the table in render_commands.cpp run. Each throws
// OutputError (and whatever drawing throws).
// One picture by the command's draw function (blank, the analyses), in the
// format asked for, with its dump.
void RenderPicture(const RenderOptions& options);
// The pole-zero designer's client area after its events, with its dump and
// the design's analysis files.
void RenderDesigner(const RenderOptions& options);
