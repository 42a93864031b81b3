#pragma once
// Numeric routines behind every theoretical figure: ln Gamma, the regularised
// incomplete beta function, one-tail t probabilities and the critical-t search.
// Pure functions; the single-precision roundings between steps are deliberate
// because the displayed proportions depend on them.

#include <functional>
#include <string>

// ln Gamma(xx) for xx > 0 (six-term Lanczos series).
double GammaLn(float xx);

// Continued fraction of the incomplete beta function, a, b > 0, x in [0, 1].
// At most 10000 iterations; the last value is returned if it has not settled.
float BetaCF(float a, float b, float x);

// Regularised incomplete beta function I_x(a, b). An x outside [0, 1] (or not
// a number) is reported through the BetaAI reporter and then clamped into
// [0, 1], so the result stays a number.
float BetaAI(float a, float b, float x);

// Receives the text "pause in routine BetaAI". The default writes a warning to
// std::cerr; an empty function restores the default.
using BetaAIReporter = std::function<void(const std::string& message)>;
void SetBetaAIReporter(BetaAIReporter reporter);

// Which tail a probability is of: below the point (P(T < t)) or above it.
enum class Tail { Lower, Upper };
// The distribution a tail probability is taken from.
enum class TailDistribution { Normal, StudentT };

// One-tail probability of the standard normal: P(Z < z) for the lower tail,
// else P(Z > z), in double precision, so every digit a readout shows is the
// normal distribution's own. A z that is not a number gives -1.0.
double NormalTail(double z, Tail tail);

// One-tail probability of t: P(T < t) for the lower tail, else P(T > t).
// Student's t with sampleSize - 1 degrees of freedom, -1.0 when that is below
// 1 (no t distribution), capped at 0.9999; the normal's own (NormalTail),
// whatever the sample size. A t that is not a number gives -1.0.
float TailProb(float t, Tail tail, TailDistribution distribution, int sampleSize);

// Largest t the critical-t search looks at; tails beyond it are not resolved.
constexpr float kCriticalTLimit = 4000.0f;

// The t on a 0.001 grid whose upper tail is nearest to alpha (to 1 - alpha
// when alpha > 0.5), for the given degrees of freedom. Returns 0 when alpha is
// not inside (0, 1) or degreesOfFreedom < 1, and kCriticalTLimit when the tail
// is still above the target there.
float CriticalT(float alpha, int degreesOfFreedom);

// Regularised lower incomplete gamma function P(a, x) for a > 0 (0 for
// x <= 0), in double: the distribution function of chi-square with k degrees
// of freedom at x is P(k / 2, x / 2). Not a number gives -1.0.
double GammaP(double a, double x);

// Remainder of n / 2: 0 for even n, 1 or -1 for odd n.
int IsOdd(int n);
