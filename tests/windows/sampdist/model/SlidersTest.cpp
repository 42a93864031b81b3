#include "tests/windows/sampdist/model/SampDistFixture.h"

namespace {
// Pixel of a value at zoom 1: 35 pixels per unit from the axis start.
int PixelOf(float value) {
    return 251 + static_cast<int>(value * 35);
}
} // namespace

TEST_F(SampDistModelTest, SliderHandlesFollowTheMouseWithinTheAxisOrHide) {
    SetSliderFromPixel(PixelOf(6.0f), true, 1, "4", width);
    EXPECT_FLOAT_EQ(g_leftSliderZ, 1.0f);
    EXPECT_EQ(g_leftSliderRect, (Rect{460, 394, 466, 412}));
    SetSliderFromPixel(100, true, 1, "4", width); // past the start: stops there
    EXPECT_FLOAT_EQ(g_leftSliderZ, -5.0f);
    // Shown from one unit left of the axis start to its far end.
    for (auto [z, hidden] : {std::pair{-6.0f, 0}, {5.2f, 0}, {5.3f, 1}}) {
        g_leftSliderZ = z;
        PlaceLeftSlider(1);
        EXPECT_EQ(g_leftSliderHidden, hidden) << z;
        EXPECT_EQ(g_leftSliderRect.IsEmpty(), hidden == 1) << z; // nothing left to grab
    }
    // Width 0.1 at position 31 shows 3.0 .. 8.1.
    ChooseBinWidth(BinWidth::Narrow, 31, "4");
    g_rightSliderZ = -3.0f;
    PlaceRightSlider(31);
    EXPECT_EQ(g_rightSliderRect.left, 251 + 1 - 70 - 2);
    // No standard error: every slider at the mean, and z 0 rather than a division by 0.
    g_standardError = 0.0f;
    PlaceRightSlider(31);
    EXPECT_EQ(g_rightSliderRect.left, 251 + 1 + 140 - 2);
    g_popSD = 0.0f;
    SetSliderFromPixel(PixelOf(8.0f), true, 1, "4", width);
    EXPECT_FLOAT_EQ(g_leftSliderZ, 0.0f);
}

TEST_F(SampDistModelTest, TwoSeparateSlidersKeepTheirOrder) {
    TwoSlidersSeparate();
    EXPECT_FLOAT_EQ(g_rightSliderZ, 0.0f); // together at the start, and they stay so
    g_leftSliderZ = -1.0f;
    g_rightSliderZ = 1.0f;
    RecomputeSliderValues();
    // The left one stops 0.01 short of the right one, or on it; and back.
    SetSliderFromPixel(PixelOf(7.0f), true, 1, "4", width);
    EXPECT_FLOAT_EQ(g_leftSliderZ, 0.99f);
    SetSliderFromPixel(PixelOf(6.0f), true, 1, "4", width);
    EXPECT_FLOAT_EQ(g_leftSliderZ, 1.0f);
    SetSliderFromPixel(PixelOf(3.0f), false, 1, "4", width);
    EXPECT_FLOAT_EQ(g_rightSliderZ, 1.01f);
    EXPECT_FLOAT_EQ(g_rightSliderValue, 6.01f);
    // Choosing the mode again puts a crossed pair back in order: the left one
    // 0.1 left of the right one.
    g_leftSliderZ = 0.5f;
    g_rightSliderZ = 0.2f;
    TwoSlidersSeparate();
    EXPECT_FLOAT_EQ(g_leftSliderZ, 0.1f);
    EXPECT_FLOAT_EQ(g_leftSliderValue, 5.1f);
}

TEST_F(SampDistModelTest, TandemSlidersMirrorAboutTheMean) {
    g_leftSliderZ = 1.5f;
    TwoSlidersTandem();
    EXPECT_EQ(g_oneSlider + 2 * g_slidersTandem, 2);
    EXPECT_FLOAT_EQ(g_leftSliderZ, -1.5f);
    EXPECT_FLOAT_EQ(g_rightSliderZ, 1.5f);
    EXPECT_FLOAT_EQ(g_leftSliderValue, 3.5f);
    EXPECT_FLOAT_EQ(g_rightSliderValue, 6.5f);
    SetSliderFromPixel(PixelOf(3.0f), true, 1, "4", width);
    EXPECT_FLOAT_EQ(g_rightSliderZ, 2.0f);
    SetSliderFromPixel(PixelOf(6.0f), false, 1, "4", width);
    EXPECT_FLOAT_EQ(g_leftSliderValue, 4.0f);
    // Dragged across the mean the pair meets there instead of swapping sides.
    SetSliderFromPixel(PixelOf(6.0f), true, 1, "4", width);
    EXPECT_FLOAT_EQ(g_leftSliderZ, 0.0f);
    EXPECT_FLOAT_EQ(g_rightSliderZ, 0.0f);
    OneSlider();
    EXPECT_EQ(g_oneSlider + 2 * g_slidersTandem, 1);
}

TEST_F(SampDistModelTest, SampleSizeKeepsValuesOrStandardErrors) {
    // Observed values: the slider stays at 6 on the axis, its z follows.
    g_leftSliderZ = 1.0f;
    g_leftSliderValue = 6.0f;
    EXPECT_EQ(ReadSampleSize("16", width), 16);
    EXPECT_EQ(width, "0.500");
    EXPECT_FLOAT_EQ(g_leftSliderZ, 2.0f);
    // z values: the slider keeps z = 2 and moves on the axis.
    g_showZValues = 1;
    ReadSampleSize("4", width);
    EXPECT_FLOAT_EQ(g_leftSliderValue, 7.0f);
    // No usable sample size: empty readout, standard error as it was.
    EXPECT_EQ(ReadSampleSize("-3", width), -3);
    EXPECT_EQ(width, "");
    EXPECT_FLOAT_EQ(g_standardError, 1.0f);
    EXPECT_EQ(ReadSampleSize(" 25abc", width), 25);
    // A display scale multiplies the readout; proportions show four decimals
    // of the plain standard error.
    g_dispScale = 10.0f;
    ReadSampleSize("4", width);
    EXPECT_EQ(width, "10.000");
    UseProportions();
    EXPECT_EQ(width, "0.1000");

    // Without a standard error or a display scale the sliders keep their z
    // rather than becoming "nan".
    g_isBinomial = g_showZValues = 0;
    g_isContinuous = 1;
    g_leftSliderZ = 1.5f;
    g_popSD = 0.0f;
    ReadSampleSize("4", width);
    EXPECT_EQ(width, "0.000");
    EXPECT_FLOAT_EQ(g_leftSliderZ, 1.5f);
    g_popSD = 2.0f;
    g_dispScale = 0.0f;
    ReadSampleSize("4", width);
    EXPECT_FLOAT_EQ(g_leftSliderZ, 1.5f);
}

TEST_F(SampDistModelTest, SliderLabels) {
    EXPECT_EQ(SliderLabelText(1.0f, false), "x = 6.00");
    EXPECT_EQ(SliderLabelText(1.0f, true), "x");
    g_showZValues = 1;
    EXPECT_EQ(SliderLabelText(-0.0f, false), "z = 0.00");
    g_showZValues = 0;
    g_showTValues = 1;
    EXPECT_EQ(SliderLabelText(-1.25f, false), "t = -1.25");
    g_showTValues = 0;
    UseProportions();
    EXPECT_EQ(SliderLabelText(1.0f, false), "p = 0.600");
}
