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
    EXPECT_EQ(ComputeHistogramScale(1000, 373, 1.0f).tickStep, 200);
    // Fewer than 4 ticks: 3 ticks of 25 at 4 pixels per sample.
    s = ComputeHistogramScale(10, 200, 1.0f);
    EXPECT_EQ(s.tickStep, 25);
    EXPECT_EQ(s.tickCount, 3);
    EXPECT_FLOAT_EQ(s.countScale, 4.0f);
    EXPECT_EQ(ComputeHistogramScale(10, 0, 0.0f).tickCount, 3); // no plotting height

    // Only the bins of the current width count toward the tallest column.
    g_meanHistogram[10] = 7;
    g_meanHistogram[60] = 500;
    EXPECT_EQ(LargestBinCount(), 7);
    g_binWidthMedium = 0;
    g_binWidthFinest = 1;
    ChooseHistogramScale();
    EXPECT_EQ(g_histTickStep, 100);
}

TEST_F(SampDistModelTest, ColumnsAtEachWidth) {
    g_histCountScale = 4.0f;
    g_meanHistogram[1] = 2;
    g_meanHistogram[51] = 1;
    EXPECT_EQ(LayoutHistogramColumns(1), 51);
    EXPECT_EQ(g_sdColumnRect[1], (Rect{252, 385, 258, 394}));
    EXPECT_EQ(g_sdColumnRect[51], (Rect{602, 389, 608, 394}));

    // Width 0.5: 16 pixels wide, alternately 18 and 17 apart; the slots of
    // the narrower layout before are cleared.
    g_binWidthMedium = 0;
    g_binWidthWide = 1;
    EXPECT_EQ(LayoutHistogramColumns(1), 21);
    for (int slot = 2; slot <= 4; ++slot)
        EXPECT_EQ(g_sdColumnRect[slot].left - g_sdColumnRect[slot - 1].left, slot % 2 ? 17 : 18);
    EXPECT_TRUE(g_sdColumnRect[22].IsEmpty());

    // Width 0.1 at position 31: 52 columns from bin 31.
    g_binWidthWide = 0;
    g_binWidthNarrow = 1;
    EXPECT_EQ(LayoutHistogramColumns(31), 52);
    EXPECT_EQ(g_sdColumnBin[52], 82);
    EXPECT_EQ(LayoutHistogramColumns(51), 51);
}

class SampDistSelectionTest : public SampDistModelTest {
  protected:
    void SetUp() override {
        SampDistModelTest::SetUp();
        // Sorted: 4.0 (row 1), 4.5 (row 2), 4.95 (row 5), 5.0 (row 3),
        // 5.02 (row 4); the last three share bin 26 at width 0.2.
        SetSeries(Means({4.0f, 4.5f, 5.0f, 5.02f, 4.95f}));
        Rebin("4");
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
    Rebin("4");
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

    // At 0.1, 4.95 drops to bin 50 and 5.0 is the first of bin 51.
    ChooseBinWidth(BinWidth::Narrow, 31, "4");
    LayoutHistogramColumns(31);
    ReplaceSelectionAfterRebin(31);
    EXPECT_EQ(g_binWidthChanged, 0);
    EXPECT_EQ(g_sdColumnBin[21], 51);
    EXPECT_EQ(g_sdSelectionRect, (Rect{392, 389, 398, 393}));

    // At 0.05 from position 1 its bin 101 is out of view: no highlight, and
    // the next paint tries again.
    ChooseBinWidth(BinWidth::Finest, 1, "4");
    LayoutHistogramColumns(1);
    ReplaceSelectionAfterRebin(1);
    EXPECT_TRUE(g_sdSelectionRect.IsEmpty());
    EXPECT_EQ(g_binWidthChanged, 1);
    LayoutHistogramColumns(60);
    ReplaceSelectionAfterRebin(60);
    EXPECT_FALSE(g_sdSelectionRect.IsEmpty());
    EXPECT_EQ(g_binWidthChanged, 0);
}

TEST_F(SampDistModelTest, NormalCurvePeaksAtTheCentralColumnsHeight) {
    // z = 0.1 either side of the mean holds about 7.97 % of a normal; with
    // 100 samples asked for and 4 pixels per sample the peak is about 31.9.
    NormalCurve curve = ComputeNormalCurve("4", "100", 1);
    ComputeMuPixelX();
    const double peak = NormalCurveHeight(curve, g_muPixelX);
    EXPECT_NEAR(peak, 100 * 0.07966 * 4.0, 0.4);
    EXPECT_NEAR(NormalCurveHeight(curve, g_muPixelX + 35) / peak, std::exp(-0.5), 1e-6);
    // Once samples exist the series' target count replaces the field.
    SetSeries(Means({5, 5}));
    curve = ComputeNormalCurve("4", "100", 1);
    EXPECT_NEAR(NormalCurveHeight(curve, g_muPixelX), 2 * 0.07966 * 4.0, 0.01);
    // Zoomed and scrolled, the peak stays over the mean's mark.
    ChooseBinWidth(BinWidth::Finest, 91, "4");
    curve = ComputeNormalCurve("4", "100", 91);
    const int mark = AxisMarkX(g_popMean, 91);
    EXPECT_GT(NormalCurveHeight(curve, mark), NormalCurveHeight(curve, mark - 1));
    EXPECT_GT(NormalCurveHeight(curve, mark), NormalCurveHeight(curve, mark + 1));

    // Proportions, n = 10: the continuity half-width 1/20 is 0.316 standard
    // errors, which holds about 24.8 % of a normal, not a flat line.
    SetSeries({});
    ChooseBinWidth(BinWidth::Medium, 1, "4");
    UseProportions("10");
    ComputeMuPixelX();
    curve = ComputeNormalCurve("10", "100", 1);
    EXPECT_NEAR(NormalCurveHeight(curve, g_muPixelX), 100 * 0.2482 * 4.0, 0.3);
    // No curve without a sample size or without spread.
    EXPECT_FALSE(ComputeNormalCurve("0", "100", 1).drawable);
    g_popSD = 0.0f;
    ReadSampleSize("10", width);
    EXPECT_FALSE(ComputeNormalCurve("10", "100", 1).drawable);
}
