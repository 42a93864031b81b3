#include "core/Population.h"
#include "core/PresetTables.h"
#include "core/ShapeRamps.h"
#include "core/SimulationState.h"
#include "core/ViewHooks.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <string>
#include <vector>

namespace {

// Records what the population model asks of the windows, in order.
class RecordingViews : public ViewHooks {
  public:
    void PlaceHandles() override { calls.push_back("PlaceHandles"); }
    void SetSettingsFieldTexts(const std::string& mean, const std::string& sd) override {
        calls.push_back("SetSettingsFieldTexts");
        meanText = mean;
        sdText = sd;
    }
    void RepaintPopulation() override { calls.push_back("RepaintPopulation"); }
    void RefreshDorvaneForPopulation() override { calls.push_back("RefreshDorvane"); }
    int IndexOf(const std::string& call) const {
        const auto at = std::find(calls.begin(), calls.end(), call);
        return at == calls.end() ? -1 : static_cast<int>(at - calls.begin());
    }

    std::vector<std::string> calls;
    std::string meanText = "untouched", sdText = "untouched";
};

// Heights at scale 1.0 of the two computed continuous shapes.
const std::vector<int> kNormal = {2,   4,   7,   10,  13,  17,  22,  28,  35,  42,  50,  59,  69,
                                  80,  90,  101, 112, 123, 134, 143, 152, 160, 166, 170, 173, 174,
                                  173, 170, 166, 160, 152, 143, 134, 123, 112, 101, 90,  80,  69,
                                  59,  50,  42,  35,  28,  22,  17,  13,  10,  7,   4,   2};
const std::vector<int> kUShaped = {223, 183, 150, 123, 101, 82, 68, 55,  45,  37,  31,  25, 21,
                                   17,  14,  12,  10,  8,   7,  5,  5,   4,   3,   3,   2,  2,
                                   2,   3,   3,   4,   5,   5,  7,  8,   10,  12,  14,  17, 21,
                                   25,  31,  37,  45,  55,  68, 82, 101, 123, 150, 183, 223};

std::vector<int> Table(const int* table, int columns) {
    return std::vector<int>(table, table + columns);
}

void UseKind(bool discrete) {
    g_isContinuous = !discrete;
    g_isDiscrete = discrete;
    g_isBinomial = 0;
}

// A discrete curve from column weights, parameters recomputed.
void SetDiscreteWeights(const std::vector<int>& weights) {
    UseKind(true);
    for (int c = 0; c < 11; ++c)
        g_popCurve[c + 1] = g_popBaseline - (c < int(weights.size()) ? weights[c] : 0);
    RecomputePopulationParameters();
}

class PopulationTest : public ::testing::Test {
  protected:
    void SetUp() override {
        ResetSimulationState();
        SetViewHooks(&views);
        SetPopulationGeometry(300, 432);
    }
    void TearDown() override { SetViewHooks(nullptr); }

    RecordingViews views;
};

TEST_F(PopulationTest, PresetsOfBothKindsAtScale1) {
    struct Case {
        PresetShape shape;
        const char* name;
        std::vector<int> continuous, discrete;
    };
    std::vector<Case> cases = {
        {PresetShape::Normal, "NORMAL", kNormal, Table(kDiscreteNormalHeights, 11)},
        {PresetShape::UShaped, "U-SHAPED", kUShaped, {223, 82, 31, 12, 5, 2, 5, 12, 31, 82, 223}},
        {PresetShape::Uniform, "UNIFORM", std::vector<int>(51, 150), std::vector<int>(11, 150)},
        {PresetShape::Bimodal, "BIMODAL", Table(kContinuousBimodalHeights, 51),
         Table(kDiscreteBimodalHeights, 11)},
        {PresetShape::SkewedPlus, "SKEWED +", Table(kContinuousSkewPlusHeights, 51),
         Table(kDiscreteSkewPlusHeights, 11)},
        {PresetShape::SkewedMinus,
         "SKEWED -",
         Table(kContinuousSkewMinusHeights, 51),
         {10, 10, 10, 20, 30, 50, 85, 130, 240, 118, 20}},
        {PresetShape::Trimodal,
         "TRIMODAL",
         Table(kContinuousTrimodalHeights, 51),
         {16, 104, 160, 44, 58, 202, 136, 44, 110, 126, 16}},
    };
    const PresetShape pictures[] = {PresetShape::Picture1003, PresetShape::Picture1002,
                                    PresetShape::Picture1004, PresetShape::Picture1005};
    for (int i = 0; i < 4; ++i)
        cases.push_back({pictures[i], "DISTRIBUTION", Table(kContinuousPictureHeights[i], 51),
                         Table(kDiscretePictureHeights[i], 11)});
    EXPECT_EQ(kContinuousBimodalHeights[25], 62);
    EXPECT_EQ(kContinuousPictureHeights[3][40], 0); // 1005 has an empty column
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_STREQ(PresetName(c.shape), c.name);
        UseKind(false);
        ApplyPreset(PresetShape::Uniform);
        UseKind(true); // a discrete preset clears the continuous columns beyond 10
        ApplyPreset(c.shape);
        for (int col = 0; col < 51; ++col)
            EXPECT_EQ(ColumnWeight(col), col < 11 ? c.discrete[col] : 0) << "discrete " << col;
        UseKind(false);
        ApplyPreset(c.shape);
        for (int col = 0; col <= 51; ++col)
            EXPECT_EQ(ColumnWeight(col), col < 51 ? c.continuous[col] : 0) << "continuous " << col;
    }
}

TEST_F(PopulationTest, DiscreteNormalParameters) {
    UseKind(true);
    ApplyPreset(PresetShape::Normal);
    EXPECT_FLOAT_EQ(g_popWeightTotal, 998.0f);
    EXPECT_NEAR(g_popMean, 5.0f, 1e-5);
    EXPECT_FLOAT_EQ(g_popMedian, 5.0f);
    EXPECT_FLOAT_EQ(g_popQ1, 4.0f);
    EXPECT_FLOAT_EQ(g_popQ3, 6.0f);
}

TEST_F(PopulationTest, ContinuousUniformAtSeveralWindowSizes) {
    const int sizes[][2] = {{300, 432}, {600, 864}, {451, 650}, {200, 290}, {1000, 1500}};
    for (const auto& size : sizes) {
        SCOPED_TRACE(size[1]);
        SetPopulationGeometry(size[0], size[1]);
        ApplyPreset(PresetShape::Uniform);
        EXPECT_NEAR(g_popMean, 5.0f, 1e-5);
        EXPECT_NEAR(g_popMedian, 5.0f, 1e-5);
        EXPECT_NEAR(g_popSD, 0.2 * std::sqrt((51.0 * 51.0 - 1.0) / 12.0), 1e-4); // 2.944
    }
    // A new window size empties the curve.
    SetPopulationGeometry(600, 864);
    EXPECT_EQ(std::count(g_popCurve, g_popCurve + kCurveSlots, 540), kCurveSlots);
}

TEST_F(PopulationTest, ColumnZeroReachingTheQuartilePointsAndSingleColumns) {
    // Start from a population whose quartiles are elsewhere, so stale values show.
    UseKind(true);
    ApplyPreset(PresetShape::Normal);
    SetDiscreteWeights({60, 0, 0, 0, 0, 40});
    EXPECT_FLOAT_EQ(g_popQ1, 0.0f);
    EXPECT_FLOAT_EQ(g_popMedian, 0.0f);
    EXPECT_FLOAT_EQ(g_popQ3, 5.0f);
    EXPECT_NEAR(g_popMean, 2.0f, 1e-5);

    ApplyPreset(PresetShape::Normal);
    SetDiscreteWeights({80, 0, 0, 0, 0, 0, 0, 0, 0, 0, 20});
    EXPECT_FLOAT_EQ(g_popQ1, 0.0f);
    EXPECT_FLOAT_EQ(g_popMedian, 0.0f);
    EXPECT_FLOAT_EQ(g_popQ3, 0.0f);
    EXPECT_NEAR(g_popSD, 4.0f, 1e-5);

    // One column: no spread at all.
    SetDiscreteWeights({0, 0, 0, 37});
    EXPECT_EQ(g_popSD, 0.0f);
    EXPECT_FLOAT_EQ(g_popQ3, 3.0f);
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
    EXPECT_LT(views.IndexOf("SetSettingsFieldTexts"), views.IndexOf("RepaintPopulation"));
    EXPECT_EQ(views.calls.back(), "RefreshDorvane");

    // Clear: zero parameters, empty settings fields, no series.
    g_samplesDrawn = 12;
    views.calls.clear();
    ClearPopulation();
    for (float p : {g_popWeightTotal, g_popMean, g_popSD, g_popMedian, g_popQ1, g_popQ3})
        EXPECT_EQ(p, 0.0f);
    EXPECT_EQ(views.meanText, "");
    EXPECT_EQ(g_samplesDrawn, 0);
    EXPECT_EQ(SettingsMeanText() + "|" + SettingsSDText(), "  0.00|  0.000");
}

TEST_F(PopulationTest, BinomialBars) {
    g_isContinuous = 0;
    g_isBinomial = 1;
    SetBinomialP(0.50f);
    EXPECT_EQ(ColumnWeight(0), 130);
    EXPECT_EQ(ColumnWeight(1), 130);
    EXPECT_FLOAT_EQ(g_popMean, 0.5f);
    EXPECT_FLOAT_EQ(g_popSD, 0.5f);

    SetBinomialP(1.00f);
    EXPECT_EQ(ColumnWeight(0), 0);
    EXPECT_EQ(ColumnWeight(1), 260);
    EXPECT_EQ(g_popSD, 0.0f);

    // Out of range: held inside 0..1.
    SetBinomialP(1.7f);
    EXPECT_EQ(ColumnWeight(0), 0);
    SetBinomialP(-0.3f);
    EXPECT_EQ(ColumnWeight(1), 0);
    EXPECT_EQ(g_popMean, 0.0f);
}

TEST_F(PopulationTest, DisplayTransformAndItsRefusals) {
    SetDiscreteWeights({0, 0, 0, 50, 0, 0, 0, 50}); // values 3 and 7: mean 5, SD 2
    RunPopulationChangeSequence(false);
    ASSERT_FLOAT_EQ(g_popMean, 5.0f);
    ASSERT_FLOAT_EQ(g_popSD, 2.0f);
    EXPECT_TRUE(SetDisplayTarget(100.0f, 15.0f));
    EXPECT_FLOAT_EQ(ShownValue(7.0f), 115.0f);
    EXPECT_EQ(SettingsMeanText() + "|" + SettingsSDText(), "  100.00|  15.000");
    // Numbers that are not numbers are refused.
    EXPECT_FALSE(SetDisplayTarget(100.0f, std::nanf("")));
    EXPECT_FALSE(SetDisplayTarget(std::nanf(""), 15.0f));
    EXPECT_FLOAT_EQ(ShownValue(7.0f), 115.0f);
    ResetDisplayTransform();
    EXPECT_FLOAT_EQ(ShownValue(7.0f), 7.0f);

    // SD 0: refused, the transform as it was.
    SetDiscreteWeights({0, 0, 0, 0, 0, 0, 90});
    ASSERT_EQ(g_popSD, 0.0f);
    g_dispScale = 2.0f;
    g_dispToMean = 8.0f;
    g_dispFromMean = 6.0f;
    EXPECT_FALSE(SetDisplayTarget(100.0f, 15.0f));
    EXPECT_TRUE(g_dispScale == 2.0f && g_dispToMean == 8.0f && g_dispFromMean == 6.0f);
    ClearPopulation(); // an empty population has SD 0 as well
    EXPECT_FALSE(SetDisplayTarget(100.0f, 15.0f));
    EXPECT_EQ(g_dispScale, 1.0f);
}

// --- The ramps of the shape editor ---------------------------------------------

std::vector<int> Slice(const int* heights, int from, int to) {
    return std::vector<int>(heights + from, heights + to + 1);
}

TEST(ShapeRamps, RampChoiceFollowsTheNeighbouringSegments) {
    EXPECT_EQ(ChooseRamp(10, 0, -10), RampKind::Flat);
    EXPECT_EQ(ChooseRamp(0, 20, 0), RampKind::SCurve);
    EXPECT_EQ(ChooseRamp(-5, 20, -5), RampKind::SCurve); // both neighbours run the other way
    EXPECT_EQ(ChooseRamp(0, 20, 20), RampKind::CubicIn);
    EXPECT_EQ(ChooseRamp(20, 20, 0), RampKind::CubicOut);
    EXPECT_EQ(ChooseRamp(20, 20, 10), RampKind::QuadraticOut);
    EXPECT_EQ(ChooseRamp(20, 20, 20), RampKind::Linear);
    EXPECT_EQ(ChooseRamp(20, 20, 30), RampKind::QuadraticIn);
    // Falling segments compare magnitudes, not signed values.
    EXPECT_EQ(ChooseRamp(-20, -20, -10), RampKind::QuadraticOut);
    EXPECT_EQ(ChooseRamp(-20, -20, -30), RampKind::QuadraticIn);
}

TEST(ShapeRamps, PeakValleyAndStaircase) {
    // A single peak of 200 on an empty curve.
    int peak[51] = {};
    peak[25] = 200;
    RebuildRampHeights(peak);
    EXPECT_EQ(Slice(peak, 20, 30),
              (std::vector<int>{0, 11, 33, 166, 188, 200, 189, 167, 34, 12, 0}));
    EXPECT_EQ(Slice(peak, 0, 19), std::vector<int>(20, 0));

    // A valley of 0 in a curve 200 high.
    int valley[51];
    for (int& h : valley)
        h = 200;
    valley[25] = 0;
    RebuildRampHeights(valley);
    EXPECT_EQ(Slice(valley, 20, 30),
              (std::vector<int>{200, 189, 167, 34, 12, 0, 11, 33, 166, 188, 200}));

    // Handles 0, 20, ..., 200: eases in, runs straight, eases out.
    int stairs[51] = {};
    for (int j = 0; j <= 10; ++j)
        stairs[5 * j] = 20 * j;
    RebuildRampHeights(stairs);
    EXPECT_EQ(Slice(stairs, 0, 5), (std::vector<int>{0, 1, 3, 6, 12, 20}));
    for (int c = 5; c <= 45; ++c)
        EXPECT_EQ(stairs[c], 4 * c) << "column " << c;
    EXPECT_EQ(Slice(stairs, 46, 50), (std::vector<int>{187, 193, 196, 198, 200}));
}

TEST(ShapeRamps, EveryRampEndsOnItsHandleAndStaysBetweenThem) {
    // Irregular handles, including plateaus and reversals.
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
    EXPECT_EQ(Slice(heights, 5, 10), std::vector<int>(6, 37)); // a plateau stays flat
}

} // namespace
