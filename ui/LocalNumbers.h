#pragma once
// Numbers written the way the language in force writes them. The core writes
// every number with a decimal point and, in counts, a comma between thousands
// ("3.19", "10,000"); a text shown to the user passes through LocalNumbers,
// which swaps these for the locale's separators ("3,19" and "10.000" in
// German). Only a point or comma between digits is a separator, so the full
// stop of a sentence and the comma of a list stay as they are. Texts that
// leave the program as data (the clipboard's series) keep the point.

#include <QString>
#include <string>

QString LocalNumbers(const QString& text);
QString LocalNumbers(const std::string& text);
