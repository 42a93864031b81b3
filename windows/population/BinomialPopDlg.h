#pragma once
// The Population - Binomial window: two bars for failures and successes over
// an axis from 0 to 1, the p line and the SD bar. The student sets p with
// twenty buttons or by dragging the top of either bar. It draws on the
// Population window's surface with the Population window's geometry.

#include "core/Geometry.h"
#include "core/ShapeRamps.h"
#include "ui/ToolWindow.h"

#include <memory>

class CFocusSpot;
class DialogTemplate;
class QKeyEvent;
class QPushButton;

class CBinomialPopDlg : public CToolWindow {
    Q_OBJECT
  public:
    explicit CBinomialPopDlg(QWidget* parent = nullptr);
    ~CBinomialPopDlg() override;

    // After a switch to binomial: handles from the curve, then the picture.
    void SetUpBars();
    void PlaceHandles();
    // Composes the whole binomial picture on the shared surface.
    void DrawBinomialPicture();
    // Copies the plot band to the screen at once.
    void RepaintPlotBand();
    // DrawBinomialPicture and RepaintPlotBand: the engine's RedrawCurve.
    void RedrawBinomial();
    // Shows the current sample's failures (slot 1) or successes (slot 2) as
    // a grey block inside that bar, as a share of the sample size on the
    // bars' own scale, so it settles at the sample proportion.
    void MarkSample(int slot);

    void OnCloseBox() override { HideTool(); }

    Rect PlotRect() const { return m_plotRect; }
    Rect PlotBand() const { return m_plotBand; }
    Rect HandleRect(int j) const;
    int HoverIndex() const { return m_hover; }
    bool IsDragging() const { return m_dragging; }
    QPushButton* Button(int id) const;
    // The bar top the arrow keys move (1 failures, 2 successes).
    CFocusSpot* BarSpot() const { return m_barSpot; }
    int KeyBar() const { return m_keyBar; }

  protected:
    void paintEvent(QPaintEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void leaveEvent(QEvent* event) override;
    HoverHint HoverAt(QPoint at) const override;
    void Retranslate() override;

  private:
    // The names, tips and proportion texts, in the language in force.
    void ShowWords();
    void PlaceFocusSpot();
    bool OnBarKey(const QKeyEvent& event);
    void OnProportionButton(int id);
    void OnClear();
    void DragStep(int y);
    // Bar j (1 failures, 2 successes): its left and right edges.
    int BarLeft(int j) const;
    int BarRight(int j) const;

    std::unique_ptr<DialogTemplate> m_dialog;
    Rect m_plotRect;
    Rect m_plotBand;
    Rect m_handles[kEditHandles + 1];
    int m_hover = 0;
    int m_previousHover = 0;
    bool m_dragging = false;
    int m_grabbedHandle = 0;
    // Marks of the sample being drawn, counted here as well, so the block is
    // right whether the store is updated before or after each mark.
    int m_markSampleNo = -1;
    int m_markCounts[3] = {};
    CFocusSpot* m_barSpot = nullptr;
    int m_keyBar = 2; // the successes: p itself
};
