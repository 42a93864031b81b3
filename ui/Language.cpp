#include "ui/Language.h"

#include <QCoreApplication>
#include <QDir>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>
#include <memory>
#include <vector>

namespace {

UiLanguage g_language = UiLanguage::English;
std::vector<std::unique_ptr<QTranslator>> g_translators;

QLocale LocaleOf(UiLanguage language) {
    switch (language) {
    case UiLanguage::German:
        return QLocale(QLocale::German, QLocale::Germany);
    case UiLanguage::Spanish:
        return QLocale(QLocale::Spanish, QLocale::Spain);
    case UiLanguage::English:
        break;
    }
    return QLocale(QLocale::English, QLocale::UnitedStates);
}

void Install(const QString& fileName, const QString& directory) {
    auto translator = std::make_unique<QTranslator>();
    if (!translator->load(fileName, directory)) return;
    QCoreApplication::installTranslator(translator.get());
    g_translators.push_back(std::move(translator));
}

} // namespace

QString LanguageCode(UiLanguage language) {
    switch (language) {
    case UiLanguage::German:
        return QStringLiteral("de");
    case UiLanguage::Spanish:
        return QStringLiteral("es");
    case UiLanguage::English:
        break;
    }
    return QStringLiteral("en");
}

UiLanguage SystemLanguage() {
    switch (QLocale::system().language()) {
    case QLocale::German:
        return UiLanguage::German;
    case QLocale::Spanish:
        return UiLanguage::Spanish;
    default:
        return UiLanguage::English;
    }
}

UiLanguage CurrentUiLanguage() {
    return g_language;
}

void SetUiLanguage(UiLanguage language) {
    for (const auto& translator : g_translators)
        QCoreApplication::removeTranslator(translator.get());
    g_translators.clear();
    g_language = language;
    // The default locale writes the numbers; it is set before the translators
    // go in, so the redraw their LanguageChange starts already has it.
    QLocale::setDefault(LocaleOf(language));
    if (language == UiLanguage::English) {
        // No translator is left to send the event that redraws in English.
        if (QCoreApplication::instance()) {
            QEvent change(QEvent::LanguageChange);
            QCoreApplication::sendEvent(QCoreApplication::instance(), &change);
        }
        return;
    }
    const QString code = LanguageCode(language);
    // Every area's translations of this language, embedded at build time.
    const QDir embedded(QStringLiteral(":/i18n"));
    for (const QString& file :
         embedded.entryList({QStringLiteral("*_") + code + QStringLiteral(".qm")}))
        Install(file, embedded.path());
    Install(QStringLiteral("qtbase_") + code, QLibraryInfo::path(QLibraryInfo::TranslationsPath));
}
