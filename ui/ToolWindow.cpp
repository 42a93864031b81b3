#include "ui/ToolWindow.h"

#include "core/SimulationState.h"
#include "core/WorkspaceLayout.h"
#include "ui/FocusRing.h"
#include "ui/FocusSpot.h"

#include <QAbstractButton>
#include <QApplication>
#include <QButtonGroup>
#include <QCloseEvent>
#include <QHelpEvent>
#include <QKeyEvent>
#include <QMdiArea>
#include <QMouseEvent>
#include <QScrollBar>
#include <QToolTip>
#include <algorithm>

CToolWindow::CToolWindow(const char* tag, const QString& caption, QSize designSize, QWidget* parent)
    : QWidget(parent), m_tag(tag) {
    setWindowTitle(caption);
    setFixedSize(designSize);
    setAttribute(Qt::WA_OpaquePaintEvent);
    // The cursor changes over what can be dragged or clicked in the picture.
    setMouseTracking(true);
}

void CToolWindow::HostIn(QMdiArea* area) {
    if (m_frame || !area) return;
    auto* frame = new CToolSubWindow(this);
    m_frame = frame;
    area->addSubWindow(m_frame);
    // Only inside the area does the frame have a title bar; size it again so
    // the whole client area shows below it.
    frame->FitToClient();
    m_frame->hide();
}

void CToolWindow::ShowTool() {
    if (m_frame) {
        m_frame->showNormal();
        m_frame->show();
        m_frame->raise();
        if (QMdiArea* area = m_frame->mdiArea()) area->setActiveSubWindow(m_frame);
    } else {
        show();
        raise();
    }
    // Shown again, the window keeps the control the student left it at.
    if (!m_focusedOnce) {
        m_focusedOnce = true;
        FocusFirstControl();
    }
}

void CToolWindow::SetTabOrder(const std::vector<QWidget*>& controls) {
    m_tabOrder.clear();
    QWidget* previous = nullptr;
    for (QWidget* control : controls) {
        if (!control) continue;
        m_tabOrder.emplace_back(control);
        // Qt's own chain too, which screen readers and Qt's helpers follow.
        if (previous) QWidget::setTabOrder(previous, control);
        previous = control;
    }
}

bool CToolWindow::IsTabStop(const QWidget* control) const {
    if (!control || !control->isVisibleTo(this) || !control->isEnabled() ||
        !(control->focusPolicy() & Qt::TabFocus))
        return false;
    const auto* button = qobject_cast<const QAbstractButton*>(control);
    const QButtonGroup* group = button ? button->group() : nullptr;
    return !(group && group->exclusive() && group->checkedButton() && !button->isChecked());
}

void CToolWindow::FocusFirstControl() {
    for (const QPointer<QWidget>& control : m_tabOrder) {
        if (!IsTabStop(control)) continue;
        control->setFocus(Qt::TabFocusReason);
        return;
    }
}

bool CToolWindow::focusNextPrevChild(bool next) {
    const int count = static_cast<int>(m_tabOrder.size());
    if (count == 0) return QWidget::focusNextPrevChild(next);
    int at = -1;
    const QWidget* focus = QApplication::focusWidget();
    for (int i = 0; i < count; ++i)
        if (m_tabOrder[i] == focus) at = i;
    // From a control outside the order (a field over a label) Tab starts over.
    if (at < 0) at = next ? count - 1 : 0;
    for (int step = 1; step <= count; ++step) {
        QWidget* candidate = m_tabOrder[((at + (next ? step : -step)) % count + count) % count];
        if (!IsTabStop(candidate)) continue;
        candidate->setFocus(next ? Qt::TabFocusReason : Qt::BacktabFocusReason);
        return true;
    }
    return QWidget::focusNextPrevChild(next);
}

void CToolWindow::HideTool() {
    if (!m_frame) {
        hide();
        return;
    }
    const QWidget* focus = QApplication::focusWidget();
    const bool hadFocus = focus && m_frame->isAncestorOf(focus);
    m_frame->hide();
    QMdiArea* area = m_frame->mdiArea();
    if (!area || !(hadFocus || area->activeSubWindow() == m_frame)) return;
    // The keys go on to the window on top of those still shown, so Tab
    // never lands on nothing.
    const QList<QMdiSubWindow*> stack = area->subWindowList(QMdiArea::StackingOrder);
    for (auto it = stack.crbegin(); it != stack.crend(); ++it) {
        QMdiSubWindow* next = *it;
        auto* tool = qobject_cast<CToolWindow*>(next->widget());
        if (next == m_frame || !next->isVisible() || !tool) continue;
        area->setActiveSubWindow(next);
        tool->FocusLastControl();
        return;
    }
}

void CToolWindow::FocusLastControl() {
    QWidget* last = focusWidget();
    if (last && last != this && last->isVisibleTo(this) && last->isEnabled())
        last->setFocus(Qt::OtherFocusReason);
    else
        FocusFirstControl();
}

bool CToolWindow::IsToolVisible() const {
    return m_frame ? m_frame->isVisible() : isVisible();
}

QRect CToolWindow::ToolGeometry() const {
    return m_frame ? m_frame->geometry() : geometry();
}

void CToolWindow::MoveToolTo(const QPoint& topLeft) {
    if (auto* frame = qobject_cast<CToolSubWindow*>(m_frame)) {
        frame->SetProgrammaticMove(true);
        frame->move(topLeft);
        frame->SetProgrammaticMove(false);
    } else {
        move(topLeft);
    }
}

void CToolWindow::ResizeClientTo(const QSize& clientSize) {
    setFixedSize(clientSize);
    if (auto* frame = qobject_cast<CToolSubWindow*>(m_frame)) frame->FitToClient();
}

void CToolWindow::MarkActive() {
    g_activeWindowTag = m_tag;
}

void CToolWindow::mousePressEvent(QMouseEvent* event) {
    MarkActive();
    QWidget::mousePressEvent(event);
}

void CToolWindow::changeEvent(QEvent* event) {
    if (event->type() == QEvent::LanguageChange) Retranslate();
    QWidget::changeEvent(event);
}

bool CToolWindow::event(QEvent* event) {
    if (event->type() == QEvent::ToolTip) {
        const auto* help = static_cast<QHelpEvent*>(event);
        QString tip = HoverAt(help->pos()).tip;
        // A part the keys can reach says how in its stand-in's tip, which
        // begins with the words the pointer gets; the stand-in lets the
        // mouse through, so its tip is given here.
        for (const CFocusSpot* spot : findChildren<CFocusSpot*>(Qt::FindDirectChildrenOnly)) {
            if (tip.isEmpty() || spot->isHidden() || !spot->geometry().contains(help->pos()))
                continue;
            if (spot->toolTip().startsWith(tip)) tip = spot->toolTip();
        }
        if (tip.isEmpty()) {
            QToolTip::hideText();
            event->ignore();
        } else {
            QToolTip::showText(help->globalPos(), tip, this);
        }
        return true;
    }
    const bool handled = QWidget::event(event);
    switch (event->type()) {
    case QEvent::MouseMove:
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonRelease: {
        // After the window's own handling, so a drag that began or ended
        // counts; a drag keeps its cursor wherever the pointer goes.
        const auto* mouse = static_cast<QMouseEvent*>(event);
        const bool dragging =
            event->type() == QEvent::MouseMove && mouse->buttons() != Qt::NoButton;
        if (dragging && testAttribute(Qt::WA_SetCursor)) break;
        const Qt::CursorShape shape = HoverAt(mouse->position().toPoint()).cursor;
        if (shape == Qt::ArrowCursor) {
            if (testAttribute(Qt::WA_SetCursor)) unsetCursor();
        } else if (!testAttribute(Qt::WA_SetCursor) || cursor().shape() != shape) {
            setCursor(shape);
        }
        break;
    }
    default:
        break;
    }
    return handled;
}

CToolSubWindow::CToolSubWindow(CToolWindow* tool) : m_tool(tool) {
    setWidget(tool);
    setWindowTitle(tool->windowTitle());
    setWindowIcon(tool->windowIcon());
    setWindowFlags(Qt::SubWindow | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                   Qt::WindowCloseButtonHint);
    setAttribute(Qt::WA_DeleteOnClose, false);
    FitToClient();
}

void CToolSubWindow::FitToClient() {
    // The picture is drawn for one client size: the frame holds exactly that
    // and cannot be dragged larger or smaller.
    setMinimumSize(0, 0);
    setMaximumSize(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX);
    adjustSize();
    setFixedSize(size());
}

void CToolSubWindow::closeEvent(QCloseEvent* event) {
    // Tool windows live until exit; the close box only hides them, and not
    // while a run draws in them.
    event->ignore();
    if (!g_runInProgress) m_tool->OnCloseBox();
}

void CToolSubWindow::moveEvent(QMoveEvent* event) {
    QMdiSubWindow::moveEvent(event);
    const auto* area = qobject_cast<const CToolArea*>(mdiArea());
    const bool scrolled = area && area->Scrolling();
    if (!m_programmaticMove && !scrolled && isVisible()) m_tool->OnMoved();
}

namespace {
// Sees the keys before any control of the frame does, so a focused field or
// scroll bar does not take Alt with an arrow for itself.
class CAreaKeys : public QObject {
  public:
    explicit CAreaKeys(CToolArea* area) : QObject(area), m_area(area) {}

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    CToolArea* m_area;
};
} // namespace

CToolArea::CToolArea(QWidget* parent) : QMdiArea(parent) {
    setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    connect(qApp, &QApplication::focusChanged, this, [this](QWidget*, QWidget* now) {
        if (now && viewport()->isAncestorOf(now)) ShowInView(now);
    });
    auto* keys = new CAreaKeys(this);
    qApp->installEventFilter(keys);
}

void CToolArea::ShowInView(const QWidget* widget) {
    // The ring outside the control, and a little ground beyond it.
    constexpr int kMargin = kFocusRingOutset + 4;
    const QRect r = QRect(widget->mapTo(viewport(), QPoint(0, 0)), widget->size())
                        .adjusted(-kMargin, -kMargin, kMargin, kMargin);
    const QSize view = viewport()->size();
    if (const int dx = ScrollToShow(r.left(), r.right() + 1, view.width()))
        horizontalScrollBar()->setValue(horizontalScrollBar()->value() + dx);
    if (const int dy = ScrollToShow(r.top(), r.bottom() + 1, view.height()))
        verticalScrollBar()->setValue(verticalScrollBar()->value() + dy);
}

bool CAreaKeys::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() != QEvent::KeyPress) return false;
    const auto* widget = qobject_cast<const QWidget*>(watched);
    if (!widget || widget->window() != m_area->window()) return false;
    return m_area->ScrollByKey(*static_cast<const QKeyEvent*>(event));
}

bool CToolArea::ScrollByKey(const QKeyEvent& key) {
    if ((key.modifiers() & ~Qt::KeypadModifier) != Qt::AltModifier) return false;
    QScrollBar* across = horizontalScrollBar();
    QScrollBar* down = verticalScrollBar();
    const int stepX = std::max(1, viewport()->width() / 8);
    const int stepY = std::max(1, viewport()->height() / 8);
    switch (key.key()) {
    case Qt::Key_Left:
        across->setValue(across->value() - stepX);
        return true;
    case Qt::Key_Right:
        across->setValue(across->value() + stepX);
        return true;
    case Qt::Key_Up:
        down->setValue(down->value() - stepY);
        return true;
    case Qt::Key_Down:
        down->setValue(down->value() + stepY);
        return true;
    case Qt::Key_PageUp:
        down->setValue(down->value() - std::max(1, viewport()->height() - stepY));
        return true;
    case Qt::Key_PageDown:
        down->setValue(down->value() + std::max(1, viewport()->height() - stepY));
        return true;
    default:
        return false;
    }
}

void CToolArea::scrollContentsBy(int dx, int dy) {
    m_scrolling = true;
    QMdiArea::scrollContentsBy(dx, dy);
    m_scrolling = false;
}

bool LeftButtonAlone(const QMouseEvent* event) {
    const Qt::KeyboardModifiers keys =
        Qt::ShiftModifier | Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier;
    return event->buttons() == Qt::LeftButton && !(event->modifiers() & keys);
}
