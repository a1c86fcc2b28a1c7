#include "cli/analysis_options.h"

#include <vector>

#include "cli/count_text.h"
#include "cli/same_file.h"

AnalysisOptions::AnalysisOptions(CLI::App& app)
    : m_jsonOption(app.add_option("--analysis", m_json,
                                  "with polezero: the designed filter in numbers, as JSON")
                       ->option_text("FILE.json")),
      m_csvOption(
          app.add_option("--analysis-csv", m_csv, "with polezero: its frequency response, as CSV")
              ->option_text("FILE.csv")),
      m_pictureOption(app.add_option("--analysis-picture", m_picture,
                                     "with polezero: its plots and numbers, as .png (at\n"
                                     "--scale), .svg or .pdf by the file name")
                          ->option_text("FILE")),
      m_pointsOption(app.add_option("--points", m_points,
                                    "frequencies of the analysis, 1.." +
                                        std::to_string(kMaxAnalysisPoints) + " (default " +
                                        std::to_string(polezero::kDefaultAnalysisPoints) + ")")
                         ->option_text("N")),
      m_impulseOption(app.add_option("--impulse", m_impulse,
                                     "samples of its impulse response, 0.." +
                                         std::to_string(kMaxImpulseLength) + " (default " +
                                         std::to_string(polezero::kDefaultImpulseLength) + ")")
                          ->option_text("N"))
{
}

std::optional<std::string> AnalysisOptions::Read(std::string_view command,
                                                 std::span<const std::string> otherOutputs,
                                                 AnalysisRequest& request) const
{
    for (const CLI::Option* option :
         {m_jsonOption, m_csvOption, m_pictureOption, m_pointsOption, m_impulseOption}) {
        if (option->count() > 0 && command != kPoleZeroCommand) {
            return option->get_name() + " goes only with the command " +
                   std::string(kPoleZeroCommand);
        }
    }
    if (m_jsonOption->count() > 0 && m_json.empty()) {
        return "--analysis: the file name is empty";
    }
    if (m_csvOption->count() > 0 && m_csv.empty()) {
        return "--analysis-csv: the file name is empty";
    }
    if (m_pictureOption->count() > 0 && m_picture.empty()) {
        return "--analysis-picture: the file name is empty";
    }
    if (m_pointsOption->count() > 0 && m_json.empty() && m_csv.empty()) {
        return "--points needs --analysis or --analysis-csv";
    }
    // Only the JSON holds the impulse response.
    if (m_impulseOption->count() > 0 && m_json.empty()) {
        return "--impulse needs --analysis";
    }
    AnalysisRequest result;
    result.json = m_json;
    result.csv = m_csv;
    result.picture = m_picture;
    if (m_pointsOption->count() > 0) {
        const auto points = ParseCount(m_points, 1, kMaxAnalysisPoints);
        if (!points) {
            return "--points: '" + m_points + "' is not a whole number from 1 to " +
                   std::to_string(kMaxAnalysisPoints);
        }
        result.points = *points;
    }
    if (m_impulseOption->count() > 0) {
        const auto impulse = ParseCount(m_impulse, 0, kMaxImpulseLength);
        if (!impulse) {
            return "--impulse: '" + m_impulse + "' is not a whole number from 0 to " +
                   std::to_string(kMaxImpulseLength);
        }
        result.impulse = *impulse;
    }

    std::vector<std::string> names(otherOutputs.begin(), otherOutputs.end());
    for (const std::string* name : {&result.json, &result.csv, &result.picture}) {
        if (name->empty()) {
            continue;
        }
        for (const std::string& earlier : names) {
            if (!earlier.empty() && SameFile(*name, earlier)) {
                return "'" + *name + "' is named as two outputs";
            }
        }
        names.push_back(*name);
    }
    request = std::move(result);
    return std::nullopt;
}
