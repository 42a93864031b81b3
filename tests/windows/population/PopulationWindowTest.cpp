// The Population window driven as a student would: presets from the pop-up
// menu and the picture buttons, dragging the handles, and the pixels.

#include "core/PresetTables.h"
#include "tests/windows/population/PopulationTestSupport.h"

namespace {

TEST_F(PopulationWindowTest, EveryPresetFromTheMenuAndThePictureButtonsForBothKinds) {
    const std::pair<int, PresetShape> menu[] = {{ID_SHAPE_BIMODAL, PresetShape::Bimodal},
                                                {ID_SHAPE_NORMAL, PresetShape::Normal},
                                                {ID_SHAPE_SKEW_MINUS, PresetShape::SkewedMinus},
                                                {ID_SHAPE_SKEW_PLUS, PresetShape::SkewedPlus},
                                                {ID_SHAPE_TRIMODAL, PresetShape::Trimodal},
                                                {ID_SHAPE_U_SHAPED, PresetShape::UShaped},
                                                {ID_SHAPE_UNIFORM, PresetShape::Uniform}};
    for (const bool discrete : {false, true}) {
        if (discrete) SwitchToDiscrete();
        const int last = discrete ? 10 : 50;
        for (const auto& [command, shape] : menu) {
            SCOPED_TRACE(PresetName(shape));
            g_samplesDrawn = 7; // a series to discard
            ASSERT_TRUE(ChooseFromShapeMenu(population.get(), command));
            const std::vector<int> chosen = Heights(0, 50);
            EXPECT_EQ(population->PopulationName(), QString::fromLatin1(PresetName(shape)));
            EXPECT_EQ(g_samplesDrawn, 0);
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
        EXPECT_EQ(g_popMean, 0.0f);
    }
}

TEST_F(PopulationWindowTest, PictureButtonFacesShowTheKind) {
    COwnerDrawButton* button = population->PictureButton(IDC_POP_PICTURE_1003);
    const QImage line = button->grab().toImage();
    SwitchToDiscrete();
    const QImage bars = button->grab().toImage();
    SaveSnapshot(bars, "pop-button-1003-discrete");
    // Shadow black outside and grey inside; grey 210 face; discrete bar 3
    // (x 12..15) red from 10 down to 46; a red line on the continuous face.
    EXPECT_EQ(PixelOf(line, 53, 20), Rgb(0, 0, 0));
    EXPECT_EQ(PixelOf(line, 52, 20), Rgb(150, 150, 150));
    EXPECT_EQ(PixelOf(line, 30, 3), Rgb(210, 210, 210));
    EXPECT_EQ(PixelOf(bars, 13, 11), Rgb(255, 0, 0));
    EXPECT_EQ(PixelOf(bars, 13, 46), Rgb(255, 0, 0));
    EXPECT_EQ(PixelOf(bars, 13, 9), Rgb(210, 210, 210));
    int redInLine = 0;
    for (int y = 0; y < 50; ++y)
        redInLine += PixelOf(line, 10, y) == Rgb(255, 0, 0);
    EXPECT_GE(redInLine, 1);
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
    EXPECT_EQ(g_ciPopMean, g_popMean);
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
    SendMove(population.get(), QPoint(90, 120), Qt::LeftButton, Qt::ControlModifier);
    SendMove(population.get(), QPoint(90, 120), Qt::LeftButton | Qt::RightButton);
    SendMove(population.get(), QPoint(90, 120), Qt::NoButton);
    EXPECT_EQ(Height(15), 100);
    QTest::mouseMove(population.get(), QPoint(90, 150)); // the left button alone again
    EXPECT_EQ(Height(15), 120);
    QTest::mouseRelease(population.get(), Qt::LeftButton, Qt::NoModifier, QPoint(90, 150));

    // No button-up handler: the grab lasts until the next press in the window.
    SendMove(population.get(), QPoint(90, 140), Qt::LeftButton);
    EXPECT_EQ(Height(15), 130);
    QTest::mouseClick(population.get(), Qt::LeftButton, Qt::NoModifier, QPoint(280, 30));
    EXPECT_FALSE(population->IsDragging());
    QTest::mouseClick(population.get(), Qt::RightButton, Qt::NoModifier,
                      Centre(population->HandleRect(4)));
    EXPECT_FALSE(population->IsDragging()); // the right button never grabs
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
    SaveSnapshot(population->grab().toImage(), "pop-discrete-drag");
}

TEST_F(PopulationWindowTest, MarkersLabelsAndSampleMarks) {
    // Symmetric NORMAL: labels right of their lines, the mean's number at its
    // x plus its own width plus one pixel.
    ASSERT_TRUE(ChooseFromShapeMenu(population.get(), ID_SHAPE_NORMAL));
    const std::vector<LabelPiece> labels = MarkerLabels(population->width());
    const int mean = Texts(labels).indexOf(QString::fromUtf8("\u03bc = "));
    ASSERT_GE(mean, 0);
    EXPECT_EQ(labels[mean].x, 150);
    EXPECT_EQ(labels[mean + 1].text, QStringLiteral("5.00"));
    EXPECT_EQ(labels[mean + 1].x,
              150 + QFontMetrics(g_fontSymbol8).horizontalAdvance(QStringLiteral("5.00")) + 1);
    EXPECT_TRUE(Texts(labels).contains(QStringLiteral(" = Q1"))); // Q1 always on the left
    EXPECT_EQ(Texts(MeasurementAxisLabels()).size(), 11);

    // Marks of a sample's values, gone at the next redraw; out-of-range ones ignored.
    population->MarkSample(1);
    population->MarkSample(0);
    population->MarkSample(99);
    EXPECT_EQ(Pixel(46, 265), Rgb(190, 190, 190));
    population->RedrawCurve();
    EXPECT_NE(Pixel(46, 265), Rgb(190, 190, 190));

    // All the weight at the right end, shown around 1000: the median's label
    // no longer fits on the right and ends at its line instead.
    ASSERT_TRUE(ChooseFromShapeMenu(population.get(), ID_SHAPE_CLEAR));
    Drag(population.get(), Centre(population->HandleRect(11)), {QPoint(250, 70)});
    ASSERT_TRUE(SetDisplayTarget(1000.0f, 100.0f));
    population->RedrawCurve();
    const std::vector<LabelPiece> right = MarkerLabels(population->width());
    const int median = Texts(right).indexOf(QStringLiteral(" = M"));
    ASSERT_GE(median, 0) << Texts(right).join('|').toStdString();
    EXPECT_EQ(right[median].x + QFontMetrics(g_fontArial7_5).horizontalAdvance(" = M"),
              XOfValue(g_popMedian));
    SaveSnapshot(population->grab().toImage(), "pop-mirrored-labels");

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

} // namespace
