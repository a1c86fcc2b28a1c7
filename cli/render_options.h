// The command line of vorlen-render, read into plain values.
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "cli/render_commands.h"

// The test signals that --signal names; None leaves x(n) all zero.
enum class SignalChoice { Cosine, Exponential, ThreeCosines, Rectangular, Triangular, None };

inline constexpr int kDefaultWidth = 800;
inline constexpr int kDefaultHeight = 600;
// Large enough for any picture the program draws with room to spare, small
// enough that the raster (3 bytes a pixel) stays a reasonable allocation.
inline constexpr int kMaxSide = 8192;

struct RenderOptions {
    const RenderCommand* command = nullptr;
    std::string output;  // the PNG
    std::string dump;    // the JSON, empty when not asked for
    int width = kDefaultWidth;
    int height = kDefaultHeight;
    SignalChoice signal = SignalChoice::ThreeCosines;
    // Field texts exactly as given; the field rules read them later.
    std::optional<std::string> signalParam;      // --a
    std::optional<std::string> transitionWidth;  // --df
    std::optional<std::string> cutoff;           // --fg
    std::optional<std::string> decimation;       // --M
    std::optional<std::string> interpolation;    // --L
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
