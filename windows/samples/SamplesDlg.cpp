#include "windows/samples/SamplesDlg.h"

#include "core/SamplingEngine.h"
#include "core/Selection.h"
#include "core/SeriesControl.h"
#include "core/SimulationState.h"
#include "resources/Resource.h"
#include "ui/DialogTemplate.h"
#include "ui/DrawSamplesButton.h"
#include "ui/DrawingResources.h"
#include "ui/FieldText.h"
#include "ui/MessageBox.h"
#include "ui/RepaintNow.h"
#include "ui/ScrollRequestOf.h"
#include "ui/SeriesFields.h"
#include "ui/SpeedControl.h"
#include "ui/WindowLinks.h"
#include "windows/samples/SamplesModel.h"

#include <QCoreApplication>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPushButton>
#include <QScrollBar>

namespace {

constexpr QSize kDesignSize(kSamplesDesignWidth, kSamplesDesignHeight);
constexpr QSize kTemplateSize(160, 201);

} // namespace

CSamplesDlg::CSamplesDlg(QWidget* parent)
    : CToolWindow("SAMPLE", QCoreApplication::translate("Samples", "Samples"), kDesignSize, parent),
      m_dialog(std::make_unique<DialogTemplate>(this, kTemplateSize, kDesignSize, "Samples")) {
    setFont(MakeFont("Arial", 8.0));
    g_samplesWnd = this;

    SetSamplesLayout(width(), height());
    CreateControls();
    CreateFocusSpots();
    m_scroll->setRange(1, 1);
    m_scroll->setValue(1);
    m_sampleSize = ToQt(Links().DorvaneSampleSizeText());
    m_numSamples = ToQt(Links().DorvaneNumberOfSamplesText());
    ShowFields();
    ConnectControls();
    RedrawSamplesWindow();
}

CSamplesDlg::~CSamplesDlg() {
    if (g_samplesWnd == this) g_samplesWnd = nullptr;
}

void CSamplesDlg::Retranslate() {
    const QString title = QCoreApplication::translate("Samples", "Samples");
    setWindowTitle(title);
    if (Frame()) Frame()->setWindowTitle(title);
    DescribeControls();
    RedrawSamplesWindow();
}

void CSamplesDlg::CreateControls() {
    DialogTemplate& d = *m_dialog;
    d.CreateAll({
        {IDC_SAMPLES_DRAW_SAMPLES, ControlKind::DrawSamples, "DRAW\nSAMPLES", 114, 181, 45, 20},
        {IDC_SAMPLES_SERIES_MODE, ControlKind::PushButton, "ADD\nMORE", 18, 181, 34, 19},
        {IDC_SAMPLES_VIEW_TOGGLE, ControlKind::OwnerDrawn, "", 2, 181, 14, 19},
        {IDC_SAMPLES_SAMPLE_SIZE, ControlKind::Edit, "", 55, 188, 22, 12},
        {IDC_SAMPLES_NUM_SAMPLES, ControlKind::Edit, "", 81, 188, 27, 12},
        {IDC_SAMPLES_SCROLL, ControlKind::VScrollBar, "", 150, 0, 10, 171},
    });
    m_speed = new CSpeedControl(this, d,
                                {IDC_SAMPLES_SPEED_S, IDC_SAMPLES_SPEED_2, IDC_SAMPLES_SPEED_3,
                                 IDC_SAMPLES_SPEED_4, IDC_SAMPLES_SPEED_F},
                                {114, 124, 133, 142, 151}, 172);

    m_drawButton = d.Get<CDrawSamplesButton>(IDC_SAMPLES_DRAW_SAMPLES);
    m_viewButton = d.Get<COwnerDrawButton>(IDC_SAMPLES_VIEW_TOGGLE);
    m_seriesButton = d.Get<QPushButton>(IDC_SAMPLES_SERIES_MODE);
    m_sampleSizeEdit = d.Get<QLineEdit>(IDC_SAMPLES_SAMPLE_SIZE);
    m_numSamplesEdit = d.Get<QLineEdit>(IDC_SAMPLES_NUM_SAMPLES);
    m_scroll = d.Get<QScrollBar>(IDC_SAMPLES_SCROLL);

    for (QLineEdit* edit : {m_sampleSizeEdit, m_numSamplesEdit})
        edit->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    m_scroll->setSingleStep(1);
    m_scroll->setPageStep(1);

    m_viewButton->SetFace(
        [this](QPainter& p, const QRect& client, bool) { DrawViewToggleFace(p, client); });
}

void CSamplesDlg::ConnectControls() {
    connect(m_drawButton, &CDrawSamplesButton::drawSamples, this, [this] { OnDrawSamples(); });
    connect(m_seriesButton, &QAbstractButton::clicked, this, [this] { OnSeriesMode(); });
    connect(m_viewButton, &QAbstractButton::clicked, this, [this] { OnViewToggle(); });
    connect(m_sampleSizeEdit, &QLineEdit::textEdited, this,
            [this](const QString& text) { OnSampleSizeEdited(text); });
    connect(m_numSamplesEdit, &QLineEdit::textEdited, this,
            [this](const QString& text) { OnNumberOfSamplesEdited(text); });
    // Enter in either field draws, as the button does.
    for (QLineEdit* edit : {m_sampleSizeEdit, m_numSamplesEdit})
        connect(edit, &QLineEdit::returnPressed, this, [this] { OnDrawSamples(); });
    connect(m_scroll, &QAbstractSlider::actionTriggered, this,
            [this](int action) { OnScrollAction(action); });
}

QWidget* CSamplesDlg::Control(int id) const {
    return m_dialog->Control(id);
}

// --- Fields --------------------------------------------------------------------------

void CSamplesDlg::BringFieldsIn() {
    m_sampleSize = m_sampleSizeEdit->text();
    m_numSamples = m_numSamplesEdit->text();
}

void CSamplesDlg::ShowFields() {
    ShowFieldText(m_sampleSizeEdit, m_sampleSize);
    ShowFieldText(m_numSamplesEdit, m_numSamples);
}

int CSamplesDlg::FieldSampleSize() const {
    return ReadWholeNumber(ToStd(m_sampleSize));
}

void CSamplesDlg::SetSampleSizeText(const QString& text) {
    PutFieldText(m_sampleSizeEdit, m_sampleSize, text);
}

void CSamplesDlg::SetNumberOfSamplesText(const QString& text) {
    PutFieldText(m_numSamplesEdit, m_numSamples, text);
}

// --- Buttons and fields -----------------------------------------------------------------

void CSamplesDlg::OnDrawSamples() {
    ShowDrawSamplesPressed(m_drawButton);
    WaitMilliseconds(25);
    BringFieldsIn();
    const bool proceed = DrawEntryIn(this, SeriesWindow::Samples, m_numSamples, m_sampleSize);
    ShowFields();
    if (proceed) {
        Links().DrawSamplesInDorvane();
        Links().Repaint(OtherPicture::DorvaneHistogram);
    }
    EndDrawSamplesPressed(m_drawButton);
}

void CSamplesDlg::OnSeriesMode() {
    SetNumberOfSamplesText(ToggleSeriesModeIn(this, SeriesWindow::Samples, m_numSamples));
    // Only the button's caption changed here.
    g_samplesStripOnly = 1;
    RedrawSamplesWindow();
    Links().Repaint(OtherPicture::ConfIntervalsWindow);
    if (g_samplingDistWndVisible) Links().Repaint(OtherPicture::DorvaneWhole);
}

void CSamplesDlg::OnViewToggle() {
    g_samplesHistogramView = g_samplesHistogramView ? 0 : 1;
    m_viewButton->update();
    RedrawSamplesWindow();
}

void CSamplesDlg::OnSampleSizeEdited(const QString& typed) {
    m_sampleSize = typed;
    // The Dorvane window's panel follows first (only while it is shown).
    Links().Repaint(OtherPicture::DorvaneWhole);
    SetSampleSizeText(SampleSizeEditedIn(this, SeriesWindow::Samples, typed));
    // A new sample size ends the series; ResetSeries redraws this window.
    ResetSeries();
    Links().Repaint(OtherPicture::ConfIntervalsWindow);
}

void CSamplesDlg::OnNumberOfSamplesEdited(const QString& typed) {
    m_numSamples = typed;
    SetNumberOfSamplesText(NumberOfSamplesEditedIn(this, SeriesWindow::Samples, typed));
    // After the copy, so the Dorvane window's preview shows the number just typed.
    if (g_samplingDistWndVisible) {
        Links().Repaint(OtherPicture::DorvaneWhole);
        Links().Repaint(OtherPicture::Population);
    }
}

void CSamplesDlg::OnScrollAction(int action) {
    // The slider has already moved by Qt's own step; the window's rule
    // decides where it stays.
    const int position = ScrollSamples(ScrollRequestOf(action), m_scroll->sliderPosition());
    m_scroll->setSliderPosition(position);
    RedrawSamplesWindow();
}

void CSamplesDlg::SetScrollBar(int maxSample, int position) {
    // At speed F a run shows nothing per sample, so the bar takes only the
    // run's last sample; 10,000 repaints of it would cost more than the run.
    const bool quietRun = g_runInProgress && g_speed <= 1;
    if (quietRun && maxSample < g_seriesTargetCount) return;
    const SamplesScrollBar bar = SamplesScrollBarFor(maxSample, position);
    m_scroll->setRange(1, bar.maximum);
    m_scroll->setValue(bar.position);
    // While an animated run holds the only thread the bar shows its new place
    // only if painted now; otherwise the window's repaint takes it along.
    if (g_runInProgress && !quietRun) RepaintNow(m_scroll);
}

void CSamplesDlg::SyncToSelection() {
    m_scroll->setValue(::SyncToSelection());
}

// --- Mouse and window events ------------------------------------------------------------

void CSamplesDlg::mousePressEvent(QMouseEvent* event) {
    MarkActive();
    if (event->button() == Qt::LeftButton) {
        g_draggingLowerLimit = g_draggingUpperLimit = 0;
        const QPoint at = event->position().toPoint();
        SelectSampleAt(at.x(), at.y());
        // The limits can be grabbed only where they are drawn.
        if (LimitsShown()) {
            if (g_lowerLimitRect.Contains(at.x(), at.y())) g_draggingLowerLimit = 1;
            if (g_upperLimitRect.Contains(at.x(), at.y())) g_draggingUpperLimit = 1;
        }
    }
    CToolWindow::mousePressEvent(event);
}

void CSamplesDlg::SelectSampleAt(int x, int y) {
    const int sample = SampleAtPoint(x, y, width());
    if (sample < 1) return; // a press beside the samples leaves the selection alone
    SelectShownSample(sample);
}

void CSamplesDlg::SelectShownSample(int sample) {
    SelectSampleNo(sample);
    RedrawSamplesWindow();
    Links().MarkSelectionInDorvane();
    BringSelectionIntoCiPage();
    Links().ShowCiPage();
}

void CSamplesDlg::mouseMoveEvent(QMouseEvent* event) {
    if (LeftButtonAlone(event) && (g_draggingLowerLimit || g_draggingUpperLimit)) {
        const int x = event->position().toPoint().x();
        if (g_draggingLowerLimit) DragLowerLimitTo(x);
        if (g_draggingUpperLimit) DragUpperLimitTo(x);
        RedrawSamplesWindow();
    }
    CToolWindow::mouseMoveEvent(event);
}

void CSamplesDlg::showEvent(QShowEvent* event) {
    CToolWindow::showEvent(event);
    // Hidden, the window followed no series; shown, it shows the current one.
    RedrawSamplesWindow();
}

void CSamplesDlg::OnCloseBox() {
    HideTool();
    g_samplesWndVisible = 0;
}
