#pragma once
// Whether a sample's interval holds the population mean, worked out again
// from the values the sample store holds and nothing the window computed:
// the mean and the standard deviation (divisor n - 1) of the n values, the
// population's sigma when it is known, and a critical value written out from
// scipy by the test. The colour a drawn row must have follows from it.
#include "core/SimulationState.h"

#include <QImage>
#include <cmath>

namespace recount {

enum class Sides { Two, HighEndOnly, LowEndOnly };

// The mean and the standard deviation of sample `sample`'s n values.
inline void MeanAndSd(int sample, int n, double& mean, double& sd) {
    const float* v = g_sampleStore[sample].values;
    double sum = 0.0;
    for (int i = 1; i <= n; ++i)
        sum += v[i];
    mean = sum / n;
    double squares = 0.0;
    for (int i = 1; i <= n; ++i)
        squares += (v[i] - mean) * (v[i] - mean);
    sd = n > 1 ? std::sqrt(squares / (n - 1)) : -1.0;
}

inline bool Covers(int sample, int n, double critical, bool sigmaKnown, Sides sides = Sides::Two) {
    double mean = 0.0, sd = 0.0;
    MeanAndSd(sample, n, mean, sd);
    const double se = (sigmaKnown ? g_popSD : sd) / std::sqrt(double(n));
    const double low = mean - critical * se, high = mean + critical * se;
    switch (sides) {
    case Sides::HighEndOnly:
        return g_popMean <= high;
    case Sides::LowEndOnly:
        return g_popMean >= low;
    default:
        return low <= g_popMean && g_popMean <= high;
    }
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
