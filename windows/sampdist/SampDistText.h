#pragma once
// Small helpers shared by the Dorvane window's model files.

#include <cmath>

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

} // namespace sampdist
