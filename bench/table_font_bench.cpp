// The DFT view drawn with the picture font read by FreeType and with the
// glyph table made at build time: warm (every glyph already made, as in a
// running program) and cold (a new font for every picture, so that each
// glyph is rendered by FreeType or unpacked from the table again).
#include <benchmark/benchmark.h>

#include <memory>

#include "dsp/signals.h"
#include "picture/freetype_font.h"
#include "picture/raster.h"
#include "picture/surface.h"
#include "picture/table_font.h"
#include "tests/support/test_tools.h"
#include "views/analysis_views.h"
#include "views/plot_area.h"
#include "workspace/workspace.h"

namespace {

const AnalysisView& DftView()
{
    ResetWorkspace();
    GenerateThreeCosines();
    return AnalysisViews()[0];
}

void Warm(benchmark::State& state, const MonoFont& font)
{
    const AnalysisView& view = DftView();
    Raster raster(kPlotAreaWidth, kPlotAreaHeight, kBackground);
    Surface surface(raster, font);
    view.draw(surface, {});
    for (auto _ : state) {
        view.draw(surface, {});
        benchmark::DoNotOptimize(raster.Bytes().data());
        benchmark::ClobberMemory();
    }
}

template <typename MakeFont>
void Cold(benchmark::State& state, MakeFont make)
{
    const AnalysisView& view = DftView();
    Raster raster(kPlotAreaWidth, kPlotAreaHeight, kBackground);
    for (auto _ : state) {
        const std::unique_ptr<MonoFont> font = make();
        Surface surface(raster, *font);
        view.draw(surface, {});
        benchmark::DoNotOptimize(raster.Bytes().data());
        benchmark::ClobberMemory();
    }
}

void BM_DftViewFreeType(benchmark::State& state)
{
    Warm(state, TestFont());
}

void BM_DftViewTable(benchmark::State& state)
{
    const TableFont font;
    Warm(state, font);
}

void BM_DftViewFreeTypeCold(benchmark::State& state)
{
    Cold(state, [] { return FreeTypeFont::FromFile(TestFont().Path()); });
}

void BM_DftViewTableCold(benchmark::State& state)
{
    Cold(state, [] { return std::make_unique<TableFont>(); });
}

}  // namespace

BENCHMARK(BM_DftViewFreeType)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_DftViewTable)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_DftViewFreeTypeCold)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_DftViewTableCold)->Unit(benchmark::kMicrosecond);
