#include "csv/box_reading.h"

#include <cstdio>

#include "core/partial_read.h"

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
  const auto reading = PartialReading(text);
  if (!reading) return std::nullopt;
  // "read as 8: the text after ..." -> "read as 8"
  const std::string readAs = reading->substr(0, reading->find(':'));
  return BoxNameText(box) + " \"" + OnOneLine(text) + "\" is " + readAs;
}

}  // namespace draftcalc::csv
