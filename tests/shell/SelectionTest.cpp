// One selected sample shown in every window whichever of them was clicked,
// kept through ADD MORE and gone with its series.
#include "tests/shell/ShellTestSupport.h"

namespace {

class Selection : public ShellTest {
  protected:
    static QScrollBar* Scroll(QWidget* w) { return qobject_cast<QScrollBar*>(w); }
    // Where the sample's mean stands among the means: the later sample first
    // among equal means.
    static int SortedPosition(int sample) {
        int position = 1;
        for (int s = 1; s <= g_samplesDrawn; ++s)
            position += g_sampleStore[s].mean < g_sampleStore[sample].mean ||
                        (g_sampleStore[s].mean == g_sampleStore[sample].mean && s > sample);
        return position;
    }
    static void ExpectMarkedInItsColumn(int sample) {
        EXPECT_EQ(g_sortedMeanSampleNo[g_selectedPos], sample);
        EXPECT_EQ(g_selectedPos, SortedPosition(sample));
        ASSERT_FALSE(g_sdSelectionRect.IsEmpty());
        const QPoint mark = Centre(g_sdSelectionRect);
        EXPECT_EQ(PixelOf(g_sdMemDC, mark.x(), mark.y()), Rgb(0, 0, 0));
        for (int i = 1; i <= kSdColumnSlots; ++i)
            if (g_sdColumnRect[i].Contains(mark.x(), g_sdSelectionRect.top)) {
                EXPECT_EQ(g_sdColumnBin[i], HistogramBin(g_sampleStore[sample].mean));
            }
    }
};

TEST_F(Selection, AClickInAnyWindowSelectsTheSampleInEveryWindowUntilDroppedOrItsSeriesEnds) {
    ApplyPreset(PresetShape::SkewedPlus);
    DrawAtF(25, 1000);
    // Up the tallest Dorvane column until the sample picked lies off the
    // intervals' page: the page scrolls to it, its row two pixels thick in
    // the colour a recount gives; the Samples window shows it framed.
    ASSERT_EQ(g_ciFirstSample, 841);
    int slot = 1;
    for (int i = 1; i <= kSdColumnSlots; ++i)
        if (g_sdColumnBin[i] &&
            g_meanHistogram[g_sdColumnBin[i]] > g_meanHistogram[std::max(1, g_sdColumnBin[slot])])
            slot = i;
    const Rect column = g_sdColumnRect[slot];
    bool moved = false;
    for (int y = g_sdAxisY - 1; y > column.top && !moved; y -= 3) {
        g_ciFirstSample = 841;
        QTest::mouseClick(Sd(), Qt::LeftButton, Qt::NoModifier, QPoint(Centre(column).x(), y));
        moved = g_sampleSelected && g_selectedSampleNo < 841;
    }
    ASSERT_TRUE(moved);
    const int sample = g_selectedSampleNo;
    EXPECT_EQ(g_ciFirstSample, std::max(1, sample - 100));
    EXPECT_EQ(Scroll(Ci()->Control(IDC_CI_SCROLL))->value(), 1000 - g_ciFirstSample + 1);
    const RowLine line = LineOfRow(IntervalOf(25, sample), sample);
    const QRgb colour = recount::Covers(sample, 25, 1.959964, true) ? Rgb(0, 0, 0) : Rgb(255, 0, 0);
    EXPECT_EQ(PixelOf(g_ciMemDC, line.xLow, line.y), colour);
    EXPECT_EQ(PixelOf(g_ciMemDC, line.xLow, line.y - 1), colour);
    EXPECT_EQ(g_currentSampleNo, sample);
    EXPECT_EQ(Scroll(g_samplesWnd->Control(IDC_SAMPLES_SCROLL))->value(), sample);
    EXPECT_EQ(PixelOf(g_samplesMemDC, 150, 40), Rgb(0, 0, 0));
    SaveSnapshot(Frame().grab().toImage(), "frame-selection");

    // A new series, 10 samples of 5; sample 10, shown after the run, clicked
    // in the Samples window. Its own mean and SD, from its five values.
    DrawAtF(5, 10);
    QTest::mouseClick(g_samplesWnd, Qt::LeftButton, Qt::NoModifier, QPoint(150, 150));
    double mean = 0.0, sd = 0.0;
    recount::MeanAndSd(10, 5, mean, sd);
    const std::string meanText = QString::number(mean, 'f', 2).toStdString(),
                      sdText = QString::number(sd, 'f', 2).toStdString();
    const QRgb black = Rgb(0, 0, 0);
    auto showsSampleTen = [&](const char* when) {
        SCOPED_TRACE(when);
        // Dorvane: its figures, and its mark is where a click selects it again.
        EXPECT_EQ(SelectedSampleText(), "x = " + meanText + ", s = " + sdText);
        ExpectMarkedInItsColumn(10);
        QTest::mouseClick(Sd(), Qt::LeftButton, Qt::NoModifier, Centre(g_sdSelectionRect));
        EXPECT_EQ(SelectedSampleRow(), 10);
        EXPECT_EQ(g_selectedSampleNo, g_sortByMeans ? SortedPosition(10) : 10);
        // Samples: framed when shown, not another one.
        for (int shown : {10, 11}) {
            g_currentSampleNo = shown;
            g_samplesWnd->RedrawSamplesWindow();
            EXPECT_EQ(PixelOf(g_samplesMemDC, 150, 40) == black, shown == 10) << shown;
        }
        // Confidence Intervals: either sort button flips the order (sorted,
        // then not); its interval in the strip on its own row.
        Press(Ci()->Control(IDC_CI_SORT_ON));
        EXPECT_EQ(g_selectedSampleNo, g_sortByMeans ? SortedPosition(10) : 10);
        const SelectedStrip strip = ComputeSelectedStrip(5);
        EXPECT_EQ(strip.centreText, meanText);
        EXPECT_EQ(strip.sText, "s = " + sdText);
    };
    showsSampleTen("selected");
    // ADD MORE, pressed in the Samples window: every window names it so.
    Press(g_samplesWnd->Control(IDC_SAMPLES_SERIES_MODE));
    auto text = [](QWidget* button) { return qobject_cast<QPushButton*>(button)->text(); };
    EXPECT_EQ(text(Sd()->Control(IDC_SD_SERIES_MODE)), "ADD\nMORE");
    EXPECT_EQ(text(Ci()->Control(IDC_CI_SERIES_MODE)), "ADD MORE");
    QWidget* draw = Sd()->Control(IDC_SD_DRAW_SAMPLES);
    Press(draw);
    ASSERT_EQ(g_samplesDrawn, 20);
    showsSampleTen("after ADD MORE");
    // Dropped in the Confidence Intervals window (a click above the last
    // row), and gone with its series after NEW SERIES: no mark anywhere.
    const QPoint mark = Centre(g_sdSelectionRect);
    QTest::mouseClick(Ci(), Qt::LeftButton, Qt::NoModifier, QPoint(250, RowY(21) - 1));
    EXPECT_EQ(g_sampleSelected, 0);
    EXPECT_NE(PixelOf(g_sdMemDC, mark.x(), mark.y()), black);
    QTest::mouseClick(Sd(), Qt::LeftButton, Qt::NoModifier, mark);
    ASSERT_EQ(g_sampleSelected, 1);
    Press(Sd()->Control(IDC_SD_SERIES_MODE));
    EXPECT_EQ(text(g_samplesWnd->Control(IDC_SAMPLES_SERIES_MODE)), "NEW\nSERIES");
    Press(draw);
    ASSERT_EQ(g_samplesDrawn, 10);
    EXPECT_EQ(g_sampleSelected, 0);
    EXPECT_NE(PixelOf(g_sdMemDC, mark.x(), mark.y()), black);
    g_currentSampleNo = 10; // the row selected before: no frame left on it
    g_samplesWnd->RedrawSamplesWindow();
    EXPECT_NE(PixelOf(g_samplesMemDC, 150, 40), black);
}

} // namespace
