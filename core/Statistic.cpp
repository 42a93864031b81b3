#include "core/Statistic.h"

#include "core/MedianAvx512.h"
#include "core/Population.h"
#include "core/SampleBatchAvx512.h"
#include "core/ValueDraw.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace {

struct Ordered {
    float median;
    float range;
};

Ordered OrderedOf(const float* values, int n) {
    if (n < 1) return {0.0f, 0.0f};
    const float* v = values + 1; // the row's values stay in drawing order
    Ordered out;
    if (HasAvx512()) {
        avx512::MedianAndRange(v, n, out.median, out.range);
        return out;
    }
    float copy[kMaxSampleSize];
    std::copy(v, v + n, copy);
    const auto [lowest, highest] = std::minmax_element(copy, copy + n);
    out.range = *highest - *lowest;
    const int middle = n / 2; // the upper middle for even n
    std::nth_element(copy, copy + middle, copy + n);
    double median = copy[middle];
    if (n % 2 == 0) {
        // Before the upper middle lie the smaller ones; their largest is the lower middle.
        const float lower = *std::max_element(copy, copy + middle);
        median = (static_cast<double>(lower) + median) / 2.0;
    }
    out.median = static_cast<float>(median);
    return out;
}

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

double StatisticAxisScale(Statistic statistic) {
    switch (statistic) {
    case Statistic::Variance:
    case Statistic::VarianceN:
        return 10.0 / 50.0;
    case Statistic::Mean:
    case Statistic::Median:
    case Statistic::StandardDeviation:
    case Statistic::Range:
        return 1.0;
    }
    return 1.0;
}

float AxisStatisticOfSample(int r, int n) {
    if (r < 1 || r > kMaxSamples) return NAN;
    const SampleRow& row = g_sampleStore[r];
    if (g_statistic == Statistic::Mean || g_isBinomial)
        return HistogramStatistic(row.mean, row.sd, n);
    std::optional<float> value;
    if (NeedsOrderedValues(g_statistic)) {
        // Rows up to r get their median and range now if no run kept them.
        KeepOrderedStatisticsOfRows(r);
        value = g_statistic == Statistic::Median ? row.median : row.range;
    } else {
        value = StatisticOf(row, n, g_statistic);
    }
    if (!value) return NAN;
    return static_cast<float>(*value * StatisticAxisScale(g_statistic));
}

namespace {
// The factor a spread takes from the display transform; a spread is never negative.
double SpreadFactor(Statistic statistic) {
    const double factor = std::fabs(static_cast<double>(g_dispScale));
    return statistic == Statistic::Variance || statistic == Statistic::VarianceN ? factor * factor
                                                                                 : factor;
}
} // namespace

double ShownStatistic(Statistic statistic, double internalValue) {
    if (statistic == Statistic::Mean || statistic == Statistic::Median)
        return (internalValue - g_dispFromMean) * g_dispScale + g_dispToMean;
    return internalValue * SpreadFactor(statistic);
}

double InternalStatistic(Statistic statistic, double shown) {
    if (statistic == Statistic::Mean || statistic == Statistic::Median) return InternalValue(shown);
    const double factor = SpreadFactor(statistic);
    return factor > 0.0 ? shown / factor : 0.0;
}

SortedStatistics SortedStatisticsOf(Statistic statistic) {
    const int samples = std::clamp(g_samplesDrawn, 0, kMaxSamples);
    if (statistic == Statistic::Mean) return {g_sortedMeans, g_sortedMeanSampleNo, samples, 0};
    const int n = g_seriesSampleSize;
    if (cache.valid && cache.statistic == statistic && cache.samples == samples &&
        cache.sampleSize == n && cache.series == g_statisticSeriesStamp)
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
    cache = {true,
             statistic,
             samples,
             n,
             g_statisticSeriesStamp,
             SortedStatistics{sortedValues, sortedSampleNos, count, samples - count}};
    return cache.sorted;
}

SortedStatistics ChooseStatistic(Statistic statistic) {
    g_statistic = statistic;
    return SortedStatisticsOf(statistic);
}

void ForgetSeriesStatistics() {
    g_keptOrderedRows = 0;
    ++g_statisticSeriesStamp;
    cache.valid = false;
}

void KeepOrderedStatisticsOfRows(int lastRow) {
    const int n = g_seriesSampleSize;
    if (lastRow <= g_keptOrderedRows) return;
    if (n < 1 || n > kMaxSampleSize) return;
    lastRow = std::min(lastRow, kMaxSamples);
    for (int r = g_keptOrderedRows + 1; r <= lastRow; ++r)
        KeepOrderedStatistics(g_sampleStore[r], n);
    g_keptOrderedRows = std::max(g_keptOrderedRows, lastRow);
}

void KeepOrderedStatisticsOfRow(int r, int n) {
    if (!NeedsOrderedValues(g_statistic) || r != g_keptOrderedRows + 1) return;
    KeepOrderedStatistics(g_sampleStore[r], n);
    g_keptOrderedRows = r;
}

float HistogramStatistic(float mean, float sd, int n) {
    if (!g_showTValues || g_isBinomial) return mean;
    // A sample with no spread (or of one value) has no t value.
    if (!(sd > 0.0f) || n < 1) return std::numeric_limits<float>::quiet_NaN();
    const double t = (static_cast<double>(mean) - g_popMean) / (sd / std::sqrt(double(n)));
    return static_cast<float>(t * g_standardError + g_popMean);
}
