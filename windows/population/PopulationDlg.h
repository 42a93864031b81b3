#pragma once
// The Population window: shows a continuous or discrete population as an
// outline or as bars with its parameter markers, lets the student drag the
// edit handles or pick a preset from the pop-up menu of the name box, and
// owns the geometry every population picture uses.

#include "core/Geometry.h"
#include "core/ShapeRamps.h"
#include "ui/ToolWindow.h"

#include <QString>
#include <memory>

class CFocusSpot;
class COwnerDrawButton;
class DialogTemplate;
class QKeyEvent;
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
    // The keyboard's way in: the handle the arrow keys move, and the name box.
    CFocusSpot* HandleSpot() const { return m_handleSpot; }
    CFocusSpot* NameBoxSpot() const { return m_nameBoxSpot; }
    int KeyHandle() const { return m_keyHandle; }

  protected:
    void paintEvent(QPaintEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void leaveEvent(QEvent* event) override;
    HoverHint HoverAt(QPoint at) const override;
    void Retranslate() override;

  private:
    void CreateControls();
    void CreateShapeMenu();
    void CreateFocusSpots();
    // The spots follow the picture: the chosen handle, the name box, and the
    // words that describe the population.
    void PlaceFocusSpots();
    bool OnHandleKey(const QKeyEvent& event);
    void OpenShapeMenu(QPoint globalAt);
    // What a press on handle j does before it is dragged: the series ends
    // and the shape is no preset any more.
    void GrabHandle(int j);
    // Draws the whole picture of the current kind into the surface.
    void ComposePicture();
    void ComposeNameBox();
    void OnPictureButton(int id);
    void OnShapeCommand(int id);
    void DragStep(int y);

    std::unique_ptr<DialogTemplate> m_dialog;
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
    CFocusSpot* m_handleSpot = nullptr;
    CFocusSpot* m_nameBoxSpot = nullptr;
    int m_keyHandle = 1; // the handle the arrow keys move
};
