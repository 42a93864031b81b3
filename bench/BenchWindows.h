#pragma once
// The windows a student watches during a benchmark: the Population and
// Dorvane windows, and the Samples and Confidence Intervals windows when
// asked for, shown, exposed and reached by the shell's own forwards. The
// program's pauses (a pressed button held down, a falling value's steps) are
// waits, not work: they take no time here.

#include "core/Population.h"
#include "core/Random.h"
#include "core/SimulationState.h"
#include "shell/WindowViews.h"
#include "windows/confint/ConfIntervalDlg.h"
#include "windows/population/PopulationDlg.h"
#include "windows/sampdist/SamplingDistDlg.h"
#include "windows/samples/SamplesDlg.h"

#include <QApplication>
#include <QWindow>

#include <memory>

struct BenchWindows {
    std::unique_ptr<CPopulationDlg> population;
    std::unique_ptr<CSamplingDistDlg> dorvane;
    std::unique_ptr<CSamplesDlg> samples;
    std::unique_ptr<CConfIntervalDlg> ci;

    explicit BenchWindows(bool withSamples = false, bool withCi = false) {
        ResetSimulationState();
        SetSecondsClock([] { return std::int64_t{1700000000}; });
        SetMillisecondWait([](int) {});
        InstallWindowViews();
        population = std::make_unique<CPopulationDlg>();
        Show(population.get(), g_populationWndVisible);
        ApplyPreset(PresetShape::SkewedPlus);
        dorvane = std::make_unique<CSamplingDistDlg>();
        Show(dorvane.get(), g_samplingDistWndVisible);
        if (withSamples) {
            samples = std::make_unique<CSamplesDlg>();
            Show(samples.get(), g_samplesWndVisible);
        }
        if (withCi) {
            ci = std::make_unique<CConfIntervalDlg>();
            Show(ci.get(), g_confIntervalWndVisible);
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
    static void Show(QWidget* window, int& visibleFlag) {
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
