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
// then digits up to the first non-digit; no digits gives 0. Runs of digits
// too long for an int are held at the int's limits.
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

// The check a DRAW SAMPLES button makes before the run. When proceed is
// false the run must not start; message says why. Otherwise numberText is the
// Number of Samples to draw with (corrected in ADD MORE mode to what still
// fits, message then set).
struct DrawEntry {
    bool proceed = true;
    std::string numberText;
    std::string message;
    bool corrected = false;
};
DrawEntry CheckDrawEntry(const std::string& numberText, const std::string& sampleSizeText);
