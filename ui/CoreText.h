#pragma once
// A text the core wrote in English (core/Translatable.h), in the language in
// force and with its numbers written the local way.

#include "ui/LocalNumbers.h"

#include <QCoreApplication>
#include <string>

inline QString CoreText(const std::string& english) {
    return LocalNumbers(QCoreApplication::translate("Core", english.c_str()));
}
