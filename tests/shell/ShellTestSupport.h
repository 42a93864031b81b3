#pragma once
// Driving the main frame as a person would: open a menu from the menu bar and
// click one of its items.

#include "shell/MainFrame.h"
#include "shell/WindowViews.h"
#include "tests/support/GuiTestSupport.h"

#include <QAction>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>
#include <algorithm>
#include <memory>
#include <vector>

// A run through the one run entry with `display` in the windows' place.
inline DrawResult RunDrawSamplesWith(SampleDisplay& display, int count, int n) {
    SetDisplays(&display);
    const DrawResult result = Links().RunDrawSamples(count, n);
    SetDisplays(&WindowDisplays());
    return result;
}

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

    // After Window > Arrange for This Screen: every shown window that fits the
    // workspace's view lies whole in it, one taller (wider) than the view
    // starts at its top (left), and as many as can stand side by side do.
    void ExpectArrangedForTheView() {
        QMdiArea* area = m_frame->MdiArea();
        const QRect view = area->viewport()->rect();
        std::vector<QRect> shown;
        for (QMdiSubWindow* w : area->subWindowList())
            if (w->isVisible()) shown.push_back(w->geometry());
        ASSERT_FALSE(shown.empty());
        for (const QRect& g : shown) {
            SCOPED_TRACE(g.width());
            if (g.width() <= view.width() && g.height() <= view.height()) {
                EXPECT_TRUE(view.contains(g)) << g.x() << "," << g.y();
            }
            if (g.height() > view.height()) {
                EXPECT_EQ(g.top(), 0);
            }
            if (g.width() > view.width()) {
                EXPECT_EQ(g.left(), 0);
            }
        }
        // The most that fit side by side: the narrowest first.
        std::vector<int> widths;
        for (const QRect& g : shown)
            widths.push_back(g.width());
        std::sort(widths.begin(), widths.end());
        int most = 0, sum = 0;
        for (const int w : widths)
            if ((sum += w) <= view.width()) ++most;
        // Along the top, the most windows that stand apart (the earliest
        // right edge first).
        std::vector<QRect> top;
        for (const QRect& g : shown)
            if (g.top() == 0) top.push_back(g);
        std::sort(top.begin(), top.end(),
                  [](const QRect& a, const QRect& b) { return a.right() < b.right(); });
        int inRow = 0, edge = -1;
        for (const QRect& g : top)
            if (g.left() > edge) ++inRow, edge = g.right();
        EXPECT_GE(inRow, most);
    }

  private:
    std::unique_ptr<CMainFrame> m_frame;
};
