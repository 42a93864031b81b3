// The population windows from the keyboard: a handle or a bar top moves with
// Up and Down as a drag by a pixel does, Left and Right choose which, the name
// box opens the preset menu on Enter and says so under the pointer, and the
// settings dialog sets on Enter and cancels on Esc.
#include "tests/windows/population/PopulationTestSupport.h"

#include "core/SeriesControl.h"
#include "ui/FocusRing.h"
#include "ui/FocusSpot.h"
#include "ui/Gdi.h"

#include <QHelpEvent>
#include <QToolTip>
#include <vector>

namespace {

std::vector<int> Curve() {
    return std::vector<int>(g_popCurve, g_popCurve + kCurveSlots);
}

using PopulationKeys = PopulationWindowTest;
using BinomialKeys = BinomialWindowTest;

TEST_F(PopulationKeys, UpAndDownMoveAHandleAsADragByAPixelDoes) {
    for (const bool discrete : {false, true}) {
        SCOPED_TRACE(discrete);
        if (discrete) SwitchToDiscrete();
        ApplyPreset(PresetShape::Normal);
        const std::vector<int> preset = Curve();
        CFocusSpot* handle = population->HandleSpot();
        handle->setFocus();
        // Handle 4 (the value 3): three to the right of the first.
        QTest::keyClick(handle, Qt::Key_End);
        EXPECT_EQ(population->KeyHandle(), kEditHandles);
        QTest::keyClick(handle, Qt::Key_Home);
        for (int i = 0; i < 3; ++i)
            QTest::keyClick(handle, Qt::Key_Right);
        ASSERT_EQ(population->KeyHandle(), 4);
        EXPECT_EQ(handle->geometry(), ToQRect(population->HandleRect(4)));
        g_samplesDrawn = 5; // a series, which the grab ends
        QTest::keyClick(handle, Qt::Key_Up, Qt::ShiftModifier);
        QTest::keyClick(handle, Qt::Key_Up);
        const std::vector<int> keyed = Curve();
        EXPECT_EQ(g_samplesDrawn, 0);
        EXPECT_EQ(population->PopulationName(), "DISTRIBUTION");
        // The ring's spot stays on the handle as it rises.
        EXPECT_EQ(handle->geometry(), ToQRect(population->HandleRect(4)));

        // The same handle dragged by the mouse to eleven pixels above its top.
        std::copy(preset.begin(), preset.end(), g_popCurve);
        RecomputePopulationParameters();
        population->RedrawCurve();
        const int top = g_popCurve[discrete ? 4 : kHandleSpacing * 3 + 1];
        const QPoint grip = Centre(population->HandleRect(4));
        Drag(population.get(), grip, {QPoint(grip.x(), top - 11)});
        EXPECT_EQ(Curve(), keyed);
    }
}

TEST_F(PopulationKeys, TheNameBoxOpensThePresetsAndSaysSo) {
    CFocusSpot* box = population->NameBoxSpot();
    EXPECT_EQ(box->toolTip(), "Click for preset shapes");
    EXPECT_EQ(box->geometry(), ToQRect(population->NameBox()));
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
    // Under the pointer: a pointing hand and the same words.
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

TEST_F(BinomialKeys, UpAndDownSetPAsADragOfABarTopDoes) {
    Press(IDC_BINOMIAL_P_FIRST + 7); // p = .40
    const std::vector<int> start = Curve();
    CFocusSpot* bars = binomial->BarSpot();
    EXPECT_EQ(binomial->KeyBar(), 2); // the successes bar: p itself
    bars->setFocus();
    QTest::keyClick(bars, Qt::Key_Up, Qt::ShiftModifier);
    QTest::keyClick(bars, Qt::Key_Up, Qt::ShiftModifier);
    const std::vector<int> keyed = Curve();
    EXPECT_GT(g_popMean, 0.4f);
    std::copy(start.begin(), start.end(), g_popCurve);
    RecomputePopulationParameters();
    binomial->RedrawBinomial();
    const QPoint grip = Centre(binomial->HandleRect(2));
    Drag(binomial.get(), grip, {QPoint(grip.x(), start[2] - 20)});
    EXPECT_EQ(Curve(), keyed);
    // Left chooses the failures bar; raising it lowers p.
    const float p = g_popMean;
    QTest::keyClick(bars, Qt::Key_Left);
    EXPECT_EQ(binomial->KeyBar(), 1);
    const QRect failures = ToQRect(binomial->HandleRect(1));
    EXPECT_TRUE(bars->geometry().left() <= failures.left() &&
                bars->geometry().right() >= failures.right());
    // At p = 0 the successes bar is empty: its ring still ends above the
    // axis labels (their tops 2 pixels under the baseline).
    SetBinomialP(0.0f);
    binomial->RedrawBinomial();
    QTest::keyClick(bars, Qt::Key_Right);
    const QRect ring = bars->geometry().adjusted(-kFocusRingOutset, -kFocusRingOutset,
                                                 kFocusRingOutset, kFocusRingOutset);
    EXPECT_LT(ring.bottom(), g_popBaseline + 2);
    const int successesX = ToQRect(binomial->HandleRect(2)).center().x();
    EXPECT_TRUE(ring.left() <= successesX && successesX <= ring.right());
    QTest::keyClick(bars, Qt::Key_Left);
    SetBinomialP(p);
    binomial->RedrawBinomial();
    QTest::keyClick(bars, Qt::Key_Up);
    EXPECT_LT(g_popMean, p);
    EXPECT_TRUE(bars->accessibleDescription().startsWith(
        "Binomial population: proportion of successes p = "));
}

TEST_F(PopulationKeys, TheSettingsDialogSetsOnEnterAndCancelsOnEsc) {
    ApplyPreset(PresetShape::Normal);
    EXPECT_EQ(settings->windowTitle(), "Population Settings");
    settings->show();
    TypeInto(settings->MeanField(), "100");
    TypeInto(settings->SdField(), "15");
    QTest::keyClick(settings->SdField(), Qt::Key_Return);
    EXPECT_FLOAT_EQ(ShownValue(g_popMean), 100.0f);
    // Esc puts back the values in force and closes the dialog.
    TypeInto(settings->MeanField(), "7");
    QTest::keyClick(settings->MeanField(), Qt::Key_Escape);
    EXPECT_EQ(settings->MeanField()->text(), "100.00");
    EXPECT_FLOAT_EQ(ShownValue(g_popMean), 100.0f);
    EXPECT_FALSE(settings->isVisible());
    settings->show();
    // Enter on a focused button presses that button, not SET.
    QPushButton* byDefault = settings->Button(IDC_SETTINGS_DEFAULT);
    byDefault->setFocus();
    QTest::keyClick(byDefault, Qt::Key_Return);
    EXPECT_FLOAT_EQ(ShownValue(g_popMean), g_popMean);
    EXPECT_TRUE(messages.isEmpty());
}

} // namespace
