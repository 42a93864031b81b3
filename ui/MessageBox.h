#pragma once
// The program's one kind of message: a modal OK box captioned "Dorvane".

#include <QString>
#include <functional>

class QWidget;

void ShowMessage(QWidget* owner, const QString& text);

// Tests install a handler that records the text instead of opening a box;
// an empty handler restores the real box.
using MessageHandler = std::function<void(QWidget* owner, const QString& text)>;
void SetMessageHandler(MessageHandler handler);
