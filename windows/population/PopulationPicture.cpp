#include "windows/population/PopulationPicture.h"

#include "core/AxisTicks.h"
#include "core/NumberText.h"
#include "core/SimulationState.h"
#include "ui/CoreText.h"
#include "ui/DrawingResources.h"
#include "ui/DrawnTexts.h"
#include "ui/Gdi.h"
#include "ui/LocalNumbers.h"

#include <QFontMetrics>
#include <QPainter>
#include <QPoint>
#include <QRect>
#include <algorithm>
#include <cmath>

namespace {

constexpr int kContinuousColumns = 51;
constexpr int kDiscreteColumns = 11;
constexpr int kDesignWidth = 300;

int Top(int column) {
    return g_popCurve[column + 1];
}

// Keeps a wild value from overflowing the int pixel arithmetic; anything this
// far out is off the picture anyway.
double Tame(double v) {
    if (!std::isfinite(v)) return 0.0;
    return std::clamp(v, -1.0e6, 1.0e6);
}

int TextWidth(const QFont& font, const QString& text) {
    return QFontMetrics(font).horizontalAdvance(text);
}

enum class Side { Auto, AlwaysLeft, AlwaysRight };

// A label made of a word and a number. On the right it starts at rightStart,
// the number right after the word; on the left (mirrored) it ends at
// leftEnd, number first.
struct MarkerLabel {
    QString word;         // "M = "
    QString mirroredWord; // " = M"
    QString number;
    int rightStart = 0;
    int leftEnd = 0;
    int top = 0;
    QColor colour;
    const QFont* font = nullptr;
    Side side = Side::Auto;
};

void Place(std::vector<LabelPiece>& out, const MarkerLabel& l, int limit) {
    const QFont& font = *l.font;
    const int numberWidth = TextWidth(font, l.number);
    const int wordWidth = TextWidth(font, l.word);
    // The word ends in its space, so the number follows it directly: no gap
    // that grows with the number, no number run into the word.
    const int numberX = l.rightStart + wordWidth;
    // A side fits when the label as it would be drawn there does: on the
    // right up to the limit, measured to the end of the number where it is
    // put; on the left from the window's edge.
    const bool fitsRight = std::max(l.rightStart + wordWidth, numberX + numberWidth) <= limit;
    const int mirroredX = l.leftEnd - TextWidth(font, l.mirroredWord);
    const bool fitsLeft = mirroredX - numberWidth >= 0;
    bool left = !fitsRight;
    if (l.side == Side::AlwaysLeft) left = fitsLeft || !fitsRight;
    if (l.side == Side::AlwaysRight) left = !fitsRight && fitsLeft;
    // Where neither side fits (a long number near an edge) the label moves
    // in from the edge it would cross: every digit stays in the window.
    if (left) {
        const int shift = std::max(0, numberWidth - mirroredX);
        out.push_back({l.mirroredWord, mirroredX + shift, l.top, l.colour, &font});
        out.push_back({l.number, mirroredX - numberWidth + shift, l.top, l.colour, &font});
    } else {
        const int end = std::max(l.rightStart + wordWidth, numberX + numberWidth);
        const int shift = std::max(std::min(0, limit - end), -l.rightStart);
        out.push_back({l.word, l.rightStart + shift, l.top, l.colour, &font});
        out.push_back({l.number, numberX + shift, l.top, l.colour, &font});
    }
}

int Row(int designRow) {
    return g_popBaseline + Px(g_scaleY, designRow);
}

int PlotSpan() {
    return g_plotRight - g_plotLeft - Px(g_scaleX, 20);
}

// Half-width of the SD bar in pixels.
int SdHalfWidth() {
    const double perUnit = g_isBinomial ? PlotSpan() : PlotSpan() / 10.0;
    return static_cast<int>(Tame(perUnit * g_popSD));
}

std::vector<LabelPiece> MeasurementMarkerLabels(int clientWidth) {
    const float sx = g_scaleX;
    const int limit = clientWidth - Px(sx, 10);
    std::vector<LabelPiece> out;
    const QColor red = PairRedColour(), black(0, 0, 0), blue(0, 0, 255);

    const int xMedian = XOfValue(g_popMedian);
    MarkerLabel median;
    median.word = QStringLiteral("M = ");
    median.mirroredWord = QStringLiteral(" = M");
    median.number = ShownText(ShownValue(g_popMedian), 1);
    median.rightStart = median.leftEnd = xMedian;
    median.top = Row(42);
    median.colour = red;
    median.font = &g_fontArial7_5;
    Place(out, median, limit);

    // The quartiles keep to their sides (Q1 left, Q3 right) unless the label
    // would leave the window there.
    MarkerLabel q1;
    q1.word = QStringLiteral("Q1 = ");
    q1.mirroredWord = QStringLiteral(" = Q1");
    q1.number = ShownText(ShownValue(g_popQ1), 2);
    q1.rightStart = q1.leftEnd = XOfValue(g_popQ1);
    q1.top = Row(56);
    q1.colour = black;
    q1.font = &g_fontArial7_5;
    q1.side = Side::AlwaysLeft;
    Place(out, q1, limit);

    MarkerLabel q3;
    q3.word = QStringLiteral("Q3 = ");
    q3.mirroredWord = QStringLiteral(" = Q3");
    q3.number = ShownText(ShownValue(g_popQ3), 2);
    q3.rightStart = q3.leftEnd = XOfValue(g_popQ3);
    q3.top = Row(56);
    q3.colour = black;
    q3.font = &g_fontArial7_5;
    q3.side = Side::AlwaysRight;
    Place(out, q3, limit);
    // Quartiles close together (both 0 in an empty population) would run
    // into one text: Q3's label moves right, or Q1's left, to keep a gap.
    const std::size_t q1At = out.size() - 4, q3At = out.size() - 2;
    auto extent = [&](std::size_t at, bool right) {
        const LabelPiece& a = out[at];
        const LabelPiece& b = out[at + 1];
        return right ? std::max(a.x + TextWidth(*a.font, a.text), b.x + TextWidth(*b.font, b.text))
                     : std::min(a.x, b.x);
    };
    const int overlap = extent(q1At, true) + Px(sx, 6) - extent(q3At, false);
    if (overlap > 0) {
        const bool q3Moves = extent(q3At, true) + overlap <= limit;
        for (std::size_t at = q3Moves ? q3At : q1At, end = at + 2; at < end; ++at)
            out[at].x += q3Moves ? overlap : -overlap;
    }

    const int xMean = XOfValue(g_popMean);
    MarkerLabel mean;
    mean.word = QStringLiteral("\u03bc = ");
    mean.mirroredWord = QStringLiteral(" = \u03bc");
    mean.number = ShownText(ShownValue(g_popMean), 2);
    mean.rightStart = mean.leftEnd = xMean;
    mean.top = Row(14);
    mean.colour = blue;
    mean.font = &g_fontSymbol8;
    Place(out, mean, limit);

    const int half = SdHalfWidth();
    MarkerLabel sd;
    sd.word = QStringLiteral("\u03c3 = ");
    sd.mirroredWord = QStringLiteral(" = \u03c3");
    sd.number = ShownText(static_cast<double>(g_popSD) * g_dispScale, 3);
    sd.rightStart = xMean + half + Px(sx, 3);
    sd.leftEnd = xMean - half - Px(sx, 3);
    sd.top = Row(27);
    sd.colour = black;
    sd.font = &g_fontSymbol8;
    Place(out, sd, limit);
    return out;
}

std::vector<LabelPiece> BinomialMarkerLabels(int clientWidth) {
    const float sx = g_scaleX;
    const int limit = clientWidth - Px(sx, 10);
    std::vector<LabelPiece> out;
    const int xp = XOfProportion(g_popMean);

    MarkerLabel p;
    p.word = QStringLiteral("p = ");
    p.mirroredWord = QStringLiteral(" = p");
    p.number = NumberText("%.3f", g_popMean);
    p.rightStart = p.leftEnd = xp;
    p.top = Row(18);
    p.colour = QColor(0, 0, 255);
    p.font = &g_fontArial7_5;
    Place(out, p, limit);

    const int half = SdHalfWidth();
    MarkerLabel sd;
    sd.word = QStringLiteral("\u03c3 = ");
    sd.mirroredWord = QStringLiteral(" = \u03c3");
    sd.number = ShownText(static_cast<double>(g_popSD) * g_dispScale, 3);
    sd.rightStart = xp + half + Px(sx, 3);
    sd.leftEnd = xp - half - Px(sx, 3);
    sd.top = Row(33);
    sd.colour = QColor(0, 0, 0);
    sd.font = &g_fontSymbol8;
    Place(out, sd, limit);
    return out;
}

std::vector<LabelPiece> CentredLabels(const QStringList& texts, int firstX, int step) {
    std::vector<LabelPiece> out;
    const int top = g_popBaseline + Px(g_scaleY, 2);
    for (int k = 0; k < texts.size(); ++k) {
        const int x = firstX + k * step;
        out.push_back({texts[k], x - TextWidth(g_fontArial7_5, texts[k]) / 2, top, QColor(0, 0, 0),
                       &g_fontArial7_5});
    }
    return out;
}

// The SD bar with its three ticks: bar on barRow, ticks from tickRow down to it.
void DrawSdBar(QPainter& p, int xCentre, int half, int tickRow, int barRow) {
    const int xl = xCentre - half, xr = xCentre + half;
    GdiLine(p, xl, barRow, xr, barRow, g_penBlack1);
    for (int x : {xl, xCentre, xr})
        GdiLine(p, x, tickRow, x, barRow, g_penBlack1);
}

void DrawMarkerLine(QPainter& p, int x, const QPen& pen) {
    GdiLine(p, x, g_popBaseline, x, Px(g_scaleY, 10), pen);
}

} // namespace

int XOfValue(double v) {
    const float sx = g_scaleX;
    return g_plotLeft + Px(sx, 10) + static_cast<int>(PlotSpan() * Tame(v) / 10.0);
}

int XOfProportion(double p) {
    const float sx = g_scaleX;
    return g_plotLeft + Px(sx, 10) + static_cast<int>(PlotSpan() * Tame(p));
}

QString ShownText(double value, int decimals) {
    return LocalNumbers(FormatFitted(value, decimals, kShownValueChars));
}

QString NumberText(const char* format, double value) {
    return LocalNumbers(FormatNumber(format, value));
}

std::vector<LabelPiece> MeasurementAxisLabels() {
    // Round shown values wherever they fall on the 0..10 axis; with the
    // shape's own transform that is the whole numbers 0 to 10.
    const float sx = g_scaleX;
    AxisLabelRoom room;
    room.xOf = [](double v) { return XOfValue(v); };
    room.widthOf = [](const std::string& text) {
        return TextWidth(g_fontArial7_5, QString::fromStdString(text));
    };
    room.minX = 0;
    room.maxX = Px(sx, kDesignWidth);
    room.gap = Px(sx, 3);
    std::vector<LabelPiece> out;
    const int top = g_popBaseline + Px(g_scaleY, 2);
    for (const AxisTick& tick : ShownAxisTicks(0.0, 10.0, room)) {
        const QString text = LocalNumbers(tick.text);
        const int x = static_cast<int>(tick.x) - TextWidth(g_fontArial7_5, text) / 2;
        out.push_back({text, x, top, QColor(0, 0, 0), &g_fontArial7_5});
    }
    return out;
}

std::vector<LabelPiece> BinomialAxisLabels() {
    const QStringList texts = {QStringLiteral("0"),  QStringLiteral(".1"), QStringLiteral(".2"),
                               QStringLiteral(".3"), QStringLiteral(".4"), QStringLiteral(".5"),
                               QStringLiteral(".6"), QStringLiteral(".7"), QStringLiteral(".8"),
                               QStringLiteral(".9"), QStringLiteral("1.0")};
    QStringList shown;
    for (const QString& text : texts)
        shown.push_back(LocalNumbers(text));
    return CentredLabels(shown, g_plotLeft + Px(g_scaleX, 10), Px(g_scaleX, 20));
}

std::vector<LabelPiece> MarkerLabels(int clientWidth) {
    return g_isBinomial ? BinomialMarkerLabels(clientWidth) : MeasurementMarkerLabels(clientWidth);
}

bool PictureLabelsFit(int clientWidth) {
    // A number too large for its format shows as no text at all: that does not fit either.
    auto inside = [clientWidth](const LabelPiece& l) {
        return !l.text.isEmpty() && l.x >= 0 && l.x + TextWidth(*l.font, l.text) <= clientWidth;
    };
    const std::vector<LabelPiece> axis =
        g_isBinomial ? BinomialAxisLabels() : MeasurementAxisLabels();
    for (std::size_t k = 0; k < axis.size(); ++k) {
        if (!inside(axis[k])) return false;
        // Neighbouring axis labels keep a clear gap, or they read as one number.
        if (k > 0 && axis[k - 1].x + TextWidth(*axis[k - 1].font, axis[k - 1].text) + 2 > axis[k].x)
            return false;
    }
    for (const LabelPiece& l : MarkerLabels(clientWidth))
        if (!inside(l)) return false;
    return true;
}

void DrawLabels(QPainter& p, const std::vector<LabelPiece>& labels) {
    p.setBackgroundMode(Qt::OpaqueMode);
    p.setBackground(g_brushWhite);
    const QFont* current = nullptr;
    int ascent = 0;
    for (const LabelPiece& l : labels) {
        if (l.font != current) {
            current = l.font;
            p.setFont(*current);
            ascent = QFontMetrics(*current).ascent();
        }
        p.setPen(l.colour);
        p.drawText(l.x, l.top + ascent, l.text);
        NoteDrawnText(p,
                      QRect(l.x, l.top, TextWidth(*l.font, l.text), QFontMetrics(*l.font).height()),
                      l.text);
    }
    p.setBackgroundMode(Qt::TransparentMode);
}

void DrawMeasurementBackground(QPainter& p, const Rect& band, const Rect& plot) {
    GdiFillRect(p, band, g_brushWhite);
    GdiLine(p, g_plotLeft, plot.top, g_plotLeft, g_popBaseline, g_penBlack1);
    GdiLine(p, g_plotLeft, g_popBaseline, g_plotRight, g_popBaseline, g_penBlack1);
    DrawLabels(p, MeasurementAxisLabels());
}

void DrawContinuousOutline(QPainter& p) {
    const float sx = g_scaleX;
    const int x0 = g_plotLeft + Px(sx, 6);
    QPoint outline[kContinuousColumns + 2];
    outline[0] = QPoint(x0, g_popBaseline - 1);
    outline[1] = QPoint(x0, Top(0));
    for (int c = 1; c < kContinuousColumns; ++c)
        outline[c + 1] = QPoint(x0 + Px(sx, 4.0 * (c + 1)), Top(c));
    outline[kContinuousColumns + 1] = QPoint(x0 + Px(sx, 204), g_popBaseline - 1);

    p.setPen(Qt::NoPen);
    p.setBrush(g_brushGrey210);
    p.drawPolygon(outline, kContinuousColumns + 2);
    p.setBrush(Qt::NoBrush);
    // The top edge again, in black, over the fill, its very last pixel left
    // out as the geometry expects.
    GdiPolyline(p, outline + 1, kContinuousColumns, g_penBlack1);
}

void DrawDiscreteBars(QPainter& p) {
    const float sx = g_scaleX;
    for (int c = 0; c < kDiscreteColumns; ++c) {
        const int left = g_plotLeft + 1 + c * Px(sx, 20);
        GdiFillRect(p, left, Top(c), left + Px(sx, 17), g_popBaseline, g_brushGrey150);
    }
}

void DrawMarkers(QPainter& p, int clientWidth) {
    const int half = SdHalfWidth();
    if (g_isBinomial) {
        const int xp = XOfProportion(g_popMean);
        DrawMarkerLine(p, xp, g_penBlue1);
        DrawSdBar(p, xp, half, Row(38), Row(43));
    } else {
        DrawMarkerLine(p, XOfValue(g_popMedian), PairRedPen(2));
        DrawMarkerLine(p, XOfValue(g_popQ1), PairGreenPen(2));
        DrawMarkerLine(p, XOfValue(g_popQ3), PairGreenPen(2));
        const int xMean = XOfValue(g_popMean);
        DrawMarkerLine(p, xMean, g_penBlue2);
        DrawSdBar(p, xMean, half, Row(33), Row(38));
    }
    DrawLabels(p, MarkerLabels(clientWidth));
}

void DrawNameBox(QPainter& p, const Rect& box, const QString& name) {
    GdiFillRect(p, box.left + 1, box.top + 1, box.right - 1, box.bottom - 1, g_brushWhite);
    // A frame with its corner pixels left out: the 2 x 2 rounding.
    GdiFillRect(p, box.left + 1, box.top, box.right - 1, box.top + 1, g_brushBlack);
    GdiFillRect(p, box.left + 1, box.bottom - 1, box.right - 1, box.bottom, g_brushBlack);
    GdiFillRect(p, box.left, box.top + 1, box.left + 1, box.bottom - 1, g_brushBlack);
    GdiFillRect(p, box.right - 1, box.top + 1, box.right, box.bottom - 1, g_brushBlack);
    const QFont& font = g_fontArialBold9_5;
    // The name is the core's English word for the shape, shown translated.
    const QString shown = CoreText(name.toUtf8().constData());
    const int x = box.left + (box.Width() - TextWidth(font, shown)) / 2;
    DrawLabels(p, {{shown, x, box.top + 2, QColor(0, 0, 0), &font}});
}

namespace {

struct ButtonSketch {
    int id;
    int y0;
    int line[25];
    int bars[11];
};

// Heights in design units down from the top of the button.
const ButtonSketch kSketches[] = {
    {1003,
     41,
     {36, 24, 12, 10, 9,  11, 15, 22, 28, 33, 36, 39, 40,
      41, 41, 40, 38, 32, 28, 26, 27, 29, 37, 40, 43},
     {40, 14, 9, 19, 31, 40, 37, 34, 25, 33, 43}},
    {1002,
     43,
     {38, 19, 18, 21, 28, 28, 29, 32, 37, 41, 42, 43, 43,
      42, 41, 28, 22, 22, 30, 32, 28, 12, 13, 36, 41},
     {42, 17, 28, 29, 41, 43, 41, 21, 32, 11, 41}},
    {1004,
     46,
     {39, 11, 10, 17, 34, 38, 40, 39, 27, 24, 26, 32, 37,
      38, 38, 37, 31, 31, 39, 40, 36, 18, 18, 36, 40},
     {45, 9, 34, 40, 24, 36, 38, 30, 40, 21, 40}},
    {1005,
     31,
     {32, 42, 41, 22, 18, 21, 28, 36, 39, 42, 43, 44, 44,
      44, 43, 39, 38, 38, 44, 45, 39, 14, 13, 37, 41},
     {30, 43, 18, 34, 42, 44, 43, 37, 45, 12, 41}},
};

} // namespace

void DrawPictureButtonFace(QPainter& p, const QRect& client, int buttonId, bool discrete) {
    const Rect r = ToRect(client);
    const float sx = g_scaleX, sy = g_scaleY;
    GdiFillRect(p, r, g_brushWhite);
    // Shadow: black outside, grey 150 one pixel in, along the bottom and right.
    GdiFillRect(p, r.left, r.bottom - 1, r.right, r.bottom, g_brushBlack);
    GdiFillRect(p, r.right - 1, r.top, r.right, r.bottom, g_brushBlack);
    GdiFillRect(p, r.left + 1, r.bottom - 2, r.right - 1, r.bottom - 1, g_brushGrey150);
    GdiFillRect(p, r.right - 2, r.top + 1, r.right - 1, r.bottom - 1, g_brushGrey150);
    GdiFillRect(p, r.left + 2, r.top + 2, r.right - 2, r.bottom - 2, g_brushGrey210);

    const ButtonSketch* sketch = nullptr;
    for (const ButtonSketch& s : kSketches)
        if (s.id == buttonId) sketch = &s;
    if (!sketch) return;

    const int innerWidth = r.Width() - 4;
    if (discrete) {
        int left = Px(sx, 4);
        const int bottom = Px(sy, 47);
        for (int k = 0; k < 11; ++k) {
            const int right = static_cast<int>(left + 0.09090909 * innerWidth);
            GdiFillRect(p, left, Px(sy, sketch->bars[k]) + Px(sy, 1), right, bottom,
                        PairRedBrush());
            left = right;
        }
        return;
    }
    const int x0 = Px(sx, 2);
    QPoint line[26];
    line[0] = QPoint(buttonId == 1005 ? x0 : x0 + 1, Px(sy, sketch->y0));
    for (int k = 1; k <= 25; ++k)
        line[k] =
            QPoint(x0 + static_cast<int>(0.04 * k * innerWidth), Px(sy, sketch->line[k - 1]) + 1);
    GdiPolyline(p, line, 26, PairRedPen(1));
}
