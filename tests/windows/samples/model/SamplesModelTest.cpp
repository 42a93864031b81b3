// The Samples window's numbers without a window, worked out by hand and in
// Python (single-precision steps emulated where the window stores floats).
#include "windows/samples/SamplesModel.h"
#include "core/Selection.h"
#include "core/SimulationState.h"
#include "windows/samples/SamplePictureModel.h"

#include <gtest/gtest.h>
#include <string>
#include <tuple>
#include <vector>

namespace {

class SamplesModel : public ::testing::Test {
  protected:
    void SetUp() override {
        ResetSimulationState();
        SetSamplesLayout(kSamplesDesignWidth, kSamplesDesignHeight);
    }
    static void Series(int drawn) {
        g_samplesDrawn = drawn;
        for (int k = 1; k <= drawn; ++k)
            g_sortedMeanSampleNo[k] = k;
    }
    // Values shown as (x - from) x scale + to, as after Population Settings.
    static void ShowAs(float from, float to, float scale) {
        g_dispFromMean = from, g_dispToMean = to, g_dispScale = scale;
    }
    // A text measured at 6 pixels a character, as a window might draw it.
    static int SixEach(const std::string& text) { return 6 * static_cast<int>(text.size()); }
};

} // namespace

TEST_F(SamplesModel, VerticalScaleBarsAndTheFallingBlock) {
    // The first row of the table that holds five steps; one step spans 32
    // design units (16 in a grid cell).
    const std::tuple<int, int, float> scales[] = {
        {5, 1, 32},       {6, 2, 16},        {11, 3, 10.666667f}, {16, 4, 8},
        {25, 5, 6.4f},    {26, 10, 3.2f},    {51, 20, 1.6f},      {101, 25, 1.28f},
        {126, 50, 0.64f}, {251, 100, 0.32f}, {500, 100, 0.32f},   {501, 200, 0.16f}};
    for (const auto& [maxCount, step, height] : scales) {
        const SampleScale s = ChooseSampleScale(maxCount), g = ChooseGridScale(maxCount);
        EXPECT_EQ(s.step, step) << maxCount;
        EXPECT_FLOAT_EQ(s.height, height) << maxCount;
        EXPECT_EQ(g.step, step) << maxCount;
        EXPECT_FLOAT_EQ(g.height, height / 2) << maxCount;
    }
    // No sample of up to 1000 values pokes above the axis.
    for (int maxCount = 1; maxCount <= 1000; ++maxCount) {
        const HistogramLayout l = LayoutHistogram(maxCount, 320);
        ASSERT_GE(CountLevel(l.y0, l.h, maxCount), l.axisTop) << maxCount;
    }
    // trunc(230 - count x h) in single precision.
    for (auto [height, count, level] :
         {std::tuple{32.0f, 1, 198}, {10.666667f, 7, 155}, {10.666667f, 15, 70}, {0.16f, 990, 71}})
        EXPECT_EQ(CountLevel(230, height, count), level) << height << " " << count;
    // A block falls at most five counts, and not at all into a full bar.
    for (auto [maxCount, count, steps] :
         {std::tuple{15, 13, 1}, {15, 14, 0}, {1000, 990, 5}, {1000, 999, 0}})
        EXPECT_EQ(FallSteps(LayoutHistogram(maxCount, 320), count), steps)
            << maxCount << " " << count;
    EXPECT_EQ(BlockRect(LayoutHistogram(5, 320), 3, 4), (Rect{57, 102, 68, 134}));
}

TEST_F(SamplesModel, MeanAndSdTextsStandBesideTheMeanMarker) {
    EXPECT_EQ(MeanPixel(SampleView::Grid, 180, 5.0f), 230);
    EXPECT_TRUE(MeanTextOnLeft(35, 100, 60)); // when it fits between axis start and line
    EXPECT_FALSE(MeanTextOnLeft(35, 99, 60));
    const SampleView H = SampleView::Histogram, G = SampleView::Grid;
    // The mean text is 48 pixels wide; texts are measured at 6 a character.
    using Case = std::tuple<bool, SampleView, float, int, bool, const char*, int, bool>;
    for (const auto& [binomial, view, mean, meanX, meanLeft, text, x, rightAligned] :
         {Case{false, H, 7.59f, 202, true, "  s = 1.25", 204, false},
          {false, H, 7.6f, 202, true, "s = 1.25   ", 202 - 5 - 48, true}, // left of the mean text
          {false, H, 2.5f, 90, false, "s = 1.25  ", 85, true},
          {false, H, 2.4f, 90, false, "    s = 1.25  ", 85, true},
          // So close to the start, right-aligned it would leave the window, or
          // begin under the selection frame and the focus ring at its edge.
          {false, H, 2.5f, 70, false, "s = 1.25", 70 + 8 + 48, false},
          {false, H, 2.5f, 72, false, "s = 1.25  ", 67, true}, // begins at 7
          {false, G, 8.0f, 260, true, "  s = 1.25", 260 - 8 - 48, true},
          {false, G, 3.0f, 210, false, "s = 1.25", 205, true},
          {false, G, 1.0f, 190, false, "s = 1.25", 190 + 8 + 48, false},
          // Proportions turn at 0.76 and 0.24.
          {true, H, 0.76f, 187, true, "s = 1.25   ", 187 - 5 - 48, true},
          {true, H, 0.75f, 185, true, "  s = 1.25", 187, false},
          {true, H, 0.24f, 83, false, "    s = 1.25  ", 78, true},
          {true, G, 0.8f, 115, true, "  s = 1.25", 115 - 8 - 48, true}}) {
        g_isBinomial = binomial;
        const TextPlacement t = SdTextPlacement(view, mean, 1.25f, meanX, meanLeft, 48, SixEach);
        EXPECT_EQ(t.text + "|" + std::to_string(t.x) + "|" + std::to_string(t.rightAligned),
                  text + ("|" + std::to_string(x)) + "|" + std::to_string(rightAligned))
            << mean;
    }
    EXPECT_EQ(MeanText(0.4f), "p = 0.40");
    EXPECT_EQ(MeanPixel(SampleView::Histogram, 35, 0.5f), 135);
    EXPECT_EQ(MeanPixel(SampleView::Grid, 35, 0.5f), 85);
    g_isBinomial = 0; // a sample of one value has no s
    EXPECT_EQ(SdTextPlacement(H, 5.0f, -1.0f, 145, true, 48, SixEach).text, "");
    ShowAs(5.0f, 100.0f, 15.0f); // shown values follow the display transform
    EXPECT_EQ(MeanText(5.4f), "x = 106.00");
    EXPECT_EQ(SdTextPlacement(G, 5.0f, 1.0f, 145, true, 48, SixEach).text, "  s = 15.00");
}

TEST_F(SamplesModel, ScrollingStepsAndStopsAtBothEnds) {
    using R = ScrollRequest;
    const struct {
        int histogramView, drawn, from;
        ScrollRequest request;
        int thumb, to;
    } cases[] = {// After a run the grid shows 45..50: a step back starts from 45;
                 // with fewer than six samples the grid stays at 1.
                 {1, 50, 50, R::LineForward, 0, 50}, {1, 50, 10, R::Thumb, 33, 33},
                 {1, 50, 10, R::Other, 40, 10},      {0, 50, 10, R::LineForward, 0, 12},
                 {0, 50, 10, R::PageForward, 0, 28}, {0, 50, 40, R::PageForward, 0, 45},
                 {0, 50, 10, R::PageBack, 0, 1},     {0, 50, 10, R::Thumb, 50, 45},
                 {0, 50, 50, R::LineBack, 0, 43},    {0, 50, 50, R::PageBack, 0, 27},
                 {0, 3, 1, R::LineForward, 0, 1},    {1, 0, 1, R::Thumb, 5, 1}};
    for (const auto& c : cases) {
        g_samplesHistogramView = c.histogramView;
        Series(c.drawn);
        g_currentSampleNo = c.from;
        EXPECT_EQ(ScrollSamples(c.request, c.thumb), c.to)
            << c.histogramView << " " << c.drawn << " " << c.from << " " << c.thumb;
        EXPECT_EQ(g_currentSampleNo, c.to);
    }
    // The engine's range 1..r, never below 1..1.
    for (auto [max, pos, wantMax, wantPos] :
         {std::tuple{10, 0, 10, 1}, {0, 0, 1, 1}, {5, 9, 5, 5}}) {
        const SamplesScrollBar bar = SamplesScrollBarFor(max, pos);
        EXPECT_EQ(std::pair(bar.maximum, bar.position), std::pair(wantMax, wantPos)) << max << pos;
    }
}

TEST_F(SamplesModel, LimitsMoveByDragKeyOrTypingWithinTheAxisAndNeverCross) {
    // The axis runs from pixel 35 (0) to 255 (10), 22 pixels a unit. Past the
    // other marker a limit stops at it; past the axis, at 0 and 10.
    DragUpperLimitTo(189);
    DragLowerLimitTo(250);
    EXPECT_EQ(g_lowerLimitRect.right + 2, g_upperLimitRect.left + 4);
    DragUpperLimitTo(20);
    EXPECT_EQ(g_upperLimitRect.left + 2, g_lowerLimitRect.right);
    ResetSamplesWindowState();
    SetSamplesLayout(320, 402);
    DragLowerLimitTo(-40);
    DragUpperLimitTo(400);
    EXPECT_EQ(LowerLimitText() + " " + UpperLimitText(), "0 10");
    // A typed number goes where a drag could take the limit, exactly.
    for (const auto& [lower, typed, value, pixel] :
         {std::tuple{true, "3.3", 3.3f, 108}, // 35 + 72.6, to the nearest pixel
          {false, "7.04", 7.04f, 190},        // 35 + 154.88
          {true, "9", 153.0f / 22, 188},      // not past the upper marker's left edge
          {true, "-4", 0.0f, 35},             // the axis' start
          {false, "1e6", 10.0f, 255}}) {      // its end
        (lower ? SetLowerLimitToShown : SetUpperLimitToShown)(std::stod(typed));
        EXPECT_NEAR(lower ? g_lowerLimit : g_upperLimit, value, 1e-5) << typed;
        EXPECT_EQ(lower ? LowerLimitPixel() : UpperLimitPixel(), pixel) << typed;
    }
    EXPECT_EQ(g_upperLimit, 10.0f);
    // Shown as mean 100, SD 15: the ends of the axis read 25 and 175, and a
    // typed number is a shown one.
    ResetSamplesWindowState();
    SetSamplesLayout(320, 402);
    ShowAs(5.0f, 100.0f, 15.0f);
    EXPECT_EQ(LowerLimitText() + " " + UpperLimitText(), "25.00 175.00");
    SetLowerLimitToShown(85);
    EXPECT_FLOAT_EQ(g_lowerLimit, 4.0f);
    // A binomial population's limits stay put.
    g_isBinomial = 1;
    DragLowerLimitTo(200);
    SetLowerLimitToShown(5);
    EXPECT_FLOAT_EQ(g_lowerLimit, 4.0f);
}

TEST_F(SamplesModel, ShareBetweenTheLimitsCountsValuesOnEitherLimit) {
    Series(2);
    const float values[] = {3.0f, 2.99f, 7.0f, 7.01f, 5.0f, 0.0f, 10.0f, 3.0f};
    std::copy(std::begin(values), std::end(values), g_sampleStore[1].values + 1);
    g_currentSampleNo = 1;
    g_lowerLimit = 3.0f;
    g_upperLimit = 7.0f;
    EXPECT_EQ(CountBetweenLimits(1, 8), 4);
    EXPECT_EQ(ShareBetweenLimitsText(8), "50");
    EXPECT_EQ(ShareBetweenLimitsText(5), "60");
    g_lowerLimit = 2.99f;
    g_upperLimit = 4.0f; // 3 of 8 is 37.5 %
    EXPECT_EQ(ShareBetweenLimitsText(8), "38");
    // No values: no share, rather than a division by zero; a field beyond the
    // sample's slots reads only the slots there are.
    for (int n : {0, -3})
        EXPECT_EQ(ShareBetweenLimitsText(n), "") << n;
    EXPECT_GE(CountBetweenLimits(1, 50000), 0);
    // No limits over a series a run asked for but drew none.
    g_samplesExist = 1;
    g_samplesDrawn = 0;
    EXPECT_FALSE(LimitsShown());
}

TEST_F(SamplesModel, AClickSelectsTheSampleDrawnUnderThePointer) {
    EXPECT_EQ(SampleAtPoint(100, 100, 320), 0); // no series
    Series(10);
    g_currentSampleNo = 4;
    EXPECT_EQ(SampleAtPoint(100, 100, 320), 4);
    EXPECT_EQ(SampleAtPoint(6, 100, 320), 0);
    EXPECT_EQ(SampleAtPoint(100, 260, 320), 0);
    // The grid near the end shows the last six, 5..10; a click beside the cells
    // selects nothing.
    g_samplesHistogramView = 0;
    g_currentSampleNo = 8;
    GridCell cells[kGridCells];
    LayoutGrid(cells);
    for (int i = 0; i < kGridCells; ++i)
        g_sampleCellRects[i] = cells[i].rect;
    EXPECT_EQ(SampleAtPoint(5, 200, 320), 0);
    EXPECT_EQ(SampleAtPoint(200, 320, 320), 10);
    Series(3); // cells left by a longer series no longer hold a sample
    EXPECT_EQ(SampleAtPoint(200, 320, 320), 0);
    // Selected with the rows sorted by means, sample 1 is the second row there,
    // where the Confidence Intervals window marks it.
    const int sorted[] = {0, 3, 1, 2};
    std::copy(std::begin(sorted), std::end(sorted), g_sortedMeanSampleNo);
    g_sortByMeans = 1;
    SelectSampleNo(1);
    EXPECT_EQ(g_selectedPos, 2);
    EXPECT_EQ(g_selectedSampleNo, 2);
}

TEST_F(SamplesModel, ThePictureInWordsOnTheShownScale) {
    EXPECT_EQ(SamplesPictureDescription(4), "No samples drawn yet");
    Series(1200);
    g_samplesExist = 1;
    g_seriesSampleSize = 4;
    g_currentSampleNo = 12;
    SampleRow& row = g_sampleStore[12];
    const float values[] = {2.0f, 4.0f, 6.0f, 9.0f};
    std::copy(std::begin(values), std::end(values), row.values + 1);
    row.mean = 5.25f;
    row.sd = 2.986f;
    g_lowerLimit = 3.0f;
    g_upperLimit = 8.0f;
    SelectSampleNo(12);
    // Shown as (x - 5) x 2 + 100: the mean, the SD and the limits alike.
    ShowAs(5.0f, 100.0f, 2.0f);
    EXPECT_EQ(SamplesPictureDescription(4),
              "Sample 12 of 1,200 as a histogram of its 4 values: mean 100.50, SD 5.97; 50% of "
              "the values lie between the limits 96.00 and 106.00; it is the selected sample");
    g_samplesHistogramView = 0;
    g_currentSampleNo = 1197; // near the end the grid shows the last six
    EXPECT_EQ(SamplesPictureDescription(4),
              "Samples 1,195 to 1,200 of 1,200, each as a small histogram");
}
