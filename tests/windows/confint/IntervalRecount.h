#pragma once
// A sample's interval worked out again from its own values (SD divisor n - 1),
// sigma when known and a critical value from scipy; and the line drawn on a row.
#include "core/SimulationState.h"

#include <QImage>
#include <cmath>

namespace recount {

enum class Sides { Two, HighEndOnly, LowEndOnly };

inline void MeanAndSd(int sample, int n, double& mean, double& sd) {
    const float* v = g_sampleStore[sample].values;
    double sum = 0.0, squares = 0.0;
    for (int i = 1; i <= n; ++i)
        sum += v[i];
    mean = sum / n;
    for (int i = 1; i <= n; ++i)
        squares += (v[i] - mean) * (v[i] - mean);
    sd = n > 1 ? std::sqrt(squares / (n - 1)) : -1.0;
}

inline bool Covers(int sample, int n, double critical, bool sigmaKnown, Sides sides = Sides::Two) {
    double mean = 0.0, sd = 0.0;
    MeanAndSd(sample, n, mean, sd);
    const double half = critical * (sigmaKnown ? g_popSD : sd) / std::sqrt(double(n));
    const bool aboveLow = mean - half <= g_popMean, belowHigh = g_popMean <= mean + half;
    return sides == Sides::HighEndOnly  ? belowHigh
           : sides == Sides::LowEndOnly ? aboveLow
                                        : aboveLow && belowHigh;
}

// The line drawn along pixel row y of the surface between x from and to:
// 'r' red, 'k' black, '-' neither, '?' both.
inline char LineAt(const QImage& surface, int y, int from, int to) {
    char found = '-';
    for (int x = from; x < to; ++x) {
        const QRgb c = surface.pixel(x, y) & 0xFFFFFF;
        const char here = c == 0xFF0000 ? 'r' : c == 0 ? 'k' : '-';
        if (here == '-') continue;
        if (found != '-' && found != here) return '?';
        found = here;
    }
    return found;
}

} // namespace recount
