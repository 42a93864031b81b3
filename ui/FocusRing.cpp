#include "ui/FocusRing.h"

#include "ui/FocusSpot.h"
#include "ui/ToolWindow.h"

#include <QApplication>
#include <QEvent>
#include <QPainter>
#include <QPointer>
#include <QRegion>

namespace {

const QColor kDark(20, 20, 20);
const QColor kLight(255, 255, 255);

class CFocusRing : public QWidget {
  public:
    explicit CFocusRing(QWidget* parent) : QWidget(parent) {
        setAttribute(Qt::WA_TransparentForMouseEvents);
        setFocusPolicy(Qt::NoFocus);
        hide();
    }

    // Around the control, in its parent's coordinates; only the frame is ours.
    // Where the window's edge would cut it off, it runs just inside the
    // control instead, so all four sides show. A picture that reaches the
    // edge has black frames of its own near it (the selected sample's): its
    // ring runs inside all round, two pixels in the focus blue, so it neither
    // hides those frames nor joins them.
    void Frame(const QWidget* control) {
        const QRect around = control->geometry().adjusted(-kFocusRingOutset, -kFocusRingOutset,
                                                          kFocusRingOutset, kFocusRingOutset);
        m_inside =
            qobject_cast<const CFocusSpot*>(control) && !parentWidget()->rect().contains(around);
        const QRect outer =
            (m_inside ? control->geometry() : around).intersected(parentWidget()->rect());
        const int width = m_inside ? kFocusRingDark : kFocusRingOutset;
        setGeometry(outer);
        const QRect all(QPoint(0, 0), outer.size());
        const QRect hole = all.adjusted(width, width, -width, -width);
        setMask(QRegion(all).subtracted(QRegion(hole)));
        raise();
        show();
        update();
    }

  protected:
    void paintEvent(QPaintEvent*) override {
        QPainter p(this);
        if (m_inside) {
            p.fillRect(rect(), kFocusRingInside);
            return;
        }
        p.fillRect(rect(), kDark);
        const QRect light =
            rect().adjusted(kFocusRingDark, kFocusRingDark, -kFocusRingDark, -kFocusRingDark);
        p.fillRect(light, kLight);
    }

  private:
    bool m_inside = false;
};

// Follows the control that has the focus: its moves, its size, its showing
// and hiding. The ring is the keyboard's: a mouse press puts it away (a
// student who drags a bar or clicks a button sees no frame left behind on
// it) and the next key brings it back on whatever has the focus then.
class CRingFollower : public QObject {
  public:
    void FocusChanged(QWidget* now) {
        if (m_control) m_control->removeEventFilter(this);
        m_control = ToolControl(now) ? now : nullptr;
        if (m_control) m_control->installEventFilter(this);
        Update();
    }

    QWidget* Shown() const { return m_ring && m_ring->isVisible() ? m_ring.data() : nullptr; }

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        switch (event->type()) {
        case QEvent::MouseButtonPress:
        case QEvent::MouseButtonDblClick:
            if (m_byKeyboard) {
                m_byKeyboard = false;
                Update();
            }
            break;
        case QEvent::KeyPress:
        case QEvent::ShortcutOverride:
            if (!m_byKeyboard) {
                m_byKeyboard = true;
                Update();
            }
            break;
        case QEvent::Move:
        case QEvent::Resize:
        case QEvent::Show:
        case QEvent::Hide:
            if (watched == m_control) Update();
            break;
        default:
            break;
        }
        return false;
    }

  private:
    // Controls of the tool windows have a ring; the frame's own widgets,
    // menus and message boxes keep their platform look.
    static bool ToolControl(const QWidget* widget) {
        return widget && qobject_cast<const CToolWindow*>(widget->parentWidget());
    }

    void Update() {
        if (!m_byKeyboard || !m_control || !m_control->isVisible()) {
            if (m_ring) m_ring->hide();
            return;
        }
        QWidget* window = m_control->parentWidget();
        if (!m_ring || m_ring->parentWidget() != window) {
            delete m_ring;
            m_ring = new CFocusRing(window);
        }
        m_ring->Frame(m_control);
    }

    QPointer<QWidget> m_control;
    QPointer<CFocusRing> m_ring;
    bool m_byKeyboard = true;
};

CRingFollower* follower = nullptr;

} // namespace

void InstallFocusRing() {
    if (follower) return;
    follower = new CRingFollower;
    follower->setParent(qApp);
    qApp->installEventFilter(follower);
    QObject::connect(qApp, &QApplication::focusChanged, follower,
                     [](QWidget*, QWidget* now) { follower->FocusChanged(now); });
    follower->FocusChanged(QApplication::focusWidget());
}

QWidget* ShownFocusRing() {
    return follower ? follower->Shown() : nullptr;
}
