#include "windows/population/PopulationDlg.h"

#include "core/Population.h"
#include "core/PopulationDescription.h"
#include "core/SeriesControl.h"
#include "core/SimulationState.h"
#include "resources/Resource.h"
#include "ui/CoreText.h"
#include "ui/DialogTemplate.h"
#include "ui/DrawingResources.h"
#include "ui/FieldText.h"
#include "ui/FocusSpot.h"
#include "ui/Gdi.h"
#include "ui/LocalNumbers.h"
#include "ui/RepaintNow.h"
#include "ui/ToolWindow.h"
#include "ui/WindowLinks.h"
#include "windows/population/PopSettingsDlg.h"
#include "windows/population/PopulationPicture.h"

#include <QApplication>
#include <QKeyEvent>
#include <QMenu>
#include <QMouseEvent>
#include <QPaintEvent>
#include <QPainter>
#include <QPointer>
#include <algorithm>

namespace {

constexpr int kDesignWidth = 300;
constexpr int kDesignHeight = 432;
constexpr int kMaxMarkSlot = 21;

const int kPictureButtonOrder[] = {IDC_POP_PICTURE_1003, IDC_POP_PICTURE_1002, IDC_POP_PICTURE_1004,
                                   IDC_POP_PICTURE_1005};

PresetShape PictureShape(int id) {
    switch (id) {
    case IDC_POP_PICTURE_1002:
        return PresetShape::Picture1002;
    case IDC_POP_PICTURE_1004:
        return PresetShape::Picture1004;
    case IDC_POP_PICTURE_1005:
        return PresetShape::Picture1005;
    default:
        return PresetShape::Picture1003;
    }
}

struct MenuItem {
    const char* text;
    int id;
    PresetShape shape;
};

const MenuItem kShapeMenuItems[] = {
    {QT_TRANSLATE_NOOP("Population", "Bimodal"), ID_SHAPE_BIMODAL, PresetShape::Bimodal},
    {QT_TRANSLATE_NOOP("Population", "Normal"), ID_SHAPE_NORMAL, PresetShape::Normal},
    {QT_TRANSLATE_NOOP("Population", "Skew -"), ID_SHAPE_SKEW_MINUS, PresetShape::SkewedMinus},
    {QT_TRANSLATE_NOOP("Population", "Skew +"), ID_SHAPE_SKEW_PLUS, PresetShape::SkewedPlus},
    {QT_TRANSLATE_NOOP("Population", "Trimodal"), ID_SHAPE_TRIMODAL, PresetShape::Trimodal},
    {QT_TRANSLATE_NOOP("Population", "U-Shaped"), ID_SHAPE_U_SHAPED, PresetShape::UShaped},
    {QT_TRANSLATE_NOOP("Population", "Uniform"), ID_SHAPE_UNIFORM, PresetShape::Uniform},
};

QRect Union(const Rect& a, const Rect& b) {
    return ToQRect(a).united(ToQRect(b));
}

QString Tr(const char* english) {
    return QCoreApplication::translate("Population", english);
}

const char kNameBoxTip[] = QT_TRANSLATE_NOOP("Population", "Click for preset shapes");
const char kContinuousHandleTip[] =
    QT_TRANSLATE_NOOP("Population", "Drag up or down to reshape the population");
const char kDiscreteHandleTip[] =
    QT_TRANSLATE_NOOP("Population", "Drag up or down to change how common this value is");
const char kHandleKeysTip[] = QT_TRANSLATE_NOOP(
    "Population", "; with the keyboard, Left and Right choose a handle and Up and "
                  "Down move it (with Shift ten pixels at a time)");

QString HandleTip() {
    return Tr(g_isDiscrete ? kDiscreteHandleTip : kContinuousHandleTip);
}

// The preset a name box names, in words a screen reader says well; none for
// a drawn shape or an example picture.
std::string ShapeWords(const QString& populationName) {
    if (populationName == QLatin1String("DISTRIBUTION")) return {};
    return CoreText(populationName.toUtf8().constData()).toLower().toStdString();
}

} // namespace

CPopulationDlg::CPopulationDlg(QWidget* parent)
    : CToolWindow("POP", QCoreApplication::translate("Population", "Population"),
                  QSize(kDesignWidth, kDesignHeight), parent) {
    g_populationWnd = this;
    SetPopulationGeometry(width(), height());
    for (int k = 0; k <= 10; ++k)
        g_discreteValue[k] = k;

    const float sx = g_scaleX, sy = g_scaleY;
    m_nameBox = Rect{Px(sx, 85), Px(sy, 345), Px(sx, 215), Px(sy, 370)};
    m_plotRect = Rect{g_plotLeft, Px(sy, 10), g_plotRight, g_popBaseline};
    m_plotBand = Rect{0, Px(sy, 10), width(), Px(sy, 345)};
    m_populationName = QStringLiteral("DISTRIBUTION");
    PlaceHandles();

    // The shared fonts and all four surfaces are made here, once.
    CreateFonts();
    CreateOffscreenSurfaces(devicePixelRatioF());
    m_hover = m_previousHover = 0;

    CreateControls();
    CreateShapeMenu();
    CreateFocusSpots();
    setMouseTracking(true); // the discrete hover handle follows the pointer
    ComposePicture();
}

CPopulationDlg::~CPopulationDlg() {
    if (g_populationWnd == this) g_populationWnd = nullptr;
}

void CPopulationDlg::CreateControls() {
    m_dialog = std::make_unique<DialogTemplate>(this, QSize(150, 216),
                                                QSize(kDesignWidth, kDesignHeight), "Population");
    m_dialog->CreateAll({
        {IDC_POP_PICTURE_1003, ControlKind::OwnerDrawn, "", 7, 190, 27, 25},
        {IDC_POP_PICTURE_1002, ControlKind::OwnerDrawn, "", 42, 190, 27, 25},
        {IDC_POP_PICTURE_1004, ControlKind::OwnerDrawn, "", 77, 190, 27, 25},
        {IDC_POP_PICTURE_1005, ControlKind::OwnerDrawn, "", 113, 190, 27, 25},
    });
    for (int id : kPictureButtonOrder) {
        COwnerDrawButton* button = PictureButton(id);
        button->SetFace([id](QPainter& p, const QRect& client, bool) {
            DrawPictureButtonFace(p, client, id, g_isDiscrete != 0);
        });
        connect(button, &QAbstractButton::clicked, this, [this, id] { OnPictureButton(id); });
    }
    m_dialog->DescribeAll({
        {IDC_POP_PICTURE_1003, QT_TRANSLATE_NOOP("Population", "Example: two peaks"),
         QT_TRANSLATE_NOOP("Population",
                           "Example population with two peaks, the larger at the low end")},
        {IDC_POP_PICTURE_1002, QT_TRANSLATE_NOOP("Population", "Example: three peaks"),
         QT_TRANSLATE_NOOP("Population",
                           "Example population with three peaks, the tallest at the high end")},
        {IDC_POP_PICTURE_1004, QT_TRANSLATE_NOOP("Population", "Example: four peaks"),
         QT_TRANSLATE_NOOP("Population",
                           "Example population with four peaks, the tallest at the low end")},
        {IDC_POP_PICTURE_1005, QT_TRANSLATE_NOOP("Population", "Example: peaks near both ends"),
         QT_TRANSLATE_NOOP("Population", "Example population with a tall peak at the high end "
                                         "and a smaller one at the low end")},
    });
}

void CPopulationDlg::CreateFocusSpots() {
    m_handleSpot =
        new CFocusSpot(this, Tr(QT_TRANSLATE_NOOP("Population", "Population shape handle")),
                       QString(), [this](const QKeyEvent& e) { return OnHandleKey(e); });
    m_nameBoxSpot = new CFocusSpot(this, Tr(QT_TRANSLATE_NOOP("Population", "Preset shapes")),
                                   Tr(kNameBoxTip), [this](const QKeyEvent& e) {
                                       const bool opens = IsEnterKey(e) ||
                                                          e.key() == Qt::Key_Space ||
                                                          e.key() == Qt::Key_Down;
                                       if (!opens || g_isBinomial) return false;
                                       const QPoint below(m_nameBox.left, m_nameBox.bottom);
                                       OpenShapeMenu(mapToGlobal(below));
                                       return true;
                                   });
    // Top to bottom: the picture, the name box, the example buttons.
    SetTabOrder({m_handleSpot, m_nameBoxSpot, PictureButton(IDC_POP_PICTURE_1003),
                 PictureButton(IDC_POP_PICTURE_1002), PictureButton(IDC_POP_PICTURE_1004),
                 PictureButton(IDC_POP_PICTURE_1005)});
}

void CPopulationDlg::PlaceFocusSpots() {
    if (!m_handleSpot) return;
    m_handleSpot->Place(g_isBinomial ? Rect{} : m_handles[m_keyHandle]);
    m_nameBoxSpot->Place(g_isBinomial ? Rect{} : m_nameBox);
    const QString population =
        LocalNumbers(PopulationDescription(ShapeWords(m_populationName), CoreTextStd));
    // Handle j stands on the value j - 1 in both kinds.
    m_handleSpot->Describe(
        population +
        Tr(QT_TRANSLATE_NOOP("Population", ". The handle at %1 is chosen.")).arg(m_keyHandle - 1));
    m_handleSpot->setToolTip(HandleTip() + Tr(kHandleKeysTip));
    m_nameBoxSpot->Describe(population);
}

HoverHint CPopulationDlg::HoverAt(QPoint at) const {
    if (g_isBinomial) return {};
    for (int j = 1; j <= kEditHandles; ++j)
        if (m_handles[j].Contains(at.x(), at.y())) return {Qt::SizeVerCursor, HandleTip()};
    if (m_nameBox.Contains(at.x(), at.y())) return {Qt::PointingHandCursor, Tr(kNameBoxTip)};
    return {};
}

bool CPopulationDlg::OnHandleKey(const QKeyEvent& event) {
    if (g_isBinomial) return false;
    if (event.modifiers() & ~(Qt::ShiftModifier | Qt::KeypadModifier)) return false;
    switch (event.key()) {
    case Qt::Key_Left:
    case Qt::Key_Right:
    case Qt::Key_Home:
    case Qt::Key_End: {
        const int step = event.key() == Qt::Key_Left ? -1 : event.key() == Qt::Key_Right ? 1 : 0;
        int j = std::clamp(m_keyHandle + step, 1, kEditHandles);
        if (event.key() == Qt::Key_Home) j = 1;
        if (event.key() == Qt::Key_End) j = kEditHandles;
        if (j != m_keyHandle) {
            m_keyHandle = j;
            // A discrete column shows its handle only when chosen, as under the pointer.
            if (g_isDiscrete) m_hover = m_previousHover = j;
            RedrawCurve();
        }
        return true;
    }
    case Qt::Key_Up:
    case Qt::Key_Down: {
        // A press on the handle and a drag of one pixel (ten with Shift).
        const int pixels = event.modifiers() & Qt::ShiftModifier ? 10 : 1;
        const int slot = g_isDiscrete ? m_keyHandle : kHandleSpacing * (m_keyHandle - 1) + 1;
        const int y = g_popCurve[slot] + (event.key() == Qt::Key_Up ? -pixels : pixels);
        GrabHandle(m_keyHandle);
        DragStep(y);
        return true;
    }
    default:
        return false;
    }
}

void CPopulationDlg::OpenShapeMenu(QPoint globalAt) {
    // The keys come back to where they were when the menu closes, also where
    // the platform does not see to it.
    const QPointer<QWidget> focus = QApplication::focusWidget();
    m_shapeMenu->exec(globalAt);
    if (focus && !QApplication::focusWidget()) focus->setFocus(Qt::PopupFocusReason);
}

void CPopulationDlg::GrabHandle(int j) {
    m_grabbedHandle = j;
    // The series ends once, when a handle is grabbed, not on every move.
    ResetSeries();
    m_populationName = QStringLiteral("DISTRIBUTION");
    ComposeNameBox();
    RepaintNow(this, ToQRect(m_nameBox));
}

void CPopulationDlg::CreateShapeMenu() {
    m_shapeMenu = new QMenu(this);
    for (const MenuItem& item : kShapeMenuItems) {
        QAction* action = m_shapeMenu->addAction(Tr(item.text));
        action->setData(item.id);
        const int id = item.id;
        connect(action, &QAction::triggered, this, [this, id] { OnShapeCommand(id); });
    }
    m_shapeMenu->addSeparator();
    QAction* clear = m_shapeMenu->addAction(Tr(QT_TRANSLATE_NOOP("Population", "&Clear")));
    clear->setData(ID_SHAPE_CLEAR);
    connect(clear, &QAction::triggered, this, [this] { OnShapeCommand(ID_SHAPE_CLEAR); });
}

void CPopulationDlg::Retranslate() {
    setWindowTitle(Tr("Population"));
    m_dialog->Retranslate();
    const QList<QAction*> actions = m_shapeMenu->actions();
    for (QAction* action : actions) {
        const int id = action->data().toInt();
        if (id == ID_SHAPE_CLEAR) action->setText(Tr(QT_TRANSLATE_NOOP("Population", "&Clear")));
        for (const MenuItem& item : kShapeMenuItems)
            if (item.id == id) action->setText(Tr(item.text));
    }
    m_handleSpot->setAccessibleName(Tr(QT_TRANSLATE_NOOP("Population", "Population shape handle")));
    m_nameBoxSpot->setAccessibleName(Tr(QT_TRANSLATE_NOOP("Population", "Preset shapes")));
    m_nameBoxSpot->setToolTip(Tr(kNameBoxTip));
    PlaceFocusSpots();
    if (!g_isBinomial) {
        ComposePicture();
        update();
    }
}

COwnerDrawButton* CPopulationDlg::PictureButton(int id) const {
    return m_dialog ? m_dialog->Get<COwnerDrawButton>(id) : nullptr;
}

Rect CPopulationDlg::HandleRect(int j) const {
    return j >= 1 && j <= kEditHandles ? m_handles[j] : Rect{};
}

void CPopulationDlg::PlaceHandles() {
    ComputeEditHandles(m_handles);
}

void CPopulationDlg::DrawParameterMarkers(QPainter& p) {
    DrawMarkers(p, width());
}

void CPopulationDlg::SetPopulationName(const QString& name) {
    m_populationName = name;
    ComposeNameBox();
    PlaceFocusSpots();
}

void CPopulationDlg::ComposeNameBox() {
    // The surface is shared with the binomial window, whose picture it holds
    // while the kind is binomial.
    if (g_isBinomial) return;
    QPainter p(&g_popMemDC);
    DrawNameBox(p, m_nameBox, m_populationName);
}

void CPopulationDlg::ComposePicture() {
    if (g_isBinomial) return;
    QPainter p(&g_popMemDC);
    // The parts of the window outside the plot band are plain dialog ground.
    const QBrush ground = palette().window();
    GdiFillRect(p, 0, 0, width(), m_plotBand.top, ground);
    GdiFillRect(p, 0, m_plotBand.bottom, width(), height(), ground);
    DrawNameBox(p, m_nameBox, m_populationName);

    DrawMeasurementBackground(p, m_plotBand, m_plotRect);
    PlaceHandles();
    if (g_isDiscrete) {
        DrawDiscreteBars(p);
        DrawParameterMarkers(p);
        if (m_hover >= 1 && m_hover <= kEditHandles)
            GdiFillRect(p, m_handles[m_hover], g_brushBlack);
    } else {
        DrawContinuousOutline(p);
        for (int j = 1; j <= kEditHandles; ++j)
            GdiFillRect(p, m_handles[j], PairRedBrush());
        DrawParameterMarkers(p);
    }
    PlaceFocusSpots();
}

void CPopulationDlg::RedrawCurve() {
    if (g_isBinomial) return;
    ComposePicture();
    RepaintNow(this, ToQRect(m_plotBand));
}

void CPopulationDlg::RepaintPlotAndNameBox() {
    if (g_isBinomial) return;
    ComposePicture();
    RepaintNow(this, Union(m_plotBand, m_nameBox));
}

void CPopulationDlg::MarkSample(int slot) {
    if (g_isBinomial || slot < 1 || slot > kMaxMarkSlot) return;
    const float sx = g_scaleX, sy = g_scaleY;
    const int left = g_plotLeft + Px(sx, 6) + Px(sx, 10) * (slot - 1);
    const Rect mark{left, g_popBaseline - Px(sy, 10), left + Px(sx, 11), g_popBaseline};
    {
        QPainter p(&g_popMemDC);
        GdiFillRect(p, mark, g_brushGrey190);
    }
    RepaintNow(this, ToQRect(mark));
}

void CPopulationDlg::DrawPictureButtons() {
    for (int id : kPictureButtonOrder) {
        if (COwnerDrawButton* button = PictureButton(id)) {
            if (button->isVisible())
                button->repaint();
            else
                button->update();
        }
    }
}

void CPopulationDlg::OnCloseBox() {
    HideTool();
    g_populationWndVisible = 0;
    if (g_samplingDistWndVisible) Links().Repaint(OtherPicture::DorvaneWhole);
}

void CPopulationDlg::OnMoved() {
    MarkActive();
    if (g_samplingDistWndVisible) Links().Repaint(OtherPicture::DorvaneWhole);
}

void CPopulationDlg::paintEvent(QPaintEvent* event) {
    QPainter p(this);
    const QRect area = event->rect();
    GdiCopy(p, area, g_popMemDC);
}

void CPopulationDlg::showEvent(QShowEvent* event) {
    // Another window may have drawn on the shared surface while this one was hidden.
    ComposePicture();
    CToolWindow::showEvent(event);
}

void CPopulationDlg::mousePressEvent(QMouseEvent* event) {
    MarkActive();
    event->accept();
    if (event->button() != Qt::LeftButton) return;

    const QPoint at = event->position().toPoint();
    m_dragging = false;
    for (int j = 1; j <= kEditHandles; ++j) {
        if (!m_handles[j].Contains(at.x(), at.y())) continue;
        m_dragging = true;
        GrabHandle(j);
    }
    const bool inPlot = m_plotRect.Contains(at.x(), at.y());
    const bool inNameBox = m_nameBox.Contains(at.x(), at.y());
    if (!inPlot && !inNameBox) RedrawCurve();
    if (inNameBox) OpenShapeMenu(mapToGlobal(at));
    if (g_samplingDistWndVisible) Links().Repaint(OtherPicture::DorvaneWhole);
}

void CPopulationDlg::leaveEvent(QEvent* event) {
    // The pointer left the window: no handle is under it any more.
    if (g_isDiscrete && m_hover != 0) {
        m_hover = m_previousHover = 0;
        RedrawCurve();
    }
    CToolWindow::leaveEvent(event);
}

void CPopulationDlg::mouseMoveEvent(QMouseEvent* event) {
    event->accept();
    const QPoint at = event->position().toPoint();
    if (g_isDiscrete) {
        int hover = 0;
        for (int j = 1; j <= kEditHandles; ++j)
            if (m_handles[j].Contains(at.x(), at.y())) hover = j;
        m_hover = hover;
        if (hover != m_previousHover) RedrawCurve();
        m_previousHover = hover;
    }
    if (m_dragging && LeftButtonAlone(event)) DragStep(at.y());
}

void CPopulationDlg::DragStep(int y) {
    if (g_isBinomial || m_grabbedHandle < 1 || m_grabbedHandle > kEditHandles) return;
    const int top = ClampDraggedTop(y);
    if (g_isDiscrete) {
        g_popCurve[m_grabbedHandle] = top; // handle j stands on column j - 1
        RecomputePopulationParameters();
    } else {
        g_popCurve[kHandleSpacing * (m_grabbedHandle - 1) + 1] = top;
        RebuildCurveRamps();
        RecomputePopulationParameters();
        // The fields follow the drawn curve through the transform that is set.
        if (g_popSettingsWnd)
            g_popSettingsWnd->SetFieldTexts(ToQt(SettingsMeanText()), ToQt(SettingsSDText()));
    }
    RedrawCurve();
    if (g_samplingDistWndVisible) Links().Repaint(OtherPicture::DorvaneWhole);
    g_ciPopMean = g_popMean;
    Links().Repaint(OtherPicture::ConfIntervalsWindow);
}

void CPopulationDlg::OnPictureButton(int id) {
    if (g_isBinomial) return;
    m_populationName = QStringLiteral("DISTRIBUTION");
    ApplyPreset(PictureShape(id));
}

void CPopulationDlg::OnShapeCommand(int id) {
    if (g_isBinomial) return;
    if (id == ID_SHAPE_CLEAR) {
        m_populationName = QStringLiteral("DISTRIBUTION");
        ClearPopulation();
        return;
    }
    for (const MenuItem& item : kShapeMenuItems) {
        if (item.id != id) continue;
        m_populationName = QString::fromLatin1(PresetName(item.shape));
        ApplyPreset(item.shape);
    }
}
