#include "core/Population.h"
#include "core/PresetTables.h"
#include "core/SimulationState.h"
#include "core/ViewHooks.h"

#include <gtest/gtest.h>

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
        for (size_t i = 0; i < calls.size(); ++i)
            if (calls[i] == call) return static_cast<int>(i);
        return -1;
    }

    std::vector<std::string> calls;
    std::string meanText = "untouched";
    std::string sdText = "untouched";
};

// Heights at scale 1.0 of the two computed continuous shapes.
const std::vector<int> kNormalAtScale1 = {
    2,   4,   7,   10,  13,  17,  22,  28,  35,  42,  50,  59,  69,  80,  90,  101, 112,
    123, 134, 143, 152, 160, 166, 170, 173, 174, 173, 170, 166, 160, 152, 143, 134, 123,
    112, 101, 90,  80,  69,  59,  50,  42,  35,  28,  22,  17,  13,  10,  7,   4,   2};
const std::vector<int> kUShapedAtScale1 = {
    223, 183, 150, 123, 101, 82, 68, 55, 45, 37, 31, 25, 21,  17,  14,  12,  10,
    8,   7,   5,   5,   4,   3,  3,  2,  2,  2,  3,  3,  4,   5,   5,   7,   8,
    10,  12,  14,  17,  21,  25, 31, 37, 45, 55, 68, 82, 101, 123, 150, 183, 223};
const std::vector<int> kDiscreteUShapedAtScale1 = {223, 82, 31, 12, 5, 2, 5, 12, 31, 82, 223};

std::vector<int> Heights(int columns) {
    std::vector<int> heights;
    for (int c = 0; c < columns; ++c)
        heights.push_back(ColumnWeight(c));
    return heights;
}

std::vector<int> FromTable(const int* table, int columns) {
    return std::vector<int>(table, table + columns);
}

void UseDiscrete() {
    g_isContinuous = 0;
    g_isDiscrete = 1;
    g_isBinomial = 0;
}

void UseBinomial() {
    g_isContinuous = 0;
    g_isDiscrete = 0;
    g_isBinomial = 1;
}

// Sets a discrete curve from column weights, leaving the parameters as they were.
void SetDiscreteWeights(const std::vector<int>& weights) {
    for (int c = 0; c < 11; ++c)
        g_popCurve[c + 1] = g_popBaseline - (c < static_cast<int>(weights.size()) ? weights[c] : 0);
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

TEST_F(PopulationTest, GeometryAtDesignAndDoubleSize) {
    EXPECT_FLOAT_EQ(g_scaleX, 1.0f);
    EXPECT_FLOAT_EQ(g_scaleY, 1.0f);
    EXPECT_EQ(g_popBaseline, 270);
    EXPECT_EQ(g_plotLeft, 40);
    EXPECT_EQ(g_plotRight, 260);
    EXPECT_EQ(g_binTop, 10);

    g_popCumShare[7] = 0.5f;
    SetPopulationGeometry(600, 864);
    EXPECT_EQ(g_popBaseline, 540);
    EXPECT_EQ(g_plotLeft, 80);
    EXPECT_EQ(g_plotRight, 520);
    EXPECT_EQ(g_binTop, 20);
    for (int slot = 0; slot < kCurveSlots; ++slot) {
        EXPECT_EQ(g_popCurve[slot], 540) << slot;
        EXPECT_EQ(g_popCumShare[slot], 0.0f) << slot;
    }
}

TEST_F(PopulationTest, ContinuousPresetsAtScale1) {
    ApplyPreset(PresetShape::Normal);
    EXPECT_EQ(Heights(51), kNormalAtScale1);
    ApplyPreset(PresetShape::UShaped);
    EXPECT_EQ(Heights(51), kUShapedAtScale1);
    ApplyPreset(PresetShape::Bimodal);
    EXPECT_EQ(Heights(51), FromTable(kContinuousBimodalHeights, 51));
    EXPECT_EQ(ColumnWeight(25), 62);
    ApplyPreset(PresetShape::Trimodal);
    EXPECT_EQ(Heights(51), FromTable(kContinuousTrimodalHeights, 51));
    ApplyPreset(PresetShape::Uniform);
    EXPECT_EQ(Heights(51), std::vector<int>(51, 150));
    // Only columns 0..50 belong to the shape.
    EXPECT_EQ(ColumnWeight(51), 0);

    const PresetShape pictures[] = {PresetShape::Picture1003, PresetShape::Picture1002,
                                    PresetShape::Picture1004, PresetShape::Picture1005};
    for (int i = 0; i < 4; ++i) {
        ApplyPreset(pictures[i]);
        EXPECT_EQ(Heights(51), FromTable(kContinuousPictureHeights[i], 51)) << i;
    }
    EXPECT_EQ(ColumnWeight(40), 0); // 1005 has an empty column
}

TEST_F(PopulationTest, DiscretePresetsAtScale1) {
    UseDiscrete();
    ApplyPreset(PresetShape::UShaped);
    EXPECT_EQ(Heights(11), kDiscreteUShapedAtScale1);
    ApplyPreset(PresetShape::Uniform);
    EXPECT_EQ(Heights(11), std::vector<int>(11, 150));
    ApplyPreset(PresetShape::SkewedMinus);
    EXPECT_EQ(Heights(11), (std::vector<int>{10, 10, 10, 20, 30, 50, 85, 130, 240, 118, 20}));
    ApplyPreset(PresetShape::Trimodal);
    EXPECT_EQ(Heights(11), (std::vector<int>{16, 104, 160, 44, 58, 202, 136, 44, 110, 126, 16}));

    const PresetShape pictures[] = {PresetShape::Picture1003, PresetShape::Picture1002,
                                    PresetShape::Picture1004, PresetShape::Picture1005};
    for (int i = 0; i < 4; ++i) {
        ApplyPreset(pictures[i]);
        EXPECT_EQ(Heights(11), FromTable(kDiscretePictureHeights[i], 11)) << i;
        EXPECT_STREQ(PresetName(pictures[i]), "DISTRIBUTION");
    }
}

TEST_F(PopulationTest, DiscretePresetClearsColumnsBeyondTen) {
    ApplyPreset(PresetShape::Uniform); // continuous: 51 columns of 150
    UseDiscrete();
    ApplyPreset(PresetShape::Normal);
    for (int c = 11; c <= 50; ++c)
        EXPECT_EQ(ColumnWeight(c), 0) << c;
    EXPECT_FLOAT_EQ(g_popWeightTotal, 998.0f);
}

TEST_F(PopulationTest, DiscreteNormalParameters) {
    UseDiscrete();
    ApplyPreset(PresetShape::Normal);
    EXPECT_STREQ(PresetName(PresetShape::Normal), "NORMAL");
    EXPECT_FLOAT_EQ(g_popWeightTotal, 998.0f);
    EXPECT_NEAR(g_popMean, 5.0f, 1e-5);
    EXPECT_FLOAT_EQ(g_popMedian, 5.0f);
    EXPECT_FLOAT_EQ(g_popQ1, 4.0f);
    EXPECT_FLOAT_EQ(g_popQ3, 6.0f);
    EXPECT_FLOAT_EQ(g_popCumShare[11], 1.0f);
    EXPECT_FLOAT_EQ(g_popCumShare[1], 5.0f / 998.0f);
}

TEST_F(PopulationTest, ContinuousUniformAtSeveralWindowSizes) {
    const double expectedSD = 0.2 * std::sqrt((51.0 * 51.0 - 1.0) / 12.0);
    const int sizes[][2] = {{300, 432}, {600, 864}, {451, 650}, {200, 290}, {1000, 1500}};
    for (const auto& size : sizes) {
        SetPopulationGeometry(size[0], size[1]);
        ApplyPreset(PresetShape::Uniform);
        EXPECT_EQ(Heights(51), std::vector<int>(51, 150)) << size[1];
        EXPECT_NEAR(g_popMean, 5.0f, 1e-5) << size[1];
        EXPECT_NEAR(g_popSD, expectedSD, 1e-4) << size[1];
        EXPECT_NEAR(g_popSD, 2.944f, 5e-4) << size[1];
        EXPECT_NEAR(g_popMedian, 5.0f, 1e-5);
    }
}

TEST_F(PopulationTest, PresetsAtAnotherScaleStayNearTheScaledHeights) {
    SetPopulationGeometry(350, 500); // s_y = 1.157...
    const float s = g_scaleY;
    struct Case {
        PresetShape shape;
        std::vector<int> continuous;
        std::vector<int> discrete;
    };
    const std::vector<Case> cases = {
        {PresetShape::Bimodal, FromTable(kContinuousBimodalHeights, 51),
         FromTable(kDiscreteBimodalHeights, 11)},
        {PresetShape::SkewedPlus, FromTable(kContinuousSkewPlusHeights, 51),
         FromTable(kDiscreteSkewPlusHeights, 11)},
        {PresetShape::SkewedMinus, FromTable(kContinuousSkewMinusHeights, 51),
         FromTable(kDiscreteSkewMinusHeights, 11)},
        {PresetShape::Trimodal, FromTable(kContinuousTrimodalHeights, 51),
         FromTable(kDiscreteTrimodalHeights, 11)},
        {PresetShape::Normal, kNormalAtScale1, FromTable(kDiscreteNormalHeights, 11)},
        {PresetShape::UShaped, kUShapedAtScale1, kDiscreteUShapedAtScale1},
        {PresetShape::Picture1004, FromTable(kContinuousPictureHeights[2], 51),
         FromTable(kDiscretePictureHeights[2], 11)},
    };
    for (const Case& item : cases) {
        g_isContinuous = 1;
        g_isDiscrete = 0;
        ApplyPreset(item.shape);
        for (int c = 0; c < 51; ++c)
            EXPECT_NEAR(ColumnWeight(c), s * item.continuous[c], 2.0)
                << PresetName(item.shape) << " continuous column " << c;
        UseDiscrete();
        ApplyPreset(item.shape);
        for (int c = 0; c < 11; ++c)
            EXPECT_NEAR(ColumnWeight(c), s * item.discrete[c], 2.0)
                << PresetName(item.shape) << " discrete column " << c;
    }
    UseDiscrete();
    ApplyPreset(PresetShape::Uniform);
    EXPECT_EQ(Heights(11), std::vector<int>(11, static_cast<int>(150 * s)));
}

TEST_F(PopulationTest, ColumnZeroReachingTheQuartilePoints) {
    UseDiscrete();
    // Start from a population whose quartiles are elsewhere, so stale values show.
    ApplyPreset(PresetShape::Normal);

    SetDiscreteWeights({60, 0, 0, 0, 0, 40});
    RecomputePopulationParameters();
    EXPECT_FLOAT_EQ(g_popQ1, 0.0f);
    EXPECT_FLOAT_EQ(g_popMedian, 0.0f);
    EXPECT_FLOAT_EQ(g_popQ3, 5.0f);
    EXPECT_NEAR(g_popMean, 2.0f, 1e-5);

    ApplyPreset(PresetShape::Normal);
    SetDiscreteWeights({80, 0, 0, 0, 0, 0, 0, 0, 0, 0, 20});
    RecomputePopulationParameters();
    EXPECT_FLOAT_EQ(g_popQ1, 0.0f);
    EXPECT_FLOAT_EQ(g_popMedian, 0.0f);
    EXPECT_FLOAT_EQ(g_popQ3, 0.0f);
    EXPECT_NEAR(g_popSD, 4.0f, 1e-5);
}

TEST_F(PopulationTest, SingleColumnHasZeroSpreadAndNoNan) {
    UseDiscrete();
    ClearPopulation();
    SetDiscreteWeights({0, 0, 0, 37});
    RecomputePopulationParameters();
    EXPECT_FLOAT_EQ(g_popMean, 3.0f);
    EXPECT_EQ(g_popSD, 0.0f);
    EXPECT_FLOAT_EQ(g_popQ1, 3.0f);
    EXPECT_FLOAT_EQ(g_popQ3, 3.0f);

    g_isContinuous = 1;
    g_isDiscrete = 0;
    for (int c = 0; c < 51; ++c)
        g_popCurve[c + 1] = g_popBaseline - (c == 37 ? 3 : 0);
    RecomputePopulationParameters();
    EXPECT_FALSE(std::isnan(g_popSD));
    EXPECT_NEAR(g_popSD, 0.0f, 1e-3);
    EXPECT_NEAR(g_popMean, 7.4f, 1e-5);
}

TEST_F(PopulationTest, ClearEmptiesCurveParametersAndSettingsFields) {
    ApplyPreset(PresetShape::SkewedPlus);
    ASSERT_GT(g_popMean, 0.0f);
    g_samplesDrawn = 12;
    views.calls.clear();

    ClearPopulation();
    for (int slot = 0; slot <= 51; ++slot) {
        EXPECT_EQ(g_popCurve[slot], g_popBaseline) << slot;
        EXPECT_EQ(g_popCumShare[slot], 0.0f) << slot;
    }
    EXPECT_EQ(g_popWeightTotal, 0.0f);
    EXPECT_EQ(g_popMean, 0.0f);
    EXPECT_EQ(g_popSD, 0.0f);
    EXPECT_EQ(g_popMedian, 0.0f);
    EXPECT_EQ(g_popQ1, 0.0f);
    EXPECT_EQ(g_popQ3, 0.0f);
    EXPECT_EQ(g_ciPopMean, 0.0f);
    EXPECT_EQ(g_dispScale, 1.0f);
    EXPECT_EQ(views.meanText, "");
    EXPECT_EQ(views.sdText, "");
    EXPECT_EQ(views.IndexOf("PlaceHandles"), 0);
    EXPECT_GE(views.IndexOf("RepaintPopulation"), 0);
    EXPECT_EQ(g_samplesDrawn, 0); // the series ended
    EXPECT_EQ(SettingsMeanText(), "  0.00");
    EXPECT_EQ(SettingsSDText(), "  0.000");
}

TEST_F(PopulationTest, ChangeSequenceAfterPreset) {
    // A transform left from before must not survive a new shape.
    g_dispScale = 3.0f;
    g_dispToMean = 50.0f;
    g_samplesDrawn = 40;
    g_samplingDistWndVisible = 0;
    ApplyPreset(PresetShape::Uniform);
    EXPECT_EQ(views.meanText, "  5.00");
    EXPECT_EQ(views.sdText, "  2.944");
    EXPECT_EQ(g_dispScale, 1.0f);
    EXPECT_EQ(g_dispShift, 0.0f);
    EXPECT_EQ(g_dispFromMean, g_popMean);
    EXPECT_EQ(g_dispToMean, g_popMean);
    EXPECT_EQ(g_ciPopMean, g_popMean);
    EXPECT_EQ(g_samplesDrawn, 0);
    EXPECT_LT(views.IndexOf("SetSettingsFieldTexts"), views.IndexOf("RepaintPopulation"));
    EXPECT_EQ(views.IndexOf("RefreshDorvane"), -1);

    views.calls.clear();
    g_samplingDistWndVisible = 1;
    UseDiscrete();
    ApplyPreset(PresetShape::Normal);
    EXPECT_EQ(views.meanText, "  5.00");
    EXPECT_EQ(views.calls.back(), "RefreshDorvane");
    EXPECT_LT(views.IndexOf("RepaintPopulation"), views.IndexOf("RefreshDorvane"));
}

TEST_F(PopulationTest, BinomialBars) {
    UseBinomial();
    SetBinomialP(0.50f);
    EXPECT_EQ(ColumnWeight(0), 130);
    EXPECT_EQ(ColumnWeight(1), 130);
    EXPECT_FLOAT_EQ(g_popMean, 0.5f);
    EXPECT_FLOAT_EQ(g_popSD, 0.5f);
    EXPECT_FLOAT_EQ(g_popCumShare[1], 0.5f);
    EXPECT_FLOAT_EQ(g_popCumShare[2], 1.0f);
    EXPECT_EQ(views.calls.back(), "PlaceHandles");

    SetBinomialP(1.00f);
    EXPECT_EQ(ColumnWeight(0), 0);
    EXPECT_EQ(ColumnWeight(1), 260);
    EXPECT_FLOAT_EQ(g_popMean, 1.0f);
    EXPECT_EQ(g_popSD, 0.0f);

    // Every button gives a whole number of pixels at scale 1.0.
    for (int k = 1; k <= 20; ++k) {
        SetBinomialP(0.05f * k);
        EXPECT_EQ(ColumnWeight(1), 13 * k) << k;
        EXPECT_EQ(ColumnWeight(0) + ColumnWeight(1), 260) << k;
    }

    // Elsewhere the success bar is full x p rounded to the nearest pixel.
    SetPopulationGeometry(310, 500); // full = 312 - 11 = 301
    ASSERT_EQ(g_popBaseline - g_binTop, 301);
    for (int k = 1; k <= 20; ++k) {
        const float p = 0.05f * k;
        SetBinomialP(p);
        EXPECT_NEAR(ColumnWeight(1), 301.0 * p, 0.5) << k;
        EXPECT_EQ(ColumnWeight(0) + ColumnWeight(1), 301) << k;
    }
}

TEST_F(PopulationTest, BinomialOutOfRangeProportionKeepsBarsValid) {
    UseBinomial();
    SetBinomialP(1.7f);
    EXPECT_EQ(ColumnWeight(0), 0);
    EXPECT_FLOAT_EQ(g_popMean, 1.0f);
    SetBinomialP(-0.3f);
    EXPECT_EQ(ColumnWeight(1), 0);
    EXPECT_EQ(g_popMean, 0.0f);
    EXPECT_EQ(g_popSD, 0.0f);
}

TEST_F(PopulationTest, BinomialClearGivesZeroParameters) {
    UseBinomial();
    SetBinomialP(0.35f);
    ClearPopulation();
    EXPECT_EQ(ColumnWeight(0), 0);
    EXPECT_EQ(ColumnWeight(1), 0);
    EXPECT_EQ(g_popMean, 0.0f);
    EXPECT_EQ(g_popSD, 0.0f);
    EXPECT_EQ(g_popCumShare[1], 0.0f);
}

TEST_F(PopulationTest, DisplayTransform) {
    UseDiscrete();
    ClearPopulation();
    SetDiscreteWeights({0, 0, 0, 50, 0, 0, 0, 50}); // values 3 and 7: mean 5, SD 2
    RunPopulationChangeSequence(false);
    ASSERT_FLOAT_EQ(g_popMean, 5.0f);
    ASSERT_FLOAT_EQ(g_popSD, 2.0f);

    EXPECT_TRUE(SetDisplayTarget(100.0f, 15.0f));
    EXPECT_FLOAT_EQ(ShownValue(7.0f), 115.0f);
    EXPECT_FLOAT_EQ(ShownValue(5.0f), 100.0f);
    EXPECT_FLOAT_EQ(g_dispShift, 95.0f);
    EXPECT_EQ(SettingsMeanText(), "  100.00");
    EXPECT_EQ(SettingsSDText(), "  15.000");

    ResetDisplayTransform();
    EXPECT_FLOAT_EQ(ShownValue(7.0f), 7.0f);
    EXPECT_EQ(g_dispScale, 1.0f);
}

TEST_F(PopulationTest, DisplayTargetRefusedWithoutSpread) {
    UseDiscrete();
    ClearPopulation();
    SetDiscreteWeights({0, 0, 0, 0, 0, 0, 90});
    RecomputePopulationParameters();
    ASSERT_EQ(g_popSD, 0.0f);
    g_dispScale = 2.0f;
    g_dispToMean = 8.0f;
    g_dispFromMean = 6.0f;

    EXPECT_FALSE(SetDisplayTarget(100.0f, 15.0f));
    EXPECT_EQ(g_dispScale, 2.0f);
    EXPECT_EQ(g_dispToMean, 8.0f);
    EXPECT_EQ(g_dispFromMean, 6.0f);

    ClearPopulation(); // empty population: SD 0 as well
    EXPECT_FALSE(SetDisplayTarget(100.0f, 15.0f));
    EXPECT_EQ(g_dispScale, 1.0f);

    // Numbers that are not numbers are refused too.
    ApplyPreset(PresetShape::Uniform);
    EXPECT_FALSE(SetDisplayTarget(100.0f, std::nanf("")));
    EXPECT_FALSE(SetDisplayTarget(std::nanf(""), 15.0f));
    EXPECT_EQ(g_dispScale, 1.0f);
}

TEST_F(PopulationTest, PresetNames) {
    EXPECT_STREQ(PresetName(PresetShape::Bimodal), "BIMODAL");
    EXPECT_STREQ(PresetName(PresetShape::SkewedPlus), "SKEWED +");
    EXPECT_STREQ(PresetName(PresetShape::SkewedMinus), "SKEWED -");
    EXPECT_STREQ(PresetName(PresetShape::Trimodal), "TRIMODAL");
    EXPECT_STREQ(PresetName(PresetShape::UShaped), "U-SHAPED");
    EXPECT_STREQ(PresetName(PresetShape::Uniform), "UNIFORM");
}

} // namespace
