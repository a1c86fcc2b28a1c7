// The text forms of the pole-zero designer's events on vorlen-render's
// command line: "X,Y" points and --events scripts.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

#include "polezero/session.h"

struct ClientPoint {
    std::int32_t x;
    std::int32_t y;
};

// "X,Y": two 32-bit signed integers in decimal, an optional sign before
// each, separated by a comma, with nothing else (no blanks).
std::optional<ClientPoint> ParseClientPoint(std::string_view text);

// A script: steps separated by ';', blanks (white space) around each
// step ignored, steps that are blank skipped. Each step is one of
//   zeros | poles | press X,Y | move X,Y | reset | open | pair X,Y
//   | pairs on | pairs off | remove X,Y | drag X1,Y1 X2,Y2 | undo | redo
// (lower case; one or more blanks between the word and what follows it,
// and between the two points of drag). Returns the events, or the first
// malformed step's error as one line.
using ScriptResult = std::variant<std::vector<polezero::DesignerEvent>, std::string>;
ScriptResult ParseEventScript(std::string_view script);
