#include "cli/record_pipeline.h"

#include "cli/parallel_pipeline.h"

namespace draftcalc::cli {

SequentialPipeline::SequentialPipeline(const PipelineSetup& setup)
    : setup_(setup), calculator_(setup.header, setup.inputName, setup.maxRecordBytes, setup.record) {
  lines_.reserve(setup.batchBytes + 4096);
}

void SequentialPipeline::Add(csv::CsvReader::Status status, long line, const csv::RecordView& record) {
  if (!calculator_.Process(status, line, record, lines_, messages_)) {
    ++messageCount_;
    WriteInOrder(setup_, {}, messages_, false);
    messages_.clear();
  }
  if (lines_.size() >= setup_.batchBytes) {
    WriteInOrder(setup_, lines_, {}, false);
    lines_.clear();
  }
}

void SequentialPipeline::Flush() {
  WriteInOrder(setup_, lines_, {}, true);
  lines_.clear();
}

std::unique_ptr<RecordPipeline> MakePipeline(unsigned jobs, const PipelineSetup& setup) {
  if (jobs <= 1) return std::make_unique<SequentialPipeline>(setup);
  return std::make_unique<ParallelPipeline>(jobs, setup);
}

void WriteInOrder(const PipelineSetup& setup, std::string_view lines, std::string_view messages, bool flush) {
  setup.output.Write(lines);
  if (!messages.empty()) std::fwrite(messages.data(), 1, messages.size(), setup.errors);
  if (flush) setup.output.Flush();
}

}  // namespace draftcalc::cli
