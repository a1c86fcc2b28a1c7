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
#include "polezero/design_file.h"

namespace {

constexpr const char* kProgram = "vorlen-render: ";

// All files (the picture, the dump, the design file, the design's
// analysis) are written, flushed and checked in full before any is renamed
// into place, so a failure to write any leaves the previous files (if any)
// as they were. `dumpText` and `designText` are written only when the
// command line asked for them.
void WriteOutputs(const RenderOptions& options, const Raster& raster, const std::string& dumpText,
                  const std::string& designText = {})
{
    PendingFile picture(options.output);
    std::unique_ptr<PendingFile> numbers;
    if (!options.dump.empty()) {
        numbers = std::make_unique<PendingFile>(options.dump);
    }
    std::unique_ptr<PendingFile> design;
    if (!options.saveDesign.empty()) {
        design = std::make_unique<PendingFile>(options.saveDesign);
    }
    try {
        WritePng(picture.Stream(), raster);
    } catch (const OutputError& error) {
        throw picture.Failure(error.what());
    }
    if (numbers) {
        numbers->Write(dumpText);
    }
    if (design) {
        design->Write(designText);
    }
    const auto analysis = WriteWorkspaceAnalysis(options.analysis);
    picture.Finish();
    if (numbers) {
        numbers->Finish();
    }
    if (design) {
        design->Finish();
    }
    for (const auto& file : analysis) {
        file->Finish();
    }
    picture.Commit();
    if (numbers) {
        numbers->Commit();
    }
    if (design) {
        design->Commit();
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
            polezero::DesignFileRead design;
            if (!options.designFile.empty()) {
                design = polezero::ReadDesignFile(options.designFile);
                using Status = polezero::DesignFileRead::Status;
                if (design.status != Status::Loaded) {
                    const bool refused = design.status == Status::Refused;
                    err << kProgram << (refused ? "--design " : "cannot read ")
                        << options.designFile << ": " << design.message << "\n";
                    return refused ? kExitUsage : kExitCannotRead;
                }
            }
            const PoleZeroRendering designer = RenderPoleZero(
                options.designFile.empty() ? nullptr : &design.markers, options.designerEvents);
            WriteOutputs(options, designer.picture, designer.dump, designer.designFile);
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
