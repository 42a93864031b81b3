#pragma once
// Driving the main frame as a person would: open a menu from the menu bar and
// click one of its items.

#include "shell/MainFrame.h"
#include "tests/support/GuiTestSupport.h"

#include <QAction>
#include <QMenu>
#include <QString>
#include <memory>

class ShellTest : public GuiTest {
  protected:
    void SetUp() override;
    void TearDown() override;

    // A fresh main frame, shown, with its tool windows.
    CMainFrame& Frame() { return *m_frame; }

    // Opens the item's menu: its items are brought up to date as when the
    // student clicks the menu's title.
    QMenu* OpenMenuOf(int commandId);
    // Opens the menu and chooses the item. Returns false when the item could
    // not be chosen (it is disabled).
    bool Choose(int commandId);
    // Opens the menu and highlights the item.
    bool Hover(int commandId);
    // The item as it is drawn when its menu opens.
    QAction* ItemWhenOpened(int commandId);
    void CloseMenus();

  private:
    std::unique_ptr<CMainFrame> m_frame;
    QMenu* m_openMenu = nullptr;
};
