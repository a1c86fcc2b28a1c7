// vorlen-render's options for the analysis of a pole-zero design:
// --analysis FILE.json, --analysis-csv FILE.csv, --analysis-picture
// FILE.png|.svg|.pdf, --points N, --impulse N.
#pragma once

#include <optional>
#include <span>
#include <string>
#include <string_view>

#include <CLI/CLI.hpp>

#include "cli/analysis_output.h"
#include "cli/render_commands.h"

// Registers the five options on an app before it parses, and reads them
// after.
class AnalysisOptions {
public:
    explicit AnalysisOptions(CLI::App& app);

    // Fills `request`, or returns the one-line reason for bad usage: any of
    // the options with a command other than polezero; --points without a
    // file of numbers to write, --impulse without the JSON that holds it
    // (the picture has counts of its own); a count that is not digits in
    // its range; an empty file name; one file named twice, among themselves
    // or with `otherOutputs` (the picture and the dump).
    std::optional<std::string> Read(std::string_view command,
                                    std::span<const std::string> otherOutputs,
                                    AnalysisRequest& request) const;

private:
    std::string m_json;
    std::string m_csv;
    std::string m_picture;
    std::string m_points;
    std::string m_impulse;
    CLI::Option* m_jsonOption;
    CLI::Option* m_csvOption;
    CLI::Option* m_pictureOption;
    CLI::Option* m_pointsOption;
    CLI::Option* m_impulseOption;
};
