// The sliders of the Dorvane window: positions in standard errors, handle
// rectangles, drags, the Options rules, and the readouts beside them.

#include "windows/sampdist/SampDistModel.h"

#include "core/Distributions.h"
#include "core/NumberText.h"
#include "core/SeriesControl.h"
#include "core/SimulationState.h"
#include "windows/sampdist/SampDistText.h"

#include <algorithm>
#include <cmath>

using sampdist::PlainZero;
using sampdist::TruncPixel;

namespace {

// The standard error on the statistic's own scale (g_standardError holds ten
// times it for proportions).
double StatisticSE() {
    return g_isBinomial ? g_standardError * 0.1 : g_standardError;
}

void PlaceSlider(float z, int scrollPos, int& hidden, Rect& rect) {
    const BinWidthInfo info = CurrentBinWidthInfo();
    const double lo = VisibleAxisStart(scrollPos);
    const double hi = lo + 51.0 * info.scrollStep;
    bool visible = false;
    if (std::isfinite(z)) {
        if (g_standardError > 0.0f) {
            const double factor = g_isBinomial ? 10.0 : 1.0;
            const double zLow = (lo - 1.0 - g_popMean) / g_standardError * factor;
            const double zHigh = (hi - g_popMean) / g_standardError * factor;
            visible = z >= zLow && z <= zHigh;
        } else {
            // Without a standard error every z stands at the mean.
            const double threshold = SliderThreshold(z);
            visible = threshold >= lo - 1.0 && threshold <= hi;
        }
    }
    if (!visible) {
        // Off the axis: nothing to grab until the window draws it again.
        hidden = 1;
        rect = Rect{};
        return;
    }
    hidden = 0;
    const int x = ValueToAxisPixel(SliderThreshold(z), scrollPos) + 1;
    rect = Rect{x - Px(g_sdScaleX, 2), g_sdAxisY + 1, x + Px(g_sdScaleX, 4),
                g_sdAxisY + 1 + Px(g_sdScaleY, 18)};
}

// Tail probability that TailProb gives, or NaN when it has none (-1).
double Tail(float z, int lowerTail, int useT, int sampleSize) {
    const float p = TailProb(z, lowerTail, useT, sampleSize);
    return p < 0.0f ? NAN : p;
}

// Theoretical proportion beyond the sliders in the mode shown.
double TheoreticalProportion(int useT, int sampleSize) {
    const float left = g_leftSliderZ;
    const float right = g_rightSliderZ;
    if (g_oneSlider) return Tail(left, g_proportionAbove ? 0 : 1, useT, sampleSize);
    if (g_proportionAbove)
        return Tail(left, 1, useT, sampleSize) + Tail(right, 0, useT, sampleSize);
    return Tail(right, 1, useT, sampleSize) - Tail(left, 1, useT, sampleSize);
}

// Base x p rounded half up: truncated toward zero, plus 1 when the remainder
// is at least one half.
std::string ExpectedNumberText(int base, double proportion) {
    const double expected = base * proportion;
    if (!std::isfinite(expected)) return {};
    const double whole = std::trunc(expected);
    double rounded = expected - whole >= 0.5 ? whole + 1 : whole;
    rounded = std::clamp(rounded, -2147483647.0, 2147483647.0);
    return FormatInt(static_cast<int>(rounded));
}

} // namespace

float SliderThreshold(float z) {
    return static_cast<float>(g_popMean + z * StatisticSE());
}

float SliderShownValue(float z) {
    return static_cast<float>(
        ((z * static_cast<double>(g_standardError) + g_popMean) - g_dispFromMean) * g_dispScale +
        g_dispToMean);
}

void RecomputeSliderValues() {
    g_leftSliderValue = SliderShownValue(g_leftSliderZ);
    if (!g_oneSlider) g_rightSliderValue = SliderShownValue(g_rightSliderZ);
}

void PlaceLeftSlider(int scrollPos) {
    PlaceSlider(g_leftSliderZ, scrollPos, g_leftSliderHidden, g_leftSliderRect);
}

void PlaceRightSlider(int scrollPos) {
    PlaceSlider(g_rightSliderZ, scrollPos, g_rightSliderHidden, g_rightSliderRect);
}

void PlaceSliders(int scrollPos) {
    PlaceLeftSlider(scrollPos);
    if (!g_oneSlider) PlaceRightSlider(scrollPos);
}

void SetSliderFromPixel(int x, bool left, int scrollPos, const std::string& sampleSizeText,
                        std::string& intervalWidthText) {
    ReadSampleSize(sampleSizeText, intervalWidthText);
    x = std::clamp(x, g_sdAxisLeft, std::max(g_sdAxisLeft, g_sdAxisRight));
    const float value = AxisPixelToValue(x, scrollPos);
    float z = 0.0f;
    if (g_standardError > 0.0f) {
        const double factor = g_isBinomial ? 10.0 : 1.0;
        z = static_cast<float>((value - g_popMean) / g_standardError * factor);
    }

    const bool tandem = !g_oneSlider && g_slidersTandem;
    if (tandem) {
        // The mirrored pair meets at the mean rather than crossing over, so
        // the left slider stays the lower one.
        z = left ? std::min(z, 0.0f) : std::max(z, 0.0f);
    } else if (!g_oneSlider) {
        if (left && z > g_rightSliderZ) z = g_rightSliderZ - 0.01f;
        if (!left && z < g_leftSliderZ) z = g_leftSliderZ + 0.01f;
    }
    z = PlainZero(z);
    if (left) {
        g_leftSliderZ = z;
        if (tandem) g_rightSliderZ = PlainZero(-z);
    } else {
        g_rightSliderZ = z;
        if (tandem) g_leftSliderZ = PlainZero(-z);
    }
    PlaceSliders(scrollPos);
    RecomputeSliderValues();
}

void OneSlider() {
    g_oneSlider = 1;
    g_slidersTandem = 0;
}

void TwoSlidersSeparate() {
    g_oneSlider = 0;
    g_slidersTandem = 0;
    if (g_leftSliderZ > g_rightSliderZ) g_leftSliderZ = g_rightSliderZ - 0.1f;
    g_leftSliderValue = SliderShownValue(g_leftSliderZ);
    g_rightSliderValue = SliderShownValue(g_rightSliderZ);
}

void TwoSlidersTandem() {
    g_oneSlider = 0;
    g_slidersTandem = 1;
    if (g_leftSliderZ > 0.0f) g_leftSliderZ = -g_leftSliderZ;
    g_rightSliderZ = PlainZero(-g_leftSliderZ);
    g_leftSliderValue = SliderShownValue(g_leftSliderZ);
    g_rightSliderValue = SliderShownValue(g_rightSliderZ);
}

std::string SliderLabelText(float z, bool letterOnly) {
    const char* letter = "x";
    if (g_showZValues) {
        letter = "z";
    } else if (g_showTValues) {
        letter = "t";
    } else if (g_isBinomial) {
        letter = "p";
    }
    std::string text;
    if (g_showZValues || g_showTValues) {
        text = FormatNumber("%.2f", PlainZero(z));
    } else if (g_isBinomial) {
        text = FormatNumber("%.3f", ShownValue(static_cast<float>(g_popMean + z * StatisticSE())));
    } else {
        text = FormatNumber("%.2f", ShownValue(SliderThreshold(z)));
    }
    if (letterOnly || text.empty()) return letter;
    return std::string(letter) + " = " + text;
}

int CountAtOrBelow(float z) {
    const float threshold = SliderThreshold(z);
    const int drawn = std::min(g_samplesDrawn, kMaxSamples);
    int count = 0;
    for (int r = 1; r <= drawn; ++r)
        if (SampleStatistic(r) <= threshold) ++count;
    return count;
}

SliderReadouts UpdateSliderReadouts(const std::string& sampleSizeText,
                                    const std::string& numberOfSamplesText) {
    g_sdSampleSize = ReadWholeNumber(sampleSizeText);
    const int asked = ReadWholeNumber(numberOfSamplesText);
    const int drawn = std::clamp(g_samplesDrawn, 0, kMaxSamples);

    // One pass over the series. A sample without a statistic (a t value of a
    // sample with no spread) is in no column, so it is left out here too.
    const float leftThreshold = SliderThreshold(g_leftSliderZ);
    const float rightThreshold = SliderThreshold(g_rightSliderZ);
    int counted = 0;
    int leftCount = 0;
    int rightCount = 0;
    for (int r = 1; r <= drawn; ++r) {
        const float x = SampleStatistic(r);
        if (!std::isfinite(x)) continue;
        ++counted;
        if (x <= leftThreshold) ++leftCount;
        if (x <= rightThreshold) ++rightCount;
    }
    g_leftCount = leftCount;
    if (!g_oneSlider) g_rightCount = rightCount;

    SliderReadouts out;
    if (counted > 0) {
        int number = 0;
        if (g_oneSlider) {
            number = g_proportionAbove ? counted - leftCount : leftCount;
        } else {
            number = g_proportionAbove ? leftCount - rightCount + counted : rightCount - leftCount;
        }
        out.actualNumber = FormatInt(number);
        const float proportion = static_cast<float>(number) / static_cast<float>(counted);
        out.actualProportion = FormatNumber(proportion == 1.0f ? "%.3f" : "%.4f", proportion);
    }

    // Expected numbers out of the series, or out of the number asked for
    // while no sample has been drawn.
    const int base = drawn > 0 ? counted : asked;
    const double normal = TheoreticalProportion(0, 0);
    if (std::isfinite(normal)) {
        out.normalProportion = FormatNumber("%.4f", normal);
        out.normalNumber = ExpectedNumberText(base, normal);
    }
    // No t distribution below a sample size of 2: both t fields stay empty.
    const double t = TheoreticalProportion(1, g_sdSampleSize);
    if (std::isfinite(t)) {
        out.tProportion = FormatNumber("%.4f", t);
        out.tNumber = ExpectedNumberText(base, t);
    }
    return out;
}
