// Options menu: the statistic shown, the proportion side, the slider modes
// with their corrections, and Possible Mu.
#include "tests/shell/ShellTestSupport.h"

#include "core/Population.h"
#include "core/SimulationState.h"
#include "resources/Resource.h"

using Options = ShellTest;

TEST_F(Options, ProportionItemsNameTheSidesOfOneOrTwoSliders) {
    auto texts = [this] {
        return ItemWhenOpened(ID_OPTIONS_PROPORTION_ABOVE)->text() + "|" +
               ItemWhenOpened(ID_OPTIONS_PROPORTION_BELOW)->text();
    };
    EXPECT_EQ(texts(), "Proportion &Above|Proportion &Below");
    for (int twoSliders : {ID_OPTIONS_TWO_SLIDERS_SEPARATE, ID_OPTIONS_TWO_SLIDERS_TANDEM}) {
        ASSERT_TRUE(Choose(twoSliders));
        EXPECT_EQ(texts(), "Proportion &Outside|Proportion &Between");
    }
    ASSERT_TRUE(Choose(ID_OPTIONS_ONE_SLIDER));
    EXPECT_EQ(texts(), "Proportion &Above|Proportion &Below");

    // One of the two sides is checked; choosing it again keeps it so.
    for (int id :
         {ID_OPTIONS_PROPORTION_ABOVE, ID_OPTIONS_PROPORTION_ABOVE, ID_OPTIONS_PROPORTION_BELOW}) {
        ASSERT_TRUE(Choose(id));
        EXPECT_EQ(g_proportionAbove, id == ID_OPTIONS_PROPORTION_ABOVE);
        EXPECT_TRUE(ItemWhenOpened(id)->isChecked());
        EXPECT_EQ(ItemWhenOpened(ID_OPTIONS_PROPORTION_ABOVE)->isChecked(), g_proportionAbove == 1);
    }
}

TEST_F(Options, SliderModesCorrectThePositionsAndTheirShownValues) {
    ApplyPreset(PresetShape::Normal);             // mean 5 on the internal scale
    ASSERT_TRUE(Choose(ID_WINDOW_SAMPLING_DIST)); // reads its n, sets the standard error
    const float se = g_standardError;
    ASSERT_GT(se, 0.0f);

    // Tandem with the left slider at +1.5 standard errors.
    g_leftSliderZ = 1.5f;
    g_leftSliderValue = ShownValue(5.0f + 1.5f * se);
    ASSERT_TRUE(Choose(ID_OPTIONS_TWO_SLIDERS_TANDEM));
    EXPECT_EQ(g_oneSlider + g_slidersTandem, 1);
    EXPECT_NEAR(g_leftSliderZ, -1.5f, 1e-5);
    EXPECT_NEAR(g_rightSliderZ, 1.5f, 1e-5);
    EXPECT_NEAR(g_leftSliderValue, 5.0f - 1.5f * se, 1e-5);
    EXPECT_NEAR(g_rightSliderValue, 5.0f + 1.5f * se, 1e-5);
    EXPECT_TRUE(ItemWhenOpened(ID_OPTIONS_TWO_SLIDERS_TANDEM)->isChecked());
    EXPECT_FALSE(ItemWhenOpened(ID_OPTIONS_ONE_SLIDER)->isChecked());

    // Separate: a left slider right of the right one goes 0.1 left of it; the
    // shown values follow the display transform.
    ASSERT_TRUE(SetDisplayTarget(100.0f, 15.0f * g_popSD));
    g_leftSliderZ = 1.0f;
    g_rightSliderZ = 0.5f;
    g_leftSliderValue = ShownValue(5.0f + 1.0f * se);
    g_rightSliderValue = ShownValue(5.0f + 0.5f * se);
    ASSERT_TRUE(Choose(ID_OPTIONS_TWO_SLIDERS_SEPARATE));
    EXPECT_EQ(g_oneSlider + g_slidersTandem, 0);
    EXPECT_NEAR(g_leftSliderZ, 0.4f, 1e-5);
    EXPECT_NEAR(g_rightSliderZ, 0.5f, 1e-5);
    EXPECT_NEAR(g_leftSliderValue, ShownValue(5.0f + 0.4f * se), 1e-3);
    EXPECT_NEAR(g_rightSliderValue, ShownValue(5.0f + 0.5f * se), 1e-3);
    EXPECT_TRUE(ItemWhenOpened(ID_OPTIONS_TWO_SLIDERS_SEPARATE)->isChecked());
}

TEST_F(Options, ShownStatisticAndPossibleMu) {
    const int items[] = {ID_OPTIONS_OBSERVED, ID_OPTIONS_Z_VALUES, ID_OPTIONS_T_VALUES};
    for (int chosen : {ID_OPTIONS_Z_VALUES, ID_OPTIONS_T_VALUES, ID_OPTIONS_OBSERVED}) {
        ASSERT_TRUE(Choose(chosen));
        EXPECT_EQ(g_showZValues, chosen == ID_OPTIONS_Z_VALUES);
        EXPECT_EQ(g_showTValues, chosen == ID_OPTIONS_T_VALUES);
        for (int id : items)
            EXPECT_EQ(ItemWhenOpened(id)->isChecked(), id == chosen) << chosen << " " << id;
    }
    for (int on : {1, 0}) {
        ASSERT_TRUE(Choose(ID_OPTIONS_POSSIBLE_MU));
        EXPECT_EQ(g_possibleMu, on);
        EXPECT_EQ(ItemWhenOpened(ID_OPTIONS_POSSIBLE_MU)->isChecked(), on == 1);
    }
}
