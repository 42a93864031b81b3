#include "ui/DialogTemplate.h"

#include "ui/CoreText.h"
#include "ui/DrawSamplesButton.h"

#include <QColor>
#include <QCoreApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPushButton>
#include <QScrollBar>

namespace {

// The property that marks a readout label, holding what it shows.
constexpr char kReadoutName[] = "readoutName";

// Setting the name announces it on the accessibility bus, so a changed
// number is heard.
void NameReadout(QLabel* label) {
    const QString what = label->property(kReadoutName).toString();
    if (what.isEmpty()) return;
    const QString text = label->text().trimmed();
    label->setAccessibleName(text.isEmpty() ? what : what + QStringLiteral(": ") + text);
}

// Enter presses the focused button: Qt's buttons take only Space outside a
// dialog box.
class CEnterPressesButton : public QObject {
  protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() != QEvent::KeyPress) return false;
        const auto* key = static_cast<QKeyEvent*>(event);
        const bool enter = key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter;
        if (!enter || (key->modifiers() & ~Qt::KeypadModifier) || key->isAutoRepeat()) return false;
        auto* button = qobject_cast<QAbstractButton*>(watched);
        if (!button || !button->isEnabled()) return false;
        button->click();
        return true;
    }
};

QObject* EnterPressesButton() {
    static CEnterPressesButton* filter = [] {
        auto* f = new CEnterPressesButton;
        // Lives as long as the application, like the buttons it serves.
        if (QCoreApplication::instance()) f->setParent(QCoreApplication::instance());
        return f;
    }();
    return filter;
}

} // namespace

void TakeFocusByTab(QWidget* control) {
    control->setFocusPolicy(Qt::TabFocus);
    if (qobject_cast<QAbstractButton*>(control)) control->installEventFilter(EnterPressesButton());
}

DialogTemplate::DialogTemplate(QWidget* owner, QSize templateDU, QSize designPx,
                               const char* context)
    : m_owner(owner), m_context(context), m_kx(double(designPx.width()) / templateDU.width()),
      m_ky(double(designPx.height()) / templateDU.height()) {}

QRect DialogTemplate::ToPixels(int x, int y, int w, int h) const {
    const int left = static_cast<int>(x * m_kx);
    const int top = static_cast<int>(y * m_ky);
    return QRect(left, top, static_cast<int>(w * m_kx), static_cast<int>(h * m_ky));
}

QWidget* DialogTemplate::Create(const ControlSpec& spec) {
    const QString text = spec.text && *spec.text ? Tr(spec.text) : QString();
    m_sources[spec.id].text = spec.text;
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
    if (spec.kind != ControlKind::Static && spec.kind != ControlKind::Edit) TakeFocusByTab(widget);
    m_controls.insert(spec.id, widget);
    return widget;
}

void DialogTemplate::CreateAll(std::initializer_list<ControlSpec> specs) {
    for (const ControlSpec& spec : specs)
        Create(spec);
}

QString DialogTemplate::Tr(const char* english) const {
    return WindowText(m_context, english);
}

void DialogTemplate::ShowWords(const ControlWords& w) {
    QWidget* control = Control(w.id);
    if (!control || !w.name) return;
    control->setAccessibleName(Tr(w.name));
    if (w.tip) control->setToolTip(Tr(w.tip));
    if (auto* label = qobject_cast<QLabel*>(control); label && !w.tip) {
        label->setProperty(kReadoutName, Tr(w.name));
        NameReadout(label);
    }
}

void DialogTemplate::DescribeAll(std::initializer_list<ControlWords> words) {
    for (const ControlWords& w : words) {
        if (!Control(w.id)) continue;
        m_sources[w.id].words = w;
        ShowWords(w);
    }
}

void DialogTemplate::Retranslate() {
    for (auto at = m_sources.cbegin(); at != m_sources.cend(); ++at) {
        QWidget* control = Control(at.key());
        const char* text = at.value().text;
        if (text && *text) {
            if (auto* button = qobject_cast<QAbstractButton*>(control))
                button->setText(Tr(text));
            else if (auto* label = qobject_cast<QLabel*>(control))
                label->setText(Tr(text));
        }
        ShowWords(at.value().words);
    }
}

void ShowReadout(QLabel* label, const QString& text) {
    if (label->text() == text) return;
    label->setText(text);
    NameReadout(label);
}
