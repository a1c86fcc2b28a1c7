// Speed of every analysis command as the menu runs it: computing from the
// workspace and drawing into a plot-area raster. Each runs at the defaults
// and at its heaviest setting (L = 15, M = 1, df = 0.035: 1500-point
// transforms and the longest filter), once with the program's DFT and once
// with the term-by-term reference transform for comparison.
#include <benchmark/benchmark.h>

#include <cstddef>
#include <string>

#include "dsp/dft.h"
#include "dsp/signals.h"
#include "picture/raster.h"
#include "picture/surface.h"
#include "tests/support/test_tools.h"
#include "views/analysis_views.h"
#include "views/plot_area.h"
#include "workspace/workspace.h"

namespace {

enum Setting { kDefaults = 0, kHeaviest = 1 };
enum Transform { kProgramDft = 0, kLiteralDft = 1 };

void Prepare(Setting setting)
{
    ResetWorkspace();
    GenerateThreeCosines();
    if (setting == kHeaviest) {
        g_interpolationFactor = 15;
        g_decimationFactor = 1;
        g_transitionWidth = 0.035f;
    }
}

// Arguments: index of the view in AnalysisViews(), setting, transform.
void BM_AnalysisView(benchmark::State& state)
{
    const AnalysisView& view = AnalysisViews()[static_cast<std::size_t>(state.range(0))];
    Prepare(static_cast<Setting>(state.range(1)));
    const ViewOptions options{nullptr,
                              state.range(2) == kLiteralDft ? ComputeDftLiteral : ComputeDft};
    Raster raster(kPlotAreaWidth, kPlotAreaHeight, kBackground);
    Surface surface(raster, TestFont());
    view.draw(surface, options);  // the font's glyphs are loaded once, as in the program
    for (auto _ : state) {
        view.draw(surface, options);
        benchmark::DoNotOptimize(raster.Bytes().data());
        benchmark::ClobberMemory();
    }
    state.SetLabel(std::string(view.name) +
                   (state.range(1) == kHeaviest ? " heaviest" : " defaults") +
                   (state.range(2) == kLiteralDft ? " literal-dft" : ""));
}

void AllViews(benchmark::internal::Benchmark* b)
{
    for (int transform : {kProgramDft, kLiteralDft}) {
        for (int view = 0; view < static_cast<int>(kAnalysisViewCount); ++view) {
            for (int setting : {kDefaults, kHeaviest}) {
                b->Args({view, setting, transform});
            }
        }
    }
}

BENCHMARK(BM_AnalysisView)->Apply(AllViews)->Unit(benchmark::kMillisecond);

}  // namespace
