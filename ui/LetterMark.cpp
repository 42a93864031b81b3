#include "ui/LetterMark.h"

#include "ui/DrawingResources.h"
#include "ui/Gdi.h"

#include <QFontMetrics>
#include <QPainter>
#include <QPoint>

void DrawLetterMark(QPainter& p, const QFont& font, int glyphLeft, int textTop, QChar letter,
                    const QPen& pen) {
    // The stroke is placed on the letter's own ink, as the font measures it,
    // with one clear pixel row between them.
    const QFontMetrics metrics(font);
    const QRect ink = metrics.boundingRect(letter);
    const int left = glyphLeft + ink.left();
    const int right = glyphLeft + ink.left() + ink.width() - 1;
    const int inkTop = textTop + metrics.ascent() + ink.top();
    if (letter == QLatin1Char('x')) {
        GdiLine(p, left, inkTop - 2, right + 1, inkTop - 2, pen);
    } else if (letter == QLatin1Char('p')) {
        // A hat: up from the left of the letter to its middle, down to its right.
        const QPoint hat[] = {QPoint(left, inkTop - 2), QPoint((left + right) / 2, inkTop - 4),
                              QPoint(right, inkTop - 2)};
        GdiPolyline(p, hat, 3, pen);
    }
}

void DrawLetterMark(QPainter& p, const QFont& font, int glyphLeft, int textTop, QChar letter) {
    DrawLetterMark(p, font, glyphLeft, textTop, letter, g_penBlack1);
}
