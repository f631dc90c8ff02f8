#include "cli/record_calculator.h"

#include <vector>

#include "candidates/candidate.h"
#include "candidates/candidate_fields.h"
#include "csv/csv_table.h"
#include "csv/csv_writer.h"
#include "engine/calculation.h"

namespace draftcalc::cli {

RecordCalculator::RecordCalculator(const csv::HeaderMap& header, std::string_view inputName, size_t maxRecordBytes,
                                   bool allCandidates)
    : header_(header), inputName_(inputName), maxRecordBytes_(maxRecordBytes), allCandidates_(allCandidates) {}

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
  Calculate(record, output);
  return true;
}

void RecordCalculator::Calculate(const csv::RecordView& record, std::string& output) {
  for (const csv::BoxColumn& feed : header_.boxColumns)
    texts_(feed.box.row, feed.box.column) = record.Field(feed.column);
  RunCalculation(state_, texts_);
  if (allCandidates_) return AppendPerCandidate(record, output);
  AppendRecordAndAnswer(record, output);
  csv::CsvWriter(output).EndRecord();
}

void RecordCalculator::AppendRecordAndAnswer(const csv::RecordView& record, std::string& output) const {
  csv::CsvWriter writer(output);
  if (record.plain && header_.PassesEveryColumn()) {
    writer.FieldsAsTheyAre(record.bytes);
  } else {
    for (size_t column : header_.passedOn) writer.Field(record.Field(column));
  }
  for (const std::string* caption : csv::CaptionsInColumnOrder(state_.captions)) writer.Field(*caption);
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
  const std::vector<candidates::Candidate> found = candidates::FindCandidates(texts_);
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
