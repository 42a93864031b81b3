// The Dorvane window's picture in words, for a screen reader.

#include "windows/sampdist/SampDistModel.h"

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

} // namespace

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
