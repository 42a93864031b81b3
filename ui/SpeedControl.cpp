#include "ui/SpeedControl.h"

#include "core/SimulationState.h"
#include "ui/DialogTemplate.h"
#include "ui/RunControl.h"

#include <QButtonGroup>
#include <QPushButton>
#include <vector>

namespace {
std::vector<CSpeedControl*>& Registry() {
    static std::vector<CSpeedControl*> controls;
    return controls;
}
const char* const kLabels[5] = {"S", "2", "3", "4", "F"};
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
    }
    connect(m_group, &QButtonGroup::idClicked, this, [](int speed) {
        g_speed = speed;
        SyncAll();
    });
    Registry().push_back(this);
    SyncToSpeed();
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
