#include "cli/batch.h"

#include <cstring>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "candidates/candidate_fields.h"
#include "cli/output_file.h"
#include "cli/record_calculator.h"
#include "cli/record_pipeline.h"
#include "core/translatable.h"
#include "csv/box_columns.h"
#include "csv/csv_writer.h"
#include "i18n/translation.h"

namespace draftcalc::cli {
namespace {

// Does `beforeRead` before each read, so that what is ready gets written
// before the program waits for more input.
class FlushBeforeRead : public csv::ByteSource {
 public:
  explicit FlushBeforeRead(csv::ByteSource& input) : input_(input) {}
  void Set(std::function<void()> beforeRead) { beforeRead_ = std::move(beforeRead); }
  csv::ReadResult Read(char* buffer, size_t size) override {
    if (beforeRead_) beforeRead_();
    return input_.Read(buffer, size);
  }

 private:
  csv::ByteSource& input_;
  std::function<void()> beforeRead_;
};

void Report(std::FILE* errors, std::string_view inputName, long line, std::string_view message) {
  std::string text;
  AppendMessage(text, inputName, line, message);
  std::fwrite(text.data(), 1, text.size(), errors);
}

void ReportReadError(std::FILE* errors, std::string_view inputName, int error) {
  const std::string message = i18n::Message(QT_TRANSLATE_NOOP("draftcalc", "cannot read: %1"), {std::strerror(error)});
  std::fprintf(errors, "%.*s: %s\n", static_cast<int>(inputName.size()), inputName.data(), message.c_str());
}

// What went wrong in a run, for its exit status.
struct Outcome {
  int readError = 0;  // errno of a failed read
  bool malformed = false;
};

// Reads and maps the header and writes the output header; any problem with
// it stops the run.
std::optional<csv::HeaderMap> ReadHeader(csv::CsvReader& reader, OutputFile& output, std::FILE* errors,
                                         std::string_view inputName, const RecordOptions& options, Outcome& outcome) {
  const csv::CsvReader::Status read = reader.Next();
  if (read == csv::CsvReader::Status::kReadError) {
    outcome.readError = reader.ReadError();
    return std::nullopt;
  }
  outcome.malformed = true;
  if (read != csv::CsvReader::Status::kRecord) {
    const bool empty = read == csv::CsvReader::Status::kEnd;
    Report(errors, inputName, empty ? 1 : reader.RecordLine(),
           empty ? i18n::Message(QT_TRANSLATE_NOOP("draftcalc", "no header line"))
                 : csv::ProblemText(read, reader.MaxRecordBytes()));
    return std::nullopt;
  }
  std::vector<std::string_view> names;
  for (size_t i = 0; i < reader.Record().FieldCount(); ++i) names.push_back(reader.Record().Field(i));
  std::vector<std::string_view> written(csv::kAnswerColumns.begin(), csv::kAnswerColumns.end());
  if (options.explain) written.insert(written.end(), kExplanationColumns.begin(), kExplanationColumns.end());
  if (options.allCandidates)
    written.insert(written.end(), candidates::kCandidateColumns.begin(), candidates::kCandidateColumns.end());
  std::string problem;
  auto header = csv::MapHeader(names, problem, written);
  if (!header) {
    Report(errors, inputName, reader.RecordLine(), problem);
    return std::nullopt;
  }
  outcome.malformed = false;
  std::string line;
  csv::CsvWriter writer(line);
  for (size_t column : header->passedOn) writer.Field(names[column]);
  for (std::string_view name : written) writer.Field(name);
  writer.EndRecord();
  output.Write(line);
  return header;
}

// Hands every record to the pipeline until the input ends, reading fails or
// writing has failed. Returns the errno of a failed read, or 0.
int FeedRecords(csv::CsvReader& reader, RecordPipeline& pipeline) {
  for (;;) {
    const csv::CsvReader::Status status = reader.Next();
    if (status == csv::CsvReader::Status::kEnd) return 0;
    if (status == csv::CsvReader::Status::kReadError) return reader.ReadError();
    pipeline.Add(status, reader.RecordLine(), reader.Record());
    if (pipeline.WriteFailed()) return 0;
  }
}

void CalculateRecords(csv::CsvReader& reader, FlushBeforeRead& source, const PipelineSetup& setup,
                      const BatchOptions& options, Outcome& outcome) {
  const auto pipeline = MakePipeline(options.jobs, setup);
  if (options.streaming) source.Set([&pipeline] { pipeline->Flush(); });
  outcome.readError = FeedRecords(reader, *pipeline);
  pipeline->Finish();
  source.Set(nullptr);
  outcome.malformed = pipeline->MessageCount() > 0;
}

}  // namespace

int RunBatch(csv::ByteSource& input, std::FILE* output, std::FILE* errors, std::string_view inputName,
             const BatchOptions& options) {
  OutputFile out(output);
  FlushBeforeRead source(input);
  csv::CsvReader reader(source, options.maxRecordBytes);
  if (options.streaming) source.Set([&out] { out.Flush(); });

  Outcome outcome;
  if (const auto header = ReadHeader(reader, out, errors, inputName, options.record, outcome)) {
    const PipelineSetup setup{*header, inputName,          reader.MaxRecordBytes(), out,
                              errors,  options.batchBytes, options.record};
    CalculateRecords(reader, source, setup, options, outcome);
  }
  out.Flush();

  if (outcome.readError != 0) ReportReadError(errors, inputName, outcome.readError);
  if (out.Failed()) ReportWriteError(errors, out.Error());
  if (outcome.readError != 0 || out.Failed()) return kExitIoError;
  return outcome.malformed ? kExitBadInput : kExitOk;
}

}  // namespace draftcalc::cli
