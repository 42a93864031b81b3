// The Dorvane histogram while a run fills it: the test that decides between
// growing the latest column and a rescale compares whole pixels, and the
// first paint of a run already knows how many samples the run will hold.
#include "core/Population.h"
#include "core/Random.h"
#include "core/SamplingEngine.h"
#include "core/SimulationState.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

// The names of the display calls of interest, in order.
struct CallNames : SampleDisplay {
    std::vector<std::string> calls;
    void DrawHistogramGraph() override { calls.push_back("DrawHistogramGraph"); }
    void InvalidateHistogram() override { calls.push_back("InvalidateHistogram"); }
    void GrowLatestColumn() override { calls.push_back("GrowLatestColumn"); }
};

class RunAndHistogram : public ::testing::Test {
  protected:
    void SetUp() override {
        ResetSimulationState();
        SetSecondsClock([] { return std::int64_t{1700000000}; });
        SetPopulationGeometry(300, 432);
        g_sdScaleX = g_sdScaleY = 1.0f;
        g_histMaxHeight = 1000;
    }
    void TearDown() override { SetSecondsClock({}); }
};

TEST_F(RunAndHistogram, TheFitTestTruncatesTheHeightFirst) {
    struct Case {
        int count;
        float scaleY, countScale;
        bool fits;
    };
    // 747 x 0.5 = 373.5 pixels is drawn 373 high and fits 373; 748 does not.
    // With the window's vertical scale 1.5: 332 x 1.5 x 0.75 = 373.5 fits too.
    const Case cases[] = {{747, 1.0f, 0.5f, true},
                          {748, 1.0f, 0.5f, false},
                          {332, 1.5f, 0.75f, true},
                          {333, 1.5f, 0.75f, false}};
    for (const Case& c : cases) {
        g_sdScaleY = c.scaleY;
        g_histCountScale = c.countScale;
        g_histMaxHeight = 373;
        g_lastMeanBin = 26;
        g_meanHistogram[26] = c.count;
        g_histNeedsRescale = 0;
        CallNames d;
        FitLatestColumn(d);
        EXPECT_EQ(d.calls, std::vector<std::string>(
                               c.fits ? std::vector<std::string>{"GrowLatestColumn"}
                                      : std::vector<std::string>{"DrawHistogramGraph",
                                                                 "InvalidateHistogram"}))
            << c.count;
        EXPECT_EQ(g_histOverflowed + g_histNeedsRescale, c.fits ? 0 : 2) << c.count;
    }
}

TEST_F(RunAndHistogram, TheFirstPaintOfARunKnowsHowManySamplesItDraws) {
    // The curves over the columns are scaled to the series being drawn, from
    // the first paint of the run on.
    ApplyPreset(PresetShape::Normal);
    g_samplingDistWndVisible = 1;
    struct TargetAtPaint : SampleDisplay {
        std::vector<int> targets;
        void DrawHistogramGraph() override { targets.push_back(g_seriesTargetCount); }
    } display;
    DrawSamples(300, 4, display);
    ASSERT_FALSE(display.targets.empty());
    EXPECT_EQ(display.targets.front(), 300);
    g_addMoreMode = 1;
    display.targets.clear();
    DrawSamples(200, 4, display);
    EXPECT_EQ(display.targets.front(), 500);
}

} // namespace
