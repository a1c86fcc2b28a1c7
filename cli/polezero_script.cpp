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

struct StepWord {
    std::string_view word;
    Kind kind;
    bool takesPoint;
};

constexpr StepWord kSteps[] = {
    {"zeros", Kind::Zeros, false}, {"poles", Kind::Poles, false}, {"press", Kind::Press, true},
    {"move", Kind::Move, true},    {"reset", Kind::Reset, false}, {"open", Kind::Open, false},
};

std::string Quoted(std::string_view text)
{
    return "'" + std::string(text) + "'";
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
            const std::string where = "--events: step " + std::to_string(number) + " " + Quoted(step);
            if (known == nullptr) {
                return where + " is not one of zeros, poles, press X,Y, move X,Y, reset, open";
            }
            if (!known->takesPoint) {
                if (!rest.empty()) {
                    return where + ": '" + std::string(word) + "' takes nothing after it";
                }
                events.push_back({known->kind});
            } else {
                const auto point = ParseClientPoint(rest);
                if (!point) {
                    return where + ": '" + std::string(word) +
                           "' needs X,Y, two 32-bit integers such as 100,120";
                }
                events.push_back({known->kind, point->x, point->y});
            }
        }
        if (end == std::string_view::npos) {
            break;
        }
        script.remove_prefix(end + 1);
    }
    return events;
}
