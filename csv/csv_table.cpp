#include "csv/csv_table.h"

#include "core/translatable.h"
#include "i18n/translation.h"

namespace draftcalc::csv {
namespace {

std::vector<std::string> FieldsOf(const RecordView& record) {
  std::vector<std::string> fields;
  fields.reserve(record.FieldCount());
  for (size_t i = 0; i < record.FieldCount(); ++i) fields.emplace_back(record.Field(i));
  return fields;
}

}  // namespace

CsvTable ReadCsvTable(ByteSource& source, size_t maxRecordBytes, size_t maxRecords) {
  CsvTable table;
  CsvReader reader(source, maxRecordBytes);
  for (;;) {
    const CsvReader::Status status = reader.Next();
    if (status == CsvReader::Status::kEnd) break;
    if (table.header.line != 0 && table.records.size() == maxRecords) {
      table.moreRecords = true;
      break;
    }
    if (status == CsvReader::Status::kReadError) {
      table.readError = reader.ReadError();
      break;
    }
    const long line = reader.RecordLine();
    const bool atHeader = table.header.line == 0;
    if (status != CsvReader::Status::kRecord) {
      table.problems.push_back({line, ProblemText(status, reader.MaxRecordBytes())});
      if (atHeader) break;  // without a header no record can be read
    } else if (atHeader) {
      table.header = {line, FieldsOf(reader.Record())};
    } else if (reader.Record().FieldCount() != table.header.fields.size()) {
      table.problems.push_back({line, FieldCountProblem(reader.Record().FieldCount(), table.header.fields.size())});
    } else {
      table.records.push_back({line, FieldsOf(reader.Record())});
    }
  }
  return table;
}

std::string FieldCountProblem(size_t fields, size_t headerWidth) {
  return i18n::Message(QT_TRANSLATE_NOOP("draftcalc", "record has %1 fields, the header has %2"),
                       {std::to_string(fields), std::to_string(headerWidth)});
}

}  // namespace draftcalc::csv
