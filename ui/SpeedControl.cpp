#include "ui/SpeedControl.h"

#include "core/SimulationState.h"
#include "ui/DialogTemplate.h"
#include "ui/RunControl.h"

#include <QButtonGroup>
#include <QCoreApplication>
#include <QFocusEvent>
#include <QKeySequence>
#include <QPushButton>
#include <vector>

namespace {
std::vector<CSpeedControl*>& Registry() {
    static std::vector<CSpeedControl*> controls;
    return controls;
}
const char* const kLabels[5] = {"S", "2", "3", "4", "F"};
const char* const kNames[5] = {
    QT_TRANSLATE_NOOP("Shell", "Speed S, slowest"), QT_TRANSLATE_NOOP("Shell", "Speed 2"),
    QT_TRANSLATE_NOOP("Shell", "Speed 3"), QT_TRANSLATE_NOOP("Shell", "Speed 4"),
    QT_TRANSLATE_NOOP("Shell", "Speed F, fastest")};
const char* const kTips[5] = {
    QT_TRANSLATE_NOOP("Shell", "Slowest: every value of a sample falls into place (Ctrl+1)"),
    QT_TRANSLATE_NOOP("Shell", "Drawing speed 2 (Ctrl+2)"),
    QT_TRANSLATE_NOOP("Shell", "Drawing speed 3 (Ctrl+3)"),
    QT_TRANSLATE_NOOP("Shell", "Drawing speed 4 (Ctrl+4)"),
    QT_TRANSLATE_NOOP("Shell", "Fastest: only the finished series is shown (Ctrl+5)")};
// Button i from the left stands for speed 5 - i.
int SpeedOf(int index) {
    return 5 - index;
}
} // namespace

CSpeedControl::CSpeedControl(QWidget* owner, DialogTemplate& dialog, const std::array<int, 5>& ids,
                             const std::array<int, 5>& xs, int y)
    : QObject(owner), m_group(new QButtonGroup(this)) {
    m_group->setExclusive(true);
    for (int i = 0; i < 5; ++i) {
        auto* button = qobject_cast<QPushButton*>(
            dialog.Create({ids[i], ControlKind::RadioButton, kLabels[i], xs[i], y, 8, 8}));
        // The pressed speed must read clearly from the back of a classroom.
        button->setStyleSheet(QStringLiteral(
            "QPushButton { border: 1px solid rgb(120, 120, 120); background: rgb(250, 250, 250); }"
            "QPushButton:checked { background: rgb(40, 40, 40); color: white; }"));
        MarkAsRunControl(button); // the speed can change while a run goes on
        m_buttons[i] = button;
        m_group->addButton(button, SpeedOf(i));
        button->installEventFilter(this);
    }
    ShowWords();
    connect(m_group, &QButtonGroup::idClicked, this, [](int speed) { SetSpeed(speed); });
    Registry().push_back(this);
    SyncToSpeed();
}

void CSpeedControl::ShowWords() {
    for (int i = 0; i < 5; ++i) {
        m_buttons[i]->setAccessibleName(QCoreApplication::translate("Shell", kNames[i]));
        m_buttons[i]->setToolTip(QCoreApplication::translate("Shell", kTips[i]));
    }
}

CSpeedControl::~CSpeedControl() {
    std::erase(Registry(), this);
}

QPushButton* CSpeedControl::Button(int speed) const {
    return (speed >= 1 && speed <= 5) ? m_buttons[5 - speed] : nullptr;
}

void CSpeedControl::SyncToSpeed() {
    if (QPushButton* button = Button(g_speed)) button->setChecked(true);
}

void CSpeedControl::SyncAll() {
    for (CSpeedControl* control : Registry())
        control->SyncToSpeed();
}

bool CSpeedControl::eventFilter(QObject* watched, QEvent* event) {
    // The first button hears of a change of language for all five.
    if (event->type() == QEvent::LanguageChange && watched == m_buttons[0]) ShowWords();
    if (event->type() == QEvent::FocusIn) {
        const Qt::FocusReason reason = static_cast<QFocusEvent*>(event)->reason();
        QPushButton* pressed = Button(g_speed);
        if ((reason == Qt::TabFocusReason || reason == Qt::BacktabFocusReason) && pressed &&
            watched != pressed)
            pressed->setFocus(reason);
    }
    return QObject::eventFilter(watched, event);
}

void CSpeedControl::SetSpeed(int speed) {
    if (speed < 1 || speed > 5) return;
    g_speed = speed;
    SyncAll();
}

QKeySequence SpeedShortcut(int speed) {
    if (speed < 1 || speed > 5) return {};
    return QKeySequence(Qt::CTRL | static_cast<Qt::Key>(Qt::Key_1 + (5 - speed)));
}

int SpeedOfShortcut(const QKeySequence& keys) {
    for (int speed = 1; speed <= 5; ++speed)
        if (keys == SpeedShortcut(speed)) return speed;
    return 0;
}
