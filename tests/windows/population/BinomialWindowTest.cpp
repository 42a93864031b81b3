// The Population - Binomial window: the p buttons, CLEAR, dragging a bar, the
// p line and SD bar, and the marks of a sample.

#include "tests/windows/population/PopulationTestSupport.h"

namespace {

class BinomialWindowTest : public PopulationWindowTest {
  protected:
    // What the Measurement menu's Binomial does: the binomial window in place
    // of the Population window, with empty bars.
    void SetUp() override {
        PopulationWindowTest::SetUp();
        ClearPopulationCurve();
        g_isBinomial = 1;
        g_isContinuous = 0;
        population->hide();
        binomial = std::make_unique<CBinomialPopDlg>();
        binomial->show();
        binomial->SetUpBars();
        binomial->RepaintPlotBand();
    }
    void Press(int id) { QTest::mouseClick(binomial->Button(id), Qt::LeftButton); }
    // The number printed after a word among the marker labels.
    static QString NumberAfter(const QString& word) {
        const QStringList texts = Texts(MarkerLabels(300));
        const int at = texts.indexOf(word);
        return at >= 0 && at + 1 < texts.size() ? texts[at + 1] : QString();
    }
};

TEST_F(BinomialWindowTest, ProportionButtonsAndClear) {
    EXPECT_EQ(binomial->Button(11)->text(), QStringLiteral(".50"));
    g_samplesDrawn = 4;
    Press(11);
    EXPECT_EQ(Heights(0, 1), (std::vector<int>{130, 130}));
    EXPECT_FLOAT_EQ(g_popSD, 0.5f);
    EXPECT_EQ(g_samplesDrawn, 0);
    EXPECT_EQ(NumberAfter(QStringLiteral("p = ")), QStringLiteral("0.500"));
    // The SD bar spans the whole axis, so its label stands to the left of it.
    EXPECT_EQ(NumberAfter(QString::fromUtf8(" = \u03c3")), QStringLiteral("0.500"));
    EXPECT_EQ(Texts(BinomialAxisLabels()).join(' '),
              QStringLiteral("0 .1 .2 .3 .4 .5 .6 .7 .8 .9 1.0"));
    // Bars grey 150 from their tops to one pixel above the axis; the p line
    // blue at x(0.5) = 150; the window around the plot grey 190.
    EXPECT_EQ(Pixel(100, 141), Rgb(150, 150, 150));
    EXPECT_EQ(Pixel(100, 268), Rgb(150, 150, 150));
    EXPECT_EQ(Pixel(100, 269), Rgb(250, 250, 250));
    EXPECT_EQ(Pixel(100, 139), Rgb(250, 250, 250));
    EXPECT_EQ(Pixel(150, 60), Rgb(0, 0, 255));
    EXPECT_EQ(Pixel(5, 400), Rgb(190, 190, 190));
    SaveSnapshot(binomial->grab().toImage(), "binomial-050");

    Press(21); // "1.00": the p label mirrored at the right end
    EXPECT_EQ(Heights(0, 1), (std::vector<int>{0, 260}));
    EXPECT_EQ(NumberAfter(QStringLiteral(" = p")), QStringLiteral("1.000"));
    EXPECT_EQ(NumberAfter(QString::fromUtf8(" = \u03c3")), QStringLiteral("0.000"));
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

    g_samplesDrawn = 9;
    Drag(binomial.get(), Centre(success), {QPoint(200, 120), QPoint(200, 100)});
    EXPECT_EQ(g_samplesDrawn, 0);
    EXPECT_EQ(Heights(0, 1), (std::vector<int>{90, 170}));
    EXPECT_EQ(NumberAfter(QStringLiteral("p = ")), QString::asprintf("%.3f", 170.0 / 260.0));
    // The failure bar pulled up to the top leaves no successes.
    Drag(binomial.get(), Centre(binomial->HandleRect(1)), {QPoint(100, -30)});
    EXPECT_EQ(Heights(0, 1), (std::vector<int>{260, 0}));
    EXPECT_FLOAT_EQ(g_popMean, 0.0f);
    // A move with Shift held changes nothing.
    QTest::mousePress(binomial.get(), Qt::LeftButton, Qt::NoModifier,
                      Centre(binomial->HandleRect(1)));
    SendMove(binomial.get(), QPoint(100, 200), Qt::LeftButton, Qt::ShiftModifier);
    EXPECT_EQ(Height(0), 260);
    QTest::mouseRelease(binomial.get(), Qt::LeftButton, Qt::NoModifier, QPoint(100, 200));
    SaveSnapshot(binomial->grab().toImage(), "binomial-dragged");
}

TEST_F(BinomialWindowTest, SampleMarksShowTheSampleShareInsideEachBar) {
    Press(11);
    g_seriesSampleSize = 4;
    g_currentSampleNo = 1;
    g_sampleStore[1] = SampleRow{};
    for (int slot : {2, 2, 1, 2}) { // as the engine does it: redraw, then mark
        binomial->RedrawBinomial();
        binomial->MarkSample(slot);
    }
    // Successes 3 of 4: 195 pixels up from 268 inside the middle half of the
    // success bar; failures 1 of 4: 65 pixels.
    EXPECT_EQ(Pixel(200, 74), Rgb(190, 190, 190));
    EXPECT_EQ(Pixel(200, 72), Rgb(250, 250, 250));
    EXPECT_EQ(Pixel(155, 200), Rgb(150, 150, 150)); // the bar's edge stays
    EXPECT_EQ(Pixel(100, 204), Rgb(190, 190, 190));
    EXPECT_EQ(Pixel(100, 200), Rgb(150, 150, 150));
    binomial->MarkSample(3); // not a binomial column: ignored
    binomial->RedrawBinomial();
    EXPECT_EQ(Pixel(200, 268), Rgb(150, 150, 150));
}

} // namespace
