#pragma once
// The numbers of the Samples window's two pictures, without drawing: the
// vertical-scale table, the bars and the count levels of one sample's
// histogram, the falling block of the animation, where the mean marker and
// the "s =" text go, and the six cells of the grid view with their common
// scale. All positions are pixels of the window (design units times the
// window's scale, truncated term by term); widths of texts come from the
// window, which measures them.

#include "core/Geometry.h"
#include "core/SamplesWindowState.h"
#include "core/Statistic.h"

#include <functional>
#include <string>

// Design lengths to pixels on the Samples grid, truncated term by term.
inline int SmX(double x) {
    return Px(g_samplesScaleX, x);
}
inline int SmY(double y) {
    return Px(g_samplesScaleY, y);
}

// --- Vertical scale -----------------------------------------------------------

// Counts per step of the count axis and the height of one count in design
// units: one step always spans 32 units (the grid view: 16), five steps the
// axis.
struct SampleScale {
    int step;
    float height;
};
// The first row of the table whose limit is at least maxCount / 5 (the ratio
// 32 / (160 / maxCount)); a count up to 1000 always finds one.
SampleScale ChooseSampleScale(int maxCount);
// The same table halved, for the grid view.
SampleScale ChooseGridScale(int maxCount);

// Largest tally count of a row, and over rows 1..g_samplesDrawn.
int LargestColumnCount(int row);
int LargestColumnCountOfSeries();

// --- The histogram view -------------------------------------------------------

struct HistogramLayout {
    int x0;        // pixel x of the value 0 on the axis
    int y0;        // baseline
    float h;       // pixels per count
    int step;      // counts per step of the count axis
    int bars;      // 21, or 2 for a binomial population
    int axisTop;   // top of the vertical axis
    int axisRight; // right end of the horizontal axis
};

// The layout for a sample whose largest tally count is maxCount.
HistogramLayout LayoutHistogram(int maxCount, int clientWidth);

// Left and right edge of the bar of tally column c (1..21, binomial 1..2).
struct BarSpan {
    int left;
    int right;
};
BarSpan HistogramBarSpan(const HistogramLayout& layout, int column);

// Pixel y of a count's height above a baseline: trunc(y0 - count x h).
int CountLevel(int baseline, float h, int count);

// Where the block of the falling animation starts: the whole counts of free
// space between the top of bar `column` (holding `count` values) and the top
// of the axis, at most 5; 0 when the bar reaches the top (nothing falls).
int FallSteps(const HistogramLayout& layout, int count);
// The block that stands for the j-th value of a bar.
Rect BlockRect(const HistogramLayout& layout, int column, int j);
// The pause after each step of the fall: none at speed 1 ("F"), then 25 ms
// more for each slower speed, 100 ms at speed 5 ("S").
int FallPauseForSpeed(int speed);

// --- Mean marker and "s =" text (both views) -----------------------------------

enum class SampleView { Histogram, Grid };

// "x = 5.12" (the shown value of the mean) or "p = 0.40".
std::string MeanText(float mean);
// Pixel x of the mean on an axis whose value 0 lies at x: 22 design units
// per unit in the histogram view, 10 in a grid cell (a proportion: 200, 100).
int MeanPixel(SampleView view, int x, float mean);
// The mean text goes left of its line when it fits between the axis start
// and the line, else right of it.
bool MeanTextOnLeft(int axisStart, int meanX, int meanTextWidth);

// A text and where it stands: its left edge at x, or its right end at x.
struct TextPlacement {
    std::string text;
    int x = 0;
    bool rightAligned = false;
};
// The standard-deviation text beside the mean text; empty for a sample of
// one value (sd -1). textWidth measures a text as the window draws it. Its
// letters never start left of kSdTextLeftmost design units, clear of the
// selection frame and the focus ring at the window's left edge.
constexpr int kSdTextLeftmost = 7;
using MeasureText = std::function<int(const std::string&)>;
TextPlacement SdTextPlacement(SampleView view, float mean, float sd, int meanX, bool meanLeft,
                              int meanTextWidth, const MeasureText& textWidth);

// --- The chosen statistic (both views) -------------------------------------------

// The statistic a sample's picture marks beside its mean: the chosen one; a
// binomial sample has its proportion only.
Statistic MarkedStatistic();

// The spread text: "s = 1.23", or for a chosen variance its value on the
// shown scale as "s² = 1.52" (divisor n - 1) or "sₙ² = 1.21" (divisor n).
// Empty for a sample of one value (sd -1) and a number that fits no text.
std::string SpreadText(float sd);

// The median's text "M = 3.19" on the shown scale, and the range's
// "R = 12.4" (the distance on the shown scale).
std::string MedianText(float median);
std::string RangeText(float range);

// Pixel x of the smallest and of the largest of a row's values 1..n on an
// axis whose value 0 lies at x: where the range's bracket starts and ends.
struct BracketSpan {
    int left;
    int right;
};
BracketSpan RangeBracket(SampleView view, int x, const SampleRow& row, int n);

// The left edge of a text of `width` beside a mark spanning left..right:
// after it when the text ends by maxX, else before it when it starts at
// minX or later, else as far right as maxX lets it.
int TextBesideMark(int left, int right, int width, int minX, int maxX);

// --- The grid view ---------------------------------------------------------------

struct GridCell {
    int sampleNo; // 0: no sample in this cell
    int x;        // pixel x of the value 0 (the cell's origin)
    int y;        // baseline
    Rect rect;    // where a click selects the cell's sample
};

// The first sample of the grid: g_currentSampleNo, but no later than six
// before the end (the grid ends at the last sample), and at least 1.
int GridFirstSample();
// Cells 0..5, two to a row, holding samples first .. min(first + 5, N); the
// rest hold none.
void LayoutGrid(GridCell cells[kGridCells]);
// Pixel x of bar k (0..20) of a cell.
int GridBarLeft(int cellX, int k);
