#pragma once

#include <QString>
#include <optional>

#include "i18n/translation.h"

// The language of the window: English or Japanese, switched at run time by
// Qt's own translations, built from i18n/draftcalc_en.ts and
// i18n/draftcalc_ja.ts into the program.

namespace draftcalc::app {

// The same languages the parts without Qt speak (the explanations).
using Language = i18n::Language;

// "en" or "ja" (i18n::CodeOf, LanguageOfLocale for the rest); nothing for any other code.
std::optional<Language> LanguageOfCode(const QString& code);

// The language the window starts in: the one asked for on the command line,
// else the one chosen last time (kept in the settings), else the system
// locale's.
Language StartingLanguage(std::optional<Language> asked);

// Makes `language` the window's: installs its translations (every widget
// then receives QEvent::LanguageChange) and keeps the choice for the next
// start when `keep`.
void UseLanguage(Language language, bool keep);
Language CurrentLanguage();

// A window text in the current language: the source text as written in the
// program, looked up in the context "draftcalc" that every window text is
// marked with (QT_TRANSLATE_NOOP("draftcalc", ...)).
QString Translated(const char* source);

}  // namespace draftcalc::app
