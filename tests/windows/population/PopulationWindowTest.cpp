// The population windows driven as a student would: presets from the pop-up
// menu and the picture buttons, dragging the handles, the pixels; the
// binomial window's buttons and bars; SET, DEFAULT and CANCEL of the settings.

#include "tests/windows/population/PopulationTestSupport.h"

#include <QTest>

namespace {

TEST_F(PopulationWindowTest, EveryPresetFromTheMenuAndThePictureButtonsForBothKinds) {
    const int commands[] = {ID_SHAPE_BIMODAL,   ID_SHAPE_NORMAL,   ID_SHAPE_SKEW_MINUS,
                            ID_SHAPE_SKEW_PLUS, ID_SHAPE_TRIMODAL, ID_SHAPE_U_SHAPED,
                            ID_SHAPE_UNIFORM};
    const PresetShape shapes[] = {PresetShape::Bimodal,     PresetShape::Normal,
                                  PresetShape::SkewedMinus, PresetShape::SkewedPlus,
                                  PresetShape::Trimodal,    PresetShape::UShaped,
                                  PresetShape::Uniform};
    for (const bool discrete : {false, true}) {
        if (discrete) SwitchToDiscrete();
        const int last = discrete ? 10 : 50;
        for (int k = 0; k < 7; ++k) {
            const PresetShape shape = shapes[k];
            SCOPED_TRACE(PresetName(shape));
            ASSERT_TRUE(ChooseFromShapeMenu(population.get(), commands[k]));
            const std::vector<int> chosen = Heights(0, 50);
            EXPECT_EQ(population->PopulationName(), QString::fromLatin1(PresetName(shape)));
            EXPECT_EQ(settings->SdText(), QString::asprintf("  %.3f", g_popSD));
            EXPECT_TRUE(ShowsNoNonNumber(MarkerLabels(population->width())));
            ApplyPreset(shape); // the shape the core gives for this kind
            EXPECT_EQ(chosen, Heights(0, 50));
            EXPECT_EQ(Heights(last + 1, 50), std::vector<int>(50 - last, 0));
        }
        for (int i = 0; i < kPictureButtonCount; ++i) {
            SCOPED_TRACE(kPictureButtonIds[i]);
            QTest::mouseClick(population->PictureButton(kPictureButtonIds[i]), Qt::LeftButton);
            EXPECT_EQ(population->PopulationName(), QStringLiteral("DISTRIBUTION"));
            const int* table = discrete ? kDiscretePictureHeights[i] : kContinuousPictureHeights[i];
            EXPECT_EQ(Heights(0, last), std::vector<int>(table, table + last + 1));
        }
        SaveSnapshot(population->grab().toImage(), discrete ? "pop-discrete" : "pop-continuous");

        // Dismissing the menu or clicking elsewhere changes nothing; CLEAR empties.
        const std::vector<int> before = Heights(0, 50);
        EXPECT_TRUE(ChooseFromShapeMenu(population.get(), 0));
        QTest::mouseClick(population.get(), Qt::LeftButton, Qt::NoModifier, QPoint(60, 360));
        EXPECT_EQ(Heights(0, 50), before);
        ASSERT_TRUE(ChooseFromShapeMenu(population.get(), ID_SHAPE_CLEAR));
        EXPECT_EQ(Heights(0, 50), std::vector<int>(51, 0));
        EXPECT_EQ(settings->MeanText(), QString());
    }
}

TEST_F(PopulationWindowTest, DraggingHandlesMakesThePeakTheValleyAndTheStaircase) {
    const Rect handle6 = population->HandleRect(6);
    ASSERT_EQ(handle6, (Rect{147, 266, 153, 273}));
    population->SetPopulationName(QStringLiteral("NORMAL"));
    g_samplesDrawn = 3;
    Drag(population.get(), Centre(handle6), {QPoint(150, 200), QPoint(150, 70)});
    EXPECT_EQ(Heights(20, 30), (std::vector<int>{0, 11, 33, 166, 188, 200, 189, 167, 34, 12, 0}));
    EXPECT_EQ(population->PopulationName(), QStringLiteral("DISTRIBUTION"));
    EXPECT_EQ(g_samplesDrawn, 0);
    EXPECT_EQ(settings->MeanText(), QStringLiteral("  5.00"));
    EXPECT_GT(views.ciRedraws, 0);
    SaveSnapshot(population->grab().toImage(), "pop-drag-peak");
    // Filled grey 210 inside, white above; the handle red; the mean line blue
    // at x(5) = 150, a quartile line green at x(4.8).
    EXPECT_EQ(Pixel(148, 200), Rgb(210, 210, 210));
    EXPECT_EQ(Pixel(148, 60), Rgb(250, 250, 250));
    EXPECT_EQ(Pixel(148, 67), Rgb(255, 0, 0));
    EXPECT_EQ(Pixel(146, 200), Rgb(0, 255, 100));
    EXPECT_EQ(Pixel(150, 30), Rgb(0, 0, 255));
    EXPECT_EQ(Pixel(151, 30), Rgb(250, 250, 250));

    // Every handle to 200, then the middle one down to the axis: the valley.
    for (int j = 1; j <= 11; ++j)
        Drag(population.get(), Centre(population->HandleRect(j)), {QPoint(0, 70)});
    Drag(population.get(), Centre(population->HandleRect(6)), {QPoint(150, 270)});
    EXPECT_EQ(Heights(20, 30), (std::vector<int>{200, 189, 167, 34, 12, 0, 11, 33, 166, 188, 200}));

    // Handles 0, 20, ..., 200: eases in, runs straight, eases out.
    for (int j = 1; j <= 11; ++j)
        Drag(population.get(), Centre(population->HandleRect(j)), {QPoint(0, 270 - 20 * (j - 1))});
    EXPECT_EQ(Heights(0, 5), (std::vector<int>{0, 1, 3, 6, 12, 20}));
    for (int c = 5; c <= 45; ++c)
        EXPECT_EQ(Height(c), 4 * c) << "column " << c;
    EXPECT_EQ(Heights(46, 50), (std::vector<int>{187, 193, 196, 198, 200}));

    // Above the plot the column stops at y = 10, below the axis at the baseline.
    Drag(population.get(), Centre(population->HandleRect(3)), {QPoint(90, -40)});
    EXPECT_EQ(g_popCurve[11], 10);
    Drag(population.get(), Centre(population->HandleRect(3)), {QPoint(90, 420)});
    EXPECT_EQ(g_popCurve[11], 270);
}

TEST_F(PopulationWindowTest, DragFollowsOnlyTheLeftButtonAlone) {
    QTest::mousePress(population.get(), Qt::LeftButton, Qt::NoModifier,
                      Centre(population->HandleRect(4)));
    QTest::mouseMove(population.get(), QPoint(90, 170));
    EXPECT_EQ(Height(15), 100);
    SendMove(population.get(), QPoint(90, 120), Qt::LeftButton, Qt::ShiftModifier);
    SendMove(population.get(), QPoint(90, 120), Qt::LeftButton | Qt::RightButton);
    EXPECT_EQ(Height(15), 100);
    QTest::mouseMove(population.get(), QPoint(90, 150)); // the left button alone again
    EXPECT_EQ(Height(15), 120);
    QTest::mouseRelease(population.get(), Qt::LeftButton, Qt::NoModifier, QPoint(90, 150));

    // No button-up handler: the grab lasts until the next press in the window.
    SendMove(population.get(), QPoint(90, 140), Qt::LeftButton);
    EXPECT_EQ(Height(15), 130);
    QTest::mouseClick(population.get(), Qt::LeftButton, Qt::NoModifier, QPoint(280, 30));
    EXPECT_FALSE(population->IsDragging());
}

TEST_F(PopulationWindowTest, DiscreteHoverAndDrag) {
    SwitchToDiscrete();
    const Rect handle4 = population->HandleRect(4);
    ASSERT_EQ(handle4, (Rect{101, 267, 119, 273}));
    SendMove(population.get(), Centre(handle4), Qt::NoButton);
    EXPECT_EQ(population->HoverIndex(), 4);
    EXPECT_EQ(Pixel(110, 268), Rgb(0, 0, 0)); // the hovered handle is black
    Drag(population.get(), Centre(handle4), {QPoint(110, 170)});
    EXPECT_EQ(Heights(2, 4), (std::vector<int>{0, 100, 0})); // no ramps between bars
    EXPECT_FLOAT_EQ(g_popMean, 3.0f);
    EXPECT_EQ(settings->MeanText(), QString()); // a discrete drag leaves the fields alone
    EXPECT_EQ(Pixel(103, 200), Rgb(150, 150, 150));
}

TEST_F(PopulationWindowTest, MarkersLabelsAndSampleMarks) {
    // Symmetric NORMAL: labels right of their lines, the mean's number right
    // after its word, whose space keeps them apart.
    ASSERT_TRUE(ChooseFromShapeMenu(population.get(), ID_SHAPE_NORMAL));
    const std::vector<LabelPiece> labels = MarkerLabels(population->width());
    const int mean = Texts(labels).indexOf(QString::fromUtf8("\u03bc = "));
    ASSERT_GE(mean, 0);
    EXPECT_EQ(labels[mean].x, 150);
    EXPECT_EQ(labels[mean + 1].x,
              150 + QFontMetrics(g_fontSymbol8).horizontalAdvance(QString::fromUtf8("\u03bc = ")));
    EXPECT_TRUE(Texts(labels).contains(QStringLiteral(" = Q1"))); // Q1 always on the left

    // Marks of a sample's values, gone at the next redraw; out-of-range ones ignored.
    population->MarkSample(1);
    population->MarkSample(0);
    population->MarkSample(99);
    EXPECT_EQ(Pixel(46, 265), Rgb(190, 190, 190));
    population->RedrawCurve();
    EXPECT_NE(Pixel(46, 265), Rgb(190, 190, 190));

    // The window's own handlers: moved makes it the one used last; the close
    // box hides it; both tell the Dorvane window.
    g_samplingDistWndVisible = 1;
    const int refreshes = views.dorvaneRefreshes;
    population->OnMoved();
    EXPECT_EQ(g_activeWindowTag, "POP");
    population->OnCloseBox();
    EXPECT_FALSE(population->isVisible());
    EXPECT_EQ(g_populationWndVisible, 0);
    EXPECT_EQ(views.dorvaneRefreshes, refreshes + 2);
}

// --- Population - Binomial ----------------------------------------------------

TEST_F(BinomialWindowTest, ProportionButtonsAndClear) {
    EXPECT_EQ(binomial->Button(11)->text(), QStringLiteral(".50"));
    g_samplesDrawn = 4;
    Press(11);
    EXPECT_EQ(Heights(0, 1), (std::vector<int>{130, 130}));
    EXPECT_EQ(g_samplesDrawn, 0);
    EXPECT_EQ(NumberAfter(QStringLiteral("p = ")), QStringLiteral("0.500"));
    // The SD bar spans the whole axis, so its label stands to the left of it.
    EXPECT_EQ(NumberAfter(QString::fromUtf8(" = \u03c3")), QStringLiteral("0.500"));
    EXPECT_EQ(Texts(BinomialAxisLabels()).join(' '),
              QStringLiteral("0 .1 .2 .3 .4 .5 .6 .7 .8 .9 1.0"));
    // Bars grey 150 from their tops to one pixel above the axis; the p line
    // blue at x(0.5) = 150; the window around the plot grey 190.
    EXPECT_EQ(Pixel(100, 141), Rgb(150, 150, 150));
    EXPECT_EQ(Pixel(100, 269), Rgb(250, 250, 250));
    EXPECT_EQ(Pixel(150, 60), Rgb(0, 0, 255));
    EXPECT_EQ(Pixel(5, 400), Rgb(190, 190, 190));
    SaveSnapshot(binomial->grab().toImage(), "binomial-050");

    Press(21); // "1.00": the p label mirrored at the right end
    EXPECT_EQ(Heights(0, 1), (std::vector<int>{0, 260}));
    EXPECT_EQ(NumberAfter(QStringLiteral(" = p")), QStringLiteral("1.000"));
    for (int id = IDC_BINOMIAL_P_FIRST; id <= IDC_BINOMIAL_P_LAST; ++id) {
        Press(id);
        EXPECT_EQ(Heights(0, 1), (std::vector<int>{260 - 13 * (id - 1), 13 * (id - 1)})) << id;
    }
    Press(IDC_BINOMIAL_CLEAR);
    EXPECT_EQ(Heights(0, 1), (std::vector<int>{0, 0}));
    EXPECT_EQ(NumberAfter(QStringLiteral("p = ")), QStringLiteral("0.000"));
    EXPECT_TRUE(ShowsNoNonNumber(MarkerLabels(300)));
}

TEST_F(BinomialWindowTest, DraggingEitherBarMovesTheOther) {
    Press(11);
    const Rect success = binomial->HandleRect(2);
    ASSERT_EQ(success, (Rect{150, 131, 249, 149}));
    SendMove(binomial.get(), Centre(success), Qt::NoButton);
    EXPECT_EQ(binomial->HoverIndex(), 2);
    EXPECT_EQ(Pixel(200, 135), Rgb(0, 0, 0)); // the hovered top is black

    Drag(binomial.get(), Centre(success), {QPoint(200, 120), QPoint(200, 100)});
    EXPECT_EQ(Heights(0, 1), (std::vector<int>{90, 170}));
    EXPECT_EQ(NumberAfter(QStringLiteral("p = ")), QString::asprintf("%.3f", 170.0 / 260.0));
    // The failure bar pulled up to the top leaves no successes.
    Drag(binomial.get(), Centre(binomial->HandleRect(1)), {QPoint(100, -30)});
    EXPECT_EQ(Heights(0, 1), (std::vector<int>{260, 0}));
    // A move with Shift held changes nothing.
    QTest::mousePress(binomial.get(), Qt::LeftButton, Qt::NoModifier,
                      Centre(binomial->HandleRect(1)));
    SendMove(binomial.get(), QPoint(100, 200), Qt::LeftButton, Qt::ShiftModifier);
    EXPECT_EQ(Height(0), 260);
    QTest::mouseRelease(binomial.get(), Qt::LeftButton, Qt::NoModifier, QPoint(100, 200));
}

// --- Population settings ------------------------------------------------------

TEST_F(PopSettingsTest, SetCancelAndDefault) {
    ASSERT_EQ(g_popSD, 2.0f);
    const int ciRedraws = views.ciRedraws, repaints = views.populationRepaints;
    Set(QStringLiteral("100"), QStringLiteral("15"));
    EXPECT_TRUE(messages.isEmpty());
    EXPECT_EQ(ShownValue(7.0f), 115.0f);
    // Every window showing values is redrawn.
    EXPECT_TRUE(views.ciRedraws > ciRedraws && views.populationRepaints > repaints &&
                views.samplesRedraws > 0);

    const std::vector<LabelPiece> axis = MeasurementAxisLabels();
    // The axis still runs from 62.5 (x = 50) to 137.5 (x = 250); its labels
    // stand at round tens, each centred under its own value.
    EXPECT_EQ(Texts(axis).join(' '), QStringLiteral("70 80 90 100 110 120 130"));
    const QFontMetrics metrics(g_fontArial7_5);
    for (const LabelPiece& l : axis)
        EXPECT_EQ(l.x + metrics.horizontalAdvance(l.text) / 2,
                  50 + static_cast<int>(200 * (l.text.toDouble() - 62.5) / 75));
    SaveSnapshot(population->grab().toImage(), "settings-set-100-15");

    // CANCEL after typing, without SET, puts back what is shown.
    TypeInto(settings->MeanField(), QStringLiteral("abc"));
    Click(IDC_SETTINGS_CANCEL);
    EXPECT_EQ(settings->MeanField()->text(), QStringLiteral("100.00"));
    EXPECT_EQ(g_dispScale, 7.5f);
    // DEFAULT: the internal scale again.
    Click(IDC_SETTINGS_DEFAULT);
    EXPECT_EQ(settings->SdField()->text(), QStringLiteral("2.000"));
    EXPECT_EQ(Texts(MeasurementAxisLabels()).size(), 11);

    // The population's own values change nothing; an empty SD collapses the axis.
    Set(QString::number(g_popMean, 'g', 9), QString::number(g_popSD, 'g', 9));
    EXPECT_EQ(g_dispScale, 1.0f);
    Set(QStringLiteral("50"), QString());
    EXPECT_EQ(Texts(MeasurementAxisLabels()), QStringList(QStringLiteral("50.00")));
    EXPECT_TRUE(messages.isEmpty());
}

TEST_F(PopSettingsTest, RefusedSetsKeepTheTransform) {
    Set(QStringLiteral("100"), QStringLiteral("15"));
    const std::vector<float> set = Transform();
    const char* cases[][3] = {
        {"100", "abc", kMsgSettingsNotNumbers}, {"x1", "15", kMsgSettingsNotNumbers},
        {"100", "inf", kMsgSettingsNotNumbers}, {"nan", "15", kMsgSettingsNotNumbers},
        {"100", "1e999", kMsgSettingsTooLarge}, {"-1e40", "15", kMsgSettingsTooLarge}};
    for (const auto& c : cases) {
        messages.clear();
        Set(QString::fromLatin1(c[0]), QString::fromLatin1(c[1]));
        EXPECT_EQ(messages, QStringList(QString::fromLatin1(c[2]))) << c[0] << " " << c[1];
        EXPECT_EQ(Transform(), set);
        EXPECT_TRUE(ShowsNoNonNumber(MeasurementAxisLabels()));
    }
    // Text after a number is ignored, as the C conversion reads it.
    messages.clear();
    Set(QStringLiteral("  +20 units"), QStringLiteral("4xyz"));
    EXPECT_TRUE(messages.isEmpty());
    EXPECT_EQ(g_dispScale, 2.0f);

    // No spread: an empty population, and one with all its weight in one column.
    ASSERT_TRUE(ChooseFromShapeMenu(population.get(), ID_SHAPE_CLEAR));
    const std::vector<float> identity = Transform();
    for (int pass = 0; pass < 2; ++pass) {
        if (pass == 1) g_popCurve[1 + 25] = 100, RecomputePopulationParameters();
        messages.clear();
        Set(QStringLiteral("100"), QStringLiteral("15"));
        EXPECT_EQ(messages, QStringList(QString::fromLatin1(kMsgNoSpread)));
        EXPECT_EQ(Transform(), identity);
        EXPECT_TRUE(ShowsNoNonNumber(MarkerLabels(300)));
    }
}

} // namespace
