// The tool windows in the main frame as a teacher meets them: frames that
// keep the size their pictures are drawn for, and a switch of measurement
// kind that leaves no figure of the discarded series and no slider off the
// axis behind.
#include "tests/shell/ShellTestSupport.h"

#include "core/Population.h"
#include "core/SimulationState.h"
#include "resources/Resource.h"
#include "ui/ToolWindow.h"
#include "windows/population/BinomialPopDlg.h"
#include "windows/population/PopSettingsDlg.h"
#include "windows/population/PopulationDlg.h"
#include "windows/sampdist/SampDistModel.h"
#include "windows/sampdist/SamplingDistDlg.h"

#include <QLabel>
#include <QLineEdit>
#include <QMdiSubWindow>
#include <QPushButton>
#include <QTest>
#include <cmath>

namespace {

using Frames = ShellTest;

TEST_F(Frames, ToolWindowFramesCannotBeResized) {
    for (CToolWindow* window : {static_cast<CToolWindow*>(g_populationWnd),
                                static_cast<CToolWindow*>(g_samplingDistWnd)}) {
        QMdiSubWindow* frame = window->Frame();
        ASSERT_NE(frame, nullptr);
        const QSize size = frame->size();
        const QSize client = window->size();
        // Drag the frame's bottom right corner outwards and back inwards.
        for (QPoint by : {QPoint(60, 40), QPoint(-80, -60)}) {
            const QPoint corner(frame->width() - 2, frame->height() - 2);
            QTest::mousePress(frame, Qt::LeftButton, Qt::NoModifier, corner);
            SendMove(frame, corner + by, Qt::LeftButton);
            QTest::mouseRelease(frame, Qt::LeftButton, Qt::NoModifier, corner + by);
            EXPECT_EQ(frame->size(), size) << window->Tag();
            EXPECT_EQ(window->size(), client) << window->Tag();
        }
        EXPECT_EQ(frame->minimumSize(), frame->maximumSize()) << window->Tag();
    }
}

class Switches : public ShellTest {
  protected:
    // A series drawn with the Dorvane window's own button at speed F.
    void Draw(int n, int count) {
        g_samplingDistWnd->SetSampleSizeText(QString::number(n));
        g_samplingDistWnd->SetNumberOfSamplesText(QString::number(count));
        g_speed = 1;
        QWidget* button = g_samplingDistWnd->Control(IDC_SD_DRAW_SAMPLES);
        QTest::mouseClick(button, Qt::LeftButton, Qt::NoModifier, button->rect().center());
        ASSERT_EQ(g_samplesDrawn, count);
    }
    static QString Readout(int id) {
        return qobject_cast<QLabel*>(g_samplingDistWnd->Control(id))->text();
    }
    static QString Figures() {
        QString all;
        for (int id : {IDC_SD_TOTAL_DRAWN, IDC_SD_MEAN_OF_MEANS, IDC_SD_SD_OF_MEANS,
                       IDC_SD_MEAN_OF_SDS, IDC_SD_SD_OF_SDS})
            all += Readout(id);
        return all;
    }
};

TEST_F(Switches, ASwitchOfKindEmptiesTheFiguresOfTheSeries) {
    for (int kind : {ID_MEASUREMENT_BINOMIAL, ID_MEASUREMENT_DISCRETE, ID_MEASUREMENT_CONTINUOUS}) {
        if (kind == ID_MEASUREMENT_BINOMIAL)
            ApplyPreset(PresetShape::Normal);
        else if (kind == ID_MEASUREMENT_DISCRETE)
            SetBinomialP(0.4f);
        else
            ApplyPreset(PresetShape::Bimodal);
        Draw(5, 300);
        ASSERT_EQ(Readout(IDC_SD_TOTAL_DRAWN), "300");
        ASSERT_TRUE(Choose(kind));
        EXPECT_EQ(Figures(), "") << kind;
    }
}

TEST_F(Switches, ASliderLeftOffTheAxisByANewKindComesBackOnIt) {
    // A population shown as mean 100 and SD 15.
    ApplyPreset(PresetShape::Normal);
    ASSERT_TRUE(Choose(ID_WINDOW_POP_SETTINGS));
    g_popSettingsWnd->MeanField()->setText(QStringLiteral("100"));
    g_popSettingsWnd->SdField()->setText(QStringLiteral("15"));
    QTest::mouseClick(g_popSettingsWnd->Button(IDC_SETTINGS_SET), Qt::LeftButton);
    ASSERT_FLOAT_EQ(g_dispScale, 15.0f / g_popSD);
    g_samplingDistWnd->SetSampleSizeText(QStringLiteral("10"));
    // The slider on the middle of the axis, at a shown 100.
    g_leftSliderZ = 0.0f;
    RecomputeSliderValues();
    ASSERT_FLOAT_EQ(g_leftSliderValue, 100.0f);
    // Binomial p = .5, with z values: the slider stands on the axis of
    // proportions, 0 to about 1.04, so within about 3.4 standard errors of .5.
    ASSERT_TRUE(Choose(ID_MEASUREMENT_BINOMIAL));
    QTest::mouseClick(g_binomialWnd->Button(11), Qt::LeftButton); // ".50"
    ASSERT_FLOAT_EQ(g_popMean, 0.5f);
    ASSERT_TRUE(Choose(ID_OPTIONS_Z_VALUES));
    const float end = AxisPixelToValue(g_sdAxisRight, 1);
    const float threshold = SliderThreshold(g_leftSliderZ);
    EXPECT_GE(threshold, 0.0f);
    EXPECT_LE(threshold, end);
    EXPECT_LT(std::abs(g_leftSliderZ), (end - 0.5) / std::sqrt(0.25 / 10) + 0.01);
    EXPECT_EQ(g_leftSliderHidden, 0);
}

} // namespace
