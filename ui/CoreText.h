#pragma once
// A text the core wrote in English (core/Translatable.h), in the language in
// force. The numbers of a fixed message are written by its translation; a
// text the core put numbers into goes through LocalNumbers as well.

#include <QCoreApplication>
#include <string>

inline QString CoreText(const char* english) {
    return QCoreApplication::translate("Core", english);
}

// The core's translator (core/PopulationDescription.h) in the language in force.
inline std::string CoreTextStd(const char* english) {
    return CoreText(english).toStdString();
}

// A text of the shared controls (ui/), marked QT_TRANSLATE_NOOP("Shell", ...),
// in the language in force.
inline QString ShellText(const char* english) {
    return QCoreApplication::translate("Shell", english);
}

// A window's own words, or, where the window has none, the words of the
// shared controls (ui/), which are translated once, in the context "Shell".
inline QString WindowText(const char* context, const char* english) {
    const QString own = QCoreApplication::translate(context, english);
    return own == QLatin1String(english) ? ShellText(english) : own;
}
