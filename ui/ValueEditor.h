#pragma once
// The small field that opens over a slider's, a limit's or the possible
// mean's label, so its value can be typed exactly. Enter reads the number
// (ReadTypedNumber) and hands it to the window, which clamps it to the axis
// and moves the part as a drag would; Esc or leaving the field puts it away
// unchanged. A slip that is no number is refused with its message and keeps
// the field open with the text selected, ready to be typed again.

#include "core/Geometry.h"

#include <QLineEdit>
#include <functional>

// The tip of a label that opens the editor, and what a tip of a thing that
// moves along an axis adds for the keyboard.
inline constexpr char kTypeValueTip[] = QT_TRANSLATE_NOOP("Shell", "Double-click to type a value");
inline constexpr char kMoveByKeysTip[] = QT_TRANSLATE_NOOP(
    "Shell",
    "; with the keyboard, Left and Right move it a pixel (Shift: ten) and Enter types its value");
// What a label's tip adds for the keyboard.
inline constexpr char kTypeByKeysTip[] =
    QT_TRANSLATE_NOOP("Shell", "; with the keyboard, Tab to it and press Enter");

class CValueEditor : public QLineEdit {
    Q_OBJECT
  public:
    // Takes the number typed, on the scale the label shows.
    using Apply = std::function<void(double shown)>;
    explicit CValueEditor(QWidget* window);

    // Opens over `label` (window pixels), at least wide enough for a number,
    // inside the window, holding `text` selected. The focus goes back to
    // `returnTo` when the field closes.
    void Open(const Rect& label, const QString& text, const QString& name, Apply apply,
              QWidget* returnTo);
    void Close();
    bool IsOpen() const { return !isHidden(); }

  protected:
    void keyPressEvent(QKeyEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;
    void changeEvent(QEvent* event) override;

  private:
    void ShowWords();
    Apply m_apply;
    QWidget* m_returnTo = nullptr;
    bool m_applying = false;
};
