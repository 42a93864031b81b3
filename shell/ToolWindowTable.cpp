#include "shell/ToolWindowTable.h"

#include "core/SimulationState.h"
#include "resources/Resource.h"
#include "shell/WindowViews.h"
#include "windows/population/BinomialPopDlg.h"
#include "windows/population/PopSettingsDlg.h"
#include "windows/population/PopulationDlg.h"
#include "windows/sampdist/SamplingDistDlg.h"

#include <QMdiArea>

namespace {

template <class T> CToolWindow* Hosted(T*& slot, QMdiArea* area) {
    if (!slot) {
        slot = new T();
        slot->HostIn(area);
    }
    return slot;
}

// The Population command stands for whichever population window the
// measurement kind uses; the binomial window is made by the Measurement menu.
CToolWindow* PopulationShown() {
    if (g_isBinomial) return g_binomialWnd;
    return g_populationWnd;
}
CToolWindow* CreatePopulationShown(QMdiArea* area) {
    return g_isBinomial ? EnsureBinomialWindow(area) : EnsurePopulationWindow(area);
}
// Close Window with "POP" hides the measurement window only.
CToolWindow* PopulationMeasurement() {
    return g_populationWnd;
}

CToolWindow* PopSettings() {
    return g_popSettingsWnd;
}
CToolWindow* CreatePopSettings(QMdiArea* area) {
    return Hosted(g_popSettingsWnd, area);
}

CToolWindow* SamplingDist() {
    return g_samplingDistWnd;
}
CToolWindow* CreateSamplingDist(QMdiArea* area) {
    return Hosted(g_samplingDistWnd, area);
}

CToolWindow* NotYetWritten() {
    return nullptr;
}

const ToolWindowEntry kToolWindows[] = {
    {ID_WINDOW_POPULATION, "POP", &g_populationWndVisible, false, QPoint(1, 1), false, nullptr,
     nullptr, PopulationShown, CreatePopulationShown, PopulationMeasurement, nullptr},
    {ID_WINDOW_SAMPLING_DIST, "CLT", &g_samplingDistWndVisible, false, QPoint(0, 0), true, nullptr,
     nullptr, SamplingDist, CreateSamplingDist, nullptr,
     [] { WindowViews().RefreshDorvanePanel(); }},
    {ID_WINDOW_SAMPLES, "SAMPLE", &g_samplesWndVisible, false, QPoint(0, 0), true, nullptr, nullptr,
     NotYetWritten, nullptr, nullptr, nullptr},
    {ID_WINDOW_CONF_INTERVALS, "CI", &g_confIntervalWndVisible, false, QPoint(0, 0), true,
     &g_ciWndWidth, &g_ciWndHeight, NotYetWritten, nullptr, nullptr,
     [] { WindowViews().RedrawConfIntervalWindow(); }},
    {ID_WINDOW_POP_SETTINGS, "CONT_SETTINGS", nullptr, true, QPoint(0, 0), true, nullptr, nullptr,
     PopSettings, CreatePopSettings, nullptr, nullptr},
};

} // namespace

CToolWindow* EnsurePopulationWindow(QMdiArea* area) {
    return Hosted(g_populationWnd, area);
}
CToolWindow* EnsureBinomialWindow(QMdiArea* area) {
    return Hosted(g_binomialWnd, area);
}

std::span<const ToolWindowEntry> ToolWindows() {
    return kToolWindows;
}

const ToolWindowEntry* FindToolWindow(int commandId) {
    for (const ToolWindowEntry& entry : kToolWindows)
        if (entry.commandId == commandId) return &entry;
    return nullptr;
}
