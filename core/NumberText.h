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

// A count as the program writes it in sentences: "1,000", "10,000".
inline std::string FormatGroupedInt(int value) {
    const long long wide = value;
    std::string digits = std::to_string(wide < 0 ? -wide : wide);
    for (int at = static_cast<int>(digits.size()) - 3; at > 0; at -= 3)
        digits.insert(static_cast<std::size_t>(at), 1, ',');
    return value < 0 ? "-" + digits : digits;
}
