#include "windows/population/BinomialPopDlg.h"

#include "core/Population.h"
#include "core/PopulationDescription.h"
#include "core/SeriesControl.h"
#include "core/SimulationState.h"
#include "resources/Resource.h"
#include "ui/CoreText.h"
#include "ui/DialogTemplate.h"
#include "ui/DrawingResources.h"
#include "ui/FieldText.h"
#include "ui/FocusRing.h"
#include "ui/FocusSpot.h"
#include "ui/Gdi.h"
#include "ui/LocalNumbers.h"
#include "ui/RepaintNow.h"
#include "ui/ToolWindow.h"
#include "ui/WindowLinks.h"
#include "windows/population/PopulationPicture.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPaintEvent>
#include <QPainter>
#include <QPushButton>
#include <algorithm>
#include <vector>

namespace {

constexpr int kDesignWidth = 300;
constexpr int kDesignHeight = 430;

const char* const kProportionTexts[] = {".05", ".10", ".15", ".20", ".25", ".30", ".35",
                                        ".40", ".45", ".50", ".55", ".60", ".65", ".70",
                                        ".75", ".80", ".85", ".90", ".95", "1.00"};

const char kBarTip[] =
    QT_TRANSLATE_NOOP("Population", "Drag the top of a bar up or down to set the proportion p");
const char kBarKeysTip[] =
    QT_TRANSLATE_NOOP("Population", "; with the keyboard, Left and Right choose a bar and Up and "
                                    "Down move its top (with Shift ten pixels at a time)");

QString Tr(const char* english) {
    return QCoreApplication::translate("Population", english);
}

} // namespace

CBinomialPopDlg::CBinomialPopDlg(QWidget* parent)
    : CToolWindow("POP", QCoreApplication::translate("Population", "Population - Binomial"),
                  QSize(kDesignWidth, kDesignHeight), parent) {
    g_binomialWnd = this;
    setFont(MakeFont("Arial", 8.0));
    const float sy = g_scaleY;
    m_plotRect = Rect{0, Px(sy, 10), width(), Px(sy, 325)};
    m_plotBand = Rect{0, Px(sy, 10), width(), Px(sy, 345)};
    m_hover = m_previousHover = 0;
    PlaceHandles();

    m_dialog = std::make_unique<DialogTemplate>(this, QSize(150, 215),
                                                QSize(kDesignWidth, kDesignHeight), "Population");
    m_dialog->Create({IDC_BINOMIAL_CLEAR, ControlKind::PushButton,
                      QT_TRANSLATE_NOOP("Population", "CLEAR"), 52, 202, 33, 10});
    for (int id = IDC_BINOMIAL_P_FIRST; id <= IDC_BINOMIAL_P_LAST; ++id) {
        const int index = id - IDC_BINOMIAL_P_FIRST;
        m_dialog->Create(
            {id, ControlKind::PushButton, "", 18 + 24 * (index / 4), 164 + 9 * (index % 4), 15, 8});
        connect(Button(id), &QPushButton::clicked, this, [this, id] { OnProportionButton(id); });
    }
    connect(Button(IDC_BINOMIAL_CLEAR), &QPushButton::clicked, this, [this] { OnClear(); });
    setMouseTracking(true); // the hovered bar top turns black

    m_barSpot = new CFocusSpot(this, QString(), QString(),
                               [this](const QKeyEvent& e) { return OnBarKey(e); });
    ShowWords();
    // The picture, then the proportions column by column, then CLEAR.
    std::vector<QWidget*> order{m_barSpot};
    for (int id = IDC_BINOMIAL_P_FIRST; id <= IDC_BINOMIAL_P_LAST; ++id)
        order.push_back(Button(id));
    order.push_back(Button(IDC_BINOMIAL_CLEAR));
    SetTabOrder(order);
    PlaceFocusSpot();
}

void CBinomialPopDlg::ShowWords() {
    Button(IDC_BINOMIAL_CLEAR)->setAccessibleName(Tr(QT_TRANSLATE_NOOP("Population", "Clear")));
    Button(IDC_BINOMIAL_CLEAR)
        ->setToolTip(Tr(QT_TRANSLATE_NOOP("Population", "Empty both bars: no proportion is set")));
    for (int id = IDC_BINOMIAL_P_FIRST; id <= IDC_BINOMIAL_P_LAST; ++id) {
        Button(id)->setText(
            LocalNumbers(QString::fromLatin1(kProportionTexts[id - IDC_BINOMIAL_P_FIRST])));
        const QString p = LocalNumbers(QString::number(0.05 * (id - 1), 'f', 2));
        Button(id)->setAccessibleName(QStringLiteral("p = ") + p);
        Button(id)->setToolTip(
            Tr(QT_TRANSLATE_NOOP("Population", "Set the proportion of successes to %1")).arg(p));
    }
    m_barSpot->setAccessibleName(Tr(QT_TRANSLATE_NOOP("Population", "Binomial bars")));
    m_barSpot->setToolTip(Tr(kBarTip) + Tr(kBarKeysTip));
}

void CBinomialPopDlg::Retranslate() {
    setWindowTitle(Tr("Population - Binomial"));
    m_dialog->Retranslate();
    ShowWords();
    PlaceFocusSpot();
    if (g_isBinomial) {
        DrawBinomialPicture();
        update();
    }
}

CBinomialPopDlg::~CBinomialPopDlg() {
    if (g_binomialWnd == this) g_binomialWnd = nullptr;
}

QPushButton* CBinomialPopDlg::Button(int id) const {
    return m_dialog->Get<QPushButton>(id);
}

Rect CBinomialPopDlg::HandleRect(int j) const {
    return j >= 1 && j <= 2 ? m_handles[j] : Rect{};
}

int CBinomialPopDlg::BarLeft(int j) const {
    return g_plotLeft + Px(g_scaleX, 10) + (j == 1 ? 0 : Px(g_scaleX, 100));
}

int CBinomialPopDlg::BarRight(int j) const {
    return g_plotLeft + Px(g_scaleX, 10) + Px(g_scaleX, j == 1 ? 99 : 199);
}

void CBinomialPopDlg::PlaceHandles() {
    if (g_isBinomial) ComputeEditHandles(m_handles);
}

void CBinomialPopDlg::SetUpBars() {
    PlaceHandles();
    DrawBinomialPicture();
}

void CBinomialPopDlg::DrawBinomialPicture() {
    // The surface is the Population window's too; draw only while binomial.
    if (!g_isBinomial) return;
    PlaceHandles();
    const float sy = g_scaleY;
    QPainter p(&g_popMemDC);
    GdiFillRect(p, 0, 0, width(), height(), g_brushGrey190);
    GdiFillRect(p, m_plotRect, g_brushWhite);
    GdiLine(p, g_plotLeft, m_plotRect.top, g_plotLeft, g_popBaseline, g_penBlack1);
    GdiLine(p, g_plotLeft, g_popBaseline, g_plotRight, g_popBaseline, g_penBlack1);
    DrawLabels(p, BinomialAxisLabels());

    const int barBottom = g_popBaseline - Px(sy, 1);
    for (int j = 1; j <= 2; ++j)
        GdiFillRect(p, BarLeft(j), g_popCurve[j], BarRight(j), barBottom, g_brushGrey150);
    if (m_hover == 1 || m_hover == 2) GdiFillRect(p, m_handles[m_hover], g_brushBlack);
    DrawMarkers(p, width());
    PlaceFocusSpot();
}

void CBinomialPopDlg::PlaceFocusSpot() {
    if (!m_barSpot) return;
    // The chosen bar's top, as the mouse grabs it. A frame round the whole
    // column would read as a bar of its own (a full one over an empty bar);
    // the handle reaches below an empty bar's top, so the ring (outside the
    // spot) is kept above the axis line, off its labels.
    Rect spot = m_handles[m_keyBar];
    spot.bottom = std::min(spot.bottom, g_popBaseline - kFocusRingOutset);
    m_barSpot->Place(g_isBinomial ? spot : Rect{});
    m_barSpot->Describe(
        LocalNumbers(PopulationDescription({}, CoreTextStd)) +
        (m_keyBar == 1 ? Tr(QT_TRANSLATE_NOOP("Population", ". The failures bar is chosen."))
                       : Tr(QT_TRANSLATE_NOOP("Population", ". The successes bar is chosen."))));
}

HoverHint CBinomialPopDlg::HoverAt(QPoint at) const {
    for (int j = 1; j <= 2; ++j)
        if (m_handles[j].Contains(at.x(), at.y())) return {Qt::SizeVerCursor, Tr(kBarTip)};
    return {};
}

bool CBinomialPopDlg::OnBarKey(const QKeyEvent& event) {
    if (!g_isBinomial) return false;
    if (event.modifiers() & ~(Qt::ShiftModifier | Qt::KeypadModifier)) return false;
    switch (event.key()) {
    case Qt::Key_Left:
    case Qt::Key_Right:
        m_keyBar = event.key() == Qt::Key_Left ? 1 : 2;
        // The chosen bar's top shows black, as under the pointer.
        m_hover = m_previousHover = m_keyBar;
        RedrawBinomial();
        return true;
    case Qt::Key_Up:
    case Qt::Key_Down: {
        // A press on the bar's top and a drag of one pixel (ten with Shift).
        const int pixels = event.modifiers() & Qt::ShiftModifier ? 10 : 1;
        m_grabbedHandle = m_keyBar;
        ResetSeries();
        DragStep(g_popCurve[m_keyBar] + (event.key() == Qt::Key_Up ? -pixels : pixels));
        return true;
    }
    default:
        return false;
    }
}

void CBinomialPopDlg::RepaintPlotBand() {
    RepaintNow(this, ToQRect(m_plotBand));
}

void CBinomialPopDlg::RedrawBinomial() {
    DrawBinomialPicture();
    RepaintPlotBand();
}

void CBinomialPopDlg::MarkSample(int slot) {
    if (!g_isBinomial || (slot != 1 && slot != 2)) return;
    if (m_markSampleNo != g_currentSampleNo) {
        m_markSampleNo = g_currentSampleNo;
        m_markCounts[1] = m_markCounts[2] = 0;
    }
    ++m_markCounts[slot];

    int counts[3] = {0, m_markCounts[1], m_markCounts[2]};
    if (g_sampleStore && g_currentSampleNo >= 1 && g_currentSampleNo <= kMaxSamples) {
        const SampleRow& row = g_sampleStore[g_currentSampleNo];
        for (int j = 1; j <= 2; ++j)
            counts[j] = std::max(counts[j], row.columnCounts[j]);
    }
    int n = g_seriesSampleSize;
    if (n < counts[1] + counts[2]) n = counts[1] + counts[2];
    if (n < 1) return;

    // The engine redraws the picture before every mark, so both blocks are
    // drawn each time.
    const int full = g_popBaseline - g_binTop;
    const int barBottom = g_popBaseline - Px(g_scaleY, 1);
    QRect changed;
    {
        QPainter p(&g_popMemDC);
        for (int j = 1; j <= 2; ++j) {
            const int quarter = (BarRight(j) - BarLeft(j)) / 4;
            const int height = static_cast<int>(static_cast<long long>(full) * counts[j] / n);
            const Rect block{BarLeft(j) + quarter, barBottom - height, BarRight(j) - quarter,
                             barBottom};
            GdiFillRect(p, block, g_brushGrey190);
            if (!block.IsEmpty()) changed = changed.united(ToQRect(block));
        }
    }
    if (!changed.isEmpty()) RepaintNow(this, changed);
}

void CBinomialPopDlg::OnProportionButton(int id) {
    if (!g_isBinomial) return;
    SetBinomialP(static_cast<float>(0.05 * (id - 1)));
    PlaceHandles();
    DrawBinomialPicture();
    RepaintPlotBand();
    ResetSeries();
}

void CBinomialPopDlg::OnClear() {
    if (!g_isBinomial) return;
    // The clear also ends the series and refreshes the windows that show it.
    ClearPopulation();
    DrawBinomialPicture();
    RepaintPlotBand();
}

void CBinomialPopDlg::paintEvent(QPaintEvent* event) {
    QPainter p(this);
    const QRect area = event->rect();
    GdiCopy(p, area, g_popMemDC);
}

void CBinomialPopDlg::showEvent(QShowEvent* event) {
    DrawBinomialPicture();
    CToolWindow::showEvent(event);
}

void CBinomialPopDlg::mousePressEvent(QMouseEvent* event) {
    MarkActive();
    event->accept();
    if (event->button() != Qt::LeftButton) return;
    const QPoint at = event->position().toPoint();
    m_dragging = false;
    for (int j = 1; j <= 2; ++j) {
        if (!m_handles[j].Contains(at.x(), at.y())) continue;
        m_dragging = true;
        m_grabbedHandle = j;
        ResetSeries();
    }
}

void CBinomialPopDlg::leaveEvent(QEvent* event) {
    // The pointer left the window: no handle is under it any more.
    if (m_hover != 0) {
        m_hover = m_previousHover = 0;
        DrawBinomialPicture();
        RepaintPlotBand();
    }
    CToolWindow::leaveEvent(event);
}

void CBinomialPopDlg::mouseMoveEvent(QMouseEvent* event) {
    event->accept();
    const QPoint at = event->position().toPoint();
    int hover = 0;
    for (int j = 1; j <= 2; ++j)
        if (m_handles[j].Contains(at.x(), at.y())) hover = j;
    m_hover = hover;
    if (hover != m_previousHover) {
        DrawBinomialPicture();
        RepaintPlotBand();
    }
    m_previousHover = hover;
    if (m_dragging && LeftButtonAlone(event)) DragStep(at.y());
}

void CBinomialPopDlg::DragStep(int y) {
    if (!g_isBinomial || (m_grabbedHandle != 1 && m_grabbedHandle != 2)) return;
    const int top = ClampDraggedTop(y);
    // The other bar takes the rest, so the two always fill the full height.
    g_popCurve[m_grabbedHandle] = top;
    g_popCurve[3 - m_grabbedHandle] = Px(g_scaleY, 280) - top;
    RecomputePopulationParameters();
    DrawBinomialPicture();
    RepaintPlotBand();
    if (g_samplingDistWndVisible) Links().Repaint(OtherPicture::DorvaneWhole);
}
