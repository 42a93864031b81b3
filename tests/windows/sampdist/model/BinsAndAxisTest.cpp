#include "tests/windows/sampdist/model/SampDistFixture.h"

#include <cmath>

TEST_F(SampDistModelTest, LayoutAtDesignSizeIsInDesignPixels) {
    EXPECT_FLOAT_EQ(g_sdScaleX, 1.0f);
    EXPECT_FLOAT_EQ(g_sdScaleY, 1.0f);
    EXPECT_EQ(g_histRect, (Rect{200, 2, 618, 425}));
    EXPECT_EQ(g_sdAxisLeft, 251);
    EXPECT_EQ(g_sdAxisRight, 616);
    EXPECT_EQ(g_sdAxisY, 393);
    EXPECT_EQ(g_sdPlotTop, 20);
    EXPECT_EQ(g_histMaxHeight, 373);
    EXPECT_EQ(g_pixelsPerUnit, 35);

    // Twice the size: every term doubles on its own.
    SetSamplingDistLayout(1248, 892);
    EXPECT_EQ(g_sdAxisLeft, 502);
    EXPECT_EQ(g_sdAxisY, 786);
    EXPECT_EQ(g_pixelsPerUnit, 70);
}

TEST_F(SampDistModelTest, RebinPutsMeansIntoTheBinsOfEachWidth) {
    SetSeries(Means({0.0f, 5.0f, 5.04f, 5.26f, 10.0f}));
    struct Case {
        BinWidth width;
        std::vector<int> bins; // bin of each mean above
    };
    const Case cases[] = {
        {BinWidth::Wide, {1, 11, 11, 12, 21}},
        {BinWidth::Medium, {1, 26, 26, 27, 51}},
        {BinWidth::Narrow, {1, 51, 51, 54, 101}},
        {BinWidth::Finest, {1, 101, 102, 106, 201}},
    };
    for (const Case& c : cases) {
        ChooseBinWidth(c.width, 1, "4");
        std::vector<int> expected(kHistogramBins + 1, 0);
        for (int bin : c.bins)
            expected[bin] += 1;
        for (int k = 1; k <= kHistogramBins; ++k)
            EXPECT_EQ(g_meanHistogram[k], expected[k]) << "width " << int(c.width) << " bin " << k;
        EXPECT_EQ(HistogramTotal(), 5);
        EXPECT_EQ(CurrentBinWidthInfo().lastBin, c.bins.back());
    }

    // Proportions bin ten times finer.
    g_isContinuous = 0;
    g_isBinomial = 1;
    SetSeries(Means({0.5f, 1.0f}));
    ChooseBinWidth(BinWidth::Medium, 1, "4");
    EXPECT_EQ(g_meanHistogram[26], 1);
    EXPECT_EQ(g_meanHistogram[51], 1);
    ChooseBinWidth(BinWidth::Finest, 1, "4");
    EXPECT_EQ(g_meanHistogram[101], 1);
    EXPECT_EQ(g_meanHistogram[201], 1);
}

TEST_F(SampDistModelTest, RebinLeavesOutStatisticsWithoutABin) {
    // t values: SD 0 and the one-value marker -1 have no t; a t value of 55
    // standard errors lies beyond the last bin.
    g_showTValues = 1;
    SetSeries({{6.0f, 2.0f}, {6.0f, 0.0f}, {4.0f, -1.0f}, {60.0f, 2.0f}, {5.0f, 2.0f}});
    Rebin("4");
    EXPECT_EQ(g_sdSampleSize, 4);
    // (6 - 5) / (2 / 2) x 1 + 5 = 6 -> bin 31; the mean itself -> bin 26.
    EXPECT_EQ(g_meanHistogram[31], 1);
    EXPECT_EQ(g_meanHistogram[26], 1);
    EXPECT_EQ(HistogramTotal(), 2);

    // The field's n, not the drawn one, scales the t value: n = 16 makes the
    // first sample's t 2, at 7 on the scale of the means.
    Rebin("16");
    EXPECT_EQ(g_meanHistogram[36], 1);

    // An unreadable sample size gives no t at all; nothing is counted.
    Rebin("");
    EXPECT_EQ(HistogramTotal(), 0);

    // No samples: an empty histogram.
    g_showTValues = 0;
    SetSeries({});
    g_meanHistogram[7] = 3;
    Rebin("4");
    EXPECT_EQ(HistogramTotal(), 0);
}

TEST_F(SampDistModelTest, BinWidthButtonsConvertTheScrollPosition) {
    AxisScrollBarState state = ChooseBinWidth(BinWidth::Finest, 1, "4");
    EXPECT_TRUE(state.visible);
    EXPECT_EQ(state.rangeMax, 151);
    EXPECT_EQ(g_sdZoom, 2);
    EXPECT_EQ(g_binWidthFinest, 1);
    EXPECT_EQ(g_binWidthMedium, 0);
    EXPECT_EQ(g_binWidthChanged, 1);

    state = ChooseBinWidth(BinWidth::Narrow, 91, "4");
    EXPECT_EQ(state.position, 30);
    EXPECT_EQ(state.rangeMax, 51);
    EXPECT_TRUE(state.fillSelection);
    EXPECT_EQ(g_sdScrollMax, 51);
    EXPECT_EQ(g_sdZoom, 1);

    state = ChooseBinWidth(BinWidth::Finest, 30, "4");
    EXPECT_EQ(state.position, 90);
    EXPECT_FALSE(state.fillSelection);
    EXPECT_EQ(g_sdScrollMax, 151);

    // Never past the end, never below 1.
    EXPECT_EQ(ChooseBinWidth(BinWidth::Narrow, 1, "4").position, 1);
    EXPECT_EQ(ChooseBinWidth(BinWidth::Finest, 51, "4").position, 151);

    // The fixed widths hide the bar and leave the zoom as it was, so the
    // next scrolling width still converts from the last one.
    g_binWidthChanged = 0;
    state = ChooseBinWidth(BinWidth::Medium, 120, "4");
    EXPECT_FALSE(state.visible);
    EXPECT_EQ(g_binWidthChanged, 1);
    EXPECT_EQ(g_sdZoom, 2);
    EXPECT_EQ(EffectiveScrollPos(120), 1);
    EXPECT_EQ(ChooseBinWidth(BinWidth::Narrow, 120, "4").position, 40);
}

TEST_F(SampDistModelTest, ScrollAxisStepsClampsAndMovesTheSelection) {
    ChooseBinWidth(BinWidth::Narrow, 1, "4");
    EXPECT_EQ(ScrollAxis(AxisScrollRequest::LineLeft, 0, 1), 1);
    EXPECT_EQ(ScrollAxis(AxisScrollRequest::LineRight, 0, 1), 2);
    EXPECT_EQ(ScrollAxis(AxisScrollRequest::LineRight, 0, 51), 51);
    EXPECT_EQ(ScrollAxis(AxisScrollRequest::PageRight, 0, 40), 51);
    EXPECT_EQ(ScrollAxis(AxisScrollRequest::PageLeft, 0, 15), 1);
    EXPECT_EQ(ScrollAxis(AxisScrollRequest::PageLeft, 0, 30), 10);
    EXPECT_EQ(ScrollAxis(AxisScrollRequest::Thumb, 77, 30), 51);
    EXPECT_EQ(ScrollAxis(AxisScrollRequest::Other, 77, 30), 30);

    // The highlight follows its column: 7 pixels per position.
    g_sdSelectionRect = Rect{300, 200, 306, 204};
    EXPECT_EQ(ScrollAxis(AxisScrollRequest::LineRight, 0, 10), 11);
    EXPECT_EQ(g_sdSelectionRect, (Rect{293, 200, 299, 204}));
    EXPECT_EQ(ScrollAxis(AxisScrollRequest::Thumb, 8, 11), 8);
    EXPECT_EQ(g_sdSelectionRect, (Rect{314, 200, 320, 204}));

    // At the fixed widths the position is always 1.
    ChooseBinWidth(BinWidth::Medium, 8, "4");
    EXPECT_EQ(ScrollAxis(AxisScrollRequest::Thumb, 30, 1), 1);
}

TEST_F(SampDistModelTest, AxisConversionsFollowZoomAndScroll) {
    // Zoom 1: 35 pixels per unit from the axis start.
    EXPECT_EQ(ValueToAxisPixel(5.0f, 1), 251 + 175);
    EXPECT_FLOAT_EQ(AxisPixelToValue(251 + 175, 1), 5.0f);
    EXPECT_EQ(FirstVisibleBin(1), 1);
    EXPECT_EQ(LastVisibleBin(1), 51);

    // Width 0.1 at position 31 starts at 3.0 with 70 pixels per unit.
    ChooseBinWidth(BinWidth::Narrow, 31, "4");
    EXPECT_FLOAT_EQ(VisibleAxisStart(31), 3.0f);
    EXPECT_EQ(ValueToAxisPixel(5.0f, 31), 251 + 140);
    EXPECT_FLOAT_EQ(AxisPixelToValue(251 + 140, 31), 5.0f);
    EXPECT_EQ(FirstVisibleBin(31), 31);
    EXPECT_EQ(LastVisibleBin(31), 82);
    EXPECT_EQ(LastVisibleBin(51), 101);
    // One scroll position moves a value by 7 pixels at either zoom.
    EXPECT_EQ(ValueToAxisPixel(5.0f, 30) - ValueToAxisPixel(5.0f, 31), 7);
    ChooseBinWidth(BinWidth::Finest, 31, "4");
    EXPECT_EQ(ValueToAxisPixel(5.0f, 90) - ValueToAxisPixel(5.0f, 91), 7);

    // Proportions: 350 pixels per unit at zoom 1.
    ChooseBinWidth(BinWidth::Medium, 1, "4");
    g_isContinuous = 0;
    g_isBinomial = 1;
    EXPECT_EQ(ValueToAxisPixel(0.5f, 1), 251 + 175);
    EXPECT_FLOAT_EQ(AxisPixelToValue(251 + 175, 1), 0.5f);

    // The mean's pixel at zoom 1, and the marks' own offset.
    g_isBinomial = 0;
    g_isContinuous = 1;
    ComputeMuPixelX();
    EXPECT_EQ(g_muPixelX, 251 + 178);
    EXPECT_EQ(AxisMarkX(5.0f, 1), 251 + 178);
}

TEST_F(SampDistModelTest, AxisLabelsShowValuesOrStandardErrors) {
    EXPECT_EQ(AxisLabelText(0, 1), "0.0");
    EXPECT_EQ(AxisLabelText(5, 1), "5.0");
    ChooseBinWidth(BinWidth::Narrow, 31, "4");
    EXPECT_EQ(AxisLabelText(0, 31), "3.0");
    EXPECT_EQ(AxisLabelText(1, 31), "3.5");
    ChooseBinWidth(BinWidth::Finest, 11, "4");
    EXPECT_EQ(AxisLabelText(0, 11), "0.50");

    // A display transform changes the observed labels only.
    ChooseBinWidth(BinWidth::Medium, 1, "4");
    g_dispFromMean = 5.0f;
    g_dispScale = 10.0f;
    g_dispToMean = 100.0f;
    EXPECT_EQ(AxisLabelText(6, 1), "110.0");
    g_showZValues = 1;
    EXPECT_EQ(AxisLabelText(5, 1), "0.0");
    EXPECT_EQ(AxisLabelText(7, 1), "2.0");

    // Proportions: p = 0.5, n = 25 gives one standard error of 0.1.
    g_dispFromMean = g_dispToMean = 0.0f;
    g_dispScale = 1.0f;
    g_isContinuous = 0;
    g_isBinomial = 1;
    g_popMean = 0.5f;
    g_popSD = 0.5f;
    std::string width;
    ReadSampleSize("25", width);
    EXPECT_EQ(AxisLabelText(7, 1), "2.0");
    g_showZValues = 0;
    EXPECT_EQ(AxisLabelText(7, 1), "0.7");

    // Without a standard error a z label has no number.
    g_showZValues = 1;
    g_standardError = 0.0f;
    EXPECT_EQ(AxisLabelText(7, 1), "");
}
