#pragma once
// Number texts for readouts and fields, shared by the core and the windows.

#include <cmath>
#include <cstdio>
#include <string>

// printf-style text of one number, or "" when the number is not finite, so a
// readout never shows "nan" or "inf". The buffer holds any double in full.
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
