#include "csv/csv_writer.h"

#include <array>
#include <cstdint>

namespace draftcalc::csv {
namespace {

constexpr std::array<bool, 256> kNeedsQuotes = [] {
  std::array<bool, 256> needs{};
  needs[','] = needs['"'] = needs['\r'] = needs['\n'] = true;
  return needs;
}();

// Looks at every byte without stopping early: fields are short, and a loop
// without branches is faster than one that can leave.
bool NeedsQuotes(std::string_view text) {
  bool needs = false;
  for (char c : text) needs |= kNeedsQuotes[static_cast<uint8_t>(c)];
  return needs;
}

}  // namespace

void CsvWriter::Field(std::string_view text) {
  if (!atRecordStart_) out_ += ',';
  atRecordStart_ = false;
  if (!NeedsQuotes(text)) {
    out_.append(text);
    return;
  }
  out_ += '"';
  for (char c : text) {
    if (c == '"') out_ += '"';
    out_ += c;
  }
  out_ += '"';
}

void CsvWriter::FieldsAsTheyAre(std::string_view joined) {
  if (!atRecordStart_) out_ += ',';
  atRecordStart_ = false;
  out_ += joined;
}

void CsvWriter::Record(std::span<const std::string_view> fields) {
  for (std::string_view field : fields) Field(field);
  EndRecord();
}

}  // namespace draftcalc::csv
