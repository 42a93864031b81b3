#include "core/PopulationDescription.h"

#include "core/NumberText.h"
#include "core/SimulationState.h"

std::string PopulationDescription(const std::string& shapeName) {
    if (g_isBinomial) {
        if (!(g_popWeightTotal > 0.0f)) return "Binomial population, empty: no proportion is set";
        return "Binomial population: proportion of successes p = " +
               FormatNumber("%.2f", g_popMean) + ", SD " + FormatNumber("%.3f", g_popSD);
    }
    std::string text = g_isDiscrete ? "Discrete population" : "Continuous population";
    if (!shapeName.empty()) text += ", " + shapeName + " shape";
    if (!(g_popWeightTotal > 0.0f)) return text + ", empty: raise its handles or choose a shape";
    auto shown = [](float value) { return FormatNumber("%.2f", ShownValue(value)); };
    return text + ": mean " + shown(g_popMean) + ", SD " +
           FormatNumber("%.3f", static_cast<double>(g_popSD) * g_dispScale) + ", median " +
           shown(g_popMedian) + ", quartiles " + shown(g_popQ1) + " and " + shown(g_popQ3);
}
