// The direct discrete Fourier transform of a real sequence, and the
// magnitude step every frequency-domain picture applies to its result.
#pragma once

#include <cstdint>
#include <numbers>
#include <span>

#include "workspace/workspace.h"

// X(k) = sum over n of x(n) (cos(2 pi k n / N) + j sin(2 pi k n / N)),
// k = 0..N-1, written to g_spectrum[k]; entries from N on keep what they held.
// The imaginary part accumulates +x sin, so X(k) is the complex conjugate of
// the usual forward transform; the magnitude is the same.
//
// Each partial sum of re and im is rounded to float after every term, as a
// float accumulator would. Samples past the end of `samples` count as zero
// and are never read. N <= 0 writes nothing; for N above the 1500 entries of
// g_spectrum only X(0)..X(1499) of the N-point transform are written.
//
// Direct O(N^2), but the sines and cosines come from a table of the N-th
// roots of unity (TransformRoot), so the result may differ from
// ComputeDftLiteral in the last bits of each partial sum.
void ComputeDft(std::span<const float> samples, int count);

// The angle of term (k, n) of an N-point transform: (m pi) / N with
// m = 2 k n, in this order of operations.
inline double TransformAngle(std::int64_t m, int count)
{
    return (static_cast<double>(m) * std::numbers::pi) / count;
}

// cos and sin of TransformAngle(2 j, N) for 0 <= j <= N / 2: the C
// library's values on the desktop, the half of the N-th roots of unity that
// ComputeDft mirrors into the other half. For every length the views
// transform (floor(100 L / M), L and M from 1 to kLargestFactor) they are
// built into the program, tabulated when it was built, so that the
// transform gives the same bits wherever it runs; other lengths compute
// them on the spot.
struct UnitRoot {
    double c;
    double s;
};
UnitRoot TransformRoot(int count, int j);

// Whether the roots of an N-point transform are built into the program.
bool HasBuiltInRoots(int count);

// The same transform evaluated term by term: angle = (2 k n pi) / N, then
// its cosine and sine, for every one of the N^2 terms. The reference for
// ComputeDft in tests and benchmarks; the program does not call it.
void ComputeDftLiteral(std::span<const float> samples, int count);

// |X(k)| = sqrt(im im + re re) in double, rounded to float.
float Magnitude(SpectrumEntry entry);

// magnitudes[k] = |X(k)| of g_spectrum for k = 0..count-1, stopping at the end
// of `magnitudes` and of g_spectrum; count <= 0 writes nothing.
void SpectrumMagnitudes(std::span<float> magnitudes, int count);
