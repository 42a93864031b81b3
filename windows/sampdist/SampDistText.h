#pragma once
// Small helpers shared by the Dorvane window's model files.

#include <cmath>
#include <string>

namespace sampdist {

// Truncation toward zero that stays inside the pixel range for any input.
inline int TruncPixel(double value) {
    if (std::isnan(value)) return 0;
    if (value > 1e9) return 1000000000;
    if (value < -1e9) return -1000000000;
    return static_cast<int>(value);
}

// -0 printed with "%.2f" reads "-0.00"; positions at the mean are plain 0.
inline float PlainZero(float value) {
    return value == 0.0f ? 0.0f : value;
}

// A number that rounds to zero reads "0.00", never "-0.00": a value a hair
// below zero is zero to the digits shown.
inline std::string WithoutNegativeZero(std::string text) {
    if (text.size() > 1 && text[0] == '-' && text.find_first_not_of("0.", 1) == std::string::npos)
        text.erase(0, 1);
    return text;
}

} // namespace sampdist
