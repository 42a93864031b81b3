#pragma once
// Driving the main frame as a person would: open a menu from the menu bar and
// click one of its items, press buttons, type into fields, draw a series.

#include "core/Population.h"
#include "core/Selection.h"
#include "shell/MainFrame.h"
#include "tests/support/GuiTestSupport.h"
#include "tests/windows/confint/IntervalRecount.h"
#include "ui/DrawingResources.h"
#include "ui/FocusRing.h"
#include "ui/FocusSpot.h"
#include "ui/SpeedControl.h"
#include "ui/WindowLinks.h"
#include "windows/confint/ConfIntervalDlg.h"
#include "windows/confint/IntervalGeometry.h"
#include "windows/confint/StripGeometry.h"
#include "windows/population/BinomialPopDlg.h"
#include "windows/population/PopSettingsDlg.h"
#include "windows/population/PopulationDlg.h"
#include "windows/sampdist/HistogramModel.h"
#include "windows/sampdist/SamplingDistDlg.h"
#include "windows/sampdist/SliderModel.h"
#include "windows/samples/SamplesDlg.h"

#include <QAction>
#include <QApplication>
#include <QLabel>
#include <QMenu>
#include <QPushButton>
#include <QScrollBar>
#include <QTest>
#include <algorithm>

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
    static CSamplingDistDlg* Sd() { return g_samplingDistWnd; }
    static CConfIntervalDlg* Ci() { return g_confIntervalWnd; }
    template <class W> static QLineEdit* Field(W* window, int id) {
        return qobject_cast<QLineEdit*>(window->Control(id));
    }
    template <class W> static QString Readout(W* window, int id) {
        return qobject_cast<QLabel*>(window->Control(id))->text();
    }
    static void Press(QWidget* w) {
        QTest::mouseClick(w, Qt::LeftButton, Qt::NoModifier, w->rect().center());
    }
    // count samples of n drawn at speed F by the Dorvane window's button.
    static void DrawAtF(int n, int count) {
        TypeInto(Field(Sd(), IDC_SD_SAMPLE_SIZE), QString::number(n));
        TypeInto(Field(Sd(), IDC_SD_NUM_SAMPLES), QString::number(count));
        g_speed = 1;
        Press(Sd()->Control(IDC_SD_DRAW_SAMPLES));
        ASSERT_EQ(g_samplesDrawn, count);
    }

    // Opens the menu and chooses the item; false when it is disabled.
    bool Choose(int commandId) {
        QAction* action = ItemWhenOpened(commandId);
        if (!action || !action->isEnabled()) return false;
        action->trigger();
        return true;
    }
    // The item as drawn when its menu opens (a real pop-up cannot be shown
    // offscreen without warnings): opening brings its items up to date.
    QAction* ItemWhenOpened(int commandId) {
        QAction* action = m_frame->CommandAction(commandId);
        auto* menu = action ? qobject_cast<QMenu*>(action->parent()) : nullptr;
        if (!menu) return nullptr;
        emit menu->aboutToShow();
        emit menu->aboutToHide();
        return action;
    }

    // After Window > Arrange for This Screen: a shown window lies whole in the
    // view, or starts at its top (left) when taller (wider) than the view.
    void ExpectArrangedForTheView() {
        const QRect view = m_frame->MdiArea()->viewport()->rect();
        std::vector<QRect> shown;
        for (QMdiSubWindow* w : m_frame->MdiArea()->subWindowList())
            if (w->isVisible()) shown.push_back(w->geometry());
        ASSERT_FALSE(shown.empty());
        std::vector<int> widths;
        for (const QRect& g : shown) {
            const bool fits = g.width() <= view.width() && g.height() <= view.height();
            EXPECT_TRUE(!fits || view.contains(g)) << g.x() << "," << g.y();
            EXPECT_TRUE(g.height() <= view.height() || g.top() == 0) << g.y();
            EXPECT_TRUE(g.width() <= view.width() || g.left() == 0) << g.x();
            widths.push_back(g.width());
        }
        // As many as fit side by side (the narrowest first) stand along the top.
        std::sort(widths.begin(), widths.end());
        int most = 0, sum = 0, inRow = 0, edge = -1;
        for (const int w : widths)
            most += (sum += w) <= view.width();
        std::sort(shown.begin(), shown.end(),
                  [](const QRect& a, const QRect& b) { return a.right() < b.right(); });
        for (const QRect& g : shown)
            if (g.top() == 0 && g.left() > edge) ++inRow, edge = g.right();
        EXPECT_GE(inRow, most);
    }

  private:
    std::unique_ptr<CMainFrame> m_frame;
};
