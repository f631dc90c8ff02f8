#include "cli/parallel_pipeline.h"

namespace draftcalc::cli {

ParallelPipeline::ParallelPipeline(unsigned jobs, const PipelineSetup& setup)
    : setup_(setup), readerCalculator_(setup.header, setup.inputName, setup.maxRecordBytes, setup.record) {
  // Every job busy, one batch being written, and one being filled and
  // another waiting, so that no one waits for a free batch in the steady state.
  for (unsigned i = 0; i < 2 * jobs + 2; ++i) {
    batches_.push_back(std::make_unique<RecordBatch>());
    free_.push_back(batches_.back().get());
  }
  filling_ = free_.back();
  free_.pop_back();
  // The reading thread is one of the jobs: it calculates too, when batches wait.
  for (unsigned i = 1; i < jobs; ++i) threads_.emplace_back([this] { Calculate(); });
  threads_.emplace_back([this] { Write(); });
}

ParallelPipeline::~ParallelPipeline() { Stop(); }

void ParallelPipeline::Add(csv::CsvReader::Status status, long line, const csv::RecordView& record) {
  filling_->Add(status, line, record);
  if (filling_->Full(setup_.batchBytes)) Submit();
}

void ParallelPipeline::Flush() {
  if (filling_->entries.empty()) return;
  filling_->flushAfter = true;
  Submit();
}

void ParallelPipeline::Finish() {
  if (!filling_->entries.empty()) Submit();
  Stop();
  setup_.output.Flush();
}

bool ParallelPipeline::WriteFailed() const { return writeFailed_.load(std::memory_order_relaxed); }

size_t ParallelPipeline::MessageCount() const {
  std::lock_guard lock(mutex_);
  return messageCount_;
}

// Hands the filled batch over and takes a free one. While the workers are
// all busy, or no batch is free, the reading thread calculates waiting
// batches itself rather than read further ahead or wait.
void ParallelPipeline::Submit() {
  std::unique_lock lock(mutex_);
  toCalculate_.push_back(filling_);
  toWrite_.push_back(filling_);
  changed_.notify_all();
  while (toCalculate_.size() > 1 || (free_.empty() && !toCalculate_.empty())) CalculateOne(lock, readerCalculator_);
  changed_.wait(lock, [this] { return !free_.empty(); });
  filling_ = free_.back();
  free_.pop_back();
}

void ParallelPipeline::Calculate() {
  RecordCalculator calculator(setup_.header, setup_.inputName, setup_.maxRecordBytes, setup_.record);
  std::unique_lock lock(mutex_);
  for (;;) {
    changed_.wait(lock, [this] { return closing_ || !toCalculate_.empty(); });
    if (toCalculate_.empty()) return;
    CalculateOne(lock, calculator);
  }
}

// Takes the first batch waiting and calculates it, the lock released meanwhile.
void ParallelPipeline::CalculateOne(std::unique_lock<std::mutex>& lock, RecordCalculator& calculator) {
  RecordBatch* batch = toCalculate_.front();
  toCalculate_.pop_front();
  lock.unlock();
  for (const RecordBatch::Entry& entry : batch->entries) {
    if (!calculator.Process(entry.status, entry.line, batch->View(entry), batch->lines, batch->messages)) {
      ++batch->messageCount;
    }
  }
  lock.lock();
  batch->calculated = true;
  changed_.notify_all();
}

void ParallelPipeline::Write() {
  std::unique_lock lock(mutex_);
  for (;;) {
    changed_.wait(
        lock, [this] { return (closing_ && toWrite_.empty()) || (!toWrite_.empty() && toWrite_.front()->calculated); });
    if (toWrite_.empty()) return;
    RecordBatch* batch = toWrite_.front();
    toWrite_.pop_front();
    lock.unlock();
    WriteInOrder(setup_, batch->lines, batch->messages, batch->flushAfter);
    const size_t messages = batch->messageCount;
    const bool failed = setup_.output.Failed();
    batch->Clear(4 * setup_.batchBytes);
    lock.lock();
    messageCount_ += messages;
    writeFailed_.store(failed, std::memory_order_relaxed);
    free_.push_back(batch);
    changed_.notify_all();
  }
}

// Lets the workers and the writer finish what was handed over, then joins them.
void ParallelPipeline::Stop() {
  {
    std::lock_guard lock(mutex_);
    if (closing_) return;
    closing_ = true;
    changed_.notify_all();
  }
  for (std::thread& thread : threads_) thread.join();
}

}  // namespace draftcalc::cli
