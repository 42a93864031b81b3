#include "windows/sampdist/SamplingDistDlg.h"

#include "core/Random.h"
#include "core/SamplingEngine.h"
#include "core/SeriesControl.h"
#include "core/SimulationState.h"
#include "resources/Resource.h"
#include "ui/DialogTemplate.h"
#include "ui/DrawSamplesButton.h"
#include "ui/DrawingResources.h"
#include "ui/FieldText.h"
#include "ui/Gdi.h"
#include "ui/LocalNumbers.h"
#include "ui/MessageBox.h"
#include "ui/RepaintNow.h"
#include "ui/ScrollRequestOf.h"
#include "ui/SeriesFields.h"
#include "ui/SpeedControl.h"
#include "ui/WindowLinks.h"
#include "windows/sampdist/HistogramModel.h"
#include "windows/sampdist/SamplingDistPanel.h"
#include "windows/sampdist/SliderModel.h"

#include <QCoreApplication>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMouseEvent>
#include <QPainter>
#include <QPushButton>
#include <QScrollBar>
#include <algorithm>

namespace {

constexpr QSize kDesignSize(kSdDesignWidth, kSdDesignHeight);
constexpr QSize kTemplateSize(312, 223);

BinWidth WidthOfButton(int id) {
    switch (id) {
    case IDC_SD_BIN_WIDE:
        return BinWidth::Wide;
    case IDC_SD_BIN_NARROW:
        return BinWidth::Narrow;
    case IDC_SD_BIN_FINEST:
        return BinWidth::Finest;
    default:
        return BinWidth::Medium;
    }
}

bool BinWidthFlag(int id) {
    switch (id) {
    case IDC_SD_BIN_WIDE:
        return g_binWidthWide;
    case IDC_SD_BIN_MEDIUM:
        return g_binWidthMedium;
    case IDC_SD_BIN_NARROW:
        return g_binWidthNarrow;
    default:
        return g_binWidthFinest;
    }
}

// The words at the two ends of the speed buttons.
QString SpeedWord(bool slow) {
    return slow ? QCoreApplication::translate("Dorvane", "slow")
                : QCoreApplication::translate("Dorvane", "fast");
}

} // namespace

CSamplingDistDlg::CSamplingDistDlg(QWidget* parent)
    : CToolWindow("CLT", QCoreApplication::translate("Dorvane", "Dorvane"), kDesignSize, parent),
      m_dialog(std::make_unique<DialogTemplate>(this, kTemplateSize, kDesignSize, "Dorvane")) {
    setFont(MakeFont("Arial", 8.0));
    g_samplingDistWnd = this;

    SetSamplingDistLayout(width(), height());
    CreateControls();
    CreateStatisticBox();
    CreateFocusSpots();
    m_intervalWidth = LocalNumbers(InitSamplingDistState());
    CSpeedControl::SyncAll();
    m_sampleSize = m_numSamples = QStringLiteral("1");
    ShowFields();
    m_axisScroll->setRange(1, g_sdScrollMax);
    m_axisScroll->setValue(1);
    m_scrollPos = 1;
    ConnectControls();
    PlaceSliders();
    Redraw();
}

CSamplingDistDlg::~CSamplingDistDlg() {
    if (g_samplingDistWnd == this) g_samplingDistWnd = nullptr;
}

void CSamplingDistDlg::Retranslate() {
    const QString title = QCoreApplication::translate("Dorvane", "Dorvane");
    setWindowTitle(title);
    if (Frame()) Frame()->setWindowTitle(title);
    DescribeControls();
    PlaceSpeedWords();
    PaintWhole();
}

void CSamplingDistDlg::CreateControls() {
    DialogTemplate& d = *m_dialog;
    d.CreateAll({
        {IDC_SD_DRAW_SAMPLES, ControlKind::DrawSamples, "DRAW\nSAMPLES", 9, 86, 45, 19},
        {IDC_SD_SERIES_MODE, ControlKind::PushButton, "ADD\nMORE", 65, 48, 35, 19},
        {IDC_SD_SAMPLE_SIZE, ControlKind::Edit, "", 5, 55, 22, 12},
        {IDC_SD_NUM_SAMPLES, ControlKind::Edit, "", 33, 55, 29, 12},
        {IDC_SD_BIN_WIDE, ControlKind::OwnerDrawn, "", 60, 16, 12, 12},
        {IDC_SD_BIN_MEDIUM, ControlKind::OwnerDrawn, "", 73, 18, 10, 10},
        {IDC_SD_BIN_NARROW, ControlKind::OwnerDrawn, "", 84, 20, 8, 8},
        {IDC_SD_BIN_FINEST, ControlKind::OwnerDrawn, "", 93, 22, 6, 6},
        {IDC_SD_NORMAL_OUTLINE, ControlKind::OwnerDrawn, "", 3, 11, 18, 17},
        {IDC_SD_POP_OUTLINE, ControlKind::OwnerDrawn, "", 33, 11, 18, 17},
        {IDC_SD_TOTAL_DRAWN, ControlKind::Static, "", 70, 96, 22, 9},
        // Wide enough for a shown value of a million either way: "-1000000".
        {IDC_SD_MEAN_OF_MEANS, ControlKind::Static, "", 36, 124, 25, 9},
        {IDC_SD_SD_OF_MEANS, ControlKind::Static, "", 68, 124, 25, 9},
        {IDC_SD_MEAN_OF_SDS, ControlKind::Static, "", 36, 140, 25, 9},
        {IDC_SD_SD_OF_SDS, ControlKind::Static, "", 68, 140, 25, 9},
        {IDC_SD_INTERVAL_WIDTH, ControlKind::Static, "", 51, 158, 25, 9},
        {IDC_SD_ACTUAL_NUMBER, ControlKind::Static, "", 38, 190, 19, 9},
        {IDC_SD_ACTUAL_PROPORTION, ControlKind::Static, "", 66, 190, 26, 9},
        {IDC_SD_Z_NUMBER, ControlKind::Static, "", 38, 201, 19, 9},
        {IDC_SD_Z_PROPORTION, ControlKind::Static, "", 66, 201, 26, 9},
        {IDC_SD_T_NUMBER, ControlKind::Static, "", 38, 212, 19, 9},
        {IDC_SD_T_PROPORTION, ControlKind::Static, "", 66, 212, 26, 9},
        {IDC_SD_AXIS_SCROLL, ControlKind::HScrollBar, "", 100, 213, 212, 10},
    });
    m_speed = new CSpeedControl(
        this, d, {IDC_SD_SPEED_S, IDC_SD_SPEED_2, IDC_SD_SPEED_3, IDC_SD_SPEED_4, IDC_SD_SPEED_F},
        {9, 19, 28, 37, 46}, 76);
    for (QLabel*& label : m_speedWords)
        label = new QLabel(this);
    PlaceSpeedWords();

    m_drawButton = d.Get<CDrawSamplesButton>(IDC_SD_DRAW_SAMPLES);
    m_seriesButton = d.Get<QPushButton>(IDC_SD_SERIES_MODE);
    m_sampleSizeEdit = d.Get<QLineEdit>(IDC_SD_SAMPLE_SIZE);
    m_numSamplesEdit = d.Get<QLineEdit>(IDC_SD_NUM_SAMPLES);
    m_axisScroll = d.Get<QScrollBar>(IDC_SD_AXIS_SCROLL);

    for (QLineEdit* edit : {m_sampleSizeEdit, m_numSamplesEdit})
        edit->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    for (int id : kReadoutIds) {
        auto* label = d.Get<QLabel>(id);
        // The sunken edge is painted on the surface under the label (PaintWhole).
        label->setFrameStyle(QFrame::NoFrame);
        label->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        label->setContentsMargins(0, 0, 3, 0);
    }
    m_axisScroll->setSingleStep(1);
    m_axisScroll->setPageStep(20);
    m_axisScroll->hide();

    for (int id : {IDC_SD_BIN_WIDE, IDC_SD_BIN_MEDIUM, IDC_SD_BIN_NARROW, IDC_SD_BIN_FINEST}) {
        d.Get<COwnerDrawButton>(id)->SetFace([id](QPainter& p, const QRect& client, bool) {
            DrawBinWidthButtonFace(p, client, BinWidthFlag(id));
        });
    }
    auto* normalOutline = d.Get<COwnerDrawButton>(IDC_SD_NORMAL_OUTLINE);
    normalOutline->SetFace([normalOutline](QPainter& p, const QRect& client, bool) {
        DrawNormalOutlineFace(p, client, g_showNormalOutline != 0, normalOutline->isEnabled());
    });
    d.Get<COwnerDrawButton>(IDC_SD_POP_OUTLINE)
        ->SetFace([](QPainter& p, const QRect& client, bool) {
            DrawPopOutlineFace(p, client, g_showPopOutline != 0);
        });
}

void CSamplingDistDlg::PlaceSpeedWords() {
    // "slow" starts at the left of the speed buttons and "fast" ends at their
    // right; a longer word grows inwards, so it is never cut off.
    const QRect slow = m_dialog->ToPixels(4, 68, 16, 8), fast = m_dialog->ToPixels(47, 68, 14, 8);
    for (int i = 0; i < 2; ++i) {
        QLabel* label = m_speedWords[i];
        label->setText(SpeedWord(i == 0));
        const int width = label->fontMetrics().horizontalAdvance(label->text()) + 2;
        if (i == 0)
            label->setGeometry(slow.left(), slow.top(), std::max(slow.width(), width),
                               slow.height());
        else
            label->setGeometry(fast.right() + 1 - std::max(fast.width(), width), fast.top(),
                               std::max(fast.width(), width), fast.height());
    }
}

void CSamplingDistDlg::ConnectControls() {
    DialogTemplate& d = *m_dialog;
    connect(m_drawButton, &CDrawSamplesButton::drawSamples, this, [this] { OnDrawSamples(); });
    connect(m_seriesButton, &QAbstractButton::clicked, this, [this] { OnSeriesMode(); });
    connect(m_sampleSizeEdit, &QLineEdit::textEdited, this,
            [this](const QString& text) { OnSampleSizeEdited(text); });
    connect(m_numSamplesEdit, &QLineEdit::textEdited, this,
            [this](const QString& text) { OnNumberOfSamplesEdited(text); });
    // Enter in either field draws, as the button does.
    for (QLineEdit* edit : {m_sampleSizeEdit, m_numSamplesEdit})
        connect(edit, &QLineEdit::returnPressed, this, [this] { OnDrawSamples(); });
    for (int id : {IDC_SD_BIN_WIDE, IDC_SD_BIN_MEDIUM, IDC_SD_BIN_NARROW, IDC_SD_BIN_FINEST})
        connect(d.Get<COwnerDrawButton>(id), &QAbstractButton::clicked, this,
                [this, id] { OnBinWidth(id); });
    connect(d.Get<COwnerDrawButton>(IDC_SD_NORMAL_OUTLINE), &QAbstractButton::clicked, this,
            [this] { OnNormalOutline(); });
    connect(d.Get<COwnerDrawButton>(IDC_SD_POP_OUTLINE), &QAbstractButton::clicked, this,
            [this] { OnPopulationOutline(); });
    connect(m_axisScroll, &QAbstractSlider::actionTriggered, this,
            [this](int action) { OnAxisScrollAction(action); });
}

// --- The engine entry -----------------------------------------------------------

void CSamplingDistDlg::OnDrawSamples() {
    ShowDrawSamplesPressed(m_drawButton);
    WaitMilliseconds(1);
    BringFieldsIn();
    const bool proceed = DrawEntryIn(this, SeriesWindow::Dorvane, m_numSamples, m_sampleSize);
    ShowFields();
    if (proceed) DrawSamples();
    EndDrawSamplesPressed(m_drawButton);
}

void CSamplingDistDlg::DrawSamples() {
    // t values are binned with the standard error of this sample size; a
    // hidden window has not read it since the population last changed.
    ReadSampleSize();
    const DrawResult result = Links().RunDrawSamples(NumberOfSamples(), SampleSize());
    if (!result.DrewSeries()) return;
    m_totalDrawn = LocalNumbers(result.totalSamplesText);
    m_meanOfMeans = LocalNumbers(result.meanOfMeansText);
    m_sdOfMeans = LocalNumbers(result.sdOfMeansText);
    m_meanOfSDs = LocalNumbers(result.meanOfSdsText);
    m_sdOfSDs = LocalNumbers(result.sdOfSdsText);
    ShowStatisticRow();
    if (!result.numberOfSamplesText.empty() && ToQt(result.numberOfSamplesText) != m_numSamples) {
        // The count the run really drew (a negative one reads 0); the other
        // two windows' fields say the same.
        m_numSamples = ToQt(result.numberOfSamplesText);
        Links().CopyNumberOfSamplesText(SeriesWindow::Dorvane, result.numberOfSamplesText);
    }
    ShowFields();
}

// --- Field and button handlers ----------------------------------------------------

void CSamplingDistDlg::OnSampleSizeEdited(const QString& typed) {
    m_sampleSize = typed;
    RepaintWindow();
    RefreshPanel();
    SetSampleSizeText(SampleSizeEditedIn(this, SeriesWindow::Dorvane, typed));
    // A new sample size ends the series; ResetSeries repaints this window.
    ResetSeries();
    Links().Repaint(OtherPicture::ConfIntervalsWindow);
}

void CSamplingDistDlg::OnNumberOfSamplesEdited(const QString& typed) {
    m_numSamples = typed;
    PlaceSliders();
    BringUpToDate();
    SetNumberOfSamplesText(NumberOfSamplesEditedIn(this, SeriesWindow::Dorvane, typed));
    // The preview curve follows the number that stands in the field.
    if (m_numSamples != typed) BringUpToDate();
}

void CSamplingDistDlg::OnSeriesMode() {
    SetNumberOfSamplesText(ToggleSeriesModeIn(this, SeriesWindow::Dorvane, m_numSamples));
    BringUpToDate();
    Links().Repaint(OtherPicture::SamplesWindow);
    Links().Repaint(OtherPicture::ConfIntervalsWindow);
}

void CSamplingDistDlg::OnBinWidth(int id) {
    const AxisScrollBarState bar = ChooseBinWidth(WidthOfButton(id), m_scrollPos, SampleSize());
    if (bar.visible) {
        m_axisScroll->setRange(1, bar.rangeMax);
        m_scrollPos = bar.position;
        m_axisScroll->setValue(bar.position);
    }
    Redraw();
    if (bar.fillSelection && g_sampleSelected) {
        QPainter p(&g_sdMemDC);
        GdiFillRect(p, g_sdSelectionRect, g_brushBlack);
    }
    RepaintWindow();
    RefreshPanel();
    RedrawBinWidthButtons();
    m_axisScroll->setVisible(bar.visible);
}

void CSamplingDistDlg::RedrawBinWidthButtons() {
    for (int id : {IDC_SD_BIN_WIDE, IDC_SD_BIN_MEDIUM, IDC_SD_BIN_NARROW, IDC_SD_BIN_FINEST})
        Control(id)->update();
}

void CSamplingDistDlg::OnNormalOutline() {
    // A key can reach the option while it is greyed.
    if (!Control(IDC_SD_NORMAL_OUTLINE)->isEnabled()) return;
    g_showNormalOutline = g_showNormalOutline ? 0 : 1;
    PlaceSliders();
    BringUpToDate();
}

void CSamplingDistDlg::OnPopulationOutline() {
    g_showPopOutline = g_showPopOutline ? 0 : 1;
    PlaceSliders();
    BringUpToDate();
}

void CSamplingDistDlg::OnAxisScrollAction(int action) {
    const ScrollRequest request = ScrollRequestOf(action);
    // The slider has already moved by Qt's own rule; the window's rule
    // decides where it stays.
    const int position = ScrollAxis(request, m_axisScroll->sliderPosition(), m_scrollPos);
    m_scrollPos = position;
    m_axisScroll->setSliderPosition(position);
    Redraw();
    RepaintHistogram();
}

// --- Mouse and window events ---------------------------------------------------------

void CSamplingDistDlg::mousePressEvent(QMouseEvent* event) {
    MarkActive();
    g_draggingLeft = g_draggingRight = 0;
    const QPoint point = event->position().toPoint();
    const Rect columnArea{g_sdAxisLeft, g_histRect.top, g_histRect.right, g_sdAxisY};
    if (event->button() == Qt::LeftButton) {
        if (columnArea.Contains(point.x(), point.y())) {
            const ColumnSelection selection = SelectColumnSample(point.x(), point.y());
            Redraw();
            RepaintWindow();
            // The other two windows show the same selection (or none).
            if (selection.hit)
                Links().SyncSamplesToSelection();
            else if (g_samplesWndVisible)
                Links().Repaint(OtherPicture::SamplesWindow);
            Links().ShowCiPage();
        }
        if (g_leftSliderRect.Contains(point.x(), point.y())) g_draggingLeft = 1;
        if (g_rightSliderRect.Contains(point.x(), point.y())) g_draggingRight = 1;
    }
    CToolWindow::mousePressEvent(event);
}

void CSamplingDistDlg::mouseMoveEvent(QMouseEvent* event) {
    if (LeftButtonAlone(event)) {
        const int x = event->position().toPoint().x();
        if (g_draggingLeft) DragSliderTo(x, true);
        if (g_draggingRight) DragSliderTo(x, false);
    }
    CToolWindow::mouseMoveEvent(event);
}

void CSamplingDistDlg::DragSliderTo(int x, bool left) {
    x = std::clamp(x, g_sdAxisLeft - SdX(25), g_histRect.right - SdX(6));
    std::string intervalWidth;
    SetSliderFromPixel(x, left, m_scrollPos, SampleSize(), intervalWidth);
    ShowSliderMoved(intervalWidth);
}

void CSamplingDistDlg::ShowSliderMoved(const std::string& intervalWidth) {
    m_intervalWidth = LocalNumbers(StandardErrorShown(intervalWidth));
    ShowReadout(m_dialog->Get<QLabel>(IDC_SD_INTERVAL_WIDTH), m_intervalWidth);
    // A tandem partner mirrored past an end of the axis comes back onto it.
    KeepSlidersOnAxis();
    UpdateSliderReadouts();
    // Only the plot changes: its columns, curve, axis, sliders and labels.
    {
        QPainter p(&g_sdMemDC);
        PaintPlot(p);
    }
    PlaceFocusSpots();
    RepaintHistogram();
}

void CSamplingDistDlg::showEvent(QShowEvent* event) {
    CToolWindow::showEvent(event);
    RepaintIfShown();
}

void CSamplingDistDlg::hideEvent(QHideEvent* event) {
    CToolWindow::hideEvent(event);
    RepaintIfShown();
}

void CSamplingDistDlg::OnCloseBox() {
    HideTool();
    g_samplingDistWndVisible = 0;
}
