// Speed of the pictures' other formats and scales:
// - `vorlen-render all` writing PNG, SVG, PDF and PNG at scale 2, side by
//   side in one run (every analysis picture with its dump, files synced to
//   disk as the program does);
// - the main window's redraw of each analysis at a desktop scale of 2: the
//   view drawn through the vector path over the plot area's raster at its
//   smallest size for that scale (3600 x 1400), at the view's heaviest
//   setting (L = 15, M = 1, df = 0.035).
// Run with --benchmark_repetitions=10 for medians.
#include <benchmark/benchmark.h>

#include <stdlib.h>

#include <cstddef>
#include <filesystem>
#include <sstream>
#include <string>
#include <vector>

#include "cli/render.h"
#include "dsp/signals.h"
#include "picture/cairo/scaled_picture.h"
#include "picture/raster.h"
#include "tests/support/test_tools.h"
#include "views/analysis_views.h"
#include "views/plot_area.h"
#include "workspace/workspace.h"

namespace {

namespace fs = std::filesystem;

// Arguments: 0 png, 1 svg, 2 pdf, 3 png at scale 2.
void BM_RenderAll(benchmark::State& state)
{
    static const char* const kFormats[] = {"png", "svg", "pdf", "png"};
    const auto which = static_cast<std::size_t>(state.range(0));
    std::string folder = (fs::temp_directory_path() / "vorlen-bench-XXXXXX").string();
    if (mkdtemp(folder.data()) == nullptr) {
        state.SkipWithError("cannot make a temporary folder");
        return;
    }
    std::vector<std::string> args{"vorlen-render", "all",      "--out-dir",
                                  folder,          "--format", kFormats[which]};
    if (which == 3) {
        args.insert(args.end(), {"--scale", "2"});
    }
    std::vector<const char*> argv;
    for (const std::string& arg : args) {
        argv.push_back(arg.c_str());
    }
    for (auto _ : state) {
        ResetWorkspace();
        std::ostringstream out;
        std::ostringstream err;
        if (RunRenderer(static_cast<int>(argv.size()), argv.data(), out, err) != kExitOk) {
            state.SkipWithError(err.str().c_str());
            break;
        }
    }
    fs::remove_all(folder);
    state.SetLabel(std::string(kFormats[which]) + (which == 3 ? " scale 2" : ""));
}
BENCHMARK(BM_RenderAll)->DenseRange(0, 3)->Unit(benchmark::kMillisecond);

// Argument: index of the view in AnalysisViews().
void BM_RedrawAtScale2(benchmark::State& state)
{
    const AnalysisView& view = AnalysisViews()[static_cast<std::size_t>(state.range(0))];
    ResetWorkspace();
    GenerateThreeCosines();
    g_interpolationFactor = 15;
    g_decimationFactor = 1;
    g_transitionWidth = 0.035f;
    constexpr int kScale = 2;
    Raster raster(kPlotAreaWidth * kScale, 700 * kScale, kBackground);
    auto draw = [&view](Surface& surface) { view.draw(surface, ViewOptions{}); };
    DrawAtScale(raster, kScale, TestTools().Tools(),
                draw);  // fonts and glyphs loaded once, as in the program
    for (auto _ : state) {
        DrawAtScale(raster, kScale, TestTools().Tools(), draw);
        benchmark::DoNotOptimize(raster.Bytes().data());
        benchmark::ClobberMemory();
    }
    state.SetLabel(std::string(view.name) + " heaviest");
}
BENCHMARK(BM_RedrawAtScale2)
    ->DenseRange(0, static_cast<int>(kAnalysisViewCount) - 1)
    ->Unit(benchmark::kMillisecond);

}  // namespace
