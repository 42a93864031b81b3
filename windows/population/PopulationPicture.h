#pragma once
// Drawing routines of the population pictures: the axes, the continuous
// outline and the discrete bars, the parameter markers with their labels, the
// name box and the faces of the picture buttons. They paint into whatever
// the painter is on (the shared surface g_popMemDC, or a button) and change
// no state.

#include "core/Geometry.h"

#include <QColor>
#include <QFont>
#include <QString>
#include <vector>

class QPainter;
class QRect;

// x of a value on the internal scale 0..10 (measurement populations).
int XOfValue(double v);
// x of a proportion 0..1 (binomial populations).
int XOfProportion(double p);

// FormatNumber (core/NumberText.h) as a QString: empty, never "nan" or
// "inf", when the value is not finite.
QString NumberText(const char* format, double value);

// A shown value with up to `decimals` decimals, fewer when it is large
// (FormatFitted, core/NumberText.h).
QString ShownText(double value, int decimals);

// One piece of text placed on the picture: its top-left corner and colours.
struct LabelPiece {
    QString text;
    int x = 0;
    int top = 0;
    QColor colour;
    const QFont* font = nullptr;
};

// The axis labels of the current kind and display transform.
std::vector<LabelPiece> MeasurementAxisLabels();
std::vector<LabelPiece> BinomialAxisLabels();

// The labels of the parameter markers for the current kind, in drawing
// order, placed by the rules for a window clientWidth pixels wide.
std::vector<LabelPiece> MarkerLabels(int clientWidth);

// The axis labels and the marker labels of the current kind and display
// transform all lie inside a window clientWidth pixels wide, and the axis
// labels stand apart from each other.
bool PictureLabelsFit(int clientWidth);

// Writes the pieces with their opaque background of 250.
void DrawLabels(QPainter& p, const std::vector<LabelPiece>& labels);

// Fills the plot band with white and draws both axes and their labels.
void DrawMeasurementBackground(QPainter& p, const Rect& band, const Rect& plot);

// The continuous outline filled grey 210 and traced in black.
void DrawContinuousOutline(QPainter& p);
// The eleven discrete bars in grey 150.
void DrawDiscreteBars(QPainter& p);

// Marker lines, the SD bar and every label, for the current kind.
void DrawMarkers(QPainter& p, int clientWidth);

// The rounded frame and the centred name.
void DrawNameBox(QPainter& p, const Rect& box, const QString& name);

// A picture button's face with the sketch of its example population for the
// current kind (discrete: bars; otherwise the continuous line).
void DrawPictureButtonFace(QPainter& p, const QRect& client, int buttonId, bool discrete);
