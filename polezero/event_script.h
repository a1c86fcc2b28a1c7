// The text forms of the designer's events: "X,Y" points and event scripts,
// as vorlen-render's --events reads them and the browser's share links
// carry them.
#pragma once

#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

#include "polezero/geometry.h"
#include "polezero/session.h"

namespace polezero {

// "X,Y": two 32-bit signed integers in decimal, an optional sign before
// each, separated by a comma, with nothing else (no blanks).
std::optional<PixelPoint> ParseClientPoint(std::string_view text);

// A script: steps separated by ';', blanks (white space) around each
// step ignored, steps that are blank skipped. Each step is one of
// EventStepList() (lower case; one or more blanks between the word and
// what follows it, and between the two points of drag). Returns the
// events, or the first malformed step's error as one line.
using ScriptResult = std::variant<std::vector<DesignerEvent>, std::string>;
ScriptResult ParseEventScript(std::string_view script);

// "zeros, poles, press X,Y, ...": every step a script may hold, in the
// order of the table they are read by.
std::string EventStepList();

// The script of these events, steps joined by "; ", which
// ParseEventScript reads back as the same events.
std::string EventScriptText(std::span<const DesignerEvent> events);

}  // namespace polezero
