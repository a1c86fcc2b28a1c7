// The five test signals x(n), n = 0..99, each driven by the one parameter a.
//
// Each generator reads a from g_signalParam and overwrites all 100 samples of
// g_inputSignal; none reads the old contents. Samples are computed in double
// from the float a and the integer n and rounded to float once, when stored.
#pragma once

#include <span>
#include <string_view>

// x(n) = cos(a n C1), C1 = 2 pi / 50: one period per 50 samples for a = 1.
void GenerateCosine();

// x(0) = a, x(n) = a x(n-1): a to the power n + 1, each step rounded to float.
// |a| above about 2.4 overflows to infinity; that is stored as it comes.
void GenerateExponential();

// x(n) = (cos(t C1) + cos(t C10)) + cos(t C20), t = a n; tones at a, 10 a and
// 20 a cycles per 50 samples.
void GenerateThreeCosines();

// Ones for |n - 50| <= h, h = trunc(50 a), centred on sample 50. An a above 1
// is first lowered to 1 and stored back; 50 a <= -1 (or a NaN) leaves x all
// zero.
void GenerateRectangularPulse();

// x(n) = 1 - 2 |n - 50| / (100 a) for |n - 50| <= h, h = trunc(50 a); a is
// lowered to 1 as for the rectangular pulse. The peak x(50) is 1 for every a
// that leaves a pulse, a = 0 included (where the formula alone reads 1 - 0/0).
void GenerateTriangularPulse();

// x(n) = 0 for every n: the test signal before the signal dialog first runs.
void ClearSignal();

// The formulas by name, in the signal dialog's order of formulas, then
// "none" for ClearSignal: cosine, exponential, three-cosines, rectangular,
// triangular, none.
struct TestSignal {
    std::string_view name;
    void (*generate)();
};
std::span<const TestSignal> TestSignals();

// The entry called `name`, or nullptr.
const TestSignal* FindTestSignal(std::string_view name);
