#include "cli/record_batch.h"

namespace draftcalc::cli {

void RecordBatch::Add(csv::CsvReader::Status status, long line, const csv::RecordView& record) {
  Entry entry{status, line, bytes.size(), bytes.size(), fields.size(), 0, record.plain};
  if (status == csv::CsvReader::Status::kRecord) {
    bytes += record.bytes;
    fields.insert(fields.end(), record.fields.begin(), record.fields.end());
    entry.bytesEnd = bytes.size();
    entry.fieldCount = record.fields.size();
  }
  entries.push_back(entry);
}

csv::RecordView RecordBatch::View(const Entry& entry) const {
  return {std::string_view(bytes).substr(entry.bytesBegin, entry.bytesEnd - entry.bytesBegin),
          std::span(fields).subspan(entry.firstField, entry.fieldCount), entry.plain};
}

void RecordBatch::Clear(size_t keptCapacity) {
  for (std::string* text : {&bytes, &lines, &messages}) {
    text->clear();
    if (text->capacity() > keptCapacity) text->shrink_to_fit();
  }
  if (fields.capacity() > keptCapacity / sizeof(csv::FieldSpan)) fields = {};
  entries.clear();
  fields.clear();
  messageCount = 0;
  flushAfter = calculated = false;
}

}  // namespace draftcalc::cli
