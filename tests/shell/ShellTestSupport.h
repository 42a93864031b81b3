#pragma once
// Driving the main frame as a person would: open a menu from the menu bar and
// click one of its items.

#include "shell/MainFrame.h"
#include "tests/support/GuiTestSupport.h"

#include <QAction>
#include <QMenu>
#include <memory>

class ShellTest : public GuiTest {
  protected:
    void SetUp() override {
        GuiTest::SetUp();
        m_frame = std::make_unique<CMainFrame>();
        m_frame->show();
    }
    void TearDown() override {
        m_frame.reset();
        GuiTest::TearDown();
    }
    CMainFrame& Frame() { return *m_frame; }

    // Opens the menu and chooses the item. Returns false when the item could
    // not be chosen (it is disabled).
    bool Choose(int commandId) {
        QAction* action = ItemWhenOpened(commandId);
        if (!action || !action->isEnabled()) return false;
        action->trigger();
        return true;
    }
    // The item as it is drawn when its menu opens: what opening the menu does
    // before it is drawn (a real pop-up cannot be shown offscreen without
    // warnings) brings its items up to date.
    QAction* ItemWhenOpened(int commandId) {
        QAction* action = m_frame->CommandAction(commandId);
        auto* menu = action ? qobject_cast<QMenu*>(action->parent()) : nullptr;
        if (!menu) return nullptr;
        emit menu->aboutToShow();
        emit menu->aboutToHide();
        return action;
    }

  private:
    std::unique_ptr<CMainFrame> m_frame;
};
