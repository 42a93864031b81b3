#pragma once
// The Samples window: the samples of the current series one at a time as a
// histogram (the values of a run falling into place as it draws) or six at a
// time in a grid, two limits with the share of the shown sample between them,
// and its own copies of the series fields, the series-mode button, DRAW
// SAMPLES and the Speed control. Everything it shows is composed on
// g_samplesMemDC; paintEvent only copies it.

#include "ui/ToolWindow.h"
#include "windows/samples/SamplePictureModel.h"

#include <QString>
#include <functional>
#include <memory>

class COwnerDrawButton;
class CDrawSamplesButton;
class CFocusSpot;
class CSpeedControl;
class CValueEditor;
class DialogTemplate;
class QKeyEvent;
class QLineEdit;
class QPainter;
class QPushButton;
class QScrollBar;

class CSamplesDlg : public CToolWindow {
    Q_OBJECT
  public:
    explicit CSamplesDlg(QWidget* parent = nullptr);
    ~CSamplesDlg() override;

    // --- What the engine, the shell and the other windows call -------------------
    // The whole window composed anew and shown (only the control strip when
    // g_samplesStripOnly is set).
    void RedrawSamplesWindow();
    // The histogram view of a sample, whatever view is on. animate = 1: one
    // value of tally column `column` is about to be counted and falls into
    // its bar. (The grid view is drawn by the redraw, DrawSampleGrid.)
    void DrawSampleHistogram(int sampleNo, int animate, int column);
    // The two limit markers with their values and the percentage sentence.
    void DrawLimits();
    // Shows the selected sample and moves the scroll bar to it.
    void SyncToSelection();
    // The engine's scroll bar: range 1..maxSample, thumb at position.
    void SetScrollBar(int maxSample, int position);

    // --- Fields -----------------------------------------------------------------
    // Programmatic copies from the other windows: no handler runs.
    QString SampleSizeText() const { return m_sampleSize; }
    QString NumberOfSamplesText() const { return m_numSamples; }
    void SetSampleSizeText(const QString& text);
    void SetNumberOfSamplesText(const QString& text);

    void OnCloseBox() override;
    QWidget* Control(int id) const;
    // The keyboard's way into the picture: the samples, the two limits, and
    // the field that opens over a limit's label.
    CFocusSpot* PictureSpot() const { return m_pictureSpot; }
    CFocusSpot* LimitSpot(bool lower) const { return lower ? m_lowerSpot : m_upperSpot; }
    CValueEditor* ValueEditor() const { return m_editor; }

  protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void showEvent(QShowEvent* event) override;
    // A language change: the names, tips and drawn texts anew.
    void Retranslate() override;
    HoverHint HoverAt(QPoint at) const override;

  private:
    void CreateControls();
    void ConnectControls();
    void CreateFocusSpots();
    // The accessible names and tooltips, in the language in use.
    void DescribeControls();
    // The spots follow the picture: the limits and their labels as drawn,
    // the words for the sample shown.
    void PlaceFocusSpots();
    bool OnPictureKey(const QKeyEvent& event);
    bool OnLimitKey(const QKeyEvent& event, bool lower);
    void OpenLimitEditor(bool lower);
    Rect LimitLabelRect(bool lower) const;
    // A click on a sample, or Space on the picture: it becomes the selected
    // one in all three windows.
    void SelectShownSample(int sample);
    // The field texts read from their controls and shown in them, where a
    // run reads them (DRAW SAMPLES) and when the window is made. Elsewhere a
    // copy changes with its control: typed, it follows the typing; set, it
    // goes through the setters, which show it at once.
    void BringFieldsIn();
    void ShowFields();
    // The Sample Size field's number (leading digits, 0 when none).
    int FieldSampleSize() const;

    void OnDrawSamples();
    void OnSeriesMode();
    void OnViewToggle();
    void OnSampleSizeEdited(const QString& typed);
    void OnNumberOfSamplesEdited(const QString& typed);
    void OnScrollAction(int action);
    void SelectSampleAt(int x, int y);

    void DrawStrip(QPainter& p);
    void DrawViewToggleFace(QPainter& p, const QRect& client) const;
    void LetBlockFall(const HistogramLayout& layout, int sampleNo, int column);

    std::unique_ptr<DialogTemplate> m_dialog;
    CSpeedControl* m_speed = nullptr;
    CDrawSamplesButton* m_drawButton = nullptr;
    COwnerDrawButton* m_viewButton = nullptr;
    QPushButton* m_seriesButton = nullptr;
    QLineEdit* m_sampleSizeEdit = nullptr;
    QLineEdit* m_numSamplesEdit = nullptr;
    QScrollBar* m_scroll = nullptr;
    CFocusSpot* m_pictureSpot = nullptr;
    CFocusSpot* m_lowerSpot = nullptr;
    CFocusSpot* m_upperSpot = nullptr;
    CValueEditor* m_editor = nullptr;

    QString m_sampleSize, m_numSamples;
};
