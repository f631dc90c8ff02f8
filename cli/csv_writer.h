#pragma once

#include <cstdio>
#include <string>
#include <string_view>

namespace draftcalc::cli {

// Writes CSV records with LF line ends, quoting a field only when it holds a
// comma, a quote or a line break. Output is buffered and written in large
// blocks; Flush() at the end.
class CsvWriter {
 public:
  explicit CsvWriter(std::FILE* output) : output_(output) { buffer_.reserve(kFlushSize + 4096); }
  ~CsvWriter() { Flush(); }
  CsvWriter(const CsvWriter&) = delete;
  CsvWriter& operator=(const CsvWriter&) = delete;

  void Field(std::string_view text);
  void EndRecord();
  void Flush();

 private:
  static constexpr size_t kFlushSize = 1 << 16;

  std::FILE* output_;
  std::string buffer_;
  bool atRecordStart_ = true;
};

}  // namespace draftcalc::cli
