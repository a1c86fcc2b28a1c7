// One press in the pole-zero designer: the new marker's factor applied to
// the 600 response samples, then both pictures redrawn, on designs of a few
// and of many markers.
#include <benchmark/benchmark.h>

#include "core/workspace.h"
#include "polezero/session.h"

namespace {

// A press on a design that already holds `markers` zeros and poles.
void BM_Press(benchmark::State& state)
{
    const int markers = static_cast<int>(state.range(0));
    ResetWorkspace();
    polezero::DesignerSession session(false);
    for (int i = 0; i < markers; ++i) {
        i % 2 == 0 ? session.PlaceZeros() : session.PlacePoles();
        session.Press(40 + (i * 37) % 200, 30 + (i * 53) % 200);
    }
    session.PlaceZeros();
    const std::int32_t zeros = g_zeroCount;
    const auto response = g_response;
    for (auto _ : state) {
        state.PauseTiming();
        g_zeroCount = zeros;
        g_response = response;
        state.ResumeTiming();
        benchmark::DoNotOptimize(session.Press(150, 100));
    }
}
BENCHMARK(BM_Press)->Arg(0)->Arg(4)->Arg(400)->Unit(benchmark::kMicrosecond);

// The pointer read-out of one move.
void BM_Move(benchmark::State& state)
{
    ResetWorkspace();
    polezero::DesignerSession session(false);
    for (auto _ : state) {
        session.Move(70, 70);
        benchmark::DoNotOptimize(session.Readout());
    }
}
BENCHMARK(BM_Move)->Unit(benchmark::kMicrosecond);

}  // namespace
