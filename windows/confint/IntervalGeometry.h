#pragma once
// Where the Confidence Intervals window puts things, computed outside the
// painting so a test can check every pixel figure and the painting and the
// mouse use the same numbers: the window's scales and rectangles, the rows of
// the interval graph with their clipped ends, the row under a click, the
// scroll bar's page, and the axis labels.
//
// Design units: the client area is 509 x 540 at scale 1; a design length d
// becomes trunc(d x scale) pixels, each term on its own.

#include "core/AxisTicks.h"
#include "core/Geometry.h"
#include "core/ScrollRequest.h"
#include "windows/confint/IntervalSeries.h"

#include <functional>
#include <string>
#include <vector>

constexpr int kCiDesignWidth = 509;
constexpr int kCiDesignHeight = 540;

// Scales from the client area and every rectangle above.
void SetConfIntervalLayout(int clientWidth, int clientHeight);

inline int CiX(double designUnits) {
    return Px(g_ciScaleX, designUnits);
}
inline int CiY(double designUnits) {
    return Px(g_ciScaleY, designUnits);
}

// Truncation toward zero held inside the pixel range, for any value.
int TruncPixel(double value);

// --- The interval graph ----------------------------------------------------------

constexpr int kRowsPerPage = 211; // rows g_ciFirstSample .. g_ciFirstSample + 210

// Last row the page shows: min(first + 210, N); below first when N < first.
int LastRowOnPage();

// Pixel y of a row: the first at 430 design units, each later one 2 higher.
int RowY(int row);

// Pixel x of an internal value on the graph's axis.
int GraphX(float value);

// The line and centre mark of one row.
struct RowLine {
    int y = 0;
    bool drawLine = false; // false: no interval, only the centre mark
    int xLow = 0;          // clipped to the axis; the open end of a one-sided
    int xHigh = 0;         //   interval runs to the axis' end; never shorter
                           //   than its centre mark
    int xCentre = 0;
};
RowLine LineOfRow(const Interval& interval, int row);

// The row a press at pixel y stands for: first + trunc((430 sy - y) / (2 sy)).
int RowAtY(int y);

// A press in the graph at pixel y: drops the selection, then selects the row
// under it when 0 <= row <= N (row 0 counts as 1). Returns whether a row was
// selected.
bool SelectRowAt(int y);

// The row a key moves the selection to: `step` rows on from the selected
// one, held to 1..N, or the first row of the page while none is selected.
// 0 when the series is empty.
int SteppedRow(int step);

// The labels of an axis over the internal values 0..10 at round shown values
// (proportions when binomial), each centred on xOf(value), widthOf(text)
// pixels wide, inside minX..maxX.
std::vector<AxisTick> CiAxisTicks(const std::function<double(double)>& xOf, double minX,
                                  double maxX,
                                  const std::function<double(const std::string&)>& widthOf);
// The graph's axis labels, inside its frame.
std::vector<AxisTick> GraphAxisTicks(const std::function<double(const std::string&)>& widthOf);

// --- The scroll bar ------------------------------------------------------------------

// A scroll action from the position in force (thumb: the position dragged
// to). The position is held to 1..N and the page follows it: the thumb at
// the top (1) shows the newest sample at the bottom row, at the bottom (N)
// the first sample. Sets g_ciScrollPos and g_ciFirstSample; returns the
// position.
int ScrollCiGraph(ScrollRequest request, int thumbPos);

// The scroll position that shows the page starting at g_ciFirstSample in a
// series of `drawn` samples, by the same rule (drawn - first + 1, held to
// 1..drawn). The engine moves the page while it draws, before the series'
// count has grown, so the count comes in.
int CiScrollPosOfPage(int drawn);
