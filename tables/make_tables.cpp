// vorlen-tables: writes the sines and cosines of the program's fixed
// frequency grids as C++ headers of exact hexadecimal literals.
//
//   vorlen-tables sample-grid FILE.h    the designer's 600 sample points
//   vorlen-tables dft-twiddles FILE.h   the DFT's roots of unity, for every
//                                       length the views transform
//
// Every value is the C library's sin or cos of this machine, evaluated at
// run time with the very arithmetic the program used before the tables
// existed: the pictures keep their bits. A browser's C library rounds some
// of these sines differently in the last bit; built into the program, the
// same numbers serve both.
#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <exception>
#include <fstream>
#include <map>
#include <string>
#include <string_view>
#include <vector>

#include <fmt/format.h>

#include "dsp/dft.h"
#include "polezero/geometry.h"
#include "workspace/workspace.h"

namespace {

// `value`, passed through memory the compiler cannot see into: given a
// constant, it would otherwise compute sin and cos itself, correctly
// rounded, which is not what the C library returns for every argument.
double AtRunTime(double value)
{
    volatile double opaque = value;
    return opaque;
}

// The exact value: a hexadecimal literal reads back to the same double.
std::string Literal(double value)
{
    return fmt::format("{:a}", value);
}

std::string Header(std::string_view command)
{
    return fmt::format(
        "// Made by `vorlen-tables {}` at build time; not to be edited.\n"
        "#pragma once\n\n",
        command);
}

void AppendArray(std::string& text, std::string_view name, const std::vector<double>& values)
{
    text += fmt::format("inline constexpr std::array<double, {}> {} = {{\n", values.size(), name);
    for (const double value : values) {
        text += "    " + Literal(value) + ",\n";
    }
    text += "};\n";
}

// P_k = (60 cos w_k, 60 sin w_k), w_k = k * 0.010471975513333334: the
// designer's sample points relative to the origin (polezero/geometry.h).
std::string SampleGrid()
{
    const double step = AtRunTime(polezero::kSampleStep);
    std::vector<double> u;
    std::vector<double> v;
    for (int k = 0; k < polezero::kSampleCount; ++k) {
        const double w = k * step;
        u.push_back(polezero::kPixelsPerUnit * std::cos(w));
        v.push_back(polezero::kPixelsPerUnit * std::sin(w));
    }
    std::string text = Header("sample-grid");
    text += "#include <array>\n\nnamespace polezero::tables {\n\n";
    text += "// 60 cos w_k and 60 sin w_k, k = 0..599.\n";
    AppendArray(text, "kSampleU", u);
    AppendArray(text, "kSampleV", v);
    return text + "\n}  // namespace polezero::tables\n";
}

// The lengths N the views transform: floor(100 L / M) for L and M from 1 to
// 15 (100 L with M = 1, the decimated floor(100 / M) with L = 1).
std::vector<int> ViewLengths()
{
    std::vector<int> lengths;
    for (int up = 1; up <= kLargestFactor; ++up) {
        for (int down = 1; down <= kLargestFactor; ++down) {
            lengths.push_back(kSignalLength * up / down);
        }
    }
    std::sort(lengths.begin(), lengths.end());
    lengths.erase(std::unique(lengths.begin(), lengths.end()), lengths.end());
    return lengths;
}

// cos and sin of TransformAngle(2 j, N) for j = 0..N/2, the half of the
// N-th roots of unity that the transform mirrors into the other.
//
// The angle of entry j of length N equals that of entry 2 j of length 2 N
// exactly (doubling both m and N scales m pi and the quotient by powers of
// two), so a length is stored once with the longest of its doublings among
// the view lengths, and read from that one's entries at a stride.
std::string DftTwiddles()
{
    const std::vector<int> lengths = ViewLengths();
    // For each length, the longest length among them that it doubles into.
    std::map<int, int> base;
    for (const int count : lengths) {
        int longest = count;
        for (int doubled = 2 * count; doubled <= lengths.back(); doubled *= 2) {
            if (std::binary_search(lengths.begin(), lengths.end(), doubled)) {
                longest = doubled;
            }
        }
        base[count] = longest;
    }
    std::map<int, int> firstEntry;  // of each stored length
    std::vector<double> cosines;
    std::vector<double> sines;
    for (const int count : lengths) {
        if (base[count] != count) {
            continue;
        }
        firstEntry[count] = static_cast<int>(cosines.size());
        for (int j = 0; 2 * j <= count; ++j) {
            const double angle = AtRunTime(TransformAngle(2 * static_cast<std::int64_t>(j), count));
            cosines.push_back(std::cos(angle));
            sines.push_back(std::sin(angle));
        }
    }

    std::string text = Header("dft-twiddles");
    text += "#include <array>\n\nnamespace dft_tables {\n\n";
    text +=
        "// Entry j of an N-point transform is entry first + j * stride of the\n"
        "// arrays below.\n"
        "struct Length {\n    int count;\n    int first;\n    int stride;\n};\n";
    text +=
        fmt::format("inline constexpr std::array<Length, {}> kLengths = {{{{\n", lengths.size());
    for (const int count : lengths) {
        text += fmt::format("    {{{}, {}, {}}},\n", count, firstEntry[base[count]],
                            base[count] / count);
    }
    text += "}};\n\n";
    text += "// cos and sin of TransformAngle(2 j, N), j = 0..N/2, for each stored N.\n";
    AppendArray(text, "kCosines", cosines);
    AppendArray(text, "kSines", sines);
    return text + "\n}  // namespace dft_tables\n";
}

}  // namespace

int main(int argc, char** argv)
{
    if (argc != 3) {
        std::fprintf(stderr, "usage: vorlen-tables sample-grid|dft-twiddles FILE.h\n");
        return 2;
    }
    const std::string_view table = argv[1];
    std::string text;
    try {
        if (table == "sample-grid") {
            text = SampleGrid();
        } else if (table == "dft-twiddles") {
            text = DftTwiddles();
        } else {
            std::fprintf(stderr, "vorlen-tables: no table named '%s'\n", argv[1]);
            return 2;
        }
    } catch (const std::exception& e) {
        std::fprintf(stderr, "vorlen-tables: %s\n", e.what());
        return 1;
    }
    // Written beside the header and renamed over it, so that a failed run
    // never leaves a half table for the next build to take as made.
    const std::string path = argv[2];
    const std::string partial = path + ".partial";
    std::ofstream out(partial, std::ios::binary | std::ios::trunc);
    out << text;
    out.close();
    if (!out || std::rename(partial.c_str(), path.c_str()) != 0) {
        std::remove(partial.c_str());
        std::fprintf(stderr, "vorlen-tables: cannot write %s\n", path.c_str());
        return 1;
    }
    return 0;
}
