#pragma once
// The shape editor's geometry, free of any drawing: the eleven edit handles
// and the ramps that fill the columns between the handles of a continuous
// curve while the student drags.

#include "core/Geometry.h"

constexpr int kEditHandles = 11;
constexpr int kHandleSpacing = 5; // a continuous handle stands on every fifth column

// How a stretch between two neighbouring handles is filled.
enum class RampKind {
    Flat,
    SCurve, // eases out of one turn and into the next
    CubicIn,
    CubicOut,
    QuadraticIn,
    QuadraticOut,
    Linear,
};

// The ramp for a segment that rises by d, after a segment that rose by dp and
// before one that rises by dn (0 where there is no such segment).
RampKind ChooseRamp(int dp, int d, int dn);

// Pixels a column has moved from the segment's start towards its end, k of
// the four inner columns along (k = 1..4), for a segment |d| pixels long.
int RampOffset(RampKind kind, int k, int distance);

// Rebuilds the 40 columns between the handle columns 0, 5, ..., 50 of heights
// (51 column heights above the baseline); the handle columns are kept.
void RebuildRampHeights(int heights[51]);

// The same on g_popCurve, whose entries are column tops above g_popBaseline.
void RebuildCurveRamps();

// Edit-handle rectangles 1..11 for the current kind, from the curve and the
// Population window geometry; rects[0] is unused. For a binomial population
// only handles 1 and 2 are set, the others are empty.
void ComputeEditHandles(Rect rects[kEditHandles + 1]);

// A dragged column top kept inside the plot: not above trunc(10 s_y), not
// below the baseline.
int ClampDraggedTop(int y);
