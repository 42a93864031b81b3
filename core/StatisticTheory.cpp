#include "core/StatisticTheory.h"

#include "core/Distributions.h"
#include "core/Population.h"
#include "core/SimulationState.h"
#include "core/Translatable.h"
#include "core/ValueDraw.h"

#include <cmath>
#include <numbers>

namespace {

constexpr int kColumns = 51;
constexpr double kColumnWidth = 0.2;

StatisticTheory None(const char* reason) {
    StatisticTheory theory;
    theory.reason = reason;
    return theory;
}

double ChiSquareDensity(double x, int k) {
    if (!(x > 0.0)) return 0.0;
    const double a = k / 2.0;
    return std::exp((a - 1.0) * std::log(x) - x / 2.0 - a * std::log(2.0) - std::lgamma(a));
}

double StudentTDensity(double t, int df) {
    const double v = df;
    return std::exp(std::lgamma((v + 1.0) / 2.0) - std::lgamma(v / 2.0) -
                    0.5 * std::log(v * std::numbers::pi) - (v + 1.0) / 2.0 * std::log1p(t * t / v));
}

StatisticTheory SpreadTheory(Statistic statistic, int n) {
    if (n < 2) return None(DV_TEXT("Core", "A sample of one value has no spread to build on."));
    if (g_isDiscrete)
        return None(DV_TEXT(
            "Core", "Its theory holds for a normal population, not for whole-number values."));
    if (!PopulationIsNormalPreset())
        return None(
            DV_TEXT("Core", "Its theory holds for a normal population: choose the NORMAL shape."));
    const double variance = static_cast<double>(g_popSD) * g_popSD;
    StatisticTheory theory;
    theory.df = n - 1;
    theory.shape = statistic == Statistic::StandardDeviation ? TheoryShape::ScaledChi
                                                             : TheoryShape::ScaledChiSquare;
    theory.scale = variance / (statistic == Statistic::VarianceN ? n : n - 1);
    return theory;
}

} // namespace

bool ContinuousMedianDensity(double& median, double& density) {
    double below = 0.0;
    for (int c = 0; c < kColumns; ++c) {
        const double share = std::max(0.0, static_cast<double>(g_popCumShare[c + 1]) - below);
        const double above = below + share;
        if (share > 0.0 && above >= 0.5) {
            const double into = 0.5 - below;
            if (c == 0) {
                // Column 0 gives four values in five to 0..0.1, the rest to 0.1..0.2.
                const bool low = into <= 0.8 * share;
                density = (low ? 0.8 : 0.2) * share / 0.1;
                median = low ? into / density : 0.1 + (into - 0.8 * share) / density;
            } else if (c == kColumns - 1) {
                // The top column's upper half is held at the axis' end.
                if (into > 0.5 * share) return false;
                density = 0.5 * share / 0.1;
                median = 9.9 + into / density;
            } else {
                density = share / kColumnWidth;
                median = kColumnWidth * c - 0.1 + into / density;
            }
            return true;
        }
        below = above;
    }
    return false;
}

StatisticTheory TheoryOf(Statistic statistic, int n, bool tValues) {
    if (PopulationIsEmpty() || !(g_popSD > 0.0f))
        return None(DV_TEXT("Core", "The population has no spread to draw from."));
    if (n < 1 || n > kMaxSampleSize) return None(DV_TEXT("Core", "There is no sample size."));
    if (g_isBinomial && statistic != Statistic::Mean)
        return None(DV_TEXT("Core", "A binomial population gives only the proportion."));

    StatisticTheory theory;
    switch (statistic) {
    case Statistic::Mean:
        theory.location = g_popMean;
        theory.scale = g_popSD / std::sqrt(static_cast<double>(n));
        theory.shape = TheoryShape::Normal;
        if (tValues && !g_isBinomial) {
            if (n < 2) return None(DV_TEXT("Core", "t needs a sample of at least two values."));
            theory.shape = TheoryShape::StudentT;
            theory.df = n - 1;
        }
        return theory;
    case Statistic::Median: {
        if (!g_isContinuous)
            return None(DV_TEXT(
                "Core", "The median's normal approximation needs a continuous population."));
        double median = 0.0, density = 0.0;
        if (!ContinuousMedianDensity(median, density) || !(density > 0.0))
            return None(DV_TEXT("Core", "The population has no density at its median."));
        theory.shape = TheoryShape::Normal;
        theory.approximate = true;
        theory.location = median;
        theory.scale = 1.0 / (2.0 * density * std::sqrt(static_cast<double>(n)));
        return theory;
    }
    case Statistic::StandardDeviation:
    case Statistic::Variance:
    case Statistic::VarianceN:
        return SpreadTheory(statistic, n);
    case Statistic::Range:
        break;
    }
    return None(DV_TEXT("Core", "The range's sampling distribution has no simple formula."));
}

double TheoryDensity(const StatisticTheory& theory, double x) {
    const double s = theory.scale;
    if (!(s > 0.0) || std::isnan(x)) return 0.0;
    switch (theory.shape) {
    case TheoryShape::None:
        return 0.0;
    case TheoryShape::Normal: {
        const double z = (x - theory.location) / s;
        return std::exp(-0.5 * z * z) / (std::sqrt(2.0 * std::numbers::pi) * s);
    }
    case TheoryShape::StudentT:
        return StudentTDensity((x - theory.location) / s, theory.df) / s;
    case TheoryShape::ScaledChiSquare:
        return ChiSquareDensity(x / s, theory.df) / s;
    case TheoryShape::ScaledChi:
        // x = sqrt(s X): the density of X at x^2 / s times dX/dx = 2x / s.
        return x > 0.0 ? ChiSquareDensity(x * x / s, theory.df) * 2.0 * x / s : 0.0;
    }
    return 0.0;
}

double TheoryCdf(const StatisticTheory& theory, double x) {
    const double s = theory.scale;
    if (theory.shape == TheoryShape::None || !(s > 0.0) || std::isnan(x)) return -1.0;
    switch (theory.shape) {
    case TheoryShape::None:
        return -1.0;
    case TheoryShape::Normal:
        return NormalTail((x - theory.location) / s, Tail::Lower);
    case TheoryShape::StudentT: {
        const double t = (x - theory.location) / s;
        const double v = theory.df;
        const float upper =
            0.5f * BetaAI(static_cast<float>(v / 2.0), 0.5f, static_cast<float>(v / (v + t * t)));
        return t < 0.0 ? upper : 1.0 - upper;
    }
    case TheoryShape::ScaledChiSquare:
        return GammaP(theory.df / 2.0, x / s / 2.0);
    case TheoryShape::ScaledChi:
        return x > 0.0 ? GammaP(theory.df / 2.0, x * x / s / 2.0) : 0.0;
    }
    return -1.0;
}
