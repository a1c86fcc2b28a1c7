// The designer's magnitude response: 600 samples once around the unit
// circle (geometry.h), built up one factor per marker, and its
// normalisation for the picture.
//
// Each sample keeps its own binary exponent. A product of pixel distances
// (about 60 per marker) leaves the range of double after some 160 markers of
// one kind, and the samples of one design can lie more than 2^1074 apart
// (a cluster of zeros next to the circle), so neither a double nor one
// scale factor for all samples can hold them. Held as mantissa * 2^exponent,
// each product is rounded exactly as the same product of doubles would be
// with an unlimited exponent range: multiplying by a power of two is exact,
// so a design whose samples stay among the normal doubles gives bit for bit
// the values of plain double arithmetic.
#pragma once

#include <array>
#include <span>

#include "polezero/geometry.h"
#include "workspace/workspace.h"

namespace polezero {

// mantissa * 2^exponent. Normalised (as by std::frexp): a finite non-zero
// mantissa lies in [0.5, 1); 0, +inf and NaN stand for themselves, with an
// exponent of 0. Samples are never negative.
struct ScaledValue {
    double mantissa = 0.0;
    int exponent = 0;
};

// The samples, each mantissa[k] * 2^exponent[k]. Between markers a mantissa
// need not be normalised; it is kept within [2^-512, 2^512] (or 0, +inf,
// NaN), far from both ends of the double range.
struct Response {
    std::array<double, kSampleCount> mantissa;
    std::array<int, kSampleCount> exponent;
};

// Every sample 1.0: the response of an empty design.
Response EmptyResponse();

// Multiplies (a zero) or divides (a pole) every sample k by the pixel
// distance from the marker at (x, y) to P_k:
//   d = sqrt((60 cos w_k - u)^2 + (60 sin w_k - v)^2), u = x - 130, v = 130 - y.
// Only the new marker's factor is applied. A pole on a sample point divides
// by 0 and leaves +inf (or NaN for 0 / 0) there: IEEE arithmetic, never an
// integer conversion.
void ApplyMarker(Response& response, int x, int y, bool zero);

// The pixel distances d from a marker at (x, y) to every sample point.
using Distances = std::array<double, kSampleCount>;
Distances DistancesFrom(int x, int y);

// ApplyMarker with the distances already known: ApplyMarker(x, y, zero) is
// ApplyDistances(DistancesFrom(x, y), zero), bit for bit.
void ApplyDistances(Response& response, const Distances& distances, bool zero);

// Sample k, normalised.
ScaledValue SampleValue(const Response& response, int k);

// Sample k as a double: +inf beyond the largest double, rounded to a
// subnormal or 0 below the smallest normal one.
double StoredValue(const Response& response, int k);

// Whether a normalised value is a finite double at full precision (0, or a
// normal double).
bool FitsDouble(ScaledValue value);

// The largest sample, scanning from k = 0 with m starting at 0: each sample
// above m becomes m and its index is written to `peakIndex`. Of equal
// largest samples the lowest index wins; a NaN never wins (it is above
// nothing) and +inf does. When no sample is above 0, returns 0 and
// `peakIndex` keeps what it held.
ScaledValue FindResponsePeak(const Response& response, int& peakIndex);

// sample[k] / peak, the picture's values, always within [0, 1]:
// - a finite positive peak: sample[k] / peak, a NaN counting as 0;
// - an infinite peak: 1 where the sample is +inf, 0 elsewhere (the finite
//   samples are nothing beside it);
// - a peak of 0 (no sample above 0): all 0, a flat curve with no bars.
// The quotient is rounded once, as with an unlimited exponent range, and
// then taken to the nearest double (a subnormal or 0 for the tiniest).
std::array<double, kSampleCount> NormaliseResponse(const Response& response, ScaledValue peak);

}  // namespace polezero
