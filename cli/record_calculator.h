#pragma once

#include <array>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "candidates/candidate.h"
#include "cli/record_options.h"
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
                   RecordOptions options = {});

  // Appends the record's line to `output`, or its message to `messages`.
  // Returns false when it gave a message.
  bool Process(csv::CsvReader::Status status, long line, const csv::RecordView& record, std::string& output,
               std::string& messages);

 private:
  // A box text not read whole, as --strict reports it ("r2 \"8,5\" is read as 8").
  std::optional<std::string> NotReadWhole() const;
  void Calculate(const csv::RecordView& record, std::string& output);
  // The record's own fields and its five captions, without a line end.
  void AppendRecordAndAnswer(const csv::RecordView& record, std::string& output);
  void AppendPerCandidate(const csv::RecordView& record, std::string& output);
  // The candidates of the texts, found once per record when needed.
  const std::vector<candidates::Candidate>& Found();

  const csv::HeaderMap& header_;
  std::string_view inputName_;
  size_t maxRecordBytes_;
  RecordOptions options_;
  std::optional<std::vector<candidates::Candidate>> found_;
  std::string recordAndAnswer_;  // kept between records for its capacity
  // Boxes that no column feeds keep their start-up texts for the whole run;
  // every calculation starts from its own texts, so records stay independent.
  InputTexts texts_ = StartupTexts();
  CalcState state_;
};

// The columns --explain writes after the answer columns.
inline constexpr std::array<std::string_view, 2> kExplanationColumns = {"ansWhy", "ansFix"};

// "FILE:LINE: message\n"
void AppendMessage(std::string& messages, std::string_view inputName, long line, std::string_view message);

}  // namespace draftcalc::cli
