#include "windows/confint/NormalTable.h"

#include "core/Random.h"

#include <algorithm>
#include <array>
#include <cmath>

namespace {

constexpr int kTableSteps = 500; // z = 0.00 .. 4.99

// Phi(z) x 10000 rounded, for z = k / 100. Built once: the rule of the table
// is the search below, the numbers are the normal distribution's own.
const std::array<int, kTableSteps>& RoundedPhi() {
    static const std::array<int, kTableSteps> table = [] {
        std::array<int, kTableSteps> t{};
        for (int k = 0; k < kTableSteps; ++k) {
            const double z = k / 100.0;
            const double phi = 0.5 * std::erfc(-z / std::sqrt(2.0));
            t[k] = static_cast<int>(std::lround(phi * 10000.0));
        }
        return t;
    }();
    return table;
}

// Entries of the table written by hand rather than read off Phi.
struct FixedEntry {
    int first, last;
    float z;
};
constexpr FixedEntry kFixed[] = {
    {7500, 7500, 0.674f}, {7501, 7516, 0.68f},  {9000, 9000, 1.282f}, {9001, 9013, 1.285f},
    {9014, 9014, 1.29f},  {9500, 9500, 1.645f}, {9501, 9504, 1.65f},  {9754, 9755, 1.97f},
    {9900, 9900, 2.326f}, {9932, 9932, 2.46f},  {9950, 9950, 2.576f}, {9987, 9988, 3.00f},
    {9989, 9989, 3.05f},  {9990, 9990, 3.09f},  {9994, 9994, 3.24f},  {9995, 9995, 3.291f},
    {9996, 9996, 3.35f},  {9997, 9997, 3.45f},  {9998, 9998, 3.55f},
};

// Where two neighbouring z round to the same p, the table leaves the choice
// to chance: one random number, the smaller z below its middle.
struct PairEntry {
    int p;
    float smaller, larger;
};
constexpr PairEntry kPairs[] = {
    {9974, 2.79f, 2.80f}, {9977, 2.83f, 2.84f}, {9979, 2.86f, 2.87f}, {9981, 2.89f, 2.90f},
    {9982, 2.91f, 2.92f}, {9984, 2.94f, 2.95f}, {9985, 2.96f, 2.97f}, {9986, 2.98f, 2.99f},
};
constexpr int kPairMiddle = 16383;

// The far tail: any z from 3.6 to about 5.0, drawn from the stream.
constexpr int kTailFirst = 9999;
constexpr float kTailStart = 3.6f;
constexpr float kTailStep = 0.000042735042f;

} // namespace

float ZFromPercentile(int p) {
    p = std::clamp(p, kPercentileLow, kPercentileHigh);
    if (p >= kTailFirst) return kTailStart + static_cast<float>(Rand()) * kTailStep;
    for (const PairEntry& pair : kPairs)
        if (pair.p == p) return Rand() < kPairMiddle ? pair.smaller : pair.larger;
    for (const FixedEntry& entry : kFixed)
        if (p >= entry.first && p <= entry.last) return entry.z;

    // Largest k with RoundedPhi[k] <= p; Phi grows, so the table is sorted.
    const auto& table = RoundedPhi();
    const auto past = std::upper_bound(table.begin(), table.end(), p);
    const int k = static_cast<int>(past - table.begin()) - 1;
    return static_cast<float>(std::max(k, 0)) / 100.0f;
}
