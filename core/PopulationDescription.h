#pragma once
// The population picture in words, for a screen reader: the kind, the shape
// it came from, and the parameters as the picture labels them.

#include <functional>
#include <string>

// Gives a text marked DV_TEXT("Core", ...) in the user's language; none leaves
// it in English.
using TextTranslator = std::function<std::string(const char*)>;

// shapeName: the preset the shape came from ("normal"), "" when it was drawn
// or came from an example picture. An empty population says so.
std::string PopulationDescription(const std::string& shapeName,
                                  const TextTranslator& translate = {});
