#include "core/Population.h"
#include "core/Translatable.h"

#include "core/NumberText.h"

#include "core/PresetTables.h"
#include "core/SamplingEngine.h"
#include "core/SeriesControl.h"
#include "core/SimulationState.h"

#include <cmath>
#include <cstdio>

namespace {

constexpr int kDesignWidth = 300;
constexpr int kDesignHeight = 432;
constexpr int kDesignBaseline = 270;
constexpr float kUniformHeight = 150.0f;

// Slot of a column in g_popCurve: slot 0 is never used.
int& ColumnTop(int column) {
    return g_popCurve[column + 1];
}

double ColumnValue(int column) {
    if (g_isDiscrete) return column >= 0 && column <= 10 ? g_discreteValue[column] : column;
    return 0.2 * column;
}

int ColumnCount() {
    return g_isDiscrete ? kDiscreteColumns : kContinuousColumns;
}

// Height rule: the height scales, the baseline stays.
int TopByHeight(float height) {
    return g_popBaseline - static_cast<int>(g_scaleY * height);
}

// Top rule: the distance from the design top scales.
int TopByTopRule(int height) {
    return static_cast<int>(g_scaleY * static_cast<float>(kDesignBaseline - height));
}

void SetTopsByHeight(const int* heights, int count) {
    for (int c = 0; c < count; ++c)
        ColumnTop(c) = TopByHeight(static_cast<float>(heights[c]));
}

void SetTopsByTopRule(const int* heights, int count) {
    for (int c = 0; c < count; ++c)
        ColumnTop(c) = TopByTopRule(heights[c]);
}

void SetContinuousNormal() {
    const double sigma = 39.08;
    const double peak = 17500.0 / (sigma * std::sqrt(2.0 * kPi));
    for (int c = 0; c < kContinuousColumns; ++c) {
        const double d = 4.0 * c - 100.0;
        const double height = peak * std::exp(-d * d * 0.0003273866) - 4.0;
        ColumnTop(c) = g_popBaseline - static_cast<int>(g_scaleY * height);
    }
}

// Heights 1.5 s e^|v - 5|: the top is truncated, so the height rounds up.
void SetUShaped(int count, double step) {
    for (int c = 0; c < count; ++c) {
        const double rise = 1.5 * g_scaleY * std::exp(std::fabs(step * c - 5.0));
        ColumnTop(c) = static_cast<int>(g_popBaseline - rise);
    }
}

int PictureIndex(PresetShape shape) {
    switch (shape) {
    case PresetShape::Picture1003:
        return 0;
    case PresetShape::Picture1002:
        return 1;
    case PresetShape::Picture1004:
        return 2;
    case PresetShape::Picture1005:
        return 3;
    default:
        return -1;
    }
}

void WriteContinuousPreset(PresetShape shape) {
    const int n = kContinuousColumns;
    switch (shape) {
    case PresetShape::Bimodal:
        SetTopsByHeight(kContinuousBimodalHeights, n);
        break;
    case PresetShape::SkewedPlus:
        SetTopsByHeight(kContinuousSkewPlusHeights, n);
        break;
    case PresetShape::SkewedMinus:
        SetTopsByHeight(kContinuousSkewMinusHeights, n);
        break;
    case PresetShape::Trimodal:
        SetTopsByTopRule(kContinuousTrimodalHeights, n);
        break;
    case PresetShape::Normal:
        SetContinuousNormal();
        break;
    case PresetShape::UShaped:
        SetUShaped(n, 0.2);
        break;
    case PresetShape::Uniform:
        // The one shape that keeps its pixel height at every window size.
        for (int c = 0; c < n; ++c)
            ColumnTop(c) = g_popBaseline - static_cast<int>(kUniformHeight);
        break;
    default:
        SetTopsByTopRule(kContinuousPictureHeights[PictureIndex(shape)], n);
        break;
    }
}

void WriteDiscretePreset(PresetShape shape) {
    const int n = kDiscreteColumns;
    switch (shape) {
    case PresetShape::Bimodal:
        SetTopsByHeight(kDiscreteBimodalHeights, n);
        break;
    case PresetShape::SkewedPlus:
        SetTopsByHeight(kDiscreteSkewPlusHeights, n);
        break;
    case PresetShape::SkewedMinus:
        SetTopsByHeight(kDiscreteSkewMinusHeights, n);
        break;
    case PresetShape::Normal:
        SetTopsByHeight(kDiscreteNormalHeights, n);
        break;
    case PresetShape::Trimodal:
        SetTopsByTopRule(kDiscreteTrimodalHeights, n);
        break;
    case PresetShape::UShaped:
        SetUShaped(n, 1.0);
        break;
    case PresetShape::Uniform:
        for (int c = 0; c < n; ++c)
            ColumnTop(c) = TopByHeight(kUniformHeight);
        break;
    default:
        SetTopsByTopRule(kDiscretePictureHeights[PictureIndex(shape)], n);
        break;
    }
}

// Rounding can leave the variance a hair below zero for a one-column population.
float SafeSqrt(long double variance) {
    return variance > 0 ? static_cast<float>(std::sqrt(variance)) : 0.0f;
}

void RecomputeMeasurementParameters() {
    for (int j = 1; j <= kContinuousColumns; ++j)
        g_popCumShare[j] = 0.0f;

    long double total = 0;
    for (int c = 0; c < kContinuousColumns; ++c)
        total += ColumnWeight(c);
    g_popWeightTotal = static_cast<float>(total);
    g_popMean = 0.0f;
    if (total <= 0) {
        // However it became empty (a clear, or every handle dragged down), an
        // empty population has no spread and no quartiles to show.
        g_popSD = g_popMedian = g_popQ1 = g_popQ3 = 0.0f;
        return;
    }

    const int columns = ColumnCount();
    long double running = 0, mean = 0, secondMoment = 0;
    for (int c = 0; c < columns; ++c) {
        const long double p = ColumnWeight(c) / total;
        const long double x = ColumnValue(c);
        running += p;
        g_popCumShare[c + 1] = static_cast<float>(running);
        mean += x * p;
        secondMoment += x * x * p;
    }
    g_popMean = static_cast<float>(mean);

    // Each quartile is the value of the column in which the cumulative share
    // first reaches 25, 50 or 75 per cent.
    for (int j = 1; j <= columns; ++j) {
        const double share = 100.0 * g_popCumShare[j];
        const double nextShare = 100.0 * g_popCumShare[j + 1];
        const float value = static_cast<float>(ColumnValue(j));
        if (share < 25.0) g_popQ1 = value;
        if (share < 50.0 && nextShare >= 50.0) g_popMedian = value;
        if (share < 75.0 && nextShare >= 75.0) g_popQ3 = value;
    }
    // The loop never looks at column 0 itself; it holds every quartile it reaches.
    const double firstShare = 100.0 * g_popCumShare[1];
    if (firstShare >= 25.0) g_popQ1 = 0.0f;
    if (firstShare >= 50.0) g_popMedian = 0.0f;
    if (firstShare >= 75.0) g_popQ3 = 0.0f;

    g_popSD = SafeSqrt(secondMoment - mean * mean);
}

void RecomputeBinomialParameters() {
    g_popCumShare[1] = 0.0f;
    g_popCumShare[2] = 0.0f;
    const int failures = ColumnWeight(0);
    const int successes = ColumnWeight(1);
    const int total = failures + successes;
    g_popWeightTotal = static_cast<float>(total);
    if (total <= 0) {
        g_popMean = g_popSD = 0.0f;
        Displays().PlaceHandles();
        return;
    }
    g_popCumShare[1] = static_cast<float>(failures) / static_cast<float>(total);
    g_popCumShare[2] = 1.0f;
    g_popMean = static_cast<float>(successes) / static_cast<float>(total);
    const double mean = g_popMean;
    g_popSD = SafeSqrt(mean - mean * mean);
    // The Confidence Intervals window's possible mean follows p, as it
    // follows a measurement population's mean.
    g_ciPopMean = g_popMean;
    Displays().PlaceHandles();
}

// Two spaces, then the value with fewer decimals once it is large, so the
// field shows it whole.
std::string FormatSetting(float value, int decimals) {
    if (!std::isfinite(value)) value = 0.0f;
    return "  " + FormatFitted(value, decimals, kShownValueChars);
}

} // namespace

const char* PresetName(PresetShape shape) {
    switch (shape) {
    case PresetShape::Bimodal:
        return DV_TEXT("Core", "BIMODAL");
    case PresetShape::Normal:
        return DV_TEXT("Core", "NORMAL");
    case PresetShape::SkewedMinus:
        return DV_TEXT("Core", "SKEWED -");
    case PresetShape::SkewedPlus:
        return DV_TEXT("Core", "SKEWED +");
    case PresetShape::Trimodal:
        return DV_TEXT("Core", "TRIMODAL");
    case PresetShape::UShaped:
        return DV_TEXT("Core", "U-SHAPED");
    case PresetShape::Uniform:
        return DV_TEXT("Core", "UNIFORM");
    default:
        return DV_TEXT("Core", "DISTRIBUTION");
    }
}

void SetPopulationGeometry(int clientWidth, int clientHeight) {
    const long long w = clientWidth;
    const long long h = clientHeight;
    g_scaleX = static_cast<float>(clientWidth) / kDesignWidth;
    g_scaleY = static_cast<float>(clientHeight) / kDesignHeight;
    g_popBaseline = static_cast<int>(h * kDesignBaseline / kDesignHeight);
    g_plotLeft = static_cast<int>(w * 40 / kDesignWidth);
    g_plotRight = static_cast<int>(w * 260 / kDesignWidth);
    g_binTop = static_cast<int>(10 * g_scaleY);
    for (int& top : g_popCurve)
        top = g_popBaseline;
    for (float& share : g_popCumShare)
        share = 0.0f;
}

int ColumnWeight(int column) {
    if (column < 0 || column + 1 >= kCurveSlots) return 0;
    return g_popBaseline - g_popCurve[column + 1];
}

void RecomputePopulationParameters() {
    if (g_isBinomial)
        RecomputeBinomialParameters();
    else
        RecomputeMeasurementParameters();
}

void ClearPopulationCurve() {
    for (int slot = 0; slot <= kContinuousColumns; ++slot) {
        g_popCurve[slot] = g_popBaseline;
        g_popCumShare[slot] = 0.0f;
    }
    g_popWeightTotal = g_popMean = g_popSD = 0.0f;
    g_popMedian = g_popQ1 = g_popQ3 = 0.0f;
}

void ClearPopulation() {
    ClearPopulationCurve();
    Displays().PlaceHandles();
    RunPopulationChangeSequence(true);
}

void ApplyPreset(PresetShape shape) {
    if (g_isBinomial) return; // the binomial window has no shapes
    if (shape < PresetShape::Bimodal || shape > PresetShape::Picture1005) return;
    if (g_isDiscrete) {
        ClearPopulationCurve(); // columns 11 to 50 and all parameters start at zero
        WriteDiscretePreset(shape);
    } else {
        WriteContinuousPreset(shape);
    }
    Displays().PlaceHandles();
    RunPopulationChangeSequence(false);
}

void SetBinomialP(float p) {
    // Only the twenty buttons call this; anything outside 0..1 would make one
    // bar negative.
    if (!(p >= 0.0f)) p = 0.0f;
    if (p > 1.0f) p = 1.0f;
    const int full = g_popBaseline - g_binTop;
    int successTop = static_cast<int>(static_cast<float>(g_popBaseline) - full * p);
    if (full > 0) {
        // Round full * p to the nearest pixel.
        const double over = (static_cast<double>(g_popBaseline - successTop) / full - p) * full;
        if (over > 0.5) successTop += 1;
    }
    ColumnTop(1) = successTop;
    ColumnTop(0) = g_binTop - successTop + g_popBaseline;
    RecomputeBinomialParameters();
}

void RunPopulationChangeSequence(bool emptySettingsFields) {
    RecomputePopulationParameters();
    ResetDisplayTransform();
    g_ciPopMean = g_popMean;
    if (emptySettingsFields)
        Displays().SetSettingsFieldTexts("", "");
    else
        Displays().SetSettingsFieldTexts(SettingsMeanText(), SettingsSDText());
    Displays().RepaintPopulation();
    ResetSeries();
    if (g_samplingDistWndVisible) Displays().RepaintDorvaneWhole();
}

namespace {

// The Dorvane sliders hold their place as shown values. A new shown scale
// carries those values with it, so a slider stays where it stood against
// the population instead of keeping a number of the old scale.
void CarrySliderValues(float toMean, float fromMean, float scale) {
    if (scale == 0.0f) return;
    auto carry = [&](float& value) {
        const double inner = (value - static_cast<double>(toMean)) / scale + fromMean;
        const double shown = (inner - g_dispFromMean) * g_dispScale + g_dispToMean;
        if (std::isfinite(shown)) value = static_cast<float>(shown);
    };
    carry(g_leftSliderValue);
    carry(g_rightSliderValue);
}

} // namespace

bool SetDisplayTarget(float mean, float sd) {
    if (g_popSD == 0.0f || !std::isfinite(mean)) return false;
    const float scale = sd / g_popSD;
    if (!std::isfinite(scale)) return false;
    const float before[] = {g_dispToMean, g_dispFromMean, g_dispScale};
    g_dispToMean = mean;
    g_dispFromMean = g_popMean;
    g_dispShift = mean - g_popMean;
    g_dispScale = scale;
    CarrySliderValues(before[0], before[1], before[2]);
    return true;
}

void ResetDisplayTransform() {
    const float before[] = {g_dispToMean, g_dispFromMean, g_dispScale};
    g_dispToMean = g_popMean;
    g_dispFromMean = g_popMean;
    g_dispShift = 0.0f;
    g_dispScale = 1.0f;
    CarrySliderValues(before[0], before[1], before[2]);
}

std::string SettingsMeanText() {
    return FormatSetting(ShownValue(g_popMean), 2);
}

std::string SettingsSDText() {
    return FormatSetting(g_popSD * g_dispScale, 3);
}
