// The Dorvane window driven as a student drives it, one lesson step a test:
// a series drawn, counted by the slider by mouse, key and typed value, and
// discarded; the fields with their limits and messages and no "nan" or "inf"
// in any readout; the bin widths, the selection and the pointer.
#include "tests/windows/sampdist/DorvaneTestSupport.h"

#include "ui/ValueEditor.h"

#include <QHelpEvent>
#include <QToolTip>
#include <algorithm>
#include <vector>

namespace {

TEST_F(DorvaneWindow, ASeriesIsDrawnCountedByTheSliderAndDiscarded) {
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
    EXPECT_EQ(fast.first.join(" "), animated.first.join(" "));
    EXPECT_TRUE(fast.second == animated.second) << "the pictures differ";
    // The figures, recounted from the stored samples (SDs with N - 1).
    double sum[2] = {}, sumSq[2] = {}; // of the means and of the SDs
    for (int r = 1; r <= 400; ++r) {
        const double x[2] = {g_sampleStore[r].mean, g_sampleStore[r].sd};
        for (int i : {0, 1})
            sum[i] += x[i], sumSq[i] += x[i] * x[i];
    }
    auto sd = [&](int i) { return std::sqrt((sumSq[i] - sum[i] * sum[i] / 400) / 399); };
    EXPECT_EQ(fast.first.join(" "), QString::asprintf("400 %.2f %.3f %.3f %.3f", sum[0] / 400,
                                                      sd(0), sum[1] / 400, sd(1)));

    // One slider at the mean, "below": it counts the means at or below the
    // number its label shows; their columns are red, the others green.
    Sliders(0.0f);
    auto below = [](double at) {
        return CountOf([at](const SampleRow& s) { return s.mean <= at; });
    };
    const int atMean = below(QString::asprintf("%.2f", g_popMean).toDouble());
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
    const float z = g_leftSliderZ; // with Shift held a move does not drag
    SendMove(dorvane.get(), grip + QPoint(80, 0), Qt::LeftButton, Qt::ShiftModifier);
    EXPECT_EQ(g_leftSliderZ, z);

    // Shift+Right and Right move the slider 11 pixels, as a drag there does.
    Sliders(0.0f);
    CFocusSpot* slider = dorvane->SliderSpot(true);
    const int start = SliderAxisPixel(true, 1);
    slider->setFocus();
    QTest::keyClick(slider, Qt::Key_Right, Qt::ShiftModifier);
    QTest::keyClick(slider, Qt::Key_Right);
    EXPECT_EQ(SliderAxisPixel(true, 1), start + 11);
    const auto keyed = std::make_pair(g_leftSliderZ, Text(IDC_SD_ACTUAL_NUMBER));
    Sliders(0.0f);
    DragSlider(true, start + 11);
    EXPECT_EQ(std::make_pair(g_leftSliderZ, Text(IDC_SD_ACTUAL_NUMBER)), keyed);
    QTest::keyClick(slider, Qt::Key_Left); // Left and Down go back
    QTest::keyClick(slider, Qt::Key_Down, Qt::ShiftModifier);
    EXPECT_EQ(SliderAxisPixel(true, 1), start);
    EXPECT_EQ(slider->accessibleDescription(),
              QString::fromStdString(SliderLabelText(g_leftSliderZ, false)));
    // Enter opens a field over the label, its number selected; a typed value
    // is put there and the focus goes back to the slider; a slip is refused
    // with a word, and Esc then leaves the slider where it was.
    CValueEditor* editor = dorvane->ValueEditor();
    QTest::keyClick(slider, Qt::Key_Return);
    ASSERT_TRUE(editor->IsOpen());
    EXPECT_TRUE(editor->geometry().intersects(ToQRect(dorvane->Plot().SliderLabelBox(true))));
    EXPECT_EQ(editor->selectedText(), QString::fromStdString(SliderNumberText(true)));
    QTest::keyClicks(editor, "6.25");
    QTest::keyClick(editor, Qt::Key_Return);
    EXPECT_EQ(QApplication::focusWidget(), slider);
    EXPECT_EQ(SliderLabelText(g_leftSliderZ, false), "x = 6.25");
    EXPECT_EQ(Number(IDC_SD_ACTUAL_NUMBER), below(6.25));
    const float typed = g_leftSliderZ;
    QTest::keyClick(slider, Qt::Key_Enter, Qt::KeypadModifier);
    QTest::keyClicks(editor, "six");
    QTest::keyClick(editor, Qt::Key_Return);
    EXPECT_EQ(messages, QStringList{kMsgTypedNotANumber});
    EXPECT_EQ(editor->selectedText(), "six");
    QTest::keyClick(editor, Qt::Key_Escape);
    EXPECT_FALSE(editor->IsOpen());
    EXPECT_EQ(g_leftSliderZ, typed);
    EXPECT_EQ(QApplication::focusWidget(), slider);
    QTest::mouseDClick(dorvane.get(), Qt::LeftButton, Qt::NoModifier,
                       Centre(dorvane->Plot().SliderLabelBox(true)));
    EXPECT_EQ(editor->IsOpen() ? editor->text() : "", "6.25");
    QTest::keyClick(editor, Qt::Key_Escape);
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

TEST_F(DorvaneWindow, FieldsRefuseWhatCannotBeDrawnAndNoReadoutShowsANonNumber) {
    const std::tuple<int, const char*, const char*, const char*> typed[] = {
        {IDC_SD_SAMPLE_SIZE, "2000", kMsgSampleSizeTooLarge, "1000"},
        {IDC_SD_NUM_SAMPLES, "20000", kMsgTooManySamples, "10000"},
        {IDC_SD_SAMPLE_SIZE, "25", "", "25"}}; // within the limits nothing is said
    for (const auto& [id, text, message, corrected] : typed) {
        messages.clear();
        Type(id, text);
        EXPECT_EQ(messages.join(""), message) << text;
        EXPECT_EQ(Text(id), corrected);
    }
    EXPECT_EQ(Text(IDC_SD_INTERVAL_WIDTH), QString::asprintf("%.3f", g_popSD / 5));

    // ADD MORE adds to the series, NEW SERIES starts again.
    Draw(4, 100);
    Click(IDC_SD_SERIES_MODE);
    EXPECT_EQ(Text(IDC_SD_SERIES_MODE), "ADD\nMORE");
    Click(IDC_SD_DRAW_SAMPLES);
    EXPECT_EQ(Text(IDC_SD_TOTAL_DRAWN), "200");
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
    // A sample size of 0 may be typed, but not drawn with; no standard error,
    // no t distribution, and no readout says "nan".
    ApplyPreset(PresetShape::Normal);
    messages.clear();
    Type(IDC_SD_SAMPLE_SIZE, "0");
    Click(IDC_SD_NORMAL_OUTLINE);
    EXPECT_EQ(Text(IDC_SD_INTERVAL_WIDTH) + Text(IDC_SD_T_PROPORTION), "");
    ExpectNoNonNumbers("n = 0, normal outline");
    Click(IDC_SD_DRAW_SAMPLES);
    EXPECT_EQ(messages, QStringList(kMsgSampleSizeTooSmall));
    EXPECT_EQ(g_samplesDrawn, 0);
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

// The offscreen platform cannot raise a tooltip and says so; on a display
// the tip shows without a word.
QtMessageHandler g_outer = nullptr;
void IgnoreRaiseLimit(QtMsgType type, const QMessageLogContext& context, const QString& text) {
    if (text.startsWith(QLatin1String("This plugin does not support"))) return;
    if (g_outer) g_outer(type, context, text);
}

TEST_F(DorvaneWindow, BinWidthsScrollTheAxisAndAClickOrAKeySelectsASample) {
    Draw(25, 301);
    auto* bar = qobject_cast<QScrollBar*>(dorvane->Control(IDC_SD_AXIS_SCROLL));
    Click(IDC_SD_BIN_NARROW);
    EXPECT_TRUE(bar->isVisible());
    const int firstBin = g_sdColumnBin[1];
    bar->triggerAction(QAbstractSlider::SliderPageStepAdd); // axis and columns move
    EXPECT_EQ(dorvane->AxisScrollPos(), 21);
    EXPECT_EQ(g_sdColumnBin[1], firstBin + 20);
    Click(IDC_SD_BIN_FINEST);
    EXPECT_EQ(bar->maximum(), 151);
    EXPECT_EQ(dorvane->AxisScrollPos(), 63); // 21 at 0.1 is 63 at 0.05
    Click(IDC_SD_BIN_WIDE);
    EXPECT_FALSE(bar->isVisible());
    Click(IDC_SD_BIN_NARROW); // a fixed width left the zoom alone: 63 at 0.05 is 21 at 0.1
    EXPECT_EQ(dorvane->AxisScrollPos(), 21);
    bar->setSliderPosition(51);
    Click(IDC_SD_BIN_FINEST); // 51 x 3 is past the end
    EXPECT_EQ(dorvane->AxisScrollPos(), 151);
    Click(IDC_SD_BIN_MEDIUM);
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
                            {Qt::Key_Left, 151},
                            {Qt::Key_End, 301},
                            {Qt::Key_Home, 1}}) {
        QTest::keyClick(columns, key);
        EXPECT_EQ(g_sampleStore[SelectedSampleRow()].mean, means[pos - 1]) << pos;
    }
    EXPECT_TRUE(columns->accessibleDescription().startsWith("Histogram of 301 sample means"));

    // The pointer shows what it is over, with words that say the keyboard's
    // way once; a drag keeps its cursor wherever the pointer goes.
    Sliders(0.0f);
    const std::tuple<QPoint, Qt::CursorShape, const char*> hovers[] = {
        {Centre(g_leftSliderRect), Qt::SizeHorCursor, "Drag along the axis to count the samples"},
        {Centre(dorvane->Plot().SliderLabelBox(true)), Qt::PointingHandCursor,
         "Double-click to type a value"},
        {QPoint(g_sdAxisLeft + 5, g_sdAxisY - 5), Qt::PointingHandCursor,
         "Click a column to select one of its samples"},
        {QPoint(10, 420), Qt::ArrowCursor, ""}};
    g_outer = qInstallMessageHandler(IgnoreRaiseLimit);
    for (const auto& [point, cursor, tip] : hovers) {
        SCOPED_TRACE(tip);
        SendMove(dorvane.get(), point, Qt::NoButton);
        EXPECT_EQ(dorvane->cursor().shape(), cursor);
        QHelpEvent help(QEvent::ToolTip, point, dorvane->mapToGlobal(point));
        QApplication::sendEvent(dorvane.get(), &help);
        EXPECT_EQ(help.isAccepted(), *tip != '\0'); // nothing to say: left unanswered
        if (*tip) {
            EXPECT_TRUE(QToolTip::text().startsWith(tip)) << QToolTip::text().toStdString();
            EXPECT_EQ(QToolTip::text().count("with the keyboard"), 1);
        }
    }
    QToolTip::hideText();
    qInstallMessageHandler(g_outer);
    QTest::mousePress(dorvane.get(), Qt::LeftButton, Qt::NoModifier, Centre(g_leftSliderRect));
    SendMove(dorvane.get(), QPoint(g_sdAxisLeft + 40, 30), Qt::LeftButton);
    EXPECT_EQ(dorvane->cursor().shape(), Qt::SizeHorCursor);
}

} // namespace
