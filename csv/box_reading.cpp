#include "csv/box_reading.h"

#include <cstdio>

#include "core/partial_read.h"
#include "core/translatable.h"
#include "i18n/translation.h"

namespace draftcalc::csv {
namespace {

std::string OnOneLine(std::string_view text) {
  std::string shown;
  for (const char c : text) {
    if (static_cast<unsigned char>(c) < 0x20 || c == 0x7F) {
      char escaped[8];
      std::snprintf(escaped, sizeof escaped, "\\x%02X", static_cast<unsigned char>(c));
      shown += escaped;
    } else {
      shown += c;
    }
  }
  return shown;
}

}  // namespace

std::optional<std::string> NotReadWhole(BoxName box, std::string_view text) {
  const auto read = ReadInPart(text);
  if (!read) return std::nullopt;
  return i18n::Message(QT_TRANSLATE_NOOP("draftcalc", "%1 \"%2\" is read as %3"),
                       {BoxNameText(box), OnOneLine(text), read->readAs});
}

}  // namespace draftcalc::csv
