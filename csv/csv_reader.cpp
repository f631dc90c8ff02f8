#include "csv/csv_reader.h"

#include <algorithm>
#include <cstring>

#include "core/translatable.h"
#include "i18n/translation.h"

namespace draftcalc::csv {
namespace {

constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";

// Line ends in bytes that lie inside quotes: CR, LF and CRLF count once each.
// `afterCr` carries a CR at the end of one piece over to the next.
long CountLineEnds(const char* bytes, size_t size, bool& afterCr) {
  long count = 0;
  for (size_t i = 0; i < size; ++i) {
    const char c = bytes[i];
    if (c == '\r' || (c == '\n' && !afterCr)) ++count;
    afterCr = c == '\r';
  }
  return count;
}

}  // namespace

CsvReader::CsvReader(ByteSource& source, size_t maxRecordBytes)
    : source_(source), maxRecordBytes_(std::clamp<size_t>(maxRecordBytes, 1, kLargestMaxRecordBytes)) {}

CsvReader::Status CsvReader::Next() {
  if (!started_) {
    started_ = true;
    SkipByteOrderMark();
  }
  if (skippingLongRecord_ && readError_ == 0) SkipRestOfLongRecord();
  if (readError_ != 0) return Status::kReadError;
  if (!SkipEmptyLines()) return readError_ == 0 ? Status::kEnd : Status::kReadError;

  recordLine_ = line_;
  scanner_.Start();
  for (;;) {
    if (scanner_.Scan(buffer_.get() + begin_, end_ - begin_)) return TakeRecord(/*endsAtLineEnd=*/true);
    if (end_ - begin_ > maxRecordBytes_) {
      // Reported at once; its rest is skipped when the next record is asked for.
      skippingLongRecord_ = true;
      return Status::kTooLong;
    }
    if (Refill() == 0) {
      if (readError_ != 0) return Status::kReadError;
      scanner_.EndAtInput(end_ - begin_);
      return TakeRecord(/*endsAtLineEnd=*/false);
    }
  }
}

CsvReader::Status CsvReader::TakeRecord(bool endsAtLineEnd) {
  char* const bytes = buffer_.get() + begin_;
  const size_t length = scanner_.Length();
  if (!scanner_.Plain()) {
    bool afterCr = false;
    line_ += CountLineEnds(bytes, length, afterCr);
  }
  Consume(length, endsAtLineEnd);
  if (length > maxRecordBytes_) return Status::kTooLong;
  if (scanner_.OpenQuote()) return Status::kOpenQuote;
  if (scanner_.StrayText()) return Status::kStrayText;

  UnescapeDoubledQuotes(bytes);
  record_ = {{bytes, length}, scanner_.Fields(), scanner_.Plain()};
  return Status::kRecord;
}

// The rest of a record too long to keep is scanned as it arrives and
// dropped, its line ends counted, so that reading goes on in step after it.
void CsvReader::SkipRestOfLongRecord() {
  skippingLongRecord_ = false;
  bool afterCr = false;
  for (;;) {
    const size_t scanned = scanner_.Scanned();
    line_ += CountLineEnds(buffer_.get() + begin_, scanned, afterCr);
    begin_ += scanned;
    scanner_.DropScanned();
    if (Refill() == 0) return;  // the input ended, or reading failed
    if (scanner_.Scan(buffer_.get() + begin_, end_ - begin_)) {
      line_ += CountLineEnds(buffer_.get() + begin_, scanner_.Length(), afterCr);
      Consume(scanner_.Length(), /*endsAtLineEnd=*/true);
      return;
    }
  }
}

// Steps over a record of `length` bytes and the line end after it, if any.
void CsvReader::Consume(size_t length, bool endsAtLineEnd) {
  begin_ += length;
  if (!endsAtLineEnd) return;
  pendingCr_ = buffer_[begin_] == '\r';
  ++line_;
  ++begin_;
}

void CsvReader::UnescapeDoubledQuotes(char* bytes) {
  const std::span<FieldSpan> fields = scanner_.Fields();
  for (uint32_t index : scanner_.FieldsWithDoubledQuotes()) {
    FieldSpan& span = fields[index];
    uint32_t out = span.begin;
    for (uint32_t in = span.begin; in < span.end; ++in) {
      bytes[out++] = bytes[in];
      if (bytes[in] == '"') ++in;  // the second quote of the pair
    }
    span.end = out;
  }
}

// Empty lines carry no record; a LF right after a record's CR completes its CRLF.
bool CsvReader::SkipEmptyLines() {
  for (;;) {
    if (begin_ == end_ && Refill() == 0) return false;
    const char c = buffer_[begin_];
    if (c != '\r' && c != '\n') {
      pendingCr_ = false;
      return true;
    }
    if (c == '\r' || !pendingCr_) ++line_;
    pendingCr_ = c == '\r';
    ++begin_;
  }
}

// Only a whole mark is skipped; anything else stays data. A pipe may hand
// over the first bytes one at a time, so wait for three while they could
// still be the mark.
void CsvReader::SkipByteOrderMark() {
  while (end_ - begin_ < kByteOrderMark.size() &&
         kByteOrderMark.starts_with(std::string_view(buffer_.get() + begin_, end_ - begin_))) {
    if (Refill() == 0) return;
  }
  if (std::string_view(buffer_.get() + begin_, end_ - begin_).starts_with(kByteOrderMark)) {
    begin_ += kByteOrderMark.size();
  }
}

// Moves the unread bytes to the front and reads more after them. Returns
// the bytes read: 0 at the end of the input or on a read error. Once the
// input has ended it is not read again (a terminal would wait for more).
size_t CsvReader::Refill() {
  if (inputEnded_) return 0;
  if (begin_ > 0) {
    std::memmove(buffer_.get(), buffer_.get() + begin_, end_ - begin_);
    end_ -= begin_;
    begin_ = 0;
  }
  EnsureCapacity(end_ + kReadSize);
  const ReadResult read = source_.Read(buffer_.get() + end_, kReadSize);
  readError_ = read.error;
  inputEnded_ = read.bytes == 0;
  end_ += read.bytes;
  return read.bytes;
}

// The buffer grows as long records need, up to one longest record and one
// read; it is not initialised, so untouched pages cost no memory.
void CsvReader::EnsureCapacity(size_t size) {
  if (size <= capacity_) return;
  const size_t capacity = std::max(size, std::min(2 * capacity_, maxRecordBytes_ + kReadSize));
  std::unique_ptr<char[]> grown(new char[capacity]);
  if (end_ > 0) std::memcpy(grown.get(), buffer_.get(), end_);
  buffer_ = std::move(grown);
  capacity_ = capacity;
}

std::string ProblemText(CsvReader::Status status, size_t maxRecordBytes) {
  switch (status) {
    case CsvReader::Status::kStrayText:
      return i18n::Message(QT_TRANSLATE_NOOP("draftcalc", "unexpected text after a closing quote"));
    case CsvReader::Status::kOpenQuote:
      return i18n::Message(QT_TRANSLATE_NOOP("draftcalc", "quoted field is not closed before the end of the input"));
    case CsvReader::Status::kTooLong:
      return i18n::Message(QT_TRANSLATE_NOOP("draftcalc", "record longer than %1 bytes"),
                           {std::to_string(maxRecordBytes)});
    default:
      return {};
  }
}

}  // namespace draftcalc::csv
