#pragma once

#include <string>
#include <vector>

#include "csv/csv_reader.h"

namespace draftcalc::cli {

// Records copied out of the reader's buffer for a worker, and the lines and
// messages they gave, kept until they are written in input order.
struct RecordBatch {
  struct Entry {
    csv::CsvReader::Status status;
    long line;
    size_t bytesBegin, bytesEnd;
    size_t firstField, fieldCount;
    bool plain;
  };

  std::vector<Entry> entries;
  std::string bytes;
  std::vector<csv::FieldSpan> fields;
  std::string lines;
  std::string messages;
  size_t messageCount = 0;
  bool flushAfter = false;  // the input is about to be waited for: flush once written
  bool calculated = false;

  void Add(csv::CsvReader::Status status, long line, const csv::RecordView& record);
  // Enough to hand over: `batchBytes` of records, or as many problems
  // (which keep no bytes but each give a message).
  bool Full(size_t batchBytes) const { return bytes.size() >= batchBytes || entries.size() >= batchBytes / 32 + 1; }
  csv::RecordView View(const Entry& entry) const;
  // Empties the batch for reuse, giving back memory a very long record took.
  void Clear(size_t keptCapacity);
};

}  // namespace draftcalc::cli
