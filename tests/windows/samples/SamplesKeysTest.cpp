// The Samples window from the keyboard: a limit steps as a drag by a pixel
// does and takes a typed value over its label, the picture goes through the
// samples with the scroll bar's steps and Space selects the one shown, and
// Enter in a field draws.
#include "core/Messages.h"
#include "core/Population.h"
#include "core/Selection.h"
#include "core/SimulationState.h"
#include "resources/Resource.h"
#include "shell/WindowViews.h"
#include "tests/support/GuiTestSupport.h"
#include "tests/windows/NeighbourWindows.h"
#include "ui/DrawingResources.h"
#include "ui/FocusSpot.h"
#include "ui/Gdi.h"
#include "ui/ValueEditor.h"
#include "windows/population/PopulationDlg.h"
#include "windows/sampdist/SamplingDistDlg.h"
#include "windows/samples/SamplesDlg.h"
#include "windows/samples/SamplesModel.h"

#include <QApplication>
#include <QLineEdit>
#include <QScrollBar>
#include <QTest>
#include <memory>

namespace {

class SamplesKeys : public GuiTest, protected NeighbourWindows {
  protected:
    void SetUp() override {
        GuiTest::SetUp();
        InstallWindowViews();
        ShowNeighbours(PresetShape::Uniform);
        samples = std::make_unique<CSamplesDlg>();
        samples->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(samples.get()));
        g_samplesWndVisible = 1;
        QTest::mouseClick(samples->Control(IDC_SAMPLES_SPEED_F), Qt::LeftButton);
    }
    void TearDown() override {
        samples.reset();
        CloseNeighbours();
        GuiTest::TearDown();
    }
    QLineEdit* Edit(int id) const { return qobject_cast<QLineEdit*>(samples->Control(id)); }
    // Types both fields and presses Enter in the second.
    void DrawByEnter(int n, int count) {
        TypeInto(Edit(IDC_SAMPLES_SAMPLE_SIZE), QString::number(n));
        TypeInto(Edit(IDC_SAMPLES_NUM_SAMPLES), QString::number(count));
        QTest::keyClick(Edit(IDC_SAMPLES_NUM_SAMPLES), Qt::Key_Return);
    }

    std::unique_ptr<CSamplesDlg> samples;
};

TEST_F(SamplesKeys, EnterInAFieldDraws) {
    DrawByEnter(20, 40);
    EXPECT_EQ(g_samplesDrawn, 40);
    // ADD MORE up to the limit, then once more: the entry check refuses it
    // with its message, as it refuses the button.
    QTest::mouseClick(samples->Control(IDC_SAMPLES_SERIES_MODE), Qt::LeftButton);
    ASSERT_EQ(g_addMoreMode, 1);
    TypeInto(Edit(IDC_SAMPLES_NUM_SAMPLES), "9960");
    QTest::keyClick(Edit(IDC_SAMPLES_SAMPLE_SIZE), Qt::Key_Return);
    EXPECT_EQ(g_samplesDrawn, 10000);
    EXPECT_TRUE(messages.isEmpty());
    QTest::keyClick(Edit(IDC_SAMPLES_NUM_SAMPLES), Qt::Key_Return);
    EXPECT_EQ(messages, QStringList{kMsgTooManySamples});
    EXPECT_EQ(g_samplesDrawn, 10000);
}

TEST_F(SamplesKeys, ALimitStepsAPixelAndTakesATypedValue) {
    DrawByEnter(20, 5);
    CFocusSpot* lower = samples->LimitSpot(true);
    CFocusSpot* upper = samples->LimitSpot(false);
    ASSERT_TRUE(lower->isVisible() && upper->isVisible());
    EXPECT_TRUE(lower->geometry().contains(ToQRect(g_lowerLimitRect)));
    lower->setFocus();
    QTest::keyClick(lower, Qt::Key_Right, Qt::ShiftModifier);
    QTest::keyClick(lower, Qt::Key_Right);
    const float keyed = g_lowerLimit;
    EXPECT_EQ(LowerLimitPixel(), 35 + 11);
    EXPECT_TRUE(lower->geometry().contains(ToQRect(g_lowerLimitRect)));
    // A drag of the marker to the same pixel gives the same limit.
    DragLowerLimitTo(35);
    samples->RedrawSamplesWindow();
    const QPoint grip = Centre(g_lowerLimitRect);
    QTest::mousePress(samples.get(), Qt::LeftButton, Qt::NoModifier, grip);
    SendMove(samples.get(), QPoint(46, grip.y()), Qt::LeftButton);
    QTest::mouseRelease(samples.get(), Qt::LeftButton, Qt::NoModifier, QPoint(46, grip.y()));
    EXPECT_EQ(g_lowerLimit, keyed);

    // Enter types the upper limit; the share follows it.
    upper->setFocus();
    QTest::keyClick(upper, Qt::Key_Return);
    CValueEditor* field = samples->ValueEditor();
    ASSERT_TRUE(field->IsOpen());
    EXPECT_EQ(field->text(), "10");
    QTest::keyClicks(field, "4.5");
    QTest::keyClick(field, Qt::Key_Return);
    EXPECT_FLOAT_EQ(g_upperLimit, 4.5f);
    EXPECT_EQ(UpperLimitText(), "4.50");
    EXPECT_EQ(QApplication::focusWidget(), upper);
    EXPECT_TRUE(samples->PictureSpot()->accessibleDescription().contains(
        QStringLiteral("between the limits 0.50 and 4.50")));
    // A double-click on the lower label, a slip, and Esc.
    const QFontMetrics metrics(g_fontArial7_5);
    const Rect label = LowerLimitLabelRect(metrics.horizontalAdvance("0.50"), metrics.height());
    QTest::mouseDClick(samples.get(), Qt::LeftButton, Qt::NoModifier, Centre(label));
    ASSERT_TRUE(field->IsOpen());
    EXPECT_EQ(field->text(), "0.50");
    QTest::keyClicks(field, "1,5");
    QTest::keyClick(field, Qt::Key_Return);
    EXPECT_EQ(messages, QStringList{kMsgTypedNotANumber});
    QTest::keyClick(field, Qt::Key_Escape);
    EXPECT_FALSE(field->IsOpen());
    EXPECT_EQ(LowerLimitText(), "0.50");
}

TEST_F(SamplesKeys, ThePictureGoesThroughTheSamplesAndSpaceSelects) {
    DrawByEnter(10, 30);
    CFocusSpot* picture = samples->PictureSpot();
    QScrollBar* bar = qobject_cast<QScrollBar*>(samples->Control(IDC_SAMPLES_SCROLL));
    picture->setFocus();
    QTest::keyClick(picture, Qt::Key_Home);
    EXPECT_EQ(g_currentSampleNo, 1);
    QTest::keyClick(picture, Qt::Key_Right);
    QTest::keyClick(picture, Qt::Key_PageDown);
    EXPECT_EQ(g_currentSampleNo, 5);
    EXPECT_EQ(bar->value(), 5);
    QTest::keyClick(picture, Qt::Key_Up);
    EXPECT_EQ(g_currentSampleNo, 4);
    EXPECT_TRUE(picture->accessibleDescription().startsWith("Sample 4 of 30"));
    QTest::keyClick(picture, Qt::Key_Space);
    EXPECT_TRUE(g_sampleSelected);
    EXPECT_EQ(SelectedSampleRow(), 4);
    EXPECT_TRUE(picture->accessibleDescription().endsWith("it is the selected sample"));
    QTest::keyClick(picture, Qt::Key_End);
    EXPECT_EQ(g_currentSampleNo, 30);
    // In the grid the same keys take the grid's steps.
    QTest::mouseClick(samples->Control(IDC_SAMPLES_VIEW_TOGGLE), Qt::LeftButton);
    QTest::keyClick(picture, Qt::Key_Home);
    QTest::keyClick(picture, Qt::Key_Right);
    EXPECT_EQ(g_currentSampleNo, 3);
    EXPECT_EQ(picture->accessibleDescription(), "Samples 3 to 8 of 30, each as a small histogram");
}

} // namespace
