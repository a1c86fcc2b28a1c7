// The direct discrete Fourier transform of a real sequence, and the
// magnitude step every frequency-domain picture applies to its result.
#pragma once

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
// roots of unity, so the result may differ from ComputeDftLiteral in the
// last bits of each partial sum.
void ComputeDft(std::span<const float> samples, int count);

// The same transform evaluated term by term: angle = (2 k n pi) / N, then
// its cosine and sine, for every one of the N^2 terms. The reference for
// ComputeDft in tests and benchmarks; the program does not call it.
void ComputeDftLiteral(std::span<const float> samples, int count);

// |X(k)| = sqrt(im im + re re) in double, rounded to float.
float Magnitude(SpectrumEntry entry);

// magnitudes[k] = |X(k)| of g_spectrum for k = 0..count-1, stopping at the end
// of `magnitudes` and of g_spectrum; count <= 0 writes nothing.
void SpectrumMagnitudes(std::span<float> magnitudes, int count);
