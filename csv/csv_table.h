#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "csv/byte_source.h"
#include "csv/csv_reader.h"

namespace draftcalc::csv {

struct CsvRow {
  long line;
  std::vector<std::string> fields;
};

struct CsvProblem {
  long line;
  std::string message;
};

// A whole CSV file, as a window opens a small one: the header, the records
// that have the header's width, and one problem for each record that was
// skipped. `readError` is the errno of a failed read (the rows before it are kept).
struct CsvTable {
  CsvRow header{0, {}};
  std::vector<CsvRow> records;
  std::vector<CsvProblem> problems;
  int readError = 0;
  bool moreRecords = false;  // reading stopped at maxRecords with more input to come
};

// Reads at most `maxRecords` records after the header, so that a batch input
// of millions of records opened by mistake costs a bounded amount of memory.
CsvTable ReadCsvTable(ByteSource& source, size_t maxRecordBytes = CsvReader::kDefaultMaxRecordBytes,
                      size_t maxRecords = SIZE_MAX);

// "record has 3 fields, the header has 2"
std::string FieldCountProblem(size_t fields, size_t headerWidth);

}  // namespace draftcalc::csv
