#include "cli/render.h"

#include <cstdio>
#include <exception>
#include <functional>
#include <memory>
#include <string>

#include "core/raster.h"
#include "core/surface.h"
#include "core/workspace.h"
#include "cli/drawn_picture.h"
#include "cli/output_file.h"
#include "cli/analysis_output.h"
#include "cli/png_writer.h"
#include "cli/polezero_render.h"
#include "cli/render_dump.h"

namespace {

constexpr const char* kProgram = "vorlen-render: ";

// All files (the picture, the dump, the design's analysis) are written,
// flushed and checked in full before any is renamed into place, so a failure
// to write any leaves the previous files (if any) as they were. `dumpText`
// is written only when the command line asked for a dump.
void WriteOutputs(const RenderOptions& options, const std::function<void(std::FILE*)>& writePicture,
                  const std::string& dumpText)
{
    PendingFile picture(options.output);
    std::unique_ptr<PendingFile> numbers;
    if (!options.dump.empty()) {
        numbers = std::make_unique<PendingFile>(options.dump);
    }
    try {
        writePicture(picture.Stream());
    } catch (const OutputError& error) {
        throw picture.Failure(error.what());
    }
    if (numbers) {
        numbers->Write(dumpText);
    }
    const auto analysis = WriteWorkspaceAnalysis(options.analysis);
    picture.Finish();
    if (numbers) {
        numbers->Finish();
    }
    for (const auto& file : analysis) {
        file->Finish();
    }
    picture.Commit();
    if (numbers) {
        numbers->Commit();
    }
    for (const auto& file : analysis) {
        file->Commit();
    }
}

}  // namespace

int RunRenderer(int argc, const char* const argv[], std::ostream& out, std::ostream& err)
{
    const CommandLine commandLine = ParseCommandLine(argc, argv);
    switch (commandLine.action) {
    case CommandLine::Action::ShowHelp:
    case CommandLine::Action::ShowVersion:
        out << commandLine.text;
        return kExitOk;
    case CommandLine::Action::UsageError:
        err << kProgram << commandLine.text << "; see vorlen-render --help\n";
        return kExitUsage;
    case CommandLine::Action::Render:
        break;
    }

    const RenderOptions& options = commandLine.options;
    try {
        options.command->execute(options);
    } catch (const std::exception& error) {
        // A file that cannot be written, a font that cannot be loaded, memory.
        err << kProgram << error.what() << "\n";
        return kExitCannotWrite;
    }
    return kExitOk;
}

void RenderPicture(const RenderOptions& options)
{
    ApplyToWorkspace(options);
    DrawnPicture picture(options.picture, options.width, options.height);
    DumpJson dump = NewDump();
    options.command->draw(picture.Canvas(), dump);
    FillDumpParams(dump);
    WriteOutputs(options, [&](std::FILE* stream) { picture.Write(stream); },
                 options.dump.empty() ? std::string() : DumpText(dump));
}

void RenderDesigner(const RenderOptions& options)
{
    ApplyToWorkspace(options);
    const PoleZeroRendering designer = RenderPoleZero(options.designerEvents);
    WriteOutputs(options, [&](std::FILE* stream) { WritePng(stream, designer.picture); },
                 designer.dump);
}
