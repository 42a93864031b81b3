#include "core/Selection.h"

#include "core/SimulationState.h"

#include <algorithm>

namespace {
int DrawnRows() {
    return std::clamp(g_samplesDrawn, 0, kMaxSamples);
}
} // namespace

int SortedPositionOfSample(int sample) {
    for (int k = DrawnRows(); k >= 1; --k)
        if (g_sortedMeanSampleNo[k] == sample) return k;
    return 0;
}

void SelectSampleNo(int sample) {
    if (const int pos = SortedPositionOfSample(sample)) g_selectedPos = pos;
    g_selectedSampleNo = g_sortByMeans ? g_selectedPos : sample;
    g_sampleSelected = 1;
}

int SteppedSortedPosition(int step) {
    const int drawn = DrawnRows();
    if (drawn < 1) return 0;
    if (!g_sampleSelected || SelectedSampleRow() == 0) return (drawn + 1) / 2;
    const long long pos = static_cast<long long>(g_selectedPos) + step;
    return static_cast<int>(std::clamp<long long>(pos, 1, drawn));
}

int SelectedSampleRow() {
    if (g_selectedPos < 1 || g_selectedPos > DrawnRows()) return 0;
    return g_sortedMeanSampleNo[g_selectedPos];
}

bool BringSelectionIntoCiPage() {
    const int row = g_selectedSampleNo;
    if (row >= g_ciFirstSample && row <= g_ciFirstSample + 210) return false;
    g_ciFirstSample = std::max(1, row - 100);
    g_ciScrollPos = g_samplesDrawn - g_ciFirstSample;
    return true;
}
