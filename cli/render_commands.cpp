#include "cli/render_commands.h"

#include <array>

namespace {

// Nothing but the background colour: the plot area before any command.
void RunBlank(Surface&, DumpJson&) {}

constexpr std::array kCommands{
    RenderCommand{"blank", "the background colour, nothing drawn", RunBlank},
};

}  // namespace

std::span<const RenderCommand> RenderCommands()
{
    return kCommands;
}

const RenderCommand* FindRenderCommand(std::string_view name)
{
    for (const RenderCommand& command : kCommands) {
        if (command.name == name) {
            return &command;
        }
    }
    return nullptr;
}
