#include "cli/render.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <exception>
#include <functional>
#include <ostream>
#include <stdexcept>
#include <string>

#include "cli/analysis_output.h"
#include "cli/drawn_picture.h"
#include "cli/polezero_render.h"
#include "cli/printable_text.h"
#include "cli/render_dump.h"
#include "cli/render_tools.h"
#include "language/built_in.h"
#include "output/output_set.h"
#include "picture/raster.h"
#include "picture/surface.h"
#include "polezero/design_file.h"
#include "workspace/workspace.h"

namespace {

constexpr const char* kProgram = "vorlen-render: ";

// A --design file that is no design (bad usage) or cannot be read: a
// failure with a status of its own.
class DesignFileFailure : public std::runtime_error {
public:
    DesignFileFailure(const std::string& message, int status)
        : std::runtime_error(message), m_status(status)
    {
    }
    int Status() const { return m_status; }

private:
    int m_status;
};

// The picture, the dump (each only when the command line asked for it, with
// `dumpText`) and, for the designer, its design file and analysis, as one
// set: all written in full before any replaces its file.
void WriteOutputs(const RenderOptions& options, const std::function<void(std::FILE*)>& writePicture,
                  const std::string& dumpText, const PoleZeroRendering* designer = nullptr)
{
    OutputSet outputs;
    PendingFile& picture = outputs.Add(options.output);
    PendingFile* numbers = options.dump.empty() ? nullptr : &outputs.Add(options.dump);
    PendingFile* design = options.saveDesign.empty() ? nullptr : &outputs.Add(options.saveDesign);
    picture.WriteWith(writePicture);
    if (numbers != nullptr) {
        numbers->Write(dumpText);
    }
    if (design != nullptr && designer != nullptr) {
        design->Write(designer->designFile);
    }
    if (designer != nullptr) {
        WriteDesignAnalysis(outputs, options.analysis, designer->zeros, designer->poles);
    }
    outputs.CommitAll();
}

// Every message quotes what the user typed as it was typed, except for the
// control characters, which could rewrite the terminal's line.
void Report(std::ostream& err, const std::string& message)
{
    err << kProgram << EscapeControlCharacters(message) << "\n";
}

// The markers of --design, or none when it was not given.
polezero::DesignFileRead LoadDesign(const RenderOptions& options)
{
    polezero::DesignFileRead design;
    if (options.designFile.empty()) {
        return design;
    }
    design = polezero::ReadDesignFile(options.designFile);
    using Status = polezero::DesignFileRead::Status;
    if (design.status != Status::Loaded) {
        const bool refused = design.status == Status::Refused;
        throw DesignFileFailure((refused ? "--design " : "cannot read ") + options.designFile +
                                    ": " + design.message,
                                refused ? kExitUsage : kExitCannotRead);
    }
    return design;
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
    case CommandLine::Action::Render: break;
    }

    const RenderOptions& options = commandLine.options;
    // Each run says its language: a test may run the renderer many times in
    // one process.
    UseBuiltInLanguage(options.language.value_or(LanguageFromEnvironment()));
    try {
        options.command->execute(options);
    } catch (const DesignFileFailure& failure) {
        Report(err, failure.what());
        return failure.Status();
    } catch (const std::exception& error) {
        // A file that cannot be written, a font that cannot be loaded, memory.
        Report(err, error.what());
        return kExitCannotWrite;
    }
    return kExitOk;
}

void RenderPicture(const RenderOptions& options)
{
    ApplyToWorkspace(options);
    DrawnPicture picture(options.picture, options.width, options.height, RenderTools());
    DumpJson dump = NewDump();
    options.command->draw(picture.Canvas(), dump);
    FillDumpParams(dump);
    WriteOutputs(
        options, [&](std::FILE* stream) { picture.Write(stream); },
        options.dump.empty() ? std::string() : DumpText(dump));
}

void RenderDesigner(const RenderOptions& options)
{
    ApplyToWorkspace(options);
    const polezero::DesignFileRead design = LoadDesign(options);
    const PoleZeroRendering designer =
        RenderPoleZero(RenderTools(), options.designFile.empty() ? nullptr : &design.markers,
                       options.designerEvents, options.picture);
    WriteOutputs(
        options,
        [&](std::FILE* stream) {
            WritePoleZeroPicture(stream, designer, options.picture, RenderTools());
        },
        designer.dump, &designer);
}
