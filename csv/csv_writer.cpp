#include "csv/csv_writer.h"

#include <algorithm>

namespace draftcalc::csv {
namespace {

bool NeedsQuotes(std::string_view text) {
  return std::any_of(text.begin(), text.end(), [](char c) { return c == ',' || c == '"' || c == '\r' || c == '\n'; });
}

}  // namespace

void CsvWriter::Field(std::string_view text) {
  if (!atRecordStart_) out_ += ',';
  atRecordStart_ = false;
  if (!NeedsQuotes(text)) {
    out_ += text;
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
