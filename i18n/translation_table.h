#pragma once

#include <span>
#include <string_view>

// The translations as the build writes them from i18n/*.ts
// (tools/translations_out.cmake): one entry per source text, in the file's order.

namespace draftcalc::i18n {

struct TableEntry {
  std::string_view source, translation;
};

std::span<const TableEntry> EnglishTable();
std::span<const TableEntry> JapaneseTable();

}  // namespace draftcalc::i18n
