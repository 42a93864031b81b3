#include "tests/shell/ShellTestSupport.h"

void ShellTest::SetUp() {
    GuiTest::SetUp();
    m_frame = std::make_unique<CMainFrame>();
    m_frame->show();
}

void ShellTest::TearDown() {
    CloseMenus();
    m_frame.reset();
    GuiTest::TearDown();
}

QMenu* ShellTest::OpenMenuOf(int commandId) {
    QAction* action = m_frame->CommandAction(commandId);
    auto* menu = action ? qobject_cast<QMenu*>(action->parent()) : nullptr;
    if (!menu) return nullptr;
    CloseMenus();
    // What opening the menu does before it is drawn (a real pop-up cannot be
    // shown on the offscreen platform without warnings).
    emit menu->aboutToShow();
    m_openMenu = menu;
    return menu;
}

bool ShellTest::Choose(int commandId) {
    QMenu* menu = OpenMenuOf(commandId);
    if (!menu) return false;
    QAction* action = m_frame->CommandAction(commandId);
    bool chosen = false;
    auto connection = QObject::connect(action, &QAction::triggered, [&chosen] { chosen = true; });
    // A click on an item that is disabled does nothing.
    if (action->isEnabled()) {
        CloseMenus();
        action->trigger();
    }
    QObject::disconnect(connection);
    CloseMenus();
    return chosen;
}

bool ShellTest::Hover(int commandId) {
    QMenu* menu = OpenMenuOf(commandId);
    if (!menu) return false;
    // The menu sends the item's prompt to the window as it highlights it.
    return m_frame->CommandAction(commandId)->showStatusText(m_frame.get());
}

QAction* ShellTest::ItemWhenOpened(int commandId) {
    OpenMenuOf(commandId);
    QAction* action = m_frame->CommandAction(commandId);
    CloseMenus();
    return action;
}

void ShellTest::CloseMenus() {
    if (m_openMenu) emit m_openMenu->aboutToHide();
    m_openMenu = nullptr;
}
