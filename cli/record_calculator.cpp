#include "cli/record_calculator.h"

#include <vector>

#include "candidates/candidate.h"
#include "candidates/candidate_fields.h"
#include "csv/box_reading.h"
#include "csv/csv_table.h"
#include "csv/csv_writer.h"
#include "engine/calculation.h"
#include "explain/explain.h"

namespace draftcalc::cli {

RecordCalculator::RecordCalculator(const csv::HeaderMap& header, std::string_view inputName, size_t maxRecordBytes,
                                   RecordOptions options)
    : header_(header), inputName_(inputName), maxRecordBytes_(maxRecordBytes), options_(options) {}

bool RecordCalculator::Process(csv::CsvReader::Status status, long line, const csv::RecordView& record,
                               std::string& output, std::string& messages) {
  if (status != csv::CsvReader::Status::kRecord) {
    AppendMessage(messages, inputName_, line, csv::ProblemText(status, maxRecordBytes_));
    return false;
  }
  if (record.FieldCount() != header_.width) {
    AppendMessage(messages, inputName_, line, csv::FieldCountProblem(record.FieldCount(), header_.width));
    return false;
  }
  for (const csv::BoxColumn& feed : header_.boxColumns)
    texts_(feed.box.row, feed.box.column) = record.Field(feed.column);
  if (options_.strict) {
    if (const auto problem = NotReadWhole()) {
      AppendMessage(messages, inputName_, line, *problem);
      return false;
    }
  }
  Calculate(record, output);
  return true;
}

std::optional<std::string> RecordCalculator::NotReadWhole() const {
  for (const csv::BoxColumn& feed : header_.boxColumns) {
    if (auto problem = csv::NotReadWhole(feed.box, texts_(feed.box.row, feed.box.column))) return problem;
  }
  return std::nullopt;
}

const std::vector<candidates::Candidate>& RecordCalculator::Found() {
  if (!found_) found_ = candidates::FindCandidates(texts_);
  return *found_;
}

void RecordCalculator::Calculate(const csv::RecordView& record, std::string& output) {
  RunCalculation(state_, texts_);
  found_.reset();
  if (options_.allCandidates) return AppendPerCandidate(record, output);
  AppendRecordAndAnswer(record, output);
  csv::CsvWriter(output).EndRecord();
}

void RecordCalculator::AppendRecordAndAnswer(const csv::RecordView& record, std::string& output) {
  csv::CsvWriter writer(output);
  if (record.plain && header_.PassesEveryColumn()) {
    writer.FieldsAsTheyAre(record.bytes);
  } else {
    for (size_t column : header_.passedOn) writer.Field(record.Field(column));
  }
  for (const std::string* caption : csv::CaptionsInColumnOrder(state_.captions)) writer.Field(*caption);
  if (!options_.explain) return;
  const explain::Explanation explanation = state_.captions.ansRem.empty()
                                               ? explain::Explanation{}
                                               : explain::Explain(texts_, state_, Found(), options_.language);
  writer.Field(explanation.why);
  writer.Field(explain::FixAsBoxWords(explanation));
}

void RecordCalculator::AppendPerCandidate(const csv::RecordView& record, std::string& output) {
  recordAndAnswer_.clear();
  AppendRecordAndAnswer(record, recordAndAnswer_);
  const auto appendWith = [&](const candidates::CandidateFields& fields) {
    csv::CsvWriter writer(output);
    writer.FieldsAsTheyAre(recordAndAnswer_);
    for (const std::string& field : fields) writer.Field(field);
    writer.EndRecord();
  };
  const std::vector<candidates::Candidate>& found = Found();
  if (found.empty()) appendWith(candidates::NoCandidateFields());
  for (const candidates::Candidate& candidate : found) appendWith(candidates::FieldsOf(candidate));
}

void AppendMessage(std::string& messages, std::string_view inputName, long line, std::string_view message) {
  messages += inputName;
  messages += ':';
  messages += std::to_string(line);
  messages += ": ";
  messages += message;
  messages += '\n';
}

}  // namespace draftcalc::cli
