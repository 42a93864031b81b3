// The sliders of the Dorvane window: positions in standard errors, handle
// rectangles, drags, the Options rules, and the readouts beside them.

#include "windows/sampdist/SliderModel.h"

#include "core/Distributions.h"
#include "core/NumberText.h"
#include "core/SamplingEngine.h"
#include "core/SeriesControl.h"
#include "core/SimulationState.h"
#include "core/Statistic.h"
#include "windows/sampdist/HistogramModel.h"
#include "windows/sampdist/SampDistText.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>

using sampdist::PlainZero;
using sampdist::TruncPixel;

namespace {

// The standard error on the statistic's own scale (g_standardError holds ten
// times it for proportions).
double StatisticSE() {
    return g_isBinomial ? g_standardError * 0.1 : g_standardError;
}

// The stretch of the statistic a slider may stand on at this scroll position:
// from one unit left of the axis start (where only its letter shows) to the
// value under the axis' right end, which a drag can reach.
bool SliderOnVisibleAxis(float z, int scrollPos) {
    if (!std::isfinite(z)) return false;
    const double unit = g_isBinomial ? 0.1 : 1.0;
    const double lo = VisibleAxisStart(scrollPos);
    const double hi = AxisPixelToValue(g_sdAxisRight, scrollPos);
    if (g_standardError > 0.0f) {
        const double se = StatisticSE();
        const double zLow = (lo - unit - g_popMean) / se;
        const double zHigh = (hi - g_popMean) / se;
        return z >= zLow && z <= zHigh;
    }
    // Without a standard error every z stands at the mean.
    const double threshold = SliderThreshold(z);
    return threshold >= lo - unit && threshold <= hi;
}

void PlaceSlider(float z, int scrollPos, int& hidden, Rect& rect) {
    const bool visible = SliderOnVisibleAxis(z, scrollPos);
    if (!visible) {
        // Off the axis: nothing to grab until the window draws it again.
        hidden = 1;
        rect = Rect{};
        return;
    }
    hidden = 0;
    const int x = ValueToAxisPixel(SliderThreshold(z), scrollPos) + 1;
    rect = Rect{x - Px(g_sdScaleX, 2), g_sdAxisY + 1, x + Px(g_sdScaleX, 4),
                g_sdAxisY + 1 + Px(g_sdScaleY, 18)};
}

// The number a slider's label shows, as text: z or t with two decimals, a
// proportion with three, a shown value with two.
std::string SliderLabelNumber(float z) {
    if (g_showZValues || g_showTValues) return FormatFitted(z, 2, kShownValueChars);
    if (g_isBinomial)
        return FormatNumber("%.3f", ShownValue(static_cast<float>(g_popMean + z * StatisticSE())));
    return FormatFitted(ShownOfAxis(SliderThreshold(z)), 2, kShownValueChars);
}

bool IsCounted(bool atOrBelowLeft, bool atOrBelowRight) {
    if (g_oneSlider) return g_proportionAbove ? !atOrBelowLeft : atOrBelowLeft;
    if (g_proportionAbove) return atOrBelowLeft || !atOrBelowRight;
    return !atOrBelowLeft && atOrBelowRight;
}

// Tail probability of the normal or of t, or NaN when there is none (-1).
// The normal's is taken in double, as it is shown to four decimals.
double TailShare(float z, Tail tail, TailDistribution distribution, int sampleSize) {
    if (distribution == TailDistribution::Normal) {
        const double normal = NormalTail(z, tail);
        return normal < 0.0 ? NAN : normal;
    }
    const float p = TailProb(z, tail, distribution, sampleSize);
    return p < 0.0f ? NAN : p;
}

// Theoretical proportion beyond the sliders in the mode shown.
double TheoreticalProportion(TailDistribution distribution, int sampleSize) {
    const float left = g_leftSliderZ;
    const float right = g_rightSliderZ;
    auto below = [&](float z) { return TailShare(z, Tail::Lower, distribution, sampleSize); };
    auto above = [&](float z) { return TailShare(z, Tail::Upper, distribution, sampleSize); };
    if (g_oneSlider) return g_proportionAbove ? above(left) : below(left);
    if (g_proportionAbove) return below(left) + above(right);
    return below(right) - below(left);
}

// The theory's share beyond the sliders, for a statistic other than the
// mean; NaN without a theory.
double TheoryProportion(const StatisticTheory& theory) {
    const double scale = StatisticAxisScale(ShownStatisticKind());
    auto below = [&](float z) {
        const double p = TheoryCdf(theory, SliderThreshold(z) / scale);
        return p < 0.0 ? NAN : p;
    };
    const double left = below(g_leftSliderZ), right = below(g_rightSliderZ);
    if (g_oneSlider) return g_proportionAbove ? 1.0 - left : left;
    if (g_proportionAbove) return left + (1.0 - right);
    return right - left;
}

// Base x p rounded half up: truncated toward zero, plus 1 when the remainder
// is at least one half.
std::string ExpectedNumberText(int base, double proportion) {
    const double expected = base * proportion;
    if (!std::isfinite(expected)) return {};
    const double whole = std::trunc(expected);
    double rounded = expected - whole >= 0.5 ? whole + 1 : whole;
    rounded = std::clamp(rounded, -2147483647.0, 2147483647.0);
    return FormatInt(static_cast<int>(rounded));
}

} // namespace

float SliderThreshold(float z) {
    return static_cast<float>(g_popMean + z * StatisticSE());
}

void RecomputeSliderValues() {
    g_leftSliderValue = SliderShownValue(g_leftSliderZ);
    if (!g_oneSlider) g_rightSliderValue = SliderShownValue(g_rightSliderZ);
}

void PlaceLeftSlider(int scrollPos) {
    PlaceSlider(g_leftSliderZ, scrollPos, g_leftSliderHidden, g_leftSliderRect);
}

void PlaceRightSlider(int scrollPos) {
    PlaceSlider(g_rightSliderZ, scrollPos, g_rightSliderHidden, g_rightSliderRect);
}

void PlaceSliders(int scrollPos) {
    PlaceLeftSlider(scrollPos);
    if (!g_oneSlider) PlaceRightSlider(scrollPos);
}

void SetSliderFromPixel(int x, bool left, int scrollPos, int sampleSize,
                        std::string& intervalWidthText) {
    x = std::clamp(x, g_sdAxisLeft, std::max(g_sdAxisLeft, g_sdAxisRight));
    SetSliderToValue(AxisPixelToValue(x, scrollPos), left, scrollPos, sampleSize,
                     intervalWidthText);
}

void SetSliderToValue(double value, bool left, int scrollPos, int sampleSize,
                      std::string& intervalWidthText) {
    intervalWidthText = ReadSampleSize(sampleSize);
    float z = 0.0f;
    if (g_standardError > 0.0f) {
        const double factor = g_isBinomial ? 10.0 : 1.0;
        z = static_cast<float>((value - g_popMean) / g_standardError * factor);
    }

    const bool tandem = !g_oneSlider && g_slidersTandem;
    if (tandem) {
        // The mirrored pair meets at the mean rather than crossing over, so
        // the left slider stays the lower one.
        z = left ? std::min(z, 0.0f) : std::max(z, 0.0f);
    } else if (!g_oneSlider) {
        if (left && z > g_rightSliderZ) z = g_rightSliderZ - 0.01f;
        if (!left && z < g_leftSliderZ) z = g_leftSliderZ + 0.01f;
    }
    z = PlainZero(z);
    if (left) {
        g_leftSliderZ = z;
        if (tandem) g_rightSliderZ = PlainZero(-z);
    } else {
        g_rightSliderZ = z;
        if (tandem) g_leftSliderZ = PlainZero(-z);
    }
    PlaceSliders(scrollPos);
    RecomputeSliderValues();
}

int SliderAxisPixel(bool left, int scrollPos) {
    const float z = left ? g_leftSliderZ : g_rightSliderZ;
    const double position = AxisPositionOfValue(SliderThreshold(z), scrollPos);
    return TruncPixel(std::floor(position + 0.5));
}

double StatisticOfShownNumber(double shown) {
    if (g_showZValues || g_showTValues) return g_popMean + shown * StatisticSE();
    return AxisOfShown(shown);
}

std::string SliderNumberText(bool left) {
    return SliderLabelNumber(left ? g_leftSliderZ : g_rightSliderZ);
}

void SetSliderToShownNumber(double shown, bool left, int scrollPos, int sampleSize,
                            std::string& intervalWidthText) {
    // The standard error of the sample size in the field, before z is read.
    intervalWidthText = ReadSampleSize(sampleSize);
    const double lo = AxisPixelToValue(g_sdAxisLeft, scrollPos);
    const double hi = AxisPixelToValue(std::max(g_sdAxisLeft, g_sdAxisRight), scrollPos);
    double value = StatisticOfShownNumber(shown);
    if (!std::isfinite(value)) value = shown < 0.0 ? lo : hi;
    SetSliderToValue(std::clamp(value, lo, hi), left, scrollPos, sampleSize, intervalWidthText);
}

void KeepSlidersOnAxis() {
    // Without a standard error every slider stands at the mean, on the axis.
    if (!(g_standardError > 0.0f)) return;
    const BinWidthInfo info = CurrentBinWidthInfo();
    const int lastPos = info.scrolls ? info.scrollMax : 1;
    const double se = StatisticSE();
    const float zLow = static_cast<float>((0.0 - g_popMean) / se);
    const float zHigh =
        static_cast<float>((AxisPixelToValue(g_sdAxisRight, lastPos) - g_popMean) / se);
    if (!std::isfinite(zLow) || !std::isfinite(zHigh) || zLow > zHigh) return;
    auto onAxis = [&](float z) { return z >= zLow && z <= zHigh ? z : z > zHigh ? zHigh : zLow; };

    float left = onAxis(g_leftSliderZ);
    float right = g_oneSlider ? g_rightSliderZ : onAxis(g_rightSliderZ);
    if (!g_oneSlider && g_slidersTandem) {
        // The pair stays mirrored about the mean, as far out as both ends allow.
        const float reach =
            std::min({std::fabs(g_leftSliderZ), -std::min(zLow, 0.0f), std::max(zHigh, 0.0f)});
        left = PlainZero(-reach);
        right = reach;
    }
    if (left == g_leftSliderZ && right == g_rightSliderZ) return;
    g_leftSliderZ = left;
    g_rightSliderZ = right;
    RecomputeSliderValues();
}

int SliderPointerX(bool left, int scrollPos) {
    const float z = left ? g_leftSliderZ : g_rightSliderZ;
    const Rect& handle = left ? g_leftSliderRect : g_rightSliderRect;
    if (SliderOnVisibleAxis(z, scrollPos) && !handle.IsEmpty())
        return handle.right - Px(g_sdScaleX, 4);
    // Scrolled out of view: at the end of the axis it lies beyond.
    const bool beyondRight = std::isfinite(z) && SliderThreshold(z) > VisibleAxisStart(scrollPos);
    return beyondRight ? g_sdAxisRight : g_sdAxisLeft;
}

bool SliderShowsLetterOnly(bool left, int scrollPos) {
    const float z = left ? g_leftSliderZ : g_rightSliderZ;
    if (!SliderOnVisibleAxis(z, scrollPos)) return true;
    // Left of the axis start its pointer stands short of the axis.
    return SliderThreshold(z) < VisibleAxisStart(scrollPos) - StatisticTolerance();
}

void OneSlider() {
    g_oneSlider = 1;
    g_slidersTandem = 0;
}

void TwoSlidersSeparate() {
    g_oneSlider = 0;
    g_slidersTandem = 0;
    if (g_leftSliderZ > g_rightSliderZ) g_leftSliderZ = g_rightSliderZ - 0.1f;
    g_leftSliderValue = SliderShownValue(g_leftSliderZ);
    g_rightSliderValue = SliderShownValue(g_rightSliderZ);
}

void TwoSlidersTandem() {
    g_oneSlider = 0;
    g_slidersTandem = 1;
    if (g_leftSliderZ > 0.0f) g_leftSliderZ = -g_leftSliderZ;
    g_rightSliderZ = PlainZero(-g_leftSliderZ);
    g_leftSliderValue = SliderShownValue(g_leftSliderZ);
    g_rightSliderValue = SliderShownValue(g_rightSliderZ);
}

std::string SliderLabelText(float z, bool letterOnly) {
    const char* letter = StatisticLetter();
    if (g_showZValues) {
        letter = "z";
    } else if (g_showTValues) {
        letter = "t";
    }
    const std::string text = SliderLabelNumber(z);
    if (letterOnly || text.empty()) return letter;
    return std::string(letter) + " = " + text;
}

double CountingThreshold(float z) {
    const double exact = SliderThreshold(z);
    // The label's own number, read back: a slider whose label reads 0.100
    // counts the samples at 0.1, though the pixel it came from lies a hair
    // below. Without a usable label the slider's own position serves.
    const std::string label = SliderLabelNumber(z);
    if (label.empty()) return exact;
    const double number = std::strtod(label.c_str(), nullptr);
    double threshold = exact;
    if (g_showZValues || g_showTValues) {
        threshold = g_popMean + number * StatisticSE();
    } else if (ShownStatisticKind() != Statistic::Mean) {
        threshold = AxisOfShown(number);
    } else if (g_dispScale != 0.0f) {
        threshold = (number - g_dispToMean) / static_cast<double>(g_dispScale) + g_dispFromMean;
    }
    return std::isfinite(threshold) ? threshold : exact;
}

bool AtOrBelow(float statistic, double threshold) {
    return statistic <= threshold + StatisticTolerance();
}

int CountAtOrBelow(float z) {
    const double threshold = CountingThreshold(z);
    const int drawn = std::clamp(g_samplesDrawn, 0, kMaxSamples);
    int count = 0;
    for (int r = 1; r <= drawn; ++r)
        if (AtOrBelow(SampleStatistic(r), threshold)) ++count;
    return count;
}

namespace {

// Where a sample's statistic lies against the columns in view: left of the
// first (or off the axis below), among them, or right of the last (or off the
// axis above). Zoomed in, the rest of the axis is as much out of sight as
// what lies beyond its ends.
enum class Side { Below, Shown, Beyond };

struct ColumnsInView {
    int lastBin, firstShown, lastShown;
    Side SideOf(float x, int bin) const {
        const bool binned = bin >= 1 && bin <= lastBin;
        if (binned && bin >= firstShown && bin <= lastShown) return Side::Shown;
        const bool leftOfView = binned ? bin < firstShown : x < 0.0f;
        return leftOfView ? Side::Below : Side::Beyond;
    }
};

// The samples at sorted positions from + 1 .. to that are counted, when the
// first `left` positions are at or below the left slider and the first
// `right` at or below the right one: counted or not changes only there.
int CountedBetween(int from, int to, int left, int right) {
    int cuts[] = {from, std::clamp(left, from, to), std::clamp(right, from, to), to};
    std::sort(std::begin(cuts), std::end(cuts));
    int counted = 0;
    for (int i = 0; i + 1 < 4; ++i) {
        const int first = cuts[i] + 1;
        if (cuts[i + 1] > cuts[i] && IsCounted(first <= left, first <= right))
            counted += cuts[i + 1] - cuts[i];
    }
    return counted;
}

// The first position in 1..count (count + 1 when none) where `past` holds,
// for a `past` that once true stays true.
template <typename Past> int FirstPast(int count, Past past) {
    int lo = 1, hi = count + 1;
    while (lo < hi) {
        const int mid = lo + (hi - lo) / 2;
        if (past(mid))
            hi = mid;
        else
            lo = mid + 1;
    }
    return lo;
}

// The split without a pass over every sample, for a statistic that is the
// mean: the means are sorted, so the samples at or below a slider are the
// first ones, found by binary search, and the bin of a mean only grows with
// it, so each column is a run of the sorted means as long as the histogram
// says. The runs are checked against the means at both ends; false, with the
// split untouched, when the sorted means or the histogram do not describe
// the series (as where a series is being built).
bool SplitFromSortedMeans(SliderSplit& split, int drawn, const ColumnsInView& view, double left,
                          double right) {
    const float* means = g_sortedMeans; // positions 1..drawn
    for (int k = 1; k <= drawn; ++k)
        if (!std::isfinite(means[k]) || (k > 1 && means[k] < means[k - 1])) return false;
    auto bin = [&](int k) { return HistogramBin(means[k]); };
    // Means below the first bin come first.
    int start[kHistogramBins + 2];
    start[1] = FirstPast(drawn, [&](int k) { return bin(k) != 0 || means[k] >= 0.0f; });
    for (int b = 1; b <= view.lastBin; ++b) {
        const int inBin = g_meanHistogram[b];
        start[b + 1] = start[b] + inBin;
        if (inBin < 0 || start[b + 1] > drawn + 1) return false;
        if (inBin > 0 && (bin(start[b]) != b || bin(start[b + 1] - 1) != b)) return false;
    }
    // What follows the last bin of the range lies above it.
    const int after = start[view.lastBin + 1];
    if (after <= drawn && bin(after) != 0 && bin(after) <= view.lastBin) return false;
    if (after <= drawn && bin(after) == 0 && means[after] < 0.0f) return false;

    const int atOrBelowLeft =
        FirstPast(drawn, [&](int k) { return !AtOrBelow(means[k], left); }) - 1;
    const int atOrBelowRight =
        FirstPast(drawn, [&](int k) { return !AtOrBelow(means[k], right); }) - 1;
    split.total = drawn;
    split.leftCount = atOrBelowLeft;
    split.rightCount = atOrBelowRight;
    split.counted = CountedBetween(0, drawn, atOrBelowLeft, atOrBelowRight);
    for (int b = 1; b <= view.lastBin; ++b) {
        const int before = start[b] - 1, inBin = g_meanHistogram[b];
        split.atOrBelowLeft[b] = std::clamp(atOrBelowLeft - before, 0, inBin);
        split.atOrBelowRight[b] = std::clamp(atOrBelowRight - before, 0, inBin);
    }
    auto side = [&](int k) { return view.SideOf(means[k], bin(k)); };
    const int below = FirstPast(drawn, [&](int k) { return side(k) != Side::Below; }) - 1;
    const int shownEnd = FirstPast(drawn, [&](int k) { return side(k) == Side::Beyond; }) - 1;
    split.below = OffPlot{below, CountedBetween(0, below, atOrBelowLeft, atOrBelowRight)};
    split.beyond =
        OffPlot{drawn - shownEnd, CountedBetween(shownEnd, drawn, atOrBelowLeft, atOrBelowRight)};
    return true;
}

} // namespace

void SplitBySliders(SliderSplit& split, int scrollPos) {
    split = SliderSplit{};
    const int drawn = std::clamp(g_samplesDrawn, 0, kMaxSamples);
    const int lastBin = std::min(CurrentBinWidthInfo().lastBin, kHistogramBins);
    const ColumnsInView view{lastBin, FirstVisibleBin(scrollPos),
                             std::min(LastVisibleBin(scrollPos), lastBin)};
    const double left = CountingThreshold(g_leftSliderZ);
    const double right = g_oneSlider ? left : CountingThreshold(g_rightSliderZ);
    // The sorted means serve the means alone; any other statistic (a t
    // value, a median, ...) is counted sample by sample.
    const bool statisticIsMean =
        (!g_showTValues || g_isBinomial) && ShownStatisticKind() == Statistic::Mean;
    if (statisticIsMean && SplitFromSortedMeans(split, drawn, view, left, right)) return;
    for (int r = 1; r <= drawn; ++r) {
        const float x = SampleStatistic(r);
        // A sample without a statistic (a t value of a sample with no spread)
        // is in no column and in no count.
        if (!std::isfinite(x)) continue;
        const bool belowLeft = AtOrBelow(x, left);
        const bool belowRight = AtOrBelow(x, right);
        const bool counted = IsCounted(belowLeft, belowRight);
        ++split.total;
        split.leftCount += belowLeft;
        split.rightCount += belowRight;
        split.counted += counted;
        const int bin = HistogramBin(x);
        if (bin >= 1 && bin <= lastBin) {
            split.atOrBelowLeft[bin] += belowLeft;
            split.atOrBelowRight[bin] += belowRight;
        }
        const Side side = view.SideOf(x, bin);
        if (side == Side::Shown) continue;
        OffPlot& off = side == Side::Below ? split.below : split.beyond;
        ++off.samples;
        off.counted += counted;
    }
}

SliderReadouts UpdateSliderReadouts(int sampleSize, int numberOfSamples) {
    g_sdSampleSize = sampleSize;
    // A negative Number of Samples asks for none.
    const int asked = std::max(0, numberOfSamples);
    const int drawn = std::clamp(g_samplesDrawn, 0, kMaxSamples);

    // One pass over the series, the same one that colours the columns, so
    // the numbers and the red columns always agree.
    SliderSplit split;
    SplitBySliders(split);
    const int counted = split.total;
    g_leftCount = split.leftCount;
    if (!g_oneSlider) g_rightCount = split.rightCount;

    SliderReadouts out;
    if (counted > 0) {
        const int number = split.counted;
        out.actualNumber = FormatInt(number);
        const float proportion = static_cast<float>(number) / static_cast<float>(counted);
        out.actualProportion = FormatNumber(proportion == 1.0f ? "%.3f" : "%.4f", proportion);
    }

    // Without a population that spreads (an empty one has no spread either),
    // or without a sample size it can be drawn at, there is no sampling
    // distribution in theory: nothing to show.
    const bool theory = g_popSD > 0.0f && g_sdSampleSize >= 1 && g_sdSampleSize <= kMaxSampleSize;
    if (!theory) return out;

    // Expected numbers out of the series, or out of the number asked for
    // while no sample has been drawn.
    const int base = drawn > 0 ? counted : asked;
    if (ShownStatisticKind() != Statistic::Mean) {
        // Another statistic's theory, where it has one, in the first row; t
        // belongs to the mean.
        const double share = TheoryProportion(ShownTheory(g_sdSampleSize));
        if (std::isfinite(share)) {
            out.normalProportion = FormatNumber("%.4f", share);
            out.normalNumber = ExpectedNumberText(base, share);
        }
        return out;
    }
    const double normal = TheoreticalProportion(TailDistribution::Normal, 0);
    if (std::isfinite(normal)) {
        out.normalProportion = FormatNumber("%.4f", normal);
        out.normalNumber = ExpectedNumberText(base, normal);
    }
    // No t distribution below a sample size of 2, nor for proportions: both
    // t fields stay empty.
    const double t =
        g_isBinomial ? NAN : TheoreticalProportion(TailDistribution::StudentT, g_sdSampleSize);
    if (std::isfinite(t)) {
        out.tProportion = FormatNumber("%.4f", t);
        out.tNumber = ExpectedNumberText(base, t);
    }
    return out;
}
