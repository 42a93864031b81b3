#pragma once
// The small field that opens over a slider's, a limit's or the possible
// mean's label, so its value can be typed exactly. Enter applies the number
// (the window clamps it to the axis and moves the part as a drag would), Esc
// or leaving the field puts it away unchanged. A refused number keeps the
// field open with the text selected, ready to be typed again.

#include "core/Geometry.h"

#include <QLineEdit>
#include <functional>

// The tip of a label that opens the editor, and what a tip of a thing that
// moves along an axis adds for the keyboard.
inline constexpr char kTypeValueTip[] = "Double-click to type a value";
inline constexpr char kMoveByKeysTip[] =
    "; with the keyboard, Left and Right move it a pixel (Shift: ten) and Enter types its value";
// What a label's tip adds for the keyboard.
inline constexpr char kTypeByKeysTip[] = "; with the keyboard, Tab to it and press Enter";

class CValueEditor : public QLineEdit {
    Q_OBJECT
  public:
    // Returns whether the text was taken; on a refusal it has said why.
    using Apply = std::function<bool(const QString& text)>;
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

  private:
    Apply m_apply;
    QWidget* m_returnTo = nullptr;
    bool m_applying = false;
};
