#include "core/SamplesWindowState.h"

#include <algorithm>
#include <iterator>

int g_samplesHistogramView;
float g_lowerLimit, g_upperLimit;
Rect g_lowerLimitRect, g_upperLimitRect;
int g_draggingLowerLimit, g_draggingUpperLimit;
int g_samplesStripOnly;
Rect g_samplesSelectionFrame;
float g_samplesScaleX, g_samplesScaleY;
Rect g_sampleCellRects[kGridCells];

void ResetSamplesWindowState() {
    g_samplesHistogramView = 1;
    g_lowerLimit = 0.0f;
    g_upperLimit = 10.0f;
    g_lowerLimitRect = g_upperLimitRect = Rect{};
    g_draggingLowerLimit = g_draggingUpperLimit = 0;
    g_samplesStripOnly = 0;
    g_samplesSelectionFrame = Rect{};
    g_samplesScaleX = g_samplesScaleY = 0.0f;
    std::fill(std::begin(g_sampleCellRects), std::end(g_sampleCellRects), Rect{});
}
