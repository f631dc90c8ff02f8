#include "cli/box_names.h"

#include <cctype>

namespace draftcalc::cli {

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

}  // namespace draftcalc::cli
