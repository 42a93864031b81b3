#pragma once
// Small text helpers shared by the Dorvane window's model files.

#include <climits>
#include <cmath>
#include <cstdio>
#include <string>

namespace sampdist {

// A field's whole number the way the window reads it: leading blanks, an
// optional sign, then digits up to the first other character; no digits give
// 0. Beyond the int range the number is held at its end.
inline int FieldNumber(const std::string& text) {
    std::size_t i = 0;
    while (i < text.size() && (text[i] == ' ' || (text[i] >= '\t' && text[i] <= '\r')))
        ++i;
    bool negative = false;
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) negative = text[i++] == '-';
    long long value = 0;
    for (; i < text.size() && text[i] >= '0' && text[i] <= '9'; ++i) {
        value = value * 10 + (text[i] - '0');
        if (value > INT_MAX) {
            value = static_cast<long long>(INT_MAX) + 1;
        }
    }
    if (negative) value = -value;
    if (value > INT_MAX) return INT_MAX;
    if (value < INT_MIN) return INT_MIN;
    return static_cast<int>(value);
}

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
