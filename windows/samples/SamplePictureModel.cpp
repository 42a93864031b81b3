#include "windows/samples/SamplePictureModel.h"

#include "core/NumberText.h"
#include "core/SimulationState.h"

#include <algorithm>
#include <cmath>

namespace {

struct ScaleRow {
    int limit; // of the ratio maxCount / 5; also the count step
    float height;
};
// One step spans 32 design units whatever the step.
constexpr ScaleRow kScaleTable[] = {{1, 32.0f},  {2, 16.0f},   {3, 10.666667f}, {4, 8.0f},
                                    {5, 6.4f},   {10, 3.2f},   {20, 1.6f},      {25, 1.28f},
                                    {50, 0.64f}, {100, 0.32f}, {200, 0.16f}};
// The grid view's cells are half as high.
constexpr float kGridHeights[] = {16.0f, 8.0f,  5.333333f, 4.0f,  3.2f, 1.6f,
                                  0.8f,  0.64f, 0.32f,     0.16f, 0.08f};

int ScaleRowIndex(int maxCount) {
    // ratio = 32 / (160 / maxCount) is maxCount / 5; compared in whole
    // numbers, so no float ratio can land a hair beside a limit.
    constexpr int rows = static_cast<int>(std::size(kScaleTable));
    for (int i = 0; i < rows; ++i)
        if (5 * kScaleTable[i].limit >= maxCount) return i;
    return rows - 1;
}

int DrawnRows() {
    return std::clamp(g_samplesDrawn, 0, kMaxSamples);
}

// Truncation toward zero that stays inside the pixel range for any input.
int TruncPixel(double value) {
    if (std::isnan(value)) return 0;
    return static_cast<int>(std::clamp(value, -1.0e9, 1.0e9));
}

} // namespace

// --- Vertical scale -----------------------------------------------------------------

SampleScale ChooseSampleScale(int maxCount) {
    const ScaleRow& row = kScaleTable[ScaleRowIndex(maxCount)];
    return SampleScale{row.limit, row.height};
}

SampleScale ChooseGridScale(int maxCount) {
    const int i = ScaleRowIndex(maxCount);
    return SampleScale{kScaleTable[i].limit, kGridHeights[i]};
}

int LargestColumnCount(int row) {
    if (row < 1 || row > kMaxSamples) return 0;
    const int* counts = g_sampleStore[row].columnCounts;
    return *std::max_element(counts + 1, counts + kTallyColumns + 1);
}

int LargestColumnCountOfSeries() {
    // Every grid redraw asks; the rows change only when drawn again, so the
    // scan over a full series is kept until the store or the series moves.
    static unsigned keptGeneration = 0;
    static int kept = -1;
    if (kept >= 0 && keptGeneration == g_sampleStoreGeneration) return kept;
    int largest = 0;
    for (int row = 1, drawn = DrawnRows(); row <= drawn; ++row)
        largest = std::max(largest, LargestColumnCount(row));
    keptGeneration = g_sampleStoreGeneration;
    kept = largest;
    return largest;
}

// --- The histogram view ---------------------------------------------------------------

HistogramLayout LayoutHistogram(int maxCount, int clientWidth) {
    const SampleScale scale = ChooseSampleScale(maxCount);
    HistogramLayout layout;
    layout.x0 = SmX(35);
    layout.y0 = SmY(230);
    layout.h = scale.height * g_samplesScaleY;
    layout.step = scale.step;
    layout.bars = g_isBinomial ? 2 : kTallyColumns;
    layout.axisTop = layout.y0 - SmY(160);
    layout.axisRight = clientWidth - SmX(21) - SmX(25);
    return layout;
}

BarSpan HistogramBarSpan(const HistogramLayout& layout, int column) {
    if (g_isBinomial) {
        if (column <= 1) return BarSpan{layout.x0, layout.x0 + SmX(10)};
        return BarSpan{layout.x0 + SmX(195), layout.x0 + SmX(205)};
    }
    const int left = layout.x0 + (column - 1) * SmX(11);
    return BarSpan{left, left + SmX(11)};
}

int CountLevel(int baseline, float h, int count) {
    // In single precision like the heights themselves: 15 counts of 10.666667
    // are exactly the 160 units of the axis.
    return TruncPixel(static_cast<float>(baseline) - static_cast<float>(count) * h);
}

int FallSteps(const HistogramLayout& layout, int count) {
    if (!(layout.h > 0.0f)) return 0;
    const int barTop = CountLevel(layout.y0, layout.h, count);
    const float axisTop = 230.0f * g_samplesScaleY - 160.0f * g_samplesScaleY;
    const int steps = TruncPixel((barTop - axisTop) / layout.h);
    return std::clamp(steps, 0, 5);
}

Rect BlockRect(const HistogramLayout& layout, int column, int j) {
    const BarSpan bar = HistogramBarSpan(layout, column);
    return Rect{bar.left, CountLevel(layout.y0, layout.h, j), bar.right,
                CountLevel(layout.y0, layout.h, j - 1)};
}

int FallPauseForSpeed(int speed) {
    return 25 * (std::clamp(speed, 1, 5) - 1);
}

// --- Mean marker and "s =" text --------------------------------------------------------

std::string MeanText(float mean) {
    if (g_isBinomial) return "p = " + FormatNumber("%.2f", mean);
    return "x = " + FormatFitted(ShownValue(mean), 2, kShownValueChars);
}

int MeanPixel(SampleView view, int x, float mean) {
    // Design units per unit of value; a proportion 0..1 spans what 0..10 would.
    const bool histogram = view == SampleView::Histogram;
    const float perUnit =
        g_isBinomial ? (histogram ? 200.0f : 100.0f) : (histogram ? 22.0f : 10.0f);
    return x + TruncPixel(g_samplesScaleX * mean * perUnit);
}

bool MeanTextOnLeft(int axisStart, int meanX, int meanTextWidth) {
    return axisStart <= meanX - meanTextWidth - SmX(5);
}

namespace {
// Right-aligned left of a mean close to the axis start, the text would begin
// at the window's edge, under the selection frame and the focus ring there;
// it then follows the mean text instead.
TextPlacement ClearOfTheEdge(const TextPlacement& left, const TextPlacement& instead,
                             const MeasureText& textWidth) {
    const std::size_t first = left.text.find_first_not_of(' ');
    const std::string visible = first == std::string::npos ? "" : left.text.substr(first);
    return left.x - textWidth(visible) < SmX(kSdTextLeftmost) ? instead : left;
}
} // namespace

TextPlacement SdTextPlacement(SampleView view, float mean, float sd, int meanX, bool meanLeft,
                              int meanTextWidth, const MeasureText& textWidth) {
    const std::string text = SpreadText(sd);
    if (text.empty()) return {};
    // Where the mean sits decides the side; proportions use the same points
    // of the axis as means (0.76 of it, 0.24 of it).
    const float high = g_isBinomial ? 0.76f : 7.6f;
    const float low = g_isBinomial ? 0.24f : 2.4f;

    const TextPlacement afterMean{text, meanX + SmX(8) + meanTextWidth, false};
    if (view == SampleView::Grid) {
        if (meanLeft) {
            if (mean < high) return {"  " + text, meanX + SmX(2), false};
            return {"  " + text, meanX - SmX(8) - meanTextWidth, true};
        }
        if (mean > low) return ClearOfTheEdge({text, meanX - SmX(5), true}, afterMean, textWidth);
        return afterMean;
    }

    if (meanLeft) {
        if (mean < high) return {"  " + text, meanX + SmX(2), false};
        return {text + "   ", meanX - SmX(5) - meanTextWidth, true};
    }
    return ClearOfTheEdge({(mean > low ? "" : "    ") + text + "  ", meanX - SmX(5), true},
                          afterMean, textWidth);
}

// --- The chosen statistic -----------------------------------------------------------------

Statistic MarkedStatistic() {
    return g_isBinomial ? Statistic::Mean : g_statistic;
}

std::string SpreadText(float sd) {
    // A sample of one value has no standard deviation (sd is -1).
    if (!(sd >= 0.0f)) return {};
    const Statistic statistic = MarkedStatistic();
    const bool variance = statistic == Statistic::Variance || statistic == Statistic::VarianceN;
    double shown = g_isBinomial ? sd : static_cast<double>(sd) * g_dispScale;
    const char* label = "s = ";
    if (variance) {
        const int n = g_seriesSampleSize;
        // The divisor n keeps (n - 1) / n of the n - 1 variance.
        const double part = statistic == Statistic::VarianceN && n >= 1 ? (n - 1.0) / n : 1.0;
        shown = shown * shown * part;
        label = statistic == Statistic::Variance ? "s\u00b2 = " : "s\u2099\u00b2 = ";
    }
    const std::string value = FormatFitted(shown, 2, kShownValueChars);
    if (value.empty()) return {};
    return label + value;
}

std::string MedianText(float median) {
    return "M = " + FormatFitted(ShownValue(median), 2, kShownValueChars);
}

std::string RangeText(float range) {
    return "R = " + FormatFitted(static_cast<double>(range) * g_dispScale, 2, kShownValueChars);
}

BracketSpan RangeBracket(SampleView view, int x, const SampleRow& row, int n) {
    n = std::clamp(n, 0, kMaxSampleSize);
    if (n < 1) return {x, x};
    const auto [lowest, highest] = std::minmax_element(row.values + 1, row.values + n + 1);
    return {MeanPixel(view, x, *lowest), MeanPixel(view, x, *highest)};
}

int TextBesideMark(int left, int right, int width, int minX, int maxX) {
    const int after = right + SmX(3);
    if (after + width <= maxX) return after;
    const int before = left - SmX(3) - width;
    if (before >= minX) return before;
    return std::max(minX, maxX - width);
}

// --- The grid view ----------------------------------------------------------------------

int GridFirstSample() {
    // After a run, or from the histogram view near the end, the shown sample
    // is one of the last five: the grid then shows the last six.
    return std::max(1, std::min(g_currentSampleNo, DrawnRows() - (kGridCells - 1)));
}

void LayoutGrid(GridCell cells[kGridCells]) {
    const int first = GridFirstSample();
    const int last = std::min(first + 5, DrawnRows());
    for (int i = 0; i < kGridCells; ++i) {
        const int column = i % 2, row = i / 2;
        GridCell& cell = cells[i];
        cell.x = SmX(35) + SmX(145 * column);
        // Three rows of 110-unit cells, 2 units apart, within the 342 units
        // above the control strip: the lowest cell's labels stay off the strip.
        cell.y = SmY(88) + SmY(112 * row);
        cell.sampleNo = first + i <= last ? first + i : 0;
        cell.rect = cell.sampleNo ? Rect{cell.x - SmX(20), cell.y - SmY(85), cell.x + SmX(115),
                                         cell.y + SmY(25)}
                                  : Rect{};
    }
}

int GridBarLeft(int cellX, int k) {
    return cellX + k * SmX(5);
}
