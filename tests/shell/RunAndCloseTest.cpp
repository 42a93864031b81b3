// The About box, Exit, a close of the main window asked for while a run is
// drawing, and what a run leaves in the population picture.
#include "tests/shell/ShellTestSupport.h"

#include "core/Population.h"
#include "core/SimulationState.h"
#include "resources/Resource.h"
#include "shell/AboutDlg.h"
#include "shell/DrawingResources.h"
#include "shell/WindowViews.h"
#include "windows/population/PopulationDlg.h"

#include <QApplication>
#include <QLabel>
#include <QPushButton>
#include <QTest>
#include <QTimer>

using CloseAndAbout = ShellTest;

TEST_F(CloseAndAbout, AboutBoxShowsIconNameAndVersionAndExitCloses) {
    QString seen; // title, version and icon of the modal box, closed by its OK
    QTimer::singleShot(0, [&] {
        auto* about = qobject_cast<CAboutDlg*>(QApplication::activeModalWidget());
        seen = about->windowTitle() + "|" + about->VersionLabel()->text() + "|" +
               (about->IconLabel()->pixmap().isNull() ? "" : "icon");
        SaveSnapshot(about->grab().toImage(), "about");
        QTest::mouseClick(about->OkButton(), Qt::LeftButton);
    });
    ASSERT_TRUE(Choose(ID_APP_ABOUT));
    EXPECT_EQ(seen, "About Dorvane|Dorvane Version 5.4|icon");
    EXPECT_EQ(QApplication::activeModalWidget(), nullptr);
    ASSERT_TRUE(Choose(ID_APP_EXIT));
    EXPECT_FALSE(Frame().isVisible());
}

namespace {
// A display that asks the main window to close in the middle of the run.
struct ClosingDisplay : SampleDisplay {
    explicit ClosingDisplay(CMainFrame& frame) : frame(frame) {}
    void RedrawCurve() override {
        if (asked) return;
        asked = true;
        closedAtOnce = frame.close();
        visibleDuringRun = frame.isVisible() && frame.ClosePending();
    }
    void Pause(int) override {}
    CMainFrame& frame;
    bool asked = false, closedAtOnce = true, visibleDuringRun = false;
};
} // namespace

TEST_F(CloseAndAbout, CloseDuringARunWaitsForItsEnd) {
    ApplyPreset(PresetShape::Uniform);
    ClosingDisplay display(Frame());
    RunDrawSamples(3, 10, display);
    EXPECT_FALSE(display.closedAtOnce);
    EXPECT_TRUE(display.visibleDuringRun);
    EXPECT_EQ(g_samplesDrawn, 3); // the run went to its end
    EXPECT_EQ(g_runInProgress, 0);
    // The deferred close happens once the run has returned.
    EXPECT_TRUE(Frame().isVisible());
    QCoreApplication::sendPostedEvents();
    QCoreApplication::processEvents();
    EXPECT_FALSE(Frame().isVisible());
    EXPECT_FALSE(Frame().ClosePending());
}

using RunDisplayTest = ShellTest;

// Whatever the speed, a run leaves the population picture without the marks
// of its values, even though redraws that would change nothing are skipped.
TEST_F(RunDisplayTest, RunLeavesThePopulationPictureWithoutMarks) {
    ApplyPreset(PresetShape::Normal);
    g_populationWnd->RedrawCurve();
    const QImage before = g_popMemDC.copy(0, 0, 300, 345);
    g_samplesWndVisible = 1; // marks are drawn only while the Samples window shows
    for (int speed : {1, 2}) {
        g_speed = speed;
        g_popMemDC.fill(Qt::black); // a stale picture must not survive the run
        RunDrawSamples(3, 5);
        EXPECT_EQ(g_popMemDC.copy(0, 0, 300, 345), before) << "speed " << speed;
    }
}
