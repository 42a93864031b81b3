// The program from the keyboard: a lesson without a mouse, with a focus ring
// that reads on any ground; Space and Enter on buttons; one speed in every
// window by any window's buttons or Ctrl+digit; shared fields alike.
#include "tests/shell/ShellTestSupport.h"

#include <QTimer>

namespace {

class Keyboard : public ShellTest {
  protected:
    void SetUp() override {
        ShellTest::SetUp();
        QApplication::processEvents(); // the frame becomes the active window
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
};

TEST_F(Keyboard, ALessonWithoutAMouseChoosesDrawsSelectsAndReadsWithARingOnAnyGround) {
    Key(Qt::Key_5, Qt::ControlModifier); // the fastest speed from anywhere
    ASSERT_EQ(g_speed, 1);
    // 1. NORMAL, the second item of the open preset menu.
    ASSERT_TRUE(Choose(ID_WINDOW_POPULATION));
    TabTo(QStringLiteral("Preset shapes"));
    QMenu* presets = g_populationWnd->ShapeMenu();
    QTimer::singleShot(0, presets, [presets] {
        QTest::keyClick(presets, Qt::Key_Down);
        QTest::keyClick(presets, Qt::Key_Down);
        QTest::keyClick(presets, Qt::Key_Return);
    });
    Key(Qt::Key_Return);
    EXPECT_EQ(g_populationWnd->PopulationName(), "NORMAL");
    // The offscreen platform leaves the closed menu the active window; a
    // display's window manager gives the frame its activation back.
    Frame().activateWindow();
    QApplication::processEvents();
    ASSERT_NE(Focused(), nullptr);
    EXPECT_EQ(Focused()->accessibleName(), "Preset shapes");
    EXPECT_FLOAT_EQ(g_popMean, 5.0f);
    // 2. Samples of 25, a thousand of them: Enter in the field draws.
    ASSERT_TRUE(Choose(ID_WINDOW_SAMPLING_DIST));
    TabTo(QStringLiteral("Sample size"));
    QTest::keyClicks(Focused(), "25"); // Tab selected the field's text
    Key(Qt::Key_Tab);
    QTest::keyClicks(Focused(), "1000");
    Key(Qt::Key_Return);
    ASSERT_EQ(g_samplesDrawn, 1000);
    EXPECT_EQ(Readout(Sd(), IDC_SD_TOTAL_DRAWN), "1000");
    // 3. A sample: the one with the middle mean, then the next larger.
    TabTo(QStringLiteral("Sampling distribution histogram"));
    Key(Qt::Key_Right);
    Key(Qt::Key_Right);
    ASSERT_TRUE(g_sampleSelected);
    const int sample = g_currentSampleNo;
    int below = 0;
    for (int r = 1; r <= 1000; ++r)
        below += g_sampleStore[r].mean < g_sampleStore[sample].mean;
    EXPECT_EQ(below, 500);
    // 4. Its interval read on the graph; Up goes on to the next sample's.
    ASSERT_TRUE(Choose(ID_WINDOW_CONF_INTERVALS));
    TabTo(QStringLiteral("Confidence intervals graph"));
    for (int shown : {sample, sample + 1}) {
        EXPECT_TRUE(Focused()->accessibleDescription().contains(
            QStringLiteral("Selected sample %1: low = ").arg(shown)))
            << Focused()->accessibleDescription().toStdString();
        Key(Qt::Key_Up);
    }
    EXPECT_TRUE(messages.isEmpty()) << messages.join(" | ").toStdString();
    // 5. The focus wears a ring on the grey panel, the orange DRAW SAMPLES, a
    // field and the plot: two dark pixels, then one white, on every side.
    ASSERT_TRUE(Choose(ID_WINDOW_SAMPLING_DIST));
    for (QWidget* w : std::initializer_list<QWidget*>{
             Sd()->Control(IDC_SD_BIN_WIDE), Sd()->Control(IDC_SD_DRAW_SAMPLES),
             Sd()->Control(IDC_SD_NUM_SAMPLES), Sd()->SliderSpot(true)}) {
        SCOPED_TRACE(w->accessibleName().toStdString());
        w->setFocus(Qt::TabFocusReason);
        ASSERT_NE(ShownFocusRing(), nullptr);
        const QImage window = Sd()->grab().toImage();
        const QRect r = w->geometry();
        const QPoint c = r.center();
        for (const auto& [edge, out] : {std::pair{QPoint(r.left(), c.y()), QPoint(-1, 0)},
                                        {QPoint(r.right(), c.y()), QPoint(1, 0)},
                                        {QPoint(c.x(), r.top()), QPoint(0, -1)},
                                        {QPoint(c.x(), r.bottom()), QPoint(0, 1)}})
            for (int d = 1; d <= 3; ++d) {
                const QPoint at = edge + d * out;
                EXPECT_EQ(PixelOf(window, at.x(), at.y()),
                          d == 1 ? Rgb(255, 255, 255) : Rgb(20, 20, 20))
                    << at.x() << "," << at.y();
            }
    }
    // A picture at the window's edge: the ring just inside, in blue, beside
    // the selected sample's black frame.
    DrawAtF(4, 5);
    ASSERT_TRUE(Choose(ID_WINDOW_SAMPLES));
    QWidget* picture = g_samplesWnd->PictureSpot();
    picture->setFocus(Qt::TabFocusReason);
    QTest::keyClick(picture, Qt::Key_Space); // selected: a frame (2, 40)-(300, 260)
    ASSERT_EQ(picture->geometry(), QRect(0, 0, 299, 342));
    const QImage samples = g_samplesWnd->grab().toImage();
    const QRgb blue = kFocusRingInside.rgb() & 0xFFFFFF;
    for (const QPoint& at :
         {QPoint(0, 150), QPoint(1, 150), QPoint(298, 150), QPoint(150, 0), QPoint(150, 341)})
        EXPECT_EQ(PixelOf(samples, at.x(), at.y()), blue) << at.x() << "," << at.y();
    for (const QPoint& at : {QPoint(2, 150), QPoint(299, 150), QPoint(150, 40)})
        EXPECT_EQ(PixelOf(samples, at.x(), at.y()), Rgb(0, 0, 0)) << at.x() << "," << at.y();
    // The ring is the keyboard's: gone on a click, back on the next key.
    QTest::mouseClick(picture, Qt::LeftButton, Qt::NoModifier, QPoint(150, 150));
    EXPECT_EQ(ShownFocusRing(), nullptr);
    Key(Qt::Key_Shift);
    ASSERT_NE(ShownFocusRing(), nullptr);
    EXPECT_TRUE(ShownFocusRing()->geometry().contains(Focused()->geometry()));
    // Close Window gives the keys to the window then on top.
    ASSERT_TRUE(Choose(ID_WINDOW_CLOSE));
    ASSERT_FALSE(g_samplesWnd->IsToolVisible());
    ASSERT_NE(Focused(), nullptr);
    auto* owner = qobject_cast<CToolWindow*>(Focused()->parentWidget());
    EXPECT_TRUE(owner && owner->IsToolVisible());
    Focused()->clearFocus();
    EXPECT_EQ(ShownFocusRing(), nullptr);
}

TEST_F(Keyboard, ButtonsAnswerSpaceAndEnterAndTheSpeedAndFieldsAreOneInEveryWindow) {
    QWidget* sides = Ci()->Control(IDC_CI_SIDES);
    sides->setFocus(Qt::TabFocusReason);
    for (const auto& [key, oneSided] :
         {std::pair{Qt::Key_Space, 1}, std::pair{Qt::Key_Return, 0}, std::pair{Qt::Key_Enter, 1}}) {
        QTest::keyClick(sides, key);
        EXPECT_EQ(g_ciOneSided, oneSided) << key;
    }
    QWidget* sigma = Ci()->Control(IDC_CI_SIGMA); // an owner-drawn one
    sigma->setFocus(Qt::TabFocusReason);
    QTest::keyClick(sigma, Qt::Key_Return);
    EXPECT_EQ(g_ciSigmaKnown, 0);
    // Each window's buttons, F to S, and Ctrl+1 to Ctrl+5 from any control:
    // every window and the Speed menu show the one speed.
    const std::vector<QWidget*> buttons[] = {
        {Sd()->Control(IDC_SD_SPEED_F), Sd()->Control(IDC_SD_SPEED_4),
         Sd()->Control(IDC_SD_SPEED_3), Sd()->Control(IDC_SD_SPEED_2),
         Sd()->Control(IDC_SD_SPEED_S)},
        {g_samplesWnd->Control(IDC_SAMPLES_SPEED_F), g_samplesWnd->Control(IDC_SAMPLES_SPEED_4),
         g_samplesWnd->Control(IDC_SAMPLES_SPEED_3), g_samplesWnd->Control(IDC_SAMPLES_SPEED_2),
         g_samplesWnd->Control(IDC_SAMPLES_SPEED_S)},
        {Ci()->Control(IDC_CI_SPEED_F), Ci()->Control(IDC_CI_SPEED_4),
         Ci()->Control(IDC_CI_SPEED_3), Ci()->Control(IDC_CI_SPEED_2),
         Ci()->Control(IDC_CI_SPEED_S)}};
    auto expectShown = [&](int speed) {
        EXPECT_EQ(g_speed, speed);
        for (int window = 0; window < 3; ++window)
            for (int s = 1; s <= 5; ++s)
                EXPECT_EQ(qobject_cast<QAbstractButton*>(buttons[window][s - 1])->isChecked(),
                          s == speed)
                    << window << " " << s;
        EXPECT_TRUE(ItemWhenOpened(ID_SPEED_S + 5 - speed)->isChecked());
    };
    for (int window = 0; window < 3; ++window)
        for (int speed = 1; speed <= 5; ++speed) {
            Press(buttons[window][speed - 1]);
            expectShown(speed);
        }
    const std::pair<QWidget*, Qt::Key> keys[] = {{Sd()->Control(IDC_SD_SAMPLE_SIZE), Qt::Key_1},
                                                 {g_populationWnd, Qt::Key_5},
                                                 {Ci()->Control(IDC_CI_CONF_LEVEL), Qt::Key_3},
                                                 {g_popSettingsWnd->MeanField(), Qt::Key_4}};
    for (const auto& [target, key] : keys) {
        target->setFocus();
        QTest::keyClick(target, key, Qt::ControlModifier);
        expectShown(6 - (key - Qt::Key_0));
    }
    // Shared fields stay alike both ways, and a series' count, at any speed.
    TypeInto(Field(Sd(), IDC_SD_SAMPLE_SIZE), "1000"); // the largest taken as it is
    EXPECT_EQ(Field(Ci(), IDC_CI_SAMPLE_SIZE)->text(), "1000");
    EXPECT_EQ(Field(g_samplesWnd, IDC_SAMPLES_SAMPLE_SIZE)->text(), "1000");
    EXPECT_TRUE(messages.isEmpty());
    TypeInto(Field(Ci(), IDC_CI_SAMPLE_SIZE), "36");
    EXPECT_EQ(Sd()->SampleSizeText(), "36");
    ApplyPreset(PresetShape::Uniform);
    for (const auto& [speed, count] : {std::pair{2, "40"}, std::pair{1, "25"}}) {
        TypeInto(Field(Sd(), IDC_SD_NUM_SAMPLES), count);
        g_speed = speed;
        Press(Sd()->Control(IDC_SD_DRAW_SAMPLES));
        EXPECT_EQ(Readout(Ci(), IDC_CI_TOTAL_DRAWN), count);
    }
}

} // namespace
