#include "ui/Gdi.h"

#include <QPainterPath>
#include <QPainterPathStroker>
#include <algorithm>
#include <cmath>

namespace {

int PenWidth(const QPen& pen) {
    return pen.width() < 1 ? 1 : pen.width();
}

// At a device-pixel ratio other than 1 Qt's aliased thin lines wander by a
// device pixel and lose width, so slanted lines are stroked here instead: a
// band as wide as the pen around the line the design-scale pen draws (through
// pixel centres for odd widths, along pixel edges for even ones), filled at
// full resolution.
void StrokeThrough(QPainter& p, const QPoint* points, int count, const QPen& pen) {
    const int w = PenWidth(pen);
    const qreal centre = (w % 2) ? 0.5 : 0.0;
    QPainterPath line;
    line.moveTo(QPointF(points[0]) + QPointF(centre, centre));
    for (int i = 1; i < count; ++i)
        line.lineTo(QPointF(points[i]) + QPointF(centre, centre));
    QPainterPathStroker stroker;
    stroker.setWidth(w);
    stroker.setCapStyle(Qt::FlatCap);
    stroker.setJoinStyle(Qt::MiterJoin);
    p.fillPath(stroker.createStroke(line), pen.color());
}

} // namespace

bool AtDesignScale(const QPainter& p) {
    return p.deviceTransform().type() <= QTransform::TxTranslate;
}

void GdiFillRect(QPainter& p, int l, int t, int r, int b, const QBrush& brush) {
    if (r <= l || b <= t) return;
    p.fillRect(QRect(l, t, r - l, b - t), brush);
}

void GdiFrameRect(QPainter& p, int l, int t, int r, int b, const QPen& pen) {
    if (r <= l || b <= t) return;
    const int w = PenWidth(pen);
    // A thick frame grows inwards, as a filled border of w pixels.
    const QBrush brush(pen.color());
    GdiFillRect(p, l, t, r, t + w, brush);
    GdiFillRect(p, l, b - w, r, b, brush);
    GdiFillRect(p, l, t, l + w, b, brush);
    GdiFillRect(p, r - w, t, r, b, brush);
}

void GdiRectangle(QPainter& p, int l, int t, int r, int b, const QPen& pen, const QBrush& brush) {
    GdiFillRect(p, l, t, r, b, brush);
    GdiFrameRect(p, l, t, r, b, pen);
}

void GdiLine(QPainter& p, int x1, int y1, int x2, int y2, const QPen& pen) {
    if (x1 == x2 && y1 == y2) return;
    const int w = PenWidth(pen);
    const QBrush brush(pen.color());
    // Axis-parallel lines are bands: w pixels across, centred on the line as
    // wide pens are, and min..max-1 along it whichever way the line runs, as
    // Qt's aliased one-pixel line covers them.
    const int before = w / 2;
    if (y1 == y2) {
        GdiFillRect(p, std::min(x1, x2), y1 - before, std::max(x1, x2), y1 - before + w, brush);
        return;
    }
    if (x1 == x2) {
        GdiFillRect(p, x1 - before, std::min(y1, y2), x1 - before + w, std::max(y1, y2), brush);
        return;
    }
    if (!AtDesignScale(p)) {
        const QPoint points[] = {QPoint(x1, y1), QPoint(x2, y2)};
        StrokeThrough(p, points, 2, pen);
        return;
    }
    // An aliased flat-cap line of one pixel already leaves out its end pixel.
    QPen stroke = pen;
    stroke.setWidth(w);
    if (w == 1) stroke.setCapStyle(Qt::FlatCap);
    p.setPen(stroke);
    p.drawLine(x1, y1, x2, y2);
}

void GdiPolyline(QPainter& p, const QPoint* points, int count, const QPen& pen) {
    if (count < 2) return;
    if (!AtDesignScale(p)) {
        StrokeThrough(p, points, count, pen);
        return;
    }
    // A flat-capped 1-pixel polyline leaves out only its very last pixel.
    p.save();
    p.setPen(pen);
    p.setBrush(Qt::NoBrush);
    p.drawPolyline(points, count);
    p.restore();
}

void GdiCopy(QPainter& p, const QRect& rect, const QImage& surface) {
    GdiCopy(p, QRegion(rect), surface);
}

void GdiCopy(QPainter& p, const QRegion& region, const QImage& surface) {
    const qreal ratio = surface.devicePixelRatio();
    // On a device of the surface's own whole-number ratio the copy is made
    // in device pixels, one rectangle of the region at a time, and as rows
    // of opaque pixels (every surface is opaque): Qt then copies memory.
    // Scaled by exactly 1, or clipped to a region of many rectangles, it
    // would go pixel by pixel, in its thread pool when the area is large.
    // (The painter scales by the device's ratio after its own transform.)
    const QTransform logical = p.combinedTransform();
    if (ratio == std::round(ratio) && p.device()->devicePixelRatio() == ratio &&
        logical.type() <= QTransform::TxTranslate && logical.dx() == std::round(logical.dx()) &&
        logical.dy() == std::round(logical.dy()) &&
        surface.format() == QImage::Format_ARGB32_Premultiplied) {
        p.save();
        p.setWorldTransform(QTransform::fromScale(1 / ratio, 1 / ratio), true);
        p.setCompositionMode(QPainter::CompositionMode_Source);
        // The same memory seen as opaque pixels at ratio 1 (no copy is made).
        const QImage pixels(surface.constBits(), surface.width(), surface.height(),
                            surface.bytesPerLine(), QImage::Format_RGB32);
        const int r = static_cast<int>(ratio);
        for (const QRect& part : region) {
            const QRect device(part.x() * r, part.y() * r, part.width() * r, part.height() * r);
            p.setClipRect(device);
            p.drawImage(QPoint(0, 0), pixels);
        }
        p.restore();
        return;
    }
    // The device pixels the region touches, whole: a fractional source
    // would be resampled, and the copy would no longer be pixel for pixel.
    const QRect rect = region.boundingRect();
    if (ratio == 1.0) {
        p.drawImage(rect, surface, rect);
        return;
    }
    const QRect device =
        QRectF(rect.x() * ratio, rect.y() * ratio, rect.width() * ratio, rect.height() * ratio)
            .toAlignedRect();
    const QRectF target(device.x() / ratio, device.y() / ratio, device.width() / ratio,
                        device.height() / ratio);
    p.drawImage(target, surface, device);
}
