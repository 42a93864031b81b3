#pragma once
// What the core tests share: a fresh state with a fixed clock and the
// population window at its design size, displays that record what the
// program asks of the windows, and the whole of what a run leaves.
#include "core/Population.h"
#include "core/Random.h"
#include "core/SamplingEngine.h"
#include "core/SimulationState.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <string>
#include <vector>

// Records the calls the tests look for, in order, as "Name" or "Name(arg)".
class RecordingDisplay : public SampleDisplay {
  public:
    std::vector<std::string> calls;
    std::string meanText = "untouched", sdText = "untouched";
    int targetAtFirstGraph = -1;
    void DrawHistogramGraph() override {
        if (targetAtFirstGraph < 0) targetAtFirstGraph = g_seriesTargetCount;
        calls.push_back(__func__);
    }
    void GrowLatestColumn() override { calls.push_back(__func__); }
    void Pause(int ms) override { calls.push_back("Pause(" + std::to_string(ms) + ")"); }
    void SetSettingsFieldTexts(const std::string& mean, const std::string& sd) override {
        meanText = mean;
        sdText = sd;
    }
    // With the samples drawn at that moment: the Dorvane window must repaint
    // with the histogram already emptied.
    void RepaintDorvaneWhole() override {
        calls.push_back("RepaintDorvaneWhole(" + std::to_string(g_samplesDrawn) + ")");
    }
    void RedrawConfIntervalWindow() override { calls.push_back(__func__); }
    void RedrawSamplesWindow() override { calls.push_back(__func__); }
    int Count(const std::string& call) const {
        return static_cast<int>(std::count(calls.begin(), calls.end(), call));
    }
};

class CoreTest : public ::testing::Test {
  protected:
    static constexpr std::int64_t kClock = 1700000000;
    void SetUp() override {
        ResetSimulationState();
        SetSecondsClock([] { return kClock; });
        SetPopulationGeometry(300, 432);
        g_sdScaleX = g_sdScaleY = 1.0f;
        SetDisplays(&views);
    }
    void TearDown() override {
        SetDisplays(nullptr);
        SetSecondsClock({});
    }

    RecordingDisplay views; // what the windows are asked to show
    SampleDisplay quiet;    // shows nothing; speeds 1 and 2 never pause
};

// C continuous, D discrete, B binomial.
inline void UseKind(char kind) {
    g_isContinuous = kind == 'C';
    g_isDiscrete = kind == 'D';
    g_isBinomial = kind == 'B';
}

// Everything a run leaves behind that the windows show, and where the stream
// stands: two runs that leave the same picture look the same for ever after.
inline std::vector<double> Picture() {
    std::vector<double> p = {
        g_sumOfMeans,       g_sumOfSDs, g_meanOfMeans,          g_sdOfMeans,
        g_meanOfSDs,        g_sdOfSDs,  double(g_samplesDrawn), double(g_seriesTargetCount),
        double(RandState())};
    for (int r = 1; r <= g_samplesDrawn; ++r) {
        const SampleRow& row = g_sampleStore[r];
        p.insert(p.end(), row.values + 1, row.values + 1 + g_seriesSampleSize);
        p.insert(p.end(), row.columnCounts, row.columnCounts + kTallyColumns + 1);
        p.insert(p.end(), {row.mean, row.sd, row.median, row.range, g_sortedMeans[r]});
        p.push_back(g_sortedMeanSampleNo[r]);
    }
    p.insert(p.end(), g_meanHistogram, g_meanHistogram + kHistogramBins + 1);
    return p;
}
