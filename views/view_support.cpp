#include "views/view_support.h"

#include <algorithm>

#include "dsp/lowpass.h"
#include "views/stem_plot.h"
#include "workspace/workspace.h"

namespace {
constexpr int kTitleX = 250;
// 100 L samples fill the 1500 of g_upsampled.
static_assert(kSignalLength * kLargestFactor <= kUpsampledCapacity);
}  // namespace

void DrawTitle(Surface& surface, int y, std::string_view text)
{
    // The picture shows the title in the current language; the record keeps
    // the Serbian id.
    surface.TextOut(kTitleX, y, Tr(text));
}

void DrawPlot(Surface& surface, const ViewOptions& options, std::string_view title,
              std::span<const float> values, int baseline, int count)
{
    DrawStemPlot(surface, values, baseline, count);
    if (options.record == nullptr) {
        return;
    }
    PlotRecord plot;
    plot.title = title;
    plot.baseline = baseline;
    plot.count = std::max(count, 0);
    plot.peak = LargestMagnitude(values, count);
    plot.values.assign(static_cast<std::size_t>(plot.count), 0.0f);
    const std::size_t drawn = std::min(values.size(), plot.values.size());
    std::copy_n(values.begin(), drawn, plot.values.begin());
    options.record->plots.push_back(std::move(plot));
}

void FilterWithWorkspaceDesign(const ViewOptions& options, std::span<const float> input,
                               std::span<float> output, int length)
{
    LowPassFilter(input, output, length, g_transitionWidth, g_cutoff);
    if (options.record != nullptr) {
        options.record->designedFilter = true;
    }
}

void SpectrumOf(const ViewOptions& options, std::span<const float> samples, int count,
                std::span<float> magnitudes)
{
    options.transform(samples, count);
    SpectrumMagnitudes(magnitudes, count);
}

int ResamplingFactor(std::int32_t factor)
{
    return std::clamp<int>(factor, 0, kLargestFactor);
}
