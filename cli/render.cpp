#include "cli/render.h"

#include <cstdio>
#include <exception>
#include <memory>
#include <string>

#include "core/raster.h"
#include "core/surface.h"
#include "core/workspace.h"
#include "cli/output_file.h"
#include "cli/analysis_output.h"
#include "cli/png_writer.h"
#include "cli/polezero_render.h"
#include "cli/render_all.h"
#include "cli/render_dump.h"

namespace {

constexpr const char* kProgram = "vorlen-render: ";

// All files (the picture, the dump, the design's analysis) are written,
// flushed and checked in full before any is renamed into place, so a failure
// to write any leaves the previous files (if any) as they were. `dumpText`
// is written only when the command line asked for a dump.
void WriteOutputs(const RenderOptions& options, const Raster& raster, const std::string& dumpText)
{
    PendingFile picture(options.output);
    std::unique_ptr<PendingFile> numbers;
    if (!options.dump.empty()) {
        numbers = std::make_unique<PendingFile>(options.dump);
    }
    try {
        WritePng(picture.Stream(), raster);
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
        if (options.all) {
            RenderAll(options);
            return kExitOk;
        }
        ApplyToWorkspace(options);
        if (options.poleZero) {
            const PoleZeroRendering designer = RenderPoleZero(options.designerEvents);
            WriteOutputs(options, designer.picture, designer.dump);
            return kExitOk;
        }
        Raster raster(options.width, options.height, kBackground);
        Surface surface(raster);
        DumpJson dump = NewDump();
        options.command->run(surface, dump);
        FillDumpParams(dump);
        WriteOutputs(options, raster, options.dump.empty() ? std::string() : DumpText(dump));
    } catch (const std::exception& error) {
        // A file that cannot be written, a font that cannot be loaded, memory.
        err << kProgram << error.what() << "\n";
        return kExitCannotWrite;
    }
    return kExitOk;
}
