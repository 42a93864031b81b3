#pragma once
// The windows a student watches during a benchmark: the Population and
// Dorvane windows, and the Samples and Confidence Intervals windows when
// asked for, shown, exposed and reached by the shell's own forwards. The
// program's pauses (a pressed button held down, a falling value's steps) are
// waits, not work: they take no time here.
//
// Each redraw is measured at device-pixel ratio 1 and 2 (its argument
// "scale"): the windows stand on the screen of that ratio and the surfaces
// have its pixels, as at QT_SCALE_FACTOR 2 on a projector.

#include "core/Population.h"
#include "core/Random.h"
#include "core/SimulationState.h"
#include "shell/WindowViews.h"
#include "windows/confint/ConfIntervalDlg.h"
#include "windows/population/PopulationDlg.h"
#include "windows/sampdist/SamplingDistDlg.h"
#include "windows/samples/SamplesDlg.h"

#include "ui/DrawingResources.h"

#include <QApplication>
#include <QGuiApplication>
#include <QScreen>
#include <QWidget>
#include <QWindow>

#include <memory>

// The screen at that device-pixel ratio, or null where the platform has
// none (a QT_QPA_PLATFORM of the caller's own).
inline QScreen* ScreenAtScale(int scale) {
    for (QScreen* screen : QGuiApplication::screens())
        if (screen->devicePixelRatio() == scale) return screen;
    return nullptr;
}

// Puts a window, before it is shown, on the screen; null leaves it where it is.
inline void PlaceOnScreen(QWidget* window, QScreen* screen) {
    if (!screen) return;
    window->setScreen(screen);
    window->move(screen->geometry().topLeft() + QPoint(10, 10));
}

// The surfaces at the ratio: the program makes them for the screen the
// Population window starts on.
inline bool UseScale(int scale) {
    QScreen* screen = ScreenAtScale(scale);
    CreateOffscreenSurfaces(screen ? scale : 0);
    return screen != nullptr;
}

struct BenchWindows {
    std::unique_ptr<CPopulationDlg> population;
    std::unique_ptr<CSamplingDistDlg> dorvane;
    std::unique_ptr<CSamplesDlg> samples;
    std::unique_ptr<CConfIntervalDlg> ci;

    bool scaled = true; // false: no screen at the ratio asked for

    explicit BenchWindows(bool withSamples = false, bool withCi = false, int scale = 1) {
        ResetSimulationState();
        QScreen* screen = ScreenAtScale(scale);
        scaled = screen != nullptr;
        SetSecondsClock([] { return std::int64_t{1700000000}; });
        SetMillisecondWait([](int) {});
        InstallWindowViews();
        population = std::make_unique<CPopulationDlg>();
        UseScale(scale);
        Show(population.get(), g_populationWndVisible, screen);
        ApplyPreset(PresetShape::SkewedPlus);
        dorvane = std::make_unique<CSamplingDistDlg>();
        Show(dorvane.get(), g_samplingDistWndVisible, screen);
        if (withSamples) {
            samples = std::make_unique<CSamplesDlg>();
            Show(samples.get(), g_samplesWndVisible, screen);
        }
        if (withCi) {
            ci = std::make_unique<CConfIntervalDlg>();
            Show(ci.get(), g_confIntervalWndVisible, screen);
        }
        // Repaints reach the screen only once the windows are exposed.
        for (int i = 0; i < 20 && !AllExposed(); ++i)
            QApplication::processEvents();
        dorvane->BringUpToDate();
    }
    ~BenchWindows() {
        ci.reset();
        samples.reset();
        dorvane.reset();
        population.reset();
        UninstallWindowViews();
        SetMillisecondWait({});
        SetSecondsClock({});
    }

    // Sample Size and Number of Samples as typed (and copied into the other
    // windows' fields), the speed, and NEW SERIES.
    void SetFields(int n, int count, int speed) {
        const QString size = QString::number(n), number = QString::number(count);
        dorvane->SetSampleSizeText(size);
        dorvane->SetNumberOfSamplesText(number);
        if (samples) {
            samples->SetSampleSizeText(size);
            samples->SetNumberOfSamplesText(number);
        }
        if (ci) {
            ci->SetSampleSizeText(size);
            ci->SetNumberOfSamplesText(number);
        }
        g_speed = speed;
        g_addMoreMode = 0;
    }

  private:
    static void Show(QWidget* window, int& visibleFlag, QScreen* screen) {
        PlaceOnScreen(window, screen);
        window->show();
        visibleFlag = 1;
    }
    static bool Exposed(QWidget* w) {
        return !w || (w->windowHandle() && w->windowHandle()->isExposed());
    }
    bool AllExposed() const {
        return Exposed(population.get()) && Exposed(dorvane.get()) && Exposed(samples.get()) &&
               Exposed(ci.get());
    }
};
