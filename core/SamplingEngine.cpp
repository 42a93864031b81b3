#include "core/SamplingEngine.h"

#include "core/NumberText.h"
#include "core/SampleBatch.h"
#include "core/Selection.h"
#include "core/SimulationState.h"
#include "core/Statistic.h"
#include "core/ValueDraw.h"
#include "core/VectorState.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstring>
#include <limits>

namespace {

// Puts mean into the sorted means of rows 1..r-1 before the first one that is
// not smaller, so a new mean goes before equal ones.
void InsertSortedMean(float mean, int r) {
    float* const first = g_sortedMeans + 1;
    float* const last = g_sortedMeans + r; // slot r is not filled yet
    const int k = static_cast<int>(std::lower_bound(first, last, mean) - g_sortedMeans);
    const std::size_t moved = static_cast<std::size_t>(r - k);
    if (moved > 0) {
        std::memmove(g_sortedMeans + k + 1, g_sortedMeans + k, moved * sizeof(float));
        std::memmove(g_sortedMeanSampleNo + k + 1, g_sortedMeanSampleNo + k, moved * sizeof(int));
    }
    g_sortedMeans[k] = mean;
    g_sortedMeanSampleNo[k] = r;
}

// The means of rows first..first+count-1 put into the sorted means of rows
// 1..first-1 exactly as InsertSortedMean would put them one row after
// another, moving the old means once instead of once a row.
void InsertSortedMeans(int first, int count) {
    // The new rows in their final order: by mean, and since each goes before
    // the equal ones already there, a later row before an earlier one.
    int rows[kSampleBatch];
    for (int i = 0; i < count; ++i)
        rows[i] = first + i;
    std::sort(rows, rows + count, [](int a, int b) {
        const float ma = g_sampleStore[a].mean, mb = g_sampleStore[b].mean;
        return ma < mb || (!(mb < ma) && a > b);
    });
    // From the largest new mean down: the old means not smaller than it
    // move up past it and every new mean still to place.
    int last = first - 1; // the last old mean not moved yet
    for (int i = count - 1; i >= 0; --i) {
        const float mean = g_sampleStore[rows[i]].mean;
        const int k = static_cast<int>(
            std::lower_bound(g_sortedMeans + 1, g_sortedMeans + last + 1, mean) - g_sortedMeans);
        const std::size_t moved = static_cast<std::size_t>(last + 1 - k);
        if (moved > 0) {
            std::memmove(g_sortedMeans + k + i + 1, g_sortedMeans + k, moved * sizeof(float));
            std::memmove(g_sortedMeanSampleNo + k + i + 1, g_sortedMeanSampleNo + k,
                         moved * sizeof(int));
        }
        g_sortedMeans[k + i] = mean;
        g_sortedMeanSampleNo[k + i] = rows[i];
        last = k - 1;
    }
}

void StartNewSeries(int n) {
    g_seriesSampleSize = n;
    g_samplesDrawn = 0;
    ++g_sampleStoreGeneration;
    g_seriesTargetCount = 0;
    std::fill(std::begin(g_meanHistogram), std::end(g_meanHistogram), 0);
    g_histNeedsRescale = 1;
    g_sumOfMeans = g_sumOfSDs = 0.0f;
    for (int row = 1; row <= kMaxSamples; ++row) {
        g_sampleStore[row].mean = 0.0f;
        g_sampleStore[row].sd = 0.0f;
        g_sampleStore[row].median = g_sampleStore[row].range = 0.0f;
    }
    ForgetSeriesStatistics();
    g_histCountScale = static_cast<float>(4.0 * g_sdScaleY);
    g_histTickCount = 4;
    g_histTickStep = 25;
    g_ciOutCount = g_ciInCount = 0;
    g_ciFirstSample = 1;
    // Nothing of the old series stays selected, nor marked.
    DropSelection();
}

struct RunContext {
    int n;
    Kind kind;
    ValueTables tables;
    RunStream stream;
    int firstRow = 1;     // the row of the run's first sample
    int asked = 0;        // samples the run was asked for
    bool stopped = false; // the display asked to stop after this sample
    float sdTotal = 0.0f; // this run's share of g_sumOfSDs
    // Squares of the means and SDs of rows 1.. so far, summed in row order
    // as each sample is finished: the rows are not read again at the end.
    float sumMeanSq = 0.0f;
    float sumSdSq = 0.0f;

    // The fold the spreads of the means and SDs take, a row at a time.
    void AddSquares(double mean, double sd) {
        sumMeanSq = static_cast<float>(sumMeanSq + mean * mean);
        sumSdSq = static_cast<float>(sumSdSq + sd * sd);
    }
};

void DrawQuietly(SampleRow& row, SampleSums& sums, int from, RunContext& run) {
    switch (run.kind) {
    case Kind::Continuous:
        DrawValuesQuietly<Kind::Continuous>(row, sums, from, run.n, run.tables, run.stream);
        break;
    case Kind::Discrete:
        DrawValuesQuietly<Kind::Discrete>(row, sums, from, run.n, run.tables, run.stream);
        break;
    case Kind::Binomial:
        DrawValuesQuietly<Kind::Binomial>(row, sums, from, run.n, run.tables, run.stream);
        break;
    }
}

void FinishSample(int r, const SampleSums& sums, bool animate, bool showValues, RunContext& run,
                  SampleDisplay& display, bool sortMean = true);

void DrawOneSample(int r, RunContext& run, SampleDisplay& display) {
    const int n = run.n;
    const bool animate = g_speed > 1;
    const bool showValues = animate && g_samplesWndVisible;
    const bool markValues = showValues && g_populationWndVisible;
    const int sampleOfRun = r - run.firstRow + 1;

    SampleRow& row = g_sampleStore[r];
    std::fill(std::begin(row.columnCounts), std::end(row.columnCounts), 0);
    ++g_sampleStoreGeneration;
    SampleSums sums;
    // The windows may have painted since the last sample.
    ClearUpperVectorState();

    g_currentSampleNo = r;
    int j = 1;
    if (showValues) {
        for (; j <= n; ++j) {
            int c;
            const float v = DrawValue(run.kind, run.tables, run.stream, c);
            if (markValues) {
                display.RedrawCurve();
                display.MarkSample(c);
            }
            display.DrawSampleHistogram(r, 1, c);
            AddValue(row, sums, j, v, c);
            // Sped up to F or stopped: the rest of the sample comes at once.
            if (j < n && (g_speed == 1 || !display.RunGoesOn(sampleOfRun - 1, run.asked))) {
                if (g_speed != 1) run.stopped = true;
                ++j;
                break;
            }
        }
    }
    if (j <= n) DrawQuietly(row, sums, j, run);
    FinishSample(r, sums, animate, showValues, run, display);
}

// What follows the values of sample r: its statistics, its place among the
// sorted means (unless the caller sorts several in at once) and in the
// histogram, and what the windows show of it.
void FinishSample(int r, const SampleSums& sums, bool animate, bool showValues, RunContext& run,
                  SampleDisplay& display, bool sortMean) {
    const int n = run.n;
    SampleRow& row = g_sampleStore[r];
    g_currentSampleNo = r;
    display.RedrawCurve(); // clears the marks, also while the window is hidden

    float ss = static_cast<float>(static_cast<double>(sums.sumSq) -
                                  static_cast<double>(sums.sum) * sums.sum / n);
    if (ss < 0.0f) ss = 0.0f;
    if (n > 1) {
        row.sd = static_cast<float>(std::sqrt(static_cast<double>(ss) / (n - 1)));
        run.sdTotal += row.sd;
    } else {
        row.sd = -1.0f;
    }
    row.mean = sums.sum / static_cast<float>(n);
    g_sumOfMeans += row.mean;
    run.AddSquares(row.mean, row.sd);
    // Only a statistic that needs the values in order pays for ordering them.
    KeepOrderedStatisticsOfRow(r, n);

    if (sortMean) {
        InsertSortedMean(row.mean, r);
        // The new mean may have moved the selected sample's place.
        PlaceSelection(r);
    }

    g_lastMeanBin = HistogramBin(AxisStatisticOfSample(r, n));
    if (g_lastMeanBin > 0) g_meanHistogram[g_lastMeanBin] += 1;

    const int pause = PauseForSpeed(g_speed);
    if (g_samplingDistWndVisible) {
        if (animate) {
            // A statistic without a bin grew no column.
            if (g_lastMeanBin > 0) FitLatestColumn(display);
            display.ShowSampleCount(r);
        }
        if (!g_samplesWndVisible && pause > 0) display.Pause(pause);
    }

    display.SetSamplesScrollBar(r, r);

    if (showValues) {
        display.DrawSampleHistogram(r, 0, 0);
        if (pause > 0) display.Pause(pause);
    }

    g_ciScrollPos = r - g_ciFirstSample;
    display.SetCiScrollBar(r, g_ciScrollPos);
    if (r - g_ciFirstSample >= 210) {
        // The interval graph holds 211 intervals: start it again here.
        g_ciFirstSample = r;
        g_ciScrollPos = 0;
        display.SetCiScrollBar(r, 0);
        if (g_confIntervalWndVisible) {
            display.ClearCiGraph();
            const int drawn = g_samplesDrawn;
            g_samplesDrawn = r;
            display.DrawIntervalGraph();
            g_samplesDrawn = drawn;
        }
    }

    if (g_confIntervalWndVisible && animate) {
        display.DrawInterval(n, r);
        display.InvalidateCiGraph();
    }
}

// At speed F up to kSampleBatch samples from row firstRow are drawn side by
// side (core/SampleBatch), then finished one after another exactly as they
// would be one at a time. doneBefore samples of the run come before them.
// Returns how many were finished: fewer when the run was stopped between them.
int DrawBatchQuietly(int firstRow, int count, int doneBefore, RunContext& run,
                     SampleDisplay& display) {
    std::uint32_t starts[kSampleBatch + 1];
    SampleRow* rows[kSampleBatch];
    SampleSums sums[kSampleBatch];
    starts[0] = run.stream.state;
    for (int s = 0; s < count; ++s) {
        const int length = SampleStreamLength(starts[s], run.n, run.kind, run.tables);
        starts[s + 1] = JumpAhead(starts[s], length);
        rows[s] = &g_sampleStore[firstRow + s];
        std::fill(std::begin(rows[s]->columnCounts), std::end(rows[s]->columnCounts), 0);
    }
    ++g_sampleStoreGeneration;
    // The windows may have painted since the last sample.
    ClearUpperVectorState();
    DrawSampleBatch(rows, sums, starts, count, run.n, run.kind, run.tables);

    // The batch's means are sorted in together when it is finished or stopped.
    // Until the run ends the windows count only the series before it, and
    // during a run their sorted slots were shifting either way.
    int finished = 0;
    while (finished < count) {
        FinishSample(firstRow + finished, sums[finished], false, false, run, display, false);
        ++finished;
        // The stream goes on after the last sample finished.
        run.stream.state = starts[finished];
        const int done = doneBefore + finished;
        if (done < run.asked && !display.RunGoesOn(done, run.asked)) {
            run.stopped = true;
            break;
        }
    }
    InsertSortedMeans(firstRow, finished);
    PlaceSelection(firstRow + finished - 1);
    return finished;
}

void FinishRun(int count, const RunContext& run, SampleDisplay& display, DrawResult& result) {
    const int n = run.n;
    const int total = g_samplesDrawn + count;
    // A stopped run is a shorter run: the series ends where it stopped.
    g_seriesTargetCount = total;

    g_currentSampleNo = total;
    display.SetSamplesScrollBar(total, total);
    display.DrawSampleHistogram(total, 0, 0);

    result.totalSamplesText = FormatInt(total);

    // With no sample in the series there is nothing to average.
    if (total > 0) {
        g_meanOfMeans = g_sumOfMeans / static_cast<float>(total);
        if (n > 1) {
            g_sumOfSDs += run.sdTotal;
            g_meanOfSDs = g_sumOfSDs / static_cast<float>(total);
        }
    }

    if (total > 1) {
        // Rounding can leave a hair below zero when every sample is alike.
        const double meanVar =
            (run.sumMeanSq - total * static_cast<double>(g_meanOfMeans) * g_meanOfMeans) /
            (total - 1);
        g_sdOfMeans = static_cast<float>(std::sqrt(std::max(0.0, meanVar)));
        if (n > 1) {
            const double sdVar =
                (run.sumSdSq - total * static_cast<double>(g_meanOfSDs) * g_meanOfSDs) /
                (total - 1);
            g_sdOfSDs = static_cast<float>(std::sqrt(std::max(0.0, sdVar)));
        }
        // A stopped run keeps the number asked for, ready to be drawn again.
        result.numberOfSamplesText = FormatInt(run.stopped ? run.asked : count);
    }

    g_samplesDrawn = total;
    ++g_sampleStoreGeneration;
    const SeriesSummary summary = SeriesSummaryTexts();
    result.meanOfMeansText = summary.meanOfMeans;
    result.sdOfMeansText = summary.sdOfMeans;
    result.meanOfSdsText = summary.meanOfSds;
    result.sdOfSdsText = summary.sdOfSds;

    // The run is over whether or not the Dorvane window watched it.
    g_drawFinished = 1;
    if (g_samplingDistWndVisible) {
        display.PlaceLeftSlider();
        if (!g_oneSlider) display.PlaceRightSlider();
        display.PaintWhole();
        display.InvalidateDorvane();
        display.RefreshPanel();
    }
    if (g_samplesWndVisible) display.RedrawSamplesWindow();
    if (g_samplingDistWndVisible) display.PaintWhole();
    if (g_samplesWndVisible) display.RedrawSamplesWindow();
}

} // namespace

int PauseForSpeed(int speed) {
    switch (speed) {
    case 3:
        return 25;
    case 4:
        return 50;
    case 5:
        return 100;
    default:
        return 0;
    }
}

double StatisticTolerance() {
    return g_isBinomial ? 0.005e-4 : 0.05e-4;
}

int HistogramBin(float x) {
    if (!std::isfinite(x)) return 0;
    const double xd = x;
    // Bins as the widths' flags give them; a later flag overrides an earlier
    // one, and medium stands when none is set.
    double scaled = (xd + 0.1) * 5;
    double perUnit = 5;
    if (g_isBinomial) {
        scaled = (xd + 0.01) * 50, perUnit = 50;
        if (g_binWidthWide) scaled = (xd + 0.025) * 20, perUnit = 20;
        if (g_binWidthMedium) scaled = (xd + 0.01) * 50, perUnit = 50;
        if (g_binWidthNarrow) scaled = (xd + 0.005) * 100, perUnit = 100;
        if (g_binWidthFinest) scaled = (xd + 0.0025) * 200, perUnit = 200;
    } else {
        if (g_binWidthWide) scaled = (xd + 0.25) * 2, perUnit = 2;
        if (g_binWidthMedium) scaled = (xd + 0.1) * 5, perUnit = 5;
        if (g_binWidthNarrow) scaled = (xd + 0.05) * 10, perUnit = 10;
        if (g_binWidthFinest) scaled = (xd + 0.025) * 20, perUnit = 20;
    }
    // Means of whole values (k / n) and proportions often lie exactly on an
    // edge, but arrive a hair to either side of it as floats; put them on it,
    // or the rounding of each mean picks its column and the histogram saws.
    const double edge = std::round(scaled);
    if (std::fabs(scaled - edge) <= StatisticTolerance() * perUnit) scaled = edge;
    // Below the first edge there is no bin: truncation toward zero would give
    // the first bin a second width's worth of statistics from below it.
    if (!(scaled >= 0.0 && scaled < kHistogramBins)) return 0;
    return 1 + static_cast<int>(scaled);
}

void FitLatestColumn(SampleDisplay& display) {
    const int count = g_meanHistogram[g_lastMeanBin];
    // The drawn column is count x g_histCountScale high, but the test also
    // multiplies by the window's vertical scale. Like every pixel height it is
    // truncated toward zero before it is compared.
    const double height = std::trunc(static_cast<double>(count) * g_sdScaleY * g_histCountScale);
    if (height > g_histMaxHeight) {
        g_histOverflowed = 1;
        g_histNeedsRescale = 1;
        display.DrawHistogramGraph();
        display.InvalidateHistogram();
    } else {
        g_histOverflowed = 0;
        display.GrowLatestColumn();
    }
}

SeriesSummary SeriesSummaryTexts() {
    SeriesSummary out;
    const int total = g_samplesDrawn;
    if (total < 1 || total > kMaxSamples) return out;
    const bool sds = g_seriesSampleSize > 1; // samples of one value have no SD
    const double scale = g_dispScale;
    // Proportions read as p (three decimals) and its standard error (four) do.
    const int meanDecimals = g_isBinomial ? 3 : 2, spreadDecimals = g_isBinomial ? 4 : 3;
    out.meanOfMeans = FormatFitted(ShownValue(g_meanOfMeans), meanDecimals, kShownValueChars);
    if (sds) out.meanOfSds = FormatFitted(scale * g_meanOfSDs, 3, kShownValueChars);
    if (total > 1) {
        out.sdOfMeans = FormatFitted(scale * g_sdOfMeans, spreadDecimals, kShownValueChars);
        if (sds) out.sdOfSds = FormatFitted(scale * g_sdOfSDs, 3, kShownValueChars);
    }
    return out;
}

DrawResult DrawSamples(int count, int n, SampleDisplay& display) {
    DrawResult result;
    const Kind kind = CurrentKind();
    if (n < 1 || n > kMaxSampleSize) {
        result.status = DrawResult::Status::BadSampleSize;
        return result;
    }
    if (PopulationIsEmpty()) {
        result.status = DrawResult::Status::EmptyPopulation;
        return result;
    }

    if (g_confIntervalWndVisible) display.ClearCiResultFields();

    const unsigned seed = static_cast<unsigned>(CalendarSeconds() + g_seedCarry);
    Srand(seed);
    g_seedCarry = Rand();
    RunContext run{n, kind, {}, RunStream{seed}};
    run.stream.Next(); // the number that became g_seedCarry

    display.ClearSummaryFields();

    if (count > 0) g_samplesExist = 1;
    if (count < 0) count = 0;

    const bool keepsSeries = g_addMoreMode && n == g_seriesSampleSize && g_samplesDrawn >= 0 &&
                             g_samplesDrawn <= kMaxSamples;
    if (!keepsSeries) StartNewSeries(n);
    // Every sample of the series before the run gets what the run keeps.
    if (NeedsOrderedValues(g_statistic)) KeepOrderedStatisticsOfRows(g_samplesDrawn);

    // Never past the end of the Sample store.
    const int room = kMaxSamples - g_samplesDrawn;
    if (count > room) {
        count = room;
        result.status = DrawResult::Status::NoRoom;
    }

    // Set before the first paint of the run: the normal curve and the
    // population outline stand for the series the run is drawing.
    g_seriesTargetCount = g_samplesDrawn + count;

    g_drawFinished = 0;
    display.DrawHistogramGraph();
    display.InvalidateHistogram();

    if (!g_addMoreMode) g_ciFirstSample = 1;

    display.ComputeCriticalValue();
    if (g_confIntervalWndVisible && g_addMoreMode && g_speed > 1) display.DrawIntervalGraph();

    // Intervals are drawn in sample order while the run lasts.
    const int sortByMeans = g_sortByMeans;
    g_sortByMeans = 0;
    PlaceSelection(g_samplesDrawn);
    if (g_confIntervalWndVisible) display.RedrawConfIntervalWindow();

    // The rows the series keeps lead the sums of squares (none in a new series).
    for (int row = 1; row <= g_samplesDrawn; ++row)
        run.AddSquares(g_sampleStore[row].mean, g_sampleStore[row].sd);
    run.firstRow = g_samplesDrawn + 1;
    run.asked = count;
    int done = 0;
    if (count > 0) PrepareValueTables(kind, run.tables);
    while (done < count && !run.stopped) {
        const int r = g_samplesDrawn + done + 1;
        if (g_speed == 1 && count - done > 1 && SideBySidePays(run.tables)) {
            done += DrawBatchQuietly(r, std::min(kSampleBatch, count - done), done, run, display);
            continue;
        }
        DrawOneSample(r, run, display);
        ++done;
        if (done < count && !run.stopped) run.stopped = !display.RunGoesOn(done, count);
    }
    if (done < count) {
        count = done;
        result.status = DrawResult::Status::Stopped;
    }
    result.drawn = count;
    Srand(run.stream.state);

    FinishRun(count, run, display, result);

    g_sortByMeans = sortByMeans;
    PlaceSelection(g_samplesDrawn);
    display.UpdateCoverageCounts();
    if (g_confIntervalWndVisible) display.RedrawConfIntervalWindow();
    return result;
}
