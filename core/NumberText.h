#pragma once
// Number texts for readouts and fields, shared by the core and the windows.

#include <cmath>
#include <cstdio>
#include <functional>
#include <string>

// printf-style text of one number, or "" when the number is not finite, so a
// readout never shows "nan" or "inf". The buffer holds any double in full.
inline std::string FormatNumber(const char* format, double value) {
    if (!std::isfinite(value)) return {};
    char buffer[400];
    std::snprintf(buffer, sizeof buffer, format, value);
    return buffer;
}

// value with the given number of decimals, "" when it is not finite. A value
// that rounds to zero reads "0.00", never "-0.00".
inline std::string FormatDecimals(double value, int decimals) {
    if (!std::isfinite(value)) return {};
    char buffer[400];
    std::snprintf(buffer, sizeof buffer, "%.*f", decimals < 0 ? 0 : decimals, value);
    std::string text = buffer;
    if (text.front() == '-' && text.find_first_not_of("-0.") == std::string::npos) text.erase(0, 1);
    return text;
}

// value with at most maxDecimals decimals, one fewer at a time until fits()
// accepts the text: a large number gives up decimals, never a leading digit.
// Should no text fit, the whole number without decimals is returned, whole.
inline std::string FormatFitted(double value, int maxDecimals,
                                const std::function<bool(const std::string&)>& fits) {
    std::string text;
    for (int decimals = maxDecimals; decimals >= 0; --decimals) {
        text = FormatDecimals(value, decimals);
        if (fits(text)) break;
    }
    return text;
}

// The same, fitted to a number of characters: 3.19, 1536.82, 50007.8, 250012.
inline std::string FormatFitted(double value, int maxDecimals, int maxChars) {
    return FormatFitted(value, maxDecimals, [maxChars](const std::string& text) {
        return static_cast<int>(text.size()) <= maxChars;
    });
}

// Room of a shown value (a mean, an end, a limit): seven characters hold
// -154.39 and 1536.82 with their decimals, 50007.8 with one and 250012 with none.
inline constexpr int kShownValueChars = 7;

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
