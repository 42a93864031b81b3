#pragma once
// The population windows under test: the fixtures, with views that forward to
// the windows and count what goes to the others, and helpers for heights,
// pixels, drags, the shape menu and label texts.
#include "core/Messages.h"
#include "core/Population.h"
#include "core/PresetTables.h"
#include "core/SamplingEngine.h"
#include "core/SimulationState.h"
#include "resources/Resource.h"
#include "tests/support/GuiTestSupport.h"
#include "ui/DialogTemplate.h"
#include "ui/DrawingResources.h"
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
class PopulationTestViews : public SampleDisplay {
  public:
    void PlaceHandles() override { g_populationWnd->PlaceHandles(); }
    void SetSettingsFieldTexts(const std::string& mean, const std::string& sd) override {
        g_popSettingsWnd->SetFieldTexts(QString::fromStdString(mean), QString::fromStdString(sd));
    }
    void RepaintPopulation() override {
        ++populationRepaints;
        g_populationWnd->RepaintPlotAndNameBox();
    }
    void RepaintDorvaneWhole() override { ++dorvaneRefreshes; }
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
        SetDisplays(&views);
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

class BinomialWindowTest : public PopulationWindowTest {
  protected:
    // What the Measurement menu's Binomial does: the binomial window in place
    // of the Population window, with empty bars.
    void SetUp() override {
        PopulationWindowTest::SetUp();
        ClearPopulationCurve();
        g_isBinomial = 1;
        g_isContinuous = 0;
        population->hide();
        binomial = std::make_unique<CBinomialPopDlg>();
        binomial->show();
        binomial->SetUpBars();
        binomial->RepaintPlotBand();
    }
    void Press(int id) { QTest::mouseClick(binomial->Button(id), Qt::LeftButton); }
    // The number printed after a word among the marker labels.
    static QString NumberAfter(const QString& word) {
        const QStringList texts = Texts(MarkerLabels(300));
        const int at = texts.indexOf(word);
        return at >= 0 && at + 1 < texts.size() ? texts[at + 1] : QString();
    }
};

class PopSettingsTest : public PopulationWindowTest {
  protected:
    // Equal weight on the values 3 and 7: mean 5, SD 2.
    void SetUp() override {
        PopulationWindowTest::SetUp();
        settings->show();
        g_popCurve[1 + 15] = g_popCurve[1 + 35] = 170;
        RecomputePopulationParameters();
        population->RedrawCurve();
    }
    void Set(const QString& mean, const QString& sd) {
        TypeInto(settings->MeanField(), mean);
        TypeInto(settings->SdField(), sd);
        Click(IDC_SETTINGS_SET);
    }
    void Click(int id) { QTest::mouseClick(settings->Button(id), Qt::LeftButton); }
    static std::vector<float> Transform() {
        return {g_dispFromMean, g_dispScale, g_dispToMean, g_dispShift};
    }
};
