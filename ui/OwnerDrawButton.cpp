#include "ui/OwnerDrawButton.h"

#include <QColor>
#include <QPainter>

COwnerDrawButton::COwnerDrawButton(QWidget* parent) : QAbstractButton(parent) {}

void COwnerDrawButton::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    if (m_pressedLook)
        painter.fillRect(rect(), QColor(210, 210, 210));
    else if (m_face)
        m_face(painter, rect(), isDown());
}
