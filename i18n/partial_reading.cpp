#include "i18n/partial_reading.h"

#include "core/partial_read.h"

namespace draftcalc::i18n {

std::optional<std::string> PartialReading(std::string_view text, Language language) {
  const auto read = ReadInPart(text);
  if (!read) return std::nullopt;
  return Format(read->sentence, language, {read->readAs, read->readFrom});
}

}  // namespace draftcalc::i18n
