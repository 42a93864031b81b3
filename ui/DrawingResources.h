#pragma once
// The program-wide pens, brushes, fonts and off-screen surfaces. Shapes are
// drawn without antialiasing so every pixel lands where the geometry says.

#include <QBrush>
#include <QColor>
#include <QFont>
#include <QImage>
#include <QPen>

extern QPen g_penRed1, g_penGreen1, g_penBlue1, g_penPurple1, g_penBlack1, g_penWhite1,
    g_penGrey150, g_penYellow1, g_penYellow1Alt, g_penRed2, g_penGreen2, g_penBlue2, g_penPurple2,
    g_penBlack2, g_penBlack4, g_penYellow4, g_penRed4;

extern QBrush g_brushRed, g_brushOrange, g_brushGreen, g_brushBlue, g_brushPurple, g_brushBlack,
    g_brushWhite, g_brushGrey210, g_brushGrey190, g_brushGrey150;

extern QFont g_fontArial6, g_fontArial6_5, g_fontArial7_5, g_fontArial9_5, g_fontSymbol8,
    g_fontSymbol10, g_fontArialBold7_5, g_fontArialBold9_5;

// One surface per window; each window composes its picture here and its
// paintEvent only copies it. A surface has the device-pixel ratio of the
// screen it was made for and is drawn on in design pixels (ui/Gdi.h), so at
// 1.5 or 2 its lines and text have the screen's full resolution.
extern QImage g_popMemDC, g_sdMemDC, g_samplesMemDC, g_ciMemDC;

// The background white of every window and plot.
inline const QColor kBackgroundWhite(250, 250, 250);

// Pens and brushes exist before any window; call once at program start (and
// in every test main) before drawing.
void CreatePensAndBrushes();
// Fonts, made when the Population window is created.
void CreateFonts();
// The four surfaces, at least the screen's size, cleared to white, at the
// device-pixel ratio given (0: the primary screen's).
void CreateOffscreenSurfaces(qreal devicePixelRatio = 0);

// Colours that carry a meaning: counted against not counted, an interval that
// misses the mean, a possible mean that is or is not plausible. The program's
// own are red against green or blue. While g_colourBlindSafe is set they are
// Okabe and Ito's orange (230, 159, 0) against their sky blue (86, 180, 233),
// a pair people with red-green colour blindness tell apart.
const QBrush& ColumnBrush();    // a column of the sampling distribution
const QBrush& CountedBrush();   // its counted share, and the curve's
QColor CountedColour();         // text about counted samples
const QPen& MissPen(int width); // an interval that misses the mean: 1, 2 or 4 pixels
const QBrush& PlausibleBrush();
const QBrush& ImplausibleBrush();
// Red and green that stand beside each other without a meaning of their own
// (the median between the quartiles, a sample's bars and its spread, the
// left slider over the counted columns) take the same pair, orange for red
// and sky blue for green, so no window keeps a red beside a green.
const QPen& PairRedPen(int width); // 1, 2 or 4 pixels
const QPen& PairGreenPen(int width);
const QBrush& PairRedBrush();
const QBrush& PairGreenBrush();
QColor PairRedColour();

// A font of the given face and size in points, sized in pixels at 96 dpi so a
// picture is the same on every screen.
QFont MakeFont(const char* face, double points, bool bold = false);
