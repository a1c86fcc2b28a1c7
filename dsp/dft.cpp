#include "dsp/dft.h"

#include <algorithm>
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <vector>

#include "portable_math.h"

#include "dsp/dft_tables.h"

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

namespace {

// The built-in length N, or nullptr.
const dft_tables::Length* BuiltInLength(int count)
{
    const auto& lengths = dft_tables::kLengths;
    const auto found = std::lower_bound(
        lengths.begin(), lengths.end(), count,
        [](const dft_tables::Length& length, int value) { return length.count < value; });
    return found != lengths.end() && found->count == count ? &*found : nullptr;
}

int SamplesToRead(std::span<const float> samples, int count)
{
    return static_cast<int>(std::min<std::size_t>(samples.size(), static_cast<std::size_t>(count)));
}

// One partial sum: the product and the sum in double, rounded to float.
//
// The sum is held in a float, not in a double that holds a float's value:
// GCC 12's SLP vectoriser pairs the re and im chains of a double
// accumulator and then drops the double -> float -> double round trip of
// each term, so tiny terms that must vanish would add up. A float
// accumulator makes the rounding part of the type, which no optimiser may
// drop.
float AddTerm(float sum, double x, double trig)
{
    return static_cast<float>(static_cast<double>(sum) + x * trig);
}

struct alignas(16) Twiddle {
    double c;
    double s;
};

// cos and sin of 2 pi j / N for j = 0..N-1, kept for the last N asked for:
// views transform the same length several times in a row. Every transform
// runs on the one user-interface thread, so the cache needs no lock.
//
// The second half mirrors the first (entry N - j is the conjugate of entry
// j, and sin(pi) is its exact 0), so that bins k and N - k of a real signal
// come out exact conjugates of each other and only half need computing.
const Twiddle* TwiddlesFor(int count)
{
    static std::vector<Twiddle> table;
    static int tableCount = 0;
    if (tableCount != count) {
        table.resize(static_cast<std::size_t>(count));
        for (int j = 0; 2 * j <= count; ++j) {
            const UnitRoot root = TransformRoot(count, j);
            table[j] = Twiddle{root.c, root.s};
        }
        if (count % 2 == 0) {
            table[count / 2].s = 0.0;
        }
        for (int j = 1; 2 * j < count; ++j) {
            table[count - j] = Twiddle{table[j].c, -table[j].s};
        }
        tableCount = count;
    }
    return table.data();
}

void StoreBin(int k, float re, float im)
{
    g_spectrum[k] = SpectrumEntry{re, im};
}

// Bins firstBin .. firstBin + B - 1 side by side: each bin's float-rounded
// sums form a serial chain of dependent additions, so running B independent
// chains at once keeps the processor busy. Term (k, n) uses table entry
// (k n) mod N, stepped by k from one n to the next.
#if defined(__SSE2__)
// Baseline on every x86-64: re and im of one bin share a register, so one
// load, multiply, add and round-trip through float handle both sums.
template <int B>
void AccumulateBins(const float* x, int samples, int count, const Twiddle* table, int firstBin)
{
    __m128d sum[B];
    int index[B];
    for (int b = 0; b < B; ++b) {
        sum[b] = _mm_setzero_pd();
        index[b] = 0;
    }
    for (int n = 0; n < samples; ++n) {
        const __m128d xn = _mm_set1_pd(static_cast<double>(x[n]));
        // Unrolled so that the B sums and indices stay in registers.
#if defined(__clang__)
#pragma unroll
#else
#pragma GCC unroll 16
#endif
        for (int b = 0; b < B; ++b) {
            const __m128d term = _mm_mul_pd(xn, _mm_load_pd(&table[index[b]].c));
            sum[b] = _mm_cvtps_pd(_mm_cvtpd_ps(_mm_add_pd(sum[b], term)));
            index[b] += firstBin + b;
            if (index[b] >= count) {
                index[b] -= count;
            }
        }
    }
    for (int b = 0; b < B; ++b) {
        alignas(16) double pair[2];
        _mm_store_pd(pair, sum[b]);
        // Each lane already holds a float's value: exact.
        StoreBin(firstBin + b, static_cast<float>(pair[0]), static_cast<float>(pair[1]));
    }
}
#else
template <int B>
void AccumulateBins(const float* x, int samples, int count, const Twiddle* table, int firstBin)
{
    float re[B] = {};
    float im[B] = {};
    int index[B] = {};
    for (int n = 0; n < samples; ++n) {
        const double xn = x[n];
        for (int b = 0; b < B; ++b) {
            const Twiddle t = table[index[b]];
            re[b] = AddTerm(re[b], xn, t.c);
            im[b] = AddTerm(im[b], xn, t.s);
            index[b] += firstBin + b;
            if (index[b] >= count) {
                index[b] -= count;
            }
        }
    }
    for (int b = 0; b < B; ++b) {
        StoreBin(firstBin + b, re[b], im[b]);
    }
}
#endif

}  // namespace

UnitRoot TransformRoot(int count, int j)
{
    const dft_tables::Length* length = BuiltInLength(count);
    if (length != nullptr && j >= 0 && 2 * j <= count) {
        const std::size_t entry = static_cast<std::size_t>(length->first + j * length->stride);
        return UnitRoot{dft_tables::kCosines[entry], dft_tables::kSines[entry]};
    }
    const double angle = TransformAngle(2 * static_cast<std::int64_t>(j), count);
    return UnitRoot{portable::Cos(angle), portable::Sin(angle)};
}

bool HasBuiltInRoots(int count)
{
    return BuiltInLength(count) != nullptr;
}

void ComputeDftLiteral(std::span<const float> samples, int count)
{
    const int bins = std::min(count, kSpectrumCapacity);
    const int available = SamplesToRead(samples, std::max(count, 0));
    for (int k = 0; k < bins; ++k) {
        float re = 0.0f;
        float im = 0.0f;
        // Terms past the given samples add x = 0, which leaves a sum unchanged.
        for (int n = 0; n < available; ++n) {
            const double angle = TransformAngle(2 * static_cast<std::int64_t>(k) * n, count);
            re = AddTerm(re, samples[n], portable::Cos(angle));
            im = AddTerm(im, samples[n], portable::Sin(angle));
        }
        StoreBin(k, re, im);
    }
}

void ComputeDft(std::span<const float> samples, int count)
{
    if (count <= 0) {
        return;
    }
    if (count > kSpectrumCapacity) {
        // Never asked for by the program; a table of N entries would be
        // wasted on the 1500 bins that fit.
        ComputeDftLiteral(samples, count);
        return;
    }
    const Twiddle* table = TwiddlesFor(count);
    const int available = SamplesToRead(samples, count);
    const float* x = samples.data();

    // X(N - k) is the conjugate of X(k) for real x: compute k = 0..N/2.
    const int half = count / 2 + 1;
    int k = 0;
    for (; k + 8 <= half; k += 8) {
        AccumulateBins<8>(x, available, count, table, k);
    }
    for (; k + 4 <= half; k += 4) {
        AccumulateBins<4>(x, available, count, table, k);
    }
    for (; k < half; ++k) {
        AccumulateBins<1>(x, available, count, table, k);
    }
    for (k = half; k < count; ++k) {
        const SpectrumEntry mirror = g_spectrum[count - k];
        g_spectrum[k] = SpectrumEntry{mirror.re, -mirror.im};
    }
}

float Magnitude(SpectrumEntry entry)
{
    const double re = entry.re;
    const double im = entry.im;
    return static_cast<float>(std::sqrt(im * im + re * re));
}

void SpectrumMagnitudes(std::span<float> magnitudes, int count)
{
    const int limit = static_cast<int>(std::min<std::size_t>(magnitudes.size(), kSpectrumCapacity));
    for (int k = 0; k < std::min(count, limit); ++k) {
        magnitudes[k] = Magnitude(g_spectrum[k]);
    }
}
