#pragma once
// The population picture in words, for a screen reader: the kind, the shape
// it came from, and the parameters as the picture labels them.

#include <string>

// shapeName: the preset the shape came from ("normal"), "" when it was drawn
// or came from an example picture. An empty population says so.
std::string PopulationDescription(const std::string& shapeName);
