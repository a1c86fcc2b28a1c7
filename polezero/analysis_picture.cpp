#include "polezero/analysis_picture.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <numbers>
#include <string>
#include <vector>

#include "language/language.h"
#include "plot/plot_axis.h"
#include "polezero/analysis_panel.h"

namespace polezero {

namespace {

constexpr double kPi = std::numbers::pi;
constexpr double kHalfPowerDb = -3.0;
constexpr double kDeepestDb = 70.0;  // the magnitude plot shows at most this far below its top
constexpr double kShallowestDb = 20.0;
constexpr double kHeadroom = 0.05;  // of the magnitude plot's span, above the top
constexpr int kTitleGap = 5;        // between a plot's title and its box
constexpr int kLegendLine = 16;     // the -3 dB legend's sample of the line

PlotBox Box(int left, int top)
{
    return PlotBox{left, top, kAnalysisPlotSize, kAnalysisPlotSize};
}

// Whether the root c lies on the unit circle exactly at w_k = 2 pi k / N.
// Only 1, j, -1 and -j can: their parts are exact in the analysis, and they
// sit at quarter turns q with 4 k = q N.
bool RootAtSample(std::complex<double> c, std::size_t k, std::size_t points)
{
    constexpr std::complex<double> kQuarterTurns[] = {
        {1.0, 0.0}, {0.0, 1.0}, {-1.0, 0.0}, {0.0, -1.0}};
    for (std::size_t q = 0; q < 4; ++q) {
        if (c == kQuarterTurns[q] && 4 * k == q * points) {
            return true;
        }
    }
    return false;
}

// The magnitude as the plot shows it: where the analysis has no value
// because more zeros than poles lie on that frequency, |H| = 0, -inf dB,
// and the curve drops to the plot's floor; where more poles do, +inf dB,
// and it rises to the top. (The analysis cancels a zero and a pole in one
// place.)
std::vector<double> PlottedMagnitude(const FilterAnalysis& analysis)
{
    std::vector<double> db = analysis.magnitudeDb;
    const std::size_t points = db.size();
    for (std::size_t k = 0; k < points; ++k) {
        if (!std::isnan(db[k])) {
            continue;
        }
        const auto at = [&](const std::complex<double>& root) {
            return RootAtSample(root, k, points);
        };
        const auto order = std::count_if(analysis.zeros.begin(), analysis.zeros.end(), at) -
                           std::count_if(analysis.poles.begin(), analysis.poles.end(), at);
        if (order != 0) {
            db[k] = order > 0 ? -std::numeric_limits<double>::infinity()
                              : std::numeric_limits<double>::infinity();
        }
    }
    return db;
}

// The top is the largest value, or 0 dB when the largest lies less than
// 20 dB below 0 dB (the grid may just miss the designer's peak, which the
// gain makes 0 dB), with room above so that a flat response does not run along
// the frame. A magnitude that drops to -inf anywhere is shown down to the
// deepest floor, so that the notch reads as the bottomless one it is; that
// floor is the plot's bottom edge.
Axis MagnitudeAxis(const std::vector<double>& db)
{
    const ValueSpan data = FiniteSpan(db);
    if (!std::isfinite(data.high)) {
        return FitAxis(-kShallowestDb, 0.0, kShallowestDb, AxisUnit::Plain);
    }
    const bool bottomless = std::any_of(
        db.begin(), db.end(), [](double value) { return std::isinf(value) && value < 0.0; });
    const double top = data.high >= -kShallowestDb ? std::max(data.high, 0.0) : data.high;
    // Room below only when the floor is the data's own: a floor at the
    // deepest level is the edge the lower values are clipped at.
    const bool clipped = bottomless || data.low < top - kDeepestDb;
    const double floor = clipped ? top - kDeepestDb : std::min(data.low, top - kShallowestDb);
    const double room = kHeadroom * (top - floor);
    return FitAxis(clipped ? floor : floor - room, top + room, kShallowestDb, AxisUnit::Plain, 0.0);
}

Axis ImpulseAxis(const std::vector<double>& h)
{
    const ValueSpan data = FiniteSpan(h);
    const double low = std::isfinite(data.low) ? std::min(data.low, 0.0) : 0.0;
    const double high = std::isfinite(data.high) ? std::max(data.high, 0.0) : 0.0;
    const double size = std::max(std::abs(low), std::abs(high));
    return FitAxis(low, high, size > 0.0 ? size : 1.0, AxisUnit::Plain);
}

std::vector<double> RealParts(const std::vector<std::complex<double>>& values)
{
    std::vector<double> real;
    real.reserve(values.size());
    for (const auto& value : values) {
        real.push_back(value.real());
    }
    return real;
}

// The frequency of sample k of an N-sample grid is 2 pi k / N.
double FrequencyStep(const std::vector<double>& values)
{
    return values.empty() ? 0.0 : 2.0 * kPi / static_cast<double>(values.size());
}

void DrawTitle(Surface& surface, const PlotFrame& plot, const std::string& serbian)
{
    const std::string_view title = Tr(serbian);
    surface.TextOut(plot.Box().left, plot.Box().top - kTitleGap - surface.MeasureText(title).height,
                    title);
}

// "---- -3 dB" at the right end of the magnitude plot's title row, the line
// in the colour of the level it names.
void DrawHalfPowerLegend(Surface& surface, const PlotFrame& plot)
{
    const std::string text = "-3 dB";
    const TextExtent extent = surface.MeasureText(text);
    const int top = plot.Box().top - kTitleGap - extent.height;
    const int textLeft = plot.Box().Right() - extent.width;
    const int lineRow = top + extent.height / 2;
    surface.FillRect(textLeft - 4 - kLegendLine, lineRow, textLeft - 4, lineRow + 1, kRed);
    surface.TextOut(textLeft, top, text);
}

void DrawPanel(Surface& surface, const FilterAnalysis& analysis)
{
    const int lineHeight = surface.MeasureText("").height;
    const int maxLines = (kAnalysisPictureHeight - 2 * kAnalysisPanelTop) / lineHeight;
    int row = kAnalysisPanelTop;
    for (const std::string& line : AnalysisPanelLines(analysis, maxLines)) {
        if (!line.empty()) {
            surface.TextOut(kAnalysisPanelLeft, row, line);
        }
        row += lineHeight;
    }
}

}  // namespace

AnalysisPlots LayOutAnalysisPlots(const FilterAnalysis& analysis)
{
    const ValueSpan phase = FiniteSpan(analysis.phase);
    const std::vector<double> magnitude = PlottedMagnitude(analysis);
    const ValueSpan delay = SpikeTolerantSpan(analysis.groupDelay);
    return AnalysisPlots{
        PlotFrame(Box(kAnalysisLeftColumn, kAnalysisTopRow), FrequencyAxis(),
                  MagnitudeAxis(magnitude)),
        PlotFrame(Box(kAnalysisRightColumn, kAnalysisTopRow), FrequencyAxis(),
                  FitAxis(phase.low, phase.high, kPi, AxisUnit::Pi)),
        PlotFrame(Box(kAnalysisLeftColumn, kAnalysisBottomRow), FrequencyAxis(),
                  FitAxis(delay.low, delay.high, 2.0, AxisUnit::Plain)),
        PlotFrame(
            Box(kAnalysisRightColumn, kAnalysisBottomRow),
            SampleAxis(static_cast<int>(std::min<std::size_t>(analysis.impulse.size(), 1 << 20))),
            ImpulseAxis(RealParts(analysis.impulse))),
    };
}

void DrawDesignAnalysis(Surface& surface, const FilterAnalysis& analysis)
{
    surface.FillRect(0, 0, kAnalysisPictureWidth, kAnalysisPictureHeight, kWhite);
    const AnalysisPlots plots = LayOutAnalysisPlots(analysis);
    const std::string frequency = "w [rad]";

    // The right column first: a tick label too wide for the space between
    // the columns then reaches under the left plot's frame, never over it.
    plots.phase.DrawAxes(surface, frequency);
    plots.phase.DrawCurve(surface, analysis.phase, 0.0, FrequencyStep(analysis.phase));
    DrawTitle(surface, plots.phase, N_("Faza, odmotana [rad]"));

    plots.impulse.DrawAxes(surface, "n");
    plots.impulse.DrawLevel(surface, 0.0, kBlue);
    plots.impulse.DrawStems(surface, RealParts(analysis.impulse));
    DrawTitle(surface, plots.impulse,
              analysis.realCoefficients ? N_("Impulsni odziv h(n)")
                                        : N_("Impulsni odziv, Re h(n)"));

    plots.magnitude.DrawAxes(surface, frequency);
    plots.magnitude.DrawLevel(surface, kHalfPowerDb, kRed);
    const std::vector<double> magnitude = PlottedMagnitude(analysis);
    plots.magnitude.DrawCurve(surface, magnitude, 0.0, FrequencyStep(magnitude));
    DrawTitle(surface, plots.magnitude, N_("Amplituda [dB]"));
    DrawHalfPowerLegend(surface, plots.magnitude);

    plots.delay.DrawAxes(surface, frequency);
    plots.delay.DrawCurve(surface, analysis.groupDelay, 0.0, FrequencyStep(analysis.groupDelay));
    DrawTitle(surface, plots.delay, N_("Grupno kasnjenje [odbirci]"));

    DrawPanel(surface, analysis);
}

void DrawDesignAnalysis(Surface& surface, std::span<const PixelPoint> zeros,
                        std::span<const PixelPoint> poles)
{
    DrawDesignAnalysis(
        surface, AnalyseDesign(zeros, poles, kAnalysisPicturePoints, kAnalysisPictureImpulse));
}

}  // namespace polezero
