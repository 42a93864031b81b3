// The Dorvane window driven as a student drives it: DRAW SAMPLES at two
// speeds, the fields with their limits and messages, the series mode; and the
// histogram plot as pixels: green columns and red counted ones, the slider
// drag, the bin widths and their scroll bar, a click on a column, the normal
// curve, and no "nan" or "inf" in any readout.
#include "tests/windows/sampdist/DorvaneTestSupport.h"

#include <QTest>
#include <cmath>
#include <vector>

TEST_F(DorvaneWindow, SpeedFAndSpeed4LeaveTheSameHistogramAndFields) {
    EXPECT_EQ(Text(IDC_SD_INTERVAL_WIDTH), QString::asprintf("%.3f", g_popSD)); // n = 1
    auto run = [&](int speedButton) {
        g_seedCarry = 0; // the same clock and carry give the same stream
        Draw(25, 400, speedButton);
        QStringList fields;
        for (int id : {IDC_SD_TOTAL_DRAWN, IDC_SD_MEAN_OF_MEANS, IDC_SD_SD_OF_MEANS,
                       IDC_SD_MEAN_OF_SDS, IDC_SD_SD_OF_SDS})
            fields << Text(id);
        return std::make_pair(fields, g_sdMemDC.copy(ToQRect(g_histRect)));
    };
    const auto fast = run(IDC_SD_SPEED_F);
    EXPECT_EQ(g_speed, 1);
    const std::vector<int> histogram(g_meanHistogram, g_meanHistogram + kHistogramBins + 1);
    const auto animated = run(IDC_SD_SPEED_4);
    EXPECT_EQ(g_speed, 2);
    EXPECT_EQ(std::vector<int>(g_meanHistogram, g_meanHistogram + kHistogramBins + 1), histogram);
    EXPECT_EQ(fast.first, animated.first);
    EXPECT_EQ(fast.second, animated.second);

    // The fields say what the core computed.
    EXPECT_EQ(fast.first, QStringList({"400", QString::asprintf("%.2f", ShownValue(g_meanOfMeans)),
                                       QString::asprintf("%.3f", g_dispScale * g_sdOfMeans),
                                       QString::asprintf("%.3f", g_dispScale * g_meanOfSDs),
                                       QString::asprintf("%.3f", g_dispScale * g_sdOfSDs)}));
    // The standard error of the mean of 25 values, and the spread of the means near it.
    EXPECT_EQ(Text(IDC_SD_INTERVAL_WIDTH), QString::asprintf("%.3f", g_popSD / 5.0));
    EXPECT_NEAR(g_sdOfMeans, g_popSD / 5.0, 0.15 * g_popSD / 5.0);
    SaveSnapshot(dorvane->grab().toImage(), "sd-after-400-of-25");

    // A new sample size ends the series: the histogram is empty at once.
    Type(IDC_SD_SAMPLE_SIZE, "11");
    EXPECT_EQ(g_samplesDrawn, 0);
    for (int x = g_sdAxisLeft + 1; x < g_sdAxisRight; ++x)
        ASSERT_NE(SdPixel(x, g_sdAxisY - 1), kGreen) << x;
}

TEST_F(DorvaneWindow, FieldLimitsShowTheirMessagesAndCorrectTheField) {
    Type(IDC_SD_SAMPLE_SIZE, "2000");
    EXPECT_EQ(messages, QStringList(kMsgSampleSizeTooLarge));
    EXPECT_EQ(Text(IDC_SD_SAMPLE_SIZE), "1000");
    EXPECT_EQ(Text(IDC_SD_INTERVAL_WIDTH), QString::asprintf("%.3f", g_popSD / std::sqrt(1000.0)));
    messages.clear();
    Type(IDC_SD_NUM_SAMPLES, "20000");
    EXPECT_EQ(messages, QStringList(kMsgTooManySamples));
    EXPECT_EQ(Text(IDC_SD_NUM_SAMPLES), "10000");
    // Within the limits nothing is said.
    messages.clear();
    Type(IDC_SD_SAMPLE_SIZE, "25");
    Type(IDC_SD_NUM_SAMPLES, "300");
    EXPECT_TRUE(messages.isEmpty());
}

TEST_F(DorvaneWindow, AddMoreAtNineThousandAskingForTwoThousandDrawsOneThousand) {
    Draw(4, 100);
    Click(IDC_SD_SERIES_MODE);
    EXPECT_EQ(Text(IDC_SD_SERIES_MODE), "ADD\nMORE");
    Click(IDC_SD_DRAW_SAMPLES);
    EXPECT_EQ(Text(IDC_SD_TOTAL_DRAWN), "200");
    Click(IDC_SD_SERIES_MODE); // NEW SERIES
    Click(IDC_SD_DRAW_SAMPLES);
    EXPECT_EQ(Text(IDC_SD_TOTAL_DRAWN), "100");
    EXPECT_TRUE(messages.isEmpty());

    Draw(1, 9000);
    Click(IDC_SD_SERIES_MODE); // ADD MORE: 9000 more would not fit
    EXPECT_EQ(Text(IDC_SD_NUM_SAMPLES), "1000");
    messages.clear();
    // Another window copies 2,000 into the field (no handler runs for a copy).
    dorvane->SetNumberOfSamplesText(QStringLiteral("2000"));
    Click(IDC_SD_DRAW_SAMPLES);
    EXPECT_EQ(messages, QStringList(kMsgTooManySamples));
    EXPECT_EQ(Text(IDC_SD_TOTAL_DRAWN), "10000");
    EXPECT_EQ(Text(IDC_SD_NUM_SAMPLES), "1000");
    // A full series in ADD MORE mode takes no more.
    Type(IDC_SD_NUM_SAMPLES, "5");
    EXPECT_EQ(Text(IDC_SD_NUM_SAMPLES), "0");
}

TEST_F(DorvaneWindow, EmptyPopulationAndSampleSizeZeroAreRefused) {
    ClearPopulation();
    Click(IDC_SD_DRAW_SAMPLES);
    EXPECT_EQ(messages, QStringList(kMsgEmptyPopulation));
    EXPECT_EQ(Text(IDC_SD_TOTAL_DRAWN), "");

    ApplyPreset(PresetShape::Normal);
    for (const char* n : {"0", ""}) {
        messages.clear();
        Type(IDC_SD_SAMPLE_SIZE, n);
        EXPECT_TRUE(messages.isEmpty()); // typing it is allowed ...
        EXPECT_EQ(Text(IDC_SD_INTERVAL_WIDTH), "");
        Click(IDC_SD_DRAW_SAMPLES); // ... drawing with it is not
        EXPECT_EQ(messages, QStringList(kMsgSampleSizeTooSmall));
    }
    EXPECT_EQ(g_samplesDrawn, 0);
}

TEST_F(DorvaneWindow, ColumnsAreGreenTheCountedOnesRedAndASliderDragRecounts) {
    SliderAtMean();
    Draw(25, 1000);
    // One slider at the mean, "below": the columns left of it are counted.
    const Rect lc = g_sdColumnRect[SlotWithCount(3)], rc = g_sdColumnRect[SlotWithCount(3, true)];
    ASSERT_LT(lc.left, rc.left);
    EXPECT_EQ(SdPixel(lc.left + 3, lc.top), kRed); // red up to its top
    EXPECT_EQ(ColumnFoot(rc), kGreen);
    EXPECT_EQ(SdPixel(rc.left + 3, rc.top - 1), kPlotWhite);
    EXPECT_EQ(SdPixel(lc.right, g_sdAxisY - 1), kPlotWhite); // white between columns
    const int below = Text(IDC_SD_ACTUAL_NUMBER).toInt();
    EXPECT_EQ(below, CountAtOrBelow(g_leftSliderZ));
    EXPECT_EQ(Text(IDC_SD_Z_PROPORTION), "0.5000");
    SaveSnapshot(g_sdMemDC.copy(0, 0, 624, 446), "sd-red-below");
    // "Above" counts the other side.
    g_proportionAbove = 1;
    dorvane->BringUpToDate();
    EXPECT_EQ(ColumnFoot(lc), kGreen);
    EXPECT_EQ(ColumnFoot(rc), kRed);
    EXPECT_EQ(Text(IDC_SD_ACTUAL_NUMBER).toInt(), 1000 - below);
    g_proportionAbove = 0;

    // Dragged one unit right, the slider counts more.
    const QPoint grip = Centre(g_leftSliderRect);
    QTest::mousePress(dorvane.get(), Qt::LeftButton, Qt::NoModifier, grip);
    SendMove(dorvane.get(), grip + QPoint(35, 0), Qt::LeftButton);
    QTest::mouseRelease(dorvane.get(), Qt::LeftButton, Qt::NoModifier, grip + QPoint(35, 0));
    EXPECT_EQ(Text(IDC_SD_ACTUAL_NUMBER).toInt(), CountAtOrBelow(g_leftSliderZ));
    EXPECT_GT(Text(IDC_SD_ACTUAL_NUMBER).toInt(), below);
    EXPECT_NEAR(Centre(g_leftSliderRect).x(), grip.x() + 35, 2); // the handle followed
    // With Shift held a move does not drag.
    const float z = g_leftSliderZ;
    SendMove(dorvane.get(), grip + QPoint(80, 0), Qt::LeftButton, Qt::ShiftModifier);
    EXPECT_EQ(g_leftSliderZ, z);
    // Dragged far past the left end, the slider stops at the axis start.
    QTest::mousePress(dorvane.get(), Qt::LeftButton, Qt::NoModifier, Centre(g_leftSliderRect));
    SendMove(dorvane.get(), QPoint(5, grip.y()), Qt::LeftButton);
    EXPECT_EQ(Text(IDC_SD_ACTUAL_NUMBER), "0");
}

TEST_F(DorvaneWindow, BinWidthButtonsShowAndHideTheScrollBar) {
    Draw(25, 500);
    auto* bar = qobject_cast<QScrollBar*>(dorvane->Control(IDC_SD_AXIS_SCROLL));
    Click(IDC_SD_BIN_NARROW);
    EXPECT_TRUE(bar->isVisible());
    EXPECT_EQ(bar->maximum(), 51);
    // Scrolling moves the axis and the columns with it.
    const int firstBin = g_sdColumnBin[1];
    bar->triggerAction(QAbstractSlider::SliderPageStepAdd);
    EXPECT_EQ(dorvane->AxisScrollPos(), 21);
    EXPECT_EQ(g_sdColumnBin[1], firstBin + 20);
    Click(IDC_SD_BIN_FINEST);
    EXPECT_EQ(bar->maximum(), 151);
    EXPECT_EQ(dorvane->AxisScrollPos(), 63); // 21 at 0.1 is 63 at 0.05
    for (int fixed : {IDC_SD_BIN_WIDE, IDC_SD_BIN_MEDIUM}) {
        Click(fixed);
        EXPECT_FALSE(bar->isVisible());
    }
    // The selected width's button is drawn dark, the others light.
    for (auto [id, grey] : {std::pair{IDC_SD_BIN_MEDIUM, 150}, {IDC_SD_BIN_WIDE, 210}}) {
        const QImage face = dorvane->Control(id)->grab().toImage();
        EXPECT_EQ(PixelOf(face, face.width() / 2, face.height() / 2), Rgb(grey, grey, grey));
    }
}

TEST_F(DorvaneWindow, AColumnClickSelectsASampleWhoseMeanLiesInIt) {
    Draw(25, 300);
    const int slot = SlotWithCount(5);
    const Rect c = g_sdColumnRect[slot];
    const QPoint at((c.left + c.right) / 2, g_sdAxisY - 2);
    QTest::mouseClick(dorvane.get(), Qt::LeftButton, Qt::NoModifier, at);
    ASSERT_EQ(g_sampleSelected, 1);
    EXPECT_EQ(HistogramBin(g_sampleStore[g_selectedSampleNo].mean), g_sdColumnBin[slot]);
    EXPECT_EQ(SdPixel(at.x(), g_sdSelectionRect.top), kBlack); // its strip is black
    SaveSnapshot(g_sdMemDC.copy(0, 0, 624, 446), "sd-selected");
    // A click beside the columns drops the selection.
    QTest::mouseClick(dorvane.get(), Qt::LeftButton, Qt::NoModifier,
                      QPoint(g_sdAxisRight - 3, g_histRect.top + 40));
    EXPECT_EQ(g_sampleSelected, 0);
}

TEST_F(DorvaneWindow, NormalCurvePreviewsTheCountedTailAndOutlines) {
    Type(IDC_SD_SAMPLE_SIZE, "25");
    Type(IDC_SD_NUM_SAMPLES, "100");
    SliderAtMean();
    Click(IDC_SD_NORMAL_OUTLINE);
    // Before any sample the curve previews the shape, the counted tail red
    // under it: left of the mean but not right.
    EXPECT_GT(BluePixels(), 50);
    const int meanX = AxisMarkX(g_popMean, 1);
    EXPECT_EQ(SdPixel(meanX - 15, g_sdAxisY - 2), kRed);
    EXPECT_NE(SdPixel(meanX + 15, g_sdAxisY - 2), kRed);
    Click(IDC_SD_NORMAL_OUTLINE);
    EXPECT_EQ(BluePixels(), 0);

    // Proportions with n = 0 have no curve, and no readout shows a non-number.
    g_isBinomial = 1;
    g_isContinuous = 0;
    SetBinomialP(0.4f);
    Type(IDC_SD_SAMPLE_SIZE, "10");
    Click(IDC_SD_NORMAL_OUTLINE);
    EXPECT_GT(BluePixels(), 20);
    Type(IDC_SD_SAMPLE_SIZE, "0");
    EXPECT_EQ(BluePixels(), 0);
    ExpectNoNonNumbers("binomial n = 0");
    Draw(10, 500); // the mean of the proportions near p
    EXPECT_NEAR(Text(IDC_SD_MEAN_OF_MEANS).toDouble(), 0.4, 0.02);
    SaveSnapshot(dorvane->grab().toImage(), "sd-binomial");
}

TEST_F(DorvaneWindow, NoReadoutShowsANonNumber) {
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
    ExpectNoNonNumbers("no spread, drawn");
    g_showTValues = 1;
    dorvane->RebinForOptions();
    dorvane->BringUpToDate();
    ExpectNoNonNumbers("no spread, t values");
    g_showTValues = 0;
    // A zero display scale.
    ApplyPreset(PresetShape::Normal);
    g_dispScale = 0.0f;
    Draw(10, 20);
    ExpectNoNonNumbers("display scale 0");
}
