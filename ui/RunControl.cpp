#include "ui/RunControl.h"

#include <QVariant>
#include <QWidget>

namespace {
bool stopRequested = false;
constexpr char kRunControl[] = "dorvaneRunControl";
} // namespace

void RequestStopOfRun() {
    stopRequested = true;
}
bool StopOfRunRequested() {
    return stopRequested;
}
void ClearStopOfRun() {
    stopRequested = false;
}

void MarkAsRunControl(QWidget* control) {
    if (control) control->setProperty(kRunControl, true);
}

bool IsRunControl(const QWidget* control) {
    return control && control->property(kRunControl).toBool();
}
