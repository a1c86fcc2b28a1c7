#include "cli/render_all.h"

#include <filesystem>
#include <string>
#include <system_error>

#include "cli/drawn_picture.h"
#include "cli/render_dump.h"
#include "cli/render_options.h"
#include "cli/render_tools.h"
#include "output/output_error.h"
#include "output/output_set.h"
#include "views/analysis_views.h"
#include "workspace/workspace.h"

namespace fs = std::filesystem;

namespace {

void MakeDirectory(const fs::path& directory)
{
    std::error_code error;
    fs::create_directories(directory, error);
    if (error) {
        throw OutputError("cannot make directory " + directory.string() + ": " + error.message());
    }
    if (!fs::is_directory(directory, error)) {
        throw OutputError("cannot write into " + directory.string() + ": not a directory");
    }
}

}  // namespace

void RenderAll(const RenderOptions& options)
{
    const fs::path directory(options.outDir);
    MakeDirectory(directory);
    OutputSet outputs;
    for (const AnalysisView& view : AnalysisViews()) {
        const RenderCommand* command = FindRenderCommand(view.name);
        const std::string name(view.name);
        const std::string extension(FormatName(options.picture.format));
        PendingFile& picture = outputs.Add(directory / (name + "." + extension));
        PendingFile& numbers = outputs.Add(directory / (name + ".json"));

        // As a fresh run of the single command would start.
        ResetWorkspace();
        ApplyToWorkspace(options);
        DrawnPicture drawn(options.picture, options.width, options.height, RenderTools());
        DumpJson dump = NewDump();
        command->draw(drawn.Canvas(), dump);
        FillDumpParams(dump);

        picture.WriteWith([&drawn](std::FILE* stream) { drawn.Write(stream); });
        numbers.Write(DumpText(dump));
    }
    outputs.CommitAll();
}
