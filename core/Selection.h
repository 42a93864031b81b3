#pragma once
// The one selected sample that the Samples, Dorvane and Confidence Intervals
// windows share: how a sample number becomes the selection, and how the
// interval graph's page is moved so that it shows the selected sample.

// Last position k in 1..g_samplesDrawn with g_sortedMeanSampleNo[k] == sample,
// or 0 when there is none.
int SortedPositionOfSample(int sample);

// Selects sample s as a click on the sample itself does: g_selectedPos = its
// sorted position (kept when s is not in the series), g_selectedSampleNo =
// that position when the intervals are sorted by mean, else s. Sets
// g_sampleSelected.
void SelectSampleNo(int sample);

// The sorted position a key moves the selection to: `step` positions on
// from the selected sample in the order of the means, held to 1..N, or the
// middle one while none is selected. 0 when the series is empty.
int SteppedSortedPosition(int step);

// The sample the selection stands for (g_sortedMeanSampleNo[g_selectedPos]),
// or 0 when nothing valid is selected.
int SelectedSampleRow();

// The interval graph shows 211 intervals from g_ciFirstSample. When the
// selected row g_selectedSampleNo is not among them, the page moves so that
// it starts 100 before it (at least at 1) and g_ciScrollPos follows; returns
// whether it moved.
bool BringSelectionIntoCiPage();
