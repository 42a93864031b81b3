#pragma once
// The arithmetic of the Confidence Intervals window without its drawing: the
// critical value from the window's settings, the interval of every sample,
// the coverage counts, the order of the graph's rows with the selection
// mapped between the two orders, and the plausibility of a possible mean.
//
// Intervals are computed on the internal scale 0..10. For a binomial
// population every proportion is multiplied by 10 on the way in (the sample
// proportion, its standard error and the true p), so the graph's axis 0..10
// stands for the proportions 0..1. Everything here works on the Simulation
// state; the window reads its fields and passes the numbers; it gets back
// numbers and the texts to show.

#include "core/ConfIntervalState.h"
#include "core/SeriesControl.h"
#include "core/SimulationState.h"

#include <optional>
#include <string>

// --- The critical value ---------------------------------------------------------

constexpr int kConfLevelLow = 1;
constexpr int kConfLevelHigh = 99;

// A level the series can use: 1..99.
bool ConfidenceLevelUsable(int confLevel);

// The check when the field is left, Enter is pressed or DRAW SAMPLES is
// pressed; the level only changes then, never while it is being typed.
// `typed` is the whole number the field holds alone (ReadWholeNumberAlone),
// nullopt for anything else (blank, letters, a decimal). A level from 1 to 99
// is taken as it stands. A whole number outside 1..99 is refused with its
// message and the field becomes the nearer of 1 and 99; anything else is
// refused with the same message and the field goes back to the level in force.
struct LevelCheck {
    int level = 0;       // the level to use; a refused field shows it
    std::string message; // empty: taken
};
LevelCheck CheckConfidenceLevel(std::optional<long long> typed, int levelInForce);

// Takes n and the level as the window read them, sets g_ciCriticalValue (z
// from the table or t from the critical-t search, z always for a binomial
// population) and returns the text of the critical-value field ("%.3f",
// negative for a low end). A level outside 1..99 leaves the level in force.
// t with n <= 1 has no critical value: the field is empty, the value in use
// is kept and no sample gets an interval.
std::string ComputeCriticalValue(int sampleSize, int confLevel);

// --- One interval ---------------------------------------------------------------

struct Interval {
    bool hasEnds = false; // false: no interval (a sample of one value with sigma
                          // unknown, or no sample size): only its centre
    float centre = 0.0f;  // internal scale, binomial x 10
    float low = 0.0f;
    float high = 0.0f;
    bool contains = false; // the true value lies in it, both ends inside
    float se = 0.0f;       // the standard error the ends stand on, same scale
};

// The true value on the internal scale (binomial: p x 10).
float TrueValue();

// The interval of a sample with this mean and sd (sd -1: one value).
Interval IntervalOfSample(int n, float mean, float sd);

// A row of the graph: a sample's number, or a sorted position while the rows
// are sorted by mean. Only SampleOfRow says which, so a row indexes nothing
// itself.
struct IntervalRow {
    int value = 0;
    constexpr IntervalRow(int v = 0) : value(v) {}
};

// The sample graph row `row` stands for: row itself, or the row-th smallest
// mean's sample when the rows are sorted; 0 for no row.
SampleNo SampleOfRow(IntervalRow row);

// The interval of graph row `row` in the current order.
Interval IntervalOf(int n, IntervalRow row);

// --- Coverage ---------------------------------------------------------------------

struct CoverageTexts {
    std::string numIn, numOut, pctIn, pctOut;
};

// Recounts rows 1..g_samplesDrawn into g_ciInCount and g_ciOutCount and
// returns the four result texts ("%i", "%i", "%.0f%", "%.0f%").
CoverageTexts UpdateCoverageCounts(int n);

// --- Row order and selection ---------------------------------------------------------

// Sort By Sample Averages switched: the same sample stays selected.
void SetSortByMeans(int sorted);

// The rows' selected sample is row `row` of the current order (1..N).
void SelectRow(IntervalRow row);

// The selected row names a sample of the series.
bool SelectedRowValid();

// --- The possible mean ------------------------------------------------------------------

// g_ciPlausible from the shown value of g_ciPopMean and the selected ends,
// judged as the student reads them: the mean and the ends as ShownEndText
// writes them, so a shown end typed as the possible mean lies inside.
void IsPlausible();

// The text of a shown value as the selected interval's ends read: three
// decimals for a proportion, else two, fewer once it is large. The verdict
// reads them so too.
std::string ShownEndText(double shown);

// Where the possible mean may go: the axis, 0..10 (binomial 0..1).
float ClampPossibleMu(float m);

// The possible mean m carried from a binomial population (a proportion) to a
// measurement one (0..10) or back: it keeps its place on the axis, which
// spreads a proportion over ten times the width.
float PossibleMuOnNewKind(float m, bool toBinomial);
