#pragma once
// Field texts cross between the windows (QString) and the core's rules
// (std::string) here.

#include <QLineEdit>
#include <QString>
#include <string>

inline std::string ToStd(const QString& text) {
    return text.toStdString();
}
inline QString ToQt(const std::string& text) {
    return QString::fromStdString(text);
}

// Shows a field's text. Only a changed text is written, so a field being
// typed in keeps its cursor.
inline void ShowFieldText(QLineEdit* edit, const QString& text) {
    if (edit->text() != text) edit->setText(text);
}

// A field's copy and its control change together, so the window never has to
// read the control back: the copy takes the text and the control shows it.
inline void PutFieldText(QLineEdit* edit, QString& copy, const QString& text) {
    copy = text;
    ShowFieldText(edit, copy);
}
