// The Samples window driven by mouse and keyboard beside the Population and
// Dorvane windows, checked on its surface against recounts of the samples.
#include "core/Messages.h"
#include "core/Selection.h"
#include "core/Statistic.h"
#include "resources/Resource.h"
#include "shell/WindowViews.h"
#include "tests/support/GuiTestSupport.h"
#include "tests/windows/NeighbourWindows.h"
#include "ui/DrawingResources.h"
#include "ui/FocusSpot.h"
#include "ui/Gdi.h"
#include "ui/ValueEditor.h"
#include "windows/samples/SamplesDlg.h"
#include "windows/samples/SamplesModel.h"

#include <QApplication>
#include <QFontMetrics>
#include <QLineEdit>
#include <QPainter>
#include <QPushButton>
#include <QScrollBar>
#include <QTest>
#include <algorithm>
#include <vector>

namespace {

const QRgb kWhite = Rgb(250, 250, 250), kGreen = Rgb(0, 255, 100), kBlack = Rgb(0, 0, 0),
           kPurple = Rgb(160, 2, 190), kBlue = Rgb(0, 0, 255);

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
int Width(const QFont& font, const QString& text) {
    return QFontMetrics(font).horizontalAdvance(text);
}
// The text as it should stand on the graph's white, top-left at (x, top).
bool TextDrawnAt(int x, int top, const QString& text, const QFont& font = g_fontArial7_5,
                 const QColor& colour = Qt::black) {
    const QFontMetrics metrics(font);
    QImage expected(metrics.horizontalAdvance(text), metrics.height(),
                    QImage::Format_ARGB32_Premultiplied);
    expected.fill(QColor(250, 250, 250));
    QPainter p(&expected);
    p.setFont(font);
    p.setPen(colour);
    p.drawText(QPoint(0, metrics.ascent()), text);
    p.end();
    return g_samplesMemDC.copy(x, top, expected.width(), expected.height()) == expected;
}
// Each bar green up to its count on the scale whose five steps first hold the tallest.
void ExpectBarsOf(int row) {
    const SampleRow& r = g_sampleStore[row];
    const int maxCount = *std::max_element(r.columnCounts + 1, r.columnCounts + 22);
    int step = 1;
    for (int limit : {200, 100, 50, 25, 20, 10, 5, 4, 3, 2, 1})
        if (5 * limit >= maxCount) step = limit;
    for (int c = 1; c <= (g_isBinomial ? 2 : 21); ++c) {
        const int left = g_isBinomial ? (c == 1 ? 35 : 230) : 35 + 11 * (c - 1);
        const int top = static_cast<int>(230 - r.columnCounts[c] * 32.0f / step + 1e-4);
        EXPECT_EQ(Pixel(left + 4, top - 1), kWhite) << "column " << c;
        if (r.columnCounts[c] > 0) {
            EXPECT_EQ(Pixel(left + 4, top + 2), kGreen) << "column " << c;
        }
    }
}
// The sentence under the limits for a share, and the six grid labels from `first`.
bool ShareDrawn(const QString& share) {
    return TextDrawnAt(85 - Width(g_fontArial9_5, share + " "), 285,
                       share + " of observed values fall", g_fontArial9_5);
}
void ExpectGridFrom(int first) {
    const int labelAt[kGridCells][2] = {{50, 5},    {195, 5},  {50, 117},
                                        {195, 117}, {50, 229}, {195, 229}};
    for (int i = 0; i < kGridCells; ++i)
        EXPECT_TRUE(TextDrawnAt(labelAt[i][0], labelAt[i][1], QString("Sample %1").arg(first + i),
                                g_fontArial6_5))
            << first + i;
}

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
    void Click(int id) { QTest::mouseClick(samples->Control(id), Qt::LeftButton); }
    void ClickAt(QPoint at) {
        QTest::mouseClick(samples.get(), Qt::LeftButton, Qt::NoModifier, at);
    }
    void Draw(int n, int count, int speedButton = IDC_SAMPLES_SPEED_F) {
        Click(speedButton);
        TypeInto(Edit(IDC_SAMPLES_SAMPLE_SIZE), QString::number(n));
        TypeInto(Edit(IDC_SAMPLES_NUM_SAMPLES), QString::number(count));
        Click(IDC_SAMPLES_DRAW_SAMPLES);
        ASSERT_EQ(g_samplesDrawn, count);
    }
    void Drag(QPoint from, QPoint to) {
        QTest::mousePress(samples.get(), Qt::LeftButton, Qt::NoModifier, from);
        SendMove(samples.get(), to, Qt::LeftButton);
        QTest::mouseRelease(samples.get(), Qt::LeftButton, Qt::NoModifier, to);
    }
    QImage Client() const { return g_samplesMemDC.copy(0, 0, 320, 402); }

    std::vector<int> pauses;
    std::unique_ptr<CSamplesDlg> samples;
};

} // namespace

TEST_F(SamplesWindow, ARunShowsTheLastSampleAndTheShareBetweenLimitsMovedByMouseOrKey) {
    // No sample yet: a blank graph without limits, nothing to select.
    EXPECT_EQ(CountPixels(Rect{0, 0, 299, 342}, kWhite), 299 * 342);
    EXPECT_EQ(CountPixels(Rect{0, 0, 320, 402}, kPurple), 0);
    ClickAt(QPoint(150, 150));
    EXPECT_EQ(g_sampleSelected, 0);
    Draw(25, 400);
    EXPECT_TRUE(TextDrawnAt(50, 50, "Sample 400"));
    ExpectBarsOf(400);
    // The limits at the axis' ends read "0" and "10"; every value lies between.
    EXPECT_TRUE(TextDrawnAt(29 - Width(g_fontArial7_5, "0"), 268, "0", g_fontArial7_5, kPurple));
    EXPECT_TRUE(TextDrawnAt(265, 268, "10", g_fontArial7_5, kPurple));
    EXPECT_TRUE(ShareDrawn("100%"));
    EXPECT_TRUE(TextDrawnAt(85, 304, "between the two limits", g_fontArial9_5));
    // The "s =" text follows the mean marker, the mean text on its left.
    const SampleRow& row = g_sampleStore[400];
    const int xm = 35 + static_cast<int>(row.mean * 22);
    ASSERT_TRUE(xm - Width(g_fontArial7_5, QString::asprintf("x = %.2f", row.mean)) - 5 >= 35 &&
                row.mean < 7.6f);
    EXPECT_TRUE(TextDrawnAt(xm + 2, 243, QString::asprintf("  s = %.2f", row.sd), g_fontArial7_5,
                            QColor(250, 0, 0)));
    SaveSnapshot(samples->grab().toImage(), "samples-after-400-of-25");
    // Median: a dashed line up from the middle value; range: a bracket from least to most.
    std::vector<float> v(row.values + 1, row.values + 26);
    std::sort(v.begin(), v.end());
    const auto xOf = [](float value) { return 35 + static_cast<int>(value * 22); };
    ChooseStatistic(Statistic::Median);
    samples->RedrawSamplesWindow();
    int dashes = 0;
    for (int y = 226; y > 75; y -= 7)
        dashes += Pixel(xOf(v[12]), y) == kBlack && Pixel(xOf(v[12]), y - 3) != kBlack;
    EXPECT_GE(dashes, 19);
    ChooseStatistic(Statistic::Range);
    samples->RedrawSamplesWindow();
    for (int dx : {-2, 0, 1}) {
        EXPECT_EQ(Pixel(xOf(v[0]) + dx, 262) == kBlack, dx >= 0) << dx;
        EXPECT_EQ(Pixel(xOf(v[24]) - dx, 262) == kBlack, dx >= 0) << dx;
    }
    EXPECT_TRUE(Pixel(xOf(v[0]), 258) == kBlack && Pixel(xOf(v[24]), 258) == kBlack);
    // Dragged to 3 and 7, the labels follow and the share counts the values on either limit.
    Drag(Centre(g_lowerLimitRect), QPoint(101, 268));
    Drag(Centre(g_upperLimitRect), QPoint(189, 268));
    EXPECT_TRUE(TextDrawnAt(g_lowerLimitRect.left - 1 - Width(g_fontArial7_5, "3.00"), 268, "3.00",
                            g_fontArial7_5, kPurple));
    EXPECT_TRUE(TextDrawnAt(g_upperLimitRect.right + 4, 268, "7.00", g_fontArial7_5, kPurple));
    auto shareOf = [&](float low, float high) {
        int between = 0;
        for (int j = 1; j <= 25; ++j)
            between += row.values[j] >= low && row.values[j] <= high;
        return QString::asprintf("%.0f%%", between * 4.0);
    };
    EXPECT_TRUE(ShareDrawn(shareOf(3.0f, 7.0f)));
    // By the keys: Shift+Right and Right step 11 pixels, to 3.5.
    CFocusSpot* lower = samples->LimitSpot(true);
    lower->setFocus();
    QTest::keyClick(lower, Qt::Key_Right, Qt::ShiftModifier);
    QTest::keyClick(lower, Qt::Key_Right);
    EXPECT_FLOAT_EQ(g_lowerLimit, 3.5f);
    EXPECT_TRUE(lower->geometry().contains(ToQRect(g_lowerLimitRect)));
    // Enter types the upper limit; the share and the words follow it.
    CFocusSpot* upper = samples->LimitSpot(false);
    upper->setFocus();
    QTest::keyClick(upper, Qt::Key_Return);
    CValueEditor* field = samples->ValueEditor();
    ASSERT_TRUE(field->IsOpen());
    EXPECT_EQ(field->text(), "7.00");
    QTest::keyClicks(field, "4.5");
    QTest::keyClick(field, Qt::Key_Return);
    EXPECT_FLOAT_EQ(g_upperLimit, 4.5f);
    EXPECT_TRUE(ShareDrawn(shareOf(3.5f, 4.5f)));
    EXPECT_EQ(QApplication::focusWidget(), upper);
    EXPECT_TRUE(samples->PictureSpot()->accessibleDescription().contains(
        "between the limits 3.50 and 4.50"));
    // A Sample Size of 0 copied in from elsewhere: the limits stay, no share is shown.
    samples->SetSampleSizeText("0");
    samples->RedrawSamplesWindow();
    EXPECT_EQ(CountPixels(Rect{0, 282, 299, 325}, kWhite), 299 * 43);
    EXPECT_GT(CountPixels(Rect{0, 255, 299, 280}, kPurple), 0);
    // In the grid view the limits cannot be grabbed.
    Click(IDC_SAMPLES_VIEW_TOGGLE);
    Drag(Centre(g_upperLimitRect), QPoint(250, 268));
    EXPECT_FLOAT_EQ(g_upperLimit, 4.5f);
}

TEST_F(SamplesWindow, TheFieldsRefuseWhatTheyCannotTakeAndCopyTheCorrection) {
    TypeInto(Edit(IDC_SAMPLES_NUM_SAMPLES), "12000");
    EXPECT_EQ(messages, QStringList(kMsgTooManySamples)); // one message for the one edit
    EXPECT_EQ(dorvane->NumberOfSamplesText(), "10000");
    Draw(5, 10); // a refused count draws nothing: the series stays as it was
    TypeInto(Edit(IDC_SAMPLES_NUM_SAMPLES), "2.5");
    Click(IDC_SAMPLES_DRAW_SAMPLES);
    EXPECT_EQ(Edit(IDC_SAMPLES_NUM_SAMPLES)->text() + dorvane->NumberOfSamplesText(), "22");
    EXPECT_EQ(g_samplesDrawn, 10);
    Draw(1, 9000);
    messages.clear();
    Click(IDC_SAMPLES_SERIES_MODE); // ADD MORE: 9000 more would not fit
    EXPECT_EQ(qobject_cast<QPushButton*>(samples->Control(IDC_SAMPLES_SERIES_MODE))->text(),
              "ADD\nMORE");
    EXPECT_EQ(messages, QStringList(kMsgTooManySamples));
    EXPECT_EQ(Edit(IDC_SAMPLES_NUM_SAMPLES)->text(), "1000");
    TypeInto(Edit(IDC_SAMPLES_NUM_SAMPLES), "2000");
    EXPECT_EQ(Edit(IDC_SAMPLES_NUM_SAMPLES)->text(), "1000");
    EXPECT_EQ(dorvane->NumberOfSamplesText(), "1000");
    // A copy from another window runs no rule; DRAW SAMPLES holds it to what fits.
    samples->SetNumberOfSamplesText("2500");
    messages.clear();
    Click(IDC_SAMPLES_DRAW_SAMPLES);
    EXPECT_EQ(messages, QStringList(kMsgTooManySamples));
    EXPECT_EQ(g_samplesDrawn, 10000);
    // A sample size above 1000 ("1e9" is a billion, not 1) is held there and ends the series.
    messages.clear();
    TypeInto(Edit(IDC_SAMPLES_SAMPLE_SIZE), "1e9");
    EXPECT_EQ(messages, QStringList(kMsgSampleSizeTooLarge));
    EXPECT_EQ(Edit(IDC_SAMPLES_SAMPLE_SIZE)->text() + " " + dorvane->SampleSizeText(), "1000 1000");
    EXPECT_EQ(g_samplesDrawn, 0);
    EXPECT_EQ(CountPixels(Rect{0, 0, 299, 342}, kWhite), 299 * 342);
    Click(IDC_SAMPLES_SERIES_MODE);
    TypeInto(Edit(IDC_SAMPLES_NUM_SAMPLES), "3");
    QTest::keyClick(Edit(IDC_SAMPLES_SAMPLE_SIZE), Qt::Key_Return);
    EXPECT_EQ(g_samplesDrawn, 3);
    EXPECT_EQ(g_seriesSampleSize, 1000);
}

TEST_F(SamplesWindow, ScrollBarKeysAndClicksGoThroughTheSamplesInBothViews) {
    Draw(9, 30);
    QScrollBar* bar = qobject_cast<QScrollBar*>(samples->Control(IDC_SAMPLES_SCROLL));
    bar->triggerAction(QAbstractSlider::SliderPageStepSub);
    EXPECT_EQ(bar->value(), 27);
    EXPECT_TRUE(TextDrawnAt(50, 50, "Sample 27"));
    ExpectBarsOf(27);
    // The keys take the bar's steps; Space selects the sample, a click frames it at (2, 40).
    CFocusSpot* picture = samples->PictureSpot();
    picture->setFocus();
    QTest::keyClick(picture, Qt::Key_Home);
    QTest::keyClick(picture, Qt::Key_Right);
    QTest::keyClick(picture, Qt::Key_PageDown);
    QTest::keyClick(picture, Qt::Key_Up);
    EXPECT_EQ(g_currentSampleNo, 4);
    EXPECT_EQ(bar->value(), 4);
    QTest::keyClick(picture, Qt::Key_Space);
    EXPECT_EQ(SelectedSampleRow(), 4);
    EXPECT_EQ(Pixel(150, 40), kBlack);
    QTest::keyClick(picture, Qt::Key_End);
    ClickAt(QPoint(150, 150));
    EXPECT_EQ(g_sortedMeanSampleNo[g_selectedPos], 30);
    EXPECT_EQ(Pixel(2, 150), kBlack);
    // The grid view's scroll bar stops six before the end.
    Click(IDC_SAMPLES_VIEW_TOGGLE);
    bar->triggerAction(QAbstractSlider::SliderPageStepAdd);
    EXPECT_EQ(bar->value(), 25);
    ExpectGridFrom(25);
    // A click selects the sample drawn in the cell and frames that cell only.
    ClickAt(QPoint(60, 200));
    EXPECT_EQ(g_sortedMeanSampleNo[g_selectedPos], 27);
    EXPECT_EQ(Pixel(g_sampleCellRects[2].left + 40, g_sampleCellRects[2].top), kBlack);
    EXPECT_EQ(Pixel(g_sampleCellRects[0].left + 40, g_sampleCellRects[0].top), kWhite);
    SaveSnapshot(samples->grab().toImage(), "samples-grid");
}

TEST_F(SamplesWindow, ABinomialSeriesShowsTwoBarsNoLimitsAndAGridAboveTheStrip) {
    const QImage strip = g_samplesMemDC.copy(0, 342, 320, 60);
    g_isBinomial = 1;
    g_isContinuous = 0;
    SetBinomialP(0.4f);
    Draw(25, 20);
    // Two bars, no limits, the mean marker at the proportion, 200 units to the whole.
    ExpectBarsOf(20);
    EXPECT_EQ(CountPixels(Rect{0, 0, 320, 342}, kPurple), 0);
    EXPECT_TRUE(TextDrawnAt(35 + 197, 231, "1", g_fontArial6));
    EXPECT_EQ(Pixel(35 + static_cast<int>(g_sampleStore[20].mean * 200), 240), kBlue);
    // The grid ends at the last sample; its last row and frame stay above the control strip.
    Click(IDC_SAMPLES_VIEW_TOGGLE);
    ExpectGridFrom(15);
    ClickAt(QPoint(200, 320));
    EXPECT_EQ(g_sortedMeanSampleNo[g_selectedPos], 20);
    EXPECT_EQ(Pixel(g_sampleCellRects[5].left + 40, g_sampleCellRects[5].bottom - 1), kBlack);
    EXPECT_TRUE(g_samplesMemDC.copy(0, 342, 320, 60) == strip);
}

TEST_F(SamplesWindow, AtSpeed4EachValueFallsIntoItsBarAndLeavesThePictureOfSpeedF) {
    // One column: each value lands on the one before, so the free space above
    // the bar shrinks by a count each time: 5, 4, 3, 2, 1 steps, and the
    // sixth value finds the bar at the top of the axis.
    ClearPopulationCurve();
    g_popCurve[16 + 1] = g_popBaseline - 100;
    RunPopulationChangeSequence(true);
    Draw(6, 1, IDC_SAMPLES_SPEED_4);
    // The held-down button, then one 25 ms pause per step.
    EXPECT_EQ(pauses, std::vector<int>(1 + 5 + 4 + 3 + 2 + 1, 25));
    ExpectBarsOf(1);
    // The same clock and carry give the same values and pictures at F and at "4".
    RunPopulationChangeSequence(true);
    ApplyPreset(PresetShape::SkewedPlus);
    auto run = [&](int speedButton) {
        g_seedCarry = 0;
        Draw(25, 12, speedButton);
        return Client();
    };
    pauses.clear();
    const QImage fast = run(IDC_SAMPLES_SPEED_F);
    EXPECT_EQ(pauses.size(), 1u); // the button only: nothing falls at speed F
    EXPECT_TRUE(fast == run(IDC_SAMPLES_SPEED_4));
    EXPECT_GT(pauses.size(), 12u * 5);
    Click(IDC_SAMPLES_VIEW_TOGGLE);
    const QImage grid = Client();
    run(IDC_SAMPLES_SPEED_F);
    EXPECT_TRUE(grid == Client());
}
