// The Samples window's numbers without a window: the vertical-scale table,
// bar heights and the falling block, where the mean marker and the "s =" text
// go, the grid's cells, the scroll bar's clamps, the limits and their share,
// and which sample a click selects. Expected values were worked out by hand
// and in Python (single-precision steps emulated where the window stores
// floats), not taken from the window's tables.
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

    // A series of rows whose values are given; means and counts follow.
    static void SetRow(int row, const std::vector<float>& values) {
        SampleRow& r = g_sampleStore[row];
        std::fill(std::begin(r.columnCounts), std::end(r.columnCounts), 0);
        float sum = 0;
        for (std::size_t j = 0; j < values.size(); ++j) {
            r.values[j + 1] = values[j];
            r.columnCounts[static_cast<int>(2 * values[j] + 1)] += 1;
            sum += values[j];
        }
        r.mean = sum / values.size();
    }
    static void Series(int drawn) {
        g_samplesDrawn = drawn;
        for (int k = 1; k <= drawn; ++k)
            g_sortedMeanSampleNo[k] = k;
    }
    // A text measured at 6 pixels a character, as a window might draw it.
    static int SixEach(const std::string& text) { return 6 * static_cast<int>(text.size()); }
};

TEST_F(SamplesModel, DesignSizeGivesScalesOfExactlyOne) {
    EXPECT_EQ(g_samplesScaleX, 1.0f);
    EXPECT_EQ(g_samplesScaleY, 1.0f);
    // Twice the size, twice every length.
    SetSamplesLayout(640, 804);
    EXPECT_EQ(g_samplesScaleX, 2.0f);
    EXPECT_EQ(g_samplesScaleY, 2.0f);
    EXPECT_EQ(g_upperLimitRect, (Rect{510, 520, 522, 556}));
}

TEST_F(SamplesModel, VerticalScaleTakesTheFirstRowThatHoldsFiveSteps) {
    struct Case {
        int maxCount, step;
        float height, gridHeight;
    };
    const Case cases[] = {
        {0, 1, 32, 16},
        {5, 1, 32, 16},
        {6, 2, 16, 8},
        {10, 2, 16, 8},
        {11, 3, 10.666667f, 5.333333f},
        {15, 3, 10.666667f, 5.333333f},
        {16, 4, 8, 4},
        {21, 5, 6.4f, 3.2f},
        {25, 5, 6.4f, 3.2f},
        {26, 10, 3.2f, 1.6f},
        {51, 20, 1.6f, 0.8f},
        {101, 25, 1.28f, 0.64f},
        {126, 50, 0.64f, 0.32f},
        {251, 100, 0.32f, 0.16f},
        {500, 100, 0.32f, 0.16f},
        {501, 200, 0.16f, 0.08f},
        {1000, 200, 0.16f, 0.08f},
    };
    for (const Case& c : cases) {
        const SampleScale s = ChooseSampleScale(c.maxCount), g = ChooseGridScale(c.maxCount);
        EXPECT_EQ(s.step, c.step) << c.maxCount;
        EXPECT_FLOAT_EQ(s.height, c.height) << c.maxCount;
        EXPECT_EQ(g.step, c.step) << c.maxCount;
        EXPECT_FLOAT_EQ(g.height, c.gridHeight) << c.maxCount;
        // One step spans 32 design units, five of them the 160 of the axis.
        EXPECT_NEAR(s.step * s.height, 32.0, 1e-4) << c.maxCount;
        EXPECT_NEAR(g.step * g.height, 16.0, 1e-4) << c.maxCount;
    }
    // No sample of up to 1000 values pokes above the axis.
    for (int maxCount = 1; maxCount <= 1000; ++maxCount) {
        const HistogramLayout l = LayoutHistogram(maxCount, 320);
        ASSERT_GE(CountLevel(l.y0, l.h, maxCount), l.axisTop) << maxCount;
    }
}

TEST_F(SamplesModel, BarsAndCountLevelsOfTheHistogram) {
    const HistogramLayout l = LayoutHistogram(7, 320); // step 2
    EXPECT_EQ(l.x0, 35);
    EXPECT_EQ(l.y0, 230);
    EXPECT_EQ(l.axisTop, 70);
    EXPECT_EQ(l.axisRight, 274);
    EXPECT_EQ(l.bars, 21);
    // Bar k holds the values k/2 .. k/2 + 0.5, 22 units to one unit of value.
    EXPECT_EQ(HistogramBarSpan(l, 1).left, 35);
    EXPECT_EQ(HistogramBarSpan(l, 11).left, 35 + 110);
    EXPECT_EQ(HistogramBarSpan(l, 21).right, 35 + 231);
    // trunc(230 - count x h) in single precision.
    for (auto [height, count, level] : {std::tuple{32.0f, 1, 198},
                                        {10.666667f, 7, 155},
                                        {10.666667f, 15, 70},
                                        {0.16f, 990, 71},
                                        {0.16f, 999, 70}})
        EXPECT_EQ(CountLevel(230, height, count), level) << height << " " << count;
    EXPECT_EQ(CountLevel(90, 5.333333f, 7), 52); // a grid cell

    g_isBinomial = 1;
    const HistogramLayout b = LayoutHistogram(7, 320);
    EXPECT_EQ(b.bars, 2);
    EXPECT_EQ(HistogramBarSpan(b, 1).left, 35);
    EXPECT_EQ(HistogramBarSpan(b, 1).right, 45);
    EXPECT_EQ(HistogramBarSpan(b, 2).left, 230);
    EXPECT_EQ(HistogramBarSpan(b, 2).right, 240);
}

TEST_F(SamplesModel, ABlockFallsAtMostFiveCountsAndNotAtAllIntoAFullBar) {
    struct Case {
        int maxCount, count, steps;
    };
    const Case cases[] = {
        {5, 0, 5},    {5, 1, 4},      {5, 4, 1},      {5, 5, 0}, // step 1, 32 units a count
        {15, 7, 5},   {15, 13, 1},    {15, 14, 0},               // less than a count of room
        {1000, 0, 5}, {1000, 990, 5}, {1000, 999, 0},
    };
    for (const Case& c : cases)
        EXPECT_EQ(FallSteps(LayoutHistogram(c.maxCount, 320), c.count), c.steps)
            << c.maxCount << " " << c.count;
    // The block of the fourth value of a bar, and the pauses per step.
    const HistogramLayout l = LayoutHistogram(5, 320);
    EXPECT_EQ(BlockRect(l, 3, 4), (Rect{57, 102, 68, 134}));
    std::vector<int> pauses;
    for (int speed = 1; speed <= 5; ++speed)
        pauses.push_back(FallPauseForSpeed(speed));
    EXPECT_EQ(pauses, (std::vector<int>{0, 25, 50, 75, 100}));
}

TEST_F(SamplesModel, MeanTextAndItsPlace) {
    EXPECT_EQ(MeanText(5.0f), "x = 5.00");
    EXPECT_EQ(MeanPixel(SampleView::Histogram, 35, 5.0f), 145);
    EXPECT_EQ(MeanPixel(SampleView::Grid, 180, 5.0f), 230);
    // The left side when the text fits between the axis start and the line.
    EXPECT_TRUE(MeanTextOnLeft(35, 100, 60));
    EXPECT_FALSE(MeanTextOnLeft(35, 99, 60));
    // Shown values follow the display transform.
    g_dispFromMean = 5.0f;
    g_dispToMean = 100.0f;
    g_dispScale = 15.0f;
    EXPECT_EQ(MeanText(5.4f), "x = 106.00");
    g_dispFromMean = g_dispToMean = 0.0f;
    g_dispScale = 1.0f;
    g_isBinomial = 1;
    EXPECT_EQ(MeanText(0.4f), "p = 0.40");
    EXPECT_EQ(MeanPixel(SampleView::Histogram, 35, 0.5f), 135);
    EXPECT_EQ(MeanPixel(SampleView::Grid, 35, 0.5f), 85);
}

TEST_F(SamplesModel, SdTextStandsBesideTheMeanTextBySide) {
    struct Case {
        bool binomial;
        SampleView view;
        float mean;
        int meanX;
        bool meanLeft;
        std::string text;
        int x;
        bool rightAligned;
    };
    const SampleView H = SampleView::Histogram, G = SampleView::Grid;
    // The mean text is 48 pixels wide; texts are measured at 6 a character.
    const Case cases[] = {
        {false, H, 5.0f, 145, true, "  s = 1.25", 147, false},
        {false, H, 7.59f, 202, true, "  s = 1.25", 204, false},
        {false, H, 7.6f, 202, true, "s = 1.25   ", 202 - 5 - 48, true}, // left of the mean text
        {false, H, 2.5f, 90, false, "s = 1.25  ", 85, true},
        {false, H, 2.4f, 90, false, "    s = 1.25  ", 85, true},
        // So close to the start, right-aligned it would leave the window, or
        // begin under the selection frame and the focus ring at its edge.
        {false, H, 0.4f, 43, false, "s = 1.25", 43 + 8 + 48, false},
        {false, H, 2.5f, 70, false, "s = 1.25", 70 + 8 + 48, false},
        {false, H, 2.5f, 72, false, "s = 1.25  ", 67, true}, // begins at 7
        {false, G, 3.0f, 40, false, "s = 1.25", 40 + 8 + 48, false},
        {false, G, 5.0f, 230, true, "  s = 1.25", 232, false},
        {false, G, 8.0f, 260, true, "  s = 1.25", 260 - 8 - 48, true},
        {false, G, 3.0f, 210, false, "s = 1.25", 205, true},
        {false, G, 1.0f, 190, false, "s = 1.25", 190 + 8 + 48, false},
        // Proportions turn at 0.76 and 0.24.
        {true, H, 0.76f, 187, true, "s = 1.25   ", 187 - 5 - 48, true},
        {true, H, 0.75f, 185, true, "  s = 1.25", 187, false},
        {true, H, 0.25f, 85, false, "s = 1.25  ", 80, true},
        {true, H, 0.24f, 83, false, "    s = 1.25  ", 78, true},
        {true, G, 0.8f, 115, true, "  s = 1.25", 115 - 8 - 48, true},
        {true, G, 0.2f, 55, false, "s = 1.25", 55 + 8 + 48, false},
    };
    for (const Case& c : cases) {
        g_isBinomial = c.binomial;
        const TextPlacement t =
            SdTextPlacement(c.view, c.mean, 1.25f, c.meanX, c.meanLeft, 48, SixEach);
        EXPECT_EQ(t.text, c.text) << c.mean;
        EXPECT_EQ(t.x, c.x) << c.mean;
        EXPECT_EQ(t.rightAligned, c.rightAligned) << c.mean;
    }
    // A sample of one value has none; a spread is shown on the shown scale.
    g_isBinomial = 0;
    EXPECT_EQ(SdTextPlacement(H, 5.0f, -1.0f, 145, true, 48, SixEach).text, "");
    g_dispScale = 15.0f;
    EXPECT_EQ(SdTextPlacement(G, 5.0f, 1.0f, 145, true, 48, SixEach).text, "  s = 15.00");
}

TEST_F(SamplesModel, GridShowsSixSamplesFromTheCurrentOneTwoToARow) {
    Series(20);
    g_currentSampleNo = 3;
    GridCell cells[kGridCells];
    LayoutGrid(cells);
    // Three rows of 110-unit cells 2 apart: the lowest ends at 337, above
    // the control strip at 342.
    const int origins[kGridCells][2] = {{35, 88},   {180, 88}, {35, 200},
                                        {180, 200}, {35, 312}, {180, 312}};
    for (int i = 0; i < kGridCells; ++i) {
        EXPECT_EQ(cells[i].sampleNo, 3 + i);
        EXPECT_EQ(cells[i].x, origins[i][0]);
        EXPECT_EQ(cells[i].y, origins[i][1]);
    }
    EXPECT_EQ(cells[1].rect, (Rect{160, 3, 295, 113}));
    EXPECT_EQ(cells[5].rect, (Rect{160, 227, 295, 337}));
    EXPECT_EQ(GridBarLeft(35, 20), 135);
    // Showing one of the last five (after a run, the last), the grid shows
    // the last six; a short series from its first; no series, none.
    for (auto [drawn, current, first] :
         {std::tuple{20, 18, 15}, {20, 20, 15}, {20, 15, 15}, {4, 4, 1}, {6, 6, 1}, {7, 7, 2}}) {
        Series(drawn);
        g_currentSampleNo = current;
        LayoutGrid(cells);
        for (int i = 0; i < kGridCells; ++i)
            EXPECT_EQ(cells[i].sampleNo, first + i <= drawn ? first + i : 0)
                << drawn << " " << current << " " << i;
    }
    Series(4);
    LayoutGrid(cells);
    EXPECT_TRUE(cells[4].rect.IsEmpty()); // an empty cell takes no click
    Series(0);
    g_currentSampleNo = 0;
    EXPECT_EQ(GridFirstSample(), 1);
    LayoutGrid(cells);
    EXPECT_EQ(cells[0].sampleNo, 0);
}

TEST_F(SamplesModel, ScrollingStepsAndStopsAtBothEnds) {
    struct Case {
        int histogramView, drawn, from;
        ScrollRequest request;
        int thumb, to;
    };
    using R = ScrollRequest;
    const Case cases[] = {
        {1, 50, 10, R::LineForward, 0, 11},
        {1, 50, 10, R::LineBack, 0, 9},
        {1, 50, 10, R::PageForward, 0, 13},
        {1, 50, 10, R::PageBack, 0, 7},
        {1, 50, 50, R::LineForward, 0, 50},
        {1, 50, 49, R::PageForward, 0, 50},
        {1, 50, 1, R::LineBack, 0, 1},
        {1, 50, 2, R::PageBack, 0, 1},
        {1, 50, 10, R::Thumb, 33, 33},
        {1, 50, 10, R::Other, 40, 10},
        {0, 50, 10, R::LineForward, 0, 12},
        {0, 50, 10, R::PageForward, 0, 28},
        {0, 50, 40, R::PageForward, 0, 45},
        {0, 50, 44, R::LineForward, 0, 45},
        {0, 50, 10, R::PageBack, 0, 1},
        {0, 50, 10, R::Thumb, 50, 45},
        // After a run the grid shows 45..50: a step back starts from 45.
        {0, 50, 50, R::LineBack, 0, 43},
        {0, 50, 50, R::PageBack, 0, 27},
        {0, 3, 1, R::LineForward, 0, 1}, // fewer than six samples: the grid stays at 1
        {1, 0, 1, R::LineForward, 0, 1},
        {1, 0, 1, R::Thumb, 5, 1},
    };
    for (const Case& c : cases) {
        g_samplesHistogramView = c.histogramView;
        Series(c.drawn);
        g_currentSampleNo = c.from;
        EXPECT_EQ(ScrollSamples(c.request, c.thumb), c.to)
            << c.histogramView << " " << c.drawn << " " << c.from << " " << c.thumb;
        EXPECT_EQ(g_currentSampleNo, c.to);
    }
    // The engine's range 1..r, never below 1..1.
    for (auto [max, pos, wantMax, wantPos] :
         {std::tuple{50, 50, 50, 50}, {10, 0, 10, 1}, {0, 0, 1, 1}, {5, 9, 5, 5}}) {
        const SamplesScrollBar bar = SamplesScrollBarFor(max, pos);
        EXPECT_EQ(bar.maximum, wantMax);
        EXPECT_EQ(bar.position, wantPos);
    }
}

TEST_F(SamplesModel, LimitsFollowADragWithinTheAxisAndNeverCross) {
    EXPECT_FLOAT_EQ(LimitValueAtPixel(101), 3.0f);
    EXPECT_FLOAT_EQ(LimitValueAtPixel(189), 7.0f);
    DragLowerLimitTo(101);
    DragUpperLimitTo(189);
    EXPECT_FLOAT_EQ(g_lowerLimit, 3.0f);
    EXPECT_FLOAT_EQ(g_upperLimit, 7.0f);
    EXPECT_EQ(g_lowerLimitRect, (Rect{97, 260, 103, 278}));
    EXPECT_EQ(g_upperLimitRect, (Rect{187, 260, 193, 278}));
    EXPECT_EQ(LowerLimitText(), "3.00");
    // Past the other marker, a limit stops at it.
    DragLowerLimitTo(250);
    EXPECT_EQ(g_lowerLimitRect.right + 2, g_upperLimitRect.left + 4);
    DragUpperLimitTo(20);
    EXPECT_EQ(g_upperLimitRect.left + 2, g_lowerLimitRect.right);
    // Past the axis ends, at 0 and 10.
    ResetSamplesWindowState();
    SetSamplesLayout(320, 402);
    DragLowerLimitTo(-40);
    DragUpperLimitTo(400);
    EXPECT_EQ(g_lowerLimit, 0.0f);
    EXPECT_EQ(g_upperLimit, 10.0f);
    EXPECT_EQ(LowerLimitText() + " " + UpperLimitText(), "0 10");
    // A binomial population's limits stay put.
    g_isBinomial = 1;
    DragLowerLimitTo(101);
    EXPECT_EQ(g_lowerLimit, 0.0f);
}

TEST_F(SamplesModel, LimitsStandOnlyOverAMeasurementSampleInTheHistogramView) {
    g_samplesExist = 1;          // a run asked for samples ...
    EXPECT_FALSE(LimitsShown()); // ... but drew none
    Series(3);
    EXPECT_TRUE(LimitsShown());
    g_samplesHistogramView = 0;
    EXPECT_FALSE(LimitsShown());
    g_samplesHistogramView = 1;
    g_isBinomial = 1;
    EXPECT_FALSE(LimitsShown());
}

TEST_F(SamplesModel, LimitLabelsShowTheShownValue) {
    g_lowerLimit = 2.5f;
    g_upperLimit = 7.126f;
    EXPECT_EQ(LowerLimitText() + " " + UpperLimitText(), "2.50 7.13");
    // Mean 5 shown as 100 with a spread 15 times as large: the ends of the
    // axis are no longer 0 and 10.
    g_dispFromMean = 5.0f;
    g_dispToMean = 100.0f;
    g_dispScale = 15.0f;
    g_lowerLimit = 0.0f;
    g_upperLimit = 10.0f;
    EXPECT_EQ(LowerLimitText() + " " + UpperLimitText(), "25.00 175.00");
    // A transform that shows the value 0 where the axis starts.
    g_dispToMean = 75.0f;
    EXPECT_EQ(LowerLimitText(), "0");
}

TEST_F(SamplesModel, ShareCountsValuesOnEitherLimitAndNeedsValues) {
    Series(2);
    SetRow(1, {3.0f, 2.99f, 7.0f, 7.01f, 5.0f, 0.0f, 10.0f, 3.0f});
    g_currentSampleNo = 1;
    g_lowerLimit = 3.0f;
    g_upperLimit = 7.0f;
    EXPECT_EQ(CountBetweenLimits(1, 8), 4);
    EXPECT_EQ(ShareBetweenLimitsText(8), "50");
    EXPECT_EQ(ShareBetweenLimitsText(5), "60");
    g_lowerLimit = 2.99f;
    g_upperLimit = 4.0f; // 3 of 8 is 37.5 %
    EXPECT_EQ(ShareBetweenLimitsText(8), "38");
    // No values: no share, rather than a division by zero.
    for (int n : {0, -3})
        EXPECT_EQ(ShareBetweenLimitsText(n), "") << n;
    // A field beyond the sample's slots reads only the slots there are.
    EXPECT_GE(CountBetweenLimits(1, 50000), 0);
    EXPECT_EQ(CountBetweenLimits(0, 8), 0);
}

TEST_F(SamplesModel, AClickSelectsTheSampleDrawnUnderThePointer) {
    // No series: nothing to select.
    EXPECT_EQ(SampleAtPoint(100, 100, 320), 0);

    Series(10);
    g_currentSampleNo = 4;
    EXPECT_EQ(HistogramClickArea(320), (Rect{7, 40, 300, 260}));
    EXPECT_EQ(SampleAtPoint(100, 100, 320), 4);
    EXPECT_EQ(SampleAtPoint(6, 100, 320), 0);
    EXPECT_EQ(SampleAtPoint(100, 260, 320), 0);

    // The grid near the end shows the last six, 5..10: a click in a cell
    // selects the sample drawn there, one beside the cells nothing.
    g_samplesHistogramView = 0;
    g_currentSampleNo = 8;
    GridCell cells[kGridCells];
    LayoutGrid(cells);
    for (int i = 0; i < kGridCells; ++i)
        g_sampleCellRects[i] = cells[i].rect;
    EXPECT_EQ(SampleAtPoint(60, 200, 320), 7);
    EXPECT_EQ(SampleAtPoint(200, 60, 320), 6);
    EXPECT_EQ(SampleAtPoint(200, 320, 320), 10);
    EXPECT_EQ(SampleAtPoint(5, 200, 320), 0);
    // Cells left by a longer series no longer hold a sample.
    Series(3);
    EXPECT_EQ(SampleAtPoint(200, 320, 320), 0);
}

TEST_F(SamplesModel, TheSelectionNamesASample) {
    Series(5);
    const int sorted[] = {0, 3, 1, 5, 2, 4};
    std::copy(std::begin(sorted), std::end(sorted), g_sortedMeanSampleNo);
    EXPECT_FALSE(IsSelectedSample(5)); // nothing selected yet
    SelectSampleNo(5);
    EXPECT_EQ(g_selectedPos, 3);
    EXPECT_TRUE(IsSelectedSample(5));
    EXPECT_FALSE(IsSelectedSample(3));
    g_currentSampleNo = 1;
    EXPECT_EQ(SyncToSelection(), 5);
    EXPECT_EQ(g_currentSampleNo, 5);
    // No series: the shown sample stays.
    g_samplesDrawn = 0;
    g_currentSampleNo = 2;
    EXPECT_EQ(SyncToSelection(), 1);
    EXPECT_EQ(g_currentSampleNo, 2);
}

} // namespace
