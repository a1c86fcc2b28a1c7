#include "cli/render_options.h"

#include <algorithm>
#include <array>
#include <system_error>
#include <utility>
#include <variant>

#include <CLI/CLI.hpp>

#include "cli/analysis_options.h"
#include "cli/count_text.h"
#include "cli/designer_options.h"
#include "cli/same_file.h"

namespace {

// "cosine | exponential | ..." or "cosine, exponential, ...".
std::string SignalNames(std::string_view separator)
{
    std::string names;
    for (const TestSignal& signal : TestSignals()) {
        if (!names.empty()) {
            names += separator;
        }
        names += signal.name;
    }
    return names;
}

constexpr std::string_view kPoleZeroSummary =
    "the pole-zero designer's client area after its events";
constexpr std::string_view kAllSummary = "every analysis picture with its dump, into --out-dir";

std::string CommandNames(std::string_view separator)
{
    std::string names;
    for (const RenderCommand& command : RenderCommands()) {
        names += command.name;
        names += separator;
    }
    return names + std::string(kPoleZeroCommand) + std::string(separator) +
           std::string(kAllCommandName);
}

std::string CommandSummaries()
{
    std::string text = "Commands:\n";
    for (const RenderCommand& command : RenderCommands()) {
        std::string line = "  " + std::string(command.name);
        line.resize(std::max<std::size_t>(line.size() + 2, 28), ' ');
        text += line + std::string(command.summary) + "\n";
    }
    for (const auto& [name, summary] : {std::pair{kPoleZeroCommand, kPoleZeroSummary},
                                        std::pair{kAllCommandName, kAllSummary}}) {
        std::string line = "  " + std::string(name);
        line.resize(28, ' ');
        text += line + std::string(summary) + "\n";
    }
    return text;
}

constexpr const char* kOutputFilesHelp =
    "\n\nThe picture and the dump are written under hidden temporary names and renamed\n"
    "into place when complete: a failure or an interruption leaves existing files\n"
    "as they were. A replaced file keeps its permissions. A symbolic link is\n"
    "followed: the file it points to is replaced (or created, if the link dangles)\n"
    "and the link stays. A device or a FIFO (/dev/stdout, /dev/null) is written in\n"
    "place.";

// CLI11 writes some errors over several lines; ours are one.
std::string OneLine(std::string text)
{
    std::replace(text.begin(), text.end(), '\n', ' ');
    while (!text.empty() && text.back() == ' ') {
        text.pop_back();
    }
    return text;
}

CommandLine UsageError(std::string message)
{
    CommandLine result;
    result.action = CommandLine::Action::UsageError;
    result.text = OneLine(std::move(message));
    return result;
}

// CLI11 drops the empty text of "--name=" and then takes the next argument
// as the value, or reports it missing. "--a=" gives the option the empty
// text, exactly as --a "" does: it becomes the two arguments "--a" and "".
// Arguments after "--" are left alone.
std::vector<std::string> WithEmptyValuesSplit(int argc, const char* const argv[], const CLI::App& app)
{
    std::vector<std::string> args;
    bool positionalOnly = false;
    for (int i = 0; i < argc; ++i) {
        const std::string_view arg = argv[i] != nullptr ? argv[i] : "";
        positionalOnly = positionalOnly || (i > 0 && arg == "--");
        if (!positionalOnly && i > 0 && arg.size() > 3 && arg.starts_with("--") && arg.ends_with("=")) {
            const std::string name(arg.substr(0, arg.size() - 1));
            const CLI::Option* option = app.get_option_no_throw(name);
            if (option != nullptr && option->get_items_expected_min() > 0) {
                args.push_back(name);
                args.emplace_back();
                continue;
            }
        }
        args.emplace_back(arg);
    }
    return args;
}

}  // namespace

std::optional<PictureSize> ParsePictureSize(std::string_view text)
{
    const std::size_t x = text.find('x');
    if (x == std::string_view::npos) {
        return std::nullopt;
    }
    const auto width = ParseCount(text.substr(0, x), 1, kMaxSide);
    const auto height = ParseCount(text.substr(x + 1), 1, kMaxSide);
    if (!width || !height) {
        return std::nullopt;
    }
    return PictureSize{*width, *height};
}

CommandLine ParseCommandLine(int argc, const char* const argv[])
{
    CLI::App app{"Draws Vorlen's analysis pictures without a display and writes them as PNG.",
                 "vorlen-render"};
    app.get_formatter()->column_width(28);
    app.footer(CommandSummaries() +
               "\nThe field options read their text as the program's dialogs do: \"--M 20\" "
               "gives M = 15,\n\"--df 0\" gives df = 0.035, a text that is not a number "
               "gives 0 (df: 0.035).\n\n"
               "polezero draws the designer dialog's client area (750x518) after its events:\n"
               "  --zero X,Y / --pole X,Y: zero or pole placement, then a press at client pixel\n"
               "  (X, Y), in command-line order; --pointer X,Y: a pointer move after them.\n"
               "  --events SCRIPT instead: steps separated by ';', each one of zeros, poles,\n"
               "  press X,Y, move X,Y, reset, open, pair X,Y, pairs on, pairs off, remove X,Y,\n"
               "  drag X1,Y1 X2,Y2, undo, redo. Example:\n"
               "  vorlen-render polezero -o notch.png --events 'press 130,70; press 130,190;\n"
               "  poles; press 130,76; press 130,184; move 130,70'\n"
               "  --design FILE.json loads a design file first (exit 2 if it is no design);\n"
               "  --save-design FILE.json writes the design at the end." +
               kOutputFilesHelp);

    std::string command;
    std::string size = "800x600";
    std::string signal = "three-cosines";
    RenderOptions options;
    // One text per field option, in the order of Params().
    std::vector<std::string> fieldTexts(Params().size());
    std::vector<CLI::Option*> fieldOptions;

    app.add_option("COMMAND", command, "what to draw: " + CommandNames(" | "))
        ->required()
        ->option_text("NAME");
    CLI::Option* outputOption =
        app.add_option("-o,--output", options.output, "the picture (required, except with all)")
            ->option_text("FILE.png");
    app.add_option("--size", size, "picture size in pixels (default 800x600)")
        ->option_text("WxH");
    app.add_option("--signal", signal,
                   SignalNames(" | ") + "\n(default three-cosines; none = all zero)")
        ->option_text("NAME");
    for (std::size_t i = 0; i < Params().size(); ++i) {
        const ParamInfo& param = Params()[i];
        fieldOptions.push_back(app.add_option("--" + std::string(param.name), fieldTexts[i],
                                              std::string(param.help))
                                   ->option_text("TEXT"));
    }
    const DesignerOptions designerOptions(app);
    CLI::Option* sizeOption = app.get_option("--size");
    CLI::Option* dumpOption = app.add_option("--dump", options.dump, "the numbers behind the picture, as JSON")
        ->option_text("FILE.json");
    CLI::Option* outDirOption =
        app.add_option("--out-dir", options.outDir,
                       "with all: the folder for every picture and its dump, made if missing")
            ->option_text("DIR");
    const AnalysisOptions analysisOptions(app);
    app.set_version_flag("--version", "vorlen-render " VORLEN_VERSION);

    try {
        const std::vector<std::string> args = WithEmptyValuesSplit(argc, argv, app);
        std::vector<const char*> pointers;
        for (const std::string& arg : args) {
            pointers.push_back(arg.c_str());
        }
        app.parse(static_cast<int>(pointers.size()), pointers.data());
    } catch (const CLI::CallForHelp&) {
        return CommandLine{CommandLine::Action::ShowHelp, {}, app.help()};
    } catch (const CLI::CallForVersion& version) {
        return CommandLine{CommandLine::Action::ShowVersion, {}, version.what() + std::string("\n")};
    } catch (const CLI::ParseError& error) {
        return UsageError(error.what());
    }

    options.poleZero = command == kPoleZeroCommand;
    options.all = command == kAllCommandName;
    options.command = FindRenderCommand(command);
    if (options.command == nullptr && !options.poleZero && !options.all) {
        return UsageError("unknown command '" + command + "' (commands: " + CommandNames(", ") +
                          ")");
    }
    if (const auto error = designerOptions.Read(command, app, options)) {
        return UsageError(*error);
    }
    if (options.poleZero && sizeOption->count() > 0) {
        return UsageError("--size: polezero draws the dialog at its own size, 750x518");
    }
    const auto pictureSize = ParsePictureSize(size);
    if (!pictureSize) {
        return UsageError("--size: '" + size + "' is not WxH with both sides from 1 to " +
                          std::to_string(kMaxSide) + ", for example 800x600");
    }
    options.width = pictureSize->width;
    options.height = pictureSize->height;

    options.signal = FindTestSignal(signal);
    if (options.signal == nullptr) {
        return UsageError("--signal: unknown signal '" + signal + "' (" + SignalNames(", ") + ")");
    }

    if (options.all) {
        if (outputOption->count() > 0 || dumpOption->count() > 0) {
            return UsageError("all writes its files into --out-dir; -o and --dump are not for it");
        }
        if (options.outDir.empty()) {
            return UsageError("all needs --out-dir DIR");
        }
    } else if (outDirOption->count() > 0) {
        return UsageError("--out-dir goes only with the command all");
    } else if (outputOption->count() == 0) {
        return UsageError("--output is required");
    } else if (options.output.empty()) {
        return UsageError("--output: the file name is empty");
    }
    if (dumpOption->count() > 0 && options.dump.empty()) {
        return UsageError("--dump: the file name is empty");
    }
    if (!options.dump.empty() && SameFile(options.output, options.dump)) {
        return UsageError("--output and --dump name the same file");
    }
    for (const std::string* other : {&options.output, &options.dump}) {
        if (!options.saveDesign.empty() && !other->empty() && SameFile(*other, options.saveDesign)) {
            return UsageError("'" + options.saveDesign + "' is named as two outputs");
        }
    }
    const std::string otherOutputs[] = {options.output, options.dump, options.saveDesign};
    if (const auto error = analysisOptions.Read(command, otherOutputs, options.analysis)) {
        return UsageError(*error);
    }

    for (std::size_t i = 0; i < Params().size(); ++i) {
        if (fieldOptions[i]->count() > 0) {
            options.fields.emplace_back(Params()[i].param, std::move(fieldTexts[i]));
        }
    }

    CommandLine result;
    result.action = CommandLine::Action::Render;
    result.options = std::move(options);
    return result;
}

void ApplyToWorkspace(const RenderOptions& options)
{
    for (const auto& [param, text] : options.fields) {
        StoreParam(param, text);
    }
    // What the signal dialog leaves in x(n) when this formula is picked,
    // with the a already stored.
    const TestSignal* signal = options.signal ? options.signal : FindTestSignal("three-cosines");
    signal->generate();
}
