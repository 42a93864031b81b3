// Dorvane: draw samples from a population and watch their sampling
// distribution and confidence intervals build up.
#include "resources/AppIcon.h"
#include "shell/MainFrame.h"
#include "ui/DrawingResources.h"
#include "ui/Language.h"

#include <QApplication>

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Dorvane"));
    QApplication::setApplicationVersion(QStringLiteral("5.4"));
    QGuiApplication::setDesktopFileName(QStringLiteral("org.dorvane.Dorvane"));
    QApplication::setWindowIcon(DorvaneIcon());

    // The system's language, before the first window asks for a text.
    SetUiLanguage(SystemLanguage());

    // Pens and brushes exist before any window draws.
    CreatePensAndBrushes();

    CMainFrame frame;
    frame.show();
    frame.repaint();
    return app.exec();
}
