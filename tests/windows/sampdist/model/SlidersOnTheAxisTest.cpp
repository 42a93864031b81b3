// The sliders' model, Qt-free: a slider counts from the number its label
// shows, stands on the axis after any change, and splits the series into the
// counted and the rest per column, with the samples beyond the columns apart.
#include "core/SamplingEngine.h"
#include "core/SimulationState.h"
#include "windows/sampdist/SampDistModel.h"
#include "windows/sampdist/SliderModel.h"

#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

namespace {

class SlidersOnTheAxis : public ::testing::Test {
  protected:
    void SetUp() override {
        ResetSimulationState();
        SetSamplingDistLayout(624, 446);
        // Mean 5 and SD 2: at n = 4 one standard error is 1, and the axis
        // (0 to 365 / 35 = 10.43) spans z from -5 to 5.43.
        g_popMean = 5.0f;
        g_popSD = 2.0f;
        width = ReadSampleSize(4);
    }
    // Rows 1..N with the given (mean, sd).
    static void SetRows(const std::vector<std::pair<float, float>>& rows) {
        for (std::size_t i = 0; i < rows.size(); ++i)
            std::tie(g_sampleStore[i + 1].mean, g_sampleStore[i + 1].sd) = rows[i];
        g_samplesDrawn = static_cast<int>(rows.size());
    }
    std::string width;
};

TEST_F(SlidersOnTheAxis, OffTheAxisTheyComeBackToTheNearerEnd) {
    const float end = AxisPixelToValue(g_sdAxisRight, 1);
    ASSERT_NEAR(end, 10.43f, 0.01f);
    g_leftSliderZ = 7.0f; // threshold 12
    KeepSlidersOnAxis();
    EXPECT_FLOAT_EQ(SliderThreshold(g_leftSliderZ), end);
    EXPECT_FLOAT_EQ(g_leftSliderValue, end);
    // Two separate sliders: each to its own end; on the axis they stay.
    TwoSlidersSeparate();
    g_leftSliderZ = -9.0f;
    g_rightSliderZ = 2.5f;
    KeepSlidersOnAxis();
    EXPECT_FLOAT_EQ(g_leftSliderZ, -5.0f);
    EXPECT_FLOAT_EQ(g_rightSliderZ, 2.5f);
    // Tandem: mirrored as far out as the nearer end allows (z = 5 at the start).
    TwoSlidersTandem();
    g_leftSliderZ = -6.0f;
    g_rightSliderZ = 6.0f;
    KeepSlidersOnAxis();
    EXPECT_FLOAT_EQ(g_leftSliderZ, -5.0f);
    EXPECT_FLOAT_EQ(g_rightSliderZ, 5.0f);
    // At the finest width the whole axis ends at about 10.1.
    ChooseBinWidth(BinWidth::Finest, 1, 4);
    OneSlider();
    g_leftSliderZ = 5.3f;
    KeepSlidersOnAxis();
    EXPECT_FLOAT_EQ(SliderThreshold(g_leftSliderZ), AxisPixelToValue(g_sdAxisRight, 151));
}

TEST_F(SlidersOnTheAxis, TheCountStartsAtTheNumberTheLabelShows) {
    // A proportion a float step below 0.1 reads 0.100 and counts 0.1.
    g_isContinuous = 0;
    g_isBinomial = 1;
    g_popMean = 0.3f;
    g_popSD = 0.45825757f;
    width = ReadSampleSize(10);
    g_leftSliderZ = static_cast<float>((0.0999999 - 0.3) / (g_standardError * 0.1));
    ASSERT_EQ(SliderLabelText(g_leftSliderZ, false), "p = 0.100");
    EXPECT_DOUBLE_EQ(CountingThreshold(g_leftSliderZ), 0.1);
    SetRows({{0.0f, 0.0f}, {0.1f, 0.3f}, {1.0f / 10, 0.3f}, {0.2f, 0.4f}});
    EXPECT_EQ(CountAtOrBelow(g_leftSliderZ), 3);
    // On a shown scale of mean 100 and SD 15: 107.4999 reads 107.50, which is 6.
    g_isBinomial = 0;
    g_isContinuous = 1;
    g_popMean = 5.0f;
    g_popSD = 2.0f;
    width = ReadSampleSize(4);
    g_dispFromMean = 5.0f;
    g_dispToMean = 100.0f;
    g_dispScale = 7.5f;
    g_leftSliderZ = 0.99999f;
    EXPECT_NEAR(CountingThreshold(g_leftSliderZ), 6.0, 1e-9);
}

TEST_F(SlidersOnTheAxis, TheSplitKeepsTheSamplesBeyondTheColumnsApart) {
    // t values of samples of 4 on the scale of the means: 5 + (m - 5) / (s / 2).
    g_showTValues = 1;
    g_sdSampleSize = 4;
    SetRows({{1.0f, 1.0f},   // -3: below the columns
             {2.4f, 1.0f},   // -0.2: below them too, not in the first
             {2.525f, 1.0f}, // 0.05: the first column
             {4.475f, 1.0f}, // 3.95
             {5.0f, 2.0f},   // 5
             {5.5f, 1.0f},   // 6
             {8.5f, 1.0f},   // 12: beyond the last column
             {6.0f, 0.0f}}); // no t value
    TwoSlidersTandem();
    g_leftSliderZ = -1.01f; // at 3.99
    g_rightSliderZ = 1.01f; // at 6.01
    g_proportionAbove = 1;  // outside
    SliderSplit split;
    SplitBySliders(split);
    EXPECT_EQ(split.total, 7);
    EXPECT_EQ(split.counted, 5); // -3, -0.2, 0.05, 3.95 and 12
    EXPECT_EQ(split.below.samples + 10 * split.below.counted, 22);
    EXPECT_EQ(split.beyond.samples + 10 * split.beyond.counted, 11);
    // The column of 3.95 (bin 21, 3.9 up to 4.1) holds it at or below the
    // left slider; that of 6 (bin 31) holds it between the two.
    EXPECT_EQ(split.atOrBelowLeft[21], 1);
    EXPECT_EQ(split.atOrBelowLeft[31] + 10 * split.atOrBelowRight[31], 10);
    EXPECT_EQ(split.atOrBelowLeft[1], 1);
    Rebin(4);
    EXPECT_EQ(g_meanHistogram[1], 1);
    EXPECT_EQ(UpdateSliderReadouts(4, 8).actualNumber, "5");

    // Zoomed to width 0.1 and scrolled to start at 3 (position 31, columns
    // from 2.95 to 8.15 in view): -3, -0.2 and 0.05 are out of sight on the
    // left, 12 on the right, and all four are counted.
    g_binWidthNarrow = 1;
    SplitBySliders(split, 31);
    EXPECT_EQ(split.below.samples + 10 * split.below.counted, 33);
    EXPECT_EQ(split.beyond.samples + 10 * split.beyond.counted, 11);
}

} // namespace
