// The Dorvane window inside the main frame: its Window menu command and
// start-up place, and what the Options menu does to it.
#include "tests/windows/sampdist/SampDistTestSupport.h"

#include "core/SamplingEngine.h"
#include "shell/MainFrame.h"
#include "windows/sampdist/SampDistModel.h"

#include <QAction>
#include <QMdiSubWindow>
#include <vector>

namespace {

std::vector<int> Histogram() {
    return std::vector<int>(g_meanHistogram + 1, g_meanHistogram + kHistogramBins + 1);
}

// The histogram the engine would have filled for the statistic now shown.
std::vector<int> ExpectedHistogram() {
    std::vector<int> bins(kHistogramBins, 0);
    for (int r = 1; r <= g_samplesDrawn; ++r) {
        const SampleRow& row = g_sampleStore[r];
        const int bin = HistogramBin(HistogramStatistic(row.mean, row.sd, g_seriesSampleSize));
        if (bin > 0) ++bins[bin - 1];
    }
    return bins;
}

} // namespace

class DorvaneInFrame : public GuiTest {
  protected:
    void SetUp() override {
        GuiTest::SetUp();
        frame = std::make_unique<CMainFrame>();
        frame->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(frame.get()));
        ASSERT_NE(g_samplingDistWnd, nullptr);
    }
    void TearDown() override {
        frame.reset();
        GuiTest::TearDown();
    }
    void Command(int id) {
        QAction* action = frame->CommandAction(id);
        ASSERT_NE(action, nullptr) << id;
        action->trigger();
    }
    QString Text(int id) const {
        if (auto* label = qobject_cast<QLabel*>(g_samplingDistWnd->Control(id)))
            return label->text();
        return {};
    }
    void Draw(int n, int count) {
        g_leftSliderZ = 0.0f;
        RecomputeSliderValues();
        g_samplingDistWnd->SetSampleSizeText(QString::number(n));
        g_samplingDistWnd->SetNumberOfSamplesText(QString::number(count));
        g_speed = 1;
        QWidget* button = g_samplingDistWnd->Control(IDC_SD_DRAW_SAMPLES);
        QTest::mouseClick(button, Qt::LeftButton, Qt::NoModifier, button->rect().center());
    }

    std::unique_ptr<CMainFrame> frame;
};

TEST_F(DorvaneInFrame, ShownAtStartUpBesideThePopulationWindow) {
    EXPECT_EQ(g_samplingDistWndVisible, 1);
    EXPECT_TRUE(g_samplingDistWnd->IsToolVisible());
    EXPECT_EQ(g_samplingDistWnd->Frame()->windowTitle(), "Dorvane");
    EXPECT_EQ(g_samplingDistWnd->size(), QSize(624, 446));
    ASSERT_NE(g_populationWnd, nullptr);
    const QRect population = g_populationWnd->ToolGeometry();
    EXPECT_EQ(g_samplingDistWnd->ToolGeometry().left(), population.left() + population.width());
    SaveSnapshot(frame->grab().toImage(), "sd-frame-start");
}

TEST_F(DorvaneInFrame, WindowCommandShowsItAgainAfterCloseWindow) {
    g_activeWindowTag = "CLT";
    Command(ID_WINDOW_CLOSE);
    EXPECT_EQ(g_samplingDistWndVisible, 0);
    EXPECT_FALSE(g_samplingDistWnd->IsToolVisible());
    g_activeWindowTag = "POP";
    Command(ID_WINDOW_SAMPLING_DIST);
    EXPECT_EQ(g_samplingDistWndVisible, 1);
    EXPECT_TRUE(g_samplingDistWnd->IsToolVisible());
    EXPECT_EQ(g_activeWindowTag, "CLT");
    // The panel was refreshed: the standard error of n = 1 stands in its field.
    EXPECT_EQ(Text(IDC_SD_INTERVAL_WIDTH), QString::asprintf("%.3f", g_popSD));
}

TEST_F(DorvaneInFrame, ObservedZAndTValuesRebinTheHistogram) {
    ApplyPreset(PresetShape::SkewedPlus);
    Draw(5, 600);
    ASSERT_EQ(g_samplesDrawn, 600);
    const std::vector<int> means = Histogram();
    Command(ID_OPTIONS_T_VALUES);
    EXPECT_EQ(g_showTValues, 1);
    EXPECT_EQ(Histogram(), ExpectedHistogram());
    EXPECT_NE(Histogram(), means);
    SaveSnapshot(g_samplingDistWnd->grab().toImage(), "sd-t-values");
    Command(ID_OPTIONS_Z_VALUES);
    EXPECT_EQ(g_showZValues, 1);
    EXPECT_EQ(Histogram(), means); // z values are the means, labelled anew
    Command(ID_OPTIONS_OBSERVED);
    EXPECT_EQ(Histogram(), means);
}

TEST_F(DorvaneInFrame, ProportionAndSliderOptionsActOnTheReadouts) {
    ApplyPreset(PresetShape::Normal);
    Draw(16, 1000);
    const int below = Text(IDC_SD_ACTUAL_NUMBER).toInt();
    Command(ID_OPTIONS_PROPORTION_ABOVE);
    EXPECT_EQ(Text(IDC_SD_ACTUAL_NUMBER).toInt(), 1000 - below);
    Command(ID_OPTIONS_PROPORTION_BELOW);
    EXPECT_EQ(Text(IDC_SD_ACTUAL_NUMBER).toInt(), below);

    g_leftSliderZ = 1.5f;
    Command(ID_OPTIONS_TWO_SLIDERS_TANDEM);
    EXPECT_FLOAT_EQ(g_leftSliderZ, -1.5f);
    EXPECT_FLOAT_EQ(g_rightSliderZ, 1.5f);
    EXPECT_FALSE(g_rightSliderRect.IsEmpty());
    // Between -1.5 and +1.5 standard errors: about 87 % of a normal.
    EXPECT_NEAR(Text(IDC_SD_Z_PROPORTION).toDouble(), 0.8664, 0.002);
    EXPECT_EQ(Text(IDC_SD_ACTUAL_NUMBER).toInt(), CountAtOrBelow(1.5f) - CountAtOrBelow(-1.5f));
    SaveSnapshot(g_samplingDistWnd->grab().toImage(), "sd-tandem");

    Command(ID_OPTIONS_ONE_SLIDER);
    EXPECT_EQ(g_oneSlider, 1);
    EXPECT_EQ(Text(IDC_SD_ACTUAL_NUMBER).toInt(), CountAtOrBelow(-1.5f));
}
