// The Dorvane window driven as a student drives it, one lesson step a test:
// a series drawn, counted by the slider and discarded; the fields, and no
// "nan" or "inf" in any readout; bin widths, keys and pointer; the series
// seen as medians and variances, recounted from the samples' own values.
#include "tests/windows/sampdist/DorvaneTestSupport.h"

#include "ui/DrawnTexts.h"
#include "ui/ValueEditor.h"

#include <QHelpEvent>
#include <QMenu>
#include <QToolTip>
#include <algorithm>
#include <numeric>
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
    // number its label shows.
    Sliders(0.0f);
    auto below = [](double at) {
        return CountOf([at](const SampleRow& s) { return s.mean <= at; });
    };
    const int atMean = below(QString::asprintf("%.2f", g_popMean).toDouble());
    EXPECT_EQ(Number(IDC_SD_ACTUAL_NUMBER), atMean);
    EXPECT_EQ(Text(IDC_SD_Z_PROPORTION), "0.5000");
    SaveSnapshot(g_sdMemDC.copy(0, 0, 624, 446), "sd-red-below");
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

    // A new sample size ends the series: no column of it is left; the
    // standard error stays, as it describes the sample size.
    Type(IDC_SD_SAMPLE_SIZE, "11");
    for (int x = g_sdAxisLeft + 1; x < g_sdAxisRight; ++x)
        ASSERT_NE(SdPixel(x, g_sdAxisY - 1), kGreen) << x;
    EXPECT_EQ(Text(IDC_SD_INTERVAL_WIDTH), QString::asprintf("%.3f", g_popSD / std::sqrt(11.0)));
}

TEST_F(DorvaneWindow, FieldsRefuseWhatCannotBeDrawnAndNoReadoutShowsANonNumber) {
    Type(IDC_SD_SAMPLE_SIZE, "2000");
    EXPECT_EQ(messages, QStringList(kMsgSampleSizeTooLarge));
    EXPECT_EQ(Text(IDC_SD_SAMPLE_SIZE), "1000");
    Type(IDC_SD_SAMPLE_SIZE, "25");
    EXPECT_EQ(Text(IDC_SD_INTERVAL_WIDTH), QString::asprintf("%.3f", g_popSD / 5));
    // Enter in a field draws, as DRAW SAMPLES does.
    Type(IDC_SD_NUM_SAMPLES, "30");
    QTest::keyClick(dorvane->Control(IDC_SD_SAMPLE_SIZE), Qt::Key_Enter, Qt::KeypadModifier);
    EXPECT_EQ(Text(IDC_SD_TOTAL_DRAWN), "30");
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
    // No spread, no theory: the curve option greyed, saying why, until a
    // population with spread comes.
    QWidget* curveOption = dorvane->Control(IDC_SD_NORMAL_OUTLINE);
    EXPECT_FALSE(curveOption->isEnabled());
    EXPECT_EQ(curveOption->toolTip(), "The population has no spread to draw from.");
    g_showTValues = 0;
    ApplyPreset(PresetShape::Normal); // a zero display scale
    g_dispScale = 0.0f;
    Draw(10, 20);
    ExpectNoNonNumbers("display scale 0");
    EXPECT_TRUE(curveOption->isEnabled());
}

// The offscreen platform cannot raise a tooltip and says so; on a display
// the tip shows without a word.
QtMessageHandler g_outer = nullptr;
void IgnoreRaiseLimit(QtMsgType type, const QMessageLogContext& context, const QString& text) {
    if (text.startsWith(QLatin1String("This plugin does not support"))) return;
    if (g_outer) g_outer(type, context, text);
}

TEST_F(DorvaneWindow, BinWidthsScrollTheAxisAndAKeySelectsASample) {
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

    // The arrow keys walk the samples in the order of their means, from the
    // middle one: the k-th smallest mean of the store.
    std::vector<float> means;
    for (int r = 1; r <= 301; ++r)
        means.push_back(g_sampleStore[r].mean);
    std::sort(means.begin(), means.end());
    CFocusSpot* columns = dorvane->ColumnsSpot();
    columns->setFocus();
    for (auto [key, pos] : {std::pair{Qt::Key_Right, 151},
                            {Qt::Key_Left, 150},
                            {Qt::Key_End, 301},
                            {Qt::Key_Home, 1}}) {
        QTest::keyClick(columns, key);
        EXPECT_EQ(g_sampleStore[SelectedSampleRow()].mean, means[pos - 1]) << pos;
    }
    EXPECT_TRUE(columns->accessibleDescription().startsWith("Histogram of 301 sample means"));

    // The pointer shows what it is over, and says so in words; a drag keeps
    // its cursor wherever the pointer goes.
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
        EXPECT_TRUE(QToolTip::text().startsWith(tip)) << QToolTip::text().toStdString();
    }
    QToolTip::hideText();
    qInstallMessageHandler(g_outer);
    QTest::mousePress(dorvane.get(), Qt::LeftButton, Qt::NoModifier, Centre(g_leftSliderRect));
    SendMove(dorvane.get(), QPoint(g_sdAxisLeft + 40, 30), Qt::LeftButton);
    EXPECT_EQ(dorvane->cursor().shape(), Qt::SizeHorCursor);
}

constexpr int kN = 5, kSamples = 1000;

// The sample's median and variances (divisor n - 1), from its sorted values.
double MedianOf(int r) {
    std::vector<double> v(g_sampleStore[r].values + 1, g_sampleStore[r].values + 1 + kN);
    std::sort(v.begin(), v.end());
    return v[kN / 2];
}
double VarianceOf(int r) {
    const float* v = g_sampleStore[r].values + 1;
    double mean = 0, squares = 0;
    for (int i = 0; i < kN; ++i)
        mean += v[i] / double{kN};
    for (int i = 0; i < kN; ++i)
        squares += (v[i] - mean) * (v[i] - mean);
    return squares / (kN - 1);
}
// Bin of a place on the axis at the 0.2 width: bin 1 holds -0.1 .. 0.1.
int BinAt(double axis) {
    return static_cast<int>(std::floor((axis + 0.1) / 0.2)) + 1;
}
bool Drawn(const QString& text) {
    for (const DrawnText& t : DrawnTexts())
        if (t.text == text) return true;
    return false;
}

TEST_F(DorvaneWindow, MediansAndVariancesOfOneSeriesStandOnTheirOwnAxes) {
    g_seedCarry = 0;
    Draw(kN, kSamples);
    auto* chooser = dorvane->findChild<QPushButton*>("statistic");
    ASSERT_NE(chooser, nullptr);
    const std::vector<int> meanColumns(g_meanHistogram, g_meanHistogram + 52);

    // value of sample r, where the axis puts it (median: the population's
    // scale; variances: 10 axis units for 50), title, and the names a screen
    // reader hears for the first readout and the curve option.
    struct Case {
        int index;
        std::function<double(int)> value;
        double axisPerUnit;
        QString title, readout, curve;
    };
    const double nShare = (kN - 1.0) / kN;
    const Case cases[] = {
        {1, MedianOf, 1.0, "Distribution of Sample Medians", "Mean of the sample medians",
         "Normal curve outline"},
        {4, [&](int r) { return nShare * VarianceOf(r); }, 0.2,
         "Distribution of Sample Variances (n)", "Mean of the sample variances (n)",
         "Theory curve outline"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.title.toStdString());
        RecordDrawnTexts(true);
        chooser->menu()->actions()[c.index]->trigger();
        EXPECT_TRUE(Drawn(c.title));
        EXPECT_EQ(dorvane->Control(IDC_SD_NORMAL_OUTLINE)->accessibleName(), c.curve);
        std::vector<int> expected(52, 0);
        double sum = 0;
        for (int r = 1; r <= kSamples; ++r) {
            const int bin = BinAt(c.value(r) * c.axisPerUnit);
            if (bin >= 1 && bin <= 51) ++expected[bin];
            sum += c.value(r);
        }
        EXPECT_EQ(std::vector<int>(g_meanHistogram, g_meanHistogram + 52), expected);
        EXPECT_NEAR(Text(IDC_SD_MEAN_OF_MEANS).toDouble(), sum / kSamples, 0.0015);
        EXPECT_EQ(dorvane->Control(IDC_SD_MEAN_OF_MEANS)->accessibleName(),
                  c.readout + ": " + Text(IDC_SD_MEAN_OF_MEANS));
        EXPECT_EQ(Number(IDC_SD_TOTAL_DRAWN), kSamples); // the series stayed
        EXPECT_EQ(Text(IDC_SD_INTERVAL_WIDTH), "");      // sigma / sqrt(n) is the mean's

        // A click at the foot of the tallest column selects the sample of that
        // column with the smallest value: the column stacks them in order.
        const int tallest =
            int(std::max_element(expected.begin(), expected.end()) - expected.begin());
        int slot = 1;
        while (slot < kSdColumnSlots && g_sdColumnBin[slot] != tallest)
            ++slot;
        const Rect column = g_sdColumnRect[slot];
        QTest::mouseClick(dorvane.get(), Qt::LeftButton, Qt::NoModifier,
                          QPoint((column.left + column.right) / 2, g_sdAxisY - 1));
        ASSERT_NE(g_selectedSample, 0);
        const double picked = c.value(g_selectedSample);
        EXPECT_EQ(BinAt(picked * c.axisPerUnit), tallest);
        for (int r = 1; r <= kSamples; ++r) {
            if (BinAt(c.value(r) * c.axisPerUnit) == tallest) {
                EXPECT_GE(c.value(r), picked - 1e-6);
            }
        }
    }

    // Variance (n): the blue mark of sigma squared stands at sigma^2 on its axis.
    const double sigma2 = double{g_popSD} * g_popSD;
    EXPECT_TRUE(Drawn(QString::asprintf("\u03c3\u00b2 = %.2f", sigma2)));
    const int markX = g_sdAxisLeft + int((3.0 + 35.0 * 0.2 * sigma2) * g_sdScaleX);
    EXPECT_EQ(SdPixel(markX, g_sdPlotTop + 3), kBlue);
    SaveSnapshot(g_sdMemDC, "variance-n");

    // Back to the mean: the same columns as before, under the mean's title.
    chooser->menu()->actions()[0]->trigger();
    EXPECT_TRUE(Drawn("Distribution of Sample Means"));
    EXPECT_EQ(std::vector<int>(g_meanHistogram, g_meanHistogram + 52), meanColumns);
    EXPECT_FALSE(Text(IDC_SD_INTERVAL_WIDTH).isEmpty());

    // Variances chosen before a run of single values: none has one, which is
    // said, counted out and left empty where the run wrote its means' figures.
    RecordDrawnTexts(true);
    chooser->menu()->actions()[3]->trigger();
    Draw(1, 40);
    EXPECT_TRUE(Drawn("40 samples of one value have no s\u00b2;"));
    RecordDrawnTexts(false);
    EXPECT_EQ(std::accumulate(g_meanHistogram, g_meanHistogram + kHistogramBins + 1, 0), 0);
    EXPECT_EQ(Text(IDC_SD_MEAN_OF_MEANS), "");
    ExpectNoNonNumbers("variance of n = 1");
}

} // namespace
