#pragma once
// A button whose face the owning window draws.

#include <QAbstractButton>
#include <functional>

class COwnerDrawButton : public QAbstractButton {
    Q_OBJECT
  public:
    using FaceFn = std::function<void(QPainter& painter, const QRect& client, bool down)>;
    explicit COwnerDrawButton(QWidget* parent = nullptr);
    void SetFace(FaceFn face) { m_face = std::move(face); }
    // While set, the whole button is grey (210): the held-down look of a run.
    void SetPressedLook(bool on) { m_pressedLook = on; }
    bool PressedLook() const { return m_pressedLook; }

  protected:
    void paintEvent(QPaintEvent*) override;

  private:
    FaceFn m_face;
    bool m_pressedLook = false;
};
