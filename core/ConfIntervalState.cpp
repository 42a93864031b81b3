#include "core/ConfIntervalState.h"

int g_ciConfLevel, g_ciSampleSize, g_ciUseZ, g_ciOneSided, g_ciLowEnd, g_ciSigmaKnown;
float g_ciAlpha;
int g_ciPercentile, g_ciDegreesOfFreedom;
float g_ciCriticalValue, g_ciSelLow, g_ciSelHigh;
int g_ciSelHasEnds, g_ciPlausible;

float g_ciScaleX, g_ciScaleY;
Rect g_ciGraphRect, g_ciStripRect;
int g_ciAxisLeft, g_ciAxisRight;
float g_ciPixelsPerUnit;
int g_ciStripPixelsPerUnit;

int g_ciDragging, g_ciDragLastX;

void ResetConfIntervalState() {
    g_ciConfLevel = 95;
    g_ciSampleSize = 0;
    g_ciUseZ = 1;
    g_ciOneSided = 0;
    g_ciLowEnd = 0;
    g_ciSigmaKnown = 1;
    g_ciAlpha = 0.025f;
    g_ciPercentile = 9750;
    g_ciDegreesOfFreedom = 0;
    g_ciCriticalValue = 1.96f;
    g_ciSelLow = 0.0f;
    g_ciSelHigh = 10.0f;
    g_ciSelHasEnds = 1;
    g_ciPlausible = 1;

    // The design size's layout, until the window sets its own.
    g_ciScaleX = g_ciScaleY = 1.0f;
    g_ciGraphRect = Rect{180, 0, 489, 456};
    g_ciStripRect = Rect{0, 456, 509, 540};
    g_ciAxisLeft = 190;
    g_ciAxisRight = 479;
    g_ciPixelsPerUnit = 28.9f;
    g_ciStripPixelsPerUnit = 40;

    g_ciDragging = 0;
    g_ciDragLastX = 0;
}
