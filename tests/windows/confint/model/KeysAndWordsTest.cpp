// The Confidence Intervals window by the keyboard and in words, Qt-free: a
// key step of the possible mean is a drag by one pixel, a typed one stands
// exactly where it was typed on the axis, the rows a key selects, and the
// graph and the possible-mean display in words.
#include "core/SimulationState.h"
#include "windows/confint/ConfIntervalDescription.h"
#include "windows/confint/IntervalGeometry.h"
#include "windows/confint/IntervalSeries.h"
#include "windows/confint/StripGeometry.h"

#include <gtest/gtest.h>

namespace {

class CiKeys : public ::testing::Test {
  protected:
    void SetUp() override {
        ResetSimulationState();
        SetConfIntervalLayout(509, 540);
        g_ciFirstSample = 1;
        g_popMean = 5.0f;
        g_popSD = 1.0f;
    }
    static void Series(int n) {
        g_samplesDrawn = n;
        for (int r = 1; r <= n; ++r) {
            g_sampleStore[r].mean = 5.0f + (r % 7 - 3) * 0.1f;
            g_sampleStore[r].sd = 1.0f;
            g_sortedMeanSampleNo[r] = r;
        }
    }
};

TEST_F(CiKeys, AStepOfThePossibleMeanIsADragByOnePixel) {
    for (const bool binomial : {false, true}) {
        g_isBinomial = binomial;
        g_ciPopMean = binomial ? 0.5f : 5.0f;
        MovePossibleMuByPixels(1);
        const float keyed = g_ciPopMean;
        g_ciPopMean = binomial ? 0.5f : 5.0f;
        g_ciDragLastX = 100;
        DragPossibleMuTo(101);
        EXPECT_EQ(keyed, g_ciPopMean);
        MovePossibleMuByPixels(-10000);
        EXPECT_EQ(g_ciPopMean, 0.0f);
    }
}

TEST_F(CiKeys, ATypedPossibleMeanIsReadOnTheScaleOfItsLabel) {
    ASSERT_TRUE(SetPossibleMuFromTyped("6.37"));
    EXPECT_FLOAT_EQ(g_ciPopMean, 6.37f);
    EXPECT_EQ(PossibleMuNumberText(), "6.37");
    ASSERT_TRUE(SetPossibleMuFromTyped("12"));
    EXPECT_EQ(g_ciPopMean, 10.0f);
    // Shown as mean 100, SD 15.
    g_dispFromMean = 5.0f;
    g_dispToMean = 100.0f;
    g_dispScale = 15.0f;
    ASSERT_TRUE(SetPossibleMuFromTyped("85"));
    EXPECT_FLOAT_EQ(g_ciPopMean, 4.0f);
    EXPECT_EQ(PossibleMuNumberText(), "85.00");
    // A proportion is typed as a proportion.
    g_dispFromMean = g_dispToMean = 0.0f;
    g_dispScale = 1.0f;
    g_isBinomial = 1;
    ASSERT_TRUE(SetPossibleMuFromTyped("0.35"));
    EXPECT_FLOAT_EQ(g_ciPopMean, 0.35f);
    ASSERT_TRUE(SetPossibleMuFromTyped("-1"));
    EXPECT_EQ(g_ciPopMean, 0.0f);
    for (const char* slip : {"", "p", "inf", "0.3.5"}) {
        EXPECT_FALSE(SetPossibleMuFromTyped(slip)) << slip;
        EXPECT_EQ(g_ciPopMean, 0.0f);
    }
}

TEST_F(CiKeys, KeysSelectTheNextRowsWithinTheSeries) {
    EXPECT_EQ(SteppedRow(1), 0); // no series
    Series(500);
    g_ciFirstSample = 290;
    EXPECT_EQ(SteppedRow(1), 290); // none selected: the page's first row
    SelectRow(290);
    EXPECT_EQ(SteppedRow(1), 291);
    EXPECT_EQ(SteppedRow(-1), 289);
    EXPECT_EQ(SteppedRow(100000), 500);
    EXPECT_EQ(SteppedRow(-100000), 1);
}

TEST_F(CiKeys, TheGraphAndThePossibleMeanInWords) {
    EXPECT_EQ(IntervalGraphDescription(25),
              "Graph of 95% confidence intervals: no samples drawn yet");
    Series(1000);
    g_ciFirstSample = 790;
    g_ciInCount = 951;
    g_ciOutCount = 49;
    EXPECT_EQ(IntervalGraphDescription(25),
              "Graph of 95% confidence intervals of 1,000 samples, 790 to 1,000 shown: 951 "
              "contain the population mean 5.00 and 49 miss it.");
    // Sample 12 has the mean 5.2: 5.2 -+ 1.96 x 1 / 5.
    SelectRow(12);
    EXPECT_EQ(IntervalGraphDescription(25),
              "Graph of 95% confidence intervals of 1,000 samples, 790 to 1,000 shown: 951 "
              "contain the population mean 5.00 and 49 miss it. Selected sample 12: low = 4.81, "
              "high = 5.59, centre 5.20; it contains the population mean 5.00.");
    // One-sided with its low end only: 5.2 - 1.645 x 1 / 5.
    g_ciOneSided = 1;
    g_ciLowEnd = 1;
    ComputeCriticalValue(25, 95);
    EXPECT_EQ(IntervalGraphDescription(25),
              "Graph of 95% one-sided (low end) confidence intervals of 1,000 samples, 790 to "
              "1,000 shown: 951 contain the population mean 5.00 and 49 miss it. Selected sample "
              "12: low = 4.87, centre 5.20; it contains the population mean 5.00.");

    g_ciOneSided = 0;
    ComputeCriticalValue(25, 95);
    g_ciPopMean = 5.5f;
    ComputeSelectedStrip(25);
    EXPECT_EQ(PossibleMuDescription(25),
              "Sampling distribution of the mean for a possible \u03bc = 5.50: plausible");
    g_ciPopMean = 6.0f;
    EXPECT_EQ(PossibleMuDescription(25),
              "Sampling distribution of the mean for a possible \u03bc = 6.00: not plausible");
}

} // namespace
