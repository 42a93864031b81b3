// The Dorvane window's picture in words, for a screen reader.

#include "windows/sampdist/HistogramDescription.h"

#include "core/NumberText.h"
#include "core/SimulationState.h"
#include "core/Translatable.h"

#include <algorithm>

namespace {

// What the readouts count, the sliders' labels put in: "lie above x = 5.50"
// after "51 of them (0.0510) ".
const char* CountedSideWords() {
    if (g_oneSlider)
        return g_proportionAbove ? DV_TEXT("Dorvane", "; %1 of them (%2) lie above %3")
                                 : DV_TEXT("Dorvane", "; %1 of them (%2) lie at or below %3");
    return g_proportionAbove
               ? DV_TEXT("Dorvane", "; %1 of them (%2) lie at or below %3 or above %4")
               : DV_TEXT("Dorvane", "; %1 of them (%2) lie above %3 and at or below %4");
}

// The readout that counts them, as the panel heads it.
const char* CountedReadout() {
    if (g_oneSlider)
        return g_proportionAbove ? DV_TEXT("Dorvane", "Number Above")
                                 : DV_TEXT("Dorvane", "Number Below");
    return g_proportionAbove ? DV_TEXT("Dorvane", "Number Outside")
                             : DV_TEXT("Dorvane", "Number Between");
}

// "sample medians": the statistic, as the description names count of them
// (after "of", where a language inflects it).
const char* StatisticNouns(int count) {
    const bool one = count == 1;
    if (g_isBinomial)
        return one ? DV_TEXT("Dorvane", "sample proportion")
                   : DV_TEXT("Dorvane", "sample proportions");
    switch (g_statistic) {
    case Statistic::Mean:
        break;
    case Statistic::Median:
        return one ? DV_TEXT("Dorvane", "sample median") : DV_TEXT("Dorvane", "sample medians");
    case Statistic::StandardDeviation:
        return one ? DV_TEXT("Dorvane", "sample SD") : DV_TEXT("Dorvane", "sample SDs");
    case Statistic::Variance:
        return one ? DV_TEXT("Dorvane", "sample variance (n - 1)")
                   : DV_TEXT("Dorvane", "sample variances (n - 1)");
    case Statistic::VarianceN:
        return one ? DV_TEXT("Dorvane", "sample variance (n)")
                   : DV_TEXT("Dorvane", "sample variances (n)");
    case Statistic::Range:
        return one ? DV_TEXT("Dorvane", "sample range") : DV_TEXT("Dorvane", "sample ranges");
    }
    return one ? DV_TEXT("Dorvane", "sample mean") : DV_TEXT("Dorvane", "sample means");
}

} // namespace

std::string OffPlotTip(const OffPlot& side, bool leftEnd, const TextTranslator& translate) {
    if (side.samples < 1) return {};
    const bool one = side.samples == 1;
    const char* where =
        leftEnd
            ? (one ? DV_TEXT("Dorvane", "%1 sample lies left of the part of the axis in view")
                   : DV_TEXT("Dorvane", "%1 samples lie left of the part of the axis in view"))
            : (one ? DV_TEXT("Dorvane", "%1 sample lies right of the part of the axis in view")
                   : DV_TEXT("Dorvane", "%1 samples lie right of the part of the axis in view"));
    const char* counted = DV_TEXT("Dorvane", "none of them is counted in %2");
    if (side.counted >= side.samples)
        counted = one ? DV_TEXT("Dorvane", "it is counted in %2 (red)")
                      : DV_TEXT("Dorvane", "all of them are counted in %2 (red)");
    else if (side.counted > 0)
        counted = side.counted == 1 ? DV_TEXT("Dorvane", "%1 of them is counted in %2 (red)")
                                    : DV_TEXT("Dorvane", "%1 of them are counted in %2 (red)");
    return FillIn(Translated(translate, where), {FormatGroupedInt(side.samples)}) + "; " +
           FillIn(Translated(translate, counted),
                  {FormatGroupedInt(side.counted), Translated(translate, CountedReadout())});
}

std::string SamplesWithoutStatisticNote(const SliderSplit& split, const TextTranslator& translate) {
    const int drawn = std::clamp(g_samplesDrawn, 0, kMaxSamples);
    const int without = drawn - split.total;
    if (without < 1) return {};
    const bool one = without == 1;
    const char* words = one ? DV_TEXT("Dorvane", "%1 sample with s = 0 has no t value;\n"
                                                 "counts and proportions are of the other %2")
                            : DV_TEXT("Dorvane", "%1 samples with s = 0 have no t value;\n"
                                                 "counts and proportions are of the other %2");
    // A single value has no SD, and so no variance (n - 1).
    const Statistic statistic = ShownStatisticKind();
    if (statistic == Statistic::StandardDeviation)
        words = one ? DV_TEXT("Dorvane", "%1 sample of one value has no SD (s);\n"
                                         "counts and proportions are of the other %2")
                    : DV_TEXT("Dorvane", "%1 samples of one value have no SD (s);\n"
                                         "counts and proportions are of the other %2");
    else if (statistic != Statistic::Mean)
        words = one ? DV_TEXT("Dorvane", "%1 sample of one value has no s\u00b2;\n"
                                         "counts and proportions are of the other %2")
                    : DV_TEXT("Dorvane", "%1 samples of one value have no s\u00b2;\n"
                                         "counts and proportions are of the other %2");
    return FillIn(Translated(translate, words),
                  {FormatGroupedInt(without), FormatGroupedInt(split.total)});
}

std::string HistogramDescription(const std::string& countedNumber,
                                 const std::string& countedProportion,
                                 const TextTranslator& translate) {
    auto words = [&translate](const char* english) { return Translated(translate, english); };
    const int drawn = std::clamp(g_samplesDrawn, 0, kMaxSamples);
    const bool relabelled = g_showZValues || (g_showTValues && !g_isBinomial);
    if (drawn < 1) {
        const char* empty = DV_TEXT("Dorvane", "Histogram of %1: no samples drawn yet");
        if (relabelled)
            empty =
                g_showZValues
                    ? DV_TEXT("Dorvane", "Histogram of the z values of %1: no samples drawn yet")
                    : DV_TEXT("Dorvane", "Histogram of the t values of %1: no samples drawn yet");
        return FillIn(words(empty), {words(StatisticNouns(2))});
    }
    const std::string counted = FormatGroupedInt(drawn) + " " + words(StatisticNouns(drawn));
    // The figures of the readouts beside the picture, in their formats; they
    // are the means' (or proportions') also where the axis reads z or t.
    std::string mean = FormatNumber("%.2f", ShownValue(g_meanOfMeans));
    std::string sd = drawn > 1
                         ? FormatNumber("%.3f", static_cast<double>(g_dispScale) * g_sdOfMeans)
                         : std::string();
    if (ShownStatisticKind() != Statistic::Mean) {
        const StatisticSummary summary = SummaryOfStatistic();
        mean = summary.mean;
        sd = summary.sd;
    }
    const std::string figures =
        sd.empty() ? FillIn(words(DV_TEXT("Dorvane", "mean %1")), {mean})
                   : FillIn(words(DV_TEXT("Dorvane", "mean %1, SD %2")), {mean, sd});
    const char* frame = DV_TEXT("Dorvane", "Histogram of %1: %2");
    if (relabelled && g_isBinomial)
        frame = DV_TEXT("Dorvane", "Histogram of the z values of %1; the proportions have %2");
    else if (relabelled)
        frame = g_showZValues
                    ? DV_TEXT("Dorvane", "Histogram of the z values of %1; the means have %2")
                    : DV_TEXT("Dorvane", "Histogram of the t values of %1; the means have %2");
    std::string text = FillIn(words(frame), {counted, figures});
    if (!countedNumber.empty() && !countedProportion.empty())
        text += FillIn(words(CountedSideWords()),
                       {countedNumber, countedProportion, SliderLabelText(g_leftSliderZ, false),
                        SliderLabelText(g_rightSliderZ, false)});
    return text;
}
