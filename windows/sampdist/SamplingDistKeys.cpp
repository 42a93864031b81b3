// The Dorvane window by the keyboard and in words: the spots laid over the
// columns and the two sliders, their keys, the field that opens over a
// slider's label, the hints under the pointer and the names and tooltips of
// the controls. Every key goes the road the mouse goes: a slider step is a
// drag by one pixel, a chosen sample is selected as a click selects it.
#include "windows/sampdist/SamplingDistDlg.h"

#include "core/Selection.h"
#include "core/SimulationState.h"
#include "core/Statistic.h"
#include "resources/Resource.h"
#include "ui/CoreText.h"
#include "ui/DialogTemplate.h"
#include "ui/DrawSamplesButton.h"
#include "ui/FieldText.h"
#include "ui/FocusSpot.h"
#include "ui/LocalNumbers.h"
#include "ui/SeriesFields.h"
#include "ui/ValueEditor.h"
#include "ui/WindowLinks.h"
#include "windows/sampdist/HistogramDescription.h"
#include "windows/sampdist/HistogramModel.h"
#include "windows/sampdist/SliderModel.h"
#include "windows/sampdist/StatisticTexts.h"

#include <QCoreApplication>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPushButton>
#include <QScrollBar>

namespace {

// The window's words, and the words it shares with the other windows (ui/).
QString Tr(const char* text) {
    return WindowText("Dorvane", text);
}

QString ColumnsTip() {
    return QCoreApplication::translate(
        "Dorvane", "Click a column to select one of its samples; with the keyboard, Left and Right "
                   "select the next smaller or larger mean");
}

QString SliderTip() {
    return QCoreApplication::translate("Dorvane",
                                       "Drag along the axis to count the samples beyond it") +
           Tr(kMoveByKeysTip);
}
const int kBinWidthIds[] = {IDC_SD_BIN_WIDE, IDC_SD_BIN_MEDIUM, IDC_SD_BIN_NARROW,
                            IDC_SD_BIN_FINEST};
const BinWidth kBinWidths[] = {BinWidth::Wide, BinWidth::Medium, BinWidth::Narrow,
                               BinWidth::Finest};

QString SliderName(bool left) {
    if (g_oneSlider) return QCoreApplication::translate("Dorvane", "Slider");
    return left ? QCoreApplication::translate("Dorvane", "Left slider")
                : QCoreApplication::translate("Dorvane", "Right slider");
}

} // namespace

void CSamplingDistDlg::CreateFocusSpots() {
    DialogTemplate& d = *m_dialog;
    m_columnsSpot = new CFocusSpot(this, QString(), QString(),
                                   [this](const QKeyEvent& e) { return OnColumnsKey(e); });
    m_leftSpot = new CFocusSpot(this, QString(), QString(),
                                [this](const QKeyEvent& e) { return OnSliderKey(e, true); });
    m_rightSpot = new CFocusSpot(this, QString(), QString(),
                                 [this](const QKeyEvent& e) { return OnSliderKey(e, false); });
    m_editor = new CValueEditor(this);
    DescribeControls();

    // The left panel top to bottom, then the picture.
    SetTabOrder({d.Control(IDC_SD_NORMAL_OUTLINE), d.Control(IDC_SD_POP_OUTLINE),
                 d.Control(IDC_SD_BIN_WIDE), d.Control(IDC_SD_BIN_MEDIUM),
                 d.Control(IDC_SD_BIN_NARROW), d.Control(IDC_SD_BIN_FINEST), m_sampleSizeEdit,
                 m_numSamplesEdit, m_seriesButton, d.Control(IDC_SD_SPEED_S),
                 d.Control(IDC_SD_SPEED_2), d.Control(IDC_SD_SPEED_3), d.Control(IDC_SD_SPEED_4),
                 d.Control(IDC_SD_SPEED_F), m_drawButton, m_columnsSpot, m_leftSpot, m_rightSpot,
                 m_axisScroll});
}

void CSamplingDistDlg::DescribeControls() {
    m_dialog->DescribeAll({
        {IDC_SD_DRAW_SAMPLES, QT_TRANSLATE_NOOP("Dorvane", "Draw samples"), kDrawSamplesTip},
        {IDC_SD_SERIES_MODE, QT_TRANSLATE_NOOP("Dorvane", "Series mode"), kSeriesModeTip},
        {IDC_SD_SAMPLE_SIZE, QT_TRANSLATE_NOOP("Dorvane", "Sample size"), kSampleSizeTip},
        {IDC_SD_NUM_SAMPLES, QT_TRANSLATE_NOOP("Dorvane", "Number of samples"),
         kNumberOfSamplesTip},
        {IDC_SD_NORMAL_OUTLINE, QT_TRANSLATE_NOOP("Dorvane", "Normal curve outline"),
         QT_TRANSLATE_NOOP("Dorvane",
                           "Show or hide the normal curve that the sample means follow")},
        {IDC_SD_POP_OUTLINE, QT_TRANSLATE_NOOP("Dorvane", "Population outline"),
         QT_TRANSLATE_NOOP("Dorvane", "Show or hide the population's shape over the histogram")},
        {IDC_SD_TOTAL_DRAWN, QT_TRANSLATE_NOOP("Dorvane", "Total samples drawn"), nullptr},
        {IDC_SD_MEAN_OF_MEANS, m_readoutWords = StatisticReadoutWords(false), nullptr},
        {IDC_SD_SD_OF_MEANS, StatisticReadoutWords(true), nullptr},
        {IDC_SD_MEAN_OF_SDS, QT_TRANSLATE_NOOP("Dorvane", "Mean of the sample SDs"), nullptr},
        {IDC_SD_SD_OF_SDS, QT_TRANSLATE_NOOP("Dorvane", "Standard deviation of the sample SDs"),
         nullptr},
        {IDC_SD_INTERVAL_WIDTH, QT_TRANSLATE_NOOP("Dorvane", "Standard error"), nullptr},
        {IDC_SD_ACTUAL_NUMBER, QT_TRANSLATE_NOOP("Dorvane", "Actual number counted"), nullptr},
        {IDC_SD_ACTUAL_PROPORTION, QT_TRANSLATE_NOOP("Dorvane", "Actual proportion counted"),
         nullptr},
        {IDC_SD_Z_NUMBER, QT_TRANSLATE_NOOP("Dorvane", "Number expected from the z distribution"),
         nullptr},
        {IDC_SD_Z_PROPORTION,
         QT_TRANSLATE_NOOP("Dorvane", "Proportion expected from the z distribution"), nullptr},
        {IDC_SD_T_NUMBER, QT_TRANSLATE_NOOP("Dorvane", "Number expected from the t distribution"),
         nullptr},
        {IDC_SD_T_PROPORTION,
         QT_TRANSLATE_NOOP("Dorvane", "Proportion expected from the t distribution"), nullptr},
        {IDC_SD_AXIS_SCROLL, QT_TRANSLATE_NOOP("Dorvane", "Axis scroll bar"),
         QT_TRANSLATE_NOOP("Dorvane", "Scroll along the axis")},
    });
    m_columnsSpot->setAccessibleName(
        QCoreApplication::translate("Dorvane", "Sampling distribution histogram"));
    m_columnsSpot->setToolTip(ColumnsTip());
    for (const bool left : {true, false}) {
        SliderSpot(left)->setAccessibleName(SliderName(left));
        SliderSpot(left)->setToolTip(SliderTip());
    }
}

void CSamplingDistDlg::PlaceFocusSpots() {
    ShowTheoryAvailability();
    if (!m_columnsSpot) return;
    m_columnsSpot->Place(Rect{g_sdAxisLeft, g_histRect.top, g_histRect.right, g_sdAxisY});
    const auto translate = [](const char* words) {
        return QCoreApplication::translate("Dorvane", words).toStdString();
    };
    m_columnsSpot->Describe(
        LocalNumbers(HistogramDescription(m_countedNumber, m_countedProportion, translate)));
    // Each slider with its label box, as the plot last drew them.
    m_leftSpot->Place(United(g_leftSliderRect, m_plot.SliderLabelBox(true)));
    m_rightSpot->Place(g_oneSlider ? Rect{}
                                   : United(g_rightSliderRect, m_plot.SliderLabelBox(false)));
    for (const bool left : {true, false}) {
        CFocusSpot* spot = SliderSpot(left);
        if (spot->accessibleName() != SliderName(left)) spot->setAccessibleName(SliderName(left));
        spot->Describe(LocalNumbers(SliderLabelText(left ? g_leftSliderZ : g_rightSliderZ, false)));
    }
    // The interval widths in the units of the kind shown.
    for (int i = 0; i < 4; ++i) {
        const QString width =
            LocalNumbers(QString::number(BinWidthInfoFor(kBinWidths[i]).width, 'g', 3));
        QWidget* button = Control(kBinWidthIds[i]);
        const QString name = QCoreApplication::translate("Dorvane", "Interval width %1").arg(width);
        if (button->accessibleName() != name) {
            button->setAccessibleName(name);
            button->setToolTip(
                QCoreApplication::translate("Dorvane", "Columns %1 wide").arg(width));
        }
    }
}

HoverHint CSamplingDistDlg::HoverAt(QPoint at) const {
    for (const bool left : {true, false}) {
        if (!left && g_oneSlider) continue;
        const Rect& handle = left ? g_leftSliderRect : g_rightSliderRect;
        // The keyboard's way is said where the mouse's is: the focus spot's
        // own tooltip never shows, as the window takes the pointer's events.
        if (handle.Contains(at.x(), at.y())) return {Qt::SizeHorCursor, SliderTip()};
        if (m_plot.SliderLabelBox(left).Contains(at.x(), at.y()))
            return {Qt::PointingHandCursor, Tr(kTypeValueTip) + Tr(kTypeByKeysTip)};
    }
    for (const bool leftEnd : {true, false})
        if (m_plot.OffPlotMark(leftEnd).Contains(at.x(), at.y()))
            return {Qt::ArrowCursor, LocalNumbers(m_plot.OffPlotMarkTip(leftEnd))};
    const Rect columns{g_sdAxisLeft, g_histRect.top, g_histRect.right, g_sdAxisY};
    if (g_samplesDrawn > 0 && columns.Contains(at.x(), at.y()))
        return {
            Qt::PointingHandCursor,
            QCoreApplication::translate("Dorvane", "Click a column to select one of its samples")};
    return {};
}

bool CSamplingDistDlg::OnColumnsKey(const QKeyEvent& event) {
    const int step = SampleStep(event);
    if (step == 0) return false;
    const int sample = SteppedSample(step);
    if (sample < 1) return true;
    // As a click on the sample's column: selected here, shown in the other
    // two windows, the interval graph moved to it.
    SelectSampleNo(sample);
    g_binWidthChanged = 1; // the highlight is placed anew in the columns
    BringSelectionIntoCiPage();
    Redraw();
    RepaintWindow();
    Links().SyncSamplesToSelection();
    Links().ShowCiPage();
    return true;
}

bool CSamplingDistDlg::OnSliderKey(const QKeyEvent& event, bool left) {
    if (IsEnterKey(event)) {
        OpenSliderEditor(left);
        return true;
    }
    const int step = HorizontalStep(event);
    if (step == 0) return false;
    DragSliderTo(SliderAxisPixel(left, m_scrollPos) + step, left);
    return true;
}

void CSamplingDistDlg::OpenSliderEditor(bool left) {
    if (!left && g_oneSlider) return;
    const Rect label = m_plot.SliderLabelBox(left);
    m_editor->Open(
        label.IsEmpty() ? (left ? g_leftSliderRect : g_rightSliderRect) : label,
        ToQt(SliderNumberText(left)),
        !g_oneSlider && left    ? QCoreApplication::translate("Dorvane", "Left slider value")
        : !g_oneSlider && !left ? QCoreApplication::translate("Dorvane", "Right slider value")
                                : QCoreApplication::translate("Dorvane", "Slider value"),
        [this, left](double shown) {
            std::string intervalWidth;
            SetSliderToShownNumber(shown, left, m_scrollPos, SampleSize(), intervalWidth);
            ShowSliderMoved(intervalWidth);
        },
        SliderSpot(left));
}

void CSamplingDistDlg::mouseDoubleClickEvent(QMouseEvent* event) {
    const QPoint at = event->position().toPoint();
    if (event->button() == Qt::LeftButton) {
        for (const bool left : {true, false}) {
            if (!left && g_oneSlider) continue;
            if (!m_plot.SliderLabelBox(left).Contains(at.x(), at.y())) continue;
            OpenSliderEditor(left);
            return;
        }
    }
    CToolWindow::mouseDoubleClickEvent(event);
}
