#pragma once
// Where the tool windows stand in the main frame's workspace when the teacher
// asks for a layout that suits the screen (a projector's scale leaves far less
// room than the start-up line-up needs), and how far the workspace scrolls to
// bring a control into view. Sizes and positions are workspace pixels.

#include "core/Geometry.h"

#include <span>
#include <vector>

struct WindowSize {
    int width = 0;
    int height = 0;
};

// Where a window stands, and whether it stands clear of the others (in the
// top row or a row below it) rather than overlapping them.
struct Placement {
    Rect rect;
    bool clear = false;
    bool operator==(const Placement&) const = default;
};

// The place of each window, in the given order. As many windows as fit side
// by side stand in a row along the top: the one in use (inUse, or -1 for
// none) when it fits, then the narrowest, shown in their own order from the
// left. Below it come rows of those that fit whole; the rest overlap, each
// whole in view when it fits the area and pushed back to the top (or left)
// edge when it is taller (or wider).
std::vector<Placement> ArrangeWindows(int areaWidth, int areaHeight,
                                      std::span<const WindowSize> sizes, int inUse = -1);

// How far to scroll along one axis so the span [first, past) shows in a view
// [0, viewSize): 0 when it shows already, negative to scroll back. A span
// larger than the view shows from its start.
int ScrollToShow(int first, int past, int viewSize);
