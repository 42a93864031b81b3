#pragma once
// The one selected sample that the Samples, Dorvane and Confidence Intervals
// windows share: how a sample number becomes the selection, and how the
// interval graph's page is moved so that it shows the selected sample.
//
// The selection names a sample (g_selectedSample). Its place in the sorted
// means (g_selectedPos) and its row on the interval graph (g_selectedSampleNo)
// are derived from it, and follow it whenever new means or the order of the
// rows move them (PlaceSelection).

#include "core/SimulationState.h"

// Last position k in 1..g_samplesDrawn with g_sortedMeanSampleNo[k] == sample,
// or 0 when there is none.
int SortedPositionOfSample(SampleNo sample);

// Selects sample s of the series: g_selectedSample = s, g_selectedPos = its
// sorted position, g_selectedSampleNo = that position when the intervals are
// sorted by mean, else s; sets g_sampleSelected. A number that is not a
// sample of the series leaves the selection as it is.
void SelectSampleNo(SampleNo sample);

// No sample selected: the flag, the sample, its places and the Dorvane
// window's highlight all cleared.
void DropSelection();

// Puts g_selectedPos and g_selectedSampleNo back on the selected sample after
// the sorted means of rows 1..sortedRows or the order of the interval rows
// changed. Drops the selection when the sample is not among those rows.
void PlaceSelection(int sortedRows);

// The sorted position a key moves the selection to: `step` positions on
// from the selected sample in the order of the means, held to 1..N, or the
// middle one while none is selected. 0 when the series is empty.
int SteppedSortedPosition(int step);

// The selected sample (g_selectedSample), or 0 when none is selected.
int SelectedSampleRow();

// The interval graph shows 211 intervals from g_ciFirstSample. When the
// selected row g_selectedSampleNo is not among them, the page moves so that
// it starts 100 before it (at least at 1) and g_ciScrollPos follows; returns
// whether it moved.
bool BringSelectionIntoCiPage();
