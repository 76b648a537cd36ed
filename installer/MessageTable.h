#pragma once
// The installer's texts, 29 messages in six languages (UTF-8). "%s" marks
// where a name goes in (see fillIn in Ui.h).
#include <string>

namespace turnpixa::setup {

inline constexpr int kLanguageCount = 6;
inline constexpr int kMessageCount = 29;

// Language names in list order: English, Français, Deutsch, Русский,
// Italiano, España.
const char* languageName(int language);
// Message n of a language; "" for numbers outside the table, English for an
// unknown language.
std::string message(int n, int language);
// Language from a POSIX locale name such as "de_DE.UTF-8" (LC_ALL,
// LC_MESSAGES, LANG): German, Spanish, French, Italian, or Russian for the
// Slavic languages, else English.
int languageForLocale(const std::string& locale);

}  // namespace turnpixa::setup
