// What a pole-zero design is as a filter, in numbers: its roots, the
// coefficients of its difference equation, its gain, its frequency response
// on a grid and its impulse response.
//
// A design is its markers in canvas pixels, in placement order. The marker
// at pixel (x, y) stands for the root c = ((x - 130) + j (130 - y)) / 60, and
// the design is the filter
//
//   H(z) = g B(z) / A(z),  B(z) = prod over zeros (1 - c z^-1),
//                          A(z) = prod over poles (1 - c z^-1),
//
// with g > 0 chosen so that the largest |H| over the designer's 600 samples
// w_k = k * 0.010471975513333334 (k = 0..599) is 1, the normalisation of the
// designer's response picture.
//
// Defined outcomes for every design:
// - No markers: H = g = 1; b = a = [1], 0 dB, zero phase and delay, a unit
//   impulse.
// - A zero and a pole at the same pixel cancel in H: their factors are equal
//   everywhere, so the response, the gain and the impulse response are those
//   of the design without the pair (exactly, not up to rounding, and with no
//   0/0 where both lie on a sample point). b, a, `stable` and
//   `realCoefficients` still count both markers: they describe the
//   difference equation as placed.
// - A root on the unit circle exactly at a grid frequency makes H zero (a
//   zero) or infinite (a pole) there: magnitudeDb, phase and groupDelay hold
//   NaN at that sample. Exact means exact: only the roots 1, j, -1, -j
//   (pixels (190,130), (130,70), (70,130), (130,190)) can lie on a grid
//   point 2 pi k / N, at the k with 4 k = q N for the root's quarter turn q;
//   every other pixel on the circle sits at an angle that is not a rational
//   part of a turn.
// - A pole exactly on one of the designer's samples makes that sample
//   infinite. Of those samples only w_0 = 0 is a point of the circle that a
//   pixel can hit exactly, so this is a pole at z = 1, pixel (190, 130). g
//   then makes the largest finite sample 1 (the infinite one has no finite
//   normalisation); if no sample is finite, g = 1.
// - Many markers: the response is summed as logarithms of the factors, so
//   magnitudeDb, phase and groupDelay stay finite for up to any number of
//   markers. g itself is exp(-max log|B/A|) and may underflow to 0 or
//   overflow to +inf for extreme designs. b, a and the impulse response
//   are computed with a binary exponent of their own (design_polynomial.h):
//   499 markers on the canvas keep every coefficient below 1e285, but
//   markers far off the canvas (any PixelPoint is accepted) can exceed the
//   range of double, and such a coefficient part is +-inf. The impulse
//   response is multiplied by g (carried with its own exponent when g is no
//   normal double) before it is rounded to double, so coefficients and a
//   gain both beyond double still give its finite values. That of an
//   unstable design grows until it is +-inf, and may turn NaN once it has
//   passed even 2^(2^28).
// - NaN and +-inf are the "no value" of this structure; writers print them
//   as null.
#pragma once

#include <complex>
#include <span>
#include <vector>

#include "polezero/geometry.h"
#include "workspace/workspace.h"

namespace polezero {

inline constexpr int kDefaultAnalysisPoints = 600;
inline constexpr int kDefaultImpulseLength = 64;

struct FilterAnalysis {
    std::vector<std::complex<double>> zeros;  // c of each zero, in placement order
    std::vector<std::complex<double>> poles;  // c of each pole, in placement order
    // Coefficients of B and A in powers of z^-1, b[0] = a[0] = 1, the
    // products expanded in placement order.
    std::vector<std::complex<double>> b;
    std::vector<std::complex<double>> a;
    double gain = 1.0;  // g
    // The zeros come in conjugate pairs, and so do the poles: pixel rows y
    // and 260 - y in one column, a marker on the real axis (row 130) being
    // its own pair. The test is on the pixels, not on rounded values. Then b,
    // a and the impulse response are real, and their imaginary parts are
    // stored as exactly 0 rather than as the rounding left by the complex
    // expansion.
    bool realCoefficients = true;
    // Every pole strictly inside the unit circle, decided on the integers:
    // (x - 130)^2 + (130 - y)^2 < 3600. No poles: stable.
    bool stable = true;
    // On the grid w_k = 2 pi k / N, k = 0..N-1 (AnalysisFrequency):
    // 20 log10 |H(e^jw)|.
    std::vector<double> magnitudeDb;
    // arg H(e^jw) in radians, continuous along the grid: each root's factor
    // is followed as a continuous function of w (exactly, however coarse the
    // grid), and the whole curve is moved by a multiple of 2 pi so that its
    // first value lies in [-pi, pi]. It jumps only at a root on the unit
    // circle, by pi: each such root is taken as the limit of a root just
    // inside the circle.
    std::vector<double> phase;
    // -d arg H / dw in samples, from the roots in closed form.
    std::vector<double> groupDelay;
    // h(n) = g times the impulse response of B/A, n = 0..impulseLength-1.
    std::vector<std::complex<double>> impulse;
};

// w_k = 2 pi k / N, the frequency of sample k of the analysis grid.
double AnalysisFrequency(int k, int points);

// The analysis of a design on a grid of `points` frequencies with
// `impulseLength` samples of the impulse response; negative counts count as
// 0. vorlen-render allows points 1..65536 and impulseLength 0..65536; the
// work grows as points * markers and impulseLength * poles.
FilterAnalysis AnalyseDesign(std::span<const PixelPoint> zeros, std::span<const PixelPoint> poles,
                             int points = kDefaultAnalysisPoints,
                             int impulseLength = kDefaultImpulseLength);

}  // namespace polezero
