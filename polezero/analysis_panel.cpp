#include "polezero/analysis_panel.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstddef>
#include <numeric>
#include <string_view>

#include <fmt/format.h>

#include "language/language.h"

namespace polezero {

namespace {

struct PanelList {
    std::string_view title;  // "Nule", shown as Tr(title)
    std::string_view name;   // "z", the entries' prefix
    int firstIndex;          // roots count from 1, coefficients from 0
    const std::vector<std::complex<double>>* values;
};

// " ... jos K": K entries not shown. The translation's pattern comes from a
// catalogue the core does not check (the browser's arrives as JSON); one
// that fmt cannot use gives the Serbian line, never an exception while
// drawing.
std::string LeftOutLine(int count)
{
    constexpr const char* kPattern = N_(" ... jos {}");
    try {
        return fmt::format(fmt::runtime(Tr(kPattern)), count);
    } catch (const fmt::format_error&) {
        return fmt::format(kPattern, count);
    }
}

// Lines for the entries of `list` within `budget` lines (at least 1).
void AppendEntries(std::vector<std::string>& lines, const PanelList& list, int budget)
{
    const auto& values = *list.values;
    const int count = static_cast<int>(values.size());
    const int shown = count <= budget ? count : budget - 1;
    // Labels padded to one width, so the numbers start in one column.
    const std::string widest = std::string(list.name) + std::to_string(list.firstIndex + count - 1);
    for (int i = 0; i < shown; ++i) {
        std::string label = std::string(list.name) + std::to_string(list.firstIndex + i);
        label.resize(widest.size(), ' ');
        const std::complex<double> value = values[static_cast<std::size_t>(i)];
        // A leading blank for the non-negative, so the signs line up.
        const std::string number = PanelComplex(value);
        lines.push_back(" " + label + " = " + (number.front() == '-' ? "" : " ") + number);
    }
    if (shown < count) {
        lines.push_back(LeftOutLine(count - shown));
    }
}

// Shares `total` lines among lists wanting `wanted[i]` lines each: the
// shortest lists first get all they want, then the rest share equally.
std::vector<int> ShareLines(const std::vector<int>& wanted, int total)
{
    std::vector<std::size_t> order(wanted.size());
    std::iota(order.begin(), order.end(), std::size_t{0});
    std::stable_sort(order.begin(), order.end(),
                     [&](std::size_t a, std::size_t b) { return wanted[a] < wanted[b]; });
    std::vector<int> share(wanted.size(), 0);
    int left = total;
    for (std::size_t i = 0; i < order.size(); ++i) {
        const int others = static_cast<int>(order.size() - i);
        const int fair = std::max(1, left / others);
        share[order[i]] = std::min(wanted[order[i]], fair);
        left -= share[order[i]];
    }
    return share;
}

}  // namespace

std::string PanelNumber(double value)
{
    if (std::isnan(value)) {
        return "nan";
    }
    if (std::isinf(value)) {
        return value < 0.0 ? "-inf" : "inf";
    }
    const double magnitude = std::abs(value);
    if (magnitude == 0.0 || (magnitude >= 0.0005 && magnitude < 1000.0)) {
        const std::string result = fmt::format("{:.3f}", value);
        return result == "-0.000" ? "0.000" : result;
    }
    // "1.234e-05" reads as "1.234e-5", "2.000e+285" as "2.000e285".
    const std::string result = fmt::format("{:.3e}", value);
    const std::size_t e = result.find('e');
    const bool negative = result[e + 1] == '-';
    std::string digits = result.substr(e + 2);
    digits.erase(0, std::min(digits.find_first_not_of('0'), digits.size() - 1));
    return result.substr(0, e + 1) + (negative ? "-" : "") + digits;
}

std::string PanelComplex(std::complex<double> value)
{
    const std::string real = PanelNumber(value.real());
    if (value.imag() == 0.0) {
        return real;
    }
    const double imag = value.imag();
    const bool minus = std::signbit(imag) && !std::isnan(imag);
    return real + (minus ? " - j" : " + j") + PanelNumber(minus ? -imag : imag);
}

std::vector<std::string> AnalysisPanelLines(const FilterAnalysis& analysis, int maxLines)
{
    std::vector<std::string> lines = {
        "H(z) = g B(z) / A(z)",
        "B(z) = b0 + b1 z^-1 + ...",
        "A(z) = a0 + a1 z^-1 + ...",
        "g = " + PanelNumber(analysis.gain),
        std::string(Tr("stabilan: ")) + Tr(analysis.stable ? N_("da") : N_("ne")),
        std::string(Tr("realni koeficijenti: ")) +
            Tr(analysis.realCoefficients ? N_("da") : N_("ne")),
    };
    const std::array<PanelList, 4> lists = {
        PanelList{N_("Nule"), "z", 1, &analysis.zeros},
        PanelList{N_("Polovi"), "p", 1, &analysis.poles},
        PanelList{"b", "b", 0, &analysis.b},
        PanelList{"a", "a", 0, &analysis.a},
    };
    // Each list takes a blank line and its title; the entries share the rest.
    const int fixed = static_cast<int>(lines.size()) + 2 * static_cast<int>(lists.size());
    if (maxLines < fixed + static_cast<int>(lists.size())) {
        lines.resize(std::min(lines.size(), static_cast<std::size_t>(std::max(maxLines, 0))));
        return lines;
    }
    std::vector<int> wanted;
    for (const PanelList& list : lists) {
        wanted.push_back(static_cast<int>(std::min<std::size_t>(list.values->size(), 1 << 20)));
    }
    const std::vector<int> budget = ShareLines(wanted, maxLines - fixed);
    for (std::size_t i = 0; i < lists.size(); ++i) {
        const PanelList& list = lists[i];
        lines.emplace_back();
        if (list.values->empty()) {
            lines.push_back(std::string(Tr(list.title)) + ": " + Tr("nema"));
            continue;
        }
        lines.push_back(std::string(Tr(list.title)) + " (" + std::to_string(list.values->size()) +
                        "):");
        AppendEntries(lines, list, std::max(budget[i], 1));
    }
    return lines;
}

}  // namespace polezero
