// The Dorvane window's histogram, Qt-free: bins of each width, the axis and
// its labels, the vertical scale, the columns, a click on a column, and the
// normal curve. Values are worked out by hand from 35 pixels a unit at zoom
// 1 (the axis 251..616) and a bin k of M per unit holding (k - 1.5) / M up
// to (k - 0.5) / M.
#include "tests/windows/sampdist/model/SampDistModelFixture.h"

#include <cmath>

using HistogramModel = SampDistModelTest;

TEST_F(HistogramModel, RebinPutsEachStatisticIntoItsBinOrNone) {
    SetSeries(Means({0.0f, 5.0f, 5.04f, 5.26f, 10.0f}));
    const std::pair<BinWidth, std::vector<int>> cases[] = {
        {BinWidth::Wide, {1, 11, 11, 12, 21}},
        {BinWidth::Medium, {1, 26, 26, 27, 51}},
        {BinWidth::Narrow, {1, 51, 51, 54, 101}},
        {BinWidth::Finest, {1, 101, 102, 106, 201}},
    };
    for (const auto& [binWidth, bins] : cases) {
        Width(binWidth);
        std::vector<int> expected(kHistogramBins + 1, 0);
        for (int bin : bins)
            expected[bin] += 1;
        EXPECT_EQ(Histogram(), expected) << "width " << int(binWidth);
    }
    // t values: SD 0 and the one-value marker -1 have none; a t value of 55
    // standard errors lies beyond the last bin. (6 - 5) / (2 / 2) + 5 = 6 is
    // in bin 31, 5 in bin 26; the field's n scales t: at 16, 7 in bin 36.
    g_showTValues = 1;
    SetSeries({{6.0f, 2.0f}, {6.0f, 0.0f}, {4.0f, -1.0f}, {60.0f, 2.0f}, {5.0f, 2.0f}});
    Width(BinWidth::Medium);
    std::vector<int> expected(kHistogramBins + 1, 0);
    expected[31] = expected[26] = 1;
    EXPECT_EQ(Histogram(), expected);
    Rebin(16);
    EXPECT_EQ(g_meanHistogram[36], 1);
    Rebin(0); // no sample size, no t at all
    EXPECT_EQ(Histogram(), std::vector<int>(kHistogramBins + 1, 0));
    // Proportions bin ten times finer.
    g_showTValues = 0;
    UseProportions();
    SetSeries(Means({0.5f, 1.0f}));
    Width(BinWidth::Finest);
    EXPECT_EQ(g_meanHistogram[101] + g_meanHistogram[201], 2);
}

TEST_F(HistogramModel, AxisConversionsAndLabelsFollowZoomAndScroll) {
    // Labels six pixels a character, at the round values that fit.
    auto ticks = [](int pos) {
        return AxisTicksOf(pos, [](const std::string& s) { return 6.0 * s.size(); });
    };
    auto texts = [&](int pos) {
        std::vector<std::string> out;
        for (const AxisTick& t : ticks(pos))
            out.push_back(t.text);
        return out;
    };
    using Texts = std::vector<std::string>;
    EXPECT_EQ(ValueToAxisPixel(5.0f, 1), 251 + 175);
    // Width 0.1 at position 31 starts at 3.0 with 70 pixels per unit: halves.
    Width(BinWidth::Narrow, 31);
    EXPECT_EQ(ValueToAxisPixel(5.0f, 31), 251 + 140);
    EXPECT_FLOAT_EQ(AxisPixelToValue(251 + 140, 31), 5.0f);
    EXPECT_EQ(texts(31),
              (Texts{"3.0", "3.5", "4.0", "4.5", "5.0", "5.5", "6.0", "6.5", "7.0", "7.5", "8.0"}));
    Width(BinWidth::Finest, 31); // one position moves a value by 7 pixels
    EXPECT_EQ(ValueToAxisPixel(5.0f, 90) - ValueToAxisPixel(5.0f, 91), 7);
    // A display transform changes the observed labels only (50 .. 150); z
    // labels count standard errors from the mean, and have no number without one.
    Width(BinWidth::Medium);
    g_dispFromMean = 5.0f;
    g_dispScale = 10.0f;
    g_dispToMean = 100.0f;
    EXPECT_EQ(texts(1),
              (Texts{"50", "60", "70", "80", "90", "100", "110", "120", "130", "140", "150"}));
    const Texts z{"-5", "-4", "-3", "-2", "-1", "0", "1", "2", "3", "4", "5"};
    g_showZValues = 1;
    EXPECT_EQ(texts(1), z);
    EXPECT_EQ(ticks(1)[5].x, 251 + 3 + 175); // 0 stands at the mean, 5
    UseProportions();                        // one standard error is 0.1
    EXPECT_EQ(texts(1), z);
    g_showZValues = 0;
    EXPECT_EQ(texts(1),
              (Texts{"0.0", "0.1", "0.2", "0.3", "0.4", "0.5", "0.6", "0.7", "0.8", "0.9", "1.0"}));
    g_showZValues = 1;
    g_standardError = 0.0f;
    EXPECT_TRUE(texts(1).empty());
}

TEST_F(HistogramModel, VerticalScaleFitsTheTallestColumn) {
    // Ticks of 1, 2, 5 or 10 up to 89 samples, four to ten of them, a step of
    // room over the tallest column; from 90 on ticks of 25, doubled until at
    // most 10 remain. The scale fills the height with ticks x room samples.
    // Rows from a separate port of the rule in Python.
    struct Case {
        int cmax, height, step, ticks, room;
    };
    const Case cases[] = {{1, 373, 1, 4, 1},           {10, 200, 2, 7, 2},   {20, 373, 5, 6, 5},
                          {89, 373, 10, 10, 10},       {90, 373, 25, 4, 26}, {300, 373, 50, 7, 51},
                          {10000, 373, 1600, 7, 1601}, {0, 373, 25, 4, 26}};
    for (const Case& c : cases) {
        const HistogramScale s = ComputeHistogramScale(c.cmax, c.height, 1.0f);
        EXPECT_EQ(s.tickStep, c.step) << c.cmax;
        EXPECT_EQ(s.tickCount, c.ticks) << c.cmax;
        EXPECT_FLOAT_EQ(s.countScale, (c.height + 1.0f) / (c.room * c.ticks)) << c.cmax;
    }
    // No plotting height: 3 ticks at 4 pixels.
    const HistogramScale flat = ComputeHistogramScale(10, 0, 1.0f);
    EXPECT_EQ(flat.tickCount, 3);
    EXPECT_FLOAT_EQ(flat.countScale, 4.0f);
    // Only the bins of the current width count toward the tallest column.
    g_meanHistogram[10] = 7;
    g_meanHistogram[60] = 500;
    EXPECT_EQ(LargestBinCount(), 7);
    g_binWidthMedium = 0;
    g_binWidthFinest = 1;
    ChooseHistogramScale(4, 0);
    EXPECT_EQ(g_histTickStep, 100);
}

TEST_F(HistogramModel, EachColumnCoversItsBinsRangeOnTheAxis) {
    // A value v stands 3 + 35 Z v - 7 (pos - 1) pixels right of the axis
    // start, as its label and the mean's mark do.
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
        EXPECT_TRUE(g_sdColumnRect[c.columns + 1].IsEmpty()); // a wider layout's slots cleared
    }
}

TEST_F(HistogramModel, AClickSelectsTheSampleAtThatHeightAndFollowsAWidthChange) {
    // Sorted: 4.0 (row 1), 4.5 (row 2), 4.95 (row 5), 5.0 (row 3), 5.02
    // (row 4); the last three share bin 26 at width 0.2: x 427..432, 12
    // pixels high (381..392), 4 pixels a sample.
    SetSeries(Means({4.0f, 4.5f, 5.0f, 5.02f, 4.95f}));
    Rebin(4);
    g_histCountScale = 4.0f;
    LayoutHistogramColumns(1);
    ASSERT_EQ(g_sdColumnRect[26], (Rect{427, 381, 433, 394}));
    struct Click {
        int y, pos, sampleNo;
        Rect strip;
    };
    const Click clicks[] = {{393, 3, 5, {427, 389, 433, 393}}, // the axis line: the bottom one
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
    g_sortByMeans = 0;
    // Bin 25 is empty: its slot answers on the axis line but selects nothing.
    EXPECT_FALSE(SelectColumnSample(421, 393).hit);
    EXPECT_EQ(g_sampleSelected + g_selectedPos + g_selectedSampleNo, 0);
    EXPECT_TRUE(g_sdSelectionRect.IsEmpty());
    EXPECT_EQ(SelectedSampleText(), "");
    EXPECT_FALSE(SelectColumnSample(300, 100).hit); // beside the columns
    EXPECT_EQ(g_sampleSelected, 0);

    // At 0.1, 4.95 lies on the lower edge of bin 51 and so belongs to it:
    // 5.0 is the second sample of bin 51, in slot 21 from position 31.
    SelectColumnSample(429, 388);
    ASSERT_EQ(g_selectedSampleNo, 3);
    Width(BinWidth::Narrow, 31);
    LayoutHistogramColumns(31);
    ReplaceSelectionAfterRebin(31);
    EXPECT_EQ(g_sdSelectionRect, (Rect{392, 385, 398, 389}));
    // At 0.05 from position 1 its bin 101 is out of view: no highlight, and
    // the next paint tries again.
    Width(BinWidth::Finest);
    LayoutHistogramColumns(1);
    ReplaceSelectionAfterRebin(1);
    EXPECT_TRUE(g_sdSelectionRect.IsEmpty());
    EXPECT_EQ(g_binWidthChanged, 1);
    LayoutHistogramColumns(60);
    ReplaceSelectionAfterRebin(60);
    EXPECT_FALSE(g_sdSelectionRect.IsEmpty());
}

TEST_F(HistogramModel, NormalCurvePeaksAtTheCentralColumnsHeight) {
    // z = 0.1 either side of the mean holds 7.966 % of a normal; with 100
    // samples asked for and 4 pixels per sample the peak is about 31.9.
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
    // errors, which holds 24.82 % of a normal, not a flat line.
    SetSeries({});
    UseProportions(10);
    ComputeMuPixelX();
    curve = ComputeNormalCurve(10, 100, 1);
    EXPECT_NEAR(NormalCurveHeight(curve, g_muPixelX), 100 * 0.2482 * 4.0, 0.3);
    // No curve without a sample size or without spread.
    EXPECT_FALSE(ComputeNormalCurve(0, 100, 1).drawable);
    g_popSD = 0.0f;
    SampleSize(10);
    EXPECT_FALSE(ComputeNormalCurve(10, 100, 1).drawable);
}
