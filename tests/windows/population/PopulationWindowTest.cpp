// The population windows and Population Settings driven as a student would,
// checked on their pixels and labels.
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
#include <QHelpEvent>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <QToolTip>
#include <algorithm>
#include <cstdlib>
#include <memory>
#include <string>
#include <vector>

namespace {

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
QtMessageHandler g_outerMessageHandler = nullptr;
void IgnorePopupLimits(QtMsgType type, const QMessageLogContext& context, const QString& message) {
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
    void Press(int id) { QTest::mouseClick(binomial->Button(id), Qt::LeftButton); }
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

std::vector<int> Heights(int from, int to) {
    std::vector<int> out;
    for (int c = from; c <= to; ++c)
        out.push_back(g_popBaseline - g_popCurve[c + 1]);
    return out;
}
QRgb Pixel(int x, int y) {
    return PixelOf(g_popMemDC, x, y);
}
void Drag(QWidget* widget, QPoint from, std::initializer_list<QPoint> path) {
    QTest::mousePress(widget, Qt::LeftButton, Qt::NoModifier, from);
    for (QPoint p : path)
        QTest::mouseMove(widget, p);
    QTest::mouseRelease(widget, Qt::LeftButton, Qt::NoModifier, *(path.end() - 1));
}
// Clicks the name box (or presses the key on it); in the open menu chooses the
// item with that command id (none for 0). Returns whether the menu opened.
bool ChooseFromShapeMenu(CPopulationDlg* window, int commandId, Qt::Key key = Qt::Key_unknown) {
    bool opened = false;
    QMenu* menu = window->ShapeMenu();
    QTimer::singleShot(0, menu, [&opened, menu, commandId] {
        opened = menu->isVisible();
        for (QAction* action : menu->actions())
            if (commandId != 0 && action->data().toInt() == commandId) action->trigger();
        menu->close();
    });
    if (key != Qt::Key_unknown) QTest::keyClick(window->NameBoxSpot(), key);
    if (key == Qt::Key_unknown)
        QTest::mouseClick(window, Qt::LeftButton, Qt::NoModifier, Centre(window->NameBox()));
    return opened;
}
int Right(const LabelPiece& l) {
    return l.x + QFontMetrics(*l.font).horizontalAdvance(l.text);
}
// Where the label of pieces i (its word) and i + 1 (its number) begins and ends.
std::pair<int, int> Span(const std::vector<LabelPiece>& pieces, std::size_t i) {
    return {std::min(pieces[i].x, pieces[i + 1].x),
            std::max(Right(pieces[i]), Right(pieces[i + 1]))};
}
QStringList Texts(const std::vector<LabelPiece>& pieces) {
    QStringList out;
    for (const LabelPiece& p : pieces)
        out << p.text;
    return out;
}
// The number printed beside a label's word, on its right or mirrored.
QString NumberBeside(const std::vector<LabelPiece>& pieces, const QString& word) {
    const QStringList texts = Texts(pieces);
    int at = texts.indexOf(word + " = ");
    if (at < 0) at = texts.indexOf(" = " + word);
    return at >= 0 && at + 1 < texts.size() ? texts[at + 1] : QString();
}
// Every piece of text is a number or a word, never "nan" or "inf", inside the window.
void ExpectInside(const std::vector<LabelPiece>& pieces, const std::string& what, int width = 300) {
    for (const LabelPiece& l : pieces) {
        EXPECT_FALSE(l.text.toLower().contains("nan") || l.text.toLower().contains("inf")) << what;
        EXPECT_GE(l.x, 0) << what << ": " << l.text.toStdString();
        EXPECT_LE(Right(l), width) << what << ": " << l.text.toStdString();
    }
}
// Every label reads as one: its number right against its word (the word
// carries the space), and labels on one row apart. Pieces come in pairs.
void ExpectReadable(const std::vector<LabelPiece>& pieces, const std::string& what) {
    for (std::size_t i = 0; i + 1 < pieces.size(); i += 2) {
        const LabelPiece &word = pieces[i], &number = pieces[i + 1];
        EXPECT_TRUE(number.x == Right(word) || Right(number) == word.x)
            << what << ": " << word.text.toStdString() << "|" << number.text.toStdString();
        for (std::size_t j = i + 2; j + 1 < pieces.size(); j += 2) {
            const auto [aLeft, aRight] = Span(pieces, i);
            const auto [bLeft, bRight] = Span(pieces, j);
            EXPECT_TRUE(pieces[j].top != word.top || aRight + 2 <= bLeft || bRight + 2 <= aLeft)
                << what << ": " << word.text.toStdString() << " meets "
                << pieces[j].text.toStdString();
        }
    }
}

TEST_F(PopulationWindowTest, PresetsFromTheMenuAndThePictureButtonsWithTheirLabels) {
    const std::pair<int, const char*> menu[] = {
        {ID_SHAPE_BIMODAL, "BIMODAL"},     {ID_SHAPE_NORMAL, "NORMAL"},
        {ID_SHAPE_SKEW_MINUS, "SKEWED -"}, {ID_SHAPE_SKEW_PLUS, "SKEWED +"},
        {ID_SHAPE_TRIMODAL, "TRIMODAL"},   {ID_SHAPE_U_SHAPED, "U-SHAPED"},
        {ID_SHAPE_UNIFORM, "UNIFORM"}};
    // The first heights of each picture button's example, left to right.
    const std::pair<int, std::vector<int>> pictures[2][4] = {
        {{1003, {28, 37, 54, 82}},
         {1002, {16, 25, 41, 141}},
         {1004, {2, 14, 38, 182}},
         {1005, {90, 86, 77, 27}}},
        {{1003, {28, 184, 216, 158, 86, 33, 50, 68, 119, 70, 15, 0}},
         {1002, {16, 166, 104, 96, 26, 14, 26, 144, 80, 202, 22, 0}},
         {1004, {2, 218, 68, 28, 126, 54, 40, 88, 28, 144, 28, 0}},
         {1005, {90, 14, 160, 66, 18, 4, 14, 46, 0, 198, 24, 0}}}};
    for (const bool discrete : {false, true}) {
        if (discrete) SwitchToDiscrete();
        for (const auto& [command, name] : menu) {
            const std::string what = std::string(discrete ? "discrete " : "") + name;
            // The discrete ones from the keyboard: Space on the name box opens the menu.
            const Qt::Key key = discrete ? Qt::Key_Space : Qt::Key_unknown;
            ASSERT_TRUE(ChooseFromShapeMenu(population.get(), command, key)) << what;
            EXPECT_EQ(population->PopulationName(), name);
            EXPECT_EQ(settings->SdText(), QString::asprintf("  %.3f", g_popSD)) << what;
            const std::vector<LabelPiece> labels = MarkerLabels(population->width());
            ExpectInside(labels, what, population->width());
            ExpectReadable(labels, what);
            // Only a discrete one leaves the columns past 10 empty.
            EXPECT_EQ(Heights(11, 50) == std::vector<int>(40, 0), discrete) << what;
            // Discrete U-SHAPED has Q3 at 10: its label reads whole, left of its line.
            if (what == "discrete U-SHAPED") {
                EXPECT_EQ(NumberBeside(labels, "Q3"), "10.00");
            }
        }
        for (const auto& [id, heights] : pictures[discrete]) {
            QTest::mouseClick(population->PictureButton(id), Qt::LeftButton);
            EXPECT_EQ(population->PopulationName(), "DISTRIBUTION");
            EXPECT_EQ(Heights(0, heights.size() - 1), heights) << id;
        }
        SaveSnapshot(population->grab().toImage(), discrete ? "pop-discrete" : "pop-continuous");
        // Dismissing the menu or clicking elsewhere changes nothing; CLEAR empties.
        const std::vector<int> before = Heights(0, 50);
        EXPECT_TRUE(ChooseFromShapeMenu(population.get(), 0));
        QTest::mouseClick(population.get(), Qt::LeftButton, Qt::NoModifier, QPoint(60, 360));
        EXPECT_EQ(Heights(0, 50), before);
        ASSERT_TRUE(ChooseFromShapeMenu(population.get(), ID_SHAPE_CLEAR));
        EXPECT_EQ(Heights(0, 50), std::vector<int>(51, 0));
        EXPECT_EQ(settings->MeanText(), QString());
        // The empty population: both quartiles at 0, their labels apart.
        ExpectReadable(MarkerLabels(population->width()), "empty");
    }
}

TEST_F(PopulationWindowTest, DraggingAHandleRaisesAPeakDrawnInItsColours) {
    population->SetPopulationName(QStringLiteral("NORMAL"));
    g_samplesDrawn = 3;
    Drag(population.get(), Centre(population->HandleRect(6)), {QPoint(150, 200), QPoint(150, 70)});
    EXPECT_EQ(Heights(20, 30), (std::vector<int>{0, 11, 33, 166, 188, 200, 189, 167, 34, 12, 0}));
    EXPECT_EQ(population->PopulationName(), "DISTRIBUTION");
    EXPECT_EQ(g_samplesDrawn, 0); // the series is discarded
    EXPECT_EQ(settings->MeanText(), "  5.00");
    EXPECT_GT(views.ciRedraws, 0);
    // Grey 210 inside, white above; the mean line blue at x(5) = 150, Q1's green at x(4.8).
    for (auto [x, y, rgb] : {std::tuple{148, 200, Rgb(210, 210, 210)},
                             {148, 60, Rgb(250, 250, 250)},
                             {146, 200, Rgb(0, 255, 100)},
                             {150, 30, Rgb(0, 0, 255)}})
        EXPECT_EQ(Pixel(x, y), rgb) << x << "," << y;
    // Above the plot the column stops at y = 10, below the axis at the baseline.
    Drag(population.get(), Centre(population->HandleRect(3)), {QPoint(90, -40)});
    EXPECT_EQ(g_popCurve[11], 10);
    Drag(population.get(), Centre(population->HandleRect(3)), {QPoint(90, 420)});
    EXPECT_EQ(g_popCurve[11], 270);
    // Dragged back to nothing, the population shows its zeroes, each to its decimals.
    Drag(population.get(), Centre(population->HandleRect(6)), {QPoint(150, 300)});
    const std::vector<LabelPiece> zero = MarkerLabels(population->width());
    EXPECT_EQ(QStringList({NumberBeside(zero, QString::fromUtf8("\u03c3")), NumberBeside(zero, "M"),
                           NumberBeside(zero, "Q1"), NumberBeside(zero, "Q3")}),
              QStringList({"0.000", "0.0", "0.00", "0.00"}));
    // A press away from the handles lets go of any grab.
    QTest::mouseClick(population.get(), Qt::LeftButton, Qt::NoModifier, QPoint(280, 30));
    EXPECT_FALSE(population->IsDragging());
    // Marks of a sample's values, gone at the next redraw; out-of-range ones ignored.
    population->MarkSample(1);
    population->MarkSample(0);
    population->MarkSample(99);
    EXPECT_EQ(Pixel(46, 265), Rgb(190, 190, 190));
    population->RedrawCurve();
    EXPECT_NE(Pixel(46, 265), Rgb(190, 190, 190));
}

TEST_F(PopulationWindowTest, DiscreteBarsHoverAndDragWithoutRamps) {
    SwitchToDiscrete();
    const Rect handle4 = population->HandleRect(4);
    SendMove(population.get(), Centre(handle4), Qt::NoButton);
    EXPECT_EQ(Pixel(110, 268), Rgb(0, 0, 0)); // the hovered handle is black
    QEvent leave(QEvent::Leave);              // and let go when the pointer leaves
    QApplication::sendEvent(population.get(), &leave);
    EXPECT_NE(Pixel(110, 268), Rgb(0, 0, 0));
    Drag(population.get(), Centre(handle4), {QPoint(110, 170)});
    EXPECT_EQ(Heights(2, 4), (std::vector<int>{0, 100, 0}));
    EXPECT_FLOAT_EQ(g_popMean, 3.0f);
    EXPECT_EQ(settings->MeanText(), QString()); // a discrete drag leaves the fields alone
    EXPECT_EQ(Pixel(103, 200), Rgb(150, 150, 150));
    // Under the pointer the name box says what a click does.
    const QPoint at = Centre(population->NameBox());
    QHelpEvent help(QEvent::ToolTip, at, population->mapToGlobal(at));
    QApplication::sendEvent(population.get(), &help);
    EXPECT_EQ(QToolTip::text(), "Click for preset shapes");
    QToolTip::hideText();
}

TEST_F(PopulationWindowTest, UpAndDownMoveAHandleAsADragByAPixelDoes) {
    ApplyPreset(PresetShape::Normal);
    const std::vector<int> preset(g_popCurve, g_popCurve + kCurveSlots);
    CFocusSpot* handle = population->HandleSpot();
    handle->setFocus();
    QTest::keyClick(handle, Qt::Key_Home);
    QTest::keyClick(handle, Qt::Key_Right);
    QTest::keyClick(handle, Qt::Key_Left); // back to the first handle
    EXPECT_EQ(population->KeyHandle(), 1);
    for (int i = 0; i < 3; ++i)
        QTest::keyClick(handle, Qt::Key_Right);
    ASSERT_EQ(population->KeyHandle(), 4);
    g_samplesDrawn = 5; // a series, which the change ends
    QTest::keyClick(handle, Qt::Key_Up, Qt::ShiftModifier);
    QTest::keyClick(handle, Qt::Key_Up);
    const std::vector<int> keyed(g_popCurve, g_popCurve + kCurveSlots);
    EXPECT_EQ(g_samplesDrawn, 0);
    EXPECT_EQ(population->PopulationName(), "DISTRIBUTION");
    EXPECT_EQ(handle->geometry(), ToQRect(population->HandleRect(4))); // the ring follows
    // The same handle dragged by the mouse to eleven pixels above its top.
    std::copy(preset.begin(), preset.end(), g_popCurve);
    RecomputePopulationParameters();
    population->RedrawCurve();
    const int top = g_popCurve[kHandleSpacing * 3 + 1];
    const QPoint grip = Centre(population->HandleRect(4));
    Drag(population.get(), grip, {QPoint(grip.x(), top - 11)});
    EXPECT_EQ(std::vector<int>(g_popCurve, g_popCurve + kCurveSlots), keyed);
}

TEST_F(PopulationWindowTest, BinomialButtonsBarsAndKeysSetP) {
    // What the Measurement menu's Binomial does: the binomial window in place, with empty bars.
    ClearPopulationCurve();
    g_isBinomial = 1;
    g_isContinuous = 0;
    population->hide();
    binomial = std::make_unique<CBinomialPopDlg>();
    binomial->show();
    binomial->SetUpBars();
    binomial->RepaintPlotBand();
    auto p = [] { return NumberBeside(MarkerLabels(300), "p"); };
    EXPECT_EQ(binomial->Button(11)->text(), ".50");
    g_samplesDrawn = 4;
    Press(11);
    EXPECT_EQ(Heights(0, 1), (std::vector<int>{130, 130}));
    EXPECT_EQ(g_samplesDrawn, 0);
    EXPECT_EQ(p(), "0.500");
    // The SD bar spans the whole axis, so its label stands to the left of it.
    EXPECT_GE(Texts(MarkerLabels(300)).indexOf(QString::fromUtf8(" = \u03c3")), 0);
    EXPECT_EQ(Texts(BinomialAxisLabels()).join(' '), "0 .1 .2 .3 .4 .5 .6 .7 .8 .9 1.0");
    // Bars grey 150 to one pixel above the axis, p blue at x(0.5) = 150, the window grey 190.
    for (auto [x, y, rgb] : {std::tuple{100, 141, Rgb(150, 150, 150)},
                             {100, 269, Rgb(250, 250, 250)},
                             {150, 60, Rgb(0, 0, 255)},
                             {5, 400, Rgb(190, 190, 190)}})
        EXPECT_EQ(Pixel(x, y), rgb) << x << "," << y;
    SaveSnapshot(binomial->grab().toImage(), "binomial-050");
    for (int id = IDC_BINOMIAL_P_FIRST; id <= IDC_BINOMIAL_P_LAST; ++id) {
        Press(id); // .05 steps of the 260-pixel bar
        EXPECT_EQ(Heights(0, 1), (std::vector<int>{260 - 13 * (id - 1), 13 * (id - 1)})) << id;
    }
    EXPECT_GE(Texts(MarkerLabels(300)).indexOf(" = p"), 0); // 1.00: mirrored
    EXPECT_EQ(p(), "1.000");
    // A sample of 4 with 3 successes: grey 190 blocks a quarter and three quarters of 260.
    g_seriesSampleSize = 4;
    g_currentSampleNo = 1;
    g_sampleStore[1].columnCounts[1] = 1;
    g_sampleStore[1].columnCounts[2] = 3;
    binomial->MarkSample(2);
    for (auto [x, height] : {std::pair{100, 65}, {200, 195}}) {
        EXPECT_EQ(Pixel(x, g_popBaseline - height + 1), Rgb(190, 190, 190)) << x;
        EXPECT_NE(Pixel(x, g_popBaseline - height - 2), Rgb(190, 190, 190)) << x;
    }
    // Dragging either bar moves the other.
    Press(11);
    const Rect success = binomial->HandleRect(2);
    Drag(binomial.get(), Centre(success), {QPoint(200, 120), QPoint(200, 100)});
    EXPECT_EQ(Heights(0, 1), (std::vector<int>{90, 170}));
    EXPECT_EQ(p(), QString::asprintf("%.3f", 170.0 / 260.0));
    Drag(binomial.get(), Centre(binomial->HandleRect(1)), {QPoint(100, -30)});
    EXPECT_EQ(Heights(0, 1), (std::vector<int>{260, 0}));
    // Up and Down on the successes bar set p as a drag of its top does.
    Press(IDC_BINOMIAL_P_FIRST + 7); // p = .40
    const std::vector<int> start(g_popCurve, g_popCurve + kCurveSlots);
    CFocusSpot* bars = binomial->BarSpot();
    EXPECT_EQ(binomial->KeyBar(), 2);
    bars->setFocus();
    QTest::keyClick(bars, Qt::Key_Up, Qt::ShiftModifier);
    QTest::keyClick(bars, Qt::Key_Up, Qt::ShiftModifier);
    const std::vector<int> keyed(g_popCurve, g_popCurve + kCurveSlots);
    EXPECT_GT(g_popMean, 0.4f);
    std::copy(start.begin(), start.end(), g_popCurve);
    RecomputePopulationParameters();
    binomial->RedrawBinomial();
    const QPoint grip = Centre(binomial->HandleRect(2));
    Drag(binomial.get(), grip, {QPoint(grip.x(), start[2] - 20)});
    EXPECT_EQ(std::vector<int>(g_popCurve, g_popCurve + kCurveSlots), keyed);
    // Left chooses the failures bar, which raised lowers p.
    const float before = g_popMean;
    QTest::keyClick(bars, Qt::Key_Left);
    EXPECT_EQ(binomial->KeyBar(), 1);
    QTest::keyClick(bars, Qt::Key_Up);
    EXPECT_LT(g_popMean, before);
    Press(IDC_BINOMIAL_CLEAR);
    EXPECT_EQ(Heights(0, 1), (std::vector<int>{0, 0}));
    EXPECT_EQ(p(), "0.000");
    ExpectInside(MarkerLabels(300), "cleared");
}

TEST_F(PopulationWindowTest, SettingsSetCancelDefaultAndRefuseWhatThePictureCannotShow) {
    ClearPopulationCurve(); // equal weight on the values 3 and 7: mean 5, SD 2
    g_popCurve[1 + 15] = g_popCurve[1 + 35] = 170;
    RecomputePopulationParameters();
    settings->show();
    Set("100", "15");
    EXPECT_TRUE(messages.isEmpty());
    EXPECT_EQ(ShownValue(7.0f), 115.0f);
    EXPECT_EQ(NumberBeside(MarkerLabels(300), QString::fromUtf8("\u03bc")), "100.00");
    EXPECT_TRUE(views.ciRedraws > 0 && views.samplesRedraws > 0); // every window redrawn
    // The axis runs from 62.5 (x = 50) to 137.5 (x = 250); labels at tens, centred on each.
    const std::vector<LabelPiece> axis = MeasurementAxisLabels();
    EXPECT_EQ(Texts(axis).join(' '), "70 80 90 100 110 120 130");
    const QFontMetrics metrics(g_fontArial7_5);
    for (const LabelPiece& l : axis)
        EXPECT_EQ(l.x + metrics.horizontalAdvance(l.text) / 2,
                  50 + static_cast<int>(200 * (l.text.toDouble() - 62.5) / 75));
    // CANCEL after typing, and Esc, put back what is shown; Esc closes.
    TypeInto(settings->MeanField(), "abc");
    QTest::mouseClick(settings->Button(IDC_SETTINGS_CANCEL), Qt::LeftButton);
    EXPECT_EQ(settings->MeanField()->text(), "100.00");
    settings->show();
    TypeInto(settings->MeanField(), "7");
    QTest::keyClick(settings->MeanField(), Qt::Key_Escape);
    EXPECT_EQ(settings->MeanField()->text(), "100.00");
    EXPECT_FALSE(settings->isVisible());
    EXPECT_EQ(g_dispScale, 7.5f);
    // Enter sets; Enter on a focused button presses that button, not SET.
    settings->show();
    TypeInto(settings->MeanField(), "50");
    QTest::keyClick(settings->SdField(), Qt::Key_Return);
    EXPECT_FLOAT_EQ(ShownValue(g_popMean), 50.0f);
    QPushButton* byDefault = settings->Button(IDC_SETTINGS_DEFAULT);
    byDefault->setFocus();
    QTest::keyClick(byDefault, Qt::Key_Return);
    EXPECT_EQ(settings->SdField()->text(), "2.000"); // the internal scale again
    EXPECT_EQ(Texts(MeasurementAxisLabels()).size(), 11);
    // An empty SD collapses the axis.
    Set("50", "");
    EXPECT_EQ(Texts(MeasurementAxisLabels()), QStringList("50.00"));
    Set("50", "1e-400"); // too small for a double: 0, as an empty field
    EXPECT_EQ(g_dispScale, 0.0f);
    EXPECT_TRUE(messages.isEmpty());
    // Refused with its message, the transform as it was.
    Set("100", "15");
    const std::vector<float> set = Transform();
    const char* refused[][3] = {
        {"100", "abc", kMsgSettingsNotNumbers}, {"x1", "15", kMsgSettingsNotNumbers},
        {"100", "inf", kMsgSettingsNotNumbers}, {"100", "1e999", kMsgSettingsTooLarge},
        {"-1e40", "15", kMsgSettingsTooLarge},  {"1000000.5", "15", kMsgSettingsTooLarge},
        {"5", "1000001", kMsgSettingsTooLarge}, {"100", "-0.001", kMsgNegativeSD}};
    for (const auto& c : refused) {
        messages.clear();
        Set(c[0], c[1]);
        EXPECT_EQ(messages, QStringList(c[2])) << c[0] << " " << c[1];
        EXPECT_EQ(Transform(), set) << c[0] << " " << c[1];
        ExpectInside(MeasurementAxisLabels(), c[1]);
    }
    // Taken, text after a number ignored as the C conversion does; every label whole inside.
    for (auto [mean, sd, scale] : {std::tuple{"  +20 units", "4xyz", 2.0f},
                                   {"0.001", "0.0005", 0.00025f},
                                   {"-40000", "3", 1.5f},
                                   {"-1000000", "1000000", 500000.0f}}) {
        messages.clear();
        Set(mean, sd);
        EXPECT_TRUE(messages.isEmpty()) << mean << " " << sd;
        EXPECT_FLOAT_EQ(g_dispToMean, std::atof(mean));
        EXPECT_FLOAT_EQ(g_dispScale, scale) << mean;
        ExpectInside(MeasurementAxisLabels(), mean);
        ExpectInside(MarkerLabels(300), mean);
    }
    // No spread (empty, or one column): refused, but a negative SD is said first.
    ASSERT_TRUE(ChooseFromShapeMenu(population.get(), ID_SHAPE_CLEAR));
    const std::vector<float> identity = Transform();
    for (const char* sd : {"15", "-2"}) {
        messages.clear();
        Set("100", sd);
        EXPECT_EQ(messages, QStringList(*sd == '-' ? kMsgNegativeSD : kMsgNoSpread)) << sd;
        EXPECT_EQ(Transform(), identity);
    }
    g_popCurve[1 + 25] = 100, RecomputePopulationParameters();
    messages.clear();
    Set("100", "15");
    EXPECT_EQ(messages, QStringList(kMsgNoSpread));
    ExpectInside(MarkerLabels(300), "no spread");
}

} // namespace
