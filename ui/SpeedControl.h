#pragma once
// The five push-like speed buttons "S", "2", "3", "4", "F" that three windows
// carry. All controls show the one g_speed: pressing a button in any window
// brings every other control into line.

#include <QObject>
#include <array>

class QButtonGroup;
class QKeySequence;
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
    // Sets g_speed (1..5) as a press of its button does.
    static void SetSpeed(int speed);

  protected:
    // Tab enters the five buttons at the one pressed in, as radio buttons
    // are entered; the arrow keys then choose another.
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    // The buttons' names and tips in the language in force.
    void ShowWords();
    QButtonGroup* m_group;
    std::array<QPushButton*, 5> m_buttons{}; // "S", "2", "3", "4", "F"
};

// The keys that set the speed from any window, even during a run: Ctrl+1 to
// Ctrl+5 stand for the buttons from the left, "S" (speed 5) to "F" (speed 1).
QKeySequence SpeedShortcut(int speed);
// The speed a key sequence sets, or 0.
int SpeedOfShortcut(const QKeySequence& keys);
