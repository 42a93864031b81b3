#include "resources/AppIcon.h"

#include <QPainter>
#include <QPainterPath>
#include <cmath>

namespace {
// Heights of the bars as shares of the curve's peak: a sampling distribution
// that has nearly settled on the normal curve.
constexpr double kBarShares[] = {0.10, 0.36, 0.78, 0.97, 0.74, 0.40, 0.12};
constexpr int kBars = static_cast<int>(std::size(kBarShares));

double NormalShare(double z) {
    return std::exp(-0.5 * z * z);
}
} // namespace

QPixmap DorvaneIconPixmap(int size) {
    QPixmap pixmap(size, size);
    pixmap.fill(Qt::transparent);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    const double s = size / 64.0; // drawn on a 64 x 64 grid

    // The tile: the program's background white with a grey rim.
    p.setPen(QPen(QColor(150, 150, 150), std::max(1.0, 2.0 * s)));
    p.setBrush(QColor(250, 250, 250));
    p.drawRoundedRect(QRectF(2 * s, 2 * s, 60 * s, 60 * s), 8 * s, 8 * s);

    // The bars stand on a baseline; the curve's peak is at the top margin.
    const double left = 8 * s, right = 56 * s, base = 52 * s, peak = 14 * s;
    const double barWidth = (right - left) / kBars;
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0, 0, 255));
    for (int i = 0; i < kBars; ++i) {
        const double height = (base - peak) * kBarShares[i];
        p.drawRect(
            QRectF(left + i * barWidth + 0.5 * s, base - height, barWidth - 1.0 * s, height));
    }

    // The normal curve, over the same stretch of axis (about +-3 SD).
    QPainterPath curve;
    constexpr int kPoints = 48;
    for (int k = 0; k <= kPoints; ++k) {
        const double x = left + (right - left) * k / kPoints;
        const double z = (k - kPoints / 2.0) / (kPoints / 6.0);
        const double y = base - (base - peak) * NormalShare(z);
        if (k == 0)
            curve.moveTo(x, y);
        else
            curve.lineTo(x, y);
    }
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(QColor(255, 0, 0), std::max(1.0, 3.0 * s), Qt::SolidLine, Qt::RoundCap,
                  Qt::RoundJoin));
    p.drawPath(curve);

    // The axis.
    p.setPen(QPen(QColor(0, 0, 0), std::max(1.0, 2.0 * s)));
    p.drawLine(QPointF(left - 2 * s, base + 1 * s), QPointF(right + 2 * s, base + 1 * s));
    return pixmap;
}

QIcon DorvaneIcon() {
    QIcon icon;
    for (int size : {16, 24, 32, 48, 64, 128, 256})
        icon.addPixmap(DorvaneIconPixmap(size));
    return icon;
}
