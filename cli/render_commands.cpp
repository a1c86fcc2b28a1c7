#include "cli/render_commands.h"

#include <array>
#include <cstddef>
#include <utility>

#include "core/workspace.h"
#include "views/analysis_views.h"

namespace {

// Nothing but the background colour: the plot area before any command.
void RunBlank(Surface&, DumpJson&) {}

// The analysis view at `index` of AnalysisViews(), drawn as the main window
// draws it, with its plots (and its filter, when it designed one) recorded.
template <std::size_t index>
void RunView(Surface& surface, DumpJson& dump)
{
    ViewRecord record;
    AnalysisViews()[index].draw(surface, ViewOptions{&record});
    AppendPlots(dump, record.plots);
    if (record.designedFilter) {
        AppendFilterTaps(dump, g_filterTaps);
    }
}

template <std::size_t... index>
std::array<RenderCommand, 1 + sizeof...(index)> MakeCommands(std::index_sequence<index...>)
{
    return {RenderCommand{"blank", "the background colour, nothing drawn", RunBlank},
            RenderCommand{AnalysisViews()[index].name, AnalysisViews()[index].summary,
                          RunView<index>}...};
}

const auto& Commands()
{
    static const auto commands = MakeCommands(std::make_index_sequence<kAnalysisViewCount>());
    return commands;
}

}  // namespace

std::span<const RenderCommand> RenderCommands()
{
    return Commands();
}

const RenderCommand* FindRenderCommand(std::string_view name)
{
    for (const RenderCommand& command : Commands()) {
        if (command.name == name) {
            return &command;
        }
    }
    return nullptr;
}
