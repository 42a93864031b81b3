#include "shell/ToolWindowTable.h"

#include "core/SimulationState.h"
#include "resources/Resource.h"
#include "shell/WindowViews.h"
#include "windows/confint/ConfIntervalDlg.h"
#include "windows/population/BinomialPopDlg.h"
#include "windows/population/PopSettingsDlg.h"
#include "windows/population/PopulationDlg.h"
#include "windows/sampdist/SamplingDistDlg.h"
#include "windows/samples/SamplesDlg.h"

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

CToolWindow* Samples() {
    return g_samplesWnd;
}
CToolWindow* CreateSamples(QMdiArea* area) {
    return Hosted(g_samplesWnd, area);
}

CToolWindow* ConfIntervals() {
    return g_confIntervalWnd;
}
CToolWindow* CreateConfIntervals(QMdiArea* area) {
    return Hosted(g_confIntervalWnd, area);
}

const ToolWindowEntry kToolWindows[] = {
    {.commandId = ID_WINDOW_POPULATION,
     .tag = "POP",
     .visibleFlag = &g_populationWndVisible,
     .templatePos = QPoint(1, 1),
     .existing = PopulationShown,
     .create = CreatePopulationShown,
     .closeTarget = PopulationMeasurement},
    {.commandId = ID_WINDOW_SAMPLING_DIST,
     .tag = "CLT",
     .visibleFlag = &g_samplingDistWndVisible,
     .lineUp = true,
     .existing = SamplingDist,
     .create = CreateSamplingDist,
     .afterShow = [] { WindowDisplays().RefreshPanel(); }},
    {.commandId = ID_WINDOW_SAMPLES,
     .tag = "SAMPLE",
     .visibleFlag = &g_samplesWndVisible,
     .lineUp = true,
     .existing = Samples,
     .create = CreateSamples},
    {.commandId = ID_WINDOW_CONF_INTERVALS,
     .tag = "CI",
     .visibleFlag = &g_confIntervalWndVisible,
     .lineUp = true,
     .layoutWidth = &g_ciWndWidth,
     .layoutHeight = &g_ciWndHeight,
     .existing = ConfIntervals,
     .create = CreateConfIntervals,
     .afterShow = [] { WindowDisplays().RedrawConfIntervalWindow(); }},
    {.commandId = ID_WINDOW_POP_SETTINGS,
     .tag = "CONT_SETTINGS",
     .createdHidden = true,
     .lineUp = true,
     .existing = PopSettings,
     .create = CreatePopSettings},
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
