#include "ui/LocalNumbers.h"

#include <QLocale>

QString LocalNumbers(const QString& text) {
    const QLocale locale;
    const QString point = locale.decimalPoint();
    const QString group = locale.groupSeparator();
    if (point == QLatin1String(".") && group == QLatin1String(",")) return text;
    QString out;
    out.reserve(text.size());
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text[i];
        const bool betweenDigits =
            i > 0 && i + 1 < text.size() && text[i - 1].isDigit() && text[i + 1].isDigit();
        // A leading point (".5") is a decimal point too.
        const bool leadsDigits = c == QLatin1Char('.') && i + 1 < text.size() &&
                                 text[i + 1].isDigit() &&
                                 (i == 0 || !text[i - 1].isLetterOrNumber());
        if (c == QLatin1Char('.') && (betweenDigits || leadsDigits))
            out += point;
        else if (c == QLatin1Char(',') && betweenDigits)
            out += group;
        else
            out += c;
    }
    return out;
}

QString LocalNumbers(const std::string& text) {
    return LocalNumbers(QString::fromStdString(text));
}
