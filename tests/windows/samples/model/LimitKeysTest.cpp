// The limits by the keyboard, Qt-free: a key step is a drag by one pixel
// from where the limit stands, a typed number goes where a drag could take
// the limit and stands there exactly; the labels' rectangles; the picture in
// words.
#include "core/Selection.h"
#include "core/SimulationState.h"
#include "windows/samples/SamplesModel.h"

#include <gtest/gtest.h>

#include <string>

namespace {

class LimitKeys : public ::testing::Test {
  protected:
    void SetUp() override {
        ResetSimulationState();
        SetSamplesLayout(kSamplesDesignWidth, kSamplesDesignHeight);
    }
};

TEST_F(LimitKeys, AStepIsADragByOnePixel) {
    // The axis runs from pixel 35 (0) to 255 (10), 22 pixels a unit.
    EXPECT_EQ(LowerLimitPixel(), 35);
    EXPECT_EQ(UpperLimitPixel(), 255);
    DragLowerLimitTo(LowerLimitPixel() + 1);
    EXPECT_EQ(LowerLimitPixel(), 36);
    EXPECT_FLOAT_EQ(g_lowerLimit, 1.0f / 22);
    DragLowerLimitTo(LowerLimitPixel() + 10);
    EXPECT_EQ(LowerLimitPixel(), 46);
    DragUpperLimitTo(UpperLimitPixel() - 10);
    EXPECT_EQ(UpperLimitPixel(), 245);
    // The same steps as a drag: the ends and the other marker hold.
    DragUpperLimitTo(UpperLimitPixel() + 20);
    EXPECT_EQ(UpperLimitPixel(), 255);
    for (int i = 0; i < 300; ++i)
        DragLowerLimitTo(LowerLimitPixel() + 1);
    EXPECT_EQ(g_lowerLimitRect.right + 2, g_upperLimitRect.left + 4);
}

TEST_F(LimitKeys, ATypedNumberStandsExactlyWhereADragCouldPutIt) {
    struct Case {
        bool lower;
        const char* typed;
        float value;
        int pixel;
    };
    const Case cases[] = {
        {true, "3.3", 3.3f, 108},    // 35 + 72.6, to the nearest pixel
        {false, "7.04", 7.04f, 190}, // 35 + 154.88
        // Not past the upper marker, whose left edge stands at 188.
        {true, "9", 153.0f / 22, 188},
        {true, "-4", 0.0f, 35},     // the axis' start
        {false, "1e6", 10.0f, 255}, // its end
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.typed);
        ASSERT_TRUE(c.lower ? SetLowerLimitFromTyped(c.typed) : SetUpperLimitFromTyped(c.typed));
        EXPECT_NEAR(c.lower ? g_lowerLimit : g_upperLimit, c.value, 1e-5);
        EXPECT_EQ(c.lower ? LowerLimitPixel() : UpperLimitPixel(), c.pixel);
    }
    // On a shown scale of mean 100 and SD 15 the typed number is a shown one.
    ResetSamplesWindowState();
    SetSamplesLayout(kSamplesDesignWidth, kSamplesDesignHeight);
    g_dispFromMean = 5.0f;
    g_dispToMean = 100.0f;
    g_dispScale = 3.0f;
    ASSERT_TRUE(SetLowerLimitFromTyped("91"));
    EXPECT_FLOAT_EQ(g_lowerLimit, 2.0f);
    EXPECT_EQ(LowerLimitText(), "91.00");
    // Slips move nothing; a binomial population's limits stay.
    for (const char* slip : {"", "x", "nan", "1..2", "--1"})
        EXPECT_FALSE(SetUpperLimitFromTyped(slip)) << slip;
    EXPECT_EQ(g_upperLimit, 10.0f);
    g_isBinomial = 1;
    EXPECT_TRUE(SetLowerLimitFromTyped("5"));
    EXPECT_FLOAT_EQ(g_lowerLimit, 2.0f);
}

TEST_F(LimitKeys, LabelsStandBesideTheirMarkers) {
    DragLowerLimitTo(101);
    DragUpperLimitTo(189);
    // The lower label ends one unit left of its marker, the upper starts four
    // right of its marker; both tops ten above the markers' bottoms.
    EXPECT_EQ(LowerLimitLabelRect(24, 12), (Rect{72, 268, 96, 280}));
    EXPECT_EQ(UpperLimitLabelRect(24, 12), (Rect{197, 268, 221, 280}));
}

TEST_F(LimitKeys, ThePictureInWords) {
    EXPECT_EQ(SamplesPictureDescription(4), "No samples drawn yet");
    g_samplesDrawn = 1200;
    g_samplesExist = 1;
    g_seriesSampleSize = 4;
    g_currentSampleNo = 12;
    SampleRow& row = g_sampleStore[12];
    const float values[] = {2.0f, 4.0f, 6.0f, 9.0f};
    for (int j = 0; j < 4; ++j)
        row.values[j + 1] = values[j];
    row.mean = 5.25f;
    row.sd = 2.986f;
    g_lowerLimit = 3.0f;
    g_upperLimit = 8.0f;
    EXPECT_EQ(SamplesPictureDescription(4),
              "Sample 12 of 1,200 as a histogram of its 4 values: mean 5.25, SD 2.99; 50% of the "
              "values lie between the limits 3.00 and 8.00");
    g_sortedMeanSampleNo[3] = 12;
    SelectSampleNo(12);
    EXPECT_TRUE(SamplesPictureDescription(4).ends_with("and 8.00; it is the selected sample"));
    g_samplesHistogramView = 0;
    g_currentSampleNo = 1197; // near the end the grid shows the last six
    EXPECT_EQ(SamplesPictureDescription(4),
              "Samples 1,195 to 1,200 of 1,200, each as a small histogram");
}

} // namespace
