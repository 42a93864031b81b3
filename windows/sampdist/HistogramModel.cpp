// The histogram's numbers: its vertical scale, the geometry of its columns,
// the sample a click selects, and the height factor of the normal curve.

#include "windows/sampdist/HistogramModel.h"

#include "core/Distributions.h"
#include "core/NumberText.h"
#include "core/SamplingEngine.h"
#include "core/Selection.h"
#include "core/SeriesControl.h"
#include "core/SimulationState.h"
#include "core/Statistic.h"
#include "windows/sampdist/SampDistText.h"

#include <algorithm>
#include <cmath>

using sampdist::TruncPixel;

namespace {

int BinOfSample(int r) {
    return HistogramBin(SampleStatistic(r));
}

// The samples in the order the columns stack them: the sorted means, or the
// chosen statistic's values sorted (a sample without a value has no slot).
struct ColumnOrder {
    const int* sampleNos; // slots 1..count
    int count;
};

ColumnOrder OrderOfColumns() {
    const Statistic statistic = ShownStatisticKind();
    if (statistic == Statistic::Mean)
        return {g_sortedMeanSampleNo, std::clamp(g_samplesDrawn, 0, kMaxSamples)};
    const SortedStatistics sorted = SortedStatisticsOf(statistic);
    return {sorted.sampleNos, sorted.count};
}

// The sample that stands (step + 1)-th from the bottom of bin k's column,
// walking the order upwards; 0 when the bin holds fewer. For means this is
// slot 1 + step + the counts of the lower bins; for t values, whose order is
// not that of the means, it still finds a sample of the clicked column.
int SampleInBin(int bin, int step) {
    const ColumnOrder order = OrderOfColumns();
    int seen = 0;
    for (int slot = 1; slot <= order.count; ++slot) {
        if (BinOfSample(order.sampleNos[slot]) != bin) continue;
        if (seen == step) return order.sampleNos[slot];
        ++seen;
    }
    return 0;
}

// The highlight strip for step index t (from 0 at the bottom) of a column.
Rect SelectionStrip(const Rect& column, int step) {
    const double scale = g_histCountScale;
    const int height = TruncPixel(scale);
    int bottom = std::min(TruncPixel(g_sdAxisY - step * scale), g_sdAxisY);
    int top = bottom - height;
    if (top <= column.top) {
        top = column.top - 1;
        bottom = top + height;
    }
    if (bottom - top < 2) top = bottom - Px(g_sdScaleY, 2);
    return Rect{column.left, top, column.right, bottom};
}

} // namespace

HistogramScale ComputeHistogramScale(int maxCount, int maxHeight, float scaleY) {
    const double s0 = 4.0 * scaleY;
    const HistogramScale fallback{25, 3, static_cast<float>(s0)};
    if (maxHeight <= 0 || !(scaleY > 0.0f)) return fallback;
    const double h = maxHeight;
    const double cmax = std::max(maxCount, 0);

    // A small series stands tall, so a slow demonstration of a few samples
    // is plain to see: ticks of 1, 2, 5 or 10 samples, four to ten of them,
    // with a step of room over the tallest column. The engine's fit test
    // multiplies the height by scaleY once more, so the scale leaves it out.
    if (cmax >= 1) {
        for (const int smallStep : {1, 2, 5, 10}) {
            const int ticks = std::max(4, maxCount / smallStep + 2);
            if (ticks > 10) continue;
            const double scale = (h + 1) / (static_cast<double>(smallStep) * ticks) / scaleY;
            return HistogramScale{smallStep, ticks, static_cast<float>(scale)};
        }
    }

    int step = 25;
    double r = cmax * s0 * scaleY <= h ? s0 : h / cmax;
    double ticks = std::trunc(h / (26.0 * r)) + 1;
    double scale = (h + 1) / (26.0 * ticks);
    // Each round doubles the step and about halves the ticks; the bound on the
    // step only guards against a scale so small that it never settles.
    while (ticks >= 11 && step < (1 << 28)) {
        r = cmax * scale * scaleY <= h ? scale : h / cmax;
        step *= 2;
        ticks = std::trunc(h / ((step + 1) * r)) + 1;
        scale = (h + 1) / ((step + 1) * ticks);
    }
    if (ticks < 4 || ticks >= 11) return fallback;
    return HistogramScale{step, static_cast<int>(ticks), static_cast<float>(scale)};
}

int LargestBinCount() {
    const int last = std::min(CurrentBinWidthInfo().lastBin, kHistogramBins);
    int largest = 0;
    for (int k = 1; k <= last; ++k)
        largest = std::max(largest, g_meanHistogram[k]);
    return largest;
}

double SeriesCountForCurves(int numberOfSamples) {
    if (g_samplesExist) return std::max(g_seriesTargetCount, 0);
    // A negative Number of Samples asks for none.
    return std::max(numberOfSamples, 0);
}

double OutlineWidthFactor() {
    if (!g_isContinuous) return 1.0;
    const BinWidthInfo info = CurrentBinWidthInfo();
    const double span = CurrentBinWidth() == BinWidth::Wide ? 0.4 : 0.2;
    return info.width / span;
}

double PopulationOutlinePeak(int numberOfSamples) {
    const int columns = g_isBinomial ? 2 : g_isDiscrete ? 11 : 51;
    const bool merged = g_isContinuous && CurrentBinWidth() == BinWidth::Wide;
    double largest = 0.0;
    for (int c = 0; c < columns; c += merged ? 2 : 1) {
        double q = PopulationColumnShare(c);
        if (merged && c + 1 < columns) q += PopulationColumnShare(c + 1);
        largest = std::max(largest, q);
    }
    return largest * OutlineWidthFactor() * SeriesCountForCurves(numberOfSamples);
}

double PopulationColumnShare(int column) {
    if (column < 0 || column + 1 >= kCurveSlots) return 0.0;
    return std::max(0.0, static_cast<double>(g_popCumShare[column + 1]) - g_popCumShare[column]);
}

void ChooseHistogramScale(int sampleSize, int numberOfSamples) {
    // The curves shown over the columns are part of the picture: the scale
    // leaves room for them too, before the first sample and while a run grows
    // its columns into them.
    double tallest = LargestBinCount();
    if (g_showNormalOutline)
        tallest = std::max(tallest, ShownCurvePeak(sampleSize, numberOfSamples));
    if (g_showPopOutline && StatisticAxisIsOfValues())
        tallest = std::max(tallest, PopulationOutlinePeak(numberOfSamples));
    // A run about to draw its first sample is scaled for one.
    if (g_samplesExist && g_seriesTargetCount > 0) tallest = std::max(tallest, 1.0);
    const int cmax = static_cast<int>(std::ceil(std::min(tallest, 1.0e8)));
    const HistogramScale scale = ComputeHistogramScale(cmax, g_histMaxHeight, g_sdScaleY);
    g_histTickStep = scale.tickStep;
    g_histTickCount = scale.tickCount;
    g_histCountScale = scale.countScale;
}

int LayoutHistogramColumns(int scrollPos) {
    const bool wide = CurrentBinWidth() == BinWidth::Wide;
    const float sx = g_sdScaleX;
    const int width = Px(sx, wide ? 16 : 6);
    const int first = FirstVisibleBin(scrollPos);
    const int last = std::min(LastVisibleBin(scrollPos), kHistogramBins);
    // A wide bin is 17.5 design pixels and centred on its value's mark (3
    // pixels right of the value), so its column starts 6 pixels before the
    // grid of 18 and 17; the first one is cut at the axis start.
    const int wideBack = wide ? Px(sx, 6) : 0;
    int count = 0;
    int x = g_sdAxisLeft + 1;
    for (int k = first; k <= last && count < kSdColumnSlots; ++k) {
        const int j = k - first;
        const int h = TruncPixel(g_meanHistogram[k] * static_cast<double>(g_histCountScale));
        ++count;
        // The stored rectangle reaches one pixel below the axis so a click on
        // the axis line still finds its column.
        const int left = std::max(x - wideBack, g_sdAxisLeft + 1);
        g_sdColumnRect[count] = Rect{left, g_sdAxisY - h, x - wideBack + width, g_sdAxisY + 1};
        g_sdColumnBin[count] = k;
        if (wide) {
            // Wide columns stand alternately 18 and 17 design pixels apart.
            x = g_sdAxisLeft + 1 + Px(sx, ((j + 2) / 2) * 18.0) + Px(sx, ((j + 1) / 2) * 17.0);
        } else {
            x = g_sdAxisLeft + 1 + Px(sx, (j + 1) * 7.0);
        }
    }
    // Slots of an earlier, wider layout must not answer a later click.
    for (int i = count + 1; i <= kSdColumnSlots; ++i) {
        g_sdColumnRect[i] = Rect{};
        g_sdColumnBin[i] = 0;
    }
    return count;
}

ColumnSelection SelectColumnSample(int x, int y) {
    ColumnSelection result{false, false};
    int slot = 0;
    for (int i = 1; i <= kSdColumnSlots; ++i) {
        if (g_sdColumnRect[i].Contains(x, y)) {
            slot = i;
            break;
        }
    }
    const int bin = slot > 0 ? g_sdColumnBin[slot] : 0;
    const int inBin = bin >= 1 && bin <= kHistogramBins ? g_meanHistogram[bin] : 0;
    int step = 0;
    if (inBin > 0 && g_histCountScale > 0.0f) {
        step = TruncPixel((g_sdAxisY - y) / static_cast<double>(g_histCountScale));
        // The top pixel row of a column can round up to one step too many.
        step = std::clamp(step, 0, inBin - 1);
    }
    const int sample = inBin > 0 ? SampleInBin(bin, step) : 0;
    if (sample < 1) {
        // A click beside the columns, or on an empty one, drops the selection.
        DropSelection();
        return result;
    }

    result.hit = true;
    SelectSampleNo(sample);
    g_sdSelectionRect = SelectionStrip(g_sdColumnRect[slot], step);

    result.ciGraphMoved = BringSelectionIntoCiPage();
    return result;
}

int SteppedSample(int step) {
    if (ShownStatisticKind() == Statistic::Mean) {
        const int pos = SteppedSortedPosition(step);
        return pos < 1 ? 0 : SampleAtSortedRow(pos).value;
    }
    const ColumnOrder order = OrderOfColumns();
    if (order.count < 1) return 0;
    const int selected = SelectedSampleRow();
    int slot = 0;
    for (int k = 1; k <= order.count && selected != 0; ++k)
        if (order.sampleNos[k] == selected) slot = k;
    // None selected, or one without a value: from the middle.
    if (slot == 0) return order.sampleNos[(order.count + 1) / 2];
    const long long to = static_cast<long long>(slot) + step;
    return order.sampleNos[std::clamp<long long>(to, 1, order.count)];
}

void ReplaceSelectionAfterRebin(int scrollPos) {
    g_binWidthChanged = 0;
    // The strip is placed from the sample itself, so it cannot outlive it.
    const int sample = SelectedSampleRow();
    if (sample == 0 || g_selectedPos < 1 || g_selectedPos > kMaxSamples ||
        g_sortedMeanSampleNo[g_selectedPos] != sample) {
        g_sdSelectionRect = Rect{};
        return;
    }

    const int bin = BinOfSample(sample);
    if (bin < 1) {
        // Its statistic has no column at all.
        g_sdSelectionRect = Rect{};
        return;
    }
    // Its height in the column: the samples of its bin below it in the order.
    const ColumnOrder order = OrderOfColumns();
    int step = 0;
    for (int slot = 1; slot <= order.count && order.sampleNos[slot] != sample; ++slot)
        if (BinOfSample(order.sampleNos[slot]) == bin) ++step;

    const int slot = bin - FirstVisibleBin(scrollPos) + 1;
    if (slot < 1 || slot > kSdColumnSlots || g_sdColumnBin[slot] != bin) {
        // Its column is scrolled out of view: try again at the next paint.
        g_sdSelectionRect = Rect{};
        g_binWidthChanged = 1;
        return;
    }
    g_sdSelectionRect = SelectionStrip(g_sdColumnRect[slot], step);
}

std::string SelectedSampleText() {
    const int sample = SelectedSampleRow();
    if (sample == 0) return {};
    const SampleRow& row = g_sampleStore[sample];
    std::string text;
    if (g_isBinomial) {
        text = "p = " + FormatNumber("%.2f", row.mean);
        if (row.sd > 0.0f) text += ", s = " + FormatNumber("%.2f", row.sd);
    } else {
        text = "x = " + FormatFitted(ShownValue(row.mean), 2, kShownValueChars);
        // The chosen statistic's own value in place of the SD, unless it is the SD.
        const Statistic statistic = ShownStatisticKind();
        const float axis = SampleStatistic(sample);
        if (statistic != Statistic::Mean && statistic != Statistic::StandardDeviation) {
            if (std::isfinite(axis))
                text += std::string(", ") + StatisticLetter() + " = " +
                        FormatFitted(ShownOfAxis(axis), 2, kShownValueChars);
        } else if (row.sd >= 0.0f) {
            // A sample of one value carries -1: it has no standard deviation.
            text += ", s = " + FormatFitted(g_dispScale * row.sd, 2, kShownValueChars);
        }
    }
    return text;
}

namespace {

// Share of a normal distribution that falls into the central column, or
// false when there is no curve (no spread, or a binomial sample of no values).
bool CentralColumnShare(int n, double& area) {
    const double se = g_standardError;
    if (!(se > 0.0) || (g_isBinomial && n < 1)) return false;
    // Half-width of the central bin in standard errors; small binomial samples
    // take the continuity half-width 1/(2n) instead.
    const BinWidthInfo info = CurrentBinWidthInfo();
    const double halfWidth = (g_isBinomial ? info.width * 10.0 : info.width) / 2.0;
    double c = halfWidth / se;
    if (g_isBinomial && n < 45) c = (1.0 / (2.0 * n)) / (se * 0.1);
    area = 1.0 - BetaAI(2500.0f, 0.5f, static_cast<float>(5000.0 / (5000.0 + c * c)));
    return std::isfinite(area);
}

} // namespace

double NormalCurvePeak(int sampleSize, int numberOfSamples) {
    double area = 0.0;
    if (!CentralColumnShare(sampleSize, area)) return 0.0;
    return std::max(0.0, area * SeriesCountForCurves(numberOfSamples));
}

NormalCurve ComputeNormalCurve(int sampleSize, int numberOfSamples, int scrollPos) {
    NormalCurve curve{false, 0.0f, 0.0, 0.0, 0, 0};
    g_normalCurveFactor = 0.0f;
    const double se = g_standardError;
    const BinWidthInfo info = CurrentBinWidthInfo();
    const int P = g_sdScaleX > 0.0f ? TruncPixel(info.zoom * g_pixelsPerUnit / g_sdScaleX) : 0;
    double area = 0.0;
    // No spread, no pixels, or a binomial sample of no values: no curve.
    if (P <= 0 || !CentralColumnShare(sampleSize, area)) return curve;

    const double count = SeriesCountForCurves(numberOfSamples);
    const double k = count * area * g_histCountScale;
    const double d = 1.0 / (std::sqrt(2.0 * kPi) * se * P);
    const double factor = d > 0.0 ? std::floor(k / d) : 1.0;
    if (!std::isfinite(factor)) return curve;

    const int pos = EffectiveScrollPos(scrollPos);
    const double unitPixels = g_isBinomial ? 350.0 : 35.0;
    curve.drawable = true;
    curve.factor = static_cast<float>(factor);
    curve.density = d;
    curve.sigmaPixels = se * P;
    curve.pixelsPerUnit = P;
    curve.shift =
        TruncPixel((7.0 * (pos - 1) - unitPixels * (info.zoom - 1) * g_popMean) * g_sdScaleX);
    g_normalCurveFactor = curve.factor;
    return curve;
}

double NormalCurveHeight(const NormalCurve& curve, int x) {
    if (!curve.drawable || !(curve.sigmaPixels > 0.0)) return 0.0;
    const double e = static_cast<double>(x) + curve.shift - g_muPixelX;
    return curve.factor * std::exp(-e * e / (2.0 * curve.sigmaPixels * curve.sigmaPixels)) *
           curve.density;
}

int NormalCurveZPixel(const NormalCurve& curve, float z) {
    // The fill is laid out at 1.03 times the curve's own scale.
    return TruncPixel(g_muPixelX + 1.03 * z * g_standardError * curve.pixelsPerUnit * g_sdScaleX);
}

StatisticTheory ShownTheory(int sampleSize) {
    return TheoryOf(ShownStatisticKind(), sampleSize, g_showTValues != 0);
}

bool ShowsMeansNormalCurve() {
    // Proportions stay proportions in t values (HistogramStatistic).
    return ShownStatisticKind() == Statistic::Mean && (!g_showTValues || g_isBinomial);
}

namespace {

// The axis position under pixel x, as AxisMarkX places positions.
double AxisPositionAtPixel(int x, int scrollPos) {
    const BinWidthInfo info = CurrentBinWidthInfo();
    const int pos = EffectiveScrollPos(scrollPos);
    const double start = (3.0 - 7.0 * (pos - 1)) * g_sdScaleX;
    const double perUnit = info.zoom * 35.0 * g_sdScaleX;
    return (x - g_sdAxisLeft - start) / perUnit;
}

} // namespace

TheoryCurve ComputeTheoryCurve(int sampleSize, int numberOfSamples, int scrollPos) {
    TheoryCurve curve;
    curve.theory = ShownTheory(sampleSize);
    curve.scrollPos = scrollPos;
    curve.axisScale = StatisticAxisScale(ShownStatisticKind());
    if (curve.theory.shape == TheoryShape::None || g_isBinomial || !(curve.axisScale > 0.0) ||
        !(g_sdScaleX > 0.0f))
        return curve;
    // A column holds N x density x its width in the statistic's units.
    const double widthInValues = CurrentBinWidthInfo().width / curve.axisScale;
    curve.heightPerDensity =
        SeriesCountForCurves(numberOfSamples) * widthInValues * g_histCountScale;
    curve.drawable = std::isfinite(curve.heightPerDensity) && curve.heightPerDensity > 0.0;
    return curve;
}

double TheoryCurveHeight(const TheoryCurve& curve, int x) {
    if (!curve.drawable) return 0.0;
    const double value = AxisPositionAtPixel(x, curve.scrollPos) / curve.axisScale;
    const double height = curve.heightPerDensity * TheoryDensity(curve.theory, value);
    return std::isfinite(height) ? height : 0.0;
}

double TheoryCurvePeak(int sampleSize, int numberOfSamples) {
    const StatisticTheory theory = ShownTheory(sampleSize);
    const double scale = StatisticAxisScale(ShownStatisticKind());
    if (theory.shape == TheoryShape::None || g_isBinomial || !(scale > 0.0)) return 0.0;
    // Column by column from the distribution function, so a density that
    // rises without bound at 0 (chi-square of one degree) still gives a count.
    const BinWidthInfo info = CurrentBinWidthInfo();
    double fullest = 0.0;
    for (int k = 1; k <= info.lastBin; ++k) {
        const double centre = (k - 1) * static_cast<double>(info.width);
        const double share = TheoryCdf(theory, (centre + info.width / 2.0) / scale) -
                             TheoryCdf(theory, (centre - info.width / 2.0) / scale);
        fullest = std::max(fullest, share);
    }
    return fullest * SeriesCountForCurves(numberOfSamples);
}

double ShownCurvePeak(int sampleSize, int numberOfSamples) {
    return ShowsMeansNormalCurve() ? NormalCurvePeak(sampleSize, numberOfSamples)
                                   : TheoryCurvePeak(sampleSize, numberOfSamples);
}
