// The analysis of a pole-zero design as files: JSON with every number, CSV
// with the frequency response for a spreadsheet.
#pragma once

#include <memory>
#include <span>
#include <string>
#include <vector>

#include "cli/output_file.h"
#include "core/workspace.h"
#include "polezero/filter_analysis.h"

inline constexpr int kMaxAnalysisPoints = 65536;
inline constexpr int kMaxImpulseLength = 65536;

// What --analysis, --analysis-csv, --points and --impulse ask for.
struct AnalysisRequest {
    std::string json;  // empty: not asked for
    std::string csv;   // empty: not asked for
    int points = polezero::kDefaultAnalysisPoints;      // 1..kMaxAnalysisPoints
    int impulse = polezero::kDefaultImpulseLength;      // 0..kMaxImpulseLength

    bool Wanted() const { return !json.empty() || !csv.empty(); }
};

// {"zeros", "poles", "b", "a", "gain", "realCoefficients", "stable",
//  "magnitudeDb", "phase", "groupDelay", "impulse"} in that order; complex
// values as [re, im]; doubles with the fewest digits that read back to the
// same double; NaN and infinities as null. Ends in a newline.
std::string AnalysisJsonText(const polezero::FilterAnalysis& analysis);

// "w,magnitude_db,phase,group_delay" and one line per grid frequency, numbers
// as the shortest text that reads back the same (never locale-dependent),
// an empty cell for a missing value.
std::string AnalysisCsvText(const polezero::FilterAnalysis& analysis);

// Analyses the design and writes the files `request` asks for, in full but
// under temporary names: the caller commits them together with its other
// outputs, so that a failure anywhere leaves none of them behind. Nothing
// (an empty list) when no file is asked for. Throws OutputError.
std::vector<std::unique_ptr<PendingFile>> WriteDesignAnalysis(const AnalysisRequest& request,
                                                               std::span<const PixelPoint> zeros,
                                                               std::span<const PixelPoint> poles);

// The same for the design the workspace holds: g_zeros and g_poles from
// slot 1 up to their counts.
std::vector<std::unique_ptr<PendingFile>> WriteWorkspaceAnalysis(const AnalysisRequest& request);
