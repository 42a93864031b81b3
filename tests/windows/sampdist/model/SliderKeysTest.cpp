// The sliders by the keyboard, Qt-free: a key step is a drag by one pixel
// from where the slider stands, a typed number is a drag to that number on
// the shown scale, held to the visible axis; and the histogram in words.
#include "core/Population.h"
#include "core/SimulationState.h"
#include "windows/sampdist/HistogramDescription.h"
#include "windows/sampdist/SampDistModel.h"
#include "windows/sampdist/SliderModel.h"

#include <gtest/gtest.h>

#include <string>

namespace {

class SliderKeys : public ::testing::Test {
  protected:
    void SetUp() override {
        ResetSimulationState();
        SetSamplingDistLayout(624, 446);
        // Mean 5 and SD 2: at n = 4 one standard error is 1.
        g_popMean = 5.0f;
        g_popSD = 2.0f;
        width = ReadSampleSize(4);
    }
    void Step(bool left, int pixels, int scrollPos = 1) {
        SetSliderFromPixel(SliderAxisPixel(left, scrollPos) + pixels, left, scrollPos, 4, width);
    }
    std::string width;
};

// Every width, both kinds: a run of single steps moves the slider's pixel
// by exactly one each time, never sticking on a truncation, and the same
// number of steps back brings it home.
TEST_F(SliderKeys, EachStepIsOnePixelAtEveryWidth) {
    struct Case {
        BinWidth width;
        int scrollPos;
        bool binomial;
    };
    const Case cases[] = {{BinWidth::Wide, 1, false},    {BinWidth::Medium, 1, false},
                          {BinWidth::Narrow, 20, false}, {BinWidth::Finest, 90, false},
                          {BinWidth::Medium, 1, true},   {BinWidth::Finest, 40, true}};
    for (const Case& c : cases) {
        SCOPED_TRACE(static_cast<int>(c.width));
        if (c.binomial) {
            g_isContinuous = 0;
            g_isBinomial = 1;
            g_popMean = 0.4f;
            g_popSD = 0.4898979f;
        }
        width = ReadSampleSize(4);
        ChooseBinWidth(c.width, c.scrollPos, 4);
        const int pos = EffectiveScrollPos(c.scrollPos);
        SetSliderFromPixel(g_sdAxisLeft + 40, true, pos, 4, width);
        const int start = SliderAxisPixel(true, pos);
        ASSERT_EQ(start, g_sdAxisLeft + 40);
        for (int i = 1; i <= 120; ++i) {
            Step(true, 1, pos);
            ASSERT_EQ(SliderAxisPixel(true, pos), start + i) << "step " << i;
        }
        Step(true, -10, pos);
        EXPECT_EQ(SliderAxisPixel(true, pos), start + 110);
        for (int i = 0; i < 110; ++i)
            Step(true, -1, pos);
        EXPECT_EQ(SliderAxisPixel(true, pos), start);
    }
}

TEST_F(SliderKeys, StepsKeepTheRulesOfADrag) {
    // At the axis' ends the slider stays.
    SetSliderFromPixel(g_sdAxisLeft, true, 1, 4, width);
    Step(true, -1);
    EXPECT_EQ(SliderAxisPixel(true, 1), g_sdAxisLeft);
    SetSliderFromPixel(g_sdAxisRight, true, 1, 4, width);
    Step(true, 10);
    EXPECT_EQ(SliderAxisPixel(true, 1), g_sdAxisRight);
    // Two separate sliders do not cross; tandem ones mirror about the mean.
    TwoSlidersSeparate();
    g_leftSliderZ = -1.0f;
    g_rightSliderZ = -0.99f;
    Step(true, 5);
    EXPECT_LT(g_leftSliderZ, g_rightSliderZ);
    TwoSlidersTandem();
    g_leftSliderZ = -1.0f;
    g_rightSliderZ = 1.0f;
    Step(false, 7);
    EXPECT_FLOAT_EQ(g_leftSliderZ, -g_rightSliderZ);
    EXPECT_GT(g_rightSliderZ, 1.0f);
}

TEST_F(SliderKeys, ATypedNumberIsReadOnTheShownScale) {
    struct Case {
        const char* typed;
        int z, t; // the statistic shown
        float z0; // the slider's z after
        const char* label;
    };
    // n = 4: one standard error is 1 on the mean's scale.
    const Case cases[] = {
        {"6.5", 0, 0, 1.5f, "x = 6.50"},      {" 3.25 ", 0, 0, -1.75f, "x = 3.25"},
        {"1.96", 1, 0, 1.96f, "z = 1.96"},    {"-2.5", 0, 1, -2.5f, "t = -2.50"},
        {"+4e-1", 1, 0, 0.4f, "z = 0.40"},    {"99", 0, 0, 0.0f, ""},
        {"-1e300", 1, 0, -5.0f, "z = -5.00"}, {"-0.001", 1, 0, -0.001f, "z = 0.00"},
        {"-0.004", 0, 1, -0.004f, "t = 0.00"}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.typed);
        g_showZValues = c.z;
        g_showTValues = c.t;
        ASSERT_TRUE(SetSliderFromTyped(c.typed, true, 1, 4, width));
        if (*c.label == '\0') {
            // Beyond the axis: held at its end, as a drag past it is.
            EXPECT_EQ(SliderAxisPixel(true, 1), g_sdAxisRight);
            continue;
        }
        EXPECT_NEAR(g_leftSliderZ, c.z0, 1e-5);
        EXPECT_EQ(SliderLabelText(g_leftSliderZ, false), c.label);
    }
    // On a shown scale of mean 100 and SD 15 (one standard error 7.5).
    g_showZValues = g_showTValues = 0;
    g_dispFromMean = 5.0f;
    g_dispToMean = 100.0f;
    g_dispScale = 7.5f;
    ASSERT_TRUE(SetSliderFromTyped("107.5", true, 1, 4, width));
    EXPECT_NEAR(g_leftSliderZ, 1.0f, 1e-5);
    EXPECT_EQ(SliderNumberText(true), "107.50");
    // A hair below a shown 0 reads 0.00, as any label of it does.
    g_dispToMean = 0.0f;
    ASSERT_TRUE(SetSliderFromTyped("-0.003", true, 1, 4, width));
    EXPECT_EQ(SliderLabelText(g_leftSliderZ, false), "x = 0.00");
}

TEST_F(SliderKeys, ANewShownScaleLeavesTheSliderWhereItStoodAgainstThePopulation) {
    ASSERT_TRUE(SetSliderFromTyped("6.5", true, 1, 4, width)); // 1.5 SE above the mean
    struct Case {
        float mean, sd;
        const char* label; // 1.5 shown SEs (sd / 2) above the shown mean
    };
    for (const Case& c : {Case{100, 15, "x = 111.25"}, {0, 1, "x = 0.75"}, {50, 10, "x = 57.50"}}) {
        SCOPED_TRACE(c.label);
        ASSERT_TRUE(SetDisplayTarget(c.mean, c.sd));
        width = ReadSampleSize(4);
        EXPECT_NEAR(g_leftSliderZ, 1.5f, 1e-4);
        EXPECT_EQ(SliderLabelText(g_leftSliderZ, false), c.label);
    }
    ResetDisplayTransform(); // DEFAULT
    width = ReadSampleSize(4);
    EXPECT_NEAR(g_leftSliderZ, 1.5f, 1e-4);
    EXPECT_EQ(SliderLabelText(g_leftSliderZ, false), "x = 6.50");
}

TEST_F(SliderKeys, ATypedSlipMovesNothing) {
    g_leftSliderZ = 0.5f;
    for (const char* typed : {"", "  ", "abc", "5,5", "1.5x", "nan", "inf", "-", "1e999", "0x10"}) {
        SCOPED_TRACE(typed);
        EXPECT_FALSE(SetSliderFromTyped(typed, true, 1, 4, width));
        EXPECT_FLOAT_EQ(g_leftSliderZ, 0.5f);
    }
}

TEST_F(SliderKeys, TheHistogramInWords) {
    std::string none = HistogramDescription("", "");
    EXPECT_EQ(none, "Histogram of sample means: no samples drawn yet");
    g_samplesDrawn = 1000;
    g_meanOfMeans = 5.0123f;
    g_sdOfMeans = 0.3611f;
    EXPECT_EQ(HistogramDescription("", ""), "Histogram of 1,000 sample means: mean 5.01, SD 0.361");
    g_leftSliderZ = 0.5f;
    g_proportionAbove = 1;
    EXPECT_EQ(HistogramDescription("310", "0.3100"),
              "Histogram of 1,000 sample means: mean 5.01, SD 0.361; 310 of them (0.3100) lie "
              "above x = 5.50");
    g_proportionAbove = 0;
    TwoSlidersSeparate();
    g_leftSliderZ = -1.0f;
    g_rightSliderZ = 1.0f;
    g_showZValues = 1;
    EXPECT_EQ(HistogramDescription("680", "0.6800"),
              "Histogram of the z values of 1,000 sample means; the means have mean 5.01, SD "
              "0.361; 680 of them (0.6800) lie above z = -1.00 and at or below z = 1.00");
    g_proportionAbove = 1;
    EXPECT_TRUE(HistogramDescription("320", "0.3200")
                    .ends_with("320 of them (0.3200) lie at or below z = -1.00 or above z = 1.00"));
    g_showZValues = 0;
    g_isContinuous = 0;
    g_isBinomial = 1;
    g_samplesDrawn = 1;
    g_meanOfMeans = 0.4f;
    EXPECT_EQ(HistogramDescription("", ""), "Histogram of 1 sample proportion: mean 0.40");
}

} // namespace
