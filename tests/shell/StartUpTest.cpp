// The main frame after start-up: its place on the screen, the status bar, the
// tool windows with their tags, flags and layout, and the menu's marks.
#include "tests/shell/ShellTestSupport.h"

#include "core/SimulationState.h"
#include "resources/Resource.h"
#include "shell/ToolWindow.h"
#include "shell/ToolWindowTable.h"
#include "windows/population/PopSettingsDlg.h"
#include "windows/population/PopulationDlg.h"
#include "windows/sampdist/SamplingDistDlg.h"

#include <QGuiApplication>
#include <QLabel>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QScreen>

using StartUp = ShellTest;

TEST_F(StartUp, FrameFillsTheScreenWidthWithTitleAndStatusBar) {
    const QRect screen = QGuiApplication::primaryScreen()->availableGeometry();
    EXPECT_EQ(Frame().windowTitle(), "Dorvane Program");
    EXPECT_EQ(Frame().pos(), screen.topLeft());
    EXPECT_EQ(Frame().width(), screen.width());
    EXPECT_EQ(Frame().height(), screen.height() - 55);
    EXPECT_FALSE(Frame().windowIcon().isNull());
    ASSERT_NE(qobject_cast<QMdiArea*>(Frame().centralWidget()), nullptr);

    EXPECT_EQ(Frame().MessagePane()->text(), "Ready");
    EXPECT_EQ(Frame().CapsPane()->text(), "CAP");
    EXPECT_EQ(Frame().NumPane()->text(), "NUM");
    EXPECT_EQ(Frame().ScrollPane()->text(), "SCRL");
    // The indicators follow the panes' order in the status bar.
    EXPECT_LT(Frame().MessagePane()->x(), Frame().CapsPane()->x());
    EXPECT_LT(Frame().CapsPane()->x(), Frame().NumPane()->x());
    EXPECT_LT(Frame().NumPane()->x(), Frame().ScrollPane()->x());
}

TEST_F(StartUp, ToolWindowsAreCreatedTaggedAndLinedUp) {
    ASSERT_NE(g_populationWnd, nullptr);
    ASSERT_NE(g_popSettingsWnd, nullptr);
    ASSERT_NE(g_samplingDistWnd, nullptr);
    EXPECT_EQ(g_binomialWnd, nullptr); // made on the first switch to binomial

    CToolWindow* population = g_populationWnd;
    CToolWindow* dorvane = g_samplingDistWnd;
    CToolWindow* settings = g_popSettingsWnd;
    EXPECT_TRUE(population->IsToolVisible());
    EXPECT_EQ(g_populationWndVisible, 1);
    EXPECT_TRUE(dorvane->IsToolVisible());
    EXPECT_EQ(g_samplingDistWndVisible, 1);
    // The settings dialog exists but waits for Window > Population Settings.
    EXPECT_FALSE(settings->IsToolVisible());

    EXPECT_STREQ(population->Tag(), "POP");
    EXPECT_STREQ(dorvane->Tag(), "CLT");
    EXPECT_STREQ(settings->Tag(), "CONT_SETTINGS");
    // The last start-up command was Window > Population Settings.
    EXPECT_EQ(g_activeWindowTag, "CONT_SETTINGS");

    // Every window of the table that the program has is made once, and each
    // one's tag is its entry's.
    int made = 0;
    for (const ToolWindowEntry& entry : ToolWindows()) {
        CToolWindow* window = entry.existing();
        if (!entry.create) continue;
        ASSERT_NE(window, nullptr) << entry.tag;
        EXPECT_STREQ(window->Tag(), entry.tag);
        // The frame shows the whole client area below its title bar.
        ASSERT_NE(window->Frame(), nullptr);
        EXPECT_LE(window->geometry().bottom(), window->Frame()->rect().bottom()) << entry.tag;
        EXPECT_LE(window->geometry().right(), window->Frame()->rect().right()) << entry.tag;
        ++made;
    }
    EXPECT_EQ(Frame().MdiArea()->subWindowList().size(), made);

    // Population at (1, 1) dialog units at its design size; the others start
    // on its right edge at their own top, each at its design size.
    const QRect pop = population->ToolGeometry();
    EXPECT_EQ(pop.topLeft(), QPoint(2, 2));
    EXPECT_EQ(population->size(), QSize(300, 432));
    EXPECT_EQ(dorvane->size(), QSize(624, 446));
    for (CToolWindow* window : {dorvane, settings}) {
        EXPECT_EQ(window->ToolGeometry().topLeft(), QPoint(pop.x() + pop.width(), 0));
    }
    // Stacked in the order they were made: the last one made lies on top.
    const QList<QMdiSubWindow*> stack = Frame().MdiArea()->subWindowList(QMdiArea::StackingOrder);
    EXPECT_LT(stack.indexOf(population->Frame()), stack.indexOf(dorvane->Frame()));

    // The kind is continuous and the population is still empty.
    EXPECT_EQ(g_isContinuous, 1);
    EXPECT_EQ(g_isDiscrete + g_isBinomial, 0);
    EXPECT_EQ(g_popBaseline, 270);
    for (int slot = 1; slot <= 51; ++slot)
        EXPECT_EQ(g_popCurve[slot], g_popBaseline);
    EXPECT_EQ(g_samplesDrawn, 0);
    EXPECT_EQ(g_drawFinished, 1);
}

TEST_F(StartUp, WindowsNotYetInTheProgramLeaveTheirFlagsAtZero) {
    for (const ToolWindowEntry& entry : ToolWindows()) {
        if (entry.create) continue;
        g_activeWindowTag = "POP";
        EXPECT_TRUE(Choose(entry.commandId));
        EXPECT_EQ(g_activeWindowTag, "POP") << entry.tag;
        if (entry.visibleFlag) EXPECT_EQ(*entry.visibleFlag, 0) << entry.tag;
        EXPECT_EQ(entry.existing(), nullptr) << entry.tag;
    }
}

TEST_F(StartUp, MenuShowsTheStartUpOptions) {
    const auto checked = [this](int id) { return ItemWhenOpened(id)->isChecked(); };
    EXPECT_TRUE(checked(ID_MEASUREMENT_CONTINUOUS));
    EXPECT_FALSE(checked(ID_MEASUREMENT_DISCRETE));
    EXPECT_FALSE(checked(ID_MEASUREMENT_BINOMIAL));
    EXPECT_TRUE(checked(ID_OPTIONS_OBSERVED));
    EXPECT_FALSE(checked(ID_OPTIONS_Z_VALUES));
    EXPECT_FALSE(checked(ID_OPTIONS_T_VALUES));
    EXPECT_FALSE(checked(ID_OPTIONS_PROPORTION_ABOVE));
    EXPECT_TRUE(checked(ID_OPTIONS_PROPORTION_BELOW));
    EXPECT_TRUE(checked(ID_OPTIONS_ONE_SLIDER));
    EXPECT_FALSE(checked(ID_OPTIONS_TWO_SLIDERS_SEPARATE));
    EXPECT_FALSE(checked(ID_OPTIONS_TWO_SLIDERS_TANDEM));
    EXPECT_FALSE(checked(ID_OPTIONS_POSSIBLE_MU));

    EXPECT_TRUE(ItemWhenOpened(ID_WINDOW_POP_SETTINGS)->isEnabled());
    for (int id : {ID_FILE_PRINT, ID_FILE_PRINT_PREVIEW, ID_FILE_PRINT_SETUP,
                   ID_OPTIONS_DISPLAY_SAMPLES, ID_OPTIONS_NO_DISPLAY_SAMPLES}) {
        EXPECT_FALSE(ItemWhenOpened(id)->isEnabled()) << id;
        EXPECT_FALSE(Choose(id)) << id;
    }
    // Items without a check rule never show a check.
    EXPECT_FALSE(ItemWhenOpened(ID_WINDOW_POPULATION)->isCheckable());
}
