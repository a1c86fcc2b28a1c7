#include "views/stem_plot.h"

#include <algorithm>
#include <cmath>
#include <cstddef>

#include "workspace/number_text.h"

namespace {

constexpr int kArrowLength = 10;  // rows (or columns) of an arrow head
constexpr int kArrowSlope = 3;    // the head widens one pixel every 3 pixels
constexpr int kPeakLabelX = 5;
constexpr int kPeakLabelRise = 130;     // the label's top is this far above the baseline
constexpr int kLabelDrop = 2;           // labels start two rows under the axis
constexpr int kCountLabelOffset = 50;   // count label at count * step + 50
constexpr int kSampleLabelOffset = 55;  // sample k's number at k * step + 55
constexpr int kLabelsPerPlot = 10;
// The ellipse box spans [e + 58, e + 63) around the stem at e + 60.
constexpr double kEllipseLeft = 58.0;
constexpr double kEllipseRight = 63.0;
constexpr double kEllipseHalf = 2.0;  // box top/bottom relative to the stem's end

float ValueAt(std::span<const float> values, int i)
{
    return static_cast<std::size_t>(i) < values.size() ? values[static_cast<std::size_t>(i)] : 0.0f;
}

void DrawAxes(Surface& surface, int y)
{
    for (int x = kPlotLeft; x <= kPlotAxisRight; ++x) {
        surface.SetPixel(x, y, kBlue);
    }
    for (int j = 0; j < kVerticalAxisHeight; ++j) {
        surface.SetPixel(kPlotLeft, y - j, kBlue);
    }
    // Both heads: tip first, widening by one pixel every three.
    for (int k = 0; k < kArrowLength; ++k) {
        const int t = k / kArrowSlope;
        const int row = y - kVerticalAxisHeight + k;
        surface.SetPixel(kPlotLeft + t, row, kBlue);
        surface.SetPixel(kPlotLeft - t, row, kBlue);
        const int column = kPlotAxisRight + 1 - k;
        surface.SetPixel(column, y + t, kBlue);
        surface.SetPixel(column, y - t, kBlue);
    }
}

// The pixel step: 600 / count in integers, at least 1. A count of 0 has no
// samples to space; any finite step puts its count label at x = 50.
float PixelStep(int count)
{
    if (count <= 0) {
        return static_cast<float>(kPlotWidth);
    }
    return static_cast<float>(std::max(kPlotWidth / count, 1));
}

// Every count / 10 samples, up to 9 count / 10 inclusive. Below 10 samples
// the step would be 0: every sample gets its number instead.
void DrawSampleLabels(Surface& surface, int y, int count, float step)
{
    if (count <= 0) {
        return;
    }
    const int every = std::max(count / kLabelsPerPlot, 1);
    const int limit = (9 * count) / kLabelsPerPlot + 1;
    for (int k = 0; k < limit; k += every) {
        const int x = static_cast<int>(static_cast<double>(k) * step + kSampleLabelOffset);
        surface.TextOut(x, y + kLabelDrop, FormatCountLabel(k));
    }
}

void DrawStem(Surface& surface, int y, int i, float step, float h)
{
    const float offset = static_cast<float>(static_cast<double>(i) * step);
    const int x = kPlotLeft + static_cast<int>(offset);
    const int left = static_cast<int>(offset + kEllipseLeft);
    const int right = static_cast<int>(offset + kEllipseRight);
    const double top = static_cast<double>(y) - h;  // the stem's far end, as a row
    if (h > 0.0f) {
        for (int j = 0; j <= h; ++j) {
            surface.SetPixel(x, y - j, kBlack);
        }
        // Centred on the stem's upper end.
        surface.Ellipse(left, static_cast<int>(top - kEllipseHalf), right,
                        static_cast<int>(top + kEllipseHalf));
    } else {
        for (int j = 0; j <= -h; ++j) {
            surface.SetPixel(x, y + j, kBlack);
        }
        // Hanging below the stem's lower end (a zero stem's box is y..y+4).
        surface.Ellipse(left, static_cast<int>(top), right,
                        static_cast<int>(top + 2 * kEllipseHalf));
    }
}

}  // namespace

float LargestMagnitude(std::span<const float> values, int count)
{
    const int available =
        static_cast<int>(std::min<std::size_t>(values.size(), std::max(count, 0)));
    float m = 0.0f;
    for (int i = 0; i < available; ++i) {
        const float v = values[static_cast<std::size_t>(i)];
        if (v > m) {
            m = v;
        } else if (-v > m) {
            m = -v;
        }
    }
    return m;
}

float StemHeight(float value, float largest)
{
    if (std::isnan(value) || largest == 0.0f) {
        return 0.0f;
    }
    if (std::isinf(value)) {
        return std::copysign(static_cast<float>(kStemFullHeight), value);
    }
    // h = (v 120) / m; |v| <= m, so |h| <= 120 (and 0 when m is infinite).
    return static_cast<float>((static_cast<double>(value) * kStemFullHeight) / largest);
}

void DrawStemPlot(Surface& surface, std::span<const float> values, int baseline, int count)
{
    count = std::max(count, 0);
    const int y = baseline;
    DrawAxes(surface, y);

    const float m = LargestMagnitude(values, count);
    surface.TextOut(kPeakLabelX, y - kPeakLabelRise, FormatPeakLabel(m));

    const float step = PixelStep(count);
    const int countX = static_cast<int>(static_cast<double>(count) * step + kCountLabelOffset);
    surface.TextOut(countX, y + kLabelDrop, FormatCountLabel(count));
    DrawSampleLabels(surface, y, count, step);

    for (int i = 0; i < count; ++i) {
        DrawStem(surface, y, i, step, StemHeight(ValueAt(values, i), m));
    }
}
