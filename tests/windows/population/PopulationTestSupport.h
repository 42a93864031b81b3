#pragma once
// The population windows under test: one fixture with the Population window
// and the settings dialog (the binomial window on request), views that
// forward to them and count what goes to the others, and helpers for
// heights, pixels, drags, the shape menu and label texts.
#include "core/Messages.h"
#include "core/Population.h"
#include "core/SamplingEngine.h"
#include "core/SimulationState.h"
#include "resources/Resource.h"
#include "tests/support/GuiTestSupport.h"
#include "ui/DialogTemplate.h"
#include "ui/DrawingResources.h"
#include "ui/FocusSpot.h"
#include "ui/Gdi.h"
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

class PopulationTestViews : public SampleDisplay {
  public:
    void PlaceHandles() override { g_populationWnd->PlaceHandles(); }
    void SetSettingsFieldTexts(const std::string& mean, const std::string& sd) override {
        g_popSettingsWnd->SetFieldTexts(QString::fromStdString(mean), QString::fromStdString(sd));
    }
    void RepaintPopulation() override { g_populationWnd->RepaintPlotAndNameBox(); }
    void RedrawConfIntervalWindow() override { ++ciRedraws; }
    void RedrawSamplesWindow() override { ++samplesRedraws; }
    int ciRedraws = 0, samplesRedraws = 0;
};

// The offscreen platform cannot raise a pop-up menu or a tooltip and says
// so; on a real display they open without a word.
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
    // What its Binomial does: the binomial window in place, with empty bars.
    void SwitchToBinomial() {
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
    // Types into the settings dialog's fields and presses SET.
    void Set(const QString& mean, const QString& sd) {
        TypeInto(settings->MeanField(), mean);
        TypeInto(settings->SdField(), sd);
        QTest::mouseClick(settings->Button(IDC_SETTINGS_SET), Qt::LeftButton);
    }
    static std::vector<float> Transform() {
        return {g_dispFromMean, g_dispScale, g_dispToMean, g_dispShift};
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
// The number printed beside a label's word, on its right or mirrored.
inline QString NumberBeside(const std::vector<LabelPiece>& pieces, const QString& word) {
    const QStringList texts = Texts(pieces);
    int at = texts.indexOf(word + " = ");
    if (at < 0) at = texts.indexOf(" = " + word);
    return at >= 0 && at + 1 < texts.size() ? texts[at + 1] : QString();
}
inline bool ShowsNoNonNumber(const std::vector<LabelPiece>& pieces) {
    const QString all = Texts(pieces).join(' ').toLower();
    return !all.contains(QLatin1String("nan")) && !all.contains(QLatin1String("inf"));
}
// Every piece of text lies inside a window of that width.
inline void ExpectInside(const std::vector<LabelPiece>& pieces, int width,
                         const std::string& what) {
    for (const LabelPiece& l : pieces) {
        EXPECT_GE(l.x, 0) << what << ": " << l.text.toStdString();
        EXPECT_LE(l.x + QFontMetrics(*l.font).horizontalAdvance(l.text), width)
            << what << ": " << l.text.toStdString();
    }
}
