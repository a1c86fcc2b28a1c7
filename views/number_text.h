// The number texts of the plots, as printf's "%10.1f" and "%d" print them in
// the C locale, whatever locale the process runs in. GTK sets LC_NUMERIC
// from the environment, and a plot label must not read "3,0" on one machine
// and "3.0" on another.
#pragma once

#include <string>

// "%10.1f": one decimal, right-aligned in at least ten characters; "inf",
// "-inf" and "nan" (or "-nan") for the values that have no digits.
std::string FormatPeakLabel(float value);

// "%d".
std::string FormatCountLabel(int value);
