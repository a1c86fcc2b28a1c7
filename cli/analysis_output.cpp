#include "cli/analysis_output.h"

#include <algorithm>
#include <cmath>
#include <complex>
#include <cstdint>
#include <cstdio>

#include <nlohmann/json.hpp>

#include "cli/drawn_picture.h"
#include "cli/picture_format.h"
#include "cli/render_tools.h"
#include "polezero/analysis_picture.h"
#include "workspace/number_text.h"

namespace {

using polezero::FilterAnalysis;

// Keys in the order written; numbers as double, which nlohmann prints with
// the fewest digits that read back the same, and non-finite ones as null.
using AnalysisJson = nlohmann::ordered_json;

AnalysisJson ComplexList(const std::vector<std::complex<double>>& values)
{
    AnalysisJson list = AnalysisJson::array();
    for (const auto& value : values) {
        list.push_back(AnalysisJson::array({value.real(), value.imag()}));
    }
    return list;
}

// The shortest text that reads back to `value`; empty for no value.
void AppendCell(std::string& line, double value)
{
    if (!std::isfinite(value)) {
        return;
    }
    line += ShortestText(value);
}

// The design analysis picture as the designer's window draws it, in the
// format its file name says: at scale 1 a PNG is the window's exact pixels.
void WriteAnalysisPicture(PendingFile& file, const AnalysisRequest& request,
                          std::span<const polezero::PixelPoint> zeros,
                          std::span<const polezero::PixelPoint> poles)
{
    PictureRequest format;
    format.format = FormatOfFileName(request.picture).value_or(PictureFormat::Png);
    format.scale = format.format == PictureFormat::Png ? request.pictureScale : 1;
    DrawnPicture picture(format, polezero::kAnalysisPictureWidth, polezero::kAnalysisPictureHeight,
                         RenderTools());
    polezero::DrawDesignAnalysis(picture.Canvas(), zeros, poles);
    file.WriteWith([&picture](std::FILE* stream) { picture.Write(stream); });
}

}  // namespace

std::string AnalysisJsonText(const FilterAnalysis& analysis)
{
    AnalysisJson json = AnalysisJson::object();
    json["zeros"] = ComplexList(analysis.zeros);
    json["poles"] = ComplexList(analysis.poles);
    json["b"] = ComplexList(analysis.b);
    json["a"] = ComplexList(analysis.a);
    json["gain"] = analysis.gain;
    json["realCoefficients"] = analysis.realCoefficients;
    json["stable"] = analysis.stable;
    json["magnitudeDb"] = analysis.magnitudeDb;
    json["phase"] = analysis.phase;
    json["groupDelay"] = analysis.groupDelay;
    json["impulse"] = ComplexList(analysis.impulse);
    return json.dump(2) + "\n";
}

std::string AnalysisCsvText(const FilterAnalysis& analysis)
{
    std::string text = "w,magnitude_db,phase,group_delay\n";
    const int points = static_cast<int>(analysis.magnitudeDb.size());
    for (int k = 0; k < points; ++k) {
        const std::size_t i = static_cast<std::size_t>(k);
        AppendCell(text, polezero::AnalysisFrequency(k, points));
        text += ',';
        AppendCell(text, analysis.magnitudeDb[i]);
        text += ',';
        AppendCell(text, analysis.phase[i]);
        text += ',';
        AppendCell(text, analysis.groupDelay[i]);
        text += '\n';
    }
    return text;
}

void WriteDesignAnalysis(OutputSet& outputs, const AnalysisRequest& request,
                         std::span<const polezero::PixelPoint> zeros,
                         std::span<const polezero::PixelPoint> poles)
{
    if (!request.Wanted()) {
        return;
    }
    // Open first: a name that cannot be written fails before the work.
    PendingFile* json = request.json.empty() ? nullptr : &outputs.Add(request.json);
    PendingFile* csv = request.csv.empty() ? nullptr : &outputs.Add(request.csv);
    PendingFile* picture = request.picture.empty() ? nullptr : &outputs.Add(request.picture);
    const FilterAnalysis analysis =
        polezero::AnalyseDesign(zeros, poles, request.points, request.impulse);
    if (json != nullptr) {
        json->Write(AnalysisJsonText(analysis));
    }
    if (csv != nullptr) {
        csv->Write(AnalysisCsvText(analysis));
    }
    if (picture != nullptr) {
        WriteAnalysisPicture(*picture, request, zeros, poles);
    }
}
