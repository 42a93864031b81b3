#pragma once
// Which statistic the series is shown by, and how far the engine has kept the
// median and range of its rows: state of its own, so that the reset of the
// whole simulation reaches it without depending on the statistics' arithmetic.

enum class Statistic {
    Mean,
    Median,            // the mean of the middle two values for even n
    StandardDeviation, // s, divisor n - 1
    Variance,          // s^2, divisor n - 1
    VarianceN,         // divisor n: (n - 1) / n s^2
    Range,             // largest value minus smallest
};

// The statistic chosen for the series (Mean after a reset). Set it through
// ChooseStatistic (core/Statistic.h), which gets the series' values of it ready.
extern Statistic g_statistic;
// Rows 1..g_keptOrderedRows of the series hold their median and range.
extern int g_keptOrderedRows;
// Goes up when the series is forgotten: a sorted statistic kept from an
// earlier stamp is of another series.
extern unsigned g_statisticSeriesStamp;

// Back to the start-up state (ResetSimulationState calls it).
void ResetStatisticState();
