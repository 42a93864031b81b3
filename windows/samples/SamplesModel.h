#pragma once
// The Samples window's logic without its drawing: its layout, the scroll
// bar's steps and clamps, the two limits (value and marker of a
// drag, their labels, the share of the shown sample between them), and which
// sample a click selects. The window turns what comes back into pixels and
// texts; nothing here draws.

#include "core/Geometry.h"
#include "core/PopulationDescription.h"
#include "core/SamplesWindowState.h"
#include "core/ScrollRequest.h"

#include <string>

// The window's design size: 320 x 402 design units, twice its template.
constexpr int kSamplesDesignWidth = 320;
constexpr int kSamplesDesignHeight = 402;

// The window's layout: both scales from the client area and the limit
// markers' pixels for the limits in force.
void SetSamplesLayout(int clientWidth, int clientHeight);

// The graph area (0, 0)-(client right - 21, 342); the control strip lies below it.
Rect SamplesGraphArea(int clientWidth);
int SamplesStripTop();

// --- Scrolling --------------------------------------------------------------

// One scroll bar action: steps of 1 and 3 samples in the histogram view, 2
// and 18 in the grid view, or the thumb's position; then held to 1..N (grid
// view: 1..N - 5). Sets g_currentSampleNo and returns it.
int ScrollSamples(ScrollRequest request, int thumbPos);

// The scroll bar's range 1..maximum and position when the engine asks for
// 1..maxSample at position: never a range below 1..1.
struct SamplesScrollBar {
    int maximum;
    int position;
};
SamplesScrollBar SamplesScrollBarFor(int maxSample, int position);

// --- Limits -----------------------------------------------------------------

// The limits are drawn, and can be grabbed, in the histogram view of a
// measurement series that holds samples.
bool LimitsShown();

// Value on the internal scale of a pixel x on the histogram's axis.
float LimitValueAtPixel(int x);
// One drag step of a limit marker to pixel x: x is held between the axis
// start (or the lower marker) and the upper marker (or the axis end); for a
// measurement population the limit and its marker follow. A binomial
// population's limits do not move.
void DragLowerLimitTo(int x);
void DragUpperLimitTo(int x);

// The labels: the shown value with two decimals, "0" for a shown lower limit
// of exactly 0 and "10" for a shown upper limit of exactly 10.
std::string LowerLimitText();
std::string UpperLimitText();

// Where a label of textWidth x textHeight pixels stands beside its marker,
// as DrawLimits writes it: the lower one ends left of its marker, the upper
// one starts right of its marker.
Rect LowerLimitLabelRect(int textWidth, int textHeight);
Rect UpperLimitLabelRect(int textWidth, int textHeight);

// --- Limits by the keyboard -------------------------------------------------
// A key moves a limit as a drag by one pixel (ten with Shift) does; a typed
// number moves it as a drag to that number does.

// The pixel a limit's value stands on (a drag to x gives back x), where a
// key step starts.
int LowerLimitPixel();
int UpperLimitPixel();
// A number typed on the shown scale (the window read it from the field):
// held where a drag could take the limit (the axis and the other limit) and
// put there exactly; a binomial population's limits stay.
void SetLowerLimitToShown(double shown);
void SetUpperLimitToShown(double shown);

// Values 1..n of a row with lower <= v <= upper (both limits count). n is
// held to the row's 1000 slots.
int CountBetweenLimits(int row, int n);

// The percentage sentence's number: "%.0f" of the share of sample
// g_currentSampleNo between the limits, n the Sample Size field's number.
// Empty when n < 1: there is no share of no values.
std::string ShareBetweenLimitsText(int sampleSize);

// --- Selection --------------------------------------------------------------

// Where a press selects the shown sample in the histogram view, and the frame
// drawn around it when it is the selected one.
Rect HistogramClickArea(int clientWidth);
Rect HistogramSelectionFrame(int clientWidth);

// The sample a press at (x, y) selects: in the histogram view the shown one
// inside the click area, in the grid view the one drawn in the cell under the
// pointer (cells as DrawSampleGrid last laid them out). 0: none.
int SampleAtPoint(int x, int y, int clientWidth);

// Whether sample s is the one selected.
bool IsSelectedSample(int s);

// Shows the selected sample: g_currentSampleNo = its row, held to 1..N.
// Returns the scroll bar's new position.
int SyncToSelection();

// --- The picture in words -----------------------------------------------------

// For a screen reader: the sample shown with its size, mean and SD, the
// share between the limits and whether it is the selected one; or the
// samples of the grid; or that none has been drawn. The words go through
// translate (the window's language) before the figures are put in.
std::string SamplesPictureDescription(int sampleSize, const TextTranslator& translate = {});
