// The Measurement switches, with and without a change of kind, and the Window
// menu: showing and raising the tool windows, Close Window by the tag of the
// window used last.
#include "tests/shell/ShellTestSupport.h"

#include "core/Population.h"
#include "core/SimulationState.h"
#include "resources/Resource.h"
#include "shell/ToolWindow.h"
#include "shell/WindowViews.h"
#include "windows/population/BinomialPopDlg.h"
#include "windows/population/PopSettingsDlg.h"
#include "windows/population/PopulationDlg.h"

#include <QMdiArea>
#include <QMdiSubWindow>
#include <QTest>
#include <vector>

namespace {
std::vector<int> Curve() {
    return std::vector<int>(g_popCurve + 1, g_popCurve + 52);
}
bool CurveIsEmpty() {
    return Curve() == std::vector<int>(51, g_popBaseline);
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
    static CToolWindow* Population() { return g_populationWnd; }
    static CToolWindow* Settings() { return g_popSettingsWnd; }
};

TEST_F(Measurement, ContinuousAgainKeepsAllButTheSeriesDiscreteClearsTheShape) {
    // Continuous again: shape, transform and open dialog all stay.
    ShapeWithSeries();
    const std::vector<int> normal = Curve();
    ASSERT_TRUE(Choose(ID_MEASUREMENT_CONTINUOUS));
    EXPECT_EQ(Curve(), normal);
    EXPECT_FLOAT_EQ(g_dispToMean, 100.0f);
    EXPECT_TRUE(Settings()->IsToolVisible());
    EXPECT_EQ(g_samplesDrawn, 0);

    // Discrete: the shape cleared, the transform reset, the settings hidden.
    Draw();
    ASSERT_TRUE(Choose(ID_MEASUREMENT_DISCRETE));
    EXPECT_EQ(g_isDiscrete + 2 * g_isContinuous + 4 * g_isBinomial, 1);
    EXPECT_TRUE(CurveIsEmpty() && TransformIsIdentity());
    EXPECT_FALSE(Settings()->IsToolVisible());
    EXPECT_EQ(g_samplesDrawn + g_samplesExist, 0);
    EXPECT_EQ(g_populationWnd->PopulationName(), "DISTRIBUTION");
    EXPECT_TRUE(ItemWhenOpened(ID_MEASUREMENT_DISCRETE)->isChecked());
    EXPECT_FALSE(ItemWhenOpened(ID_MEASUREMENT_CONTINUOUS)->isChecked());
    EXPECT_FALSE(Choose(ID_WINDOW_POP_SETTINGS)); // disabled for discrete
    EXPECT_FALSE(Settings()->IsToolVisible());

    // Discrete again: the shape stays, the transform goes back to identity.
    ApplyPreset(PresetShape::Normal);
    const std::vector<int> discreteNormal = Curve();
    Draw();
    ASSERT_TRUE(SetDisplayTarget(50.0f, 10.0f));
    ASSERT_TRUE(Choose(ID_MEASUREMENT_DISCRETE));
    EXPECT_EQ(Curve(), discreteNormal);
    EXPECT_TRUE(TransformIsIdentity());
}

TEST_F(Measurement, BinomialTakesThePopulationWindowsPlace) {
    ShapeWithSeries();
    Population()->MoveToolTo(QPoint(30, 40));
    ASSERT_TRUE(Choose(ID_MEASUREMENT_BINOMIAL));
    CToolWindow* binomial = g_binomialWnd;
    ASSERT_NE(binomial, nullptr);
    EXPECT_EQ(g_isBinomial + 2 * g_isContinuous + 4 * g_isDiscrete, 1);
    EXPECT_TRUE(binomial->IsToolVisible());
    EXPECT_FALSE(Population()->IsToolVisible() || Settings()->IsToolVisible());
    EXPECT_EQ(binomial->ToolGeometry().topLeft(), QPoint(30, 40));
    EXPECT_TRUE(CurveIsEmpty() && TransformIsIdentity());
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

    // Binomial again keeps p but ends the series; the window is made once.
    SetBinomialP(0.5f);
    Draw();
    ASSERT_TRUE(Choose(ID_MEASUREMENT_BINOMIAL));
    EXPECT_FLOAT_EQ(g_popMean, 0.5f);
    EXPECT_EQ(g_samplesDrawn, 0);
    EXPECT_EQ(g_binomialWnd, binomial);

    // Back to continuous: the Population window returns where the binomial
    // window stands, with an empty curve.
    binomial->MoveToolTo(QPoint(12, 8));
    ASSERT_TRUE(Choose(ID_MEASUREMENT_CONTINUOUS));
    EXPECT_FALSE(binomial->IsToolVisible());
    EXPECT_EQ(Population()->ToolGeometry().topLeft(), QPoint(12, 8));
    EXPECT_TRUE(CurveIsEmpty());
    EXPECT_TRUE(ItemWhenOpened(ID_WINDOW_POP_SETTINGS)->isEnabled());
}

using WindowMenu = ShellTest;

TEST_F(WindowMenu, CloseWindowHidesTheWindowUsedLast) {
    CToolWindow* population = g_populationWnd;
    CToolWindow* settings = g_popSettingsWnd;
    ASSERT_TRUE(Choose(ID_WINDOW_POP_SETTINGS));
    EXPECT_TRUE(settings->IsToolVisible());
    ASSERT_TRUE(Choose(ID_WINDOW_CLOSE));
    EXPECT_FALSE(settings->IsToolVisible());
    EXPECT_TRUE(population->IsToolVisible());
    EXPECT_EQ(g_activeWindowTag, "CONT_SETTINGS"); // Close Window keeps the tag

    g_activeWindowTag = "CLT"; // the Dorvane window, and back by its command
    ASSERT_TRUE(Choose(ID_WINDOW_CLOSE));
    EXPECT_EQ(g_samplingDistWndVisible, 0);
    ASSERT_TRUE(Choose(ID_WINDOW_SAMPLING_DIST));
    EXPECT_EQ(g_samplingDistWndVisible, 1);
    // Only a whole tag counts.
    for (const char* tag : {"PO", "POPS", "pop", "", "CONT"}) {
        g_activeWindowTag = tag;
        ASSERT_TRUE(Choose(ID_WINDOW_CLOSE));
        EXPECT_EQ(g_populationWndVisible, 1) << tag;
    }
    // A click in the Population window makes it the one used last.
    QTest::mouseClick(population, Qt::LeftButton, {}, QPoint(5, 5));
    EXPECT_EQ(g_activeWindowTag, "POP");
    ASSERT_TRUE(Choose(ID_WINDOW_CLOSE));
    EXPECT_FALSE(population->IsToolVisible());
    EXPECT_EQ(g_populationWndVisible, 0);

    // Window > Population brings it back on top of the others.
    ASSERT_TRUE(Choose(ID_WINDOW_POP_SETTINGS));
    ASSERT_TRUE(Choose(ID_WINDOW_POPULATION));
    EXPECT_EQ(g_populationWndVisible, 1);
    EXPECT_EQ(Frame().MdiArea()->subWindowList(QMdiArea::StackingOrder).last(),
              population->Frame());
    ASSERT_TRUE(Choose(ID_WINDOW_POP_SETTINGS));
    EXPECT_EQ(Frame().MdiArea()->subWindowList(QMdiArea::StackingOrder).last(), settings->Frame());
}
