#pragma once
// Series control: ending a series, and the rules of the Sample Size and
// Number of Samples fields, the series-mode toggle and the DRAW SAMPLES entry.
// The windows hold the field texts; these functions take a text and the
// shared state and say what the field should read and what to tell the user.

#include <string>

// Discards the current series (after any change of the population, the
// measurement type or the sample size).
void ResetSeries();

// A whole number as the fields read it: leading blanks, an optional sign,
// then the number that starts there (digits, a decimal point, an exponent:
// "1e9" is a billion, "2.5" reads 2) up to the first character that cannot
// continue it; no number gives 0. Numbers beyond an int are held at its
// limits.
int ReadWholeNumber(const std::string& text);

// What a field should read after a rule ran, and the message to show first
// (empty: none).
struct FieldOutcome {
    std::string text;
    std::string message;
    bool corrected = false; // text differs from what was typed
};

// Number of Samples edited in any of the three windows: at most 10,000 in a
// series. The window copies the result into the other two windows.
FieldOutcome NumberOfSamplesEdited(const std::string& text);

// Sample Size edited: at most 1000. The window copies the result into the
// other two windows and then calls ResetSeries.
FieldOutcome SampleSizeEdited(const std::string& text);

// The series-mode button: flips g_addMoreMode, sets g_seriesModeLabel and
// g_histNeedsRescale, and holds the Number of Samples to what still fits.
FieldOutcome ToggleSeriesMode(const std::string& numberText);

// The series-mode buttons' text for g_addMoreMode, the same in every window:
// "ADD\nMORE" or "NEW\nSERIES".
const char* SeriesModeLabel();

// The check a DRAW SAMPLES button makes before the run: each field must hold
// a whole number, the Sample Size 1 to 1000, the Number of Samples 1 to what
// the series still takes. Too many samples are held to what fits and drawn;
// any other fault stops the run before anything is discarded, and the field
// is put right (blank, 0 or a negative number to 1, "2.5" to 2). When proceed
// is false the run must not start; message says why. numberText and
// sampleSizeText are what the fields should read afterwards.
struct DrawEntry {
    bool proceed = true;
    std::string numberText;
    std::string message;
    bool corrected = false; // numberText differs from what was typed
    std::string sampleSizeText;
    bool sampleSizeCorrected = false;
};
DrawEntry CheckDrawEntry(const std::string& numberText, const std::string& sampleSizeText);
