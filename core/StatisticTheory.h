#pragma once
// What theory says of a statistic's sampling distribution, where it says
// anything: its shape and numbers, its density and distribution function in
// the statistic's own units, or, where no formula applies, why not.

#include "core/Statistic.h"

#include <string>

enum class TheoryShape {
    None,
    Normal,          // mean `location`, SD `scale`
    StudentT,        // t with `df` degrees of freedom, at `location`, stretched by `scale`
    ScaledChiSquare, // scale x X, X chi-square with `df` degrees of freedom
    ScaledChi,       // the square root of that
};

struct StatisticTheory {
    TheoryShape shape = TheoryShape::None;
    double location = 0.0;
    double scale = 0.0;
    int df = 0;
    bool approximate = false; // a large-sample approximation (the median's)
    std::string reason;       // why there is none, in English, for the window to translate
};

// The theory for the chosen statistic at sample size n, from the population
// as it stands. tValues: the mean is shown as t values (placed at mu + t x SE).
// The mean: normal, or t with n - 1 degrees of freedom; proportions stay
// normal. The median of a continuous population: normal with variance
// 1 / (4 n f(M)^2), f the population's density at its median M. The SD and
// both variances of the NORMAL preset: sigma^2 / (n - 1) x chi-square(n - 1)
// (variance n: sigma^2 / n x the same), the SD its square root. Else none.
StatisticTheory TheoryOf(Statistic statistic, int n, bool tValues);

// Density per unit of the statistic at x; 0 without a theory.
double TheoryDensity(const StatisticTheory& theory, double x);
// P(statistic <= x); -1 without a theory.
double TheoryCdf(const StatisticTheory& theory, double x);

// The population's median within its column and its density there (values
// spread evenly across each column), for a continuous population. False
// where the median falls on no density: an empty population, or the half of
// the top column that piles up at the axis' end.
bool ContinuousMedianDensity(double& median, double& density);
