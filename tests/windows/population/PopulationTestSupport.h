#pragma once
// The population windows reached by hooks that forward as the shell's do, a
// fixture that makes them, and the mouse and menu actions of a student.

#include "core/Population.h"
#include "core/SimulationState.h"
#include "core/ViewHooks.h"
#include "resources/Resource.h"
#include "shell/DialogTemplate.h"
#include "shell/DrawingResources.h"
#include "tests/support/GuiTestSupport.h"
#include "windows/population/BinomialPopDlg.h"
#include "windows/population/PopSettingsDlg.h"
#include "windows/population/PopulationDlg.h"
#include "windows/population/PopulationPicture.h"

#include <QAction>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <memory>
#include <vector>

// Forwards to the windows under test; counts what goes to the others.
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

    int populationRepaints = 0, dorvaneRefreshes = 0, ciRedraws = 0, samplesRedraws = 0;
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
    // What the Measurement menu's Discrete does to the Population window.
    void SwitchToDiscrete() {
        ClearPopulationCurve();
        g_isDiscrete = 1;
        g_isContinuous = 0;
        population->SetPopulationName(QStringLiteral("DISTRIBUTION"));
        population->RedrawCurve();
        population->DrawPictureButtons();
    }

    PopulationTestViews views;
    std::unique_ptr<CPopulationDlg> population;
    std::unique_ptr<CPopSettingsDlg> settings;
    std::unique_ptr<CBinomialPopDlg> binomial;
};

// Heights of columns from..to above the baseline.
inline std::vector<int> Heights(int from, int to) {
    std::vector<int> out;
    for (int c = from; c <= to; ++c)
        out.push_back(g_popBaseline - g_popCurve[c + 1]);
    return out;
}
inline int Height(int column) {
    return Heights(column, column)[0];
}
inline QRgb Pixel(int x, int y) {
    return PixelOf(g_popMemDC, x, y);
}

// Presses the left button at from, moves to each point with it held, releases.
inline void Drag(QWidget* widget, QPoint from, std::initializer_list<QPoint> path) {
    QTest::mousePress(widget, Qt::LeftButton, Qt::NoModifier, from);
    for (QPoint p : path)
        QTest::mouseMove(widget, p);
    QTest::mouseRelease(widget, Qt::LeftButton, Qt::NoModifier, *(path.end() - 1));
}

// Clicks the name box; once the pop-up menu is open, chooses the item with
// that command id (none for 0) and closes it. Returns whether the menu opened.
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

inline QStringList Texts(const std::vector<LabelPiece>& pieces) {
    QStringList out;
    for (const LabelPiece& p : pieces)
        out << p.text;
    return out;
}
inline bool ShowsNoNonNumber(const std::vector<LabelPiece>& pieces) {
    const QString all = Texts(pieces).join(' ').toLower();
    return !all.contains(QLatin1String("nan")) && !all.contains(QLatin1String("inf"));
}
