// A run as the person at the keyboard steers it, and what the windows show
// after a run at each speed, shown or hidden. The run is driven from inside
// its own waits, where the program looks at the input; no time passes.
#include "tests/shell/ShellTestSupport.h"

#include "core/Random.h"

#include <QMenuBar>

namespace {

class RunControl : public ShellTest {
  protected:
    void SetUp() override {
        ShellTest::SetUp();
        QApplication::processEvents(); // the frame becomes the active window
        ApplyPreset(PresetShape::SkewedPlus);
        Press(Sd()->Control(IDC_SD_SPEED_S));
    }
    void Draw(int count, int n) {
        TypeInto(Field(Sd(), IDC_SD_SAMPLE_SIZE), QString::number(n));
        TypeInto(Field(Sd(), IDC_SD_NUM_SAMPLES), QString::number(count));
        Press(Sd()->Control(IDC_SD_DRAW_SAMPLES));
    }
    // Calls act once, inside the run's first wait after sample `at` was drawn.
    static void DuringRun(int at, std::function<void()> act) {
        SetMillisecondWait([at, act, acted = false](int) mutable {
            if (g_runInProgress && g_currentSampleNo == at && !acted) {
                acted = true;
                act();
            }
        });
    }
};

TEST_F(RunControl, StopEscOrSpaceEndsTheRunAfterTheSampleInProgress) {
    QWidget* draw = Sd()->Control(IDC_SD_DRAW_SAMPLES); // reads STOP during the run
    const std::function<void()> stops[] = {
        [&] { Press(draw); },
        [&] { QTest::keyClick(Field(Sd(), IDC_SD_SAMPLE_SIZE), Qt::Key_Escape); },
        [&] {
            draw->setFocus(Qt::TabFocusReason);
            QTest::keyClick(draw, Qt::Key_Space);
        }};
    for (const auto& stop : stops) {
        // By Esc with the Samples window hidden: stopped between samples, not
        // between the values it would show.
        if (&stop == &stops[1]) {
            ASSERT_TRUE(Choose(ID_WINDOW_SAMPLES));
            ASSERT_TRUE(Choose(ID_WINDOW_CLOSE));
        }
        QString statusDuringRun;
        DuringRun(6, [&] {
            statusDuringRun = Frame().MessagePane()->text();
            stop();
        });
        Draw(40, 9);
        EXPECT_EQ(statusDuringRun, QString::fromUtf8("Drawing sample 6 of 40 \u2013 Esc stops"));
        EXPECT_EQ(Frame().MessagePane()->text(), "Ready");
        // A run of the six samples it drew (its figures are the engine's).
        EXPECT_EQ(g_samplesDrawn, 6);
        EXPECT_EQ(Readout(Sd(), IDC_SD_TOTAL_DRAWN), "6");
        // The number asked for stays, so ADD MORE carries on from here.
        EXPECT_EQ(Field(Sd(), IDC_SD_NUM_SAMPLES)->text(), "40");
    }
}

// The button is taken during the run (the samples it draws are the engine's).
TEST_F(RunControl, SpeedFDuringARunEndsItAsARunStartedAtF) {
    DuringRun(3, [&] { Press(Sd()->Control(IDC_SD_SPEED_F)); });
    Draw(25, 12);
    EXPECT_EQ(g_speed, 1);
    for (int id : {IDC_SD_SPEED_S, IDC_SD_SPEED_F})
        EXPECT_EQ(qobject_cast<QPushButton*>(Sd()->Control(id))->isChecked(), id == IDC_SD_SPEED_F);
    EXPECT_EQ(g_samplesDrawn, 25);
    EXPECT_EQ(Readout(Sd(), IDC_SD_TOTAL_DRAWN), "25");
}

TEST_F(RunControl, OtherInputDuringARunChangesNothingLater) {
    const std::vector<int> curve(g_popCurve, g_popCurve + kCurveSlots);
    QMdiSubWindow* dorvaneFrame = Sd()->Frame();
    DuringRun(2, [&] {
        TypeInto(Field(Sd(), IDC_SD_SAMPLE_SIZE), QStringLiteral("70"));
        QTest::keyClick(Field(Sd(), IDC_SD_NUM_SAMPLES), Qt::Key_Backspace);
        QTest::keyClick(Field(Sd(), IDC_SD_NUM_SAMPLES), Qt::Key_7);
        // Ctrl+4 is the one key that acts: speed 2.
        QTest::keyClick(Field(Sd(), IDC_SD_NUM_SAMPLES), Qt::Key_4, Qt::ControlModifier);
        // The Measurement menu from the menu bar and from the keyboard.
        QMenuBar* bar = Frame().menuBar();
        QTest::mouseClick(bar, Qt::LeftButton, Qt::NoModifier,
                          bar->actionGeometry(bar->actions()[2]).center());
        QTest::keyClick(&Frame(), Qt::Key_M, Qt::AltModifier);
        QTest::keyClick(&Frame(), Qt::Key_F11); // a menu item's shortcut
        // A drag over the population, a click on the histogram, a close box.
        QTest::mousePress(g_populationWnd, Qt::LeftButton, Qt::NoModifier, QPoint(150, 200));
        SendMove(g_populationWnd, QPoint(150, 60), Qt::LeftButton);
        QTest::mouseRelease(g_populationWnd, Qt::LeftButton, Qt::NoModifier, QPoint(150, 60));
        QTest::mouseClick(Sd(), Qt::LeftButton, Qt::NoModifier, QPoint(400, 300));
        dorvaneFrame->close();
    });
    Draw(20, 9);
    for (int pass = 0; pass < 2; ++pass) { // and nothing was queued to act later
        SCOPED_TRACE(pass);
        EXPECT_EQ(g_samplesDrawn, 20);
        EXPECT_EQ(g_speed, 2);
        EXPECT_EQ(Field(Sd(), IDC_SD_SAMPLE_SIZE)->text(), "9");
        EXPECT_EQ(Field(Sd(), IDC_SD_NUM_SAMPLES)->text(), "20");
        EXPECT_EQ(std::vector<int>(g_popCurve, g_popCurve + kCurveSlots), curve);
        EXPECT_EQ(Frame().menuBar()->activeAction(), nullptr);
        EXPECT_FALSE(Frame().isFullScreen());
        EXPECT_EQ(g_sampleSelected, 0);
        EXPECT_TRUE(dorvaneFrame->isVisible());
        EXPECT_TRUE(messages.isEmpty());
        QCoreApplication::processEvents();
    }
}

TEST_F(RunControl, ACloseAskedForDuringARunEndsTheProgramAndNoRunFollows) {
    // The run stops where it is, as Esc stops it; the frame waits for its end.
    bool visibleDuringRun = false;
    DuringRun(2, [&] { visibleDuringRun = !Frame().close() && Frame().isVisible(); });
    Draw(8, 5);
    EXPECT_TRUE(visibleDuringRun);
    EXPECT_EQ(g_samplesDrawn, 2);
    // DRAW SAMPLES once more before the close is carried out: no run starts.
    Press(Sd()->Control(IDC_SD_DRAW_SAMPLES));
    EXPECT_EQ(g_samplesDrawn, 2);
    QCoreApplication::sendPostedEvents();
    QCoreApplication::processEvents();
    EXPECT_FALSE(Frame().isVisible());
    EXPECT_FALSE(Frame().ClosePending());
}

// At an animated speed with the Samples window shown its values fall one by
// one; hidden, or at F, the run spends no time on them. Either way the
// windows end on the last sample: the Samples window painted and scrolled to
// it, the population without the marks of the values, the intervals graph on
// the page of the last samples with the earlier page's rows gone.
TEST_F(RunControl, EverySpeedShownOrHiddenLeavesTheWindowsOnTheLastSample) {
    ApplyPreset(PresetShape::Normal);
    g_populationWnd->RedrawCurve();
    const QImage population = g_popMemDC.copy(0, 0, 300, 345);
    auto* scroll = qobject_cast<QScrollBar*>(g_samplesWnd->Control(IDC_SAMPLES_SCROLL));
    auto* ciScroll = qobject_cast<QScrollBar*>(Ci()->Control(IDC_CI_SCROLL));
    int waits[2][2] = {};
    for (int speed : {2, 1})
        for (bool shown : {true, false}) {
            SCOPED_TRACE(std::to_string(speed) + (shown ? " shown" : " hidden"));
            ASSERT_TRUE(Choose(ID_WINDOW_SAMPLES));
            if (!shown) {
                ASSERT_TRUE(Choose(ID_WINDOW_CLOSE));
            }
            g_speed = speed;
            g_popMemDC.fill(Qt::black); // stale pictures must not survive the run
            g_samplesMemDC.fill(Qt::black);
            int& count = waits[speed - 1][shown];
            SetMillisecondWait([&](int) { ++count; });
            ASSERT_EQ(Links().RunDrawSamples(212, 5).status, DrawResult::Status::Drawn);
            EXPECT_EQ(scroll->maximum(), 212);
            EXPECT_EQ(scroll->value(), 212);
            EXPECT_EQ(PixelOf(g_samplesMemDC, 100, 100), Rgb(250, 250, 250));
            EXPECT_EQ(g_popMemDC.copy(0, 0, 300, 345), population);
            EXPECT_EQ(g_ciFirstSample, 211);
            EXPECT_EQ(ciScroll->maximum(), 212);
            EXPECT_EQ(ciScroll->value(), 2);
            EXPECT_FALSE(Readout(Ci(), IDC_CI_NUM_IN).isEmpty());
            const int left = GraphX(0.0f), right = GraphX(10.0f);
            EXPECT_EQ(recount::LineAt(g_ciMemDC, RowY(212), left, right),
                      recount::Covers(212, 5, 1.959964, true) ? 'k' : 'r');
            EXPECT_EQ(recount::LineAt(g_ciMemDC, RowY(214), left, right), '-');
        }
    EXPECT_EQ(waits[0][0] + waits[0][1], 0); // F
    EXPECT_GT(waits[1][1], waits[1][0] + 212 * 5);
}

TEST_F(RunControl, ABinomialRunMarksItsValuesInTheBinomialWindow) {
    ASSERT_TRUE(Choose(ID_MEASUREMENT_BINOMIAL));
    Press(g_binomialWnd->Button(11)); // p = .50
    const QImage clean = g_popMemDC.copy();
    int marked = 0;
    SetMillisecondWait([&](int) { marked += g_popMemDC != clean; });
    g_speed = 2;
    ASSERT_EQ(Links().RunDrawSamples(2, 5).status, DrawResult::Status::Drawn);
    EXPECT_GT(marked, 0);
    EXPECT_EQ(g_popMemDC, clean);
}

} // namespace
