#include "shell/Gdi.h"

#include <cstdlib>

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
        // Step the end point back by one pixel along the major axis.
        const int dx = x2 - x1, dy = y2 - y1;
        int ex = x2, ey = y2;
        if (std::abs(dx) >= std::abs(dy)) {
            ex -= (dx > 0) - (dx < 0);
            ey = y1 + static_cast<int>(static_cast<long long>(dy) * (ex - x1) / (dx ? dx : 1));
        } else {
            ey -= (dy > 0) - (dy < 0);
            ex = x1 + static_cast<int>(static_cast<long long>(dx) * (ey - y1) / (dy ? dy : 1));
        }
        QPen thin = pen;
        thin.setWidth(1);
        p.setPen(thin);
        p.drawLine(x1, y1, ex, ey);
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
