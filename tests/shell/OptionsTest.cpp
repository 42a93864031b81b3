// Options menu: the proportion side, the slider modes with their corrections,
// the statistic shown with the re-binning it brings, and Possible Mu; each as
// the Dorvane window in the frame then shows it.
#include "tests/shell/ShellTestSupport.h"

#include "core/Population.h"
#include "core/SamplingEngine.h"
#include "core/SimulationState.h"
#include "resources/Resource.h"
#include "shell/DrawingResources.h"
#include "windows/sampdist/SampDistModel.h"
#include "windows/sampdist/SamplingDistDlg.h"

#include <QLabel>
#include <QTest>
#include <vector>

class Options : public ShellTest {
  protected:
    // Draws at speed F with the Dorvane window's own button, the slider on the mean.
    void Draw(PresetShape shape, int n, int count) {
        ApplyPreset(shape);
        g_leftSliderZ = 0.0f;
        RecomputeSliderValues();
        g_samplingDistWnd->SetSampleSizeText(QString::number(n));
        g_samplingDistWnd->SetNumberOfSamplesText(QString::number(count));
        g_speed = 1;
        QWidget* button = g_samplingDistWnd->Control(IDC_SD_DRAW_SAMPLES);
        QTest::mouseClick(button, Qt::LeftButton, Qt::NoModifier, button->rect().center());
        ASSERT_EQ(g_samplesDrawn, count);
    }
    static QString Readout(int id) {
        return qobject_cast<QLabel*>(g_samplingDistWnd->Control(id))->text();
    }
    static std::vector<int> Histogram() {
        return std::vector<int>(g_meanHistogram + 1, g_meanHistogram + kHistogramBins + 1);
    }
};

TEST_F(Options, ProportionItemsNameTheSidesAndCountThem) {
    auto texts = [this] {
        return ItemWhenOpened(ID_OPTIONS_PROPORTION_ABOVE)->text() + "|" +
               ItemWhenOpened(ID_OPTIONS_PROPORTION_BELOW)->text();
    };
    for (int mode :
         {ID_OPTIONS_TWO_SLIDERS_SEPARATE, ID_OPTIONS_TWO_SLIDERS_TANDEM, ID_OPTIONS_ONE_SLIDER}) {
        ASSERT_TRUE(Choose(mode));
        EXPECT_EQ(texts(), mode == ID_OPTIONS_ONE_SLIDER
                               ? "Proportion &Above|Proportion &Below"
                               : "Proportion &Outside|Proportion &Between");
    }

    // One of the two sides is checked, choosing it again keeps it so; the
    // count shown is of that side.
    Draw(PresetShape::Normal, 16, 1000);
    const int below = Readout(IDC_SD_ACTUAL_NUMBER).toInt();
    for (int id :
         {ID_OPTIONS_PROPORTION_ABOVE, ID_OPTIONS_PROPORTION_ABOVE, ID_OPTIONS_PROPORTION_BELOW}) {
        ASSERT_TRUE(Choose(id));
        const bool above = id == ID_OPTIONS_PROPORTION_ABOVE;
        EXPECT_EQ(g_proportionAbove, above);
        EXPECT_TRUE(ItemWhenOpened(id)->isChecked());
        EXPECT_EQ(ItemWhenOpened(ID_OPTIONS_PROPORTION_ABOVE)->isChecked(), above);
        EXPECT_EQ(Readout(IDC_SD_ACTUAL_NUMBER).toInt(), above ? 1000 - below : below);
    }
}

TEST_F(Options, SliderModesCorrectThePositionsAndTheReadouts) {
    Draw(PresetShape::Normal, 16, 1000); // mean 5 on the internal scale
    const float se = g_standardError;

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
    // Between -1.5 and +1.5 standard errors: about 87 % of a normal.
    EXPECT_NEAR(Readout(IDC_SD_Z_PROPORTION).toDouble(), 0.8664, 0.002);
    EXPECT_EQ(Readout(IDC_SD_ACTUAL_NUMBER).toInt(), CountAtOrBelow(1.5f) - CountAtOrBelow(-1.5f));
    // The right handle is drawn in blue under the axis.
    EXPECT_EQ(PixelOf(g_sdMemDC, Centre(g_rightSliderRect).x(), g_rightSliderRect.top + 4),
              Rgb(0, 0, 255));
    SaveSnapshot(g_samplingDistWnd->grab().toImage(), "sd-tandem");
    ASSERT_TRUE(Choose(ID_OPTIONS_ONE_SLIDER));
    EXPECT_EQ(Readout(IDC_SD_ACTUAL_NUMBER).toInt(), CountAtOrBelow(-1.5f));

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
    EXPECT_NEAR(g_leftSliderValue, ShownValue(5.0f + 0.4f * se), 1e-3);
    EXPECT_TRUE(ItemWhenOpened(ID_OPTIONS_TWO_SLIDERS_SEPARATE)->isChecked());
}

TEST_F(Options, ShownStatisticRebinsTheHistogramAndPossibleMuToggles) {
    Draw(PresetShape::SkewedPlus, 5, 600);
    const std::vector<int> means = Histogram();
    // T values put every sample's t on the scale of the means: other bins.
    ASSERT_TRUE(Choose(ID_OPTIONS_T_VALUES));
    std::vector<int> expected(kHistogramBins, 0);
    for (int r = 1; r <= 600; ++r) {
        const SampleRow& row = g_sampleStore[r];
        if (const int bin = HistogramBin(HistogramStatistic(row.mean, row.sd, 5)))
            ++expected[bin - 1];
    }
    EXPECT_EQ(Histogram(), expected);
    EXPECT_NE(Histogram(), means);
    SaveSnapshot(g_samplingDistWnd->grab().toImage(), "sd-t-values");
    // Z values are the means, labelled anew; back to observed, the same again.
    const int items[] = {ID_OPTIONS_OBSERVED, ID_OPTIONS_Z_VALUES, ID_OPTIONS_T_VALUES};
    for (int chosen : {ID_OPTIONS_Z_VALUES, ID_OPTIONS_T_VALUES, ID_OPTIONS_OBSERVED}) {
        ASSERT_TRUE(Choose(chosen));
        EXPECT_EQ(g_showZValues, chosen == ID_OPTIONS_Z_VALUES);
        EXPECT_EQ(g_showTValues, chosen == ID_OPTIONS_T_VALUES);
        for (int id : items)
            EXPECT_EQ(ItemWhenOpened(id)->isChecked(), id == chosen) << chosen << " " << id;
        EXPECT_TRUE(chosen == ID_OPTIONS_T_VALUES || Histogram() == means) << chosen;
    }
    EXPECT_EQ(g_samplesDrawn, 600); // the series itself stays

    for (int on : {1, 0}) {
        ASSERT_TRUE(Choose(ID_OPTIONS_POSSIBLE_MU));
        EXPECT_EQ(g_possibleMu, on);
        EXPECT_EQ(ItemWhenOpened(ID_OPTIONS_POSSIBLE_MU)->isChecked(), on == 1);
    }
}
