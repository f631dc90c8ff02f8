#include "csv/box_columns.h"

#include <algorithm>
#include <cctype>

#include "csv/utf8.h"

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

std::optional<HeaderMap> MapHeader(std::span<const std::string_view> names, std::string& problem,
                                   std::span<const std::string_view> written) {
  HeaderMap map{names.size(), {}, {}};
  for (size_t i = 0; i < names.size(); ++i) {
    if (!IsValidUtf8(names[i])) {
      problem = "header column " + std::to_string(i + 1) + " is not valid UTF-8";
      return std::nullopt;
    }
    if (std::find(written.begin(), written.end(), names[i]) == written.end()) map.passedOn.push_back(i);
    const auto box = ParseBoxName(names[i]);
    if (!box) continue;
    for (const BoxColumn& earlier : map.boxColumns) {
      if (earlier.box == *box) {
        problem = "header names input box " + BoxNameText(*box) + " twice";
        return std::nullopt;
      }
    }
    map.boxColumns.push_back({i, *box});
  }
  return map;
}

}  // namespace draftcalc::csv
