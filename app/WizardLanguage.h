#pragma once
#include <QString>

namespace turnpixa {

// The wizard speaks the installer's six languages and chooses among them as
// the installer does: the first of LC_ALL, LC_MESSAGES, LANG that is set and
// not empty names the locale ("de_DE.UTF-8"); its language part gives German,
// Spanish, French, Italian, or Russian for Czech, Polish, Russian, Ukrainian
// and Belarusian, anything else English. The result is the language code
// of the translation ("de", "es", "fr", "it", "ru") or "" for English.
QString wizardLanguageForLocale(const QString& locale);
QString wizardLanguageFromEnvironment(const char* lcAll, const char* lcMessages, const char* lang);
// The same from this process's environment.
QString wizardLanguageFromEnvironment();

// The languages there are translations for, in the installer's order after
// English.
inline constexpr const char* kWizardLanguages[] = {"fr", "de", "ru", "it", "es"};

// Makes the application speak a language: the wizard's translation built
// into the program and, when the system has it, Qt's own for its standard
// dialogs and buttons. "" (or a language without a translation) returns to
// English. Earlier choices are undone first. True when the wizard's
// translation was loaded or English was asked for.
bool useWizardLanguage(const QString& code);
// The code of the language in use, "" for English.
QString currentWizardLanguage();

}  // namespace turnpixa
