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
#include "cli/picture_options.h"
#include "cli/same_file.h"
#include "polezero/dialog_face.h"
#include "polezero/event_script.h"

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

std::string CommandNames(std::string_view separator)
{
    std::string names;
    for (const RenderCommand& command : RenderCommands()) {
        names += (names.empty() ? "" : std::string(separator)) + std::string(command.name);
    }
    return names;
}

std::string CommandSummaries()
{
    std::string text = "Commands:\n";
    for (const RenderCommand& command : RenderCommands()) {
        std::string line = "  " + std::string(command.name);
        line.resize(std::max<std::size_t>(line.size() + 2, 28), ' ');
        text += line + std::string(command.summary) + "\n";
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
std::vector<std::string> WithEmptyValuesSplit(int argc, const char* const argv[],
                                              const CLI::App& app)
{
    std::vector<std::string> args;
    bool positionalOnly = false;
    for (int i = 0; i < argc; ++i) {
        const std::string_view arg = argv[i] != nullptr ? argv[i] : "";
        positionalOnly = positionalOnly || (i > 0 && arg == "--");
        if (!positionalOnly && i > 0 && arg.size() > 3 && arg.starts_with("--") &&
            arg.ends_with("=")) {
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

// "WxH".
std::string SizeText(int width, int height)
{
    return std::to_string(width) + "x" + std::to_string(height);
}

const std::string kDesignerSize = SizeText(polezero::kClientWidth, polezero::kClientHeight);

// `text` as lines of at most `width` characters, each starting with
// `indent` and ending in a newline, broken at blanks.
std::string Wrapped(const std::string& text, const std::string& indent, std::size_t width)
{
    std::string out;
    std::string line = indent;
    std::size_t start = 0;
    while (start < text.size()) {
        std::size_t end = text.find(' ', start);
        if (end == std::string::npos) {
            end = text.size();
        }
        const std::string word = text.substr(start, end - start);
        if (line.size() > indent.size() && line.size() + 1 + word.size() > width) {
            out += line + "\n";
            line = indent;
        }
        line += line.size() > indent.size() ? " " + word : word;
        start = end + 1;
    }
    return out + line + "\n";
}

// The texts of the general options as typed, and the options themselves,
// so that what was given can be told from what was left at its default.
struct TypedOptions {
    std::string command;
    std::string size = SizeText(kDefaultWidth, kDefaultHeight);
    std::string signal = "three-cosines";
    std::vector<std::string> fields = std::vector<std::string>(Params().size());  // as Params()
    std::vector<CLI::Option*> fieldOptions;
    CLI::Option* outputOption = nullptr;
    CLI::Option* sizeOption = nullptr;
    CLI::Option* dumpOption = nullptr;
    CLI::Option* outDirOption = nullptr;
    std::string language;  // --lang as typed
    CLI::Option* languageOption = nullptr;
};

void DescribeProgram(CLI::App& app)
{
    app.get_formatter()->column_width(28);
    app.footer(
        CommandSummaries() +
        "\nThe field options read their text as the program's dialogs do: \"--M 20\" "
        "gives M = 15,\n\"--df 0\" gives df = 0.035, a text that is not a number "
        "gives 0 (df: 0.035).\n\n"
        "-o FILE.svg and -o FILE.pdf (or --format) write the picture as SVG or PDF for\n"
        "slides and printed notes: a page of WxH CSS pixels (a PDF point is 4/3 of one),\n"
        "every line where the PNG has it, the text as text. --scale N writes a PNG\n"
        "N times the size, drawn sharp at that size. The dump is the same in every format.\n\n"
        "polezero draws the designer dialog's client area (" +
        kDesignerSize +
        ") after its events:\n"
        "  --zero X,Y / --pole X,Y: zero or pole placement, then a press at client pixel\n"
        "  (X, Y), in command-line order; --pointer X,Y: a pointer move after them.\n" +
        Wrapped("--events SCRIPT instead: steps separated by ';', each one of " +
                    polezero::EventStepList() + ". Example:",
                "  ", 80) +
        "  vorlen-render polezero -o notch.png --events 'press 130,70; press 130,190;\n"
        "  poles; press 130,76; press 130,184; move 130,70'\n"
        "  --design FILE.json loads a design file first (exit 2 if it is no design);\n"
        "  --save-design FILE.json writes the design at the end.\n"
        "  Its picture is PNG, SVG or PDF like the others (a page of " +
        kDesignerSize +
        " CSS pixels);\n"
        "  --scale N draws it as the dialog shows it on a desktop scaled by N. The\n"
        "  --analysis-picture takes its format from its file name, and --scale as PNG." +
        kOutputFilesHelp);
}

void AddGeneralOptions(CLI::App& app, TypedOptions& typed, RenderOptions& options)
{
    app.add_option("COMMAND", typed.command, "what to draw: " + CommandNames(" | "))
        ->required()
        ->option_text("NAME");
    typed.outputOption =
        app.add_option("-o,--output", options.output,
                       "the picture: .png, .svg or .pdf (required, except with all)")
            ->option_text("FILE");
    typed.sizeOption = app.add_option("--size", typed.size,
                                      "picture size in pixels (default " +
                                          SizeText(kDefaultWidth, kDefaultHeight) + ")")
                           ->option_text("WxH");
    app.add_option("--signal", typed.signal,
                   SignalNames(" | ") + "\n(default three-cosines; none = all zero)")
        ->option_text("NAME");
    for (std::size_t i = 0; i < Params().size(); ++i) {
        const ParamInfo& param = Params()[i];
        typed.fieldOptions.push_back(
            app.add_option("--" + std::string(param.name), typed.fields[i], std::string(param.help))
                ->option_text("TEXT"));
    }
    typed.dumpOption =
        app.add_option("--dump", options.dump, "the numbers behind the picture, as JSON")
            ->option_text("FILE.json");
    typed.outDirOption =
        app.add_option("--out-dir", options.outDir,
                       "with all: the folder for every picture and its dump, made if missing")
            ->option_text("DIR");
    typed.languageOption =
        app.add_option("--lang", typed.language,
                       "the language of the picture's texts: sr (Serbian) or en (English);\n"
                       "default: the locale's (LANGUAGE, LC_ALL, LC_MESSAGES, LANG)")
            ->option_text("sr|en");
}

// Runs CLI11 over the arguments. The finished command line when that is
// all there is to it: help, the version, or a mistake CLI11 found.
std::optional<CommandLine> Parse(CLI::App& app, int argc, const char* const argv[])
{
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
        return CommandLine{
            CommandLine::Action::ShowVersion, {}, version.what() + std::string("\n")};
    } catch (const CLI::ParseError& error) {
        return UsageError(error.what());
    }
    return std::nullopt;
}

std::optional<std::string> ReadCommand(const TypedOptions& typed, RenderOptions& options)
{
    options.command = FindRenderCommand(typed.command);
    if (options.command == nullptr) {
        return "unknown command '" + typed.command + "' (commands: " + CommandNames(", ") + ")";
    }
    return std::nullopt;
}

std::optional<std::string> ReadLanguage(const TypedOptions& typed, RenderOptions& options)
{
    if (typed.languageOption->count() == 0) {
        return std::nullopt;
    }
    options.language = ParseLanguageName(typed.language);
    if (!options.language) {
        return "--lang: '" + typed.language + "' is not a language of Vorlen (sr or en)";
    }
    return std::nullopt;
}

std::optional<std::string> ReadSize(const TypedOptions& typed, RenderOptions& options)
{
    if (options.command->ownSize && typed.sizeOption->count() > 0) {
        return "--size: " + std::string(options.command->name) + " draws at a size of its own";
    }
    const auto pictureSize = ParsePictureSize(typed.size);
    if (!pictureSize) {
        return "--size: '" + typed.size + "' is not WxH with both sides from 1 to " +
               std::to_string(kMaxSide) + ", for example " +
               SizeText(kDefaultWidth, kDefaultHeight);
    }
    options.width = pictureSize->width;
    options.height = pictureSize->height;
    return std::nullopt;
}

std::optional<std::string> ReadSignal(const TypedOptions& typed, RenderOptions& options)
{
    options.signal = FindTestSignal(typed.signal);
    if (options.signal == nullptr) {
        return "--signal: unknown signal '" + typed.signal + "' (" + SignalNames(", ") + ")";
    }
    return std::nullopt;
}

// -o, --dump and --out-dir for where the command writes.
std::optional<std::string> ReadOutputs(const TypedOptions& typed, const RenderOptions& options)
{
    const std::string name(options.command->name);
    if (options.command->output == CommandOutput::Folder) {
        if (typed.outputOption->count() > 0 || typed.dumpOption->count() > 0) {
            return name + " writes its files into --out-dir; -o and --dump are not for it";
        }
        if (options.outDir.empty()) {
            return name + " needs --out-dir DIR";
        }
        return std::nullopt;
    }
    if (typed.outDirOption->count() > 0) {
        return "--out-dir goes only with the command " + std::string(kAllCommandName);
    }
    if (typed.outputOption->count() == 0) {
        return "--output is required";
    }
    if (options.output.empty()) {
        return "--output: the file name is empty";
    }
    if (typed.dumpOption->count() > 0 && options.dump.empty()) {
        return "--dump: the file name is empty";
    }
    if (!options.dump.empty() && SameFile(options.output, options.dump)) {
        return "--output and --dump name the same file";
    }
    for (const std::string* other : {&options.output, &options.dump}) {
        if (!options.saveDesign.empty() && !other->empty() &&
            SameFile(*other, options.saveDesign)) {
            return "'" + options.saveDesign + "' is named as two outputs";
        }
    }
    return std::nullopt;
}

// The field options given, in the order of Params().
void ReadFields(TypedOptions& typed, RenderOptions& options)
{
    for (std::size_t i = 0; i < Params().size(); ++i) {
        if (typed.fieldOptions[i]->count() > 0) {
            options.fields.emplace_back(Params()[i].param, std::move(typed.fields[i]));
        }
    }
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
    CLI::App app{
        "Draws Vorlen's analysis pictures without a display and writes them as PNG, SVG "
        "or PDF.",
        "vorlen-render"};
    DescribeProgram(app);
    TypedOptions typed;
    RenderOptions options;
    AddGeneralOptions(app, typed, options);
    const DesignerOptions designerOptions(app);
    const PictureOptions pictureOptions(app);
    const AnalysisOptions analysisOptions(app);
    app.set_version_flag("--version", "vorlen-render " VORLEN_VERSION);
    if (std::optional<CommandLine> finished = Parse(app, argc, argv)) {
        return std::move(*finished);
    }

    // The first mistake found is the one reported.
    std::optional<std::string> error = ReadCommand(typed, options);
    if (!error) {
        error = designerOptions.Read(typed.command, app, options);
    }
    if (!error) {
        error = ReadLanguage(typed, options);
    }
    if (!error) {
        error = ReadSize(typed, options);
    }
    if (!error) {
        error = ReadSignal(typed, options);
    }
    if (!error) {
        error = ReadOutputs(typed, options);
    }
    if (!error) {
        error = pictureOptions.Read(options.output, options.width, options.height, kMaxSide,
                                    options.picture);
    }
    if (!error) {
        const std::string otherOutputs[] = {options.output, options.dump, options.saveDesign};
        error = analysisOptions.Read(typed.command, otherOutputs, options.analysis);
        // --scale is for every PNG picture the command writes.
        options.analysis.pictureScale = options.picture.scale;
    }
    if (error) {
        return UsageError(*error);
    }
    ReadFields(typed, options);

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
