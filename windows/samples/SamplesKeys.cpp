// The Samples window by the keyboard and in words: the spots laid over the
// picture and the two limits, their keys, the field that opens over a
// limit's label, the hints under the pointer and the names and tooltips of
// the controls. Every key goes the road the mouse goes: a limit step is a
// drag by one pixel, the scroll keys are the scroll bar's steps, Space
// selects the sample as a click on it does.
#include "windows/samples/SamplesDlg.h"

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
#include "windows/samples/SamplesModel.h"

#include <QCoreApplication>
#include <QFontMetrics>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPushButton>
#include <QScrollBar>

namespace {

// The window's words, and the words it shares with the other windows (ui/).
QString Tr(const char* text) {
    return WindowText("Samples", text);
}

QString PictureTip() {
    return QCoreApplication::translate(
        "Samples",
        "Click the sample to select it in every window; with the keyboard, the arrow keys, Page Up "
        "and Page Down go through the samples and Space selects the one shown");
}

QString LimitTip() {
    return QCoreApplication::translate("Samples", "Drag to move the limit") + Tr(kMoveByKeysTip);
}

QString LimitName(bool lower) {
    return lower ? QCoreApplication::translate("Samples", "Lower limit")
                 : QCoreApplication::translate("Samples", "Upper limit");
}

} // namespace

void CSamplesDlg::CreateFocusSpots() {
    DialogTemplate& d = *m_dialog;
    m_pictureSpot = new CFocusSpot(this, QString(), QString(),
                                   [this](const QKeyEvent& e) { return OnPictureKey(e); });
    m_lowerSpot = new CFocusSpot(this, QString(), QString(),
                                 [this](const QKeyEvent& e) { return OnLimitKey(e, true); });
    m_upperSpot = new CFocusSpot(this, QString(), QString(),
                                 [this](const QKeyEvent& e) { return OnLimitKey(e, false); });
    m_editor = new CValueEditor(this);
    DescribeControls();

    // The picture with its limits and scroll bar, then the strip left to right.
    SetTabOrder({m_pictureSpot, m_lowerSpot, m_upperSpot, m_scroll, m_viewButton, m_seriesButton,
                 m_sampleSizeEdit, m_numSamplesEdit, d.Control(IDC_SAMPLES_SPEED_S),
                 d.Control(IDC_SAMPLES_SPEED_2), d.Control(IDC_SAMPLES_SPEED_3),
                 d.Control(IDC_SAMPLES_SPEED_4), d.Control(IDC_SAMPLES_SPEED_F), m_drawButton});
}

void CSamplesDlg::DescribeControls() {
    m_dialog->DescribeAll({
        {IDC_SAMPLES_DRAW_SAMPLES, QT_TRANSLATE_NOOP("Samples", "Draw samples"), kDrawSamplesTip},
        {IDC_SAMPLES_SERIES_MODE, QT_TRANSLATE_NOOP("Samples", "Series mode"), kSeriesModeTip},
        {IDC_SAMPLES_VIEW_TOGGLE, QT_TRANSLATE_NOOP("Samples", "View"),
         QT_TRANSLATE_NOOP("Samples",
                           "Switch between one sample as a histogram and six samples in a grid")},
        {IDC_SAMPLES_SAMPLE_SIZE, QT_TRANSLATE_NOOP("Samples", "Sample size"), kSampleSizeTip},
        {IDC_SAMPLES_NUM_SAMPLES, QT_TRANSLATE_NOOP("Samples", "Number of samples"),
         kNumberOfSamplesTip},
        {IDC_SAMPLES_SCROLL, QT_TRANSLATE_NOOP("Samples", "Samples scroll bar"),
         QT_TRANSLATE_NOOP("Samples", "Go through the samples of the series")},
    });
    m_pictureSpot->setAccessibleName(QCoreApplication::translate("Samples", "Samples picture"));
    m_pictureSpot->setToolTip(PictureTip());
    for (const bool lower : {true, false}) {
        LimitSpot(lower)->setAccessibleName(LimitName(lower));
        LimitSpot(lower)->setToolTip(LimitTip());
    }
}

Rect CSamplesDlg::LimitLabelRect(bool lower) const {
    const QFontMetrics metrics(g_fontArial7_5);
    const QString text = LocalNumbers(lower ? LowerLimitText() : UpperLimitText());
    const int width = metrics.horizontalAdvance(text), height = metrics.height();
    return lower ? LowerLimitLabelRect(width, height) : UpperLimitLabelRect(width, height);
}

void CSamplesDlg::PlaceFocusSpots() {
    if (!m_pictureSpot) return;
    m_pictureSpot->Place(SamplesGraphArea(width()));
    const auto translate = [](const char* words) {
        return QCoreApplication::translate("Samples", words).toStdString();
    };
    m_pictureSpot->Describe(LocalNumbers(SamplesPictureDescription(FieldSampleSize(), translate)));
    const bool shown = LimitsShown();
    m_lowerSpot->Place(shown ? United(g_lowerLimitRect, LimitLabelRect(true)) : Rect{});
    m_upperSpot->Place(shown ? United(g_upperLimitRect, LimitLabelRect(false)) : Rect{});
    m_lowerSpot->Describe(LocalNumbers(LowerLimitText()));
    m_upperSpot->Describe(LocalNumbers(UpperLimitText()));
}

HoverHint CSamplesDlg::HoverAt(QPoint at) const {
    if (LimitsShown()) {
        for (const bool lower : {true, false}) {
            const Rect& marker = lower ? g_lowerLimitRect : g_upperLimitRect;
            // The keyboard's way too: the focus spot's tip never shows.
            if (marker.Contains(at.x(), at.y())) return {Qt::SizeHorCursor, LimitTip()};
            if (LimitLabelRect(lower).Contains(at.x(), at.y()))
                return {Qt::PointingHandCursor, Tr(kTypeValueTip) + Tr(kTypeByKeysTip)};
        }
    }
    if (SampleAtPoint(at.x(), at.y(), width()) >= 1)
        return {Qt::PointingHandCursor,
                QCoreApplication::translate("Samples", "Click to select this sample")};
    return {};
}

bool CSamplesDlg::OnPictureKey(const QKeyEvent& event) {
    if (event.modifiers() & ~Qt::KeypadModifier) return false;
    if (event.key() == Qt::Key_Space || IsEnterKey(event)) {
        const int drawn = std::min(g_samplesDrawn, kMaxSamples);
        if (drawn >= 1) SelectShownSample(std::clamp(g_currentSampleNo, 1, drawn));
        return true;
    }
    // The scroll bar's own steps, and its ends.
    ScrollRequest request = ScrollRequest::Other;
    int thumb = m_scroll->value();
    switch (event.key()) {
    case Qt::Key_Left:
    case Qt::Key_Up:
        request = ScrollRequest::LineBack;
        break;
    case Qt::Key_Right:
    case Qt::Key_Down:
        request = ScrollRequest::LineForward;
        break;
    case Qt::Key_PageUp:
        request = ScrollRequest::PageBack;
        break;
    case Qt::Key_PageDown:
        request = ScrollRequest::PageForward;
        break;
    case Qt::Key_Home:
        request = ScrollRequest::Thumb, thumb = 1;
        break;
    case Qt::Key_End:
        request = ScrollRequest::Thumb, thumb = std::max(1, g_samplesDrawn);
        break;
    default:
        return false;
    }
    m_scroll->setValue(ScrollSamples(request, thumb));
    RedrawSamplesWindow();
    return true;
}

bool CSamplesDlg::OnLimitKey(const QKeyEvent& event, bool lower) {
    if (IsEnterKey(event)) {
        OpenLimitEditor(lower);
        return true;
    }
    const int step = HorizontalStep(event);
    if (step == 0) return false;
    if (lower)
        DragLowerLimitTo(LowerLimitPixel() + step);
    else
        DragUpperLimitTo(UpperLimitPixel() + step);
    RedrawSamplesWindow();
    return true;
}

void CSamplesDlg::OpenLimitEditor(bool lower) {
    if (!LimitsShown()) return;
    const QString text = ToQt(lower ? LowerLimitText() : UpperLimitText());
    m_editor->Open(
        LimitLabelRect(lower), text,
        lower ? QCoreApplication::translate("Samples", "Lower limit value")
              : QCoreApplication::translate("Samples", "Upper limit value"),
        [this, lower](double shown) {
            if (lower)
                SetLowerLimitToShown(shown);
            else
                SetUpperLimitToShown(shown);
            RedrawSamplesWindow();
        },
        LimitSpot(lower));
}

void CSamplesDlg::mouseDoubleClickEvent(QMouseEvent* event) {
    const QPoint at = event->position().toPoint();
    if (event->button() == Qt::LeftButton && LimitsShown()) {
        for (const bool lower : {true, false}) {
            if (!LimitLabelRect(lower).Contains(at.x(), at.y())) continue;
            OpenLimitEditor(lower);
            return;
        }
    }
    CToolWindow::mouseDoubleClickEvent(event);
}
