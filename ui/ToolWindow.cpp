#include "ui/ToolWindow.h"

#include "core/SimulationState.h"

#include <QCloseEvent>
#include <QMouseEvent>

CToolWindow::CToolWindow(const char* tag, const QString& caption, QSize designSize, QWidget* parent)
    : QWidget(parent), m_tag(tag) {
    setWindowTitle(caption);
    setFixedSize(designSize);
    setAttribute(Qt::WA_OpaquePaintEvent);
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
}

void CToolWindow::HideTool() {
    if (m_frame)
        m_frame->hide();
    else
        hide();
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

CToolArea::CToolArea(QWidget* parent) : QMdiArea(parent) {
    setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
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
