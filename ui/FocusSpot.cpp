#include "ui/FocusSpot.h"

#include "core/SimulationState.h"
#include "ui/Gdi.h"

#include <QKeyEvent>

CFocusSpot::CFocusSpot(QWidget* window, const QString& name, const QString& tip, KeyHandler keys)
    : QWidget(window), m_keys(std::move(keys)) {
    // Tab reaches it; a click is the window's, which keeps its own handling.
    setFocusPolicy(Qt::TabFocus);
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setAccessibleName(name);
    setToolTip(tip);
    hide();
}

void CFocusSpot::Place(const Rect& r) {
    if (r.IsEmpty()) {
        if (!isHidden()) hide();
        return;
    }
    const QRect wanted = ToQRect(r);
    if (geometry() != wanted) setGeometry(wanted);
    if (isHidden()) show();
}

void CFocusSpot::Describe(const QString& description) {
    if (accessibleDescription() != description) setAccessibleDescription(description);
}

void CFocusSpot::keyPressEvent(QKeyEvent* event) {
    if (m_keys && m_keys(*event)) {
        event->accept();
        return;
    }
    QWidget::keyPressEvent(event);
}

int HorizontalStep(const QKeyEvent& event) {
    const Qt::KeyboardModifiers others =
        event.modifiers() & ~(Qt::ShiftModifier | Qt::KeypadModifier);
    if (others) return 0;
    int step = 0;
    switch (event.key()) {
    case Qt::Key_Left:
    case Qt::Key_Down:
        step = -1;
        break;
    case Qt::Key_Right:
    case Qt::Key_Up:
        step = 1;
        break;
    default:
        return 0;
    }
    return event.modifiers() & Qt::ShiftModifier ? 10 * step : step;
}

int SampleStep(const QKeyEvent& event) {
    if (event.modifiers() & ~Qt::KeypadModifier) return 0;
    switch (event.key()) {
    case Qt::Key_Left:
    case Qt::Key_Down:
        return -1;
    case Qt::Key_Right:
    case Qt::Key_Up:
        return 1;
    case Qt::Key_Home:
        return -kMaxSamples;
    case Qt::Key_End:
        return kMaxSamples;
    default:
        return 0;
    }
}

bool IsEnterKey(const QKeyEvent& event) {
    const bool enter = event.key() == Qt::Key_Return || event.key() == Qt::Key_Enter;
    return enter && !(event.modifiers() & ~Qt::KeypadModifier);
}
