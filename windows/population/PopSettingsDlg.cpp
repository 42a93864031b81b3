#include "windows/population/PopSettingsDlg.h"

#include "core/Messages.h"
#include "core/Population.h"
#include "core/SimulationState.h"
#include "core/TypedNumber.h"
#include "resources/Resource.h"
#include "ui/DialogTemplate.h"
#include "ui/DrawingResources.h"
#include "ui/LocalNumbers.h"
#include "ui/MessageBox.h"
#include "ui/WindowLinks.h"
#include "windows/population/PopulationDlg.h"
#include "windows/population/PopulationPicture.h"

#include <QCoreApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPaintEvent>
#include <QPainter>
#include <QPushButton>
#include <charconv>
#include <cmath>
#include <string>

namespace {

constexpr int kDesignWidth = 280;
constexpr int kDesignHeight = 136;
constexpr int kPopulationDesignWidth = 300;
// Every mean from -1,000,000 to 1,000,000 with any SD up to 1,000,000 is
// shown whole in every window; beyond that the numbers are refused.
constexpr double kLargestSetting = 1.0e6;

enum class Parse { Number, NotANumber, TooLarge };

// A decimal number after leading blanks, as the C conversion reads it (an
// empty field is 0, text after the number is ignored), except that text with
// no number at all, infinities and NaN are refused instead of read as 0.
Parse ParseSetting(const QString& text, double& value) {
    const std::string s = WithDecimalPoint(text.toStdString());
    const char* first = s.data();
    const char* last = s.data() + s.size();
    while (first != last && (*first == ' ' || *first == '\t'))
        ++first;
    if (first == last) {
        value = 0.0;
        return Parse::Number;
    }
    if (*first == '+' && last - first > 1 && first[1] != '-') ++first;
    const auto [end, error] = std::from_chars(first, last, value);
    if (error == std::errc::result_out_of_range) {
        // Out of a double's range either way: too large, or so small that it
        // is 0 (1e-400).
        long double wide = 0;
        std::from_chars(first, last, wide);
        if (std::fabs(wide) < 1.0L) {
            value = 0.0;
            return Parse::Number;
        }
        return Parse::TooLarge;
    }
    if (error != std::errc() || end == first || !std::isfinite(value)) return Parse::NotANumber;
    if (std::fabs(value) > kLargestSetting) return Parse::TooLarge;
    return Parse::Number;
}

// The population window's width, which the labels must fit.
int PopulationWindowWidth() {
    return g_populationWnd ? g_populationWnd->width() : Px(g_scaleX, kPopulationDesignWidth);
}

} // namespace

CPopSettingsDlg::CPopSettingsDlg(QWidget* parent)
    : CToolWindow("CONT_SETTINGS",
                  QCoreApplication::translate("PopulationSettings", "Population Settings"),
                  QSize(kDesignWidth, kDesignHeight), parent) {
    g_popSettingsWnd = this;
    setFont(MakeFont("Arial", 8.0));
    m_dialog = std::make_unique<DialogTemplate>(
        this, QSize(140, 68), QSize(kDesignWidth, kDesignHeight), "PopulationSettings");
    m_dialog->CreateAll({
        {IDC_SETTINGS_MEAN_LABEL, ControlKind::Static,
         QT_TRANSLATE_NOOP("PopulationSettings", "Set the population mean to"), 7, 13, 84, 8},
        {IDC_SETTINGS_MEAN, ControlKind::Edit, "", 93, 7, 40, 14},
        {IDC_SETTINGS_SD_LABEL, ControlKind::Static,
         QT_TRANSLATE_NOOP("PopulationSettings", "Set the standard deviation"), 7, 30, 81, 8},
        {IDC_SETTINGS_SD, ControlKind::Edit, "", 93, 26, 40, 14},
        {IDC_SETTINGS_DEFAULT, ControlKind::PushButton,
         QT_TRANSLATE_NOOP("PopulationSettings", "DEFAULT"), 7, 47, 40, 14},
        {IDC_SETTINGS_CANCEL, ControlKind::PushButton,
         QT_TRANSLATE_NOOP("PopulationSettings", "CANCEL"), 52, 47, 36, 14},
        {IDC_SETTINGS_SET, ControlKind::PushButton, QT_TRANSLATE_NOOP("PopulationSettings", "SET"),
         96, 47, 37, 14},
    });
    m_dialog->DescribeAll({
        {IDC_SETTINGS_MEAN, QT_TRANSLATE_NOOP("PopulationSettings", "Population mean to show"),
         QT_TRANSLATE_NOOP("PopulationSettings",
                           "The mean the population is to show; Enter sets it")},
        {IDC_SETTINGS_SD, QT_TRANSLATE_NOOP("PopulationSettings", "Standard deviation to show"),
         QT_TRANSLATE_NOOP("PopulationSettings",
                           "The standard deviation the population is to show; Enter sets it")},
        {IDC_SETTINGS_DEFAULT, QT_TRANSLATE_NOOP("PopulationSettings", "Default"),
         QT_TRANSLATE_NOOP("PopulationSettings",
                           "Back to the mean and standard deviation of the shape as drawn")},
        {IDC_SETTINGS_CANCEL, QT_TRANSLATE_NOOP("PopulationSettings", "Cancel"),
         QT_TRANSLATE_NOOP("PopulationSettings", "Put back the values in force (Esc)")},
        {IDC_SETTINGS_SET, QT_TRANSLATE_NOOP("PopulationSettings", "Set"),
         QT_TRANSLATE_NOOP("PopulationSettings",
                           "Show the population with this mean and standard deviation (Enter)")},
    });
    SetTabOrder({MeanField(), SdField(), Button(IDC_SETTINGS_DEFAULT), Button(IDC_SETTINGS_CANCEL),
                 Button(IDC_SETTINGS_SET)});
    m_dialog->Get<QLabel>(IDC_SETTINGS_MEAN_LABEL)->setBuddy(MeanField());
    m_dialog->Get<QLabel>(IDC_SETTINGS_SD_LABEL)->setBuddy(SdField());
    connect(Button(IDC_SETTINGS_SET), &QPushButton::clicked, this, [this] { OnSet(); });
    connect(Button(IDC_SETTINGS_DEFAULT), &QPushButton::clicked, this, [this] { OnDefault(); });
    connect(Button(IDC_SETTINGS_CANCEL), &QPushButton::clicked, this, [this] { OnCancel(); });
}

CPopSettingsDlg::~CPopSettingsDlg() {
    if (g_popSettingsWnd == this) g_popSettingsWnd = nullptr;
}

QLineEdit* CPopSettingsDlg::MeanField() const {
    return m_dialog->Get<QLineEdit>(IDC_SETTINGS_MEAN);
}
QLineEdit* CPopSettingsDlg::SdField() const {
    return m_dialog->Get<QLineEdit>(IDC_SETTINGS_SD);
}
QPushButton* CPopSettingsDlg::Button(int id) const {
    return m_dialog->Get<QPushButton>(id);
}

void CPopSettingsDlg::Retranslate() {
    setWindowTitle(QCoreApplication::translate("PopulationSettings", "Population Settings"));
    m_dialog->Retranslate();
    // The numbers in the fields take the language's decimal separator.
    m_meanText = LocalNumbers(WithDecimalPoint(m_meanText.toStdString()));
    m_sdText = LocalNumbers(WithDecimalPoint(m_sdText.toStdString()));
    PushTexts();
}

void CPopSettingsDlg::paintEvent(QPaintEvent* event) {
    // A plain dialog ground: nothing of its own is drawn here.
    QPainter p(this);
    p.fillRect(event->rect(), palette().window());
}

void CPopSettingsDlg::keyPressEvent(QKeyEvent* event) {
    // As in a dialog box: Enter sets (a focused button takes its own Enter
    // first), Esc cancels and closes it.
    const bool plain = !(event->modifiers() & ~Qt::KeypadModifier);
    if (plain && (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter)) {
        OnSet();
        return;
    }
    if (plain && event->key() == Qt::Key_Escape) {
        OnCancel();
        HideTool();
        return;
    }
    CToolWindow::keyPressEvent(event);
}

void CPopSettingsDlg::SetFieldTexts(const QString& mean, const QString& sd) {
    // The population's own figures come with a decimal point.
    m_meanText = LocalNumbers(mean);
    m_sdText = LocalNumbers(sd);
    PushTexts();
}

void CPopSettingsDlg::PushTexts() {
    MeanField()->setText(m_meanText);
    SdField()->setText(m_sdText);
}

void CPopSettingsDlg::OnSet() {
    m_meanText = MeanField()->text();
    m_sdText = SdField()->text();
    double mean = 0.0, sd = 0.0;
    const Parse meanParse = ParseSetting(m_meanText, mean);
    const Parse sdParse = ParseSetting(m_sdText, sd);
    if (meanParse == Parse::NotANumber || sdParse == Parse::NotANumber) {
        ShowMessage(this, QString::fromUtf8(kMsgSettingsNotNumbers));
        return;
    }
    if (sdParse == Parse::Number && sd < 0.0) {
        ShowMessage(this, QString::fromUtf8(kMsgNegativeSD));
        return;
    }
    // With no spread there is nothing to scale: the transform stays as it is.
    if (g_popSD == 0.0f) {
        ShowMessage(this, QString::fromUtf8(kMsgNoSpread));
        return;
    }
    if (meanParse == Parse::TooLarge || sdParse == Parse::TooLarge) {
        ShowMessage(this, QString::fromUtf8(kMsgSettingsTooLarge));
        return;
    }
    // Tried on the picture first: numbers whose axis or parameter labels
    // would not fit the Population window are refused, the transform kept.
    const float before[] = {g_dispToMean, g_dispFromMean,    g_dispShift,
                            g_dispScale,  g_leftSliderValue, g_rightSliderValue};
    const bool set = SetDisplayTarget(static_cast<float>(mean), static_cast<float>(sd));
    if (!set || !PictureLabelsFit(PopulationWindowWidth())) {
        g_dispToMean = before[0];
        g_dispFromMean = before[1];
        g_dispShift = before[2];
        g_dispScale = before[3];
        g_leftSliderValue = before[4];
        g_rightSliderValue = before[5];
        ShowMessage(this, QString::fromUtf8(kMsgSettingsTooLarge));
        return;
    }
    RefreshWindows();
}

void CPopSettingsDlg::OnDefault() {
    ResetDisplayTransform();
    m_meanText = ShownText(g_popMean, 2);
    m_sdText = ShownText(g_popSD, 3);
    PushTexts();
    RefreshWindows();
}

void CPopSettingsDlg::OnCancel() {
    m_meanText = ShownText(ShownValue(g_popMean), 2);
    m_sdText = ShownText(static_cast<double>(g_popSD) * g_dispScale, 3);
    PushTexts();
    RefreshWindows();
}

void CPopSettingsDlg::RefreshWindows() {
    Links().Repaint(OtherPicture::Population);
    if (g_samplingDistWndVisible) Links().Repaint(OtherPicture::DorvaneWhole);
    // Hidden windows too: their shown values must follow the transform.
    Links().Repaint(OtherPicture::ConfIntervalsWindow);
    Links().Repaint(OtherPicture::SamplesWindow);
}
