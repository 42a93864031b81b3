#include "windows/confint/IntervalStrip.h"

#include "ui/DrawingResources.h"
#include "ui/DrawnTexts.h"
#include "ui/FieldText.h"
#include "ui/Gdi.h"
#include "ui/LocalNumbers.h"
#include "windows/confint/IntervalGeometry.h"
#include "windows/confint/StripGeometry.h"

#include <QCoreApplication>
#include <QFontMetrics>
#include <QHash>

#include <QPainter>
#include <QPolygon>
#include <algorithm>
#include <vector>

void CiText(QPainter& p, int left, int top, const QString& text, const QFont& font,
            const QColor& background) {
    p.save();
    p.setFont(font);
    p.setPen(Qt::black);
    p.setBackgroundMode(Qt::OpaqueMode);
    p.setBackground(QBrush(background));
    p.drawText(QPoint(left, top + QFontMetrics(font).ascent()), text);
    NoteDrawnText(p, QRect(left, top, CiTextWidth(text, font), QFontMetrics(font).height()), text);
    p.restore();
}

void CiTextCentred(QPainter& p, int x, int top, const QString& text, const QFont& font,
                   const QColor& background) {
    CiText(p, x - CiTextWidth(text, font) / 2, top, text, font, background);
}

int CiTextWidth(const QString& text, const QFont& font) {
    // A redraw measures the same few labels and numbers again and again, and
    // shaping them is most of its text cost: widths are kept per font asked
    // for (a font made again at another size is another font).
    struct Widths {
        QFont font;
        QHash<QString, int> ofText;
    };
    static std::vector<Widths> kept;
    auto same =
        std::find_if(kept.begin(), kept.end(), [&](const Widths& w) { return w.font == font; });
    if (same == kept.end()) {
        if (kept.size() >= 16) kept.clear();
        kept.push_back(Widths{font, {}});
        same = kept.end() - 1;
    }
    if (const auto width = same->ofText.constFind(text); width != same->ofText.constEnd())
        return *width;
    if (same->ofText.size() >= 4096) same->ofText.clear();
    const int width = QFontMetrics(font).horizontalAdvance(text);
    same->ofText.insert(text, width);
    return width;
}

double CiLabelWidth(const std::string& text) {
    return CiTextWidth(ToQt(text), g_fontArial7_5);
}

namespace {
void DrawTexts(QPainter& p, const SelectedStrip& s) {
    // The two ends, each text beside its end.
    if (s.showLow) {
        const QString text = QCoreApplication::translate("ConfidenceIntervals", "low = %1")
                                 .arg(LocalNumbers(ShownEndText(g_ciSelLow)));
        CiText(p, LowTextLeft(s, CiTextWidth(text, g_fontArial9_5)), s.endTextY, text,
               g_fontArial9_5);
    }
    if (s.showHigh) {
        const QString text = QCoreApplication::translate("ConfidenceIntervals", "high = %1")
                                 .arg(LocalNumbers(ShownEndText(g_ciSelHigh)));
        CiText(p, HighTextLeft(s, CiTextWidth(text, g_fontArial9_5)), s.endTextY, text,
               g_fontArial9_5);
    }
    const QString centre = LocalNumbers(s.centreText);
    CiText(p, CentreTextLeft(s, CiTextWidth(centre, g_fontArial9_5)), s.centreTextY, centre,
           g_fontArial9_5);
    CiText(p, s.sTextX, s.sTextY, LocalNumbers(s.sText), g_fontArial9_5);
}
} // namespace

void DrawSelectedInterval(QPainter& p, int n) {
    const SelectedStrip s = ComputeSelectedStrip(n);
    if (!s.shown) return;

    GdiLine(p, s.trueX, s.baseY - CiY(15), s.trueX, s.baseY - CiY(30), g_penBlue1);
    const QPen& bar = s.interval.contains ? g_penBlack4 : MissPen(4);
    if (s.interval.hasEnds) GdiLine(p, s.barLeft, s.barY, s.barRight, s.barY, bar);
    GdiLine(p, s.xCentre - s.centreMarkHalf, s.barY, s.xCentre + s.centreMarkHalf, s.barY,
            g_penYellow4);
    if (s.interval.hasEnds && s.barUnderMark)
        GdiLine(p, s.xCentre - 1, s.barY, s.xCentre + 2, s.barY, bar);

    GdiLine(p, s.axisLeft, s.axisY, s.axisRight, s.axisY, g_penBlack1);
    const auto xOf = [](double v) { return CiX(70) + g_ciStripPixelsPerUnit * v; };
    for (const AxisTick& tick :
         CiAxisTicks(xOf, g_ciStripRect.left + 2, g_ciStripRect.right - 2, CiLabelWidth))
        CiTextCentred(p, static_cast<int>(tick.x), s.labelTop, LocalNumbers(tick.text),
                      g_fontArial7_5);
    DrawTexts(p, s);
}

void DrawSelectedIntervalTexts(QPainter& p, int n) {
    const SelectedStrip s = ComputeSelectedStrip(n);
    if (s.shown) DrawTexts(p, s);
}

QRegion DrawPossibleMu(QPainter& p, int n) {
    const PossibleMuFigure f = ComputePossibleMu(n);
    QRegion region;
    if (f.hasCurve) {
        QPolygon outline;
        for (const PixelPoint& point : f.outline)
            outline << QPoint(point.x, point.y);
        // The filled area is the one the mouse can grab. Finer than design
        // pixels the fill follows the outline itself, not the region's steps.
        region = QRegion(outline);
        const QBrush& fill = !f.verdict      ? g_brushGrey210
                             : g_ciPlausible ? PlausibleBrush()
                                             : ImplausibleBrush();
        p.save();
        if (AtDesignScale(p)) {
            p.setClipRegion(region);
            p.fillRect(region.boundingRect(), fill);
        } else {
            p.setPen(Qt::NoPen);
            p.setBrush(fill);
            p.drawPolygon(outline, Qt::OddEvenFill);
        }
        p.restore();

        QPolygon curve;
        for (const PixelPoint& point : f.curve)
            curve << QPoint(point.x, point.y);
        GdiPolyline(p, curve.constData(), static_cast<int>(curve.size()), g_penBlack2);
    }
    GdiLine(p, f.xCentre, f.peakY, f.xCentre, f.baseY, g_penBlack2);
    if (f.hasLeftBound)
        GdiLine(p, f.leftBoundX, f.leftBoundTop, f.leftBoundX, f.boundBottom, g_penPurple2);
    if (f.hasRightBound)
        GdiLine(p, f.rightBoundX, f.rightBoundTop, f.rightBoundX, f.boundBottom, g_penPurple2);

    CiTextCentred(p, f.xCentre, f.muTextTop, LocalNumbers(f.muText), g_fontSymbol10);

    // The words the geometry gives, listed here for the translators.
    [[maybe_unused]] static const char* const kWords[] = {
        QT_TRANSLATE_NOOP("ConfidenceIntervals", "PLAUSIBLE"),
        QT_TRANSLATE_NOOP("ConfidenceIntervals", "NOT PLAUSIBLE"),
        QT_TRANSLATE_NOOP("ConfidenceIntervals", "SAMPLING"),
        QT_TRANSLATE_NOOP("ConfidenceIntervals", "DISTRIBUTION")};
    const auto line = [&f](int i) {
        return QCoreApplication::translate("ConfidenceIntervals", f.textLines[i]);
    };
    const QString third = line(2);
    const int width = CiTextWidth(third, g_fontArial9_5);
    const int left = PlausibilityColumnLeft(f, width);
    for (int i = 0; i < 3; ++i)
        CiTextCentred(p, left + width / 2, f.textLineY[i], line(i), g_fontArial9_5);
    return region;
}
