#pragma once
// The population picture in words, for a screen reader: the kind, the shape
// it came from, and the parameters as the picture labels them.

#include <functional>
#include <initializer_list>
#include <string>

// Gives a text marked DV_TEXT("Core", ...) in the user's language; none leaves
// it in English.
using TextTranslator = std::function<std::string(const char*)>;

// english through translate, or as it is when there is no translator.
std::string Translated(const TextTranslator& translate, const char* english);
// The template with %1, %2, ... replaced by the pieces, in whatever order the
// translation puts them; a piece is never read for marks of its own.
std::string FillIn(const std::string& text, std::initializer_list<std::string> pieces);

// shapeName: the preset the shape came from ("normal"), "" when it was drawn
// or came from an example picture. An empty population says so.
std::string PopulationDescription(const std::string& shapeName,
                                  const TextTranslator& translate = {});
