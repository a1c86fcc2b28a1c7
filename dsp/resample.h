// Sample-rate changing without filtering: keep every M-th sample, or insert
// L - 1 zeros after each sample. Samples are copied bit for bit.
#pragma once

#include <span>

// y(i) = input[i M] for i = 0..count-1, count = length / M (truncated), into
// `output`; stops at the end of `output`. Positions past the end of `input`
// read as zero. A factor M <= 0 has no meaning and writes nothing. Entries of
// `output` from the returned count on are untouched. Returns the number of
// samples written.
int Downsample(std::span<const float> input, int factor, int length, std::span<float> output);

// The same into g_downsampled (200 entries): the decimation views' output.
void Downsample(std::span<const float> input, int factor, int length);

// g_upsampled[m] = x(m / L) when L divides m, else 0, for m = 0..100 L - 1,
// followed by zeros to the end of the buffer. Exactly 100 input samples are
// used (past the end of `input` they read as zero). Each sample goes to entry
// i L, and a position outside the buffer is dropped: L = 0 writes every
// sample to entry 0, leaving x(99) there; L < 0 keeps only x(0) at entry 0;
// L > 15 keeps the samples that fit.
void Upsample(std::span<const float> input, int factor);
