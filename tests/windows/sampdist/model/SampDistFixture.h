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
        std::string width;
        ReadSampleSize("4", width);
    }

    // Rows 1..N get the given (mean, sd); the sorted arrays follow, newer
    // samples before older ones of equal mean, as the engine keeps them.
    static void SetSeries(const std::vector<std::pair<float, float>>& samples) {
        const int n = static_cast<int>(samples.size());
        for (int r = 1; r <= n; ++r) {
            g_sampleStore[r].mean = samples[r - 1].first;
            g_sampleStore[r].sd = samples[r - 1].second;
        }
        std::vector<int> order(n);
        std::iota(order.begin(), order.end(), 1);
        std::stable_sort(order.begin(), order.end(), [](int a, int b) {
            if (g_sampleStore[a].mean != g_sampleStore[b].mean)
                return g_sampleStore[a].mean < g_sampleStore[b].mean;
            return a > b;
        });
        for (int k = 1; k <= n; ++k) {
            g_sortedMeanSampleNo[k] = order[k - 1];
            g_sortedMeans[k] = g_sampleStore[order[k - 1]].mean;
        }
        g_samplesDrawn = n;
        g_seriesSampleSize = 4;
        g_samplesExist = n > 0 ? 1 : 0;
        g_seriesTargetCount = n;
    }

    static std::vector<std::pair<float, float>> Means(const std::vector<float>& means,
                                                      float sd = 1.0f) {
        std::vector<std::pair<float, float>> samples;
        for (float m : means)
            samples.emplace_back(m, sd);
        return samples;
    }

    static int HistogramTotal() {
        int total = 0;
        for (int k = 1; k <= kHistogramBins; ++k)
            total += g_meanHistogram[k];
        return total;
    }
};
