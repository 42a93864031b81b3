// The program from the keyboard: Tab goes through every control of each
// window in its order and comes round again; Space and Enter press buttons;
// Ctrl+1 to Ctrl+5 set the speed from any window, also during a run, where
// the focused STOP answers Space and other keys wait; the focused control
// wears a ring that reads on any ground; a field given the focus holds its
// text selected, so typing replaces it; and no key leads to a dead end.
#include "tests/shell/ShellTestSupport.h"

#include "core/Population.h"
#include "core/SimulationState.h"
#include "resources/Resource.h"
#include "ui/FocusRing.h"
#include "ui/FocusSpot.h"
#include "ui/Gdi.h"
#include "ui/SpeedControl.h"
#include "ui/ToolWindow.h"
#include "windows/confint/ConfIntervalDlg.h"
#include "windows/confint/IntervalSeries.h"
#include "windows/population/BinomialPopDlg.h"
#include "windows/population/PopSettingsDlg.h"
#include "windows/population/PopulationDlg.h"
#include "windows/population/PopulationPicture.h"
#include "windows/sampdist/SampDistModel.h"
#include "windows/sampdist/SamplingDistDlg.h"
#include "windows/sampdist/SliderModel.h"
#include "windows/samples/SamplesDlg.h"

#include <QApplication>
#include <QLineEdit>
#include <QPushButton>
#include <QSet>
#include <QTest>
#include <functional>
#include <string>
#include <vector>

namespace {

class Keyboard : public ShellTest {
  protected:
    void SetUp() override {
        ShellTest::SetUp();
        // The platform makes the frame the active window, which has the keys.
        QApplication::processEvents();
    }
    static QWidget* Focused() { return QApplication::focusWidget(); }
    static std::string NameOf(const QWidget* w) {
        return w ? w->accessibleName().toStdString() : std::string("(nothing)");
    }
    // Presses Tab (or Shift+Tab) on the focused control.
    static void Tab(bool back = false) {
        QTest::keyClick(Focused(), back ? Qt::Key_Backtab : Qt::Key_Tab,
                        back ? Qt::ShiftModifier : Qt::NoModifier);
    }
    // The names met pressing Tab from the focused control until it comes round.
    static std::vector<std::string> TabCycle() {
        const QWidget* first = Focused();
        std::vector<std::string> names{NameOf(first)};
        for (int i = 0; i < 60; ++i) {
            Tab();
            if (Focused() == first) break;
            names.push_back(NameOf(Focused()));
        }
        return names;
    }
    CSamplingDistDlg* Dorvane() { return g_samplingDistWnd; }
};

TEST_F(Keyboard, TabGoesThroughEveryControlOfEachWindowInOrder) {
    const std::vector<std::string> dorvane = {"Normal curve outline",
                                              "Population outline",
                                              "Interval width 0.5",
                                              "Interval width 0.2",
                                              "Interval width 0.1",
                                              "Interval width 0.05",
                                              "Sample size",
                                              "Number of samples",
                                              "Series mode",
                                              "Speed 4",
                                              "Draw samples",
                                              "Sampling distribution histogram",
                                              "Slider"};
    std::vector<std::string> binomial = {"Binomial bars"};
    for (const char* p :
         {"0.05", "0.10", "0.15", "0.20", "0.25", "0.30", "0.35", "0.40", "0.45", "0.50",
          "0.55", "0.60", "0.65", "0.70", "0.75", "0.80", "0.85", "0.90", "0.95", "1.00"})
        binomial.push_back(std::string("p = ") + p);
    binomial.push_back("Clear");
    struct Row {
        int command;
        std::vector<std::string> names;
    };
    const Row rows[] = {
        {ID_WINDOW_POPULATION,
         {"Population shape handle", "Preset shapes", "Example: two peaks", "Example: three peaks",
          "Example: four peaks", "Example: peaks near both ends"}},
        {ID_WINDOW_POP_SETTINGS,
         {"Population mean to show", "Standard deviation to show", "Default", "Cancel", "Set"}},
        {ID_WINDOW_SAMPLING_DIST, dorvane},
        {ID_WINDOW_SAMPLES,
         {"Samples picture", "Samples scroll bar", "View", "Series mode", "Sample size",
          "Number of samples", "Speed 4", "Draw samples"}},
        {ID_WINDOW_CONF_INTERVALS,
         {"Sample size", "Number of samples", "Series mode", "Confidence level", "Sides",
          "Sigma known or unknown", "z or t", "Speed 4", "Draw samples",
          "Sort by sample averages: on", "Sort by sample averages: off",
          "Confidence intervals graph", "Intervals scroll bar"}},
        {ID_MEASUREMENT_BINOMIAL, binomial},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.command);
        // The window's command shows it with the focus on its first control.
        ASSERT_TRUE(Choose(row.command));
        EXPECT_EQ(TabCycle(), row.names);
        // Shift+Tab goes the other way round.
        Tab(true);
        EXPECT_EQ(NameOf(Focused()), row.names.back());
    }
    // What appears later takes its place: the right slider, a limit, the
    // End button, the possible mean, the axis scroll bar.
    ASSERT_TRUE(Choose(ID_MEASUREMENT_CONTINUOUS));
    ApplyPreset(PresetShape::Normal);
    ASSERT_TRUE(Choose(ID_OPTIONS_TWO_SLIDERS_SEPARATE));
    ASSERT_TRUE(Choose(ID_WINDOW_SAMPLING_DIST));
    QTest::mouseClick(Dorvane()->Control(IDC_SD_BIN_FINEST), Qt::LeftButton);
    Dorvane()->ColumnsSpot()->setFocus(Qt::TabFocusReason);
    Tab();
    EXPECT_EQ(NameOf(Focused()), "Left slider");
    Tab();
    EXPECT_EQ(NameOf(Focused()), "Right slider");
    Tab();
    EXPECT_EQ(NameOf(Focused()), "Axis scroll bar");
}

TEST_F(Keyboard, SpaceAndEnterPressTheFocusedButton) {
    ASSERT_TRUE(Choose(ID_WINDOW_CONF_INTERVALS));
    QWidget* sides = g_confIntervalWnd->Control(IDC_CI_SIDES);
    sides->setFocus(Qt::TabFocusReason);
    QTest::keyClick(sides, Qt::Key_Space);
    EXPECT_EQ(g_ciOneSided, 1);
    QTest::keyClick(sides, Qt::Key_Return);
    EXPECT_EQ(g_ciOneSided, 0);
    QTest::keyClick(sides, Qt::Key_Enter, Qt::KeypadModifier);
    EXPECT_EQ(g_ciOneSided, 1);
    // The owner-drawn ones too: the sigma button.
    QWidget* sigma = g_confIntervalWnd->Control(IDC_CI_SIGMA);
    sigma->setFocus(Qt::TabFocusReason);
    QTest::keyClick(sigma, Qt::Key_Return);
    EXPECT_EQ(g_ciSigmaKnown, 0);
    // Tab enters the speed buttons at the one pressed in; the arrows then
    // choose as among radio buttons.
    CSpeedControl::SetSpeed(4);
    g_confIntervalWnd->Control(IDC_CI_SPEED_F)->setFocus(Qt::TabFocusReason);
    EXPECT_EQ(Focused(), g_confIntervalWnd->Control(IDC_CI_SPEED_2));
    QTest::keyClick(Focused(), Qt::Key_Right);
    EXPECT_EQ(g_speed, 3);
    EXPECT_EQ(Focused(), g_confIntervalWnd->Control(IDC_CI_SPEED_3));
}

TEST_F(Keyboard, CtrlAndADigitSetTheSpeedFromAnyWindow) {
    struct Step {
        QWidget* (*target)();
        Qt::Key key;
        int speed;
    };
    const Step steps[] = {
        {[] { return g_samplingDistWnd->Control(IDC_SD_SAMPLE_SIZE); }, Qt::Key_1, 5},
        {[]() -> QWidget* { return g_populationWnd; }, Qt::Key_5, 1},
        {[] { return g_confIntervalWnd->Control(IDC_CI_CONF_LEVEL); }, Qt::Key_3, 3},
        {[]() -> QWidget* { return g_popSettingsWnd->MeanField(); }, Qt::Key_4, 2},
    };
    ASSERT_TRUE(Choose(ID_WINDOW_SAMPLES));
    for (const Step& step : steps) {
        QWidget* target = step.target();
        target->setFocus();
        QTest::keyClick(target, step.key, Qt::ControlModifier);
        EXPECT_EQ(g_speed, step.speed);
        // Every window's buttons show it, and the Speed menu checks it.
        for (QWidget* w : {g_samplingDistWnd->Control(IDC_SD_SPEED_S),
                           g_confIntervalWnd->Control(IDC_CI_SPEED_S)})
            EXPECT_EQ(qobject_cast<QPushButton*>(w)->isChecked(), step.speed == 5);
        EXPECT_TRUE(ItemWhenOpened(ID_SPEED_S + 5 - step.speed)->isChecked());
    }
    EXPECT_EQ(Frame().CommandAction(ID_SPEED_F)->shortcut(),
              QKeySequence(QStringLiteral("Ctrl+5")));
}

TEST_F(Keyboard, DuringARunTheSpeedKeysAndTheFocusedStopAnswer) {
    ApplyPreset(PresetShape::SkewedPlus);
    CSpeedControl::SetSpeed(5);
    QLineEdit* number = qobject_cast<QLineEdit*>(Dorvane()->Control(IDC_SD_NUM_SAMPLES));
    QWidget* draw = Dorvane()->Control(IDC_SD_DRAW_SAMPLES);
    TypeInto(qobject_cast<QLineEdit*>(Dorvane()->Control(IDC_SD_SAMPLE_SIZE)), "4");
    TypeInto(number, "40");
    // Inside the run's waits: a digit typed into a field is dropped, Ctrl+4
    // sets speed 2, and Space on the focused STOP stops the run.
    int acted = 0;
    SetMillisecondWait([&](int) {
        if (!g_runInProgress) return;
        if (acted == 0 && g_currentSampleNo == 3) {
            QTest::keyClick(number, Qt::Key_7);
            QTest::keyClick(number, Qt::Key_4, Qt::ControlModifier);
            acted = 1;
        } else if (acted == 1 && g_currentSampleNo == 5) {
            draw->setFocus(Qt::TabFocusReason);
            QTest::keyClick(draw, Qt::Key_Space);
            acted = 2;
        }
    });
    draw->setFocus(Qt::TabFocusReason);
    QTest::keyClick(draw, Qt::Key_Return);
    EXPECT_EQ(acted, 2);
    EXPECT_EQ(g_speed, 2);
    EXPECT_EQ(g_samplesDrawn, 5);
    EXPECT_EQ(number->text(), "40");
}

TEST_F(Keyboard, TheFocusedControlWearsARingThatReadsOnAnyGround) {
    ApplyPreset(PresetShape::Normal);
    ASSERT_TRUE(Choose(ID_WINDOW_SAMPLING_DIST));
    TypeInto(qobject_cast<QLineEdit*>(Dorvane()->Control(IDC_SD_SAMPLE_SIZE)), "4");
    // An owner-drawn button on the grey panel, the orange DRAW SAMPLES, a
    // field, and a slider on the white plot.
    const std::vector<std::function<QWidget*()>> controls = {
        [&] { return Dorvane()->Control(IDC_SD_BIN_WIDE); },
        [&] { return Dorvane()->Control(IDC_SD_DRAW_SAMPLES); },
        [&] { return Dorvane()->Control(IDC_SD_NUM_SAMPLES); },
        [&]() -> QWidget* { return Dorvane()->SliderSpot(true); },
    };
    for (const auto& control : controls) {
        QWidget* w = control();
        SCOPED_TRACE(w->accessibleName().toStdString());
        w->setFocus(Qt::TabFocusReason);
        ASSERT_NE(ShownFocusRing(), nullptr);
        const QImage window = Dorvane()->grab().toImage();
        SaveSnapshot(window, QStringLiteral("focus-ring-") + w->accessibleName());
        const QRect r = w->geometry();
        const int y = r.center().y(), x = r.center().x();
        // Two dark pixels, then one white, on every side of the control.
        for (const QPoint& dark :
             {QPoint(r.left() - 3, y), QPoint(r.left() - 2, y), QPoint(r.right() + 3, y),
              QPoint(x, r.top() - 3), QPoint(x, r.bottom() + 2)})
            EXPECT_EQ(PixelOf(window, dark.x(), dark.y()), Rgb(20, 20, 20))
                << dark.x() << "," << dark.y();
        for (const QPoint& light : {QPoint(r.left() - 1, y), QPoint(r.right() + 1, y),
                                    QPoint(x, r.top() - 1), QPoint(x, r.bottom() + 1)})
            EXPECT_EQ(PixelOf(window, light.x(), light.y()), Rgb(255, 255, 255));
    }
    // A picture that reaches the window's edge has its ring just inside, in
    // the focus blue: the selected sample's black frame beside it stays whole.
    CSpeedControl::SetSpeed(1);
    TypeInto(qobject_cast<QLineEdit*>(Dorvane()->Control(IDC_SD_NUM_SAMPLES)), "5");
    QTest::mouseClick(Dorvane()->Control(IDC_SD_DRAW_SAMPLES), Qt::LeftButton);
    ASSERT_TRUE(Choose(ID_WINDOW_SAMPLES));
    QWidget* picture = g_samplesWnd->PictureSpot();
    picture->setFocus(Qt::TabFocusReason);
    QTest::keyClick(picture, Qt::Key_Space); // selects the shown sample: frame (2, 40)-(300, 260)
    ASSERT_EQ(picture->geometry(), QRect(0, 0, 299, 342));
    const QImage samples = g_samplesWnd->grab().toImage();
    SaveSnapshot(samples, QStringLiteral("focus-ring-samples-picture"));
    const QRgb blue =
        Rgb(kFocusRingInside.red(), kFocusRingInside.green(), kFocusRingInside.blue());
    for (const QPoint& ring : {QPoint(0, 150), QPoint(1, 150), QPoint(297, 150), QPoint(298, 150),
                               QPoint(150, 0), QPoint(150, 1), QPoint(150, 340), QPoint(150, 341)})
        EXPECT_EQ(PixelOf(samples, ring.x(), ring.y()), blue) << ring.x() << "," << ring.y();
    for (const QPoint& frame : {QPoint(2, 150), QPoint(299, 150), QPoint(150, 40)})
        EXPECT_EQ(PixelOf(samples, frame.x(), frame.y()), Rgb(0, 0, 0))
            << frame.x() << "," << frame.y();

    // The ring follows a slider the keys move.
    ASSERT_TRUE(Choose(ID_WINDOW_SAMPLING_DIST));
    QWidget* slider = Dorvane()->SliderSpot(true);
    slider->setFocus(Qt::TabFocusReason);
    const int before = SliderAxisPixel(true, 1);
    QTest::keyClick(slider, Qt::Key_Right, Qt::ShiftModifier);
    EXPECT_EQ(SliderAxisPixel(true, 1), before + 10);
    EXPECT_TRUE(ShownFocusRing()->geometry().contains(ToQRect(g_leftSliderRect)));
    // Away from the tool windows there is none.
    Focused()->clearFocus();
    EXPECT_EQ(ShownFocusRing(), nullptr);
}

TEST_F(Keyboard, AFieldGivenTheFocusHoldsItsTextSelectedSoTypingReplacesIt) {
    ApplyPreset(PresetShape::Normal);
    auto* ciSize = qobject_cast<QLineEdit*>(g_confIntervalWnd->Control(IDC_CI_SAMPLE_SIZE));
    auto* ciLevel = qobject_cast<QLineEdit*>(g_confIntervalWnd->Control(IDC_CI_CONF_LEVEL));
    // Each way a field comes to have the focus, and what typing then gives.
    struct Way {
        const char* what;
        std::function<void()> focus;
        QLineEdit* (*field)();
        const char* typed;
    };
    const Way ways[] = {
        {"start-up", [] {}, [] { return qobject_cast<QLineEdit*>(Focused()); }, "25"},
        {"window raised",
         [&] {
             ASSERT_TRUE(Choose(ID_WINDOW_SAMPLES));
             ASSERT_TRUE(Choose(ID_WINDOW_CONF_INTERVALS));
         },
         [] { return qobject_cast<QLineEdit*>(Focused()); }, "30"},
        {"dialog opened", [&] { ASSERT_TRUE(Choose(ID_WINDOW_POP_SETTINGS)); },
         [] { return g_popSettingsWnd->MeanField(); }, "100"},
        {"message box closed",
         [&] {
             ciLevel->setFocus(Qt::MouseFocusReason);
             ciLevel->deselect();
             ciLevel->clearFocus();
             ciLevel->setFocus(Qt::ActiveWindowFocusReason);
         },
         [] { return qobject_cast<QLineEdit*>(Focused()); }, "90"},
    };
    for (const Way& way : ways) {
        SCOPED_TRACE(way.what);
        way.focus();
        QLineEdit* field = way.field();
        ASSERT_NE(field, nullptr);
        ASSERT_EQ(Focused(), field);
        ASSERT_FALSE(field->text().isEmpty());
        QTest::keyClicks(field, QString::fromLatin1(way.typed));
        EXPECT_EQ(field->text(), way.typed);
    }
    EXPECT_EQ(ciSize->text(), "30");
    // The dialog's two fields: 100, Tab, 15, Enter sets the mean to 100.
    ASSERT_TRUE(Choose(ID_WINDOW_POP_SETTINGS));
    QWidget* mean = g_popSettingsWnd->MeanField();
    ASSERT_EQ(Focused(), mean);
    QTest::keyClicks(mean, "100");
    Tab();
    QTest::keyClicks(Focused(), "15");
    QTest::keyClick(Focused(), Qt::Key_Return);
    EXPECT_FLOAT_EQ(ShownValue(g_popMean), 100.0f);
    EXPECT_TRUE(messages.isEmpty());
}

TEST_F(Keyboard, NoKeyLeadsToADeadEnd) {
    // Each item of the Window menu has a letter of its own.
    QMenu* window = qobject_cast<QMenu*>(Frame().CommandAction(ID_WINDOW_CLOSE)->parent());
    QSet<QChar> letters;
    for (QAction* item : window->actions()) {
        if (item->isSeparator()) continue;
        const QString text = item->text();
        const int amp = text.indexOf('&');
        ASSERT_GE(amp, 0) << text.toStdString();
        const QChar letter = text.at(amp + 1).toLower();
        EXPECT_FALSE(letters.contains(letter)) << text.toStdString();
        letters.insert(letter);
    }

    // Close Window gives the keys to the window then on top; so does Esc in
    // Population Settings, which closes it.
    ApplyPreset(PresetShape::Normal);
    ASSERT_TRUE(Choose(ID_WINDOW_SAMPLES));
    ASSERT_TRUE(Choose(ID_WINDOW_CLOSE));
    ASSERT_FALSE(g_samplesWnd->IsToolVisible());
    ASSERT_NE(Focused(), nullptr);
    auto* owner = qobject_cast<CToolWindow*>(Focused()->parentWidget());
    ASSERT_NE(owner, nullptr);
    EXPECT_TRUE(owner->IsToolVisible());
    ASSERT_TRUE(Choose(ID_WINDOW_POP_SETTINGS));
    QTest::keyClick(Focused(), Qt::Key_Escape);
    EXPECT_FALSE(g_popSettingsWnd->IsToolVisible());
    ASSERT_NE(Focused(), nullptr);
    EXPECT_TRUE(qobject_cast<CToolWindow*>(Focused()->parentWidget())->IsToolVisible());

    // The binomial window opens with its ring above the axis labels.
    ASSERT_TRUE(Choose(ID_MEASUREMENT_BINOMIAL));
    ASSERT_EQ(Focused(), g_binomialWnd->BarSpot());
    ASSERT_NE(ShownFocusRing(), nullptr);
    for (const LabelPiece& label : BinomialAxisLabels())
        EXPECT_LT(ShownFocusRing()->geometry().bottom(), label.top) << label.text.toStdString();
    // The ring is the keyboard's: a click on a p button leaves no frame on a
    // bar or a button, and the next key brings it back where the focus is.
    QTest::mouseClick(g_binomialWnd->Button(IDC_BINOMIAL_P_FIRST + 3), Qt::LeftButton);
    EXPECT_EQ(ShownFocusRing(), nullptr);
    QTest::keyClick(Focused(), Qt::Key_Shift);
    ASSERT_NE(ShownFocusRing(), nullptr);
    EXPECT_TRUE(ShownFocusRing()->geometry().contains(Focused()->geometry()));
}

} // namespace
