#include "cli/render_commands.h"

#include <array>
#include <cstddef>
#include <utility>

#include "cli/render.h"
#include "cli/render_all.h"
#include "views/analysis_views.h"
#include "workspace/workspace.h"

namespace {

// Nothing but the background colour: the plot area before any command.
void DrawBlank(Surface&, DumpJson&) {}

// The analysis view at `index` of AnalysisViews(), drawn as the main window
// draws it, with its plots (and its filter, when it designed one) recorded.
template <std::size_t index>
void DrawView(Surface& surface, DumpJson& dump)
{
    ViewRecord record;
    AnalysisViews()[index].draw(surface, ViewOptions{&record});
    AppendPlots(dump, record.plots);
    if (record.designedFilter) {
        AppendFilterTaps(dump, g_filterTaps);
    }
}

constexpr RenderCommand Picture(std::string_view name, std::string_view summary,
                                void (*draw)(Surface&, DumpJson&))
{
    return RenderCommand{.name = name,
                         .summary = summary,
                         .output = CommandOutput::File,
                         .ownSize = false,
                         .draw = draw,
                         .execute = RenderPicture};
}

template <std::size_t... index>
std::array<RenderCommand, 3 + sizeof...(index)> MakeCommands(std::index_sequence<index...>)
{
    return {
        Picture("blank", "the background colour, nothing drawn", DrawBlank),
        Picture(AnalysisViews()[index].name, AnalysisViews()[index].summary, DrawView<index>)...,
        RenderCommand{.name = kPoleZeroCommand,
                      .summary = "the pole-zero designer's client area after its events",
                      .output = CommandOutput::File,
                      .ownSize = true,
                      .draw = nullptr,
                      .execute = RenderDesigner},
        RenderCommand{.name = kAllCommandName,
                      .summary = "every analysis picture with its dump, into --out-dir",
                      .output = CommandOutput::Folder,
                      .ownSize = false,
                      .draw = nullptr,
                      .execute = RenderAll},
    };
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
