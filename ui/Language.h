#pragma once
// The language of the interface: English (the texts in the code), German or
// Spanish. Choosing one installs its translations (every area's, embedded at
// build time, and Qt's own for OK, Cancel, Yes, No) and its number format;
// Qt then sends every widget a LanguageChange event, on which it retranslates.

#include <QString>

enum class UiLanguage { English, German, Spanish };

// The language the system's locale asks for; English where it asks for one
// the program does not speak.
UiLanguage SystemLanguage();

// Installs the translations and number format of the language; the one in
// force before is removed first.
void SetUiLanguage(UiLanguage language);
UiLanguage CurrentUiLanguage();

// "en", "de", "es": the ending of the translation files.
QString LanguageCode(UiLanguage language);
