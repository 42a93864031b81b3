#pragma once
// The Dorvane window: the sampling distribution of the chosen statistic. On
// the left the controls of a draw, the bin-width and outline buttons and the
// readouts; on the right the histogram plot. It owns the entry to the
// sampling engine (DrawSamples). Everything it shows is composed on g_sdMemDC
// and paintEvent only copies it.

#include "core/Statistic.h"
#include "resources/Resource.h"
#include "ui/ToolWindow.h"
#include "windows/sampdist/HistogramPlot.h"

#include <QString>
#include <memory>

class CDrawSamplesButton;
class CFocusSpot;
class CSpeedControl;
class CValueEditor;
class DialogTemplate;
class QMenu;
class QKeyEvent;
class QLabel;
class QLineEdit;
class QPushButton;
class QScrollBar;

class CSamplingDistDlg : public CToolWindow {
    Q_OBJECT
  public:
    explicit CSamplingDistDlg(QWidget* parent = nullptr);
    ~CSamplingDistDlg() override;

    // --- The engine entry -----------------------------------------------------
    // The DRAW SAMPLES button: pressed look, the entry check with its
    // messages, then DrawSamples.
    void OnDrawSamples();
    // Reads the two fields, runs the engine with the windows as its display
    // and writes the results back into the fields.
    void DrawSamples();

    // --- What the engine and the shell call -----------------------------------
    // The figures of the state as it stands (the sample size read, the
    // sliders kept on the axis, the series' figures and the readouts), then
    // the picture painted: after anything that changes what the window shows.
    void Redraw();
    // The picture of the figures as they stand, painted on the surface; it
    // changes nothing else but the series-mode label.
    void PaintWhole();
    void RefreshPanel();
    void DrawHistogramGraph();
    void GrowLatestColumn();
    void PlaceLeftSlider();
    void PlaceRightSlider();
    void PlaceSliders();
    // Invalidate and repaint at once: the histogram rectangle, the whole window.
    void RepaintHistogram();
    void RepaintWindow();
    // Redraw, repaint, RefreshPanel: the window brought up to date.
    void BringUpToDate();
    // The same, only while the window is shown (g_samplingDistWndVisible).
    void RepaintIfShown();
    void ShowSampleCount(int sampleNo);
    // Another window selected a sample: place its highlight in the columns at
    // the next graph paint, and repaint now while shown.
    void MarkSelection();
    void ClearSummaryFields();
    // Options menu: rebuild the histogram at the width that is set.
    void RebinForOptions();
    // The Statistic menu and the window's own chooser: the statistic shown
    // (SelectStatistic), the series rebinned at once and the window repainted.
    void ShowStatistic(Statistic statistic);

    // --- Fields ---------------------------------------------------------------
    // The texts of the two input fields; the setters are programmatic copies
    // (from the other windows) and run no handler.
    QString SampleSizeText() const { return m_sampleSize; }
    QString NumberOfSamplesText() const { return m_numSamples; }
    void SetSampleSizeText(const QString& text);
    void SetNumberOfSamplesText(const QString& text);
    int AxisScrollPos() const { return m_scrollPos; }
    // The plot as last drawn (its slider labels and marks), for the tests.
    const CHistogramPlot& Plot() const { return m_plot; }

    // The close box only hides the window.
    void OnCloseBox() override;

    // Controls by id, for the shell and the tests.
    QWidget* Control(int id) const;
    // The keyboard's way into the picture: the columns a sample is chosen
    // in, the two sliders, and the field that opens over a slider's label.
    CFocusSpot* ColumnsSpot() const { return m_columnsSpot; }
    CFocusSpot* SliderSpot(bool left) const { return left ? m_leftSpot : m_rightSpot; }
    CValueEditor* ValueEditor() const { return m_editor; }

  protected:
    // A language change: the names, tips and drawn texts anew.
    void Retranslate() override;
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void hideEvent(QHideEvent* event) override;

    HoverHint HoverAt(QPoint at) const override;

  private:
    void CreateControls();
    void CreateStatisticBox();
    // The chooser shows the statistic of the state, its items enabled as it allows.
    void SyncStatisticBox();
    void ConnectControls();
    void CreateFocusSpots();
    // The accessible names and tooltips, in the language in use.
    void DescribeControls();
    // The speed buttons' end words, in the language in use, each wide enough.
    void PlaceSpeedWords();
    // The spots follow the picture: sliders and label boxes as last drawn,
    // the words for the histogram.
    void PlaceFocusSpots();
    // The curve option is open where the chosen statistic has a theory at the
    // sample size in the field, greyed with the reason as its tooltip where not.
    void ShowTheoryAvailability();
    bool OnColumnsKey(const QKeyEvent& event);
    bool OnSliderKey(const QKeyEvent& event, bool left);
    void OpenSliderEditor(bool left);
    // After a slider moved: its Interval Width text shown, the plot redrawn.
    void ShowSliderMoved(const std::string& intervalWidth);

    // Control texts in and out, as whole strings: where a run reads the
    // fields (DRAW SAMPLES), where the sample size is read, and when the
    // window is made. Elsewhere a field's copy changes with its control:
    // typed, it follows the typing; set, it goes through the setters.
    void BringFieldsIn();
    void ShowFields();

    void OnSampleSizeEdited(const QString& typed);
    void OnNumberOfSamplesEdited(const QString& typed);
    void OnSeriesMode();
    void OnBinWidth(int id);
    void OnNormalOutline();
    void OnPopulationOutline();
    void OnAxisScrollAction(int action);

    void ReadSampleSize();
    // The two input fields' numbers, read from their texts (leading digits,
    // 0 when none), as the model takes them.
    int SampleSize() const;
    int NumberOfSamples() const;
    // Total Samples Drawn and the four summary fields emptied while no series
    // exists, the four in the units the population is shown in while one does.
    void ShowFiguresOfTheSeries();
    // The first row of summary figures from the chosen statistic, when it is
    // not the mean (whose figures the engine keeps).
    void ShowStatisticRow();
    void UpdateSliderReadouts();
    void UpdateFigures();
    // The plot with its axis and sliders, all a drag of a slider changes.
    void PaintPlot(QPainter& p);
    void RedrawBinWidthButtons();
    void DragSliderTo(int x, bool left);
    PlotFields Fields() const;

    // The readouts, in the order of their ids, each with its text member.
    static constexpr int kReadoutIds[] = {
        IDC_SD_TOTAL_DRAWN, IDC_SD_MEAN_OF_MEANS,  IDC_SD_MEAN_OF_SDS,   IDC_SD_SD_OF_MEANS,
        IDC_SD_SD_OF_SDS,   IDC_SD_INTERVAL_WIDTH, IDC_SD_ACTUAL_NUMBER, IDC_SD_ACTUAL_PROPORTION,
        IDC_SD_Z_NUMBER,    IDC_SD_Z_PROPORTION,   IDC_SD_T_NUMBER,      IDC_SD_T_PROPORTION};

    std::unique_ptr<DialogTemplate> m_dialog;
    CSpeedControl* m_speed = nullptr;
    CHistogramPlot m_plot;

    CDrawSamplesButton* m_drawButton = nullptr;
    QPushButton* m_seriesButton = nullptr;
    QLineEdit* m_sampleSizeEdit = nullptr;
    QLineEdit* m_numSamplesEdit = nullptr;
    QScrollBar* m_axisScroll = nullptr;
    QPushButton* m_statisticButton = nullptr;
    // The first row's readouts are named after this statistic's words.
    const char* m_readoutWords = nullptr;
    std::unique_ptr<QMenu> m_statisticMenu;
    int m_scrollPos = 1;
    QLabel* m_speedWords[2] = {nullptr, nullptr}; // "slow" and "fast"
    CFocusSpot* m_columnsSpot = nullptr;
    CFocusSpot* m_leftSpot = nullptr;
    CFocusSpot* m_rightSpot = nullptr;
    CValueEditor* m_editor = nullptr;

    // Texts of the fields and readouts.
    QString m_sampleSize, m_numSamples, m_totalDrawn, m_meanOfMeans, m_sdOfMeans, m_meanOfSDs,
        m_sdOfSDs, m_intervalWidth, m_actualNumber, m_actualProportion, m_zNumber, m_zProportion,
        m_tNumber, m_tProportion;
    // The actual count and proportion as the core writes them, for the
    // picture's words, whose numbers are made local once, as a whole.
    std::string m_countedNumber, m_countedProportion;
};
