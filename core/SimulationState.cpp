#include "core/SimulationState.h"

#include "core/ConfIntervalState.h"
#include "core/SamplesWindowState.h"
#include "core/StatisticState.h"

#include <algorithm>
#include <cstring>
#include <memory>

int g_isContinuous, g_isDiscrete, g_isBinomial;
int g_popCurve[kCurveSlots];
float g_popCumShare[kCurveSlots];
int g_discreteValue[11];
float g_popWeightTotal, g_popMean, g_popSD, g_popMedian, g_popQ1, g_popQ3, g_ciPopMean;
float g_dispScale, g_dispFromMean, g_dispShift, g_dispToMean;
float g_standardError;
float g_scaleX, g_scaleY;
int g_popBaseline, g_plotLeft, g_plotRight, g_binTop;

int g_showZValues, g_showTValues, g_proportionAbove, g_oneSlider, g_slidersTandem, g_possibleMu;
int g_colourBlindSafe;
int g_binWidthWide, g_binWidthMedium, g_binWidthNarrow, g_binWidthFinest;

float g_leftSliderZ, g_rightSliderZ, g_leftSliderValue, g_rightSliderValue;

CPopulationDlg* g_populationWnd;
CBinomialPopDlg* g_binomialWnd;
CSamplingDistDlg* g_samplingDistWnd;
CSamplesDlg* g_samplesWnd;
CConfIntervalDlg* g_confIntervalWnd;
CPopSettingsDlg* g_popSettingsWnd;
int g_populationWndVisible, g_samplingDistWndVisible, g_samplesWndVisible, g_confIntervalWndVisible;
std::string g_activeWindowTag;
int g_ciWndWidth, g_ciWndHeight, g_possibleMuExtra;

int g_speed;

int g_addMoreMode;
std::string g_seriesModeLabel;
int g_seriesSampleSize, g_samplesDrawn, g_seriesTargetCount, g_currentSampleNo;
int g_samplesExist, g_seedCarry, g_drawFinished;
int g_runInProgress;
SampleRow* g_sampleStore;
unsigned g_sampleStoreGeneration;
float g_sortedMeans[kMaxSamples + 1];
int g_sortedMeanSampleNo[kMaxSamples + 1];
int g_meanHistogram[kHistogramBins + 1];
int g_lastMeanBin;
float g_sumOfMeans, g_sumOfSDs, g_meanOfMeans, g_sdOfMeans, g_meanOfSDs, g_sdOfSDs;

float g_histCountScale;
int g_histTickStep, g_histTickCount, g_histNeedsRescale, g_histOverflowed, g_histMaxHeight;
Rect g_histRect;
float g_sdScaleX, g_sdScaleY;

int g_sampleSelected, g_selectedSample, g_selectedPos, g_selectedSampleNo;
Rect g_sdSelectionRect;
int g_sortByMeans;

int g_ciFirstSample, g_ciScrollPos, g_ciInCount, g_ciOutCount;

int g_sdSampleSize, g_sdAxisLeft, g_sdAxisRight, g_sdAxisY, g_sdPlotTop;
int g_pixelsPerUnit, g_muPixelX, g_leftCount, g_rightCount;
Rect g_leftSliderRect, g_rightSliderRect;
int g_leftSliderHidden, g_rightSliderHidden, g_binWidthChanged, g_sdZoom, g_sdScrollMax;
int g_showNormalOutline, g_showPopOutline;
Rect g_sdColumnRect[kSdColumnSlots + 1];
int g_sdColumnBin[kSdColumnSlots + 1];
float g_normalCurveFactor;
int g_draggingLeft, g_draggingRight;

namespace {
// The one allocation of the Sample store, made on first use and kept for the
// life of the process.
SampleRow* SampleStore() {
    static std::unique_ptr<SampleRow[]> store(new SampleRow[kMaxSamples + 1]);
    return store.get();
}
} // namespace

float ShownValue(float x) {
    return static_cast<float>((x - g_dispFromMean) * g_dispScale + g_dispToMean);
}

double InternalValue(double shown) {
    if (g_dispScale == 0.0f) return g_dispFromMean;
    return (shown - g_dispToMean) / static_cast<double>(g_dispScale) + g_dispFromMean;
}

void ClearWindowPointers() {
    g_populationWnd = nullptr;
    g_binomialWnd = nullptr;
    g_samplingDistWnd = nullptr;
    g_samplesWnd = nullptr;
    g_confIntervalWnd = nullptr;
    g_popSettingsWnd = nullptr;
}

void ResetSimulationState() {
    g_isContinuous = 1;
    g_isDiscrete = 0;
    g_isBinomial = 0;
    std::fill(std::begin(g_popCurve), std::end(g_popCurve), 0);
    std::fill(std::begin(g_popCumShare), std::end(g_popCumShare), 0.0f);
    for (int i = 0; i <= 10; ++i)
        g_discreteValue[i] = i;
    g_popWeightTotal = g_popMean = g_popSD = 0;
    g_popMedian = g_popQ1 = g_popQ3 = 0;
    g_ciPopMean = 5.0f; // the possible mean starts in the middle of the axis
    g_dispScale = 1.0f;
    g_dispFromMean = g_dispShift = g_dispToMean = 0;
    g_standardError = 0;
    g_scaleX = g_scaleY = 0;
    g_popBaseline = g_plotLeft = g_plotRight = g_binTop = 0;

    g_showZValues = g_showTValues = g_proportionAbove = 0;
    g_oneSlider = 1;
    g_slidersTandem = g_possibleMu = 0;
    g_colourBlindSafe = 0;
    g_binWidthWide = 0;
    g_binWidthMedium = 1;
    g_binWidthNarrow = g_binWidthFinest = 0;

    // The display transform is set above, so the shown slider values follow it.
    g_leftSliderZ = g_rightSliderZ = 0;
    g_leftSliderValue = g_rightSliderValue = ShownValue(g_popMean);

    ClearWindowPointers();
    g_populationWndVisible = 1;
    g_samplingDistWndVisible = g_samplesWndVisible = g_confIntervalWndVisible = 0;
    g_activeWindowTag.clear();
    g_ciWndWidth = g_ciWndHeight = g_possibleMuExtra = 0;

    g_speed = 2;

    g_addMoreMode = 0;
    g_seriesModeLabel = "ADD";
    g_seriesSampleSize = g_samplesDrawn = g_seriesTargetCount = 0;
    g_currentSampleNo = 1;
    g_samplesExist = g_seedCarry = g_drawFinished = 0;
    g_runInProgress = 0;
    g_sampleStore = SampleStore();
    std::memset(static_cast<void*>(g_sampleStore), 0, sizeof(SampleRow) * (kMaxSamples + 1));
    ++g_sampleStoreGeneration;
    std::fill(std::begin(g_sortedMeans), std::end(g_sortedMeans), 0.0f);
    std::fill(std::begin(g_sortedMeanSampleNo), std::end(g_sortedMeanSampleNo), 0);
    std::fill(std::begin(g_meanHistogram), std::end(g_meanHistogram), 0);
    g_lastMeanBin = 0;
    g_sumOfMeans = g_sumOfSDs = g_meanOfMeans = g_sdOfMeans = g_meanOfSDs = g_sdOfSDs = 0;

    g_histCountScale = 4.0f;
    g_histTickStep = 25;
    g_histTickCount = 3;
    g_histNeedsRescale = 1;
    g_histOverflowed = 0;
    g_histMaxHeight = 0;
    g_histRect = Rect{};
    g_sdScaleX = g_sdScaleY = 0;

    g_sampleSelected = g_selectedSample = g_selectedPos = 0;
    g_selectedSampleNo = 1;
    g_sdSelectionRect = Rect{};
    g_sortByMeans = 0;

    // The interval graph's page starts at the first sample.
    g_ciFirstSample = g_ciScrollPos = 1;
    g_ciInCount = g_ciOutCount = 0;

    // Dorvane window; the layout fields get their pixels when it is created.
    g_sdSampleSize = 0;
    g_sdAxisLeft = g_sdAxisRight = g_sdAxisY = g_sdPlotTop = 0;
    g_pixelsPerUnit = 35;
    g_muPixelX = g_leftCount = g_rightCount = 0;
    g_leftSliderRect = g_rightSliderRect = Rect{};
    g_leftSliderHidden = g_rightSliderHidden = g_binWidthChanged = g_sdZoom = 0;
    g_sdScrollMax = 151;
    g_showNormalOutline = g_showPopOutline = 0;
    std::fill(std::begin(g_sdColumnRect), std::end(g_sdColumnRect), Rect{});
    std::fill(std::begin(g_sdColumnBin), std::end(g_sdColumnBin), 0);
    g_normalCurveFactor = 0;
    g_draggingLeft = g_draggingRight = 0;

    ResetSamplesWindowState();
    ResetConfIntervalState();
    ResetStatisticState();
}
