// The Samples window's drawing and the operations the engine and the shell
// call: the whole redraw, the two pictures with the falling block, the
// limits with their sentence, the control strip and the view-toggle face.
// The window's own file builds the controls and handles the student's input.
#include "windows/samples/SamplesDlg.h"

#include "core/Random.h"
#include "core/SeriesControl.h"
#include "core/SimulationState.h"
#include "ui/DrawingResources.h"
#include "ui/FieldText.h"
#include "ui/Gdi.h"
#include "ui/LocalNumbers.h"
#include "ui/RepaintNow.h"
#include "windows/samples/SamplePicture.h"
#include "windows/samples/SamplesModel.h"

#include <QCoreApplication>
#include <QPaintEvent>
#include <QPainter>
#include <QPushButton>
#include <algorithm>

namespace {
const QColor kLimitPurple(160, 2, 190);
} // namespace

void CSamplesDlg::RedrawSamplesWindow() {
    const int w = width();
    {
        QPainter p(&g_samplesMemDC);
        // The client area grey; the graph area is filled white by either picture.
        const Rect graph = SamplesGraphArea(w);
        GdiFillRect(p, graph.right, 0, w, graph.bottom, g_brushGrey190);
        GdiFillRect(p, 0, graph.bottom, w, height(), g_brushGrey190);
        if (g_samplesHistogramView) {
            // With no sample in the series the graph stays blank.
            PaintSampleHistogram(p, g_samplesDrawn >= 1 ? g_currentSampleNo : 0, true, w);
            if (IsSelectedSample(g_currentSampleNo)) {
                const Rect frame = HistogramSelectionFrame(w);
                GdiFrameRect(p, frame.left, frame.top, frame.right, frame.bottom, g_penBlack1);
                g_samplesSelectionFrame = frame;
            }
        } else {
            DrawSampleGrid(p, w);
        }
        DrawStrip(p);
    }
    m_seriesButton->setText(g_addMoreMode ? QCoreApplication::translate("Samples", "ADD\nMORE")
                                          : QCoreApplication::translate("Samples", "NEW\nSERIES"));
    if (LimitsShown()) DrawLimits();
    PlaceFocusSpots();

    if (g_samplesStripOnly) {
        g_samplesStripOnly = 0;
        RepaintNow(this, QRect(0, SamplesStripTop(), w, height() - SamplesStripTop()));
    } else {
        RepaintNow(this);
    }
}

void CSamplesDlg::DrawStrip(QPainter& p) {
    CentredLines(p, Rect{SmX(4), SmY(345), SmX(34), SmY(360)},
                 QCoreApplication::translate("Samples", "view"), g_fontArial7_5, Qt::black,
                 kStripGrey);
    CentredLines(p, Rect{SmX(102), SmY(350), SmX(160), SmY(376)},
                 QCoreApplication::translate("Samples", "Sample\nSize"), g_fontArial6, Qt::black,
                 kStripGrey);
    CentredLines(p, Rect{SmX(160), SmY(350), SmX(220), SmY(376)},
                 QCoreApplication::translate("Samples", "Number of\nSamples"), g_fontArial6,
                 Qt::black, kStripGrey);
}

void CSamplesDlg::DrawSampleHistogram(int sampleNo, int animate, int column) {
    HistogramLayout layout;
    {
        QPainter p(&g_samplesMemDC);
        layout = PaintSampleHistogram(p, sampleNo, animate == 0, width());
    }
    // The finished picture reaches the screen in one copy.
    RepaintNow(this, ToQRect(SamplesGraphArea(width())));
    if (animate) LetBlockFall(layout, sampleNo, column);
}

void CSamplesDlg::LetBlockFall(const HistogramLayout& layout, int sampleNo, int column) {
    if (sampleNo < 1 || sampleNo > kMaxSamples || column < 1 || column > layout.bars) return;
    const int count = g_sampleStore[sampleNo].columnCounts[column];
    // From the top of the free space down onto its bar, one count at a time;
    // each step shows only the two blocks that changed.
    Rect previous;
    for (int i = FallSteps(layout, count); i >= 1; --i) {
        const Rect block = BlockRect(layout, column, count + i);
        {
            QPainter p(&g_samplesMemDC);
            PaintFallingBlock(p, previous, block);
        }
        RepaintNow(this, ToQRect(previous).united(ToQRect(block)));
        WaitMilliseconds(FallPauseForSpeed(g_speed));
        previous = block;
    }
}

void CSamplesDlg::DrawLimits() {
    QPainter p(&g_samplesMemDC);
    const QFont& font = g_fontArial7_5;

    // Each limit's text stands outside its marker, moved in from the edge of
    // the window (or of the graph, beside the scroll bar) when a long number
    // would cross it.
    const Rect& lower = g_lowerLimitRect;
    const QString lowerText = LocalNumbers(LowerLimitText());
    const int lowerWidth = TextWidth(font, lowerText);
    const int lowerX = std::max(1, lower.left - SmX(1) - lowerWidth);
    GdiFillRect(p, lowerX, lower.bottom - SmY(6), lower.right, lower.bottom, g_brushWhite);
    GdiLine(p, lower.right - 2, lower.top, lower.right - 2, lower.bottom - 2, g_penPurple2);
    GdiLine(p, lower.right - 2, lower.bottom - 2, lower.left, lower.bottom - 2, g_penPurple2);
    TextAt(p, lowerX, lower.bottom - SmY(10), lowerText, font, kLimitPurple, TextAlign::Left,
           kGraphWhite);

    const Rect& upper = g_upperLimitRect;
    const QString upperText = LocalNumbers(UpperLimitText());
    const int upperWidth = TextWidth(font, upperText);
    const int upperX =
        std::min(upper.right + SmX(4), SamplesGraphArea(width()).right - 1 - upperWidth);
    GdiFillRect(p, upper.left, upper.bottom - SmY(6), std::max(upper.right, upperX + upperWidth),
                upper.bottom, g_brushWhite);
    GdiLine(p, upper.left + 2, upper.top, upper.left + 2, upper.bottom - 2, g_penPurple2);
    GdiLine(p, upper.left + 2, upper.bottom - 2, upper.right, upper.bottom - 2, g_penPurple2);
    TextAt(p, upperX, upper.bottom - SmY(10), upperText, font, kLimitPurple, TextAlign::Left,
           kGraphWhite);

    const QString percent = ToQt(ShareBetweenLimitsText(FieldSampleSize()));
    if (percent.isEmpty()) return; // no values, no share
    // The sentence's first line starts with the percentage so that its words
    // stand straight above the second line's; a line too wide for the graph
    // is moved in from its right edge.
    const QString first =
        QCoreApplication::translate("Samples", "%1% of observed values fall").arg(percent);
    const QString second = QCoreApplication::translate("Samples", "between the two limits");
    const int right = SamplesGraphArea(width()).right - SmX(2);
    const int indent = SmX(85);
    const int shift =
        TextWidth(g_fontArial9_5, QCoreApplication::translate("Samples", "%1% ").arg(percent));
    TextAt(p, std::min(indent - shift, right - TextWidth(g_fontArial9_5, first)), SmY(285), first,
           g_fontArial9_5, Qt::black, TextAlign::Left, kGraphWhite);
    TextAt(p, std::min(indent, right - TextWidth(g_fontArial9_5, second)), SmY(304), second,
           g_fontArial9_5, Qt::black, TextAlign::Left, kGraphWhite);
}

void CSamplesDlg::DrawViewToggleFace(QPainter& p, const QRect& client) const {
    const Rect r = ToRect(client);
    GdiFillRect(p, r, g_brushWhite);
    GdiFrameRect(p, r.left, r.top, r.right, r.bottom, g_penBlack1);
    const Rect in{r.left + SmX(3), r.top + SmY(8), r.right - SmX(3), r.bottom - SmY(7)};
    GdiFrameRect(p, in.left, in.top, in.right, in.bottom, g_penBlack1);
    if (g_samplesHistogramView) {
        // A small bar chart: one sample.
        const int heights[] = {12, 6, 18, 15, 10, 4, 6, 9, 7};
        for (int i = 0; i < 9; ++i) {
            const int x = in.left + SmX(5 + 2 * i);
            GdiLine(p, x, in.bottom - SmY(3), x, in.bottom - SmY(heights[i]), PairGreenPen(2));
        }
        return;
    }
    // Six tiny histograms, two to a row, as the grid shows its samples.
    const int heights[6][4] = {{2, 4, 5, 2}, {3, 5, 3, 1}, {1, 3, 5, 4},
                               {4, 5, 2, 1}, {2, 5, 4, 3}, {3, 4, 5, 2}};
    for (int cell = 0; cell < 6; ++cell) {
        const int left = in.left + SmX(2 + 10 * (cell % 2));
        const int base = in.top + SmY(7 + 7 * (cell / 2));
        for (int k = 0; k < 4; ++k) {
            const int x = left + SmX(2 * k);
            GdiLine(p, x, base, x, base - SmY(heights[cell][k]), PairGreenPen(1));
        }
    }
}

void CSamplesDlg::paintEvent(QPaintEvent* event) {
    QPainter p(this);
    GdiCopy(p, event->region(), g_samplesMemDC);
}
