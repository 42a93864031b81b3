#include "windows/sampdist/SamplingDistPanel.h"

#include "core/Statistic.h"
#include "ui/DrawingResources.h"
#include "ui/DrawnTexts.h"
#include "ui/Gdi.h"
#include "windows/sampdist/HistogramPlot.h"
#include "windows/sampdist/SampDistModel.h"
#include "windows/sampdist/StatisticTexts.h"

#include <QCoreApplication>
#include <QFontMetrics>
#include <QPainter>
#include <QPolygon>
#include <algorithm>
#include <cmath>

namespace {
const QColor kPanelGrey(190, 190, 190);

// text: marked with QT_TRANSLATE_NOOP where it is a word, translated as it is drawn.
void Label(QPainter& p, double l, double t, double r, double b, const char* text,
           const QFont& font) {
    DrawCentredText(p, SdDesignRect(l, t, r, b), QCoreApplication::translate("Dorvane", text), font,
                    Qt::black, kPanelGrey);
}

// Shared frame of the small owner-drawn buttons: a shadow line along the
// bottom and right edge, a second one inside it, and the face filled inside.
void ButtonFrame(QPainter& p, const QRect& client, const QPen& inner, const QBrush& face) {
    Rect r = ToRect(client);
    GdiFillRect(p, r, g_brushWhite);
    GdiLine(p, r.left, r.bottom, r.right, r.bottom, g_penBlack1);
    GdiLine(p, r.right, r.bottom, r.right, r.top - 1, g_penBlack1);
    r = Rect{r.left + 1, r.top + 1, r.right - 1, r.bottom - 1};
    GdiLine(p, r.left, r.bottom, r.right, r.bottom, inner);
    GdiLine(p, r.right, r.bottom, r.right, r.top - 1, inner);
    r.left += 1;
    r.top += 1;
    GdiFillRect(p, r, face);
}

} // namespace

// A connected polyline through the points. Drawn in one stroke, so the short
// steep steps of a small curve leave no gaps between them.
void SdPolyline(QPainter& p, const QPolygon& points, const QPen& pen) {
    GdiPolyline(p, points.constData(), static_cast<int>(points.size()), pen);
}

void DrawCentredText(QPainter& p, const Rect& r, const QString& text, const QFont& font,
                     const QColor& textColour, const QColor& background) {
    p.save();
    p.setFont(font);
    p.setPen(textColour);
    p.setBackgroundMode(Qt::OpaqueMode);
    p.setBackground(QBrush(background));
    // Wide enough for any one line even when the rectangle is narrower, as a
    // centred line may stick out on both sides.
    const QFontMetrics metrics(font);
    int widest = 0;
    for (const QString& line : text.split(QLatin1Char('\n')))
        widest = std::max(widest, metrics.horizontalAdvance(line));
    const int centre = (r.left + r.right) / 2;
    const int width = std::max(r.Width(), widest + 2);
    const QRect box(centre - width / 2, r.top, width, std::max(r.Height(), metrics.height() * 4));
    p.drawText(box, Qt::AlignHCenter | Qt::AlignTop, text);
    p.restore();
}

void DrawPanelLabels(QPainter& p) {
    Label(p, 2, 56, 48, 72, CurveOptionWord(), g_fontArial6);
    Label(p, 50, 56, 114, 72, QT_TRANSLATE_NOOP("Dorvane", "Population"), g_fontArial6);
    Label(p, 10, 3, 100, 22, QT_TRANSLATE_NOOP("Dorvane", "OUTLINES"), g_fontArialBold7_5);
    Label(p, 120, 0, 198, 32, QT_TRANSLATE_NOOP("Dorvane", "Interval\nWidth"), g_fontArialBold7_5);
    Label(p, 117, 143, 205, 191, QT_TRANSLATE_NOOP("Dorvane", "Total\nSamples\nDrawn"),
          g_fontArialBold7_5);
    Label(p, 10, 78, 56, 110, QT_TRANSLATE_NOOP("Dorvane", "Sample\nSize"), g_fontArialBold7_5);
    Label(p, 65, 78, 131, 110, QT_TRANSLATE_NOOP("Dorvane", "Number of\nSamples"),
          g_fontArialBold7_5);
    Label(p, 76, 216, 120, 248, QT_TRANSLATE_NOOP("Dorvane", "Mean\nof"), g_fontArialBold7_5);
    Label(p, 130, 216, 194, 248, QT_TRANSLATE_NOOP("Dorvane", "Standard\nDev. of"),
          g_fontArialBold7_5);
    // The first row of figures is the chosen statistic's.
    DrawCentredText(p, SdDesignRect(0, 241, 76, 281), StatisticRowLabel(), g_fontArialBold7_5,
                    Qt::black, kPanelGrey);
    Label(p, 0, 276, 76, 311, QT_TRANSLATE_NOOP("Dorvane", "Sample SD\n(n - 1)"),
          g_fontArialBold7_5);
    // Proportions are counted as p-hat, and have no t row: the t
    // distribution belongs to means of measurements.
    const bool proportions = g_isBinomial && !g_showZValues;
    QString letter = QString(g_showZValues                    ? QLatin1Char('z')
                             : g_showTValues && !g_isBinomial ? QLatin1Char('t')
                             : g_isBinomial                   ? QLatin1Char('p')
                                                              : QLatin1Char('x'));
    // Another statistic is counted by its own letter: "Actual (M)".
    if (ShownStatisticKind() != Statistic::Mean && !g_showZValues && !g_showTValues)
        letter = QString::fromUtf8(StatisticLetter());
    // The letter's place in the translated words, for the mark over it.
    const QString actualWords = QCoreApplication::translate("Dorvane", "Actual (%1)");
    const QString actual = actualWords.arg(letter);
    DrawCentredText(p, SdDesignRect(0, 380, 76, 398), actual, g_fontArialBold7_5, Qt::black,
                    kPanelGrey);
    if (proportions) {
        const QFontMetrics metrics(g_fontArialBold7_5);
        const int left = (SdX(0) + SdX(76)) / 2 - metrics.horizontalAdvance(actual) / 2;
        const QString before = actualWords.left(actualWords.indexOf(QStringLiteral("%1")));
        DrawLetterMark(p, g_fontArialBold7_5, left + metrics.horizontalAdvance(before), SdY(380),
                       QLatin1Char('p'));
    }
    // Another statistic's theory stands in the first theory row.
    if (ShownStatisticKind() == Statistic::Mean)
        Label(p, 0, 402, 76, 420, QT_TRANSLATE_NOOP("Dorvane", "z Dist."), g_fontArialBold7_5);
    else
        DrawCentredText(p, SdDesignRect(0, 402, 76, 420),
                        QCoreApplication::translate("Dorvane", "Theory"), g_fontArialBold7_5,
                        Qt::black, kPanelGrey);
    if (!g_isBinomial)
        Label(p, 0, 424, 76, 442, QT_TRANSLATE_NOOP("Dorvane", "t Dist."), g_fontArialBold7_5);
    const QString side =
        g_oneSlider ? (g_proportionAbove ? QCoreApplication::translate("Dorvane", "Above")
                                         : QCoreApplication::translate("Dorvane", "Below"))
                    : (g_proportionAbove ? QCoreApplication::translate("Dorvane", "Outside")
                                         : QCoreApplication::translate("Dorvane", "Between"));
    const QString number = QCoreApplication::translate("Dorvane", "Number\n%1").arg(side);
    const QString proportion = QCoreApplication::translate("Dorvane", "Proportion\n%1").arg(side);
    DrawCentredText(p, SdDesignRect(70, 348, 122, 380), number, g_fontArialBold7_5, Qt::black,
                    kPanelGrey);
    DrawCentredText(p, SdDesignRect(125, 348, 199, 380), proportion, g_fontArialBold7_5, Qt::black,
                    kPanelGrey);
}

void DrawStandardErrorFormula(QPainter& p) {
    if (g_isBinomial) {
        Label(p, 15, 312, 90, 332, "p(1-p)", g_fontArialBold9_5);
        GdiLine(p, SdX(28), SdY(331), SdX(78), SdY(331), g_penBlack1);
        Label(p, 15, 330, 90, 346, "n", g_fontArialBold9_5);
        // The radical over the whole fraction.
        SdPolyline(p,
                   QPolygon({QPoint(SdX(16), SdY(331)), QPoint(SdX(19), SdY(328)),
                             QPoint(SdX(22), SdY(346)), QPoint(SdX(25), SdY(310)),
                             QPoint(SdX(80), SdY(310))}),
                   g_penBlack1);
    } else {
        Label(p, 45, 306, 90, 326, "\u03c3", g_fontSymbol10);
        GdiLine(p, SdX(56), SdY(326), SdX(75), SdY(326), g_penBlack1);
        Label(p, 45, 328, 90, 344, "n", g_fontArialBold9_5);
        SdPolyline(p,
                   QPolygon({QPoint(SdX(54), SdY(339)), QPoint(SdX(56), SdY(337)),
                             QPoint(SdX(58), SdY(344)), QPoint(SdX(61), SdY(330)),
                             QPoint(SdX(73), SdY(330))}),
                   g_penBlack1);
    }
    Label(p, 75, 316, 105, 334, "=", g_fontArialBold9_5);
}

void DrawAxisTitle(QPainter& p, int clientBottom) {
    // The letter that carries a bar (x-bar) or a hat (p-hat), with the text
    // before it, so the mark lands on the letter as drawn.
    QString title, beforeLetter;
    QChar letter;
    if (g_showZValues) {
        title = QCoreApplication::translate("Dorvane", "Sample z-Values");
    } else if (g_showTValues) {
        title = QCoreApplication::translate("Dorvane", "Sample t-Values");
    } else if (const QString named = StatisticAxisTitle(); !named.isEmpty()) {
        title = named;
    } else {
        const QString words =
            g_isBinomial
                ? QCoreApplication::translate("Dorvane", "Values of Sample Proportions ( %1 )")
                : QCoreApplication::translate("Dorvane", "Values of Sample Means ( %1 )");
        letter = g_isBinomial ? QLatin1Char('p') : QLatin1Char('x');
        beforeLetter = words.left(words.indexOf(QStringLiteral("%1")));
        title = words.arg(letter);
    }
    const Rect r{g_histRect.left, g_histRect.bottom, g_histRect.right, clientBottom};
    const QFont& font = g_fontArialBold9_5;
    const QFontMetrics metrics(font);
    const int left = (r.left + r.right) / 2 - metrics.horizontalAdvance(title) / 2;
    p.save();
    p.setFont(font);
    p.setPen(Qt::black);
    p.setBackgroundMode(Qt::OpaqueMode);
    p.setBackground(QBrush(kPanelGrey));
    p.drawText(QPoint(left, r.top + metrics.ascent()), title);
    NoteDrawnText(p, QRect(left, r.top, metrics.horizontalAdvance(title), metrics.height()), title);
    p.restore();
    if (!letter.isNull())
        DrawLetterMark(p, font, left + metrics.horizontalAdvance(beforeLetter), r.top, letter);
}

void DrawBinWidthButtonFace(QPainter& p, const QRect& client, bool selected) {
    ButtonFrame(p, client, selected ? g_penBlack1 : g_penGrey150,
                selected ? g_brushGrey150 : g_brushGrey210);
}

void DrawNormalOutlineFace(QPainter& p, const QRect& client, bool on, bool enabled) {
    // Greyed where no theory applies, whether or not it is switched on.
    on = on && enabled;
    ButtonFrame(p, client, on ? g_penBlack1 : g_penGrey150, on ? g_brushBlue : g_brushGrey210);
    // A normal density with a standard deviation of 5.4 pixels, as 28 segments
    // across the button above a baseline just inside the bottom edge.
    const double centre = client.left() + client.width() / 2.0;
    const int baseline = client.top() + client.height() - 5;
    const double left = client.left() + 2, span = client.width() - 5;
    QPolygon curve;
    for (int i = 0; i <= 28; ++i) {
        const double x = left + span * i / 28.0;
        const double d = x - centre;
        const double h = 300.0 * std::exp(-0.017146777 * d * d) / (std::sqrt(2.0 * kPi) * 5.4);
        curve << QPoint(static_cast<int>(x), baseline - static_cast<int>(h));
    }
    SdPolyline(p, curve, !enabled ? g_penGrey150 : on ? g_penWhite1 : g_penBlue1);
}

void DrawPopOutlineFace(QPainter& p, const QRect& client, bool on) {
    ButtonFrame(p, client, on ? g_penBlack1 : g_penGrey150, on ? g_brushPurple : g_brushGrey210);
    const QPen& pen = on ? g_penWhite1 : g_penPurple1;
    // Shares of the population's columns, from the cumulative shares.
    const int columns = g_isBinomial ? 2 : g_isDiscrete ? 11 : 51;
    float shares[51] = {};
    float largest = 0;
    for (int c = 0; c < columns; ++c) {
        shares[c] = std::max(0.0f, g_popCumShare[c + 1] - g_popCumShare[c]);
        largest = std::max(largest, shares[c]);
    }
    if (!(largest > 0)) return; // an empty population has no shape to show
    const int left = client.left() + 4, right = client.left() + client.width() - 5;
    const int baseline = client.top() + client.height() - 5;
    const int height = client.height() - 11;
    auto top = [&](int c) { return baseline - static_cast<int>(height * shares[c] / largest); };
    if (g_isContinuous) {
        QPolygon outline;
        for (int c = 0; c < columns; ++c)
            outline << QPoint(left + (right - left) * c / (columns - 1), top(c));
        SdPolyline(p, outline, pen);
        return;
    }
    // Discrete values and the two binomial values stand as bars.
    for (int c = 0; c < columns; ++c) {
        if (!(shares[c] > 0)) continue;
        if (columns == 2) {
            // The two binomial values as outlined bars.
            const int x = c == 0 ? left + 5 : right - 5;
            SdPolyline(p,
                       QPolygon({QPoint(x - 3, baseline), QPoint(x - 3, top(c)),
                                 QPoint(x + 3, top(c)), QPoint(x + 3, baseline)}),
                       pen);
        } else {
            const int x = left + (right - left) * c / (columns - 1);
            SdPolyline(p, QPolygon({QPoint(x, baseline), QPoint(x, top(c))}), pen);
        }
    }
}
