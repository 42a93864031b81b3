#pragma once
// A Dorvane window at its design size with a series built by hand, so no test
// depends on random draws.

#include "core/SimulationState.h"
#include "windows/sampdist/SampDistModel.h"

#include <algorithm>
#include <gtest/gtest.h>
#include <numeric>
#include <string>
#include <utility>
#include <vector>

class SampDistModelTest : public ::testing::Test {
  protected:
    void SetUp() override {
        ResetSimulationState();
        SetSamplingDistLayout(624, 446);
        // A continuous population with mean 5 and SD 2: at n = 4 one standard
        // error is exactly 1.
        g_popMean = 5.0f;
        g_popSD = 2.0f;
        g_leftSliderValue = g_rightSliderValue = 5.0f; // both sliders at z = 0
        ReadSampleSize("4", width);
    }
    // Proportions: p = 0.5, so n = 25 gives one standard error of 0.1.
    void UseProportions(const char* n = "25") {
        g_isContinuous = 0;
        g_isBinomial = 1;
        g_popMean = g_popSD = 0.5f;
        ReadSampleSize(n, width);
    }

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
    static int HistogramTotal() {
        return std::accumulate(g_meanHistogram, g_meanHistogram + kHistogramBins + 1, 0);
    }

    std::string width; // the standard error readout
};
