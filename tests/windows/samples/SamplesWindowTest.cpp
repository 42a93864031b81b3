// The Samples window driven as a student drives it, beside the Population and
// Dorvane windows: DRAW SAMPLES at speeds F and "4" with the values falling
// into their bars, the fields with their limits and messages, the scroll bar
// in both views, the limits dragged with the share between them, the grid,
// a binomial series; checked on the pixels of the window's surface.
#include "core/Messages.h"
#include "core/Population.h"
#include "core/Random.h"
#include "core/SimulationState.h"
#include "resources/Resource.h"
#include "shell/WindowViews.h"
#include "tests/support/GuiTestSupport.h"
#include "tests/windows/NeighbourWindows.h"
#include "ui/DrawingResources.h"
#include "windows/population/PopulationDlg.h"
#include "windows/sampdist/SamplingDistDlg.h"
#include "windows/samples/SamplePictureModel.h"
#include "windows/samples/SamplesDlg.h"
#include "windows/samples/SamplesModel.h"

#include <QFontMetrics>
#include <QLineEdit>
#include <QPaintEvent>
#include <QPainter>
#include <QPushButton>
#include <QScrollBar>
#include <QTest>
#include <algorithm>
#include <cmath>
#include <memory>
#include <vector>

namespace {

const QRgb kWhite = Rgb(250, 250, 250), kGreen = Rgb(0, 255, 100), kBlack = Rgb(0, 0, 0),
           kPurple = Rgb(160, 2, 190), kBlue = Rgb(0, 0, 255);

// Records the rectangles the window paints while a run holds the thread.
struct PaintRecorder : QObject {
    std::vector<QRect> rects;
    bool eventFilter(QObject*, QEvent* event) override {
        if (event->type() == QEvent::Paint)
            rects.push_back(static_cast<QPaintEvent*>(event)->rect());
        return false;
    }
};

class SamplesWindow : public GuiTest, protected NeighbourWindows {
  protected:
    void SetUp() override {
        GuiTest::SetUp();
        // The window's pauses are recorded, never waited.
        SetMillisecondWait([this](int ms) { pauses.push_back(ms); });
        InstallWindowViews();
        ShowNeighbours(PresetShape::SkewedPlus);
        samples = std::make_unique<CSamplesDlg>();
        samples->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(samples.get()));
        g_samplesWndVisible = 1;
    }
    void TearDown() override {
        samples.reset();
        CloseNeighbours();
        GuiTest::TearDown();
    }

    QLineEdit* Edit(int id) const { return qobject_cast<QLineEdit*>(samples->Control(id)); }
    QScrollBar* Scroll() const {
        return qobject_cast<QScrollBar*>(samples->Control(IDC_SAMPLES_SCROLL));
    }
    void Type(int id, const QString& text) { TypeInto(Edit(id), text); }
    void Click(int id) {
        QWidget* w = samples->Control(id);
        QTest::mouseClick(w, Qt::LeftButton, Qt::NoModifier, w->rect().center());
    }
    // Both fields typed here, a speed chosen here, DRAW SAMPLES pressed here.
    void Draw(int n, int count, int speedButton = IDC_SAMPLES_SPEED_F) {
        Click(speedButton);
        Type(IDC_SAMPLES_SAMPLE_SIZE, QString::number(n));
        Type(IDC_SAMPLES_NUM_SAMPLES, QString::number(count));
        Click(IDC_SAMPLES_DRAW_SAMPLES);
        ASSERT_EQ(g_samplesDrawn, count);
    }
    void Drag(QPoint from, QPoint to) {
        QTest::mousePress(samples.get(), Qt::LeftButton, Qt::NoModifier, from);
        SendMove(samples.get(), to, Qt::LeftButton);
        QTest::mouseRelease(samples.get(), Qt::LeftButton, Qt::NoModifier, to);
    }
    // A single population column: every value lies within 0.1 of it, and
    // for these columns inside one tally column too.
    void OneColumnAt(int column) {
        ClearPopulationCurve();
        g_popCurve[column + 1] = g_popBaseline - 100;
        RunPopulationChangeSequence(true);
    }
    void Binomial(float p) {
        g_isBinomial = 1;
        g_isContinuous = 0;
        SetBinomialP(p);
    }
    QImage Client() const { return g_samplesMemDC.copy(0, 0, 320, 402); }

    std::vector<int> pauses;
    std::unique_ptr<CSamplesDlg> samples;
};

QRgb Pixel(int x, int y) {
    return PixelOf(g_samplesMemDC, x, y);
}

int CountPixels(const Rect& r, QRgb colour) {
    int n = 0;
    for (int y = r.top; y < r.bottom; ++y)
        for (int x = r.left; x < r.right; ++x)
            n += Pixel(x, y) == colour;
    return n;
}
// Pixels of the red "s =" text, its glyphs' soft edges included.
int CountReddish(const Rect& r) {
    int n = 0;
    for (int y = r.top; y < r.bottom; ++y)
        for (int x = r.left; x < r.right; ++x) {
            const QColor c(Pixel(x, y));
            n += c.red() > 200 && c.green() < 120 && c.blue() < 120;
        }
    return n;
}

// The text as it should stand on the graph's white: glyphs only, top-left at
// (x, top). Compared with the window's surface there.
bool TextDrawnAt(int x, int top, const QString& text, const QFont& font, const QColor& colour) {
    const QFontMetrics metrics(font);
    QImage expected(metrics.horizontalAdvance(text), metrics.height(),
                    QImage::Format_ARGB32_Premultiplied);
    expected.fill(QColor(250, 250, 250));
    {
        QPainter p(&expected);
        p.setFont(font);
        p.setPen(colour);
        p.drawText(QPoint(0, metrics.ascent()), text);
    }
    return g_samplesMemDC.copy(x, top, expected.width(), expected.height()) == expected;
}
int Width(const QFont& font, const QString& text) {
    return QFontMetrics(font).horizontalAdvance(text);
}

// Every bar of the shown sample stands as high as its count says: green just
// under its top, white just above it.
void ExpectBarsOf(int row) {
    const SampleRow& r = g_sampleStore[row];
    const int maxCount = *std::max_element(r.columnCounts + 1, r.columnCounts + 22);
    int step = 1;
    for (int limit : {1, 2, 3, 4, 5, 10, 20, 25, 50, 100, 200})
        if (5 * limit >= maxCount) {
            step = limit;
            break;
        }
    const float h = 32.0f / step;
    const int bars = g_isBinomial ? 2 : 21;
    for (int c = 1; c <= bars; ++c) {
        const int left = g_isBinomial ? (c == 1 ? 35 : 230) : 35 + 11 * (c - 1);
        const int top = static_cast<int>(230 - r.columnCounts[c] * h + 1e-4);
        EXPECT_EQ(Pixel(left + 4, top - 1), kWhite) << "column " << c;
        if (r.columnCounts[c] > 0) {
            EXPECT_EQ(Pixel(left + 4, top + 2), kGreen) << "column " << c;
        }
    }
}

} // namespace

TEST_F(SamplesWindow, NoSampleGivesABlankGraphWithoutLimits) {
    EXPECT_EQ(CountPixels(Rect{0, 0, 299, 342}, kWhite), 299 * 342);
    EXPECT_EQ(CountPixels(Rect{0, 0, 320, 402}, kPurple), 0);
    // The strip names the fields; the window took the Dorvane window's texts.
    EXPECT_EQ(Pixel(5, 380), Rgb(190, 190, 190));
    EXPECT_EQ(Edit(IDC_SAMPLES_SAMPLE_SIZE)->text(), dorvane->SampleSizeText());
    EXPECT_EQ(Edit(IDC_SAMPLES_NUM_SAMPLES)->text(), dorvane->NumberOfSamplesText());
    EXPECT_EQ(Scroll()->minimum(), 1);
    EXPECT_EQ(Scroll()->maximum(), 1);
    // No sample to select either.
    QTest::mouseClick(samples.get(), Qt::LeftButton, Qt::NoModifier, QPoint(150, 150));
    EXPECT_EQ(g_sampleSelected, 0);
}

TEST_F(SamplesWindow, ANumberTheFieldsCannotTakeDrawsNothingAndKeepsTheSeries) {
    Draw(5, 10);
    struct Case {
        const char *typed, *message, *after;
    };
    const Case cases[] = {
        {"-5", kMsgNumberOfSamplesTooSmall, "1"},  {"", kMsgNumberOfSamplesTooSmall, "1"},
        {"0", kMsgNumberOfSamplesTooSmall, "1"},   {"2.5", kMsgNumberOfSamplesNotWhole, "2"},
        {"ten", kMsgNumberOfSamplesNotWhole, "1"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.typed);
        Type(IDC_SAMPLES_NUM_SAMPLES, c.typed);
        messages.clear();
        Click(IDC_SAMPLES_DRAW_SAMPLES);
        EXPECT_EQ(messages, QStringList(c.message));
        EXPECT_EQ(Edit(IDC_SAMPLES_NUM_SAMPLES)->text(), c.after);
        EXPECT_EQ(dorvane->NumberOfSamplesText(), c.after);
        EXPECT_EQ(g_samplesDrawn, 10);
        EXPECT_TRUE(TextDrawnAt(50, 50, "Sample 10", g_fontArial7_5, Qt::black));
    }
    // "1e9" is a billion, not 1: held to the limit while typing.
    Type(IDC_SAMPLES_NUM_SAMPLES, "3");
    messages.clear();
    Type(IDC_SAMPLES_SAMPLE_SIZE, "1e9");
    EXPECT_EQ(messages, QStringList(kMsgSampleSizeTooLarge));
    EXPECT_EQ(dorvane->SampleSizeText(), "1000");
    Click(IDC_SAMPLES_DRAW_SAMPLES);
    EXPECT_EQ(g_samplesDrawn, 3);
    EXPECT_EQ(g_seriesSampleSize, 1000);
}

TEST_F(SamplesWindow, DrawShowsTheLastSampleWithItsLimitsAndShare) {
    Draw(25, 400);
    EXPECT_EQ(dorvane->NumberOfSamplesText(), "400"); // the typing reached the Dorvane window
    EXPECT_EQ(Scroll()->maximum(), 400);
    EXPECT_EQ(Scroll()->value(), 400);
    EXPECT_EQ(g_currentSampleNo, 400);
    EXPECT_TRUE(TextDrawnAt(50, 50, "Sample 400", g_fontArial7_5, Qt::black));
    ExpectBarsOf(400);
    // The limits at the ends of the axis read "0" and "10"; all values lie between.
    EXPECT_TRUE(TextDrawnAt(29 - Width(g_fontArial7_5, "0"), 268, "0", g_fontArial7_5,
                            QColor(160, 2, 190)));
    EXPECT_TRUE(TextDrawnAt(265, 268, "10", g_fontArial7_5, QColor(160, 2, 190)));
    EXPECT_EQ(Pixel(257, 265), kPurple); // the upper marker
    const QString sentence = "100% of observed values fall";
    EXPECT_TRUE(
        TextDrawnAt(85 - Width(g_fontArial9_5, "100% "), 285, sentence, g_fontArial9_5, Qt::black));
    EXPECT_TRUE(TextDrawnAt(85, 304, "between the two limits", g_fontArial9_5, Qt::black));
    SaveSnapshot(samples->grab().toImage(), "samples-after-400-of-25");

    // The sample's "s =" text follows its mean marker as placed by the mean.
    const SampleRow& row = g_sampleStore[400];
    const int xm = 35 + static_cast<int>(row.mean * 22);
    const QString mean = QString::asprintf("x = %.2f", row.mean);
    ASSERT_GE(xm - Width(g_fontArial7_5, mean) - 5, 35); // the mean text on the left
    ASSERT_LT(row.mean, 7.6f);
    EXPECT_TRUE(TextDrawnAt(xm + 2, 243, QString::asprintf("  s = %.2f", row.sd), g_fontArial7_5,
                            QColor(250, 0, 0)));

    // A Sample Size of 0 copied in from another window: the limits stay, a
    // share of no values is not shown.
    samples->SetSampleSizeText("0");
    samples->RedrawSamplesWindow();
    EXPECT_EQ(Pixel(34, 265), kPurple);
    EXPECT_EQ(CountPixels(Rect{0, 282, 299, 325}, kWhite), 299 * 43);
}

TEST_F(SamplesWindow, DraggedLimitsShowTheirValuesAndCountTheShareBetween) {
    Draw(25, 100);
    Drag(Centre(g_lowerLimitRect), QPoint(101, 268));
    Drag(Centre(g_upperLimitRect), QPoint(189, 268));
    EXPECT_FLOAT_EQ(g_lowerLimit, 3.0f);
    EXPECT_FLOAT_EQ(g_upperLimit, 7.0f);
    const QColor purple(160, 2, 190);
    EXPECT_TRUE(TextDrawnAt(g_lowerLimitRect.left - 1 - Width(g_fontArial7_5, "3.00"), 268, "3.00",
                            g_fontArial7_5, purple));
    EXPECT_TRUE(TextDrawnAt(g_upperLimitRect.right + 4, 268, "7.00", g_fontArial7_5, purple));
    // Values on either limit count.
    int between = 0;
    for (int j = 1; j <= 25; ++j)
        between += g_sampleStore[100].values[j] >= 3.0f && g_sampleStore[100].values[j] <= 7.0f;
    const QString share = QString::asprintf("%.0f%%", between * 4.0);
    EXPECT_TRUE(TextDrawnAt(85 - Width(g_fontArial9_5, share + " "), 285,
                            share + " of observed values fall", g_fontArial9_5, Qt::black));
    SaveSnapshot(samples->grab().toImage(), "samples-limits-3-7");

    // With Shift held a move does not drag; in the grid view the limits
    // cannot be grabbed at all.
    QTest::mousePress(samples.get(), Qt::LeftButton, Qt::NoModifier, Centre(g_lowerLimitRect));
    SendMove(samples.get(), QPoint(60, 268), Qt::LeftButton, Qt::ShiftModifier);
    EXPECT_FLOAT_EQ(g_lowerLimit, 3.0f);
    Click(IDC_SAMPLES_VIEW_TOGGLE);
    Drag(Centre(g_upperLimitRect), QPoint(250, 268));
    EXPECT_FLOAT_EQ(g_upperLimit, 7.0f);
}

TEST_F(SamplesWindow, ScrollBarStepsThroughTheSeriesAndStopsAtItsEnds) {
    Draw(4, 30);
    QScrollBar* bar = Scroll();
    bar->triggerAction(QAbstractSlider::SliderSingleStepAdd);
    EXPECT_EQ(g_currentSampleNo, 30);
    bar->triggerAction(QAbstractSlider::SliderPageStepSub);
    EXPECT_EQ(g_currentSampleNo, 27);
    EXPECT_EQ(bar->value(), 27);
    EXPECT_TRUE(TextDrawnAt(50, 50, "Sample 27", g_fontArial7_5, Qt::black));
    ExpectBarsOf(27);
    bar->triggerAction(QAbstractSlider::SliderToMinimum); // not a step of the window's
    EXPECT_EQ(bar->value(), 27);

    // The grid view steps by two rows and stops six before the end.
    Click(IDC_SAMPLES_VIEW_TOGGLE);
    bar->triggerAction(QAbstractSlider::SliderPageStepAdd);
    EXPECT_EQ(g_currentSampleNo, 25);
    EXPECT_EQ(bar->value(), 25);
    for (int i = 0; i < kGridCells; ++i)
        EXPECT_FALSE(g_sampleCellRects[i].IsEmpty()) << i;
    const int labelAt[kGridCells][2] = {{50, 5},    {195, 5},  {50, 117},
                                        {195, 117}, {50, 229}, {195, 229}};
    for (int i = 0; i < kGridCells; ++i)
        EXPECT_TRUE(TextDrawnAt(labelAt[i][0], labelAt[i][1], QString("Sample %1").arg(25 + i),
                                g_fontArial6_5, Qt::black))
            << i;
    SaveSnapshot(samples->grab().toImage(), "samples-grid");
}

TEST_F(SamplesWindow, FieldsHoldTheirLimitsAndCopyTheCorrectedText) {
    Type(IDC_SAMPLES_NUM_SAMPLES, "12000");
    EXPECT_EQ(messages, QStringList(kMsgTooManySamples)); // one message for the one edit
    EXPECT_EQ(Edit(IDC_SAMPLES_NUM_SAMPLES)->text(), "10000");
    EXPECT_EQ(dorvane->NumberOfSamplesText(), "10000");

    Draw(1, 9000);
    messages.clear();
    PaintRecorder painted;
    samples->installEventFilter(&painted);
    Click(IDC_SAMPLES_SERIES_MODE); // ADD MORE: 9000 more would not fit
    samples->removeEventFilter(&painted);
    // Only the caption changed: only the control strip is shown anew.
    ASSERT_FALSE(painted.rects.empty());
    for (const QRect& r : painted.rects)
        EXPECT_GE(r.top(), 342);
    EXPECT_EQ(qobject_cast<QPushButton*>(samples->Control(IDC_SAMPLES_SERIES_MODE))->text(),
              "ADD\nMORE");
    EXPECT_EQ(g_addMoreMode, 1);
    EXPECT_EQ(messages, QStringList(kMsgTooManySamples));
    EXPECT_EQ(Edit(IDC_SAMPLES_NUM_SAMPLES)->text(), "1000");
    messages.clear();
    Type(IDC_SAMPLES_NUM_SAMPLES, "2000");
    EXPECT_EQ(messages, QStringList(kMsgTooManySamples));
    EXPECT_EQ(Edit(IDC_SAMPLES_NUM_SAMPLES)->text(), "1000");
    EXPECT_EQ(dorvane->NumberOfSamplesText(), "1000");
    // A copy from another window runs no rule; DRAW SAMPLES holds it to what fits.
    samples->SetNumberOfSamplesText("2500");
    messages.clear();
    Click(IDC_SAMPLES_DRAW_SAMPLES);
    EXPECT_EQ(messages, QStringList(kMsgTooManySamples));
    EXPECT_EQ(g_samplesDrawn, 10000);
    EXPECT_EQ(dorvane->NumberOfSamplesText(), "1000");

    // A sample size above 1000 is held at 1000 and ends the series here at once.
    messages.clear();
    Type(IDC_SAMPLES_SAMPLE_SIZE, "2000");
    EXPECT_EQ(messages, QStringList(kMsgSampleSizeTooLarge));
    EXPECT_EQ(Edit(IDC_SAMPLES_SAMPLE_SIZE)->text(), "1000");
    EXPECT_EQ(dorvane->SampleSizeText(), "1000");
    EXPECT_EQ(g_samplesDrawn, 0);
    EXPECT_EQ(CountPixels(Rect{0, 0, 299, 342}, kWhite), 299 * 342);
}

TEST_F(SamplesWindow, SdTextOnlyWithASpreadAndLeftOfAHighMean) {
    // Samples of one value have no standard deviation.
    Draw(1, 3);
    EXPECT_EQ(CountReddish(Rect{0, 240, 299, 260}), 0);
    EXPECT_GT(CountPixels(Rect{0, 232, 299, 260}, kBlue), 0); // the mean marker is there

    // Every value near 8: the mean text stands left of its line and "s ="
    // left of the mean text.
    OneColumnAt(41);
    Draw(5, 2);
    const float mean = g_sampleStore[2].mean;
    ASSERT_GE(mean, 7.6f);
    const int xm = 35 + static_cast<int>(mean * 22);
    const int meanLeft = xm - 5 - Width(g_fontArial7_5, QString::asprintf("x = %.2f", mean));
    SaveSnapshot(samples->grab().toImage(), "samples-high-mean");
    const Rect strip{0, 243, 299, 256};
    const int red = CountReddish(strip);
    EXPECT_GT(red, 10);
    EXPECT_EQ(red, CountReddish(Rect{0, 243, meanLeft, 256}));
}

TEST_F(SamplesWindow, AtSpeed4EachValueFallsIntoItsBarButNotIntoAFullOne) {
    // One column: each value lands on the one before, so the free space above
    // the bar shrinks by a count each time: 5, 4, 3, 2, 1 steps, and the
    // sixth value finds the bar at the top of the axis.
    OneColumnAt(16);
    PaintRecorder painted;
    samples->installEventFilter(&painted);
    Draw(6, 1, IDC_SAMPLES_SPEED_4);
    samples->removeEventFilter(&painted);
    EXPECT_EQ(g_speed, 2);
    // The held-down button, then one 25 ms pause per step.
    EXPECT_EQ(pauses, std::vector<int>(1 + 5 + 4 + 3 + 2 + 1, 25));
    // Each step repaints only the block and the one it left, one bar wide.
    int blockPaints = 0;
    for (const QRect& r : painted.rects)
        blockPaints += r.width() == 11 && r.height() <= 64;
    EXPECT_EQ(blockPaints, 15);
    ExpectBarsOf(1);
}

TEST_F(SamplesWindow, SpeedFAndSpeed4LeaveTheSamePictures) {
    auto run = [&](int speedButton) {
        g_seedCarry = 0; // the same clock and carry give the same values
        Draw(25, 40, speedButton);
        return std::make_pair(Client(), Scroll()->value());
    };
    const auto fast = run(IDC_SAMPLES_SPEED_F);
    EXPECT_EQ(pauses.size(), 1u); // the button only: nothing falls at speed F
    const auto animated = run(IDC_SAMPLES_SPEED_4);
    EXPECT_GT(pauses.size(), 40u * 5);
    EXPECT_EQ(fast.second, 40);
    EXPECT_EQ(animated.second, 40);
    EXPECT_TRUE(fast.first == animated.first);
    // In the grid view too.
    Click(IDC_SAMPLES_VIEW_TOGGLE);
    const QImage grid = Client();
    Click(IDC_SAMPLES_VIEW_TOGGLE);
    run(IDC_SAMPLES_SPEED_F);
    Click(IDC_SAMPLES_VIEW_TOGGLE);
    EXPECT_TRUE(grid == Client());
}

TEST_F(SamplesWindow, ClickingASampleFramesItInBothViews) {
    Draw(9, 20);
    QTest::mouseClick(samples.get(), Qt::LeftButton, Qt::NoModifier, QPoint(150, 150));
    EXPECT_EQ(g_sampleSelected, 1);
    EXPECT_EQ(g_sortedMeanSampleNo[g_selectedPos], 20);
    EXPECT_EQ(g_selectedSampleNo, 20);
    EXPECT_EQ(Pixel(150, 40), kBlack); // the frame (2, 40)-(300, 260)
    EXPECT_EQ(Pixel(2, 150), kBlack);

    // In the grid near the end of the series: the click selects the sample
    // drawn in the cell, and its cell is framed.
    Click(IDC_SAMPLES_VIEW_TOGGLE);
    Scroll()->triggerAction(QAbstractSlider::SliderPageStepSub); // 1
    Scroll()->triggerAction(QAbstractSlider::SliderSingleStepAdd);
    Scroll()->triggerAction(QAbstractSlider::SliderSingleStepAdd);
    Scroll()->triggerAction(QAbstractSlider::SliderSingleStepAdd); // 7
    Scroll()->triggerAction(QAbstractSlider::SliderPageStepAdd);   // 15, the last first
    EXPECT_EQ(g_currentSampleNo, 15);
    QTest::mouseClick(samples.get(), Qt::LeftButton, Qt::NoModifier, QPoint(200, 290));
    EXPECT_EQ(g_sortedMeanSampleNo[g_selectedPos], 20);
    QTest::mouseClick(samples.get(), Qt::LeftButton, Qt::NoModifier, QPoint(60, 200));
    EXPECT_EQ(g_sortedMeanSampleNo[g_selectedPos], 17);
    const Rect cell = g_sampleCellRects[2];
    EXPECT_EQ(g_samplesSelectionFrame, cell);
    EXPECT_EQ(Pixel(cell.left + 40, cell.top), kBlack);
    EXPECT_EQ(Pixel(g_sampleCellRects[0].left + 40, g_sampleCellRects[0].top), kWhite);
}

TEST_F(SamplesWindow, GridEndsAtTheLastSampleAfterARunAndStaysOffTheStrip) {
    const QImage strip = g_samplesMemDC.copy(0, 342, 320, 60);
    Click(IDC_SAMPLES_VIEW_TOGGLE);
    for (const bool binomial : {false, true}) {
        SCOPED_TRACE(binomial ? "binomial" : "measurement");
        if (binomial) Binomial(0.4f);
        Draw(25, 20);
        // Six samples ending at the one shown, the last.
        const int labelAt[kGridCells][2] = {{50, 5},    {195, 5},  {50, 117},
                                            {195, 117}, {50, 229}, {195, 229}};
        for (int i = 0; i < kGridCells; ++i)
            EXPECT_TRUE(TextDrawnAt(labelAt[i][0], labelAt[i][1], QString("Sample %1").arg(15 + i),
                                    g_fontArial6_5, Qt::black))
                << i;
        // The lowest row with its labels, and the selected cell's frame, stay
        // above the control strip.
        QTest::mouseClick(samples.get(), Qt::LeftButton, Qt::NoModifier, QPoint(200, 320));
        EXPECT_EQ(g_sortedMeanSampleNo[g_selectedPos], 20);
        EXPECT_EQ(Pixel(g_sampleCellRects[5].left + 40, g_sampleCellRects[5].bottom - 1), kBlack);
        EXPECT_TRUE(g_samplesMemDC.copy(0, 342, 320, 60) == strip);
        SaveSnapshot(samples->grab().toImage(),
                     binomial ? "samples-grid-binomial-end" : "samples-grid-end");
    }
}

TEST_F(SamplesWindow, BinomialSeriesShowsTwoBarsAndNoLimits) {
    Binomial(0.4f);
    Draw(10, 30);
    ExpectBarsOf(30);
    EXPECT_EQ(CountPixels(Rect{0, 0, 320, 342}, kPurple), 0);
    EXPECT_TRUE(TextDrawnAt(35 + 3, 231, "0", g_fontArial6, Qt::black));
    EXPECT_TRUE(TextDrawnAt(35 + 197, 231, "1", g_fontArial6, Qt::black));
    // The mean marker stands at the proportion, 200 units to the whole.
    const int xm = 35 + static_cast<int>(g_sampleStore[30].mean * 200);
    EXPECT_EQ(Pixel(xm, 240), kBlue);
    SaveSnapshot(samples->grab().toImage(), "samples-binomial");
    Click(IDC_SAMPLES_VIEW_TOGGLE);
    SaveSnapshot(samples->grab().toImage(), "samples-binomial-grid");
}

TEST_F(SamplesWindow, ViewToggleShowsABarChartOrAGrid) {
    QWidget* toggle = samples->Control(IDC_SAMPLES_VIEW_TOGGLE);
    const QImage bars = toggle->grab().toImage();
    EXPECT_EQ(PixelOf(bars, 12, 20), kGreen); // the tallest stroke, 18 high
    EXPECT_EQ(PixelOf(bars, 12, 12), kWhite);
    Click(IDC_SAMPLES_VIEW_TOGGLE);
    EXPECT_EQ(g_samplesHistogramView, 0);
    const QImage grid = toggle->grab().toImage();
    EXPECT_NE(grid, bars);
    int green = 0;
    for (int y = 0; y < grid.height(); ++y)
        for (int x = 0; x < grid.width(); ++x)
            green += PixelOf(grid, x, y) == kGreen;
    EXPECT_GT(green, 20);
    SaveSnapshot(grid.scaled(grid.size() * 4), "samples-toggle-grid");
}
