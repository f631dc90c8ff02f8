#pragma once

#include <atomic>
#include <condition_variable>
#include <deque>
#include <memory>
#include <mutex>
#include <thread>
#include <vector>

#include "cli/record_batch.h"
#include "cli/record_pipeline.h"

namespace draftcalc::cli {

// Several jobs: the reading thread copies records into batches, worker
// threads calculate whole batches (the reading thread too, when batches
// wait), and a writer thread writes the batches in the order they were read.
// A fixed set of batches goes round, so memory stays bounded however far
// reading runs ahead.
class ParallelPipeline : public RecordPipeline {
 public:
  ParallelPipeline(unsigned jobs, const PipelineSetup& setup);
  ~ParallelPipeline() override;

  void Add(csv::CsvReader::Status status, long line, const csv::RecordView& record) override;
  void Flush() override;
  void Finish() override;
  bool WriteFailed() const override;
  size_t MessageCount() const override;

 private:
  void Submit();
  void Calculate();
  void CalculateOne(std::unique_lock<std::mutex>& lock, RecordCalculator& calculator);
  void Write();
  void Stop();

  PipelineSetup setup_;
  std::vector<std::unique_ptr<RecordBatch>> batches_;
  RecordBatch* filling_ = nullptr;  // owned by the reading thread
  RecordCalculator readerCalculator_;

  mutable std::mutex mutex_;
  std::condition_variable changed_;
  std::vector<RecordBatch*> free_;
  std::deque<RecordBatch*> toCalculate_;
  std::deque<RecordBatch*> toWrite_;  // in input order
  bool closing_ = false;
  std::atomic<bool> writeFailed_ = false;  // read by the reading thread after every record
  size_t messageCount_ = 0;
  std::vector<std::thread> threads_;
};

}  // namespace draftcalc::cli
