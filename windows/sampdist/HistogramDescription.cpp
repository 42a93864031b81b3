// The Dorvane window's picture in words, for a screen reader.

#include "windows/sampdist/HistogramDescription.h"

#include "core/NumberText.h"
#include "core/SimulationState.h"
#include "core/Translatable.h"

#include <algorithm>

namespace {

// What the sliders count, after the number and proportion of samples.
std::string CountedSide() {
    const std::string left = SliderLabelText(g_leftSliderZ, false);
    if (g_oneSlider) return (g_proportionAbove ? "lie above " : "lie at or below ") + left;
    const std::string right = SliderLabelText(g_rightSliderZ, false);
    if (g_proportionAbove) return "lie at or below " + left + " or above " + right;
    return "lie above " + left + " and at or below " + right;
}

// The readouts' name for what the sliders count, as the panel heads them.
const char* CountedSideWord() {
    if (g_oneSlider) return g_proportionAbove ? "Above" : "Below";
    return g_proportionAbove ? "Outside" : "Between";
}

// "sample medians": the statistic, as the description names count of them.
std::string StatisticNouns(int count) {
    const std::string s = count == 1 ? "" : "s";
    if (g_isBinomial) return "sample proportion" + s;
    switch (g_statistic) {
    case Statistic::Mean:
        break;
    case Statistic::Median:
        return "sample median" + s;
    case Statistic::StandardDeviation:
        return "sample SD" + s;
    case Statistic::Variance:
        return "sample variance" + s + " (n - 1)";
    case Statistic::VarianceN:
        return "sample variance" + s + " (n)";
    case Statistic::Range:
        return "sample range" + s;
    }
    return "sample mean" + s;
}

std::string Samples(int count) {
    return FormatGroupedInt(count) + (count == 1 ? " sample" : " samples");
}

} // namespace

std::string OffPlotTip(const OffPlot& side, bool leftEnd) {
    if (side.samples < 1) return {};
    std::string text = Samples(side.samples) + (side.samples == 1 ? " lies " : " lie ") +
                       (leftEnd ? "left" : "right") + " of the part of the axis in view; ";
    const std::string counted = std::string("counted in Number ") + CountedSideWord();
    if (side.counted < 1) return text + "none of them is " + counted;
    if (side.counted >= side.samples)
        return text + (side.samples == 1 ? "it is " : "all of them are ") + counted + " (red)";
    return text + FormatGroupedInt(side.counted) + " of them " +
           (side.counted == 1 ? "is " : "are ") + counted + " (red)";
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
    std::string text = translate ? translate(words) : std::string(words);
    for (const auto& [mark, count] : {std::pair{"%1", without}, {"%2", split.total}})
        if (const size_t at = text.find(mark); at != std::string::npos)
            text.replace(at, 2, FormatGroupedInt(count));
    return text;
}

std::string HistogramDescription(const std::string& countedNumber,
                                 const std::string& countedProportion) {
    const int drawn = std::clamp(g_samplesDrawn, 0, kMaxSamples);
    const bool relabelled = g_showZValues || (g_showTValues && !g_isBinomial);
    std::string text = "Histogram of ";
    if (relabelled) text += g_showZValues ? "the z values of " : "the t values of ";
    if (drawn < 1) return text + StatisticNouns(2) + ": no samples drawn yet";
    text += FormatGroupedInt(drawn) + " " + StatisticNouns(drawn);
    // The figures of the readouts beside the picture, in their formats; they
    // are the means' (or proportions') also where the axis reads z or t.
    std::string figures = "mean " + FormatNumber("%.2f", ShownValue(g_meanOfMeans));
    if (drawn > 1)
        figures += ", SD " + FormatNumber("%.3f", static_cast<double>(g_dispScale) * g_sdOfMeans);
    if (ShownStatisticKind() != Statistic::Mean) {
        const StatisticSummary summary = SummaryOfStatistic();
        figures = "mean " + summary.mean;
        if (!summary.sd.empty()) figures += ", SD " + summary.sd;
    }
    if (relabelled)
        text +=
            std::string(g_isBinomial ? "; the proportions have " : "; the means have ") + figures;
    else
        text += ": " + figures;
    if (!countedNumber.empty() && !countedProportion.empty())
        text += "; " + countedNumber + " of them (" + countedProportion + ") " + CountedSide();
    return text;
}
