// The Population window driven as a student would: presets from the pop-up
// menu and the picture buttons with every label whole and apart; dragging
// the handles by mouse and by key; the pixels; the pointer.
#include "tests/windows/population/PopulationTestSupport.h"

#include <QHelpEvent>
#include <QToolTip>
#include <algorithm>
#include <string>

namespace {

// Every label reads as one: its number right against its word (the word
// carries the space), and labels on one row apart. Pieces come in pairs.
void ExpectReadable(const std::vector<LabelPiece>& pieces, const std::string& what) {
    auto left = [](const LabelPiece& l) { return l.x; };
    auto right = [](const LabelPiece& l) {
        return l.x + QFontMetrics(*l.font).horizontalAdvance(l.text);
    };
    for (std::size_t i = 0; i + 1 < pieces.size(); i += 2) {
        const LabelPiece &word = pieces[i], &number = pieces[i + 1];
        EXPECT_TRUE(left(number) == right(word) || right(number) == left(word))
            << what << ": " << word.text.toStdString() << "|" << number.text.toStdString();
        for (std::size_t j = i + 2; j + 1 < pieces.size(); j += 2) {
            if (pieces[j].top != word.top) continue;
            const int aLeft = std::min(left(word), left(number)),
                      aRight = std::max(right(word), right(number));
            const int bLeft = std::min(left(pieces[j]), left(pieces[j + 1])),
                      bRight = std::max(right(pieces[j]), right(pieces[j + 1]));
            EXPECT_TRUE(aRight + 2 <= bLeft || bRight + 2 <= aLeft)
                << what << ": " << word.text.toStdString() << " meets "
                << pieces[j].text.toStdString();
        }
    }
}

TEST_F(PopulationWindowTest, PresetsFromTheMenuAndThePictureButtonsWithTheirLabels) {
    const std::pair<int, const char*> menu[] = {
        {ID_SHAPE_BIMODAL, "BIMODAL"},     {ID_SHAPE_NORMAL, "NORMAL"},
        {ID_SHAPE_SKEW_MINUS, "SKEWED -"}, {ID_SHAPE_SKEW_PLUS, "SKEWED +"},
        {ID_SHAPE_TRIMODAL, "TRIMODAL"},   {ID_SHAPE_U_SHAPED, "U-SHAPED"},
        {ID_SHAPE_UNIFORM, "UNIFORM"}};
    // The first heights of each picture button's example, left to right.
    const std::pair<int, std::vector<int>> pictures[2][4] = {
        {{1003, {28, 37, 54, 82}},
         {1002, {16, 25, 41, 141}},
         {1004, {2, 14, 38, 182}},
         {1005, {90, 86, 77, 27}}},
        {{1003, {28, 184, 216, 158, 86, 33, 50, 68, 119, 70, 15, 0}},
         {1002, {16, 166, 104, 96, 26, 14, 26, 144, 80, 202, 22, 0}},
         {1004, {2, 218, 68, 28, 126, 54, 40, 88, 28, 144, 28, 0}},
         {1005, {90, 14, 160, 66, 18, 4, 14, 46, 0, 198, 24, 0}}}};
    for (const bool discrete : {false, true}) {
        if (discrete) SwitchToDiscrete();
        for (const auto& [command, name] : menu) {
            const std::string what = std::string(discrete ? "discrete " : "") + name;
            ASSERT_TRUE(ChooseFromShapeMenu(population.get(), command)) << what;
            EXPECT_EQ(population->PopulationName(), name);
            EXPECT_EQ(settings->SdText(), QString::asprintf("  %.3f", g_popSD)) << what;
            const std::vector<LabelPiece> labels = MarkerLabels(population->width());
            EXPECT_TRUE(ShowsNoNonNumber(labels)) << what;
            ExpectInside(labels, population->width(), what);
            ExpectReadable(labels, what);
            if (discrete) EXPECT_EQ(Heights(11, 50), std::vector<int>(40, 0)) << what;
            // Discrete U-SHAPED has Q3 at 10: its label reads whole, left of its line.
            if (what == "discrete U-SHAPED") EXPECT_EQ(NumberBeside(labels, "Q3"), "10.00");
        }
        for (const auto& [id, heights] : pictures[discrete]) {
            QTest::mouseClick(population->PictureButton(id), Qt::LeftButton);
            EXPECT_EQ(population->PopulationName(), "DISTRIBUTION");
            EXPECT_EQ(Heights(0, heights.size() - 1), heights) << id;
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
        // The empty population: both quartiles at 0, their labels apart.
        ExpectReadable(MarkerLabels(population->width()), "empty");
    }
}

TEST_F(PopulationWindowTest, DraggingAHandleRaisesAPeakDrawnInItsColours) {
    ASSERT_EQ(population->HandleRect(6), (Rect{147, 266, 153, 273}));
    population->SetPopulationName(QStringLiteral("NORMAL"));
    g_samplesDrawn = 3;
    Drag(population.get(), Centre(population->HandleRect(6)), {QPoint(150, 200), QPoint(150, 70)});
    EXPECT_EQ(Heights(20, 30), (std::vector<int>{0, 11, 33, 166, 188, 200, 189, 167, 34, 12, 0}));
    EXPECT_EQ(population->PopulationName(), "DISTRIBUTION");
    EXPECT_EQ(g_samplesDrawn, 0); // the series is discarded
    EXPECT_EQ(settings->MeanText(), "  5.00");
    EXPECT_GT(views.ciRedraws, 0);
    SaveSnapshot(population->grab().toImage(), "pop-drag-peak");
    // Filled grey 210 inside, white above; the handle red; the mean line blue
    // at x(5) = 150, a quartile line green at x(4.8).
    for (auto [x, y, rgb] : {std::tuple{148, 200, Rgb(210, 210, 210)},
                             {148, 60, Rgb(250, 250, 250)},
                             {148, 67, Rgb(255, 0, 0)},
                             {146, 200, Rgb(0, 255, 100)},
                             {150, 30, Rgb(0, 0, 255)},
                             {151, 30, Rgb(250, 250, 250)}})
        EXPECT_EQ(Pixel(x, y), rgb) << x << "," << y;
    // Each label stands against its own line: mu's starts at 150, Q1's
    // (kept on the left, mirrored) ends at 146.
    const std::vector<LabelPiece> atLines = MarkerLabels(population->width());
    const int mu = Texts(atLines).indexOf(QString::fromUtf8("\u03bc = "));
    const int q1 = Texts(atLines).indexOf(" = Q1");
    ASSERT_TRUE(mu >= 0 && q1 >= 0);
    EXPECT_EQ(atLines[mu].x, 150);
    EXPECT_EQ(atLines[q1].x + QFontMetrics(*atLines[q1].font).horizontalAdvance(" = Q1"), 146);
    // Above the plot the column stops at y = 10, below the axis at the baseline.
    Drag(population.get(), Centre(population->HandleRect(3)), {QPoint(90, -40)});
    EXPECT_EQ(g_popCurve[11], 10);
    Drag(population.get(), Centre(population->HandleRect(3)), {QPoint(90, 420)});
    EXPECT_EQ(g_popCurve[11], 270);
    // Dragged back to nothing, the population shows its zeroes.
    Drag(population.get(), Centre(population->HandleRect(6)), {QPoint(150, 300)});
    const std::vector<LabelPiece> labels = MarkerLabels(population->width());
    const QString sigma = QString::fromUtf8("\u03c3");
    EXPECT_EQ(QStringList({NumberBeside(labels, sigma), NumberBeside(labels, "M"),
                           NumberBeside(labels, "Q1"), NumberBeside(labels, "Q3")}),
              QStringList({"0.000", "0.0", "0.00", "0.00"}));

    // Only the left button alone drags; the grab lasts until the next press.
    QTest::mousePress(population.get(), Qt::LeftButton, Qt::NoModifier,
                      Centre(population->HandleRect(4)));
    QTest::mouseMove(population.get(), QPoint(90, 170));
    EXPECT_EQ(Heights(15, 15)[0], 100);
    SendMove(population.get(), QPoint(90, 120), Qt::LeftButton, Qt::ShiftModifier);
    SendMove(population.get(), QPoint(90, 120), Qt::LeftButton | Qt::RightButton);
    EXPECT_EQ(Heights(15, 15)[0], 100);
    QTest::mouseMove(population.get(), QPoint(90, 150));
    EXPECT_EQ(Heights(15, 15)[0], 120);
    QTest::mouseRelease(population.get(), Qt::LeftButton, Qt::NoModifier, QPoint(90, 150));
    SendMove(population.get(), QPoint(90, 140), Qt::LeftButton);
    EXPECT_EQ(Heights(15, 15)[0], 130);
    QTest::mouseClick(population.get(), Qt::LeftButton, Qt::NoModifier, QPoint(280, 30));
    EXPECT_FALSE(population->IsDragging());

    // Marks of a sample's values, gone at the next redraw; out-of-range ones ignored.
    population->MarkSample(1);
    population->MarkSample(0);
    population->MarkSample(99);
    EXPECT_EQ(Pixel(46, 265), Rgb(190, 190, 190));
    population->RedrawCurve();
    EXPECT_NE(Pixel(46, 265), Rgb(190, 190, 190));
}

TEST_F(PopulationWindowTest, DiscreteBarsHoverAndDragWithoutRamps) {
    SwitchToDiscrete();
    const Rect handle4 = population->HandleRect(4);
    ASSERT_EQ(handle4, (Rect{101, 267, 119, 273}));
    SendMove(population.get(), Centre(handle4), Qt::NoButton);
    EXPECT_EQ(Pixel(110, 268), Rgb(0, 0, 0)); // the hovered handle is black
    QEvent leave(QEvent::Leave);              // and let go when the pointer leaves
    QApplication::sendEvent(population.get(), &leave);
    EXPECT_EQ(population->HoverIndex(), 0);
    EXPECT_NE(Pixel(110, 268), Rgb(0, 0, 0));
    Drag(population.get(), Centre(handle4), {QPoint(110, 170)});
    EXPECT_EQ(Heights(2, 4), (std::vector<int>{0, 100, 0}));
    EXPECT_FLOAT_EQ(g_popMean, 3.0f);
    EXPECT_EQ(settings->MeanText(), QString()); // a discrete drag leaves the fields alone
    EXPECT_EQ(Pixel(103, 200), Rgb(150, 150, 150));
}

TEST_F(PopulationWindowTest, UpAndDownMoveAHandleAsADragByAPixelDoes) {
    for (const bool discrete : {false, true}) {
        SCOPED_TRACE(discrete);
        if (discrete) SwitchToDiscrete();
        ApplyPreset(PresetShape::Normal);
        const std::vector<int> preset(g_popCurve, g_popCurve + kCurveSlots);
        CFocusSpot* handle = population->HandleSpot();
        handle->setFocus();
        QTest::keyClick(handle, Qt::Key_End);
        EXPECT_EQ(population->KeyHandle(), kEditHandles);
        QTest::keyClick(handle, Qt::Key_Home);
        QTest::keyClick(handle, Qt::Key_Right);
        QTest::keyClick(handle, Qt::Key_Left); // back to the first handle
        EXPECT_EQ(population->KeyHandle(), 1);
        for (int i = 0; i < 3; ++i)
            QTest::keyClick(handle, Qt::Key_Right);
        ASSERT_EQ(population->KeyHandle(), 4);
        g_samplesDrawn = 5; // a series, which the change ends
        QTest::keyClick(handle, Qt::Key_Up, Qt::ShiftModifier);
        QTest::keyClick(handle, Qt::Key_Up);
        const std::vector<int> keyed(g_popCurve, g_popCurve + kCurveSlots);
        EXPECT_EQ(g_samplesDrawn, 0);
        EXPECT_EQ(population->PopulationName(), "DISTRIBUTION");
        EXPECT_EQ(handle->geometry(), ToQRect(population->HandleRect(4))); // the ring follows
        // The same handle dragged by the mouse to eleven pixels above its top.
        std::copy(preset.begin(), preset.end(), g_popCurve);
        RecomputePopulationParameters();
        population->RedrawCurve();
        const int top = g_popCurve[discrete ? 4 : kHandleSpacing * 3 + 1];
        const QPoint grip = Centre(population->HandleRect(4));
        Drag(population.get(), grip, {QPoint(grip.x(), top - 11)});
        EXPECT_EQ(std::vector<int>(g_popCurve, g_popCurve + kCurveSlots), keyed);
    }
}

TEST_F(PopulationWindowTest, TheNameBoxOpensThePresetsAndSaysSo) {
    CFocusSpot* box = population->NameBoxSpot();
    box->setFocus();
    QMenu* menu = population->ShapeMenu();
    bool opened = false;
    QTimer::singleShot(0, menu, [&] {
        opened = menu->isVisible();
        QTest::keyClick(menu, Qt::Key_Down);
        QTest::keyClick(menu, Qt::Key_Down);
        QTest::keyClick(menu, Qt::Key_Return);
    });
    QTest::keyClick(box, Qt::Key_Space);
    EXPECT_TRUE(opened);
    EXPECT_EQ(population->PopulationName(), "NORMAL");
    EXPECT_TRUE(box->accessibleDescription().startsWith("Continuous population, normal shape"));
    // Under the pointer: a pointing hand and the same words; a handle: a
    // vertical arrow.
    const QPoint at = Centre(population->NameBox());
    SendMove(population.get(), at, Qt::NoButton);
    EXPECT_EQ(population->cursor().shape(), Qt::PointingHandCursor);
    QHelpEvent help(QEvent::ToolTip, at, population->mapToGlobal(at));
    QApplication::sendEvent(population.get(), &help);
    EXPECT_EQ(QToolTip::text(), "Click for preset shapes");
    QToolTip::hideText();
    SendMove(population.get(), Centre(population->HandleRect(6)), Qt::NoButton);
    EXPECT_EQ(population->cursor().shape(), Qt::SizeVerCursor);
}

} // namespace
