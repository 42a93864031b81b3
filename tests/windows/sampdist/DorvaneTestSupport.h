#pragma once
// The Dorvane window under test with the Population window beside it, as the
// program shows them: the fixture, and pixels of its surface.
#include "core/Messages.h"
#include "core/Population.h"
#include "core/SamplingEngine.h"
#include "core/SimulationState.h"
#include "resources/Resource.h"
#include "shell/WindowViews.h"
#include "tests/support/GuiTestSupport.h"
#include "ui/DrawingResources.h"
#include "ui/Gdi.h"
#include "windows/population/PopulationDlg.h"
#include "windows/sampdist/SampDistModel.h"
#include "windows/sampdist/SamplingDistDlg.h"
#include "windows/sampdist/SliderModel.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QTest>
#include <cmath>
#include <cstdlib>
#include <memory>
#include <vector>

class DorvaneWindow : public GuiTest {
  protected:
    void SetUp() override {
        GuiTest::SetUp();
        InstallWindowViews();
        population = std::make_unique<CPopulationDlg>();
        population->show();
        g_populationWndVisible = 1;
        ApplyPreset(PresetShape::SkewedPlus);
        dorvane = std::make_unique<CSamplingDistDlg>();
        dorvane->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(dorvane.get()));
        g_samplingDistWndVisible = 1;
        dorvane->BringUpToDate();
    }
    void TearDown() override {
        dorvane.reset();
        population.reset();
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
        // Every field from Total Samples Drawn to the t proportion.
        for (int id = IDC_SD_TOTAL_DRAWN; id <= IDC_SD_T_PROPORTION; ++id) {
            const QString text = Text(id).toLower();
            EXPECT_FALSE(text.contains("nan") || text.contains("inf"))
                << when << ": control " << id << " reads " << text.toStdString();
        }
    }
    // Puts the slider on the mean (it starts where the shown value 0 lies).
    void SliderAtMean() {
        g_leftSliderZ = 0.0f;
        RecomputeSliderValues();
        dorvane->BringUpToDate();
    }
    // Types both fields and presses DRAW SAMPLES at the given speed button.
    void Draw(int n, int count, int speed = IDC_SD_SPEED_F) {
        Click(speed);
        Type(IDC_SD_SAMPLE_SIZE, QString::number(n));
        Type(IDC_SD_NUM_SAMPLES, QString::number(count));
        Click(IDC_SD_DRAW_SAMPLES);
    }

    std::unique_ptr<CPopulationDlg> population;
    std::unique_ptr<CSamplingDistDlg> dorvane;
};

inline QRgb SdPixel(int x, int y) {
    return PixelOf(g_sdMemDC, x, y);
}
// Pixel just above the axis in the middle of a column.
inline QRgb ColumnFoot(const Rect& c) {
    return SdPixel((c.left + c.right) / 2, g_sdAxisY - 1);
}
inline const QRgb kGreen = Rgb(0, 255, 100), kRed = Rgb(255, 0, 0), kBlack = Rgb(0, 0, 0),
                  kBlue = Rgb(0, 0, 255), kPlotWhite = Rgb(250, 250, 250);

// Slot of the first drawn column holding at least this many samples, seen
// from the left (or the right).
inline int SlotWithCount(int atLeast, bool fromRight = false) {
    for (int i = 1; i <= kSdColumnSlots; ++i) {
        const int slot = fromRight ? kSdColumnSlots + 1 - i : i;
        if (!g_sdColumnRect[slot].IsEmpty() && g_meanHistogram[g_sdColumnBin[slot]] >= atLeast)
            return slot;
    }
    return 0;
}

// Pixels of the curve's blue above the axis, the mean line left out.
inline int BluePixels() {
    int blue = 0;
    for (int x = g_sdAxisLeft + 1; x < g_sdAxisRight; ++x)
        for (int y = g_sdPlotTop; y < g_sdAxisY; ++y)
            blue += x != AxisMarkX(g_popMean, 1) && SdPixel(x, y) == kBlue;
    return blue;
}
