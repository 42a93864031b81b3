#pragma once
// The Dorvane window's logic without its drawing: the bins at four widths, the
// visible stretch of the axis, the sliders in standard-error units and the
// readouts beside them, the histogram's vertical scale, the column geometry,
// the sample selection and the normal curve's height factor.
//
// Everything here works on the Simulation state. The window passes the texts
// of its Sample Size and Number of Samples fields and the position of its axis
// scroll bar; it gets back plain numbers and the texts to show. Nothing here
// draws.
//
// State fields of this window (core/SimulationState.h, block "Dorvane window"):
// g_sdSampleSize, g_sdAxisLeft, g_sdAxisRight, g_sdAxisY, g_sdPlotTop,
// g_pixelsPerUnit, g_muPixelX, g_leftCount, g_rightCount, g_leftSliderRect,
// g_rightSliderRect, g_leftSliderHidden, g_rightSliderHidden,
// g_binWidthChanged, g_sdZoom, g_sdScrollMax, g_showNormalOutline,
// g_showPopOutline, g_sdColumnRect, g_sdColumnBin, g_normalCurveFactor.
//
// Statistics reuse the engine's HistogramStatistic and HistogramBin
// (core/SamplingEngine.h), so a rebinned histogram always matches the one the
// engine filled.

#include "core/AxisTicks.h"
#include "core/Geometry.h"
#include "core/ScrollRequest.h"
#include "core/SimulationState.h"

#include <functional>
#include <string>
#include <vector>

// --- Creation ---------------------------------------------------------------

// The window's design size.
constexpr int kSdDesignWidth = 624;
constexpr int kSdDesignHeight = 446;

// Scales from the client area (width / 624, height / 446) and the fixed layout
// of the plot: g_histRect, g_sdAxisLeft, g_sdAxisRight, g_sdPlotTop,
// g_sdAxisY, g_histMaxHeight, g_pixelsPerUnit.
void SetSamplingDistLayout(int clientWidth, int clientHeight);

// The state the window sets when it is created: g_speed 2, a first random
// number into g_seedCarry, g_sdZoom 0, g_drawFinished 1, bin width 0.2, both
// outlines off, g_histNeedsRescale 1, g_sdSampleSize 1, g_sdScrollMax 151.
// Returns the Interval Width text for a sample size of 1 ("%.4f" of g_popSD).
// The window sets both fields to "1" and its scroll range to 1..151.
std::string InitSamplingDistState();

// --- Bin widths and the visible axis ----------------------------------------

enum class BinWidth { Wide, Medium, Narrow, Finest }; // 0.5, 0.2, 0.1, 0.05

struct BinWidthInfo {
    float width;      // bin width on the statistic's scale (binomial: a proportion)
    int multiplier;   // bins per unit of the statistic (M)
    int zoom;         // how many times the axis is stretched (Z)
    float scrollStep; // statistic units per scroll position (0.2 / 0.02 when fixed)
    int lastBin;      // last bin of the width's range: 21, 51, 101 or 201
    bool scrolls;     // the axis scroll bar is shown
    int scrollMax;    // its range is 1..scrollMax (0 when it is hidden)
};

// The width whose flag is set; with several set the finest wins, none = 0.2.
BinWidth CurrentBinWidth();
// Figures of a width for the current measurement kind.
BinWidthInfo BinWidthInfoFor(BinWidth width);
BinWidthInfo CurrentBinWidthInfo();

// The scroll position the axis uses: 1 at the two fixed widths, else the
// scroll bar's position but at least 1.
int EffectiveScrollPos(int scrollPos);
// First visible value of the statistic (lo).
float VisibleAxisStart(int scrollPos);
// Pixel x of a statistic value on the axis, truncated, and back.
int ValueToAxisPixel(float value, int scrollPos);
float AxisPixelToValue(int x, int scrollPos);
// The exact inverse of AxisPixelToValue: where on the axis a value lies, in
// pixels with their fraction.
double AxisPositionOfValue(double value, int scrollPos);
// Pixel x of the mean and median marks (their own 3-pixel offset).
int AxisMarkX(float value, int scrollPos);
// First and last bin drawn as a column.
int FirstVisibleBin(int scrollPos);
int LastVisibleBin(int scrollPos);
// g_muPixelX, the population mean's pixel at zoom 1; every full paint runs it.
void ComputeMuPixelX();
// The labels of the visible axis at round values (observed, z or t values as
// chosen), each text widthOf(text) pixels wide; none for z or t without a
// standard error.
std::vector<AxisTick> AxisTicksOf(int scrollPos,
                                  const std::function<double(const std::string&)>& widthOf);

// --- Sample size, rebinning, bin-width buttons, scrolling --------------------

// Reads n from the Sample Size text (leading digits, 0 when none), sets
// g_standardError when n >= 1 and re-synchronises the sliders: observed
// values keep the sliders' shown values, z and t values keep their z.
// intervalWidthText is "" when n < 1. Returns n.
int ReadSampleSize(const std::string& sampleSizeText, std::string& intervalWidthText);

// Rebuilds g_meanHistogram from the Sample store at the width that is set,
// with g_sdSampleSize read from the text. Statistics without a bin are left
// out, as the engine leaves them out.
void Rebin(const std::string& sampleSizeText);

// What the window does with its axis scroll bar after a bin-width button.
struct AxisScrollBarState {
    bool visible;
    int rangeMax;       // range 1..rangeMax (kept at g_sdScrollMax when hidden)
    int position;       // new position (unchanged when hidden)
    bool fillSelection; // width 0.1: fill g_sdSelectionRect black after the paint
};

// One of the four bin-width buttons: sets the flags, g_binWidthChanged,
// g_sdZoom, g_sdScrollMax, converts the scroll position between the zooms
// (91 at 0.05 is 30 at 0.1, and 30 is 90 again) and rebins. The window then
// paints whole, repaints and refreshes its panel.
AxisScrollBarState ChooseBinWidth(BinWidth width, int scrollPos, const std::string& sampleSizeText);

// The axis scroll bar: returns the new position (1..g_sdScrollMax; always 1
// at the fixed widths) and moves g_sdSelectionRect with the columns. The
// window sets the position, paints whole and repaints the histogram.
int ScrollAxis(ScrollRequest request, int thumbPos, int currentPos);

// --- Sliders ----------------------------------------------------------------

// Threshold a slider at z puts on the statistic: g_popMean + z x se.
float SliderThreshold(float z);
// The slider's position on the shown scale.
float SliderShownValue(float z);
// g_leftSliderValue and, with two sliders, g_rightSliderValue from their z.
void RecomputeSliderValues();

// Handle rectangle from the slider's z, or hidden (rectangle emptied) when the
// slider lies outside the visible stretch of the axis.
void PlaceLeftSlider(int scrollPos);
void PlaceRightSlider(int scrollPos);
// Left, and right unless g_oneSlider.
void PlaceSliders(int scrollPos);

// One drag step of the left (left = true) or right slider to pixel x. Runs
// ReadSampleSize first (its Interval Width text comes back), keeps two sliders
// in order, mirrors tandem sliders, then places them and recomputes values.
void SetSliderFromPixel(int x, bool left, int scrollPos, const std::string& sampleSizeText,
                        std::string& intervalWidthText);

// A slider stands on the axis: one whose threshold lies before its start or
// past the end of the whole axis (the last scroll position included) at the
// current width, after a change of population, sample size, statistic or
// width, is put back on the nearer end, values recomputed. Tandem sliders
// stay mirrored. Every whole paint runs it first.
void KeepSlidersOnAxis();

// Where a slider's pointer is drawn: at its handle, or, scrolled out of view,
// at the end of the axis it lies beyond.
int SliderPointerX(bool left, int scrollPos);
// The slider lies outside the visible stretch of the axis and its label
// shows only its letter.
bool SliderShowsLetterOnly(bool left, int scrollPos);

// --- Sliders by the keyboard ---------------------------------------------------
// A key moves a slider as a drag by one pixel (ten with Shift) does, from the
// pixel it stands on; a typed number moves it as a drag to that number does.

// The slider's place on the axis to the nearest pixel, where a key step
// starts, so that steps of one pixel never stick on a truncation.
int SliderAxisPixel(bool left, int scrollPos);
// A number on the scale the sliders' labels show (an observed value, a
// proportion, or z or t) as a value of the statistic on the axis.
double StatisticOfShownNumber(double shown);
// The number the slider's label shows, without its letter ("5.50").
std::string SliderNumberText(bool left);
// A drag of the slider to a value of the statistic: SetSliderFromPixel
// without the pixel.
void SetSliderToValue(double value, bool left, int scrollPos, const std::string& sampleSizeText,
                      std::string& intervalWidthText);
// A typed number: read on the shown scale, held to the visible stretch of
// the axis and applied as a drag there. False, and nothing moves, when the
// text is no number.
bool SetSliderFromTyped(const std::string& typed, bool left, int scrollPos,
                        const std::string& sampleSizeText, std::string& intervalWidthText);

// Options menu: the slider modes with their rules; the shell repaints after.
void OneSlider();
void TwoSlidersSeparate();
void TwoSlidersTandem();

// Label beside a handle: "z = 1.23", "t = ...", "p = 0.500", "x = 5.00", or
// only its letter when letterOnly.
std::string SliderLabelText(float z, bool letterOnly);

// --- Readouts ---------------------------------------------------------------

// The statistic of sample r (1-based) as the window bins it, with n =
// g_sdSampleSize; not finite when the sample has none (t of an SD of 0 or -1).
float SampleStatistic(int r);

// The threshold of a slider at z as its label shows it: the label's number
// read back onto the scale of the statistic. A sample exactly at the number
// the label reads counts as at or below the slider.
double CountingThreshold(float z);
// A statistic at or below a threshold, up to float rounding.
bool AtOrBelow(float statistic, double threshold);
// Samples 1..g_samplesDrawn whose statistic is at or below the slider at z.
int CountAtOrBelow(float z);

// Samples whose statistic lies beyond the columns in view (the axis zoomed
// and scrolled as it stands), on one side, and how many of them the readouts
// count.
struct OffPlot {
    int samples = 0;
    int counted = 0;
};

// The series split by the sliders: one pass that both the readouts and the
// red columns use. Per bin of the width's range (1..21, 51, 101 or 201) the
// samples at or below each slider; the samples left of the first column in
// view and right of the last; and the totals over every sample with a
// statistic.
struct SliderSplit {
    int atOrBelowLeft[kHistogramBins + 1] = {};
    int atOrBelowRight[kHistogramBins + 1] = {}; // with one slider, as the left
    OffPlot below, beyond;
    int total = 0;   // samples with a statistic
    int counted = 0; // of those, on the counted side (above, below, between, outside)
    int leftCount = 0, rightCount = 0;
};
void SplitBySliders(SliderSplit& split, int scrollPos = 1);

struct SliderReadouts {
    std::string actualNumber;     // 1027
    std::string actualProportion; // 1028
    std::string normalNumber;     // 1029
    std::string normalProportion; // 1030
    std::string tNumber;          // 1031
    std::string tProportion;      // 1032
};

// Counts (g_leftCount, g_rightCount), proportions and the normal and t
// figures beyond the sliders. Sets g_sdSampleSize. No text is ever "nan" or
// "inf": a figure without a value is "".
SliderReadouts UpdateSliderReadouts(const std::string& sampleSizeText,
                                    const std::string& numberOfSamplesText);

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
void ChooseHistogramScale(const std::string& sampleSizeText,
                          const std::string& numberOfSamplesText);

// The number of samples the curves stand for: the series being drawn once
// samples exist, else the Number of Samples field; never below 0.
double SeriesCountForCurves(const std::string& numberOfSamplesText);
// Share of population column c (difference of its cumulative shares).
double PopulationColumnShare(int column);
// A population column's share becomes an expected column count by this
// factor times the series: the bin width over the width the outline's vertex
// stands for (continuous columns are 0.2 wide, merged pairs at width 0.5
// are 0.4); a discrete or binomial value falls whole into one column.
double OutlineWidthFactor();
// Tallest vertex or bar of the population outline, in samples.
double PopulationOutlinePeak(const std::string& numberOfSamplesText);

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

// After a bin-width change (g_binWidthChanged): clears the flag and rebuilds
// g_sdSelectionRect for the selected sample in the new columns (lay them out
// first); sets the flag again when the sample's column is not yet visible.
void ReplaceSelectionAfterRebin(int scrollPos);

// "x = 5.12, s = 1.30" (binomial "p = 0.40, s = 0.49") of the selected sample;
// "" when none is selected.
std::string SelectedSampleText();

// --- The picture in words -----------------------------------------------------

// For a screen reader: "Histogram of 1,000 sample means: mean 5.01, SD
// 0.361", then what the sliders count ("; 51 of them (0.0510) lie above
// x = 5.50"). countedNumber and countedProportion are the window's readouts.
std::string HistogramDescription(const std::string& countedNumber,
                                 const std::string& countedProportion);

// The words behind the mark of the samples beyond one end of the view: how
// many lie there and how many of them the readouts count ("1,305 samples lie
// right of the part of the axis in view; 20 of them are counted in Number
// Outside (red)"); "" when there are none.
std::string OffPlotTip(const OffPlot& side, bool leftEnd);
// Samples with no statistic (a t value needs s > 0) and the base the counts
// and proportions then stand on, in two lines; "" when every sample has one.
std::string SamplesWithoutStatisticNote(const SliderSplit& split);

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
// size and scroll position (N from the series or the Number of Samples text).
NormalCurve ComputeNormalCurve(const std::string& sampleSizeText,
                               const std::string& numberOfSamplesText, int scrollPos);
// Expected count of the normal curve's central column, in samples; 0 when
// there is no curve.
double NormalCurvePeak(const std::string& sampleSizeText, const std::string& numberOfSamplesText);
// Height y above the axis, before the vertical scale, at pixel x: the window
// draws at (x, g_sdAxisY - trunc(y x g_sdScaleY)).
double NormalCurveHeight(const NormalCurve& curve, int x);
// Pixel x of a z value for the theoretical tail fill.
int NormalCurveZPixel(const NormalCurve& curve, float z);
