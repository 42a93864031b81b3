#include "shell/MainFrame.h"

#include "core/SimulationState.h"
#include "resources/AppIcon.h"
#include "resources/Resource.h"
#include "shell/Menus.h"
#include "shell/ToolWindowTable.h"
#include "shell/WindowViews.h"
#include "ui/FieldFocus.h"
#include "ui/FocusRing.h"
#include "ui/RunControl.h"
#include "ui/ToolWindow.h"
#include "windows/confint/IntervalGeometry.h"
#include "windows/population/PopulationDlg.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QCoreApplication>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>
#include <QMenuBar>
#include <QScreen>
#include <QStatusBar>
#include <QStatusTipEvent>
#include <algorithm>

namespace {
QString Ready() {
    return QCoreApplication::translate("Shell", "Ready");
}
// The frame leaves this much of the screen's height free below it.
constexpr int kScreenHeightReserve = 55;
// Lock bits of the X11 modifier state that key events carry.
constexpr quint32 kX11LockMask = 0x02;
constexpr quint32 kX11NumLockMask = 0x10;

QLabel* MakeIndicator(const QString& text, QWidget* parent) {
    auto* label = new QLabel(text, parent);
    label->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    label->setAlignment(Qt::AlignCenter);
    label->setMinimumWidth(label->fontMetrics().horizontalAdvance(text) + 12);
    label->setEnabled(false); // state unknown until a key event tells it
    return label;
}
QRect AvailableScreen() {
    if (QScreen* primary = QGuiApplication::primaryScreen()) return primary->availableGeometry();
    return QRect(0, 0, 1024, 768);
}
} // namespace

CMainFrame::CMainFrame(QWidget* parent) : QMainWindow(parent) {
    // The state gets its start-up values before any window reads it.
    ResetSimulationState();
    InstallWindowViews();
    SetRunWatcher(this);

    setWindowTitle(QCoreApplication::translate("Shell", "Dorvane Program"));
    setWindowIcon(DorvaneIcon());

    // When the tool windows do not fit, as at a large scale factor, the
    // workspace scrolls rather than the frame growing past the screen.
    m_mdiArea = new CToolArea(this);
    m_mdiArea->setBackground(QBrush(QColor(171, 171, 171)));
    setCentralWidget(m_mdiArea);

    BuildMainMenu(menuBar());
    for (QAction* top : menuBar()->actions()) {
        QMenu* menu = top->menu();
        if (!menu) continue;
        connect(menu, &QMenu::aboutToShow, this, [this] { ++m_openMenus; });
        connect(menu, &QMenu::aboutToHide, this, [this] {
            if (m_openMenus > 0) --m_openMenus;
            if (m_openMenus == 0) m_messagePane->setText(Ready());
        });
        QList<QAction*> actions = menu->actions();
        for (QAction* action : menu->actions())
            if (action->menu()) actions += action->menu()->actions(); // Options > Language
        for (QAction* action : actions) {
            if (action->isSeparator() || action->menu()) continue;
            const int id = action->data().toInt();
            connect(action, &QAction::triggered, this, [this, id] { OnCommand(id); });
        }
    }

    CreateStatusBar();
    PlaceOnScreen();
    CreateToolWindows();
    // Whatever has the keyboard focus in a tool window shows it clearly.
    InstallFocusRing();
    // A field given the focus holds its text selected, so typing replaces it.
    InstallFieldFocus();
    qApp->installEventFilter(this);
}

CMainFrame::~CMainFrame() {
    SetRunWatcher(nullptr);
    UninstallWindowViews();
    // The tool windows die with the MDI area; nothing may reach them after.
    ClearWindowPointers();
}

QAction* CMainFrame::CommandAction(int commandId) const {
    return FindCommandAction(menuBar(), commandId);
}

void CMainFrame::CreateStatusBar() {
    QStatusBar* bar = statusBar();
    m_messagePane = new QLabel(Ready(), bar);
    m_capsPane = MakeIndicator(QCoreApplication::translate("Shell", "CAP"), bar);
    m_numPane = MakeIndicator(QCoreApplication::translate("Shell", "NUM"), bar);
    m_scrollPane = MakeIndicator(QCoreApplication::translate("Shell", "SCRL"), bar);
    bar->addWidget(m_messagePane, 1);
    bar->addPermanentWidget(m_capsPane);
    bar->addPermanentWidget(m_numPane);
    bar->addPermanentWidget(m_scrollPane);
}

void CMainFrame::ShowLockStates(bool caps, bool num, bool scroll) {
    m_capsPane->setEnabled(caps);
    m_numPane->setEnabled(num);
    m_scrollPane->setEnabled(scroll);
}

void CMainFrame::PlaceOnScreen() {
    const QRect screen = AvailableScreen();
    resize(screen.width(), screen.height() - kScreenHeightReserve);
    move(screen.topLeft());
}

void CMainFrame::KeepOnScreen() {
    // Once shown the frame's border is known: the frame with its border fits
    // the screen (the workspace scrolls to windows that do not fit in it).
    const QRect screen = AvailableScreen();
    const QSize border = frameGeometry().size() - size();
    resize(std::min(width(), screen.width() - border.width()),
           std::min(height(), screen.height() - border.height()));
    move(screen.topLeft());
}

void CMainFrame::showEvent(QShowEvent* event) {
    QMainWindow::showEvent(event);
    if (m_placed) return;
    m_placed = true;
    KeepOnScreen();
}

void CMainFrame::CreateToolWindows() {
    const auto windows = ToolWindows();
    if (windows.empty()) return;
    // The Population window comes first: it makes the fonts and the drawing
    // surfaces every other window uses. Then the kind is set, then the rest.
    OnCommand(windows[0].commandId);
    OnCommand(ID_MEASUREMENT_CONTINUOUS);
    for (std::size_t i = 1; i < windows.size(); ++i)
        OnCommand(windows[i].commandId);

    if (const ToolWindowEntry* ci = FindToolWindow(ID_WINDOW_CONF_INTERVALS)) {
        if (CToolWindow* window = ci->existing()) {
            const float scaleY = static_cast<float>(window->height()) / kCiDesignHeight;
            g_possibleMuExtra = static_cast<int>(100.0f * scaleY);
        }
    }
    LineUpToolWindows();
}

void CMainFrame::LineUpToolWindows() {
    if (!g_populationWnd) return;
    const QRect population = g_populationWnd->ToolGeometry();
    const int right = population.x() + population.width();
    for (const ToolWindowEntry& entry : ToolWindows()) {
        if (!entry.lineUp) continue;
        CToolWindow* window = entry.existing();
        if (!window) continue;
        const QRect rect = window->ToolGeometry();
        window->MoveToolTo(QPoint(right, rect.y()));
        if (entry.layoutWidth) *entry.layoutWidth = rect.width();
        if (entry.layoutHeight) *entry.layoutHeight = rect.height();
    }
}

void CMainFrame::closeEvent(QCloseEvent* event) {
    // A run holds the windows it draws in: it is stopped, as Esc stops it,
    // and the close is carried out once it has ended.
    if (g_runInProgress) {
        m_closePending = true;
        RequestStopOfRun();
        event->ignore();
        return;
    }
    m_closePending = false;
    QMainWindow::closeEvent(event);
}

bool CMainFrame::MayStartRun() {
    return !m_closePending;
}

void CMainFrame::RunProgress(int sampleOfRun, int samplesOfRun) {
    m_messagePane->setText(
        QCoreApplication::translate("Shell", "Drawing sample %1 of %2 \u2013 Esc stops")
            .arg(std::min(sampleOfRun + 1, samplesOfRun))
            .arg(samplesOfRun));
}

void CMainFrame::RunEnded() {
    m_messagePane->setText(Ready());
    if (!m_closePending) return;
    // Queued, so the button handler that ran the draw unwinds first; until
    // the close is carried out no other run starts.
    QMetaObject::invokeMethod(this, &QWidget::close, Qt::QueuedConnection);
}

void CMainFrame::changeEvent(QEvent* event) {
    if (event->type() == QEvent::LanguageChange) {
        setWindowTitle(QCoreApplication::translate("Shell", "Dorvane Program"));
        RetranslateMainMenu(menuBar());
        m_messagePane->setText(Ready());
        const std::pair<QLabel*, QString> indicators[] = {
            {m_capsPane, QCoreApplication::translate("Shell", "CAP")},
            {m_numPane, QCoreApplication::translate("Shell", "NUM")},
            {m_scrollPane, QCoreApplication::translate("Shell", "SCRL")}};
        for (const auto& [pane, text] : indicators) {
            pane->setText(text);
            pane->setMinimumWidth(pane->fontMetrics().horizontalAdvance(text) + 12);
        }
    }
    QMainWindow::changeEvent(event);
}

bool CMainFrame::event(QEvent* event) {
    if (event->type() == QEvent::StatusTip) {
        // A highlighted menu item shows its prompt (the program's own
        // commands have none); otherwise the pane reads "Ready".
        const QString tip = static_cast<QStatusTipEvent*>(event)->tip();
        m_messagePane->setText(tip.isEmpty() && m_openMenus == 0 ? Ready() : tip);
        return true;
    }
    return QMainWindow::event(event);
}

bool CMainFrame::eventFilter(QObject* watched, QEvent* event) {
    const bool keyPress = event->type() == QEvent::KeyPress;
    if ((keyPress || event->type() == QEvent::ShortcutOverride) &&
        static_cast<QKeyEvent*>(event)->matches(QKeySequence::Copy)) {
        // A field keeps Ctrl+C only for text the student selected in it; over
        // the selection that focusing it made, the key copies the picture.
        // The field is asked first (the override), so the key comes to it as
        // a key press, and is taken here.
        const auto* field = qobject_cast<QLineEdit*>(watched);
        if (field && field->window() == this && !HasStudentSelection(field)) {
            event->accept();
            if (keyPress) OnCommand(ID_EDIT_COPY_PICTURE);
            return true;
        }
    }
    if ((event->type() == QEvent::KeyPress || event->type() == QEvent::KeyRelease) &&
        QGuiApplication::platformName() == QLatin1String("xcb")) {
        // X11 reports Caps Lock and Num Lock in the modifier state of every key
        // event; Scroll Lock has no bit there and stays dimmed.
        const quint32 state = static_cast<QKeyEvent*>(event)->nativeModifiers();
        ShowLockStates(state & kX11LockMask, state & kX11NumLockMask, false);
    }
    return QMainWindow::eventFilter(watched, event);
}
