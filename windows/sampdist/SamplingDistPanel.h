#pragma once
// The left panel of the Dorvane window as PaintWhole draws it: the labels, the
// standard-error formula, the axis title under the plot, and the faces of the
// bin-width and outline buttons. Everything is on the 624 x 446 design grid.

#include "core/Geometry.h"
#include "core/SimulationState.h"

#include <QRect>
#include <QString>

class QPainter;
class QColor;
class QFont;
class QPen;
class QPolygon;

// Design lengths to pixels on the Dorvane grid, truncated term by term.
inline int SdX(double x) {
    return Px(g_sdScaleX, x);
}
inline int SdY(double y) {
    return Px(g_sdScaleY, y);
}
// Design rectangle (l, t, r, b) to pixels, each edge truncated on its own.
inline Rect SdDesignRect(double l, double t, double r, double b) {
    return Rect{SdX(l), SdY(t), SdX(r), SdY(b)};
}

// Text centred horizontally in the rectangle, top-aligned, one line per "\n",
// on an opaque background of the given colour (the text cells of the panel).
void DrawCentredText(QPainter& p, const Rect& r, const QString& text, const QFont& font,
                     const QColor& textColour, const QColor& background);

// A connected 1-pixel polyline through the points, drawn in one stroke so
// short steep steps leave no gaps.
void SdPolyline(QPainter& p, const QPolygon& points, const QPen& pen);

// PaintWhole's labels (by the options in force) and the standard-error formula.
void DrawPanelLabels(QPainter& p);
void DrawStandardErrorFormula(QPainter& p);

// The axis title under the plot; the caller draws it only at the two
// unscrolled bin widths, where the axis scroll bar is hidden.
void DrawAxisTitle(QPainter& p, int clientBottom);

// Button faces. selected / on pick the dark inner frame and the filled look.
void DrawBinWidthButtonFace(QPainter& p, const QRect& client, bool selected);
void DrawNormalOutlineFace(QPainter& p, const QRect& client, bool on, bool enabled = true);
void DrawPopOutlineFace(QPainter& p, const QRect& client, bool on);
