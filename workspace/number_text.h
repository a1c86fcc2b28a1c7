// Number texts as printf's "%W.Pf" and "%d" print them in the C
// locale, whatever locale the process runs in, and the shortest text that
// reads back to a double. A label or a field must not read "3,0" on one
// machine and "3.0" on another.
//
// Floating-point text is made by fmt on every platform (the browser's C++
// library has no floating-point std::to_chars), so that it has the same
// characters wherever the program runs.
#pragma once

#include <cstddef>
#include <string>

// `text` padded with blanks on the left to at least `width` characters.
std::string RightAligned(std::string text, std::size_t width);

// "%*.*f": `decimals` digits after the point, right-aligned in at least
// `width` characters; a value too wide for the width is given whole. Digits
// are those of the exact binary value rounded half to even, as glibc's printf
// gives them. "inf", "-inf", "nan" and "-nan" for the values without digits.
std::string FormatFixed(double value, int decimals, std::size_t width);

// "%10.1f": the largest magnitude of a plot.
std::string FormatPeakLabel(float value);

// "%d": a plot's sample count and sample numbers.
std::string FormatCountLabel(int value);

// The fewest significant digits that read back to `value`, in the form
// std::to_chars(value) writes them: fixed ("0.001", "1234.5") or scientific
// ("1e-05", "1.5e+300"), whichever is shorter, fixed when both are as long;
// a whole number written in fixed form has all the digits of its exact value
// ("1152921504606846976" for 2^60). "inf", "-inf", "nan" and "-nan" for the
// values without digits.
std::string ShortestText(double value);
