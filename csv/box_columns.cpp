#include "csv/box_columns.h"

#include <algorithm>
#include <cctype>

#include "core/translatable.h"
#include "csv/utf8.h"
#include "i18n/translation.h"

namespace draftcalc::csv {

std::optional<BoxName> ParseBoxName(std::string_view name) {
  if (name.size() != 2 || name[1] < '1' || name[1] > '3') return std::nullopt;
  const char letter = static_cast<char>(std::toupper(static_cast<unsigned char>(name[0])));
  for (int column = 0; column < kColumnCount; ++column) {
    if (kColumnLetters[static_cast<size_t>(column)] == letter)
      return BoxName{name[1] - '1', static_cast<Column>(column)};
  }
  return std::nullopt;
}

std::string BoxNameText(BoxName box) {
  const char letter = static_cast<char>(std::tolower(kColumnLetters[static_cast<size_t>(box.column)]));
  return {letter, static_cast<char>('1' + box.row)};
}

namespace {

bool IsBlank(char c) { return c == ' ' || c == '\t'; }

// The name without the blanks and byte-order marks around it, which a
// spreadsheet or a second save through an editor leaves there unseen.
std::string_view Trimmed(std::string_view name) {
  constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";
  for (bool trimmed = true; trimmed;) {
    trimmed = false;
    if (!name.empty() && IsBlank(name.front())) name.remove_prefix(1), trimmed = true;
    if (!name.empty() && IsBlank(name.back())) name.remove_suffix(1), trimmed = true;
    if (name.starts_with(kByteOrderMark)) name.remove_prefix(kByteOrderMark.size()), trimmed = true;
    if (name.ends_with(kByteOrderMark)) name.remove_suffix(kByteOrderMark.size()), trimmed = true;
  }
  return name;
}

// The name as a message shows it: a byte-order mark, which shows as
// nothing, written out.
std::string Shown(std::string_view name) {
  std::string shown;
  for (size_t i = 0; i < name.size(); ++i) {
    if (name.substr(i).starts_with("\xEF\xBB\xBF")) {
      shown += "<U+FEFF>";
      i += 2;
    } else {
      shown += name[i];
    }
  }
  return shown;
}

}  // namespace

std::optional<HeaderMap> MapHeader(std::span<const std::string_view> names, std::string& problem,
                                   std::span<const std::string_view> written) {
  HeaderMap map{names.size(), {}, {}};
  for (size_t i = 0; i < names.size(); ++i) {
    if (!IsValidUtf8(names[i])) {
      problem =
          i18n::Message(QT_TRANSLATE_NOOP("draftcalc", "header column %1 is not valid UTF-8"), {std::to_string(i + 1)});
      return std::nullopt;
    }
    if (std::find(written.begin(), written.end(), names[i]) == written.end()) map.passedOn.push_back(i);
    const auto box = ParseBoxName(names[i]);
    if (!box) {
      if (const auto meant = ParseBoxName(Trimmed(names[i]))) {
        problem = i18n::Message(QT_TRANSLATE_NOOP("draftcalc", "column \"%1\" is not %2; write %2"),
                                {Shown(names[i]), BoxNameText(*meant)});
        return std::nullopt;
      }
      continue;
    }
    for (const BoxColumn& earlier : map.boxColumns) {
      if (earlier.box == *box) {
        problem = i18n::Message(QT_TRANSLATE_NOOP("draftcalc", "header names input box %1 twice"), {BoxNameText(*box)});
        return std::nullopt;
      }
    }
    map.boxColumns.push_back({i, *box});
  }
  if (map.boxColumns.empty()) {
    problem = i18n::Message(QT_TRANSLATE_NOOP("draftcalc", "the header names no input box (x1 … s3)"));
    return std::nullopt;
  }
  return map;
}

}  // namespace draftcalc::csv
