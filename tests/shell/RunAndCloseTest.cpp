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
    QString title, text;
    bool hadIcon = false;
    QTimer::singleShot(0, [&] {
        auto* about = qobject_cast<CAboutDlg*>(QApplication::activeModalWidget());
        if (!about) return;
        title = about->windowTitle();
        text = about->VersionLabel()->text();
        hadIcon = !about->IconLabel()->pixmap().isNull() && about->OkButton()->isDefault();
        SaveSnapshot(about->grab().toImage(), "about");
        QTest::mouseClick(about->OkButton(), Qt::LeftButton);
    });
    ASSERT_TRUE(Choose(ID_APP_ABOUT));
    EXPECT_EQ(title, "About Dorvane");
    EXPECT_EQ(text, "Dorvane Version 5.4");
    EXPECT_TRUE(hadIcon);
    EXPECT_EQ(QApplication::activeModalWidget(), nullptr);
    EXPECT_TRUE(Frame().isVisible());
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

    // Without a run the close is immediate.
    Frame().show();
    RunDrawSamples(2, 5);
    EXPECT_TRUE(Frame().close());
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
