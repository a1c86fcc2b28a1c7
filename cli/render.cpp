#include "cli/render.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <exception>
#include <ostream>
#include <string>

#include "core/output_set.h"
#include "core/printable_text.h"
#include "core/raster.h"
#include "core/surface.h"
#include "core/workspace.h"
#include "cli/analysis_output.h"
#include "cli/png_writer.h"
#include "cli/polezero_render.h"
#include "cli/render_all.h"
#include "cli/render_dump.h"
#include "polezero/design_file.h"

namespace {

constexpr const char* kProgram = "vorlen-render: ";

// The picture, the dump and the design file (each only when the command
// line asked for it, with `dumpText` and `designText`) and the design's
// analysis, as one set: all written in full before any replaces its file.
void WriteOutputs(const RenderOptions& options, const Raster& raster, const std::string& dumpText,
                  const std::string& designText = {})
{
    OutputSet outputs;
    PendingFile& picture = outputs.Add(options.output);
    PendingFile* numbers = options.dump.empty() ? nullptr : &outputs.Add(options.dump);
    PendingFile* design = options.saveDesign.empty() ? nullptr : &outputs.Add(options.saveDesign);
    picture.WriteWith([&raster](std::FILE* stream) { WritePng(stream, raster); });
    if (numbers != nullptr) {
        numbers->Write(dumpText);
    }
    if (design != nullptr) {
        design->Write(designText);
    }
    WriteWorkspaceAnalysis(outputs, options.analysis);
    outputs.CommitAll();
}

// Every message quotes what the user typed as it was typed, except for the
// control characters, which could rewrite the terminal's line.
void Report(std::ostream& err, const std::string& message)
{
    err << kProgram << EscapeControlCharacters(message) << "\n";
}

}  // namespace

int RunRenderer(int argc, const char* const argv[], std::ostream& out, std::ostream& err)
{
    const CommandLine commandLine = ParseCommandLine(argc, argv);
    switch (commandLine.action) {
    case CommandLine::Action::ShowHelp:
    case CommandLine::Action::ShowVersion:
        // A full disk or a closed output is a failure here as anywhere.
        errno = 0;
        out << commandLine.text << std::flush;
        if (!out) {
            const int error = errno != 0 ? errno : EIO;
            Report(err, std::string("cannot write standard output: ") + std::strerror(error));
            return kExitCannotWrite;
        }
        return kExitOk;
    case CommandLine::Action::UsageError:
        Report(err, commandLine.text + "; see vorlen-render --help");
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
                    Report(err, (refused ? "--design " : "cannot read ") + options.designFile +
                                    ": " + design.message);
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
        Report(err, error.what());
        return kExitCannotWrite;
    }
    return kExitOk;
}
