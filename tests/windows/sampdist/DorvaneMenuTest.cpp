// What the Options menu of the main frame does to the Dorvane window.
#include "tests/windows/sampdist/SampDistTestSupport.h"

#include "core/SamplingEngine.h"
#include "shell/MainFrame.h"

#include <QAction>
#include <vector>

namespace {

std::vector<int> Histogram() {
    return std::vector<int>(g_meanHistogram + 1, g_meanHistogram + kHistogramBins + 1);
}

class DorvaneInFrame : public GuiTest {
  protected:
    void SetUp() override {
        GuiTest::SetUp();
        frame = std::make_unique<CMainFrame>();
        frame->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(frame.get()));
    }
    void TearDown() override {
        frame.reset();
        GuiTest::TearDown();
    }
    void Command(int id) { frame->CommandAction(id)->trigger(); }
    static int ActualNumber() {
        return qobject_cast<QLabel*>(g_samplingDistWnd->Control(IDC_SD_ACTUAL_NUMBER))
            ->text()
            .toInt();
    }
    void Draw(PresetShape shape, int n, int count) {
        ApplyPreset(shape);
        g_leftSliderZ = 0.0f;
        RecomputeSliderValues();
        g_samplingDistWnd->SetSampleSizeText(QString::number(n));
        g_samplingDistWnd->SetNumberOfSamplesText(QString::number(count));
        g_speed = 1;
        QWidget* button = g_samplingDistWnd->Control(IDC_SD_DRAW_SAMPLES);
        QTest::mouseClick(button, Qt::LeftButton, Qt::NoModifier, button->rect().center());
        ASSERT_EQ(g_samplesDrawn, count);
    }

    std::unique_ptr<CMainFrame> frame;
};

TEST_F(DorvaneInFrame, ObservedZAndTValuesRebinTheHistogram) {
    Draw(PresetShape::SkewedPlus, 5, 600);
    const std::vector<int> means = Histogram();
    // T values put every sample's t on the scale of the means: other bins.
    Command(ID_OPTIONS_T_VALUES);
    std::vector<int> expected(kHistogramBins, 0);
    for (int r = 1; r <= 600; ++r) {
        const SampleRow& row = g_sampleStore[r];
        if (const int bin = HistogramBin(HistogramStatistic(row.mean, row.sd, 5)))
            ++expected[bin - 1];
    }
    EXPECT_EQ(Histogram(), expected);
    EXPECT_NE(Histogram(), means);
    SaveSnapshot(g_samplingDistWnd->grab().toImage(), "sd-t-values");
    Command(ID_OPTIONS_Z_VALUES);
    EXPECT_EQ(Histogram(), means); // z values are the means, labelled anew
    Command(ID_OPTIONS_T_VALUES);
    Command(ID_OPTIONS_OBSERVED);
    EXPECT_EQ(Histogram(), means);
    EXPECT_EQ(g_samplesDrawn, 600); // the series itself stays
}

TEST_F(DorvaneInFrame, ProportionAndSliderOptionsActOnTheReadouts) {
    Draw(PresetShape::Normal, 16, 1000);
    const int below = ActualNumber();
    Command(ID_OPTIONS_PROPORTION_ABOVE);
    EXPECT_EQ(ActualNumber(), 1000 - below);
    Command(ID_OPTIONS_PROPORTION_BELOW);
    EXPECT_EQ(ActualNumber(), below);

    g_leftSliderZ = 1.5f;
    Command(ID_OPTIONS_TWO_SLIDERS_TANDEM);
    EXPECT_FLOAT_EQ(g_leftSliderZ, -1.5f);
    EXPECT_FLOAT_EQ(g_rightSliderZ, 1.5f);
    // Between -1.5 and +1.5 standard errors: about 87 % of a normal.
    const auto* normal = qobject_cast<QLabel*>(g_samplingDistWnd->Control(IDC_SD_Z_PROPORTION));
    EXPECT_NEAR(normal->text().toDouble(), 0.8664, 0.002);
    EXPECT_EQ(ActualNumber(), CountAtOrBelow(1.5f) - CountAtOrBelow(-1.5f));
    // The right handle is drawn in blue under the axis.
    bool blue = false;
    for (int x = g_rightSliderRect.left; x < g_rightSliderRect.right; ++x)
        for (int y = g_rightSliderRect.top; y < g_rightSliderRect.bottom; ++y)
            blue |= SdPixel(x, y) == kBlue;
    EXPECT_TRUE(blue);
    SaveSnapshot(g_samplingDistWnd->grab().toImage(), "sd-tandem");

    Command(ID_OPTIONS_ONE_SLIDER);
    EXPECT_EQ(ActualNumber(), CountAtOrBelow(-1.5f));
}

} // namespace
