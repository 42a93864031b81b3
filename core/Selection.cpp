#include "core/Selection.h"

#include "core/SimulationState.h"

#include <algorithm>

namespace {
int DrawnRows() {
    return std::clamp(g_samplesDrawn, 0, kMaxSamples);
}

int PositionAmong(SampleNo sample, int rows) {
    for (int k = std::clamp(rows, 0, kMaxSamples); k >= 1; --k)
        if (SampleAtSortedRow(k) == sample) return k;
    return 0;
}
} // namespace

int SortedPositionOfSample(SampleNo sample) {
    return PositionAmong(sample, DrawnRows());
}

void SelectSampleNo(SampleNo sample) {
    const int pos = SortedPositionOfSample(sample);
    if (pos == 0) return;
    g_sampleSelected = 1;
    g_selectedSample = sample.value;
    g_selectedPos = pos;
    g_selectedSampleNo = g_sortByMeans ? pos : sample.value;
}

void DropSelection() {
    g_sampleSelected = 0;
    g_selectedSample = 0;
    g_selectedPos = 0;
    g_selectedSampleNo = 0;
    g_sdSelectionRect = Rect{};
}

void PlaceSelection(int sortedRows) {
    if (!g_sampleSelected) return;
    const int pos = g_selectedSample >= 1 ? PositionAmong(g_selectedSample, sortedRows) : 0;
    if (pos == 0) {
        DropSelection();
        return;
    }
    g_selectedPos = pos;
    g_selectedSampleNo = g_sortByMeans ? pos : g_selectedSample;
}

int SteppedSortedPosition(int step) {
    const int drawn = DrawnRows();
    if (drawn < 1) return 0;
    if (SelectedSampleRow() == 0 || g_selectedPos < 1 || g_selectedPos > drawn)
        return (drawn + 1) / 2;
    const long long pos = static_cast<long long>(g_selectedPos) + step;
    return static_cast<int>(std::clamp<long long>(pos, 1, drawn));
}

int SelectedSampleRow() {
    if (!g_sampleSelected || g_selectedSample < 1 || g_selectedSample > kMaxSamples) return 0;
    return g_selectedSample;
}

bool BringSelectionIntoCiPage() {
    const int row = g_selectedSampleNo;
    if (row >= g_ciFirstSample && row <= g_ciFirstSample + 210) return false;
    g_ciFirstSample = std::max(1, row - 100);
    g_ciScrollPos = g_samplesDrawn - g_ciFirstSample;
    return true;
}
