#include "core/partial_read.h"

#include "core/number_parse.h"
#include "core/number_text.h"
#include "core/translatable.h"

namespace draftcalc {
namespace {

bool IsBlank(char c) { return c == ' ' || c == '\t' || c == '\n'; }

bool AllBlank(std::string_view text) {
  for (const char c : text) {
    if (!IsBlank(c)) return false;
  }
  return true;
}

std::string_view Trimmed(std::string_view text) {
  while (!text.empty() && IsBlank(text.front())) text.remove_prefix(1);
  while (!text.empty() && IsBlank(text.back())) text.remove_suffix(1);
  return text;
}

}  // namespace

std::optional<PartialRead> ReadInPart(std::string_view text) {
  if (AllBlank(text)) return std::nullopt;
  const LeadingNumber read = ReadLeadingNumber(text);
  if (!read.found)
    return PartialRead{QT_TRANSLATE_NOOP("draftcalc", "read as 0: it does not begin with a number"), "0", ""};
  if (read.outOfRange) {
    return PartialRead{QT_TRANSLATE_NOOP("draftcalc", "read as 0: the number lies beyond the range of a double"), "0",
                       std::string(Trimmed(text.substr(0, read.consumed)))};
  }
  if (AllBlank(text.substr(read.consumed))) return std::nullopt;
  return PartialRead{QT_TRANSLATE_NOOP("draftcalc", "read as %1: the text after \"%2\" is ignored"),
                     NumberText(read.value), std::string(Trimmed(text.substr(0, read.consumed)))};
}

}  // namespace draftcalc
