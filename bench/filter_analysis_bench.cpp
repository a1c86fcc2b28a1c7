// Speed of the analysis of a pole-zero design: 10 zeros and 10 poles (five
// conjugate pairs each), the frequency response on 600 and on 65536 points,
// and 64 samples of the impulse response.
#include <benchmark/benchmark.h>

#include <string>
#include <vector>

#include "polezero/filter_analysis.h"

using polezero::PixelPoint;

namespace {

using namespace polezero;

void BM_AnalyseDesign(benchmark::State& state)
{
    std::vector<PixelPoint> zeros;
    std::vector<PixelPoint> poles;
    for (int i = 0; i < 5; ++i) {
        zeros.push_back({100 + 12 * i, 80 + 5 * i});
        zeros.push_back({100 + 12 * i, 180 - 5 * i});
        poles.push_back({140 + 8 * i, 100 + 4 * i});
        poles.push_back({140 + 8 * i, 160 - 4 * i});
    }
    const int points = static_cast<int>(state.range(0));
    for (auto _ : state) {
        FilterAnalysis analysis = AnalyseDesign(zeros, poles, points, kDefaultImpulseLength);
        benchmark::DoNotOptimize(analysis.groupDelay.data());
    }
    state.SetLabel("20 markers, " + std::to_string(points) + " points");
}

}  // namespace

BENCHMARK(BM_AnalyseDesign)->Arg(600)->Arg(65536)->Unit(benchmark::kMillisecond);
