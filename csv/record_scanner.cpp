#include "csv/record_scanner.h"

#include <algorithm>
#include <bit>
#include <cstdint>
#include <cstring>

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

namespace draftcalc::csv {
namespace {

constexpr size_t kBlock = 16;

bool IsSpecial(char c) { return c == ',' || c == '\r' || c == '\n' || c == '"'; }

// Bit i set when block[i] matters in unquoted text: a comma, CR, LF or
// quote. Most fields are a few bytes long, so 16 bytes are looked at at once.
uint32_t SpecialMask(const char* block, size_t size) {
#if defined(__SSE2__)
  if (size >= kBlock) {
    const __m128i bytes = _mm_loadu_si128(reinterpret_cast<const __m128i*>(block));
    const auto equal = [&bytes](char c) { return _mm_cmpeq_epi8(bytes, _mm_set1_epi8(c)); };
    const __m128i special = _mm_or_si128(_mm_or_si128(equal(','), equal('"')), _mm_or_si128(equal('\r'), equal('\n')));
    return static_cast<uint32_t>(_mm_movemask_epi8(special));
  }
#endif
  uint32_t mask = 0;
  for (size_t i = 0; i < std::min(size, kBlock); ++i) {
    if (IsSpecial(block[i])) mask |= uint32_t{1} << i;
  }
  return mask;
}

}  // namespace

void RecordScanner::Start() {
  state_ = State::kFieldStart;
  pos_ = fieldBegin_ = length_ = fieldCount_ = 0;
  sawQuote_ = fieldHasDoubledQuote_ = strayText_ = false;
  doubled_.clear();
}

void RecordScanner::EndField(size_t end) {
  *RoomForFields(1) = {static_cast<uint32_t>(fieldBegin_), static_cast<uint32_t>(end)};
  ++fieldCount_;
}

bool RecordScanner::Scan(const char* record, size_t size) {
  while (pos_ < size) {
    switch (state_) {
      case State::kFieldStart:
        fieldBegin_ = pos_;
        if (record[pos_] == '"') {
          sawQuote_ = true;
          fieldBegin_ = ++pos_;
          state_ = State::kQuoted;
          break;
        }
        state_ = State::kUnquoted;
        [[fallthrough]];
      case State::kUnquoted:
        if (ScanUnquoted(record, size)) return true;
        break;
      case State::kQuoted: {
        const void* quote = std::memchr(record + pos_, '"', size - pos_);
        pos_ = quote == nullptr ? size : static_cast<size_t>(static_cast<const char*>(quote) - record) + 1;
        if (quote != nullptr) state_ = State::kAfterQuote;
        break;
      }
      case State::kAfterQuote:
        if (AfterQuote(record[pos_])) return true;
        break;
    }
  }
  return false;
}

// Unquoted fields one after another, until the bytes run out (false), a
// line end ends the record (true) or a field begins with a quote.
bool RecordScanner::ScanUnquoted(const char* record, size_t size) {
  constexpr size_t kNoComma = SIZE_MAX;
  size_t fieldBegin = fieldBegin_;
  size_t afterComma = kNoComma;  // where the field after the last comma begins
  for (size_t block = pos_; block < size; block += kBlock) {
    FieldSpan* out = RoomForFields(kBlock);
    for (uint32_t mask = SpecialMask(record + block, size - block); mask != 0; mask &= mask - 1) {
      const size_t pos = block + static_cast<size_t>(std::countr_zero(mask));
      const char c = record[pos];
      if (c == '"') {
        if (pos == afterComma) {  // a quoted field begins
          StopAt(pos, fieldBegin, out, State::kFieldStart);
          return false;
        }
        sawQuote_ = true;  // plain text here, but it will need quotes when written
        continue;
      }
      *out++ = {static_cast<uint32_t>(fieldBegin), static_cast<uint32_t>(pos)};
      if (c != ',') {
        StopAt(pos, fieldBegin, out, State::kUnquoted);
        length_ = pos;
        return true;
      }
      fieldBegin = afterComma = pos + 1;
    }
    fieldCount_ = static_cast<size_t>(out - fields_.data());
  }
  // A comma as the last byte: whether a quote opens the next field is yet to be seen.
  StopAt(size, fieldBegin, fields_.data() + fieldCount_, afterComma == size ? State::kFieldStart : State::kUnquoted);
  return false;
}

// Where ScanUnquoted leaves off: the scan position, the field under way, the
// end of the fields found and the state to go on in.
void RecordScanner::StopAt(size_t pos, size_t fieldBegin, const FieldSpan* fieldsEnd, State state) {
  pos_ = pos;
  fieldBegin_ = fieldBegin;
  fieldCount_ = static_cast<size_t>(fieldsEnd - fields_.data());
  state_ = state;
}

// Space for `count` more fields after the ones found.
FieldSpan* RecordScanner::RoomForFields(size_t count) {
  if (fieldCount_ + count > fields_.size()) [[unlikely]] {
    fields_.resize(std::max(2 * fields_.size(), fieldCount_ + count));
  }
  return fields_.data() + fieldCount_;
}

// The byte after a quote inside a quoted field: a second quote, the end of
// the field or record, or stray text. True when the record ends here.
bool RecordScanner::AfterQuote(char c) {
  if (c == '"') {
    fieldHasDoubledQuote_ = true;
    ++pos_;
    state_ = State::kQuoted;
    return false;
  }
  if (c == ',' || c == '\r' || c == '\n') {
    EndQuotedField(pos_ - 1);
    if (c != ',') {
      length_ = pos_;
      return true;
    }
    fieldBegin_ = ++pos_;
    state_ = State::kFieldStart;
    return false;
  }
  strayText_ = true;
  state_ = State::kUnquoted;
  return false;
}

void RecordScanner::EndQuotedField(size_t end) {
  if (fieldHasDoubledQuote_) doubled_.push_back(static_cast<uint32_t>(fieldCount_));
  fieldHasDoubledQuote_ = false;
  EndField(end);
}

void RecordScanner::EndAtInput(size_t size) {
  switch (state_) {
    case State::kFieldStart:  // after a comma: one more, empty, field
      fieldBegin_ = size;
      [[fallthrough]];
    case State::kUnquoted:
      EndField(size);
      break;
    case State::kAfterQuote:
      EndQuotedField(size - 1);
      break;
    case State::kQuoted:
      break;
  }
  pos_ = length_ = size;
}

void RecordScanner::DropScanned() {
  fieldCount_ = 0;
  doubled_.clear();
  pos_ = fieldBegin_ = 0;
}

}  // namespace draftcalc::csv
