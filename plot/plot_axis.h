// The axes of the design analysis plots: which range of values a plot shows
// and where its ticks go, chosen from the data, with the texts of the ticks.
//
// Every range is a whole number of round steps (1, 2 or 5 times a power of
// ten; for phases the same times pi, never below pi/2), so that a teacher
// can read values off the grid. The functions accept any doubles, NaN and
// infinities included, and always return a finite range of positive width.
#pragma once

#include <span>
#include <string>
#include <vector>

namespace polezero {

struct AxisTick {
    double value;
    std::string text;
};

struct Axis {
    double low;   // the value at the plot's left or bottom edge
    double high;  // the value at its right or top edge, > low
    std::vector<AxisTick> ticks;
};

enum class AxisUnit {
    Plain,  // ticks labelled as decimal numbers: "-40", "0.5", "2e5", "-5e-4"
    Pi,     // ticks at multiples of pi/2 or more: "-pi/2", "pi", "4pi"
};

// No axis gets more intervals than this: at 216 pixels, 27 or more apart,
// room for a label each.
inline constexpr int kMaxAxisIntervals = 8;

// The smallest range of whole steps, at most kMaxAxisIntervals of them,
// that covers [low, high] widened by `padding` (a fraction of its span) on
// each side, so that a curve does not run along the frame. A span below
// minSpan (minSpan > 0) is widened about its middle to minSpan first.
// Bounds that are not finite, or low > high, give [-minSpan/2, minSpan/2].
// Bounds beyond +-1e300 are taken as +-1e300, so that no step overflows.
Axis FitAxis(double low, double high, double minSpan, AxisUnit unit, double padding = 0.05);

// The frequency axis of the analysis: [0, 2 pi] with ticks 0, pi/2, pi,
// 3pi/2 and 2pi.
Axis FrequencyAxis();

// The axis of samples 0 .. count - 1 drawn at the middles of `count` equal
// cells: [-0.5, count - 0.5], ticks at round steps from 0 (count < 1 is
// taken as 1).
Axis SampleAxis(int count);

// k pi/2 as the ticks write it: "0", "pi/2", "pi", "3pi/2", "2pi", "-pi/2".
std::string HalfPiText(long long halves);

// The lowest and highest finite value; nullopt-like {NaN, NaN} when there is
// none.
struct ValueSpan {
    double low;
    double high;
};
ValueSpan FiniteSpan(std::span<const double> values);

// The finite span with isolated spikes trimmed: a peak narrower than the
// sampling shows (one or two samples tall above their neighbours, as a root
// a fraction of a pixel from the unit circle makes in the group delay) may
// reach at most one span of the smoothed curve beyond it. The smoothed
// curve is the running median of five samples (at the ends, of those
// there are). Wider peaks, such as a resonator's, are kept whole.
ValueSpan SpikeTolerantSpan(std::span<const double> values);

}  // namespace polezero
