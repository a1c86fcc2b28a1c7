// The commands vorlen-render knows, one entry each: blank and the analysis
// pictures, polezero, and all. Adding a command is adding one entry to the
// table in render_commands.cpp.
#pragma once

#include <span>
#include <string_view>

#include "cli/render_dump.h"
#include "picture/surface.h"

struct RenderOptions;

// Where a command writes.
enum class CommandOutput {
    File,    // the picture to -o, its numbers to --dump
    Folder,  // every picture with its numbers into --out-dir
};

struct RenderCommand {
    std::string_view name;
    std::string_view summary;  // one line for --help
    CommandOutput output;
    // It draws at a size of its own: --size is bad usage.
    bool ownSize;
    // One analysis picture: draws from the current workspace onto a surface
    // whose page is freshly filled with the background colour, as the main
    // window's handler of the same menu command does, and appends what it
    // computed to the dump (its plots to dump["plots"], filter taps as
    // dump["filterTaps"]). Null for commands that are not one analysis
    // picture.
    void (*draw)(Surface& surface, DumpJson& dump);
    // Runs the command once its options are read: applies them to the
    // workspace, draws and writes its files. Throws OutputError, and
    // whatever drawing throws.
    void (*execute)(const RenderOptions& options);
};

// In the order of --help.
std::span<const RenderCommand> RenderCommands();
const RenderCommand* FindRenderCommand(std::string_view name);

// The names the designer's options check for.
inline constexpr std::string_view kPoleZeroCommand = "polezero";
inline constexpr std::string_view kAllCommandName = "all";
