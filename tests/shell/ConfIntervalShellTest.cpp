// The Confidence Intervals window inside the whole program: its place in the
// start-up line-up, Close Window and the Window menu, Options > Possible Mu
// growing and shrinking it, the engine's calls reaching it in order, the
// shared fields and Speed control kept alike with the Dorvane window, and one
// selected sample shown in both windows whichever of them was clicked.
#include "tests/shell/ShellTestSupport.h"

#include "core/Population.h"
#include "core/SamplingEngine.h"
#include "core/Selection.h"
#include "core/SimulationState.h"
#include "resources/Resource.h"
#include "shell/Run.h"
#include "shell/WindowViews.h"
#include "tests/windows/confint/IntervalRecount.h"
#include "ui/DrawingResources.h"
#include "ui/ToolWindow.h"
#include "windows/confint/ConfIntervalDlg.h"
#include "windows/confint/IntervalGeometry.h"
#include "windows/confint/IntervalSeries.h"
#include "windows/confint/StripGeometry.h"
#include "windows/population/BinomialPopDlg.h"
#include "windows/population/PopulationDlg.h"
#include "windows/sampdist/HistogramModel.h"
#include "windows/sampdist/SampDistModel.h"
#include "windows/sampdist/SamplingDistDlg.h"
#include "windows/samples/SamplesDlg.h"

#include <QLabel>
#include <QLineEdit>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QPushButton>
#include <QScrollBar>
#include <QTest>
#include <algorithm>
#include <cmath>
#include <cstdio>
#include <string>
#include <vector>

namespace {

// The windows as the engine's display, with every Confidence Intervals call
// written down before it is passed on.
class RecordingWindows : public CWindowDisplays {
  public:
    std::vector<std::string> calls;
    void ClearCiResultFields() override {
        Note("ClearCiResultFields", [&] { CWindowDisplays::ClearCiResultFields(); });
    }
    void ComputeCriticalValue() override {
        Note("ComputeCriticalValue", [&] { CWindowDisplays::ComputeCriticalValue(); });
    }
    void DrawIntervalGraph() override {
        Note("DrawIntervalGraph", [&] { CWindowDisplays::DrawIntervalGraph(); });
    }
    void ClearCiGraph() override {
        Note("ClearCiGraph", [&] { CWindowDisplays::ClearCiGraph(); });
    }
    void DrawInterval(int n, int s) override {
        Note("DrawInterval(" + std::to_string(n) + "," + std::to_string(s) + ")",
             [&] { CWindowDisplays::DrawInterval(n, s); });
    }
    void InvalidateCiGraph() override {
        Note("InvalidateCiGraph", [&] { CWindowDisplays::InvalidateCiGraph(); });
    }
    void SetCiScrollBar(int m, int p) override {
        Note("SetCiScrollBar(" + std::to_string(m) + ")",
             [&] { CWindowDisplays::SetCiScrollBar(m, p); });
    }
    void UpdateCoverageCounts() override {
        Note("UpdateCoverageCounts", [&] { CWindowDisplays::UpdateCoverageCounts(); });
    }
    void RedrawConfIntervalWindow() override {
        Note("RedrawConfIntervalWindow", [&] { CWindowDisplays::RedrawConfIntervalWindow(); });
    }
    void Pause(int) override {}

  private:
    template <class F> void Note(const std::string& call, F forward) {
        calls.push_back(call);
        forward();
    }
};

class ConfIntervalsInTheProgram : public ShellTest {
  protected:
    static CConfIntervalDlg* Ci() { return g_confIntervalWnd; }
    static QLineEdit* CiEdit(int id) { return qobject_cast<QLineEdit*>(Ci()->Control(id)); }
    static QLineEdit* SdEdit(int id) {
        return qobject_cast<QLineEdit*>(g_samplingDistWnd->Control(id));
    }
    static void Press(QWidget* w) {
        QTest::mouseClick(w, Qt::LeftButton, Qt::NoModifier, w->rect().center());
    }
    // A series drawn with this window's DRAW SAMPLES at speed F.
    void Draw(int n, int count) {
        ApplyPreset(PresetShape::SkewedPlus);
        Press(Ci()->Control(IDC_CI_SPEED_F));
        TypeInto(CiEdit(IDC_CI_SAMPLE_SIZE), QString::number(n));
        TypeInto(CiEdit(IDC_CI_NUM_SAMPLES), QString::number(count));
        Press(Ci()->Control(IDC_CI_DRAW_SAMPLES));
        ASSERT_EQ(g_samplesDrawn, count);
    }
};

} // namespace

TEST_F(ConfIntervalsInTheProgram, StartsLinedUpRightOfThePopulationWindow) {
    ASSERT_NE(Ci(), nullptr);
    EXPECT_TRUE(Ci()->IsToolVisible());
    EXPECT_EQ(g_confIntervalWndVisible, 1);
    EXPECT_STREQ(Ci()->Tag(), "CI");
    EXPECT_EQ(Ci()->size(), QSize(509, 540));
    const QRect pop = g_populationWnd->ToolGeometry();
    const QRect frame = Ci()->ToolGeometry();
    EXPECT_EQ(frame.topLeft(), QPoint(pop.x() + pop.width(), 0));
    EXPECT_EQ(g_ciWndWidth, frame.width());
    EXPECT_EQ(g_ciWndHeight, frame.height());
    EXPECT_EQ(g_possibleMuExtra, 100);
    // Made after the Dorvane window, it lies on top of the windows shown
    // (the settings dialog waits hidden).
    QList<QMdiSubWindow*> stack = Frame().MdiArea()->subWindowList(QMdiArea::StackingOrder);
    stack.removeIf([](QMdiSubWindow* w) { return !w->isVisible(); });
    EXPECT_LT(stack.indexOf(g_samplingDistWnd->Frame()), stack.indexOf(Ci()->Frame()));
    EXPECT_EQ(stack.last(), Ci()->Frame());
    // Its fields start as the Dorvane window's.
    EXPECT_EQ(CiEdit(IDC_CI_SAMPLE_SIZE)->text(), g_samplingDistWnd->SampleSizeText());
    EXPECT_EQ(CiEdit(IDC_CI_NUM_SAMPLES)->text(), g_samplingDistWnd->NumberOfSamplesText());
    SaveSnapshot(Frame().grab().toImage(), "frame-start-with-ci");
}

TEST_F(ConfIntervalsInTheProgram, CloseWindowHidesItAndTheWindowMenuBringsItBack) {
    QTest::mouseClick(Ci(), Qt::LeftButton, Qt::NoModifier, QPoint(5, 300));
    EXPECT_EQ(g_activeWindowTag, "CI");
    ASSERT_TRUE(Choose(ID_WINDOW_CLOSE));
    EXPECT_FALSE(Ci()->IsToolVisible());
    EXPECT_EQ(g_confIntervalWndVisible, 0);
    // Hidden, it draws nothing; shown again, it is redrawn with the series.
    ApplyPreset(PresetShape::Normal);
    Links().RunDrawSamples(50, 10);
    EXPECT_EQ(g_samplesDrawn, 50);
    ASSERT_TRUE(Choose(ID_WINDOW_CONF_INTERVALS));
    EXPECT_TRUE(Ci()->IsToolVisible());
    EXPECT_EQ(g_confIntervalWndVisible, 1);
    EXPECT_EQ(g_activeWindowTag, "CI");
    const Interval last = IntervalOf(10, 50);
    EXPECT_EQ(PixelOf(g_ciMemDC, GraphX(last.centre), RowY(50)), Rgb(255, 255, 0));
    EXPECT_EQ(Frame().MdiArea()->subWindowList(QMdiArea::StackingOrder).last(), Ci()->Frame());
    // The close box hides it too.
    Ci()->Frame()->close();
    EXPECT_EQ(g_confIntervalWndVisible, 0);
    EXPECT_NE(g_confIntervalWnd, nullptr);
}

TEST_F(ConfIntervalsInTheProgram, PossibleMuGrowsAndShrinksTheWindow) {
    // Where the window stands in the workspace, which scrolls to the control
    // that has the focus.
    const auto placed = [this] {
        const QMdiArea* area = Frame().MdiArea();
        return Ci()->ToolGeometry().translated(area->horizontalScrollBar()->value(),
                                               area->verticalScrollBar()->value());
    };
    const QRect before = placed();
    Draw(25, 100);
    QTest::mouseClick(Ci(), Qt::LeftButton, Qt::NoModifier, QPoint(250, RowY(30)));
    ASSERT_EQ(g_sampleSelected, 1);
    ASSERT_TRUE(Choose(ID_OPTIONS_POSSIBLE_MU));
    EXPECT_EQ(Ci()->height(), 640);
    EXPECT_EQ(placed().height(), before.height() + 100);
    EXPECT_EQ(placed().topLeft(), before.topLeft());
    EXPECT_EQ(g_ciStripRect.bottom, 640);
    EXPECT_FALSE(Ci()->AcceptanceRegion().isEmpty());
    // The region is filled blue or red under the curve's peak.
    const int peakX = StripX(g_ciPopMean);
    const QRgb fill = PixelOf(g_ciMemDC, peakX + 1, g_ciStripRect.top + 75);
    EXPECT_TRUE(fill == Rgb(0, 0, 255) || fill == Rgb(255, 0, 0));
    SaveSnapshot(Ci()->grab().toImage(), "ci-possible-mu-menu");
    ASSERT_TRUE(Choose(ID_OPTIONS_POSSIBLE_MU));
    EXPECT_EQ(placed(), before);
    EXPECT_EQ(g_ciStripRect.bottom, 540);
    EXPECT_TRUE(Ci()->AcceptanceRegion().isEmpty());
}

TEST_F(ConfIntervalsInTheProgram, EngineCallsReachTheWindowInOrder) {
    ApplyPreset(PresetShape::Normal);
    RecordingWindows windows;
    g_speed = 2;
    RunDrawSamplesWith(windows, 212, 5);
    auto position = [&](const std::string& call) {
        return std::find(windows.calls.begin(), windows.calls.end(), call) - windows.calls.begin();
    };
    const std::vector<std::string> start(windows.calls.begin(), windows.calls.begin() + 3);
    EXPECT_EQ(start, (std::vector<std::string>{"ClearCiResultFields", "ComputeCriticalValue",
                                               "RedrawConfIntervalWindow"}));
    // Each sample: the scroll bar, its interval, the graph shown.
    EXPECT_LT(position("SetCiScrollBar(1)"), position("DrawInterval(5,1)"));
    EXPECT_EQ(position("InvalidateCiGraph"), position("DrawInterval(5,1)") + 1);
    // Sample 211 starts the second page: cleared and drawn anew before its interval.
    const auto wrap = position("ClearCiGraph");
    EXPECT_GT(wrap, position("DrawInterval(5,210)"));
    EXPECT_EQ(windows.calls[wrap + 1], "DrawIntervalGraph");
    EXPECT_EQ(windows.calls[wrap + 2], "DrawInterval(5,211)");
    const std::vector<std::string> end(windows.calls.end() - 2, windows.calls.end());
    EXPECT_EQ(end, (std::vector<std::string>{"UpdateCoverageCounts", "RedrawConfIntervalWindow"}));
    // What the window shows after it.
    EXPECT_EQ(g_ciFirstSample, 211);
    const auto* scroll = qobject_cast<QScrollBar*>(Ci()->Control(IDC_CI_SCROLL));
    EXPECT_EQ(scroll->maximum(), 212);
    EXPECT_EQ(scroll->value(), 2); // the page from 211 of 212 samples
    EXPECT_FALSE(qobject_cast<QLabel*>(Ci()->Control(IDC_CI_NUM_IN))->text().isEmpty());

    // ADD MORE redraws the graph at the start of the run.
    windows.calls.clear();
    g_addMoreMode = 1;
    RunDrawSamplesWith(windows, 3, 5);
    EXPECT_EQ(windows.calls[2], "DrawIntervalGraph");
    EXPECT_EQ(g_samplesDrawn, 215);
}

TEST_F(ConfIntervalsInTheProgram, AClickOnAnIntervalMarksTheSampleInTheDorvaneWindow) {
    Draw(25, 300);
    const int row = g_ciFirstSample + 12;
    QTest::mouseClick(Ci(), Qt::LeftButton, Qt::NoModifier, QPoint(250, RowY(row)));
    ASSERT_EQ(g_sampleSelected, 1);
    EXPECT_EQ(g_sortedMeanSampleNo[g_selectedPos], row);
    // The Dorvane window highlights it in its column and names its mean.
    EXPECT_FALSE(g_sdSelectionRect.IsEmpty());
    EXPECT_EQ(PixelOf(g_sdMemDC, Centre(g_sdSelectionRect).x(), Centre(g_sdSelectionRect).y()),
              Rgb(0, 0, 0));
    char mean[32];
    std::snprintf(mean, sizeof mean, "x = %.2f", g_sampleStore[row].mean);
    EXPECT_EQ(SelectedSampleText().rfind(mean, 0), 0u) << SelectedSampleText();
}

TEST_F(ConfIntervalsInTheProgram, ADorvaneColumnClickScrollsTheGraphToTheSample) {
    Draw(25, 1000);
    ASSERT_EQ(g_ciFirstSample, 841);
    g_samplingDistWnd->BringUpToDate();
    // Click up the tallest column until the sample picked lies off the page.
    int slot = 1;
    for (int i = 1; i <= kSdColumnSlots; ++i)
        if (g_sdColumnBin[i] &&
            g_meanHistogram[g_sdColumnBin[i]] > g_meanHistogram[std::max(1, g_sdColumnBin[slot])])
            slot = i;
    const Rect column = g_sdColumnRect[slot];
    bool moved = false;
    for (int y = g_sdAxisY - 1; y > column.top && !moved; y -= 3) {
        g_ciFirstSample = 841;
        QTest::mouseClick(g_samplingDistWnd, Qt::LeftButton, Qt::NoModifier,
                          QPoint(Centre(column).x(), y));
        moved = g_sampleSelected && g_selectedSampleNo < 841;
    }
    ASSERT_TRUE(moved);
    const int sample = g_selectedSampleNo;
    EXPECT_EQ(g_ciFirstSample, std::max(1, sample - 100));
    const auto* scroll = qobject_cast<QScrollBar*>(Ci()->Control(IDC_CI_SCROLL));
    EXPECT_EQ(scroll->value(), 1000 - g_ciFirstSample + 1);
    // The page shows it, two pixels thick.
    const RowLine line = LineOfRow(IntervalOf(25, sample), sample);
    const QRgb colour = recount::Covers(sample, 25, 1.959964, true) ? Rgb(0, 0, 0) : Rgb(255, 0, 0);
    EXPECT_EQ(PixelOf(g_ciMemDC, line.xLow, line.y), colour);
    EXPECT_EQ(PixelOf(g_ciMemDC, line.xLow, line.y - 1), colour);
}

TEST_F(ConfIntervalsInTheProgram, SharedFieldsAndSpeedStayAlikeWithTheDorvaneWindow) {
    TypeInto(SdEdit(IDC_SD_SAMPLE_SIZE), "16");
    TypeInto(SdEdit(IDC_SD_NUM_SAMPLES), "300");
    EXPECT_EQ(CiEdit(IDC_CI_SAMPLE_SIZE)->text(), "16");
    EXPECT_EQ(CiEdit(IDC_CI_NUM_SAMPLES)->text(), "300");
    TypeInto(CiEdit(IDC_CI_SAMPLE_SIZE), "36");
    TypeInto(CiEdit(IDC_CI_NUM_SAMPLES), "20000");
    EXPECT_EQ(g_samplingDistWnd->SampleSizeText(), "36");
    EXPECT_EQ(g_samplingDistWnd->NumberOfSamplesText(), "10000");
    EXPECT_EQ(CiEdit(IDC_CI_NUM_SAMPLES)->text(), "10000");
    EXPECT_EQ(messages.size(), 1);

    // The speed pressed in either window shows in both.
    Press(Ci()->Control(IDC_CI_SPEED_3));
    EXPECT_EQ(g_speed, 3);
    EXPECT_TRUE(
        qobject_cast<QPushButton*>(g_samplingDistWnd->Control(IDC_SD_SPEED_3))->isChecked());
    Press(g_samplingDistWnd->Control(IDC_SD_SPEED_S));
    EXPECT_TRUE(qobject_cast<QPushButton*>(Ci()->Control(IDC_CI_SPEED_S))->isChecked());

    // DRAW SAMPLES of the Dorvane window shows its count here as well, at
    // any speed.
    ApplyPreset(PresetShape::Uniform);
    for (const auto& [speed, count] : {std::pair{2, "40"}, std::pair{1, "25"}}) {
        TypeInto(SdEdit(IDC_SD_NUM_SAMPLES), count);
        g_speed = speed;
        Press(g_samplingDistWnd->Control(IDC_SD_DRAW_SAMPLES));
        EXPECT_EQ(qobject_cast<QLabel*>(Ci()->Control(IDC_CI_TOTAL_DRAWN))->text(), count);
    }
}

TEST_F(ConfIntervalsInTheProgram, ThePossibleMeanFollowsThePopulation) {
    g_ciPopMean = 7.0f;
    ApplyPreset(PresetShape::SkewedMinus);
    EXPECT_EQ(g_ciPopMean, g_popMean);
    ASSERT_TRUE(Choose(ID_MEASUREMENT_BINOMIAL));
    SetBinomialP(0.35f);
    EXPECT_FLOAT_EQ(g_ciPopMean, g_popMean);
    EXPECT_NEAR(g_ciPopMean, 0.35f, 0.01f);
    // The true value line stands at 10 p on the graph.
    Ci()->RedrawConfIntervalWindow();
    EXPECT_EQ(PixelOf(g_ciMemDC, GraphX(10.0f * g_popMean), 100), Rgb(0, 0, 255));
    // Back to a measurement: 0.35 of the axis is 3.5, not 0.35 on 0 to 10.
    const float p = g_popMean;
    ASSERT_TRUE(Choose(ID_MEASUREMENT_CONTINUOUS));
    EXPECT_FLOAT_EQ(g_ciPopMean, 10.0f * p);

    // With Possible Mu on and no sample selected the curve is shaded grey,
    // neither plausible nor not.
    ApplyPreset(PresetShape::Normal);
    ASSERT_TRUE(Choose(ID_OPTIONS_POSSIBLE_MU));
    const PossibleMuFigure f = ComputePossibleMu(CiEdit(IDC_CI_SAMPLE_SIZE)->text().toInt());
    ASSERT_TRUE(f.hasCurve);
    EXPECT_FALSE(f.verdict);
    EXPECT_EQ(PixelOf(g_ciMemDC, f.xCentre + 2, f.baseY - 5), Rgb(210, 210, 210));
    SaveSnapshot(Ci()->grab().toImage(), "ci-possible-mu-no-selection");
}

TEST_F(ConfIntervalsInTheProgram, OneSampleStaysSelectedThroughAddMoreAndNoneLeavesNoMark) {
    // Skew +, 10 samples of 5; sample 10, the one the Samples window shows
    // after the run, is clicked there.
    ApplyPreset(PresetShape::SkewedPlus);
    Press(Ci()->Control(IDC_CI_SPEED_F));
    TypeInto(SdEdit(IDC_SD_SAMPLE_SIZE), "5");
    TypeInto(SdEdit(IDC_SD_NUM_SAMPLES), "10");
    QWidget* draw = g_samplingDistWnd->Control(IDC_SD_DRAW_SAMPLES);
    Press(draw);
    ASSERT_EQ(g_samplesDrawn, 10);
    QTest::mouseClick(g_samplesWnd, Qt::LeftButton, Qt::NoModifier, QPoint(150, 150));

    // Its own mean and SD, from its five values.
    double sum = 0.0, squares = 0.0;
    for (int j = 1; j <= 5; ++j)
        sum += g_sampleStore[10].values[j];
    const double mean = sum / 5.0;
    for (int j = 1; j <= 5; ++j)
        squares += (g_sampleStore[10].values[j] - mean) * (g_sampleStore[10].values[j] - mean);
    const double sd = std::sqrt(squares / 4.0);
    char meanText[16], sdText[16];
    std::snprintf(meanText, sizeof meanText, "%.2f", mean);
    std::snprintf(sdText, sizeof sdText, "%.2f", sd);
    const QRgb black = Rgb(0, 0, 0);
    auto showsSampleTen = [&](const char* when) {
        SCOPED_TRACE(when);
        // Dorvane: its figures, and its mark is where a click selects it
        // again (and the arrow keys step on from its place in the means).
        EXPECT_EQ(SelectedSampleText(), std::string("x = ") + meanText + ", s = " + sdText);
        EXPECT_EQ(g_sortedMeanSampleNo[g_selectedPos], 10);
        ASSERT_FALSE(g_sdSelectionRect.IsEmpty());
        const QPoint mark = Centre(g_sdSelectionRect);
        EXPECT_EQ(PixelOf(g_sdMemDC, mark.x(), mark.y()), black);
        QTest::mouseClick(g_samplingDistWnd, Qt::LeftButton, Qt::NoModifier, mark);
        EXPECT_EQ(SelectedSampleRow(), 10);
        // Samples: framed when shown, not another one.
        for (int shown : {10, 11}) {
            g_currentSampleNo = shown;
            g_samplesWnd->RedrawSamplesWindow();
            EXPECT_EQ(PixelOf(g_samplesMemDC, 150, 40) == black, shown == 10) << shown;
        }
        // Confidence Intervals: its interval in the strip, on its own row in
        // either order (sorted, its place among the means, a later sample
        // first among equal means).
        for (QWidget* order : {Ci()->Control(IDC_CI_SORT_ON), Ci()->Control(IDC_CI_SORT_OFF)}) {
            Press(order);
            int row = 10;
            if (g_sortByMeans) {
                row = 1;
                for (int s = 1; s <= g_samplesDrawn; ++s)
                    if (g_sampleStore[s].mean < g_sampleStore[10].mean ||
                        (g_sampleStore[s].mean == g_sampleStore[10].mean && s > 10))
                        ++row;
            }
            EXPECT_EQ(g_selectedSampleNo, row);
            const SelectedStrip strip = ComputeSelectedStrip(5);
            EXPECT_EQ(strip.centreText, meanText);
            EXPECT_EQ(strip.sText, std::string("s = ") + sdText);
        }
    };
    showsSampleTen("selected");

    // ADD MORE, pressed in the Samples window: every window names it so.
    Press(g_samplesWnd->Control(IDC_SAMPLES_SERIES_MODE));
    auto text = [](QWidget* button) { return qobject_cast<QPushButton*>(button)->text(); };
    EXPECT_EQ(text(g_samplesWnd->Control(IDC_SAMPLES_SERIES_MODE)), "ADD\nMORE");
    EXPECT_EQ(text(g_samplingDistWnd->Control(IDC_SD_SERIES_MODE)), "ADD\nMORE");
    EXPECT_EQ(text(Ci()->Control(IDC_CI_SERIES_MODE)), "ADD MORE");
    for (int more = 1; more <= 2; ++more) {
        Press(draw);
        ASSERT_EQ(g_samplesDrawn, 10 + 10 * more);
        showsSampleTen(more == 1 ? "after one ADD MORE" : "after two");
    }
    const QPoint mark = Centre(g_sdSelectionRect);
    g_currentSampleNo = 10;
    g_samplesWnd->RedrawSamplesWindow();
    for (CToolWindow* w :
         std::initializer_list<CToolWindow*>{g_samplingDistWnd, g_samplesWnd, Ci()})
        SaveSnapshot(w->grab().toImage(), QStringLiteral("selection-after-add-more-") + w->Tag());

    // Dropped in the Confidence Intervals window (a click above the last
    // row), and gone with its series after NEW SERIES: no mark anywhere.
    QTest::mouseClick(Ci(), Qt::LeftButton, Qt::NoModifier, QPoint(250, RowY(31) - 1));
    EXPECT_EQ(g_sampleSelected, 0);
    EXPECT_NE(PixelOf(g_sdMemDC, mark.x(), mark.y()), black);
    QTest::mouseClick(g_samplingDistWnd, Qt::LeftButton, Qt::NoModifier, mark);
    ASSERT_EQ(g_sampleSelected, 1);
    Press(g_samplingDistWnd->Control(IDC_SD_SERIES_MODE));
    EXPECT_EQ(text(g_samplesWnd->Control(IDC_SAMPLES_SERIES_MODE)), "NEW\nSERIES");
    Press(draw);
    ASSERT_EQ(g_samplesDrawn, 10);
    EXPECT_EQ(g_sampleSelected, 0);
    EXPECT_NE(PixelOf(g_sdMemDC, mark.x(), mark.y()), black);
    for (int shown = 1; shown <= 10; ++shown) {
        g_currentSampleNo = shown;
        g_samplesWnd->RedrawSamplesWindow();
        EXPECT_NE(PixelOf(g_samplesMemDC, 150, 40), black) << shown;
    }
}
