#pragma once

#include <span>
#include <string>
#include <string_view>

namespace draftcalc::csv {

// Appends CSV records with LF line ends to a string, quoting a field only
// when it holds a comma, a quote or a line break.
class CsvWriter {
 public:
  explicit CsvWriter(std::string& out) : out_(out) {}

  void Field(std::string_view text);
  // Fields already in CSV form, joined by commas (a plain record read).
  void FieldsAsTheyAre(std::string_view joined);
  void EndRecord() {
    out_ += '\n';
    atRecordStart_ = true;
  }
  void Record(std::span<const std::string_view> fields);

 private:
  std::string& out_;
  bool atRecordStart_ = true;
};

}  // namespace draftcalc::csv
