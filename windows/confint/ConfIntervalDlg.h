#pragma once
// The Confidence Intervals window: on the left the settings of the intervals
// (confidence level, sides, sigma, z or t), the shared Sample Size and Number
// of Samples fields with the series mode, DRAW SAMPLES, the Speed control and
// the coverage counts; on the right one line per sample, 211 to a page, with
// the true value; along the bottom the selected interval enlarged and, with
// Possible Mu on, a hypothesised mean's sampling distribution. Everything is
// composed on g_ciMemDC and paintEvent only copies it.

#include "core/Geometry.h"
#include "resources/Resource.h"
#include "ui/ToolWindow.h"

#include <QRegion>
#include <QString>
#include <memory>

class COwnerDrawButton;
class CDrawSamplesButton;
class CFocusSpot;
class CSpeedControl;
class CValueEditor;
class DialogTemplate;
class QKeyEvent;
class QLabel;
class QLineEdit;
class QPainter;
class QPushButton;
class QRadioButton;
class QScrollBar;

class CConfIntervalDlg : public CToolWindow {
    Q_OBJECT
  public:
    explicit CConfIntervalDlg(QWidget* parent = nullptr);
    ~CConfIntervalDlg() override;

    // --- What the engine, the shell and the other windows call ------------------
    // The full redraw: captions, panel, graph, strip, then the screen at once.
    void RedrawConfIntervalWindow();
    // The graph and the strip under it drawn again for another page of the
    // series (the same picture as the whole redraw), and repainted.
    void RedrawPage();
    // The graph part: base line, true value, the page's intervals, axis labels
    // and, with a selection, the selected interval in the strip.
    void DrawIntervalGraph();
    // One interval line of graph row `row` (only while the window is shown).
    void DrawInterval(int n, int row);
    // The graph rectangle cleared on the surface, and shown at once.
    void ClearGraph();
    void RepaintGraph();
    // The critical value from the fields into its field; the coverage counts
    // into the four result fields; the result fields emptied.
    void ComputeCriticalValue();
    void UpdateCoverageCounts();
    void ClearResultFields();
    // The scroll bar over samples 1..maxSample with its thumb where the page
    // starting at g_ciFirstSample stands (shown with the graph's next repaint).
    void SetScrollBar(int maxSample);
    // Another window moved the page: the scroll bar follows and, while
    // shown, the window is redrawn.
    void ShowPage();
    void ShowSampleCount(int sampleNo);
    // The Sample Size field's number (leading digits, 0 when none): the n of
    // the intervals the window counts.
    int FieldSampleSize() const;

    // --- Fields -----------------------------------------------------------------
    QString SampleSizeText() const { return m_sampleSize; }
    QString NumberOfSamplesText() const { return m_numSamples; }
    QString ConfLevelText() const { return m_confLevel; }
    // Programmatic copies from the other windows: no handler runs.
    void SetSampleSizeText(const QString& text);
    void SetNumberOfSamplesText(const QString& text);

    // The acceptance region last drawn (empty while Possible Mu is off).
    const QRegion& AcceptanceRegion() const { return m_region; }

    void OnCloseBox() override;
    // Controls by id, for the shell and the tests.
    QWidget* Control(int id) const;
    // The keyboard's way into the pictures: the interval rows, the possible
    // mean, and the field that opens over its label.
    CFocusSpot* GraphSpot() const { return m_graphSpot; }
    CFocusSpot* PossibleMuSpot() const { return m_muSpot; }
    CValueEditor* ValueEditor() const { return m_editor; }

  protected:
    // A language change: the names, tips and drawn texts anew.
    void Retranslate() override;
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void wheelEvent(QWheelEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;
    HoverHint HoverAt(QPoint at) const override;

  private:
    // The intervals of the page, the axis, the selection and the possible
    // mean, on a cleared graph and strip.
    void DrawGraphAndStrip();
    void CreateControls();
    void CreateFocusSpots();
    // The accessible names and tooltips, in the language in use.
    void DescribeControls();
    // The spots follow the pictures: the graph, the possible mean and its
    // label as drawn, and the words for both.
    void PlaceFocusSpots();
    bool OnGraphKey(const QKeyEvent& event);
    bool OnPossibleMuKey(const QKeyEvent& event);
    void OpenPossibleMuEditor();
    // A click on a row, or a key: its sample becomes the selected one in all
    // three windows.
    void ShowRowSelected();
    void CreatePanelControls();
    void ConnectControls();
    // The field texts read from their controls and shown in them, where a
    // run reads them (DRAW SAMPLES) and when the window is made. Elsewhere a
    // copy changes with its control: typed, it follows the typing; set, it
    // goes through the setters, which show it at once.
    void BringFieldsIn();
    void ShowFields();
    // The six result fields shown; each gets a sunken edge.
    void ShowResults();
    static constexpr int kResultIds[] = {IDC_CI_CRITICAL_VALUE, IDC_CI_TOTAL_DRAWN, IDC_CI_NUM_IN,
                                         IDC_CI_NUM_OUT,        IDC_CI_PCT_IN,      IDC_CI_PCT_OUT};

    void OnSampleSizeEdited(const QString& typed);
    void OnNumberOfSamplesEdited(const QString& typed);
    // Takes the level in the field, or refuses it with its message and
    // corrects the field (a whole number outside 1..99 to the nearer of 1
    // and 99, anything else back to the level in force); returns whether it
    // refused.
    bool CommitConfLevel();
    void OnSetting(int id);
    void OnSortClicked();
    void OnSeriesMode();
    void OnDrawSamples();
    void OnScrollAction(int action);
    void Recompute();

    void UpdateCaptions();
    // The title row says, while the Dorvane window builds up another
    // statistic, that the intervals still estimate the mean (or p).
    void UpdateTitle();
    void ShowScrollBar();
    void DrawPanel(QPainter& p);
    void DrawIntervalRow(QPainter& p, int n, int row);
    void DrawSigmaFace(QPainter& p, const QRect& client);

    std::unique_ptr<DialogTemplate> m_dialog;
    CSpeedControl* m_speed = nullptr;

    CDrawSamplesButton* m_drawButton = nullptr;
    COwnerDrawButton* m_sigmaButton = nullptr;
    QPushButton* m_seriesButton = nullptr;
    QPushButton* m_sidesButton = nullptr;
    QPushButton* m_endButton = nullptr;
    QPushButton* m_zOrTButton = nullptr;
    QRadioButton* m_sortOn = nullptr;
    QRadioButton* m_sortOff = nullptr;
    QLineEdit* m_sampleSizeEdit = nullptr;
    QLineEdit* m_numSamplesEdit = nullptr;
    QLineEdit* m_confLevelEdit = nullptr;
    QScrollBar* m_scroll = nullptr;

    int m_scrollMax = 1;
    QRegion m_region;
    CFocusSpot* m_graphSpot = nullptr;
    CFocusSpot* m_muSpot = nullptr;
    CValueEditor* m_editor = nullptr;
    Rect m_muLabel; // the possible mean's label as last drawn
    bool m_checkingLevel = false;

    // Texts of the fields and results.
    QString m_sampleSize, m_numSamples, m_confLevel, m_criticalValue, m_totalDrawn, m_numIn,
        m_numOut, m_pctIn, m_pctOut;
};
