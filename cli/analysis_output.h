// The analysis of a pole-zero design as files: JSON with every number, CSV
// with the frequency response for a spreadsheet.
#pragma once

#include <span>
#include <string>

#include "output/output_set.h"
#include "polezero/filter_analysis.h"
#include "workspace/workspace.h"

inline constexpr int kMaxAnalysisPoints = 65536;
inline constexpr int kMaxImpulseLength = 65536;

// What --analysis, --analysis-csv, --analysis-picture, --points and
// --impulse ask for. The counts are for the two files of numbers; the
// picture always analyses as the designer's analysis window does.
struct AnalysisRequest {
    std::string json;  // empty: not asked for
    std::string csv;   // empty: not asked for
    // The analysis picture, as PNG, SVG or PDF by its extension (PNG for any
    // other); empty: not asked for.
    std::string picture;
    int pictureScale = 1;  // PNG pixels per picture pixel; 1 is the exact raster
    int points = polezero::kDefaultAnalysisPoints;  // 1..kMaxAnalysisPoints
    int impulse = polezero::kDefaultImpulseLength;  // 0..kMaxImpulseLength

    bool Wanted() const { return !json.empty() || !csv.empty() || !picture.empty(); }
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

// Analyses the design and adds the files `request` asks for to `outputs`,
// written in full: they are committed with the set's other files, so that a
// failure anywhere leaves none of them behind. Adds nothing when no file is
// asked for. Throws OutputError.
void WriteDesignAnalysis(OutputSet& outputs, const AnalysisRequest& request,
                         std::span<const polezero::PixelPoint> zeros,
                         std::span<const polezero::PixelPoint> poles);
