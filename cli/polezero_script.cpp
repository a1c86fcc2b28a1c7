#include "cli/polezero_script.h"

#include <charconv>
#include <cstddef>

namespace {

using Kind = polezero::DesignerEvent::Kind;

bool IsBlank(char c)
{
    return c == ' ' || c == '\t' || c == '\n' || c == '\r' || c == '\v' || c == '\f';
}

std::string_view Trimmed(std::string_view text)
{
    while (!text.empty() && IsBlank(text.front())) {
        text.remove_prefix(1);
    }
    while (!text.empty() && IsBlank(text.back())) {
        text.remove_suffix(1);
    }
    return text;
}

std::optional<std::int32_t> ParseInt32(std::string_view text)
{
    // from_chars takes a '-' but not a '+'.
    if (!text.empty() && text.front() == '+') {
        text.remove_prefix(1);
        if (!text.empty() && text.front() == '-') {
            return std::nullopt;
        }
    }
    if (text.empty()) {
        return std::nullopt;
    }
    std::int32_t value = 0;
    const char* end = text.data() + text.size();
    const auto [ptr, error] = std::from_chars(text.data(), end, value);
    if (error != std::errc{} || ptr != end) {
        return std::nullopt;
    }
    return value;
}

// What follows a step's word.
enum class Takes { Nothing, Point, TwoPoints, OnOff };

struct StepWord {
    std::string_view word;
    Kind kind;
    Takes takes;
};

constexpr StepWord kSteps[] = {
    {"zeros", Kind::Zeros, Takes::Nothing}, {"poles", Kind::Poles, Takes::Nothing},
    {"press", Kind::Press, Takes::Point},   {"move", Kind::Move, Takes::Point},
    {"reset", Kind::Reset, Takes::Nothing}, {"open", Kind::Open, Takes::Nothing},
    {"pair", Kind::Pair, Takes::Point},     {"pairs", Kind::PairsOn, Takes::OnOff},
    {"remove", Kind::Remove, Takes::Point}, {"drag", Kind::Drag, Takes::TwoPoints},
    {"undo", Kind::Undo, Takes::Nothing},   {"redo", Kind::Redo, Takes::Nothing},
};

constexpr const char* kStepList =
    "zeros, poles, press X,Y, move X,Y, reset, open, pair X,Y, pairs on, pairs off, "
    "remove X,Y, drag X1,Y1 X2,Y2, undo, redo";

// The step's event from what follows its word, or why it is malformed.
std::variant<polezero::DesignerEvent, std::string> ReadStep(const StepWord& step,
                                                            std::string_view rest)
{
    const std::string word(step.word);
    switch (step.takes) {
    case Takes::Nothing:
        if (!rest.empty()) {
            return "'" + word + "' takes nothing after it";
        }
        return polezero::DesignerEvent{step.kind};
    case Takes::OnOff:
        if (rest == "on" || rest == "off") {
            return polezero::DesignerEvent{rest == "on" ? Kind::PairsOn : Kind::PairsOff};
        }
        return "'" + word + "' needs on or off";
    case Takes::Point:
        if (const auto point = ParseClientPoint(rest)) {
            return polezero::DesignerEvent{step.kind, point->x, point->y};
        }
        return "'" + word + "' needs X,Y, two 32-bit integers such as 100,120";
    case Takes::TwoPoints: {
        std::size_t blank = 0;
        while (blank < rest.size() && !IsBlank(rest[blank])) {
            ++blank;
        }
        const auto from = ParseClientPoint(rest.substr(0, blank));
        const auto to = ParseClientPoint(Trimmed(rest.substr(blank)));
        if (from && to) {
            return polezero::DesignerEvent{step.kind, from->x, from->y, to->x, to->y};
        }
        return "'" + word + "' needs X1,Y1 X2,Y2, two points such as 100,120 140,90";
    }
    }
    return "'" + word + "' is not understood";
}

// Built piece by piece: GCC 12 at -O3 warns falsely (-Wrestrict) about a
// literal added to a temporary string.
std::string Quoted(std::string_view text)
{
    std::string quoted = "'";
    quoted += text;
    quoted += '\'';
    return quoted;
}

}  // namespace

std::optional<ClientPoint> ParseClientPoint(std::string_view text)
{
    const std::size_t comma = text.find(',');
    if (comma == std::string_view::npos) {
        return std::nullopt;
    }
    const auto x = ParseInt32(text.substr(0, comma));
    const auto y = ParseInt32(text.substr(comma + 1));
    if (!x || !y) {
        return std::nullopt;
    }
    return ClientPoint{*x, *y};
}

ScriptResult ParseEventScript(std::string_view script)
{
    std::vector<polezero::DesignerEvent> events;
    std::size_t number = 0;
    while (true) {
        const std::size_t end = script.find(';');
        const std::string_view step = Trimmed(script.substr(0, end));
        ++number;
        if (!step.empty()) {
            std::size_t wordEnd = 0;
            while (wordEnd < step.size() && !IsBlank(step[wordEnd])) {
                ++wordEnd;
            }
            const std::string_view word = step.substr(0, wordEnd);
            const std::string_view rest = Trimmed(step.substr(wordEnd));
            const StepWord* known = nullptr;
            for (const StepWord& candidate : kSteps) {
                if (candidate.word == word) {
                    known = &candidate;
                }
            }
            std::string where = "--events: step ";
            where += std::to_string(number);
            where += ' ';
            where += Quoted(step);
            if (known == nullptr) {
                return where + " is not one of " + kStepList;
            }
            auto event = ReadStep(*known, rest);
            if (auto* error = std::get_if<std::string>(&event)) {
                return where + ": " + *error;
            }
            events.push_back(std::get<polezero::DesignerEvent>(event));
        }
        if (end == std::string_view::npos) {
            break;
        }
        script.remove_prefix(end + 1);
    }
    return events;
}
