#include "windows/samples/SamplePicture.h"

#include "core/AxisTicks.h"
#include "core/NumberText.h"
#include "core/SimulationState.h"
#include "core/Statistic.h"
#include "ui/DrawingResources.h"
#include "ui/DrawnTexts.h"
#include "ui/FieldText.h"
#include "ui/Gdi.h"
#include "ui/LetterMark.h"
#include "ui/LocalNumbers.h"
#include "windows/samples/SamplesModel.h"

#include <QCoreApplication>
#include <QFontMetrics>
#include <QPainter>
#include <QPolygon>
#include <algorithm>
#include <optional>

namespace {

const QColor kMeanBlue(0, 0, 250);
const QColor kSdRed(250, 0, 0);
// The chosen statistic's marks are black in both colour schemes: apart from
// the blue mean, the red (or orange) spread, the bars and the purple limits.
const QColor kStatisticInk(0, 0, 0);

// Where the mean marker of one picture stands: the value 0 of its axis, the
// reference height its parts are measured from, and their offsets below it.
struct MarkerFrame {
    SampleView view;
    int axisX;
    int ref;
    int lineTop, lineBottom, textTop; // design units below ref
    const QFont* font;
};

void DrawMeanMarker(QPainter& p, const MarkerFrame& f, const SampleRow& row) {
    const QString meanText = LocalNumbers(MeanText(row.mean));
    const int meanWidth = TextWidth(*f.font, meanText);
    const int xm = MeanPixel(f.view, f.axisX, row.mean);
    const bool left = MeanTextOnLeft(f.axisX, xm, meanWidth);
    const int top = f.ref + SmY(f.textTop);
    const int foot = f.ref + SmY(f.lineBottom);

    GdiLine(p, xm, f.ref + SmY(f.lineTop), xm, foot, g_penBlue1);
    GdiLine(p, xm, foot, left ? xm - SmX(3) : xm + SmX(3), foot, g_penBlue1);
    const int textLeft = left ? xm - SmX(5) - meanWidth : xm + SmX(5);
    TextAt(p, textLeft, top, meanText, *f.font, kMeanBlue, TextAlign::Left, kGraphWhite);
    // The stroke that makes the first letter an x-bar or a p-hat, on the
    // letter's own ink with a clear row between.
    DrawLetterMark(p, *f.font, textLeft, top, QLatin1Char(g_isBinomial ? 'p' : 'x'), g_penBlue1);

    const QFont& font = *f.font;
    const TextPlacement sd =
        SdTextPlacement(f.view, row.mean, row.sd, xm, left, meanWidth,
                        [&font](const std::string& text) { return TextWidth(font, ToQt(text)); });
    if (!sd.text.empty())
        TextAt(p, sd.x, top, LocalNumbers(sd.text), font,
               g_colourBlindSafe ? PairRedColour() : kSdRed,
               sd.rightAligned ? TextAlign::Right : TextAlign::Left, kGraphWhite);
}

// Where the chosen statistic's mark stands in one picture (pixels).
struct StatisticFrame {
    SampleView view;
    int axisX;
    int baseline;
    int lineTop;  // the median's line reaches up to here
    int bracketY; // the range's bracket line, under the axis and the mean text
    int minX, maxX;
    const QFont* font;
    // The grid's cells are too small for a text beside the mark: it stands
    // in the cell's header row, ending at headerRight.
    bool textInHeader;
    int headerRight, headerTop;
};

// Dashes from y `from` up to y `to`, so the line reads as other than the
// mean's solid one whatever the colours.
void DashedUpLine(QPainter& p, int x, int from, int to, const QPen& pen) {
    const int on = std::max(2, SmY(4)), off = std::max(1, SmY(3));
    for (int y = from; y > to; y -= on + off)
        GdiLine(p, x, y, x, std::max(to, y - on), pen);
}

void DrawStatisticMark(QPainter& p, const StatisticFrame& f, const SampleRow& row) {
    const Statistic statistic = MarkedStatistic();
    if (statistic != Statistic::Median && statistic != Statistic::Range) return;
    const int n = g_seriesSampleSize;
    const std::optional<float> value = StatisticOf(row, n, statistic);
    if (!value || n < 1) return;
    const QPen& pen = g_samplesScaleX >= 1.5f ? g_penBlack2 : g_penBlack1;
    const QString text =
        LocalNumbers(statistic == Statistic::Median ? MedianText(*value) : RangeText(*value));
    const int width = TextWidth(*f.font, text);
    const int textHeight = QFontMetrics(*f.font).height();

    int left, right, textTop;
    if (statistic == Statistic::Median) {
        left = right = MeanPixel(f.view, f.axisX, *value);
        DashedUpLine(p, left, f.baseline - 1, f.lineTop, pen);
        textTop = f.lineTop;
    } else {
        const BracketSpan span = RangeBracket(f.view, f.axisX, row, n);
        left = span.left;
        right = span.right;
        const int tick = SmY(f.view == SampleView::Grid ? 3 : 5);
        GdiLine(p, left, f.bracketY, right + 1, f.bracketY, pen);
        GdiLine(p, left, f.bracketY - tick, left, f.bracketY + 1, pen);
        GdiLine(p, right, f.bracketY - tick, right, f.bracketY + 1, pen);
        textTop = f.bracketY - textHeight / 2;
    }
    if (f.textInHeader) {
        TextAt(p, f.headerRight, f.headerTop, text, *f.font, kStatisticInk, TextAlign::Right,
               kGraphWhite);
        return;
    }
    // A bracket with room for its text holds it in its middle, clear of the
    // limit markers at the axis' ends; a short one has it beside.
    const bool inside = statistic == Statistic::Range && right - left >= width + SmX(16);
    const int textLeft =
        inside ? (left + right - width) / 2 : TextBesideMark(left, right, width, f.minX, f.maxX);
    TextAt(p, textLeft, textTop, text, *f.font, kStatisticInk, TextAlign::Left, kGraphWhite);
}

void Bar(QPainter& p, int left, int top, int right, int bottom) {
    if (top < bottom) GdiRectangle(p, left, top, right, bottom, g_penBlack1, PairGreenBrush());
}

// Count labels "step" .. "5 step" right-aligned beside the vertical axis,
// each a little above the height it names.
void CountLabels(QPainter& p, int axisX, int baseline, float h, int step, int above,
                 const QFont& font) {
    for (int k = 1; k <= 5; ++k)
        TextAt(p, axisX - SmX(2), CountLevel(baseline, h, k * step) - SmY(above),
               QString::number(k * step), font, Qt::black, TextAlign::Right, kGraphWhite);
}

// The value axis of a histogram whose value 0 stands at x0 and 10 at x10:
// labels at round shown values, centred on them, inside minX..maxX.
void ValueLabels(QPainter& p, int x0, int x10, int top, int minX, int maxX) {
    AxisLabelRoom room;
    room.xOf = [x0, x10](double v) { return x0 + (x10 - x0) * v / 10.0; };
    room.widthOf = [](const std::string& text) { return TextWidth(g_fontArial6, ToQt(text)); };
    room.minX = minX;
    room.maxX = maxX;
    room.gap = SmX(3);
    for (const AxisTick& tick : ShownAxisTicks(0.0, 10.0, room))
        TextAt(p, static_cast<int>(tick.x), top, LocalNumbers(tick.text), g_fontArial6, Qt::black,
               TextAlign::Centre, kGraphWhite);
}

void PaintGridCell(QPainter& p, const GridCell& cell, const SampleScale& scale) {
    const SampleRow& row = g_sampleStore[cell.sampleNo];
    const float h = scale.height * g_samplesScaleY;
    const int x = cell.x, y = cell.y;
    if (g_isBinomial) {
        const int x1 = x + SmX(50);
        Bar(p, x, CountLevel(y, h, row.columnCounts[1]), x + SmX(5), y);
        Bar(p, x1 + SmX(47), CountLevel(y, h, row.columnCounts[2]), x1 + SmX(52), y);
        TextAt(p, x + SmX(1), y + SmY(1), QStringLiteral("0"), g_fontArial6, Qt::black,
               TextAlign::Left, kGraphWhite);
        TextAt(p, x1 + SmX(48), y + SmY(1), QStringLiteral("1"), g_fontArial6, Qt::black,
               TextAlign::Left, kGraphWhite);
    } else {
        for (int k = 0; k < kTallyColumns; ++k) {
            const int left = GridBarLeft(x, k);
            Bar(p, left, CountLevel(y, h, row.columnCounts[k + 1]), left + SmX(5), y);
        }
        ValueLabels(p, GridBarLeft(x, 0), GridBarLeft(x, 20), y + SmY(1), cell.rect.left,
                    cell.rect.right);
    }

    GdiLine(p, x - 1, y - SmY(80), x - 1, y, g_penBlack1);
    GdiLine(p, x - 1, y, x + SmX(105), y, g_penBlack1);
    TextAt(p, x + SmX(15), y - SmY(83),
           QCoreApplication::translate("Samples", "Sample %1").arg(cell.sampleNo), g_fontArial6_5,
           Qt::black, TextAlign::Left, kGraphWhite);
    CountLabels(p, x, y, h, scale.step, 4, g_fontArial6_5);
    DrawMeanMarker(p, MarkerFrame{SampleView::Grid, x, y - SmY(9), 12, 25, 20, &g_fontArial6_5},
                   row);
    DrawStatisticMark(p,
                      StatisticFrame{SampleView::Grid, x, y, y - SmY(70), y + SmY(24),
                                     cell.rect.left, cell.rect.right, &g_fontArial6_5, true,
                                     x + SmX(105), y - SmY(83)},
                      row);
}

} // namespace

HistogramLayout PaintSampleHistogram(QPainter& p, int row, bool withMarker, int clientWidth) {
    GdiFillRect(p, SamplesGraphArea(clientWidth), g_brushWhite);
    const bool hasRow = row >= 1 && row <= kMaxSamples;
    const HistogramLayout layout = LayoutHistogram(LargestColumnCount(row), clientWidth);
    if (!hasRow) return layout;
    const SampleRow& sample = g_sampleStore[row];
    const int x0 = layout.x0, y0 = layout.y0;

    for (int c = 1; c <= layout.bars; ++c) {
        const BarSpan bar = HistogramBarSpan(layout, c);
        Bar(p, bar.left, CountLevel(y0, layout.h, sample.columnCounts[c]), bar.right, y0);
    }
    if (g_isBinomial) {
        TextAt(p, x0 + SmX(3), y0 + SmY(1), QStringLiteral("0"), g_fontArial6, Qt::black,
               TextAlign::Left, kGraphWhite);
        TextAt(p, x0 + SmX(197), y0 + SmY(1), QStringLiteral("1"), g_fontArial6, Qt::black,
               TextAlign::Left, kGraphWhite);
    } else {
        const Rect area = SamplesGraphArea(clientWidth);
        ValueLabels(p, HistogramBarSpan(layout, 1).left, HistogramBarSpan(layout, 21).left,
                    y0 + SmY(1), area.left, area.right);
    }

    GdiLine(p, x0 - 1, layout.axisTop, x0 - 1, y0, g_penBlack1);
    GdiLine(p, x0 - 1, y0, layout.axisRight, y0, g_penBlack1);
    TextAt(p, x0 + SmX(15), y0 - SmY(180),
           QCoreApplication::translate("Samples", "Sample %1").arg(row), g_fontArial7_5, Qt::black,
           TextAlign::Left, kGraphWhite);
    CountLabels(p, x0, y0, layout.h, layout.step, 8, g_fontArial6);
    if (withMarker) {
        DrawMeanMarker(p, MarkerFrame{SampleView::Histogram, x0, y0, 2, 19, 13, &g_fontArial7_5},
                       sample);
        const Rect area = SamplesGraphArea(clientWidth);
        DrawStatisticMark(p,
                          StatisticFrame{SampleView::Histogram, x0, y0, layout.axisTop,
                                         y0 + SmY(32), area.left + SmX(kSdTextLeftmost),
                                         area.right - SmX(2), &g_fontArial7_5, false, 0, 0},
                          sample);
    }
    return layout;
}

void DrawSampleGrid(QPainter& p, int clientWidth) {
    GdiFillRect(p, SamplesGraphArea(clientWidth), g_brushWhite);
    const SampleScale scale = ChooseGridScale(LargestColumnCountOfSeries());
    GridCell cells[kGridCells];
    LayoutGrid(cells);
    for (int i = 0; i < kGridCells; ++i) {
        g_sampleCellRects[i] = cells[i].rect;
        if (!cells[i].sampleNo) continue;
        PaintGridCell(p, cells[i], scale);
        if (IsSelectedSample(cells[i].sampleNo)) {
            const Rect& r = cells[i].rect;
            GdiFrameRect(p, r.left, r.top, r.right, r.bottom, g_penBlack1);
            g_samplesSelectionFrame = r;
        }
    }
}

void PaintFallingBlock(QPainter& p, const Rect& erased, const Rect& block) {
    GdiFillRect(p, erased, g_brushWhite);
    Bar(p, block.left, block.top, block.right, block.bottom);
}

// --- Text ---------------------------------------------------------------------------

int TextWidth(const QFont& font, const QString& text) {
    return QFontMetrics(font).horizontalAdvance(text);
}

void TextAt(QPainter& p, int x, int top, const QString& text, const QFont& font,
            const QColor& colour, TextAlign align, const QColor& background) {
    if (text.isEmpty()) return;
    const QFontMetrics metrics(font);
    const int width = metrics.horizontalAdvance(text);
    if (align == TextAlign::Right) x -= width;
    if (align == TextAlign::Centre) x -= width / 2;
    p.save();
    p.setFont(font);
    p.setPen(colour);
    p.setBackgroundMode(Qt::OpaqueMode);
    p.setBackground(QBrush(background));
    p.drawText(QPoint(x, top + metrics.ascent()), text);
    NoteDrawnText(p, QRect(x, top, width, metrics.height()), text);
    p.restore();
}

void CentredLines(QPainter& p, const Rect& r, const QString& text, const QFont& font,
                  const QColor& colour, const QColor& background) {
    const int lineHeight = QFontMetrics(font).height();
    const int centre = (r.left + r.right) / 2;
    int top = r.top;
    for (const QString& line : text.split(QLatin1Char('\n'))) {
        TextAt(p, centre, top, line, font, colour, TextAlign::Centre, background);
        top += lineHeight;
    }
}
