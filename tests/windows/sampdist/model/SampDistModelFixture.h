#pragma once
// The Dorvane window's model, Qt-free, at the window's design size: a
// continuous population of mean 5 and SD 2, so at n = 4 one standard error is
// exactly 1 and the axis (35 pixels a unit from x = 251) runs from z = -5 to
// 5.43. Series are built by hand, so no test depends on random draws. The
// helpers are the only places that hand the model its field inputs.
#include "core/SamplingEngine.h"
#include "core/SimulationState.h"
#include "core/TypedNumber.h"
#include "windows/sampdist/HistogramDescription.h"
#include "windows/sampdist/HistogramModel.h"
#include "windows/sampdist/SampDistModel.h"
#include "windows/sampdist/SliderModel.h"

#include <algorithm>
#include <gtest/gtest.h>
#include <numeric>
#include <optional>
#include <string>
#include <tuple>
#include <utility>
#include <vector>

class SampDistModelTest : public ::testing::Test {
  protected:
    void SetUp() override {
        ResetSimulationState();
        SetSamplingDistLayout(624, 446);
        g_popMean = 5.0f;
        g_popSD = 2.0f;
        g_leftSliderValue = g_rightSliderValue = 5.0f; // both sliders at z = 0
        SampleSize(4);
    }
    void SampleSize(int n) { width = ReadSampleSize(n); }
    // Proportions: p = 0.5, so n = 25 gives one standard error of 0.1.
    void UseProportions(int n = 25) {
        g_isContinuous = 0;
        g_isBinomial = 1;
        g_popMean = g_popSD = 0.5f;
        SampleSize(n);
    }
    void DragTo(int x, bool left = true, int scrollPos = 1) {
        SetSliderFromPixel(x, left, scrollPos, 4, width);
    }
    // A key step: a drag by that many pixels from where the slider stands.
    void Step(int pixels, bool left = true, int scrollPos = 1) {
        DragTo(SliderAxisPixel(left, scrollPos) + pixels, left, scrollPos);
    }
    // A typed number, read as the window reads it: a slip moves nothing.
    bool Typed(const char* text) {
        const std::optional<double> shown = ReadTypedNumber(text);
        if (shown) SetSliderToShownNumber(*shown, true, 1, 4, width);
        return shown.has_value();
    }
    static SliderReadouts Read(int n = 4, int count = 5) { return UpdateSliderReadouts(n, count); }
    static AxisScrollBarState Width(BinWidth w, int scrollPos = 1) {
        return ChooseBinWidth(w, scrollPos, 4);
    }
    // Pixel of a value at zoom 1.
    static int PixelOf(float value) { return 251 + static_cast<int>(value * 35); }

    // Rows 1..N get the given (mean, sd); the sorted arrays follow, newer
    // samples before older ones of equal mean, as the engine keeps them.
    static void SetSeries(const std::vector<std::pair<float, float>>& samples) {
        const int n = static_cast<int>(samples.size());
        std::vector<int> order(n);
        std::iota(order.begin(), order.end(), 1);
        for (int r = 1; r <= n; ++r)
            std::tie(g_sampleStore[r].mean, g_sampleStore[r].sd) = samples[r - 1];
        std::stable_sort(order.begin(), order.end(), [](int a, int b) {
            const float ma = g_sampleStore[a].mean, mb = g_sampleStore[b].mean;
            return ma != mb ? ma < mb : a > b;
        });
        for (int k = 1; k <= n; ++k)
            g_sortedMeans[k] = g_sampleStore[g_sortedMeanSampleNo[k] = order[k - 1]].mean;
        g_samplesDrawn = g_seriesTargetCount = n;
        g_seriesSampleSize = 4;
        g_samplesExist = n > 0;
    }
    static std::vector<std::pair<float, float>> Means(const std::vector<float>& means) {
        std::vector<std::pair<float, float>> samples;
        for (float m : means)
            samples.emplace_back(m, 1.0f);
        return samples;
    }
    static std::vector<int> Histogram() {
        return std::vector<int>(g_meanHistogram, g_meanHistogram + kHistogramBins + 1);
    }

    std::string width; // the standard error readout
};
