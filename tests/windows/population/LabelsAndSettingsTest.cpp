// What the Population window writes beside its picture: every label whole
// inside the window for every preset, the readouts of a population emptied
// by dragging, SET refusing what the picture cannot show, and the hover
// handle of both windows let go when the pointer leaves.
#include "tests/windows/population/PopulationTestSupport.h"

#include <QFontMetrics>
#include <QTest>
#include <algorithm>
#include <string>

namespace {

// Every piece of text lies inside a window of that width.
void ExpectInside(const std::vector<LabelPiece>& pieces, int width, const char* what) {
    for (const LabelPiece& l : pieces) {
        const int textWidth = QFontMetrics(*l.font).horizontalAdvance(l.text);
        EXPECT_GE(l.x, 0) << what << ": " << l.text.toStdString();
        EXPECT_LE(l.x + textWidth, width) << what << ": " << l.text.toStdString();
    }
}

// Every label reads as one: its number right against its word (the word
// carries the space), and labels on one row apart from each other. The
// pieces come in pairs, word and number.
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

// The number printed beside a label's word, either side.
QString NumberBeside(const std::vector<LabelPiece>& pieces, const QString& right,
                     const QString& left) {
    const QStringList texts = Texts(pieces);
    int at = texts.indexOf(right);
    if (at < 0) at = texts.indexOf(left);
    return at >= 0 && at + 1 < texts.size() ? texts[at + 1] : QString();
}

TEST_F(PopulationWindowTest, EveryLabelOfEveryPresetFitsWhereItIsDrawn) {
    const int commands[] = {ID_SHAPE_BIMODAL,   ID_SHAPE_NORMAL,   ID_SHAPE_SKEW_MINUS,
                            ID_SHAPE_SKEW_PLUS, ID_SHAPE_TRIMODAL, ID_SHAPE_U_SHAPED,
                            ID_SHAPE_UNIFORM};
    for (bool discrete : {false, true}) {
        if (discrete) SwitchToDiscrete();
        for (int command : commands) {
            ASSERT_TRUE(ChooseFromShapeMenu(population.get(), command));
            const std::string what = (discrete ? "discrete " : "continuous ") +
                                     population->PopulationName().toStdString();
            ExpectInside(MarkerLabels(population->width()), population->width(), what.c_str());
            ExpectReadable(MarkerLabels(population->width()), what);
        }
    }
    // The empty population: both quartiles at 0, their labels apart.
    ASSERT_TRUE(ChooseFromShapeMenu(population.get(), ID_SHAPE_CLEAR));
    ExpectInside(MarkerLabels(population->width()), population->width(), "empty");
    ExpectReadable(MarkerLabels(population->width()), "empty");
    // Discrete U-SHAPED has Q3 at 10: its label reads whole, to the left of its line.
    ASSERT_TRUE(ChooseFromShapeMenu(population.get(), ID_SHAPE_U_SHAPED));
    const std::vector<LabelPiece> labels = MarkerLabels(population->width());
    EXPECT_EQ(NumberBeside(labels, QStringLiteral("Q3 = "), QStringLiteral(" = Q3")),
              QStringLiteral("10.00"));
    SaveSnapshot(population->grab().toImage(), "pop-discrete-u-shaped");
}

TEST_F(PopulationWindowTest, APopulationDraggedBackToNothingShowsItsZeroes) {
    // A bump raised on the middle handle of a cleared curve, then lowered
    // again to the baseline.
    ASSERT_TRUE(ChooseFromShapeMenu(population.get(), ID_SHAPE_CLEAR));
    const QPoint handle = Centre(population->HandleRect(5));
    Drag(population.get(), handle, {QPoint(handle.x(), 150)});
    ASSERT_GT(g_popSD, 0.0f);
    Drag(population.get(), Centre(population->HandleRect(5)), {QPoint(handle.x(), 300)});
    const std::vector<LabelPiece> labels = MarkerLabels(population->width());
    const QString sigma = QString::fromUtf8("\u03c3 = "),
                  mirroredSigma = QString::fromUtf8(" = \u03c3");
    EXPECT_EQ(NumberBeside(labels, sigma, mirroredSigma), QStringLiteral("0.000"));
    EXPECT_EQ(NumberBeside(labels, QStringLiteral("M = "), QStringLiteral(" = M")),
              QStringLiteral("0.0"));
    EXPECT_EQ(NumberBeside(labels, QStringLiteral("Q1 = "), QStringLiteral(" = Q1")),
              QStringLiteral("0.00"));
    EXPECT_EQ(NumberBeside(labels, QStringLiteral("Q3 = "), QStringLiteral(" = Q3")),
              QStringLiteral("0.00"));
}

TEST_F(PopulationWindowTest, LeavingTheWindowLetsGoOfTheHoveredHandle) {
    SwitchToDiscrete();
    ASSERT_TRUE(ChooseFromShapeMenu(population.get(), ID_SHAPE_UNIFORM));
    const Rect handle = population->HandleRect(4);
    SendMove(population.get(), Centre(handle), Qt::NoButton);
    ASSERT_EQ(Pixel(handle.left + 2, handle.top + 1), Rgb(0, 0, 0));
    QEvent leave(QEvent::Leave);
    QApplication::sendEvent(population.get(), &leave);
    EXPECT_EQ(population->HoverIndex(), 0);
    EXPECT_NE(Pixel(handle.left + 2, handle.top + 1), Rgb(0, 0, 0));
}

TEST_F(BinomialWindowTest, LeavingTheWindowLetsGoOfTheHoveredBar) {
    Press(11);
    const Rect success = binomial->HandleRect(2);
    SendMove(binomial.get(), Centre(success), Qt::NoButton);
    ASSERT_EQ(Pixel(200, 135), Rgb(0, 0, 0));
    QEvent leave(QEvent::Leave);
    QApplication::sendEvent(binomial.get(), &leave);
    EXPECT_EQ(binomial->HoverIndex(), 0);
    EXPECT_EQ(Pixel(200, 135), Rgb(250, 250, 250)); // the plot's white above the bar
}

TEST_F(PopSettingsTest, SetRefusesWhatThePictureCannotShow) {
    Set(QStringLiteral("100"), QStringLiteral("15"));
    ASSERT_TRUE(messages.isEmpty());
    const std::vector<float> set = Transform();
    struct Case {
        const char* mean;
        const char* sd;
        const char* message;
    };
    const Case refused[] = {
        {"100", "-15", kMsgNegativeSD},
        {"100", "-0.001", kMsgNegativeSD},
        // Beyond a mean of a million either way or an SD of a million.
        {"1000000.5", "15", kMsgSettingsTooLarge},
        {"-2e6", "3", kMsgSettingsTooLarge},
        {"5", "1000001", kMsgSettingsTooLarge},
    };
    for (const Case& c : refused) {
        messages.clear();
        Set(QString::fromLatin1(c.mean), QString::fromLatin1(c.sd));
        EXPECT_EQ(messages, QStringList(QString::fromLatin1(c.message))) << c.mean << " " << c.sd;
        EXPECT_EQ(Transform(), set) << c.mean << " " << c.sd;
    }
    // Within what the picture shows: taken, every label whole and apart.
    for (auto [mean, sd] : {std::pair{"1000", "150"},
                            {"-250", "20"},
                            {"0.001", "0.0005"},
                            {"250000", "50000"},
                            {"-40000", "3"},
                            {"-1000000", "1000000"}}) {
        messages.clear();
        Set(QString::fromLatin1(mean), QString::fromLatin1(sd));
        EXPECT_TRUE(messages.isEmpty()) << mean << " " << sd;
        EXPECT_FLOAT_EQ(g_dispToMean, std::atof(mean));
        ExpectInside(MeasurementAxisLabels(), population->width(), mean);
        ExpectInside(MarkerLabels(population->width()), population->width(), mean);
    }
    // An SD too small for a double is 0, as an empty field is: every value
    // shown is the mean, labelled once.
    messages.clear();
    Set(QStringLiteral("50"), QStringLiteral("1e-400"));
    EXPECT_TRUE(messages.isEmpty());
    EXPECT_EQ(g_dispScale, 0.0f);
    EXPECT_EQ(Texts(MeasurementAxisLabels()), QStringList(QStringLiteral("50.00")));
    // A negative SD on a population without spread is still a negative SD.
    ASSERT_TRUE(ChooseFromShapeMenu(population.get(), ID_SHAPE_CLEAR));
    messages.clear();
    Set(QStringLiteral("1"), QStringLiteral("-2"));
    EXPECT_EQ(messages, QStringList(QString::fromLatin1(kMsgNegativeSD)));
}

} // namespace
