#include "tests/windows/sampdist/model/SampDistFixture.h"

#include "core/SamplingEngine.h"

#include <cmath>

TEST_F(SampDistModelTest, RebinPutsMeansIntoTheBinsOfEachWidth) {
    SetSeries(Means({0.0f, 5.0f, 5.04f, 5.26f, 10.0f}));
    const std::pair<BinWidth, std::vector<int>> cases[] = {
        {BinWidth::Wide, {1, 11, 11, 12, 21}},
        {BinWidth::Medium, {1, 26, 26, 27, 51}},
        {BinWidth::Narrow, {1, 51, 51, 54, 101}},
        {BinWidth::Finest, {1, 101, 102, 106, 201}},
    };
    for (const auto& [binWidth, bins] : cases) {
        ChooseBinWidth(binWidth, 1, "4");
        std::vector<int> expected(kHistogramBins + 1, 0);
        for (int bin : bins)
            expected[bin] += 1;
        EXPECT_EQ(std::vector<int>(g_meanHistogram, g_meanHistogram + kHistogramBins + 1), expected)
            << "width " << int(binWidth);
        EXPECT_EQ(CurrentBinWidthInfo().lastBin, bins.back());
    }
    // Past the last bin, or not a number: no bin.
    EXPECT_EQ(HistogramBin(10.06f), 202);
    for (float x : {10.1f, -0.1f, NAN, INFINITY, -1e30f})
        EXPECT_EQ(HistogramBin(x), 0) << x;

    // Proportions bin ten times finer.
    UseProportions();
    SetSeries(Means({0.5f, 1.0f}));
    ChooseBinWidth(BinWidth::Medium, 1, "4");
    EXPECT_EQ(g_meanHistogram[26] + g_meanHistogram[51], 2);
    ChooseBinWidth(BinWidth::Finest, 1, "4");
    EXPECT_EQ(g_meanHistogram[101] + g_meanHistogram[201], 2);
}

TEST_F(SampDistModelTest, RebinLeavesOutStatisticsWithoutABin) {
    // t values: SD 0 and the one-value marker -1 have no t; a t value of 55
    // standard errors lies beyond the last bin.
    g_showTValues = 1;
    SetSeries({{6.0f, 2.0f}, {6.0f, 0.0f}, {4.0f, -1.0f}, {60.0f, 2.0f}, {5.0f, 2.0f}});
    Rebin("4");
    // (6 - 5) / (2 / 2) x 1 + 5 = 6 -> bin 31; the mean itself -> bin 26.
    EXPECT_EQ(g_meanHistogram[31], 1);
    EXPECT_EQ(g_meanHistogram[26], 1);
    EXPECT_EQ(HistogramTotal(), 2);
    // The field's n, not the drawn one, scales the t value: at n = 16 the
    // first sample's t is 2, at 7 on the scale of the means.
    Rebin("16");
    EXPECT_EQ(g_meanHistogram[36], 1);
    Rebin(""); // no sample size, no t at all
    EXPECT_EQ(HistogramTotal(), 0);
}

TEST_F(SampDistModelTest, BinWidthButtonsConvertTheScrollPosition) {
    AxisScrollBarState state = ChooseBinWidth(BinWidth::Finest, 1, "4");
    EXPECT_TRUE(state.visible);
    EXPECT_EQ(state.rangeMax, 151);
    state = ChooseBinWidth(BinWidth::Narrow, 91, "4");
    EXPECT_EQ(state.position, 30);
    EXPECT_EQ(state.rangeMax, 51);
    EXPECT_TRUE(state.fillSelection);
    state = ChooseBinWidth(BinWidth::Finest, 30, "4");
    EXPECT_EQ(state.position, 90);
    EXPECT_FALSE(state.fillSelection);
    // Never past the end, never below 1.
    EXPECT_EQ(ChooseBinWidth(BinWidth::Narrow, 1, "4").position, 1);
    EXPECT_EQ(ChooseBinWidth(BinWidth::Finest, 51, "4").position, 151);

    // The fixed widths hide the bar and leave the zoom as it was, so the
    // next scrolling width still converts from the last one.
    g_binWidthChanged = 0;
    EXPECT_FALSE(ChooseBinWidth(BinWidth::Medium, 120, "4").visible);
    EXPECT_EQ(g_binWidthChanged, 1);
    EXPECT_EQ(EffectiveScrollPos(120), 1);
    EXPECT_EQ(ChooseBinWidth(BinWidth::Narrow, 120, "4").position, 40);
}

TEST_F(SampDistModelTest, ScrollAxisStepsClampsAndMovesTheSelection) {
    ChooseBinWidth(BinWidth::Narrow, 1, "4");
    EXPECT_EQ(ScrollAxis(AxisScrollRequest::LineLeft, 0, 1), 1);
    EXPECT_EQ(ScrollAxis(AxisScrollRequest::PageRight, 0, 40), 51);
    EXPECT_EQ(ScrollAxis(AxisScrollRequest::Thumb, 77, 30), 51);

    // The highlight follows its column: 7 pixels per position.
    g_sdSelectionRect = Rect{300, 200, 306, 204};
    EXPECT_EQ(ScrollAxis(AxisScrollRequest::LineRight, 0, 10), 11);
    EXPECT_EQ(g_sdSelectionRect, (Rect{293, 200, 299, 204}));
    EXPECT_EQ(ScrollAxis(AxisScrollRequest::Thumb, 8, 11), 8);
    EXPECT_EQ(g_sdSelectionRect, (Rect{314, 200, 320, 204}));

    ChooseBinWidth(BinWidth::Medium, 8, "4"); // fixed widths: always position 1
    EXPECT_EQ(ScrollAxis(AxisScrollRequest::Thumb, 30, 1), 1);
}

TEST_F(SampDistModelTest, AxisConversionsAndLabelsFollowZoomAndScroll) {
    // Zoom 1: 35 pixels per unit from the axis start at 251.
    EXPECT_EQ(ValueToAxisPixel(5.0f, 1), 251 + 175);
    EXPECT_EQ(AxisLabelText(5, 1), "5.0");
    // Width 0.1 at position 31 starts at 3.0 with 70 pixels per unit.
    ChooseBinWidth(BinWidth::Narrow, 31, "4");
    EXPECT_EQ(ValueToAxisPixel(5.0f, 31), 251 + 140);
    EXPECT_FLOAT_EQ(AxisPixelToValue(251 + 140, 31), 5.0f);
    EXPECT_EQ(LastVisibleBin(31), 82);
    EXPECT_EQ(AxisLabelText(1, 31), "3.5");
    // One scroll position moves a value by 7 pixels at either zoom.
    EXPECT_EQ(ValueToAxisPixel(5.0f, 30) - ValueToAxisPixel(5.0f, 31), 7);
    ChooseBinWidth(BinWidth::Finest, 31, "4");
    EXPECT_EQ(ValueToAxisPixel(5.0f, 90) - ValueToAxisPixel(5.0f, 91), 7);
    EXPECT_EQ(AxisLabelText(0, 11), "0.50");

    // A display transform changes the observed labels only; z labels count
    // standard errors from the mean, and have no number without one.
    ChooseBinWidth(BinWidth::Medium, 1, "4");
    g_dispFromMean = 5.0f;
    g_dispScale = 10.0f;
    g_dispToMean = 100.0f;
    EXPECT_EQ(AxisLabelText(6, 1), "110.0");
    g_showZValues = 1;
    EXPECT_EQ(AxisLabelText(7, 1), "2.0");
    UseProportions(); // one standard error is 0.1
    EXPECT_EQ(AxisLabelText(7, 1), "2.0");
    g_standardError = 0.0f;
    EXPECT_EQ(AxisLabelText(7, 1), "");
}
