// Where the Confidence Intervals window puts things, at its design size
// (509 x 540, scale 1) and at a tiny one: the rectangles, the rows of the
// graph with their clipped ends, the row under a click, the scroll bar's
// page, the selected interval in the strip with its texts, and the
// possible-mu display with its acceptance region. Pixel figures are worked
// out by hand from the layout's rules.
#include "windows/confint/IntervalGeometry.h"
#include "core/SimulationState.h"
#include "windows/confint/IntervalSeries.h"
#include "windows/confint/StripGeometry.h"

#include <gtest/gtest.h>

#include <cmath>

namespace {

class IntervalGeometryTest : public ::testing::Test {
  protected:
    void SetUp() override {
        ResetSimulationState();
        SetConfIntervalLayout(509, 540);
        g_ciFirstSample = 1;
    }
    // n samples whose rows and sorted order are the same (means rising).
    static void RisingSeries(int n, float sd = 1.3f) {
        g_samplesDrawn = n;
        for (int r = 1; r <= n; ++r) {
            g_sampleStore[r].mean = 5.0f + r * 1e-4f;
            g_sampleStore[r].sd = sd;
            g_sortedMeans[r] = g_sampleStore[r].mean;
            g_sortedMeanSampleNo[r] = r;
        }
    }
};

} // namespace

TEST_F(IntervalGeometryTest, LayoutAtTheDesignSize) {
    EXPECT_EQ(g_ciScaleX, 1.0f);
    EXPECT_EQ(g_ciScaleY, 1.0f);
    EXPECT_EQ(g_ciGraphRect, (Rect{180, 0, 489, 456}));
    EXPECT_EQ(g_ciStripRect, (Rect{0, 456, 509, 540}));
    EXPECT_EQ(g_ciAxisLeft, 190);
    EXPECT_EQ(g_ciAxisRight, 479);
    EXPECT_FLOAT_EQ(g_ciPixelsPerUnit, 28.9f);
    EXPECT_EQ(g_ciStripPixelsPerUnit, 40);
    EXPECT_EQ(StripX(0), 70);
    EXPECT_EQ(StripX(10), 470);
}

TEST_F(IntervalGeometryTest, RowsStandTwoUnitsApartWithClippedEnds) {
    EXPECT_EQ(RowY(1), 430);
    EXPECT_EQ(RowY(2), 428);
    EXPECT_EQ(RowY(211), 10);
    g_ciFirstSample = 211;
    EXPECT_EQ(RowY(211), 430);

    // A page shows 211 rows at most, fewer at the series' end.
    g_samplesDrawn = 300;
    EXPECT_EQ(LastRowOnPage(), 300);
    g_ciFirstSample = 1;
    EXPECT_EQ(LastRowOnPage(), 211);

    // x = 190 + trunc(28.9 v); beyond the axis the line stops at its ends.
    Interval iv{true, 5.0f, 4.0f, 6.0f, true};
    RowLine line = LineOfRow(iv, 1);
    EXPECT_EQ(line.xLow, 190 + 115);
    EXPECT_EQ(line.xHigh, 190 + 173);
    EXPECT_EQ(line.xCentre, 190 + 144);
    EXPECT_TRUE(line.drawLine);
    iv = Interval{true, 0.5f, -1.0f, 12.0f, true};
    line = LineOfRow(iv, 1);
    EXPECT_EQ(line.xLow, 190);
    EXPECT_EQ(line.xHigh, 479);
    // One-sided: the open end runs to the end of the axis.
    g_ciOneSided = 1;
    iv = Interval{true, 5.0f, 4.0f, 6.0f, true};
    line = LineOfRow(iv, 1);
    EXPECT_EQ(line.xLow, 190);
    EXPECT_EQ(line.xHigh, 363);
    g_ciLowEnd = 1;
    line = LineOfRow(iv, 1);
    EXPECT_EQ(line.xLow, 305);
    EXPECT_EQ(line.xHigh, 479);
    // No interval: only the centre.
    EXPECT_FALSE(LineOfRow(Interval{false, 5.0f, 5.0f, 5.0f, false}, 1).drawLine);
    // Huge ends never overflow a pixel.
    iv = Interval{true, 5.0f, -1e30f, 1e30f, true};
    g_ciOneSided = 0;
    line = LineOfRow(iv, 1);
    EXPECT_EQ(line.xLow, 190);
    EXPECT_EQ(line.xHigh, 479);
    // Shorter than the centre mark: a pixel past it either side.
    line = LineOfRow(Interval{true, 5.0f, 4.999f, 5.001f, false}, 1);
    EXPECT_EQ(line.xLow, 334 - 2);
    EXPECT_EQ(line.xHigh, 334 + 2);
}

TEST_F(IntervalGeometryTest, AClickSelectsTheRowUnderItOrDropsTheSelection) {
    RisingSeries(300);
    struct Case {
        int first, y;
        int row; // 0: dropped
    };
    const Case cases[] = {
        {1, 430, 1},     {1, 428, 2}, {1, 10, 211},
        {1, 9, 211},     {1, 431, 1}, {1, 432, 1}, // row 0 counts as 1
        {1, 434, 0},                               // below the first row: no row
        {211, 10, 0},                              // row 421 lies past the series' 300
        {211, 250, 301},                           // 211 + trunc(180 / 2) = 301: past the end
        {211, 252, 300},
    };
    for (const Case& c : cases) {
        g_ciFirstSample = c.first;
        g_sampleSelected = 1;
        const bool selected = SelectRowAt(c.y);
        const int expected = c.row > 300 ? 0 : c.row;
        EXPECT_EQ(selected, expected != 0) << c.first << " " << c.y;
        EXPECT_EQ(g_sampleSelected, expected != 0 ? 1 : 0) << c.first << " " << c.y;
        if (expected) {
            EXPECT_EQ(g_selectedSampleNo, expected) << c.first << " " << c.y;
        }
    }
    // An empty series has nothing to select.
    g_samplesDrawn = 0;
    g_ciFirstSample = 1;
    EXPECT_FALSE(SelectRowAt(430));
}

TEST_F(IntervalGeometryTest, ScrollBarPagesThroughTheSeries) {
    g_samplesDrawn = 1000;
    g_ciScrollPos = 5;
    // The top of the bar shows the newest sample at the bottom row.
    EXPECT_EQ(ScrollCiGraph(ScrollRequest::Thumb, 1), 1);
    EXPECT_EQ(g_ciFirstSample, 1000);
    EXPECT_EQ(ScrollCiGraph(ScrollRequest::Thumb, 1000), 1000);
    EXPECT_EQ(g_ciFirstSample, 1);
    const std::pair<ScrollRequest, int> steps[] = {
        {ScrollRequest::LineBack, 999},    {ScrollRequest::PageBack, 799},
        {ScrollRequest::LineForward, 800}, {ScrollRequest::PageForward, 1000},
        {ScrollRequest::Other, 1000},      {ScrollRequest::PageForward, 1000}};
    for (const auto& [request, pos] : steps) {
        EXPECT_EQ(ScrollCiGraph(request, 0), pos);
        EXPECT_EQ(g_ciFirstSample, 1000 - pos + 1);
    }
    ScrollCiGraph(ScrollRequest::Thumb, -50);
    EXPECT_EQ(g_ciFirstSample, 1000);
    // No samples: the page stays at the start.
    g_samplesDrawn = 0;
    EXPECT_EQ(ScrollCiGraph(ScrollRequest::LineForward, 0), 1);
    EXPECT_EQ(g_ciFirstSample, 1);

    // The thumb for a page the engine or another window moved to.
    g_ciFirstSample = 211;
    EXPECT_EQ(CiScrollPosOfPage(300), 90);
    EXPECT_EQ(CiScrollPosOfPage(211), 1);
    EXPECT_EQ(CiScrollPosOfPage(0), 1);
}

TEST_F(IntervalGeometryTest, AxisLabelsStandWhereTheirValuesAreDrawn) {
    // Six pixels a character; 28.9 pixels a unit from 190 inside the frame.
    auto ticks = [] { return GraphAxisTicks([](const std::string& s) { return 6.0 * s.size(); }); };
    auto texts = [&] {
        std::string out;
        for (const AxisTick& t : ticks())
            out += t.text + " ";
        return out;
    };
    EXPECT_EQ(texts(), "0 1 2 3 4 5 6 7 8 9 10 ");
    for (const AxisTick& t : ticks())
        EXPECT_EQ(static_cast<int>(t.x), GraphX(static_cast<float>(t.value))) << t.text;
    // Shown 50 .. 150: tens are 28.9 px apart, "100" and "110" need 22; a
    // label that would cross the frame (182..487) is left out: "150" would
    // end at 488, "0.0" start at 181.
    g_dispFromMean = 5.0f;
    g_dispScale = 10.0f;
    g_dispToMean = 100.0f;
    EXPECT_EQ(texts(), "50 60 70 80 90 100 110 120 130 140 ");
    g_isBinomial = 1;
    EXPECT_EQ(texts(), "0.1 0.2 0.3 0.4 0.5 0.6 0.7 0.8 0.9 ");
}

// --- The selected interval --------------------------------------------------------------------

TEST_F(IntervalGeometryTest, SelectedIntervalEndsTextsAndBar) {
    RisingSeries(3);
    g_sampleStore[2].mean = g_sortedMeans[2] = 5.2f;
    g_popMean = 5.0f;
    g_popSD = 1.5f;
    g_ciCriticalValue = 1.96f;
    EXPECT_FALSE(ComputeSelectedStrip(25).shown); // nothing selected yet
    SelectRow(2);

    // 5.2 -+ 0.588: x(v) = 70 + trunc(40 v); 5.2f is a hair below 5.2.
    SelectedStrip s = ComputeSelectedStrip(25);
    ASSERT_TRUE(s.shown);
    EXPECT_TRUE(s.showLow && s.showHigh);
    EXPECT_EQ(s.lowText, "low = 4.61");
    EXPECT_EQ(s.highText, "high = 5.79");
    EXPECT_EQ(s.centreText, "5.20");
    EXPECT_EQ(s.sText, "s = 1.30");
    EXPECT_NEAR(g_ciSelLow, 4.612, 1e-5);
    EXPECT_NEAR(g_ciSelHigh, 5.788, 1e-5);
    EXPECT_EQ(s.xLow, 254);
    EXPECT_EQ(s.xHigh, 301);
    EXPECT_EQ(s.xCentre, 277);
    EXPECT_EQ(s.trueX, 270);
    EXPECT_EQ(s.barLeft, 256); // 70 + trunc(184.48 + 2)
    EXPECT_EQ(s.barRight, 301);
    EXPECT_EQ(s.baseY, 525);
    EXPECT_EQ(s.barY, 500);
    EXPECT_EQ(s.axisY, 510);
    EXPECT_EQ(s.endTextY, 461);
    EXPECT_EQ(s.centreTextY, 478);
    EXPECT_EQ(LowTextLeft(s, 50), 254 - 2 - 50);
    EXPECT_EQ(HighTextLeft(s, 50), 301);
    EXPECT_EQ(CentreTextLeft(s, 30), 277 - 18);
    // A long end text with no room left of its end starts at the window's
    // edge, whole: shown through mean 2000 / SD 300 the end is 1922.40.
    EXPECT_EQ(LowTextLeft(s, 300), 2);
    g_dispFromMean = 5.0f;
    g_dispToMean = 2000.0f;
    g_dispScale = 200.0f;
    EXPECT_EQ(ComputeSelectedStrip(25).lowText, "low = 1922.40");
    g_dispScale = 1.0f;
    g_dispToMean = 5.0f;

    // One-sided: only the drawn end, the bar open to the axis' end.
    g_ciOneSided = 1;
    s = ComputeSelectedStrip(25);
    EXPECT_TRUE(!s.showLow && s.showHigh);
    EXPECT_EQ(s.barLeft, 70);
    g_ciLowEnd = 1;
    s = ComputeSelectedStrip(25);
    EXPECT_TRUE(s.showLow && !s.showHigh);
    EXPECT_EQ(s.barRight, 479);

    // Possible Mu on: the window is 100 taller and the panel moves down.
    g_possibleMu = 1;
    g_possibleMuExtra = 100;
    g_ciStripRect.bottom += 100;
    s = ComputeSelectedStrip(25);
    EXPECT_EQ(s.baseY, 625);
    EXPECT_EQ(s.endTextY, 561);
    EXPECT_EQ(s.centreTextY, 578);
}

TEST_F(IntervalGeometryTest, EndsBeyondTheAxisAndBinomialDecimals) {
    RisingSeries(1);
    g_popMean = 5.0f;
    g_popSD = 5.0f;
    g_ciCriticalValue = 1.96f;
    g_sampleStore[1].mean = g_sortedMeans[1] = 1.0f; // 1 -+ 9.8 with n = 1
    SelectRow(1);
    SelectedStrip s = ComputeSelectedStrip(1);
    EXPECT_EQ(s.lowText, "low = -8.80");
    EXPECT_EQ(LowTextLeft(s, 60), 2); // at the window's left edge
    EXPECT_EQ(s.barLeft, 70);
    EXPECT_EQ(s.barRight, 479);
    EXPECT_EQ(HighTextLeft(s, 60), 489 - 12 - 60);
    // A high end whose text would pass the graph's edge moves in as well.
    g_popSD = 0.5f;
    g_sampleStore[1].mean = g_sortedMeans[1] = 9.0f; // high 9.98: x = 469
    s = ComputeSelectedStrip(1);
    EXPECT_EQ(HighTextLeft(s, 5), 469); // 469 + 5 + 10 stays inside 487
    EXPECT_EQ(HighTextLeft(s, 20), 489 - 12 - 20);

    // Binomial: three decimals on the proportion scale.
    g_isBinomial = 1;
    g_popMean = 0.5f;
    g_sampleStore[1].mean = g_sortedMeans[1] = 0.4f;
    g_sampleStore[1].sd = 0.5f;
    s = ComputeSelectedStrip(50);
    EXPECT_EQ(s.lowText, "low = 0.264");
    EXPECT_EQ(s.highText, "high = 0.536");
    EXPECT_EQ(s.centreText, "0.400");
    EXPECT_EQ(s.sText, "s = 0.50");
    EXPECT_EQ(s.xCentre, 70 + 160);
}

TEST_F(IntervalGeometryTest, ASampleOfOneValueWithSigmaUnknownShowsOnlyItsCentre) {
    RisingSeries(2, -1.0f);
    g_popMean = 5.0f;
    g_ciSigmaKnown = 0;
    SelectRow(1);
    const SelectedStrip s = ComputeSelectedStrip(1);
    EXPECT_TRUE(s.shown);
    EXPECT_FALSE(s.interval.hasEnds || s.showLow || s.showHigh);
    EXPECT_EQ(s.sText, "s =");
    EXPECT_FALSE(s.centreText.empty());
    EXPECT_EQ(g_ciSelHasEnds, 0);
}

// --- The possible mean
// ----------------------------------------------------------------------------

TEST_F(IntervalGeometryTest, AcceptanceRegionOutlineAndBounds) {
    // sigma 2, n 16: A = 40 x 0.5 = 20 pixels per standard error; D = trunc(39.2).
    g_popSD = 2.0f;
    g_ciCriticalValue = 1.96f;
    g_ciPopMean = 5.0f;
    const PossibleMuFigure f = ComputePossibleMu(16);
    ASSERT_TRUE(f.hasCurve);
    EXPECT_EQ(f.xCentre, 270);
    EXPECT_EQ(f.baseY, 536);
    EXPECT_EQ(f.halfWidth, 39);
    EXPECT_EQ(f.peakY, 536 - 75);
    // Up from the base at 231, along the curve in steps of 2 to 309, down again.
    ASSERT_EQ(f.outline.size(), 42u);
    EXPECT_EQ(f.outline.front(), (PixelPoint{231, 536}));
    EXPECT_EQ(f.outline[1], (PixelPoint{231, 536 - 11})); // 75 exp(-39^2 / 800) = 11.2
    EXPECT_EQ(f.outline[20], (PixelPoint{269, 536 - 74}));
    EXPECT_EQ(f.outline[40], (PixelPoint{309, 536 - 11}));
    EXPECT_EQ(f.outline.back(), (PixelPoint{309, 536}));
    // The curve across the whole strip in steps of 4.
    EXPECT_EQ(f.curve.front().x, 1);
    EXPECT_EQ(f.curve[1].x, 5);
    EXPECT_LE(f.curve.back().x, 508);
    // The purple bounds, 3 below the curve, down to 32 above the bottom.
    EXPECT_EQ(f.leftBoundX, 231);
    EXPECT_EQ(f.rightBoundX, 311);
    EXPECT_EQ(f.leftBoundTop, 536 - 11 + 3);
    EXPECT_EQ(f.rightBoundTop, 536 - 9 + 3);
    EXPECT_EQ(f.boundBottom, 540 - 32);
    EXPECT_EQ(f.muText, "\u03bc = 5.00");
    EXPECT_EQ(f.muTextTop, 537);
    EXPECT_EQ(f.textLineY[0], 466);
    EXPECT_EQ(f.textLineY[2], 496);
}

TEST_F(IntervalGeometryTest, PlausibilityTurnsTheTextOver) {
    g_popSD = 2.0f;
    g_ciSelLow = 4.0f;
    g_ciSelHigh = 6.0f;
    g_ciPopMean = 5.0f;
    // Ends left from an interval shown before judge nothing: no selection, no verdict.
    PossibleMuFigure f = ComputePossibleMu(16);
    EXPECT_FALSE(f.verdict);
    EXPECT_STREQ(f.textLines[0], "");
    EXPECT_STREQ(f.textLines[2], "DISTRIBUTION");
    RisingSeries(1);
    SelectRow(1);
    g_ciSelLow = 4.0f;
    g_ciSelHigh = 6.0f;
    f = ComputePossibleMu(16);
    EXPECT_TRUE(f.verdict);
    EXPECT_STREQ(f.textLines[0], "PLAUSIBLE");
    EXPECT_STREQ(f.textLines[2], "DISTRIBUTION");
    g_ciPopMean = 6.5f;
    f = ComputePossibleMu(16);
    EXPECT_EQ(g_ciPlausible, 0);
    EXPECT_STREQ(f.textLines[0], "SAMPLING");
    EXPECT_STREQ(f.textLines[2], "NOT PLAUSIBLE");
    // Left of the curve, 2 standard errors off, while it fits; else right.
    g_ciPopMean = 5.0f;
    f = ComputePossibleMu(16);
    EXPECT_EQ(PlausibilityColumnLeft(f, 100), 270 - 40 - 6 - 100);
    g_ciPopMean = 0.25f;
    f = ComputePossibleMu(16);
    EXPECT_EQ(PlausibilityColumnLeft(f, 100), 80 + 41 + 6); // past the right bound at 121
}

TEST_F(IntervalGeometryTest, TheRegionStandsOnTheSelectedIntervalsStandardError) {
    // sigma 2, n 16, but the selected sample's s is 0.8 with sigma unknown and
    // t = 2.5: A = 40 x 0.2 = 8 pixels, D = trunc(40 x 2.5 x 0.2) = 20.
    RisingSeries(3, 0.8f);
    g_popSD = 2.0f;
    g_ciSigmaKnown = 0;
    g_ciCriticalValue = 2.5f;
    g_ciPopMean = 5.0f;
    SelectRow(2);
    struct Case {
        int oneSided, lowEnd;
        int first, last; // the outline's ends along the base
        bool leftBound, rightBound;
    };
    const Case cases[] = {
        {0, 0, 270 - 20, 290, true, true},
        {1, 0, 270 - 20, 508, true, false}, // high end only: open to the right
        {1, 1, 1, 289, false, true},        // low end only: open to the left
    };
    for (const Case& c : cases) {
        g_ciOneSided = c.oneSided;
        g_ciLowEnd = c.lowEnd;
        const PossibleMuFigure f = ComputePossibleMu(16);
        EXPECT_NEAR(f.sePixels, 8.0, 1e-5);
        EXPECT_EQ(f.halfWidth, 20);
        EXPECT_EQ(f.outline.front().x, c.first) << c.oneSided << c.lowEnd;
        EXPECT_EQ(f.outline.back().x, c.last) << c.oneSided << c.lowEnd;
        EXPECT_EQ(f.hasLeftBound, c.leftBound);
        EXPECT_EQ(f.hasRightBound, c.rightBound);
    }
    // Nothing selected: the population's sigma, A = 20.
    g_sampleSelected = 0;
    EXPECT_DOUBLE_EQ(ComputePossibleMu(16).sePixels, 20.0);
}

TEST_F(IntervalGeometryTest, DraggingThePossibleMeanStaysOnTheAxis) {
    g_ciPopMean = 5.0f;
    g_ciDragLastX = 270;
    DragPossibleMuTo(290); // 20 pixels of 40 per unit
    EXPECT_FLOAT_EQ(g_ciPopMean, 5.5f);
    DragPossibleMuTo(289);
    EXPECT_FLOAT_EQ(g_ciPopMean, 5.475f);
    DragPossibleMuTo(2000);
    EXPECT_EQ(g_ciPopMean, 10.0f);
    DragPossibleMuTo(-3000);
    EXPECT_EQ(g_ciPopMean, 0.0f);
    // A proportion moves on the proportion scale.
    g_isBinomial = 1;
    g_ciPopMean = 0.5f;
    g_ciDragLastX = 270;
    DragPossibleMuTo(290);
    EXPECT_FLOAT_EQ(g_ciPopMean, 0.55f);
    DragPossibleMuTo(900);
    EXPECT_EQ(g_ciPopMean, 1.0f);
    // A mean left from a measurement population is brought onto the axis.
    g_ciPopMean = 3.19f;
    EXPECT_EQ(ComputePossibleMu(25).m, 10.0);
    EXPECT_EQ(g_ciPopMean, 1.0f);
}

TEST_F(IntervalGeometryTest, NoStandardErrorAndTinyWindowsStayFinite) {
    // sigma 0 or no sample size: no curve, no region, no division by zero.
    g_ciPopMean = 5.0f;
    g_popSD = 0.0f;
    PossibleMuFigure f = ComputePossibleMu(16);
    EXPECT_FALSE(f.hasCurve);
    EXPECT_TRUE(f.outline.empty());
    g_popSD = 2.0f;
    f = ComputePossibleMu(0);
    EXPECT_FALSE(f.hasCurve);
    EXPECT_EQ(f.muText, "\u03bc = 5.00");

    // A 60 x 60 window has 4 strip pixels per unit: the steps stay 1 pixel.
    SetConfIntervalLayout(60, 60);
    EXPECT_EQ(g_ciStripPixelsPerUnit, 4);
    f = ComputePossibleMu(1);
    ASSERT_TRUE(f.hasCurve);
    EXPECT_EQ(f.regionStep, 1);
    EXPECT_EQ(f.curveStep, 1);
    for (std::size_t i = 2; i + 1 < f.outline.size(); ++i)
        EXPECT_EQ(f.outline[i].x - f.outline[i - 1].x, 1);
}
