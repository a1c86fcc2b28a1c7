// The numbers behind a picture, as --dump writes them:
//   {"params": {"a", "df", "fg", "M", "L", "filterLength"},
//    "plots": [{"title", "baseline", "count", "peak", "values": [...]}],
//    "filterTaps": [...]}            (only when the command designed a filter)
#pragma once

#include <cstdint>
#include <span>
#include <string>
#include <vector>

#include <nlohmann/json.hpp>

#include "views/view_options.h"

// Keys keep the order they were written in, and floating values are held as
// float: every value the program computes is stored as a float, and a float
// is printed with the fewest digits that read back to the same float (0.1f
// as 0.1, not 0.10000000149011612). Infinities and NaN are printed as null.
using DumpJson = nlohmann::basic_json<nlohmann::ordered_map, std::vector, std::string, bool,
                                      std::int64_t, std::uint64_t, float>;

// {"params": {}, "plots": []}, ready for a command to add to.
DumpJson NewDump();

// Each plot as {"title", "baseline", "count", "peak", "values"}, appended to
// dump["plots"].
void AppendPlots(DumpJson& dump, std::span<const PlotRecord> plots);

// dump["filterTaps"]: every entry of the taps, the zeros after c(n) included.
void AppendFilterTaps(DumpJson& dump, std::span<const float> taps);

// Writes the workspace's parameters into dump["params"]; called after the
// command ran, since designing a filter sets its length.
void FillDumpParams(DumpJson& dump);

// The text of the file, ending in a newline.
std::string DumpText(const DumpJson& dump);
