#pragma once
// The sliders of the Dorvane window: positions in standard errors, handle
// rectangles, drags and keys, the Options rules, and the readouts beside
// them (counts, proportions, the normal and t figures). The axis they stand
// on is SampDistModel.h's.

#include "core/SimulationState.h"
#include "windows/sampdist/SampDistModel.h"

#include <string>

// --- Sliders ----------------------------------------------------------------

// Threshold a slider at z puts on the statistic: g_popMean + z x se.
float SliderThreshold(float z);
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
void SetSliderFromPixel(int x, bool left, int scrollPos, int sampleSize,
                        std::string& intervalWidthText);

// A slider stands on the axis: one whose threshold lies before its start or
// past the end of the whole axis (the last scroll position included) at the
// current width, after a change of population, sample size, statistic or
// width, is put back on the nearer end, values recomputed. Tandem sliders
// stay mirrored. Every redraw of the window runs it first.
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
void SetSliderToValue(double value, bool left, int scrollPos, int sampleSize,
                      std::string& intervalWidthText);
// A typed number, as the window read it from the field: on the shown scale,
// held to the visible stretch of the axis and applied as a drag there.
void SetSliderToShownNumber(double shown, bool left, int scrollPos, int sampleSize,
                            std::string& intervalWidthText);

// Options menu: the slider modes with their rules; the shell repaints after.
void OneSlider();
void TwoSlidersSeparate();
void TwoSlidersTandem();

// Label beside a handle: "z = 1.23", "t = ...", "p = 0.500", "x = 5.00", or
// only its letter when letterOnly.
std::string SliderLabelText(float z, bool letterOnly);

// --- Readouts ---------------------------------------------------------------

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
// figures beyond the sliders, for the sample size and Number of Samples the
// window read. Sets g_sdSampleSize. No text is ever "nan" or "inf": a figure
// without a value is "".
SliderReadouts UpdateSliderReadouts(int sampleSize, int numberOfSamples);
