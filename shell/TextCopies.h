#pragma once
// Edit > Copy Series as Text, Copy Sample Values and Copy Population as Text:
// the figures the windows show, gathered from the state in the units the
// population is shown in, as a table for the clipboard and the status bar's
// word on what went there.

#include "core/SeriesText.h"

#include <QString>

// There is a series (and so a sample) to copy.
bool SeriesToCopy();
// The population has weight: it has values and probabilities to copy.
bool PopulationToCopy();

struct TextCopy {
    TextTable table;
    QString message; // for the status bar
};

// Every sample of the series in drawing order with its interval as the
// Confidence Intervals window sets it now.
TextCopy SeriesCopy();
// The selected sample's values, or those of the sample the Samples window
// shows when none is selected.
TextCopy SampleValuesCopy();
// The population's values with their probabilities, then its parameters.
TextCopy PopulationCopy();

// The table as plain text and as HTML on the clipboard, together.
void PutOnClipboard(const TextTable& table);
