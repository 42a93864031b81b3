#pragma once
// Series control: ending a series, and the rules of the Sample Size and
// Number of Samples fields, the series-mode toggle and the DRAW SAMPLES entry.

// Discards the current series (after any change of the population, the
// measurement type or the sample size).
void ResetSeries();
