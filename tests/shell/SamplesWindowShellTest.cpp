// The Samples window inside the whole program: its place in the start-up
// line-up, Window > Samples and Close Window with its tag, the engine's calls
// reaching it through the shell at speeds "4" and F while it is shown and
// hidden, and one selected sample shown in it and in the Dorvane window.
#include "tests/shell/ShellTestSupport.h"

#include "core/Population.h"
#include "core/SamplingEngine.h"
#include "core/Random.h"
#include "core/SimulationState.h"
#include "resources/Resource.h"
#include "shell/Run.h"
#include "shell/WindowViews.h"
#include "ui/DrawingResources.h"
#include "windows/population/PopulationDlg.h"
#include "windows/sampdist/SamplingDistDlg.h"
#include "windows/samples/SamplesDlg.h"

#include <QMdiArea>
#include <QMdiSubWindow>
#include <QPushButton>
#include <QScrollBar>
#include <QTest>
#include <algorithm>
#include <string>
#include <vector>

namespace {

class SamplesInFrame : public ShellTest {
  protected:
    void SetUp() override {
        ShellTest::SetUp();
        SetMillisecondWait([this](int) { calls.push_back("Fall"); });
    }
    void TearDown() override {
        ShellTest::TearDown();
    }
    static CSamplesDlg* Samples() { return g_samplesWnd; }
    static QScrollBar* Scroll() {
        return qobject_cast<QScrollBar*>(g_samplesWnd->Control(IDC_SAMPLES_SCROLL));
    }

    std::vector<std::string> calls;
};

// The shell's own forwards, with the Samples window's calls written down on
// their way and no time spent in the engine's pauses.
class RecordingViews : public CWindowDisplays {
  public:
    explicit RecordingViews(std::vector<std::string>& calls) : m_calls(calls) {}
    void DrawSampleHistogram(int s, int animate, int c) override {
        Add("DrawSampleHistogram(" + std::to_string(s) + "," + std::to_string(animate) + "," +
            std::to_string(c) + ")");
        CWindowDisplays::DrawSampleHistogram(s, animate, c);
    }
    void RedrawSamplesWindow() override {
        Add("RedrawSamplesWindow");
        CWindowDisplays::RedrawSamplesWindow();
    }
    void SetSamplesScrollBar(int m, int p) override {
        Add("SetSamplesScrollBar(" + std::to_string(m) + "," + std::to_string(p) + ")");
        CWindowDisplays::SetSamplesScrollBar(m, p);
    }
    void Pause(int) override {}

  private:
    void Add(const std::string& call) { m_calls.push_back(call); }
    std::vector<std::string>& m_calls;
};

std::string Joined(const std::vector<std::string>& calls, bool withFalls) {
    std::string text;
    for (const std::string& call : calls)
        if (withFalls || call != "Fall") text += (text.empty() ? "" : " ") + call;
    return text;
}

} // namespace

TEST_F(SamplesInFrame, StandsInTheLineUpAndKeepsTheSpeedInLine) {
    ASSERT_NE(Samples(), nullptr);
    EXPECT_TRUE(Samples()->IsToolVisible());
    EXPECT_EQ(g_samplesWndVisible, 1);
    EXPECT_STREQ(Samples()->Tag(), "SAMPLE");
    EXPECT_EQ(Samples()->size(), QSize(320, 402));
    const QRect pop = g_populationWnd->ToolGeometry();
    EXPECT_EQ(Samples()->ToolGeometry().topLeft(), QPoint(pop.x() + pop.width(), 0));
    // Made after the Dorvane window, so above it.
    const QList<QMdiSubWindow*> stack = Frame().MdiArea()->subWindowList(QMdiArea::StackingOrder);
    EXPECT_LT(stack.indexOf(g_samplingDistWnd->Frame()), stack.indexOf(Samples()->Frame()));
    // The fields start as the Dorvane window's.
    EXPECT_EQ(Samples()->SampleSizeText(), g_samplingDistWnd->SampleSizeText());

    // One speed in every window, whichever was pressed.
    QWidget* three = Samples()->Control(IDC_SAMPLES_SPEED_3);
    QTest::mouseClick(three, Qt::LeftButton, Qt::NoModifier, three->rect().center());
    EXPECT_EQ(g_speed, 3);
    EXPECT_TRUE(
        qobject_cast<QPushButton*>(g_samplingDistWnd->Control(IDC_SD_SPEED_3))->isChecked());
    SaveSnapshot(Frame().grab().toImage(), "frame-with-samples");
}

TEST_F(SamplesInFrame, CloseWindowWithItsTagHidesItAndTheWindowMenuBringsItBack) {
    QTest::mouseClick(Samples(), Qt::LeftButton, Qt::NoModifier, QPoint(100, 100));
    EXPECT_EQ(g_activeWindowTag, "SAMPLE");
    ASSERT_TRUE(Choose(ID_WINDOW_CLOSE));
    EXPECT_FALSE(Samples()->IsToolVisible());
    EXPECT_EQ(g_samplesWndVisible, 0);
    EXPECT_TRUE(g_samplingDistWnd->IsToolVisible());

    ASSERT_TRUE(Choose(ID_WINDOW_POPULATION));
    ASSERT_TRUE(Choose(ID_WINDOW_SAMPLES));
    EXPECT_TRUE(Samples()->IsToolVisible());
    EXPECT_EQ(g_samplesWndVisible, 1);
    EXPECT_EQ(g_activeWindowTag, "SAMPLE");
    EXPECT_EQ(Frame().MdiArea()->subWindowList(QMdiArea::StackingOrder).last(), Samples()->Frame());

    // Its close box hides it too; moving it makes it the window used last.
    g_activeWindowTag = "POP";
    Samples()->Frame()->move(Samples()->Frame()->pos() + QPoint(7, 5));
    EXPECT_EQ(g_activeWindowTag, "SAMPLE");
    Samples()->Frame()->close();
    EXPECT_FALSE(Samples()->IsToolVisible());
    EXPECT_EQ(g_samplesWndVisible, 0);
    EXPECT_NE(g_samplesWnd, nullptr); // hidden, not destroyed
}

TEST_F(SamplesInFrame, EngineCallsReachTheWindowShownAndHidden) {
    ApplyPreset(PresetShape::Normal);
    RecordingViews views(calls);
    const std::string ending = "SetSamplesScrollBar(2,2) DrawSampleHistogram(2,0,0)";
    struct Case {
        int speed;
        bool shown;
        std::string samplesCalls; // the values' own calls left out
    };
    const Case cases[] = {
        {2, true,
         "SetSamplesScrollBar(1,1) DrawSampleHistogram(1,0,0) SetSamplesScrollBar(2,2) "
         "DrawSampleHistogram(2,0,0) " +
             ending + " RedrawSamplesWindow RedrawSamplesWindow"},
        {1, true,
         "SetSamplesScrollBar(1,1) SetSamplesScrollBar(2,2) " + ending +
             " RedrawSamplesWindow RedrawSamplesWindow"},
        {2, false, "SetSamplesScrollBar(1,1) SetSamplesScrollBar(2,2) " + ending},
        {1, false, "SetSamplesScrollBar(1,1) SetSamplesScrollBar(2,2) " + ending},
    };
    for (const Case& c : cases) {
        if (!c.shown) {
            g_activeWindowTag = "SAMPLE";
            ASSERT_TRUE(Choose(ID_WINDOW_CLOSE));
        } else {
            ASSERT_TRUE(Choose(ID_WINDOW_SAMPLES));
        }
        g_speed = c.speed;
        Scroll()->setRange(1, 1);
        g_samplesMemDC.fill(Qt::black); // whatever the run leaves, it painted
        calls.clear();
        RunDrawSamplesWith(views, 2, 3);

        std::vector<std::string> samplesCalls;
        std::vector<std::string> valueCalls;
        for (const std::string& call : calls)
            (call.find(",1,") != std::string::npos ? valueCalls : samplesCalls).push_back(call);
        EXPECT_EQ(Joined(samplesCalls, false), c.samplesCalls) << c.speed << " " << c.shown;

        if (c.speed > 1 && c.shown) {
            // Each value of each sample, in drawing order, with its tally
            // column; the first of a sample falls five counts.
            std::vector<std::string> expected;
            for (int r = 1; r <= 2; ++r)
                for (int j = 1; j <= 3; ++j)
                    expected.push_back("DrawSampleHistogram(" + std::to_string(r) + ",1," +
                                       std::to_string(int(2 * g_sampleStore[r].values[j] + 1)) +
                                       ")");
            EXPECT_EQ(valueCalls, expected);
            const std::string all = Joined(calls, true);
            EXPECT_NE(all.find(expected[0] + " Fall Fall Fall Fall Fall " + expected[1]),
                      std::string::npos);
        } else {
            EXPECT_TRUE(valueCalls.empty()) << c.speed << " " << c.shown;
            EXPECT_EQ(std::count(calls.begin(), calls.end(), "Fall"), 0);
        }
        // Shown or not, the window ends on the last sample.
        EXPECT_EQ(Scroll()->maximum(), 2);
        EXPECT_EQ(Scroll()->value(), 2);
        EXPECT_EQ(PixelOf(g_samplesMemDC, 100, 100), Rgb(250, 250, 250));
    }
}

TEST_F(SamplesInFrame, OneSelectionIsShownHereAndInTheDorvaneWindow) {
    ApplyPreset(PresetShape::SkewedPlus);
    g_samplingDistWnd->SetSampleSizeText("25");
    g_samplingDistWnd->SetNumberOfSamplesText("300");
    g_speed = 1;
    QWidget* draw = g_samplingDistWnd->Control(IDC_SD_DRAW_SAMPLES);
    QTest::mouseClick(draw, Qt::LeftButton, Qt::NoModifier, draw->rect().center());
    ASSERT_EQ(g_samplesDrawn, 300);
    ASSERT_EQ(Scroll()->value(), 300);

    // A click on the shown sample here: the Dorvane window marks it in the
    // column its mean falls in.
    QTest::mouseClick(Samples(), Qt::LeftButton, Qt::NoModifier, QPoint(150, 150));
    int position = 0;
    for (int k = 1; k <= 300; ++k)
        if (g_sortedMeanSampleNo[k] == 300) position = k;
    EXPECT_EQ(g_sampleSelected, 1);
    EXPECT_EQ(g_selectedPos, position);
    EXPECT_EQ(g_selectedSampleNo, 300);
    ASSERT_FALSE(g_sdSelectionRect.IsEmpty());
    EXPECT_EQ(PixelOf(g_sdMemDC, Centre(g_sdSelectionRect).x(), Centre(g_sdSelectionRect).y()),
              Rgb(0, 0, 0));
    int slot = 0;
    for (int i = 1; i <= kSdColumnSlots; ++i)
        if (g_sdColumnRect[i].Contains(Centre(g_sdSelectionRect).x(), g_sdSelectionRect.top))
            slot = i;
    ASSERT_GT(slot, 0);
    EXPECT_EQ(g_sdColumnBin[slot], HistogramBin(g_sampleStore[300].mean));
    EXPECT_EQ(PixelOf(g_samplesMemDC, 150, 40), Rgb(0, 0, 0)); // framed here

    // A click at the foot of another column there shows its first sample here.
    int other = 0;
    for (int i = 1; i <= kSdColumnSlots && !other; ++i)
        if (i != slot && !g_sdColumnRect[i].IsEmpty() && g_meanHistogram[g_sdColumnBin[i]] >= 3)
            other = i;
    ASSERT_GT(other, 0);
    const QPoint foot(Centre(g_sdColumnRect[other]).x(), g_sdAxisY - 1);
    QTest::mouseClick(g_samplingDistWnd, Qt::LeftButton, Qt::NoModifier, foot);
    int below = 0;
    for (int bin = 1; bin < g_sdColumnBin[other]; ++bin)
        below += g_meanHistogram[bin];
    EXPECT_EQ(g_selectedPos, below + 1);
    const int shown = g_sortedMeanSampleNo[below + 1];
    EXPECT_EQ(g_currentSampleNo, shown);
    EXPECT_EQ(Scroll()->value(), shown);
    EXPECT_EQ(PixelOf(g_samplesMemDC, 150, 40), Rgb(0, 0, 0));
    SaveSnapshot(Frame().grab().toImage(), "frame-selection");
}
