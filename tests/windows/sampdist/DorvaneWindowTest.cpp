// The Dorvane window driven as a student drives it, one lesson step a test:
// a series drawn, counted by the slider and discarded; the fields with their
// limits and messages; the bin widths, the scroll bar and the selection; and
// no "nan" or "inf" in any readout.
#include "tests/windows/sampdist/DorvaneTestSupport.h"

#include <algorithm>
#include <vector>

namespace {

double ShownTwoDecimals(double v) {
    return QString::asprintf("%.2f", v).toDouble();
}

TEST_F(DorvaneWindow, ASeriesIsDrawnCountedByTheSliderAndDiscarded) {
    EXPECT_EQ(Text(IDC_SD_INTERVAL_WIDTH), QString::asprintf("%.3f", g_popSD)); // n = 1
    const int figures[] = {IDC_SD_TOTAL_DRAWN, IDC_SD_MEAN_OF_MEANS, IDC_SD_SD_OF_MEANS,
                           IDC_SD_MEAN_OF_SDS, IDC_SD_SD_OF_SDS};
    auto run = [&](int speedButton) {
        g_seedCarry = 0; // the same clock and carry give the same stream
        Draw(25, 400, speedButton);
        QStringList fields;
        for (int id : figures)
            fields << Text(id);
        return std::make_pair(fields, g_sdMemDC.copy(ToQRect(g_histRect)));
    };
    // Speed F and speed 4 leave the same picture and figures.
    const auto animated = run(IDC_SD_SPEED_4);
    const auto fast = run(IDC_SD_SPEED_F);
    EXPECT_EQ(fast.first, animated.first);
    EXPECT_EQ(fast.second, animated.second);
    // The figures, recounted from the stored samples (SDs with N - 1).
    auto meanSd = [](auto value) {
        double sum = 0, sumSq = 0;
        for (int r = 1; r <= 400; ++r)
            sum += value(g_sampleStore[r]),
                sumSq += value(g_sampleStore[r]) * value(g_sampleStore[r]);
        return std::make_pair(sum / 400, std::sqrt((sumSq - sum * sum / 400) / 399));
    };
    const auto [mm, sdm] = meanSd([](const SampleRow& s) { return double(s.mean); });
    const auto [ms, sds] = meanSd([](const SampleRow& s) { return double(s.sd); });
    EXPECT_EQ(fast.first,
              QStringList({"400", QString::asprintf("%.2f", mm), QString::asprintf("%.3f", sdm),
                           QString::asprintf("%.3f", ms), QString::asprintf("%.3f", sds)}));
    EXPECT_EQ(Text(IDC_SD_INTERVAL_WIDTH), QString::asprintf("%.3f", g_popSD / 5.0));
    EXPECT_NEAR(sdm, g_popSD / 5.0, 0.15 * g_popSD / 5.0);

    // One slider at the mean, "below": it counts the means at or below the
    // number its label shows; their columns are red, the others green.
    Sliders(0.0f);
    auto below = [](double at) {
        return CountOf([at](const SampleRow& s) { return s.mean <= at; });
    };
    const int atMean = below(ShownTwoDecimals(g_popMean));
    EXPECT_EQ(Number(IDC_SD_ACTUAL_NUMBER), atMean);
    EXPECT_EQ(Text(IDC_SD_Z_PROPORTION), "0.5000");
    std::vector<Rect> full; // columns of at least 3 samples, left to right
    for (int slot = 1; slot <= kSdColumnSlots; ++slot)
        if (!g_sdColumnRect[slot].IsEmpty() && g_meanHistogram[g_sdColumnBin[slot]] >= 3)
            full.push_back(g_sdColumnRect[slot]);
    ASSERT_GE(full.size(), 2u);
    const Rect lc = full.front(), rc = full.back();
    EXPECT_EQ(SdPixel(lc.left + 3, lc.top), kRed); // red up to its top
    EXPECT_EQ(SdPixel(rc.left + 3, g_sdAxisY - 1), kGreen);
    EXPECT_EQ(SdPixel(rc.left + 3, rc.top - 1), kPlotWhite);
    EXPECT_EQ(SdPixel(lc.right, g_sdAxisY - 1), kPlotWhite); // white between columns
    SaveSnapshot(g_sdMemDC.copy(0, 0, 624, 446), "sd-red-below");
    g_proportionAbove = 1; // "above" counts the other side
    dorvane->BringUpToDate();
    EXPECT_EQ(SdPixel(lc.left + 3, g_sdAxisY - 1), kGreen);
    EXPECT_EQ(SdPixel(rc.left + 3, g_sdAxisY - 1), kRed);
    EXPECT_EQ(Number(IDC_SD_ACTUAL_NUMBER), 400 - atMean);
    g_proportionAbove = 0;
    // Dragged one unit right, the slider counts the means up to its new label.
    const QPoint grip = Centre(g_leftSliderRect);
    DragSlider(true, grip.x() + 35);
    EXPECT_NEAR(Centre(g_leftSliderRect).x(), grip.x() + 35, 2); // the handle followed
    const QString label = QString::fromStdString(SliderLabelText(g_leftSliderZ, false));
    EXPECT_NEAR(label.mid(4).toDouble(), g_popMean + 1.0, 2.0 / 35);
    EXPECT_EQ(Number(IDC_SD_ACTUAL_NUMBER), below(label.mid(4).toDouble()));
    EXPECT_GT(Number(IDC_SD_ACTUAL_NUMBER), atMean);
    const float z = g_leftSliderZ; // with Shift held a move does not drag
    SendMove(dorvane.get(), grip + QPoint(80, 0), Qt::LeftButton, Qt::ShiftModifier);
    EXPECT_EQ(g_leftSliderZ, z);
    DragSlider(true, 5); // far past the left end: the slider stops at the axis start
    EXPECT_EQ(Text(IDC_SD_ACTUAL_NUMBER), "0");

    // A new sample size ends the series: no column, no figure of it; the
    // standard error stays, as it describes the sample size.
    Type(IDC_SD_SAMPLE_SIZE, "11");
    EXPECT_EQ(g_samplesDrawn, 0);
    for (int x = g_sdAxisLeft + 1; x < g_sdAxisRight; ++x)
        ASSERT_NE(SdPixel(x, g_sdAxisY - 1), kGreen) << x;
    for (int id : figures)
        EXPECT_EQ(Text(id), "") << id;
    EXPECT_EQ(Text(IDC_SD_INTERVAL_WIDTH), QString::asprintf("%.3f", g_popSD / std::sqrt(11.0)));
}

TEST_F(DorvaneWindow, FieldsRefuseWhatCannotBeDrawnWithTheirMessages) {
    Type(IDC_SD_SAMPLE_SIZE, "2000");
    EXPECT_EQ(messages, QStringList(kMsgSampleSizeTooLarge));
    EXPECT_EQ(Text(IDC_SD_SAMPLE_SIZE), "1000");
    EXPECT_EQ(Text(IDC_SD_INTERVAL_WIDTH), QString::asprintf("%.3f", g_popSD / std::sqrt(1000.0)));
    messages.clear();
    Type(IDC_SD_NUM_SAMPLES, "20000");
    EXPECT_EQ(messages, QStringList(kMsgTooManySamples));
    EXPECT_EQ(Text(IDC_SD_NUM_SAMPLES), "10000");
    messages.clear();
    Type(IDC_SD_SAMPLE_SIZE, "25"); // within the limits nothing is said
    Type(IDC_SD_NUM_SAMPLES, "300");
    EXPECT_TRUE(messages.isEmpty());

    // ADD MORE adds to the series, NEW SERIES starts again.
    Draw(4, 100);
    Click(IDC_SD_SERIES_MODE);
    EXPECT_EQ(Text(IDC_SD_SERIES_MODE), "ADD\nMORE");
    Click(IDC_SD_DRAW_SAMPLES);
    EXPECT_EQ(Text(IDC_SD_TOTAL_DRAWN), "200");
    double sum = 0; // the mean of all 200 means, not of the last 100
    for (int r = 1; r <= 200; ++r)
        sum += g_sampleStore[r].mean;
    EXPECT_EQ(Text(IDC_SD_MEAN_OF_MEANS), QString::asprintf("%.2f", sum / 200));
    Click(IDC_SD_SERIES_MODE);
    Click(IDC_SD_DRAW_SAMPLES);
    EXPECT_EQ(Text(IDC_SD_TOTAL_DRAWN), "100");
    // Enter in a field draws through the same checks as DRAW SAMPLES.
    auto* sampleSize = qobject_cast<QLineEdit*>(dorvane->Control(IDC_SD_SAMPLE_SIZE));
    Type(IDC_SD_SAMPLE_SIZE, "9");
    Type(IDC_SD_NUM_SAMPLES, "30");
    QTest::keyClick(sampleSize, Qt::Key_Enter, Qt::KeypadModifier);
    EXPECT_EQ(Text(IDC_SD_TOTAL_DRAWN), "30");
    ClearPopulation();
    messages.clear();
    QTest::keyClick(sampleSize, Qt::Key_Return);
    EXPECT_EQ(messages, QStringList(kMsgEmptyPopulation));
    EXPECT_EQ(g_samplesDrawn, 0);
    // A sample size of 0 may be typed, but not drawn with.
    ApplyPreset(PresetShape::Normal);
    messages.clear();
    Type(IDC_SD_SAMPLE_SIZE, "0");
    EXPECT_EQ(Text(IDC_SD_INTERVAL_WIDTH), "");
    Click(IDC_SD_DRAW_SAMPLES);
    EXPECT_EQ(messages, QStringList(kMsgSampleSizeTooSmall));
    EXPECT_EQ(g_samplesDrawn, 0);
}

TEST_F(DorvaneWindow, BinWidthsScrollTheAxisAndAClickOrAKeySelectsASample) {
    Draw(25, 301);
    auto* bar = qobject_cast<QScrollBar*>(dorvane->Control(IDC_SD_AXIS_SCROLL));
    Click(IDC_SD_BIN_NARROW);
    EXPECT_TRUE(bar->isVisible());
    EXPECT_EQ(bar->maximum(), 51);
    const int firstBin = g_sdColumnBin[1];
    bar->triggerAction(QAbstractSlider::SliderPageStepAdd); // axis and columns move
    EXPECT_EQ(dorvane->AxisScrollPos(), 21);
    EXPECT_EQ(g_sdColumnBin[1], firstBin + 20);
    Click(IDC_SD_BIN_FINEST);
    EXPECT_EQ(bar->maximum(), 151);
    EXPECT_EQ(dorvane->AxisScrollPos(), 63); // 21 at 0.1 is 63 at 0.05
    Click(IDC_SD_BIN_WIDE);
    EXPECT_FALSE(bar->isVisible());
    Click(IDC_SD_BIN_MEDIUM);
    EXPECT_FALSE(bar->isVisible());
    // The chosen width's button is drawn dark, the others light.
    for (auto [id, grey] : {std::pair{IDC_SD_BIN_MEDIUM, 150}, {IDC_SD_BIN_WIDE, 210}}) {
        const QImage face = dorvane->Control(id)->grab().toImage();
        EXPECT_EQ(PixelOf(face, face.width() / 2, face.height() / 2), Rgb(grey, grey, grey));
    }

    // A click at a column's foot selects a sample whose mean lies in its bin
    // (width 0.2: bin k holds (k - 1.5) / 5 up to (k - 0.5) / 5); its strip is black.
    int slot = 1;
    while (g_sdColumnRect[slot].IsEmpty() || g_meanHistogram[g_sdColumnBin[slot]] < 5)
        ++slot;
    const Rect c = g_sdColumnRect[slot];
    const QPoint at((c.left + c.right) / 2, g_sdAxisY - 2);
    QTest::mouseClick(dorvane.get(), Qt::LeftButton, Qt::NoModifier, at);
    ASSERT_EQ(g_sampleSelected, 1);
    const double mean = g_sampleStore[g_selectedSampleNo].mean;
    EXPECT_EQ(1 + static_cast<int>(std::floor(5 * mean + 0.5)), g_sdColumnBin[slot]) << mean;
    EXPECT_EQ(SdPixel(at.x(), g_sdSelectionRect.top), kBlack);
    SaveSnapshot(g_sdMemDC.copy(0, 0, 624, 446), "sd-selected");
    QTest::mouseClick(dorvane.get(), Qt::LeftButton, Qt::NoModifier, // beside the columns
                      QPoint(g_sdAxisRight - 3, g_histRect.top + 40));
    EXPECT_EQ(g_sampleSelected, 0);

    // The arrow keys walk the samples in the order of their means, from the
    // middle one: the k-th smallest mean of the store.
    std::vector<float> means;
    for (int r = 1; r <= 301; ++r)
        means.push_back(g_sampleStore[r].mean);
    std::sort(means.begin(), means.end());
    CFocusSpot* columns = dorvane->ColumnsSpot();
    columns->setFocus();
    for (auto [key, pos] : {std::pair{Qt::Key_Right, 151},
                            {Qt::Key_Right, 152},
                            {Qt::Key_Right, 153},
                            {Qt::Key_Left, 152},
                            {Qt::Key_End, 301},
                            {Qt::Key_Home, 1}}) {
        QTest::keyClick(columns, key);
        EXPECT_EQ(g_sampleStore[SelectedSampleRow()].mean, means[pos - 1]) << pos;
    }
    EXPECT_EQ(SdPixel((g_sdSelectionRect.left + g_sdSelectionRect.right) / 2,
                      g_sdSelectionRect.bottom - 1),
              kBlack);
    EXPECT_TRUE(columns->accessibleDescription().startsWith("Histogram of 301 sample means"));
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
    Options();
    ExpectNoNonNumbers("no spread, t values");
    g_showTValues = 0;
    ApplyPreset(PresetShape::Normal); // a zero display scale
    g_dispScale = 0.0f;
    Draw(10, 20);
    ExpectNoNonNumbers("display scale 0");
}

} // namespace
