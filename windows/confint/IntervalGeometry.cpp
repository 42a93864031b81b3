#include "windows/confint/IntervalGeometry.h"

#include "core/AxisTicks.h"
#include "core/NumberText.h"
#include "core/Selection.h"
#include "core/SimulationState.h"

#include <algorithm>
#include <cmath>

namespace {
int Drawn() {
    return std::clamp(g_samplesDrawn, 0, kMaxSamples);
}
} // namespace

int TruncPixel(double value) {
    if (std::isnan(value)) return 0;
    if (value > 1e9) return 1000000000;
    if (value < -1e9) return -1000000000;
    return static_cast<int>(value);
}

void SetConfIntervalLayout(int clientWidth, int clientHeight) {
    g_ciScaleX = static_cast<float>(clientWidth * 0.0019646366);
    g_ciScaleY = static_cast<float>(clientHeight * 0.0018518518);
    g_ciGraphRect = Rect{CiX(180), 0, clientWidth - CiX(20), CiY(456)};
    g_ciStripRect = Rect{0, CiY(456), clientWidth, clientHeight};
    g_ciAxisLeft = g_ciGraphRect.left + CiX(10);
    g_ciAxisRight = g_ciGraphRect.right - CiX(10);
    g_ciPixelsPerUnit =
        static_cast<float>((g_ciGraphRect.right - 10.0 * g_ciScaleX - g_ciAxisLeft) * 0.1);
    g_ciStripPixelsPerUnit = TruncPixel((g_ciAxisRight - g_ciAxisLeft) * 0.14);
}

// --- The interval graph ------------------------------------------------------------------

int LastRowOnPage() {
    return std::min(g_ciFirstSample + kRowsPerPage - 1, Drawn());
}

int RowY(int row) {
    return TruncPixel((2.0 * (g_ciFirstSample - row) + 430.0) * g_ciScaleY);
}

int GraphX(float value) {
    return g_ciAxisLeft + TruncPixel(static_cast<double>(g_ciPixelsPerUnit) * value);
}

RowLine LineOfRow(const Interval& interval, int row) {
    RowLine line;
    line.y = RowY(row);
    line.xCentre = GraphX(interval.centre);
    line.drawLine = interval.hasEnds;
    if (!interval.hasEnds) return line;
    line.xLow = GraphX(interval.low);
    if (line.xLow < g_ciAxisLeft || (g_ciOneSided && !g_ciLowEnd)) line.xLow = g_ciAxisLeft;
    line.xHigh = GraphX(interval.high);
    const int axisEnd = g_ciGraphRect.right - CiX(10);
    if (line.xHigh > axisEnd || (g_ciOneSided && g_ciLowEnd)) line.xHigh = axisEnd;
    // A line no longer than its centre mark (a very low level) would vanish
    // under it: it reaches a pixel past the mark either side, so its colour shows.
    if (line.xHigh - line.xLow < 4) {
        line.xLow = std::min(line.xLow, line.xCentre - 2);
        line.xHigh = std::max(line.xHigh, line.xCentre + 2);
    }
    return line;
}

int RowAtY(int y) {
    const double rowHeight = 2.0 * g_ciScaleY;
    if (!(rowHeight > 0.0)) return g_ciFirstSample;
    return g_ciFirstSample + TruncPixel((430.0 * g_ciScaleY - y) / rowHeight);
}

bool SelectRowAt(int y) {
    int row = RowAtY(y);
    if (row < 0 || row > Drawn() || Drawn() < 1) {
        // A click above the last row drops the selection in every window.
        DropSelection();
        return false;
    }
    if (row == 0) row = 1;
    SelectRow(row);
    return true;
}

int SteppedRow(int step) {
    const int drawn = Drawn();
    if (drawn < 1) return 0;
    if (!SelectedRowValid()) return std::clamp(g_ciFirstSample, 1, drawn);
    const long long row = static_cast<long long>(g_selectedSampleNo) + step;
    return static_cast<int>(std::clamp<long long>(row, 1, drawn));
}

std::vector<AxisTick> CiAxisTicks(const std::function<double(double)>& xOf, double minX,
                                  double maxX,
                                  const std::function<double(const std::string&)>& widthOf) {
    AxisLabelRoom room;
    room.xOf = xOf;
    room.widthOf = widthOf;
    room.minX = minX;
    room.maxX = maxX;
    room.gap = CiX(4);
    // Proportions are drawn ten times wider than they are.
    if (g_isBinomial) return LinearAxisTicks(0.0, 10.0, 0.1, 0.0, room);
    return ShownAxisTicks(0.0, 10.0, room);
}

std::vector<AxisTick> GraphAxisTicks(const std::function<double(const std::string&)>& widthOf) {
    // Inside the graph's frame, clear of its edges.
    return CiAxisTicks([](double v) { return g_ciAxisLeft + g_ciPixelsPerUnit * v; },
                       g_ciGraphRect.left + 2, g_ciGraphRect.right - 2, widthOf);
}

// --- The scroll bar -------------------------------------------------------------------------

int CiScrollPosOfPage(int drawn) {
    drawn = std::min(drawn, kMaxSamples);
    if (drawn < 1) return 1;
    return std::clamp(drawn - g_ciFirstSample + 1, 1, drawn);
}

int ScrollCiGraph(ScrollRequest request, int thumbPos) {
    int pos = g_ciScrollPos;
    switch (request) {
    case ScrollRequest::LineBack:
        pos -= 1;
        break;
    case ScrollRequest::LineForward:
        pos += 1;
        break;
    case ScrollRequest::PageBack:
        pos -= 200;
        break;
    case ScrollRequest::PageForward:
        pos += 200;
        break;
    case ScrollRequest::Thumb:
        pos = thumbPos;
        break;
    case ScrollRequest::Other:
        break;
    }
    const int drawn = Drawn();
    pos = std::clamp(pos, 1, std::max(drawn, 1));
    g_ciScrollPos = pos;
    // With no samples the page stays at the start.
    g_ciFirstSample = drawn > 0 ? drawn - pos + 1 : 1;
    return pos;
}
