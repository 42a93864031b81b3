#include "windows/confint/ConfIntervalDescription.h"

#include "core/NumberText.h"
#include "core/SimulationState.h"
#include "core/Translatable.h"
#include "windows/confint/IntervalGeometry.h"
#include "windows/confint/IntervalSeries.h"
#include "windows/confint/StripGeometry.h"

#include <algorithm>

namespace {

// The true value the intervals are judged by, through words.
std::string TrueValueWords(const std::function<std::string(const char*)>& words) {
    // The true value is kept ten times a proportion, as on the axis.
    if (g_isBinomial)
        return FillIn(words(DV_TEXT("ConfidenceIntervals", "the population proportion %1")),
                      {FormatNumber("%.2f", TrueValue() / 10.0)});
    return FillIn(words(DV_TEXT("ConfidenceIntervals", "the population mean %1")),
                  {FormatNumber("%.2f", ShownValue(TrueValue()))});
}

std::string SelectedWords(int n, const std::function<std::string(const char*)>& words) {
    if (!SelectedRowValid()) return {};
    const SelectedStrip strip = ComputeSelectedStrip(n);
    const std::string sample = FormatGroupedInt(SampleOfRow(g_selectedSampleNo).value);
    if (!strip.interval.hasEnds)
        return FillIn(
            words(DV_TEXT("ConfidenceIntervals", "Selected sample %1: centre %2, no interval.")),
            {sample, strip.centreText});
    // The ends as the strip writes them, each followed by ", ".
    std::string ends;
    if (strip.showLow) {
        ends +=
            FillIn(words(DV_TEXT("ConfidenceIntervals", "low = %1")), {ShownEndText(g_ciSelLow)});
        ends += ", ";
    }
    if (strip.showHigh) {
        ends +=
            FillIn(words(DV_TEXT("ConfidenceIntervals", "high = %1")), {ShownEndText(g_ciSelHigh)});
        ends += ", ";
    }
    const char* verdict =
        strip.interval.contains
            ? DV_TEXT("ConfidenceIntervals", "Selected sample %1: %2centre %3; it contains %4.")
            : DV_TEXT("ConfidenceIntervals", "Selected sample %1: %2centre %3; it misses %4.");
    return FillIn(words(verdict), {sample, ends, strip.centreText, TrueValueWords(words)});
}

} // namespace

std::string IntervalGraphDescription(int n, const TextTranslator& translate) {
    auto words = [&translate](const char* english) { return Translated(translate, english); };
    const int drawn = std::clamp(g_samplesDrawn, 0, kMaxSamples);
    const char* kind = DV_TEXT("ConfidenceIntervals", "%1% confidence intervals");
    if (g_ciOneSided)
        kind =
            g_ciLowEnd
                ? DV_TEXT("ConfidenceIntervals", "%1% one-sided (low end) confidence intervals")
                : DV_TEXT("ConfidenceIntervals", "%1% one-sided (high end) confidence intervals");
    const std::string kinds = FillIn(words(kind), {FormatInt(g_ciConfLevel)});
    if (drawn < 1)
        return FillIn(words(DV_TEXT("ConfidenceIntervals", "Graph of %1: no samples drawn yet")),
                      {kinds});
    const int first = std::clamp(g_ciFirstSample, 1, drawn);
    const int last = std::max(first, LastRowOnPage());
    const char* shown =
        g_sortByMeans
            ? DV_TEXT("ConfidenceIntervals",
                      "Graph of %1 of %2 samples, %3 to %4 shown in the order of their means")
            : DV_TEXT("ConfidenceIntervals", "Graph of %1 of %2 samples, %3 to %4 shown");
    if (drawn == 1)
        shown =
            g_sortByMeans
                ? DV_TEXT("ConfidenceIntervals",
                          "Graph of %1 of %2 sample, %3 to %4 shown in the order of their means")
                : DV_TEXT("ConfidenceIntervals", "Graph of %1 of %2 sample, %3 to %4 shown");
    std::string text = FillIn(words(shown), {kinds, FormatGroupedInt(drawn),
                                             FormatGroupedInt(first), FormatGroupedInt(last)});
    text += FillIn(
        words(DV_TEXT("ConfidenceIntervals", ": %1 contain %2 and %3 miss it.")),
        {FormatGroupedInt(g_ciInCount), TrueValueWords(words), FormatGroupedInt(g_ciOutCount)});
    // The selected sample, if any, in a sentence of its own.
    if (const std::string selected = SelectedWords(n, words); !selected.empty()) {
        text += ' ';
        text += selected;
    }
    return text;
}

std::string PossibleMuDescription(int n, const TextTranslator& translate) {
    const PossibleMuFigure figure = ComputePossibleMu(n);
    const char* text = nullptr;
    // No selected interval, no verdict.
    if (!figure.verdict)
        text = g_isBinomial ? DV_TEXT("ConfidenceIntervals",
                                      "Sampling distribution of the proportion for a possible %1: "
                                      "select a sample to test it against its interval")
                            : DV_TEXT("ConfidenceIntervals",
                                      "Sampling distribution of the mean for a possible %1: "
                                      "select a sample to test it against its interval");
    else if (g_ciPlausible)
        text = g_isBinomial ? DV_TEXT("ConfidenceIntervals",
                                      "Sampling distribution of the proportion for a possible %1: "
                                      "plausible")
                            : DV_TEXT("ConfidenceIntervals",
                                      "Sampling distribution of the mean for a possible %1: "
                                      "plausible");
    else
        text = g_isBinomial ? DV_TEXT("ConfidenceIntervals",
                                      "Sampling distribution of the proportion for a possible %1: "
                                      "not plausible")
                            : DV_TEXT("ConfidenceIntervals",
                                      "Sampling distribution of the mean for a possible %1: "
                                      "not plausible");
    return FillIn(Translated(translate, text), {figure.muText});
}
