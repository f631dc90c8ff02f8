#pragma once

#include <cstddef>
#include <cstdint>
#include <span>
#include <vector>

namespace draftcalc::csv {

// Where a field lies in the bytes of its record: [begin, end).
struct FieldSpan {
  uint32_t begin;
  uint32_t end;
};

// The CSV grammar of one record (RFC 4180, with CR, LF and CRLF line ends).
// A field that begins with a quote runs to its closing quote, a doubled quote
// inside standing for one; any other field runs to the next comma or line
// end, and a quote inside it is plain text. Outside quotes a CR or LF ends
// the record. Text after a closing quote makes the record malformed; the rest
// of that field is then read as unquoted text, so that the record ends where
// the grammar says and the next record is read in step.
//
// The bytes are fed as they arrive: each Scan goes on where the last stopped.
class RecordScanner {
 public:
  void Start();

  // Scans on through record[Scanned() .. size); record[0 .. Scanned()) must
  // be the bytes given before. True when the record ended at a line end
  // (record[Length()], which is not part of the record).
  bool Scan(const char* record, size_t size);
  // The input ended after record[0 .. size): the record ends with it.
  void EndAtInput(size_t size);
  // The caller drops the bytes scanned so far (a record too long to keep),
  // and with them the fields found in them; the next Scan starts at
  // record[0] with the bytes that follow.
  void DropScanned();

  size_t Scanned() const { return pos_; }
  size_t Length() const { return length_; }
  // No quote anywhere: the fields are the bytes between the commas, and
  // none of them needs quoting when written again.
  bool Plain() const { return !sawQuote_; }
  bool StrayText() const { return strayText_; }
  bool OpenQuote() const { return state_ == State::kQuoted; }

  std::span<FieldSpan> Fields() { return {fields_.data(), fieldCount_}; }
  // Indexes of the quoted fields whose span still holds doubled quotes.
  const std::vector<uint32_t>& FieldsWithDoubledQuotes() const { return doubled_; }

 private:
  enum class State { kFieldStart, kUnquoted, kQuoted, kAfterQuote };

  bool ScanUnquoted(const char* record, size_t size);
  void StopAt(size_t pos, size_t fieldBegin, const FieldSpan* fieldsEnd, State state);
  bool AfterQuote(char c);
  void EndQuotedField(size_t end);
  void EndField(size_t end);
  FieldSpan* RoomForFields(size_t count);

  State state_ = State::kFieldStart;
  size_t pos_ = 0;
  size_t fieldBegin_ = 0;
  size_t length_ = 0;
  bool sawQuote_ = false;
  bool fieldHasDoubledQuote_ = false;
  bool strayText_ = false;
  std::vector<FieldSpan> fields_;  // storage: the first fieldCount_ are this record's
  size_t fieldCount_ = 0;
  std::vector<uint32_t> doubled_;
};

}  // namespace draftcalc::csv
