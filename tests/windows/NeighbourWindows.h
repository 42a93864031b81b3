#pragma once
// The Population and Dorvane windows shown over a preset population, as a
// window under test finds them beside it in the program.
#include "core/Population.h"
#include "core/SimulationState.h"
#include "windows/population/PopulationDlg.h"
#include "windows/sampdist/SamplingDistDlg.h"

#include <memory>

class NeighbourWindows {
  protected:
    void ShowNeighbours(PresetShape shape) {
        population = std::make_unique<CPopulationDlg>();
        population->show();
        g_populationWndVisible = 1;
        ApplyPreset(shape);
        dorvane = std::make_unique<CSamplingDistDlg>();
        dorvane->show();
        g_samplingDistWndVisible = 1;
    }
    void CloseNeighbours() {
        dorvane.reset();
        population.reset();
    }

    std::unique_ptr<CPopulationDlg> population;
    std::unique_ptr<CSamplingDistDlg> dorvane;
};
