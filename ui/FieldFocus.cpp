#include "ui/FieldFocus.h"

#include <QApplication>
#include <QEvent>
#include <QFocusEvent>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPointer>

namespace {

// Set on a field while its selection is the one focusing it made.
constexpr char kProgramSelection[] = "dorvaneProgramSelection";

bool IsModifierKey(int key) {
    switch (key) {
    case Qt::Key_Control:
    case Qt::Key_Shift:
    case Qt::Key_Alt:
    case Qt::Key_AltGr:
    case Qt::Key_Meta:
    case Qt::Key_Super_L:
    case Qt::Key_Super_R:
        return true;
    default:
        return false;
    }
}

class CFieldFocus : public QObject {
  protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        auto* field = qobject_cast<QLineEdit*>(watched);
        if (!field) return false;
        switch (event->type()) {
        case QEvent::FocusIn:
            // Before the field's own handling, which keeps a selection.
            if (static_cast<QFocusEvent*>(event)->reason() != Qt::MouseFocusReason &&
                !field->text().isEmpty()) {
                field->selectAll();
                field->setProperty(kProgramSelection, true);
            }
            break;
        case QEvent::KeyPress:
            // Ctrl, Shift and the like come before the key they change.
            if (IsModifierKey(static_cast<QKeyEvent*>(event)->key())) break;
            field->setProperty(kProgramSelection, false);
            break;
        case QEvent::FocusOut:
        case QEvent::MouseButtonPress:
        case QEvent::MouseButtonDblClick:
            field->setProperty(kProgramSelection, false);
            break;
        default:
            break;
        }
        return false;
    }
};

QPointer<CFieldFocus> fieldFocus;

} // namespace

void InstallFieldFocus() {
    if (fieldFocus) return;
    fieldFocus = new CFieldFocus;
    fieldFocus->setParent(qApp);
    qApp->installEventFilter(fieldFocus);
    // A field that has the focus already (the program's start) is selected
    // when its window becomes active; one in an active window now.
    if (auto* field = qobject_cast<QLineEdit*>(QApplication::focusWidget())) {
        field->selectAll();
        field->setProperty(kProgramSelection, true);
    }
}

bool HasStudentSelection(const QLineEdit* field) {
    return field && field->hasSelectedText() && !field->property(kProgramSelection).toBool();
}
