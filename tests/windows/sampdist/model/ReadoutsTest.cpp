#include "tests/windows/sampdist/model/SampDistFixture.h"

#include <cstdlib>

namespace {
double Number(const std::string& text) {
    return std::atof(text.c_str());
}
} // namespace

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
