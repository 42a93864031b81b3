// The Confidence Intervals window's drawing and the operations the engine and
// the shell call. The window's own file builds the controls and handles what
// the student does; it calls in here, never the other way.
#include "windows/confint/ConfIntervalDlg.h"

#include "core/NumberText.h"
#include "core/SeriesControl.h"
#include "core/SimulationState.h"
#include "core/Statistic.h"
#include "resources/Resource.h"
#include "ui/DialogTemplate.h"
#include "ui/DrawingResources.h"
#include "ui/FieldText.h"
#include "ui/Gdi.h"
#include "ui/LocalNumbers.h"
#include "ui/RepaintNow.h"
#include "windows/confint/IntervalGeometry.h"
#include "windows/confint/IntervalSeries.h"
#include "windows/confint/IntervalStrip.h"
#include "windows/confint/StripGeometry.h"

#include <QApplication>
#include <QCoreApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPaintEvent>
#include <QPainter>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QStyle>
#include <QStyleOptionTitleBar>

namespace {
const QColor kPanelGrey(190, 190, 190);

// A label of the left panel centred over the design columns left..right.
// text: marked with QT_TRANSLATE_NOOP, translated as it is drawn.
void PanelLabel(QPainter& p, double left, double right, double top, const char* text) {
    const QString lines = QCoreApplication::translate("ConfidenceIntervals", text);
    int y = CiY(top);
    const int lineHeight = QFontMetrics(g_fontArialBold7_5).height();
    for (const QString& line : lines.split(QLatin1Char('\n'))) {
        CiTextCentred(p, (CiX(left) + CiX(right)) / 2, y, line, g_fontArialBold7_5, kPanelGrey);
        y += lineHeight;
    }
}
} // namespace

// --- The full redraw --------------------------------------------------------------------

void CConfIntervalDlg::RedrawConfIntervalWindow() {
    m_endButton->setVisible(g_ciOneSided != 0);
    if (g_isBinomial) g_ciUseZ = 1;
    ComputeCriticalValue();
    // Without a series the counts read 0 however the series ended, and no
    // total of a discarded series stays; during a run they stay empty until
    // its end.
    if (g_samplesDrawn == 0 && !g_runInProgress) {
        m_totalDrawn.clear();
        UpdateCoverageCounts();
    }
    UpdateCaptions();
    UpdateTitle();
    // Between runs the bar spans the series and stands at the page shown.
    if (!g_runInProgress) SetScrollBar(g_samplesDrawn);
    ShowScrollBar();
    {
        QPainter p(&g_ciMemDC);
        GdiFillRect(p, 0, 0, width(), height(), g_brushGrey190);
        GdiFillRect(p, g_ciGraphRect, g_brushWhite);
        GdiFillRect(p, g_ciStripRect, g_brushWhite);
        DrawPanel(p);
        GdiFrameRect(p, g_ciGraphRect.left, g_ciGraphRect.top, g_ciGraphRect.right,
                     g_ciGraphRect.bottom, g_penBlack1);
    }
    DrawGraphAndStrip();
    // The scroll bar covers its part of the window whole and repaints itself,
    // in this same flush, whenever its range or thumb has moved: painting it
    // again here would cost more than all the rest of the copy (Qt draws its
    // gradients through a thread pool at a large scale).
    QRegion whole(rect());
    if (m_scroll->isVisible()) whole -= m_scroll->geometry();
    RepaintNow(this, whole);
}

void CConfIntervalDlg::RedrawPage() {
    // Another page of the series changes the graph and the strip under it,
    // nothing of the panel: only they are drawn again and repainted.
    if (!g_runInProgress) SetScrollBar(g_samplesDrawn);
    ShowScrollBar();
    {
        QPainter p(&g_ciMemDC);
        GdiFillRect(p, g_ciGraphRect, g_brushWhite);
        GdiFillRect(p, g_ciStripRect, g_brushWhite);
        GdiFrameRect(p, g_ciGraphRect.left, g_ciGraphRect.top, g_ciGraphRect.right,
                     g_ciGraphRect.bottom, g_penBlack1);
    }
    DrawGraphAndStrip();
    RepaintNow(this, ToQRect(g_ciGraphRect));
    RepaintNow(this, ToQRect(g_ciStripRect));
}

void CConfIntervalDlg::DrawGraphAndStrip() {
    DrawIntervalGraph();
    m_region = QRegion();
    if (g_possibleMu) {
        QPainter p(&g_ciMemDC);
        const int n = FieldSampleSize();
        m_region = DrawPossibleMu(p, n);
        // Its bounds run down through the selected interval's texts: the
        // texts go over them, on their white backing.
        if (g_sampleSelected) DrawSelectedIntervalTexts(p, n);
    }
    PlaceFocusSpots();
}

void CConfIntervalDlg::UpdateCaptions() {
    auto caption = [](QAbstractButton* button, const QString& wanted) {
        if (button->text() != wanted) button->setText(wanted);
    };
    caption(m_seriesButton, g_addMoreMode
                                ? QCoreApplication::translate("ConfidenceIntervals", "ADD MORE")
                                : QCoreApplication::translate("ConfidenceIntervals", "NEW SERIES"));
    caption(m_zOrTButton, g_ciUseZ
                              ? QCoreApplication::translate("ConfidenceIntervals", "z-value =")
                              : QCoreApplication::translate("ConfidenceIntervals", "t-value ="));
    caption(m_endButton, g_ciLowEnd
                             ? QCoreApplication::translate("ConfidenceIntervals", "Low End")
                             : QCoreApplication::translate("ConfidenceIntervals", "High End"));
    caption(m_sidesButton, g_ciOneSided
                               ? QCoreApplication::translate("ConfidenceIntervals", "One Sided")
                               : QCoreApplication::translate("ConfidenceIntervals", "Two Sided"));
    m_sortOn->setText(QCoreApplication::translate("ConfidenceIntervals", "ON"));
    m_sortOff->setText(QCoreApplication::translate("ConfidenceIntervals", "OFF"));
    m_sigmaButton->update();
    m_sortOn->setChecked(g_sortByMeans != 0);
    m_sortOff->setChecked(g_sortByMeans == 0);
}

namespace {
// Whether a title shows whole in the title row of `titled` (the frame when
// hosted), measured in the bold face a title bar may use, with a little room.
bool TitleFits(const QWidget* titled, const QString& title) {
    QStyleOptionTitleBar option;
    option.initFrom(titled);
    option.text = title;
    option.titleBarFlags = titled->windowFlags();
    option.subControls = QStyle::SC_All;
    QStyle* style = titled->style();
    option.rect = QRect(0, 0, titled->width(),
                        style->pixelMetric(QStyle::PM_TitleBarHeight, &option, titled));
    const QRect label =
        style->subControlRect(QStyle::CC_TitleBar, &option, QStyle::SC_TitleBarLabel, titled);
    QFont font = QApplication::font("QMdiSubWindowTitleBar");
    font.setBold(true);
    return QFontMetrics(font).horizontalAdvance(title) + 8 <= label.width();
}
} // namespace

void CConfIntervalDlg::UpdateTitle() {
    QWidget* titled = Frame() ? static_cast<QWidget*>(Frame()) : this;
    QString title = QCoreApplication::translate("ConfidenceIntervals", "Confidence Intervals");
    const Statistic shown = g_isBinomial ? Statistic::Mean : g_statistic;
    if (shown != Statistic::Mean) {
        QString what;
        switch (shown) {
        case Statistic::Median:
            what = tr("medians");
            break;
        case Statistic::StandardDeviation:
            what = tr("standard deviations");
            break;
        case Statistic::Variance:
            what = tr("variances");
            break;
        case Statistic::VarianceN:
            what = tr("variances with divisor n");
            break;
        default:
            what = tr("ranges");
        }
        // The longest that fits: the intervals' window is narrow at a small scale.
        const QString candidates[] = {
            tr("Confidence Intervals for \u03bc (the Dorvane window shows %1)").arg(what),
            tr("Confidence Intervals for \u03bc (Dorvane: %1)").arg(what),
            tr("Confidence Intervals for \u03bc")};
        title = candidates[2];
        for (const QString& candidate : candidates) {
            if (TitleFits(titled, candidate)) {
                title = candidate;
                break;
            }
        }
    }
    if (titled->windowTitle() != title) titled->setWindowTitle(title);
}

void CConfIntervalDlg::DrawPanel(QPainter& p) {
    PanelLabel(p, 0, 66, 4, QT_TRANSLATE_NOOP("ConfidenceIntervals", "Sample\nSize"));
    PanelLabel(p, 76, 156, 4, QT_TRANSLATE_NOOP("ConfidenceIntervals", "Number of\nSamples"));
    CiText(p, CiX(42), CiY(104),
           QCoreApplication::translate("ConfidenceIntervals", "% Confidence Level"),
           g_fontArialBold7_5, kPanelGrey);
    PanelLabel(p, 84, 170, 222, QT_TRANSLATE_NOOP("ConfidenceIntervals", "Total Samples\nDrawn"));
    PanelLabel(p, 0, 180, 284, QT_TRANSLATE_NOOP("ConfidenceIntervals", "Population Mean is:"));
    PanelLabel(p, 50, 108, 302, QT_TRANSLATE_NOOP("ConfidenceIntervals", "In the\nInterval"));
    PanelLabel(p, 112, 176, 302, QT_TRANSLATE_NOOP("ConfidenceIntervals", "Not In the\nInterval"));
    CiText(p, CiX(4), CiY(340), QCoreApplication::translate("ConfidenceIntervals", "Number"),
           g_fontArialBold7_5, kPanelGrey);
    CiText(p, CiX(4), CiY(372), QCoreApplication::translate("ConfidenceIntervals", "Percent"),
           g_fontArialBold7_5, kPanelGrey);
    PanelLabel(p, 0, 96, 405,
               QT_TRANSLATE_NOOP("ConfidenceIntervals", "Sort By\nSample\nAverages"));
    for (int y : {90, 210, 280, 396, 454})
        GdiLine(p, 0, CiY(y), g_ciGraphRect.left, CiY(y), g_penBlack1);
}

// --- The graph --------------------------------------------------------------------------

void CConfIntervalDlg::DrawIntervalGraph() {
    QPainter p(&g_ciMemDC);
    const Rect& graph = g_ciGraphRect;
    GdiLine(p, graph.left + 1, CiY(433), graph.right - 1, CiY(433), g_penBlack2);
    const int trueX = GraphX(TrueValue());
    GdiLine(p, trueX, CiY(432), trueX, CiY(5), g_penBlue1);

    const int n = FieldSampleSize();
    for (int row = g_ciFirstSample; row <= LastRowOnPage(); ++row)
        DrawIntervalRow(p, n, row);

    for (const AxisTick& tick : GraphAxisTicks(CiLabelWidth))
        CiTextCentred(p, static_cast<int>(tick.x), CiY(435), LocalNumbers(tick.text),
                      g_fontArial7_5);

    if (g_sampleSelected) DrawSelectedInterval(p, n);
}

void CConfIntervalDlg::DrawInterval(int n, int row) {
    if (!g_confIntervalWndVisible) return;
    QPainter p(&g_ciMemDC);
    DrawIntervalRow(p, n, row);
}

void CConfIntervalDlg::DrawIntervalRow(QPainter& p, int n, int row) {
    if (!g_confIntervalWndVisible) return;
    const Interval interval = IntervalOf(n, row);
    const RowLine line = LineOfRow(interval, row);
    // The selected row stands out only while a sample is selected.
    const bool selected = g_sampleSelected && row == g_selectedSampleNo;
    if (line.drawLine) {
        const QPen& pen =
            interval.contains ? (selected ? g_penBlack2 : g_penBlack1) : MissPen(selected ? 2 : 1);
        GdiLine(p, line.xLow, line.y, line.xHigh, line.y, pen);
    }
    GdiLine(p, line.xCentre - 1, line.y, line.xCentre + 1, line.y,
            selected ? g_penYellow1 : g_penYellow1Alt);
}

void CConfIntervalDlg::ClearGraph() {
    QPainter p(&g_ciMemDC);
    const Rect& graph = g_ciGraphRect;
    GdiFillRect(p, graph, g_brushWhite);
    // The frame belongs to the graph's picture through the run as well.
    GdiFrameRect(p, graph.left, graph.top, graph.right, graph.bottom, g_penBlack1);
}

void CConfIntervalDlg::RepaintGraph() {
    ShowScrollBar();
    RepaintNow(this, ToQRect(g_ciGraphRect));
}

// --- Fields the engine writes -----------------------------------------------------------------

void CConfIntervalDlg::ShowResults() {
    const QString* texts[] = {&m_criticalValue, &m_totalDrawn, &m_numIn,
                              &m_numOut,        &m_pctIn,      &m_pctOut};
    for (std::size_t i = 0; i < std::size(kResultIds); ++i)
        ShowReadout(m_dialog->Get<QLabel>(kResultIds[i]), *texts[i]);
}

void CConfIntervalDlg::ComputeCriticalValue() {
    // The level in force, not the field's text, which may be half typed.
    m_criticalValue = LocalNumbers(::ComputeCriticalValue(FieldSampleSize(), g_ciConfLevel));
    ShowResults();
}

void CConfIntervalDlg::UpdateCoverageCounts() {
    const CoverageTexts texts = ::UpdateCoverageCounts(FieldSampleSize());
    m_numIn = LocalNumbers(texts.numIn);
    m_numOut = LocalNumbers(texts.numOut);
    m_pctIn = LocalNumbers(texts.pctIn);
    m_pctOut = LocalNumbers(texts.pctOut);
    ShowResults();
}

void CConfIntervalDlg::ClearResultFields() {
    m_numIn.clear();
    m_numOut.clear();
    m_pctIn.clear();
    m_pctOut.clear();
    ShowResults();
    for (int id : {IDC_CI_NUM_IN, IDC_CI_NUM_OUT, IDC_CI_PCT_IN, IDC_CI_PCT_OUT})
        RepaintNow(Control(id));
}

void CConfIntervalDlg::SetScrollBar(int maxSample) {
    m_scrollMax = std::clamp(maxSample, 1, kMaxSamples);
    g_ciScrollPos = CiScrollPosOfPage(m_scrollMax);
}

void CConfIntervalDlg::ShowScrollBar() {
    // The engine moves the bar after every sample; the widget follows when
    // the graph is shown, so a run at speed F pays nothing for it.
    if (m_scroll->maximum() != m_scrollMax) m_scroll->setRange(1, m_scrollMax);
    if (m_scroll->value() != g_ciScrollPos) m_scroll->setValue(g_ciScrollPos);
}

void CConfIntervalDlg::ShowPage() {
    SetScrollBar(g_samplesDrawn);
    if (g_confIntervalWndVisible) RedrawConfIntervalWindow();
}

void CConfIntervalDlg::ShowSampleCount(int sampleNo) {
    m_totalDrawn = QString::number(sampleNo);
    ShowResults();
    // The run holds the only thread: the count reaches the screen only if
    // painted now.
    RepaintNow(Control(IDC_CI_TOTAL_DRAWN));
}

// --- Faces and paint ------------------------------------------------------------------------

void CConfIntervalDlg::DrawSigmaFace(QPainter& p, const QRect& client) {
    const Rect r = ToRect(client);
    GdiFillRect(p, r, g_brushGrey190);
    const QString sigma = QStringLiteral("\u03c3");
    CiText(p, r.left + 3, r.top - 1, sigma, g_fontSymbol10, kPanelGrey);
    CiText(p, r.left + CiTextWidth(sigma, g_fontSymbol10) + 7, r.top + 3,
           g_ciSigmaKnown ? QCoreApplication::translate("ConfidenceIntervals", "Known")
                          : QCoreApplication::translate("ConfidenceIntervals", "Unknown"),
           g_fontArial7_5, kPanelGrey);
    // A raised edge two pixels wide: light above and left, dark below and right.
    for (int i = 0; i < 2; ++i) {
        GdiLine(p, r.left + i, r.top + i, r.right - i, r.top + i, g_penWhite1);
        GdiLine(p, r.left + i, r.top + i, r.left + i, r.bottom - i, g_penWhite1);
        GdiLine(p, r.left + i, r.bottom - 1 - i, r.right - i, r.bottom - 1 - i, g_penBlack1);
        GdiLine(p, r.right - 1 - i, r.top + i, r.right - 1 - i, r.bottom - i, g_penBlack1);
    }
}

void CConfIntervalDlg::paintEvent(QPaintEvent* event) {
    QPainter p(this);
    GdiCopy(p, event->region(), g_ciMemDC);
}
