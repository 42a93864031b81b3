// The Dorvane window's picture in words, for a screen reader.

#include "windows/sampdist/HistogramDescription.h"

#include "core/NumberText.h"
#include "core/SimulationState.h"

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

std::string SamplesWithoutStatisticNote(const SliderSplit& split) {
    const int drawn = std::clamp(g_samplesDrawn, 0, kMaxSamples);
    const int without = drawn - split.total;
    if (without < 1) return {};
    return Samples(without) + " with s = 0 " + (without == 1 ? "has" : "have") +
           " no t value;\ncounts and proportions are of the other " + FormatGroupedInt(split.total);
}

std::string HistogramDescription(const std::string& countedNumber,
                                 const std::string& countedProportion) {
    const int drawn = std::clamp(g_samplesDrawn, 0, kMaxSamples);
    const char* statistic = g_isBinomial ? "sample proportion" : "sample mean";
    const bool relabelled = g_showZValues || (g_showTValues && !g_isBinomial);
    std::string text = "Histogram of ";
    if (relabelled) text += g_showZValues ? "the z values of " : "the t values of ";
    if (drawn < 1) return text + statistic + "s: no samples drawn yet";
    text += FormatGroupedInt(drawn) + " " + statistic + (drawn == 1 ? "" : "s");
    // The figures of the readouts beside the picture, in their formats; they
    // are the means' (or proportions') also where the axis reads z or t.
    std::string figures = "mean " + FormatNumber("%.2f", ShownValue(g_meanOfMeans));
    if (drawn > 1)
        figures += ", SD " + FormatNumber("%.3f", static_cast<double>(g_dispScale) * g_sdOfMeans);
    if (relabelled)
        text +=
            std::string(g_isBinomial ? "; the proportions have " : "; the means have ") + figures;
    else
        text += ": " + figures;
    if (!countedNumber.empty() && !countedProportion.empty())
        text += "; " + countedNumber + " of them (" + countedProportion + ") " + CountedSide();
    return text;
}
