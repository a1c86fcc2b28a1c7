// The design analysis picture redrawn after a press: the design's analysis
// and the whole 800 x 600 picture, for an empty design, for 20 markers (a
// typical lecture design) and for the designer's full 499 + 499.
#include <benchmark/benchmark.h>

#include <string>
#include <vector>

#include "core/raster.h"
#include "core/surface.h"
#include "core/text.h"
#include "polezero/analysis_picture.h"

namespace {

void BM_RedrawAnalysisPicture(benchmark::State& state)
{
    const int perKind = static_cast<int>(state.range(0));
    std::vector<PixelPoint> zeros;
    std::vector<PixelPoint> poles;
    for (int i = 0; i < perKind; ++i) {
        zeros.push_back({40 + (i * 37) % 200, 30 + (i * 53) % 200});
        poles.push_back({45 + (i * 41) % 190, 35 + (i * 29) % 190});
    }
    Raster raster(polezero::kAnalysisPictureWidth, polezero::kAnalysisPictureHeight);
    Surface surface(raster);
    // The font is loaded once per program, before any window draws.
    MonoFont::Default();
    for (auto _ : state) {
        polezero::DrawDesignAnalysis(surface, zeros, poles);
        benchmark::DoNotOptimize(raster.Bytes().data());
    }
    state.SetLabel(std::to_string(2 * perKind) + " markers");
}
BENCHMARK(BM_RedrawAnalysisPicture)->Arg(0)->Arg(10)->Arg(499)->Unit(benchmark::kMillisecond);

}  // namespace
