#include "windows/sampdist/HistogramPlot.h"

#include "core/SimulationState.h"
#include "ui/DrawingResources.h"
#include "ui/DrawnTexts.h"
#include "ui/Gdi.h"
#include "ui/LetterMark.h"
#include "ui/LocalNumbers.h"
#include "windows/sampdist/HistogramDescription.h"
#include "windows/sampdist/HistogramModel.h"
#include "windows/sampdist/SamplingDistPanel.h"
#include "windows/sampdist/SliderModel.h"
#include "windows/sampdist/StatisticTexts.h"

#include <QCoreApplication>
#include <QFontMetrics>
#include <QImage>
#include <QPainter>
#include <QPainterPath>
#include <QPolygon>
#include <QStringList>
#include <algorithm>
#include <cmath>
#include <functional>

namespace {

const QColor kPlotWhite(250, 250, 250);

enum class Align { Left, Right, Centre };

// Text with its top at y, placed by its left edge, right edge or centre at x,
// on an opaque background as the plot's text cells are. Returns the cell.
Rect TextAt(QPainter& p, int x, int y, const QString& text, const QFont& font, const QColor& colour,
            Align align, const QColor& background = kPlotWhite) {
    if (text.isEmpty()) return Rect{};
    const QFontMetrics metrics(font);
    const int width = metrics.horizontalAdvance(text);
    if (align == Align::Right) x -= width;
    if (align == Align::Centre) x -= width / 2;
    p.save();
    p.setFont(font);
    p.setPen(colour);
    p.setBackgroundMode(Qt::OpaqueMode);
    p.setBackground(QBrush(background));
    p.drawText(QPoint(x, y + metrics.ascent()), text);
    NoteDrawnText(p, QRect(x, y, width, metrics.height()), text);
    p.restore();
    return Rect{x, y, x + width, y + metrics.height()};
}

// A pixel offset from a height that may be anything: truncated toward zero
// and held far outside the picture at both ends, so no conversion overflows.
int ClampPixel(double v) {
    if (!(v == v)) return 0;
    return static_cast<int>(std::clamp(v, -1.0e6, 1.0e6));
}

// The part of a column holding its samples from..to (counted from the bottom,
// the samples of a column in the order of their statistic) filled red.
void FillColumnSpan(QPainter& p, const Rect& column, int from, int to, int inColumn) {
    from = std::clamp(from, 0, inColumn);
    to = std::clamp(to, 0, inColumn);
    if (to <= from || inColumn <= 0) return;
    const long long height = column.Height();
    const int bottom = column.bottom - static_cast<int>(height * from / inColumn);
    const int top = column.bottom - static_cast<int>(height * to / inColumn);
    if (top < bottom) GdiFillRect(p, column.left, top, column.right, bottom, CountedBrush());
}

// The painted column of a slot: its stored rectangle ends one pixel below
// the axis for hit-testing, the column itself stands on the axis.
Rect PaintedColumn(int slot) {
    Rect r = g_sdColumnRect[slot];
    r.bottom = g_sdAxisY;
    return r;
}

// The area under the normal curve between two pixels, closed along the axis.
QPainterPath AreaUnderCurve(const std::function<double(int)>& heightAt, int from, int to) {
    QPainterPath path;
    if (to <= from) return path;
    auto yAt = [&](int x) { return g_sdAxisY - ClampPixel(heightAt(x) * g_sdScaleY); };
    const int step = std::max(1, Px(g_sdScaleX, 5));
    QPolygon outline;
    outline << QPoint(from, g_sdAxisY);
    int x = from;
    for (; x + step <= to; x += step)
        outline << QPoint(x, yAt(x));
    for (; x <= to; ++x)
        outline << QPoint(x, yAt(x));
    outline << QPoint(to, g_sdAxisY);
    path.addPolygon(outline);
    path.closeSubpath();
    return path;
}

} // namespace

void CHistogramPlot::DrawHistogramGraph(QPainter& p, const PlotFields& fields) {
    const int pos = fields.scrollPos;
    // The previous latest column belonged to the picture drawn over now.
    m_latestColumn = Rect{};

    GdiFillRect(p, g_histRect, g_brushWhite);
    GdiFrameRect(p, g_histRect.left, g_histRect.top, g_histRect.right, g_histRect.bottom,
                 g_penBlack1);

    // The separators of the left panel.
    for (double y : {75.0, 213.0, 309.0, 348.0})
        GdiLine(p, 0, SdY(y), g_histRect.left, SdY(y), g_penBlack2);
    GdiLine(p, SdX(115), 0, SdX(115), SdY(75), g_penBlack2);

    ChooseHistogramScale(fields.sampleSize, fields.numberOfSamples);
    const int columns = LayoutHistogramColumns(pos);
    DrawColumns(p, columns);
    // One pass over the series serves the red columns and the marks of the
    // samples beyond the axis, as it serves the readouts.
    SliderSplit split;
    SplitBySliders(split, pos);
    if (g_drawFinished) RecolourCountedColumns(p, columns, split);
    DrawOffPlotMarks(p, split);

    DrawFrequencyScale(p);

    // The curve is the shown statistic's theory (the mean's normal curve, or
    // none where no theory applies); the population's outline belongs on an
    // axis of values, not on one of spreads.
    if (g_showNormalOutline) DrawNormalCurve(p, fields, g_samplesDrawn < 1);
    if (g_showPopOutline && StatisticAxisIsOfValues()) DrawPopulationOutline(p, fields);

    // New samples below the selected one, a new scale or new columns all
    // move its strip: it is placed afresh at every paint.
    if (g_binWidthChanged || g_sampleSelected) ReplaceSelectionAfterRebin(pos);
    if (g_sampleSelected && g_sdSelectionRect.left > g_sdAxisLeft)
        GdiFillRect(p, g_sdSelectionRect, g_brushBlack);
    if (g_sampleSelected) DrawSelectedSample(p);

    DrawAxisScale(p, pos);
}

void CHistogramPlot::DrawColumns(QPainter& p, int count) {
    for (int slot = 1; slot <= count; ++slot)
        GdiFillRect(p, PaintedColumn(slot), ColumnBrush());
}

void CHistogramPlot::RecolourCountedColumns(QPainter& p, int count, const SliderSplit& split) {
    if (split.total < 1) return;
    // A column stacks its samples in the order of their statistic: those at
    // or below the left slider at the bottom, then those up to the right one,
    // then the rest. The counted stretches of that stack are red.
    for (int slot = 1; slot <= count; ++slot) {
        const int bin = g_sdColumnBin[slot];
        const int inColumn = g_meanHistogram[bin];
        if (inColumn <= 0) continue;
        const Rect column = PaintedColumn(slot);
        const int left = split.atOrBelowLeft[bin];
        const int right = split.atOrBelowRight[bin];
        if (g_oneSlider) {
            if (g_proportionAbove)
                FillColumnSpan(p, column, left, inColumn, inColumn);
            else
                FillColumnSpan(p, column, 0, left, inColumn);
        } else if (g_proportionAbove) {
            FillColumnSpan(p, column, 0, left, inColumn);
            FillColumnSpan(p, column, right, inColumn, inColumn);
        } else {
            FillColumnSpan(p, column, left, right, inColumn);
        }
    }
}

void CHistogramPlot::DrawOffPlotMarks(QPainter& p, const SliderSplit& split) {
    // Samples whose statistic lies beyond the columns the axis can show are
    // in the counts; an arrow at that end of the plot says how many there
    // are, red as far as the readouts count them.
    const int top = g_sdPlotTop + SdY(2);
    auto number = [](const OffPlot& side) {
        if (side.counted > 0 && side.counted < side.samples)
            return QCoreApplication::translate("Dorvane", "%1 of %2")
                .arg(side.counted)
                .arg(side.samples);
        return QString::number(side.samples);
    };
    auto colour = [](const OffPlot& side) {
        return side.counted > 0 ? CountedColour() : QColor(Qt::black);
    };
    const auto translate = [](const char* words) {
        return QCoreApplication::translate("Dorvane", words).toStdString();
    };
    m_offPlotMarks[0] = m_offPlotMarks[1] = Rect{};
    m_offPlotTips[0] = OffPlotTip(split.below, true, translate);
    m_offPlotTips[1] = OffPlotTip(split.beyond, false, translate);
    if (split.below.samples > 0) {
        const QString label = QCoreApplication::translate("Dorvane", "\u25c4 %1 further left")
                                  .arg(number(split.below));
        m_offPlotMarks[0] = TextAt(p, g_sdAxisLeft + SdX(4), top, label, g_fontArial7_5,
                                   colour(split.below), Align::Left);
    }
    if (split.beyond.samples > 0) {
        const QString label = QCoreApplication::translate("Dorvane", "%1 further right \u25ba")
                                  .arg(number(split.beyond));
        m_offPlotMarks[1] = TextAt(p, g_sdAxisRight - SdX(4), top, label, g_fontArial7_5,
                                   colour(split.beyond), Align::Right);
    }
    // Samples left out of every column and count (no t value) are said
    // once, under the marks, with the base the readouts stand on.
    m_noteBox = Rect{};
    const QStringList note =
        LocalNumbers(SamplesWithoutStatisticNote(split, translate)).split(QLatin1Char('\n'));
    int lineTop = top + SdY(12);
    for (const QString& line : note) {
        const Rect cell = TextAt(p, (g_sdAxisLeft + g_sdAxisRight) / 2, lineTop, line,
                                 g_fontArial7_5, Qt::black, Align::Centre);
        if (!cell.IsEmpty()) m_noteBox = m_noteBox.IsEmpty() ? cell : United(m_noteBox, cell);
        lineTop += SdY(12);
    }
}

void CHistogramPlot::DrawFrequencyScale(QPainter& p) {
    const QString letters = QCoreApplication::translate("Dorvane", "FREQUENCY");
    const int x = g_histRect.left + SdX(4);
    for (int i = 0; i < letters.size(); ++i) {
        const int top = g_histRect.top + SdY(115) + Px(g_sdScaleY, 18.0 * i);
        TextAt(p, x, top, QString(letters[i]), g_fontArialBold9_5, Qt::black, Align::Left);
    }
    const int right = g_sdAxisLeft - SdX(2) - SdX(3);
    for (int k = 1; k <= g_histTickCount; ++k) {
        const double height = static_cast<double>(k) * g_histTickStep * g_histCountScale;
        const int top = g_sdAxisY - ClampPixel(height) + SdY(4);
        TextAt(p, right, top, QString::number(k * g_histTickStep), g_fontArial7_5, Qt::black,
               Align::Right);
    }
}

void CHistogramPlot::DrawNormalCurve(QPainter& p, const PlotFields& fields, bool withTailFill) {
    if (!ShowsMeansNormalCurve()) {
        DrawTheoryCurve(p, fields, withTailFill);
        return;
    }
    const NormalCurve curve =
        ComputeNormalCurve(fields.sampleSize, fields.numberOfSamples, fields.scrollPos);
    if (!curve.drawable) return;
    auto heightAt = [&curve](int x) { return NormalCurveHeight(curve, x); };
    p.save();
    // A curve taller than the plot stays inside its frame.
    p.setClipRect(QRect(g_histRect.left + 1, g_histRect.top + 1, g_histRect.Width() - 2,
                        g_histRect.Height() - 2));

    if (withTailFill) {
        const bool one = g_oneSlider != 0;
        const float a = std::max(g_leftSliderZ, -5.0f);
        const float b = (!one && g_rightSliderZ < 5.0f) ? g_rightSliderZ : 5.0f;
        const int xa = NormalCurveZPixel(curve, a), xb = NormalCurveZPixel(curve, b);
        const int wFrom = std::max(NormalCurveZPixel(curve, -5.0f), g_sdAxisLeft);
        const int wTo = NormalCurveZPixel(curve, 5.0f);
        const QPainterPath areaA = AreaUnderCurve(heightAt, xa, xb);
        const QPainterPath areaW = AreaUnderCurve(heightAt, wFrom, wTo);
        QPainterPath fill;
        if (one && g_proportionAbove) {
            if (g_leftSliderZ < 5.0f) fill = areaA;
        } else if (!one && !g_proportionAbove) {
            fill = areaA;
        } else if (one) {
            fill = g_leftSliderZ >= 5.0f ? areaW : areaW.subtracted(areaA);
        } else {
            fill = areaW.subtracted(areaA);
        }
        QPainterPath clip;
        clip.addRect(g_sdAxisLeft, g_sdPlotTop, g_sdAxisRight - g_sdAxisLeft,
                     g_sdAxisY - g_sdPlotTop);
        fill = fill.intersected(clip);
        if (!fill.isEmpty()) p.fillPath(fill, CountedBrush());
    }

    const int step = std::max(1, SdX(5));
    const int end = g_sdAxisRight - SdX(3);
    QPoint previous;
    bool started = false;
    for (int x = g_sdAxisLeft + 1; x < end; x += step) {
        const QPoint point(x, g_sdAxisY - ClampPixel(NormalCurveHeight(curve, x) * g_sdScaleY));
        if (started && x <= g_sdAxisRight + 1)
            GdiLine(p, previous.x(), previous.y(), point.x(), point.y(), g_penBlue2);
        previous = point;
        started = true;
    }
    p.restore();
}

void CHistogramPlot::DrawTheoryCurve(QPainter& p, const PlotFields& fields, bool withTailFill) {
    const TheoryCurve curve =
        ComputeTheoryCurve(fields.sampleSize, fields.numberOfSamples, fields.scrollPos);
    if (!curve.drawable) return;
    auto heightAt = [&curve](int x) { return TheoryCurveHeight(curve, x); };
    p.save();
    p.setClipRect(QRect(g_histRect.left + 1, g_histRect.top + 1, g_histRect.Width() - 2,
                        g_histRect.Height() - 2));
    if (withTailFill) {
        // The share the theory rows count, between the sliders' pixels or
        // beyond them, under the curve.
        const int from = g_sdAxisLeft, to = g_sdAxisRight;
        const int xa = std::clamp(SliderAxisPixel(true, fields.scrollPos), from, to);
        const int xb =
            g_oneSlider ? to : std::clamp(SliderAxisPixel(false, fields.scrollPos), from, to);
        const QPainterPath whole = AreaUnderCurve(heightAt, from, to);
        QPainterPath fill;
        if (g_oneSlider)
            fill = g_proportionAbove ? AreaUnderCurve(heightAt, xa, to)
                                     : AreaUnderCurve(heightAt, from, xa);
        else if (g_proportionAbove)
            fill = whole.subtracted(AreaUnderCurve(heightAt, xa, xb));
        else
            fill = AreaUnderCurve(heightAt, xa, xb);
        if (!fill.isEmpty()) p.fillPath(fill, CountedBrush());
    }
    const int step = std::max(1, SdX(2));
    QPolygon points;
    for (int x = g_sdAxisLeft + 1; x <= g_sdAxisRight; x += step)
        points << QPoint(x, g_sdAxisY - ClampPixel(heightAt(x) * g_sdScaleY));
    SdPolyline(p, points, g_penBlue2);
    p.restore();
    DrawTheoryName(p, curve.theory);
}

void CHistogramPlot::DrawTheoryName(QPainter& p, const StatisticTheory& theory) {
    QString name;
    switch (theory.shape) {
    case TheoryShape::None:
        return;
    case TheoryShape::Normal:
        name = theory.approximate ? QCoreApplication::translate("Dorvane", "normal approx.")
                                  : QCoreApplication::translate("Dorvane", "normal");
        break;
    case TheoryShape::StudentT:
        name = QCoreApplication::translate("Dorvane", "t, %1 df").arg(theory.df);
        break;
    case TheoryShape::ScaledChiSquare:
        name = QCoreApplication::translate("Dorvane", "scaled \u03c7\u00b2, %1 df").arg(theory.df);
        break;
    case TheoryShape::ScaledChi:
        name = QCoreApplication::translate("Dorvane", "\u221a scaled \u03c7\u00b2, %1 df")
                   .arg(theory.df);
        break;
    }
    // In the curve's blue, at the plot's right, under the note of samples
    // beyond the axis.
    TextAt(p, g_histRect.right - SdX(6), g_sdPlotTop + SdY(14), name, g_fontArial7_5,
           g_penBlue2.color(), Align::Right);
}

void CHistogramPlot::DrawPopulationOutline(QPainter& p, const PlotFields& fields) {
    const int scrollPos = fields.scrollPos;
    const int columns = g_isBinomial ? 2 : g_isDiscrete ? 11 : 51;
    // Pixels per unit of share: the population as the columns of the series
    // now being shown would stand at this width.
    const double perShare =
        SeriesCountForCurves(fields.numberOfSamples) * OutlineWidthFactor() * g_histCountScale;
    auto share = [](int c) { return PopulationColumnShare(c); };
    auto top = [&](double q) { return g_sdAxisY - ClampPixel(q * perShare); };
    p.save();
    p.setClipRect(QRect(g_histRect.left + 1, g_histRect.top + 1, g_histRect.Width() - 2,
                        g_histRect.Height() - 2));
    if (g_isContinuous) {
        QPolygon outline;
        const bool merged = CurrentBinWidth() == BinWidth::Wide;
        const int firstX = AxisMarkX(0.0f, scrollPos);
        if (firstX >= g_sdAxisLeft)
            outline << QPoint(g_sdAxisLeft, top(share(0) + (merged ? share(1) : 0)));
        for (int c = 0; c < columns; c += merged ? 2 : 1) {
            const double q = share(c) + (merged && c + 1 < columns ? share(c + 1) : 0.0);
            const int x = AxisMarkX(0.2f * c, scrollPos);
            if (x < g_sdAxisLeft) continue;
            outline << QPoint(x, top(q));
        }
        for (int i = 1; i < outline.size(); ++i)
            GdiLine(p, outline[i - 1].x(), outline[i - 1].y(), outline[i].x(), outline[i].y(),
                    g_penPurple2);
    } else {
        for (int c = 0; c < columns; ++c) {
            const int x = AxisMarkX(static_cast<float>(c), scrollPos);
            if (x < g_sdAxisLeft) continue;
            const int barTop = top(share(c));
            if (barTop >= g_sdAxisY) continue;
            GdiFrameRect(p, x - SdX(3), barTop, x + SdX(4), g_sdAxisY + 1, g_penPurple2);
        }
    }
    p.restore();
}

void CHistogramPlot::DrawSelectedSample(QPainter& p) {
    const QString text = LocalNumbers(SelectedSampleText());
    if (text.isEmpty()) return;
    const int x = g_histRect.left + SdX(5), top = g_histRect.top + SdY(2);
    TextAt(p, x, top, text, g_fontArial7_5, Qt::black, Align::Left);
    DrawLetterMark(p, g_fontArial7_5, x, top, QLatin1Char(g_isBinomial ? 'p' : 'x'));
}

void CHistogramPlot::DrawAxisScale(QPainter& p, int scrollPos) {
    const int pos = EffectiveScrollPos(scrollPos);
    const auto width = [](const std::string& text) {
        return QFontMetrics(g_fontArial7_5).horizontalAdvance(QString::fromStdString(text));
    };
    for (const AxisTick& tick : AxisTicksOf(pos, width))
        TextAt(p, static_cast<int>(tick.x), g_sdAxisY + SdY(2), LocalNumbers(tick.text),
               g_fontArial7_5, Qt::black, Align::Centre);

    const QString title = StatisticPlotTitle();
    const int titleCentre = (g_histRect.left + 10 + g_histRect.right) / 2;
    TextAt(p, titleCentre, g_histRect.top + SdY(2), title, g_fontArialBold7_5, Qt::black,
           Align::Centre);

    // Marks stand only inside the visible stretch of the axis.
    auto visible = [](int x) { return x >= g_sdAxisLeft && x <= g_sdAxisRight; };
    const int letterTop = g_histRect.bottom - SdY(18);
    const QColor meanColour(0, 0, 250);
    const int meanX = AxisMarkX(g_popMean, pos);
    if (g_isBinomial) {
        if (visible(meanX)) {
            GdiLine(p, meanX, g_sdAxisY, meanX, g_sdPlotTop, g_penBlue1);
            TextAt(p, meanX + 1, letterTop, QStringLiteral("p"), g_fontArial7_5, meanColour,
                   Align::Left);
        }
    } else if (const QString label = ParameterMarkLabel(); !label.isEmpty()) {
        // A spread's axis holds neither mu nor M: only the population's own
        // value of the statistic, named with its number.
        const int x = AxisMarkX(static_cast<float>(ParameterOnAxis().value_or(-1.0)), pos);
        if (visible(x)) {
            GdiLine(p, x, g_sdAxisY, x, g_sdPlotTop, g_penBlue1);
            // At the line's top: the row under the axis is the sliders' labels'.
            const int width = QFontMetrics(g_fontArial7_5).horizontalAdvance(label);
            const bool roomRight = x + SdX(3) + width <= g_histRect.right - SdX(2);
            TextAt(p, roomRight ? x + SdX(3) : x - SdX(2), g_sdPlotTop, label, g_fontArial7_5,
                   meanColour, roomRight ? Align::Left : Align::Right);
        }
    } else if (ShownStatisticKind() == Statistic::Mean ||
               ShownStatisticKind() == Statistic::Median) {
        const int medianX = AxisMarkX(g_popMedian, pos);
        const bool meanRight = g_popMean >= g_popMedian;
        if (visible(medianX)) {
            GdiLine(p, medianX, g_sdAxisY, medianX, g_sdPlotTop, PairRedPen(1));
            TextAt(p, meanRight ? medianX : medianX + 1, letterTop, QStringLiteral("M"),
                   g_fontArial7_5, PairRedColour(), meanRight ? Align::Right : Align::Left);
        }
        if (visible(meanX)) {
            GdiLine(p, meanX, g_sdAxisY, meanX, g_sdPlotTop, g_penBlue1);
            TextAt(p, meanRight ? meanX + 1 : meanX, letterTop, QStringLiteral("\u03bc"),
                   g_fontSymbol8, meanColour, meanRight ? Align::Left : Align::Right);
        }
    }

    GdiLine(p, g_sdAxisLeft, g_sdAxisY, g_sdAxisRight, g_sdAxisY, g_penBlack1);
    GdiLine(p, g_sdAxisLeft, g_sdAxisY, g_sdAxisLeft, g_sdPlotTop, g_penBlack1);
}

void CHistogramPlot::DrawSliderHandle(QPainter& p, int x, bool left, bool letterOnly) {
    Rect& handle = left ? g_leftSliderRect : g_rightSliderRect;
    const float z = left ? g_leftSliderZ : g_rightSliderZ;
    // The left slider wears the counted columns' colour.
    const QPen& pen = left ? PairRedPen(2) : g_penBlue2;
    const QBrush& brush = left ? PairRedBrush() : g_brushBlue;
    const int halfLeft = SdX(2), halfRight = SdX(4);
    Rect r{x - halfLeft, g_sdAxisY + 1, x + halfRight, g_sdAxisY + 1 + SdY(18)};

    // Keep the handle inside reach: left of the axis start it stops a little
    // before the axis, and it never crosses the plot's frame.
    if (left && r.right < g_sdAxisLeft - 5 && r.right < g_sdAxisLeft - SdX(10)) {
        const int shift = g_sdAxisLeft - SdX(10) - r.right;
        r.left += shift;
        r.right += shift;
    }
    if (r.right > g_histRect.right - 1) {
        const int shift = r.right - (g_histRect.right - 1);
        r.left -= shift;
        r.right -= shift;
    }
    handle = r;

    // The pointer: a head on the axis and a stem down to the handle's bottom.
    const int tip = r.left + halfLeft;
    const int headHeight = SdY(6);
    p.save();
    p.setPen(Qt::NoPen);
    p.setBrush(brush);
    p.drawPolygon(QPolygon({QPoint(tip, r.top), QPoint(r.right - 1, r.top + headHeight),
                            QPoint(r.left, r.top + headHeight)}));
    p.restore();
    GdiFillRect(p, tip - 1, r.top + headHeight, tip + 1, r.bottom, brush);

    // The label box hangs beside the handle, the left slider's on its left and
    // the right one's on its right; where that side would leave the plot it
    // goes to the other side, so the label is always whole and inside the
    // plot, which a drag repaints.
    const QString label = LocalNumbers(SliderLabelText(z, letterOnly));
    const QFontMetrics metrics(g_fontArial7_5);
    const int boxWidth = metrics.horizontalAdvance(label) + SdX(6);
    // Under the axis' tick labels, which the box would otherwise hide.
    const int boxTop = g_sdAxisY + SdY(2) + metrics.height();
    const int boxBottom = boxTop + metrics.height() + SdY(3);
    const int inLeft = g_histRect.left + 1, inRight = g_histRect.right - 1;
    int boxLeft = left ? r.left - boxWidth : r.right;
    if (boxLeft < inLeft) boxLeft = r.right;
    if (boxLeft + boxWidth > inRight) boxLeft = r.left - boxWidth;
    boxLeft = std::max(inLeft, std::min(boxLeft, inRight - boxWidth));
    m_labelBox[left ? 0 : 1] = Rect{boxLeft, boxTop, boxLeft + boxWidth, boxBottom};
    GdiFillRect(p, boxLeft, boxTop, boxLeft + boxWidth, boxBottom, g_brushWhite);
    GdiFrameRect(p, boxLeft, boxTop, boxLeft + boxWidth, boxBottom, QPen(pen.color()));
    const int textLeft = boxLeft + SdX(3);
    const int textTop = boxTop + SdY(2);
    TextAt(p, textLeft, textTop, label, g_fontArial7_5, Qt::black, Align::Left);
    // x-bar and p-hat carry their mark; the other statistics' letters none.
    if (!g_showZValues && !g_showTValues && ShownStatisticKind() == Statistic::Mean)
        DrawLetterMark(p, g_fontArial7_5, textLeft, textTop, QLatin1Char(g_isBinomial ? 'p' : 'x'));
}

void CHistogramPlot::GrowLatestColumn(QImage& surface, int scrollPos,
                                      const std::function<void(const Rect&)>& repaint) {
    const int bin = g_lastMeanBin;
    const int first = FirstVisibleBin(scrollPos);
    const int slot = bin - first + 1;
    if (bin < first || bin > LastVisibleBin(scrollPos) || slot < 1 || slot > kSdColumnSlots ||
        g_sdColumnBin[slot] != bin)
        return;

    // The previous latest column is an ordinary column again. After a whole
    // paint of the graph (a new series, a rescale) there is none to give back.
    g_histNeedsRescale = 0;
    if (!m_latestColumn.IsEmpty()) {
        {
            QPainter p(&surface);
            GdiFillRect(p, m_latestColumn, ColumnBrush());
        }
        repaint(m_latestColumn);
    }

    const int height = ClampPixel(static_cast<double>(g_meanHistogram[bin]) * g_histCountScale);
    const Rect& slotRect = g_sdColumnRect[slot];
    const Rect column{slotRect.left, g_sdAxisY - height, slotRect.right, g_sdAxisY};
    {
        QPainter p(&surface);
        GdiFillRect(p, column, g_brushBlack);
        // The parameter's line stands over the columns.
        const Statistic statistic = ShownStatisticKind();
        const bool median = statistic == Statistic::Median;
        const double parameter =
            statistic == Statistic::Mean ? g_popMean : ParameterOnAxis().value_or(-1.0);
        const int x = AxisMarkX(static_cast<float>(parameter), scrollPos);
        if (x > g_sdAxisLeft - SdX(25) && x <= g_sdAxisRight)
            GdiLine(p, x, g_sdAxisY, x, g_sdPlotTop, median ? PairRedPen(1) : g_penBlue1);
    }
    m_latestColumn = column;
    repaint(column);
}
