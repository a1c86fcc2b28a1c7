// The commands vorlen-render knows. Adding a command is adding one entry to
// the table in render_commands.cpp.
#pragma once

#include <span>
#include <string_view>

#include "core/surface.h"
#include "cli/render_dump.h"

struct RenderCommand {
    std::string_view name;
    std::string_view summary;  // one line for --help
    // Draws from the current workspace onto a surface whose raster is freshly
    // filled with the background colour, as the main window's handler of the
    // same menu command does, and appends what it computed to the dump
    // (its plots to dump["plots"], filter taps as dump["filterTaps"]).
    void (*run)(Surface& surface, DumpJson& dump);
};

std::span<const RenderCommand> RenderCommands();

// Commands that are not RenderCommands, having outputs of their own: the
// pole-zero designer (a size, events and a dump of its own) and all (every
// analysis into one folder).
inline constexpr std::string_view kPoleZeroCommand = "polezero";
inline constexpr std::string_view kAllCommandName = "all";
const RenderCommand* FindRenderCommand(std::string_view name);
