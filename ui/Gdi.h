#pragma once
// Drawing with the edge rules the window geometry is written for: a rectangle
// (l, t, r, b) covers columns l..r-1 and rows t..b-1, and a line stops one
// pixel short of its end point. Qt's own calls include both edges, so every
// window draws through these.
//
// The rules hold in design pixels at any device-pixel ratio r: design pixel d
// covers device pixels round(d * r) to round((d + 1) * r) - 1, so at 2 it is a
// 2 x 2 block and a one-pixel line is two device pixels wide, and at 1.5 it is
// one or two device pixels. Axis-parallel lines and frames are filled
// rectangles and land exactly so; slanted lines and polylines are stroked at
// full resolution along the course of the design-scale line.

#include "core/Geometry.h"

#include <QBrush>
#include <QImage>
#include <QPainter>
#include <QPen>
#include <QPoint>
#include <QRect>
#include <QRegion>

inline QRect ToQRect(const Rect& r) {
    return QRect(r.left, r.top, r.right - r.left, r.bottom - r.top);
}
inline Rect ToRect(const QRect& r) {
    return Rect{r.left(), r.top(), r.left() + r.width(), r.top() + r.height()};
}

// True when one design pixel is one device pixel (the painter only
// translates): there Qt's own aliased strokes are the design's pixels.
bool AtDesignScale(const QPainter& p);

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
// Connected lines through the points, the very last pixel left out.
void GdiPolyline(QPainter& p, const QPoint* points, int count, const QPen& pen);

// Copies the part of a surface under the design rectangle to the painter's
// device, pixel for pixel when both have the same device-pixel ratio (the
// rectangle is widened to whole device pixels).
void GdiCopy(QPainter& p, const QRect& rect, const QImage& surface);
// The same for every rectangle of a region (a paint event's).
void GdiCopy(QPainter& p, const QRegion& region, const QImage& surface);
