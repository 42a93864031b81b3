#pragma once
// Shared pieces of the population window tests: hooks that reach the real
// windows the way the shell's do, a fixture that makes the windows, and the
// mouse and menu actions of a student.

#include "core/SimulationState.h"
#include "core/ViewHooks.h"
#include "shell/DialogTemplate.h"
#include "shell/DrawingResources.h"
#include "shell/Gdi.h"
#include "tests/support/GuiTestSupport.h"
#include "windows/population/BinomialPopDlg.h"
#include "windows/population/PopSettingsDlg.h"
#include "windows/population/PopulationDlg.h"
#include "windows/population/PopulationPicture.h"

#include <QAction>
#include <QApplication>
#include <QLineEdit>
#include <QMenu>
#include <QMouseEvent>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <memory>
#include <vector>

// Forwards what the core asks of the windows to the windows under test and
// counts what goes to the windows that are not part of these tests.
class PopulationTestViews : public ViewHooks {
  public:
    void PlaceHandles() override {
        if (g_populationWnd) g_populationWnd->PlaceHandles();
    }
    void SetSettingsFieldTexts(const std::string& mean, const std::string& sd) override {
        if (g_popSettingsWnd)
            g_popSettingsWnd->SetFieldTexts(QString::fromStdString(mean),
                                            QString::fromStdString(sd));
    }
    void RepaintPopulation() override {
        ++populationRepaints;
        if (g_populationWnd) g_populationWnd->RepaintPlotAndNameBox();
    }
    void RefreshDorvaneForPopulation() override { ++dorvaneRefreshes; }
    void RedrawConfIntervalWindow() override { ++ciRedraws; }
    void RedrawSamplesWindow() override { ++samplesRedraws; }

    int populationRepaints = 0;
    int dorvaneRefreshes = 0;
    int ciRedraws = 0;
    int samplesRedraws = 0;
};

// The offscreen platform cannot raise a pop-up menu or give it the keyboard
// and says so; on a real display the menu opens without a word.
inline QtMessageHandler g_outerMessageHandler = nullptr;
inline void IgnorePopupLimits(QtMsgType type, const QMessageLogContext& context,
                              const QString& message) {
    if (message.startsWith(QLatin1String("This plugin does not support"))) return;
    if (g_outerMessageHandler) g_outerMessageHandler(type, context, message);
}

class PopulationWindowTest : public GuiTest {
  protected:
    void SetUp() override {
        GuiTest::SetUp();
        g_outerMessageHandler = qInstallMessageHandler(IgnorePopupLimits);
        SetViewHooks(&views);
        population = std::make_unique<CPopulationDlg>();
        settings = std::make_unique<CPopSettingsDlg>();
        population->show();
        population->RedrawCurve();
    }
    void TearDown() override {
        binomial.reset();
        settings.reset();
        population.reset();
        qInstallMessageHandler(g_outerMessageHandler);
        GuiTest::TearDown();
    }

    // Switches to binomial as the Measurement menu does and shows the
    // binomial window in place of the Population window.
    void SwitchToBinomial() {
        ClearPopulationCurveForTest();
        g_isBinomial = 1;
        g_isContinuous = g_isDiscrete = 0;
        population->hide();
        binomial = std::make_unique<CBinomialPopDlg>();
        binomial->show();
        binomial->SetUpBars();
        binomial->RepaintPlotBand();
    }
    void SwitchToDiscrete() {
        ClearPopulationCurveForTest();
        g_isDiscrete = 1;
        g_isContinuous = 0;
        population->SetPopulationName(QStringLiteral("DISTRIBUTION"));
        population->RedrawCurve();
        population->DrawPictureButtons();
    }
    static void ClearPopulationCurveForTest() {
        for (int slot = 0; slot < kCurveSlots; ++slot)
            g_popCurve[slot] = g_popBaseline;
    }

    PopulationTestViews views;
    std::unique_ptr<CPopulationDlg> population;
    std::unique_ptr<CPopSettingsDlg> settings;
    std::unique_ptr<CBinomialPopDlg> binomial;
};

// Height of a column above the baseline.
inline int Height(int column) {
    return g_popBaseline - g_popCurve[column + 1];
}

inline std::vector<int> Heights(int from, int to) {
    std::vector<int> out;
    for (int c = from; c <= to; ++c)
        out.push_back(Height(c));
    return out;
}

inline QPoint Centre(const Rect& r) {
    return QPoint((r.left + r.right) / 2, (r.top + r.bottom) / 2);
}

inline QRgb Pixel(int x, int y) {
    return g_popMemDC.pixel(x, y) & 0xFFFFFF;
}
inline QRgb Rgb(int r, int g, int b) {
    return qRgb(r, g, b) & 0xFFFFFF;
}

// A mouse move with any buttons and keys held, as the platform delivers it.
inline void SendMove(QWidget* widget, QPoint at, Qt::MouseButtons buttons,
                     Qt::KeyboardModifiers keys = Qt::NoModifier) {
    QMouseEvent move(QEvent::MouseMove, QPointF(at), QPointF(widget->mapToGlobal(at)), Qt::NoButton,
                     buttons, keys);
    QApplication::sendEvent(widget, &move);
}

// Presses the left button at from, moves to each point with it held, releases.
inline void Drag(QWidget* widget, QPoint from, std::initializer_list<QPoint> path) {
    QTest::mousePress(widget, Qt::LeftButton, Qt::NoModifier, from);
    QPoint last = from;
    for (QPoint p : path) {
        QTest::mouseMove(widget, p);
        last = p;
    }
    QTest::mouseRelease(widget, Qt::LeftButton, Qt::NoModifier, last);
}

// Clicks the name box; once the pop-up menu is open, chooses the item with
// that command id (or none, for 0) and closes it. Returns whether the menu opened.
inline bool ChooseFromShapeMenu(CPopulationDlg* window, int commandId) {
    bool opened = false;
    QMenu* menu = window->ShapeMenu();
    QTimer::singleShot(0, menu, [&opened, menu, commandId] {
        opened = menu->isVisible();
        for (QAction* action : menu->actions())
            if (commandId != 0 && action->data().toInt() == commandId) action->trigger();
        menu->close();
    });
    QTest::mouseClick(window, Qt::LeftButton, Qt::NoModifier, Centre(window->NameBox()));
    return opened;
}

// Replaces a field's text by typing, as a student selects it and types over it.
inline void TypeInto(QLineEdit* field, const QString& text) {
    field->selectAll();
    if (text.isEmpty())
        QTest::keyClick(field, Qt::Key_Delete);
    else
        QTest::keyClicks(field, text);
}

// Texts of label pieces, in order.
inline QStringList Texts(const std::vector<LabelPiece>& pieces) {
    QStringList out;
    for (const LabelPiece& p : pieces)
        out << p.text;
    return out;
}

inline bool ShowsNoNonNumber(const std::vector<LabelPiece>& pieces) {
    for (const LabelPiece& p : pieces) {
        const QString t = p.text.toLower();
        if (t.contains(QLatin1String("nan")) || t.contains(QLatin1String("inf"))) return false;
    }
    return true;
}
