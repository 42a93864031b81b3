#pragma once
// The Dorvane window's histogram in numbers: its vertical scale, the geometry
// of its columns, the sample a click selects, and the height factor of the
// normal curve. The axis the columns stand on is SampDistModel.h's.

#include "core/Geometry.h"
#include "core/StatisticTheory.h"
#include "windows/sampdist/SampDistModel.h"

#include <string>

// --- Histogram vertical scale and columns -----------------------------------

struct HistogramScale {
    int tickStep;     // samples per tick
    int tickCount;    // ticks on the count axis
    float countScale; // pixels of column height per sample
};

// The scale for a tallest column of maxCount samples in maxHeight pixels:
// up to 89 samples in ticks of 1, 2, 5 or 10, beyond that in ticks of 25
// doubled until at most ten fit.
HistogramScale ComputeHistogramScale(int maxCount, int maxHeight, float scaleY);
// Largest count in bins 1..lastBin of the current width.
int LargestBinCount();
// ComputeHistogramScale for the current histogram and the curves shown over
// it (the normal curve's central column, the population outline's tallest
// vertex), stored into g_histTickStep, g_histTickCount and g_histCountScale.
void ChooseHistogramScale(int sampleSize, int numberOfSamples);

// The number of samples the curves stand for: the series being drawn once
// samples exist, else the Number of Samples asked for; never below 0.
double SeriesCountForCurves(int numberOfSamples);
// Share of population column c (difference of its cumulative shares).
double PopulationColumnShare(int column);
// A population column's share becomes an expected column count by this
// factor times the series: the bin width over the width the outline's vertex
// stands for (continuous columns are 0.2 wide, merged pairs at width 0.5
// are 0.4); a discrete or binomial value falls whole into one column.
double OutlineWidthFactor();
// Tallest vertex or bar of the population outline, in samples.
double PopulationOutlinePeak(int numberOfSamples);

// Geometry of the visible columns: g_sdColumnRect[1..count] (bottom one pixel
// below the axis) and g_sdColumnBin[1..count]; later slots are emptied.
// Returns count. A slot's painted column is its rectangle with the bottom at
// g_sdAxisY.
int LayoutHistogramColumns(int scrollPos);

// --- Selection --------------------------------------------------------------

struct ColumnSelection {
    bool hit;          // a sample was selected (else the selection was dropped)
    bool ciGraphMoved; // g_ciFirstSample and g_ciScrollPos moved to show it
};

// A click at (x, y) in the column area, against the columns last laid out.
// Selects the sample at that height of the column, sets g_sampleSelected,
// g_selectedPos, g_selectedSampleNo, g_sdSelectionRect and, when the
// Confidence Intervals graph does not show the sample, moves it there.
ColumnSelection SelectColumnSample(int x, int y);

// The sample `step` places on from the selected one in the order the columns
// stack (that of the chosen statistic), held to the ends, or the middle one
// while none is selected; 0 when there is none.
int SteppedSample(int step);

// After a bin-width change (g_binWidthChanged): clears the flag and rebuilds
// g_sdSelectionRect for the selected sample in the new columns (lay them out
// first); sets the flag again when the sample's column is not yet visible.
void ReplaceSelectionAfterRebin(int scrollPos);

// "x = 5.12, s = 1.30" (binomial "p = 0.40, s = 0.49") of the selected sample, with
// another statistic its value in place of s ("x = 5.12, M = 4.90"); "" when none.
std::string SelectedSampleText();

// --- Normal curve -----------------------------------------------------------

struct NormalCurve {
    bool drawable;      // false: draw no curve (no standard error, binomial n < 1)
    float factor;       // F, also stored in g_normalCurveFactor
    double density;     // d
    double sigmaPixels; // g_standardError x P
    int pixelsPerUnit;  // P
    int shift;          // added to x before measuring from g_muPixelX
};

// Height factor and shape of the normal curve at the current width, sample
// size and scroll position (N from the series or the Number of Samples).
NormalCurve ComputeNormalCurve(int sampleSize, int numberOfSamples, int scrollPos);
// Expected count of the normal curve's central column, in samples; 0 when
// there is no curve.
double NormalCurvePeak(int sampleSize, int numberOfSamples);
// Height y above the axis, before the vertical scale, at pixel x: the window
// draws at (x, g_sdAxisY - trunc(y x g_sdScaleY)).
double NormalCurveHeight(const NormalCurve& curve, int x);
// Pixel x of a z value for the theoretical tail fill.
int NormalCurveZPixel(const NormalCurve& curve, float z);

// --- The chosen statistic's theory curve --------------------------------------
// The mean's normal curve above stays the mean's in observed and z values; in
// t values, and for every other statistic, the curve is its theory's density
// (StatisticTheory.h) on the statistic's axis, at the same height factor: the
// expected number of samples in a column of the width shown.

// The theory for the statistic chosen, at the sample size the window read.
StatisticTheory ShownTheory(int sampleSize);
// The curve drawn is the mean's normal curve (ComputeNormalCurve).
bool ShowsMeansNormalCurve();

struct TheoryCurve {
    bool drawable = false;
    StatisticTheory theory;
    double axisScale = 1.0;      // axis position = value x axisScale
    double heightPerDensity = 0; // pixels (before the vertical scale) per unit of density
    int scrollPos = 1;
};
TheoryCurve ComputeTheoryCurve(int sampleSize, int numberOfSamples, int scrollPos);
// Height above the axis at pixel x, before the vertical scale, as
// NormalCurveHeight.
double TheoryCurveHeight(const TheoryCurve& curve, int x);
// Expected count of the theory's fullest column, in samples; 0 without one.
double TheoryCurvePeak(int sampleSize, int numberOfSamples);
// The curve over the plot, whichever it is: its peak for the vertical scale.
double ShownCurvePeak(int sampleSize, int numberOfSamples);
