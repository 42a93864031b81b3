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
#include <QWidget>
#include <array>
#include <functional>
#include <memory>

namespace {
// A window carrying a Speed control at the place one of the other windows has it.
struct SpeedHost {
    SpeedHost(QSize design, std::array<int, 5> xs, int y)
        : widget(std::make_unique<QWidget>()),
          dialog(widget.get(), QSize(design.width() / 2, design.height() / 2), design) {
        widget->resize(design);
        control = new CSpeedControl(widget.get(), dialog, {1, 2, 3, 4, 5}, xs, y);
        widget->show();
    }
    std::unique_ptr<QWidget> widget;
    DialogTemplate dialog;
    CSpeedControl* control = nullptr;
};

const std::array<const char*, 5> kFaces{"S", "2", "3", "4", "F"};

// The faces of one control's buttons and which one is pressed.
struct Control {
    std::function<QPushButton*(const QString&)> face;
    QString Pressed() const {
        QString pressed;
        for (const char* text : kFaces)
            if (face(text)->isChecked()) pressed += text;
        return pressed;
    }
};

Control Of(const SpeedHost& host) {
    return {[&host](const QString& text) -> QPushButton* {
        for (int speed = 1; speed <= 5; ++speed)
            if (host.control->Button(speed)->text() == text) return host.control->Button(speed);
        return nullptr;
    }};
}
} // namespace

using SpeedControl = ShellTest;

TEST_F(SpeedControl, EveryControlShowsTheSpeedPressedInAnyOfThem) {
    ASSERT_NE(g_samplingDistWnd, nullptr);
    CSamplingDistDlg* dorvane = g_samplingDistWnd;
    const Control dorvaneControl{[dorvane](const QString& text) -> QPushButton* {
        for (int id = IDC_SD_SPEED_F; id <= IDC_SD_SPEED_S; ++id) {
            auto* button = qobject_cast<QPushButton*>(dorvane->Control(id));
            if (button && button->text() == text) return button;
        }
        return nullptr;
    }};
    SpeedHost samples(QSize(320, 402), {114, 124, 133, 142, 151}, 172);
    SpeedHost intervals(QSize(508, 540), {2, 11, 21, 30, 39}, 109);
    const std::array<Control, 3> controls{dorvaneControl, Of(samples), Of(intervals)};
    for (const Control& control : controls)
        for (const char* text : kFaces)
            ASSERT_NE(control.face(text), nullptr) << text;

    // Start-up speed 2 shows as "4".
    for (const Control& control : controls)
        EXPECT_EQ(control.Pressed(), "4");

    QTest::mouseClick(controls[1].face("3"), Qt::LeftButton);
    EXPECT_EQ(g_speed, 3);
    for (const Control& control : controls)
        EXPECT_EQ(control.Pressed(), "3");

    const std::array<int, 5> speeds{5, 4, 3, 2, 1};
    for (const Control& pressedIn : controls) {
        for (std::size_t i = 0; i < kFaces.size(); ++i) {
            QTest::mouseClick(pressedIn.face(kFaces[i]), Qt::LeftButton);
            EXPECT_EQ(g_speed, speeds[i]);
            for (const Control& control : controls)
                EXPECT_EQ(control.Pressed(), kFaces[i]);
        }
    }
}
