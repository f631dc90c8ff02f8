#pragma once

#include <cstdio>
#include <memory>
#include <string>
#include <string_view>

#include "cli/output_file.h"
#include "cli/record_calculator.h"
#include "csv/box_columns.h"
#include "csv/csv_reader.h"

namespace draftcalc::cli {

// What every way of running the records needs.
struct PipelineSetup {
  const csv::HeaderMap& header;
  std::string_view inputName;
  size_t maxRecordBytes;
  OutputFile& output;
  std::FILE* errors;
  size_t batchBytes;  // output gathered before a write; input bytes per batch of work
  RecordOptions record;
};

// Where the batch run hands each record it reads. Output lines and messages
// leave in input order, whichever way the records are calculated.
class RecordPipeline {
 public:
  virtual ~RecordPipeline() = default;
  // A record, or a problem, from the reader; the view is only read during the call.
  virtual void Add(csv::CsvReader::Status status, long line, const csv::RecordView& record) = 0;
  // The input is about to be waited for: what was added so far is to reach
  // the output as soon as it is calculated.
  virtual void Flush() = 0;
  // Writes everything that is left, and flushes.
  virtual void Finish() = 0;
  virtual bool WriteFailed() const = 0;
  virtual size_t MessageCount() const = 0;
};

// One job: each record is calculated as it is read, and the lines are
// written in large blocks.
class SequentialPipeline : public RecordPipeline {
 public:
  explicit SequentialPipeline(const PipelineSetup& setup);

  void Add(csv::CsvReader::Status status, long line, const csv::RecordView& record) override;
  void Flush() override;
  void Finish() override { Flush(); }
  bool WriteFailed() const override { return setup_.output.Failed(); }
  size_t MessageCount() const override { return messageCount_; }

 private:
  PipelineSetup setup_;
  RecordCalculator calculator_;
  std::string lines_;
  std::string messages_;
  size_t messageCount_ = 0;
};

// `jobs` 1 gives the sequential pipeline, more a pipeline with that many workers.
std::unique_ptr<RecordPipeline> MakePipeline(unsigned jobs, const PipelineSetup& setup);

// Output lines, then their messages; flushed when asked.
void WriteInOrder(const PipelineSetup& setup, std::string_view lines, std::string_view messages, bool flush);

}  // namespace draftcalc::cli
