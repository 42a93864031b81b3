#pragma once
// The five push-like speed buttons "S", "2", "3", "4", "F" that three windows
// carry. All controls show the one g_speed: pressing a button in any window
// brings every other control into line.

#include <QObject>
#include <array>

class QButtonGroup;
class QPushButton;
class DialogTemplate;

class CSpeedControl : public QObject {
    Q_OBJECT
  public:
    // ids and dialog-unit x positions in the order "S", "2", "3", "4", "F";
    // every button is 8 x 8 dialog units at row y.
    CSpeedControl(QWidget* owner, DialogTemplate& dialog, const std::array<int, 5>& ids,
                  const std::array<int, 5>& xs, int y);
    ~CSpeedControl() override;

    // Checks the button that belongs to g_speed.
    void SyncToSpeed();
    QPushButton* Button(int speed) const; // speed 1 ("F") .. 5 ("S")

    // Brings every control in the program into line with g_speed.
    static void SyncAll();

  private:
    QButtonGroup* m_group;
    std::array<QPushButton*, 5> m_buttons{}; // "S", "2", "3", "4", "F"
};
