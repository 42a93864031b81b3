// The Dorvane window's model, Qt-free: sliders and their readouts, bins and
// the axis, the vertical scale, columns and selection, the normal curve. The
// window stands at its design size with a series built by hand, so no test
// depends on random draws.

#include "windows/sampdist/SampDistModel.h"
#include "core/SamplingEngine.h"
#include "core/SimulationState.h"
#include "windows/sampdist/HistogramModel.h"
#include "windows/sampdist/SliderModel.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>
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
        width = ReadSampleSize(4);
    }
    // Proportions: p = 0.5, so n = 25 gives one standard error of 0.1.
    void UseProportions(int n = 25) {
        g_isContinuous = 0;
        g_isBinomial = 1;
        g_popMean = g_popSD = 0.5f;
        width = ReadSampleSize(n);
    }

    // Rows 1..N get the given (mean, sd); the sorted arrays follow, newer
    // samples before older ones of equal mean, as the engine keeps them.
    static void SetSeries(const std::vector<std::pair<float, float>>& samples) {
        const int n = static_cast<int>(samples.size());
        std::vector<int> order(n);
        std::iota(order.begin(), order.end(), 1);
        for (int r = 1; r <= n; ++r)
            std::tie(g_sampleStore[r].mean, g_sampleStore[r].sd) = samples[r - 1];
        std::stable_sort(order.begin(), order.end(), [](int a, int b) {
            const float ma = g_sampleStore[a].mean, mb = g_sampleStore[b].mean;
            return ma != mb ? ma < mb : a > b;
        });
        for (int k = 1; k <= n; ++k)
            g_sortedMeans[k] = g_sampleStore[g_sortedMeanSampleNo[k] = order[k - 1]].mean;
        g_samplesDrawn = g_seriesTargetCount = n;
        g_seriesSampleSize = 4;
        g_samplesExist = n > 0;
    }
    static std::vector<std::pair<float, float>> Means(const std::vector<float>& means) {
        std::vector<std::pair<float, float>> samples;
        for (float m : means)
            samples.emplace_back(m, 1.0f);
        return samples;
    }
    static int HistogramTotal() {
        return std::accumulate(g_meanHistogram, g_meanHistogram + kHistogramBins + 1, 0);
    }

    std::string width; // the standard error readout
};

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
    SetSliderFromPixel(PixelOf(6.0f), true, 1, 4, width);
    EXPECT_FLOAT_EQ(g_leftSliderZ, 1.0f);
    EXPECT_EQ(g_leftSliderRect, (Rect{460, 394, 466, 412}));
    SetSliderFromPixel(100, true, 1, 4, width); // past the start: stops there
    EXPECT_FLOAT_EQ(g_leftSliderZ, -5.0f);
    // Shown from one unit left of the axis start to the value under the axis'
    // right end, 365 / 35 = 10.43, where a drag stops.
    for (auto [z, hidden] : {std::pair{-6.0f, 0}, {5.2f, 0}, {5.4f, 0}, {5.5f, 1}}) {
        g_leftSliderZ = z;
        PlaceLeftSlider(1);
        EXPECT_EQ(g_leftSliderHidden, hidden) << z;
        EXPECT_EQ(g_leftSliderRect.IsEmpty(), hidden == 1) << z; // nothing left to grab
    }
    // Width 0.1 at position 31 shows 3.0 .. 8.1; with no standard error every
    // slider stands at the mean, and z is 0 rather than a division by 0.
    ChooseBinWidth(BinWidth::Narrow, 31, 4);
    g_rightSliderZ = -3.0f;
    PlaceRightSlider(31);
    EXPECT_EQ(g_rightSliderRect.left, 251 + 1 - 70 - 2);
    g_popSD = 0.0f;
    SetSliderFromPixel(PixelOf(8.0f), true, 1, 4, width);
    EXPECT_FLOAT_EQ(g_leftSliderZ, 0.0f);
}

TEST_F(SampDistModelTest, TwoSeparateSlidersKeepTheirOrder) {
    TwoSlidersSeparate();
    EXPECT_FLOAT_EQ(g_rightSliderZ, 0.0f); // together at the start, and they stay so
    g_leftSliderZ = -1.0f;
    g_rightSliderZ = 1.0f;
    RecomputeSliderValues();
    // The left one stops 0.01 short of the right one, or on it; and back.
    SetSliderFromPixel(PixelOf(7.0f), true, 1, 4, width);
    EXPECT_FLOAT_EQ(g_leftSliderZ, 0.99f);
    SetSliderFromPixel(PixelOf(6.0f), true, 1, 4, width);
    EXPECT_FLOAT_EQ(g_leftSliderZ, 1.0f);
    SetSliderFromPixel(PixelOf(3.0f), false, 1, 4, width);
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
    SetSliderFromPixel(PixelOf(3.0f), true, 1, 4, width);
    EXPECT_FLOAT_EQ(g_rightSliderZ, 2.0f);
    SetSliderFromPixel(PixelOf(6.0f), false, 1, 4, width);
    EXPECT_FLOAT_EQ(g_leftSliderValue, 4.0f);
    // Dragged across the mean the pair meets there instead of swapping sides.
    SetSliderFromPixel(PixelOf(6.0f), true, 1, 4, width);
    EXPECT_FLOAT_EQ(g_leftSliderZ, 0.0f);
    EXPECT_FLOAT_EQ(g_rightSliderZ, 0.0f);
    OneSlider();
    EXPECT_EQ(g_oneSlider + 2 * g_slidersTandem, 1);
}

TEST_F(SampDistModelTest, SampleSizeKeepsValuesOrStandardErrors) {
    // Observed values: the slider stays at 6 on the axis, its z follows.
    g_leftSliderZ = 1.0f;
    g_leftSliderValue = 6.0f;
    width = ReadSampleSize(16);
    EXPECT_EQ(width, "0.500");
    EXPECT_FLOAT_EQ(g_leftSliderZ, 2.0f);
    // z values: the slider keeps z = 2 and moves on the axis.
    g_showZValues = 1;
    width = ReadSampleSize(4);
    EXPECT_FLOAT_EQ(g_leftSliderValue, 7.0f);
    // No usable sample size: empty readout, standard error as it was.
    width = ReadSampleSize(-3);
    EXPECT_TRUE(width.empty() && g_standardError == 1.0f);
    // Without a standard error the slider keeps its z rather than becoming "nan".
    g_showZValues = 0;
    g_popSD = 0.0f;
    width = ReadSampleSize(4);
    EXPECT_EQ(width, "0.000");
    EXPECT_FLOAT_EQ(g_leftSliderZ, 2.0f);
    // Proportions show four decimals of the plain standard error.
    UseProportions();
    EXPECT_EQ(width, "0.1000");
}

// --- Readouts -------------------------------------------------------------------

TEST_F(SampDistModelTest, OneSliderCountsAndProportions) {
    SetSeries(Means({3, 4, 5, 6, 7}));
    // z = 0, below: the mean itself counts as below; the normal half of five
    // samples is 2.5, rounded half up.
    auto all = [](const SliderReadouts& r) {
        return r.actualNumber + " " + r.actualProportion + " " + r.normalNumber + " " +
               r.normalProportion + " " + r.tNumber + " " + r.tProportion;
    };
    SliderReadouts r = UpdateSliderReadouts(4, 5);
    EXPECT_EQ(all(r), "3 0.6000 3 0.5000 3 0.5000");
    // Above counts only samples strictly beyond the threshold.
    g_proportionAbove = 1;
    EXPECT_EQ(all(UpdateSliderReadouts(4, 5)), "2 0.4000 3 0.5000 3 0.5000");
    // A proportion of exactly 1 has three decimals.
    g_proportionAbove = 0;
    g_leftSliderZ = 3.0f;
    r = UpdateSliderReadouts(4, 5);
    EXPECT_EQ(r.actualProportion, "1.000");
    EXPECT_NEAR(Number(r.normalProportion), 0.9987, 0.0002);
    // 19 of 20 below.
    std::vector<float> means(19, 4.0f);
    means.push_back(9.0f);
    SetSeries(Means(means));
    g_leftSliderZ = 0.0f;
    r = UpdateSliderReadouts(4, 20);
    EXPECT_EQ(r.actualProportion, "0.9500");
    EXPECT_EQ(r.normalNumber, "10");
}

TEST_F(SampDistModelTest, ReadoutsWithoutSamplesOrWithoutAtDistribution) {
    // No samples: empty actual fields; the expected numbers come from the
    // Number of Samples field (11 x 0.5 = 5.5 -> 6).
    SliderReadouts r = UpdateSliderReadouts(4, 11);
    EXPECT_EQ(r.actualNumber + r.actualProportion + r.normalNumber + r.tNumber, "66");
    // Below a sample size of 2 there is no t distribution, in every mode;
    // without a sample size at all, or without a spread, no normal one either.
    SetSeries(Means({3, 4, 5, 6, 7}));
    for (int mode = 0; mode < 3; ++mode) {
        g_oneSlider = mode == 0;
        g_slidersTandem = mode == 2;
        for (int n : {1, 0}) {
            r = UpdateSliderReadouts(n, 5);
            EXPECT_EQ(r.tNumber + r.tProportion, "") << n;
            EXPECT_EQ(r.normalProportion.empty(), n != 1) << n;
        }
    }
    g_popSD = 0.0f;
    r = UpdateSliderReadouts(4, 5);
    EXPECT_EQ(r.normalNumber + r.normalProportion + r.tNumber + r.tProportion, "");
    g_popSD = 2.0f;
    // n = 2 is a t with one degree of freedom (Cauchy): P(T > 1) = 0.25.
    OneSlider();
    g_proportionAbove = 1;
    g_leftSliderZ = 1.0f;
    r = UpdateSliderReadouts(2, 5);
    EXPECT_EQ(r.tNumber + " " + r.tProportion, "1 0.2500");
}

TEST_F(SampDistModelTest, TwoSlidersBetweenAndOutside) {
    SetSeries(Means({3, 4, 5, 6, 7}));
    g_oneSlider = 0;
    g_leftSliderZ = -1.5f; // at 3.5
    g_rightSliderZ = 1.0f; // at 6
    const SliderReadouts between = UpdateSliderReadouts(4, 5);
    EXPECT_EQ(between.actualNumber + " " + between.actualProportion, "3 0.6000");
    g_proportionAbove = 1;
    const SliderReadouts outside = UpdateSliderReadouts(4, 5);
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
    const SliderReadouts r = UpdateSliderReadouts(4, 4);
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
        width = ReadSampleSize(4);
        EXPECT_TRUE(clean(UpdateSliderReadouts(4, 5)));
        g_popSD = 2.0f;
        g_showTValues = 1; // a sample size of 0 with t values
        width = ReadSampleSize(0);
        EXPECT_TRUE(clean(UpdateSliderReadouts(0, 0)));
        g_showTValues = 0;
        g_samplesDrawn = 0; // no samples and no Number of Samples
        EXPECT_TRUE(clean(UpdateSliderReadouts(0, 0)));
        g_samplesDrawn = 5;
    }
}

// --- Bins, axis, vertical scale, columns, selection, normal curve ----------------

TEST_F(SampDistModelTest, RebinPutsMeansIntoTheBinsOfEachWidth) {
    SetSeries(Means({0.0f, 5.0f, 5.04f, 5.26f, 10.0f}));
    const std::pair<BinWidth, std::vector<int>> cases[] = {
        {BinWidth::Wide, {1, 11, 11, 12, 21}},
        {BinWidth::Medium, {1, 26, 26, 27, 51}},
        {BinWidth::Narrow, {1, 51, 51, 54, 101}},
        {BinWidth::Finest, {1, 101, 102, 106, 201}},
    };
    for (const auto& [binWidth, bins] : cases) {
        ChooseBinWidth(binWidth, 1, 4);
        std::vector<int> expected(kHistogramBins + 1, 0);
        for (int bin : bins)
            expected[bin] += 1;
        EXPECT_EQ(std::vector<int>(g_meanHistogram, g_meanHistogram + kHistogramBins + 1), expected)
            << "width " << int(binWidth);
    }
    // Past the last bin, or not a number: no bin.
    EXPECT_EQ(HistogramBin(10.06f), 202);
    for (float x : {10.1f, -0.1f, NAN, INFINITY, -1e30f})
        EXPECT_EQ(HistogramBin(x), 0) << x;

    // Proportions bin ten times finer.
    UseProportions();
    SetSeries(Means({0.5f, 1.0f}));
    ChooseBinWidth(BinWidth::Finest, 1, 4);
    EXPECT_EQ(g_meanHistogram[101] + g_meanHistogram[201], 2);
}

TEST_F(SampDistModelTest, RebinLeavesOutStatisticsWithoutABin) {
    // t values: SD 0 and the one-value marker -1 have no t; a t value of 55
    // standard errors lies beyond the last bin.
    g_showTValues = 1;
    SetSeries({{6.0f, 2.0f}, {6.0f, 0.0f}, {4.0f, -1.0f}, {60.0f, 2.0f}, {5.0f, 2.0f}});
    Rebin(4);
    // (6 - 5) / (2 / 2) x 1 + 5 = 6 -> bin 31; the mean itself -> bin 26.
    EXPECT_EQ(g_meanHistogram[31], 1);
    EXPECT_EQ(g_meanHistogram[26], 1);
    EXPECT_EQ(HistogramTotal(), 2);
    // The field's n, not the drawn one, scales the t value: at n = 16 the
    // first sample's t is 2, at 7 on the scale of the means.
    Rebin(16);
    EXPECT_EQ(g_meanHistogram[36], 1);
    Rebin(0); // no sample size, no t at all
    EXPECT_EQ(HistogramTotal(), 0);
}

TEST_F(SampDistModelTest, BinWidthButtonsConvertTheScrollPosition) {
    AxisScrollBarState state = ChooseBinWidth(BinWidth::Finest, 1, 4);
    EXPECT_TRUE(state.visible);
    EXPECT_EQ(state.rangeMax, 151);
    state = ChooseBinWidth(BinWidth::Narrow, 91, 4);
    EXPECT_EQ(state.position, 30);
    EXPECT_EQ(state.rangeMax, 51);
    EXPECT_TRUE(state.fillSelection);
    state = ChooseBinWidth(BinWidth::Finest, 30, 4);
    EXPECT_EQ(state.position, 90);
    EXPECT_FALSE(state.fillSelection);
    // Never past the end, never below 1.
    EXPECT_EQ(ChooseBinWidth(BinWidth::Narrow, 1, 4).position, 1);
    EXPECT_EQ(ChooseBinWidth(BinWidth::Finest, 51, 4).position, 151);

    // The fixed widths hide the bar and leave the zoom as it was, so the
    // next scrolling width still converts from the last one.
    EXPECT_FALSE(ChooseBinWidth(BinWidth::Medium, 120, 4).visible);
    EXPECT_EQ(EffectiveScrollPos(120), 1);
    EXPECT_EQ(ChooseBinWidth(BinWidth::Narrow, 120, 4).position, 40);
}

TEST_F(SampDistModelTest, AxisConversionsAndLabelsFollowZoomAndScroll) {
    // Labels six pixels a character, at the round values that fit: worked
    // out by hand from 35 pixels a unit at zoom 1 (the axis 251..616).
    auto texts = [](int pos) {
        std::vector<std::string> out;
        for (const AxisTick& t :
             AxisTicksOf(pos, [](const std::string& s) { return 6.0 * s.size(); }))
            out.push_back(t.text);
        return out;
    };
    using Texts = std::vector<std::string>;
    // Zoom 1: 35 pixels per unit from the axis start at 251.
    EXPECT_EQ(ValueToAxisPixel(5.0f, 1), 251 + 175);
    EXPECT_EQ(texts(1), (Texts{"0", "1", "2", "3", "4", "5", "6", "7", "8", "9", "10"}));
    // Width 0.1 at position 31 starts at 3.0 with 70 pixels per unit: halves.
    ChooseBinWidth(BinWidth::Narrow, 31, 4);
    EXPECT_EQ(ValueToAxisPixel(5.0f, 31), 251 + 140);
    EXPECT_FLOAT_EQ(AxisPixelToValue(251 + 140, 31), 5.0f);
    EXPECT_EQ(texts(31),
              (Texts{"3.0", "3.5", "4.0", "4.5", "5.0", "5.5", "6.0", "6.5", "7.0", "7.5", "8.0"}));
    ChooseBinWidth(BinWidth::Finest, 31, 4); // one position moves a value by 7 pixels
    EXPECT_EQ(ValueToAxisPixel(5.0f, 90) - ValueToAxisPixel(5.0f, 91), 7);
    // 140 pixels a unit from 0.44 to 3.09: fifths.
    EXPECT_EQ(texts(11), (Texts{"0.6", "0.8", "1.0", "1.2", "1.4", "1.6", "1.8", "2.0", "2.2",
                                "2.4", "2.6", "2.8", "3.0"}));

    // A display transform changes the observed labels only (50 .. 150);
    // z labels count standard errors from the mean, 0 among them, and have
    // no number without one.
    ChooseBinWidth(BinWidth::Medium, 1, 4);
    g_dispFromMean = 5.0f;
    g_dispScale = 10.0f;
    g_dispToMean = 100.0f;
    EXPECT_EQ(texts(1),
              (Texts{"50", "60", "70", "80", "90", "100", "110", "120", "130", "140", "150"}));
    const Texts z{"-5", "-4", "-3", "-2", "-1", "0", "1", "2", "3", "4", "5"};
    g_showZValues = 1;
    EXPECT_EQ(texts(1), z);
    EXPECT_EQ(AxisTicksOf(1, [](const std::string& s) { return 6.0 * s.size(); })[5].x,
              251 + 3 + 175); // 0 stands at the mean, 5
    UseProportions();         // one standard error is 0.1
    EXPECT_EQ(texts(1), z);
    g_showZValues = 0;
    EXPECT_EQ(texts(1),
              (Texts{"0.0", "0.1", "0.2", "0.3", "0.4", "0.5", "0.6", "0.7", "0.8", "0.9", "1.0"}));
    g_showZValues = 1;
    g_standardError = 0.0f;
    EXPECT_TRUE(texts(1).empty());
}

TEST_F(SampDistModelTest, VerticalScaleFitsTheTallestColumn) {
    // 100 samples in one bin: 400 pixels would not fit in 373, so four ticks
    // of 25 and 104 samples fill the height.
    HistogramScale s = ComputeHistogramScale(100, 373, 1.0f);
    EXPECT_EQ(s.tickStep, 25);
    EXPECT_EQ(s.tickCount, 4);
    EXPECT_FLOAT_EQ(s.countScale, 374.0f / 104.0f);

    // More than 10 ticks double the step until at most 10 remain.
    s = ComputeHistogramScale(300, 373, 1.0f);
    EXPECT_EQ(s.tickStep, 50);
    EXPECT_EQ(s.tickCount, 7);
    for (int cmax : {500, 1000, 2500, 10000}) {
        s = ComputeHistogramScale(cmax, 373, 1.0f);
        EXPECT_GE(s.tickCount, 4) << cmax;
        EXPECT_LE(s.tickCount, 10) << cmax;
        EXPECT_EQ(s.tickStep % 25, 0) << cmax;
        EXPECT_LE(static_cast<int>(cmax * s.countScale), 373) << cmax;
    }
    // A small series fills the height in ticks of 1, 2, 5 or 10 (four to
    // ten of them, a step of room over the tallest column): 20 samples in a
    // column of 5 are 62 pixels each, not 4.
    struct Small {
        int cmax, height, step, ticks;
    };
    for (const Small& c : {Small{1, 373, 1, 4}, Small{5, 373, 1, 7}, Small{10, 200, 2, 7},
                           Small{20, 373, 5, 6}, Small{89, 373, 10, 10}}) {
        s = ComputeHistogramScale(c.cmax, c.height, 1.0f);
        EXPECT_EQ(s.tickStep, c.step) << c.cmax;
        EXPECT_EQ(s.tickCount, c.ticks) << c.cmax;
        EXPECT_FLOAT_EQ(s.countScale, (c.height + 1.0f) / (c.step * c.ticks)) << c.cmax;
        EXPECT_LE(static_cast<int>(c.cmax * s.countScale), c.height) << c.cmax;
    }
    s = ComputeHistogramScale(90, 373, 1.0f); // from 90 on: ticks of 25
    EXPECT_EQ(s.tickStep, 25);
    // No sample yet: ticks of 25; no plotting height: 3 of them at 4 pixels.
    EXPECT_EQ(ComputeHistogramScale(0, 373, 1.0f).tickStep, 25);
    s = ComputeHistogramScale(10, 0, 1.0f);
    EXPECT_EQ(s.tickCount, 3);
    EXPECT_FLOAT_EQ(s.countScale, 4.0f);

    // Only the bins of the current width count toward the tallest column.
    g_meanHistogram[10] = 7;
    g_meanHistogram[60] = 500;
    EXPECT_EQ(LargestBinCount(), 7);
    g_binWidthMedium = 0;
    g_binWidthFinest = 1;
    ChooseHistogramScale(4, 0);
    EXPECT_EQ(g_histTickStep, 100);
}

TEST_F(SampDistModelTest, ColumnsAtEachWidth) {
    g_histCountScale = 4.0f;
    g_meanHistogram[1] = 2;
    g_meanHistogram[51] = 1;
    EXPECT_EQ(LayoutHistogramColumns(1), 51);
    EXPECT_EQ(g_sdColumnRect[1], (Rect{252, 385, 258, 394}));
    EXPECT_EQ(g_sdColumnRect[51], (Rect{602, 389, 608, 394}));

    // At every width a column covers its bin's range on the axis, to a
    // pixel: bin k holds (k - 1.5) / M up to (k - 0.5) / M, and a value v
    // stands 3 + 35 Z v - 7 (pos - 1) pixels right of the axis start, as its
    // label and the mean's mark do.
    struct Case {
        int* flag;
        int multiplier, zoom, pos, columns;
    };
    const Case cases[] = {{&g_binWidthWide, 2, 1, 1, 21},
                          {&g_binWidthMedium, 5, 1, 1, 51},
                          {&g_binWidthNarrow, 10, 2, 31, 52},
                          {&g_binWidthFinest, 20, 4, 60, 52}};
    for (const Case& c : cases) {
        g_binWidthWide = g_binWidthMedium = g_binWidthNarrow = g_binWidthFinest = 0;
        *c.flag = 1;
        ASSERT_EQ(LayoutHistogramColumns(c.pos), c.columns) << c.multiplier;
        const double binPixels = 35.0 * c.zoom / c.multiplier;
        for (int slot = 1; slot <= c.columns; ++slot) {
            const int k = g_sdColumnBin[slot];
            ASSERT_EQ(k, c.pos + slot - 1);
            const double centre = g_sdAxisLeft + 3 + binPixels * (k - 1) - 7.0 * (c.pos - 1);
            const Rect& r = g_sdColumnRect[slot];
            EXPECT_GE(r.left, std::max<double>(centre - binPixels / 2, g_sdAxisLeft) - 1)
                << c.multiplier << " bin " << k;
            EXPECT_LE(r.right, centre + binPixels / 2 + 1) << c.multiplier << " bin " << k;
            EXPECT_TRUE(r.left <= centre && centre <= r.right) << c.multiplier << " bin " << k;
        }
        // The slots of a wider layout before are cleared.
        EXPECT_TRUE(g_sdColumnRect[c.columns + 1].IsEmpty());
    }
}

class SampDistSelectionTest : public SampDistModelTest {
  protected:
    void SetUp() override {
        SampDistModelTest::SetUp();
        // Sorted: 4.0 (row 1), 4.5 (row 2), 4.95 (row 5), 5.0 (row 3),
        // 5.02 (row 4); the last three share bin 26 at width 0.2.
        SetSeries(Means({4.0f, 4.5f, 5.0f, 5.02f, 4.95f}));
        Rebin(4);
        g_histCountScale = 4.0f;
        LayoutHistogramColumns(1);
        g_ciFirstSample = 1;
    }
};

TEST_F(SampDistSelectionTest, ClickSelectsTheSampleAtThatHeightAndMissesDropIt) {
    // Column of bin 26: x 427..432, 12 pixels high (381..392), 4 pixels a sample.
    ASSERT_EQ(g_sdColumnRect[26], (Rect{427, 381, 433, 394}));
    struct Click {
        int y, pos, sampleNo;
        Rect strip;
    };
    const Click clicks[] = {{392, 3, 5, {427, 389, 433, 393}},
                            {393, 3, 5, {427, 389, 433, 393}}, // the axis line: the bottom one
                            {388, 4, 3, {427, 385, 433, 389}},
                            // The top row: the top sample, whose strip starts one pixel higher.
                            {381, 5, 4, {427, 380, 433, 384}}};
    for (const Click& c : clicks) {
        EXPECT_TRUE(SelectColumnSample(429, c.y).hit) << c.y;
        EXPECT_EQ(g_selectedPos, c.pos) << c.y;
        EXPECT_EQ(g_selectedSampleNo, c.sampleNo) << c.y;
        EXPECT_EQ(g_sdSelectionRect, c.strip) << c.y;
    }
    EXPECT_EQ(SelectedSampleText(), "x = 5.02, s = 1.00");
    g_sortByMeans = 1; // sorted by means, the number is the position
    SelectColumnSample(429, 388);
    EXPECT_EQ(g_selectedSampleNo, 4);

    // Bin 25 is empty: its slot answers on the axis line but selects nothing.
    EXPECT_FALSE(SelectColumnSample(421, 393).hit);
    EXPECT_EQ(g_sampleSelected + g_selectedPos + g_selectedSampleNo, 0);
    EXPECT_TRUE(g_sdSelectionRect.IsEmpty());
    EXPECT_EQ(SelectedSampleText(), "");
    SelectColumnSample(429, 392);
    EXPECT_FALSE(SelectColumnSample(300, 100).hit);
    EXPECT_EQ(g_sampleSelected, 0);

    // A hit brings its interval into view; a miss leaves the graph alone.
    g_ciFirstSample = 200;
    EXPECT_TRUE(SelectColumnSample(429, 392).ciGraphMoved); // sample 5
    EXPECT_EQ(g_ciFirstSample, 1);
    EXPECT_EQ(g_ciScrollPos, 4);
}

TEST_F(SampDistSelectionTest, TValueColumnsSelectTheirOwnSamples) {
    // Means 5.5, 5.2, 5.3 with SDs 4, 0.4, 4 at n = 4: t values place them at
    // 5.25, 6 and 5.15, so the order of the columns is not that of the means.
    SetSeries({{5.5f, 4.0f}, {5.2f, 0.4f}, {5.3f, 4.0f}});
    g_showTValues = 1;
    Rebin(4);
    LayoutHistogramColumns(1);
    ASSERT_EQ(g_meanHistogram[27], 2);
    ASSERT_EQ(g_meanHistogram[31], 1);

    for (auto [bin, y, sampleNo] : {std::tuple{27, 392, 3}, {27, 388, 1}, {31, 392, 2}}) {
        SelectColumnSample(g_sdColumnRect[bin].left + 1, y);
        EXPECT_EQ(g_selectedSampleNo, sampleNo) << bin << " " << y;
    }
}

TEST_F(SampDistSelectionTest, SelectionFollowsABinWidthChange) {
    SelectColumnSample(429, 388); // 5.0, the second sample of bin 26
    ASSERT_EQ(g_selectedSampleNo, 3);

    // At 0.1, 4.95 lies on the lower edge of bin 51 and so belongs to it:
    // 5.0 is the second sample of bin 51.
    ChooseBinWidth(BinWidth::Narrow, 31, 4);
    LayoutHistogramColumns(31);
    ReplaceSelectionAfterRebin(31);
    EXPECT_EQ(g_sdSelectionRect, (Rect{392, 385, 398, 389})); // slot 21, bin 51

    // At 0.05 from position 1 its bin 101 is out of view: no highlight, and
    // the next paint tries again.
    ChooseBinWidth(BinWidth::Finest, 1, 4);
    LayoutHistogramColumns(1);
    ReplaceSelectionAfterRebin(1);
    EXPECT_TRUE(g_sdSelectionRect.IsEmpty());
    EXPECT_EQ(g_binWidthChanged, 1);
    LayoutHistogramColumns(60);
    ReplaceSelectionAfterRebin(60);
    EXPECT_FALSE(g_sdSelectionRect.IsEmpty());
}

TEST_F(SampDistModelTest, NormalCurvePeaksAtTheCentralColumnsHeight) {
    // z = 0.1 either side of the mean holds about 7.97 % of a normal; with
    // 100 samples asked for and 4 pixels per sample the peak is about 31.9.
    NormalCurve curve = ComputeNormalCurve(4, 100, 1);
    ComputeMuPixelX();
    const double peak = NormalCurveHeight(curve, g_muPixelX);
    EXPECT_NEAR(peak, 100 * 0.07966 * 4.0, 0.4);
    EXPECT_NEAR(NormalCurveHeight(curve, g_muPixelX + 35) / peak, std::exp(-0.5), 1e-6);
    // Once samples exist the series' target count replaces the field.
    SetSeries(Means({5, 5}));
    curve = ComputeNormalCurve(4, 100, 1);
    EXPECT_NEAR(NormalCurveHeight(curve, g_muPixelX), 2 * 0.07966 * 4.0, 0.01);

    // Proportions, n = 10: the continuity half-width 1/20 is 0.316 standard
    // errors, which holds about 24.8 % of a normal, not a flat line.
    SetSeries({});
    UseProportions(10);
    ComputeMuPixelX();
    curve = ComputeNormalCurve(10, 100, 1);
    EXPECT_NEAR(NormalCurveHeight(curve, g_muPixelX), 100 * 0.2482 * 4.0, 0.3);
    // No curve without a sample size or without spread.
    EXPECT_FALSE(ComputeNormalCurve(0, 100, 1).drawable);
    g_popSD = 0.0f;
    width = ReadSampleSize(10);
    EXPECT_FALSE(ComputeNormalCurve(10, 100, 1).drawable);
}
