// A run as the person at the keyboard steers it: STOP or Esc ends it after
// the sample in progress, F finishes it at once, and everything else (fields,
// menus, the population, closing a tool window) waits without being queued.
// The run is driven from inside its own waits, where the program looks at the
// input; no time passes.
#include "tests/shell/ShellTestSupport.h"

#include "core/Population.h"
#include "core/Random.h"
#include "core/SimulationState.h"
#include "resources/Resource.h"
#include "ui/SpeedControl.h"
#include "windows/population/PopulationDlg.h"
#include "windows/sampdist/SamplingDistDlg.h"

#include <QLabel>
#include <QLineEdit>
#include <QMdiSubWindow>
#include <QMenuBar>
#include <QPushButton>
#include <QTest>
#include <functional>
#include <numeric>
#include <vector>

namespace {

class RunControl : public ShellTest {
  protected:
    void SetUp() override {
        ShellTest::SetUp();
        ApplyPreset(PresetShape::SkewedPlus);
        Speed(IDC_SD_SPEED_S);
    }
    CSamplingDistDlg* Dorvane() { return g_samplingDistWnd; }
    QLineEdit* Field(int id) { return qobject_cast<QLineEdit*>(Dorvane()->Control(id)); }
    QString Readout(int id) { return qobject_cast<QLabel*>(Dorvane()->Control(id))->text(); }
    void Speed(int id) { QTest::mouseClick(Dorvane()->Control(id), Qt::LeftButton); }
    void Draw(int count, int n) {
        TypeInto(Field(IDC_SD_SAMPLE_SIZE), QString::number(n));
        TypeInto(Field(IDC_SD_NUM_SAMPLES), QString::number(count));
        QTest::mouseClick(Dorvane()->Control(IDC_SD_DRAW_SAMPLES), Qt::LeftButton);
    }
    // Calls act once, inside the run's first wait after sample `at` was
    // drawn, where the program looks at the input.
    void DuringRun(int at, std::function<void()> act) {
        SetMillisecondWait([this, at, act](int) {
            if (g_runInProgress && g_currentSampleNo == at && !m_acted) {
                m_acted = true;
                act();
            }
        });
    }
    int HistogramTotal() const {
        return std::accumulate(g_meanHistogram, g_meanHistogram + kHistogramBins + 1, 0);
    }
    bool m_acted = false;
};

TEST_F(RunControl, StopOrEscEndsTheRunAfterTheSampleInProgress) {
    // Once by the DRAW SAMPLES button, which reads STOP during the run, once
    // by Esc wherever the focus is.
    for (const bool byEsc : {false, true}) {
        m_acted = false;
        QString statusDuringRun;
        DuringRun(6, [&] {
            statusDuringRun = Frame().MessagePane()->text();
            if (byEsc)
                QTest::keyClick(Field(IDC_SD_SAMPLE_SIZE), Qt::Key_Escape);
            else
                QTest::mouseClick(Dorvane()->Control(IDC_SD_DRAW_SAMPLES), Qt::LeftButton);
        });
        Draw(40, 9);
        EXPECT_EQ(statusDuringRun, QString::fromUtf8("Drawing sample 6 of 40 \u2013 Esc stops"));
        EXPECT_EQ(Frame().MessagePane()->text(), "Ready");

        // A run of the six samples it drew, in every figure.
        EXPECT_EQ(g_samplesDrawn, 6);
        EXPECT_EQ(g_seriesTargetCount, 6);
        EXPECT_EQ(HistogramTotal(), 6);
        EXPECT_EQ(Readout(IDC_SD_TOTAL_DRAWN), "6");
        float sum = 0.0f;
        for (int r = 1; r <= 6; ++r)
            sum += g_sampleStore[r].mean;
        EXPECT_EQ(Readout(IDC_SD_MEAN_OF_MEANS), QString::asprintf("%.2f", sum / 6.0f));
        // The number asked for stays, so ADD MORE carries on from here.
        EXPECT_EQ(Field(IDC_SD_NUM_SAMPLES)->text(), "40");
    }
    m_acted = true; // nothing more to do during the next run
    QTest::mouseClick(Dorvane()->Control(IDC_SD_SERIES_MODE), Qt::LeftButton);
    ASSERT_EQ(g_addMoreMode, 1);
    TypeInto(Field(IDC_SD_NUM_SAMPLES), QStringLiteral("4"));
    QTest::mouseClick(Dorvane()->Control(IDC_SD_DRAW_SAMPLES), Qt::LeftButton);
    EXPECT_EQ(g_samplesDrawn, 10);
    EXPECT_EQ(Readout(IDC_SD_TOTAL_DRAWN), "10");
}

TEST_F(RunControl, SpeedFDuringARunEndsItAsARunStartedAtF) {
    const int seedCarry = g_seedCarry;
    DuringRun(3, [&] { Speed(IDC_SD_SPEED_F); });
    Draw(25, 12);
    EXPECT_EQ(g_speed, 1);
    for (int id : {IDC_SD_SPEED_S, IDC_SD_SPEED_F})
        EXPECT_EQ(qobject_cast<QPushButton*>(Dorvane()->Control(id))->isChecked(),
                  id == IDC_SD_SPEED_F);
    std::vector<float> means;
    for (int r = 1; r <= g_samplesDrawn; ++r)
        means.push_back(g_sampleStore[r].mean);
    const std::vector<int> histogram(g_meanHistogram, g_meanHistogram + kHistogramBins + 1);
    const QString sdOfMeans = Readout(IDC_SD_SD_OF_MEANS);

    // The same run started at F from the same seed.
    g_seedCarry = seedCarry;
    m_acted = true;
    QTest::mouseClick(Dorvane()->Control(IDC_SD_DRAW_SAMPLES), Qt::LeftButton);
    std::vector<float> again;
    for (int r = 1; r <= g_samplesDrawn; ++r)
        again.push_back(g_sampleStore[r].mean);
    EXPECT_EQ(means, again);
    EXPECT_EQ(histogram, std::vector<int>(g_meanHistogram, g_meanHistogram + kHistogramBins + 1));
    EXPECT_EQ(sdOfMeans, Readout(IDC_SD_SD_OF_MEANS));
    EXPECT_EQ(Readout(IDC_SD_TOTAL_DRAWN), "25");
}

TEST_F(RunControl, OtherInputDuringARunChangesNothingLater) {
    std::vector<int> curve(g_popCurve, g_popCurve + kCurveSlots);
    QMdiSubWindow* dorvaneFrame = Dorvane()->Frame();
    const QString sizeBefore = QStringLiteral("9");
    DuringRun(2, [&] {
        TypeInto(Field(IDC_SD_SAMPLE_SIZE), QStringLiteral("70"));
        QTest::keyClick(Field(IDC_SD_NUM_SAMPLES), Qt::Key_Backspace);
        // The Measurement menu from the menu bar and from the keyboard.
        QMenuBar* bar = Frame().menuBar();
        QTest::mouseClick(bar, Qt::LeftButton, Qt::NoModifier,
                          bar->actionGeometry(bar->actions()[2]).center());
        QTest::keyClick(&Frame(), Qt::Key_M, Qt::AltModifier);
        // A drag over the population and a click on the histogram.
        QWidget* population = g_populationWnd;
        QTest::mousePress(population, Qt::LeftButton, Qt::NoModifier, QPoint(150, 200));
        SendMove(population, QPoint(150, 60), Qt::LeftButton);
        QTest::mouseRelease(population, Qt::LeftButton, Qt::NoModifier, QPoint(150, 60));
        QTest::mouseClick(Dorvane(), Qt::LeftButton, Qt::NoModifier, QPoint(400, 300));
        // The close box of a tool window.
        dorvaneFrame->close();
    });
    Draw(20, 9);
    EXPECT_EQ(g_samplesDrawn, 20);
    EXPECT_EQ(Field(IDC_SD_SAMPLE_SIZE)->text(), sizeBefore);
    EXPECT_EQ(Field(IDC_SD_NUM_SAMPLES)->text(), "20");
    EXPECT_EQ(g_seriesSampleSize, 9);
    EXPECT_EQ(std::vector<int>(g_popCurve, g_popCurve + kCurveSlots), curve);
    EXPECT_EQ(Frame().menuBar()->activeAction(), nullptr);
    EXPECT_EQ(g_sampleSelected, 0);
    EXPECT_TRUE(dorvaneFrame->isVisible());
    EXPECT_EQ(g_samplingDistWndVisible, 1);
    EXPECT_TRUE(messages.isEmpty());
    // Nothing was queued to act now that the run is over.
    QCoreApplication::processEvents();
    EXPECT_EQ(Field(IDC_SD_SAMPLE_SIZE)->text(), sizeBefore);
    EXPECT_EQ(std::vector<int>(g_popCurve, g_popCurve + kCurveSlots), curve);
}

TEST_F(RunControl, ACloseAskedForDuringARunEndsTheProgramAndNoRunFollows) {
    // The run stops where it is, as Esc stops it.
    DuringRun(2, [&] { Frame().close(); });
    Draw(8, 5);
    EXPECT_EQ(g_samplesDrawn, 2);
    EXPECT_TRUE(Frame().ClosePending() || !Frame().isVisible());
    // DRAW SAMPLES once more before the close is carried out: no run starts.
    m_acted = true;
    QTest::mouseClick(Dorvane()->Control(IDC_SD_DRAW_SAMPLES), Qt::LeftButton);
    EXPECT_EQ(g_samplesDrawn, 2);
    QCoreApplication::sendPostedEvents();
    QCoreApplication::processEvents();
    EXPECT_FALSE(Frame().isVisible());
}

} // namespace
