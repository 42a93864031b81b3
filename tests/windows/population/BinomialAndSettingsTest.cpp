// The binomial window's buttons, bars and keys; the settings dialog's SET,
// CANCEL, DEFAULT, Enter and Esc, and what SET refuses with which message.
#include "tests/windows/population/PopulationTestSupport.h"

#include "ui/FocusRing.h"

#include <cstdlib>

namespace {

TEST_F(PopulationWindowTest, BinomialButtonsBarsAndKeysSetP) {
    SwitchToBinomial();
    auto p = [] { return NumberBeside(MarkerLabels(300), "p"); };
    EXPECT_EQ(binomial->Button(11)->text(), ".50");
    g_samplesDrawn = 4;
    Press(11);
    EXPECT_EQ(Heights(0, 1), (std::vector<int>{130, 130}));
    EXPECT_EQ(g_samplesDrawn, 0);
    EXPECT_EQ(p(), "0.500");
    // The SD bar spans the whole axis, so its label stands to the left of it.
    EXPECT_EQ(Texts(MarkerLabels(300)).indexOf(QString::fromUtf8(" = \u03c3")) >= 0, true);
    EXPECT_EQ(NumberBeside(MarkerLabels(300), QString::fromUtf8("\u03c3")), "0.500");
    EXPECT_EQ(Texts(BinomialAxisLabels()).join(' '), "0 .1 .2 .3 .4 .5 .6 .7 .8 .9 1.0");
    // Bars grey 150 to one pixel above the axis; the p line blue at x(0.5) =
    // 150; the window around the plot grey 190.
    for (auto [x, y, rgb] : {std::tuple{100, 141, Rgb(150, 150, 150)},
                             {100, 269, Rgb(250, 250, 250)},
                             {150, 60, Rgb(0, 0, 255)},
                             {5, 400, Rgb(190, 190, 190)}})
        EXPECT_EQ(Pixel(x, y), rgb) << x << "," << y;
    SaveSnapshot(binomial->grab().toImage(), "binomial-050");
    for (int id = IDC_BINOMIAL_P_FIRST; id <= IDC_BINOMIAL_P_LAST; ++id) {
        Press(id); // .05 steps of the 260-pixel bar
        EXPECT_EQ(Heights(0, 1), (std::vector<int>{260 - 13 * (id - 1), 13 * (id - 1)})) << id;
    }
    EXPECT_EQ(Texts(MarkerLabels(300)).indexOf(" = p") >= 0, true); // 1.00: mirrored
    EXPECT_EQ(p(), "1.000");

    // A sample being drawn of 4, 3 successes: grey 190 blocks in the bars, a
    // quarter and three quarters of the 260-pixel full height.
    g_seriesSampleSize = 4;
    g_currentSampleNo = 1;
    g_sampleStore[1].columnCounts[1] = 1;
    g_sampleStore[1].columnCounts[2] = 3;
    binomial->MarkSample(2);
    for (auto [x, height] : {std::pair{100, 65}, {200, 195}}) {
        EXPECT_EQ(Pixel(x, g_popBaseline - height + 1), Rgb(190, 190, 190)) << x;
        EXPECT_NE(Pixel(x, g_popBaseline - height - 2), Rgb(190, 190, 190)) << x;
    }
    // Dragging either bar moves the other; the hovered top is black and let
    // go when the pointer leaves; a move with Shift held changes nothing.
    Press(11);
    const Rect success = binomial->HandleRect(2);
    ASSERT_EQ(success, (Rect{150, 131, 249, 149}));
    SendMove(binomial.get(), Centre(success), Qt::NoButton);
    EXPECT_EQ(Pixel(200, 135), Rgb(0, 0, 0));
    QEvent leave(QEvent::Leave);
    QApplication::sendEvent(binomial.get(), &leave);
    EXPECT_EQ(Pixel(200, 135), Rgb(250, 250, 250));
    Drag(binomial.get(), Centre(success), {QPoint(200, 120), QPoint(200, 100)});
    EXPECT_EQ(Heights(0, 1), (std::vector<int>{90, 170}));
    EXPECT_EQ(p(), QString::asprintf("%.3f", 170.0 / 260.0));
    Drag(binomial.get(), Centre(binomial->HandleRect(1)), {QPoint(100, -30)});
    EXPECT_EQ(Heights(0, 1), (std::vector<int>{260, 0}));
    QTest::mousePress(binomial.get(), Qt::LeftButton, Qt::NoModifier,
                      Centre(binomial->HandleRect(1)));
    SendMove(binomial.get(), QPoint(100, 200), Qt::LeftButton, Qt::ShiftModifier);
    EXPECT_EQ(Heights(0, 0)[0], 260);
    QTest::mouseRelease(binomial.get(), Qt::LeftButton, Qt::NoModifier, QPoint(100, 200));

    // Up and Down on the successes bar set p as a drag of its top does.
    Press(IDC_BINOMIAL_P_FIRST + 7); // p = .40
    const std::vector<int> start(g_popCurve, g_popCurve + kCurveSlots);
    CFocusSpot* bars = binomial->BarSpot();
    EXPECT_EQ(binomial->KeyBar(), 2);
    bars->setFocus();
    QTest::keyClick(bars, Qt::Key_Up, Qt::ShiftModifier);
    QTest::keyClick(bars, Qt::Key_Up, Qt::ShiftModifier);
    const std::vector<int> keyed(g_popCurve, g_popCurve + kCurveSlots);
    EXPECT_GT(g_popMean, 0.4f);
    std::copy(start.begin(), start.end(), g_popCurve);
    RecomputePopulationParameters();
    binomial->RedrawBinomial();
    const QPoint grip = Centre(binomial->HandleRect(2));
    Drag(binomial.get(), grip, {QPoint(grip.x(), start[2] - 20)});
    EXPECT_EQ(std::vector<int>(g_popCurve, g_popCurve + kCurveSlots), keyed);
    // Left chooses the failures bar, which raised lowers p.
    const float before = g_popMean;
    QTest::keyClick(bars, Qt::Key_Left);
    EXPECT_EQ(binomial->KeyBar(), 1);
    const QRect failures = ToQRect(binomial->HandleRect(1));
    EXPECT_TRUE(bars->geometry().left() <= failures.left() &&
                bars->geometry().right() >= failures.right());
    QTest::keyClick(bars, Qt::Key_Up);
    EXPECT_LT(g_popMean, before);
    // At p = 0 the successes bar is empty: its ring still ends above the axis
    // labels (their tops 2 pixels under the baseline).
    SetBinomialP(0.0f);
    binomial->RedrawBinomial();
    QTest::keyClick(bars, Qt::Key_Right);
    const QRect ring = bars->geometry().adjusted(-kFocusRingOutset, -kFocusRingOutset,
                                                 kFocusRingOutset, kFocusRingOutset);
    EXPECT_LT(ring.bottom(), g_popBaseline + 2);
    const int successesX = ToQRect(binomial->HandleRect(2)).center().x();
    EXPECT_TRUE(ring.left() <= successesX && successesX <= ring.right());
    Press(IDC_BINOMIAL_CLEAR);
    EXPECT_EQ(Heights(0, 1), (std::vector<int>{0, 0}));
    EXPECT_EQ(p(), "0.000");
    EXPECT_TRUE(ShowsNoNonNumber(MarkerLabels(300)));
}

// Equal weight on the values 3 and 7: mean 5, SD 2.
void TwoValues() {
    ClearPopulationCurve();
    g_popCurve[1 + 15] = g_popCurve[1 + 35] = 170;
    RecomputePopulationParameters();
}

TEST_F(PopulationWindowTest, SettingsSetCancelAndDefault) {
    TwoValues();
    settings->show();
    EXPECT_EQ(settings->windowTitle(), "Population Settings");
    Set("100", "15");
    EXPECT_TRUE(messages.isEmpty());
    EXPECT_EQ(ShownValue(7.0f), 115.0f);
    EXPECT_EQ(NumberBeside(MarkerLabels(300), QString::fromUtf8("\u03bc")), "100.00");
    EXPECT_TRUE(views.ciRedraws > 0 && views.samplesRedraws > 0); // every window redrawn
    // The axis still runs from 62.5 (x = 50) to 137.5 (x = 250); its labels
    // stand at round tens, each centred under its own value.
    const std::vector<LabelPiece> axis = MeasurementAxisLabels();
    EXPECT_EQ(Texts(axis).join(' '), "70 80 90 100 110 120 130");
    const QFontMetrics metrics(g_fontArial7_5);
    for (const LabelPiece& l : axis)
        EXPECT_EQ(l.x + metrics.horizontalAdvance(l.text) / 2,
                  50 + static_cast<int>(200 * (l.text.toDouble() - 62.5) / 75));
    SaveSnapshot(population->grab().toImage(), "settings-set-100-15");
    // CANCEL after typing, and Esc, put back what is shown; Esc closes.
    TypeInto(settings->MeanField(), "abc");
    QTest::mouseClick(settings->Button(IDC_SETTINGS_CANCEL), Qt::LeftButton);
    EXPECT_EQ(settings->MeanField()->text(), "100.00");
    settings->show();
    TypeInto(settings->MeanField(), "7");
    QTest::keyClick(settings->MeanField(), Qt::Key_Escape);
    EXPECT_EQ(settings->MeanField()->text(), "100.00");
    EXPECT_FALSE(settings->isVisible());
    EXPECT_EQ(g_dispScale, 7.5f);
    // Enter sets; Enter on a focused button presses that button, not SET.
    settings->show();
    TypeInto(settings->MeanField(), "50");
    QTest::keyClick(settings->SdField(), Qt::Key_Return);
    EXPECT_FLOAT_EQ(ShownValue(g_popMean), 50.0f);
    QPushButton* byDefault = settings->Button(IDC_SETTINGS_DEFAULT);
    byDefault->setFocus();
    QTest::keyClick(byDefault, Qt::Key_Return);
    EXPECT_EQ(settings->SdField()->text(), "2.000"); // the internal scale again
    EXPECT_EQ(Texts(MeasurementAxisLabels()).size(), 11);
    // The population's own values change nothing; an empty SD collapses the axis.
    Set(QString::number(g_popMean, 'g', 9), QString::number(g_popSD, 'g', 9));
    EXPECT_EQ(g_dispScale, 1.0f);
    Set("50", "");
    EXPECT_EQ(Texts(MeasurementAxisLabels()), QStringList("50.00"));
    Set("50", "1e-400"); // too small for a double: 0, as an empty field
    EXPECT_EQ(g_dispScale, 0.0f);
    EXPECT_TRUE(messages.isEmpty());
}

TEST_F(PopulationWindowTest, SetRefusesWhatThePictureCannotShow) {
    TwoValues();
    settings->show();
    Set("100", "15");
    const std::vector<float> set = Transform();
    const char* refused[][3] = {
        {"100", "abc", kMsgSettingsNotNumbers},    {"x1", "15", kMsgSettingsNotNumbers},
        {"100", "inf", kMsgSettingsNotNumbers},    {"nan", "15", kMsgSettingsNotNumbers},
        {"100", "1e999", kMsgSettingsTooLarge},    {"-1e40", "15", kMsgSettingsTooLarge},
        {"1000000.5", "15", kMsgSettingsTooLarge}, {"-2e6", "3", kMsgSettingsTooLarge},
        {"5", "1000001", kMsgSettingsTooLarge},    {"100", "-15", kMsgNegativeSD},
        {"100", "-0.001", kMsgNegativeSD}};
    for (const auto& c : refused) {
        messages.clear();
        Set(c[0], c[1]);
        EXPECT_EQ(messages, QStringList(c[2])) << c[0] << " " << c[1];
        EXPECT_EQ(Transform(), set) << c[0] << " " << c[1];
        EXPECT_TRUE(ShowsNoNonNumber(MeasurementAxisLabels()));
    }
    // Taken: text after a number is ignored, as the C conversion reads it;
    // every label stays whole inside the window.
    for (auto [mean, sd, scale] : {std::tuple{"  +20 units", "4xyz", 2.0f},
                                   {"1000", "150", 75.0f},
                                   {"-250", "20", 10.0f},
                                   {"0.001", "0.0005", 0.00025f},
                                   {"250000", "50000", 25000.0f},
                                   {"-40000", "3", 1.5f},
                                   {"-1000000", "1000000", 500000.0f}}) {
        messages.clear();
        Set(mean, sd);
        EXPECT_TRUE(messages.isEmpty()) << mean << " " << sd;
        EXPECT_FLOAT_EQ(g_dispToMean, std::atof(mean));
        EXPECT_FLOAT_EQ(g_dispScale, scale) << mean;
        ExpectInside(MeasurementAxisLabels(), population->width(), mean);
        ExpectInside(MarkerLabels(population->width()), population->width(), mean);
    }
    // No spread (empty, or all its weight in one column): refused, unless the
    // SD is negative, which is said first.
    ASSERT_TRUE(ChooseFromShapeMenu(population.get(), ID_SHAPE_CLEAR));
    const std::vector<float> identity = Transform();
    for (const char* sd : {"15", "-2"}) {
        messages.clear();
        Set("100", sd);
        EXPECT_EQ(messages, QStringList(*sd == '-' ? kMsgNegativeSD : kMsgNoSpread)) << sd;
        EXPECT_EQ(Transform(), identity);
    }
    g_popCurve[1 + 25] = 100, RecomputePopulationParameters();
    messages.clear();
    Set("100", "15");
    EXPECT_EQ(messages, QStringList(kMsgNoSpread));
    EXPECT_TRUE(ShowsNoNonNumber(MarkerLabels(300)));
}

} // namespace
