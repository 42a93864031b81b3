// A seeded monkey: a long run of random actions drawn from everything a person
// can do. After every action the shared state must hold together, no text may
// read "nan" or "inf" and Qt may warn of nothing; a failure prints the seed and
// last actions. DORVANE_MONKEY_SEEDS (of the seeds at the end) and
// DORVANE_MONKEY_ACTIONS choose the run: make test runs seed 1, make check three
// longer ones under the sanitizers.
#include "tests/shell/ShellTestSupport.h"

#include "core/Random.h"
#include "core/SeriesControl.h"
#include "core/Statistic.h"

#include <QMenuBar>
#include <QRegularExpression>
#include <QTimer>
#include <deque>
#include <random>
#include <sstream>

namespace {

template <class... Parts> std::string Text(const Parts&... parts) {
    std::ostringstream out;
    (out << ... << parts);
    return out.str();
}

const char* const kTexts[] = {
    "0",           "1",    "2",    "5",     "10",     "25",          "30",     "100",
    "999",         "1000", "1001", "10000", "10001",  "20000",       "-5",     "-1",
    "-0",          "",     " ",    "abc",   "12abc",  "99999999999", "1e5",    "3.7",
    "-1000000000", "+7",   "  42", "-",     "nan",    "inf",         "95",     "50",
    "99",          "100",  "1.5",  "-2.5",  "250000", "0.0000001",   "1e-400", "007"};
const Qt::Key kKeys[] = {Qt::Key_0,       Qt::Key_1,      Qt::Key_5,         Qt::Key_9,
                         Qt::Key_A,       Qt::Key_Minus,  Qt::Key_Left,      Qt::Key_Right,
                         Qt::Key_Up,      Qt::Key_Down,   Qt::Key_Home,      Qt::Key_End,
                         Qt::Key_Tab,     Qt::Key_Space,  Qt::Key_Return,    Qt::Key_Enter,
                         Qt::Key_Escape,  Qt::Key_Delete, Qt::Key_Backspace, Qt::Key_PageUp,
                         Qt::Key_PageDown};
const QAbstractSlider::SliderAction kScrolls[] = {
    QAbstractSlider::SliderSingleStepAdd, QAbstractSlider::SliderSingleStepSub,
    QAbstractSlider::SliderPageStepAdd,   QAbstractSlider::SliderPageStepSub,
    QAbstractSlider::SliderToMinimum,     QAbstractSlider::SliderToMaximum};

class Monkey {
  public:
    Monkey(CMainFrame& frame, unsigned seed) : m_frame(frame), m_rng(seed), m_seed(seed) {
        // Fires inside the nested loop of a modal pop-up menu, if one opens.
        m_popupChooser.setSingleShot(true);
        m_popupChooser.setInterval(0);
        QObject::connect(&m_popupChooser, &QTimer::timeout, [this] {
            auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
            if (!menu) return;
            const QList<QAction*> actions = menu->actions();
            if (m_popupChoice < actions.size() && !actions[m_popupChoice]->isSeparator())
                actions[m_popupChoice]->trigger();
            menu->close();
        });
        // A long run KeepRunShort could not foresee is hurried along to F.
        m_outerWait = SetMillisecondWait([this](int) {
            if (++m_waitsThisAction == 400 && g_speed != 1) {
                Note("speed F during the run");
                g_speed = 1;
                CSpeedControl::SyncAll();
            }
        });
    }
    ~Monkey() { SetMillisecondWait(m_outerWait); }

    void Act() {
        m_waitsThisAction = 0;
        CloseStrayPopups();
        const int kind = Pick(100);
        if (kind < 30) {
            CToolWindow* window = PickOf(VisibleToolWindows());
            if (window) ClickOrDrag(window);
        } else if (kind < 50) {
            if (QLineEdit* field = PickOf(VisibleControls<QLineEdit>())) {
                const char* text = kTexts[Pick(static_cast<int>(std::size(kTexts)))];
                Note(Text("type \"", text, "\" into ", Name(field)));
                TypeInto(field, QString::fromLatin1(text));
                if (Pick(3) == 0) {
                    KeepRunShort();
                    QTest::keyClick(field, Qt::Key_Return);
                }
            }
        } else if (kind < 68) {
            if (QAbstractButton* button = PickOf(VisibleControls<QAbstractButton>())) {
                KeepRunShort(); // the button may be a DRAW SAMPLES
                Note("press " + Name(button));
                ArmPopupChooser();
                button->click();
            }
        } else if (kind < 78) {
            ChooseMenuCommand();
        } else if (kind < 86) {
            if (QScrollBar* bar = PickOf(VisibleControls<QScrollBar>())) Scroll(bar);
        } else if (kind < 95) {
            PressKey();
        } else if (CToolWindow* window = PickOf(VisibleToolWindows()); window && window->Frame()) {
            const QPoint to(Pick(600), Pick(300));
            Note(Text("move ", window->Tag(), " window"));
            window->Frame()->move(to);
        }
        CloseStrayPopups();
    }

    // Empty when the state holds together; else what is wrong.
    std::string BrokenInvariant() const {
        const int n = g_samplesDrawn;
        if (n < 0 || n > kMaxSamples) return Text("g_samplesDrawn = ", n);
        std::vector<bool> seen(n + 1, false);
        for (int k = 1; k <= n; ++k) {
            const int row = g_sortedMeanSampleNo[k];
            if (row < 1 || row > n || seen[row])
                return Text("sorted means name row ", row, " at ", k);
            seen[row] = true;
            if (g_sortedMeans[k] != g_sampleStore[row].mean) return Text("sorted mean ", k, " off");
            if (k > 1 && g_sortedMeans[k - 1] > g_sortedMeans[k]) return Text("unsorted at ", k);
        }
        std::vector<int> expected(kHistogramBins + 1, 0);
        for (int row = 1; row <= n; ++row) // the chosen statistic's bin
            ++expected[HistogramBin(AxisStatisticOfSample(row, g_seriesSampleSize))];
        for (int bin = 1; bin <= kHistogramBins; ++bin)
            if (g_meanHistogram[bin] != expected[bin])
                return Text("histogram bin ", bin, " holds ", g_meanHistogram[bin], " of ",
                            expected[bin]);
        if (g_confIntervalWnd && g_drawFinished && g_ciInCount + g_ciOutCount != n)
            return Text("coverage counts ", g_ciInCount, " + ", g_ciOutCount, " for ", n);
        if (g_speed < 1 || g_speed > 5) return Text("g_speed = ", g_speed);
        // What the program writes itself: readouts, buttons, read-only fields.
        static const QRegularExpression bad(QStringLiteral("(^|[^a-z])(nan|inf)([^a-z]|$)"),
                                            QRegularExpression::CaseInsensitiveOption);
        for (const QWidget* w : m_frame.MdiArea()->findChildren<QWidget*>()) {
            const auto* field = qobject_cast<const QLineEdit*>(w);
            const auto* label = qobject_cast<const QLabel*>(w);
            const auto* button = qobject_cast<const QAbstractButton*>(w);
            const QString text = field && field->isReadOnly() ? field->text()
                                 : label                      ? label->text()
                                 : button                     ? button->text()
                                                              : QString();
            if (bad.match(text).hasMatch())
                return Text("a text reads \"", text.toStdString(), "\"");
        }
        return {};
    }

    std::string Trail() const {
        std::string trail = Text("seed ", m_seed, ", last actions:");
        for (const std::string& action : m_trail)
            trail += "\n  " + action;
        return trail;
    }

  private:
    int Pick(int n) { return std::uniform_int_distribution<int>(0, n - 1)(m_rng); }
    template <class T> T* PickOf(const QList<T*>& items) {
        return items.isEmpty() ? nullptr : items[Pick(static_cast<int>(items.size()))];
    }
    void Note(const std::string& action) {
        m_trail.push_back(action);
        if (m_trail.size() > 40) m_trail.pop_front();
    }
    static std::string Name(const QWidget* widget) {
        std::string name = widget->metaObject()->className();
        if (const auto* button = qobject_cast<const QAbstractButton*>(widget))
            name += " \"" + button->text().toStdString() + "\"";
        for (const QWidget* up = widget; up; up = up->parentWidget())
            if (const auto* tool = qobject_cast<const CToolWindow*>(up))
                return name + " in " + tool->Tag();
        return name;
    }
    QList<CToolWindow*> VisibleToolWindows() const {
        QList<CToolWindow*> windows;
        for (QMdiSubWindow* frame : m_frame.MdiArea()->subWindowList())
            if (auto* tool = qobject_cast<CToolWindow*>(frame->widget()))
                if (frame->isVisible()) windows << tool;
        return windows;
    }
    template <class T> QList<T*> VisibleControls() const {
        QList<T*> controls;
        for (CToolWindow* window : VisibleToolWindows())
            for (T* control : window->findChildren<T*>())
                if (control->isVisible() && control->isEnabled()) controls << control;
        return controls;
    }
    // A modal pop-up (the preset menu) would hold the test.
    void CloseStrayPopups() {
        for (int i = 0; i < 3 && QApplication::activePopupWidget(); ++i)
            QApplication::activePopupWidget()->close();
    }
    void ArmPopupChooser() {
        m_popupChoice = Pick(8);
        m_popupChooser.start();
    }
    // A run of many values at an animated speed is run at F.
    void KeepRunShort() {
        if (!g_samplingDistWnd) return;
        const long long count =
            ReadWholeNumber(g_samplingDistWnd->NumberOfSamplesText().toStdString());
        const long long n = ReadWholeNumber(g_samplingDistWnd->SampleSizeText().toStdString());
        if (count * n > 3000 || count > 200) {
            g_speed = 1;
            CSpeedControl::SyncAll();
        }
    }
    void ClickOrDrag(CToolWindow* window) {
        QPoint at(Pick(std::max(1, window->width())), Pick(std::max(1, window->height())));
        QWidget* target = window->childAt(at);
        if (!target || Pick(3) == 0) target = window;
        at = target->mapFrom(window, at);
        ArmPopupChooser();
        if (Pick(2) == 0) {
            Note(Text("click ", Name(target), " at ", at.x(), ",", at.y()));
            QTest::mouseClick(target, Qt::LeftButton, Qt::NoModifier, at);
            return;
        }
        Note(Text("drag in ", Name(target), " from ", at.x(), ",", at.y()));
        QTest::mousePress(target, Qt::LeftButton, Qt::NoModifier, at);
        const int steps = 1 + Pick(6);
        QPoint to = at;
        for (int i = 0; i < steps; ++i) {
            to = QPoint(at.x() + Pick(401) - 200, at.y() + Pick(301) - 150);
            SendMove(target, to, Qt::LeftButton);
        }
        QTest::mouseRelease(target, Qt::LeftButton, Qt::NoModifier, to);
    }
    void ChooseMenuCommand() {
        QList<QAction*> actions;
        for (QAction* top : m_frame.menuBar()->actions()) {
            QMenu* menu = top->menu();
            if (!menu) continue;
            emit menu->aboutToShow();
            for (QAction* action : menu->actions()) {
                const int id = action->data().toInt();
                // Exit ends the test and About is a modal box.
                if (action->isSeparator() || id == ID_APP_EXIT || id == ID_APP_ABOUT) continue;
                if (action->isEnabled()) actions << action;
            }
            emit menu->aboutToHide();
        }
        if (QAction* action = PickOf(actions)) {
            Note("menu " + action->text().toStdString());
            action->trigger();
        }
    }
    void Scroll(QScrollBar* bar) {
        if (Pick(4) == 0) {
            const int to = bar->minimum() + Pick(std::max(1, bar->maximum() - bar->minimum() + 1));
            Note(Text("drag thumb of ", Name(bar), " to ", to));
            bar->setSliderPosition(to);
            return;
        }
        const auto action = kScrolls[Pick(static_cast<int>(std::size(kScrolls)))];
        Note(Text("scroll ", Name(bar), " action ", action));
        bar->triggerAction(action);
    }
    void PressKey() {
        QWidget* target = QApplication::focusWidget();
        if (!target || Pick(3) == 0) target = PickOf(VisibleToolWindows());
        if (!target) return;
        const Qt::Key key = kKeys[Pick(static_cast<int>(std::size(kKeys)))];
        const Qt::KeyboardModifiers keys = Pick(5) == 0 ? Qt::ShiftModifier : Qt::NoModifier;
        Note(Text("key ", QKeySequence(key).toString().toStdString(), " to ", Name(target)));
        KeepRunShort(); // Enter may draw samples
        ArmPopupChooser();
        QTest::keyClick(target, key, keys);
    }

    CMainFrame& m_frame;
    std::mt19937 m_rng;
    unsigned m_seed;
    std::deque<std::string> m_trail;
    QTimer m_popupChooser;
    int m_popupChoice = 0;
    int m_waitsThisAction = 0;
    MillisecondWait m_outerWait;
};

class MonkeyTest : public ShellTest, public ::testing::WithParamInterface<unsigned> {};

TEST_P(MonkeyTest, SurvivesRandomActionsWithItsStateWhole) {
    const unsigned seed = GetParam();
    const QStringList asked =
        qEnvironmentVariable("DORVANE_MONKEY_SEEDS", "1").remove(' ').split(',');
    if (!asked.contains(QString::number(seed))) GTEST_SKIP() << "seed " << seed << " not asked for";
    int actions = qEnvironmentVariableIntValue("DORVANE_MONKEY_ACTIONS");
    if (actions <= 0) actions = 2000;
    Monkey monkey(Frame(), seed);
    for (int i = 0; i < actions && !HasFailure(); ++i) {
        monkey.Act();
        // A Qt warning fails the test as it comes; the trail says after what.
        EXPECT_EQ(monkey.BrokenInvariant(), "");
        if (HasFailure()) ADD_FAILURE() << "after action " << i + 1 << "\n" << monkey.Trail();
    }
}

INSTANTIATE_TEST_SUITE_P(Seeds, MonkeyTest, ::testing::Values(1u, 11u, 12u, 13u));

} // namespace
