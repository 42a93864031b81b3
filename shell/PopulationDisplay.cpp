// The part of the windows' display that reaches the Population window, the
// binomial one while binomial, and the population settings dialog.
#include "shell/WindowViews.h"

#include "core/SimulationState.h"
#include "windows/population/BinomialPopDlg.h"
#include "windows/population/PopSettingsDlg.h"
#include "windows/population/PopulationDlg.h"

void CWindowDisplays::RedrawCurve() {
    if (g_runInProgress && m_popPictureCurrent) return;
    m_popPictureCurrent = g_runInProgress != 0;
    if (g_isBinomial) {
        if (g_binomialWnd) g_binomialWnd->RedrawBinomial();
    } else if (g_populationWnd) {
        g_populationWnd->RedrawCurve();
    }
}

void CWindowDisplays::MarkSample(int column) {
    m_popPictureCurrent = false;
    if (g_isBinomial) {
        if (g_binomialWnd) g_binomialWnd->MarkSample(column);
    } else if (g_populationWnd) {
        g_populationWnd->MarkSample(column);
    }
}

void CWindowDisplays::PlaceHandles() {
    if (g_populationWnd) g_populationWnd->PlaceHandles();
}

void CWindowDisplays::RepaintPopulation() {
    if (g_populationWnd) g_populationWnd->RepaintPlotAndNameBox();
}

void CWindowDisplays::SetSettingsFieldTexts(const std::string& mean, const std::string& sd) {
    if (g_popSettingsWnd)
        g_popSettingsWnd->SetFieldTexts(QString::fromStdString(mean), QString::fromStdString(sd));
}
