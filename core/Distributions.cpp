#include "core/Distributions.h"

#include <algorithm>
#include <cmath>
#include <iostream>
#include <utility>

namespace {

constexpr int kMaxBetaIterations = 10000;
constexpr double kBetaTolerance = 3e-7;
constexpr float kTailCap = 0.9999f;
// A fine pass normally takes at most eleven steps; this only stops a search
// that the float rounding of the tail would otherwise keep going.
constexpr int kMaxFineSteps = 1000;

void DefaultBetaAIReporter(const std::string& message) {
    std::cerr << "Dorvane warning: " << message << '\n';
}

BetaAIReporter& Reporter() {
    static BetaAIReporter reporter = DefaultBetaAIReporter;
    return reporter;
}

} // namespace

void SetBetaAIReporter(BetaAIReporter reporter) {
    Reporter() = reporter ? std::move(reporter) : BetaAIReporter(DefaultBetaAIReporter);
}

double GammaLn(float xx) {
    const double x = static_cast<double>(xx) - 1.0;
    const double tmp = x + 5.5;
    double ser = 1.0;
    ser += 76.18009173 / (x + 1.0);
    ser -= 86.50532033 / (x + 2.0);
    ser += 24.01409822 / (x + 3.0);
    ser -= 1.231739516 / (x + 4.0);
    ser += 0.00120858003 / (x + 5.0);
    ser -= 0.00000536382 / (x + 6.0);
    return std::log(2.50662827465 * ser) + (x + 0.5) * std::log(tmp) - tmp;
}

float BetaCF(float a, float b, float x) {
    // The convergents am, bm, app, bpp and aold live in single precision from
    // one iteration to the next; the rest is carried wider.
    const double qab = static_cast<double>(a) + b;
    const double qap = static_cast<double>(a) + 1.0;
    const double qam = static_cast<double>(a) - 1.0;
    float am = 1.0f;
    float bm = 1.0f;
    double az = 1.0;
    double bz = 1.0 - qab * x / qap;
    for (int m = 1; m <= kMaxBetaIterations; ++m) {
        const double em = m;
        const double tem = em + em;
        double d = em * (b - em) * x / ((qam + tem) * (a + tem));
        const double ap = az + d * am;
        const double bp = bz + d * bm;
        d = -(a + em) * (qab + em) * x / ((qap + tem) * (a + tem));
        const float app = static_cast<float>(ap + d * az);
        const float bpp = static_cast<float>(bp + d * bz);
        const float aold = static_cast<float>(az);
        am = static_cast<float>(ap / bpp);
        bm = static_cast<float>(bp / bpp);
        az = static_cast<double>(app) / bpp;
        bz = 1.0;
        if (std::fabs(az - aold) < kBetaTolerance * std::fabs(az)) break;
    }
    return static_cast<float>(az);
}

float BetaAI(float a, float b, float x) {
    if (!(x >= 0.0f && x <= 1.0f)) {
        Reporter()("pause in routine BetaAI");
        // Carrying on with such an x would only produce a value that is not
        // a number; the nearest end of the range is the honest answer.
        x = x > 1.0f ? 1.0f : 0.0f;
    }
    double bt = 0.0;
    if (x != 0.0f && x != 1.0f) {
        const float lnGammaSum = static_cast<float>(GammaLn(a + b));
        const float lnRatio = static_cast<float>(lnGammaSum - GammaLn(a));
        bt = std::exp(lnRatio - GammaLn(b) + a * std::log(static_cast<double>(x)) +
                      b * std::log(1.0 - x));
    }
    if (x < (static_cast<double>(a) + 1.0) / (static_cast<double>(a) + b + 2.0))
        return static_cast<float>(bt * BetaCF(a, b, x) / a);
    return static_cast<float>(1.0 - bt * BetaCF(b, a, 1.0f - x) / b);
}

double NormalTail(double z, Tail tail) {
    if (std::isnan(z)) return -1.0;
    // erfc keeps its digits far out in the tail, where 1 - Phi would lose them.
    return 0.5 * std::erfc((tail == Tail::Lower ? -z : z) / std::sqrt(2.0));
}

float TailProb(float t, Tail tail, TailDistribution distribution, int sampleSize) {
    if (distribution == TailDistribution::Normal) return static_cast<float>(NormalTail(t, tail));
    if (sampleSize < 2) return -1.0f; // df would be below 1
    const int df = sampleSize - 1;
    if (std::isnan(t)) return -1.0f;
    const bool negative = t < 0.0f;
    const double tSquared = static_cast<double>(t) * t;
    const float x = static_cast<float>(df / (df + tSquared));
    const float q = 0.5f * BetaAI(static_cast<float>(df / 2.0), 0.5f, x); // P(T > |t|)
    float result;
    if (tail == Tail::Lower)
        result = negative ? q : 1.0f - q;
    else
        result = negative ? 1.0f - q : q;
    if (result >= kTailCap) result = kTailCap;
    return result;
}

float CriticalT(float alpha, int degreesOfFreedom) {
    if (!(alpha > 0.0f && alpha < 1.0f) || degreesOfFreedom < 1) return 0.0f;
    const float target = alpha <= 0.5f ? alpha : 1.0f - alpha;
    const double nu = degreesOfFreedom;
    auto tail = [nu](float t) {
        const double tSquared = static_cast<double>(t) * t;
        const float x = static_cast<float>(nu / (nu + tSquared));
        return 0.5f * BetaAI(static_cast<float>(nu / 2.0), 0.5f, x);
    };

    float t = 0.0f;
    float tailAtT = 0.5f;
    while (tailAtT > target && t < kCriticalTLimit) {
        t += 1.0f;
        tailAtT = tail(t);
    }
    if (tailAtT > target) return kCriticalTLimit;
    if (tailAtT == target) return t;

    float previousStep = 1.0f;
    for (float step : {0.1f, 0.01f, 0.001f}) {
        t = t - previousStep + step;
        tailAtT = tail(t);
        for (int n = 0; tailAtT > target && n < kMaxFineSteps; ++n) {
            t += step;
            tailAtT = tail(t);
        }
        if (tailAtT == target) return t;
        previousStep = step;
    }

    const float below = t - 0.001f;
    if (std::fabs(target - tail(below)) <= std::fabs(target - tailAtT)) return below;
    return t;
}

double GammaP(double a, double x) {
    if (std::isnan(a) || std::isnan(x) || !(a > 0.0)) return -1.0;
    if (x <= 0.0) return 0.0;
    if (std::isinf(x)) return 1.0;
    const double front = std::exp(a * std::log(x) - x - std::lgamma(a));
    constexpr int kMaxTerms = 10000;
    constexpr double kTolerance = 1e-15;
    if (x < a + 1.0) {
        // The series converges quickly below the distribution's bulk.
        double term = 1.0 / a, sum = term;
        for (int k = 1; k < kMaxTerms && std::fabs(term) > kTolerance * std::fabs(sum); ++k) {
            term *= x / (a + k);
            sum += term;
        }
        return std::min(1.0, sum * front);
    }
    // Above it, the continued fraction of the upper tail (modified Lentz).
    constexpr double kTiny = 1e-300;
    double b = x + 1.0 - a, cc = 1.0 / kTiny, d = 1.0 / b, h = d;
    for (int i = 1; i < kMaxTerms; ++i) {
        const double an = -i * (i - a);
        b += 2.0;
        d = an * d + b;
        if (std::fabs(d) < kTiny) d = kTiny;
        cc = b + an / cc;
        if (std::fabs(cc) < kTiny) cc = kTiny;
        d = 1.0 / d;
        const double delta = d * cc;
        h *= delta;
        if (std::fabs(delta - 1.0) < kTolerance) break;
    }
    return std::max(0.0, 1.0 - front * h);
}

int IsOdd(int n) {
    return static_cast<int>(std::fmod(static_cast<double>(n), 2.0));
}
