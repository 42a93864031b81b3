#pragma once
// Field texts cross between the windows (QString) and the core's rules
// (std::string) here.

#include <QString>
#include <string>

inline std::string ToStd(const QString& text) {
    return text.toStdString();
}
inline QString ToQt(const std::string& text) {
    return QString::fromStdString(text);
}
