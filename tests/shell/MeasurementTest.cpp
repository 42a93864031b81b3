// Measurement menu: the three switches, with and without a change of kind.
#include "tests/shell/ShellTestSupport.h"

#include "core/Population.h"
#include "core/SimulationState.h"
#include "resources/Resource.h"
#include "shell/ToolWindow.h"
#include "shell/WindowViews.h"
#include "windows/population/BinomialPopDlg.h"
#include "windows/population/PopSettingsDlg.h"
#include "windows/population/PopulationDlg.h"

#include <QLineEdit>
#include <algorithm>
#include <vector>

namespace {
std::vector<int> Curve() {
    return std::vector<int>(g_popCurve + 1, g_popCurve + 52);
}
bool CurveIsEmpty() {
    return std::all_of(g_popCurve + 1, g_popCurve + 52,
                       [](int top) { return top == g_popBaseline; });
}
bool TransformIsIdentity() {
    return g_dispScale == 1.0f && g_dispShift == 0.0f && g_dispFromMean == g_dispToMean;
}
} // namespace

class Measurement : public ShellTest {
  protected:
    // A continuous NORMAL shown on another scale, the settings dialog open and
    // a series of samples drawn.
    void ShapeWithSeries() {
        ApplyPreset(PresetShape::Normal);
        ASSERT_TRUE(SetDisplayTarget(100.0f, 15.0f));
        ASSERT_TRUE(Choose(ID_WINDOW_POP_SETTINGS));
        Draw();
    }
    void Draw() {
        RunDrawSamples(5, 4);
        ASSERT_EQ(g_samplesDrawn, 5);
    }
    CToolWindow* Population() { return g_populationWnd; }
    CToolWindow* Settings() { return g_popSettingsWnd; }
};

TEST_F(Measurement, DiscreteClearsTheShapeResetsTheTransformAndHidesTheSettings) {
    ShapeWithSeries();
    ASSERT_TRUE(Settings()->IsToolVisible());

    ASSERT_TRUE(Choose(ID_MEASUREMENT_DISCRETE));
    EXPECT_EQ(g_isDiscrete, 1);
    EXPECT_EQ(g_isContinuous + g_isBinomial, 0);
    EXPECT_TRUE(CurveIsEmpty());
    EXPECT_EQ(g_popMean, 0.0f);
    EXPECT_TRUE(TransformIsIdentity());
    EXPECT_FALSE(Settings()->IsToolVisible());
    EXPECT_EQ(g_samplesDrawn, 0);
    EXPECT_EQ(g_samplesExist, 0);
    EXPECT_TRUE(Population()->IsToolVisible());
    EXPECT_EQ(g_populationWnd->PopulationName(), "DISTRIBUTION");

    EXPECT_TRUE(ItemWhenOpened(ID_MEASUREMENT_DISCRETE)->isChecked());
    EXPECT_FALSE(ItemWhenOpened(ID_MEASUREMENT_CONTINUOUS)->isChecked());
    EXPECT_FALSE(ItemWhenOpened(ID_WINDOW_POP_SETTINGS)->isEnabled());
    EXPECT_FALSE(Choose(ID_WINDOW_POP_SETTINGS));
    EXPECT_FALSE(Settings()->IsToolVisible());
}

TEST_F(Measurement, ChoosingTheCurrentKindKeepsThePopulationButEndsTheSeries) {
    // Continuous again: shape, transform and open dialog all stay.
    ShapeWithSeries();
    const std::vector<int> normal = Curve();
    const float scale = g_dispScale;
    ASSERT_TRUE(Choose(ID_MEASUREMENT_CONTINUOUS));
    EXPECT_EQ(g_isContinuous, 1);
    EXPECT_EQ(Curve(), normal);
    EXPECT_FLOAT_EQ(g_popMean, 5.0f);
    EXPECT_EQ(g_dispScale, scale);
    EXPECT_FLOAT_EQ(g_dispToMean, 100.0f);
    EXPECT_TRUE(Settings()->IsToolVisible());
    EXPECT_EQ(g_samplesDrawn, 0);

    // Discrete again: the shape stays, the transform goes back to identity.
    ASSERT_TRUE(Choose(ID_MEASUREMENT_DISCRETE));
    ApplyPreset(PresetShape::Normal);
    const std::vector<int> discreteNormal = Curve();
    Draw();
    ASSERT_TRUE(SetDisplayTarget(50.0f, 10.0f));
    ASSERT_TRUE(Choose(ID_MEASUREMENT_DISCRETE));
    EXPECT_EQ(Curve(), discreteNormal);
    EXPECT_FLOAT_EQ(g_popMean, 5.0f);
    EXPECT_TRUE(TransformIsIdentity());
    EXPECT_EQ(g_samplesDrawn, 0);
}

TEST_F(Measurement, BinomialTakesThePopulationWindowsPlace) {
    ShapeWithSeries();
    Population()->MoveToolTo(QPoint(30, 40));

    ASSERT_TRUE(Choose(ID_MEASUREMENT_BINOMIAL));
    ASSERT_NE(g_binomialWnd, nullptr);
    CToolWindow* binomial = g_binomialWnd;
    EXPECT_EQ(g_isBinomial, 1);
    EXPECT_EQ(g_isContinuous + g_isDiscrete, 0);
    EXPECT_TRUE(binomial->IsToolVisible());
    EXPECT_FALSE(Population()->IsToolVisible());
    EXPECT_EQ(binomial->ToolGeometry().topLeft(), QPoint(30, 40));
    EXPECT_TRUE(CurveIsEmpty());
    EXPECT_TRUE(TransformIsIdentity());
    EXPECT_FALSE(Settings()->IsToolVisible());
    EXPECT_EQ(g_samplesDrawn, 0);
    EXPECT_TRUE(ItemWhenOpened(ID_MEASUREMENT_BINOMIAL)->isChecked());
    EXPECT_FALSE(ItemWhenOpened(ID_WINDOW_POP_SETTINGS)->isEnabled());

    // Window > Population raises the binomial window; Close Window with "POP"
    // hides the measurement window only.
    ASSERT_TRUE(Choose(ID_WINDOW_POPULATION));
    EXPECT_EQ(g_activeWindowTag, "POP");
    ASSERT_TRUE(Choose(ID_WINDOW_CLOSE));
    EXPECT_TRUE(binomial->IsToolVisible());
    EXPECT_EQ(g_populationWndVisible, 0);

    // Binomial again keeps p but ends the series.
    SetBinomialP(0.5f);
    Draw();
    ASSERT_TRUE(Choose(ID_MEASUREMENT_BINOMIAL));
    EXPECT_FLOAT_EQ(g_popMean, 0.5f);
    EXPECT_EQ(g_samplesDrawn, 0);
    EXPECT_EQ(g_binomialWnd, binomial); // made once

    // Back to continuous: the Population window returns where the binomial
    // window stands, with an empty curve.
    binomial->MoveToolTo(QPoint(12, 8));
    ASSERT_TRUE(Choose(ID_MEASUREMENT_CONTINUOUS));
    EXPECT_EQ(g_isContinuous, 1);
    EXPECT_FALSE(binomial->IsToolVisible());
    EXPECT_TRUE(Population()->IsToolVisible());
    EXPECT_EQ(Population()->ToolGeometry().topLeft(), QPoint(12, 8));
    EXPECT_TRUE(CurveIsEmpty());
    EXPECT_EQ(g_popMean, 0.0f);
    EXPECT_TRUE(ItemWhenOpened(ID_WINDOW_POP_SETTINGS)->isEnabled());
}
