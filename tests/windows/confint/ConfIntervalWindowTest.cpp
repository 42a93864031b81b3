// The Confidence Intervals window driven by mouse and keyboard beside the
// Population and Dorvane windows; rows recounted from the samples' own values.
#include "core/Statistic.h"
#include "resources/Resource.h"
#include "shell/WindowViews.h"
#include "tests/support/GuiTestSupport.h"
#include "tests/windows/NeighbourWindows.h"
#include "tests/windows/confint/IntervalRecount.h"
#include "ui/DrawingResources.h"
#include "ui/FieldText.h"
#include "ui/FocusSpot.h"
#include "ui/ValueEditor.h"
#include "windows/confint/ConfIntervalDlg.h"
#include "windows/confint/StripGeometry.h"

#include <QApplication>
#include <QFocusEvent>
#include <QFontMetrics>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QRegularExpression>
#include <QScrollBar>
#include <QTest>
#include <QWheelEvent>

namespace {

const QRgb kBlack = Rgb(0, 0, 0), kRed = Rgb(255, 0, 0), kBlue = Rgb(0, 0, 255),
           kYellow = Rgb(255, 255, 0);
// norm.ppf(0.975), norm.ppf(0.95), t.ppf(0.95, 24), t.ppf(0.975, 24)
constexpr double kZ95 = 1.959964, kZ90 = 1.644854, kT90df24 = 1.710882, kT95df24 = 2.063899;

class ConfIntervalWindow : public GuiTest, protected NeighbourWindows {
  protected:
    void SetUp() override {
        GuiTest::SetUp();
        InstallWindowViews();
        ShowNeighbours(PresetShape::SkewedPlus);
        ci = std::make_unique<CConfIntervalDlg>();
        ci->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(ci.get()));
        g_confIntervalWndVisible = 1;
        ci->RedrawConfIntervalWindow();
    }
    void TearDown() override {
        ci.reset();
        CloseNeighbours();
        GuiTest::TearDown();
    }

    QString Text(int id) const {
        QWidget* w = ci->Control(id);
        if (auto* label = qobject_cast<QLabel*>(w)) return label->text();
        if (auto* edit = qobject_cast<QLineEdit*>(w)) return edit->text();
        return qobject_cast<QAbstractButton*>(w)->text();
    }
    QLineEdit* Edit(int id) const { return qobject_cast<QLineEdit*>(ci->Control(id)); }
    void Click(int id) { QTest::mouseClick(ci->Control(id), Qt::LeftButton); }
    void ClickAt(QPoint at) { QTest::mouseClick(ci.get(), Qt::LeftButton, Qt::NoModifier, at); }
    void ClickRow(int row) { ClickAt(QPoint(250, RowY(row))); }
    // At 509 x 540 the graph's axis runs from 190 at 28.9f pixels a unit, rows 2
    // pixels apart up from 430, the strip's axis from 70 at 40 pixels a unit.
    static int GraphPixel(double v) { return 190 + static_cast<int>(double(28.9f) * v); }
    static int RowY(int row) { return 430 - 2 * (row - g_ciFirstSample); }
    static int StripPixel(double v) { return 70 + static_cast<int>(40 * v); }
    QScrollBar* Scroll() const { return qobject_cast<QScrollBar*>(ci->Control(IDC_CI_SCROLL)); }
    QString Counts() const {
        return Text(IDC_CI_NUM_IN) + "|" + Text(IDC_CI_NUM_OUT) + "|" + Text(IDC_CI_PCT_IN) + "|" +
               Text(IDC_CI_PCT_OUT);
    }
    // Fields typed in this window, DRAW SAMPLES pressed at the speed button.
    void Draw(int n, int count, int speed = IDC_CI_SPEED_F) {
        Click(speed);
        TypeInto(Edit(IDC_CI_SAMPLE_SIZE), QString::number(n));
        TypeInto(Edit(IDC_CI_NUM_SAMPLES), QString::number(count));
        Click(IDC_CI_DRAW_SAMPLES);
        ASSERT_TRUE(messages.isEmpty()) << messages.join("; ").toStdString();
    }
    static QRgb Pixel(int x, int y) { return PixelOf(g_ciMemDC, x, y); }
    static int CountPixels(const Rect& r, QRgb colour) {
        int count = 0;
        for (int y = r.top; y < r.bottom; ++y)
            for (int x = r.left; x < r.right; ++x)
                count += Pixel(x, y) == colour;
        return count;
    }
    // Each row black when its recounted interval holds the mean, else red, a
    // yellow mark at its own mean; the Out count the same over the series.
    void ExpectPageAsRecounted(int n, double critical, bool sigmaKnown,
                               recount::Sides sides = recount::Sides::Two) {
        double mean = 0.0, sd = 0.0;
        for (int row = g_ciFirstSample; row <= std::min(g_ciFirstSample + 210, g_samplesDrawn);
             ++row) {
            const int sample = g_sortByMeans ? g_sortedMeanSampleNo[row] : row;
            const bool in = recount::Covers(sample, n, critical, sigmaKnown, sides);
            EXPECT_EQ(recount::LineAt(g_ciMemDC, RowY(row), 181, 488), in ? 'k' : 'r')
                << "row " << row << ", sample " << sample;
            // A one-sided interval runs to the axis' end on its open side.
            if (sides != recount::Sides::Two) {
                EXPECT_EQ(Pixel(sides == recount::Sides::LowEndOnly ? 478 : 191, RowY(row)),
                          in ? kBlack : kRed)
                    << "row " << row;
            }
            recount::MeanAndSd(sample, n, mean, sd);
            if (row != g_selectedSampleNo) {
                EXPECT_EQ(Pixel(GraphPixel(mean), RowY(row)), kYellow) << row;
            }
        }
        int out = 0;
        for (int sample = 1; sample <= g_samplesDrawn; ++sample)
            out += !recount::Covers(sample, n, critical, sigmaKnown, sides);
        EXPECT_EQ(Text(IDC_CI_NUM_OUT), QString::number(out));
    }

    std::unique_ptr<CConfIntervalDlg> ci;
};

} // namespace

TEST_F(ConfIntervalWindow, EachSettingRedrawsTheRowsAsTheirRecountedIntervalsSay) {
    EXPECT_EQ(Text(IDC_CI_SIDES) + " " + Counts(), "Two Sided 0|0|0%|0%");
    // No samples: the axis and the true value, nothing else.
    const Rect inside{181, 1, 488, 430};
    EXPECT_EQ(CountPixels(inside, kRed) + CountPixels(inside, kYellow), 0);
    EXPECT_EQ(Pixel(GraphPixel(g_popMean), 200), kBlue);

    Draw(25, 1000);
    EXPECT_EQ(Text(IDC_CI_TOTAL_DRAWN), "1000");
    EXPECT_EQ(g_ciFirstSample, 841); // the last page: samples 841..1000
    ExpectPageAsRecounted(25, kZ95, true);
    EXPECT_EQ(CountPixels(Rect{181, 1, 488, RowY(1000)}, kBlack), 0); // nothing above it
    // With medians chosen the intervals stay the mean's, and the title says so.
    ChooseStatistic(Statistic::Median);
    ci->RedrawConfIntervalWindow();
    EXPECT_TRUE(ci->windowTitle().startsWith(QString::fromUtf8("Confidence Intervals for \u03bc")));
    ExpectPageAsRecounted(25, kZ95, true);
    ChooseStatistic(Statistic::Mean);

    // Each setting in turn: what the controls read (the end "-" while hidden)
    // and every row recounted; with sigma unknown each sample's own s, also
    // sorted by mean.
    const QImage known = ci->Control(IDC_CI_SIGMA)->grab().toImage();
    using recount::Sides;
    const std::tuple<int, const char*, double, bool, Sides> steps[] = {
        {IDC_CI_SIDES, "z-value = High End 1.645", kZ90, true, Sides::HighEndOnly},
        {IDC_CI_END, "z-value = Low End -1.645", kZ90, true, Sides::LowEndOnly},
        {IDC_CI_SIGMA, "z-value = Low End -1.645", kZ90, false, Sides::LowEndOnly},
        {IDC_CI_Z_OR_T, "t-value = Low End -1.711", kT90df24, false, Sides::LowEndOnly},
        {IDC_CI_SIDES, "t-value = - 2.064", kT95df24, false, Sides::Two},
        {IDC_CI_SORT_ON, "t-value = - 2.064", kT95df24, false, Sides::Two}};
    for (const auto& [button, reads, critical, sigmaKnown, sides] : steps) {
        SCOPED_TRACE(reads);
        Click(button);
        const QString end = ci->Control(IDC_CI_END)->isVisible() ? Text(IDC_CI_END) : "-";
        EXPECT_EQ(Text(IDC_CI_Z_OR_T) + " " + end + " " + Text(IDC_CI_CRITICAL_VALUE), reads);
        ExpectPageAsRecounted(25, critical, sigmaKnown, sides);
    }
    EXPECT_NE(ci->Control(IDC_CI_SIGMA)->grab().toImage(), known); // the face says which
    ASSERT_EQ(g_sortByMeans, 1); // a second click on ON flips the order back
    SaveSnapshot(ci->grab().toImage(), "ci-t-two-sided-sorted");
    Click(IDC_CI_SORT_ON);
    EXPECT_TRUE(qobject_cast<QRadioButton*>(ci->Control(IDC_CI_SORT_OFF))->isChecked());
}

TEST_F(ConfIntervalWindow, PagesWrapAtSample211AndTheScrollBarTurnsThem) {
    Draw(5, 211, IDC_CI_SPEED_4); // drawn one by one
    EXPECT_EQ(g_ciFirstSample, 211);
    EXPECT_NE(recount::LineAt(g_ciMemDC, 430, 181, 488), '-');
    const Rect above{181, 1, 488, 428}; // nothing of the first page is left
    EXPECT_EQ(CountPixels(above, kBlack) + CountPixels(above, kRed), 0);
    EXPECT_EQ(std::pair(Scroll()->maximum(), Scroll()->value()), std::pair(211, 1));

    Draw(10, 500);
    Scroll()->setSliderPosition(1); // the top: the newest sample at the bottom row
    EXPECT_EQ(g_ciFirstSample, 500);
    Scroll()->setSliderPosition(500); // the bottom: the first samples
    EXPECT_EQ(g_ciFirstSample, 1);
    ExpectPageAsRecounted(10, kZ95, true);
    Scroll()->triggerAction(QAbstractSlider::SliderPageStepSub);
    EXPECT_EQ(g_ciFirstSample, 201);
    Scroll()->triggerAction(QAbstractSlider::SliderSingleStepAdd);
    EXPECT_EQ(g_ciFirstSample, 200);
    // The wheel over the graph turns the scroll bar: a notch down, older samples.
    const QPointF over(250, 200);
    QWheelEvent notch(over, ci->mapToGlobal(over), QPoint(), QPoint(0, -120), Qt::NoButton,
                      Qt::NoModifier, Qt::NoScrollPhase, false);
    QApplication::sendEvent(ci.get(), &notch);
    EXPECT_EQ(g_ciFirstSample, 200 - QApplication::wheelScrollLines());
}

TEST_F(ConfIntervalWindow, AnIntervalSelectedByAClickOrAKeyShowsEnlargedInTheStrip) {
    Draw(25, 300);
    const int row = g_ciFirstSample + 20;
    ClickRow(row);
    EXPECT_EQ(g_sortedMeanSampleNo[g_selectedPos], row);
    // The selected row is two pixels thick; the strip shows its bar, black or
    // red as recounted, its yellow centre and the blue true value.
    double mean = 0.0, sd = 0.0;
    recount::MeanAndSd(row, 25, mean, sd);
    const int low = StripPixel(mean - kZ95 * g_popSD / 5), centre = StripPixel(mean);
    const QRgb colour = recount::Covers(row, 25, kZ95, true) ? kBlack : kRed;
    EXPECT_EQ(Pixel(GraphPixel(mean - kZ95 * g_popSD / 5) + 1, RowY(row) - 1), colour);
    EXPECT_EQ(Pixel((low + centre) / 2, 500), colour);
    EXPECT_EQ(Pixel(centre, 500), kYellow);
    EXPECT_EQ(Pixel(StripPixel(g_popMean), 505), kBlue);
    SaveSnapshot(ci->grab().toImage(), "ci-selected");
    // At 1 % the bar is shorter than the centre mark; its colour still shows
    // in the mark's middle (z = 0.01, the table's value for 50.5 %).
    TypeInto(Edit(IDC_CI_CONF_LEVEL), "1");
    QTest::keyClick(Edit(IDC_CI_CONF_LEVEL), Qt::Key_Return);
    EXPECT_EQ(Pixel(centre, 500), recount::Covers(row, 25, 0.01, true) ? kBlack : kRed);
    EXPECT_EQ(Pixel(centre - 3, 500), kYellow);
    ExpectPageAsRecounted(25, 0.01, true); // every row's colour shows on the graph too

    // The keys go on from a click; Home and End reach the series' ends.
    ClickRow(row);
    CFocusSpot* graph = ci->GraphSpot();
    ASSERT_EQ(ci->focusWidget(), graph);
    QTest::keyClick(graph, Qt::Key_Down);
    EXPECT_EQ(g_selectedSampleNo, row - 1);
    QTest::keyClick(graph, Qt::Key_Home);
    EXPECT_EQ(std::pair(g_selectedSampleNo, g_ciFirstSample), std::pair(1, 1));
    QTest::keyClick(graph, Qt::Key_End);
    EXPECT_EQ(g_selectedSampleNo, 300);
    EXPECT_TRUE(g_ciFirstSample <= 300 && g_ciFirstSample + 210 >= 300);
    // Above the last row of the page the selection is dropped.
    ClickAt(QPoint(250, RowY(301) - 1));
    EXPECT_EQ(g_sampleSelected, 0);
    EXPECT_EQ(CountPixels(Rect{0, 457, 509, 540}, kYellow), 0);
}

TEST_F(ConfIntervalWindow, ThePossibleMeanDraggedSteppedOrTypedAcrossAnEnd) {
    // t with sigma unknown, n = 5: a sample whose s lies far from sigma, so a
    // region drawn with sigma would contradict the verdict.
    Click(IDC_CI_SIGMA);
    Click(IDC_CI_Z_OR_T);
    Draw(5, 100);
    int row = 0;
    double mean = 0.0, sd = 0.0;
    for (int r = 100; r >= 1 && !row; --r) {
        recount::MeanAndSd(r, 5, mean, sd);
        if (sd < 0.5 * g_popSD && mean > 1.5 && mean < 8.5) row = r;
    }
    ASSERT_NE(row, 0);
    ClickRow(row);
    // Possible Mu on, as the main frame switches it: 100 more at the bottom.
    g_possibleMuExtra = 100;
    g_possibleMu = 1;
    g_ciStripRect.bottom += 100;
    ci->ResizeClientTo(QSize(509, 640));
    // Across the axis for each kind of interval (t.ppf(0.975, 4), t.ppf(0.95, 4)):
    // the verdict, and the shaded region round the sample's mean with it.
    for (const auto& [oneSided, lowEnd, t] :
         {std::tuple{0, 0, 2.776445}, std::tuple{1, 0, 2.131847}, std::tuple{1, 1, 2.131847}}) {
        if (g_ciOneSided != oneSided) Click(IDC_CI_SIDES);
        if (g_ciLowEnd != lowEnd) Click(IDC_CI_END);
        const double half = t * sd / std::sqrt(5.0);
        for (int x = StripPixel(0); x <= StripPixel(10); x += 6) {
            g_ciPopMean = static_cast<float>((x - StripPixel(0)) / 40.0);
            ci->RedrawConfIntervalWindow();
            const double below = g_ciPopMean - (mean - half), above = mean + half - g_ciPopMean;
            if (std::min(std::abs(below), std::abs(above)) < 0.1) continue; // near an end
            const bool inside = ((oneSided && !lowEnd) || below >= 0) && (lowEnd || above >= 0);
            EXPECT_EQ(g_ciPlausible, inside ? 1 : 0) << oneSided << lowEnd << " m " << g_ciPopMean;
            const PossibleMuFigure f = ComputePossibleMu(5);
            EXPECT_EQ(f.outline.front().x <= StripPixel(mean) &&
                          StripPixel(mean) <= f.outline.back().x,
                      inside);
        }
    }
    // Two sides, the possible mean at the sample's mean: blue; dragged right
    // past the high end: red, and the words turn over.
    Click(IDC_CI_SIDES);
    g_ciPopMean = static_cast<float>(mean);
    ci->RedrawConfIntervalWindow();
    PossibleMuFigure f = ComputePossibleMu(5);
    const QPoint grab(f.xCentre + 2, f.baseY - 5);
    ASSERT_TRUE(ci->AcceptanceRegion().contains(grab));
    EXPECT_EQ(Pixel(grab.x(), grab.y()), kBlue);
    QTest::mousePress(ci.get(), Qt::LeftButton, Qt::NoModifier, grab);
    int x = grab.x();
    while (g_ciPlausible && x < 600)
        SendMove(ci.get(), QPoint(x += 3, grab.y()), Qt::LeftButton);
    QTest::mouseRelease(ci.get(), Qt::LeftButton, Qt::NoModifier, QPoint(x, grab.y()));
    EXPECT_GT(g_ciPopMean, mean + 2.776445 * sd / std::sqrt(5.0) - 0.1);
    f = ComputePossibleMu(5);
    EXPECT_EQ(Pixel(f.xCentre + 2, f.baseY - 5), kRed);
    EXPECT_TRUE(ci->PossibleMuSpot()->accessibleDescription().endsWith(": not plausible"));
    SaveSnapshot(ci->grab().toImage(), "ci-possible-mu-not-plausible");
    // A move with a key held does not drag.
    const float m = g_ciPopMean;
    SendMove(ci.get(), QPoint(x - 40, grab.y()), Qt::LeftButton, Qt::ShiftModifier);
    EXPECT_EQ(g_ciPopMean, m);
    // Nine pixels by the keys (Shift: ten, then one back) are a drag by nine.
    CFocusSpot* mu = ci->PossibleMuSpot();
    mu->setFocus();
    QTest::keyClick(mu, Qt::Key_Right, Qt::ShiftModifier);
    QTest::keyClick(mu, Qt::Key_Left);
    EXPECT_FLOAT_EQ(g_ciPopMean, m + 9 / 40.0f);
    // Enter types it; a double-click on its label too; past the axis it stops at the end.
    QTest::keyClick(mu, Qt::Key_Return);
    CValueEditor* field = ci->ValueEditor();
    ASSERT_TRUE(field->IsOpen());
    QTest::keyClicks(field, "4.75");
    QTest::keyClick(field, Qt::Key_Return);
    EXPECT_FLOAT_EQ(g_ciPopMean, 4.75f);
    EXPECT_EQ(QApplication::focusWidget(), mu);
    f = ComputePossibleMu(5);
    const QFontMetrics symbol(g_fontSymbol10);
    QTest::mouseDClick(
        ci.get(), Qt::LeftButton, Qt::NoModifier,
        Centre(PossibleMuLabelRect(f, symbol.horizontalAdvance(ToQt(f.muText)), symbol.height())));
    ASSERT_TRUE(field->IsOpen());
    QTest::keyClicks(field, "25");
    QTest::keyClick(field, Qt::Key_Return);
    EXPECT_EQ(g_ciPopMean, 10.0f);
    EXPECT_TRUE(messages.isEmpty());
}

TEST_F(ConfIntervalWindow, TheFieldsFollowTheirRules) {
    Draw(25, 200);
    const QString counts = Counts();
    TypeInto(Edit(IDC_CI_CONF_LEVEL), "9"); // on the way to "99": nothing yet
    EXPECT_EQ(Text(IDC_CI_CRITICAL_VALUE) + " " + Counts(), "1.960 " + counts);
    const char* const kRefused = "The confidence level must be a whole number from 1 to 99";
    // Typed, then the field left (0), Enter (1) or DRAW SAMPLES (2).
    for (const auto& [typed, how, field, critical, refused] :
         {std::tuple{"99", 1, "99", "2.576", false},
          {"1000000000000", 0, "99", "2.576", true},
          {"50.5", 1, "99", "2.576", true},
          {"0", 2, "1", "0.010", true}}) {
        messages.clear();
        TypeInto(Edit(IDC_CI_CONF_LEVEL), typed);
        EXPECT_TRUE(messages.isEmpty()) << typed; // never while typing
        QFocusEvent out(QEvent::FocusOut, Qt::MouseFocusReason);
        if (how == 0) QApplication::sendEvent(Edit(IDC_CI_CONF_LEVEL), &out);
        if (how == 1) QTest::keyClick(Edit(IDC_CI_CONF_LEVEL), Qt::Key_Return);
        if (how == 2) Click(IDC_CI_DRAW_SAMPLES);
        EXPECT_EQ(messages, refused ? QStringList{kRefused} : QStringList{}) << typed;
        EXPECT_EQ(Text(IDC_CI_CONF_LEVEL) + " " + Text(IDC_CI_CRITICAL_VALUE),
                  QString(field) + " " + critical)
            << typed;
    }
    EXPECT_EQ(Text(IDC_CI_TOTAL_DRAWN), "200"); // DRAW SAMPLES drew
    TypeInto(Edit(IDC_CI_NUM_SAMPLES), "2.5");  // a refused count draws nothing
    Click(IDC_CI_DRAW_SAMPLES);
    EXPECT_EQ(Text(IDC_CI_TOTAL_DRAWN) + " " + Text(IDC_CI_NUM_SAMPLES), "200 2");
    TypeInto(Edit(IDC_CI_SAMPLE_SIZE), "2000");
    EXPECT_EQ(messages.last(), "The sample size cannot be greater than 1000");
    EXPECT_EQ(Counts(), "0|0|0%|0%"); // a new sample size ends the series
}

TEST_F(ConfIntervalWindow, DegenerateSeriesShowNoNonNumbers) {
    auto expectNumbers = [this](const char* when) {
        QString all;
        for (int id : {IDC_CI_CRITICAL_VALUE, IDC_CI_TOTAL_DRAWN, IDC_CI_NUM_IN, IDC_CI_NUM_OUT,
                       IDC_CI_PCT_IN, IDC_CI_PCT_OUT})
            all += Text(id) + " ";
        const SelectedStrip s = ComputeSelectedStrip(g_ciSampleSize);
        for (const std::string& text : {s.lowText, s.highText, s.centreText, s.sText,
                                        ComputePossibleMu(g_ciSampleSize).muText})
            all += ToQt(text) + " ";
        EXPECT_FALSE(all.toLower().contains("nan") || all.toLower().contains("inf"))
            << when << all.toStdString();
    };
    // Samples of one value with sigma unknown draw no lines, and t has no
    // critical value then (not z's 1.960).
    Click(IDC_CI_SIGMA);
    Draw(1, 50);
    const Rect graph{181, 1, 488, 431};
    EXPECT_EQ(CountPixels(graph, kBlack) + CountPixels(graph, kRed), 0);
    Click(IDC_CI_Z_OR_T);
    EXPECT_EQ(Text(IDC_CI_CRITICAL_VALUE), "");
    Click(IDC_CI_SIGMA);
    g_possibleMu = 1;
    TypeInto(Edit(IDC_CI_SAMPLE_SIZE), "0");
    ci->RedrawConfIntervalWindow();
    expectNumbers("n = 0");
    Click(IDC_CI_Z_OR_T);
    EXPECT_EQ(Text(IDC_CI_CRITICAL_VALUE), "1.960");
    // A population without spread: sigma 0.
    g_isContinuous = 0;
    g_isDiscrete = 1;
    SetPopulationGeometry(300, 432);
    std::fill(g_popCurve, g_popCurve + kCurveSlots, g_popBaseline);
    g_popCurve[6] = g_popBaseline - 100; // all at 5
    RecomputePopulationParameters();
    ASSERT_EQ(g_popSD, 0.0f);
    Draw(4, 30, IDC_CI_SPEED_4); // one by one, each mean put among the others
    ClickRow(3);
    expectNumbers("sigma 0");
    // Binomial: z whatever the button, the true p at 4 on the axis; p 0 and 1
    // give every sample proportion 0 or 1.
    g_isDiscrete = 0;
    g_isBinomial = 1;
    for (float p : {0.4f, 0.0f, 1.0f}) {
        SetBinomialP(p);
        Draw(10, 30);
        Click(IDC_CI_Z_OR_T);
        EXPECT_EQ(Text(IDC_CI_Z_OR_T) + " " + Text(IDC_CI_CRITICAL_VALUE), "z-value = 1.960");
        EXPECT_EQ(Pixel(GraphPixel(10 * p), 20), kBlue) << p;
        ClickRow(3);
        expectNumbers("binomial");
        const QRegularExpression threeDecimals("^(low|high) = -?\\d\\.\\d{3}$");
        const SelectedStrip s = ComputeSelectedStrip(10);
        EXPECT_TRUE(ToQt(s.lowText).contains(threeDecimals) &&
                    ToQt(s.highText).contains(threeDecimals))
            << s.lowText << " " << s.highText;
    }
    SaveSnapshot(ci->grab().toImage(), "ci-binomial-p1");
}
