#pragma once
// The Dorvane window's logic without its drawing, in four files: here the
// layout, the bins at four widths, the visible stretch of the axis, the
// sample size with its standard error, rebinning and the axis scroll bar;
// SliderModel.h the sliders and the readouts beside them; HistogramModel.h
// the vertical scale, the columns, the selection and the normal curve;
// HistogramDescription.h the picture in words.
//
// Everything here works on the Simulation state. The window reads its Sample
// Size and Number of Samples fields once and passes the numbers with the
// position of its axis scroll bar; it gets back plain numbers and the texts
// to show. Nothing here draws.
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
#include "core/Statistic.h"

#include <functional>
#include <optional>
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

// A sample size n as the window read it from its field: sets
// g_standardError when n >= 1 and re-synchronises the sliders: observed
// values keep the sliders' shown values, z and t values keep their z.
// Returns the Interval Width text, "" when n < 1.
std::string ReadSampleSize(int n);

// Rebuilds g_meanHistogram from the Sample store at the width that is set,
// with g_sdSampleSize = sampleSize. Statistics without a bin are left out,
// as the engine leaves them out.
void Rebin(int sampleSize);

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
AxisScrollBarState ChooseBinWidth(BinWidth width, int scrollPos, int sampleSize);

// The axis scroll bar: returns the new position (1..g_sdScrollMax; always 1
// at the fixed widths) and moves g_sdSelectionRect with the columns. The
// window sets the position, paints whole and repaints the histogram.
int ScrollAxis(ScrollRequest request, int thumbPos, int currentPos);

// --- Slider positions and the statistic of a sample -----------------------------

// A slider's position on the shown scale, from its z: the standard error
// that ReadSampleSize keeps decides both.
inline float SliderShownValue(float z) {
    return static_cast<float>(
        ((z * static_cast<double>(g_standardError) + g_popMean) - g_dispFromMean) * g_dispScale +
        g_dispToMean);
}

// The statistic of sample r (1-based) as the window bins it, with n =
// g_sdSampleSize; not finite when the sample has none (t of an SD of 0 or -1).
float SampleStatistic(int r);

// --- The chosen statistic on the axis ------------------------------------------

// The statistic the window shows: the chosen one, the proportion (Mean) for a
// binomial population.
Statistic ShownStatisticKind();
// The standard error's field: sigma / sqrt(n) is the mean's, so another
// statistic leaves it (and its formula) empty rather than show the mean's.
std::string StandardErrorShown(const std::string& text);
// Makes a statistic the one shown and gets its values of the series ready
// (the series stays; the window rebins). z and t values are of the mean:
// another statistic is shown as observed values. A binomial population keeps
// its proportion: false, nothing changed.
bool SelectStatistic(Statistic statistic);
// The axis is the population's (the mean's or the median's), not one of spreads.
bool StatisticAxisIsOfValues();
// The number the student reads for a place on the axis, and back: the mean
// and the median through the display transform, a spread by its factor.
double ShownOfAxis(double axisValue);
double AxisOfShown(double shown);
// The letter of the statistic in labels: "x" (the window draws its bar), "p"
// for proportions, "M", "s", "s²", "s²(n)", "R".
const char* StatisticLetter();
// The population's value of the statistic on the axis (M, sigma, sigma^2 or
// the span), or empty.
std::optional<double> ParameterOnAxis();
// Mean and SD (n - 1) of the chosen statistic over the samples that have a
// value, as shown (not for the mean: the engine keeps those).
struct StatisticSummary {
    std::string mean, sd;
    int withoutValue = 0;
};
StatisticSummary SummaryOfStatistic();
