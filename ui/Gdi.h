#pragma once
// Drawing with the edge rules the window geometry is written for: a rectangle
// (l, t, r, b) covers columns l..r-1 and rows t..b-1, and a line stops one
// pixel short of its end point. Qt's own calls include both edges, so every
// window draws through these.

#include "core/Geometry.h"

#include <QBrush>
#include <QPainter>
#include <QPen>
#include <QRect>

inline QRect ToQRect(const Rect& r) {
    return QRect(r.left, r.top, r.right - r.left, r.bottom - r.top);
}
inline Rect ToRect(const QRect& r) {
    return Rect{r.left(), r.top(), r.left() + r.width(), r.top() + r.height()};
}

// Fills l..r-1 x t..b-1 with the brush; no outline.
void GdiFillRect(QPainter& p, int l, int t, int r, int b, const QBrush& brush);
inline void GdiFillRect(QPainter& p, const Rect& rc, const QBrush& brush) {
    GdiFillRect(p, rc.left, rc.top, rc.right, rc.bottom, brush);
}
// Outline with the pen on the border of l..r-1 x t..b-1, inside filled with the brush.
void GdiRectangle(QPainter& p, int l, int t, int r, int b, const QPen& pen, const QBrush& brush);
// Outline only.
void GdiFrameRect(QPainter& p, int l, int t, int r, int b, const QPen& pen);
// A line from (x1, y1) towards (x2, y2), the end pixel left out.
void GdiLine(QPainter& p, int x1, int y1, int x2, int y2, const QPen& pen);
