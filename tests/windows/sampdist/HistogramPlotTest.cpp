// The histogram plot as pixels: green columns and red counted ones, the
// slider drag, the bin-width buttons and their scroll bar, a click on a
// column, the normal curve, and no "nan" or "inf" in any readout.
#include "tests/windows/sampdist/SampDistTestSupport.h"

#include "core/SamplingEngine.h"

#include <cstdlib>
#include <set>

namespace {

// Slot of the first drawn column holding at least this many samples, seen
// from the left (or the right).
int SlotWithCount(int atLeast, bool fromRight = false) {
    for (int i = 1; i <= kSdColumnSlots; ++i) {
        const int slot = fromRight ? kSdColumnSlots + 1 - i : i;
        if (!g_sdColumnRect[slot].IsEmpty() && g_meanHistogram[g_sdColumnBin[slot]] >= atLeast)
            return slot;
    }
    return 0;
}

// Pixel columns of the plot with the curve's blue above the axis, the mean
// line left out.
int BlueColumns() {
    std::set<int> xs;
    for (int x = g_sdAxisLeft + 1; x < g_sdAxisRight; ++x)
        for (int y = g_sdPlotTop; y < g_sdAxisY; ++y)
            if (x != AxisMarkX(g_popMean, 1) && SdPixel(x, y) == kBlue) xs.insert(x);
    return static_cast<int>(xs.size());
}

} // namespace

class HistogramPlot : public SampDistTest {
  protected:
    void ExpectNoNonNumbers(const char* when) {
        // Every field from Total Samples Drawn to the t proportion.
        for (int id = IDC_SD_TOTAL_DRAWN; id <= IDC_SD_T_PROPORTION; ++id) {
            const QString text = Text(id).toLower();
            EXPECT_FALSE(text.contains("nan") || text.contains("inf"))
                << when << ": control " << id << " reads " << text.toStdString();
        }
    }
};

TEST_F(HistogramPlot, ColumnsAreGreenTheCountedOnesRedAndASliderDragRecounts) {
    SliderAtMean();
    Draw(25, 1000);
    // One slider at the mean, "below": the columns left of it are counted.
    const Rect lc = g_sdColumnRect[SlotWithCount(3)], rc = g_sdColumnRect[SlotWithCount(3, true)];
    ASSERT_LT(lc.left, rc.left);
    EXPECT_EQ(ColumnFoot(lc), kRed);
    EXPECT_EQ(SdPixel(lc.left + 3, lc.top), kRed);
    EXPECT_EQ(ColumnFoot(rc), kGreen);
    EXPECT_EQ(SdPixel(rc.left + 3, rc.top), kGreen);
    EXPECT_EQ(SdPixel(rc.left + 3, rc.top - 1), kPlotWhite);
    EXPECT_EQ(SdPixel(lc.right, g_sdAxisY - 1), kPlotWhite); // white between columns
    const int below = Text(IDC_SD_ACTUAL_NUMBER).toInt();
    EXPECT_EQ(below, CountAtOrBelow(g_leftSliderZ));
    EXPECT_NEAR(below, 500, 80);
    EXPECT_EQ(Text(IDC_SD_Z_PROPORTION), "0.5000");
    SaveSnapshot(g_sdMemDC.copy(0, 0, 624, 446), "sd-red-below");
    // "Above" counts the other side.
    g_proportionAbove = 1;
    dorvane->BringUpToDate();
    EXPECT_EQ(ColumnFoot(lc), kGreen);
    EXPECT_EQ(ColumnFoot(rc), kRed);
    EXPECT_EQ(Text(IDC_SD_ACTUAL_NUMBER).toInt(), 1000 - below);
    g_proportionAbove = 0;
    dorvane->BringUpToDate();

    // Dragged one unit right, the slider counts more.
    const QPoint grip = Centre(g_leftSliderRect);
    QTest::mousePress(dorvane.get(), Qt::LeftButton, Qt::NoModifier, grip);
    SendMove(dorvane.get(), grip + QPoint(35, 0), Qt::LeftButton);
    QTest::mouseRelease(dorvane.get(), Qt::LeftButton, Qt::NoModifier, grip + QPoint(35, 0));
    EXPECT_GT(g_leftSliderZ, 0.5f);
    EXPECT_EQ(Text(IDC_SD_ACTUAL_NUMBER).toInt(), CountAtOrBelow(g_leftSliderZ));
    EXPECT_GT(Text(IDC_SD_ACTUAL_NUMBER).toInt(), below);
    EXPECT_GT(Text(IDC_SD_Z_PROPORTION).toDouble(), 0.5);
    EXPECT_NEAR(Centre(g_leftSliderRect).x(), grip.x() + 35, 2);
    SaveSnapshot(g_sdMemDC.copy(0, 0, 624, 446), "sd-slider-dragged");
    // With the button up, or with Shift held, a move does not drag.
    const float z = g_leftSliderZ;
    SendMove(dorvane.get(), grip + QPoint(80, 0), Qt::NoButton);
    SendMove(dorvane.get(), grip + QPoint(80, 0), Qt::LeftButton, Qt::ShiftModifier);
    EXPECT_EQ(g_leftSliderZ, z);
    // Dragged far past the left end, the slider stops at the axis start.
    QTest::mousePress(dorvane.get(), Qt::LeftButton, Qt::NoModifier, Centre(g_leftSliderRect));
    SendMove(dorvane.get(), QPoint(5, grip.y()), Qt::LeftButton);
    EXPECT_EQ(Text(IDC_SD_ACTUAL_NUMBER), "0");
    QTest::mousePress(dorvane.get(), Qt::LeftButton, Qt::NoModifier, QPoint(5, 5));
    EXPECT_EQ(g_draggingLeft, 0); // a press off the handles ends the drag
}

TEST_F(HistogramPlot, BinWidthButtonsShowAndHideTheScrollBar) {
    Draw(25, 500);
    auto* bar = qobject_cast<QScrollBar*>(dorvane->Control(IDC_SD_AXIS_SCROLL));
    Click(IDC_SD_BIN_NARROW);
    EXPECT_TRUE(bar->isVisible());
    EXPECT_EQ(bar->maximum(), 51);
    SaveSnapshot(dorvane->grab().toImage(), "sd-width-0.1");
    // Scrolling moves the axis and the columns with it.
    const int firstBin = g_sdColumnBin[1];
    bar->triggerAction(QAbstractSlider::SliderSingleStepAdd);
    EXPECT_EQ(g_sdColumnBin[1], firstBin + 1);
    bar->triggerAction(QAbstractSlider::SliderPageStepAdd);
    EXPECT_EQ(dorvane->AxisScrollPos(), 22);
    Click(IDC_SD_BIN_FINEST);
    EXPECT_EQ(bar->maximum(), 151);
    EXPECT_EQ(dorvane->AxisScrollPos(), 66);
    Click(IDC_SD_BIN_WIDE);
    EXPECT_FALSE(bar->isVisible());
    EXPECT_EQ(g_sdColumnRect[1].Width(), 16);
    Click(IDC_SD_BIN_MEDIUM);
    EXPECT_FALSE(bar->isVisible());
    // The selected width's button is drawn dark, the others light.
    const QImage medium = dorvane->Control(IDC_SD_BIN_MEDIUM)->grab().toImage();
    const QImage wide = dorvane->Control(IDC_SD_BIN_WIDE)->grab().toImage();
    EXPECT_EQ(PixelOf(medium, medium.width() / 2, medium.height() / 2), Rgb(150, 150, 150));
    EXPECT_EQ(PixelOf(wide, wide.width() / 2, wide.height() / 2), Rgb(210, 210, 210));
}

TEST_F(HistogramPlot, AColumnClickSelectsASampleWhoseMeanLiesInIt) {
    Draw(25, 300);
    const int slot = SlotWithCount(5);
    ASSERT_GT(slot, 0);
    const Rect c = g_sdColumnRect[slot];
    const QPoint at((c.left + c.right) / 2, g_sdAxisY - 2);
    QTest::mouseClick(dorvane.get(), Qt::LeftButton, Qt::NoModifier, at);
    ASSERT_EQ(g_sampleSelected, 1);
    EXPECT_EQ(HistogramBin(g_sampleStore[g_selectedSampleNo].mean), g_sdColumnBin[slot]);
    // The lowest sample of the column: the first of its bin in the sorted means.
    int lower = 0;
    for (int k = 1; k < g_sdColumnBin[slot]; ++k)
        lower += g_meanHistogram[k];
    EXPECT_EQ(g_selectedPos, lower + 1);
    EXPECT_EQ(g_sortedMeanSampleNo[g_selectedPos], g_selectedSampleNo);
    EXPECT_EQ(SdPixel(at.x(), g_sdSelectionRect.top), kBlack); // its strip is black
    SaveSnapshot(g_sdMemDC.copy(0, 0, 624, 446), "sd-selected");
    // A click beside the columns drops the selection.
    QTest::mouseClick(dorvane.get(), Qt::LeftButton, Qt::NoModifier,
                      QPoint(g_sdAxisRight - 3, g_histRect.top + 40));
    EXPECT_EQ(g_sampleSelected, 0);
}

TEST_F(HistogramPlot, TheLatestColumnIsBlackWhileAnAnimatedRunGrowsIt) {
    struct Watch : QObject {
        int blackColumns = 0;
        bool eventFilter(QObject* o, QEvent* e) override {
            if (e->type() == QEvent::Paint && g_runInProgress && g_lastMeanBin > 0)
                blackColumns += ColumnFoot(g_sdColumnRect[g_lastMeanBin]) == kBlack;
            return QObject::eventFilter(o, e);
        }
    } watch;
    dorvane->installEventFilter(&watch);
    Draw(25, 300, IDC_SD_SPEED_4);
    dorvane->removeEventFilter(&watch);
    EXPECT_GT(watch.blackColumns, 100);
    for (int slot = 1; slot <= 51; ++slot) // after the run none is black
        if (g_sdColumnRect[slot].Height() > 1) EXPECT_NE(ColumnFoot(g_sdColumnRect[slot]), kBlack);
}

TEST_F(HistogramPlot, NormalCurvePreviewsTheCountedTailAndOutlines) {
    Type(IDC_SD_SAMPLE_SIZE, "25");
    Type(IDC_SD_NUM_SAMPLES, "100");
    SliderAtMean();
    Click(IDC_SD_NORMAL_OUTLINE);
    // Before any sample the curve previews the shape, the counted tail
    // (below the slider at the mean) red under it and the other tail not.
    EXPECT_GT(BlueColumns(), 50);
    const int meanX = AxisMarkX(g_popMean, 1), medianX = AxisMarkX(g_popMedian, 1);
    int red[2] = {}; // left and right of the mean
    for (int x = g_sdAxisLeft + 1; x < g_sdAxisRight; ++x)
        if (std::abs(x - meanX) > 2 && x != medianX)
            red[x > meanX] += SdPixel(x, g_sdAxisY - 2) == kRed;
    EXPECT_GT(red[0], 20);
    EXPECT_EQ(red[1], 0);
    SaveSnapshot(dorvane->grab().toImage(), "sd-normal-preview");
    Click(IDC_SD_POP_OUTLINE);
    bool purple = false;
    for (int x = g_sdAxisLeft + 1; x < g_sdAxisRight; ++x)
        for (int y = g_sdPlotTop; y < g_sdAxisY; ++y)
            purple |= SdPixel(x, y) == Rgb(160, 2, 190);
    EXPECT_TRUE(purple);
    Click(IDC_SD_NORMAL_OUTLINE);
    EXPECT_EQ(BlueColumns(), 0);

    // Proportions with n = 0 have no curve, and no readout shows a non-number.
    g_isBinomial = 1;
    g_isContinuous = 0;
    SetBinomialP(0.4f);
    Type(IDC_SD_SAMPLE_SIZE, "10");
    Click(IDC_SD_NORMAL_OUTLINE);
    EXPECT_GT(BlueColumns(), 20);
    Type(IDC_SD_SAMPLE_SIZE, "0");
    EXPECT_EQ(BlueColumns(), 0);
    ExpectNoNonNumbers("binomial n = 0");
    Draw(10, 500);
    EXPECT_NEAR(Text(IDC_SD_MEAN_OF_MEANS).toDouble(), 0.4, 0.02);
    SaveSnapshot(dorvane->grab().toImage(), "sd-binomial");
}

TEST_F(HistogramPlot, NoReadoutShowsANonNumber) {
    ExpectNoNonNumbers("start");
    Type(IDC_SD_SAMPLE_SIZE, "0"); // no standard error, no t distribution
    Click(IDC_SD_NORMAL_OUTLINE);
    ExpectNoNonNumbers("n = 0, normal outline");
    EXPECT_EQ(Text(IDC_SD_T_PROPORTION), "");

    // A population without spread: every value the same, standard error 0.
    ClearPopulationCurve();
    g_popCurve[26] = g_popBaseline - 100;
    RunPopulationChangeSequence(true);
    ASSERT_EQ(g_popSD, 0.0f);
    Draw(5, 20);
    EXPECT_EQ(g_samplesDrawn, 20);
    ExpectNoNonNumbers("no spread, drawn");
    for (int* shown : {&g_showZValues, &g_showTValues}) {
        *shown = 1;
        dorvane->RebinForOptions();
        dorvane->BringUpToDate();
        ExpectNoNonNumbers(shown == &g_showZValues ? "z values" : "t values");
        *shown = 0;
    }
    // A zero display scale.
    ApplyPreset(PresetShape::Normal);
    g_dispScale = 0.0f;
    Draw(10, 20);
    ExpectNoNonNumbers("display scale 0");
    SaveSnapshot(dorvane->grab().toImage(), "sd-degenerate");
}
