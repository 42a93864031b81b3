#include "core/Population.h"
#include "core/SamplingEngine.h"
#include "core/ShapeRamps.h"
#include "core/SimulationState.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <string>
#include <vector>

namespace {

// Records what the population model asks of the windows, in order.
class RecordingViews : public SampleDisplay {
  public:
    void PlaceHandles() override { calls.push_back("PlaceHandles"); }
    void SetSettingsFieldTexts(const std::string& mean, const std::string& sd) override {
        calls.push_back("SetSettingsFieldTexts");
        meanText = mean;
        sdText = sd;
    }
    void RepaintPopulation() override { calls.push_back("RepaintPopulation"); }
    void RepaintDorvaneWhole() override { calls.push_back("RefreshDorvane"); }
    int IndexOf(const std::string& call) const {
        const auto at = std::find(calls.begin(), calls.end(), call);
        return at == calls.end() ? -1 : static_cast<int>(at - calls.begin());
    }

    std::vector<std::string> calls;
    std::string meanText = "untouched", sdText = "untouched";
};

// Heights of the presets in design units (pixels at scale 1.0), written out
// here once from the shapes' description, not read from the program's tables.
using Heights = std::vector<int>;
const Heights kNormal = {2,   4,   7,   10,  13,  17,  22,  28,  35,  42,  50,  59,  69,
                         80,  90,  101, 112, 123, 134, 143, 152, 160, 166, 170, 173, 174,
                         173, 170, 166, 160, 152, 143, 134, 123, 112, 101, 90,  80,  69,
                         59,  50,  42,  35,  28,  22,  17,  13,  10,  7,   4,   2};
const Heights kUShaped = {223, 183, 150, 123, 101, 82, 68, 55,  45,  37,  31,  25, 21,
                          17,  14,  12,  10,  8,   7,  5,  5,   4,   3,   3,   2,  2,
                          2,   3,   3,   4,   5,   5,  7,  8,   10,  12,  14,  17, 21,
                          25,  31,  37,  45,  55,  68, 82, 101, 123, 150, 183, 223};
const Heights kBimodal = {20,  28,  39,  54,  74,  100, 130, 158, 188, 197, 200, 198, 192,
                          175, 158, 143, 129, 116, 105, 94,  84,  76,  68,  65,  63,  62,
                          63,  65,  68,  76,  84,  94,  105, 116, 129, 143, 158, 175, 192,
                          198, 200, 197, 188, 158, 130, 100, 74,  54,  39,  28,  20};
const Heights kTrimodal = {16,  21,  31,  47,  71,  104, 125, 140, 151, 157, 160, 153, 141,
                           63,  51,  44,  45,  46,  49,  53,  58,  113, 152, 178, 194, 202,
                           198, 191, 179, 161, 136, 101, 76,  59,  49,  44,  48,  55,  67,
                           85,  110, 116, 120, 123, 125, 126, 120, 108, 34,  22,  16};
const Heights kSkewPlus = {19,  27,  39,  56,  78,  107, 137, 166, 199, 208, 208, 207, 201,
                           183, 165, 149, 135, 121, 109, 98,  88,  79,  70,  63,  56,  50,
                           45,  40,  36,  33,  30,  27,  25,  23,  21,  20,  19,  18,  17,
                           17,  16,  16,  16,  16,  16,  16,  16,  16,  16,  16,  15};
const Heights kSkewMinus = {16,  16,  16,  16,  16,  16,  16,  16,  16,  16,  16,  17,  17,
                            18,  19,  20,  21,  23,  25,  27,  30,  33,  37,  41,  45,  51,
                            56,  63,  71,  79,  88,  98,  110, 122, 135, 150, 166, 184, 202,
                            208, 209, 209, 200, 167, 138, 108, 79,  57,  40,  28,  15};
const Heights kPicture[4] = {
    {28,  37,  54, 82, 125, 184, 196, 205, 211, 214, 216, 213, 206, 196, 180, 158, 137,
     117, 100, 84, 70, 60,  51,  43,  36,  30,  27,  25,  24,  23,  23,  25,  28,  33,
     40,  51,  76, 93, 105, 112, 116, 114, 110, 104, 94,  81,  56,  38,  26,  19,  15},
    {16,  25,  41,  141, 157, 166, 162, 156, 144, 128, 104, 103, 102, 99,  98, 96,  79,
     64,  50,  37,  26,  21,  18,  16,  15,  14,  15,  16,  18,  21,  26,  71, 103, 124,
     137, 144, 140, 133, 91,  84,  80,  87,  100, 182, 195, 202, 192, 172, 52, 32,  22},
    {2,  14,  38,  182, 206, 218, 209, 193, 166, 125, 68,  53,  42,  35,  30, 28, 34,
     44, 110, 120, 126, 122, 114, 101, 81,  54,  49,  45,  42,  41,  40,  43, 48, 80,
     85, 88,  85,  78,  38,  31,  28,  36,  52,  146, 162, 170, 162, 146, 52, 36, 28},
    {90, 86, 77, 27, 18, 14, 22, 38, 136, 152, 160, 155, 144, 127, 102, 66, 54,
     44, 34, 26, 18, 13, 9,  6,  5,  4,   5,   6,   7,   10,  14,  26,  35, 41,
     44, 46, 43, 38, 8,  3,  0,  11, 33,  165, 187, 198, 188, 169, 53,  34, 24}};

const Heights kDiscreteBimodal = {20, 118, 240, 130, 85, 50, 85, 130, 240, 118, 20};
const Heights kDiscreteTrimodal = {16, 104, 160, 44, 58, 202, 136, 44, 110, 126, 16};
const Heights kDiscreteSkewPlus = {20, 118, 240, 130, 85, 50, 30, 20, 10, 10, 10};
const Heights kDiscreteSkewMinus = {10, 10, 10, 20, 30, 50, 85, 130, 240, 118, 20};
const Heights kDiscreteNormal = {5, 20, 57, 120, 188, 218, 188, 120, 57, 20, 5};
const Heights kDiscreteUShaped = {223, 82, 31, 12, 5, 2, 5, 12, 31, 82, 223};
const Heights kDiscretePicture[4] = {{28, 184, 216, 158, 86, 33, 50, 68, 119, 70, 15},
                                     {16, 166, 104, 96, 26, 14, 26, 144, 80, 202, 22},
                                     {2, 218, 68, 28, 126, 54, 40, 88, 28, 144, 28},
                                     {90, 14, 160, 66, 18, 4, 14, 46, 0, 198, 24}};

// At one and a half times the design size (450 x 648, baseline 405) the two
// rules part: the height rule gives trunc(1.5 h), the top rule 405 -
// trunc(1.5 (270 - h)), one pixel more for every odd h. The computed shapes
// there, from their formulas (pi as 3.1415926545):
const Heights kNormalAt1_5 = {4,   7,   10,  15,  20,  26,  34,  43,  52,  64,  76,  89,  104,
                              120, 136, 152, 169, 185, 201, 215, 229, 240, 249, 256, 260, 261,
                              260, 256, 249, 240, 229, 215, 201, 185, 169, 152, 136, 120, 104,
                              89,  76,  64,  52,  43,  34,  26,  20,  15,  10,  7,   4};
const Heights kUShapedAt1_5 = {334, 274, 224, 184, 151, 123, 101, 83,  68,  56,  46,  38, 31,
                               25,  21,  17,  14,  12,  10,  8,   7,   6,   5,   4,   3,  3,
                               3,   4,   5,   6,   7,   8,   10,  12,  14,  17,  21,  25, 31,
                               38,  46,  56,  68,  83,  101, 123, 151, 184, 224, 274, 334};
const Heights kDiscreteUShapedAt1_5 = {334, 123, 46, 17, 7, 3, 7, 17, 46, 123, 334};

Heights ByHeightRule(const Heights& h) {
    Heights out;
    for (int v : h)
        out.push_back(3 * v / 2);
    return out;
}
Heights ByTopRule(const Heights& h) {
    Heights out;
    for (int v : h)
        out.push_back(405 - 3 * (270 - v) / 2);
    return out;
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
        SetDisplays(&views);
        SetPopulationGeometry(300, 432);
    }
    void TearDown() override { SetDisplays(nullptr); }

    RecordingViews views;
};

struct PresetCase {
    PresetShape shape;
    const char* name;
    Heights continuous, discrete;
    int continuousSlack = 0; // pixels the continuous shape may differ by
};

// Applies every preset of both kinds and compares the column heights.
void ExpectPresets(const std::vector<PresetCase>& cases) {
    for (const PresetCase& c : cases) {
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
        for (int col = 0; col < 51; ++col)
            EXPECT_NEAR(ColumnWeight(col), c.continuous[col], c.continuousSlack)
                << "continuous " << col;
        EXPECT_EQ(ColumnWeight(51), 0);
    }
}

TEST_F(PopulationTest, PresetsOfBothKindsAtScale1) {
    std::vector<PresetCase> cases = {
        {PresetShape::Normal, "NORMAL", kNormal, kDiscreteNormal},
        {PresetShape::UShaped, "U-SHAPED", kUShaped, kDiscreteUShaped},
        {PresetShape::Uniform, "UNIFORM", Heights(51, 150), Heights(11, 150)},
        {PresetShape::Bimodal, "BIMODAL", kBimodal, kDiscreteBimodal},
        {PresetShape::SkewedPlus, "SKEWED +", kSkewPlus, kDiscreteSkewPlus},
        {PresetShape::SkewedMinus, "SKEWED -", kSkewMinus, kDiscreteSkewMinus},
        {PresetShape::Trimodal, "TRIMODAL", kTrimodal, kDiscreteTrimodal},
    };
    const PresetShape pictures[] = {PresetShape::Picture1003, PresetShape::Picture1002,
                                    PresetShape::Picture1004, PresetShape::Picture1005};
    for (int i = 0; i < 4; ++i)
        cases.push_back({pictures[i], "DISTRIBUTION", kPicture[i], kDiscretePicture[i]});
    ExpectPresets(cases);
}

TEST_F(PopulationTest, PresetsAtOneAndAHalfTimesTheDesignSize) {
    SetPopulationGeometry(450, 648);
    ASSERT_EQ(g_popBaseline, 405);
    // TRIMODAL column 1 (21 high) shows the rules apart: 32 by the top rule,
    // where the height rule would give 31.
    std::vector<PresetCase> cases = {
        {PresetShape::Normal, "NORMAL", kNormalAt1_5, ByHeightRule(kDiscreteNormal)},
        {PresetShape::UShaped, "U-SHAPED", kUShapedAt1_5, kDiscreteUShapedAt1_5},
        // Continuous UNIFORM keeps its 150 pixels; discrete UNIFORM scales.
        {PresetShape::Uniform, "UNIFORM", Heights(51, 150), Heights(11, 225)},
        // The continuous ramps are exact at scale 1.0 and within 2 pixels elsewhere.
        {PresetShape::Bimodal, "BIMODAL", ByHeightRule(kBimodal), ByHeightRule(kDiscreteBimodal),
         2},
        {PresetShape::SkewedPlus, "SKEWED +", ByHeightRule(kSkewPlus),
         ByHeightRule(kDiscreteSkewPlus), 2},
        {PresetShape::SkewedMinus, "SKEWED -", ByHeightRule(kSkewMinus),
         ByHeightRule(kDiscreteSkewMinus), 2},
        {PresetShape::Trimodal, "TRIMODAL", ByTopRule(kTrimodal), ByTopRule(kDiscreteTrimodal)},
    };
    ASSERT_EQ(cases.back().continuous[1], 32);
    const PresetShape pictures[] = {PresetShape::Picture1003, PresetShape::Picture1002,
                                    PresetShape::Picture1004, PresetShape::Picture1005};
    for (int i = 0; i < 4; ++i)
        cases.push_back(
            {pictures[i], "DISTRIBUTION", ByTopRule(kPicture[i]), ByTopRule(kDiscretePicture[i])});
    ExpectPresets(cases);
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

TEST_F(PopulationTest, APopulationEmptiedColumnByColumnHasTheZeroParameters) {
    // A bump at 3.8, 4.0 and 4.2 (or 3, 4, 5), then every column back down
    // to the baseline, as dragging does.
    for (bool discrete : {false, true}) {
        SCOPED_TRACE(discrete ? "discrete" : "continuous");
        UseKind(discrete);
        ClearPopulation();
        const int first = discrete ? 3 : 19;
        for (int c = first; c < first + 3; ++c)
            g_popCurve[c + 1] = g_popBaseline - (c == first + 1 ? 100 : 50);
        RecomputePopulationParameters();
        ASSERT_GT(g_popSD, 0.0f);
        ASSERT_GT(g_popQ1, 0.0f);
        for (int c = first; c < first + 3; ++c) {
            g_popCurve[c + 1] = g_popBaseline;
            RecomputePopulationParameters();
        }
        for (float p : {g_popWeightTotal, g_popMean, g_popSD, g_popMedian, g_popQ1, g_popQ3})
            EXPECT_EQ(p, 0.0f);
    }
    // The same for the two binomial bars.
    g_isContinuous = g_isDiscrete = 0;
    g_isBinomial = 1;
    SetBinomialP(0.3f);
    ASSERT_GT(g_popSD, 0.0f);
    g_popCurve[1] = g_popCurve[2] = g_popBaseline;
    RecomputePopulationParameters();
    EXPECT_EQ(g_popMean + g_popSD, 0.0f);
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
