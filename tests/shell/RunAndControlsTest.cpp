// The About box, Exit, a close of the main window asked for while a run is
// drawing, what a run leaves in the population picture, and the drawing
// helpers and the Speed control that several windows share.
#include "tests/shell/ShellTestSupport.h"

#include "core/Population.h"
#include "core/SamplingEngine.h"
#include "core/SimulationState.h"
#include "resources/Resource.h"
#include "shell/AboutDlg.h"
#include "shell/Run.h"
#include "shell/WindowViews.h"
#include "ui/DialogTemplate.h"
#include "ui/DrawingResources.h"
#include "ui/Gdi.h"
#include "ui/SpeedControl.h"
#include "windows/population/PopulationDlg.h"
#include "windows/sampdist/SamplingDistDlg.h"

#include <QApplication>
#include <QImage>
#include <QLabel>
#include <QPainter>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <algorithm>
#include <functional>
#include <vector>

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
    void Pause(int) override {}
    // Asked between the values of the first sample; then it answers as the
    // windows do: the run goes on until it is asked to stop.
    bool RunGoesOn(int sampleOfRun, int samplesOfRun) override {
        if (!asked) {
            asked = true;
            closedAtOnce = frame.close();
            visibleDuringRun = frame.isVisible() && frame.ClosePending();
        }
        return WindowDisplays().RunGoesOn(sampleOfRun, samplesOfRun);
    }
    CMainFrame& frame;
    bool asked = false, closedAtOnce = true, visibleDuringRun = false;
};
} // namespace

TEST_F(CloseAndAbout, CloseDuringARunStopsItThenCloses) {
    ApplyPreset(PresetShape::Uniform);
    ClosingDisplay display(Frame());
    RunDrawSamplesWith(display, 300, 10);
    EXPECT_TRUE(!display.closedAtOnce && display.visibleDuringRun);
    EXPECT_EQ(g_samplesDrawn, 1); // stopped after the sample it was drawing, as Esc stops
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
        Links().RunDrawSamples(3, 5);
        EXPECT_EQ(g_popMemDC.copy(0, 0, 300, 345), before) << "speed " << speed;
    }
}

// t values are binned with the standard error of the series' sample size,
// also when the Dorvane window was hidden while the population was made.
TEST_F(RunDisplayTest, TValuesOfARunWithTheDorvaneWindowHiddenUseTheirStandardError) {
    ASSERT_TRUE(Choose(ID_OPTIONS_T_VALUES));
    ASSERT_TRUE(Choose(ID_WINDOW_SAMPLING_DIST));
    ASSERT_TRUE(Choose(ID_WINDOW_CLOSE));
    ASSERT_EQ(g_samplingDistWndVisible, 0);
    ApplyPreset(PresetShape::SkewedPlus);
    g_samplingDistWnd->SetSampleSizeText(QStringLiteral("16"));
    g_samplingDistWnd->SetNumberOfSamplesText(QStringLiteral("200"));
    g_speed = 1;
    g_samplingDistWnd->DrawSamples();
    ASSERT_EQ(g_samplesDrawn, 200);
    EXPECT_FLOAT_EQ(g_standardError, g_popSD / 4.0f);
    std::vector<int> bins(kHistogramBins + 1, 0);
    for (int row = 1; row <= g_samplesDrawn; ++row) {
        const SampleRow& sample = g_sampleStore[row];
        const int bin = HistogramBin(HistogramStatistic(sample.mean, sample.sd, 16));
        if (bin > 0) ++bins[bin];
    }
    EXPECT_TRUE(std::equal(bins.begin() + 1, bins.end(), g_meanHistogram + 1));
}

namespace {
// A window carrying a Speed control at the place the Samples or Confidence
// Intervals window has it; the Dorvane window's control is the real one.
struct SpeedHost {
    SpeedHost(QSize design, std::array<int, 5> xs, int y)
        : dialog(&widget, QSize(design.width() / 2, design.height() / 2), design) {
        widget.resize(design);
        control = new CSpeedControl(&widget, dialog, {1, 2, 3, 4, 5}, xs, y);
        widget.show();
    }
    QWidget widget;
    DialogTemplate dialog;
    CSpeedControl* control = nullptr;
};
} // namespace

using SpeedControl = ShellTest;

TEST_F(SpeedControl, EveryControlShowsTheSpeedPressedInAnyOfThem) {
    SpeedHost samples(QSize(320, 402), {114, 124, 133, 142, 151}, 172);
    SpeedHost intervals(QSize(508, 540), {2, 11, 21, 30, 39}, 109);
    // Each control's button for a speed, 1 ("F") to 5 ("S").
    const std::function<QPushButton*(int)> controls[] = {
        [](int speed) {
            return qobject_cast<QPushButton*>(
                g_samplingDistWnd->Control(IDC_SD_SPEED_F + speed - 1));
        },
        [&](int speed) { return samples.control->Button(speed); },
        [&](int speed) { return intervals.control->Button(speed); }};
    auto pressed = [](const std::function<QPushButton*(int)>& control) {
        QString faces;
        for (int speed = 1; speed <= 5; ++speed)
            if (control(speed)->isChecked()) faces += control(speed)->text();
        return faces;
    };
    for (const auto& control : controls)
        EXPECT_EQ(pressed(control), "4"); // start-up speed 2

    for (const auto& pressedIn : controls) {
        for (int speed = 1; speed <= 5; ++speed) {
            QTest::mouseClick(pressedIn(speed), Qt::LeftButton);
            EXPECT_EQ(g_speed, speed);
            for (const auto& control : controls)
                EXPECT_EQ(pressed(control), QString("F432S"[speed - 1]));
        }
    }
}

// Lines stop one pixel short of their end point and rectangles leave out
// their right and bottom edges; every window's geometry counts on both.
TEST(Gdi, LinesAndRectanglesKeepTheExclusiveEdge) {
    QImage image(30, 30, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::white);
    {
        QPainter p(&image);
        GdiLine(p, 0, 1, 10, 1, QPen(Qt::black)); // a default pen has a square cap
        GdiLine(p, 2, 3, 2, 13, g_penBlack1);
        GdiFillRect(p, 20, 20, 25, 24, QBrush(Qt::black));
        GdiLine(p, 5, 10, 15, 10, g_penRed2); // two pixels thick: a band centred on it
    }
    auto black = [&](int x, int y) { return qGray(image.pixel(x, y)) < 128; };
    for (int x = 0; x < 10; ++x)
        EXPECT_TRUE(black(x, 1)) << x;
    EXPECT_FALSE(black(10, 1));
    for (int y = 3; y < 13; ++y)
        EXPECT_TRUE(black(2, y)) << y;
    EXPECT_FALSE(black(2, 13));
    EXPECT_TRUE(black(24, 23));
    EXPECT_FALSE(black(25, 23));
    EXPECT_FALSE(black(24, 24));
    const QRgb red = QColor(255, 0, 0).rgb();
    EXPECT_EQ(image.pixel(5, 9), red);
    EXPECT_EQ(image.pixel(14, 10), red);
    EXPECT_NE(image.pixel(5, 11), red);
    EXPECT_NE(image.pixel(15, 10), red);
}
