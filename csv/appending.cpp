#include "csv/appending.h"

#include "csv/byte_source.h"
#include "csv/csv_reader.h"

namespace draftcalc::csv {
namespace {

// Whether the text ends inside a quoted field: the grammar decides, so the
// whole text is read (a line end inside quotes does not end a record).
bool EndsInsideQuotes(std::string_view text) {
  MemorySource source(text);
  CsvReader reader(source, CsvReader::kLargestMaxRecordBytes);
  CsvReader::Status last = CsvReader::Status::kEnd;
  CsvReader::Status status = reader.Next();
  while (status != CsvReader::Status::kEnd) {
    last = status;
    status = reader.Next();
  }
  return last == CsvReader::Status::kOpenQuote;
}

}  // namespace

std::string_view SeparatorBeforeAppending(std::string_view text) {
  if (EndsInsideQuotes(text)) return "\"\n";
  if (text.empty() || text.back() == '\n' || text.back() == '\r') return "";
  return "\n";
}

}  // namespace draftcalc::csv
