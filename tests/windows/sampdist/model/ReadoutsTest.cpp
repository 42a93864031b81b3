#include "tests/windows/sampdist/model/SampDistFixture.h"

#include <cstdlib>

namespace {
bool HasNoNumberWords(const SliderReadouts& r) {
    for (const std::string* s : {&r.actualNumber, &r.actualProportion, &r.normalNumber,
                                 &r.normalProportion, &r.tNumber, &r.tProportion}) {
        if (s->find("nan") != std::string::npos || s->find("inf") != std::string::npos)
            return false;
    }
    return true;
}
} // namespace

TEST_F(SampDistModelTest, OneSliderCountsAndProportions) {
    SetSeries(Means({3, 4, 5, 6, 7}));

    // z = 0, below: the mean itself counts as below; the normal half of five
    // samples is 2.5, rounded half up.
    SliderReadouts r = UpdateSliderReadouts("4", "5");
    EXPECT_EQ(g_sdSampleSize, 4);
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
    EXPECT_EQ(r.normalProportion, "0.5000");

    // A proportion of exactly 1 has three decimals.
    g_proportionAbove = 0;
    g_leftSliderZ = 3.0f;
    r = UpdateSliderReadouts("4", "5");
    EXPECT_EQ(r.actualNumber, "5");
    EXPECT_EQ(r.actualProportion, "1.000");
    EXPECT_NEAR(std::atof(r.normalProportion.c_str()), 0.9987, 0.0002);

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
    EXPECT_EQ(r.actualNumber, "");
    EXPECT_EQ(r.actualProportion, "");
    EXPECT_EQ(r.normalNumber, "6");
    EXPECT_EQ(r.tNumber, "6");

    // Below a sample size of 2 there is no t distribution, in every mode.
    SetSeries(Means({3, 4, 5, 6, 7}));
    for (int mode = 0; mode < 3; ++mode) {
        g_oneSlider = mode == 0;
        g_slidersTandem = mode == 2;
        for (const char* n : {"1", "0", "", "x"}) {
            r = UpdateSliderReadouts(n, "5");
            EXPECT_EQ(r.tNumber, "") << n;
            EXPECT_EQ(r.tProportion, "") << n;
            EXPECT_EQ(r.normalProportion.empty(), false);
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
    SliderReadouts between = UpdateSliderReadouts("4", "5");
    EXPECT_EQ(g_leftCount, 1);
    EXPECT_EQ(g_rightCount, 4);
    EXPECT_EQ(between.actualNumber, "3");
    EXPECT_EQ(between.actualProportion, "0.6000");
    g_proportionAbove = 1;
    SliderReadouts outside = UpdateSliderReadouts("4", "5");
    EXPECT_EQ(outside.actualNumber, "2");
    EXPECT_EQ(outside.actualProportion, "0.4000");

    // P(-1.5 < Z < 1) is about 0.7745; between and outside make up the whole.
    const double pBetween = std::atof(between.normalProportion.c_str());
    const double pOutside = std::atof(outside.normalProportion.c_str());
    EXPECT_NEAR(pBetween, 0.7745, 0.001);
    EXPECT_NEAR(pBetween + pOutside, 1.0, 0.0002);
    const double tBetween = std::atof(between.tProportion.c_str());
    EXPECT_LT(tBetween, pBetween); // three degrees of freedom: heavier tails
    EXPECT_NEAR(tBetween + std::atof(outside.tProportion.c_str()), 1.0, 0.0002);
}

TEST_F(SampDistModelTest, TValuesLeaveOutSamplesWithoutSpread) {
    g_showTValues = 1;
    // t of (6, 2) is 1 -> 6 on the scale of the means; (4, 2) -> 4; SD 0 and
    // the one-value marker have no t value.
    SetSeries({{6.0f, 2.0f}, {6.0f, 0.0f}, {4.0f, 2.0f}, {5.0f, -1.0f}});
    SliderReadouts r = UpdateSliderReadouts("4", "4");
    EXPECT_EQ(g_leftCount, 1);
    EXPECT_EQ(r.actualNumber, "1");
    EXPECT_EQ(r.actualProportion, "0.5000");
    EXPECT_EQ(r.normalNumber, "1");
    EXPECT_EQ(CountAtOrBelow(0.0f), 1);
    // The field's n scales the t value: at n = 16 the first sample's t is 2.
    g_sdSampleSize = 16;
    EXPECT_FLOAT_EQ(SampleStatistic(1), 7.0f);
}

TEST_F(SampDistModelTest, NoReadoutIsEverNanOrInf) {
    SetSeries(Means({3, 4, 5, 6, 7}));
    std::string width;
    for (int mode = 0; mode < 3; ++mode) {
        g_oneSlider = mode == 0;
        g_slidersTandem = mode == 2;
        for (int above = 0; above < 2; ++above) {
            g_proportionAbove = above;
            // No standard error at all.
            g_popSD = 0.0f;
            ReadSampleSize("4", width);
            EXPECT_TRUE(HasNoNumberWords(UpdateSliderReadouts("4", "5")));
            // No display scale.
            g_popSD = 2.0f;
            g_dispScale = 0.0f;
            ReadSampleSize("9", width);
            EXPECT_TRUE(HasNoNumberWords(UpdateSliderReadouts("9", "5")));
            g_dispScale = 1.0f;
            // A sample size of 0 with t values.
            g_showTValues = 1;
            ReadSampleSize("0", width);
            EXPECT_EQ(width, "");
            EXPECT_TRUE(HasNoNumberWords(UpdateSliderReadouts("0", "")));
            g_showTValues = 0;
            // No samples and no Number of Samples.
            const int drawn = g_samplesDrawn;
            g_samplesDrawn = 0;
            EXPECT_TRUE(HasNoNumberWords(UpdateSliderReadouts("", "")));
            g_samplesDrawn = drawn;
        }
    }
}
