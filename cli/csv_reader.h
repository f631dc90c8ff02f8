#pragma once

#include <array>
#include <cstdio>
#include <string>
#include <vector>

namespace draftcalc::cli {

// Streams RFC 4180 records from a file: fields separated by commas, records
// ended by LF or CRLF, fields in double quotes may hold commas, line ends and
// doubled quotes. A UTF-8 byte-order mark at the very start is skipped, and
// so are empty lines. Memory stays bounded by the longest record.
class CsvReader {
 public:
  enum class Result {
    kRecord,             // a record was read
    kEnd,                // no more input
    kUnterminatedQuote,  // the input ended inside a quoted field
    kStrayQuote,         // text after a closing quote; the rest of that line was skipped
  };

  explicit CsvReader(std::FILE* input) : input_(input) {}

  // Reads the next record into fields[0 .. fieldCount). The strings are
  // reused from call to call to avoid allocations.
  Result Next(std::vector<std::string>& fields, size_t& fieldCount);

  // Line on which the last record (or the error) began, counting from 1.
  long RecordLine() const { return recordLine_; }
  // Line the reader stands on now (an unterminated quote reports where it started).
  long CurrentLine() const { return line_; }

 private:
  static constexpr int kEnd = -1;

  int Get() {
    if (pos_ == length_ && !Refill()) return kEnd;
    return static_cast<unsigned char>(buffer_[pos_++]);
  }
  int Peek() {
    if (pos_ == length_ && !Refill()) return kEnd;
    return static_cast<unsigned char>(buffer_[pos_]);
  }
  bool Refill();
  void SkipByteOrderMark();
  void SkipRestOfLine();

  std::FILE* input_;
  std::array<char, 1 << 16> buffer_{};
  size_t pos_ = 0, length_ = 0;
  long line_ = 1;
  long recordLine_ = 1;
  bool started_ = false;
};

// True when the bytes are well-formed UTF-8.
bool IsValidUtf8(std::string_view bytes);

}  // namespace draftcalc::cli
