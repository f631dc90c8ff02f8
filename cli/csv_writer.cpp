#include "cli/csv_writer.h"

namespace draftcalc::cli {

void CsvWriter::Field(std::string_view text) {
  if (!atRecordStart_) buffer_ += ',';
  atRecordStart_ = false;
  if (text.find_first_of(",\"\r\n") == std::string_view::npos) {
    buffer_ += text;
    return;
  }
  buffer_ += '"';
  for (char c : text) {
    if (c == '"') buffer_ += '"';
    buffer_ += c;
  }
  buffer_ += '"';
}

void CsvWriter::EndRecord() {
  buffer_ += '\n';
  atRecordStart_ = true;
  if (buffer_.size() >= kFlushSize) Flush();
}

void CsvWriter::Flush() {
  if (!buffer_.empty()) std::fwrite(buffer_.data(), 1, buffer_.size(), output_);
  buffer_.clear();
  std::fflush(output_);
}

}  // namespace draftcalc::cli
