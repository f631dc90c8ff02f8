#include "cli/csv_reader.h"

#include <string_view>

namespace draftcalc::cli {

bool CsvReader::Refill() {
  length_ = std::fread(buffer_.data(), 1, buffer_.size(), input_);
  pos_ = 0;
  return length_ > 0;
}

void CsvReader::SkipByteOrderMark() {
  if (Peek() != 0xEF) return;
  // Only a whole mark is skipped; anything else stays data.
  if (length_ - pos_ >= 3 && static_cast<unsigned char>(buffer_[pos_ + 1]) == 0xBB &&
      static_cast<unsigned char>(buffer_[pos_ + 2]) == 0xBF) {
    pos_ += 3;
  }
}

void CsvReader::SkipRestOfLine() {
  for (int c = Get(); c != kEnd; c = Get()) {
    if (c == '\n') {
      ++line_;
      return;
    }
  }
}

CsvReader::Result CsvReader::Next(std::vector<std::string>& fields, size_t& fieldCount) {
  if (!started_) {
    started_ = true;
    SkipByteOrderMark();
  }
  fieldCount = 0;

  int c = Get();
  // Empty lines carry no record.
  for (;;) {
    if (c == '\r' && Peek() == '\n') c = Get();
    if (c != '\n') break;
    ++line_;
    c = Get();
  }
  if (c == kEnd) return Result::kEnd;
  recordLine_ = line_;

  for (;;) {
    if (fieldCount == fields.size()) fields.emplace_back();
    std::string& field = fields[fieldCount++];
    field.clear();

    if (c == '"') {
      for (;;) {
        c = Get();
        if (c == kEnd) return Result::kUnterminatedQuote;
        if (c == '"') {
          c = Get();
          if (c != '"') break;  // closing quote; a doubled one stands for itself
        } else if (c == '\n') {
          ++line_;
        }
        field += static_cast<char>(c);
      }
      if (c == '\r' && Peek() == '\n') c = Get();
      if (c != ',' && c != '\n' && c != kEnd) {
        SkipRestOfLine();
        return Result::kStrayQuote;
      }
    } else {
      while (c != ',' && c != '\n' && c != kEnd) {
        if (c == '\r' && Peek() == '\n') {
          c = Get();
          break;
        }
        field += static_cast<char>(c);
        c = Get();
      }
    }

    if (c == ',') {
      c = Get();
      continue;
    }
    if (c == '\n') ++line_;
    return Result::kRecord;
  }
}

bool IsValidUtf8(std::string_view bytes) {
  size_t i = 0;
  while (i < bytes.size()) {
    const auto lead = static_cast<unsigned char>(bytes[i]);
    size_t length = 0;
    unsigned codePoint = 0;
    if (lead < 0x80) {
      ++i;
      continue;
    } else if ((lead & 0xE0) == 0xC0) {
      length = 2, codePoint = lead & 0x1Fu;
    } else if ((lead & 0xF0) == 0xE0) {
      length = 3, codePoint = lead & 0x0Fu;
    } else if ((lead & 0xF8) == 0xF0) {
      length = 4, codePoint = lead & 0x07u;
    } else {
      return false;
    }
    if (i + length > bytes.size()) return false;
    for (size_t k = 1; k < length; ++k) {
      const auto next = static_cast<unsigned char>(bytes[i + k]);
      if ((next & 0xC0) != 0x80) return false;
      codePoint = (codePoint << 6) | (next & 0x3Fu);
    }
    constexpr unsigned kShortestForLength[] = {0, 0, 0x80, 0x800, 0x10000};
    if (codePoint < kShortestForLength[length] || codePoint > 0x10FFFF ||
        (codePoint >= 0xD800 && codePoint <= 0xDFFF)) {
      return false;
    }
    i += length;
  }
  return true;
}

}  // namespace draftcalc::cli
