#include "windows/confint/ConfIntervalDlg.h"

#include "core/Random.h"
#include "core/SeriesControl.h"
#include "core/SimulationState.h"
#include "core/TypedNumber.h"
#include "resources/Resource.h"
#include "ui/DialogTemplate.h"
#include "ui/DrawSamplesButton.h"
#include "ui/DrawingResources.h"
#include "ui/FieldText.h"
#include "ui/FocusSpot.h"
#include "ui/MessageBox.h"
#include "ui/ScrollRequestOf.h"
#include "ui/SeriesFields.h"
#include "ui/SpeedControl.h"
#include "ui/WindowLinks.h"
#include "windows/confint/IntervalGeometry.h"
#include "windows/confint/IntervalSeries.h"
#include "windows/confint/StripGeometry.h"

#include <QCoreApplication>
#include <QFocusEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPainter>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QWheelEvent>

namespace {

constexpr QSize kDesignSize(kCiDesignWidth, kCiDesignHeight);
constexpr QSize kTemplateSize(291, 270);

} // namespace

CConfIntervalDlg::CConfIntervalDlg(QWidget* parent)
    : CToolWindow("CI", QCoreApplication::translate("ConfidenceIntervals", "Confidence Intervals"),
                  kDesignSize, parent),
      m_dialog(std::make_unique<DialogTemplate>(this, kTemplateSize, kDesignSize,
                                                "ConfidenceIntervals")) {
    setFont(MakeFont("Arial", 8.0));
    g_confIntervalWnd = this;

    // The window's own settings have their start-up values from
    // ResetSimulationState. The possible mean goes back to the middle of the
    // axis: the kind set before this window is made has moved it.
    m_region = QRegion();
    g_ciPopMean = 5.0f;
    SetConfIntervalLayout(width(), height());

    g_ciScrollPos = 1;
    g_sortByMeans = 0;
    g_ciInCount = g_ciOutCount = 0;
    g_selectedSampleNo = 1;
    g_ciFirstSample = 1;

    CreateControls();
    m_scroll->setRange(1, 1);
    m_scroll->setValue(1);
    m_sampleSize = ToQt(Links().DorvaneSampleSizeText());
    m_numSamples = ToQt(Links().DorvaneNumberOfSamplesText());
    m_confLevel = QStringLiteral("95");
    ShowFields();
    ConnectControls();
    RedrawConfIntervalWindow();
    m_speed->SyncToSpeed();
}

CConfIntervalDlg::~CConfIntervalDlg() {
    if (g_confIntervalWnd == this) g_confIntervalWnd = nullptr;
}

void CConfIntervalDlg::Retranslate() {
    // The redraw gives the frame its title (UpdateTitle).
    setWindowTitle(QCoreApplication::translate("ConfidenceIntervals", "Confidence Intervals"));
    DescribeControls();
    RedrawConfIntervalWindow();
}

void CConfIntervalDlg::CreateControls() {
    DialogTemplate& d = *m_dialog;
    d.CreateAll({
        {IDC_CI_SAMPLE_SIZE, ControlKind::Edit, "", 3, 16, 32, 12},
        {IDC_CI_NUM_SAMPLES, ControlKind::Edit, "", 49, 16, 35, 12},
        {IDC_CI_SERIES_MODE, ControlKind::PushButton, "NEW SERIES", 18, 31, 53, 12},
        {IDC_CI_CONF_LEVEL, ControlKind::Edit, "95", 5, 49, 17, 12},
        {IDC_CI_SIDES, ControlKind::PushButton, "Two Sided", 5, 66, 44, 10},
        {IDC_CI_END, ControlKind::PushButton, "High End", 55, 66, 38, 10},
        {IDC_CI_SIGMA, ControlKind::OwnerDrawn, "", 5, 78, 44, 10},
        {IDC_CI_Z_OR_T, ControlKind::PushButton, "z Value", 5, 90, 44, 13},
        {IDC_CI_CRITICAL_VALUE, ControlKind::Static, "", 55, 91, 34, 12},
        {IDC_CI_DRAW_SAMPLES, ControlKind::DrawSamples, "DRAW\nSAMPLES", 2, 118, 45, 19},
        {IDC_CI_TOTAL_DRAWN, ControlKind::Static, "", 53, 126, 36, 11},
        {IDC_CI_NUM_IN, ControlKind::Static, "", 32, 167, 28, 12},
        {IDC_CI_NUM_OUT, ControlKind::Static, "", 68, 167, 29, 12},
        {IDC_CI_PCT_IN, ControlKind::Static, "", 32, 183, 29, 12},
        {IDC_CI_PCT_OUT, ControlKind::Static, "", 68, 183, 29, 12},
        {IDC_CI_SCROLL, ControlKind::VScrollBar, "", 281, 0, 10, 228},
    });
    m_speed = new CSpeedControl(
        this, d, {IDC_CI_SPEED_S, IDC_CI_SPEED_2, IDC_CI_SPEED_3, IDC_CI_SPEED_4, IDC_CI_SPEED_F},
        {2, 11, 21, 30, 39}, 109);

    // Sort By Sample Averages: two plain radio buttons whose checks follow
    // g_sortByMeans; the window sets them, a click only asks for a flip.
    m_sortOn = new QRadioButton(QStringLiteral("ON"), this);
    m_sortOff = new QRadioButton(QStringLiteral("OFF"), this);
    m_sortOn->setGeometry(d.ToPixels(58, 203, 21, 8));
    m_sortOff->setGeometry(d.ToPixels(58, 215, 26, 8));
    for (QRadioButton* radio : {m_sortOn, m_sortOff}) {
        radio->setAutoExclusive(false);
        TakeFocusByTab(radio);
    }
    m_sortOn->setObjectName(QStringLiteral("id%1").arg(IDC_CI_SORT_ON));
    m_sortOff->setObjectName(QStringLiteral("id%1").arg(IDC_CI_SORT_OFF));

    m_drawButton = d.Get<CDrawSamplesButton>(IDC_CI_DRAW_SAMPLES);
    m_sigmaButton = d.Get<COwnerDrawButton>(IDC_CI_SIGMA);
    m_seriesButton = d.Get<QPushButton>(IDC_CI_SERIES_MODE);
    m_sidesButton = d.Get<QPushButton>(IDC_CI_SIDES);
    m_endButton = d.Get<QPushButton>(IDC_CI_END);
    m_zOrTButton = d.Get<QPushButton>(IDC_CI_Z_OR_T);
    m_sampleSizeEdit = d.Get<QLineEdit>(IDC_CI_SAMPLE_SIZE);
    m_numSamplesEdit = d.Get<QLineEdit>(IDC_CI_NUM_SAMPLES);
    m_confLevelEdit = d.Get<QLineEdit>(IDC_CI_CONF_LEVEL);
    m_scroll = d.Get<QScrollBar>(IDC_CI_SCROLL);

    for (QLineEdit* edit : {m_sampleSizeEdit, m_numSamplesEdit, m_confLevelEdit})
        edit->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    for (int id : kResultIds) {
        auto* label = d.Get<QLabel>(id);
        label->setFrameStyle(QFrame::Panel | QFrame::Sunken);
        label->setLineWidth(1);
        label->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        label->setContentsMargins(0, 0, 2, 0);
        label->setAutoFillBackground(true);
    }
    m_confLevelEdit->installEventFilter(this);
    m_scroll->setSingleStep(1);
    m_scroll->setPageStep(200);

    m_sigmaButton->SetFace(
        [this](QPainter& p, const QRect& client, bool) { DrawSigmaFace(p, client); });
    CreateFocusSpots();
}

void CConfIntervalDlg::ConnectControls() {
    connect(m_drawButton, &CDrawSamplesButton::drawSamples, this, [this] { OnDrawSamples(); });
    connect(m_seriesButton, &QAbstractButton::clicked, this, [this] { OnSeriesMode(); });
    for (int id : {IDC_CI_SIDES, IDC_CI_END, IDC_CI_SIGMA, IDC_CI_Z_OR_T})
        connect(m_dialog->Get<QAbstractButton>(id), &QAbstractButton::clicked, this,
                [this, id] { OnSetting(id); });
    for (QRadioButton* radio : {m_sortOn, m_sortOff})
        connect(radio, &QAbstractButton::clicked, this, [this] { OnSortClicked(); });
    connect(m_sampleSizeEdit, &QLineEdit::textEdited, this,
            [this](const QString& text) { OnSampleSizeEdited(text); });
    connect(m_numSamplesEdit, &QLineEdit::textEdited, this,
            [this](const QString& text) { OnNumberOfSamplesEdited(text); });
    // Enter in either field draws, as the button does.
    for (QLineEdit* edit : {m_sampleSizeEdit, m_numSamplesEdit})
        connect(edit, &QLineEdit::returnPressed, this, [this] { OnDrawSamples(); });
    // The level is taken when the field is left or Enter is pressed: a level
    // half typed ("10" on the way to "100") never redraws the intervals.
    connect(m_confLevelEdit, &QLineEdit::returnPressed, this, [this] { CommitConfLevel(); });
    // The level's text follows the typing; the level itself changes only when
    // the field is committed.
    connect(m_confLevelEdit, &QLineEdit::textEdited, this,
            [this](const QString& text) { m_confLevel = text; });
    connect(m_scroll, &QAbstractSlider::actionTriggered, this,
            [this](int action) { OnScrollAction(action); });
}

QWidget* CConfIntervalDlg::Control(int id) const {
    if (id == IDC_CI_SORT_ON) return m_sortOn;
    if (id == IDC_CI_SORT_OFF) return m_sortOff;
    return m_dialog->Control(id);
}

// --- Fields -----------------------------------------------------------------------

void CConfIntervalDlg::BringFieldsIn() {
    m_sampleSize = m_sampleSizeEdit->text();
    m_numSamples = m_numSamplesEdit->text();
    m_confLevel = m_confLevelEdit->text();
}

void CConfIntervalDlg::ShowFields() {
    ShowFieldText(m_sampleSizeEdit, m_sampleSize);
    ShowFieldText(m_numSamplesEdit, m_numSamples);
    ShowFieldText(m_confLevelEdit, m_confLevel);
    ShowResults();
}

int CConfIntervalDlg::FieldSampleSize() const {
    return ReadWholeNumber(ToStd(m_sampleSize));
}

void CConfIntervalDlg::SetSampleSizeText(const QString& text) {
    PutFieldText(m_sampleSizeEdit, m_sampleSize, text);
}

void CConfIntervalDlg::SetNumberOfSamplesText(const QString& text) {
    PutFieldText(m_numSamplesEdit, m_numSamples, text);
}

// --- Field and button handlers ----------------------------------------------------------

void CConfIntervalDlg::OnSampleSizeEdited(const QString& typed) {
    m_sampleSize = typed;
    // The Dorvane window's theoretical figures follow the sample size.
    Links().Repaint(OtherPicture::DorvaneWhole);
    SetSampleSizeText(SampleSizeEditedIn(this, SeriesWindow::ConfIntervals, typed));
    // A new sample size ends the series.
    ResetSeries();
    RedrawConfIntervalWindow();
}

void CConfIntervalDlg::OnNumberOfSamplesEdited(const QString& typed) {
    m_numSamples = typed;
    Links().Repaint(OtherPicture::DorvaneWhole);
    SetNumberOfSamplesText(NumberOfSamplesEditedIn(this, SeriesWindow::ConfIntervals, typed));
}

bool CConfIntervalDlg::CommitConfLevel() {
    if (m_checkingLevel) return false;
    // The level's text has followed the typing; it is read here, once.
    const LevelCheck check =
        CheckConfidenceLevel(ReadWholeNumberAlone(ToStd(m_confLevel)), g_ciConfLevel);
    const bool refused = !check.message.empty();
    if (refused) {
        // The message box takes the focus away from the field: no second refusal.
        m_checkingLevel = true;
        ShowMessage(this, ToQt(check.message));
        PutFieldText(m_confLevelEdit, m_confLevel, QString::number(check.level));
        m_checkingLevel = false;
    }
    if (check.level != g_ciConfLevel) {
        g_ciConfLevel = check.level;
        Recompute();
    }
    return refused;
}

bool CConfIntervalDlg::eventFilter(QObject* watched, QEvent* event) {
    if (watched == m_confLevelEdit && event->type() == QEvent::FocusOut) {
        // A menu opening keeps the field; a window going away asks nothing.
        const auto reason = static_cast<QFocusEvent*>(event)->reason();
        if (reason != Qt::PopupFocusReason && isVisible() && !QCoreApplication::closingDown())
            CommitConfLevel();
    }
    return CToolWindow::eventFilter(watched, event);
}

void CConfIntervalDlg::Recompute() {
    ComputeCriticalValue();
    UpdateCoverageCounts();
    RedrawConfIntervalWindow();
}

void CConfIntervalDlg::OnSetting(int id) {
    switch (id) {
    case IDC_CI_SIDES:
        g_ciOneSided = g_ciOneSided ? 0 : 1;
        break;
    case IDC_CI_END:
        g_ciLowEnd = g_ciLowEnd ? 0 : 1;
        break;
    case IDC_CI_SIGMA:
        g_ciSigmaKnown = g_ciSigmaKnown ? 0 : 1;
        break;
    case IDC_CI_Z_OR_T:
        g_ciUseZ = g_ciUseZ ? 0 : 1;
        break;
    default:
        return;
    }
    Recompute();
}

void CConfIntervalDlg::OnSortClicked() {
    // Either button flips the order, the checked one too; the same sample
    // stays selected.
    SetSortByMeans(g_sortByMeans ? 0 : 1);
    RedrawConfIntervalWindow();
}

void CConfIntervalDlg::OnSeriesMode() {
    SetNumberOfSamplesText(ToggleSeriesModeIn(this, SeriesWindow::ConfIntervals, m_numSamples));
    RedrawConfIntervalWindow();
    Links().Repaint(OtherPicture::SamplesWindow);
    Links().Repaint(OtherPicture::DorvaneWhole);
}

void CConfIntervalDlg::OnDrawSamples() {
    ShowDrawSamplesPressed(m_drawButton);
    WaitMilliseconds(25);
    CommitConfLevel();
    BringFieldsIn();
    const bool proceed = DrawEntryIn(this, SeriesWindow::ConfIntervals, m_numSamples, m_sampleSize);
    ShowFields();
    if (proceed) Links().DrawSamplesInDorvane();
    m_totalDrawn = QString::number(g_samplesDrawn);
    ShowResults();
    EndDrawSamplesPressed(m_drawButton);
}

void CConfIntervalDlg::OnScrollAction(int action) {
    const ScrollRequest request = ScrollRequestOf(action);
    // Qt has moved the slider by its own rule already; the window's rule
    // decides where it stays.
    const int position = ScrollCiGraph(request, m_scroll->sliderPosition());
    m_scroll->setSliderPosition(position);
    RedrawPage();
}

// --- Mouse and window events -------------------------------------------------------------

void CConfIntervalDlg::mousePressEvent(QMouseEvent* event) {
    MarkActive();
    g_ciDragging = 0;
    if (event->button() == Qt::LeftButton) {
        const QPoint at = event->position().toPoint();
        if (g_possibleMu && m_region.contains(at)) {
            g_ciDragLastX = at.x();
            g_ciDragging = 1;
        }
        if (g_ciGraphRect.Contains(at.x(), at.y())) {
            // The keys go where the student clicked: Up and Down then step
            // through the samples from the one clicked.
            m_graphSpot->setFocus(Qt::MouseFocusReason);
            SelectRowAt(at.y());
            ShowRowSelected();
        }
    }
    CToolWindow::mousePressEvent(event);
}

void CConfIntervalDlg::ShowRowSelected() {
    // The other two windows show the same selection, or none.
    Links().MarkSelectionInDorvane();
    if (g_sampleSelected) Links().SyncSamplesToSelection();
    RedrawConfIntervalWindow();
    Links().Repaint(OtherPicture::DorvaneHistogram);
    Links().Repaint(OtherPicture::SamplesWindow);
}

void CConfIntervalDlg::mouseMoveEvent(QMouseEvent* event) {
    if (g_ciDragging && LeftButtonAlone(event)) {
        DragPossibleMuTo(event->position().toPoint().x());
        RedrawConfIntervalWindow();
    }
    CToolWindow::mouseMoveEvent(event);
}

void CConfIntervalDlg::wheelEvent(QWheelEvent* event) {
    // The wheel over the graph turns its scroll bar, by the bar's own steps.
    const QPoint at = event->position().toPoint();
    if (g_ciGraphRect.Contains(at.x(), at.y()) && m_scroll->isEnabled()) {
        QCoreApplication::sendEvent(m_scroll, event);
        event->accept();
        return;
    }
    CToolWindow::wheelEvent(event);
}

void CConfIntervalDlg::OnCloseBox() {
    HideTool();
    g_confIntervalWndVisible = 0;
}
