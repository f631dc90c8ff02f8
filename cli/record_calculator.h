#pragma once

#include <string>
#include <string_view>

#include "core/calc_state.h"
#include "core/input_texts.h"
#include "csv/box_columns.h"
#include "csv/csv_reader.h"

namespace draftcalc::cli {

// Turns each record the reader gave into its output: a well-formed record of
// the header's width is calculated and written with its five captions (with
// `allCandidates`, once per candidate with its six candidate fields, or once
// with cand 0 when it has none); any other gives exactly one
// "FILE:LINE: message".
class RecordCalculator {
 public:
  RecordCalculator(const csv::HeaderMap& header, std::string_view inputName, size_t maxRecordBytes,
                   bool allCandidates = false);

  // Appends the record's line to `output`, or its message to `messages`.
  // Returns false when it gave a message.
  bool Process(csv::CsvReader::Status status, long line, const csv::RecordView& record, std::string& output,
               std::string& messages);

 private:
  void Calculate(const csv::RecordView& record, std::string& output);
  // The record's own fields and its five captions, without a line end.
  void AppendRecordAndAnswer(const csv::RecordView& record, std::string& output) const;
  void AppendPerCandidate(const csv::RecordView& record, std::string& output);

  const csv::HeaderMap& header_;
  std::string_view inputName_;
  size_t maxRecordBytes_;
  bool allCandidates_;
  std::string recordAndAnswer_;  // kept between records for its capacity
  // Boxes that no column feeds keep their start-up texts for the whole run;
  // every calculation starts from its own texts, so records stay independent.
  InputTexts texts_ = StartupTexts();
  CalcState state_;
};

// "FILE:LINE: message\n"
void AppendMessage(std::string& messages, std::string_view inputName, long line, std::string_view message);

}  // namespace draftcalc::cli
