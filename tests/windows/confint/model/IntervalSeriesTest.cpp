// The Confidence Intervals window's numbers and geometry without the window,
// against scipy and figures worked out by hand at 509 x 540.
#include "windows/confint/IntervalSeries.h"
#include "core/SimulationState.h"
#include "core/TypedNumber.h"
#include "windows/confint/IntervalGeometry.h"
#include "windows/confint/NormalTable.h"
#include "windows/confint/StripGeometry.h"

#include <gtest/gtest.h>

#include <cmath>
#include <map>
#include <string>
#include <tuple>
#include <vector>

namespace {

class IntervalSeriesTest : public ::testing::Test {
  protected:
    void SetUp() override {
        ResetSimulationState();
        SetConfIntervalLayout(509, 540);
    }

    // n samples whose rows and sorted order are the same (means rising).
    static void RisingSeries(int n) {
        g_samplesDrawn = n;
        for (int r = 1; r <= n; ++r) {
            g_sampleStore[r].mean = g_sortedMeans[r] = 5.0f + r * 1e-4f;
            g_sampleStore[r].sd = 1.3f;
            g_sortedMeanSampleNo[r] = r;
        }
    }
    // The critical value for the two fields' texts, read as the window reads them.
    static std::string Critical(const char* n, const char* level) {
        return ComputeCriticalValue(ReadWholeNumber(n), ReadWholeNumber(level));
    }
    static std::string Counts(int n) {
        const CoverageTexts t = UpdateCoverageCounts(n);
        return t.numIn + "|" + t.numOut + "|" + t.pctIn + "|" + t.pctOut;
    }
};

} // namespace

TEST_F(IntervalSeriesTest, NormalTableFollowsScipyAndItsHandWrittenEntries) {
    // The z of every level, p = 5000, 5050 .. 9950: the largest z in hundredths
    // whose Phi(z) x 10000, rounded, is at most p (Phi(z) = erfc(-z / sqrt 2) / 2);
    // at the usual levels norm.ppf(p / 10000) to three decimals instead.
    const std::map<int, float> usual = {
        {7500, 0.674f}, {9000, 1.282f}, {9500, 1.645f}, {9900, 2.326f}, {9950, 2.576f}};
    for (int p = 5000; p <= 9950; p += 50) {
        int k = 0;
        while (std::lround(5000.0 * std::erfc(-(k + 1) / 100.0 / std::sqrt(2.0))) <= p)
            ++k;
        const auto hand = usual.find(p);
        EXPECT_EQ(ZFromPercentile(p), hand == usual.end() ? k / 100.0f : hand->second) << p;
    }
}

TEST_F(IntervalSeriesTest, CriticalValuesMatchNormAndTPpfAndALevelOutsideOneToNinetyNineIsRefused) {
    struct Case {
        int useZ, oneSided, lowEnd;
        const char *n, *level;
        double ppf; // norm.ppf(q) or t.ppf(q, n - 1)
        const char* text;
    };
    const Case cases[] = {
        {1, 0, 0, "10", "95", 1.959963984540054, "1.960"},
        {1, 1, 1, "10", "50", 0.0, "0.000"}, // not "-0.000"
        {0, 0, 0, "10", "95", 2.2621571627409915, "2.262"},
        {0, 1, 0, "5", "80", 0.94096457719753, "0.941"},
        {0, 0, 0, "2", "95", 12.706204736432095, "12.706"},
    };
    for (const Case& c : cases) {
        g_ciUseZ = c.useZ;
        g_ciOneSided = c.oneSided;
        g_ciLowEnd = c.lowEnd;
        EXPECT_EQ(Critical(c.n, c.level), c.text) << c.n << " " << c.level;
        EXPECT_NEAR(g_ciCriticalValue, c.ppf, 0.0015) << c.n << " " << c.level;
    }
    // With one value a sample there is no t: nothing shown, the value in use stays.
    g_ciOneSided = 0;
    for (const char* n : {"1", "0", "", "x"}) {
        EXPECT_EQ(Critical(n, "99"), "") << n;
        EXPECT_NEAR(g_ciCriticalValue, 12.706205, 0.0015) << n;
    }
    // A level outside 1..99 while it is typed leaves the level in force (90),
    // and the t search is never asked for a level it cannot reach.
    g_ciUseZ = 0;
    EXPECT_EQ(Critical("25", "90"), "1.711");
    for (const char* typed : {"", "0", "100", "-5", "1000000000000"})
        EXPECT_EQ(Critical("25", typed) + std::to_string(g_ciConfLevel), "1.71190") << typed;
    g_isBinomial = 1; // a proportion always takes z
    EXPECT_EQ(Critical("10", "95"), "1.960");
}

TEST_F(IntervalSeriesTest, IntervalOfOneSample) {
    struct Case {
        const char* what;
        int binomial, sigmaKnown, useZ, oneSided, lowEnd, n;
        float mean, sd, critical;
        bool hasEnds;
        double low, high; // worked out by hand
        bool contains;
    };
    // mu 5 (binomial p 0.5 is 5), sigma 2.5: a standard error of 0.5 at n 25.
    const Case cases[] = {
        {"sigma unknown: s / 4", 0, 0, 1, 0, 0, 16, 4.2f, 2.0f, 2.0f, true, 3.2, 5.2, true},
        {"low end on mu", 0, 1, 1, 0, 0, 25, 5.125f, 1, 0.25f, true, 5.0, 5.25, true},
        {"high end on mu", 0, 1, 1, 0, 0, 25, 4.875f, 1, 0.25f, true, 4.75, 5.0, true},
        {"just above", 0, 1, 1, 0, 0, 25, 5.126f, 1, 0.25f, true, 5.001, 5.251, false},
        {"high end only, on mu", 0, 1, 1, 1, 0, 25, 4.875f, 1, 0.25f, true, 4.75, 5.0, true},
        {"low end only, on mu", 0, 1, 1, 1, 1, 25, 5.125f, 1, 0.25f, true, 5.0, 5.25, true},
        {"low end only, above", 0, 1, 1, 1, 1, 25, 6.0f, 1, 0.25f, true, 5.875, 6.125, false},
        {"low end only, far down", 0, 1, 1, 1, 1, 25, 1.0f, 1, 0.25f, true, 0.875, 1.125, true},
        {"one value, sigma unknown", 0, 0, 1, 0, 0, 1, 5.0f, -1, 1.96f, false, 0, 0, false},
        {"no sample size", 0, 1, 1, 0, 0, 0, 5.0f, 1, 1.96f, false, 0, 0, false},
        {"t, one value", 0, 1, 0, 0, 0, 1, 5.0f, -1, 1.96f, false, 0, 0, false},
        {"t, two values", 0, 1, 0, 0, 0, 2, 5.0f, 1, 1.0f, true, 3.232233, 6.767767, true},
        // sqrt(0.4 x 0.6 / 50) x 1.96 x 10 = 1.357928, whatever sigma's setting.
        {"binomial", 1, 1, 1, 0, 0, 50, 0.4f, 0.49f, 1.96f, true, 2.642072, 5.357928, true},
        {"p, sigma unknown", 1, 0, 1, 0, 0, 50, 0.4f, 0.49f, 1.96f, true, 2.642072, 5.357928, true},
        {"binomial, all ones", 1, 1, 1, 0, 0, 50, 1.0f, 0.0f, 1.96f, true, 10.0, 10.0, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        g_isBinomial = c.binomial;
        g_popMean = c.binomial ? 0.5f : 5.0f;
        g_popSD = 2.5f;
        g_ciSigmaKnown = c.sigmaKnown;
        g_ciUseZ = c.useZ;
        g_ciOneSided = c.oneSided;
        g_ciLowEnd = c.lowEnd;
        g_ciCriticalValue = c.critical;
        const Interval iv = IntervalOfSample(c.n, c.mean, c.sd);
        EXPECT_EQ(iv.hasEnds, c.hasEnds);
        EXPECT_EQ(iv.contains, c.contains);
        EXPECT_NEAR(iv.centre, c.binomial ? 10 * c.mean : c.mean, 1e-5);
        if (c.hasEnds) {
            EXPECT_NEAR(iv.low, c.low, 1e-5);
            EXPECT_NEAR(iv.high, c.high, 1e-5);
        }
    }
}

TEST_F(IntervalSeriesTest, CoverageCountsAndTheirTexts) {
    EXPECT_EQ(Counts(25), "0|0|0%|0%");
    g_popMean = 5.0f;
    g_popSD = 2.5f;
    g_ciCriticalValue = 0.25f; // half-width 0.125 at n 25
    // In: 5.0, 5.125 (end on mu), 4.9; out: 6.0, 3.0, 5.2, 9.0. Sorting does
    // not change the counts; 3 of 7 is 42.857 %, shown without decimals.
    const float means[] = {5.0f, 6.0f, 5.125f, 3.0f, 4.9f, 5.2f, 9.0f};
    const int sorted[] = {4, 5, 1, 3, 6, 2, 7};
    g_samplesDrawn = 7;
    for (int r = 1; r <= 7; ++r) {
        g_sampleStore[r].mean = means[r - 1];
        g_sampleStore[r].sd = 1.0f;
        g_sortedMeanSampleNo[r] = sorted[r - 1];
        g_sortedMeans[r] = means[sorted[r - 1] - 1];
    }
    for (int order : {0, 1}) {
        g_sortByMeans = order;
        EXPECT_EQ(Counts(25), "3|4|43%|57%");
    }
    // sigma unknown with one value per sample: nothing is covered.
    g_ciSigmaKnown = 0;
    g_sampleStore[1].sd = g_sampleStore[2].sd = -1.0f;
    g_samplesDrawn = 2;
    EXPECT_EQ(Counts(1), "0|2|0%|100%");
}

TEST_F(IntervalSeriesTest, PossibleMuIsPlausibleInsideTheSelectedIntervalAsShown) {
    // Judged as shown, ends included: ends 1.114 and 2.056 read 1.11 and 2.06,
    // and a possible mean typed as either lies inside.
    g_ciSelLow = 1.114f;
    g_ciSelHigh = 2.056f;
    for (const auto& [m, plausible] : {std::pair{2.06f, 1}, {1.11f, 1}, {2.07f, 0}, {1.10f, 0}}) {
        g_ciPopMean = m;
        IsPlausible();
        EXPECT_EQ(g_ciPlausible, plausible) << m;
    }
    // A selected sample without an interval holds no mean.
    g_ciSelHasEnds = 0;
    g_ciPopMean = 2.0f;
    IsPlausible();
    EXPECT_EQ(g_ciPlausible, 0);
}

TEST_F(IntervalSeriesTest, RowsStandTwoUnitsApartAndAClickOrAKeySelectsOne) {
    EXPECT_EQ(SteppedRow(1), 0); // no series
    RisingSeries(300);
    g_ciFirstSample = 211;
    // x = 190 + trunc(28.9 v); past the axis the line runs to its end (190 or 479).
    for (const auto& [iv, xLow, xCentre, xHigh] :
         {std::tuple{Interval{true, 5.0f, 4.0f, 6.0f, true}, 305, 334, 363},
          {Interval{true, 0.5f, -1.0f, 12.0f, true}, 190, 204, 479},
          {Interval{true, 5.0f, -1e30f, 1e30f, true}, 190, 334, 479}}) { // no overflow
        const RowLine line = LineOfRow(iv, 211);
        EXPECT_TRUE(line.drawLine && line.y == 430);
        EXPECT_EQ(std::vector<int>({line.xLow, line.xCentre, line.xHigh}),
                  std::vector<int>({xLow, xCentre, xHigh}))
            << iv.low << " " << iv.high;
    }
    EXPECT_FALSE(LineOfRow(Interval{false, 5.0f, 5.0f, 5.0f, false}, 1).drawLine);
    const int cases[][3] = {// first row on the page, y clicked, row selected (0: dropped)
                            {1, 430, 1},    {1, 9, 211}, {1, 432, 1}, // row 0 counts as 1
                            {1, 434, 0},                              // below the first row
                            {211, 250, 0},                            // past sample 300
                            {211, 252, 300}};
    for (const auto& [first, y, row] : cases) {
        g_ciFirstSample = first;
        g_sampleSelected = 1;
        EXPECT_EQ(SelectRowAt(y), row != 0) << first << " " << y;
        EXPECT_EQ(g_sampleSelected ? g_selectedSampleNo : 0, row) << first << " " << y;
    }
    // A key with none selected takes the page's first row.
    g_ciFirstSample = 290;
    g_sampleSelected = 0;
    EXPECT_EQ(SteppedRow(1), 290);
}

TEST_F(IntervalSeriesTest, SelectedIntervalInTheStrip) {
    RisingSeries(3);
    g_sampleStore[2].mean = g_sortedMeans[2] = 5.2f;
    g_popMean = 5.0f;
    g_popSD = 1.5f;
    g_ciCriticalValue = 1.96f;
    EXPECT_FALSE(ComputeSelectedStrip(25).shown); // nothing selected yet
    SelectRow(2);
    // 5.2 -+ 0.588; 5.2f is a hair below 5.2.
    SelectedStrip s = ComputeSelectedStrip(25);
    ASSERT_TRUE(s.shown && s.showLow && s.showHigh);
    EXPECT_EQ(s.lowText + " " + s.highText + " " + s.centreText + " " + s.sText,
              "low = 4.61 high = 5.79 5.20 s = 1.30");
    // A low end's text with no room beside its end starts at the edge, whole.
    EXPECT_EQ(LowTextLeft(s, 300), 2);
    // One-sided: only the drawn end, the bar open to the axis' end.
    g_ciOneSided = 1;
    s = ComputeSelectedStrip(25);
    EXPECT_TRUE(!s.showLow && s.showHigh && s.barLeft == 70);
    g_ciLowEnd = 1;
    s = ComputeSelectedStrip(25);
    EXPECT_TRUE(s.showLow && !s.showHigh && s.barRight == 479);
    // Ends beyond the axis: 1 -+ 9.8 with n = 1; a high end's text that would
    // pass the graph's edge (487) moves in to end at 489 - 12.
    g_ciOneSided = 0;
    g_popSD = 5.0f;
    g_sampleStore[2].mean = g_sortedMeans[2] = 1.0f;
    s = ComputeSelectedStrip(1);
    EXPECT_EQ(s.lowText, "low = -8.80");
    EXPECT_TRUE(LowTextLeft(s, 60) == 2 && s.barLeft == 70 && s.barRight == 479);
    EXPECT_EQ(HighTextLeft(s, 60), 489 - 12 - 60);
    g_popSD = 0.5f;
    g_sampleStore[2].mean = g_sortedMeans[2] = 9.0f; // high 9.98: x = 469
    s = ComputeSelectedStrip(1);
    EXPECT_EQ(HighTextLeft(s, 5), 469);
    EXPECT_EQ(HighTextLeft(s, 20), 489 - 12 - 20);
    // A sample of one value with sigma unknown shows only its centre.
    g_ciSigmaKnown = 0;
    g_sampleStore[2].sd = -1.0f;
    s = ComputeSelectedStrip(1);
    EXPECT_TRUE(s.shown && !s.showLow && !s.showHigh && !g_ciSelHasEnds && s.sText == "s =");
}

TEST_F(IntervalSeriesTest, AcceptanceRegionOutlineBoundsAndVerdict) {
    // sigma 2, n 16: A = 40 x 0.5 = 20 pixels per standard error; D = trunc(39.2).
    g_popSD = 2.0f;
    g_ciCriticalValue = 1.96f;
    g_ciPopMean = 5.0f;
    g_ciSelLow = 4.0f;
    g_ciSelHigh = 6.0f;
    PossibleMuFigure f = ComputePossibleMu(16);
    ASSERT_TRUE(f.hasCurve);
    // The purple bounds at 270 - 39 and 270 + trunc(39.2 + 2).
    EXPECT_EQ(std::vector<int>({f.xCentre, f.halfWidth, f.peakY, f.leftBoundX, f.rightBoundX}),
              std::vector<int>({270, 39, 536 - 75, 231, 311}));
    // Up from the base at 231, along the curve in steps of 2 to 309, down
    // again; 75 exp(-39^2 / 800) = 11.2.
    ASSERT_EQ(f.outline.size(), 42u);
    EXPECT_EQ(f.outline.front(), (PixelPoint{231, 536}));
    EXPECT_EQ(f.outline[40], (PixelPoint{309, 536 - 11}));
    // Ends left from an interval shown before judge nothing: no selection, no verdict.
    EXPECT_FALSE(f.verdict);
    RisingSeries(1);
    SelectRow(1);
    f = ComputePossibleMu(16);
    EXPECT_STREQ(f.textLines[0], "PLAUSIBLE");
    // Left of the curve, 2 standard errors off, while it fits; else right.
    EXPECT_EQ(PlausibilityColumnLeft(f, 100), 270 - 40 - 6 - 100);
    g_ciPopMean = 0.25f;
    f = ComputePossibleMu(16);
    EXPECT_STREQ(f.textLines[2], "NOT PLAUSIBLE");
    EXPECT_EQ(PlausibilityColumnLeft(f, 100), 80 + 41 + 6);
    // sigma 0 or no sample size: no curve, no division by zero; a 60 x 60
    // window has 4 strip pixels per unit, and the steps stay 1 pixel.
    g_popSD = 0.0f;
    EXPECT_FALSE(ComputePossibleMu(16).hasCurve);
    g_popSD = 2.0f;
    EXPECT_FALSE(ComputePossibleMu(0).hasCurve);
    SetConfIntervalLayout(60, 60);
    const PossibleMuFigure tiny = ComputePossibleMu(1);
    EXPECT_TRUE(tiny.hasCurve && tiny.regionStep == 1 && tiny.curveStep == 1);
}

TEST_F(IntervalSeriesTest, APossibleMeanTypedOrDraggedStaysOnTheAxisOfItsLabel) {
    // Typed on the scale of its label (shown as mean 100, SD 15; a proportion
    // as a proportion), held to the axis; slips change nothing.
    const struct {
        int binomial;
        float scale, toMean;
        const char* typed;
        float internal;
        const char* label;
    } typed[] = {{0, 15, 100, "85", 4.0f, "85.00"},
                 {1, 1, 0, "0.35", 0.35f, "0.35"},
                 {1, 1, 0, "-1", 0.0f, "0.00"}};
    for (const auto& t : typed) {
        g_isBinomial = t.binomial;
        g_dispScale = t.scale;
        g_dispFromMean = t.toMean ? 5.0f : 0.0f;
        g_dispToMean = t.toMean;
        SetPossibleMuToShown(std::stod(t.typed));
        EXPECT_FLOAT_EQ(g_ciPopMean, t.internal) << t.typed;
        EXPECT_EQ(PossibleMuNumberText(), t.label) << t.typed;
    }
}
