#pragma once
// The program-wide state every window works on. Plain fields, one thread, no
// locks. Flags are ints holding 0 or 1; real quantities are floats because
// several results depend on single-precision rounding at every store.

#include "core/Geometry.h"

#include <string>

class CPopulationDlg;
class CBinomialPopDlg;
class CSamplingDistDlg;
class CSamplesDlg;
class CConfIntervalDlg;
class CPopSettingsDlg;

constexpr int kMaxSamples = 10000;
constexpr int kMaxSampleSize = 1000;
constexpr int kCurveSlots = 202;
constexpr int kHistogramBins = 202;
constexpr int kTallyColumns = 21;
constexpr double kPi = 3.1415926545; // the program's own value of pi

// One drawn sample. Arrays are 1-based like the rest of the store: slot 0 is
// never used.
struct SampleRow {
    float values[kMaxSampleSize + 1];
    int columnCounts[kTallyColumns + 1];
    float mean;
    float sd; // divisor n - 1; -1 for a sample of one value
    // Kept while the chosen statistic needs them (core/Statistic.h).
    float median;
    float range;
};

// A sample's number (its row of the Sample store) and a position in the sorted
// means are both 1..N, so a slip between them compiles as ints and shows the
// wrong sample. As two types one cannot index where the other belongs; a plain
// count converts to either, and .value gives it back.
struct SampleNo {
    int value = 0;
    constexpr SampleNo(int v = 0) : value(v) {}
    constexpr bool operator==(const SampleNo&) const = default;
};
struct SortedRow {
    int value = 0;
    constexpr SortedRow(int v = 0) : value(v) {}
    constexpr bool operator==(const SortedRow&) const = default;
};

// --- Measurement type and population ---------------------------------------
extern int g_isContinuous;
extern int g_isDiscrete;
extern int g_isBinomial;
extern int g_popCurve[kCurveSlots];      // column tops; slot 1 holds column 0
extern float g_popCumShare[kCurveSlots]; // [j] = share of columns 0..j-1
extern int g_discreteValue[11];
extern float g_popWeightTotal;
extern float g_popMean;
extern float g_popSD;
extern float g_popMedian;
extern float g_popQ1;
extern float g_popQ3;
extern float g_ciPopMean;
extern float g_dispScale;
extern float g_dispFromMean;
extern float g_dispShift;
extern float g_dispToMean;
extern float g_standardError;

// Population window geometry, measured once when that window is created.
extern float g_scaleX;
extern float g_scaleY;
extern int g_popBaseline;
extern int g_plotLeft;
extern int g_plotRight;
extern int g_binTop; // top of the binomial bar area

// --- Options ----------------------------------------------------------------
extern int g_showZValues;
extern int g_showTValues;
extern int g_proportionAbove;
extern int g_oneSlider;
extern int g_slidersTandem;
extern int g_possibleMu;
extern int g_binWidthWide;
extern int g_binWidthMedium;
extern int g_binWidthNarrow;
extern int g_binWidthFinest;
// The colour-blind safe pair instead of red and green where they carry a
// meaning (ui/DrawingResources.h); for the session only.
extern int g_colourBlindSafe;

// --- Slider positions -------------------------------------------------------
extern float g_leftSliderZ;
extern float g_rightSliderZ;
extern float g_leftSliderValue;
extern float g_rightSliderValue;

// --- Tool windows -----------------------------------------------------------
extern CPopulationDlg* g_populationWnd;
extern CBinomialPopDlg* g_binomialWnd;
extern CSamplingDistDlg* g_samplingDistWnd;
extern CSamplesDlg* g_samplesWnd;
extern CConfIntervalDlg* g_confIntervalWnd;
extern CPopSettingsDlg* g_popSettingsWnd;
extern int g_populationWndVisible;
extern int g_samplingDistWndVisible;
extern int g_samplesWndVisible;
extern int g_confIntervalWndVisible;
extern std::string g_activeWindowTag;
extern int g_ciWndWidth;
extern int g_ciWndHeight;
extern int g_possibleMuExtra;

// --- Animation --------------------------------------------------------------
extern int g_speed; // 1 = "F" .. 5 = "S"

// --- Series and Sample store ------------------------------------------------
extern int g_addMoreMode;
extern std::string g_seriesModeLabel;
extern int g_seriesSampleSize;
extern int g_samplesDrawn;
extern int g_seriesTargetCount;
extern int g_currentSampleNo;
extern int g_samplesExist;
extern int g_seedCarry;
extern int g_drawFinished;
// 1 from the start of a DRAW SAMPLES run until it returns (set by the caller of
// DrawSamples); the main window defers a close request while it is 1.
extern int g_runInProgress;
extern SampleRow* g_sampleStore; // rows 1..kMaxSamples
// Goes up whenever rows of the store are drawn, a series starts or ends, or the
// store is cleared: a figure kept from the series holds while it stays put.
extern unsigned g_sampleStoreGeneration;
extern float g_sortedMeans[kMaxSamples + 1]; // slots 1..g_samplesDrawn
extern int g_sortedMeanSampleNo[kMaxSamples + 1];
extern int g_meanHistogram[kHistogramBins + 1]; // bins 1..202
extern int g_lastMeanBin;
extern float g_sumOfMeans;
extern float g_sumOfSDs;
extern float g_meanOfMeans;
extern float g_sdOfMeans;
extern float g_meanOfSDs;
extern float g_sdOfSDs;

// --- Histogram scale (Dorvane window) ---------------------------------------
extern float g_histCountScale;
extern int g_histTickStep;
extern int g_histTickCount;
extern int g_histNeedsRescale;
extern int g_histOverflowed;
extern int g_histMaxHeight;
extern Rect g_histRect;
extern float g_sdScaleX;
extern float g_sdScaleY;

// --- Selection --------------------------------------------------------------
extern int g_sampleSelected;
extern int g_selectedSample; // the selected sample's number; its places follow it (core/Selection)
extern int g_selectedPos;
extern int g_selectedSampleNo;
extern Rect g_sdSelectionRect;
extern int g_sortByMeans;

// --- Confidence Intervals series --------------------------------------------
extern int g_ciFirstSample;
extern int g_ciScrollPos;
extern int g_ciInCount;
extern int g_ciOutCount;

// --- Dorvane window: axis, sliders, columns ---------------------------------
extern int g_sdSampleSize;    // n as last read from the Sample Size field
extern int g_sdAxisLeft;      // pixel x of the first visible axis value
extern int g_sdAxisRight;     // pixel x of the axis' right end
extern int g_sdAxisY;         // pixel y of the horizontal axis
extern int g_sdPlotTop;       // top of the plotting area
extern int g_pixelsPerUnit;   // pixels per internal unit at zoom 1
extern int g_muPixelX;        // pixel x of the population mean at zoom 1
extern int g_leftCount;       // samples at or below the left (or only) slider
extern int g_rightCount;      // samples at or below the right slider
extern Rect g_leftSliderRect; // hit and paint rectangles of the handles
extern Rect g_rightSliderRect;
extern int g_leftSliderHidden; // the slider lies outside the visible axis
extern int g_rightSliderHidden;
extern int g_binWidthChanged;   // rebinned: the next graph paint redraws all
extern int g_sdZoom;            // 1 after choosing width 0.1, 2 after 0.05
extern int g_sdScrollMax;       // upper end of the axis scroll range
extern int g_showNormalOutline; // the normal curve is drawn
extern int g_showPopOutline;    // the population outline is drawn
constexpr int kSdColumnSlots = 200;
extern Rect g_sdColumnRect[kSdColumnSlots + 1]; // drawn columns, slots 1..200
extern int g_sdColumnBin[kSdColumnSlots + 1];   // bin shown in each slot
extern float g_normalCurveFactor;               // height factor F of the curve
extern int g_draggingLeft;                      // the left (or only) slider handle is being dragged
extern int g_draggingRight;                     // the right slider handle is being dragged

// Gives every field its start-up value, the windows' tables
// (core/SamplesWindowState.h, core/ConfIntervalState.h) with the rest. The
// main frame calls it once; every test fixture calls it so no test sees
// another's state. The Sample store is allocated on the first call and only
// reused afterwards.
void ResetSimulationState();

// The store and the sorted-means table read by the index each one takes.
inline SampleRow& StoredSample(SampleNo sample) {
    return g_sampleStore[sample.value];
}
inline float SortedMean(SortedRow pos) {
    return g_sortedMeans[pos.value];
}
inline SampleNo SampleAtSortedRow(SortedRow pos) {
    return g_sortedMeanSampleNo[pos.value];
}

// Forgets the tool windows, which die with the main frame.
void ClearWindowPointers();

// Shown value of an internal value x under the display transform.
float ShownValue(float x);
// The internal value a shown value stands for (a typed one); with a display
// scale of 0 every internal value shows alike, and the mean stands for all.
double InternalValue(double shown);
