#include "core/PopulationDescription.h"
#include "core/Selection.h"
#include "tests/core/CoreTestSupport.h"

namespace {

using Words = CoreTest;

TEST_F(Words, ThePopulationInWords) {
    EXPECT_EQ(PopulationDescription(""),
              "Continuous population, empty: raise its handles or choose a shape");
    g_popWeightTotal = 100.0f;
    g_popMean = 5.0f;
    g_popSD = 1.5f;
    g_popMedian = 5.0f;
    g_popQ1 = 4.0f;
    g_popQ3 = 6.25f;
    EXPECT_EQ(PopulationDescription("normal"),
              "Continuous population, normal shape: mean 5.00, SD 1.500, median 5.00, quartiles "
              "4.00 and 6.25");
    // As the settings dialog shows it: mean 100, SD 15.
    SetDisplayTarget(100.0f, 15.0f);
    UseKind('D');
    EXPECT_EQ(PopulationDescription(""),
              "Discrete population: mean 100.00, SD 15.000, median 100.00, quartiles 90.00 and "
              "112.50");
    ResetDisplayTransform();
    UseKind('B');
    SetBinomialP(0.4f);
    EXPECT_EQ(PopulationDescription(""),
              "Binomial population: proportion of successes p = 0.40, SD 0.490");
    ClearPopulationCurve();
    EXPECT_EQ(PopulationDescription(""), "Binomial population, empty: no proportion is set");
}

TEST_F(Words, AKeySelectsTheNextMeanInOrder) {
    EXPECT_EQ(SteppedSortedPosition(1), 0); // no series
    g_samplesDrawn = 9;
    for (int k = 1; k <= 9; ++k)
        g_sortedMeanSampleNo[k] = 10 - k;
    EXPECT_EQ(SteppedSortedPosition(1), 5); // none selected: the middle one
    SelectSampleNo(g_sortedMeanSampleNo[5]);
    EXPECT_EQ(SteppedSortedPosition(1), 6);
    EXPECT_EQ(SteppedSortedPosition(-1), 4);
    EXPECT_EQ(SteppedSortedPosition(-100), 1);
    EXPECT_EQ(SteppedSortedPosition(10000), 9);
}

} // namespace
