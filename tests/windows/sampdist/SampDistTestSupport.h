#pragma once
// A Population window and a Dorvane window reached by the shell's own
// forwards, and the actions of a student: typing into a field, pressing a
// button, drawing samples.

#include "core/Population.h"
#include "core/SimulationState.h"
#include "core/ViewHooks.h"
#include "resources/Resource.h"
#include "shell/DrawingResources.h"
#include "shell/WindowViews.h"
#include "tests/support/GuiTestSupport.h"
#include "windows/population/PopulationDlg.h"
#include "windows/sampdist/SampDistModel.h"
#include "windows/sampdist/SamplingDistDlg.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QTest>
#include <memory>

class SampDistTest : public GuiTest {
  protected:
    void SetUp() override {
        GuiTest::SetUp();
        SetViewHooks(&WindowViews());
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
    // Replaces a field's text by typing, one key at a time as a person does.
    void Type(int id, const QString& text) {
        auto* edit = qobject_cast<QLineEdit*>(dorvane->Control(id));
        edit->setFocus();
        QTest::keyClick(edit, Qt::Key_A, Qt::ControlModifier);
        if (text.isEmpty())
            QTest::keyClick(edit, Qt::Key_Delete);
        else
            QTest::keyClicks(edit, text);
    }
    void Click(int id) {
        QWidget* w = dorvane->Control(id);
        QTest::mouseClick(w, Qt::LeftButton, Qt::NoModifier, w->rect().center());
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
