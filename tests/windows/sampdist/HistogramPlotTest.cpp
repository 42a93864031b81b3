// The histogram plot as pixels: green columns and red counted ones, the
// slider drag, the bin-width buttons and their scroll bar, a click on a
// column, the normal curve, and no "nan" or "inf" in any readout.
#include "tests/windows/sampdist/SampDistTestSupport.h"

#include "core/SamplingEngine.h"
#include "windows/sampdist/SampDistModel.h"

#include <cstdlib>
#include <set>

namespace {

// The readouts a student reads; none may ever show a non-number.
const int kReadouts[] = {IDC_SD_TOTAL_DRAWN,   IDC_SD_MEAN_OF_MEANS,     IDC_SD_MEAN_OF_SDS,
                         IDC_SD_SD_OF_MEANS,   IDC_SD_SD_OF_SDS,         IDC_SD_INTERVAL_WIDTH,
                         IDC_SD_ACTUAL_NUMBER, IDC_SD_ACTUAL_PROPORTION, IDC_SD_Z_NUMBER,
                         IDC_SD_Z_PROPORTION,  IDC_SD_T_NUMBER,          IDC_SD_T_PROPORTION};

// Slot of the first drawn column holding at least this many samples, seen
// from the left (or the right).
int SlotWithCount(int atLeast, bool fromRight = false) {
    for (int i = 1; i <= kSdColumnSlots; ++i) {
        const int slot = fromRight ? kSdColumnSlots + 1 - i : i;
        if (g_sdColumnRect[slot].IsEmpty()) continue;
        if (g_meanHistogram[g_sdColumnBin[slot]] >= atLeast) return slot;
    }
    return 0;
}

// Pixel columns x of the plot with the curve's blue above the axis, the
// mean line left out.
int BlueColumns() {
    const int meanX = AxisMarkX(g_popMean, 1);
    std::set<int> xs;
    for (int x = g_sdAxisLeft + 1; x < g_sdAxisRight; ++x)
        for (int y = g_sdPlotTop; y < g_sdAxisY; ++y)
            if (x != meanX && SdPixel(x, y) == kBlue) xs.insert(x);
    return static_cast<int>(xs.size());
}

} // namespace

class HistogramPlot : public SampDistTest {
  protected:
    void ExpectNoNonNumbers(const char* when) {
        for (int id : kReadouts) {
            const QString text = Text(id).toLower();
            EXPECT_FALSE(text.contains("nan") || text.contains("inf"))
                << when << ": control " << id << " reads " << text.toStdString();
        }
    }
};

TEST_F(HistogramPlot, ColumnsAreGreenAndTheCountedOnesRed) {
    ChooseSpeed(IDC_SD_SPEED_F);
    SliderAtMean();
    Draw(25, 1000);
    // One slider at the population mean, "below": the columns left of it are
    // counted.
    ASSERT_EQ(g_oneSlider, 1);
    ASSERT_EQ(g_proportionAbove, 0);
    const int left = SlotWithCount(3);
    const int right = SlotWithCount(3, true);
    ASSERT_GT(left, 0);
    ASSERT_GT(right, left);
    const Rect lc = g_sdColumnRect[left], rc = g_sdColumnRect[right];
    EXPECT_EQ(SdPixel((lc.left + lc.right) / 2, g_sdAxisY - 1), kRed);
    EXPECT_EQ(SdPixel((lc.left + lc.right) / 2, lc.top), kRed);
    EXPECT_EQ(SdPixel((rc.left + rc.right) / 2, g_sdAxisY - 1), kGreen);
    EXPECT_EQ(SdPixel((rc.left + rc.right) / 2, rc.top), kGreen);
    // Columns are 6 pixels wide, 7 apart, and white between.
    EXPECT_EQ(lc.right - lc.left, 6);
    EXPECT_EQ(g_sdColumnRect[left + 1].left - lc.left, 7);
    EXPECT_EQ(SdPixel(lc.right, g_sdAxisY - 1), kPlotWhite);
    // A column's height is its count at the chosen scale.
    EXPECT_EQ(g_sdAxisY - rc.top,
              static_cast<int>(g_meanHistogram[g_sdColumnBin[right]] * g_histCountScale));
    EXPECT_EQ(SdPixel((rc.left + rc.right) / 2, rc.top - 1), kPlotWhite);
    // The readouts agree: about half of the means lie below the mean.
    const int below = Text(IDC_SD_ACTUAL_NUMBER).toInt();
    EXPECT_EQ(below, CountAtOrBelow(g_leftSliderZ));
    EXPECT_NEAR(below, 500, 80);
    SaveSnapshot(g_sdMemDC.copy(0, 0, 624, 446), "sd-red-below");

    // "Above" counts the other side.
    g_proportionAbove = 1;
    dorvane->BringUpToDate();
    EXPECT_EQ(SdPixel((lc.left + lc.right) / 2, g_sdAxisY - 1), kGreen);
    EXPECT_EQ(SdPixel((rc.left + rc.right) / 2, g_sdAxisY - 1), kRed);
    EXPECT_EQ(Text(IDC_SD_ACTUAL_NUMBER).toInt(), 1000 - below);
}

TEST_F(HistogramPlot, TheSplitColumnIsRedInProportion) {
    ChooseSpeed(IDC_SD_SPEED_F);
    SliderAtMean();
    Draw(25, 1000);
    // The slider's column holds samples on both sides of it.
    const int bin = 1 + static_cast<int>(5 * SliderThreshold(g_leftSliderZ) + 0.5);
    const int slot = bin - FirstVisibleBin(1) + 1;
    const Rect c = g_sdColumnRect[slot];
    const int inBin = g_meanHistogram[bin];
    ASSERT_GT(inBin, 1);
    int lowerBins = 0;
    for (int k = 1; k < bin; ++k)
        lowerBins += g_meanHistogram[k];
    const int counted = CountAtOrBelow(g_leftSliderZ) - lowerBins;
    const int height = g_sdAxisY - c.top;
    const int red = height * counted / inBin;
    const int x = (c.left + c.right) / 2;
    if (red > 0) {
        EXPECT_EQ(SdPixel(x, g_sdAxisY - 1), kRed);
    }
    if (red < height) {
        EXPECT_EQ(SdPixel(x, c.top), kGreen);
    }
    if (red > 0 && red < height) {
        EXPECT_EQ(SdPixel(x, g_sdAxisY - red), kRed);
        EXPECT_EQ(SdPixel(x, g_sdAxisY - red - 1), kGreen);
    }
}

TEST_F(HistogramPlot, ASliderDragChangesTheReadouts) {
    ChooseSpeed(IDC_SD_SPEED_F);
    SliderAtMean();
    Draw(25, 1000);
    const QString before = Text(IDC_SD_ACTUAL_NUMBER);
    const QString normalBefore = Text(IDC_SD_Z_PROPORTION);
    EXPECT_EQ(normalBefore, "0.5000");
    ASSERT_FALSE(g_leftSliderRect.IsEmpty());
    const QPoint grip = Centre(g_leftSliderRect);
    QTest::mousePress(dorvane.get(), Qt::LeftButton, Qt::NoModifier, grip);
    EXPECT_EQ(g_draggingLeft, 1);
    SendMove(dorvane.get(), grip + QPoint(35, 0), Qt::LeftButton);
    QTest::mouseRelease(dorvane.get(), Qt::LeftButton, Qt::NoModifier, grip + QPoint(35, 0));
    EXPECT_GT(g_leftSliderZ, 0.5f);
    EXPECT_GT(Text(IDC_SD_ACTUAL_NUMBER).toInt(), before.toInt());
    EXPECT_GT(Text(IDC_SD_Z_PROPORTION).toDouble(), 0.5);
    EXPECT_EQ(Text(IDC_SD_ACTUAL_NUMBER).toInt(), CountAtOrBelow(g_leftSliderZ));
    // The handle stands where it was dragged to.
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
    EXPECT_FLOAT_EQ(g_leftSliderZ,
                    (AxisPixelToValue(g_sdAxisLeft, 1) - g_popMean) / g_standardError);
    EXPECT_EQ(Text(IDC_SD_ACTUAL_NUMBER), "0");
    // A press off the handles ends the drag.
    QTest::mousePress(dorvane.get(), Qt::LeftButton, Qt::NoModifier, QPoint(5, 5));
    EXPECT_EQ(g_draggingLeft, 0);
}

TEST_F(HistogramPlot, TwoSlidersCountBetweenAndOutside) {
    ChooseSpeed(IDC_SD_SPEED_F);
    Draw(25, 1000);
    g_oneSlider = 0;
    g_leftSliderZ = -1.0f;
    g_rightSliderZ = 1.0f;
    RecomputeSliderValues();
    dorvane->BringUpToDate();
    const int between = Text(IDC_SD_ACTUAL_NUMBER).toInt();
    EXPECT_EQ(between, CountAtOrBelow(1.0f) - CountAtOrBelow(-1.0f));
    EXPECT_NEAR(between, 683, 60);
    EXPECT_NEAR(Text(IDC_SD_Z_PROPORTION).toDouble(), 0.6827, 0.002);
    // The highest column lies between the sliders and is red; the outer ones green.
    const int tallest = SlotWithCount(LargestBinCount());
    const Rect t = g_sdColumnRect[tallest];
    EXPECT_EQ(SdPixel((t.left + t.right) / 2, g_sdAxisY - 1), kRed);
    const Rect edge = g_sdColumnRect[SlotWithCount(1)];
    EXPECT_EQ(SdPixel((edge.left + edge.right) / 2, g_sdAxisY - 1), kGreen);
    SaveSnapshot(g_sdMemDC.copy(0, 0, 624, 446), "sd-two-sliders-between");

    g_proportionAbove = 1;
    dorvane->BringUpToDate();
    EXPECT_EQ(Text(IDC_SD_ACTUAL_NUMBER).toInt(), 1000 - between);
    EXPECT_EQ(SdPixel((t.left + t.right) / 2, g_sdAxisY - 1), kGreen);
    EXPECT_EQ(SdPixel((edge.left + edge.right) / 2, g_sdAxisY - 1), kRed);
    // The right handle is drawn in blue under the axis.
    ASSERT_FALSE(g_rightSliderRect.IsEmpty());
    bool blue = false;
    for (int x = g_rightSliderRect.left; x < g_rightSliderRect.right; ++x)
        for (int y = g_rightSliderRect.top; y < g_rightSliderRect.bottom; ++y)
            blue = blue || SdPixel(x, y) == kBlue;
    EXPECT_TRUE(blue);
}

TEST_F(HistogramPlot, BinWidthButtonsShowAndHideTheScrollBar) {
    ChooseSpeed(IDC_SD_SPEED_F);
    Draw(25, 500);
    auto* bar = qobject_cast<QScrollBar*>(dorvane->Control(IDC_SD_AXIS_SCROLL));
    Click(IDC_SD_BIN_NARROW);
    EXPECT_EQ(g_binWidthNarrow, 1);
    EXPECT_TRUE(bar->isVisible());
    EXPECT_EQ(bar->maximum(), 51);
    SaveSnapshot(dorvane->grab().toImage(), "sd-width-0.1");
    // Scrolling moves the axis and the columns with it.
    const int firstBin = g_sdColumnBin[1];
    bar->triggerAction(QAbstractSlider::SliderSingleStepAdd);
    EXPECT_EQ(dorvane->AxisScrollPos(), 2);
    EXPECT_EQ(g_sdColumnBin[1], firstBin + 1);
    bar->triggerAction(QAbstractSlider::SliderPageStepAdd);
    EXPECT_EQ(dorvane->AxisScrollPos(), 22);
    EXPECT_EQ(bar->value(), 22);

    Click(IDC_SD_BIN_FINEST);
    EXPECT_EQ(g_binWidthFinest, 1);
    EXPECT_EQ(bar->maximum(), 151);
    EXPECT_EQ(dorvane->AxisScrollPos(), 66);
    EXPECT_TRUE(bar->isVisible());

    Click(IDC_SD_BIN_WIDE);
    EXPECT_EQ(g_binWidthWide, 1);
    EXPECT_FALSE(bar->isVisible());
    // Wide columns: 16 pixels, 18 and 17 apart by turns; every sample still counted.
    EXPECT_EQ(g_sdColumnRect[1].right - g_sdColumnRect[1].left, 16);
    EXPECT_EQ(g_sdColumnRect[2].left - g_sdColumnRect[1].left, 18);
    EXPECT_EQ(g_sdColumnRect[3].left - g_sdColumnRect[2].left, 17);
    int total = 0;
    for (int k = 1; k <= kHistogramBins; ++k)
        total += g_meanHistogram[k];
    EXPECT_EQ(total, 500);
    SaveSnapshot(dorvane->grab().toImage(), "sd-width-0.5");

    Click(IDC_SD_BIN_MEDIUM);
    EXPECT_FALSE(bar->isVisible());
    // The selected width's button is drawn dark, the others light.
    const QImage medium = dorvane->Control(IDC_SD_BIN_MEDIUM)->grab().toImage();
    const QImage wide = dorvane->Control(IDC_SD_BIN_WIDE)->grab().toImage();
    EXPECT_EQ(medium.pixel(medium.width() / 2, medium.height() / 2) & 0xFFFFFF, Rgb(150, 150, 150));
    EXPECT_EQ(wide.pixel(wide.width() / 2, wide.height() / 2) & 0xFFFFFF, Rgb(210, 210, 210));
}

TEST_F(HistogramPlot, AColumnClickSelectsASampleWhoseMeanLiesInIt) {
    ChooseSpeed(IDC_SD_SPEED_F);
    Draw(25, 300);
    const int slot = SlotWithCount(5);
    ASSERT_GT(slot, 0);
    const Rect c = g_sdColumnRect[slot];
    const QPoint at((c.left + c.right) / 2, g_sdAxisY - 2);
    QTest::mouseClick(dorvane.get(), Qt::LeftButton, Qt::NoModifier, at);
    ASSERT_EQ(g_sampleSelected, 1);
    const SampleRow& row = g_sampleStore[g_selectedSampleNo];
    EXPECT_EQ(HistogramBin(row.mean), g_sdColumnBin[slot]);
    EXPECT_EQ(g_sortedMeanSampleNo[g_selectedPos], g_selectedSampleNo);
    // The lowest sample of the column: the first of its bin in the sorted means.
    int lower = 0;
    for (int k = 1; k < g_sdColumnBin[slot]; ++k)
        lower += g_meanHistogram[k];
    EXPECT_EQ(g_selectedPos, lower + 1);
    // Its strip is black inside the column.
    ASSERT_FALSE(g_sdSelectionRect.IsEmpty());
    EXPECT_EQ(SdPixel(at.x(), g_sdSelectionRect.top), kBlack);
    SaveSnapshot(g_sdMemDC.copy(0, 0, 624, 446), "sd-selected");

    // A click beside the columns drops the selection.
    QTest::mouseClick(dorvane.get(), Qt::LeftButton, Qt::NoModifier,
                      QPoint(g_sdAxisRight - 3, g_histRect.top + 40));
    EXPECT_EQ(g_sampleSelected, 0);
    EXPECT_TRUE(g_sdSelectionRect.IsEmpty());
}

TEST_F(HistogramPlot, NormalCurveAndPreviewFill) {
    Type(IDC_SD_SAMPLE_SIZE, "25");
    Type(IDC_SD_NUM_SAMPLES, "100");
    SliderAtMean();
    Click(IDC_SD_NORMAL_OUTLINE);
    EXPECT_EQ(g_showNormalOutline, 1);
    // Before any sample the curve previews the shape and the counted tail
    // (below the slider at the mean) is red under it, the other tail not.
    EXPECT_GT(BlueColumns(), 50);
    const int meanX = AxisMarkX(g_popMean, 1), medianX = AxisMarkX(g_popMedian, 1);
    int redLeft = 0, redRight = 0;
    for (int x = g_sdAxisLeft + 1; x < g_sdAxisRight; ++x) {
        if (x == medianX || std::abs(x - meanX) < 3) continue;
        if (SdPixel(x, g_sdAxisY - 2) == kRed) ++(x < meanX ? redLeft : redRight);
    }
    EXPECT_GT(redLeft, 20);
    EXPECT_EQ(redRight, 0);
    SaveSnapshot(dorvane->grab().toImage(), "sd-normal-preview");
    ChooseSpeed(IDC_SD_SPEED_F);
    Click(IDC_SD_DRAW_SAMPLES);
    EXPECT_GT(BlueColumns(), 50);
    Click(IDC_SD_POP_OUTLINE);
    EXPECT_EQ(g_showPopOutline, 1);
    bool purple = false;
    for (int x = g_sdAxisLeft + 1; x < g_sdAxisRight && !purple; ++x)
        for (int y = g_sdPlotTop; y < g_sdAxisY && !purple; ++y)
            purple = SdPixel(x, y) == Rgb(160, 2, 190);
    EXPECT_TRUE(purple);
    SaveSnapshot(dorvane->grab().toImage(), "sd-outlines");
    Click(IDC_SD_NORMAL_OUTLINE);
    EXPECT_EQ(BlueColumns(), 0);
}

TEST_F(HistogramPlot, GrowingColumnsDuringAnAnimatedRun) {
    ChooseSpeed(IDC_SD_SPEED_4);
    Type(IDC_SD_SAMPLE_SIZE, "25");
    Type(IDC_SD_NUM_SAMPLES, "300");
    // Watch the surface whenever the window paints during the run.
    struct Watch : QObject {
        int blackColumns = 0;
        bool eventFilter(QObject* o, QEvent* e) override {
            if (e->type() == QEvent::Paint && g_runInProgress && g_lastMeanBin > 0) {
                const int slot = g_lastMeanBin - FirstVisibleBin(1) + 1;
                const Rect c = g_sdColumnRect[slot];
                if (SdPixel((c.left + c.right) / 2, g_sdAxisY - 1) == kBlack) ++blackColumns;
            }
            return QObject::eventFilter(o, e);
        }
    } watch;
    dorvane->installEventFilter(&watch);
    Click(IDC_SD_DRAW_SAMPLES);
    dorvane->removeEventFilter(&watch);
    EXPECT_GT(watch.blackColumns, 100);
    // After the run no column is black any more.
    for (int slot = 1; slot <= 51; ++slot) {
        const Rect c = g_sdColumnRect[slot];
        if (c.Height() > 1) {
            EXPECT_NE(SdPixel((c.left + c.right) / 2, g_sdAxisY - 1), kBlack);
        }
    }
}

TEST_F(HistogramPlot, NoReadoutShowsANonNumber) {
    ExpectNoNonNumbers("start");
    // A sample size of 0: no standard error, no t distribution.
    Type(IDC_SD_SAMPLE_SIZE, "0");
    ExpectNoNonNumbers("n = 0");
    EXPECT_EQ(Text(IDC_SD_INTERVAL_WIDTH), "");
    EXPECT_EQ(Text(IDC_SD_T_PROPORTION), "");
    Click(IDC_SD_NORMAL_OUTLINE);
    ExpectNoNonNumbers("n = 0, normal outline");

    // A population without spread: every value the same, standard error 0.
    for (int slot = 1; slot < kCurveSlots; ++slot)
        g_popCurve[slot] = g_popBaseline;
    g_popCurve[26] = g_popBaseline - 100;
    RunPopulationChangeSequence(true);
    ASSERT_EQ(g_popSD, 0.0f);
    Type(IDC_SD_SAMPLE_SIZE, "5");
    ExpectNoNonNumbers("no spread");
    ChooseSpeed(IDC_SD_SPEED_F);
    Type(IDC_SD_NUM_SAMPLES, "20");
    Click(IDC_SD_DRAW_SAMPLES);
    EXPECT_EQ(g_samplesDrawn, 20);
    ExpectNoNonNumbers("no spread, drawn");
    g_showZValues = 1;
    dorvane->RebinForOptions();
    dorvane->BringUpToDate();
    ExpectNoNonNumbers("no spread, z values");
    g_showZValues = 0;
    g_showTValues = 1;
    dorvane->RebinForOptions();
    dorvane->BringUpToDate();
    ExpectNoNonNumbers("no spread, t values");

    // A zero display scale.
    g_showTValues = 0;
    ApplyPreset(PresetShape::Normal);
    g_dispScale = 0.0f;
    Type(IDC_SD_SAMPLE_SIZE, "10");
    Click(IDC_SD_DRAW_SAMPLES);
    ExpectNoNonNumbers("display scale 0");
    SaveSnapshot(dorvane->grab().toImage(), "sd-degenerate");
}

TEST_F(HistogramPlot, BinomialSampleSizeZeroDrawsNoNormalCurve) {
    g_isBinomial = 1;
    g_isContinuous = g_isDiscrete = 0;
    SetBinomialP(0.4f);
    Type(IDC_SD_SAMPLE_SIZE, "10");
    Click(IDC_SD_NORMAL_OUTLINE);
    EXPECT_GT(BlueColumns(), 20);
    Type(IDC_SD_SAMPLE_SIZE, "0");
    EXPECT_EQ(BlueColumns(), 0);
    ExpectNoNonNumbers("binomial n = 0");
    Type(IDC_SD_SAMPLE_SIZE, "10");
    ChooseSpeed(IDC_SD_SPEED_F);
    Type(IDC_SD_NUM_SAMPLES, "500");
    Click(IDC_SD_DRAW_SAMPLES);
    EXPECT_EQ(g_samplesDrawn, 500);
    // Proportions: the mean of the sample proportions near p.
    EXPECT_NEAR(Text(IDC_SD_MEAN_OF_MEANS).toDouble(), 0.4, 0.02);
    SaveSnapshot(dorvane->grab().toImage(), "sd-binomial");
}
