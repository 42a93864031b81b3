// Options menu: the statistic shown, the proportion side, the slider modes
// with their corrections, re-binning, and Possible Mu.
#include "tests/shell/ShellTestSupport.h"

#include "core/Population.h"
#include "core/SimulationState.h"
#include "resources/Resource.h"
#include "windows/sampdist/SamplingDistDlg.h"

#include <QTest>
#include <numeric>
#include <vector>

using Options = ShellTest;

TEST_F(Options, ProportionItemsNameTheSidesOfOneOrTwoSliders) {
    EXPECT_EQ(ItemWhenOpened(ID_OPTIONS_PROPORTION_ABOVE)->text(), "Proportion &Above");
    EXPECT_EQ(ItemWhenOpened(ID_OPTIONS_PROPORTION_BELOW)->text(), "Proportion &Below");

    for (int twoSliders : {ID_OPTIONS_TWO_SLIDERS_SEPARATE, ID_OPTIONS_TWO_SLIDERS_TANDEM}) {
        ASSERT_TRUE(Choose(twoSliders));
        EXPECT_EQ(ItemWhenOpened(ID_OPTIONS_PROPORTION_ABOVE)->text(), "Proportion &Outside");
        EXPECT_EQ(ItemWhenOpened(ID_OPTIONS_PROPORTION_BELOW)->text(), "Proportion &Between");
    }

    ASSERT_TRUE(Choose(ID_OPTIONS_PROPORTION_ABOVE));
    EXPECT_EQ(g_proportionAbove, 1);
    EXPECT_TRUE(ItemWhenOpened(ID_OPTIONS_PROPORTION_ABOVE)->isChecked());
    EXPECT_FALSE(ItemWhenOpened(ID_OPTIONS_PROPORTION_BELOW)->isChecked());

    ASSERT_TRUE(Choose(ID_OPTIONS_ONE_SLIDER));
    EXPECT_EQ(g_oneSlider, 1);
    EXPECT_EQ(g_slidersTandem, 0);
    EXPECT_EQ(ItemWhenOpened(ID_OPTIONS_PROPORTION_ABOVE)->text(), "Proportion &Above");
    // Choosing the checked side again leaves it checked.
    ASSERT_TRUE(Choose(ID_OPTIONS_PROPORTION_ABOVE));
    EXPECT_TRUE(ItemWhenOpened(ID_OPTIONS_PROPORTION_ABOVE)->isChecked());
    ASSERT_TRUE(Choose(ID_OPTIONS_PROPORTION_BELOW));
    EXPECT_EQ(g_proportionAbove, 0);
    EXPECT_TRUE(ItemWhenOpened(ID_OPTIONS_PROPORTION_BELOW)->isChecked());
}

TEST_F(Options, SliderModesCorrectThePositionsAndTheirShownValues) {
    ApplyPreset(PresetShape::Normal); // mean 5 on the internal scale
    ASSERT_FLOAT_EQ(g_popMean, 5.0f);
    // The Dorvane window reads its sample size and sets the standard error.
    ASSERT_TRUE(Choose(ID_WINDOW_SAMPLING_DIST));
    const float se = g_standardError;
    ASSERT_GT(se, 0.0f);

    // Tandem with the left slider at +1.5 standard errors.
    g_leftSliderZ = 1.5f;
    g_leftSliderValue = ShownValue(5.0f + 1.5f * se);
    ASSERT_TRUE(Choose(ID_OPTIONS_TWO_SLIDERS_TANDEM));
    EXPECT_EQ(g_oneSlider, 0);
    EXPECT_EQ(g_slidersTandem, 1);
    EXPECT_NEAR(g_leftSliderZ, -1.5f, 1e-5);
    EXPECT_NEAR(g_rightSliderZ, 1.5f, 1e-5);
    EXPECT_NEAR(g_leftSliderValue, 5.0f - 1.5f * se, 1e-5);
    EXPECT_NEAR(g_rightSliderValue, 5.0f + 1.5f * se, 1e-5);
    EXPECT_TRUE(ItemWhenOpened(ID_OPTIONS_TWO_SLIDERS_TANDEM)->isChecked());
    EXPECT_FALSE(ItemWhenOpened(ID_OPTIONS_ONE_SLIDER)->isChecked());
    EXPECT_FALSE(ItemWhenOpened(ID_OPTIONS_TWO_SLIDERS_SEPARATE)->isChecked());

    // Separate: a left slider right of the right one goes 0.1 left of it; the
    // shown values follow the display transform.
    ASSERT_TRUE(SetDisplayTarget(100.0f, 15.0f * g_popSD));
    g_leftSliderZ = 1.0f;
    g_rightSliderZ = 0.5f;
    g_leftSliderValue = ShownValue(5.0f + 1.0f * se);
    g_rightSliderValue = ShownValue(5.0f + 0.5f * se);
    ASSERT_TRUE(Choose(ID_OPTIONS_TWO_SLIDERS_SEPARATE));
    EXPECT_EQ(g_oneSlider, 0);
    EXPECT_EQ(g_slidersTandem, 0);
    EXPECT_NEAR(g_leftSliderZ, 0.4f, 1e-5);
    EXPECT_NEAR(g_rightSliderZ, 0.5f, 1e-5);
    EXPECT_NEAR(g_leftSliderValue, ShownValue(5.0f + 0.4f * se), 1e-3);
    EXPECT_NEAR(g_rightSliderValue, ShownValue(5.0f + 0.5f * se), 1e-3);
    EXPECT_TRUE(ItemWhenOpened(ID_OPTIONS_TWO_SLIDERS_SEPARATE)->isChecked());

    // Equal positions stay equal.
    g_leftSliderZ = g_rightSliderZ = 0.0f;
    g_leftSliderValue = g_rightSliderValue = ShownValue(5.0f);
    ASSERT_TRUE(Choose(ID_OPTIONS_TWO_SLIDERS_SEPARATE));
    EXPECT_NEAR(g_leftSliderZ, 0.0f, 1e-5);
    EXPECT_NEAR(g_rightSliderZ, 0.0f, 1e-5);
}

TEST_F(Options, ShownStatisticAndPossibleMu) {
    ASSERT_TRUE(Choose(ID_OPTIONS_Z_VALUES));
    EXPECT_EQ(g_showZValues, 1);
    EXPECT_EQ(g_showTValues, 0);
    EXPECT_TRUE(ItemWhenOpened(ID_OPTIONS_Z_VALUES)->isChecked());
    EXPECT_FALSE(ItemWhenOpened(ID_OPTIONS_OBSERVED)->isChecked());

    ASSERT_TRUE(Choose(ID_OPTIONS_T_VALUES));
    EXPECT_EQ(g_showZValues, 0);
    EXPECT_EQ(g_showTValues, 1);
    EXPECT_TRUE(ItemWhenOpened(ID_OPTIONS_T_VALUES)->isChecked());
    EXPECT_FALSE(ItemWhenOpened(ID_OPTIONS_Z_VALUES)->isChecked());

    ASSERT_TRUE(Choose(ID_OPTIONS_OBSERVED));
    EXPECT_EQ(g_showZValues + g_showTValues, 0);
    EXPECT_TRUE(ItemWhenOpened(ID_OPTIONS_OBSERVED)->isChecked());

    ASSERT_TRUE(Choose(ID_OPTIONS_POSSIBLE_MU));
    EXPECT_EQ(g_possibleMu, 1);
    EXPECT_TRUE(ItemWhenOpened(ID_OPTIONS_POSSIBLE_MU)->isChecked());
    ASSERT_TRUE(Choose(ID_OPTIONS_POSSIBLE_MU));
    EXPECT_EQ(g_possibleMu, 0);
    EXPECT_FALSE(ItemWhenOpened(ID_OPTIONS_POSSIBLE_MU)->isChecked());
}

TEST_F(Options, ShownStatisticRebinsTheSeries) {
    ApplyPreset(PresetShape::SkewedPlus);
    CSamplingDistDlg* dorvane = g_samplingDistWnd;
    ASSERT_NE(dorvane, nullptr);
    dorvane->SetSampleSizeText("4");
    dorvane->SetNumberOfSamplesText("60");
    QTest::mouseClick(dorvane->Control(IDC_SD_DRAW_SAMPLES), Qt::LeftButton);
    ASSERT_EQ(g_samplesDrawn, 60);
    const std::vector<int> observed(std::begin(g_meanHistogram), std::end(g_meanHistogram));

    // T values put every sample's t on the scale of the means: other bins.
    ASSERT_TRUE(Choose(ID_OPTIONS_T_VALUES));
    const std::vector<int> tValues(std::begin(g_meanHistogram), std::end(g_meanHistogram));
    EXPECT_NE(tValues, observed);
    EXPECT_LE(std::accumulate(tValues.begin(), tValues.end(), 0), 60);

    // Z values bin the means themselves, as observed values do.
    ASSERT_TRUE(Choose(ID_OPTIONS_Z_VALUES));
    EXPECT_EQ(std::vector<int>(std::begin(g_meanHistogram), std::end(g_meanHistogram)), observed);
    ASSERT_TRUE(Choose(ID_OPTIONS_T_VALUES));
    ASSERT_TRUE(Choose(ID_OPTIONS_OBSERVED));
    EXPECT_EQ(std::vector<int>(std::begin(g_meanHistogram), std::end(g_meanHistogram)), observed);
    EXPECT_EQ(g_samplesDrawn, 60); // the series itself stays
}
