// The Confidence Intervals window by the keyboard and in words: the spots
// laid over the interval graph and the possible mean, their keys, the field
// that opens over the possible mean's label, the hints under the pointer and
// the names and tooltips of the controls. Every key goes the road the mouse
// goes: a row chosen by a key is selected as a click on it selects it, a
// step of the possible mean is a drag by one pixel.
#include "windows/confint/ConfIntervalDlg.h"

#include "core/Selection.h"
#include "core/SimulationState.h"
#include "resources/Resource.h"
#include "ui/CoreText.h"
#include "ui/DialogTemplate.h"
#include "ui/DrawSamplesButton.h"
#include "ui/DrawingResources.h"
#include "ui/FieldText.h"
#include "ui/FocusSpot.h"
#include "ui/LocalNumbers.h"
#include "ui/SeriesFields.h"
#include "ui/ValueEditor.h"
#include "windows/confint/ConfIntervalDescription.h"
#include "windows/confint/IntervalGeometry.h"
#include "windows/confint/IntervalSeries.h"
#include "windows/confint/StripGeometry.h"

#include <QCoreApplication>
#include <QFontMetrics>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>

namespace {

// The window's words, and the words it shares with the other windows (ui/).
QString Tr(const char* text) {
    return WindowText("ConfidenceIntervals", text);
}

QString GraphTip() {
    return QCoreApplication::translate(
        "ConfidenceIntervals",
        "Click an interval to select its sample in every window; with the keyboard, Up and Down "
        "select the next or previous sample");
}

QString MuTip() {
    return QCoreApplication::translate("ConfidenceIntervals", "Drag to try another possible mean") +
           Tr(kMoveByKeysTip);
}

} // namespace

void CConfIntervalDlg::CreateFocusSpots() {
    DialogTemplate& d = *m_dialog;
    m_graphSpot = new CFocusSpot(this, QString(), QString(),
                                 [this](const QKeyEvent& e) { return OnGraphKey(e); });
    m_muSpot = new CFocusSpot(this, QString(), QString(),
                              [this](const QKeyEvent& e) { return OnPossibleMuKey(e); });
    m_editor = new CValueEditor(this);
    DescribeControls();

    // The left panel top to bottom, then the graph, its scroll bar and the strip.
    SetTabOrder({m_sampleSizeEdit, m_numSamplesEdit, m_seriesButton, m_confLevelEdit, m_sidesButton,
                 m_endButton, m_sigmaButton, m_zOrTButton, d.Control(IDC_CI_SPEED_S),
                 d.Control(IDC_CI_SPEED_2), d.Control(IDC_CI_SPEED_3), d.Control(IDC_CI_SPEED_4),
                 d.Control(IDC_CI_SPEED_F), m_drawButton, m_sortOn, m_sortOff, m_graphSpot,
                 m_scroll, m_muSpot});
}

void CConfIntervalDlg::DescribeControls() {
    m_dialog->DescribeAll({
        {IDC_CI_SAMPLE_SIZE, QT_TRANSLATE_NOOP("ConfidenceIntervals", "Sample size"),
         kSampleSizeTip},
        {IDC_CI_NUM_SAMPLES, QT_TRANSLATE_NOOP("ConfidenceIntervals", "Number of samples"),
         kNumberOfSamplesTip},
        {IDC_CI_SERIES_MODE, QT_TRANSLATE_NOOP("ConfidenceIntervals", "Series mode"),
         kSeriesModeTip},
        {IDC_CI_CONF_LEVEL, QT_TRANSLATE_NOOP("ConfidenceIntervals", "Confidence level"),
         QT_TRANSLATE_NOOP("ConfidenceIntervals", "The confidence level in percent, 1 to 99")},
        {IDC_CI_SIDES, QT_TRANSLATE_NOOP("ConfidenceIntervals", "Sides"),
         QT_TRANSLATE_NOOP("ConfidenceIntervals",
                           "Switch between two-sided and one-sided intervals")},
        {IDC_CI_END, QT_TRANSLATE_NOOP("ConfidenceIntervals", "End"),
         QT_TRANSLATE_NOOP("ConfidenceIntervals",
                           "Which end a one-sided interval has: the high or the low one")},
        {IDC_CI_SIGMA, QT_TRANSLATE_NOOP("ConfidenceIntervals", "Sigma known or unknown"),
         QT_TRANSLATE_NOOP(
             "ConfidenceIntervals",
             "Whether the population's σ is known, or each sample's s stands in for it")},
        {IDC_CI_Z_OR_T, QT_TRANSLATE_NOOP("ConfidenceIntervals", "z or t"),
         QT_TRANSLATE_NOOP("ConfidenceIntervals", "Switch between critical values of z and of t")},
        {IDC_CI_CRITICAL_VALUE, QT_TRANSLATE_NOOP("ConfidenceIntervals", "Critical value"),
         nullptr},
        {IDC_CI_DRAW_SAMPLES, QT_TRANSLATE_NOOP("ConfidenceIntervals", "Draw samples"),
         kDrawSamplesTip},
        {IDC_CI_TOTAL_DRAWN, QT_TRANSLATE_NOOP("ConfidenceIntervals", "Total samples drawn"),
         nullptr},
        {IDC_CI_NUM_IN,
         QT_TRANSLATE_NOOP("ConfidenceIntervals",
                           "Number of intervals that contain the population mean"),
         nullptr},
        {IDC_CI_NUM_OUT,
         QT_TRANSLATE_NOOP("ConfidenceIntervals",
                           "Number of intervals that miss the population mean"),
         nullptr},
        {IDC_CI_PCT_IN,
         QT_TRANSLATE_NOOP("ConfidenceIntervals",
                           "Percent of intervals that contain the population mean"),
         nullptr},
        {IDC_CI_PCT_OUT,
         QT_TRANSLATE_NOOP("ConfidenceIntervals",
                           "Percent of intervals that miss the population mean"),
         nullptr},
        {IDC_CI_SCROLL, QT_TRANSLATE_NOOP("ConfidenceIntervals", "Intervals scroll bar"),
         QT_TRANSLATE_NOOP("ConfidenceIntervals", "Go through the pages of intervals")},
    });
    m_sortOn->setAccessibleName(
        QCoreApplication::translate("ConfidenceIntervals", "Sort by sample averages: on"));
    m_sortOn->setToolTip(QCoreApplication::translate(
        "ConfidenceIntervals", "Put the intervals in the order of their sample means"));
    m_sortOff->setAccessibleName(
        QCoreApplication::translate("ConfidenceIntervals", "Sort by sample averages: off"));
    m_sortOff->setToolTip(QCoreApplication::translate(
        "ConfidenceIntervals", "Put the intervals in the order they were drawn"));
    m_graphSpot->setAccessibleName(
        QCoreApplication::translate("ConfidenceIntervals", "Confidence intervals graph"));
    m_graphSpot->setToolTip(GraphTip());
    m_muSpot->setAccessibleName(
        QCoreApplication::translate("ConfidenceIntervals", "Possible mean"));
    m_muSpot->setToolTip(MuTip());
}

void CConfIntervalDlg::PlaceFocusSpots() {
    if (!m_graphSpot) return;
    const int n = FieldSampleSize();
    const auto translate = [](const char* words) {
        return QCoreApplication::translate("ConfidenceIntervals", words).toStdString();
    };
    m_graphSpot->Place(g_ciGraphRect);
    m_graphSpot->Describe(LocalNumbers(IntervalGraphDescription(n, translate)));
    m_muLabel = Rect{};
    if (!g_possibleMu) {
        m_muSpot->Place(Rect{});
        return;
    }
    const PossibleMuFigure figure = ComputePossibleMu(n);
    const Rect grab = PossibleMuGrabRect(figure);
    const QFontMetrics metrics(g_fontSymbol10);
    const Rect label = m_muLabel = PossibleMuLabelRect(
        figure, metrics.horizontalAdvance(LocalNumbers(figure.muText)), metrics.height());
    m_muSpot->Place(Rect{std::min(grab.left, label.left), std::min(grab.top, label.top),
                         std::max(grab.right, label.right), std::max(grab.bottom, label.bottom)});
    m_muSpot->Describe(LocalNumbers(PossibleMuDescription(n, translate)));
}

HoverHint CConfIntervalDlg::HoverAt(QPoint at) const {
    if (g_possibleMu) {
        // The keyboard's way too: the focus spot's tip never shows.
        if (m_region.contains(at)) return {Qt::SizeHorCursor, MuTip()};
        if (m_muLabel.Contains(at.x(), at.y()))
            return {Qt::PointingHandCursor, Tr(kTypeValueTip) + Tr(kTypeByKeysTip)};
    }
    if (g_samplesDrawn > 0 && g_ciGraphRect.Contains(at.x(), at.y()))
        return {Qt::PointingHandCursor,
                QCoreApplication::translate("ConfidenceIntervals",
                                            "Click an interval to select its sample")};
    return {};
}

bool CConfIntervalDlg::OnGraphKey(const QKeyEvent& event) {
    const int step = SampleStep(event); // later samples stand higher
    if (step == 0) return false;
    const int row = SteppedRow(step);
    if (row < 1) return true;
    SelectRow(row);
    BringSelectionIntoCiPage();
    ShowRowSelected();
    return true;
}

bool CConfIntervalDlg::OnPossibleMuKey(const QKeyEvent& event) {
    if (!g_possibleMu) return false;
    if (IsEnterKey(event)) {
        OpenPossibleMuEditor();
        return true;
    }
    const int step = HorizontalStep(event);
    if (step == 0) return false;
    MovePossibleMuByPixels(step);
    RedrawConfIntervalWindow();
    return true;
}

void CConfIntervalDlg::OpenPossibleMuEditor() {
    if (!g_possibleMu) return;
    m_editor->Open(
        m_muLabel, ToQt(PossibleMuNumberText()),
        QCoreApplication::translate("ConfidenceIntervals", "Possible mean value"),
        [this](double shown) {
            SetPossibleMuToShown(shown);
            RedrawConfIntervalWindow();
        },
        m_muSpot);
}

void CConfIntervalDlg::mouseDoubleClickEvent(QMouseEvent* event) {
    const QPoint at = event->position().toPoint();
    if (event->button() == Qt::LeftButton && g_possibleMu && m_muLabel.Contains(at.x(), at.y())) {
        OpenPossibleMuEditor();
        return;
    }
    CToolWindow::mouseDoubleClickEvent(event);
}
