// The main frame after start-up: its place on the screen, the tool windows
// with their tags, flags and layout, and the menu's marks.
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

TEST_F(StartUp, ToolWindowsAreCreatedTaggedAndLinedUp) {
    const QRect screen = QGuiApplication::primaryScreen()->availableGeometry();
    EXPECT_EQ(Frame().windowTitle(), "Dorvane Program");
    EXPECT_EQ(Frame().pos(), screen.topLeft());
    EXPECT_EQ(Frame().height(), screen.height() - 55);
    EXPECT_EQ(Frame().MessagePane()->text(), "Ready");

    CToolWindow* population = g_populationWnd;
    CToolWindow* dorvane = g_samplingDistWnd;
    CToolWindow* settings = g_popSettingsWnd;
    ASSERT_TRUE(population && dorvane && settings);
    EXPECT_EQ(g_binomialWnd, nullptr); // made on the first switch to binomial
    EXPECT_TRUE(population->IsToolVisible() && dorvane->IsToolVisible());
    EXPECT_EQ(g_populationWndVisible + g_samplingDistWndVisible, 2);
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
        EXPECT_LE(window->geometry().bottom(), window->Frame()->rect().bottom()) << entry.tag;
        EXPECT_LE(window->geometry().right(), window->Frame()->rect().right()) << entry.tag;
        ++made;
    }
    EXPECT_EQ(Frame().MdiArea()->subWindowList().size(), made);

    // Population at (1, 1) dialog units; the others start on its right edge,
    // each at its design size; the last one made lies on top.
    const QRect pop = population->ToolGeometry();
    EXPECT_EQ(pop.topLeft(), QPoint(2, 2));
    EXPECT_EQ(population->size(), QSize(300, 432));
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
