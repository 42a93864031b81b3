#include "core/Statistic.h"

#include "core/Population.h"
#include "core/SamplingEngine.h"
#include "core/ValueDraw.h"

#include <algorithm>
#include <cmath>

Statistic g_statistic = Statistic::Mean;

namespace {

struct Ordered {
    float median;
    float range;
};

// The median is found without ordering the whole sample: a count of the
// values in narrow buckets (a bucket's values all lie below the next
// bucket's) tells which bucket holds the middle, and only the values of that
// bucket are ordered.
constexpr int kBuckets = 512;
// Every population's values lie in 0..10; others share the end buckets.
constexpr float kBucketsPerUnit = kBuckets / 10.0f;

int BucketOf(float v) {
    const float scaled = v * kBucketsPerUnit;
    if (!(scaled > 0.0f)) return 0;
    return scaled < kBuckets - 1 ? static_cast<int>(scaled) : kBuckets - 1;
}

Ordered OrderedOf(const float* values, int n) {
    if (n < 1) return {0.0f, 0.0f};
    const float* v = values + 1; // the row's values stay in drawing order
    // Four running extremes, so the comparisons do not wait on each other.
    float low[4], high[4];
    for (int k = 0; k < 4; ++k)
        low[k] = high[k] = v[0];
    for (int j = 0; j < n; ++j) {
        low[j % 4] = v[j] < low[j % 4] ? v[j] : low[j % 4];
        high[j % 4] = v[j] > high[j % 4] ? v[j] : high[j % 4];
    }
    const float lowest = std::min({low[0], low[1], low[2], low[3]});
    const float highest = std::max({high[0], high[1], high[2], high[3]});
    if (!(lowest < highest)) return {lowest, 0.0f};

    int counts[kBuckets] = {};
    for (int j = 0; j < n; ++j)
        ++counts[BucketOf(v[j])];
    // The middle value for odd n; the upper and lower middle for even n.
    const int upper = n / 2, lower = n % 2 ? upper : upper - 1;
    int below = 0, first = 0; // values in the buckets before `first`
    while (below + counts[first] <= lower)
        below += counts[first++];
    int last = first, through = below + counts[first];
    while (through <= upper)
        through += counts[++last];

    float picked[kMaxSampleSize];
    int m = 0;
    for (int j = 0; j < n; ++j) {
        const int b = BucketOf(v[j]);
        picked[m] = v[j];
        m += b >= first && b <= last;
    }
    const int at = upper - below;
    std::nth_element(picked, picked + at, picked + m);
    double median = picked[at];
    if (n % 2 == 0) {
        // Before the upper middle lie the smaller ones; their largest is the lower middle.
        const float lowerMiddle = *std::max_element(picked, picked + at);
        median = (static_cast<double>(lowerMiddle) + median) / 2.0;
    }
    return {static_cast<float>(median), highest - lowest};
}

int keptRows = 0; // rows 1..keptRows of the series hold their median and range

// The last sorted statistic other than the mean, and the series it was of.
struct SortedCache {
    bool valid = false;
    Statistic statistic = Statistic::Mean;
    int samples = 0;
    int sampleSize = 0;
    unsigned series = 0;
    SortedStatistics sorted;
};
SortedCache cache;
unsigned seriesStamp = 0;
float sortedValues[kMaxSamples + 1];
int sortedSampleNos[kMaxSamples + 1];

struct Slot {
    float value;
    int sampleNo;
};
Slot slots[kMaxSamples];

// The span of the values the population gives, from the lowest column with
// weight to the highest (a continuous column c gives 0.2 c - 0.1 .. 0.2 c +
// 0.1 within 0 .. 10; column 0 gives 0 .. 0.2).
std::optional<double> PopulationSpan() {
    const bool discrete = g_isDiscrete != 0;
    const int columns = ColumnsOf(discrete ? Kind::Discrete : Kind::Continuous);
    std::optional<double> low, high;
    for (int c = 0; c < columns; ++c) {
        if (ColumnWeight(c) <= 0) continue;
        const double from = discrete ? g_discreteValue[c] : std::max(0.0, 0.2 * c - 0.1);
        const double to = discrete ? g_discreteValue[c] : std::min(10.0, 0.2 * c + 0.1);
        low = low ? std::min(*low, from) : from;
        high = high ? std::max(*high, to) : to;
    }
    if (!low) return std::nullopt;
    return *high - *low;
}

} // namespace

bool NeedsOrderedValues(Statistic statistic) {
    return statistic == Statistic::Median || statistic == Statistic::Range;
}

void KeepOrderedStatistics(SampleRow& row, int n) {
    const Ordered ordered = OrderedOf(row.values, n);
    row.median = ordered.median;
    row.range = ordered.range;
}

std::optional<float> StatisticOf(const SampleRow& row, int n, Statistic statistic) {
    const double variance = static_cast<double>(row.sd) * row.sd;
    switch (statistic) {
    case Statistic::Mean:
        return row.mean;
    case Statistic::Median:
        return OrderedOf(row.values, n).median;
    case Statistic::Range:
        return OrderedOf(row.values, n).range;
    case Statistic::StandardDeviation:
        if (n < 2 || row.sd < 0.0f) return std::nullopt;
        return row.sd;
    case Statistic::Variance:
        if (n < 2 || row.sd < 0.0f) return std::nullopt;
        return static_cast<float>(variance);
    case Statistic::VarianceN:
        // The spread of one value about itself is none.
        if (n < 2 || row.sd < 0.0f) return 0.0f;
        return static_cast<float>(variance * (n - 1) / n);
    }
    return std::nullopt;
}

std::optional<double> PopulationValueOf(Statistic statistic) {
    if (PopulationIsEmpty()) return std::nullopt;
    if (g_isBinomial && statistic != Statistic::Mean) return std::nullopt;
    const double sigma = g_popSD;
    switch (statistic) {
    case Statistic::Mean:
        return g_popMean;
    case Statistic::Median:
        return g_popMedian;
    case Statistic::StandardDeviation:
        return sigma;
    case Statistic::Variance:
    case Statistic::VarianceN:
        return sigma * sigma;
    case Statistic::Range:
        return PopulationSpan();
    }
    return std::nullopt;
}

SortedStatistics SortedStatisticsOf(Statistic statistic) {
    const int samples = std::clamp(g_samplesDrawn, 0, kMaxSamples);
    if (statistic == Statistic::Mean) return {g_sortedMeans, g_sortedMeanSampleNo, samples, 0};
    const int n = g_seriesSampleSize;
    if (cache.valid && cache.statistic == statistic && cache.samples == samples &&
        cache.sampleSize == n && cache.series == seriesStamp)
        return cache.sorted;

    if (NeedsOrderedValues(statistic)) KeepOrderedStatisticsOfRows(samples);
    int count = 0;
    for (int r = 1; r <= samples; ++r) {
        const SampleRow& row = g_sampleStore[r];
        std::optional<float> value;
        if (statistic == Statistic::Median)
            value = row.median;
        else if (statistic == Statistic::Range)
            value = row.range;
        else
            value = StatisticOf(row, n, statistic);
        if (value) slots[count++] = {*value, r};
    }
    std::sort(slots, slots + count, [](const Slot& a, const Slot& b) {
        return a.value < b.value || (!(b.value < a.value) && a.sampleNo > b.sampleNo);
    });
    for (int i = 0; i < count; ++i) {
        sortedValues[i + 1] = slots[i].value;
        sortedSampleNos[i + 1] = slots[i].sampleNo;
    }
    cache = {true,        statistic,
             samples,     n,
             seriesStamp, SortedStatistics{sortedValues, sortedSampleNos, count, samples - count}};
    return cache.sorted;
}

SortedStatistics ChooseStatistic(Statistic statistic) {
    g_statistic = statistic;
    return SortedStatisticsOf(statistic);
}

void ForgetSeriesStatistics() {
    keptRows = 0;
    ++seriesStamp;
    cache.valid = false;
}

void KeepOrderedStatisticsOfRows(int lastRow) {
    const int n = g_seriesSampleSize;
    if (n < 1 || n > kMaxSampleSize) return;
    lastRow = std::min(lastRow, kMaxSamples);
    for (int r = keptRows + 1; r <= lastRow; ++r)
        KeepOrderedStatistics(g_sampleStore[r], n);
    keptRows = std::max(keptRows, lastRow);
}

void KeepOrderedStatisticsOfRow(int r, int n) {
    if (!NeedsOrderedValues(g_statistic) || r != keptRows + 1) return;
    KeepOrderedStatistics(g_sampleStore[r], n);
    keptRows = r;
}

void ResetStatisticState() {
    g_statistic = Statistic::Mean;
    ForgetSeriesStatistics();
}
