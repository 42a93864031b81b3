// Window menu: showing and raising the tool windows, and Close Window by the
// tag of the window used last.
#include "tests/shell/ShellTestSupport.h"

#include "core/SimulationState.h"
#include "resources/Resource.h"
#include "shell/ToolWindow.h"
#include "windows/population/PopSettingsDlg.h"
#include "windows/population/PopulationDlg.h"

#include <QMdiArea>
#include <QMdiSubWindow>
#include <QTest>

using WindowMenu = ShellTest;

TEST_F(WindowMenu, CloseWindowHidesTheWindowUsedLast) {
    CToolWindow* population = g_populationWnd;
    CToolWindow* settings = g_popSettingsWnd;

    // The settings dialog was made hidden; the command now shows it.
    ASSERT_TRUE(Choose(ID_WINDOW_POP_SETTINGS));
    EXPECT_TRUE(settings->IsToolVisible());
    EXPECT_EQ(g_activeWindowTag, "CONT_SETTINGS");
    ASSERT_TRUE(Choose(ID_WINDOW_CLOSE));
    EXPECT_FALSE(settings->IsToolVisible());
    EXPECT_TRUE(population->IsToolVisible());
    EXPECT_EQ(g_populationWndVisible, 1);
    EXPECT_EQ(g_activeWindowTag, "CONT_SETTINGS"); // Close Window keeps the tag

    // A click in the Population window makes it the one used last.
    QTest::mouseClick(population, Qt::LeftButton, {}, QPoint(5, 5));
    EXPECT_EQ(g_activeWindowTag, "POP");
    ASSERT_TRUE(Choose(ID_WINDOW_CLOSE));
    EXPECT_FALSE(population->IsToolVisible());
    EXPECT_EQ(g_populationWndVisible, 0);

    // Window > Population brings it back.
    ASSERT_TRUE(Choose(ID_WINDOW_POPULATION));
    EXPECT_TRUE(population->IsToolVisible());
    EXPECT_EQ(g_populationWndVisible, 1);
    EXPECT_EQ(g_activeWindowTag, "POP");
}

TEST_F(WindowMenu, CloseWindowComparesWholeTags) {
    CToolWindow* population = g_populationWnd;
    for (const char* tag : {"PO", "POPS", "pop", "", "CONT"}) {
        g_activeWindowTag = tag;
        ASSERT_TRUE(Choose(ID_WINDOW_CLOSE));
        EXPECT_TRUE(population->IsToolVisible()) << tag;
        EXPECT_EQ(g_populationWndVisible, 1) << tag;
    }
}

TEST_F(WindowMenu, ShowingAWindowRaisesItAboveTheOthers) {
    ASSERT_TRUE(Choose(ID_WINDOW_POP_SETTINGS));
    ASSERT_TRUE(Choose(ID_WINDOW_POPULATION));
    // The last one raised lies on top of the MDI area's stack.
    QList<QMdiSubWindow*> stack = Frame().MdiArea()->subWindowList(QMdiArea::StackingOrder);
    ASSERT_FALSE(stack.isEmpty());
    EXPECT_EQ(stack.last(), static_cast<CToolWindow*>(g_populationWnd)->Frame());
    ASSERT_TRUE(Choose(ID_WINDOW_POP_SETTINGS));
    stack = Frame().MdiArea()->subWindowList(QMdiArea::StackingOrder);
    EXPECT_EQ(stack.last(), static_cast<CToolWindow*>(g_popSettingsWnd)->Frame());
}
