#pragma once
// Shared pieces of the Dorvane window tests: a Population window and a
// Dorvane window reached by the shell's own forwards, and the actions of a
// student (typing into a field, pressing a button, dragging).

#include "core/Population.h"
#include "core/SimulationState.h"
#include "core/ViewHooks.h"
#include "resources/Resource.h"
#include "shell/DrawingResources.h"
#include "shell/Gdi.h"
#include "shell/WindowViews.h"
#include "tests/support/GuiTestSupport.h"
#include "windows/population/PopulationDlg.h"
#include "windows/sampdist/SampDistModel.h"
#include "windows/sampdist/SamplingDistDlg.h"

#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
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
        ASSERT_TRUE(QTest::qWaitForWindowExposed(population.get()));
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

    QLineEdit* Edit(int id) const { return qobject_cast<QLineEdit*>(dorvane->Control(id)); }
    QString Text(int id) const {
        QWidget* w = dorvane->Control(id);
        if (auto* label = qobject_cast<QLabel*>(w)) return label->text();
        if (auto* edit = qobject_cast<QLineEdit*>(w)) return edit->text();
        if (auto* button = qobject_cast<QAbstractButton*>(w)) return button->text();
        return {};
    }

    // Replaces a field's text by typing, one key at a time as a person does.
    void Type(int id, const QString& text) {
        QLineEdit* edit = Edit(id);
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
    // Speed control by its letter: "F" 1040 .. "S" 1044.
    void ChooseSpeed(int id) { Click(id); }

    // The slider starts where the shown value 0 lies; put it on the mean.
    void SliderAtMean() {
        g_leftSliderZ = 0.0f;
        RecomputeSliderValues();
        dorvane->BringUpToDate();
    }

    // Draws count samples of size n as a student would: types both fields
    // and presses DRAW SAMPLES.
    void Draw(int n, int count) {
        Type(IDC_SD_SAMPLE_SIZE, QString::number(n));
        Type(IDC_SD_NUM_SAMPLES, QString::number(count));
        Click(IDC_SD_DRAW_SAMPLES);
    }

    std::unique_ptr<CPopulationDlg> population;
    std::unique_ptr<CSamplingDistDlg> dorvane;
};

inline QRgb SdPixel(int x, int y) {
    return g_sdMemDC.pixel(x, y) & 0xFFFFFF;
}
inline QRgb Rgb(int r, int g, int b) {
    return qRgb(r, g, b) & 0xFFFFFF;
}
inline const QRgb kGreen = Rgb(0, 255, 100);
inline const QRgb kRed = Rgb(255, 0, 0);
inline const QRgb kBlack = Rgb(0, 0, 0);
inline const QRgb kBlue = Rgb(0, 0, 255);
inline const QRgb kPlotWhite = Rgb(250, 250, 250);

inline QPoint Centre(const Rect& r) {
    return QPoint((r.left + r.right) / 2, (r.top + r.bottom) / 2);
}

// A mouse move with these buttons and keys held, as the platform delivers it.
inline void SendMove(QWidget* widget, QPoint at, Qt::MouseButtons buttons,
                     Qt::KeyboardModifiers keys = Qt::NoModifier) {
    QMouseEvent move(QEvent::MouseMove, QPointF(at), QPointF(widget->mapToGlobal(at)), Qt::NoButton,
                     buttons, keys);
    QApplication::sendEvent(widget, &move);
}
