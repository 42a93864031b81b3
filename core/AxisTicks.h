#pragma once
// Where an axis puts its labels: at round values (1, 2 or 5 times a power of
// ten), as many as fit side by side without touching. Every axis of every
// window asks here, so they all read alike; the axis itself keeps its range
// and scale, only the labels move to round numbers.

#include <functional>
#include <string>
#include <vector>

struct AxisTick {
    double value = 0.0;
    double x = 0.0; // where the label is centred
    std::string text;
};

struct AxisLabelRoom {
    // Pixel where a value stands; must grow with the value.
    std::function<double(double)> xOf;
    // Width of a label's text in pixels.
    std::function<double(const std::string&)> widthOf;
    double minX = 0.0; // labels lie wholly inside minX..maxX
    double maxX = 0.0;
    double gap = 2.0; // clear pixels between neighbouring labels
};

// The labels for the values lo..hi: the smallest round step whose labels,
// each centred on its value and written with the decimals the step needs,
// stand apart and inside the room. A range of no width (lo == hi) gets one
// label; a range that is not finite gets none. 0 is a multiple of every
// step, so an axis through 0 labels it.
std::vector<AxisTick> NiceTicks(double lo, double hi, const AxisLabelRoom& room);

// The same for an axis drawn over internal values lo..hi and labelled in the
// values shown, shown = scale x internal + offset; room.xOf takes an internal
// value. With a scale of 0 every point shows one value: one label, in the
// middle.
std::vector<AxisTick> LinearAxisTicks(double lo, double hi, double scale, double offset,
                                      const AxisLabelRoom& room);

// LinearAxisTicks through the population's display transform (core/SimulationState).
std::vector<AxisTick> ShownAxisTicks(double lo, double hi, const AxisLabelRoom& room);
