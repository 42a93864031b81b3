#include "windows/sampdist/StatisticTexts.h"

#include "core/NumberText.h"
#include "core/SimulationState.h"
#include "core/Statistic.h"
#include "ui/LocalNumbers.h"
#include "windows/sampdist/HistogramModel.h"
#include "windows/sampdist/SampDistModel.h"

#include <QCoreApplication>

namespace {
QString Tr(const char* text) {
    return QCoreApplication::translate("Dorvane", text);
}
} // namespace

QString StatisticPlotTitle() {
    if (g_isBinomial) return Tr(QT_TRANSLATE_NOOP("Dorvane", "Distribution of Sample Proportions"));
    switch (g_statistic) {
    case Statistic::Mean:
        break;
    case Statistic::Median:
        return Tr(QT_TRANSLATE_NOOP("Dorvane", "Distribution of Sample Medians"));
    case Statistic::StandardDeviation:
        return Tr(QT_TRANSLATE_NOOP("Dorvane", "Distribution of Sample SDs"));
    case Statistic::Variance:
        return Tr(QT_TRANSLATE_NOOP("Dorvane", "Distribution of Sample Variances (s\u00b2)"));
    case Statistic::VarianceN:
        return Tr(QT_TRANSLATE_NOOP("Dorvane", "Distribution of Sample Variances (n)"));
    case Statistic::Range:
        return Tr(QT_TRANSLATE_NOOP("Dorvane", "Distribution of Sample Ranges"));
    }
    return Tr(QT_TRANSLATE_NOOP("Dorvane", "Distribution of Sample Means"));
}

QString StatisticAxisTitle() {
    switch (ShownStatisticKind()) {
    case Statistic::Mean:
        break;
    case Statistic::Median:
        return Tr(QT_TRANSLATE_NOOP("Dorvane", "Values of Sample Medians (M)"));
    case Statistic::StandardDeviation:
        return Tr(QT_TRANSLATE_NOOP("Dorvane", "Values of Sample SDs (s)"));
    case Statistic::Variance:
        return Tr(QT_TRANSLATE_NOOP("Dorvane", "Values of Sample Variances (s\u00b2)"));
    case Statistic::VarianceN:
        return Tr(QT_TRANSLATE_NOOP("Dorvane", "Values of Sample Variances (n)"));
    case Statistic::Range:
        return Tr(QT_TRANSLATE_NOOP("Dorvane", "Values of Sample Ranges (R)"));
    }
    return {};
}

QString StatisticRowLabel() {
    if (g_isBinomial) return Tr(QT_TRANSLATE_NOOP("Dorvane", "Sample\nProportions"));
    switch (g_statistic) {
    case Statistic::Mean:
        break;
    case Statistic::Median:
        return Tr(QT_TRANSLATE_NOOP("Dorvane", "Sample\nMedians"));
    case Statistic::StandardDeviation:
        return Tr(QT_TRANSLATE_NOOP("Dorvane", "Sample\nSDs"));
    case Statistic::Variance:
        return Tr(QT_TRANSLATE_NOOP("Dorvane", "Sample\nVariances"));
    case Statistic::VarianceN:
        return Tr(QT_TRANSLATE_NOOP("Dorvane", "Variances\n(n)"));
    case Statistic::Range:
        return Tr(QT_TRANSLATE_NOOP("Dorvane", "Sample\nRanges"));
    }
    return Tr(QT_TRANSLATE_NOOP("Dorvane", "Sample\nMeans"));
}

namespace {
bool CurveIsNormal() {
    return ShowsMeansNormalCurve() || ShownStatisticKind() == Statistic::Median;
}
} // namespace

const char* CurveOptionWord() {
    return CurveIsNormal() ? QT_TRANSLATE_NOOP("Dorvane", "Normal")
                           : QT_TRANSLATE_NOOP("Dorvane", "Theory");
}

QString CurveOptionName() {
    return CurveIsNormal() ? Tr(QT_TRANSLATE_NOOP("Dorvane", "Normal curve outline"))
                           : Tr(QT_TRANSLATE_NOOP("Dorvane", "Theory curve outline"));
}

const char* StatisticReadoutWords(bool spread) {
    // Whole phrases, so that each language can inflect the statistic's name.
    static const char* const kNames[][2] = {
        {QT_TRANSLATE_NOOP("Dorvane", "Mean of the sample means"),
         QT_TRANSLATE_NOOP("Dorvane", "Standard deviation of the sample means")},
        {QT_TRANSLATE_NOOP("Dorvane", "Mean of the sample medians"),
         QT_TRANSLATE_NOOP("Dorvane", "Standard deviation of the sample medians")},
        {QT_TRANSLATE_NOOP("Dorvane", "Mean of the sample SDs"),
         QT_TRANSLATE_NOOP("Dorvane", "Standard deviation of the sample SDs")},
        {QT_TRANSLATE_NOOP("Dorvane", "Mean of the sample variances"),
         QT_TRANSLATE_NOOP("Dorvane", "Standard deviation of the sample variances")},
        {QT_TRANSLATE_NOOP("Dorvane", "Mean of the sample variances (n)"),
         QT_TRANSLATE_NOOP("Dorvane", "Standard deviation of the sample variances (n)")},
        {QT_TRANSLATE_NOOP("Dorvane", "Mean of the sample ranges"),
         QT_TRANSLATE_NOOP("Dorvane", "Standard deviation of the sample ranges")},
        // The proportion, last.
        {QT_TRANSLATE_NOOP("Dorvane", "Mean of the sample proportions"),
         QT_TRANSLATE_NOOP("Dorvane", "Standard deviation of the sample proportions")}};
    // Rows in the order of the statistics, then the proportion.
    const int row = g_isBinomial ? 6 : static_cast<int>(g_statistic);
    return kNames[row][spread ? 1 : 0];
}

QString ParameterMarkLabel() {
    const Statistic s = ShownStatisticKind();
    const std::optional<double> value = PopulationValueOf(s);
    if (!value || s == Statistic::Mean || s == Statistic::Median) return {};
    const std::string number = FormatFitted(ShownStatistic(s, *value), 2, kShownValueChars);
    if (number.empty()) return {};
    QString symbol;
    switch (s) {
    case Statistic::StandardDeviation:
        symbol = QStringLiteral("\u03c3");
        break;
    case Statistic::Variance:
    case Statistic::VarianceN:
        symbol = QStringLiteral("\u03c3\u00b2");
        break;
    default:
        // The range of the whole population: from its lowest value to its highest.
        symbol = Tr(QT_TRANSLATE_NOOP("Dorvane", "span"));
        break;
    }
    return symbol + QStringLiteral(" = ") + LocalNumbers(number);
}
