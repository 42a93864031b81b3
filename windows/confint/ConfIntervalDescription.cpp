#include "windows/confint/ConfIntervalDescription.h"

#include "core/NumberText.h"
#include "core/SimulationState.h"
#include "windows/confint/IntervalGeometry.h"
#include "windows/confint/IntervalSeries.h"
#include "windows/confint/StripGeometry.h"

#include <algorithm>

namespace {

std::string TrueValueWords() {
    // The true value is kept ten times a proportion, as on the axis.
    if (g_isBinomial)
        return "the population proportion " + FormatNumber("%.2f", TrueValue() / 10.0);
    return "the population mean " + FormatNumber("%.2f", ShownValue(TrueValue()));
}

std::string SelectedWords(int n) {
    if (!SelectedRowValid()) return {};
    const SelectedStrip strip = ComputeSelectedStrip(n);
    std::string text =
        " Selected sample " + FormatGroupedInt(SampleOfRow(g_selectedSampleNo).value) + ": ";
    if (!strip.interval.hasEnds) return text + "centre " + strip.centreText + ", no interval.";
    if (strip.showLow) text += strip.lowText + ", ";
    if (strip.showHigh) text += strip.highText + ", ";
    text += "centre " + strip.centreText + "; it ";
    text += strip.interval.contains ? "contains " : "misses ";
    return text + TrueValueWords() + ".";
}

} // namespace

std::string IntervalGraphDescription(int n) {
    const int drawn = std::clamp(g_samplesDrawn, 0, kMaxSamples);
    std::string kind = FormatInt(g_ciConfLevel) + "% ";
    if (g_ciOneSided) kind += g_ciLowEnd ? "one-sided (low end) " : "one-sided (high end) ";
    kind += "confidence intervals";
    if (drawn < 1) return "Graph of " + kind + ": no samples drawn yet";
    const int first = std::clamp(g_ciFirstSample, 1, drawn);
    const int last = std::max(first, LastRowOnPage());
    std::string text = "Graph of " + kind + " of " + FormatGroupedInt(drawn) + " samples, " +
                       FormatGroupedInt(first) + " to " + FormatGroupedInt(last) + " shown";
    if (g_sortByMeans) text += " in the order of their means";
    text += ": " + FormatGroupedInt(g_ciInCount) + " contain " + TrueValueWords() + " and " +
            FormatGroupedInt(g_ciOutCount) + " miss it.";
    return text + SelectedWords(n);
}

std::string PossibleMuDescription(int n) {
    const PossibleMuFigure figure = ComputePossibleMu(n);
    std::string text = std::string("Sampling distribution of the ") +
                       (g_isBinomial ? "proportion" : "mean") + " for a possible " + figure.muText +
                       ": ";
    // No selected interval, no verdict.
    if (!figure.verdict) return text + "select a sample to test it against its interval";
    return text + (g_ciPlausible ? "plausible" : "not plausible");
}
