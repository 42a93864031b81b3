// The Confidence Intervals window driven as a student drives it, with the
// Population and Dorvane windows beside it: DRAW SAMPLES from its own button,
// the setting buttons with the critical value and the counts, the order of
// the rows with the selection kept, the pages and the scroll bar, a click on
// an interval, the possible mean dragged across an end, the refusals of the
// confidence level, and no "nan" or "inf" in any field. Pixels are read from
// the window's surface, g_ciMemDC.
#include "core/Population.h"
#include "core/SamplingEngine.h"
#include "core/SimulationState.h"
#include "resources/Resource.h"
#include "shell/WindowViews.h"
#include "tests/support/GuiTestSupport.h"
#include "tests/windows/NeighbourWindows.h"
#include "tests/windows/confint/IntervalRecount.h"
#include "ui/DrawingResources.h"
#include "ui/FieldText.h"
#include "ui/FocusRing.h"
#include "ui/FocusSpot.h"
#include "windows/confint/ConfIntervalDlg.h"
#include "windows/confint/IntervalGeometry.h"
#include "windows/confint/IntervalSeries.h"
#include "windows/confint/StripGeometry.h"
#include "windows/population/PopulationDlg.h"
#include "windows/sampdist/SamplingDistDlg.h"

#include <QApplication>
#include <QFocusEvent>
#include <QFontMetrics>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QTest>
#include <cmath>
#include <memory>
#include <string>
#include <vector>

namespace {

const QRgb kBlack = Rgb(0, 0, 0), kRed = Rgb(255, 0, 0), kBlue = Rgb(0, 0, 255),
           kYellow = Rgb(255, 255, 0), kWhite = Rgb(250, 250, 250);

// The shell's forwards, with the two selection requests of the other
// windows written down as they pass.
class RecordingViews : public CLinkedWindows {
  public:
    std::vector<std::string> requests;
    void MarkSelectionInDorvane() override {
        requests.push_back("MarkSelectionInDorvane");
        CLinkedWindows::MarkSelectionInDorvane();
    }
    void SyncSamplesToSelection() override {
        requests.push_back("SyncSamplesToSelection");
        CLinkedWindows::SyncSamplesToSelection();
    }
};

class ConfIntervalWindow : public GuiTest, protected NeighbourWindows {
  protected:
    void SetUp() override {
        GuiTest::SetUp();
        SetDisplays(&WindowDisplays());
        SetWindowLinks(&views);
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
    void Type(int id, const QString& text) { TypeInto(Edit(id), text); }
    void Click(int id) {
        QWidget* w = ci->Control(id);
        QTest::mouseClick(w, Qt::LeftButton, Qt::NoModifier, w->rect().center());
    }
    void ClickAt(QPoint at) { QTest::mouseClick(ci.get(), Qt::LeftButton, Qt::NoModifier, at); }
    // Leaves the field as a click elsewhere does.
    void LeaveField(int id) {
        QFocusEvent out(QEvent::FocusOut, Qt::MouseFocusReason);
        QApplication::sendEvent(Edit(id), &out);
    }
    QScrollBar* Scroll() const { return qobject_cast<QScrollBar*>(ci->Control(IDC_CI_SCROLL)); }
    QString Counts() const {
        return Text(IDC_CI_NUM_IN) + "|" + Text(IDC_CI_NUM_OUT) + "|" + Text(IDC_CI_PCT_IN) + "|" +
               Text(IDC_CI_PCT_OUT);
    }
    // Fields typed in this window, DRAW SAMPLES pressed at the speed button.
    void Draw(int n, int count, int speed = IDC_CI_SPEED_F) {
        Click(speed);
        Type(IDC_CI_SAMPLE_SIZE, QString::number(n));
        Type(IDC_CI_NUM_SAMPLES, QString::number(count));
        Click(IDC_CI_DRAW_SAMPLES);
        ASSERT_TRUE(messages.isEmpty()) << messages.join("; ").toStdString();
    }
    static QRgb Pixel(int x, int y) { return PixelOf(g_ciMemDC, x, y); }
    // Colour of a row's line at its low end (where no centre mark sits).
    static QRgb LineColour(int row) {
        const RowLine line = LineOfRow(IntervalOf(g_ciSampleSize, row), row);
        return Pixel(line.xLow, line.y);
    }
    static int FieldN() { return g_ciSampleSize; }
    // Possible Mu on, as the main frame switches it: 100 more at the bottom.
    void PossibleMuOn() {
        g_possibleMuExtra = 100;
        g_possibleMu = 1;
        g_ciStripRect.bottom += 100;
        ci->ResizeClientTo(QSize(509, 640));
        ci->RedrawConfIntervalWindow();
    }
    // Every row of the page drawn red or black as its interval, worked out
    // again from its sample's own values, holds the mean or not; the Out
    // count the same over the whole series.
    void ExpectPageAsRecounted(int n, double critical, bool sigmaKnown,
                               recount::Sides sides = recount::Sides::Two) {
        for (int row = g_ciFirstSample; row <= LastRowOnPage(); ++row) {
            const int sample = g_sortByMeans ? g_sortedMeanSampleNo[row] : row;
            const bool in = recount::Covers(sample, n, critical, sigmaKnown, sides);
            EXPECT_EQ(recount::LineAt(g_ciMemDC, RowY(row), 181, 488), in ? 'k' : 'r')
                << "row " << row << ", sample " << sample;
        }
        int out = 0;
        for (int sample = 1; sample <= g_samplesDrawn; ++sample)
            out += !recount::Covers(sample, n, critical, sigmaKnown, sides);
        EXPECT_EQ(Text(IDC_CI_NUM_OUT), QString::number(out));
    }
    // Pixels of one colour in a rectangle of the surface.
    static int CountPixels(const Rect& r, QRgb colour) {
        int count = 0;
        for (int y = r.top; y < r.bottom; ++y)
            for (int x = r.left; x < r.right; ++x)
                count += Pixel(x, y) == colour;
        return count;
    }

    RecordingViews views;
    std::unique_ptr<CConfIntervalDlg> ci;
};

} // namespace

TEST_F(ConfIntervalWindow, StartsAt95PercentTwoSidedZWithEmptyCounts) {
    EXPECT_EQ(Text(IDC_CI_CONF_LEVEL), "95");
    EXPECT_EQ(Text(IDC_CI_CRITICAL_VALUE), "1.960");
    EXPECT_EQ(Text(IDC_CI_Z_OR_T), "z-value =");
    EXPECT_EQ(Text(IDC_CI_SIDES), "Two Sided");
    EXPECT_EQ(Text(IDC_CI_SERIES_MODE), "NEW SERIES");
    EXPECT_FALSE(ci->Control(IDC_CI_END)->isVisible());
    EXPECT_TRUE(qobject_cast<QRadioButton*>(ci->Control(IDC_CI_SORT_OFF))->isChecked());
    EXPECT_EQ(Counts(), "0|0|0%|0%");
    EXPECT_EQ(g_ciPopMean, 5.0f);
    // No samples: the axis, its labels and the true value, nothing else.
    const Rect inside{g_ciGraphRect.left + 1, 1, g_ciGraphRect.right - 1, 430};
    EXPECT_EQ(CountPixels(inside, kRed) + CountPixels(inside, kYellow), 0);
    EXPECT_EQ(Pixel(GraphX(TrueValue()), 200), kBlue);
    EXPECT_EQ(Pixel(300, 433), kBlack);
    SaveSnapshot(ci->grab().toImage(), "ci-start");
}

TEST_F(ConfIntervalWindow, DrawSamplesShowsAnIntervalForEverySampleAndCountsThem) {
    Draw(25, 1000);
    EXPECT_EQ(g_samplesDrawn, 1000);
    EXPECT_EQ(Text(IDC_CI_TOTAL_DRAWN), "1000");
    EXPECT_EQ(dorvane->SampleSizeText(), "25"); // the fields went to the Dorvane window
    const int in = g_ciInCount;
    EXPECT_EQ(in + g_ciOutCount, 1000);
    EXPECT_EQ(Text(IDC_CI_NUM_IN), QString::number(in));
    EXPECT_EQ(Text(IDC_CI_PCT_IN), QString::asprintf("%.0f%%", in / 10.0));
    // The last page: samples 841..1000, black when they hold the mean, red
    // when not (z = norm.ppf(0.975)).
    EXPECT_EQ(g_ciFirstSample, 841);
    ExpectPageAsRecounted(25, 1.959964, true);
    EXPECT_EQ(Pixel(GraphX(IntervalOf(25, 1000).centre), RowY(1000)), kYellow);
    EXPECT_EQ(CountPixels(Rect{181, 1, 488, RowY(1000)}, kBlack), 0); // nothing above it
    SaveSnapshot(ci->grab().toImage(), "ci-1000");
}

TEST_F(ConfIntervalWindow, SettingButtonsChangeTheCriticalValueIntervalsAndCounts) {
    Draw(25, 400);
    Click(IDC_CI_SIDES);
    EXPECT_EQ(Text(IDC_CI_SIDES), "One Sided");
    EXPECT_TRUE(ci->Control(IDC_CI_END)->isVisible());
    EXPECT_EQ(Text(IDC_CI_CRITICAL_VALUE), "1.645");
    Click(IDC_CI_END);
    EXPECT_EQ(Text(IDC_CI_END), "Low End");
    EXPECT_EQ(Text(IDC_CI_CRITICAL_VALUE), "-1.645");
    // Low end only (norm.ppf(0.95)): every line runs to the right end of the axis.
    ExpectPageAsRecounted(25, 1.644854, true, recount::Sides::LowEndOnly);
    for (int row = g_ciFirstSample; row <= LastRowOnPage(); ++row)
        EXPECT_EQ(LineOfRow(IntervalOf(25, row), row).xHigh, 479);

    // t with sigma unknown: t.ppf(0.95, 24) = 1.7109, each sample's own s.
    Click(IDC_CI_SIGMA);
    Click(IDC_CI_Z_OR_T);
    EXPECT_EQ(Text(IDC_CI_Z_OR_T), "t-value =");
    EXPECT_EQ(Text(IDC_CI_CRITICAL_VALUE), "-1.711");
    EXPECT_EQ(g_ciSigmaKnown, 0);
    ExpectPageAsRecounted(25, 1.710882, false, recount::Sides::LowEndOnly);
    // The sigma button's face says which.
    const QImage unknown = ci->Control(IDC_CI_SIGMA)->grab().toImage();
    Click(IDC_CI_SIGMA);
    EXPECT_NE(ci->Control(IDC_CI_SIGMA)->grab().toImage(), unknown);
    Click(IDC_CI_SIGMA);

    // Back to two sides: the end button goes away.
    Click(IDC_CI_SIDES);
    EXPECT_FALSE(ci->Control(IDC_CI_END)->isVisible());
    EXPECT_EQ(Text(IDC_CI_CRITICAL_VALUE), "2.064"); // t.ppf(0.975, 24) = 2.0639
    ExpectPageAsRecounted(25, 2.063899, false);
    // Sorted by mean, each row still takes its own sample's s.
    Click(IDC_CI_SORT_ON);
    ExpectPageAsRecounted(25, 2.063899, false);
    SaveSnapshot(ci->grab().toImage(), "ci-t-two-sided-sorted");
}

TEST_F(ConfIntervalWindow, ABinomialPopulationAlwaysUsesZ) {
    g_isContinuous = 0;
    g_isBinomial = 1;
    SetBinomialP(0.4f);
    Draw(50, 300);
    Click(IDC_CI_Z_OR_T);
    EXPECT_EQ(Text(IDC_CI_Z_OR_T), "z-value =");
    EXPECT_EQ(Text(IDC_CI_CRITICAL_VALUE), "1.960");
    EXPECT_EQ(g_ciUseZ, 1);
    // The true value 0.4 stands at 4 on the axis.
    EXPECT_EQ(Pixel(GraphX(4.0f), 20), kBlue);
    ClickAt(QPoint(300, RowY(g_ciFirstSample + 3)));
    const SelectedStrip s = ComputeSelectedStrip(50);
    ASSERT_TRUE(s.shown);
    // Three decimals on the proportion scale.
    EXPECT_EQ(s.lowText.size() - s.lowText.find('.'), 4u) << s.lowText;
    EXPECT_EQ(s.highText.size() - s.highText.find('.'), 4u) << s.highText;
    EXPECT_EQ(s.lowText.find("low = 0."), 0u) << s.lowText;
    SaveSnapshot(ci->grab().toImage(), "ci-binomial");
}

TEST_F(ConfIntervalWindow, SortingKeepsTheSelectedSample) {
    Draw(10, 150);
    const int row = 40;
    ClickAt(QPoint(300, RowY(row)));
    ASSERT_EQ(g_sampleSelected, 1);
    ASSERT_EQ(g_selectedSampleNo, row);
    // The selected row is two pixels thick.
    EXPECT_EQ(Pixel(LineOfRow(IntervalOf(10, row), row).xLow, RowY(row) - 1), LineColour(row));

    Click(IDC_CI_SORT_ON);
    EXPECT_EQ(g_sortByMeans, 1);
    EXPECT_TRUE(qobject_cast<QRadioButton*>(ci->Control(IDC_CI_SORT_ON))->isChecked());
    EXPECT_EQ(SampleOfRow(g_selectedSampleNo), row);
    // Sorted rows rise from the bottom.
    for (int r = 2; r <= 150; ++r)
        EXPECT_LE(IntervalOf(10, r - 1).centre, IntervalOf(10, r).centre);
    SaveSnapshot(ci->grab().toImage(), "ci-sorted");
    // A second click on ON flips the order back.
    Click(IDC_CI_SORT_ON);
    EXPECT_EQ(g_sortByMeans, 0);
    EXPECT_EQ(g_selectedSampleNo, row);
    EXPECT_TRUE(qobject_cast<QRadioButton*>(ci->Control(IDC_CI_SORT_OFF))->isChecked());
}

TEST_F(ConfIntervalWindow, ANewSeriesStartsItsSecondPageAtSample211) {
    Draw(5, 211, IDC_CI_SPEED_4); // drawn one by one
    EXPECT_EQ(g_ciFirstSample, 211);
    ExpectPageAsRecounted(5, 1.959964, true);
    EXPECT_EQ(RowY(211), 430);
    // Nothing of the first page is left above it.
    const Rect above{181, 1, 488, 428};
    EXPECT_EQ(CountPixels(above, kBlack) + CountPixels(above, kRed), 0);
    EXPECT_EQ(Scroll()->maximum(), 211);
    EXPECT_EQ(Scroll()->value(), 1);
}

TEST_F(ConfIntervalWindow, ScrollingPagesThroughTheSeries) {
    Draw(10, 500);
    // The thumb at the top shows the newest sample at the bottom row.
    Scroll()->setSliderPosition(1);
    EXPECT_EQ(g_ciFirstSample, 500);
    EXPECT_EQ(Pixel(GraphX(IntervalOf(10, 500).centre), 430), kYellow);
    // At the bottom, the first samples.
    Scroll()->setSliderPosition(500);
    EXPECT_EQ(g_ciFirstSample, 1);
    ExpectPageAsRecounted(10, 1.959964, true);
    Scroll()->triggerAction(QAbstractSlider::SliderPageStepSub);
    EXPECT_EQ(Scroll()->value(), 300);
    EXPECT_EQ(g_ciFirstSample, 201);
    Scroll()->triggerAction(QAbstractSlider::SliderSingleStepAdd);
    EXPECT_EQ(g_ciFirstSample, 200);
}

TEST_F(ConfIntervalWindow, AClickSelectsAnIntervalAndTellsTheOtherWindows) {
    Draw(25, 300);
    views.requests.clear();
    const int row = g_ciFirstSample + 20;
    ClickAt(QPoint(250, RowY(row)));
    EXPECT_EQ(g_activeWindowTag, "CI");
    EXPECT_EQ(g_selectedSampleNo, row);
    EXPECT_EQ(g_sortedMeanSampleNo[g_selectedPos], row);
    EXPECT_EQ(views.requests,
              (std::vector<std::string>{"MarkSelectionInDorvane", "SyncSamplesToSelection"}));
    // The strip shows it enlarged: its bar, black or red, and the centre.
    const SelectedStrip s = ComputeSelectedStrip(25);
    const QRgb bar = recount::Covers(row, 25, 1.959964, true) ? kBlack : kRed;
    EXPECT_EQ(Pixel((s.barLeft + s.xCentre) / 2, s.barY), bar);
    EXPECT_EQ(Pixel(s.xCentre, s.barY), kYellow);
    EXPECT_EQ(Pixel(s.trueX, s.baseY - 20), kBlue);
    SaveSnapshot(ci->grab().toImage(), "ci-selected");
    // At 1 % the bar is shorter than the centre mark; its colour still shows
    // in the mark's middle (z = 0.01, the table's value for 50.5 %).
    Type(IDC_CI_CONF_LEVEL, "1");
    QTest::keyClick(Edit(IDC_CI_CONF_LEVEL), Qt::Key_Return);
    const SelectedStrip tiny = ComputeSelectedStrip(25);
    EXPECT_EQ(Pixel(tiny.xCentre, tiny.barY), recount::Covers(row, 25, 0.01, true) ? kBlack : kRed);
    EXPECT_EQ(Pixel(tiny.xCentre - 3, tiny.barY), kYellow);
    ExpectPageAsRecounted(25, 0.01, true); // every row's colour shows on the graph too

    // Above the last row of the page the selection is dropped.
    views.requests.clear();
    ClickAt(QPoint(250, RowY(301) - 1));
    EXPECT_EQ(g_sampleSelected, 0);
    EXPECT_EQ(views.requests, (std::vector<std::string>{"MarkSelectionInDorvane"}));
    EXPECT_EQ(CountPixels(Rect{0, 457, 509, 540}, kYellow), 0);
}

TEST_F(ConfIntervalWindow, DraggingThePossibleMeanAcrossAnEndTurnsTheFillRed) {
    Draw(25, 300);
    ClickAt(QPoint(250, RowY(g_ciFirstSample + 5)));
    PossibleMuOn();
    g_ciPopMean = IntervalOf(25, g_selectedSampleNo).centre;
    ci->RedrawConfIntervalWindow();
    ASSERT_EQ(g_ciPlausible, 1);
    PossibleMuFigure f = ComputePossibleMu(25);
    const QPoint grab(f.xCentre + 2, f.baseY - 5);
    ASSERT_TRUE(ci->AcceptanceRegion().contains(grab));
    EXPECT_EQ(Pixel(grab.x(), grab.y()), kBlue);
    SaveSnapshot(ci->grab().toImage(), "ci-possible-mu-plausible");

    // Drag right until past the high end.
    QTest::mousePress(ci.get(), Qt::LeftButton, Qt::NoModifier, grab);
    EXPECT_EQ(g_ciDragging, 1);
    int x = grab.x();
    while (g_ciPlausible && x < 600) {
        x += 3;
        SendMove(ci.get(), QPoint(x, grab.y()), Qt::LeftButton);
    }
    QTest::mouseRelease(ci.get(), Qt::LeftButton, Qt::NoModifier, QPoint(x, grab.y()));
    EXPECT_EQ(g_ciPlausible, 0);
    EXPECT_GT(ShownValue(g_ciPopMean), g_ciSelHigh);
    f = ComputePossibleMu(25);
    EXPECT_STREQ(f.textLines[2], "NOT PLAUSIBLE");
    EXPECT_EQ(Pixel(f.xCentre + 2, f.baseY - 5), kRed);
    EXPECT_EQ(Pixel(f.xCentre - 2, f.baseY - 5), kRed);
    SaveSnapshot(ci->grab().toImage(), "ci-possible-mu-not-plausible");

    // A move without the button, or with a key held, does not drag.
    const float m = g_ciPopMean;
    SendMove(ci.get(), QPoint(x - 40, grab.y()), Qt::NoButton);
    SendMove(ci.get(), QPoint(x - 40, grab.y()), Qt::LeftButton, Qt::ShiftModifier);
    EXPECT_EQ(g_ciPopMean, m);
    // Dragged far off, it stops at the end of the axis.
    QTest::mousePress(ci.get(), Qt::LeftButton, Qt::NoModifier, QPoint(f.xCentre, f.baseY - 5));
    SendMove(ci.get(), QPoint(5000, f.baseY), Qt::LeftButton);
    EXPECT_EQ(g_ciPopMean, 10.0f);
}

TEST_F(ConfIntervalWindow, ThePossibleMeanStandsOnTheSelectedIntervalsOwnSpread) {
    // t with sigma unknown, n = 5: a sample whose s lies far from sigma, so
    // a region drawn with sigma would contradict the verdict.
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
    ClickAt(QPoint(250, RowY(row)));
    PossibleMuOn();
    const QRgb kPurple = Rgb(160, 2, 190);
    const QFontMetrics font(g_fontArial9_5);
    auto expectNoPurpleIn = [&](int left, int top, const std::string& text) {
        const QRect r(left, top, font.horizontalAdvance(QString::fromStdString(text)),
                      font.height());
        EXPECT_EQ(CountPixels(Rect{r.left(), r.top(), r.right() + 1, r.bottom() + 1}, kPurple), 0)
            << text << " at " << left;
    };
    struct Setting {
        int oneSided, lowEnd;
        double t; // t.ppf(0.975, 4) and t.ppf(0.95, 4)
    };
    for (const Setting c :
         {Setting{0, 0, 2.776445}, Setting{1, 0, 2.131847}, Setting{1, 1, 2.131847}}) {
        if (g_ciOneSided != c.oneSided) Click(IDC_CI_SIDES);
        if (g_ciLowEnd != c.lowEnd) Click(IDC_CI_END);
        const double half = c.t * sd / std::sqrt(5.0);
        for (int x = StripX(0); x <= StripX(10); x += 3) {
            g_ciPopMean = static_cast<float>((x - StripX(0)) / double(g_ciStripPixelsPerUnit));
            ci->RedrawConfIntervalWindow();
            const double m = g_ciPopMean;
            const double below = m - (mean - half), above = (mean + half) - m;
            const double nearest = !c.oneSided ? std::min(std::abs(below), std::abs(above))
                                   : c.lowEnd  ? std::abs(below)
                                               : std::abs(above);
            if (nearest < 0.1) continue; // within a few pixels of an end
            const bool inside = (!c.oneSided || c.lowEnd ? below >= 0 : true) &&
                                (!c.oneSided || !c.lowEnd ? above >= 0 : true);
            EXPECT_EQ(g_ciPlausible, inside ? 1 : 0) << c.oneSided << c.lowEnd << " m " << m;
            // The sample's mean lies in the shaded region exactly when the
            // verdict says plausible.
            const PossibleMuFigure f = ComputePossibleMu(5);
            const int xMean = StripX(mean);
            EXPECT_EQ(f.outline.front().x <= xMean && xMean <= f.outline.back().x, inside)
                << c.oneSided << c.lowEnd << " m " << m;
            // No line strikes through a text: no purple in the ends' texts,
            // the three lines clear of the possible mean's focus ring.
            const SelectedStrip s = ComputeSelectedStrip(5);
            if (s.showLow)
                expectNoPurpleIn(LowTextLeft(s, font.horizontalAdvance(ToQt(s.lowText))),
                                 s.endTextY, s.lowText);
            if (s.showHigh)
                expectNoPurpleIn(HighTextLeft(s, font.horizontalAdvance(ToQt(s.highText))),
                                 s.endTextY, s.highText);
            const int width = font.horizontalAdvance(f.textLines[2]);
            const int left = PlausibilityColumnLeft(f, width);
            const QRect column(QPoint(left, f.textLineY[0]),
                               QPoint(left + width - 1, f.textLineY[2] + font.height() - 1));
            const QRect spot = ci->PossibleMuSpot()->geometry();
            const QRect ring = spot.adjusted(-kFocusRingOutset, -kFocusRingOutset, kFocusRingOutset,
                                             kFocusRingOutset);
            EXPECT_TRUE(!column.intersects(ring) || spot.contains(column))
                << c.oneSided << c.lowEnd << " m " << m;
        }
    }
    SaveSnapshot(ci->grab().toImage(), "ci-possible-mu-t-low-end");

    // A shown end typed as the possible mean lies inside, whichever way the
    // end was rounded for showing; a hundredth beyond it does not.
    Click(IDC_CI_SIDES);
    for (int r = row; r > row - 6 && r >= 1; --r) {
        ClickAt(QPoint(250, RowY(r)));
        const SelectedStrip s = ComputeSelectedStrip(5);
        for (const auto& [end, beyond] :
             {std::pair{s.lowText.substr(6), -0.01}, std::pair{s.highText.substr(7), 0.01}}) {
            if (std::stod(end) + beyond < 0.0) continue; // off the axis
            ASSERT_TRUE(SetPossibleMuFromTyped(end));
            ci->RedrawConfIntervalWindow();
            EXPECT_EQ(g_ciPlausible, 1) << end;
            ASSERT_TRUE(SetPossibleMuFromTyped(std::to_string(std::stod(end) + beyond)));
            ci->RedrawConfIntervalWindow();
            EXPECT_EQ(g_ciPlausible, 0) << end << beyond;
        }
    }
    g_ciPopMean = static_cast<float>(mean + 0.8 * 2.776445 * sd / std::sqrt(5.0));
    ClickAt(QPoint(250, RowY(row)));
    SaveSnapshot(ci->grab().toImage(), "ci-possible-mu-t");
}

TEST_F(ConfIntervalWindow, ConfidenceLevelIsTakenWhenLeftAndRefusedWhenNotAWholeNumber) {
    Draw(25, 200);
    const QString counts = Counts();
    // "9" on the way to "90" changes nothing while it is typed.
    Type(IDC_CI_CONF_LEVEL, "9");
    EXPECT_EQ(Text(IDC_CI_CRITICAL_VALUE), "1.960");
    EXPECT_EQ(Counts(), counts);
    const char* const kRefused = "The confidence level must be a whole number from 1 to 99";
    struct Step {
        const char* typed;
        int how; // 0 leave the field, 1 Enter, 2 DRAW SAMPLES
        const char* field;
        const char* critical; // norm.ppf as the table gives it
        bool refused;
    };
    const Step steps[] = {
        {"90", 1, "90", "1.645", false},   {"100", 0, "99", "2.576", true},
        {"", 0, "99", "2.576", true},      {"abc", 1, "99", "2.576", true},
        {"50.5", 1, "99", "2.576", true},  {"95abc", 0, "99", "2.576", true},
        {" 80", 0, " 80", "1.282", false}, {"0", 2, "1", "0.010", true},
    };
    for (const Step& step : steps) {
        messages.clear();
        Type(IDC_CI_CONF_LEVEL, step.typed);
        EXPECT_TRUE(messages.isEmpty()) << step.typed; // never while typing
        if (step.how == 0) LeaveField(IDC_CI_CONF_LEVEL);
        if (step.how == 1) QTest::keyClick(Edit(IDC_CI_CONF_LEVEL), Qt::Key_Return);
        if (step.how == 2) Click(IDC_CI_DRAW_SAMPLES);
        EXPECT_EQ(messages, step.refused ? QStringList{kRefused} : QStringList{}) << step.typed;
        EXPECT_EQ(Text(IDC_CI_CONF_LEVEL), step.field) << step.typed;
        EXPECT_EQ(Text(IDC_CI_CRITICAL_VALUE), step.critical) << step.typed;
    }
    // Left again unchanged, it asks nothing more; DRAW SAMPLES drew.
    LeaveField(IDC_CI_CONF_LEVEL);
    EXPECT_EQ(messages.size(), 1);
    EXPECT_EQ(g_samplesDrawn, 200);
    EXPECT_EQ(Text(IDC_CI_TOTAL_DRAWN), "200");
}

TEST_F(ConfIntervalWindow, SamplesOfOneValueWithSigmaUnknownHaveOnlyACentre) {
    Click(IDC_CI_SIGMA);
    Draw(1, 50);
    EXPECT_EQ(Counts(), "0|50|0%|100%");
    // No line, only the yellow centre marks.
    const Rect graph{181, 1, 488, 431};
    EXPECT_EQ(CountPixels(graph, kBlack) + CountPixels(graph, kRed), 0);
    EXPECT_GT(CountPixels(graph, kYellow), 0);
    ClickAt(QPoint(250, RowY(10)));
    const SelectedStrip s = ComputeSelectedStrip(1);
    EXPECT_TRUE(s.shown && !s.interval.hasEnds);
    EXPECT_EQ(Pixel(s.xCentre, s.barY), kYellow);
    EXPECT_EQ(CountPixels(Rect{0, s.barY - 2, 509, s.barY + 2}, kBlack), 0);
    // t has no critical value with one value a sample: the field is empty,
    // not z's 1.960, and with sigma known there are still no lines.
    Click(IDC_CI_Z_OR_T);
    EXPECT_EQ(Text(IDC_CI_CRITICAL_VALUE), "");
    Click(IDC_CI_SIGMA);
    EXPECT_EQ(CountPixels(graph, kBlack) + CountPixels(graph, kRed), 0);
    Click(IDC_CI_Z_OR_T);
    EXPECT_EQ(Text(IDC_CI_CRITICAL_VALUE), "1.960");
    EXPECT_GT(CountPixels(graph, kBlack) + CountPixels(graph, kRed), 0);
}

TEST_F(ConfIntervalWindow, SeriesModeAndTheSharedFieldsFollowTheRules) {
    Draw(5, 9500);
    Type(IDC_CI_NUM_SAMPLES, "1000");
    Click(IDC_CI_SERIES_MODE);
    EXPECT_EQ(g_addMoreMode, 1);
    EXPECT_EQ(Text(IDC_CI_SERIES_MODE), "ADD MORE");
    EXPECT_EQ(messages, QStringList{"The total number of samples cannot exceed 10,000"});
    EXPECT_EQ(Text(IDC_CI_NUM_SAMPLES), "500");
    EXPECT_EQ(dorvane->NumberOfSamplesText(), "500");
    Click(IDC_CI_DRAW_SAMPLES);
    EXPECT_EQ(g_samplesDrawn, 10000);

    Type(IDC_CI_SAMPLE_SIZE, "2000");
    EXPECT_EQ(messages.last(), "The sample size cannot be greater than 1000");
    EXPECT_EQ(Text(IDC_CI_SAMPLE_SIZE), "1000");
    EXPECT_EQ(dorvane->SampleSizeText(), "1000");
    EXPECT_EQ(g_samplesDrawn, 0); // a new sample size ends the series
    EXPECT_EQ(Counts(), "0|0|0%|0%");
}

TEST_F(ConfIntervalWindow, NoFieldOrLabelShowsANonNumber) {
    auto expectNumbers = [this](const char* when) {
        for (int id : {IDC_CI_CRITICAL_VALUE, IDC_CI_TOTAL_DRAWN, IDC_CI_NUM_IN, IDC_CI_NUM_OUT,
                       IDC_CI_PCT_IN, IDC_CI_PCT_OUT}) {
            const QString text = Text(id).toLower();
            EXPECT_FALSE(text.contains("nan") || text.contains("inf")) << when << " " << id;
        }
        const SelectedStrip s = ComputeSelectedStrip(FieldN());
        const PossibleMuFigure f = ComputePossibleMu(FieldN());
        for (const std::string& text : {s.lowText, s.highText, s.centreText, s.sText, f.muText})
            EXPECT_TRUE(text.find("nan") == std::string::npos &&
                        text.find("inf") == std::string::npos)
                << when << " " << text;
    };
    g_possibleMu = 1;
    // n = 0 in the field.
    Type(IDC_CI_SAMPLE_SIZE, "0");
    ci->RedrawConfIntervalWindow();
    expectNumbers("n = 0");
    // A population without spread: sigma 0.
    g_isContinuous = 0;
    g_isDiscrete = 1;
    SetPopulationGeometry(300, 432);
    std::fill(g_popCurve, g_popCurve + kCurveSlots, g_popBaseline);
    g_popCurve[6] = g_popBaseline - 100; // all at 5
    RecomputePopulationParameters();
    ASSERT_EQ(g_popSD, 0.0f);
    Draw(4, 30);
    ClickAt(QPoint(250, RowY(3)));
    expectNumbers("sigma 0");
    // Binomial p 0 and 1: every sample proportion 0 or 1.
    g_isDiscrete = 0;
    g_isBinomial = 1;
    for (float p : {0.0f, 1.0f}) {
        SetBinomialP(p);
        Draw(10, 30);
        ClickAt(QPoint(250, RowY(3)));
        expectNumbers(p == 0.0f ? "p 0" : "p 1");
    }
}
