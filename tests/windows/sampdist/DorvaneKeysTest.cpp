// The Dorvane window from the keyboard: an arrow key moves a slider as a drag
// to the next pixel does, Enter or a double-click on the label opens a field
// that takes a typed value, Enter in a field draws through the entry check,
// the arrow keys select the samples in the columns in the order of their
// means, and the pointer shows what it is over.
#include "tests/windows/sampdist/DorvaneTestSupport.h"

#include "core/Selection.h"
#include "ui/FocusSpot.h"
#include "ui/ValueEditor.h"
#include "windows/sampdist/HistogramModel.h"

#include <QHelpEvent>
#include <QToolTip>

namespace {

// The offscreen platform cannot raise a tooltip and says so; on a display
// the tip shows without a word.
QtMessageHandler g_outer = nullptr;
void IgnoreRaiseLimit(QtMsgType type, const QMessageLogContext& context, const QString& text) {
    if (text.startsWith(QLatin1String("This plugin does not support"))) return;
    if (g_outer) g_outer(type, context, text);
}

class DorvaneKeys : public DorvaneWindow {
  protected:
    CFocusSpot* Slider() const { return dorvane->SliderSpot(true); }
    QLineEdit* Field(int id) const { return qobject_cast<QLineEdit*>(dorvane->Control(id)); }
    CValueEditor* Editor() const { return dorvane->ValueEditor(); }
    struct Reading {
        float z;
        QString number, proportion;
        bool operator==(const Reading&) const = default;
    };
    Reading Read() const {
        return {g_leftSliderZ, Text(IDC_SD_ACTUAL_NUMBER), Text(IDC_SD_ACTUAL_PROPORTION)};
    }
};

TEST_F(DorvaneKeys, AnArrowKeyIsADragToTheNextPixel) {
    Draw(16, 300);
    g_proportionAbove = 1;
    SliderAtMean();
    const int start = SliderAxisPixel(true, 1);
    Slider()->setFocus();
    QTest::keyClick(Slider(), Qt::Key_Right, Qt::ShiftModifier);
    QTest::keyClick(Slider(), Qt::Key_Right);
    const Reading keyed = Read();
    EXPECT_EQ(SliderAxisPixel(true, 1), start + 11);

    SliderAtMean();
    const QPoint grip = Centre(g_leftSliderRect);
    QTest::mousePress(dorvane.get(), Qt::LeftButton, Qt::NoModifier, grip);
    SendMove(dorvane.get(), QPoint(start + 11, grip.y()), Qt::LeftButton);
    QTest::mouseRelease(dorvane.get(), Qt::LeftButton, Qt::NoModifier,
                        QPoint(start + 11, grip.y()));
    EXPECT_EQ(Read(), keyed);

    // Left and Down go back; other keys are left to the window.
    QTest::keyClick(Slider(), Qt::Key_Left);
    QTest::keyClick(Slider(), Qt::Key_Down, Qt::ShiftModifier);
    EXPECT_EQ(SliderAxisPixel(true, 1), start);
    EXPECT_EQ(Slider()->accessibleDescription(),
              QString::fromStdString(SliderLabelText(g_leftSliderZ, false)));
}

TEST_F(DorvaneKeys, AValueTypedOverTheLabelIsPutThere) {
    Draw(16, 300);
    Slider()->setFocus();
    QTest::keyClick(Slider(), Qt::Key_Return);
    ASSERT_TRUE(Editor()->IsOpen());
    EXPECT_EQ(QApplication::focusWidget(), Editor());
    EXPECT_TRUE(Editor()->geometry().intersects(ToQRect(dorvane->Plot().SliderLabelBox(true))));
    EXPECT_EQ(Editor()->text(), QString::fromStdString(SliderNumberText(true)));
    EXPECT_EQ(Editor()->selectedText(), Editor()->text());
    QTest::keyClicks(Editor(), "6.25");
    QTest::keyClick(Editor(), Qt::Key_Return);
    EXPECT_FALSE(Editor()->IsOpen());
    EXPECT_EQ(QApplication::focusWidget(), Slider());
    EXPECT_EQ(SliderLabelText(g_leftSliderZ, false), "x = 6.25");

    // A slip is refused with a word and the field stays for another try;
    // Esc then leaves the slider where it was.
    const float z = g_leftSliderZ;
    QTest::keyClick(Slider(), Qt::Key_Enter, Qt::KeypadModifier);
    QTest::keyClicks(Editor(), "six");
    QTest::keyClick(Editor(), Qt::Key_Return);
    EXPECT_EQ(messages, QStringList{kMsgTypedNotANumber});
    EXPECT_TRUE(Editor()->IsOpen());
    EXPECT_EQ(Editor()->selectedText(), "six");
    QTest::keyClick(Editor(), Qt::Key_Escape);
    EXPECT_FALSE(Editor()->IsOpen());
    EXPECT_EQ(g_leftSliderZ, z);
    EXPECT_EQ(QApplication::focusWidget(), Slider());

    // A double-click on the label opens the field as well.
    QTest::mouseDClick(dorvane.get(), Qt::LeftButton, Qt::NoModifier,
                       Centre(dorvane->Plot().SliderLabelBox(true)));
    EXPECT_TRUE(Editor()->IsOpen());
    EXPECT_EQ(Editor()->text(), "6.25");
}

TEST_F(DorvaneKeys, EnterInAFieldDrawsThroughTheEntryCheck) {
    Click(IDC_SD_SPEED_F);
    Type(IDC_SD_SAMPLE_SIZE, "9");
    Type(IDC_SD_NUM_SAMPLES, "30");
    QTest::keyClick(Field(IDC_SD_NUM_SAMPLES), Qt::Key_Return);
    EXPECT_EQ(g_samplesDrawn, 30);
    QTest::keyClick(Field(IDC_SD_SAMPLE_SIZE), Qt::Key_Enter, Qt::KeypadModifier);
    EXPECT_EQ(g_samplesDrawn, 30); // a new series of 30
    EXPECT_EQ(Text(IDC_SD_TOTAL_DRAWN), "30");
    // The check of DRAW SAMPLES speaks here too.
    ClearPopulation();
    QTest::keyClick(Field(IDC_SD_SAMPLE_SIZE), Qt::Key_Return);
    EXPECT_EQ(messages, QStringList{kMsgEmptyPopulation});
    EXPECT_EQ(g_samplesDrawn, 0);
}

TEST_F(DorvaneKeys, ArrowKeysSelectTheSamplesInTheOrderOfTheirMeans) {
    Draw(9, 101);
    CFocusSpot* columns = dorvane->ColumnsSpot();
    columns->setFocus();
    QTest::keyClick(columns, Qt::Key_Right); // none selected yet: the middle one
    EXPECT_TRUE(g_sampleSelected);
    EXPECT_EQ(g_selectedPos, 51);
    EXPECT_EQ(SelectedSampleRow(), g_sortedMeanSampleNo[51]);
    QTest::keyClick(columns, Qt::Key_Right);
    QTest::keyClick(columns, Qt::Key_Right);
    QTest::keyClick(columns, Qt::Key_Left);
    EXPECT_EQ(g_selectedPos, 52);
    // Its place in its column is shown black, its mean above the plot.
    const Rect highlight = g_sdSelectionRect;
    ASSERT_FALSE(highlight.IsEmpty());
    EXPECT_EQ(SdPixel((highlight.left + highlight.right) / 2, highlight.bottom - 1), kBlack);
    EXPECT_EQ(QString::fromStdString(SelectedSampleText()).left(4), QStringLiteral("x = "));
    QTest::keyClick(columns, Qt::Key_End);
    EXPECT_EQ(g_selectedPos, 101);
    QTest::keyClick(columns, Qt::Key_Home);
    EXPECT_EQ(g_selectedPos, 1);
    EXPECT_TRUE(columns->accessibleDescription().startsWith("Histogram of 101 sample means"));
}

TEST_F(DorvaneKeys, ThePointerShowsWhatItIsOver) {
    Draw(16, 100);
    SliderAtMean();
    struct Case {
        QPoint at;
        Qt::CursorShape cursor;
        const char* tip;
        bool keys; // the tip goes on to say how the keys work it
    };
    const Case cases[] = {
        // The keyboard's way shows with the mouse's.
        {Centre(g_leftSliderRect), Qt::SizeHorCursor,
         "Drag along the axis to count the samples beyond it; with the keyboard, Left and Right "
         "move it a pixel (Shift: ten) and Enter types its value",
         true},
        {Centre(dorvane->Plot().SliderLabelBox(true)), Qt::PointingHandCursor,
         "Double-click to type a value; with the keyboard, Tab to it and press Enter", true},
        {QPoint(g_sdAxisLeft + 5, g_sdAxisY - 5), Qt::PointingHandCursor,
         "Click a column to select one of its samples", true},
        {QPoint(10, 420), Qt::ArrowCursor, "", false},
    };
    g_outer = qInstallMessageHandler(IgnoreRaiseLimit);
    for (const Case& c : cases) {
        SCOPED_TRACE(c.tip);
        SendMove(dorvane.get(), c.at, Qt::NoButton);
        EXPECT_EQ(dorvane->cursor().shape(), c.cursor);
        QHelpEvent help(QEvent::ToolTip, c.at, dorvane->mapToGlobal(c.at));
        QApplication::sendEvent(dorvane.get(), &help);
        // Where there is nothing to say the event goes on unanswered.
        EXPECT_EQ(help.isAccepted(), *c.tip != '\0');
        if (*c.tip) {
            EXPECT_TRUE(QToolTip::text().startsWith(QString::fromLatin1(c.tip)))
                << QToolTip::text().toStdString();
            // Said once: the pointer's words and the keyboard's, never twice over.
            EXPECT_EQ(QToolTip::text().count("with the keyboard"), c.keys ? 1 : 0);
        }
    }
    QToolTip::hideText();
    qInstallMessageHandler(g_outer);
    // A drag keeps its cursor wherever the pointer goes.
    QTest::mousePress(dorvane.get(), Qt::LeftButton, Qt::NoModifier, Centre(g_leftSliderRect));
    SendMove(dorvane.get(), QPoint(g_sdAxisLeft + 40, 30), Qt::LeftButton);
    EXPECT_EQ(dorvane->cursor().shape(), Qt::SizeHorCursor);
}

} // namespace
