#include "i18n/translation.h"

#include <algorithm>
#include <atomic>
#include <cstdlib>
#include <span>
#include <vector>

#include "i18n/translation_table.h"

namespace draftcalc::i18n {
namespace {

// The table of one language sorted by source, made once.
std::span<const TableEntry> Sorted(Language language) {
  static const auto sort = [](std::span<const TableEntry> entries) {
    std::vector<TableEntry> sorted(entries.begin(), entries.end());
    std::sort(sorted.begin(), sorted.end(),
              [](const TableEntry& a, const TableEntry& b) { return a.source < b.source; });
    return sorted;
  };
  static const std::vector<TableEntry> english = sort(EnglishTable());
  static const std::vector<TableEntry> japanese = sort(JapaneseTable());
  return language == Language::kJapanese ? japanese : english;
}

// Read by every thread that makes a message; set rarely (at start, or on a
// switch of the window's language).
std::atomic<Language> messageLanguage{Language::kEnglish};

}  // namespace

std::optional<Language> LanguageOfCode(std::string_view code) {
  if (code == "en") return Language::kEnglish;
  if (code == "ja") return Language::kJapanese;
  return std::nullopt;
}

std::string_view CodeOf(Language language) { return language == Language::kJapanese ? "ja" : "en"; }

Language LanguageOfLocale(std::string_view localeName) {
  return localeName.starts_with("ja") ? Language::kJapanese : Language::kEnglish;
}

Language LanguageOfEnvironment() {
  for (const char* name : {"LC_ALL", "LC_MESSAGES", "LANG"}) {
    const char* value = std::getenv(name);
    if (value != nullptr && *value != '\0') return LanguageOfLocale(value);
  }
  return Language::kEnglish;
}

std::string_view Translate(std::string_view source, Language language) {
  const std::span<const TableEntry> table = Sorted(language);
  const auto found = std::lower_bound(table.begin(), table.end(), source,
                                      [](const TableEntry& entry, std::string_view s) { return entry.source < s; });
  return found != table.end() && found->source == source ? found->translation : source;
}

std::string Format(std::string_view source, Language language, std::initializer_list<std::string_view> values) {
  const std::string_view text = Translate(source, language);
  std::string out;
  out.reserve(text.size() + 16);
  for (size_t i = 0; i < text.size(); ++i) {
    const size_t n = i + 1 < text.size() ? static_cast<size_t>(text[i + 1] - '0') : 0;
    if (text[i] == '%' && n >= 1 && n <= 9 && n <= values.size()) {
      out += *(values.begin() + (n - 1));
      ++i;
    } else {
      out += text[i];
    }
  }
  return out;
}

void SetMessageLanguage(Language language) { messageLanguage.store(language, std::memory_order_relaxed); }

Language MessageLanguage() { return messageLanguage.load(std::memory_order_relaxed); }

std::string Message(std::string_view source, std::initializer_list<std::string_view> values) {
  return Format(source, MessageLanguage(), values);
}

}  // namespace draftcalc::i18n
