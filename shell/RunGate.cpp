#include "shell/RunGate.h"

#include "ui/RunControl.h"
#include "ui/SpeedControl.h"

#include <QApplication>
#include <QEvent>
#include <QKeyEvent>
#include <QMdiSubWindow>
#include <QShortcutEvent>
#include <QWidget>

namespace {
constexpr auto kPumpInterval = std::chrono::milliseconds(30);

bool IsInput(QEvent::Type type) {
    switch (type) {
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonRelease:
    case QEvent::MouseButtonDblClick:
    case QEvent::MouseMove:
    case QEvent::KeyPress:
    case QEvent::KeyRelease:
    case QEvent::ShortcutOverride:
    case QEvent::Shortcut:
    case QEvent::Wheel:
    case QEvent::ContextMenu:
    case QEvent::InputMethod:
    case QEvent::TabletPress:
    case QEvent::TabletRelease:
    case QEvent::TabletMove:
    case QEvent::TouchBegin:
    case QEvent::TouchUpdate:
    case QEvent::TouchEnd:
    case QEvent::DragEnter:
    case QEvent::DragMove:
    case QEvent::Drop:
        return true;
    default:
        return false;
    }
}

bool IsMouse(QEvent::Type type) {
    return type == QEvent::MouseButtonPress || type == QEvent::MouseButtonRelease ||
           type == QEvent::MouseButtonDblClick || type == QEvent::MouseMove;
}

bool IsKey(QEvent::Type type) {
    return type == QEvent::KeyPress || type == QEvent::KeyRelease;
}
} // namespace

CRunGate::CRunGate() {
    qApp->installEventFilter(this);
    m_lastPump = std::chrono::steady_clock::now();
}

CRunGate::~CRunGate() {
    qApp->removeEventFilter(this);
}

void CRunGate::Pump(bool force) {
    const auto now = std::chrono::steady_clock::now();
    if (!force && now - m_lastPump < kPumpInterval) return;
    m_lastPump = now;
    QCoreApplication::processEvents(QEventLoop::AllEvents);
}

bool CRunGate::eventFilter(QObject* watched, QEvent* event) {
    const QEvent::Type type = event->type();
    // A menu key reaches its action, not a widget: only the speed keys act.
    if (type == QEvent::Shortcut)
        return SpeedOfShortcut(static_cast<QShortcutEvent*>(event)->key()) == 0;
    // Input reaches a window first and is then handed to the widget under it;
    // the widget decides.
    auto* widget = qobject_cast<QWidget*>(watched);
    if (!widget || !IsInput(type)) return false;

    if (type == QEvent::KeyPress && static_cast<QKeyEvent*>(event)->key() == Qt::Key_Escape) {
        RequestStopOfRun();
        return true;
    }
    if (IsMouse(type)) {
        // The speed buttons and STOP act; a tool window's frame can be moved
        // and raised (its close box waits: the frame refuses during a run).
        if (IsRunControl(widget) || qobject_cast<QMdiSubWindow*>(widget)) return false;
    }
    // A focused speed button or STOP answers its keys (Space, Enter, arrows).
    if (IsKey(type) && IsRunControl(widget)) return false;
    return true;
}
