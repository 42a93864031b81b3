#include "windows/sampdist/StatisticTexts.h"

#include "core/NumberText.h"
#include "core/SimulationState.h"
#include "core/Statistic.h"
#include "ui/LocalNumbers.h"
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
