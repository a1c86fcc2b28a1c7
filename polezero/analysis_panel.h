// The panel of numbers beside the analysis plots: the filter's formula, its
// gain, whether it is stable and real, and its zeros, poles and
// coefficients, as lines of text that fit a given number of lines.
#pragma once

#include <complex>
#include <string>
#include <vector>

#include "polezero/filter_analysis.h"

namespace polezero {

// A number as the panel writes it, never depending on the locale: three
// decimals for 0 and from 0.0005 to below 1000 ("0.000", "-0.500",
// "12.300"; never "-0.000"), so in at most 8 characters; otherwise three
// decimals in exponent form ("1.234e-5", "-3.409e4", "2.000e285"); "inf",
// "-inf" and "nan" for the values that have no digits.
std::string PanelNumber(double value);

// "0.500 + j0.866", "0.500 - j0.866"; the real part alone when the
// imaginary part is exactly zero.
std::string PanelComplex(std::complex<double> value);

// The panel's lines, at most maxLines of them (maxLines below the fixed
// lines gives the fixed lines only):
//   H(z) = g B(z) / A(z)
//   B(z) = b0 + b1 z^-1 + ...      A(z) = a0 + a1 z^-1 + ...
//   g = ...      stabilan: da|ne      realni koeficijenti: da|ne
// then, each after a blank line, the lists "Nule (N):", "Polovi (N):",
// "b (N):" and "a (N):" with one line per entry ("z1 = ...", "p1 = ...",
// "b0 = ..."). The lines left over are shared among the lists so that short
// lists are shown whole and the long ones get equal shares; a list that
// does not fit shows its first entries and then "... jos K", K the entries
// left out. An empty list is "Nule: nema".
std::vector<std::string> AnalysisPanelLines(const FilterAnalysis& analysis, int maxLines);

}  // namespace polezero
