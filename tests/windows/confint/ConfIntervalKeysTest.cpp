// The Confidence Intervals window from the keyboard: Up and Down select the
// next and previous interval as a click on it does, the possible mean steps
// a pixel per arrow key as a drag does and takes a typed value over its
// label, and Enter in a field draws; the graph and the possible mean in words.
#include "core/Messages.h"
#include "core/Population.h"
#include "core/SimulationState.h"
#include "resources/Resource.h"
#include "shell/WindowViews.h"
#include "tests/support/GuiTestSupport.h"
#include "tests/windows/NeighbourWindows.h"
#include "ui/DrawingResources.h"
#include "ui/FocusSpot.h"
#include "ui/Gdi.h"
#include "ui/ValueEditor.h"
#include "windows/confint/ConfIntervalDlg.h"
#include "windows/confint/IntervalGeometry.h"
#include "windows/confint/IntervalSeries.h"
#include "windows/confint/StripGeometry.h"
#include "windows/population/PopulationDlg.h"
#include "windows/sampdist/SamplingDistDlg.h"

#include <QApplication>
#include <QFontMetrics>
#include <QLineEdit>
#include <QTest>
#include <QWheelEvent>
#include <memory>

namespace {

class ConfIntervalKeys : public GuiTest, protected NeighbourWindows {
  protected:
    void SetUp() override {
        GuiTest::SetUp();
        InstallWindowViews();
        ShowNeighbours(PresetShape::Normal);
        ci = std::make_unique<CConfIntervalDlg>();
        ci->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(ci.get()));
        g_confIntervalWndVisible = 1;
        QTest::mouseClick(ci->Control(IDC_CI_SPEED_F), Qt::LeftButton);
    }
    void TearDown() override {
        ci.reset();
        CloseNeighbours();
        GuiTest::TearDown();
    }
    QLineEdit* Edit(int id) const { return qobject_cast<QLineEdit*>(ci->Control(id)); }
    void DrawByEnter(int n, int count) {
        TypeInto(Edit(IDC_CI_SAMPLE_SIZE), QString::number(n));
        TypeInto(Edit(IDC_CI_NUM_SAMPLES), QString::number(count));
        QTest::keyClick(Edit(IDC_CI_SAMPLE_SIZE), Qt::Key_Return);
    }
    // Possible Mu on, as the main frame switches it: 100 more at the bottom.
    void PossibleMuOn() {
        g_possibleMuExtra = 100;
        g_possibleMu = 1;
        g_ciStripRect.bottom += 100;
        ci->ResizeClientTo(QSize(509, 640));
        ci->RedrawConfIntervalWindow();
    }

    std::unique_ptr<CConfIntervalDlg> ci;
};

TEST_F(ConfIntervalKeys, UpAndDownSelectTheIntervalsAsAClickDoes) {
    DrawByEnter(25, 300);
    ASSERT_EQ(g_samplesDrawn, 300);
    CFocusSpot* graph = ci->GraphSpot();
    graph->setFocus();
    QTest::keyClick(graph, Qt::Key_Up); // none selected yet: the page's first row
    const int first = g_ciFirstSample;
    EXPECT_EQ(g_selectedSampleNo, first);
    QTest::keyClick(graph, Qt::Key_Up);
    QTest::keyClick(graph, Qt::Key_Up);
    QTest::keyClick(graph, Qt::Key_Down);
    const int keyed = g_selectedSampleNo;
    EXPECT_EQ(keyed, first + 1);
    const std::string words = graph->accessibleDescription().toStdString();
    const SelectedStrip strip = ComputeSelectedStrip(25);
    EXPECT_NE(words.find("Selected sample " + std::to_string(keyed) + ": " + strip.lowText + ", " +
                         strip.highText),
              std::string::npos)
        << words;
    // A click on that row selects the same, and the keys go on from there.
    g_sampleSelected = 0;
    Edit(IDC_CI_SAMPLE_SIZE)->setFocus();
    QTest::mouseClick(ci.get(), Qt::LeftButton, Qt::NoModifier, QPoint(250, RowY(keyed)));
    EXPECT_EQ(g_selectedSampleNo, keyed);
    ASSERT_EQ(ci->focusWidget(), graph);
    QTest::keyClick(ci->focusWidget(), Qt::Key_Up);
    EXPECT_EQ(g_selectedSampleNo, keyed + 1);
    // Home and End reach the series' ends, and the page follows.
    QTest::keyClick(graph, Qt::Key_Home);
    EXPECT_EQ(g_selectedSampleNo, 1);
    EXPECT_EQ(g_ciFirstSample, 1);
    QTest::keyClick(graph, Qt::Key_End);
    EXPECT_EQ(g_selectedSampleNo, 300);
    EXPECT_LE(g_ciFirstSample, 300);
    EXPECT_GE(g_ciFirstSample + 210, 300);
    // The wheel over the graph turns the scroll bar: a notch down, older samples.
    const int page = g_ciFirstSample;
    const QPointF over(250, 200);
    QWheelEvent notch(over, ci->mapToGlobal(over), QPoint(), QPoint(0, -120), Qt::NoButton,
                      Qt::NoModifier, Qt::NoScrollPhase, false);
    QApplication::sendEvent(ci.get(), &notch);
    EXPECT_EQ(g_ciFirstSample, page - QApplication::wheelScrollLines());
}

TEST_F(ConfIntervalKeys, ThePossibleMeanStepsAndTakesATypedValue) {
    DrawByEnter(25, 50);
    PossibleMuOn();
    CFocusSpot* mu = ci->PossibleMuSpot();
    ASSERT_TRUE(mu->isVisible());
    const PossibleMuFigure before = ComputePossibleMu(25);
    EXPECT_TRUE(mu->geometry().contains(QPoint(before.xCentre, before.baseY - 5)));
    mu->setFocus();
    const float start = g_ciPopMean;
    QTest::keyClick(mu, Qt::Key_Right, Qt::ShiftModifier);
    QTest::keyClick(mu, Qt::Key_Left);
    const float keyed = g_ciPopMean;
    // A drag of nine pixels to the right gives the same.
    g_ciPopMean = start;
    ci->RedrawConfIntervalWindow();
    const PossibleMuFigure f = ComputePossibleMu(25);
    const QPoint grab(f.xCentre + 1, f.baseY - 3);
    ASSERT_TRUE(ci->AcceptanceRegion().contains(grab));
    QTest::mousePress(ci.get(), Qt::LeftButton, Qt::NoModifier, grab);
    SendMove(ci.get(), grab + QPoint(9, 0), Qt::LeftButton);
    QTest::mouseRelease(ci.get(), Qt::LeftButton, Qt::NoModifier, grab + QPoint(9, 0));
    EXPECT_EQ(g_ciPopMean, keyed);

    // Enter types it; the words follow.
    QTest::keyClick(mu, Qt::Key_Return);
    CValueEditor* field = ci->ValueEditor();
    ASSERT_TRUE(field->IsOpen());
    EXPECT_EQ(field->text(), QString::fromStdString(PossibleMuNumberText()));
    QTest::keyClicks(field, "4.75");
    QTest::keyClick(field, Qt::Key_Return);
    EXPECT_FLOAT_EQ(g_ciPopMean, 4.75f);
    EXPECT_TRUE(mu->accessibleDescription().startsWith(
        QString::fromUtf8("Sampling distribution of the mean for a possible \u03bc = 4.75: ")));
    EXPECT_EQ(QApplication::focusWidget(), mu);
    // A double-click on the label; beyond the axis it stops at the end.
    const PossibleMuFigure now = ComputePossibleMu(25);
    const QFontMetrics metrics(g_fontSymbol10);
    const Rect label = PossibleMuLabelRect(
        now, metrics.horizontalAdvance(QString::fromStdString(now.muText)), metrics.height());
    QTest::mouseDClick(ci.get(), Qt::LeftButton, Qt::NoModifier, Centre(label));
    ASSERT_TRUE(field->IsOpen());
    QTest::keyClicks(field, "25");
    QTest::keyClick(field, Qt::Key_Return);
    EXPECT_EQ(g_ciPopMean, 10.0f);
    EXPECT_TRUE(messages.isEmpty());
    // Off, the possible mean is no stop for Tab.
    g_possibleMu = 0;
    ci->RedrawConfIntervalWindow();
    EXPECT_FALSE(mu->isVisible());
}

} // namespace
