#pragma once
// The Dorvane window's words for the statistic it shows: its title, the axis
// title, the panel's row of summary figures and the label of the
// population's value on the axis. Translated; the mean's and the
// proportion's own texts stay where they are drawn.

#include <QString>

// "Distribution of Sample Medians".
QString StatisticPlotTitle();
// "Values of Sample Medians (M)"; empty for the mean and the proportion,
// whose titles carry a marked letter.
QString StatisticAxisTitle();
// The panel's row head: "Sample\nMedians".
QString StatisticRowLabel();
// The curve option's word under its button and its name for a screen reader:
// "Normal" only where the curve drawn is a normal one.
const char* CurveOptionWord();
QString CurveOptionName();
// What a screen reader calls the first row's two readouts (in English, for
// the window's words to translate).
const char* StatisticReadoutWords(bool spread);
// The mark of the population's value, with it as shown: "σ² = 2.25"; empty
// for the mean, the median and proportions (their marks are the μ, M and p
// lines), or without a value.
QString ParameterMarkLabel();
