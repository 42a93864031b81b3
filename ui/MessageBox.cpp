#include "ui/MessageBox.h"

#include "ui/DrawSamplesButton.h"

#include <QCoreApplication>
#include <QMessageBox>

namespace {
MessageHandler& Handler() {
    static MessageHandler handler;
    return handler;
}
} // namespace

void SetMessageHandler(MessageHandler handler) {
    Handler() = std::move(handler);
}

void ShowMessage(QWidget* owner, const QString& english) {
    // The core's messages come in English; any other text is translated already.
    const QString text = QCoreApplication::translate("Core", english.toUtf8().constData());
    // Behind the box the button shows its words, not a blank grey face.
    EndAllDrawSamplesPressed();
    if (Handler()) {
        Handler()(owner, text);
        return;
    }
    QMessageBox box(QMessageBox::NoIcon, QStringLiteral("Dorvane"), text, QMessageBox::Ok, owner);
    box.exec();
}
