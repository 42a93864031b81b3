#pragma once
// Painting of the Confidence Intervals window's bottom strip: the selected
// interval enlarged and the possible-mu display. The figures come from
// StripGeometry; this file only turns them into pixels. Also the window's
// small text helpers, which the graph uses too.

#include <QColor>
#include <QRegion>
#include <QString>

class QFont;
class QPainter;

// Text with its top-left corner at (left, top), on an opaque background.
void CiText(QPainter& p, int left, int top, const QString& text, const QFont& font,
            const QColor& background = QColor(250, 250, 250));
// The same text centred on x.
void CiTextCentred(QPainter& p, int x, int top, const QString& text, const QFont& font,
                   const QColor& background = QColor(250, 250, 250));
int CiTextWidth(const QString& text, const QFont& font);

// The selected interval of a Sample Size of n, when a sample of the series
// is selected.
void DrawSelectedInterval(QPainter& p, int n);
// Its texts alone, drawn again over the possible mean's lines.
void DrawSelectedIntervalTexts(QPainter& p, int n);

// The possible-mu display for the possible mean g_ciPopMean; returns the
// acceptance region it filled, which the window hit-tests for a drag.
QRegion DrawPossibleMu(QPainter& p, int n);
