#pragma once
// Small text helpers shared by the Dorvane window's model files.

#include <cmath>
#include <cstdio>
#include <string>

namespace sampdist {

// printf-style text of one number, or "" when the number is not finite, so a
// readout never shows "nan" or "inf".
inline std::string FormatNumber(const char* format, double value) {
    if (!std::isfinite(value)) return {};
    char buffer[400];
    std::snprintf(buffer, sizeof buffer, format, value);
    return buffer;
}

inline std::string FormatInt(int value) {
    char buffer[16];
    std::snprintf(buffer, sizeof buffer, "%i", value);
    return buffer;
}

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

} // namespace sampdist
