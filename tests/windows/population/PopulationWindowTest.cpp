// The Population window driven as a student would: presets from the pop-up
// menu and the picture buttons, dragging the handles, hovering, and the
// pixels of the picture.

#include "core/Population.h"
#include "core/PresetTables.h"
#include "resources/Resource.h"
#include "tests/windows/population/PopulationTestSupport.h"

#include <gmock/gmock.h>

namespace {

using ::testing::ElementsAreArray;

std::vector<int> Table(const int* heights, int count) {
    return std::vector<int>(heights, heights + count);
}

std::vector<int> Constant(int value, int count) {
    return std::vector<int>(count, value);
}

const int kNormalHeights[51] = {2,   4,   7,   10,  13,  17,  22,  28,  35,  42,  50,  59,  69,
                                80,  90,  101, 112, 123, 134, 143, 152, 160, 166, 170, 173, 174,
                                173, 170, 166, 160, 152, 143, 134, 123, 112, 101, 90,  80,  69,
                                59,  50,  42,  35,  28,  22,  17,  13,  10,  7,   4,   2};
const int kUShapedHeights[51] = {223, 183, 150, 123, 101, 82, 68, 55,  45,  37,  31,  25, 21,
                                 17,  14,  12,  10,  8,   7,  5,  5,   4,   3,   3,   2,  2,
                                 2,   3,   3,   4,   5,   5,  7,  8,   10,  12,  14,  17, 21,
                                 25,  31,  37,  45,  55,  68, 82, 101, 123, 150, 183, 223};
const int kDiscreteUShaped[11] = {223, 82, 31, 12, 5, 2, 5, 12, 31, 82, 223};

struct MenuCase {
    int command;
    const char* name;
    std::vector<int> continuous;
    std::vector<int> discrete;
};

std::vector<MenuCase> MenuCases() {
    return {
        {ID_SHAPE_BIMODAL, "BIMODAL", Table(kContinuousBimodalHeights, 51),
         Table(kDiscreteBimodalHeights, 11)},
        {ID_SHAPE_NORMAL, "NORMAL", Table(kNormalHeights, 51), Table(kDiscreteNormalHeights, 11)},
        {ID_SHAPE_SKEW_MINUS, "SKEWED -", Table(kContinuousSkewMinusHeights, 51),
         Table(kDiscreteSkewMinusHeights, 11)},
        {ID_SHAPE_SKEW_PLUS, "SKEWED +", Table(kContinuousSkewPlusHeights, 51),
         Table(kDiscreteSkewPlusHeights, 11)},
        {ID_SHAPE_TRIMODAL, "TRIMODAL", Table(kContinuousTrimodalHeights, 51),
         Table(kDiscreteTrimodalHeights, 11)},
        {ID_SHAPE_U_SHAPED, "U-SHAPED", Table(kUShapedHeights, 51), Table(kDiscreteUShaped, 11)},
        {ID_SHAPE_UNIFORM, "UNIFORM", Constant(150, 51), Constant(150, 11)},
    };
}

TEST_F(PopulationWindowTest, EveryMenuPresetForBothKinds) {
    for (const bool discrete : {false, true}) {
        if (discrete) SwitchToDiscrete();
        for (const MenuCase& c : MenuCases()) {
            SCOPED_TRACE(c.name);
            g_samplesDrawn = 7; // a series to discard
            ASSERT_TRUE(ChooseFromShapeMenu(population.get(), c.command));
            EXPECT_EQ(population->PopulationName(), QString::fromLatin1(c.name));
            if (discrete) {
                EXPECT_THAT(Heights(0, 10), ElementsAreArray(c.discrete));
                EXPECT_THAT(Heights(11, 50), ElementsAreArray(Constant(0, 40)));
            } else {
                EXPECT_THAT(Heights(0, 50), ElementsAreArray(c.continuous));
            }
            EXPECT_EQ(g_samplesDrawn, 0);
            EXPECT_EQ(settings->MeanText(), QString::asprintf("  %.2f", g_popMean));
            EXPECT_EQ(settings->SdText(), QString::asprintf("  %.3f", g_popSD));
            EXPECT_TRUE(ShowsNoNonNumber(MarkerLabels(population->width())));
        }
        SaveSnapshot(population->grab().toImage(),
                     discrete ? "pop-discrete-uniform" : "pop-continuous-uniform");

        // Clear: empty curve, name back, fields empty.
        ASSERT_TRUE(ChooseFromShapeMenu(population.get(), ID_SHAPE_CLEAR));
        EXPECT_EQ(population->PopulationName(), QStringLiteral("DISTRIBUTION"));
        EXPECT_THAT(Heights(0, 50), ElementsAreArray(Constant(0, 51)));
        EXPECT_EQ(settings->MeanText(), QString());
        EXPECT_EQ(g_popMean, 0.0f);
        EXPECT_EQ(g_popSD, 0.0f);
    }
}

TEST_F(PopulationWindowTest, PictureButtonsLoadTheirExamplesForTheCurrentKind) {
    ASSERT_TRUE(ChooseFromShapeMenu(population.get(), ID_SHAPE_NORMAL));
    for (const bool discrete : {false, true}) {
        if (discrete) SwitchToDiscrete();
        for (int i = 0; i < kPictureButtonCount; ++i) {
            const int id = kPictureButtonIds[i];
            SCOPED_TRACE(id);
            population->SetPopulationName(QStringLiteral("NORMAL"));
            QTest::mouseClick(population->PictureButton(id), Qt::LeftButton);
            EXPECT_EQ(population->PopulationName(), QStringLiteral("DISTRIBUTION"));
            if (discrete)
                EXPECT_THAT(Heights(0, 10), ElementsAreArray(kDiscretePictureHeights[i]));
            else
                EXPECT_THAT(Heights(0, 50), ElementsAreArray(kContinuousPictureHeights[i]));
        }
    }
}

TEST_F(PopulationWindowTest, PictureButtonFacesShowTheKind) {
    COwnerDrawButton* button = population->PictureButton(IDC_POP_PICTURE_1003);
    ASSERT_EQ(button->size(), QSize(54, 50));
    const QImage line = button->grab().toImage();
    SwitchToDiscrete();
    const QImage bars = button->grab().toImage();
    SaveSnapshot(line, "pop-button-1003-continuous");
    SaveSnapshot(bars, "pop-button-1003-discrete");
    auto at = [](const QImage& img, int x, int y) { return img.pixel(x, y) & 0xFFFFFF; };
    // Shadow: black outside, grey inside, on the bottom and right; grey 210 face.
    EXPECT_EQ(at(line, 53, 20), Rgb(0, 0, 0));
    EXPECT_EQ(at(line, 20, 49), Rgb(0, 0, 0));
    EXPECT_EQ(at(line, 52, 20), Rgb(150, 150, 150));
    EXPECT_EQ(at(line, 0, 0), Rgb(250, 250, 250));
    EXPECT_EQ(at(line, 30, 3), Rgb(210, 210, 210));
    // Continuous: the red line ends at (52, 44); discrete bar 3 (x 12..15) is
    // red from 10 down to 46.
    EXPECT_EQ(at(line, 8, 40), Rgb(210, 210, 210));
    EXPECT_EQ(at(bars, 13, 11), Rgb(255, 0, 0));
    EXPECT_EQ(at(bars, 13, 46), Rgb(255, 0, 0));
    EXPECT_EQ(at(bars, 13, 9), Rgb(210, 210, 210));
    int redInLine = 0;
    for (int y = 0; y < 50; ++y)
        redInLine += at(line, 10, y) == Rgb(255, 0, 0);
    EXPECT_GE(redInLine, 1);
}

TEST_F(PopulationWindowTest, DraggingTheMiddleHandleUpAndDown) {
    const Rect handle6 = population->HandleRect(6);
    ASSERT_EQ(handle6, (Rect{147, 266, 153, 273}));
    population->SetPopulationName(QStringLiteral("NORMAL"));
    g_samplesDrawn = 3;

    Drag(population.get(), Centre(handle6), {QPoint(150, 200), QPoint(150, 70)});
    EXPECT_THAT(Heights(20, 30), ElementsAreArray({0, 11, 33, 166, 188, 200, 189, 167, 34, 12, 0}));
    EXPECT_EQ(population->PopulationName(), QStringLiteral("DISTRIBUTION"));
    EXPECT_EQ(g_samplesDrawn, 0);
    EXPECT_NEAR(g_popMean, 5.0f, 0.005f);
    EXPECT_EQ(g_ciPopMean, g_popMean);
    EXPECT_EQ(settings->MeanText(), QStringLiteral("  5.00"));
    EXPECT_GT(views.ciRedraws, 0);
    SaveSnapshot(population->grab().toImage(), "pop-drag-peak");

    // The outline is filled grey 210 inside, white above, black on its top
    // edge; the handle is red; the mean line is blue at x(5) = 150, the
    // quartile lines green at x(4.8) and x(5.2).
    EXPECT_EQ(Pixel(148, 200), Rgb(210, 210, 210));
    EXPECT_EQ(Pixel(148, 60), Rgb(250, 250, 250));
    EXPECT_EQ(Pixel(148, 67), Rgb(255, 0, 0));
    EXPECT_EQ(Pixel(146, 200), Rgb(0, 255, 100));
    EXPECT_EQ(Pixel(XOfValue(g_popQ3), 200), Rgb(0, 255, 100));
    EXPECT_EQ(Pixel(149, 30), Rgb(0, 0, 255));
    EXPECT_EQ(Pixel(150, 30), Rgb(0, 0, 255));
    EXPECT_EQ(Pixel(151, 30), Rgb(250, 250, 250));
    bool blackEdge = false;
    for (int y = 60; y < 130; ++y)
        blackEdge |= Pixel(156, y) == Rgb(0, 0, 0);
    EXPECT_TRUE(blackEdge);

    // Every handle to 200, then the middle one down to the axis.
    for (int j = 1; j <= 11; ++j)
        Drag(population.get(), Centre(population->HandleRect(j)), {QPoint(0, 70)});
    EXPECT_THAT(Heights(0, 50), ElementsAreArray(Constant(200, 51)));
    Drag(population.get(), Centre(population->HandleRect(6)), {QPoint(150, 270)});
    EXPECT_THAT(Heights(20, 30),
                ElementsAreArray({200, 189, 167, 34, 12, 0, 11, 33, 166, 188, 200}));
}

TEST_F(PopulationWindowTest, StaircaseOfHandlesAndTheLimitsOfADrag) {
    for (int j = 2; j <= 11; ++j)
        Drag(population.get(), Centre(population->HandleRect(j)), {QPoint(0, 270 - 20 * (j - 1))});
    EXPECT_THAT(Heights(0, 5), ElementsAreArray({0, 1, 3, 6, 12, 20}));
    for (int c = 5; c <= 45; ++c)
        EXPECT_EQ(Height(c), 4 * c) << "column " << c;
    EXPECT_THAT(Heights(46, 50), ElementsAreArray({187, 193, 196, 198, 200}));

    // Above the plot the column stops at y = 10, below the axis at the baseline.
    Drag(population.get(), Centre(population->HandleRect(3)), {QPoint(90, -40)});
    EXPECT_EQ(g_popCurve[11], 10);
    Drag(population.get(), Centre(population->HandleRect(3)), {QPoint(90, 420)});
    EXPECT_EQ(g_popCurve[11], 270);
}

TEST_F(PopulationWindowTest, DragFollowsOnlyTheLeftButtonAlone) {
    const QPoint grab = Centre(population->HandleRect(4));
    QTest::mousePress(population.get(), Qt::LeftButton, Qt::NoModifier, grab);
    EXPECT_TRUE(population->IsDragging());
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
    SendMove(population.get(), QPoint(90, 100), Qt::LeftButton);
    EXPECT_EQ(Height(15), 130);
    // The right button never grabs a handle.
    QTest::mouseClick(population.get(), Qt::RightButton, Qt::NoModifier,
                      Centre(population->HandleRect(4)));
    EXPECT_FALSE(population->IsDragging());
}

TEST_F(PopulationWindowTest, DiscreteHoverAndDrag) {
    SwitchToDiscrete();
    const Rect handle4 = population->HandleRect(4);
    ASSERT_EQ(handle4, (Rect{101, 267, 119, 273}));
    SendMove(population.get(), Centre(handle4), Qt::NoButton);
    EXPECT_EQ(population->HoverIndex(), 4);
    EXPECT_EQ(Pixel(110, 268), Rgb(0, 0, 0));
    SendMove(population.get(), QPoint(200, 100), Qt::NoButton);
    EXPECT_EQ(population->HoverIndex(), 0);

    Drag(population.get(), Centre(handle4), {QPoint(110, 170)});
    SendMove(population.get(), QPoint(110, 170), Qt::NoButton); // hover the moved handle
    EXPECT_EQ(population->HoverIndex(), 4);
    EXPECT_EQ(Height(3), 100);
    EXPECT_EQ(Height(2), 0); // no ramps between discrete columns
    EXPECT_FLOAT_EQ(g_popMean, 3.0f);
    EXPECT_EQ(settings->MeanText(), QString()); // a discrete drag leaves the fields alone
    // The bar is grey 150 and the handle under the pointer black.
    EXPECT_EQ(Pixel(103, 200), Rgb(150, 150, 150));
    EXPECT_EQ(Pixel(103, 168), Rgb(0, 0, 0));
    SaveSnapshot(population->grab().toImage(), "pop-discrete-drag");
}

TEST_F(PopulationWindowTest, NameBoxOpensTheMenuAndOtherClicksChangeNothing) {
    ASSERT_TRUE(ChooseFromShapeMenu(population.get(), ID_SHAPE_SKEW_PLUS));
    const std::vector<int> before = Heights(0, 50);
    g_samplesDrawn = 5;
    EXPECT_TRUE(ChooseFromShapeMenu(population.get(), 0)); // opened and dismissed
    QTest::mouseClick(population.get(), Qt::LeftButton, Qt::NoModifier, QPoint(60, 360));
    EXPECT_EQ(Heights(0, 50), before);
    EXPECT_EQ(g_samplesDrawn, 5);
    EXPECT_EQ(population->PopulationName(), QStringLiteral("SKEWED +"));
    EXPECT_EQ(g_activeWindowTag, "POP");
}

TEST_F(PopulationWindowTest, MarkersAndLabelPlacement) {
    // Symmetric NORMAL: labels to the right of their lines; the mean's number
    // at its x plus its own width plus one pixel.
    ASSERT_TRUE(ChooseFromShapeMenu(population.get(), ID_SHAPE_NORMAL));
    const std::vector<LabelPiece> normal = MarkerLabels(population->width());
    const QStringList normalTexts = Texts(normal);
    const int mean = normalTexts.indexOf(QString::fromUtf8("\u03bc = "));
    ASSERT_GE(mean, 0);
    EXPECT_EQ(normal[mean].x, 150);
    EXPECT_EQ(normal[mean].top, 270 + 14);
    EXPECT_EQ(normal[mean + 1].text, QStringLiteral("5.00"));
    EXPECT_EQ(normal[mean + 1].x,
              150 + QFontMetrics(g_fontSymbol8).horizontalAdvance(QStringLiteral("5.00")) + 1);
    EXPECT_TRUE(normalTexts.contains(QStringLiteral("M = ")));
    EXPECT_TRUE(normalTexts.contains(QStringLiteral(" = Q1"))); // Q1 always on the left
    EXPECT_TRUE(normalTexts.contains(QStringLiteral("Q3 = ")));
    EXPECT_EQ(Texts(MeasurementAxisLabels()),
              QStringList({"0", "1", "2", "3", "4", "5", "6", "7", "8", "9", "10"}));

    // All the weight at the right end, shown around 1000: the median and mean
    // labels no longer fit on the right and end at their lines instead.
    ASSERT_TRUE(ChooseFromShapeMenu(population.get(), ID_SHAPE_CLEAR));
    Drag(population.get(), Centre(population->HandleRect(11)), {QPoint(250, 70)});
    settings->show();
    TypeInto(settings->MeanField(), QStringLiteral("1000"));
    TypeInto(settings->SdField(), QStringLiteral("100"));
    QTest::mouseClick(settings->Button(IDC_SETTINGS_SET), Qt::LeftButton);
    ASSERT_TRUE(messages.isEmpty());
    const std::vector<LabelPiece> right = MarkerLabels(population->width());
    const QStringList rightTexts = Texts(right);
    const int median = rightTexts.indexOf(QStringLiteral(" = M"));
    ASSERT_GE(median, 0) << rightTexts.join('|').toStdString();
    const QFontMetrics arial(g_fontArial7_5);
    EXPECT_EQ(right[median].x + arial.horizontalAdvance(QStringLiteral(" = M")),
              XOfValue(g_popMedian));
    EXPECT_EQ(right[median + 1].text, QString::asprintf("%.1f", ShownValue(g_popMedian)));
    EXPECT_EQ(right[median + 1].x + arial.horizontalAdvance(right[median + 1].text),
              right[median].x);
    EXPECT_EQ(right[median].top, 270 + 42);
    EXPECT_TRUE(rightTexts.contains(QString::fromUtf8(" = \u03bc")));
    SaveSnapshot(population->grab().toImage(), "pop-mirrored-labels");

    // Clear: every marker at x(0) = 50, all handles on the baseline.
    ASSERT_TRUE(ChooseFromShapeMenu(population.get(), ID_SHAPE_CLEAR));
    for (int j = 1; j <= 11; ++j)
        EXPECT_EQ(population->HandleRect(j).top, 266);
    EXPECT_EQ(Pixel(50, 30), Rgb(0, 0, 255));
    EXPECT_EQ(Pixel(70, 30), Rgb(250, 250, 250));
    EXPECT_TRUE(ShowsNoNonNumber(MarkerLabels(population->width())));
    SaveSnapshot(population->grab().toImage(), "pop-cleared");
}

TEST_F(PopulationWindowTest, SampleMarksAndWindowHandlers) {
    ASSERT_TRUE(ChooseFromShapeMenu(population.get(), ID_SHAPE_UNIFORM));
    population->MarkSample(1);
    population->MarkSample(21);
    population->MarkSample(0);  // outside the tally columns: ignored
    population->MarkSample(99); // likewise
    EXPECT_EQ(Pixel(46, 265), Rgb(190, 190, 190));
    EXPECT_EQ(Pixel(56, 260), Rgb(190, 190, 190));
    EXPECT_EQ(Pixel(246, 265), Rgb(190, 190, 190));
    EXPECT_EQ(Pixel(120, 265), Rgb(210, 210, 210));
    SaveSnapshot(population->grab().toImage(), "pop-uniform-marks");
    population->RedrawCurve(); // the next redraw clears the marks
    EXPECT_EQ(Pixel(56, 260), Rgb(210, 210, 210));

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
