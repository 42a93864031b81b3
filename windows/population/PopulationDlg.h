#pragma once
// The Population window: shows a continuous or discrete population as an
// outline or as bars with its parameter markers, lets the student drag the
// edit handles or pick a preset from the pop-up menu of the name box, and
// owns the geometry every population picture uses.

#include "core/Geometry.h"
#include "core/ShapeRamps.h"
#include "ui/ToolWindow.h"

#include <QString>

class COwnerDrawButton;
class DialogTemplate;
class QMenu;
class QPainter;

class CPopulationDlg : public CToolWindow {
    Q_OBJECT
  public:
    explicit CPopulationDlg(QWidget* parent = nullptr);
    ~CPopulationDlg() override;

    // Rebuilds the picture of the current kind and copies the plot band to
    // the screen.
    void RedrawCurve();
    // One grey sample mark over tally column slot (1..21), shown at once.
    void MarkSample(int slot);
    // Recomputes the edit-handle rectangles from the curve.
    void PlaceHandles();
    // Marker lines and labels for the current kind (the binomial window
    // uses them too).
    void DrawParameterMarkers(QPainter& p);
    // Redraws the four picture buttons with the sketches of the current kind.
    void DrawPictureButtons();
    // Redraws the name box and the plot band and shows both at once.
    void RepaintPlotAndNameBox();
    void SetPopulationName(const QString& name);
    QString PopulationName() const { return m_populationName; }

    void OnCloseBox() override;
    void OnMoved() override;

    // Geometry, in client pixels.
    Rect NameBox() const { return m_nameBox; }
    Rect PlotRect() const { return m_plotRect; }
    Rect PlotBand() const { return m_plotBand; }
    Rect HandleRect(int j) const;
    int HoverIndex() const { return m_hover; }
    bool IsDragging() const { return m_dragging; }
    COwnerDrawButton* PictureButton(int id) const;
    // The preset menu; it is open (inside exec) while the student chooses.
    QMenu* ShapeMenu() const { return m_shapeMenu; }

  protected:
    void paintEvent(QPaintEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void leaveEvent(QEvent* event) override;

  private:
    void CreateControls();
    void CreateShapeMenu();
    // Draws the whole picture of the current kind into the surface.
    void ComposePicture();
    void ComposeNameBox();
    void OnPictureButton(int id);
    void OnShapeCommand(int id);
    void DragStep(int y);

    DialogTemplate* m_dialog = nullptr;
    QMenu* m_shapeMenu = nullptr;
    QString m_populationName;
    Rect m_nameBox;
    Rect m_plotRect;
    Rect m_plotBand;
    Rect m_handles[kEditHandles + 1];
    int m_hover = 0;
    int m_previousHover = 0;
    bool m_dragging = false;
    int m_grabbedHandle = 0;
};
