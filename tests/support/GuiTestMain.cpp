// Widget tests run on the offscreen platform unless a display is chosen, in
// the Fusion style and the C locale, in English whatever the machine's
// language, and any Qt warning fails the test.
#include "ui/DrawingResources.h"

#include <QApplication>
#include <QLocale>
#include <QStyleFactory>
#include <gtest/gtest.h>

namespace {
void FailOnWarnings(QtMsgType type, const QMessageLogContext&, const QString& message) {
    // The offscreen platform reports this for every top-level window, and
    // that it cannot raise a pop-up menu or give it the keyboard.
    if (type == QtDebugMsg || type == QtInfoMsg || message.contains("propagateSizeHints") ||
        message.startsWith("This plugin does not support"))
        return;
    ADD_FAILURE() << "Qt warning: " << message.toStdString();
}
} // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
#ifdef DORVANE_TEST_SCALE_FACTOR
    // The scaled tests see the screen that a projector setting makes.
    qputenv("QT_SCALE_FACTOR", DORVANE_TEST_SCALE_FACTOR);
#endif
    qputenv("LC_ALL", "C.UTF-8");
    qputenv("LANGUAGE", "en");
    QLocale::setDefault(QLocale::c());
    QApplication::setStyle(QStyleFactory::create(QStringLiteral("Fusion")));
    QApplication app(argc, argv);
    qInstallMessageHandler(FailOnWarnings);
    CreatePensAndBrushes();
    CreateFonts();
    CreateOffscreenSurfaces();
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
