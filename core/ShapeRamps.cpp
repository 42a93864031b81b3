#include "core/ShapeRamps.h"

#include "core/SimulationState.h"

#include <cstdlib>

namespace {

constexpr int kContinuousColumnCount = 51;

int Sign(int v) {
    return (v > 0) - (v < 0);
}

// Each ramp is a fraction num(k) / den of the way; kept in integers so a
// whole-pixel result never lands a hair below its true value.
struct Fraction {
    int num;
    int den;
};

Fraction RampFraction(RampKind kind, int k) {
    switch (kind) {
    case RampKind::Flat:
        return {0, 1};
    case RampKind::Linear:
        return {k, 5};
    case RampKind::QuadraticIn:
        return {(k + 7) * (k + 7) - 49, 95};
    case RampKind::QuadraticOut:
        // 1 - ((12 - k)^2 - 49) / 95
        return {144 - (12 - k) * (12 - k), 95};
    case RampKind::CubicIn:
        return {(k + 2) * (k + 2) * (k + 2) - 8, 335};
    case RampKind::CubicOut:
        // 1 - ((7 - k)^3 - 8) / 335
        return {343 - (7 - k) * (7 - k) * (7 - k), 335};
    case RampKind::SCurve:
        return RampFraction(k <= 2 ? RampKind::CubicIn : RampKind::CubicOut, k);
    }
    return {0, 1};
}

} // namespace

RampKind ChooseRamp(int dp, int d, int dn) {
    if (d == 0) return RampKind::Flat;
    // A turn: the neighbouring segment is level or runs the other way.
    const bool startsAtTurn = dp == 0 || Sign(dp) != Sign(d);
    const bool endsAtTurn = dn == 0 || Sign(dn) != Sign(d);
    if (startsAtTurn && endsAtTurn) return RampKind::SCurve;
    if (startsAtTurn) return RampKind::CubicIn;
    if (endsAtTurn) return RampKind::CubicOut;
    const int next = std::abs(dn), here = std::abs(d);
    if (next < here) return RampKind::QuadraticOut;
    if (next == here) return RampKind::Linear;
    return RampKind::QuadraticIn;
}

int RampOffset(RampKind kind, int k, int distance) {
    const Fraction f = RampFraction(kind, k);
    return static_cast<int>(static_cast<long long>(f.num) * distance / f.den);
}

void RebuildRampHeights(int heights[51]) {
    for (int a = 0; a + kHandleSpacing < kContinuousColumnCount; a += kHandleSpacing) {
        const int b = a + kHandleSpacing;
        const int d = heights[b] - heights[a];
        const int dp = a > 0 ? heights[a] - heights[a - kHandleSpacing] : 0;
        const int dn = b + kHandleSpacing < kContinuousColumnCount
                           ? heights[b + kHandleSpacing] - heights[b]
                           : 0;
        const RampKind kind = ChooseRamp(dp, d, dn);
        const int distance = std::abs(d);
        for (int k = 1; k < kHandleSpacing; ++k)
            heights[a + k] = heights[a] + Sign(d) * RampOffset(kind, k, distance);
    }
}

void RebuildCurveRamps() {
    int heights[kContinuousColumnCount];
    for (int c = 0; c < kContinuousColumnCount; ++c)
        heights[c] = g_popBaseline - g_popCurve[c + 1];
    RebuildRampHeights(heights);
    for (int c = 0; c < kContinuousColumnCount; ++c)
        g_popCurve[c + 1] = g_popBaseline - heights[c];
}

void ComputeEditHandles(Rect rects[kEditHandles + 1]) {
    const float sx = g_scaleX, sy = g_scaleY;
    for (int j = 0; j <= kEditHandles; ++j)
        rects[j] = Rect{};
    if (g_isBinomial) {
        const int left = g_plotLeft + Px(sx, 10);
        const int top0 = g_popCurve[1], top1 = g_popCurve[2];
        rects[1] = Rect{left, top0 - Px(sy, 9), g_plotLeft + Px(sx, 109), top0 + Px(sy, 9)};
        rects[2] = Rect{g_plotLeft + Px(sx, 110), top1 - Px(sy, 9), g_plotLeft + Px(sx, 209),
                        top1 + Px(sy, 9)};
        return;
    }
    const int step = Px(sx, 20);
    for (int j = 1; j <= kEditHandles; ++j) {
        const int x = g_plotLeft - Px(sx, 10) + j * step;
        if (g_isDiscrete) {
            const int top = g_popCurve[j];
            rects[j] = Rect{x - Px(sx, 9), top - Px(sy, 3), x + Px(sx, 9), top + Px(sy, 3)};
        } else {
            const int top = g_popCurve[kHandleSpacing * (j - 1) + 1];
            rects[j] = Rect{x - Px(sx, 3), top - Px(sy, 4), x + Px(sx, 3), top + Px(sy, 3)};
        }
    }
}

int ClampDraggedTop(int y) {
    const int highest = Px(g_scaleY, 10);
    if (y < highest) y = highest;
    if (y > g_popBaseline) y = g_popBaseline;
    return y;
}
