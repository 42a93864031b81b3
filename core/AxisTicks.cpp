#include "core/AxisTicks.h"

#include "core/NumberText.h"
#include "core/SimulationState.h"

#include <algorithm>
#include <cmath>

namespace {

// More labels than this never fit a window; smaller steps are not tried.
constexpr double kMostLabels = 200.0;

} // namespace

std::vector<AxisTick> NiceTicks(double lo, double hi, const AxisLabelRoom& room) {
    if (!std::isfinite(lo) || !std::isfinite(hi)) return {};
    if (hi < lo) std::swap(lo, hi);
    const double span = hi - lo;
    if (!(span > 0.0)) {
        const double x = room.xOf(lo);
        return {{lo, x, FormatFitted(lo, 2, kShownValueChars)}};
    }
    // From steps that would give too many labels up to one past the whole
    // range, beyond which no step adds or removes a label.
    const int lastPower = static_cast<int>(std::floor(std::log10(span))) + 1;
    for (int power = lastPower - 3; power <= lastPower; ++power) {
        for (int multiple : {1, 2, 5}) {
            const double step = multiple * std::pow(10.0, power);
            // Values within a hair of the range's ends still count as inside.
            const double slack = span * 1e-9;
            const double first = std::ceil((lo - slack) / step);
            const double last = std::floor((hi + slack) / step);
            if (last - first > kMostLabels) continue;
            const int decimals = std::max(0, -power);
            std::vector<AxisTick> ticks;
            double previousRight = -HUGE_VAL;
            bool apart = true;
            for (double k = first; k <= last && apart; ++k) {
                const double value = k * step;
                const std::string text = FormatDecimals(value, decimals);
                const double x = room.xOf(value);
                const double width = room.widthOf(text);
                const double left = x - width / 2.0, right = left + width;
                if (left < room.minX || right > room.maxX) continue;
                apart = left >= previousRight + room.gap;
                previousRight = right;
                ticks.push_back({value, x, text});
            }
            if (apart && !ticks.empty()) return ticks;
        }
    }
    return {};
}

std::vector<AxisTick> LinearAxisTicks(double lo, double hi, double scale, double offset,
                                      const AxisLabelRoom& room) {
    AxisLabelRoom shown = room;
    if (scale == 0.0 || !std::isfinite(scale)) {
        const double middle = room.xOf((lo + hi) / 2.0);
        shown.xOf = [middle](double) { return middle; };
        return NiceTicks(offset, offset, shown);
    }
    shown.xOf = [&room, scale, offset](double value) { return room.xOf((value - offset) / scale); };
    return NiceTicks(scale * lo + offset, scale * hi + offset, shown);
}

std::vector<AxisTick> ShownAxisTicks(double lo, double hi, const AxisLabelRoom& room) {
    const double scale = g_dispScale;
    return LinearAxisTicks(lo, hi, scale, g_dispToMean - scale * g_dispFromMean, room);
}
