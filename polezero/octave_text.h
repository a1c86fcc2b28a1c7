// A design's coefficients as Octave (and MATLAB) text, to paste into a
// session: freqz(g * b, a) then gives the designer's normalised response.
#pragma once

#include <string>

#include "polezero/filter_analysis.h"

namespace polezero {

// Three lines, each ending in a newline:
//   b = [1 -1.5 0.81];
//   a = [1 -0.9];
//   g = 0.0123;
// b and a in powers of z^-1 (FilterAnalysis); each number the shortest text
// that reads back to the same double; a complex coefficient as re+imi or
// re-imi; Inf, -Inf and NaN as Octave writes them (an imaginary one as
// re+Inf*i).
std::string OctaveCoefficients(const FilterAnalysis& analysis);

}  // namespace polezero
