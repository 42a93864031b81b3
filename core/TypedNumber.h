#pragma once
// A number typed into the small field over a slider's, a limit's or the
// possible mean's label. The field wants one number and nothing else, so a
// typing slip is refused rather than read as 0 the way the sample fields read
// their leading digits.

#include <optional>
#include <string>

// Blanks, an optional sign, a decimal number (digits with an optional point
// and exponent), blanks. Infinities, NaN and numbers beyond a double's range
// are refused; a number too small for a double is 0.
std::optional<double> ReadTypedNumber(const std::string& text);
