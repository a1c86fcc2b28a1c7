// Field rules: how the text of a dialog's edit field becomes the value stored
// in the workspace, and how a stored value becomes the text a dialog fills
// in. The dialogs and vorlen-render both go through these functions, so a
// text means the same thing wherever it is typed.
//
// No rule rejects anything: every text, however malformed, maps to a value,
// and no rule ever yields an infinity or a NaN. Everything here is
// independent of the process locale: the point is always the decimal
// separator, in both directions.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

// The number a field's text starts with: leading white space, then the
// longest prefix of the form
//     [+-] digits [. digits] [(e|E) [+-] digits]
// with at least one digit before the exponent ("5.", ".5" and "5" count; "."
// does not), converted correctly rounded. An exponent marker not followed by
// digits ends the number before it ("2e" reads 2). Hexadecimal, "inf", "nan"
// and a decimal comma are not numbers: "0x10" reads 0, "0,5" reads 0. A text
// without such a prefix reads 0.
//
// A magnitude too large for a double reads as an infinity of its sign, one
// too small as zero of its sign (or the subnormal nearest to it), as the C
// library's conversion would; the rules below turn infinities into finite
// values. The result is never NaN.
double ReadNumber(std::string_view text);

// "a=" field of the signal generator: the number rounded to float, with no
// range enforced; beyond the range of float it becomes the largest float of
// its sign. Range: any finite float.
float SignalParamFromText(std::string_view text);

// df, the normalised transition width: v > 0.035 (in double) gives v rounded
// to float, anything else 0.035f. No upper bound, but never beyond the
// largest float. Range: [0.035f, FLT_MAX].
float TransitionWidthFromText(std::string_view text);

// fg (wg), the pass-band edge in radians per sample: v >= pi gives pi rounded
// to float (3.14159274); otherwise v rounded to float, with 0 for anything
// not above 0. Range: [0, (float)pi].
float CutoffFromText(std::string_view text);

// M or L: v truncated toward zero, limited to 0..15. Values outside the range
// of int are never converted; they give 15 or 0 by their sign.
std::int32_t FactorFromText(std::string_view text);

// "%10.2f": two decimals, right-aligned in ten characters (0.1f gives
// "      0.10"). The a=, df and fg fills. A value too wide for ten characters
// is given whole, however long (1e17f gives all of its 20 characters).
std::string FormatFieldValue(float value);

// "%10d": a factor right-aligned in ten characters.
std::string FormatFactor(std::int32_t factor);

// "%f": six decimals and no padding, the text "Auto wg" writes.
std::string FormatAutoWg(float value);

// "Auto wg": wg = pi / factor rounded to float, written into the fg field as
// FormatAutoWg(wg); the field's rule then stores that six-decimal text read
// back. A factor of 0 has no quotient; it gets the widest pass band, pi.
struct AutoWgResult {
    std::string text;  // what the fg field shows
    float cutoff;      // what the fg rule stores from that text
};
AutoWgResult ComputeAutoWg(std::int32_t factor);
