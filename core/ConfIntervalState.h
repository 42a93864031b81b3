#pragma once
// The Confidence Intervals window's program-wide fields: its settings and the
// values derived from them, its layout, and the possible mean's drag. They
// sit below the windows so the one ResetSimulationState gives them their
// start-up values too; the window sets its layout when it is created.

#include "core/Geometry.h"

// --- Settings and derived values -----------------------------------------------
extern int g_ciConfLevel;        // confidence level in whole percent, 1..99
extern int g_ciSampleSize;       // n as last read from the Sample Size field
extern int g_ciUseZ;             // 1: z from the normal table, 0: Student's t
extern int g_ciOneSided;         // 0: two-sided, 1: one-sided
extern int g_ciLowEnd;           // one-sided: 0 = high end only, 1 = low end only
extern int g_ciSigmaKnown;       // 1: the population's sigma, 0: each sample's s
extern float g_ciAlpha;          // tail probability handed to CriticalT
extern int g_ciPercentile;       // cumulative probability x 10000 for ZFromPercentile
extern int g_ciDegreesOfFreedom; // n - 1 of the t search
extern float g_ciCriticalValue;  // in use; kept when none can be computed
extern float g_ciSelLow;         // shown ends of the selected interval
extern float g_ciSelHigh;
extern int g_ciSelHasEnds; // 0 while the selected sample has no interval
extern int g_ciPlausible;  // the possible mean lies in the selected interval

// --- Layout (set when the window is created) ------------------------------------
extern float g_ciScaleX;
extern float g_ciScaleY;
extern Rect g_ciGraphRect;         // the interval graph
extern Rect g_ciStripRect;         // the bottom strip; its bottom moves with Possible Mu
extern int g_ciAxisLeft;           // pixel x of the value 0 on the graph
extern int g_ciAxisRight;          // right end of the graph's axis
extern float g_ciPixelsPerUnit;    // graph pixels per internal value unit
extern int g_ciStripPixelsPerUnit; // strip pixels per internal value unit (W)

// --- The possible mean's drag ---------------------------------------------------
// Set while the possible mean is being dragged, with the pixel x of the
// drag's last position.
extern int g_ciDragging;
extern int g_ciDragLastX;

// Start-up values: 95 %, z, two-sided with a high end, sigma known, critical
// value 1.96, no selected ends (0 and 10); the layout of the design size;
// nothing dragged. Called by ResetSimulationState.
void ResetConfIntervalState();
