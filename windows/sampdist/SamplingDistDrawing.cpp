// The Dorvane window's fields in and out, its drawing and the operations the
// engine and the shell call. The window's own file builds the controls and
// handles what the student does; it calls in here, never the other way.
#include "windows/sampdist/SamplingDistDlg.h"

#include "core/SamplingEngine.h"
#include "core/SeriesControl.h"
#include "core/SimulationState.h"
#include "resources/Resource.h"
#include "ui/CoreText.h"
#include "ui/DialogTemplate.h"
#include "ui/DrawingResources.h"
#include "ui/FieldText.h"
#include "ui/Gdi.h"
#include "ui/LocalNumbers.h"
#include "ui/RepaintNow.h"
#include "ui/WindowLinks.h"
#include "windows/sampdist/HistogramModel.h"
#include "windows/sampdist/SamplingDistPanel.h"
#include "windows/sampdist/SliderModel.h"
#include "windows/sampdist/StatisticTexts.h"

#include <QActionGroup>
#include <QCoreApplication>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPaintEvent>
#include <QPainter>
#include <QPushButton>

QWidget* CSamplingDistDlg::Control(int id) const {
    return m_dialog->Control(id);
}

// --- Fields -------------------------------------------------------------------

void CSamplingDistDlg::BringFieldsIn() {
    m_sampleSize = m_sampleSizeEdit->text();
    m_numSamples = m_numSamplesEdit->text();
}

void CSamplingDistDlg::ShowFields() {
    // Only changed texts are written, so a field being typed in keeps its cursor.
    auto put = [](QLineEdit* edit, const QString& text) {
        if (edit->text() != text) edit->setText(text);
    };
    put(m_sampleSizeEdit, m_sampleSize);
    put(m_numSamplesEdit, m_numSamples);
    const QString* texts[] = {&m_totalDrawn, &m_meanOfMeans,   &m_meanOfSDs,    &m_sdOfMeans,
                              &m_sdOfSDs,    &m_intervalWidth, &m_actualNumber, &m_actualProportion,
                              &m_zNumber,    &m_zProportion,   &m_tNumber,      &m_tProportion};
    for (std::size_t i = 0; i < std::size(kReadoutIds); ++i)
        ShowReadout(m_dialog->Get<QLabel>(kReadoutIds[i]), *texts[i]);
}

void CSamplingDistDlg::SetSampleSizeText(const QString& text) {
    m_sampleSize = text;
    ShowFields();
}

void CSamplingDistDlg::SetNumberOfSamplesText(const QString& text) {
    m_numSamples = text;
    ShowFields();
}

int CSamplingDistDlg::SampleSize() const {
    return ReadWholeNumber(ToStd(m_sampleSize));
}

int CSamplingDistDlg::NumberOfSamples() const {
    return ReadWholeNumber(ToStd(m_numSamples));
}

PlotFields CSamplingDistDlg::Fields() const {
    return PlotFields{SampleSize(), NumberOfSamples(), m_scrollPos};
}

// --- Drawing -------------------------------------------------------------------

void CSamplingDistDlg::UpdateFigures() {
    ComputeMuPixelX();
    ReadSampleSize();
    // A new population, sample size or width can leave a slider off the axis.
    KeepSlidersOnAxis();
    ShowFiguresOfTheSeries();
    UpdateSliderReadouts();
}

void CSamplingDistDlg::Redraw() {
    UpdateFigures();
    PaintWhole();
}

void CSamplingDistDlg::PaintWhole() {
    {
        QPainter p(&g_sdMemDC);
        GdiFillRect(p, 0, 0, width(), height(), g_brushGrey190);
        g_seriesModeLabel = SeriesModeLabel();
        SyncStatisticBox();
        DrawPanelLabels(p);
        if (ShownStatisticKind() == Statistic::Mean) DrawStandardErrorFormula(p);
        m_seriesButton->setText(g_addMoreMode
                                    ? QCoreApplication::translate("Dorvane", "ADD\nMORE")
                                    : QCoreApplication::translate("Dorvane", "NEW\nSERIES"));
        GdiFillRect(p, g_histRect, g_brushWhite);
        GdiFrameRect(p, g_histRect.left, g_histRect.top, g_histRect.right, g_histRect.bottom,
                     g_penBlack1);
        if (!CurrentBinWidthInfo().scrolls) DrawAxisTitle(p, height());
    }

    for (int id : {IDC_SD_NORMAL_OUTLINE, IDC_SD_POP_OUTLINE, IDC_SD_DRAW_SAMPLES})
        Control(id)->update();

    // Proportions have no t row.
    auto inTRow = [](int id) { return id == IDC_SD_T_NUMBER || id == IDC_SD_T_PROPORTION; };
    auto shown = [&](int id) { return !(g_isBinomial && inTRow(id)); };
    for (int id : {IDC_SD_T_NUMBER, IDC_SD_T_PROPORTION})
        if (Control(id)->isVisibleTo(this) != shown(id)) Control(id)->setVisible(shown(id));
    QPainter p(&g_sdMemDC);
    // Each readout sits in a sunken edge: dark above and left, light below
    // and right.
    for (int id : kReadoutIds) {
        if (!shown(id)) continue;
        const Rect r = ToRect(Control(id)->geometry());
        const QBrush dark(QColor(110, 110, 110)), light(QColor(250, 250, 250));
        GdiFillRect(p, r.left, r.top, r.right, r.top + 1, dark);
        GdiFillRect(p, r.left, r.top, r.left + 1, r.bottom, dark);
        GdiFillRect(p, r.left + 1, r.bottom - 1, r.right, r.bottom, light);
        GdiFillRect(p, r.right - 1, r.top + 1, r.right, r.bottom, light);
    }
    // The standard deviation of the means and the standard error share blue,
    // the proportions the colour of what they count and the numbers purple.
    const QBrush* counted = &CountedBrush();
    const std::pair<int, const QBrush*> frames[] = {
        {IDC_SD_SD_OF_MEANS, &g_brushBlue},  {IDC_SD_INTERVAL_WIDTH, &g_brushBlue},
        {IDC_SD_ACTUAL_PROPORTION, counted}, {IDC_SD_Z_PROPORTION, counted},
        {IDC_SD_T_PROPORTION, counted},      {IDC_SD_ACTUAL_NUMBER, &g_brushPurple},
        {IDC_SD_Z_NUMBER, &g_brushPurple},   {IDC_SD_T_NUMBER, &g_brushPurple}};
    for (const auto& [id, brush] : frames) {
        if (!shown(id)) continue;
        const QRect r = Control(id)->geometry();
        GdiFrameRect(p, r.left() - 2, r.top() - 2, r.left() + r.width() + 2,
                     r.top() + r.height() + 2, QPen(brush->color()));
    }
    PaintPlot(p);
    PlaceFocusSpots();
}

void CSamplingDistDlg::PaintPlot(QPainter& p) {
    m_plot.DrawHistogramGraph(p, Fields());
    PlaceSliders();
    m_plot.DrawAxisScale(p, m_scrollPos);
    // A slider scrolled out of view still shows, by its letter, at the end of
    // the axis it lies beyond.
    if (!g_oneSlider)
        m_plot.DrawSliderHandle(p, SliderPointerX(false, m_scrollPos), false,
                                SliderShowsLetterOnly(false, m_scrollPos));
    m_plot.DrawSliderHandle(p, SliderPointerX(true, m_scrollPos), true,
                            SliderShowsLetterOnly(true, m_scrollPos));
}

void CSamplingDistDlg::UpdateSliderReadouts() {
    const SliderReadouts readouts = ::UpdateSliderReadouts(SampleSize(), NumberOfSamples());
    m_countedNumber = readouts.actualNumber;
    m_countedProportion = readouts.actualProportion;
    m_actualNumber = LocalNumbers(readouts.actualNumber);
    m_actualProportion = LocalNumbers(readouts.actualProportion);
    m_zNumber = LocalNumbers(readouts.normalNumber);
    m_zProportion = LocalNumbers(readouts.normalProportion);
    m_tNumber = LocalNumbers(readouts.tNumber);
    m_tProportion = LocalNumbers(readouts.tProportion);
    ShowFields();
}

void CSamplingDistDlg::ReadSampleSize() {
    BringFieldsIn();
    m_intervalWidth = LocalNumbers(StandardErrorShown(::ReadSampleSize(SampleSize())));
    ShowFields();
}

void CSamplingDistDlg::RefreshPanel() {
    ShowTheoryAvailability();
    for (int id : {IDC_SD_NORMAL_OUTLINE, IDC_SD_POP_OUTLINE})
        Control(id)->update();
    ReadSampleSize();
    ShowFiguresOfTheSeries();
}

void CSamplingDistDlg::ShowFiguresOfTheSeries() {
    // The figures of a series go with it: once it is discarded (a new
    // population, sample size or measurement kind), they describe nothing.
    if (g_samplesDrawn <= 0) {
        for (QString* figure :
             {&m_totalDrawn, &m_meanOfMeans, &m_sdOfMeans, &m_meanOfSDs, &m_sdOfSDs})
            figure->clear();
        ShowFields();
        return;
    }
    // While a run lasts they stay empty; between runs they follow the
    // population's shown mean and SD, which Population Settings can change.
    if (!g_drawFinished) return;
    const SeriesSummary summary = SeriesSummaryTexts();
    m_meanOfMeans = LocalNumbers(summary.meanOfMeans);
    m_sdOfMeans = LocalNumbers(summary.sdOfMeans);
    ShowStatisticRow();
    m_meanOfSDs = LocalNumbers(summary.meanOfSds);
    m_sdOfSDs = LocalNumbers(summary.sdOfSds);
    ShowFields();
}

void CSamplingDistDlg::ShowStatisticRow() {
    if (ShownStatisticKind() == Statistic::Mean) return;
    // The first row is the chosen statistic's: its mean and SD over the
    // samples that have a value.
    const StatisticSummary statistic = SummaryOfStatistic();
    m_meanOfMeans = LocalNumbers(statistic.mean);
    m_sdOfMeans = LocalNumbers(statistic.sd);
}

void CSamplingDistDlg::DrawHistogramGraph() {
    QPainter p(&g_sdMemDC);
    m_plot.DrawHistogramGraph(p, Fields());
}

void CSamplingDistDlg::GrowLatestColumn() {
    m_plot.GrowLatestColumn(g_sdMemDC, m_scrollPos,
                            [this](const Rect& r) { RepaintNow(this, ToQRect(r)); });
}

void CSamplingDistDlg::PlaceLeftSlider() {
    ::PlaceLeftSlider(m_scrollPos);
}
void CSamplingDistDlg::PlaceRightSlider() {
    ::PlaceRightSlider(m_scrollPos);
}
void CSamplingDistDlg::PlaceSliders() {
    ::PlaceSliders(m_scrollPos);
}

void CSamplingDistDlg::RepaintHistogram() {
    RepaintNow(this, ToQRect(g_histRect));
}
void CSamplingDistDlg::RepaintWindow() {
    RepaintNow(this);
}

void CSamplingDistDlg::BringUpToDate() {
    Redraw();
    RepaintWindow();
    RefreshPanel();
}

void CSamplingDistDlg::RepaintIfShown() {
    if (g_samplingDistWndVisible) BringUpToDate();
}

void CSamplingDistDlg::ShowSampleCount(int sampleNo) {
    m_totalDrawn = QString::number(sampleNo);
    ShowFields();
    // The run holds the only thread: the count reaches the screen only if
    // painted now.
    RepaintNow(Control(IDC_SD_TOTAL_DRAWN));
}

void CSamplingDistDlg::MarkSelection() {
    g_binWidthChanged = 1;
    RepaintIfShown();
}

void CSamplingDistDlg::ClearSummaryFields() {
    m_meanOfMeans.clear();
    m_sdOfMeans.clear();
    m_meanOfSDs.clear();
    m_sdOfSDs.clear();
    ShowFields();
    for (int id : {IDC_SD_MEAN_OF_MEANS, IDC_SD_SD_OF_MEANS, IDC_SD_MEAN_OF_SDS, IDC_SD_SD_OF_SDS})
        RepaintNow(Control(id));
}

void CSamplingDistDlg::RebinForOptions() {
    BringFieldsIn();
    Rebin(SampleSize());
    // The statistic changed, so the selected sample may sit in another column.
    g_binWidthChanged = 1;
}

void CSamplingDistDlg::ShowStatistic(Statistic statistic) {
    if (SelectStatistic(statistic)) RebinForOptions();
    SyncStatisticBox();
    RepaintIfShown();
}

void CSamplingDistDlg::CreateStatisticBox() {
    // A button in the empty cell over the first row of figures, which it
    // names; it opens the six statistics as radio items. The menu has no
    // parent, so it is not one of the window's controls.
    m_statisticButton = new QPushButton(this);
    m_statisticButton->setObjectName(QStringLiteral("statistic"));
    m_statisticButton->setGeometry(m_dialog->ToPixels(2, 109, 35, 11));
    m_statisticButton->setFont(MakeFont("Arial", 7.5));
    m_statisticMenu = std::make_unique<QMenu>();
    auto* group = new QActionGroup(m_statisticMenu.get());
    for (int i = 0; i < 6; ++i) {
        QAction* action = m_statisticMenu->addAction(QString());
        action->setCheckable(true);
        group->addAction(action);
        const auto statistic = static_cast<Statistic>(m_statisticMenu->actions().size() - 1);
        connect(action, &QAction::triggered, this, [this, statistic] {
            ShowStatistic(statistic);
            Links().Repaint(OtherPicture::SamplesWindow);
            Links().Repaint(OtherPicture::ConfIntervalsWindow);
        });
    }
    m_statisticButton->setMenu(m_statisticMenu.get());
    TakeFocusByTab(m_statisticButton);
}

void CSamplingDistDlg::SyncStatisticBox() {
    if (!m_statisticButton) return;
    const int chosen = static_cast<int>(ShownStatisticKind());
    const QList<QAction*> items = m_statisticMenu->actions();
    for (int i = 0; i < items.size(); ++i) {
        items[i]->setChecked(i == chosen);
        // A binomial population has its proportion only.
        items[i]->setEnabled(i == 0 || !g_isBinomial);
    }
    // Its words are set here, so a change of language reaches them.
    static const char* const kItems[] = {QT_TR_NOOP("&Mean"),
                                         QT_TR_NOOP("Me&dian"),
                                         QT_TR_NOOP("&Standard Deviation (s)"),
                                         QT_TR_NOOP("&Variance (s\u00b2, n \u2212 1)"),
                                         QT_TR_NOOP("Variance (&n)"),
                                         QT_TR_NOOP("&Range")};
    for (int i = 1; i < items.size(); ++i)
        items[i]->setText(tr(kItems[i]));
    items[0]->setText(g_isBinomial ? tr("&Proportion") : tr("&Mean"));
    const QString name = tr("Statistic");
    if (m_statisticButton->accessibleName() != name) m_statisticButton->setAccessibleName(name);
    const QString tip = tr("The statistic whose sampling distribution is drawn: mean, "
                           "median, SD, variance (n \u2212 1 or n) or range");
    if (m_statisticButton->toolTip() != tip) m_statisticButton->setToolTip(tip);
    static const char* const kShort[] = {QT_TR_NOOP("Mean"),     QT_TR_NOOP("Median"),
                                         QT_TR_NOOP("SD (s)"),   QT_TR_NOOP("Var. (s\u00b2)"),
                                         QT_TR_NOOP("Var. (n)"), QT_TR_NOOP("Range")};
    const QString text = g_isBinomial ? tr("Prop. (p)") : tr(kShort[chosen]);
    if (m_statisticButton->text() != text) m_statisticButton->setText(text);
}

void CSamplingDistDlg::paintEvent(QPaintEvent* event) {
    QPainter p(this);
    GdiCopy(p, event->region(), g_sdMemDC);
}

namespace {
const char kNormalOutlineTip[] =
    QT_TRANSLATE_NOOP("Dorvane", "Show or hide the normal curve that the sample means follow");
} // namespace

void CSamplingDistDlg::ShowTheoryAvailability() {
    const StatisticTheory theory = ShownTheory(SampleSize());
    const bool available = theory.shape != TheoryShape::None;
    QString tip;
    if (!available)
        tip = CoreText(theory.reason.c_str());
    else if (ShowsMeansNormalCurve())
        tip = QCoreApplication::translate("Dorvane", kNormalOutlineTip);
    else
        tip = tr("Show or hide the curve that theory gives this statistic's samples");
    QWidget* option = Control(IDC_SD_NORMAL_OUTLINE);
    if (option->isEnabled() != available) {
        option->setEnabled(available);
        option->update();
    }
    if (option->toolTip() != tip) option->setToolTip(tip);
    // The words that name the chosen statistic's curve and readouts follow it.
    if (option->accessibleName() != CurveOptionName()) option->setAccessibleName(CurveOptionName());
    if (m_readoutWords != StatisticReadoutWords(false)) {
        m_readoutWords = StatisticReadoutWords(false);
        m_dialog->DescribeAll({{IDC_SD_MEAN_OF_MEANS, m_readoutWords, nullptr},
                               {IDC_SD_SD_OF_MEANS, StatisticReadoutWords(true), nullptr}});
    }
}
