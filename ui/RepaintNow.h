#pragma once
// Invalidate and update at once: nothing waits for the event loop, which is
// how the animation reaches the screen while a run holds the only thread.

#include <QRect>
#include <QRegion>
#include <QWidget>

inline void RepaintNow(QWidget* widget, const QRect& rect) {
    if (widget && widget->isVisible()) widget->repaint(rect);
}
inline void RepaintNow(QWidget* widget, const QRegion& region) {
    if (widget && widget->isVisible()) widget->repaint(region);
}
inline void RepaintNow(QWidget* widget) {
    if (widget && widget->isVisible()) widget->repaint();
}
