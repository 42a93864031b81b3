#include "windows/confint/IntervalSeries.h"

#include "core/Distributions.h"
#include "core/Messages.h"
#include "core/NumberText.h"
#include "core/Selection.h"
#include "core/SimulationState.h"
#include "windows/confint/NormalTable.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <optional>

// --- The critical value -------------------------------------------------------------

bool ConfidenceLevelUsable(int confLevel) {
    return confLevel >= kConfLevelLow && confLevel <= kConfLevelHigh;
}

LevelCheck CheckConfidenceLevel(std::optional<long long> typed, int levelInForce) {
    if (typed && *typed >= kConfLevelLow && *typed <= kConfLevelHigh)
        return {static_cast<int>(*typed), {}};
    if (typed)
        return {*typed > kConfLevelHigh ? kConfLevelHigh : kConfLevelLow, kMsgConfidenceLevel};
    // nothing usable was typed: the level in force stays
    return {std::clamp(levelInForce, kConfLevelLow, kConfLevelHigh), kMsgConfidenceLevel};
}

namespace {

int ZPercentile(int level) {
    if (!g_ciOneSided) return static_cast<int>(((100 - level) * 0.5 + level) * 100);
    return level >= 50 ? 100 * level : 100 * (100 - level);
}

float TAlpha(int level) {
    if (!g_ciOneSided) return static_cast<float>((100 - level) * 0.005);
    return static_cast<float>(level < 50 ? level * 0.01 : (100 - level) * 0.01);
}

} // namespace

std::string ComputeCriticalValue(int sampleSize, int confLevel) {
    g_ciSampleSize = sampleSize;
    // While the field is being typed and reads no usable level, the level in
    // force stays, and with it every interval.
    if (ConfidenceLevelUsable(confLevel)) g_ciConfLevel = confLevel;
    const int level = std::clamp(g_ciConfLevel, kConfLevelLow, kConfLevelHigh);

    if (g_isBinomial) g_ciUseZ = 1; // a proportion's interval always uses z
    if (g_ciUseZ) {
        g_ciPercentile = ZPercentile(level);
        g_ciCriticalValue = ZFromPercentile(g_ciPercentile);
    } else if (g_ciSampleSize > 1) {
        g_ciDegreesOfFreedom = g_ciSampleSize - 1;
        g_ciAlpha = TAlpha(level);
        g_ciCriticalValue = CriticalT(g_ciAlpha, g_ciDegreesOfFreedom);
    } else {
        return {}; // t needs two values a sample: no critical value to show
    }

    float shown = g_ciOneSided && g_ciLowEnd ? -g_ciCriticalValue : g_ciCriticalValue;
    if (shown == 0.0f) shown = 0.0f; // no "-0.000"
    return FormatNumber("%.3f", shown);
}

// --- One interval -----------------------------------------------------------------------

namespace {

// Everything an interval needs that does not depend on the sample, taken once
// so a recount over the series repeats only the sample's own arithmetic.
struct IntervalRule {
    int n;
    double rootN;
    float mu;
    float critical;
    bool binomial, sigmaKnown, oneSided, lowEnd, noT;
    float popSD;

    explicit IntervalRule(int sampleSize)
        : n(sampleSize), rootN(std::sqrt(static_cast<double>(std::max(sampleSize, 0)))),
          mu(TrueValue()), critical(g_ciCriticalValue), binomial(g_isBinomial != 0),
          sigmaKnown(g_ciSigmaKnown != 0), oneSided(g_ciOneSided != 0), lowEnd(g_ciLowEnd != 0),
          noT(!binomial && !g_ciUseZ && sampleSize < 2), popSD(g_popSD) {}

    Interval Of(float mean, float sd) const {
        Interval iv;
        iv.centre = binomial ? mean * 10.0f : mean;
        iv.low = iv.high = iv.centre;
        // A sample of one value has no s, and without a sample size there is
        // no standard error, and t has no critical value below two values:
        // no interval, which counts as missing the mean.
        if (n < 1 || noT || (!binomial && !sigmaKnown && sd < 0.0f)) return iv;

        double sigma = sigmaKnown ? popSD : sd;
        if (binomial)
            sigma = std::sqrt(std::max(0.0, static_cast<double>(mean) - double(mean) * mean));
        float se = static_cast<float>(sigma / rootN);
        if (binomial) se *= 10.0f;
        iv.se = se;
        const float half = se * critical;
        iv.low = iv.centre - half;
        iv.high = iv.centre + half;
        iv.hasEnds = true;
        if (!oneSided)
            iv.contains = iv.low <= mu && mu <= iv.high;
        else if (lowEnd)
            iv.contains = mu >= iv.low; // reaches up without limit
        else
            iv.contains = mu <= iv.high; // reaches down without limit
        return iv;
    }
};

} // namespace

float TrueValue() {
    return g_isBinomial ? g_popMean * 10.0f : g_popMean;
}

Interval IntervalOfSample(int n, float mean, float sd) {
    return IntervalRule(n).Of(mean, sd);
}

SampleNo SampleOfRow(IntervalRow row) {
    if (row.value < 1 || row.value > kMaxSamples) return 0;
    return g_sortByMeans ? SampleAtSortedRow(row.value) : SampleNo{row.value};
}

Interval IntervalOf(int n, IntervalRow row) {
    const SampleNo sample = SampleOfRow(row);
    if (sample.value < 1 || sample.value > kMaxSamples) return Interval{};
    const float mean = g_sortByMeans ? SortedMean(row.value) : StoredSample(sample).mean;
    return IntervalOfSample(n, mean, StoredSample(sample).sd);
}

// --- Coverage ---------------------------------------------------------------------------

CoverageTexts UpdateCoverageCounts(int n) {
    g_ciInCount = g_ciOutCount = 0;
    const int drawn = std::clamp(g_samplesDrawn, 0, kMaxSamples);
    const IntervalRule rule(n);
    for (int row = 1; row <= drawn; ++row) {
        const SampleRow& sample = g_sampleStore[row];
        if (rule.Of(sample.mean, sample.sd).contains)
            ++g_ciInCount;
        else
            ++g_ciOutCount;
    }
    double inPct = 0.0, outPct = 0.0;
    if (drawn > 0) {
        inPct = static_cast<double>(g_ciInCount) / drawn * 100.0;
        outPct = static_cast<double>(g_ciOutCount) / drawn * 100.0;
    }
    return CoverageTexts{FormatInt(g_ciInCount), FormatInt(g_ciOutCount),
                         FormatNumber("%.0f%%", inPct), FormatNumber("%.0f%%", outPct)};
}

// --- Row order and selection ----------------------------------------------------------------

void SetSortByMeans(int sorted) {
    sorted = sorted ? 1 : 0;
    if (sorted == g_sortByMeans) return;
    g_sortByMeans = sorted;
    // The same sample stays selected, on its row in the new order.
    PlaceSelection(g_samplesDrawn);
}

void SelectRow(IntervalRow row) {
    const int drawn = std::min(g_samplesDrawn, kMaxSamples);
    if (row.value < 1 || row.value > drawn) return;
    SelectSampleNo(SampleOfRow(row));
}

bool SelectedRowValid() {
    return g_sampleSelected && g_selectedSampleNo >= 1 &&
           g_selectedSampleNo <= std::min(g_samplesDrawn, kMaxSamples);
}

// --- The possible mean ----------------------------------------------------------------------

std::string ShownEndText(double shown) {
    // A proportion with three decimals, a mean with two, fewer once it is large.
    return FormatFitted(shown, g_isBinomial ? 3 : 2, kShownValueChars);
}

namespace {
// A value as it reads on the screen, read back.
double AsShown(double value) {
    const std::string text = ShownEndText(value);
    return text.empty() ? value : std::strtod(text.c_str(), nullptr);
}
} // namespace

void IsPlausible() {
    const double m = AsShown(ShownValue(g_ciPopMean));
    const double low = AsShown(g_ciSelLow), high = AsShown(g_ciSelHigh);
    bool inside;
    if (!g_ciSelHasEnds)
        inside = false; // a sample without an interval contains nothing
    else if (!g_ciOneSided)
        inside = low <= m && m <= high;
    else if (g_ciLowEnd)
        inside = m >= low;
    else
        inside = m <= high;
    g_ciPlausible = inside ? 1 : 0;
}

float PossibleMuOnNewKind(float m, bool toBinomial) {
    const float top = toBinomial ? 1.0f : 10.0f;
    if (!std::isfinite(m)) return top / 2.0f;
    return std::clamp(toBinomial ? m / 10.0f : m * 10.0f, 0.0f, top);
}

float ClampPossibleMu(float m) {
    const float top = g_isBinomial ? 1.0f : 10.0f;
    if (std::isnan(m)) return 0.0f;
    return std::clamp(m, 0.0f, top);
}
