// The Dorvane window from the keyboard and under the pointer: an arrow key
// moves a slider as a drag to the next pixel does, Enter or a double-click on
// the label opens a field that takes a typed value, and the pointer shows
// what it is over, with words that say the keyboard's way once.
#include "tests/windows/sampdist/DorvaneTestSupport.h"

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

using DorvaneKeys = DorvaneWindow;

TEST_F(DorvaneKeys, ArrowKeysMoveTheSliderAsADragAndATypedValueIsPutThere) {
    Draw(16, 300);
    g_proportionAbove = 1;
    Sliders(0.0f);
    CFocusSpot* slider = dorvane->SliderSpot(true);
    const int start = SliderAxisPixel(true, 1);
    slider->setFocus();
    QTest::keyClick(slider, Qt::Key_Right, Qt::ShiftModifier);
    QTest::keyClick(slider, Qt::Key_Right);
    EXPECT_EQ(SliderAxisPixel(true, 1), start + 11);
    const auto keyed =
        std::make_tuple(g_leftSliderZ, Text(IDC_SD_ACTUAL_NUMBER), Text(IDC_SD_ACTUAL_PROPORTION));
    Sliders(0.0f);
    DragSlider(true, start + 11);
    EXPECT_EQ(
        std::make_tuple(g_leftSliderZ, Text(IDC_SD_ACTUAL_NUMBER), Text(IDC_SD_ACTUAL_PROPORTION)),
        keyed);
    QTest::keyClick(slider, Qt::Key_Left); // Left and Down go back
    QTest::keyClick(slider, Qt::Key_Down, Qt::ShiftModifier);
    EXPECT_EQ(SliderAxisPixel(true, 1), start);
    EXPECT_EQ(slider->accessibleDescription(),
              QString::fromStdString(SliderLabelText(g_leftSliderZ, false)));

    // Enter opens a field over the label, its number selected; a typed value
    // is put there and the focus goes back to the slider.
    CValueEditor* editor = dorvane->ValueEditor();
    QTest::keyClick(slider, Qt::Key_Return);
    ASSERT_TRUE(editor->IsOpen());
    EXPECT_EQ(QApplication::focusWidget(), editor);
    EXPECT_TRUE(editor->geometry().intersects(ToQRect(dorvane->Plot().SliderLabelBox(true))));
    EXPECT_EQ(editor->selectedText(), QString::fromStdString(SliderNumberText(true)));
    QTest::keyClicks(editor, "6.25");
    QTest::keyClick(editor, Qt::Key_Return);
    EXPECT_FALSE(editor->IsOpen());
    EXPECT_EQ(QApplication::focusWidget(), slider);
    EXPECT_EQ(SliderLabelText(g_leftSliderZ, false), "x = 6.25");
    // A slip is refused with a word and the field stays for another try;
    // Esc then leaves the slider where it was.
    const float z = g_leftSliderZ;
    QTest::keyClick(slider, Qt::Key_Enter, Qt::KeypadModifier);
    QTest::keyClicks(editor, "six");
    QTest::keyClick(editor, Qt::Key_Return);
    EXPECT_EQ(messages, QStringList{kMsgTypedNotANumber});
    EXPECT_EQ(editor->selectedText(), "six");
    QTest::keyClick(editor, Qt::Key_Escape);
    EXPECT_FALSE(editor->IsOpen());
    EXPECT_EQ(g_leftSliderZ, z);
    EXPECT_EQ(QApplication::focusWidget(), slider);
    // A double-click on the label opens the field as well.
    QTest::mouseDClick(dorvane.get(), Qt::LeftButton, Qt::NoModifier,
                       Centre(dorvane->Plot().SliderLabelBox(true)));
    EXPECT_TRUE(editor->IsOpen());
    EXPECT_EQ(editor->text(), "6.25");
}

TEST_F(DorvaneKeys, ThePointerShowsWhatItIsOver) {
    Draw(16, 100);
    Sliders(0.0f);
    struct Case {
        QPoint at;
        Qt::CursorShape cursor;
        const char* tip;
    };
    const Case cases[] = {
        {Centre(g_leftSliderRect), Qt::SizeHorCursor, "Drag along the axis to count the samples"},
        {Centre(dorvane->Plot().SliderLabelBox(true)), Qt::PointingHandCursor,
         "Double-click to type a value"},
        {QPoint(g_sdAxisLeft + 5, g_sdAxisY - 5), Qt::PointingHandCursor,
         "Click a column to select one of its samples"},
        {QPoint(10, 420), Qt::ArrowCursor, ""},
    };
    g_outer = qInstallMessageHandler(IgnoreRaiseLimit);
    for (const Case& c : cases) {
        SCOPED_TRACE(c.tip);
        SendMove(dorvane.get(), c.at, Qt::NoButton);
        EXPECT_EQ(dorvane->cursor().shape(), c.cursor);
        QHelpEvent help(QEvent::ToolTip, c.at, dorvane->mapToGlobal(c.at));
        QApplication::sendEvent(dorvane.get(), &help);
        EXPECT_EQ(help.isAccepted(), *c.tip != '\0'); // nothing to say: left unanswered
        if (*c.tip) {
            EXPECT_TRUE(QToolTip::text().startsWith(QString::fromLatin1(c.tip)))
                << QToolTip::text().toStdString();
            EXPECT_EQ(QToolTip::text().count("with the keyboard"), 1); // said once
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
