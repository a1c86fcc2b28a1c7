// Speed of the signal-processing core: the table-driven DFT beside its
// term-by-term reference at the sizes the views use, and the longest filter
// on the longest input.
#include <benchmark/benchmark.h>

#include <cmath>
#include <vector>

#include "dsp/dft.h"
#include "dsp/lowpass.h"
#include "workspace/workspace.h"

namespace {

// The three-cosine test signal stretched to `count` samples: a dense
// spectrum-free of special structure, like the views' up-sampled signals.
std::vector<float> TestSignal(int count)
{
    std::vector<float> x(static_cast<std::size_t>(count));
    for (int n = 0; n < count; ++n) {
        const double t = 0.5 * n;
        x[static_cast<std::size_t>(n)] =
            static_cast<float>(std::cos(t * 0.12566370614359174) +
                               std::cos(t * 1.2566370614359172) + std::cos(t * 2.5132741228718345));
    }
    return x;
}

void BM_ComputeDft(benchmark::State& state)
{
    const int count = static_cast<int>(state.range(0));
    const std::vector<float> x = TestSignal(count);
    for (auto _ : state) {
        ComputeDft(x, count);
        benchmark::DoNotOptimize(g_spectrum.data());
        benchmark::ClobberMemory();
    }
}
BENCHMARK(BM_ComputeDft)->Arg(100)->Arg(1500)->Unit(benchmark::kMillisecond);

void BM_ComputeDftLiteral(benchmark::State& state)
{
    const int count = static_cast<int>(state.range(0));
    const std::vector<float> x = TestSignal(count);
    for (auto _ : state) {
        ComputeDftLiteral(x, count);
        benchmark::DoNotOptimize(g_spectrum.data());
        benchmark::ClobberMemory();
    }
}
BENCHMARK(BM_ComputeDftLiteral)->Arg(100)->Arg(1500)->Unit(benchmark::kMillisecond);

// The largest filtering any view asks for: L = 15 up-sampled input, df at the
// dialogs' minimum 0.035 (n = 94, 95 taps).
void BM_LowPassFilter(benchmark::State& state)
{
    const std::vector<float> x = TestSignal(1500);
    std::vector<float> y(3000);
    for (auto _ : state) {
        LowPassFilter(x, y, 1500, 0.035f, 1.5707964f);
        benchmark::DoNotOptimize(y.data());
        benchmark::ClobberMemory();
    }
}
BENCHMARK(BM_LowPassFilter)->Unit(benchmark::kMillisecond);

}  // namespace
