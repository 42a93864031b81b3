// The sliders of the Dorvane window, Qt-free: where a drag, a key or a typed
// number puts them, what they count, and the readouts and words they give.
// Expected probabilities are SciPy's (norm.cdf, t.cdf), written out.
#include "tests/windows/sampdist/model/SampDistModelFixture.h"

#include "core/Population.h"

using SliderModel = SampDistModelTest;

TEST_F(SliderModel, ADragFollowsTheMouseWithinTheAxisOrTheHandleHides) {
    DragTo(PixelOf(6.0f));
    EXPECT_FLOAT_EQ(g_leftSliderZ, 1.0f);
    EXPECT_EQ(g_leftSliderRect, (Rect{460, 394, 466, 412}));
    DragTo(100); // past either end: stops there
    EXPECT_FLOAT_EQ(g_leftSliderZ, -5.0f);
    DragTo(g_sdAxisRight + 10);
    EXPECT_EQ(SliderAxisPixel(true, 1), g_sdAxisRight);
    // Shown from one unit left of the axis start to 10.43 under its right end.
    for (auto [z, hidden] : {std::pair{-6.0f, 0}, {5.4f, 0}, {5.5f, 1}}) {
        g_leftSliderZ = z;
        PlaceLeftSlider(1);
        EXPECT_EQ(g_leftSliderHidden, hidden) << z;
        EXPECT_EQ(g_leftSliderRect.IsEmpty(), hidden == 1) << z; // nothing left to grab
    }
    Width(BinWidth::Narrow, 31); // 3.0 .. 8.1 at 70 pixels a unit
    g_rightSliderZ = -3.0f;
    PlaceRightSlider(31);
    EXPECT_EQ(g_rightSliderRect.left, 251 + 1 - 70 - 2);
    g_popSD = 0.0f; // without a standard error z is 0, not a division by 0
    DragTo(PixelOf(8.0f));
    EXPECT_FLOAT_EQ(g_leftSliderZ, 0.0f);
}

TEST_F(SliderModel, TwoSlidersKeepTheirOrderOrMirrorAboutTheMean) {
    TwoSlidersSeparate();
    EXPECT_FLOAT_EQ(g_rightSliderZ, 0.0f); // together at the start, and they stay so
    g_leftSliderZ = -1.0f;
    g_rightSliderZ = 1.0f;
    RecomputeSliderValues();
    DragTo(PixelOf(7.0f)); // the left one stops 0.01 short of the right one
    EXPECT_FLOAT_EQ(g_leftSliderZ, 0.99f);
    DragTo(PixelOf(6.0f));
    EXPECT_FLOAT_EQ(g_leftSliderZ, 1.0f);
    DragTo(PixelOf(3.0f), false);
    EXPECT_FLOAT_EQ(g_rightSliderValue, 6.01f);
    g_leftSliderZ = 0.5f; // the mode chosen again puts a crossed pair in order
    g_rightSliderZ = 0.2f;
    TwoSlidersSeparate();
    EXPECT_FLOAT_EQ(g_leftSliderValue, 5.1f);

    g_leftSliderZ = 1.5f;
    TwoSlidersTandem();
    EXPECT_FLOAT_EQ(g_leftSliderValue, 3.5f);
    EXPECT_FLOAT_EQ(g_rightSliderValue, 6.5f);
    DragTo(PixelOf(3.0f));
    EXPECT_FLOAT_EQ(g_rightSliderZ, 2.0f);
    Step(7, false);
    EXPECT_FLOAT_EQ(g_leftSliderZ, -g_rightSliderZ);
    DragTo(PixelOf(6.0f)); // across the mean the pair meets there
    EXPECT_EQ(std::pair(g_leftSliderZ, g_rightSliderZ), std::pair(0.0f, 0.0f));
}

TEST_F(SliderModel, SampleSizeKeepsValuesOrStandardErrors) {
    g_leftSliderZ = 1.0f; // observed values: the slider stays at 6, z follows
    g_leftSliderValue = 6.0f;
    SampleSize(16);
    EXPECT_EQ(width, "0.500");
    EXPECT_FLOAT_EQ(g_leftSliderZ, 2.0f);
    g_showZValues = 1; // z values: the slider keeps z = 2 and moves
    SampleSize(4);
    EXPECT_FLOAT_EQ(g_leftSliderValue, 7.0f);
    SampleSize(-3); // unusable: empty readout, SE as it was
    EXPECT_TRUE(width.empty() && g_standardError == 1.0f);
    g_showZValues = 0;
    g_popSD = 0.0f; // without a standard error z stays, not "nan"
    SampleSize(4);
    EXPECT_EQ(width, "0.000");
    EXPECT_FLOAT_EQ(g_leftSliderZ, 2.0f);
    UseProportions(); // four decimals of the plain standard error
    EXPECT_EQ(width, "0.1000");
}

// Means 3, 4, 5, 6, 7, one standard error 1: actual count and proportion,
// then the normal's and t's (3 degrees of freedom) expected ones.
TEST_F(SliderModel, ReadoutsCountTheSeriesAndTheNormalAndTExpectations) {
    struct Case {
        int mode, above; // mode 0: one slider, 1: two separate, 2: tandem
        float zLeft, zRight, sd;
        int n, count;
        const char* expected;
        bool samples = true;
    };
    const Case cases[] = {
        // The mean itself counts as below; the normal half of 5 is 2.5, rounded up.
        {0, 0, 0, 0, 2, 4, 5, "3|0.6000|3|0.5000|3|0.5000"},
        {0, 1, 0, 0, 2, 4, 5, "2|0.4000|3|0.5000|3|0.5000"}, // above: strictly
        {0, 0, 3, 0, 2, 4, 5, "5|1.000|5|0.9987|5|0.9712"},  // all: three decimals
        {1, 0, -1.5f, 1, 2, 4, 5, "3|0.6000|4|0.7745|3|0.6892"},
        {1, 1, -1.5f, 1, 2, 4, 5, "2|0.4000|1|0.2255|2|0.3108"},
        {2, 0, -1, 1, 2, 4, 5, "2|0.4000|3|0.6827|3|0.6090"}, // (4, 6]: 5 and 6
        // No t below a sample size of 2; no normal either without one or without spread.
        {1, 0, -1, 1, 2, 1, 5, "2|0.4000|3|0.6827||"},
        {2, 1, -1, 1, 2, 0, 5, "3|0.6000||||"},
        {0, 0, 0, 0, 0, 4, 5, "3|0.6000||||"},
        {1, 1, -1, 1, 0, 4, 5, "5|1.000||||"}, // both at the mean
        {2, 0, -1, 1, 0, 4, 0, "0|0.0000||||"},
        // No samples: expected numbers of the Number of Samples field, 11 x 0.5 -> 6.
        {0, 0, 0, 0, 2, 4, 11, "||6|0.5000|6|0.5000", false},
        {1, 1, -1, 1, 2, 0, 0, "|||||", false},
    };
    for (const Case& c : cases) {
        SetUp();
        SetSeries(c.samples ? Means({3, 4, 5, 6, 7}) : Means({}));
        g_oneSlider = c.mode == 0;
        g_slidersTandem = c.mode == 2;
        g_proportionAbove = c.above;
        g_popSD = c.sd;
        SampleSize(4);
        g_leftSliderZ = c.zLeft;
        g_rightSliderZ = c.zRight;
        const SliderReadouts r = Read(c.n, c.count);
        EXPECT_EQ(r.actualNumber + "|" + r.actualProportion + "|" + r.normalNumber + "|" +
                      r.normalProportion + "|" + r.tNumber + "|" + r.tProportion,
                  c.expected)
            << "mode " << c.mode << " above " << c.above << " z " << c.zLeft << " n " << c.n;
    }
}

TEST_F(SliderModel, ATypedNumberIsReadOnTheShownScale) {
    struct Case {
        const char* typed;
        int z, t; // the statistic shown
        float zAfter;
        const char* label; // empty: held at the axis' end, as a drag past it is
    };
    const Case cases[] = {
        {"6.5", 0, 0, 1.5f, "x = 6.50"},      {"1.96", 1, 0, 1.96f, "z = 1.96"},
        {"-2.5", 0, 1, -2.5f, "t = -2.50"},   {"99", 0, 0, 0.0f, ""},
        {"-1e300", 1, 0, -5.0f, "z = -5.00"}, {"-0.004", 0, 1, -0.004f, "t = 0.00"}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.typed);
        g_showZValues = c.z;
        g_showTValues = c.t;
        ASSERT_TRUE(Typed(c.typed));
        if (*c.label == '\0') {
            EXPECT_EQ(SliderAxisPixel(true, 1), g_sdAxisRight);
            continue;
        }
        EXPECT_NEAR(g_leftSliderZ, c.zAfter, 1e-5);
        EXPECT_EQ(SliderLabelText(g_leftSliderZ, false), c.label);
    }
    g_showZValues = g_showTValues = 0;
    g_dispFromMean = 5.0f; // a shown scale of mean 100 and one SE 7.5
    g_dispToMean = 100.0f;
    g_dispScale = 7.5f;
    ASSERT_TRUE(Typed("107.5"));
    EXPECT_NEAR(g_leftSliderZ, 1.0f, 1e-5);
    EXPECT_EQ(SliderNumberText(true), "107.50");
    g_dispToMean = 0.0f; // a hair below a shown 0 reads 0.00, as any label of it
    ASSERT_TRUE(Typed("-0.003"));
    EXPECT_EQ(SliderLabelText(g_leftSliderZ, false), "x = 0.00");
    // A new shown scale leaves the slider where it stood against the population.
    ResetDisplayTransform();
    ASSERT_TRUE(Typed("6.5")); // 1.5 standard errors above the mean
    ASSERT_TRUE(SetDisplayTarget(100.0f, 15.0f));
    SampleSize(4);
    EXPECT_EQ(SliderLabelText(g_leftSliderZ, false), "x = 111.25");
    ResetDisplayTransform(); // DEFAULT
    SampleSize(4);
    EXPECT_EQ(SliderLabelText(g_leftSliderZ, false), "x = 6.50");
}

TEST_F(SliderModel, OffTheAxisTheyComeBackToTheNearerEnd) {
    g_leftSliderZ = 7.0f; // threshold 12, past the end at 365 / 35
    KeepSlidersOnAxis();
    EXPECT_NEAR(g_leftSliderValue, 365.0 / 35, 0.01);
    TwoSlidersSeparate(); // each to its own end; on the axis they stay
    g_leftSliderZ = -9.0f;
    g_rightSliderZ = 2.5f;
    KeepSlidersOnAxis();
    EXPECT_EQ(std::pair(g_leftSliderZ, g_rightSliderZ), std::pair(-5.0f, 2.5f));
    TwoSlidersTandem(); // mirrored as far out as the nearer end allows
    g_leftSliderZ = -6.0f;
    g_rightSliderZ = 6.0f;
    KeepSlidersOnAxis();
    EXPECT_EQ(std::pair(g_leftSliderZ, g_rightSliderZ), std::pair(-5.0f, 5.0f));
}

TEST_F(SliderModel, TheCountStartsAtTheNumberTheLabelShows) {
    // A proportion a float step below 0.1 reads 0.100 and counts 0.1.
    g_isContinuous = 0;
    g_isBinomial = 1;
    g_popMean = 0.3f;
    g_popSD = 0.45825757f;
    SampleSize(10);
    g_leftSliderZ = static_cast<float>((0.0999999 - 0.3) / (g_standardError * 0.1));
    ASSERT_EQ(SliderLabelText(g_leftSliderZ, false), "p = 0.100");
    SetSeries({{0.0f, 0.0f}, {0.1f, 0.3f}, {1.0f / 10, 0.3f}, {0.2f, 0.4f}});
    EXPECT_EQ(CountAtOrBelow(g_leftSliderZ), 3);
    g_isBinomial = 0, g_isContinuous = 1, g_popMean = 5.0f, g_popSD = 2.0f;
    SampleSize(4);
    // z values: a hair below the mean reads 0.00 and counts from the mean.
    g_showZValues = 1;
    EXPECT_DOUBLE_EQ(CountingThreshold(-1e-6f), 5.0);
    // On a shown scale of mean 100 and SE 7.5: 107.4999 reads 107.50, which is 6.
    g_showZValues = 0;
    g_dispFromMean = 5.0f;
    g_dispToMean = 100.0f;
    g_dispScale = 7.5f;
    EXPECT_NEAR(CountingThreshold(0.99999f), 6.0, 1e-9);
}

TEST_F(SliderModel, TheSplitKeepsTheSamplesBeyondTheColumnsApartAndThoseWithoutT) {
    // t values of samples of 4 on the scale of the means: 5 + (m - 5) / (s / 2).
    g_showTValues = 1;
    g_sdSampleSize = 4;
    SetSeries({{1.0f, 1.0f},   // -3: below the columns
               {2.4f, 1.0f},   // -0.2: below them too, not in the first
               {2.525f, 1.0f}, // 0.05: the first column
               {4.475f, 1.0f}, // 3.95
               {5.0f, 2.0f},   // 5
               {5.5f, 1.0f},   // 6
               {8.5f, 1.0f},   // 12: beyond the last column
               {6.0f, 0.0f}}); // no t value
    TwoSlidersTandem();
    g_leftSliderZ = -1.01f; // at 3.99
    g_rightSliderZ = 1.01f; // at 6.01
    g_proportionAbove = 1;  // outside
    SliderSplit split;
    SplitBySliders(split);
    EXPECT_EQ(split.total, 7);
    EXPECT_EQ(split.counted, 5); // -3, -0.2, 0.05, 3.95 and 12
    EXPECT_EQ(split.below.samples + 10 * split.below.counted, 22);
    EXPECT_EQ(split.beyond.samples + 10 * split.beyond.counted, 11);
    // The column of 3.95 (bin 21, 3.9 up to 4.1) holds it at or below the
    // left slider; that of 6 (bin 31) holds it between the two.
    EXPECT_EQ(split.atOrBelowLeft[21], 1);
    EXPECT_EQ(split.atOrBelowLeft[31] + 10 * split.atOrBelowRight[31], 10);
    EXPECT_EQ(split.atOrBelowLeft[1], 1);
    Rebin(4);
    EXPECT_EQ(g_meanHistogram[1], 1);
    const SliderReadouts r = Read(4, 8); // of the 7 with a t value
    EXPECT_EQ(r.actualNumber + " " + r.actualProportion, "5 0.7143");
    EXPECT_EQ(SamplesWithoutStatisticNote(split),
              "1 sample with s = 0 has no t value;\ncounts and proportions are of the other 7");
    // Zoomed to width 0.1 from 3 (columns 2.95 to 8.15 in view): -3, -0.2
    // and 0.05 are out of sight on the left, 12 on the right, all counted.
    g_binWidthNarrow = 1;
    SplitBySliders(split, 31);
    EXPECT_EQ(split.below.samples + 10 * split.below.counted, 33);
    EXPECT_EQ(split.beyond.samples + 10 * split.beyond.counted, 11);
    SampleSize(0); // no t value at all: nothing counted, no "nan"
    const SliderReadouts none = Read(0, 0);
    EXPECT_EQ(none.actualNumber + "|" + none.actualProportion, "|");
    // Means at width 0.2: the column of 4.9 up to 5.1 (bin 26) holds four,
    // two of them at or below a slider at 5.
    g_showTValues = g_binWidthNarrow = 0;
    SampleSize(4);
    SetSeries(Means({5.08f, 4.95f, 5.05f, 5.0f}));
    Rebin(4);
    OneSlider();
    g_leftSliderZ = 0.0f;
    SplitBySliders(split);
    EXPECT_EQ(split.atOrBelowLeft[26] + 10 * g_meanHistogram[26], 42);
    EXPECT_EQ(SamplesWithoutStatisticNote(split), ""); // every mean has a value
}

TEST_F(SliderModel, TheHistogramInWords) {
    EXPECT_EQ(HistogramDescription("", ""), "Histogram of sample means: no samples drawn yet");
    g_samplesDrawn = 1000, g_meanOfMeans = 5.0123f, g_sdOfMeans = 0.3611f;
    TwoSlidersSeparate();
    g_leftSliderZ = -1.0f, g_rightSliderZ = 1.0f, g_showZValues = 1, g_proportionAbove = 1;
    EXPECT_EQ(HistogramDescription("320", "0.3200"),
              "Histogram of the z values of 1,000 sample means; the means have mean 5.01, SD "
              "0.361; 320 of them (0.3200) lie at or below z = -1.00 or above z = 1.00");
    g_showZValues = 0, g_isContinuous = 0, g_isBinomial = 1, g_samplesDrawn = 1;
    g_meanOfMeans = 0.4f;
    EXPECT_EQ(HistogramDescription("", ""), "Histogram of 1 sample proportion: mean 0.40");
}
