// The Speed control that three windows carry: all of them always show the
// one g_speed. The Dorvane window's control is the real one; the Samples and
// Confidence Intervals windows are stood in for by controls at their places.
#include "tests/shell/ShellTestSupport.h"

#include "core/SimulationState.h"
#include "resources/Resource.h"
#include "shell/DialogTemplate.h"
#include "shell/SpeedControl.h"
#include "windows/sampdist/SamplingDistDlg.h"

#include <QPushButton>
#include <QTest>
#include <functional>

namespace {
// A window carrying a Speed control at the place one of the other windows has it.
struct SpeedHost {
    SpeedHost(QSize design, std::array<int, 5> xs, int y)
        : dialog(&widget, QSize(design.width() / 2, design.height() / 2), design) {
        widget.resize(design);
        control = new CSpeedControl(&widget, dialog, {1, 2, 3, 4, 5}, xs, y);
        widget.show();
    }
    QWidget widget;
    DialogTemplate dialog;
    CSpeedControl* control = nullptr;
};
} // namespace

using SpeedControl = ShellTest;

TEST_F(SpeedControl, EveryControlShowsTheSpeedPressedInAnyOfThem) {
    SpeedHost samples(QSize(320, 402), {114, 124, 133, 142, 151}, 172);
    SpeedHost intervals(QSize(508, 540), {2, 11, 21, 30, 39}, 109);
    // Each control's button for a speed, 1 ("F") to 5 ("S").
    const std::function<QPushButton*(int)> controls[] = {
        [](int speed) {
            return qobject_cast<QPushButton*>(
                g_samplingDistWnd->Control(IDC_SD_SPEED_F + speed - 1));
        },
        [&](int speed) { return samples.control->Button(speed); },
        [&](int speed) { return intervals.control->Button(speed); }};
    auto pressed = [](const std::function<QPushButton*(int)>& control) {
        QString faces;
        for (int speed = 1; speed <= 5; ++speed)
            if (control(speed)->isChecked()) faces += control(speed)->text();
        return faces;
    };
    for (const auto& control : controls)
        EXPECT_EQ(pressed(control), "4"); // start-up speed 2

    for (const auto& pressedIn : controls) {
        for (int speed = 1; speed <= 5; ++speed) {
            QTest::mouseClick(pressedIn(speed), Qt::LeftButton);
            EXPECT_EQ(g_speed, speed);
            for (const auto& control : controls)
                EXPECT_EQ(pressed(control), QString("F432S"[speed - 1]));
        }
    }
}
