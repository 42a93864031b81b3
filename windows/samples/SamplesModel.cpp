#include "windows/samples/SamplesModel.h"

#include "core/NumberText.h"
#include "core/Selection.h"
#include "core/SeriesControl.h"
#include "core/SimulationState.h"
#include "core/Translatable.h"
#include "windows/samples/SamplePictureModel.h"

#include <algorithm>
#include <cmath>
#include <optional>

namespace {

int DrawnRows() {
    return std::clamp(g_samplesDrawn, 0, kMaxSamples);
}

// Held between lo and hi; a range that has closed up keeps lo.
int HoldBetween(int x, int lo, int hi) {
    return std::max(lo, std::min(x, hi));
}

} // namespace

void SetSamplesLayout(int clientWidth, int clientHeight) {
    // Single-precision products: at the design size both come out exactly 1.
    g_samplesScaleX = static_cast<float>(clientWidth) * 0.003125f;
    g_samplesScaleY = static_cast<float>(clientHeight) * 0.0024875621f;
    // The markers stand where the start-up limits 0 and 10 put them.
    g_lowerLimitRect = Rect{SmX(30), SmY(260), SmX(36), SmY(278)};
    g_upperLimitRect = Rect{SmX(255), SmY(260), SmX(261), SmY(278)};
}

Rect SamplesGraphArea(int clientWidth) {
    return Rect{0, 0, clientWidth - SmX(21), SamplesStripTop()};
}

int SamplesStripTop() {
    return SmY(342);
}

// --- Scrolling ------------------------------------------------------------------

int ScrollSamples(ScrollRequest request, int thumbPos) {
    const bool grid = !g_samplesHistogramView;
    // The grid steps from the first sample it shows.
    long long s = grid ? GridFirstSample() : g_currentSampleNo;
    switch (request) {
    case ScrollRequest::LineBack:
        s -= grid ? 2 : 1;
        break;
    case ScrollRequest::LineForward:
        s += grid ? 2 : 1;
        break;
    case ScrollRequest::PageBack:
        s -= grid ? 18 : 3;
        break;
    case ScrollRequest::PageForward:
        s += grid ? 18 : 3;
        break;
    case ScrollRequest::Thumb:
        s = thumbPos;
        break;
    case ScrollRequest::Other:
        break;
    }
    // The grid shows six samples from the first, so it stops six before the end.
    const int last = DrawnRows() - (grid ? 5 : 0);
    if (s > last) s = last;
    if (s < 1) s = 1;
    g_currentSampleNo = static_cast<int>(s);
    return g_currentSampleNo;
}

SamplesScrollBar SamplesScrollBarFor(int maxSample, int position) {
    const int maximum = std::max(1, maxSample);
    return SamplesScrollBar{maximum, std::clamp(position, 1, maximum)};
}

// --- Limits --------------------------------------------------------------------------

bool LimitsShown() {
    // g_samplesExist outlives a run that drew nothing; a series without a
    // sample has no share to show.
    return g_samplesHistogramView && g_samplesExist && DrawnRows() >= 1 && !g_isBinomial;
}

float LimitValueAtPixel(int x) {
    if (!(g_samplesScaleX > 0.0f)) return 0.0f;
    return static_cast<float>((x - SmX(35)) / (22.0 * g_samplesScaleX));
}

namespace {

// Where a drag may take each limit: the axis, and not past the other marker.
int LowerLimitLeast() {
    return SmX(35);
}
int LowerLimitMost() {
    return g_upperLimitRect.left;
}
int UpperLimitLeast() {
    return g_lowerLimitRect.right;
}
int UpperLimitMost() {
    return SmX(255);
}

void PlaceLowerLimit(float value, int x) {
    g_lowerLimit = value;
    g_lowerLimitRect = Rect{x - SmX(4), SmY(260), x + SmX(2), SmY(278)};
}
void PlaceUpperLimit(float value, int x) {
    g_upperLimit = value;
    g_upperLimitRect = Rect{x - SmX(2), SmY(260), x + SmX(4), SmY(278)};
}

// The pixel of a limit's value, to the nearest: a drag to x gives back x.
int LimitPixelOfValue(double value) {
    return static_cast<int>(std::floor(SmX(35) + value * 22.0 * g_samplesScaleX + 0.5));
}

// A typed number put where a drag between least and most could put it: the
// value itself inside that stretch, else the value at its nearer end.
void PlaceTypedLimit(double shown, int least, int most, void (*place)(float value, int x)) {
    if (g_isBinomial) return;
    const double lowest = LimitValueAtPixel(least);
    const double highest = LimitValueAtPixel(HoldBetween(most, least, most));
    const double value = std::max(lowest, std::min(InternalValue(shown), highest));
    const int x = HoldBetween(LimitPixelOfValue(value), least, most);
    place(static_cast<float>(value), x);
}

} // namespace

void DragLowerLimitTo(int x) {
    x = HoldBetween(x, LowerLimitLeast(), LowerLimitMost());
    if (g_isBinomial) return;
    PlaceLowerLimit(LimitValueAtPixel(x), x);
}

void DragUpperLimitTo(int x) {
    x = HoldBetween(x, UpperLimitLeast(), UpperLimitMost());
    if (g_isBinomial) return;
    PlaceUpperLimit(LimitValueAtPixel(x), x);
}

int LowerLimitPixel() {
    return LimitPixelOfValue(g_lowerLimit);
}

int UpperLimitPixel() {
    return LimitPixelOfValue(g_upperLimit);
}

void SetLowerLimitToShown(double shown) {
    PlaceTypedLimit(shown, LowerLimitLeast(), LowerLimitMost(), PlaceLowerLimit);
}

void SetUpperLimitToShown(double shown) {
    PlaceTypedLimit(shown, UpperLimitLeast(), UpperLimitMost(), PlaceUpperLimit);
}

namespace {
// "%.0f" for the whole number at an end of the axis, else two decimals. The
// end itself is written as a plain number, so no "-0" can appear.
std::string LimitText(float limit, float end) {
    const float shown = ShownValue(limit);
    if (shown == end) return FormatInt(static_cast<int>(end));
    return FormatFitted(shown, 2, kShownValueChars);
}
} // namespace

std::string LowerLimitText() {
    return LimitText(g_lowerLimit, 0.0f);
}

std::string UpperLimitText() {
    return LimitText(g_upperLimit, 10.0f);
}

Rect LowerLimitLabelRect(int textWidth, int textHeight) {
    const int right = g_lowerLimitRect.left - SmX(1);
    const int top = g_lowerLimitRect.bottom - SmY(10);
    return Rect{right - textWidth, top, right, top + textHeight};
}

Rect UpperLimitLabelRect(int textWidth, int textHeight) {
    const int left = g_upperLimitRect.right + SmX(4);
    const int top = g_upperLimitRect.bottom - SmY(10);
    return Rect{left, top, left + textWidth, top + textHeight};
}

int CountBetweenLimits(int row, int n) {
    if (row < 1 || row > kMaxSamples) return 0;
    n = std::clamp(n, 0, kMaxSampleSize);
    const float* values = g_sampleStore[row].values;
    int count = 0;
    for (int j = 1; j <= n; ++j)
        count += g_lowerLimit <= values[j] && values[j] <= g_upperLimit;
    return count;
}

std::string ShareBetweenLimitsText(int n) {
    if (n < 1) return {};
    const int count = CountBetweenLimits(g_currentSampleNo, n);
    return FormatNumber("%.0f", static_cast<double>(count) / n * 100.0);
}

// --- Selection ---------------------------------------------------------------------------

Rect HistogramClickArea(int clientWidth) {
    return Rect{SmX(7), SmY(40), clientWidth - SmX(20), SmY(260)};
}

Rect HistogramSelectionFrame(int clientWidth) {
    return Rect{SmX(2), SmY(40), clientWidth - SmX(20), SmY(260)};
}

int SampleAtPoint(int x, int y, int clientWidth) {
    const int drawn = DrawnRows();
    if (drawn < 1) return 0;
    if (g_samplesHistogramView) {
        if (!HistogramClickArea(clientWidth).Contains(x, y)) return 0;
        return g_currentSampleNo >= 1 && g_currentSampleNo <= drawn ? g_currentSampleNo : 0;
    }
    // The cells as the grid view last drew them: the one under the pointer
    // says which sample it shows.
    GridCell cells[kGridCells];
    LayoutGrid(cells);
    for (int i = 0; i < kGridCells; ++i) {
        if (!g_sampleCellRects[i].Contains(x, y)) continue;
        return cells[i].rect == g_sampleCellRects[i] ? cells[i].sampleNo : 0;
    }
    return 0;
}

bool IsSelectedSample(int s) {
    return s >= 1 && SelectedSampleRow() == s;
}

int SyncToSelection() {
    const int drawn = DrawnRows();
    if (drawn >= 1 && SelectedSampleRow() >= 1)
        g_currentSampleNo = std::clamp(SelectedSampleRow(), 1, drawn);
    return SamplesScrollBarFor(drawn, g_currentSampleNo).position;
}

// --- The picture in words -------------------------------------------------------------

std::string SamplesPictureDescription(int sampleSize, const TextTranslator& translate) {
    auto words = [&translate](const char* english) { return Translated(translate, english); };
    const int drawn = DrawnRows();
    if (drawn < 1) return words(DV_TEXT("Samples", "No samples drawn yet"));
    if (!g_samplesHistogramView) {
        const int first = GridFirstSample();
        const int last = std::min(first + kGridCells - 1, drawn);
        return FillIn(
            words(DV_TEXT("Samples", "Samples %1 to %2 of %3, each as a small histogram")),
            {FormatGroupedInt(first), FormatGroupedInt(last), FormatGroupedInt(drawn)});
    }
    const int s = std::clamp(g_currentSampleNo, 1, drawn);
    const SampleRow& row = g_sampleStore[s];
    std::string text = FillIn(
        words(g_seriesSampleSize == 1
                  ? DV_TEXT("Samples", "Sample %1 of %2 as a histogram of its 1 value")
                  : DV_TEXT("Samples", "Sample %1 of %2 as a histogram of its %3 values")),
        {FormatGroupedInt(s), FormatGroupedInt(drawn), FormatGroupedInt(g_seriesSampleSize)});
    if (g_isBinomial) {
        text += FillIn(words(DV_TEXT("Samples", ": proportion of successes %1")),
                       {FormatNumber("%.2f", row.mean)});
    } else {
        const std::string mean = FormatNumber("%.2f", ShownValue(row.mean));
        // A sample of one value has no standard deviation.
        text +=
            row.sd >= 0.0f
                ? FillIn(words(DV_TEXT("Samples", ": mean %1, SD %2")),
                         {mean, FormatNumber("%.2f", static_cast<double>(g_dispScale) * row.sd)})
                : FillIn(words(DV_TEXT("Samples", ": mean %1")), {mean});
        // The chosen statistic's mark in words, with the number the picture writes.
        const Statistic statistic = MarkedStatistic();
        const std::optional<float> value = StatisticOf(row, g_seriesSampleSize, statistic);
        const char* name = nullptr;
        std::string figure;
        if (statistic == Statistic::Median && value)
            name = DV_TEXT("Samples", ", median %1"), figure = MedianText(*value);
        if (statistic == Statistic::Range && value)
            name = DV_TEXT("Samples", ", range %1"), figure = RangeText(*value);
        if (statistic == Statistic::Variance)
            name = DV_TEXT("Samples", ", variance %1"), figure = SpreadText(row.sd);
        if (statistic == Statistic::VarianceN)
            name = DV_TEXT("Samples", ", variance with divisor n %1"), figure = SpreadText(row.sd);
        // No number (a sample of one value has no variance): no words either.
        if (name && figure.find(" = ") != std::string::npos) text += FillIn(words(name), {figure});
    }
    const std::string share = LimitsShown() ? ShareBetweenLimitsText(sampleSize) : "";
    if (!share.empty())
        text += FillIn(
            words(DV_TEXT("Samples", "; %1% of the values lie between the limits %2 and %3")),
            {share, LowerLimitText(), UpperLimitText()});
    if (IsSelectedSample(s)) text += words(DV_TEXT("Samples", "; it is the selected sample"));
    return text;
}
