#pragma once
// The Samples window's program-wide fields. They sit below the windows so the
// one ResetSimulationState gives them their start-up values too; the window
// sets its scales and the limit markers' pixels when it is created.

#include "core/Geometry.h"

// The grid view shows six samples, two to a row.
constexpr int kGridCells = 6;

extern int g_samplesHistogramView; // 1 = one sample as a histogram, 0 = six in a grid
extern float g_lowerLimit;         // the limits on the internal value scale 0..10
extern float g_upperLimit;
extern Rect g_lowerLimitRect; // pixel rectangles of the two limit markers
extern Rect g_upperLimitRect;
extern int g_draggingLowerLimit;
extern int g_draggingUpperLimit;
extern int g_samplesStripOnly;       // the next full redraw shows only the control strip
extern Rect g_samplesSelectionFrame; // the rectangle last framed around the selected sample
extern float g_samplesScaleX;        // client width / 320 and height / 402
extern float g_samplesScaleY;
// The grid's cells, written by its grid view and read by its clicks; an empty
// rectangle holds no sample.
extern Rect g_sampleCellRects[kGridCells];

// Start-up values: the histogram view, the limits at 0 and 10, no drag, no
// strip-only redraw, no layout yet. Called by ResetSimulationState.
void ResetSamplesWindowState();
