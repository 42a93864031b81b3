#pragma once
// A number typed into the small field over a slider's, a limit's or the
// possible mean's label, or into the confidence level's field. These fields
// want one number and nothing else, so a typing slip is refused rather than
// read as 0 the way the sample fields read their leading digits. The window
// reads its field here once and hands the number on.

#include <optional>
#include <string>

// Blanks, an optional sign, a decimal number (digits with an optional point
// and exponent), blanks. Infinities, NaN and numbers beyond a double's range
// are refused; a number too small for a double is 0.
// A decimal comma reads as a decimal point, in every language.
std::optional<double> ReadTypedNumber(const std::string& text);

// The text with its one decimal comma made a point ("1,5" -> "1.5"), so a
// number typed either way reads the same. Thousands separators are not read:
// a text with two separators ("1,000.5", "1.000,5", "1,000,000") is left as
// it is and refused by the readers, which want one number and nothing else.
std::string WithDecimalPoint(std::string text);

// Blanks, an optional sign, digits, blanks: a whole number and nothing else.
// nullopt for a blank, letters or a decimal; a number beyond a billion reads
// a billion (beyond every limit alike).
std::optional<long long> ReadWholeNumberAlone(const std::string& text);
