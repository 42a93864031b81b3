#include "core/TypedNumber.h"

#include <charconv>
#include <cmath>

namespace {
bool IsBlank(char c) {
    return c == ' ' || c == '\t';
}
} // namespace

std::string WithDecimalPoint(std::string text) {
    const auto comma = text.find(',');
    if (comma != std::string::npos && text.find(',', comma + 1) == std::string::npos &&
        text.find('.') == std::string::npos)
        text[comma] = '.';
    return text;
}

std::optional<double> ReadTypedNumber(const std::string& typed) {
    const std::string text = WithDecimalPoint(typed);
    const char* first = text.data();
    const char* last = text.data() + text.size();
    while (first != last && IsBlank(*first))
        ++first;
    while (last != first && IsBlank(last[-1]))
        --last;
    if (first == last) return std::nullopt;
    // from_chars takes a minus but no plus; "+-5" stays refused.
    if (*first == '+' && last - first > 1 && first[1] != '-') ++first;

    double value = 0.0;
    const auto [end, error] = std::from_chars(first, last, value);
    if (end != last) return std::nullopt;
    if (error == std::errc::result_out_of_range) {
        // Either far beyond any axis or so small that it is 0 (1e-400).
        long double wide = 0;
        const auto [wideEnd, wideError] = std::from_chars(first, last, wide);
        if (wideError == std::errc() && wideEnd == last && std::fabs(wide) < 1.0L) return 0.0;
        return std::nullopt;
    }
    if (error != std::errc() || !std::isfinite(value)) return std::nullopt;
    return value;
}

std::optional<long long> ReadWholeNumberAlone(const std::string& text) {
    std::size_t first = text.find_first_not_of(" \t");
    if (first == std::string::npos) return std::nullopt;
    const std::size_t last = text.find_last_not_of(" \t");
    std::size_t i = first;
    const bool negative = text[i] == '-';
    if (text[i] == '+' || text[i] == '-') ++i;
    if (i > last) return std::nullopt;
    long long value = 0;
    for (; i <= last; ++i) {
        if (text[i] < '0' || text[i] > '9') return std::nullopt;
        value = value * 10 + (text[i] - '0');
        if (value > 1000000000LL) value = 1000000000LL;
    }
    return negative ? -value : value;
}
