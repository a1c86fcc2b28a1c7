#include "cli/render_all.h"

#include <filesystem>
#include <memory>
#include <string>
#include <system_error>
#include <vector>

#include "cli/drawn_picture.h"
#include "cli/output_file.h"
#include "cli/render_options.h"
#include "cli/render_dump.h"
#include "core/workspace.h"
#include "views/analysis_views.h"

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
    std::vector<std::unique_ptr<PendingFile>> files;
    for (const AnalysisView& view : AnalysisViews()) {
        const RenderCommand* command = FindRenderCommand(view.name);
        const std::string name(view.name);
        const fs::path picturePath =
            directory / (name + "." + std::string(FormatName(options.picture.format)));
        const fs::path dumpPath = directory / (name + ".json");
        auto picture = std::make_unique<PendingFile>(picturePath);
        auto numbers = std::make_unique<PendingFile>(dumpPath);

        // As a fresh run of the single command would start.
        ResetWorkspace();
        ApplyToWorkspace(options);
        DrawnPicture drawn(options.picture, options.width, options.height);
        DumpJson dump = NewDump();
        command->draw(drawn.Canvas(), dump);
        FillDumpParams(dump);

        try {
            drawn.Write(picture->Stream());
        } catch (const OutputError& error) {
            throw picture->Failure(error.what());
        }
        numbers->Write(DumpText(dump));
        files.push_back(std::move(picture));
        files.push_back(std::move(numbers));
    }
    // Every file complete and on disk before any replaces its target.
    for (const auto& file : files) {
        file->Finish();
    }
    for (const auto& file : files) {
        file->Commit();
    }
}
