// A whole lesson without a mouse, as a student at the keyboard gives it:
// choose a population from the preset menu, set the sample size and the
// number of samples and draw, move the slider by the arrow keys and type its
// value, select a sample in the histogram, and read its interval in the
// Confidence Intervals window. The menus are reached as the menu bar's keys
// reach them (a pop-up cannot open offscreen without warnings); everything
// else is a key pressed on the control that has the focus.
#include "tests/shell/ShellTestSupport.h"

#include "core/SimulationState.h"
#include "resources/Resource.h"
#include "ui/FocusSpot.h"
#include "ui/ValueEditor.h"
#include "windows/confint/ConfIntervalDlg.h"
#include "windows/confint/IntervalSeries.h"
#include "windows/confint/StripGeometry.h"
#include "windows/population/PopulationDlg.h"
#include "windows/sampdist/SampDistModel.h"
#include "windows/sampdist/SamplingDistDlg.h"
#include "windows/sampdist/SliderModel.h"
#include "windows/samples/SamplesDlg.h"

#include <QApplication>
#include <QLabel>
#include <QMenu>
#include <QTest>
#include <QTimer>
#include <cmath>
#include <string>

namespace {

// The offscreen platform says it cannot raise a pop-up menu or give it the
// keyboard; on a display the menu opens without a word.
QtMessageHandler g_outer = nullptr;
void IgnorePopupLimits(QtMsgType type, const QMessageLogContext& context, const QString& text) {
    if (text.startsWith(QLatin1String("This plugin does not support"))) return;
    if (g_outer) g_outer(type, context, text);
}

class KeyboardLesson : public ShellTest {
  protected:
    void SetUp() override {
        ShellTest::SetUp();
        g_outer = qInstallMessageHandler(IgnorePopupLimits);
        QApplication::processEvents(); // the frame becomes the active window
    }
    void TearDown() override {
        qInstallMessageHandler(g_outer);
        ShellTest::TearDown();
    }
    static QWidget* Focused() { return QApplication::focusWidget(); }
    static void Key(Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
        ASSERT_NE(Focused(), nullptr);
        QTest::keyClick(Focused(), key, modifiers);
    }
    // Tabs on to the control with this name; fails when Tab never gets there.
    static void TabTo(const QString& name) {
        for (int i = 0; i < 40 && Focused() && Focused()->accessibleName() != name; ++i)
            Key(Qt::Key_Tab);
        ASSERT_NE(Focused(), nullptr);
        ASSERT_EQ(Focused()->accessibleName(), name);
    }
    static void Type(const QString& text) { QTest::keyClicks(Focused(), text); }
    static QString Readout(int id) {
        return qobject_cast<QLabel*>(g_samplingDistWnd->Control(id))->text();
    }
};

TEST_F(KeyboardLesson, ChooseDrawMoveSelectAndRead) {
    // The fastest speed from anywhere.
    Key(Qt::Key_5, Qt::ControlModifier);
    ASSERT_EQ(g_speed, 1);

    // 1. A normal population from the preset menu of the DISTRIBUTION box.
    ASSERT_TRUE(Choose(ID_WINDOW_POPULATION));
    TabTo(QStringLiteral("Preset shapes"));
    QMenu* presets = g_populationWnd->ShapeMenu();
    QTimer::singleShot(0, presets, [presets] {
        // Down to the second item, Normal, and Enter, in the open menu.
        QTest::keyClick(presets, Qt::Key_Down);
        QTest::keyClick(presets, Qt::Key_Down);
        QTest::keyClick(presets, Qt::Key_Return);
    });
    Key(Qt::Key_Return);
    EXPECT_EQ(g_populationWnd->PopulationName(), "NORMAL");
    // The offscreen platform leaves the closed menu the active window; a
    // display's window manager gives the frame its activation back, and with
    // it the keys at the name box.
    Frame().activateWindow();
    QApplication::processEvents();
    ASSERT_NE(Focused(), nullptr);
    EXPECT_EQ(Focused()->accessibleName(), "Preset shapes");
    EXPECT_FLOAT_EQ(g_popMean, 5.0f);

    // 2. Samples of 25, a thousand of them: Enter in the field draws.
    ASSERT_TRUE(Choose(ID_WINDOW_SAMPLING_DIST));
    TabTo(QStringLiteral("Sample size"));
    Type(QStringLiteral("25")); // Tab selected the field's text
    Key(Qt::Key_Tab);
    Type(QStringLiteral("1000"));
    Key(Qt::Key_Return);
    ASSERT_EQ(g_samplesDrawn, 1000);
    EXPECT_EQ(Readout(IDC_SD_TOTAL_DRAWN), "1000");

    // 3. The slider: three big steps and two small ones to the right, then a
    // value typed exactly over its label.
    TabTo(QStringLiteral("Slider"));
    g_proportionAbove = 1;
    const int start = SliderAxisPixel(true, 1);
    for (int i = 0; i < 3; ++i)
        Key(Qt::Key_Right, Qt::ShiftModifier);
    Key(Qt::Key_Right);
    Key(Qt::Key_Right);
    EXPECT_EQ(SliderAxisPixel(true, 1), start + 32);
    Key(Qt::Key_Return);
    CValueEditor* field = g_samplingDistWnd->ValueEditor();
    ASSERT_EQ(Focused(), field);
    Type(QStringLiteral("5.4"));
    Key(Qt::Key_Return);
    EXPECT_EQ(SliderLabelText(g_leftSliderZ, false), "x = 5.40");
    EXPECT_EQ(Focused()->accessibleName(), "Slider");
    // The share of the means above 5.4, as counted and as the normal curve has it.
    const double z = (5.4 - g_popMean) / (g_popSD / 5.0);
    const double normal = 0.5 * std::erfc(z / std::sqrt(2.0));
    EXPECT_NEAR(Readout(IDC_SD_Z_PROPORTION).toDouble(), normal, 1e-3);
    EXPECT_NEAR(Readout(IDC_SD_ACTUAL_PROPORTION).toDouble(), normal, 0.04);

    // 4. A sample: the one with the middle mean, then the next larger.
    Key(Qt::Key_Tab, Qt::ShiftModifier);
    ASSERT_EQ(Focused()->accessibleName(), "Sampling distribution histogram");
    Key(Qt::Key_Right);
    Key(Qt::Key_Right);
    ASSERT_TRUE(g_sampleSelected);
    EXPECT_EQ(g_selectedPos, 501);
    const int sample = g_sortedMeanSampleNo[501];
    // The Samples window shows it.
    EXPECT_EQ(g_currentSampleNo, sample);

    // 5. Its interval, read where the keyboard comes to the graph.
    ASSERT_TRUE(Choose(ID_WINDOW_CONF_INTERVALS));
    TabTo(QStringLiteral("Confidence intervals graph"));
    const SelectedStrip strip = ComputeSelectedStrip(25);
    const std::string words = Focused()->accessibleDescription().toStdString();
    EXPECT_NE(words.find("Selected sample " + std::to_string(sample) + ": " + strip.lowText + ", " +
                         strip.highText),
              std::string::npos)
        << words;
    // Up goes on to the next sample's interval.
    Key(Qt::Key_Up);
    EXPECT_EQ(SampleOfRow(g_selectedSampleNo), sample + 1);
    EXPECT_NE(Focused()->accessibleDescription().toStdString().find(
                  "Selected sample " + std::to_string(sample + 1) + ":"),
              std::string::npos);
    EXPECT_TRUE(messages.isEmpty()) << messages.join(" | ").toStdString();
}

} // namespace
