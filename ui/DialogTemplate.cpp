#include "ui/DialogTemplate.h"

#include "ui/DrawSamplesButton.h"

#include <QColor>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPushButton>
#include <QScrollBar>

DialogTemplate::DialogTemplate(QWidget* owner, QSize templateDU, QSize designPx)
    : m_owner(owner), m_kx(double(designPx.width()) / templateDU.width()),
      m_ky(double(designPx.height()) / templateDU.height()) {}

QRect DialogTemplate::ToPixels(int x, int y, int w, int h) const {
    const int left = static_cast<int>(x * m_kx);
    const int top = static_cast<int>(y * m_ky);
    return QRect(left, top, static_cast<int>(w * m_kx), static_cast<int>(h * m_ky));
}

QWidget* DialogTemplate::Create(const ControlSpec& spec) {
    const QString text = QString::fromUtf8(spec.text ? spec.text : "");
    QWidget* widget = nullptr;
    switch (spec.kind) {
    case ControlKind::PushButton:
        widget = new QPushButton(text, m_owner);
        break;
    case ControlKind::RadioButton: {
        auto* button = new QPushButton(text, m_owner);
        button->setCheckable(true);
        widget = button;
        break;
    }
    case ControlKind::OwnerDrawn:
        widget = new COwnerDrawButton(m_owner);
        break;
    case ControlKind::DrawSamples:
        widget = new CDrawSamplesButton(m_owner);
        break;
    case ControlKind::Edit:
        widget = new QLineEdit(text, m_owner);
        break;
    case ControlKind::Static: {
        auto* label = new QLabel(text, m_owner);
        label->setWordWrap(false);
        widget = label;
        break;
    }
    case ControlKind::HScrollBar:
        widget = new QScrollBar(Qt::Horizontal, m_owner);
        break;
    case ControlKind::VScrollBar:
        widget = new QScrollBar(Qt::Vertical, m_owner);
        break;
    }
    widget->setGeometry(ToPixels(spec.x, spec.y, spec.w, spec.h));
    widget->setObjectName(QStringLiteral("id%1").arg(spec.id));
    widget->setProperty("controlId", spec.id);
    if (spec.kind != ControlKind::Static && spec.kind != ControlKind::Edit)
        widget->setFocusPolicy(Qt::NoFocus);
    m_controls.insert(spec.id, widget);
    return widget;
}

void DialogTemplate::CreateAll(std::initializer_list<ControlSpec> specs) {
    for (const ControlSpec& spec : specs)
        Create(spec);
}

COwnerDrawButton::COwnerDrawButton(QWidget* parent) : QAbstractButton(parent) {}

void COwnerDrawButton::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    if (m_pressedLook)
        painter.fillRect(rect(), QColor(210, 210, 210));
    else if (m_face)
        m_face(painter, rect(), isDown());
}
