#pragma once

#include <initializer_list>
#include <optional>
#include <string>
#include <string_view>

#include "core/translatable.h"

// The program's texts in English and Japanese, for the parts that run
// without Qt (the explanations, draftcalc-cli, the Python module, the page's
// module): the same translations the window's are built from
// (i18n/draftcalc_en.ts, i18n/draftcalc_ja.ts), compiled in.

namespace draftcalc::i18n {

enum class Language { kEnglish, kJapanese };

// "en" or "ja"; nothing for any other code.
std::optional<Language> LanguageOfCode(std::string_view code);
std::string_view CodeOf(Language language);
// Japanese for a "ja" locale name ("ja_JP.UTF-8", "ja"), English for any other.
Language LanguageOfLocale(std::string_view localeName);
// The language of the environment's locale, as the C library reads it:
// LC_ALL, else LC_MESSAGES, else LANG.
Language LanguageOfEnvironment();

// `source` (a text marked QT_TRANSLATE_NOOP("draftcalc", ...)) in
// `language`; the source itself where the translations have none.
std::string_view Translate(std::string_view source, Language language);

// The translation of `source` with %1, %2, ... replaced by `values` in order
// (a %n beyond them stays as it is).
std::string Format(std::string_view source, Language language, std::initializer_list<std::string_view> values);

// The language of the program's messages (a file that cannot be read, a
// record that is refused, a mistake on the command line), for the layers
// that make them without knowing who shows them: one per process, as a
// program speaks one language at a time; English until set. The window sets
// it with its own, draftcalc-cli from --lang or the locale.
void SetMessageLanguage(Language language);
Language MessageLanguage();
// Format(source, MessageLanguage(), values).
std::string Message(std::string_view source, std::initializer_list<std::string_view> values = {});

}  // namespace draftcalc::i18n
