#include "shell/TextCopies.h"

#include "core/NumberText.h"
#include "core/Population.h"
#include "core/PresetTables.h"
#include "core/Selection.h"
#include "core/SimulationState.h"
#include "core/Statistic.h"
#include "ui/LocalNumbers.h"
#include "windows/confint/ConfIntervalDlg.h"
#include "windows/confint/IntervalSeries.h"

#include <QClipboard>
#include <QCoreApplication>
#include <QGuiApplication>
#include <QMimeData>
#include <algorithm>

namespace {

int SamplesInSeries() {
    return std::clamp(g_samplesDrawn, 0, kMaxSamples);
}

// While the population is shown as it is (no settings applied) a value is
// written as stored, so it reads back as the very float the program holds;
// the transform's arithmetic would move it by a last digit.
bool ShownAsStored() {
    return g_isBinomial || (g_dispScale == 1.0f && g_dispFromMean == g_dispToMean);
}

float Shown(float internal) {
    return ShownAsStored() ? internal : ShownValue(internal);
}

float ShownSpread(float sd) {
    return ShownAsStored() ? sd : sd * g_dispScale;
}

// An end of an interval (internal scale, a proportion times 10 when binomial)
// as the window's ends read.
float ShownEnd(float end) {
    return g_isBinomial ? static_cast<float>(end / 10.0) : Shown(end);
}

QString Grouped(int count) {
    return LocalNumbers(FormatGroupedInt(count));
}

} // namespace

bool SeriesToCopy() {
    return SamplesInSeries() > 0;
}

bool PopulationToCopy() {
    return g_popWeightTotal > 0.0f;
}

TextCopy SeriesCopy() {
    const int samples = SamplesInSeries();
    // The intervals of the window's own sample size, as its In count has them.
    const int ciN = g_confIntervalWnd ? g_confIntervalWnd->FieldSampleSize() : g_ciSampleSize;
    std::vector<SeriesTextRow> rows(static_cast<std::size_t>(samples));
    // Each row's median and range are worked out once and kept for the series.
    if (!g_isBinomial) KeepOrderedStatisticsOfRows(samples);
    for (int s = 1; s <= samples; ++s) {
        const SampleRow& stored = StoredSample(s);
        SeriesTextRow& row = rows[static_cast<std::size_t>(s - 1)];
        row.sample = s;
        row.n = g_seriesSampleSize;
        row.mean = Shown(stored.mean);
        if (stored.sd >= 0.0f) row.sd = ShownSpread(stored.sd);
        if (!g_isBinomial) {
            row.median = Shown(stored.median);
            row.range = ShownSpread(stored.range);
        }
        const Interval iv = IntervalOfSample(ciN, stored.mean, stored.sd);
        row.hasInterval = iv.hasEnds;
        if (!iv.hasEnds) continue;
        // A one-sided interval reaches without limit on its other side.
        if (!g_ciOneSided || g_ciLowEnd) row.low = ShownEnd(iv.low);
        if (!g_ciOneSided || !g_ciLowEnd) row.high = ShownEnd(iv.high);
        row.containsMu = iv.contains;
    }
    const QString what =
        samples == 1 ? QCoreApplication::translate("Shell", "1 sample")
                     : QCoreApplication::translate("Shell", "%1 samples").arg(Grouped(samples));
    return {SeriesTable(rows, g_isBinomial != 0),
            QCoreApplication::translate("Shell", "Copied %1 as text").arg(what)};
}

TextCopy SampleValuesCopy() {
    const int samples = SamplesInSeries();
    int s = SelectedSampleRow();
    if (s < 1 || s > samples) s = std::clamp(g_currentSampleNo, 1, std::max(samples, 1));
    const int n = std::clamp(g_seriesSampleSize, 0, kMaxSampleSize);
    std::vector<float> values;
    if (samples > 0) {
        values.reserve(static_cast<std::size_t>(n));
        const SampleRow& stored = StoredSample(s);
        for (int i = 1; i <= n; ++i)
            values.push_back(Shown(stored.values[i]));
    }
    return {SampleValuesTable(s, samples, values),
            QCoreApplication::translate("Shell", "Copied the %1 values of sample %2 as text")
                .arg(Grouped(static_cast<int>(values.size())), Grouped(s))};
}

TextCopy PopulationCopy() {
    std::vector<double> values, probabilities;
    const int columns = g_isBinomial ? 2 : g_isDiscrete ? kDiscreteColumns : kContinuousColumns;
    double total = 0.0;
    for (int c = 0; c < columns; ++c)
        total += std::max(ColumnWeight(c), 0);
    for (int c = 0; c < columns; ++c) {
        double value = c;
        if (g_isDiscrete) value = g_discreteValue[std::min(c, 10)];
        if (g_isContinuous) value = c / 5.0; // the columns stand 0.2 apart
        if (!ShownAsStored())
            value = (value - g_dispFromMean) * static_cast<double>(g_dispScale) + g_dispToMean;
        values.push_back(value);
        probabilities.push_back(total > 0.0 ? std::max(ColumnWeight(c), 0) / total : 0.0);
    }
    std::vector<NamedValue> parameters = {{"mu", Shown(g_popMean)},
                                          {"sigma", ShownSpread(g_popSD)}};
    // A proportion has no quartiles.
    if (!g_isBinomial)
        parameters.insert(
            parameters.end(),
            {{"M", Shown(g_popMedian)}, {"Q1", Shown(g_popQ1)}, {"Q3", Shown(g_popQ3)}});
    return {PopulationTable(values, probabilities, parameters),
            QCoreApplication::translate(
                "Shell", "Copied the population's %1 values and their probabilities as text")
                .arg(columns)};
}

void PutOnClipboard(const TextTable& table) {
    auto* data = new QMimeData;
    data->setText(QString::fromStdString(TableAsText(table)));
    data->setHtml(QString::fromStdString(TableAsHtml(table)));
    QGuiApplication::clipboard()->setMimeData(data); // the clipboard owns it
}
