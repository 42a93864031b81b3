// The Speed control that three windows carry: all of them always show the
// one g_speed.
#include "shell/SpeedControl.h"
#include "core/SimulationState.h"
#include "shell/DialogTemplate.h"
#include "tests/support/GuiTestSupport.h"

#include <QPushButton>
#include <QTest>
#include <QWidget>
#include <array>
#include <memory>

namespace {
// A window carrying a Speed control at the place one of the three windows has
// it.
struct SpeedHost {
    SpeedHost(QSize design, std::array<int, 5> xs, int y)
        : widget(std::make_unique<QWidget>()),
          dialog(widget.get(), QSize(design.width() / 2, design.height() / 2), design) {
        widget->resize(design);
        control = new CSpeedControl(widget.get(), dialog, {1040, 1041, 1042, 1043, 1044}, xs, y);
        widget->show();
    }
    // The button with this face ("S", "2", "3", "4", "F").
    QPushButton* Face(const QString& text) const {
        for (int speed = 1; speed <= 5; ++speed)
            if (control->Button(speed)->text() == text) return control->Button(speed);
        return nullptr;
    }
    QString Pressed() const {
        QString pressed;
        for (int speed = 1; speed <= 5; ++speed)
            if (control->Button(speed)->isChecked()) pressed += control->Button(speed)->text();
        return pressed;
    }
    std::unique_ptr<QWidget> widget;
    DialogTemplate dialog;
    CSpeedControl* control = nullptr;
};
} // namespace

using SpeedControl = GuiTest;

TEST_F(SpeedControl, EveryControlShowsTheSpeedPressedInAnyOfThem) {
    SpeedHost dorvane(QSize(624, 446), {9, 19, 28, 37, 46}, 76);
    SpeedHost samples(QSize(320, 402), {114, 124, 133, 142, 151}, 172);
    SpeedHost intervals(QSize(508, 540), {2, 11, 21, 30, 39}, 109);
    const std::array<SpeedHost*, 3> hosts{&dorvane, &samples, &intervals};

    // Start-up speed 2 shows as "4".
    for (SpeedHost* host : hosts)
        EXPECT_EQ(host->Pressed(), "4");

    QTest::mouseClick(samples.Face("3"), Qt::LeftButton);
    EXPECT_EQ(g_speed, 3);
    for (SpeedHost* host : hosts)
        EXPECT_EQ(host->Pressed(), "3");

    const std::array<std::pair<const char*, int>, 5> faces{
        {{"S", 5}, {"2", 4}, {"3", 3}, {"4", 2}, {"F", 1}}};
    for (SpeedHost* pressedIn : hosts) {
        for (const auto& [face, speed] : faces) {
            QTest::mouseClick(pressedIn->Face(face), Qt::LeftButton);
            EXPECT_EQ(g_speed, speed);
            for (SpeedHost* host : hosts)
                EXPECT_EQ(host->Pressed(), face);
        }
    }
}
