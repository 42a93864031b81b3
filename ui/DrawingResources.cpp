#include "ui/DrawingResources.h"

#include "core/SimulationState.h"

#include <QGuiApplication>
#include <QScreen>
#include <QtMath>
#include <cmath>

QPen g_penRed1, g_penGreen1, g_penBlue1, g_penPurple1, g_penBlack1, g_penWhite1, g_penGrey150,
    g_penYellow1, g_penYellow1Alt, g_penRed2, g_penGreen2, g_penBlue2, g_penPurple2, g_penBlack2,
    g_penBlack4, g_penYellow4, g_penRed4;

QBrush g_brushRed, g_brushOrange, g_brushGreen, g_brushBlue, g_brushPurple, g_brushBlack,
    g_brushWhite, g_brushGrey210, g_brushGrey190, g_brushGrey150;

QFont g_fontArial6, g_fontArial6_5, g_fontArial7_5, g_fontArial9_5, g_fontSymbol8, g_fontSymbol10,
    g_fontArialBold7_5, g_fontArialBold9_5;

QImage g_popMemDC, g_sdMemDC, g_samplesMemDC, g_ciMemDC;

namespace {
// The colour-blind safe pair and the pens of its orange.
QBrush safeOrange, safeSkyBlue;
QPen safeOrange1, safeOrange2, safeOrange4, safeSkyBlue1, safeSkyBlue2;

QPen SolidPen(int r, int g, int b, int width) {
    QPen pen(QColor(r, g, b));
    pen.setWidth(width);
    pen.setStyle(Qt::SolidLine);
    pen.setCapStyle(Qt::FlatCap);
    pen.setJoinStyle(Qt::MiterJoin);
    return pen;
}
QBrush SolidBrush(int r, int g, int b) {
    return QBrush(QColor(r, g, b), Qt::SolidPattern);
}
} // namespace

void CreatePensAndBrushes() {
    g_penRed1 = SolidPen(255, 0, 0, 1);
    g_penGreen1 = SolidPen(0, 255, 100, 1);
    g_penBlue1 = SolidPen(0, 0, 255, 1);
    g_penPurple1 = SolidPen(160, 2, 190, 1);
    g_penBlack1 = SolidPen(0, 0, 0, 1);
    g_penWhite1 = SolidPen(250, 250, 250, 1);
    g_penGrey150 = SolidPen(150, 150, 150, 1);
    g_penYellow1 = SolidPen(255, 255, 0, 1);
    g_penYellow1Alt = SolidPen(255, 255, 0, 1);
    g_penRed2 = SolidPen(255, 0, 0, 2);
    g_penGreen2 = SolidPen(0, 255, 100, 2);
    g_penBlue2 = SolidPen(0, 0, 255, 2);
    g_penPurple2 = SolidPen(160, 2, 190, 2);
    g_penBlack2 = SolidPen(0, 0, 0, 2);
    g_penBlack4 = SolidPen(0, 0, 0, 4);
    g_penYellow4 = SolidPen(255, 255, 0, 4);
    g_penRed4 = SolidPen(255, 0, 0, 4);

    g_brushRed = SolidBrush(255, 0, 0);
    g_brushOrange = SolidBrush(255, 75, 0);
    g_brushGreen = SolidBrush(0, 255, 100);
    g_brushBlue = SolidBrush(0, 0, 255);
    g_brushPurple = SolidBrush(160, 2, 190);
    g_brushBlack = SolidBrush(0, 0, 0);
    g_brushWhite = SolidBrush(250, 250, 250);
    g_brushGrey210 = SolidBrush(210, 210, 210);
    g_brushGrey190 = SolidBrush(190, 190, 190);
    g_brushGrey150 = SolidBrush(150, 150, 150);

    safeOrange = SolidBrush(230, 159, 0);
    safeSkyBlue = SolidBrush(86, 180, 233);
    safeOrange1 = SolidPen(230, 159, 0, 1);
    safeOrange2 = SolidPen(230, 159, 0, 2);
    safeOrange4 = SolidPen(230, 159, 0, 4);
    safeSkyBlue1 = SolidPen(86, 180, 233, 1);
    safeSkyBlue2 = SolidPen(86, 180, 233, 2);
}

const QBrush& ColumnBrush() {
    return g_colourBlindSafe ? safeSkyBlue : g_brushGreen;
}
const QBrush& CountedBrush() {
    return g_colourBlindSafe ? safeOrange : g_brushRed;
}
QColor CountedColour() {
    return CountedBrush().color();
}
const QPen& MissPen(int width) {
    if (width >= 4) return g_colourBlindSafe ? safeOrange4 : g_penRed4;
    if (width == 2) return g_colourBlindSafe ? safeOrange2 : g_penRed2;
    return g_colourBlindSafe ? safeOrange1 : g_penRed1;
}
const QBrush& PlausibleBrush() {
    return g_colourBlindSafe ? safeSkyBlue : g_brushBlue;
}
const QBrush& ImplausibleBrush() {
    return g_colourBlindSafe ? safeOrange : g_brushRed;
}
const QPen& PairRedPen(int width) {
    return MissPen(width);
}
const QPen& PairGreenPen(int width) {
    if (width >= 2) return g_colourBlindSafe ? safeSkyBlue2 : g_penGreen2;
    return g_colourBlindSafe ? safeSkyBlue1 : g_penGreen1;
}
const QBrush& PairRedBrush() {
    return g_colourBlindSafe ? safeOrange : g_brushRed;
}
const QBrush& PairGreenBrush() {
    return ColumnBrush();
}
QColor PairRedColour() {
    return PairRedBrush().color();
}

QFont MakeFont(const char* face, double points, bool bold) {
    QFont font(QString::fromLatin1(face));
    font.setPixelSize(static_cast<int>(std::lround(points * 96.0 / 72.0)));
    font.setBold(bold);
    return font;
}

void CreateFonts() {
    g_fontArial6 = MakeFont("Arial", 6.0);
    g_fontArial6_5 = MakeFont("Arial", 6.5);
    g_fontArial7_5 = MakeFont("Arial", 7.5);
    g_fontArial9_5 = MakeFont("Arial", 9.5);
    // Greek letters come from the Arial face as the Unicode letters.
    g_fontSymbol8 = MakeFont("Arial", 8.0);
    g_fontSymbol10 = MakeFont("Arial", 10.0);
    // "Arial Bold" is a face of its own; here it is Arial with the bold face.
    g_fontArialBold7_5 = MakeFont("Arial", 7.5, true);
    g_fontArialBold9_5 = MakeFont("Arial", 9.5, true);
}

void CreateOffscreenSurfaces(qreal devicePixelRatio) {
    QSize size(1024, 768);
    QScreen* screen = QGuiApplication::primaryScreen();
    if (screen) size = size.expandedTo(screen->size());
    if (devicePixelRatio <= 0) devicePixelRatio = screen ? screen->devicePixelRatio() : 1.0;
    // The size in design pixels stays; the bitmap has the device's pixels.
    const QSize pixels(qCeil(size.width() * devicePixelRatio),
                       qCeil(size.height() * devicePixelRatio));
    for (QImage* surface : {&g_popMemDC, &g_sdMemDC, &g_samplesMemDC, &g_ciMemDC}) {
        *surface = QImage(pixels, QImage::Format_ARGB32_Premultiplied);
        surface->setDevicePixelRatio(devicePixelRatio);
        surface->fill(kBackgroundWhite);
    }
}
