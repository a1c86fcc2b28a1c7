#include "polezero/event_script.h"

#include <charconv>
#include <cstddef>

namespace polezero {

namespace {

using Kind = DesignerEvent::Kind;

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

// Every step: its word, the event it makes and what follows the word.
// "pairs on" and "pairs off" share their word.
struct StepWord {
    std::string_view word;
    Kind kind;
    Takes takes;
};

constexpr StepWord kSteps[] = {
    {"zeros", Kind::Zeros, Takes::Nothing},  {"poles", Kind::Poles, Takes::Nothing},
    {"press", Kind::Press, Takes::Point},    {"move", Kind::Move, Takes::Point},
    {"reset", Kind::Reset, Takes::Nothing},  {"open", Kind::Open, Takes::Nothing},
    {"pair", Kind::Pair, Takes::Point},      {"pairs", Kind::PairsOn, Takes::OnOff},
    {"pairs", Kind::PairsOff, Takes::OnOff}, {"remove", Kind::Remove, Takes::Point},
    {"drag", Kind::Drag, Takes::TwoPoints},  {"undo", Kind::Undo, Takes::Nothing},
    {"redo", Kind::Redo, Takes::Nothing},
};

// What a step looks like with what follows its word.
std::string Usage(const StepWord& step)
{
    std::string usage(step.word);
    switch (step.takes) {
    case Takes::Nothing: break;
    case Takes::Point: usage += " X,Y"; break;
    case Takes::TwoPoints: usage += " X1,Y1 X2,Y2"; break;
    case Takes::OnOff: usage += step.kind == Kind::PairsOn ? " on" : " off"; break;
    }
    return usage;
}

std::string PointText(std::int32_t x, std::int32_t y)
{
    return std::to_string(x) + "," + std::to_string(y);
}

// The step's event from what follows its word, or why it is malformed.
std::variant<DesignerEvent, std::string> ReadStep(const StepWord& step, std::string_view rest)
{
    const std::string word(step.word);
    switch (step.takes) {
    case Takes::Nothing:
        if (!rest.empty()) {
            return "'" + word + "' takes nothing after it";
        }
        return DesignerEvent{step.kind};
    case Takes::OnOff:
        if (rest == "on" || rest == "off") {
            return DesignerEvent{rest == "on" ? Kind::PairsOn : Kind::PairsOff};
        }
        return "'" + word + "' needs on or off";
    case Takes::Point:
        if (const auto point = ParseClientPoint(rest)) {
            return DesignerEvent{step.kind, point->x, point->y};
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
            return DesignerEvent{step.kind, from->x, from->y, to->x, to->y};
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

std::optional<PixelPoint> ParseClientPoint(std::string_view text)
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
    return PixelPoint{*x, *y};
}

ScriptResult ParseEventScript(std::string_view script)
{
    std::vector<DesignerEvent> events;
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
                if (known == nullptr && candidate.word == word) {
                    known = &candidate;
                }
            }
            std::string where = "--events: step ";
            where += std::to_string(number);
            where += ' ';
            where += Quoted(step);
            if (known == nullptr) {
                return where + " is not one of " + EventStepList();
            }
            auto event = ReadStep(*known, rest);
            if (auto* error = std::get_if<std::string>(&event)) {
                return where + ": " + *error;
            }
            events.push_back(std::get<DesignerEvent>(event));
        }
        if (end == std::string_view::npos) {
            break;
        }
        script.remove_prefix(end + 1);
    }
    return events;
}

std::string EventStepList()
{
    std::string list;
    for (const StepWord& step : kSteps) {
        list += list.empty() ? "" : ", ";
        list += Usage(step);
    }
    return list;
}

std::string EventScriptText(std::span<const DesignerEvent> events)
{
    std::string script;
    for (const DesignerEvent& event : events) {
        for (const StepWord& step : kSteps) {
            if (step.kind != event.kind) {
                continue;
            }
            script += script.empty() ? "" : "; ";
            switch (step.takes) {
            case Takes::Nothing:
            case Takes::OnOff: script += Usage(step); break;
            case Takes::Point:
                script += step.word;
                script += ' ';
                script += PointText(event.x, event.y);
                break;
            case Takes::TwoPoints:
                script += step.word;
                script += ' ';
                script += PointText(event.x, event.y);
                script += ' ';
                script += PointText(event.x2, event.y2);
                break;
            }
            break;
        }
    }
    return script;
}

}  // namespace polezero
