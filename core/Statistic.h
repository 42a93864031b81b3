#pragma once
// The statistic whose sampling distribution a series builds up: each sample's
// value of it, the population's value it estimates, and the series' values in
// order. Everything is in internal units (the display transform is the
// windows' business).

#include "core/SimulationState.h"
#include "core/StatisticState.h"

#include <optional>

// The median and the range need the sample's values in order; the engine
// keeps them in the sample's row while the chosen statistic needs them.
bool NeedsOrderedValues(Statistic statistic);

// The median and the range of values[1..n] (the row's values, in drawing
// order, left as they are), into the row. The only place they are worked
// out, so every path that keeps them keeps the same bits.
void KeepOrderedStatistics(SampleRow& row, int n);

// The value of the statistic for a sample of n values (the sample's own row,
// worked out from its values where they are not kept). Empty where the sample
// has none: the SD and the variance (n - 1) of a single value. The range of a
// single value is 0, its variance (n) is 0.
std::optional<float> StatisticOf(const SampleRow& row, int n, Statistic statistic);

// The population's value the statistic stands for: mean, median M, sigma,
// sigma^2 (for both variances), and for the range the span of the values the
// population can give. Empty without a population to draw from, and for any
// statistic but the mean (the proportion) of a binomial population.
std::optional<double> PopulationValueOf(Statistic statistic);

// Where the Dorvane axis puts a value of the statistic: axis position = value
// x scale, in the internal units the axis uses for the mean (0 to 10), binned
// at the same four widths. The mean and the median share the population's
// axis. The others run from 0 to their largest possible value: with values in
// 0 .. 10, a range reaches 10 and a sample SD (n - 1) 10 / sqrt 2 (two values
// at the ends), so both keep the mean's scale; the variance (n - 1) reaches
// 50, and the variance (n) shares its axis so the two can be compared.
double StatisticAxisScale(Statistic statistic);

// Where sample r (a sample of n values) stands on the Dorvane axis for the
// chosen statistic: the mean as the engine bins it (HistogramStatistic, which
// places t values), any other statistic at its value x StatisticAxisScale.
// Not finite where the sample has none. The engine and the window bin by it.
float AxisStatisticOfSample(int r, int n);

// A statistic's value in the units the student sees (the population's
// display transform): the mean and the median as values are shown, an SD and
// a range by the transform's factor, a variance by its square.
double ShownStatistic(Statistic statistic, double internalValue);
// The inverse: the internal value of a shown number.
double InternalStatistic(Statistic statistic, double shown);

// The series' values of a statistic, smallest first. A sample without a value
// takes no slot: slots 1..count, with withoutValue samples of the series left
// out. Equal values stand as the sorted means do, a later sample first.
struct SortedStatistics {
    const float* values = nullptr;  // slots 1..count
    const int* sampleNos = nullptr; // the sample of each slot
    int count = 0;
    int withoutValue = 0;
};

// For the Mean the sorted means themselves; for another statistic its values
// sorted once and kept until the series changes.
SortedStatistics SortedStatisticsOf(Statistic statistic);

// Makes the statistic the chosen one: the median and range of every sample
// drawn so far are worked out where they are not kept yet, and the series'
// values sorted. The series itself stays.
SortedStatistics ChooseStatistic(Statistic statistic);

// The engine's side. A new series forgets what was kept of the old one;
// at the start of a run the rows drawn so far get their median and range
// when the chosen statistic needs them, and each finished sample r then gets
// its own (KeepOrderedStatisticsOfRow).
void ForgetSeriesStatistics();
void KeepOrderedStatisticsOfRows(int lastRow);
void KeepOrderedStatisticsOfRow(int r, int n);

// The statistic a sample contributes to the histogram: its mean, or with t
// values shown (not binomial) its t value placed on the scale of the means.
// Not finite when the sample has no t value (SD 0, or n = 1).
float HistogramStatistic(float mean, float sd, int n);
