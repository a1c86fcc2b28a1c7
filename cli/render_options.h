// The command line of vorlen-render, read into plain values.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "cli/analysis_output.h"
#include "cli/picture_options.h"
#include "cli/render_commands.h"
#include "dsp/signals.h"
#include "language/language.h"
#include "polezero/session.h"
#include "workspace/params.h"

inline constexpr int kDefaultWidth = 800;
inline constexpr int kDefaultHeight = 600;
// Large enough for any picture the program draws with room to spare, small
// enough that the raster (3 bytes a pixel) stays a reasonable allocation.
inline constexpr int kMaxSide = 8192;

struct RenderOptions {
    const RenderCommand* command = nullptr;  // never null once read
    std::string outDir;                      // for a command that writes a folder (all)
    std::string output;                      // the picture, for a command that writes a file
    std::string dump;                        // the JSON, empty when not asked for
    PictureRequest picture;                  // its format and scale
    AnalysisRequest analysis;                // the design's analysis files (polezero only)
    int width = kDefaultWidth;
    int height = kDefaultHeight;
    const TestSignal* signal = nullptr;  // nullptr: three-cosines, as the signal dialog opens
    // The field options given, with their texts exactly as typed; the field
    // rules read them later.
    std::vector<std::pair<Param, std::string>> fields;
    // The events to run on the designer's freshly opened dialog (polezero).
    std::vector<polezero::DesignerEvent> designerEvents;
    std::string designFile;  // --design: loaded before the events; empty when not given
    std::string saveDesign;  // --save-design: the design at the end; empty when not given
    // --lang: the language of the picture's texts; none given, the locale's.
    std::optional<Language> language;
};

struct CommandLine {
    enum class Action { Render, ShowHelp, ShowVersion, UsageError };
    Action action = Action::UsageError;
    RenderOptions options;  // for Render
    std::string text;       // the help or version text, or the error as one line
};

// Never throws for anything the user types; every mistake becomes a
// UsageError with a one-line message.
CommandLine ParseCommandLine(int argc, const char* const argv[]);

// "WxH" with both sides in 1..kMaxSide; nothing else, not even blanks.
struct PictureSize {
    int width;
    int height;
};
std::optional<PictureSize> ParsePictureSize(std::string_view text);

// Stores the field options in the workspace through the field rules, as if
// each text had been typed into its dialog field, then fills x(n) with the
// chosen signal for the stored a (all zero for "none").
void ApplyToWorkspace(const RenderOptions& options);
