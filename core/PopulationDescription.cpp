#include "core/PopulationDescription.h"

#include "core/NumberText.h"
#include "core/SimulationState.h"
#include "core/Translatable.h"

#include <initializer_list>

namespace {
// The template with %1, %2, ... replaced by the pieces, in any order the
// translation puts them.
std::string FillIn(std::string text, std::initializer_list<std::string> pieces) {
    int number = 1;
    for (const std::string& piece : pieces) {
        const std::string mark = "%" + std::to_string(number++);
        if (const auto at = text.find(mark); at != std::string::npos)
            text.replace(at, mark.size(), piece);
    }
    return text;
}
} // namespace

std::string PopulationDescription(const std::string& shapeName, const TextTranslator& translate) {
    auto words = [&translate](const char* english) {
        return translate ? translate(english) : std::string(english);
    };
    if (g_isBinomial) {
        if (!(g_popWeightTotal > 0.0f))
            return words(DV_TEXT("Core", "Binomial population, empty: no proportion is set"));
        return FillIn(
            words(DV_TEXT("Core", "Binomial population: proportion of successes p = %1, SD %2")),
            {FormatNumber("%.2f", g_popMean), FormatNumber("%.3f", g_popSD)});
    }
    std::string text = g_isDiscrete ? words(DV_TEXT("Core", "Discrete population"))
                                    : words(DV_TEXT("Core", "Continuous population"));
    if (!shapeName.empty())
        text = FillIn(words(DV_TEXT("Core", "%1, %2 shape")), {text, shapeName});
    if (!(g_popWeightTotal > 0.0f))
        return FillIn(words(DV_TEXT("Core", "%1, empty: raise its handles or choose a shape")),
                      {text});
    auto shown = [](float value) { return FormatNumber("%.2f", ShownValue(value)); };
    return FillIn(words(DV_TEXT("Core", "%1: mean %2, SD %3, median %4, quartiles %5 and %6")),
                  {text, shown(g_popMean),
                   FormatNumber("%.3f", static_cast<double>(g_popSD) * g_dispScale),
                   shown(g_popMedian), shown(g_popQ1), shown(g_popQ3)});
}
