#pragma once

#include <cstddef>
#include <memory>
#include <span>
#include <string>
#include <string_view>

#include "csv/byte_source.h"
#include "csv/record_scanner.h"

namespace draftcalc::csv {

// One record: its bytes and where its fields lie in them.
struct RecordView {
  std::string_view bytes;
  std::span<const FieldSpan> fields;
  // The bytes are the fields joined by commas, none of which needs quotes
  // when written (the record had no quote): it can be copied as it is.
  bool plain = true;

  size_t FieldCount() const { return fields.size(); }
  std::string_view Field(size_t i) const { return {bytes.data() + fields[i].begin, fields[i].end - fields[i].begin}; }
};

// Streams RFC 4180 records from a byte source: fields separated by commas,
// records ended by CR, LF or CRLF; fields in double quotes may hold commas,
// line ends and doubled quotes. A UTF-8 byte-order mark at the very start is
// skipped, and so are empty lines. A record longer than the limit is
// reported as soon as it passes the limit and skipped without being kept, so
// memory stays bounded whatever the input.
class CsvReader {
 public:
  enum class Status {
    kRecord,     // a well-formed record was read
    kEnd,        // no more input
    kStrayText,  // text after a closing quote; the record was skipped
    kOpenQuote,  // the input ended inside a quoted field
    kTooLong,    // the record is longer than the limit; it is skipped
    kReadError,  // reading failed (ReadError() says why); nothing more is read
  };

  static constexpr size_t kDefaultMaxRecordBytes = size_t{1} << 20;
  static constexpr size_t kLargestMaxRecordBytes = size_t{1} << 30;

  // `maxRecordBytes` (1 .. kLargestMaxRecordBytes) bounds a record's bytes,
  // its line end not counted.
  explicit CsvReader(ByteSource& source, size_t maxRecordBytes = kDefaultMaxRecordBytes);

  Status Next();

  // The record of the last kRecord, valid until the next call of Next().
  const RecordView& Record() const { return record_; }
  // Line on which the last record (or problem) began, counting from 1.
  long RecordLine() const { return recordLine_; }
  int ReadError() const { return readError_; }
  size_t MaxRecordBytes() const { return maxRecordBytes_; }

 private:
  static constexpr size_t kReadSize = size_t{1} << 17;

  size_t Refill();
  void EnsureCapacity(size_t size);
  void SkipByteOrderMark();
  bool SkipEmptyLines();
  Status TakeRecord(bool endsAtLineEnd);
  void SkipRestOfLongRecord();
  void Consume(size_t length, bool endsAtLineEnd);
  void UnescapeDoubledQuotes(char* bytes);

  ByteSource& source_;
  size_t maxRecordBytes_;
  std::unique_ptr<char[]> buffer_;
  size_t capacity_ = 0;
  size_t begin_ = 0, end_ = 0;  // unread bytes
  RecordScanner scanner_;
  RecordView record_;
  long line_ = 1;
  long recordLine_ = 1;
  bool started_ = false;
  bool inputEnded_ = false;          // a read gave nothing, or failed
  bool pendingCr_ = false;           // the last record ended with CR: a LF next completes a CRLF
  bool skippingLongRecord_ = false;  // a record reported too long has yet to be skipped
  int readError_ = 0;
};

// The message for a record the reader skipped ("record longer than 1048576 bytes").
std::string ProblemText(CsvReader::Status status, size_t maxRecordBytes);

}  // namespace draftcalc::csv
