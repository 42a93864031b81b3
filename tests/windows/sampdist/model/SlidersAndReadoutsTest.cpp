#include "tests/windows/sampdist/model/SampDistFixture.h"

#include <cstdlib>

namespace {
// Pixel of a value at zoom 1: 35 pixels per unit from the axis start.
int PixelOf(float value) {
    return 251 + static_cast<int>(value * 35);
}
double Number(const std::string& text) {
    return std::atof(text.c_str());
}
} // namespace

TEST_F(SampDistModelTest, SliderHandlesFollowTheMouseWithinTheAxisOrHide) {
    SetSliderFromPixel(PixelOf(6.0f), true, 1, "4", width);
    EXPECT_FLOAT_EQ(g_leftSliderZ, 1.0f);
    EXPECT_EQ(g_leftSliderRect, (Rect{460, 394, 466, 412}));
    SetSliderFromPixel(100, true, 1, "4", width); // past the start: stops there
    EXPECT_FLOAT_EQ(g_leftSliderZ, -5.0f);
    // Shown from one unit left of the axis start to its far end.
    for (auto [z, hidden] : {std::pair{-6.0f, 0}, {5.2f, 0}, {5.3f, 1}}) {
        g_leftSliderZ = z;
        PlaceLeftSlider(1);
        EXPECT_EQ(g_leftSliderHidden, hidden) << z;
        EXPECT_EQ(g_leftSliderRect.IsEmpty(), hidden == 1) << z; // nothing left to grab
    }
    // Width 0.1 at position 31 shows 3.0 .. 8.1.
    ChooseBinWidth(BinWidth::Narrow, 31, "4");
    g_rightSliderZ = -3.0f;
    PlaceRightSlider(31);
    EXPECT_EQ(g_rightSliderRect.left, 251 + 1 - 70 - 2);
    // No standard error: every slider at the mean, and z 0 rather than a division by 0.
    g_standardError = 0.0f;
    PlaceRightSlider(31);
    EXPECT_EQ(g_rightSliderRect.left, 251 + 1 + 140 - 2);
    g_popSD = 0.0f;
    SetSliderFromPixel(PixelOf(8.0f), true, 1, "4", width);
    EXPECT_FLOAT_EQ(g_leftSliderZ, 0.0f);
}

TEST_F(SampDistModelTest, TwoSeparateSlidersKeepTheirOrder) {
    TwoSlidersSeparate();
    EXPECT_FLOAT_EQ(g_rightSliderZ, 0.0f); // together at the start, and they stay so
    g_leftSliderZ = -1.0f;
    g_rightSliderZ = 1.0f;
    RecomputeSliderValues();
    // The left one stops 0.01 short of the right one, or on it; and back.
    SetSliderFromPixel(PixelOf(7.0f), true, 1, "4", width);
    EXPECT_FLOAT_EQ(g_leftSliderZ, 0.99f);
    SetSliderFromPixel(PixelOf(6.0f), true, 1, "4", width);
    EXPECT_FLOAT_EQ(g_leftSliderZ, 1.0f);
    SetSliderFromPixel(PixelOf(3.0f), false, 1, "4", width);
    EXPECT_FLOAT_EQ(g_rightSliderZ, 1.01f);
    EXPECT_FLOAT_EQ(g_rightSliderValue, 6.01f);
    // Choosing the mode again puts a crossed pair back in order: the left one
    // 0.1 left of the right one.
    g_leftSliderZ = 0.5f;
    g_rightSliderZ = 0.2f;
    TwoSlidersSeparate();
    EXPECT_FLOAT_EQ(g_leftSliderZ, 0.1f);
    EXPECT_FLOAT_EQ(g_leftSliderValue, 5.1f);
}

TEST_F(SampDistModelTest, TandemSlidersMirrorAboutTheMean) {
    g_leftSliderZ = 1.5f;
    TwoSlidersTandem();
    EXPECT_EQ(g_oneSlider + 2 * g_slidersTandem, 2);
    EXPECT_FLOAT_EQ(g_leftSliderZ, -1.5f);
    EXPECT_FLOAT_EQ(g_rightSliderZ, 1.5f);
    EXPECT_FLOAT_EQ(g_leftSliderValue, 3.5f);
    EXPECT_FLOAT_EQ(g_rightSliderValue, 6.5f);
    SetSliderFromPixel(PixelOf(3.0f), true, 1, "4", width);
    EXPECT_FLOAT_EQ(g_rightSliderZ, 2.0f);
    SetSliderFromPixel(PixelOf(6.0f), false, 1, "4", width);
    EXPECT_FLOAT_EQ(g_leftSliderValue, 4.0f);
    // Dragged across the mean the pair meets there instead of swapping sides.
    SetSliderFromPixel(PixelOf(6.0f), true, 1, "4", width);
    EXPECT_FLOAT_EQ(g_leftSliderZ, 0.0f);
    EXPECT_FLOAT_EQ(g_rightSliderZ, 0.0f);
    OneSlider();
    EXPECT_EQ(g_oneSlider + 2 * g_slidersTandem, 1);
}

TEST_F(SampDistModelTest, SampleSizeKeepsValuesOrStandardErrors) {
    // Observed values: the slider stays at 6 on the axis, its z follows.
    g_leftSliderZ = 1.0f;
    g_leftSliderValue = 6.0f;
    EXPECT_EQ(ReadSampleSize("16", width), 16);
    EXPECT_EQ(width, "0.500");
    EXPECT_FLOAT_EQ(g_leftSliderZ, 2.0f);
    // z values: the slider keeps z = 2 and moves on the axis.
    g_showZValues = 1;
    ReadSampleSize("4", width);
    EXPECT_FLOAT_EQ(g_leftSliderValue, 7.0f);
    // No usable sample size: empty readout, standard error as it was.
    EXPECT_EQ(ReadSampleSize("-3", width), -3);
    EXPECT_EQ(width, "");
    EXPECT_FLOAT_EQ(g_standardError, 1.0f);
    EXPECT_EQ(ReadSampleSize(" 25abc", width), 25);
    // A display scale multiplies the readout; proportions show four decimals
    // of the plain standard error.
    g_dispScale = 10.0f;
    ReadSampleSize("4", width);
    EXPECT_EQ(width, "10.000");
    UseProportions();
    EXPECT_EQ(width, "0.1000");

    // Without a standard error or a display scale the sliders keep their z
    // rather than becoming "nan".
    g_isBinomial = g_showZValues = 0;
    g_isContinuous = 1;
    g_leftSliderZ = 1.5f;
    g_popSD = 0.0f;
    ReadSampleSize("4", width);
    EXPECT_EQ(width, "0.000");
    EXPECT_FLOAT_EQ(g_leftSliderZ, 1.5f);
    g_popSD = 2.0f;
    g_dispScale = 0.0f;
    ReadSampleSize("4", width);
    EXPECT_FLOAT_EQ(g_leftSliderZ, 1.5f);
}

// --- Readouts -------------------------------------------------------------------

TEST_F(SampDistModelTest, OneSliderCountsAndProportions) {
    SetSeries(Means({3, 4, 5, 6, 7}));
    // z = 0, below: the mean itself counts as below; the normal half of five
    // samples is 2.5, rounded half up.
    SliderReadouts r = UpdateSliderReadouts("4", "5");
    EXPECT_EQ(g_leftCount, 3);
    EXPECT_EQ(r.actualNumber, "3");
    EXPECT_EQ(r.actualProportion, "0.6000");
    EXPECT_EQ(r.normalProportion, "0.5000");
    EXPECT_EQ(r.normalNumber, "3");
    EXPECT_EQ(r.tProportion, "0.5000");
    EXPECT_EQ(r.tNumber, "3");
    // Above counts only samples strictly beyond the threshold.
    g_proportionAbove = 1;
    r = UpdateSliderReadouts("4", "5");
    EXPECT_EQ(r.actualNumber, "2");
    EXPECT_EQ(r.actualProportion, "0.4000");
    // A proportion of exactly 1 has three decimals.
    g_proportionAbove = 0;
    g_leftSliderZ = 3.0f;
    r = UpdateSliderReadouts("4", "5");
    EXPECT_EQ(r.actualProportion, "1.000");
    EXPECT_NEAR(Number(r.normalProportion), 0.9987, 0.0002);
    // 19 of 20 below.
    std::vector<float> means(19, 4.0f);
    means.push_back(9.0f);
    SetSeries(Means(means));
    g_leftSliderZ = 0.0f;
    r = UpdateSliderReadouts("4", "20");
    EXPECT_EQ(r.actualProportion, "0.9500");
    EXPECT_EQ(r.normalNumber, "10");
}

TEST_F(SampDistModelTest, ReadoutsWithoutSamplesOrWithoutAtDistribution) {
    // No samples: empty actual fields; the expected numbers come from the
    // Number of Samples field (11 x 0.5 = 5.5 -> 6).
    SliderReadouts r = UpdateSliderReadouts("4", "11");
    EXPECT_EQ(r.actualNumber + r.actualProportion, "");
    EXPECT_EQ(r.normalNumber, "6");
    EXPECT_EQ(r.tNumber, "6");
    // Below a sample size of 2 there is no t distribution, in every mode.
    SetSeries(Means({3, 4, 5, 6, 7}));
    for (int mode = 0; mode < 3; ++mode) {
        g_oneSlider = mode == 0;
        g_slidersTandem = mode == 2;
        for (const char* n : {"1", "0", "", "x"}) {
            r = UpdateSliderReadouts(n, "5");
            EXPECT_EQ(r.tNumber + r.tProportion, "") << n;
            EXPECT_FALSE(r.normalProportion.empty());
        }
    }
    // n = 2 is a t with one degree of freedom (Cauchy): P(T > 1) = 0.25.
    OneSlider();
    g_proportionAbove = 1;
    g_leftSliderZ = 1.0f;
    r = UpdateSliderReadouts("2", "5");
    EXPECT_EQ(r.tProportion, "0.2500");
    EXPECT_EQ(r.tNumber, "1");
}

TEST_F(SampDistModelTest, TwoSlidersBetweenAndOutside) {
    SetSeries(Means({3, 4, 5, 6, 7}));
    g_oneSlider = 0;
    g_leftSliderZ = -1.5f; // at 3.5
    g_rightSliderZ = 1.0f; // at 6
    const SliderReadouts between = UpdateSliderReadouts("4", "5");
    EXPECT_EQ(between.actualNumber, "3");
    EXPECT_EQ(between.actualProportion, "0.6000");
    g_proportionAbove = 1;
    const SliderReadouts outside = UpdateSliderReadouts("4", "5");
    EXPECT_EQ(outside.actualNumber, "2");
    // P(-1.5 < Z < 1) is about 0.7745; between and outside make up the whole.
    const double pBetween = Number(between.normalProportion);
    EXPECT_NEAR(pBetween, 0.7745, 0.001);
    EXPECT_NEAR(pBetween + Number(outside.normalProportion), 1.0, 0.0002);
    // Three degrees of freedom: heavier tails.
    EXPECT_LT(Number(between.tProportion), pBetween);
    EXPECT_NEAR(Number(between.tProportion) + Number(outside.tProportion), 1.0, 0.0002);
}

TEST_F(SampDistModelTest, TValuesLeaveOutSamplesWithoutSpread) {
    g_showTValues = 1;
    // t of (6, 2) is 1 -> 6 on the scale of the means; (4, 2) -> 4; SD 0 and
    // the one-value marker have no t value.
    SetSeries({{6.0f, 2.0f}, {6.0f, 0.0f}, {4.0f, 2.0f}, {5.0f, -1.0f}});
    const SliderReadouts r = UpdateSliderReadouts("4", "4");
    EXPECT_EQ(r.actualNumber, "1");
    EXPECT_EQ(r.actualProportion, "0.5000");
    g_sdSampleSize = 16; // the field's n scales the t value: now 2
    EXPECT_FLOAT_EQ(SampleStatistic(1), 7.0f);
}

TEST_F(SampDistModelTest, NoReadoutIsEverNanOrInf) {
    auto clean = [](const SliderReadouts& r) {
        for (const std::string& s : {r.actualNumber, r.actualProportion, r.normalNumber,
                                     r.normalProportion, r.tNumber, r.tProportion})
            if (s.find("nan") != std::string::npos || s.find("inf") != std::string::npos)
                return false;
        return true;
    };
    SetSeries(Means({3, 4, 5, 6, 7}));
    for (int mode = 0; mode < 6; ++mode) {
        g_oneSlider = mode % 3 == 0;
        g_slidersTandem = mode % 3 == 2;
        g_proportionAbove = mode / 3;
        g_popSD = 0.0f; // no standard error at all
        ReadSampleSize("4", width);
        EXPECT_TRUE(clean(UpdateSliderReadouts("4", "5")));
        g_popSD = 2.0f; // no display scale
        g_dispScale = 0.0f;
        ReadSampleSize("9", width);
        EXPECT_TRUE(clean(UpdateSliderReadouts("9", "5")));
        g_dispScale = 1.0f;
        g_showTValues = 1; // a sample size of 0 with t values
        ReadSampleSize("0", width);
        EXPECT_TRUE(clean(UpdateSliderReadouts("0", "")));
        g_showTValues = 0;
        g_samplesDrawn = 0; // no samples and no Number of Samples
        EXPECT_TRUE(clean(UpdateSliderReadouts("", "")));
        g_samplesDrawn = 5;
    }
}
