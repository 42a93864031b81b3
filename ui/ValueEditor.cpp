#include "ui/ValueEditor.h"

#include "core/Messages.h"
#include "core/TypedNumber.h"
#include "ui/FieldText.h"
#include "ui/FocusSpot.h"
#include "ui/Gdi.h"
#include "ui/MessageBox.h"

#include <QCoreApplication>
#include <QEvent>
#include <QFocusEvent>
#include <QKeyEvent>
#include <algorithm>
#include <optional>

namespace {
// Room for "-12.345" in the window's font, with the field's frame.
constexpr int kMinimumWidth = 64;
constexpr int kExtraHeight = 6;
} // namespace

CValueEditor::CValueEditor(QWidget* window) : QLineEdit(window) {
    setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    ShowWords();
    hide();
}

void CValueEditor::ShowWords() {
    setAccessibleName(QCoreApplication::translate("Shell", "Typed value"));
    setToolTip(QCoreApplication::translate(
        "Shell", "Type a value: Enter moves it there, Esc leaves it as it is"));
}

void CValueEditor::changeEvent(QEvent* event) {
    if (event->type() == QEvent::LanguageChange) ShowWords();
    QLineEdit::changeEvent(event);
}

void CValueEditor::Open(const Rect& label, const QString& text, const QString& name, Apply apply,
                        QWidget* returnTo) {
    m_apply = std::move(apply);
    m_returnTo = returnTo;
    setAccessibleName(name);
    const QWidget* window = parentWidget();
    const int width = std::max(label.Width() + 8, kMinimumWidth);
    const int height = std::max(label.Height(), fontMetrics().height()) + kExtraHeight;
    // Centred on the label, kept whole inside the window.
    int left = (label.left + label.right - width) / 2;
    int top = (label.top + label.bottom - height) / 2;
    left = std::clamp(left, 0, std::max(0, window->width() - width));
    top = std::clamp(top, 0, std::max(0, window->height() - height));
    setGeometry(left, top, width, height);
    setText(text);
    selectAll();
    show();
    raise();
    setFocus(Qt::OtherFocusReason);
}

void CValueEditor::Close() {
    if (isHidden()) return;
    const bool hadFocus = hasFocus();
    hide();
    m_apply = nullptr;
    if (hadFocus && m_returnTo && m_returnTo->isVisible())
        m_returnTo->setFocus(Qt::OtherFocusReason);
}

void CValueEditor::keyPressEvent(QKeyEvent* event) {
    if (IsEnterKey(*event)) {
        event->accept();
        if (!m_apply || m_applying) return;
        // The window may repaint or move things while it applies; the field
        // closes only once the value is taken.
        m_applying = true;
        const std::optional<double> shown = ReadTypedNumber(ToStd(text()));
        if (shown) {
            const Apply apply = m_apply;
            apply(*shown);
        } else {
            ShowMessage(parentWidget(), QString::fromUtf8(kMsgTypedNotANumber));
        }
        m_applying = false;
        if (shown)
            Close();
        else
            selectAll();
        return;
    }
    if (event->key() == Qt::Key_Escape && event->modifiers() == Qt::NoModifier) {
        event->accept();
        Close();
        return;
    }
    QLineEdit::keyPressEvent(event);
}

void CValueEditor::focusOutEvent(QFocusEvent* event) {
    QLineEdit::focusOutEvent(event);
    // A refusal's message box takes the focus for a moment: the field stays
    // for the number to be typed again. Anywhere else the student has moved on.
    if (m_applying || event->reason() == Qt::ActiveWindowFocusReason ||
        event->reason() == Qt::PopupFocusReason)
        return;
    hide();
    m_apply = nullptr;
}
