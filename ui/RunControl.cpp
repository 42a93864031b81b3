#include "ui/RunControl.h"

#include <QVariant>
#include <QWidget>

namespace {
bool g_stopRequested = false;
constexpr char kRunControl[] = "dorvaneRunControl";
} // namespace

void RequestStopOfRun() {
    g_stopRequested = true;
}
bool StopOfRunRequested() {
    return g_stopRequested;
}
void ClearStopOfRun() {
    g_stopRequested = false;
}

void MarkAsRunControl(QWidget* control) {
    if (control) control->setProperty(kRunControl, true);
}

bool IsRunControl(const QWidget* control) {
    return control && control->property(kRunControl).toBool();
}
