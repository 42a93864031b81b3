#include "core/PopulationDescription.h"

#include "core/NumberText.h"
#include "core/SimulationState.h"
#include "core/Translatable.h"

#include <vector>

std::string Translated(const TextTranslator& translate, const char* english) {
    return translate ? translate(english) : std::string(english);
}

std::string FillIn(const std::string& text, std::initializer_list<std::string> pieces) {
    const std::vector<std::string> piece(pieces);
    std::string out;
    for (size_t i = 0; i < text.size(); ++i) {
        const size_t number = i + 1 < text.size() ? size_t(text[i + 1] - '1') : piece.size();
        if (text[i] == '%' && number < piece.size()) {
            out += piece[number];
            ++i;
        } else {
            out += text[i];
        }
    }
    return out;
}

std::string PopulationDescription(const std::string& shapeName, const TextTranslator& translate) {
    auto words = [&translate](const char* english) { return Translated(translate, english); };
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
