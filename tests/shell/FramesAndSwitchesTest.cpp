// The tool windows in the main frame as a teacher meets them: frames that
// keep the size their pictures are drawn for; a discarded series (a switch of
// measurement kind, a preset, a sample size) that leaves no figure behind in
// either window, no theoretical readout without a theory and no slider off
// the axis; and figures that follow the population's shown mean and SD.
#include "tests/shell/ShellTestSupport.h"

#include "core/Population.h"
#include "core/SimulationState.h"
#include "resources/Resource.h"
#include "ui/ToolWindow.h"
#include "windows/confint/ConfIntervalDlg.h"
#include "windows/population/BinomialPopDlg.h"
#include "windows/population/PopSettingsDlg.h"
#include "windows/population/PopulationDlg.h"
#include "windows/sampdist/SampDistModel.h"
#include "windows/sampdist/SamplingDistDlg.h"
#include "windows/sampdist/SliderModel.h"

#include <QLabel>
#include <QLineEdit>
#include <QMdiSubWindow>
#include <QPushButton>
#include <QTest>
#include <cmath>
#include <functional>

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

TEST_F(Switches, ADiscardedSeriesLeavesNoFigureAndNoTheoryNoTheoreticalReadout) {
    auto ciTotal = [] {
        return qobject_cast<QLabel*>(g_confIntervalWnd->Control(IDC_CI_TOTAL_DRAWN))->text();
    };
    auto typeSampleSize = [](const char* n) {
        TypeInto(qobject_cast<QLineEdit*>(g_samplingDistWnd->Control(IDC_SD_SAMPLE_SIZE)), n);
    };
    struct Case {
        const char* what;
        int kind;                       // chosen before the series is drawn
        std::function<void()> populate; // the population the series is drawn from
        std::function<void()> discard;  // what ends the series
        bool theory;                    // a sampling distribution in theory after it
    };
    const auto normal = [] { ApplyPreset(PresetShape::Normal); };
    const Case cases[] = {
        {"to binomial", ID_MEASUREMENT_CONTINUOUS, normal,
         [this] { ASSERT_TRUE(Choose(ID_MEASUREMENT_BINOMIAL)); }, false},
        {"to discrete", ID_MEASUREMENT_BINOMIAL, [] { SetBinomialP(0.4f); },
         [this] { ASSERT_TRUE(Choose(ID_MEASUREMENT_DISCRETE)); }, false},
        {"to continuous", ID_MEASUREMENT_DISCRETE, [] { ApplyPreset(PresetShape::Bimodal); },
         [this] { ASSERT_TRUE(Choose(ID_MEASUREMENT_CONTINUOUS)); }, false},
        {"a preset", ID_MEASUREMENT_CONTINUOUS, normal, [] { ApplyPreset(PresetShape::Uniform); },
         true},
        {"sample size 7", ID_MEASUREMENT_CONTINUOUS, normal, [&] { typeSampleSize("7"); }, true},
        {"sample size 0", ID_MEASUREMENT_CONTINUOUS, normal, [&] { typeSampleSize("0"); }, false},
        {"emptied", ID_MEASUREMENT_CONTINUOUS, normal, [] { ClearPopulation(); }, false},
        {"sigma 0", ID_MEASUREMENT_BINOMIAL, [] { SetBinomialP(0.4f); },
         [] { QTest::mouseClick(g_binomialWnd->Button(21), Qt::LeftButton); }, false}, // 1.00
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        ASSERT_TRUE(Choose(c.kind));
        c.populate();
        Draw(5, 300);
        ASSERT_EQ(Readout(IDC_SD_TOTAL_DRAWN), "300");
        ASSERT_EQ(ciTotal(), "300");
        ASSERT_NE(Readout(IDC_SD_Z_PROPORTION), "");
        c.discard();
        EXPECT_EQ(Figures(), "");
        EXPECT_EQ(ciTotal(), "");
        for (int id : {IDC_SD_Z_NUMBER, IDC_SD_Z_PROPORTION, IDC_SD_T_NUMBER, IDC_SD_T_PROPORTION})
            EXPECT_EQ(Readout(id).isEmpty(), !c.theory) << id;
    }
}

TEST_F(Switches, PopulationSettingsReExpressTheFiguresOfTheSeries) {
    ApplyPreset(PresetShape::SkewedPlus);
    ASSERT_TRUE(Choose(ID_WINDOW_POP_SETTINGS));
    auto set = [](const char* mean, const char* sd) {
        g_popSettingsWnd->MeanField()->setText(QString::fromLatin1(mean));
        g_popSettingsWnd->SdField()->setText(QString::fromLatin1(sd));
        QTest::mouseClick(g_popSettingsWnd->Button(IDC_SETTINGS_SET), Qt::LeftButton);
    };
    set("100", "15");
    Draw(5, 300);
    // The four figures recomputed from the samples, shown with mean `to` and
    // SD `sd` (the population's own when sd is 0).
    auto expectFigures = [](double to, double sd, const char* when) {
        SCOPED_TRACE(when);
        const double scale = sd > 0.0 ? sd / g_popSD : 1.0;
        const double from = sd > 0.0 ? g_popMean : 0.0;
        double means = 0.0, sds = 0.0, meanSq = 0.0, sdSq = 0.0;
        for (int r = 1; r <= 300; ++r) {
            means += g_sampleStore[r].mean;
            sds += g_sampleStore[r].sd;
        }
        means /= 300.0;
        sds /= 300.0;
        for (int r = 1; r <= 300; ++r) {
            meanSq += std::pow(g_sampleStore[r].mean - means, 2.0);
            sdSq += std::pow(g_sampleStore[r].sd - sds, 2.0);
        }
        auto value = [](int id) { return Readout(id).remove(QLatin1Char(',')).toDouble(); };
        EXPECT_NEAR(value(IDC_SD_MEAN_OF_MEANS), (means - from) * scale + to, 0.006);
        EXPECT_NEAR(value(IDC_SD_SD_OF_MEANS), std::sqrt(meanSq / 299.0) * scale, 0.0015);
        EXPECT_NEAR(value(IDC_SD_MEAN_OF_SDS), sds * scale, 0.0015);
        EXPECT_NEAR(value(IDC_SD_SD_OF_SDS), std::sqrt(sdSq / 299.0) * scale, 0.0015);
    };
    expectFigures(100.0, 15.0, "drawn at 100 / 15");
    set("1000", "150");
    expectFigures(1000.0, 150.0, "set to 1000 / 150");
    QTest::mouseClick(g_popSettingsWnd->Button(IDC_SETTINGS_DEFAULT), Qt::LeftButton);
    expectFigures(0.0, 0.0, "default");
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
