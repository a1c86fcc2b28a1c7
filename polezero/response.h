// The designer's magnitude response: 600 samples once around the unit
// circle, built up one factor per marker, and its normalisation for the
// picture.
#pragma once

#include <array>
#include <span>

#include "core/workspace.h"

namespace polezero {

// Sample k belongs to w_k = k * kSampleStep radians (pi / 300 as the program
// writes it: 3.141592654 / 300), k = 0 .. 599, and to the canvas point
// P_k = (130 + 60 cos w_k, 130 - 60 sin w_k).
inline constexpr double kSampleStep = 0.010471975513333334;

// Multiplies (a zero) or divides (a pole) every g_response[k] by the pixel
// distance from the marker at (x, y) to P_k:
//   d = sqrt((60 cos w_k - u)^2 + (60 sin w_k - v)^2), u = x - 130, v = 130 - y.
// Only the new marker's factor is applied; g_response then holds, up to
// rounding, the product of the zeros' distances over the poles' distances.
// A pole on a sample point divides by 0 and leaves +inf (or NaN for 0 / 0)
// there: IEEE arithmetic, never an integer conversion.
void ApplyMarker(int x, int y, bool zero);

// Sets every sample to 1.0: the response of an empty design.
void ResetResponse();

// The largest value, scanning from index 0 with m starting at 0.0: each
// value above m becomes m and its index is written to g_responsePeakIndex.
// Of equal largest values the lowest index wins; a NaN never wins (it is
// above nothing) and +inf does. When no value is above 0.0, returns 0.0 and
// g_responsePeakIndex keeps what it held.
double FindResponsePeak(std::span<const double, kResponseLength> values);

// values[k] / peak, the picture's private copy, always within [0, 1]:
// - a finite positive peak: values[k] / peak, a NaN counting as 0;
// - an infinite peak: 1 where the value is +inf, 0 elsewhere (the finite
//   values are nothing beside it);
// - a peak of 0 (no value above 0): all 0, a flat curve with no bars.
std::array<double, kResponseLength> NormaliseResponse(
    std::span<const double, kResponseLength> values, double peak);

}  // namespace polezero
