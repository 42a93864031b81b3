#include "ui/Gdi.h"

#include <algorithm>

void GdiFillRect(QPainter& p, int l, int t, int r, int b, const QBrush& brush) {
    if (r <= l || b <= t) return;
    p.fillRect(QRect(l, t, r - l, b - t), brush);
}

void GdiFrameRect(QPainter& p, int l, int t, int r, int b, const QPen& pen) {
    if (r <= l || b <= t) return;
    const int w = pen.width() < 1 ? 1 : pen.width();
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
    const int w = pen.width() < 1 ? 1 : pen.width();
    if (w == 1) {
        // An aliased flat-cap line of one pixel already leaves out its end pixel.
        QPen thin = pen;
        thin.setWidth(1);
        thin.setCapStyle(Qt::FlatCap);
        p.setPen(thin);
        p.drawLine(x1, y1, x2, y2);
        return;
    }
    // Thick axis-parallel lines as filled bands centred on the line, as wide pens do.
    const QBrush brush(pen.color());
    const int before = w / 2;
    if (y1 == y2) {
        GdiFillRect(p, std::min(x1, x2), y1 - before, std::max(x1, x2), y1 - before + w, brush);
    } else if (x1 == x2) {
        GdiFillRect(p, x1 - before, std::min(y1, y2), x1 - before + w, std::max(y1, y2), brush);
    } else {
        p.setPen(pen);
        p.drawLine(x1, y1, x2, y2);
    }
}
