#pragma once
// The Dorvane window under test with the Population window (SKEWED +) beside
// it, as the program shows them: the fixture, its controls, and pixels of its
// surface. Expected counts are recounted here from the Sample store.
#include "core/Messages.h"
#include "core/SamplingEngine.h"
#include "core/Selection.h"
#include "resources/Resource.h"
#include "shell/WindowViews.h"
#include "tests/support/GuiTestSupport.h"
#include "tests/windows/NeighbourWindows.h"
#include "ui/DrawingResources.h"
#include "ui/FocusSpot.h"
#include "ui/Gdi.h"
#include "windows/sampdist/SampDistModel.h"
#include "windows/sampdist/SliderModel.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QTest>
#include <functional>

class DorvaneWindow : public GuiTest, protected NeighbourWindows {
  protected:
    void SetUp() override {
        GuiTest::SetUp();
        InstallWindowViews();
        ShowNeighbours(PresetShape::SkewedPlus);
        ASSERT_TRUE(QTest::qWaitForWindowExposed(dorvane.get()));
        dorvane->BringUpToDate();
    }
    void TearDown() override {
        CloseNeighbours();
        GuiTest::TearDown();
    }
    QString Text(int id) const {
        QWidget* w = dorvane->Control(id);
        if (auto* label = qobject_cast<QLabel*>(w)) return label->text();
        if (auto* edit = qobject_cast<QLineEdit*>(w)) return edit->text();
        return qobject_cast<QAbstractButton*>(w)->text();
    }
    void Type(int id, const QString& text) {
        TypeInto(qobject_cast<QLineEdit*>(dorvane->Control(id)), text);
    }
    void Click(int id) {
        QWidget* w = dorvane->Control(id);
        QTest::mouseClick(w, Qt::LeftButton, Qt::NoModifier, w->rect().center());
    }
    void ExpectNoNonNumbers(const char* when) {
        for (int id = IDC_SD_TOTAL_DRAWN; id <= IDC_SD_T_PROPORTION; ++id) {
            const QString text = Text(id).toLower();
            EXPECT_FALSE(text.contains("nan") || text.contains("inf"))
                << when << ": control " << id << " reads " << text.toStdString();
        }
    }
    // Sets the sliders' z values (and any flags first) and redraws.
    void Sliders(float left, float right = 0.0f) {
        g_leftSliderZ = left;
        g_rightSliderZ = right;
        RecomputeSliderValues();
        dorvane->BringUpToDate();
    }
    void Options() { // after a change of the statistic shown
        dorvane->RebinForOptions();
        dorvane->BringUpToDate();
    }
    // Types both fields and presses DRAW SAMPLES at the given speed button.
    void Draw(int n, int count, int speed = IDC_SD_SPEED_F) {
        Click(speed);
        Type(IDC_SD_SAMPLE_SIZE, QString::number(n));
        Type(IDC_SD_NUM_SAMPLES, QString::number(count));
        Click(IDC_SD_DRAW_SAMPLES);
    }
    // Presses on a slider's handle and drags it to x with the left button held.
    void DragSlider(bool left, int x) {
        const QPoint grip = Centre(left ? g_leftSliderRect : g_rightSliderRect);
        QTest::mousePress(dorvane.get(), Qt::LeftButton, Qt::NoModifier, grip);
        SendMove(dorvane.get(), QPoint(x, grip.y()), Qt::LeftButton);
        QTest::mouseRelease(dorvane.get(), Qt::LeftButton, Qt::NoModifier, QPoint(x, grip.y()));
    }
    int Number(int id) const { return Text(id).toInt(); }
    // Samples of the store for which the test holds.
    static int CountOf(const std::function<bool(const SampleRow&)>& test) {
        int count = 0;
        for (int r = 1; r <= g_samplesDrawn; ++r)
            count += test(g_sampleStore[r]);
        return count;
    }
};

inline QRgb SdPixel(int x, int y) {
    return PixelOf(g_sdMemDC, x, y);
}
inline const QRgb kGreen = Rgb(0, 255, 100), kRed = Rgb(255, 0, 0), kBlue = Rgb(0, 0, 255);

// Pixels of a column's middle, from the axis up, that are red.
inline int RedRows(const Rect& column) {
    int red = 0;
    for (int y = g_sdAxisY - 1; y >= g_histRect.top; --y)
        red += SdPixel((column.left + column.right) / 2, y) == kRed;
    return red;
}
