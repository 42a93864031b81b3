// The main frame's menus as a student uses them: the state after start-up
// (the tool windows with their tags, flags and layout, the menu's marks), the
// Measurement switches with and without a change of kind, the Window menu
// (showing and raising, Close Window by the tag of the window used last), and
// the Options menu (the proportion side, the slider modes with their
// corrections, the statistic shown with its re-binning, Possible Mu) as the
// Dorvane window in the frame then shows it.
#include "tests/shell/ShellTestSupport.h"

#include "core/Population.h"
#include "core/SamplingEngine.h"
#include "core/SimulationState.h"
#include "resources/Resource.h"
#include "shell/Run.h"
#include "shell/ToolWindowTable.h"
#include "shell/WindowViews.h"
#include "ui/DrawingResources.h"
#include "ui/ToolWindow.h"
#include "windows/population/BinomialPopDlg.h"
#include "windows/population/PopSettingsDlg.h"
#include "windows/population/PopulationDlg.h"
#include "windows/sampdist/SampDistModel.h"
#include "windows/sampdist/SamplingDistDlg.h"
#include "windows/sampdist/SliderModel.h"

#include <QGuiApplication>
#include <QLabel>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QScreen>
#include <QTest>
#include <vector>

using StartUp = ShellTest;

TEST_F(StartUp, ToolWindowsAreCreatedTaggedAndLinedUp) {
    EXPECT_EQ(Frame().windowTitle(), "Dorvane Program");
    EXPECT_EQ(Frame().height(),
              QGuiApplication::primaryScreen()->availableGeometry().height() - 55);

    CToolWindow* population = g_populationWnd;
    CToolWindow* dorvane = g_samplingDistWnd;
    CToolWindow* settings = g_popSettingsWnd;
    ASSERT_TRUE(population && dorvane && settings);
    EXPECT_EQ(g_binomialWnd, nullptr); // made on the first switch to binomial
    EXPECT_TRUE(population->IsToolVisible() && dorvane->IsToolVisible());
    // The settings dialog exists but waits for Window > Population Settings,
    // the last start-up command.
    EXPECT_FALSE(settings->IsToolVisible());
    EXPECT_EQ(g_activeWindowTag, "CONT_SETTINGS");
    EXPECT_STREQ(population->Tag(), "POP");
    EXPECT_STREQ(dorvane->Tag(), "CLT");

    // Every window of the table that the program has is made once, with its
    // entry's tag, and its frame shows the whole client area.
    int made = 0;
    for (const ToolWindowEntry& entry : ToolWindows()) {
        CToolWindow* window = entry.existing();
        if (!entry.create) {
            // Windows not yet in the program: their commands do nothing.
            g_activeWindowTag = "POP";
            EXPECT_TRUE(Choose(entry.commandId));
            EXPECT_EQ(g_activeWindowTag, "POP") << entry.tag;
            EXPECT_TRUE(!entry.visibleFlag || *entry.visibleFlag == 0) << entry.tag;
            EXPECT_EQ(window, nullptr) << entry.tag;
            continue;
        }
        ASSERT_NE(window, nullptr) << entry.tag;
        EXPECT_STREQ(window->Tag(), entry.tag);
        EXPECT_TRUE(!entry.visibleFlag || *entry.visibleFlag == window->IsToolVisible())
            << entry.tag;
        EXPECT_LE(window->geometry().bottom(), window->Frame()->rect().bottom()) << entry.tag;
        ++made;
    }
    EXPECT_EQ(Frame().MdiArea()->subWindowList().size(), made);

    // Population at (1, 1) dialog units; the others start on its right edge,
    // each at its design size; the last one made lies on top.
    const QRect pop = population->ToolGeometry();
    EXPECT_EQ(pop.topLeft(), QPoint(2, 2));
    EXPECT_EQ(dorvane->size(), QSize(624, 446));
    for (CToolWindow* window : {dorvane, settings})
        EXPECT_EQ(window->ToolGeometry().topLeft(), QPoint(pop.x() + pop.width(), 0));
    const QList<QMdiSubWindow*> stack = Frame().MdiArea()->subWindowList(QMdiArea::StackingOrder);
    EXPECT_LT(stack.indexOf(population->Frame()), stack.indexOf(dorvane->Frame()));
    SaveSnapshot(Frame().grab().toImage(), "frame-start");

    EXPECT_EQ(g_popCurve[26], g_popBaseline); // the population still empty
}

TEST_F(StartUp, MenuShowsTheStartUpOptions) {
    for (int id : {ID_MEASUREMENT_CONTINUOUS, ID_OPTIONS_OBSERVED, ID_OPTIONS_PROPORTION_BELOW,
                   ID_OPTIONS_ONE_SLIDER})
        EXPECT_TRUE(ItemWhenOpened(id)->isChecked()) << id;
    for (int id : {ID_MEASUREMENT_DISCRETE, ID_MEASUREMENT_BINOMIAL, ID_OPTIONS_Z_VALUES,
                   ID_OPTIONS_T_VALUES, ID_OPTIONS_PROPORTION_ABOVE,
                   ID_OPTIONS_TWO_SLIDERS_SEPARATE, ID_OPTIONS_TWO_SLIDERS_TANDEM,
                   ID_OPTIONS_POSSIBLE_MU, ID_WINDOW_POPULATION}) // no check rule, no check
        EXPECT_FALSE(ItemWhenOpened(id)->isChecked()) << id;
    EXPECT_TRUE(ItemWhenOpened(ID_WINDOW_POP_SETTINGS)->isEnabled());
    for (int id : {ID_FILE_PRINT, ID_FILE_PRINT_PREVIEW, ID_FILE_PRINT_SETUP,
                   ID_OPTIONS_DISPLAY_SAMPLES, ID_OPTIONS_NO_DISPLAY_SAMPLES})
        EXPECT_FALSE(Choose(id)) << id;
    // There is no document: no key is bound to a command, Ctrl+P included.
    EXPECT_TRUE(ItemWhenOpened(ID_FILE_PRINT)->shortcut().isEmpty());
}

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
        Links().RunDrawSamples(5, 4);
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
    EXPECT_TRUE(binomial->IsToolVisible() && !Population()->IsToolVisible());
    EXPECT_FALSE(Settings()->IsToolVisible());
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
    EXPECT_FALSE(binomial->IsToolVisible());
    EXPECT_EQ(Population()->ToolGeometry().topLeft(), QPoint(12, 8));
    EXPECT_TRUE(CurveIsEmpty() && ItemWhenOpened(ID_WINDOW_POP_SETTINGS)->isEnabled());
}

using WindowMenu = ShellTest;

TEST_F(WindowMenu, CloseWindowHidesTheWindowUsedLast) {
    CToolWindow* population = g_populationWnd;
    CToolWindow* settings = g_popSettingsWnd;
    ASSERT_TRUE(Choose(ID_WINDOW_POP_SETTINGS));
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
}

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
    // shown value follows the display transform.
    ASSERT_TRUE(SetDisplayTarget(100.0f, 15.0f * g_popSD));
    g_leftSliderZ = 1.0f;
    g_rightSliderZ = 0.5f;
    ASSERT_TRUE(Choose(ID_OPTIONS_TWO_SLIDERS_SEPARATE));
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
