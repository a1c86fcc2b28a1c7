// The design analysis picture redrawn after a press: the design's analysis
// and the whole 800 x 600 picture, for an empty design, for 20 markers (a
// typical lecture design) and for the designer's full 499 + 499; and as the
// analysis window redraws it on a desktop at scale 2.
#include <benchmark/benchmark.h>

#include <string>
#include <vector>

#include "picture/cairo/scaled_picture.h"
#include "picture/raster.h"
#include "picture/surface.h"
#include "picture/text.h"
#include "polezero/analysis_picture.h"
#include "tests/support/test_tools.h"

using polezero::PixelPoint;

namespace {

// Markers spread over the design area, this many of each kind.
void SpreadMarkers(int perKind, std::vector<PixelPoint>& zeros, std::vector<PixelPoint>& poles)
{
    for (int i = 0; i < perKind; ++i) {
        zeros.push_back({40 + (i * 37) % 200, 30 + (i * 53) % 200});
        poles.push_back({45 + (i * 41) % 190, 35 + (i * 29) % 190});
    }
}

void BM_RedrawAnalysisPicture(benchmark::State& state)
{
    const int perKind = static_cast<int>(state.range(0));
    std::vector<PixelPoint> zeros;
    std::vector<PixelPoint> poles;
    SpreadMarkers(perKind, zeros, poles);
    Raster raster(polezero::kAnalysisPictureWidth, polezero::kAnalysisPictureHeight);
    Surface surface(raster, TestFont());
    // The font is loaded once per program, before any window draws.
    TestFont();
    for (auto _ : state) {
        polezero::DrawDesignAnalysis(surface, zeros, poles);
        benchmark::DoNotOptimize(raster.Bytes().data());
    }
    state.SetLabel(std::to_string(2 * perKind) + " markers");
}
BENCHMARK(BM_RedrawAnalysisPicture)->Arg(0)->Arg(10)->Arg(499)->Unit(benchmark::kMillisecond);

void BM_RedrawAnalysisPictureAtScale2(benchmark::State& state)
{
    std::vector<PixelPoint> zeros;
    std::vector<PixelPoint> poles;
    SpreadMarkers(static_cast<int>(state.range(0)), zeros, poles);
    constexpr int kScale = 2;
    Raster raster(polezero::kAnalysisPictureWidth * kScale,
                  polezero::kAnalysisPictureHeight * kScale);
    auto draw = [&](Surface& surface) { polezero::DrawDesignAnalysis(surface, zeros, poles); };
    DrawAtScale(raster, kScale, TestTools().Tools(),
                draw);  // fonts and glyphs loaded once, as in the program
    for (auto _ : state) {
        DrawAtScale(raster, kScale, TestTools().Tools(), draw);
        benchmark::DoNotOptimize(raster.Bytes().data());
    }
    state.SetLabel(std::to_string(2 * state.range(0)) + " markers, scale 2");
}
BENCHMARK(BM_RedrawAnalysisPictureAtScale2)->Arg(10)->Unit(benchmark::kMillisecond);

}  // namespace
