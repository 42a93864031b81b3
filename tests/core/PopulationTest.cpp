#include "core/PopulationDescription.h"
#include "core/Selection.h"
#include "core/ShapeRamps.h"
#include "tests/core/CoreTestSupport.h"

#include <array>
#include <cmath>

namespace {

void SetDiscreteWeights(const std::vector<int>& weights) {
    UseKind('D');
    for (int c = 0; c < 11; ++c)
        g_popCurve[c + 1] = g_popBaseline - (c < int(weights.size()) ? weights[c] : 0);
    RecomputePopulationParameters();
}

using PopulationTest = CoreTest;

TEST_F(PopulationTest, PresetsOfBothKindsAtTheDesignSizeAndOneAndAHalfTimesIt) {
    // Heights at continuous columns 0, 13, 25, 37, 50 and discrete 0, 3, 5, 7,
    // 10; at 1.5 times the design size (baseline 405) by the shape's rule: Top
    // gives 405 - trunc(1.5 (270 - h)), Height trunc(1.5 h) (continuous ramps
    // within 2); the Formula shapes as their second row says.
    using Five = std::array<int, 5>;
    using enum PresetShape;
    const struct {
        PresetShape shape;
        char rule;
        Five continuous, discrete, continuousAt1_5 = {}, discreteAt1_5 = {};
    } cases[] = {
        {Normal, 'F', Five{2, 80, 174, 80, 2}, Five{5, 120, 218, 120, 5}, Five{4, 120, 261, 120, 4},
         Five{7, 180, 327, 180, 7}},
        {UShaped, 'F', Five{223, 17, 2, 17, 223}, Five{223, 12, 2, 12, 223},
         Five{334, 25, 3, 25, 334}, Five{334, 17, 3, 17, 334}},
        {Uniform, 'F', Five{150, 150, 150, 150, 150}, Five{150, 150, 150, 150, 150},
         Five{150, 150, 150, 150, 150}, Five{225, 225, 225, 225, 225}},
        {Bimodal, 'H', {20, 175, 62, 175, 20}, {20, 130, 50, 130, 20}},
        {SkewedPlus, 'H', {19, 183, 50, 18, 15}, {20, 130, 50, 20, 10}},
        {SkewedMinus, 'H', {16, 18, 51, 184, 15}, {10, 20, 50, 130, 20}},
        {Trimodal, 'T', {16, 63, 202, 55, 16}, {16, 44, 202, 44, 16}},
        {Picture1003, 'T', {28, 196, 30, 93, 15}, {28, 158, 33, 68, 15}},
        {Picture1002, 'T', {16, 99, 14, 133, 22}, {16, 96, 14, 144, 22}},
        {Picture1004, 'T', {2, 35, 54, 78, 28}, {2, 28, 54, 88, 28}},
        {Picture1005, 'T', {90, 127, 4, 38, 24}, {90, 66, 4, 46, 24}},
    };
    const auto heights = [](PresetShape shape, bool discrete) {
        UseKind('C');
        ApplyPreset(PresetShape::Uniform);
        UseKind(discrete ? 'D' : 'C'); // a discrete preset clears the continuous columns beyond 10
        ApplyPreset(shape);
        std::vector<int> h;
        for (int col = 0; col < 52; ++col)
            h.push_back(ColumnWeight(col));
        return h;
    };
    const std::array<int, 5> continuousColumns = {0, 13, 25, 37, 50},
                             discreteColumns = {0, 3, 5, 7, 10};
    for (const auto& c : cases) {
        SCOPED_TRACE(static_cast<int>(c.shape));
        SetPopulationGeometry(300, 432);
        const std::vector<int> continuous = heights(c.shape, false),
                               discrete = heights(c.shape, true);
        EXPECT_EQ(discrete[12] + discrete[50] + continuous[51], 0);
        SetPopulationGeometry(450, 648);
        const std::vector<int> continuousAt1_5 = heights(c.shape, false);
        const std::vector<int> discreteAt1_5 = heights(c.shape, true);
        for (int i = 0; i < 5; ++i) {
            const int cc = continuousColumns[i], dc = discreteColumns[i];
            EXPECT_EQ(continuous[cc], c.continuous[i]) << "column " << cc;
            EXPECT_EQ(discrete[dc], c.discrete[i]) << "discrete column " << dc;
            if (c.rule != 'F') continue;
            EXPECT_EQ(continuousAt1_5[cc], c.continuousAt1_5[i]) << "column " << cc << " at 1.5";
            EXPECT_EQ(discreteAt1_5[dc], c.discreteAt1_5[i])
                << "discrete column " << dc << " at 1.5";
        }
        const auto byRule = [&c](int h) {
            return c.rule == 'H' ? 3 * h / 2 : 405 - 3 * (270 - h) / 2;
        };
        for (int col = 0; col <= 50 && c.rule != 'F'; ++col)
            EXPECT_NEAR(continuousAt1_5[col], byRule(continuous[col]), c.rule == 'H' ? 2 : 0)
                << col;
        for (int col = 0; col <= 10 && c.rule != 'F'; ++col)
            EXPECT_EQ(discreteAt1_5[col], byRule(discrete[col])) << "discrete " << col;
    }
}

TEST_F(PopulationTest, ParametersOfDiscretePopulations) {
    // Column weights of the values 0, 1, 2, ... (numpy): a quartile is the
    // value whose column the cumulative share first reaches 25, 50, 75 % in,
    // also exactly (the last row) and in column 0; none is left from before.
    const struct {
        std::vector<int> weights;
        float total, mean, sd, q1, median, q3;
    } cases[] = {{{5, 20, 57, 120, 188, 218, 188, 120, 57, 20, 5}, 998, 5, 1.80514f, 4, 5, 6},
                 {{60, 0, 0, 0, 0, 40}, 100, 2, 2.44949f, 0, 0, 5},
                 {{80, 0, 0, 0, 0, 0, 0, 0, 0, 0, 20}, 100, 2, 4, 0, 0, 0},
                 {{0, 0, 0, 37}, 37, 3, 0, 3, 3, 3},
                 {{10, 15, 25, 50}, 100, 2.15f, 1.01366f, 1, 2, 3}};
    for (const auto& c : cases) {
        SetDiscreteWeights(c.weights);
        EXPECT_EQ(std::vector<float>({g_popWeightTotal, g_popQ1, g_popMedian, g_popQ3}),
                  std::vector<float>({c.total, c.q1, c.median, c.q3}))
            << c.mean;
        EXPECT_NEAR(g_popMean, c.mean, 1e-5);
        EXPECT_NEAR(g_popSD, c.sd, 1e-5);
    }
    // Continuous UNIFORM at several window sizes: mean and median 5, SD 2.944.
    for (const auto& [w, h] : {std::pair{300, 432}, {600, 864}, {451, 650}, {200, 290}}) {
        SetPopulationGeometry(w, h);
        UseKind('C');
        ApplyPreset(PresetShape::Uniform);
        EXPECT_NEAR(g_popMean + g_popMedian, 10.0f, 1e-5) << h;
        EXPECT_NEAR(g_popSD, 0.2 * std::sqrt((51.0 * 51.0 - 1.0) / 12.0), 1e-4) << h;
    }
    SetPopulationGeometry(600, 864); // a new window size empties the curve
    EXPECT_EQ(std::count(g_popCurve, g_popCurve + kCurveSlots, 540), kCurveSlots);
}

TEST_F(PopulationTest, EmptiedColumnByColumnOrClearedTheParametersAreZero) {
    // A bump at 3.8, 4.0 and 4.2 (or 3, 4, 5), or the two binomial bars, then
    // every column back down to the baseline, as dragging does.
    for (int kind : {0, 1, 2}) {
        g_isContinuous = kind == 0, g_isDiscrete = kind == 1, g_isBinomial = kind == 2;
        ClearPopulation();
        const int first = kind == 2 ? 0 : kind == 1 ? 3 : 19, last = kind == 2 ? 1 : first + 2;
        for (int c = first; c <= last; ++c)
            g_popCurve[c + 1] = g_popBaseline - (c == first + 1 ? 100 : 50);
        RecomputePopulationParameters();
        ASSERT_GT(g_popSD, 0.0f) << kind;
        for (int c = first; c <= last; ++c) {
            g_popCurve[c + 1] = g_popBaseline;
            RecomputePopulationParameters();
        }
        for (float p : {g_popWeightTotal, g_popMean, g_popSD, g_popMedian, g_popQ1, g_popQ3})
            EXPECT_EQ(p, 0.0f) << kind;
    }
}

TEST_F(PopulationTest, ClearAndPresetRunTheChangeSequence) {
    // A transform and a series left from before must not survive a new shape.
    g_dispScale = 3.0f;
    g_dispToMean = 50.0f;
    g_samplesDrawn = 40;
    g_samplingDistWndVisible = 1;
    ApplyPreset(PresetShape::Uniform);
    EXPECT_EQ(views.meanText + "|" + views.sdText, "  5.00|  2.944");
    EXPECT_TRUE(g_dispScale == 1.0f && g_dispShift == 0.0f && g_dispToMean == g_popMean);
    EXPECT_EQ(g_samplesDrawn, 0);
    EXPECT_EQ(views.calls.back(), "RepaintDorvaneWhole(0)");
    // Clear: zero parameters, empty settings fields, no series.
    g_samplesDrawn = 12;
    ClearPopulation();
    EXPECT_EQ(g_popWeightTotal + g_popMean + g_popSD + g_popMedian, 0.0f);
    EXPECT_EQ(views.meanText, "");
    EXPECT_EQ(g_samplesDrawn, 0);
    EXPECT_EQ(SettingsMeanText() + "|" + SettingsSDText(), "  0.00|  0.000");
}

TEST_F(PopulationTest, BinomialBarsHeldInsideZeroToOne) {
    UseKind('B');
    const struct {
        float p;
        int failures, successes;
        float mean, sd;
    } cases[] = {{0.5f, 130, 130, 0.5f, 0.5f},
                 {0.2f, 208, 52, 0.2f, 0.4f},
                 {1.0f, 0, 260, 1, 0},
                 {1.7f, 0, 260, 1, 0},
                 {-0.3f, 260, 0, 0, 0}};
    for (const auto& c : cases) {
        SetBinomialP(c.p);
        EXPECT_EQ(ColumnWeight(0), c.failures) << c.p;
        EXPECT_EQ(ColumnWeight(1), c.successes) << c.p;
        EXPECT_NEAR(g_popMean, c.mean, 1e-6) << c.p;
        EXPECT_NEAR(g_popSD, c.sd, 1e-6) << c.p;
    }
}

TEST(ShapeRamps, RampChoiceFollowsTheNeighbouringSegments) {
    const struct {
        int before, segment, after;
        RampKind kind;
    } cases[] = {{10, 0, -10, RampKind::Flat},           {0, 20, 0, RampKind::SCurve},
                 {-5, 20, -5, RampKind::SCurve},         {0, 20, 20, RampKind::CubicIn},
                 {20, 20, 0, RampKind::CubicOut},        {20, 20, 10, RampKind::QuadraticOut},
                 {20, 20, 20, RampKind::Linear},         {20, 20, 30, RampKind::QuadraticIn},
                 {-20, -20, -10, RampKind::QuadraticOut}}; // falling: magnitudes, not signs
    for (const auto& c : cases)
        EXPECT_EQ(ChooseRamp(c.before, c.segment, c.after), c.kind)
            << c.before << " " << c.segment << " " << c.after;
}

TEST(ShapeRamps, StaircaseAndIrregularHandles) {
    // Handles 0, 20, ..., 200: eases in, runs straight, eases out.
    int stairs[51] = {};
    for (int j = 0; j <= 10; ++j)
        stairs[5 * j] = 20 * j;
    RebuildRampHeights(stairs);
    EXPECT_EQ(std::vector<int>(stairs, stairs + 6), (std::vector<int>{0, 1, 3, 6, 12, 20}));
    for (int c = 5; c <= 45; ++c)
        EXPECT_EQ(stairs[c], 4 * c) << "column " << c;
    EXPECT_EQ(std::vector<int>(stairs + 46, stairs + 51),
              (std::vector<int>{187, 193, 196, 198, 200}));
    // Irregular handles, plateaus and reversals: every ramp ends on its
    // handle and stays between its two handles; a plateau stays flat.
    const int handles[11] = {0, 37, 37, 250, 3, 90, 91, 260, 120, 0, 77};
    int heights[51] = {};
    for (int j = 0; j <= 10; ++j)
        heights[5 * j] = handles[j];
    RebuildRampHeights(heights);
    for (int j = 0; j < 10; ++j) {
        const int a = handles[j], b = handles[j + 1];
        EXPECT_EQ(heights[5 * j], a);
        for (int c = 5 * j + 1; c < 5 * j + 5; ++c)
            EXPECT_TRUE(heights[c] >= std::min(a, b) && heights[c] <= std::max(a, b)) << c;
    }
    EXPECT_EQ(heights[50], 77);
    EXPECT_EQ(std::vector<int>(heights + 5, heights + 11), std::vector<int>(6, 37));
}

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
